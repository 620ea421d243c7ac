// The code-table file: one rule per line, "XX=YY" (two hexadecimal digits,
// "=", two hexadecimal digits; anything after the fifth character is a
// comment), turning the character of code XX into the code YY. Empty lines
// and lines that begin with "*" are skipped; a character without a rule keeps
// its own code. The parser is a pure function into the caller's table, so
// the main program's output code table and the touch-up program's screen map
// are read by the same code.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

using TabelaDeCodigos = std::array<unsigned char, 256>;

// How lines that are neither empty, a comment nor a rule are taken.
enum class LeituraTabela {
    // The first such line ends the reading as an error (the main program).
    ParaNoErro,
    // Such lines are skipped (the touch-up program). A line counts as a rule
    // when its third character is "=" and it has the five characters of one;
    // its digits are then taken as they stand, without validation.
    PulaLinhasRuins,
};

struct ResultadoTabela {
    bool ok = true;
    int linhaErro = 0; // 1-based line of the error (ParaNoErro only)
};

// The value of two hexadecimal digit characters. Digits are not validated:
// each character counts c - 48 up to "@" and c - 55 after it, upper-cased
// first, and the result is taken modulo 256.
unsigned char HexParaByte(char a, char b);

// The identity table.
TabelaDeCodigos TabelaIdentidade();

// Applies the rules of a code-table file's content, in order, to tabela; a
// later rule for the same character replaces an earlier one. Lines end in
// LF or CR LF. On an error the rules read before it stay applied.
ResultadoTabela AplicaTabelaCodigos(std::string_view conteudo, TabelaDeCodigos& tabela,
                                    LeituraTabela modo);

// Where a code-table file is looked for. A name with a folder is taken as it
// stands; a bare name (the defaults) is looked for in the program folder,
// the data folder, and last the working folder, so a stray file of the same
// name in a document folder does not replace the shipped table. Names match
// without regard to letter case. Returns the first path that exists, or the
// name as given when none does.
std::string LocalizaTabelaCodigos(const std::string& nome, const std::string& dirPrograma);
