#pragma once

#include <stdexcept>
#include <string>

namespace quizra {

// The one error type of the program. The candidate sees the number and the description.
class QuizraError : public std::runtime_error {
public:
    // where, when known, says where in the bank the error lies: "TOI3.ini [SEC1] ans=40000".
    QuizraError(int number, std::string message, std::string where = {});

    int number() const noexcept { return number_; }
    // The message, then where in parentheses when known.
    const std::string &description() const noexcept { return description_; }
    // What went wrong, alone.
    const std::string &message() const noexcept { return message_; }
    const std::string &where() const noexcept { return where_; }

private:
    int number_;
    std::string message_;
    std::string where_;
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
