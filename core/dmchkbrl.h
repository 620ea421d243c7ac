// dmchkbrl: back-translation of one generated braille line into a rough ink
// text, for the "Braille gerado" check window. A reading aid only: it undoes
// the cell table, the capital signs and the number signs, nothing more.
#pragma once

#include <array>
#include <string>

// Output code -> internal cell character of the code in force (BrailleAntigo
// chooses the cell table; TabelaImpressora gives the output codes). Codes
// that no cell produces give 0. The code of the apostrophe (dot 3) reads as a
// full stop.
std::array<unsigned char, 256> TabelaReversaBraille();

// The cell characters that act as capital sign (dots 46) and number sign
// (dots 3456) under the code in force.
unsigned char SinalMaiuscula();
unsigned char SinalNumero();

// The rough ink text of a braille line in output codes. A code that no cell
// produces becomes character 0 (the window shows the text up to it).
std::string ReverteBraille(const std::string& linha);

// The part of a reversed text that an edit line shows: up to the first
// character 0.
std::string TextoVisivelReversao(const std::string& revertido);
