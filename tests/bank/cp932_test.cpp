#include "cp932.h"

#include <gtest/gtest.h>

namespace {

using namespace std::literals;

TEST(DecodeCp932, MapsSingleAndDoubleByteCharactersAsWindowsDoes) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"\x5C\x7E", "\\~"},        // no yen sign or overline
        {"\xA5\xDF", "･ﾟ"},         // half-width katakana
        {"\x81\x60", "～"},         // wave dash as full-width tilde
        {"\x81\x7C", "－"},         // minus as full-width hyphen-minus
        {"\x87\x40\x87\x54", "①Ⅰ"}, // NEC row 13
        {"\xFA\x40", "ⅰ"},          // IBM extension
        {"\xF0\x40", "\uE000"},     // user area
        {"\x1A\x7F", "\x1A\x7F"},   // control bytes stay as they are
        {"\x80\xA0\xFD\xFE\xFF", "\u0080\uF8F0\uF8F1\uF8F2\uF8F3"}, // iconv lacks these
    };
    for (const auto &[bytes, text] : cases) {
        EXPECT_EQ(quizra::decodeCp932(bytes), text);
        // Encoding gives the same bytes back, the five iconv lacks included.
        std::string encoded;
        std::size_t failedAt = 0;
        EXPECT_TRUE(quizra::encodeCp932(text, encoded, failedAt)) << text;
        EXPECT_EQ(encoded, bytes);
    }
    // Longer than the decoder's output chunk: nothing is lost at the seams.
    std::string many, expected;
    for (int i = 0; i < 3000; ++i)
        many += "\x82\xA0\x80", expected += "あ\u0080";
    EXPECT_EQ(quizra::decodeCp932(many), expected);
}

TEST(DecodeCp932, ReplacesEachBadByteAndGoesOn) {
    const std::string_view fffd = "\xEF\xBF\xBD";
    EXPECT_EQ(quizra::decodeCp932("A\x81"), "A"s.append(fffd));
    EXPECT_EQ(quizra::decodeCp932("A\x81 B"), "A"s.append(fffd).append(" B"));
    EXPECT_EQ(quizra::decodeCp932("A\x85\x40"
                                  "B"),
              "A"s.append(fffd).append("@B"));
    EXPECT_EQ(quizra::decodeCp932("\x81\xFD\x82\xA0\x82"),
              std::string(fffd) + "\uF8F1あ"s + std::string(fffd));
}

TEST(EncodeCp932, StopsAtTheFirstCharacterWithNoCode) {
    std::string encoded;
    std::size_t failedAt = 0;
    EXPECT_FALSE(quizra::encodeCp932("あ\U0001F6A2い", encoded, failedAt));
    EXPECT_EQ(failedAt, 3u);
    EXPECT_EQ(encoded, "\x82\xA0");
}

TEST(InvalidCp932Offsets, PointsAtEachReplacedByte) {
    EXPECT_EQ(quizra::invalidCp932Offsets("\x82\xA0"
                                          "A\x85\x40\x80"
                                          "\x81"),
              (std::vector<std::size_t>{3, 6}));
    EXPECT_TRUE(quizra::invalidCp932Offsets("plain \x93\xfa").empty());
}

} // namespace
