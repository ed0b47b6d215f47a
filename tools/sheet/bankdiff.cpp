#include "bankdiff.h"

#include "bankread.h"
#include "files.h"
#include "modMain.h"
#include "translation.h"

#include <algorithm>
#include <functional>
#include <regex>

namespace spreadsheet {
namespace {

std::string valueOf(const bankread::Field &field) {
    return field.number ? std::to_string(*field.number) : field.text;
}

std::string without(std::string_view text, char c) {
    std::string out(text);
    std::erase(out, c);
    return out;
}

} // namespace

BankDiff diffBank(const std::string &directory, const Build &built) {
    BankDiff diff;
    quizra::setBankDirectory(directory);
    for (std::size_t f = 0; f < built.files.size(); ++f) {
        const bankread::QuestionFile before = bankread::readQuestionFile(static_cast<int>(f));
        const bankread::QuestionFile after =
            bankread::readQuestionBytes(before.name, built.files[f]);
        const std::size_t common = std::min(before.entries.size(), after.entries.size());
        diff.added += after.entries.size() - common;
        diff.removed += before.entries.size() - common;
        for (std::size_t e = 0; e < common; ++e) {
            bool changed = false;
            for (std::size_t k = 0; k < after.entries[e].fields.size(); ++k) {
                const std::string was = valueOf(before.entries[e].fields[k]);
                const std::string is = valueOf(after.entries[e].fields[k]);
                if (was == is) continue;
                changed = true;
                diff.changes.push_back(
                    {before.name + " [" + after.entries[e].section + "] " + bankread::EntryKeys[k],
                     was, is, built.rows[f][e], built.columns[k + 2]});
            }
            diff.changed += changed;
        }
    }
    return diff;
}

std::string rewritingOf(std::string_view before, std::string_view after) {
    // Each pattern of text that a spreadsheet program takes for a number, a date or a formula,
    // and what it makes of it, in the language chosen before the first call.
    struct Rewriting {
        std::regex before;
        std::function<bool(const std::string &, std::string_view)> made;
        std::string what;
    };
    static const std::vector<Rewriting> Rewritings = {
        {std::regex("=.+"), [](const std::string &, std::string_view) { return true; },
         check::tr("a formula evaluated")},
        {std::regex("([+-]?)0+([0-9]+)"),
         [](const std::string &b, std::string_view a) {
             return a == std::regex_replace(b, std::regex("^([+-]?)0+([0-9])"), "$1$2");
         },
         check::tr("leading zeros lost")},
        {std::regex("[+-]?[0-9]{1,3}(,[0-9]{3})+(\\.[0-9]+)?"),
         [](const std::string &b, std::string_view a) { return a == without(b, ','); },
         check::tr("a thousands separator dropped")},
        {std::regex("[+-]?[0-9]*\\.[0-9]*0"),
         [](const std::string &b, std::string_view a) {
             return a == std::regex_replace(b, std::regex("\\.?0+$"), "");
         },
         check::tr("a trailing zero dropped")},
        {std::regex("[0-9]{1,2}[/-][0-9]{1,2}"),
         [](const std::string &, std::string_view a) {
             return std::regex_match(
                 a.begin(), a.end(),
                 std::regex(".*[A-Za-z]{3}.*|[0-9]{2,4}[/-][0-9]{1,2}([/-][0-9]{1,4})?"));
         },
         check::tr("a date made of a fraction")},
        {std::regex("[+-]?[0-9.]+[eE][+-]?[0-9]+"),
         [](const std::string &, std::string_view a) {
             return std::regex_match(a.begin(), a.end(),
                                     std::regex("[+-]?[0-9.]+([eE][+-]?[0-9]+)?"));
         },
         check::tr("a number in exponent form rewritten")},
        {std::regex("-0+(\\.0+)?"),
         [](const std::string &, std::string_view a) { return a == "0"; },
         check::tr("the sign of zero dropped")},
        {std::regex("[0-9]{1,2}:[0-9]{2}"),
         [](const std::string &b, std::string_view a) { return a == b + ":00"; },
         check::tr("a time given seconds")},
        {std::regex(".*(０|１|２|３|４|５|６|７|８|９).*"),
         [](const std::string &, std::string_view a) {
             return std::regex_match(a.begin(), a.end(), std::regex("[0-9.,+-]+"));
         },
         check::tr("full-width digits made half-width")},
    };
    const std::string was(before);
    for (const Rewriting &rewriting : Rewritings)
        if (std::regex_match(was, rewriting.before) && rewriting.made(was, after))
            return rewriting.what;
    return {};
}

} // namespace spreadsheet
