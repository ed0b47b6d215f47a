// quizra-check where: the folder whose bank the program reads when started without one, then
// each folder looked in up to it and what it is.

#include "bankhome.h"
#include "commands.h"
#include "terminaltext.h"
#include "translation.h"

#include <iostream>

std::string check::placeKind(std::string_view kind) {
    if (kind == "beside the program") return check::tr("beside the program");
    if (kind == "per-user bank") return check::tr("per-user bank");
    if (kind == "system bank") return check::tr("system bank");
    if (kind == "sample bank") return check::tr("sample bank");
    return std::string(kind);
}

int check::where(Arguments arguments) {
    if (!arguments.empty()) return BadUsage;
    const bankhome::Lookup lookup = bankhome::find();
    if (lookup.chosen)
        std::cout << terminalText(lookup.chosen->folder) << '\n'
                  << check::tr("the first of these folders that holds a question file:") << '\n';
    else
        std::cout << check::tr("no question bank found; looked in") << '\n';
    for (const bankhome::Place &place : lookup.looked)
        std::cout << "  " << terminalText(place.folder) << " (" << placeKind(place.kind) << ")"
                  << (lookup.chosen && place.folder == lookup.chosen->folder
                          ? check::tr(": this one")
                          : check::tr(": no question file"))
                  << '\n';
    return lookup.chosen ? 0 : 2;
}
