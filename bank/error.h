#pragma once

#include <stdexcept>
#include <string>

namespace quizra {

// The one error type of the program. The candidate sees the number and the description.
class QuizraError : public std::runtime_error {
public:
    QuizraError(int number, std::string description);

    int number() const noexcept { return number_; }
    const std::string &description() const noexcept { return description_; }

private:
    int number_;
    std::string description_;
};

namespace errors {
inline constexpr int Overflow = 6;
inline constexpr int FileTooLarge = 7;
inline constexpr int IndexOutOfRange = 9;

// An overflow; detail, when given, says where the offending number came from.
QuizraError overflow(const std::string &detail = {});
// A question file past the size the program reads; detail names the file.
QuizraError fileTooLarge(const std::string &detail);
QuizraError indexOutOfRange(long index);
} // namespace errors

} // namespace quizra
