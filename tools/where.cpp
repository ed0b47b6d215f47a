// quizra-check where: the folder whose bank the program reads when started without one, then
// each folder looked in up to it and what it is.

#include "bankhome.h"
#include "commands.h"
#include "terminaltext.h"

#include <iostream>

int check::where(Arguments arguments) {
    if (!arguments.empty()) return BadUsage;
    const bankhome::Lookup lookup = bankhome::find();
    if (lookup.chosen)
        std::cout << terminalText(lookup.chosen->folder) << '\n'
                  << "the first of these folders that holds a question file:\n";
    else
        std::cout << "no question bank found; looked in\n";
    for (const bankhome::Place &place : lookup.looked)
        std::cout << "  " << terminalText(place.folder) << " (" << place.kind << ")"
                  << (lookup.chosen && place.folder == lookup.chosen->folder ? ": this one"
                                                                             : ": no question file")
                  << '\n';
    return lookup.chosen ? 0 : 2;
}
