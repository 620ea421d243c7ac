// dmantigo: ink text (Windows-1252) to internal braille text under the old
// Portuguese braille rules. Same frame as dmunif: capital and number signs,
// dates, times, ordinals, fractions, bracket signs after the grave accent,
// alternating quotes and three special characters.
//
// State that runs on from call to call (reset by the draft compiler at the
// start of every compile, never here): dmantigo::AspasAbertas
// (core/dmvars.h) and the English-text flag TextoIngles (core/dmutil.h).
#pragma once

#include <string>
#include <string_view>

// Lower-cell forms of the digits "0".."9" (dates aside: ordinals, fraction
// numerators).
extern const char DigitosInferioresAntigo[11];

// Translates origem and APPENDS the braille to destino (which keeps what it
// held). Safe when origem points into destino. A character the code has
// neither a cell nor a sign for is left out and, when omitidos is given,
// appended to it.
void TraduzAntigo(std::string_view origem, std::string& destino, std::string* omitidos = nullptr);

// Translates origem and returns the braille.
std::string TraduzAntigo(std::string_view origem);
