// dmutil: the output code table and its loader, Latin-1 case helpers and the
// foreign-text flag of the translators.
#pragma once

#include <string>

extern bool TextoIngles;

bool CarregaTabelaImpressora();
unsigned char HexParaByte(char a, char b);
unsigned char MinusculaLatin(unsigned char c);
unsigned char MaiusculaLatin(unsigned char c);
