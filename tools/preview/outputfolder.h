#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace check {

// The folder the preview writes its page and pictures into. It refuses a folder that holds a
// bank, and a folder of other files that no earlier preview wrote. Every file is written under a
// temporary name and renamed into place, all relative to the folder opened once, so a symbolic
// link standing at a name is replaced, never followed.
class OutputFolder {
public:
    // The name of the list of files the preview wrote, kept in the folder between runs.
    static constexpr std::string_view ManifestName = ".quizra-preview";

    // Opens path, creating it when it does not exist; problem() says why it cannot be used.
    explicit OutputFolder(const std::string &path);
    ~OutputFolder();
    OutputFolder(const OutputFolder &) = delete;
    OutputFolder &operator=(const OutputFolder &) = delete;

    // "" when the folder can be written to.
    const std::string &problem() const { return problem_; }

    // Replaces name with bytes; an error message on failure, else "". Safe from any thread.
    std::string write(const std::string &name, std::string_view bytes) const;

    // The size of name when it is a regular file (not a link to one).
    std::optional<std::size_t> fileSize(const std::string &name) const;

    // The contents of name when it is a regular file; "" otherwise.
    std::string read(const std::string &name) const;

    // Removes name when it is a regular file or a link; a folder of that name stays.
    void remove(const std::string &name) const;

private:
    // Checks what the folder holds before anything is written to it.
    void checkContents(const std::string &path);

    int descriptor_ = -1;
    std::string problem_;
};

} // namespace check
