// dmvars_valores: the settings' value conversions. Every value in
// "DOTMARA.INI" is text: integers in decimal, flags "S"/"N" (or "SIM"/"NÃO").
// These functions read and write those texts; they touch no setting, so the
// settings table, the settings windows and the print dialog use them as
// they are.
#pragma once

#include <string>
#include <string_view>

// The whole text as one integer: leading blanks, an optional "+" or "-",
// then decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or
// "0X". Empty text, any other character (a trailing blank too) or a value
// outside the signed 32-bit range gives padrao.
int TextoParaInteiro(std::string_view texto, int padrao);

// The decimal text of a value ("-" for negatives).
std::string InteiroParaTexto(int valor);

// "S" for true, "N" for false.
std::string LogicoParaSN(bool valor);
// "SIM" for true, "NÃO" for false (the embosser section's two flags).
std::string LogicoParaSimNao(bool valor);

// How a flag's first character is compared.
enum class LeituraFlag : unsigned char {
    Exata,     // as it stands: "n" is not "N"
    Maiuscula, // upper-cased first: "s" counts as "S"
};

// A flag's text: with padrao on, on unless the first character is "N"; with
// padrao off, on only when the first character is "S". Empty text gives
// padrao.
bool TextoParaLogico(std::string_view texto, bool padrao, LeituraFlag leitura);
