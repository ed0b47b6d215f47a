#pragma once

#include <optional>
#include <string>
#include <vector>

// Where the program finds its bank when none is named: the first folder of a fixed order that
// holds a question file. A package keeps its sample bank in a folder of its own, looked in last,
// so that no upgrade touches a bank a teacher put in a folder of theirs.
namespace bankhome {

// A folder the lookup looks in, and what it is.
struct Place {
    std::string folder;
    std::string kind; // "beside the program", "per-user bank", "system bank", "sample bank"
};

// The folders looked in, in order: the program's own folder (a build tree, an unpacked folder),
// the per-user data folder's quizra/bank ($XDG_DATA_HOME), each system data folder's
// ($XDG_DATA_DIRS), and last the sample bank installed with the program.
std::vector<Place> places();

// True when folder holds a question file (TOI1.ini to TOI50.ini, any case) that can be read.
bool holdsBank(const std::string &folder);

// The outcome of a lookup: the first place that holds a bank, if any, and every place looked in
// up to and including it.
struct Lookup {
    std::optional<Place> chosen;
    std::vector<Place> looked;
};
Lookup find();

// The per-user bank folder, where a teacher's own bank goes.
std::string userFolder();

// folder as a person types it: the home folder shown as "~".
std::string shown(const std::string &folder);

} // namespace bankhome
