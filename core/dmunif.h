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

#include <array>
#include <string>
#include <string_view>

// One mathematical sign: its key in the ink text (after the grave accent),
// its old-code text, its unified text and its dots (a note for people).
struct SinalMatematico {
    const char* chave;
    const char* antigo;
    const char* unificado;
    const char* pontos;
};

// The mathematical signs, in table order. The translator looks at the rows
// whose key is one character long and takes the first equal one; rows with
// key character 1 are empty places of the table.
extern const std::array<SinalMatematico, 40> TabSinaisMat;

// Lower-cell forms of the digits "0".."9" (ordinals, fraction numerators).
extern const char DigitosInferioresUnif[11];

// Translates origem and APPENDS the braille to destino (which keeps what it
// held). Safe when origem points into destino. A character the code has
// neither a cell nor a sign for is left out and, when omitidos is given,
// appended to it.
void TraduzUnificado(std::string_view origem, std::string& destino, std::string* omitidos = nullptr);

// Translates origem and returns the braille.
std::string TraduzUnificado(std::string_view origem);
