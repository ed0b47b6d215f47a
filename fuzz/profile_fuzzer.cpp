// Fuzzes the profile reader: arbitrary file bytes, looked up with arbitrary section and key names
// and with the names the file itself holds, against the plain reference reader; and the file
// read once for many lookups, as the exam draws, against GetIniString reading it each time.
//
// Input: section NUL key NUL file bytes. Without two NULs the whole input is the file, looked up
// as [SEC1] bun.

#include "check.h"
#include "reference_profile.h"

#include "IniModule.h"
#include "cp932.h"
#include "files.h"
#include "profile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

using fuzz::check;
using quizra::ProfileLine;
using quizra::ProfileScanner;

// Every line the scanner yields matches the reference split, and its parts lie inside it.
void checkScanner(std::string_view file) {
    const auto lines = fuzz::reference::splitLines(file);
    ProfileScanner full(file), kindOnly(file);
    ProfileLine line, quick;
    std::size_t count = 0;
    while (full.next(line)) {
        check(count < lines.size(), "scanner yields more lines than the file has");
        check(kindOnly.next(quick, ProfileScanner::Detail::KindOnly),
              "a kind-only scan ends early");
        check(quick.kind == line.kind, "a kind-only scan classifies a line differently");
        check(line.number == count + 1, "line numbers are not consecutive");
        check(line.offset == lines[count].offset, "line starts at the wrong offset");
        check(line.text == lines[count].text, "line text differs from the split at CR and LF");
        const std::string_view content = line.text.substr(0, line.text.find('\0'));
        for (std::string_view part : {line.name, line.value}) {
            if (part.empty()) continue;
            check(part.data() >= content.data() &&
                      part.data() + part.size() <= content.data() + content.size(),
                  "a name or value lies outside its line's text before the first NUL");
        }
        ++count;
    }
    check(count == lines.size(), "scanner yields fewer lines than the file has");
    check(!kindOnly.next(quick, ProfileScanner::Detail::KindOnly), "a kind-only scan runs on");
}

// The question file the lookups read through IniModule, in a folder of its own that goes when
// the run ends.
const char *const FileName = "TOI1.ini";

class QuestionFolder {
public:
    QuestionFolder() {
        char folder[] = "/tmp/profile_fuzzer-XXXXXX";
        check(mkdtemp(folder) != nullptr, "cannot make a temporary folder");
        directory_ = folder;
        quizra::setBankDirectory(directory_);
    }
    ~QuestionFolder() {
        std::remove(path().c_str());
        rmdir(directory_.c_str());
    }
    void write(std::string_view bytes) const {
        std::FILE *out = std::fopen(path().c_str(), "wb");
        check(out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() &&
                  std::fclose(out) == 0,
              "cannot write the question file");
    }

private:
    std::string path() const { return quizra::joinPath(directory_, FileName); }
    std::string directory_;
};

// The delivered value agrees with the reference, is a whole-character prefix of at most 999
// bytes, holds no line end or NUL, and decodes to valid UTF-8.
void checkLookup(std::string_view file, const std::vector<fuzz::reference::Entry> &entries,
                 IniModule::IniFile &once, std::string_view section, std::string_view key) {
    const std::string value = quizra::profileValue(file, section, key);
    std::string fresh, drawn;
    check(IniModule::GetIniString(key, section, FileName, fresh), "GetIniString fails");
    check(once.GetIniString(key, section, drawn), "a file read once fails");
    check(drawn == fresh, "a file read once gives another value than GetIniString");
    check(fresh == quizra::decodeCp932(value), "GetIniString is not the decoded profile value");
    const std::string full = fuzz::reference::uncutValue(entries, section, key);

    check(value.size() <= quizra::MaxValueBytes, "value longer than 999 bytes");
    check(value.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
          "value holds CR, LF or NUL");
    check(std::string_view(full).substr(0, value.size()) == value,
          "value is not the start of the reference value");
    if (value.size() < full.size()) {
        check(full.size() > quizra::MaxValueBytes, "value cut although it fits");
        std::size_t boundary = 0;
        while (boundary < value.size())
            boundary += fuzz::reference::charLength(full, boundary);
        check(boundary == value.size(), "the cut splits a double-byte character");
        check(boundary + fuzz::reference::charLength(full, boundary) > quizra::MaxValueBytes,
              "the cut drops a character that fits");
    }
    check(fuzz::isValidUtf8(quizra::decodeCp932(value)), "decoded value is not valid UTF-8");
}

// The same name with its ASCII letters' case flipped and spaces around it.
std::string disguised(std::string_view name) {
    std::string result = "  ";
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = fuzz::reference::charLength(name, i);
        char c = name[i];
        if (length == 1 && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) c ^= 0x20;
        result += c;
        if (length == 2) result += name[i + 1];
        i += length;
    }
    return result + " ";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    std::string_view section = "SEC1", key = "bun", file = input;
    const std::size_t first = input.find('\0');
    const std::size_t second =
        first == std::string_view::npos ? first : input.find('\0', first + 1);
    if (second != std::string_view::npos) {
        section = input.substr(0, first);
        key = input.substr(first + 1, second - first - 1);
        file = input.substr(second + 1);
    }

    checkScanner(file);
    const auto entries = fuzz::reference::entries(file);
    static const QuestionFolder folder;
    folder.write(file);
    IniModule::IniFile once(FileName);
    checkLookup(file, entries, once, section, key);

    // Names the file holds, so that lookups find something: the first few keys of each section.
    std::string_view current;
    bool inSection = false;
    int lookups = 0;
    for (const auto &entry : entries) {
        if (entry.isSection) {
            current = entry.name;
            inSection = true;
        } else if (inSection && lookups++ < 8) {
            checkLookup(file, entries, once, current, entry.name);
            checkLookup(file, entries, once, disguised(current), disguised(entry.name));
        }
    }
    return 0;
}
