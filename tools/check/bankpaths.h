#pragma once

#include <string>

namespace check {

// Where path really leads when a symbolic link (of the file or a folder on its way) takes it out
// of directory; "" when it stays inside, or does not exist.
std::string linkedOutside(const std::string &directory, const std::string &path);

} // namespace check
