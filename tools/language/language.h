#pragma once

namespace check {

// Gives check::tr the translation of the user's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG):
// quizra-check_ja.qm under a Japanese one, looked up in the folder translations beside the
// program. Any other locale, or a missing file, keeps the tool's English.
void useLocaleLanguage();

} // namespace check
