// dmutil: the output code table and its loader, Latin-1 case helpers and the
// foreign-text flag of the translators.
#pragma once

#include <string>
#include <string_view>

extern bool TextoIngles;

bool CarregaTabelaImpressora();
// Where a data file of the system is read from (code tables, dictionary
// files): a name with a folder as it stands; a bare name in the program
// folder, then the data folder, then the working folder. Letter case of the
// name is ignored when no exact match exists.
std::string LocalizaArquivoDados(const std::string& nome);
unsigned char HexParaByte(char a, char b);
unsigned char MinusculaLatin(unsigned char c);
unsigned char MaiusculaLatin(unsigned char c);

// The text without the blanks (spaces only) at its two ends.
std::string_view AparaBrancos(std::string_view s);
// A whole decimal integer written exactly: an optional sign and digits, at
// most 10^9 in size; false for anything else.
bool LeInteiroExato(std::string_view s, int& v);
