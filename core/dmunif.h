// dmunif: ink text (Windows-1252) to internal braille text under the unified
// Portuguese braille rules. Uncontracted: capital and number signs, lower-cell
// digits, ordinals, fractions, numeric brackets, quotes, mathematical signs
// after the grave accent and the special characters.
//
// State that runs on from call to call (reset by the draft compiler at the
// start of every compile, never here): dmunif::AspasAbertas and
// dmunif::ParentesesAbertos (core/dmvars.h) and the English-text flag
// TextoIngles (core/dmutil.h).
#pragma once

#include <string>
#include <string_view>

// Translates origem and APPENDS the braille to destino (which keeps what it
// held). Safe when origem points into destino.
void TraduzUnificado(std::string_view origem, std::string& destino);

// Translates origem and returns the braille.
std::string TraduzUnificado(std::string_view origem);
