#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Replacing the question files of a bank folder as one step that a failure, or a kill, cannot
// leave half done. The new files wait complete in a staging folder inside the bank folder; the
// plan is written down in a journal there before the first file is touched; the old files are
// kept in a dated backup folder, so that the bank is put back whole after a failure, and can be
// had back by hand after a success. Run only while holding the folder's BankLock.
namespace spreadsheet {

struct Replacement {
    std::string directory;
    std::string staging;               // folder name inside directory, holding newNames
    std::string backup;                // folder name inside directory; "" with no oldNames
    std::vector<std::string> oldNames; // the question files replaced, as named on disk
    std::vector<std::string> newNames; // TOI1.ini, TOI2.ini, …
};

// Staging and backup folders are named so, followed by a unique or dated part.
inline constexpr const char *StagingPrefix = ".quizra-build-";
inline constexpr const char *BackupPrefix = ".quizra-old-";

// Writes the journal of replacement (flushed to the disk). False, with errno, when it cannot.
bool writeJournal(const Replacement &replacement);

// Moves the new files in: each old file is first kept in the backup folder (a second link to
// it, or moved there where the file system has no links), then each new file replaces its name
// in one rename, so that the program, reading meanwhile, finds every question file old or new
// and never missing; old names of another case go last. proceed, when given, is asked before
// each step; false leaves the folder as a kill at that point would. Returns "" when done (the
// journal removed), or what failed, after which the old bank has been put back.
std::string carryOut(const Replacement &replacement, const std::function<bool()> &proceed = {});

// What became of an interrupted replacement in directory.
struct Recovery {
    std::string done;    // "" when there was nothing to do, else what was done, for the author
    std::string problem; // a journal that cannot be read, and so is left alone
};

// Finds the journal of a replacement killed midway and completes it when every new file was
// already in place, or else puts the old bank back; removes staging folders left by a build
// killed before its journal. Needs the folder's BankLock.
Recovery recoverInterrupted(const std::string &directory);

// True when directory shows a trace of an interrupted build, so that a reading command knows to
// take the lock and recover.
bool interruptedBuildIn(const std::string &directory);

} // namespace spreadsheet
