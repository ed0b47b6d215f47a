#include "error.h"

#include <utility>

namespace quizra {

QuizraError::QuizraError(int number, std::string description)
    : std::runtime_error(std::to_string(number) + description), number_(number),
      description_(std::move(description)) {}

namespace errors {

QuizraError overflow(const std::string &detail) {
    std::string text = "オーバーフローしました。";
    if (!detail.empty()) text += " (" + detail + ")";
    return {Overflow, text};
}

QuizraError fileTooLarge(const std::string &detail) {
    return {FileTooLarge, "ファイルが大きすぎます。 (" + detail + ")"};
}

QuizraError indexOutOfRange(long index) {
    return {IndexOutOfRange,
            "インデックスが有効範囲にありません。 (" + std::to_string(index) + ")"};
}

} // namespace errors
} // namespace quizra
