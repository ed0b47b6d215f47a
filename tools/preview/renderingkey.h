#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct MondaiRec;

namespace check {

// A digest of everything the exam window's rendering of question at index depends on: the
// renderer (the tool and its settings), the question's values (text and layout), and the file
// its picture names (path, size, modification time, inode). Equal keys give equal pictures.
std::string renderingKey(std::string_view renderer, std::int16_t index, const MondaiRec &question);

} // namespace check
