#pragma once

// The parts of the bank check, each over one question file; bankcheck.cpp runs them in turn.

#include "choices.h"
#include "decodedfile.h"
#include "diagnostic.h"
#include "pictures.h"
#include "profileindex.h"

#include <optional>
#include <string>
#include <string_view>

namespace bankcheck {

// Byte-level problems: byte-order marks, UTF-8, invalid Shift-JIS (as decoded), NUL bytes. False
// when the file is UTF-16, whose lines mean nothing to the reader, so that no further check is
// worth it.
bool checkEncoding(std::string_view bytes, const DecodedFile &decoded, Findings &findings);

// Problems of the file's shape: stray key lines, unclosed or repeated sections, section names
// the program never asks for, key lines without '=', repeated keys. bomOnLineOne: line 1 is
// already reported as spoilt by a byte-order mark.
void checkStructure(const ProfileIndex &index, bool bomOnLineOne, Findings &findings);

// The count, the entries the draw can pick and their values, the pictures they name, and what
// the candidate does not see of them.
void checkEntries(const ProfileIndex &index, const DecodedFile &decoded,
                  const PictureLoader &pictures, const ChoiceMeter &choices, Findings &findings);

// Choices of entry that the candidate sees only in part, with the choices stacked (type=1) or
// side by side.
void checkChoiceWidths(const ProfileIndex::Section &entry, bool stacked, const DecodedFile &decoded,
                       const ChoiceMeter &meter, Findings &findings);

// Raw CP932 bytes as UTF-8, for quoting in a message.
std::string shown(std::string_view cp932);

// k when name is the section the draw looks up for entry k ("SEC" + k, any case); else nothing.
std::optional<long> entryOfSection(std::string_view name);

} // namespace bankcheck
