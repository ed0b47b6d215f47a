#pragma once

#include "profile.h"

#include <string>
#include <string_view>
#include <vector>

namespace bankcheck {

// A question file decoded from code page 932 once, for every rule of the check: its text, the
// bytes that decode as U+FFFD, and each key line's value as the program reads it.
class DecodedFile {
public:
    explicit DecodedFile(std::string_view bytes);

    // Byte offsets of the invalid sequences, in increasing order.
    const std::vector<std::size_t> &invalidOffsets() const { return invalid_; }

    // What the program reads from key, a line of the file, in UTF-8: the same as decoding
    // ProfileIndex::value(key) on its own.
    std::string value(const quizra::ProfileLine &key) const;

private:
    std::vector<std::size_t> invalid_; // before text_, which is decoded filling it
    std::string text_;
    std::vector<std::size_t> lineStarts_; // where each line starts in text_, line 1 first
};

} // namespace bankcheck
