// dmutil: the output code table and its loader, Latin-1 case helpers and the
// foreign-text flag of the translators.
#pragma once

#include "core/celas/tabela_codigos.h" // HexParaByte

#include <string>
#include <string_view>

extern bool TextoIngles;

bool CarregaTabelaImpressora();
unsigned char MinusculaLatin(unsigned char c);
unsigned char MaiusculaLatin(unsigned char c);

// Blank trims of braille and draft text. Blanks are spaces only: a code
// below 32 is a real cell of the draft (reserved line 11, graphic mark 15).
// The text without the blanks at its two ends.
std::string_view AparaBrancos(std::string_view s);
// The text without the blanks at its end.
std::string_view AparaBrancosFinais(std::string_view s);
// Removes the blanks at the end of s.
void TiraBrancosFinais(std::string& s);
// A whole decimal integer written exactly: an optional sign and digits, at
// most 10^9 in size; false for anything else.
bool LeInteiroExato(std::string_view s, int& v);
