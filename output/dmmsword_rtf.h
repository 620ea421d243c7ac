// dmmsword_rtf: the word-processor document of the Word export. The export
// drives it as it would drive the word processor's selection (font, paragraph
// format, typed text, paragraph marks), with the same calls and values; the
// document is kept as RTF in Windows-1252 (\ansicpg1252).
//
// Text typed in a braille screen font ("BrailleTalvo", "pontel") is output
// codes: each byte becomes its braille cell (a Unicode braille pattern, in a
// common font that carries them), so the reader sees cells, not letters. A
// form feed typed in any font is a page break.
#pragma once

#include <string>
#include <vector>

class DocumentoRtf {
public:
    // ---- Selection.Font (applies to the text typed from now on) ----
    void FontName(const std::string& nome);
    void FontSize(int pontos);
    void FontBold(bool ligado);
    void FontItalic(bool ligado);
    // ---- Selection.ParagraphFormat (the paragraph typed now and the next) ----
    // 0 single, 1 one and a half, 2 double; other rules are left alone.
    void LineSpacingRule(int regra);
    void SpaceBefore(int pontos);
    void SpaceAfter(int pontos);
    // ---- Typing ----
    void TypeText(const std::string& texto);
    void TypeParagraph();

    // The whole document.
    std::string Rtf() const;

private:
    struct Fonte {
        std::string nome;        // as the document names it
        std::string alternativa; // a font to use when the first is missing
        bool celas = false;      // text in it is output codes shown as cells
    };
    struct Formato {
        int fonte = -1;          // index in fontes_; -1: the reader's default
        int tamanho = 0;         // points; 0: the reader's default
        bool negrito = false;
        bool italico = false;
        friend bool operator==(const Formato&, const Formato&) = default;
    };

    // Writes the control words that bring the written format to the one in
    // force.
    void AplicaFormato();
    void Palavra(const std::string& controle);
    void Literal(const std::string& texto);

    std::vector<Fonte> fontes_;
    Formato atual_;
    Formato escrito_;
    std::string corpo_;
    bool delimitar_ = false;     // a control word ends the body so far
};
