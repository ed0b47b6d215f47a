#include "bankpaths.h"

#include <climits>
#include <cstdlib>
#include <memory>

namespace check {
namespace {

std::string realPath(const std::string &path) {
    const std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr),
                                                           &std::free);
    return real ? std::string(real.get()) : std::string();
}

} // namespace

std::string linkedOutside(const std::string &directory, const std::string &path) {
    const std::string folder = realPath(directory);
    const std::string target = realPath(path);
    if (folder.empty() || target.empty() || folder == "/") return {};
    if (target == folder || target.starts_with(folder + "/")) return {};
    return target;
}

} // namespace check
