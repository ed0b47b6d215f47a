#pragma once

#include <span>
#include <string>
#include <string_view>

namespace check {

// What a command called the wrong way returns; main then prints the usage line and exits with
// UsageStatus.
inline constexpr int BadUsage = -1;
inline constexpr int UsageStatus = 2;

using Arguments = std::span<const std::string_view>;

// Each command takes the arguments after its name and returns the exit status.
int get(Arguments arguments);
int dump(Arguments arguments);
int check(Arguments arguments);
int preview(Arguments arguments);
int exportBank(Arguments arguments);
int build(Arguments arguments);
int where(Arguments arguments);

// The arguments of dump and check: at most one bank folder ("" when none), "--json" and "--all".
struct BankArguments {
    std::string_view directory;
    bool json = false;
    bool all = false;
};
// False when the arguments are none of those.
bool parseBankArguments(Arguments arguments, BankArguments &parsed);

// Reads the bank folder named on the command line, or, when none is ("" given), the bank the
// program reads (bankhome::find), saying on standard error which folder that is unless the
// command says it itself (quiet). Prints a message and returns false when the folder named is not
// one, or when no folder holds a bank.
bool useBankDirectory(std::string_view directory, bool quiet = false);

// kind, as bankhome::Place names a bank folder, in the user's language.
std::string placeKind(std::string_view kind);

} // namespace check
