// dmmsword: the Word export. Writes the compiled draft into a new
// word-processor document in one of two forms: braille (every draft line
// typed as it is, in the braille screen font) or ink (every draft line
// back-translated from braille ASCII, "#" the number sign and "." the capital
// sign, with its bold and italic markers applied). The document is an RTF
// file in the private temporary folder, opened with the desktop's program
// for it.
#pragma once

#include <string>

#include "output/dmmsword_rtf.h"
#include "platform/texto.h"

// One export: the document being typed and the state that lasts from line to
// line (styles, the angle-bracket alternation).
class ExportacaoWord {
public:
    explicit ExportacaoWord(DocumentoRtf& doc) : doc_(doc) {}

    // The document's starting format for the form (ink true: "Verdana" 18,
    // single spacing, 4 points after; braille: the braille font 14 in bold,
    // 6 points before) and the styles off. Always succeeds.
    bool AtivaWord(bool tinta);

    // One draft line in ink, typed with its styles and ended by a paragraph
    // mark. An empty line and a reserved line give an empty paragraph.
    void TintaDeBraille(const std::string& linha);
    // The ink text of one draft line, styles markers still in it.
    std::string TintaDaLinha(const std::string& linha);
    // Types an ink text: "*" toggles bold, "$*" italic; the markers are not
    // typed.
    void DigitaComEstilos(std::string texto);
    // The ink character of the draft character at the 1-based position pos.
    // Past the end of the line there is no next character.
    unsigned char CaractereTinta(const std::string& linha, int pos);

    // Bold and italic as the markers left them (0 off, 1 on).
    unsigned char EstiloNegrito = 0;
    unsigned char EstiloItalico = 0;
    // Set after a number; ")", "0" and ">" take it.
    unsigned char ContextoNumero = 0;
    // The next double quote + "1" gives ">" (1) or "<" (0).
    unsigned char SinalAnguloAberto = 0;

private:
    // CaractereTinta without taking the number context: the character is
    // only looked at, and read again by the step that handles it.
    unsigned char OlhaTinta(const std::string& linha, int pos);
    // The ink so far ends in a letter and no word starts at the 0-based
    // position depois of the draft line s.
    bool FimDePalavra(const std::string& tinta, const std::string& s, std::size_t depois);
    void AlternaNegrito();
    void AlternaItalico();

    DocumentoRtf& doc_;
};

// The draft sequences of two characters and their ink, in search order (the
// last row, double quote + "1", alternates "<" and ">").
struct SequenciaTinta {
    const char* rascunho;
    const char* tinta;
};
inline constexpr int kQuantSequencias = 12;
extern const SequenciaTinta SequenciasTinta[kQuantSequencias];
// The characters that start a sequence lookup.
extern const char* const IniciaisSequencias;

// The whole document of a draft, one line after another (a page end of
// either kind is one page break and no paragraph mark). A graphic line is
// left out (it takes no row of the page); a reserved line is an empty
// paragraph in both forms.
DocumentoRtf DocumentoDoRascunho(const std::vector<std::string>& linhas, bool tinta);

// The Word export of the draft file ArqRascunho (ink true: back-translated).
// Shows the notice "Gerando documento. Aguarde..." while it works, writes the
// document as a new RTF file of the private temporary folder and opens it
// with the desktop's program for it. Reports in one box "Documento gerado!"
// with the document's path, and kNenhumProgramaAbriu after it when no
// program could open it; a draft that cannot be read or a document that
// cannot be written, with the notice closed. Returns the document's path (""
// when none was written).
std::string GeraDocWord(bool tinta);
inline constexpr TextoFixo kNenhumProgramaAbriu =
    "\r\nNenhum programa conseguiu abri-lo: abra-o no seu processador de texto."_cp;

// "Braille no &Word" (false) and "Tinta no Word" (true): the output code
// table, a compile of the whole document (pages 1 to 9999, the first
// numbered 1, whatever the print dialog holds), then GeraDocWord. A table
// or compile that fails ends the command after its own message.
void ExportaWord(bool tinta);
