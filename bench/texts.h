#pragma once

#include <string>
#include <vector>

// The text the benchmark banks are made of.
namespace benchbank {

enum class Text {
    Plain,     // synthetic Japanese text that holds no byte 0x5B
    Sample,    // the sample bank's entries, in turn
    LongVowel, // synthetic text with ー (0x81 0x5B) in its words
    Katakana,  // katakana-heavy sentences: a 0x5B second byte in every 20 bytes or so
};

// The entries of text, each as its key lines (CRLF, code page 932) from bun to type, without its
// section header and its bmp line. The k-th entry of a bank (from 1) is entry (k - 1) % size.
const std::vector<std::string> &entryBodies(Text text);

} // namespace benchbank
