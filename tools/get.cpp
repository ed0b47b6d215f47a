// quizra-check get FILE SECTION KEY [DIR]: one value, exactly as the program reads it (control
// characters escaped).

#include "IniModule.h"
#include "commands.h"
#include "terminaltext.h"
#include "translation.h"

#include <iostream>

int check::get(Arguments arguments) {
    if (arguments.size() < 3 || arguments.size() > 4) return BadUsage;
    if (!useBankDirectory(arguments.size() == 4 ? arguments[3] : "")) return 1;
    std::string value;
    if (!IniModule::GetIniString(arguments[2], arguments[1], arguments[0], value)) {
        std::cerr << "quizra-check: " << arguments[0] << check::tr(" cannot be read") << '\n';
        return 1;
    }
    bool escaped = false;
    std::cout << terminalText(value, &escaped) << '\n';
    if (escaped)
        std::cerr << "quizra-check: " << check::tr("control characters shown as \\xNN") << '\n';
    return 0;
}
