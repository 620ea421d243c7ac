// The one Windows-1252 <-> UTF-8 conversion of the program. Program text is
// Windows-1252 bytes; UTF-8 only at the operating-system boundary.
#pragma once

#include <string>
#include <string_view>

// Every byte maps to a character (the five bytes that Windows-1252 leaves
// undefined map to U+0081, U+008D, U+008F, U+0090, U+009D, so nothing is lost).
std::string Cp1252ParaUtf8(std::string_view s);
// Characters with no Windows-1252 byte become "?"; malformed UTF-8 bytes are
// taken one by one as Windows-1252.
std::string Utf8ParaCp1252(std::string_view s);
// Unicode code point of a Windows-1252 byte, and back (-1 when none).
char32_t Cp1252ParaUnicode(unsigned char c);
int UnicodeParaCp1252(char32_t u);

// Letter case of Windows-1252 text as Windows folds it: A-Z, the accented
// capitals 192-222 (not 215, the multiplication sign), and S, OE, Z with
// caron and Y diaeresis (138, 140, 142, 159). Other bytes are their own case.
unsigned char MinusculaWindows(unsigned char c);
unsigned char MaiusculaWindows(unsigned char c);
// Equal text apart from letter case (file names, INI sections and keys).
bool IgualSemCaixa(std::string_view a, std::string_view b);

// Order of Windows-1252 text as a Portuguese reader sorts it: letters by their
// base letter first (a, с, р, т, у all sort as a; ч as c), then by accent
// where the base letters are equal, so "aчуo" falls between "acabar" and
// "acaso". Digits and signs come before letters.
// ComparaTextoAnsi ignores letter case: it is 0 exactly when the two texts
// are equal apart from case (IgualSemCaixa). ComparaStrAnsi respects case
// (a lower-case letter before its capital) and is 0 only for equal texts.
// Both return <0, 0 or >0.
int ComparaTextoAnsi(std::string_view a, std::string_view b);
int ComparaStrAnsi(std::string_view a, std::string_view b);
