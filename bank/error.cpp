#include "error.h"

#include <utility>

namespace quizra {

namespace {
std::string describe(const std::string &message, const std::string &where) {
    return where.empty() ? message : message + " (" + where + ")";
}
} // namespace

QuizraError::QuizraError(int number, std::string message, std::string where)
    : std::runtime_error(std::to_string(number) + describe(message, where)), number_(number),
      message_(std::move(message)), where_(std::move(where)),
      description_(describe(message_, where_)) {}

namespace errors {

QuizraError overflow(const std::string &detail) {
    return {Overflow, "オーバーフローしました。", detail};
}

QuizraError fileTooLarge(const std::string &detail) {
    return {FileTooLarge, "ファイルが大きすぎます。", detail};
}

QuizraError indexOutOfRange(long index) {
    return {IndexOutOfRange,
            "インデックスが有効範囲にありません。 (" + std::to_string(index) + ")"};
}

} // namespace errors
} // namespace quizra
