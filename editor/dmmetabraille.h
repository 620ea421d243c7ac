// dmmetabraille: the meta-braille copy. The braille of the selected editor
// lines goes to the clipboard as plain text in the internal braille
// alphabet (one character per cell), one braille line per editor line, each
// ended by CR LF, for the touch-up program or any text program.
#pragma once

#include <array>
#include <string>

class DocumentoEditavel;

// A line is appended only while the text placed so far is at most this long.
inline constexpr std::size_t LimiteMetaBraille = 65199;

// The output code table is the identity while the object lives, so that the
// compile yields internal cells; the table in force comes back when it goes,
// however the scope is left.
class TabelaIdentidadeEscopo {
public:
    TabelaIdentidadeEscopo();
    ~TabelaIdentidadeEscopo();
    TabelaIdentidadeEscopo(const TabelaIdentidadeEscopo&) = delete;
    TabelaIdentidadeEscopo& operator=(const TabelaIdentidadeEscopo&) = delete;

private:
    std::array<unsigned char, 256> anterior_;
};

// A digit of the braille as the clipboard carries it: the letter whose cell
// the digit has in a number, "1" to "9" "a" to "i" and "0" "j" (dots 245 in
// both codes), so that whatever reads the text through the code table finds
// the cells of the number.
void TrocaDigitos(std::string& linha);

// The meta-braille text of the editor lines primeira to ultima: each line
// compiled alone (CompilaLinha) with the identity table, digits changed,
// CR LF; lines that would start after LimiteMetaBraille are left out. The
// document given is the one the compiler reads (DocumentoAtual).
std::string TextoMetaBraille(int primeira, int ultima);

// The lines the copy takes: from the selection start's line to its end's
// line (a selection that ends just after a line end takes the line after it
// too), the caret's line when nothing is selected; never past the last line.
void LinhasMetaBraille(const DocumentoEditavel& doc, int& primeira, int& ultima);

// "Copiar em Meta-&Braille": the text of the selected lines onto the
// clipboard. False when the clipboard could not be had (nothing is said).
bool CopiaEmMetaBraille(const DocumentoEditavel& doc);
