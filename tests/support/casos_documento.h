// Cases of the editable document, run over the document in memory (core
// tests) and over the main window's editor (GUI tests), which must agree on
// every one. Texts are written with CR LF line ends; offsets count two
// characters per line end.
#pragma once

#include "core/documento.h"
#include "platform/servicos.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace casos_documento {

// Two lines with their line ends, the same without the last, an empty line
// between two others, and nothing.
inline const std::string kDuas = "ab\r\ncde\r\n";
inline const std::string kSemFinal = "ab\r\ncde";
inline const std::string kComVazia = "ab\r\n\r\ncd\r\n";
inline const std::string kVazio;

// CalcLinCol(posicao) gives (linha, coluna).
inline const struct CasoLinCol { const std::string* texto; int posicao, linha, coluna; } kLinCol[] = {
    {&kDuas, 0, 0, 0}, {&kDuas, 2, 0, 2}, {&kDuas, 3, 0, 3}, {&kDuas, 4, 1, 0},
    {&kDuas, 7, 1, 3}, {&kDuas, 9, 2, 0}, {&kDuas, 12, 2, 3},
    {&kComVazia, 4, 1, 0}, {&kComVazia, 5, 1, 1}, {&kComVazia, 6, 2, 0},
    {&kVazio, 5, 0, 5},
};

// PosicionaCursor(linha, coluna) leaves the caret at offset `cursor`: past a
// line's end on into the next, between CR and LF before the line end, past
// the last line at the end, a negative line as line 0, always within the text.
inline const struct CasoCursor { const std::string* texto; int linha, coluna, cursor; } kCursor[] = {
    {&kDuas, 1, 0, 4}, {&kDuas, 0, 5, 5}, {&kDuas, 0, 3, 2}, {&kDuas, 40, 0, 9}, {&kDuas, -2, 1, 1},
    {&kDuas, 1, 10, 9}, {&kDuas, 0, -3, 0}, {&kSemFinal, 40, 0, 7}, {&kSemFinal, 1, 3, 7},
    {&kComVazia, 1, 0, 4}, {&kComVazia, 1, 1, 4}, {&kComVazia, 2, 0, 6}, {&kVazio, 3, 2, 0},
};

// DefineSelecao(inicio, tamanho) gives the selection (selInicio, selTamanho),
// the selected text, and the selected lines primeira..ultima.
inline const struct CasoSelecao {
    const std::string* texto; int inicio, tamanho, selInicio, selTamanho; std::string selecionado; int primeira, ultima;
} kSelecao[] = {
    {&kDuas, 0, 4, 0, 4, "ab\r\n", 0, 0},        // ends at a line start: that line is out
    {&kDuas, 0, 5, 0, 5, "ab\r\nc", 0, 1},
    {&kDuas, 1, 5, 1, 5, "b\r\ncd", 0, 1},
    {&kDuas, 3, 1, 2, 2, "\r\n", 0, 0},          // the start between CR and LF
    {&kDuas, 1, -5, 1, 0, "", 0, 0},
    {&kDuas, 7, 50, 7, 2, "\r\n", 1, 1},
    {&kDuas, 0, 9, 0, 9, kDuas, 0, 1},           // the whole text
    {&kDuas, 20, 1, 9, 0, "", 2, 2},             // the caret after the last line end
    {&kSemFinal, 5, 10, 5, 2, "de", 1, 1},
    {&kComVazia, 0, 5, 0, 4, "ab\r\n", 0, 0},    // the end between CR and LF
    {&kComVazia, 0, 6, 0, 6, "ab\r\n\r\n", 0, 1},
    {&kComVazia, 4, 0, 4, 0, "", 1, 1},
    {&kVazio, 0, 3, 0, 0, "", 0, 0},
};

// An edit from a starting text and selection, the text and selection it leaves.
struct CasoEdicao {
    const char* nome; const std::string* texto; int inicio, tamanho; std::function<void(DocumentoEditavel&)> edicao;
    std::string esperado; int selInicio, selTamanho;
};
inline const std::vector<CasoEdicao>& Edicoes() {
    static const std::vector<CasoEdicao> casos = {
        {"ReplacedLineKeepsItsLineEnd", &kDuas, 0, 0, [](auto& d) { d.SubstituiLinha(1, "XY"); }, "ab\r\nXY\r\n", 0, 0},
        {"CaretInsideAReplacedLineGoesToItsStart", &kDuas, 1, 0,
         [](auto& d) { d.SubstituiLinha(0, "xyz"); }, "xyz\r\ncde\r\n", 0, 0},
        {"CaretAtAReplacedLineEndStaysAtItsEnd", &kSemFinal, 7, 0,
         [](auto& d) { d.SubstituiLinha(1, "XY"); }, "ab\r\nXY", 6, 0},
        {"ReplacingAnEmptyLine", &kComVazia, 0, 0,
         [](auto& d) { d.SubstituiLinha(1, "meio"); }, "ab\r\nmeio\r\ncd\r\n", 0, 0},
        {"LineOutsideTheDocumentIsNotReplaced", &kDuas, 0, 0,
         [](auto& d) { d.SubstituiLinha(2, "x"); d.SubstituiLinha(-1, "x"); }, kDuas, 0, 0},
        {"ALineBreakInAReplacedLineSplitsIt", &kDuas, 0, 0,
         [](auto& d) { d.SubstituiLinha(0, "a\nb"); }, "a\r\nb\r\ncde\r\n", 0, 0},
        {"InsertedLineGoesBeforeTheSelection", &kDuas, 4, 5,
         [](auto& d) { d.InsereLinha(1, "<p>"); }, "ab\r\n<p>\r\ncde\r\n", 9, 5},
        {"BlockPairKeepsTheSelectedLine", &kDuas, 0, 4,
         [](auto& d) { GrupoEdicao g(d); d.InsereLinha(0, "<F->"); d.InsereLinha(2, "<F+>"); },
         "<F->\r\nab\r\n<F+>\r\ncde\r\n", 6, 4},
        {"AppendedAfterALastLineWithoutLineEnd", &kSemFinal, 0, 0,
         [](auto& d) { d.InsereLinha(2, "fim"); }, "ab\r\ncde\r\nfim", 0, 0},
        {"AppendedAfterTheLastLineEnd", &kDuas, 0, 0,
         [](auto& d) { d.InsereLinha(5, "fim"); }, "ab\r\ncde\r\nfim\r\n", 0, 0},
        {"CaretAtTheEndStaysAtTheEndWhenLinesAreAppended", &kDuas, 9, 0,
         [](auto& d) { d.InsereLinhas(2, {"x", "y"}); }, "ab\r\ncde\r\nx\r\ny\r\n", 15, 0},
        {"LineInsertedIntoAnEmptyDocument", &kVazio, 0, 0, [](auto& d) { d.InsereLinha(0, "x"); }, "x\r\n", 3, 0},
        {"SeveralLinesWithAnEmptyOne", &kComVazia, 0, 0, [](auto& d) { d.InsereLinhas(1, {"1", "", "2"}); },
         "ab\r\n1\r\n\r\n2\r\n\r\ncd\r\n", 0, 0},
        {"RemovedLineTakesItsLineEnd", &kComVazia, 7, 0, [](auto& d) { d.RemoveLinhas(1); }, "ab\r\ncd\r\n", 5, 0},
        {"RemovingTheLastLineWithoutLineEnd", &kSemFinal, 7, 0, [](auto& d) { d.RemoveLinhas(1); }, "ab\r\n", 4, 0},
        {"RemovingMoreLinesThanThereAre", &kDuas, 5, 2, [](auto& d) { d.RemoveLinhas(0, 10); }, "", 0, 0},
        {"RemovingNothing", &kDuas, 1, 0, [](auto& d) { d.RemoveLinhas(0, 0); d.RemoveLinhas(2); }, kDuas, 1, 0},
        {"SelectionAcrossALineEndReplaced", &kDuas, 1, 5, [](auto& d) { d.SubstituiSelecao("X"); }, "aXe\r\n", 2, 0},
        {"ReplacementWithLineEndsOfAnyKind", &kSemFinal, 1, 0, [](auto& d) { d.SubstituiSelecao("1\n2\r3\r\n"); },
         "a1\r\n2\r\n3\r\nb\r\ncde", 10, 0},
        {"TypingAfterTheLastLineEndOpensALine", &kDuas, 9, 0,
         [](auto& d) { d.SubstituiSelecao("z"); }, "ab\r\ncde\r\nz", 10, 0},
        {"EmptyReplacementDeletesTheSelection", &kComVazia, 2, 4,
         [](auto& d) { d.SubstituiSelecao(""); }, "abcd\r\n", 2, 0},
        {"SelectionEndingAtALineStartStaysBeforeAReplacedLine", &kDuas, 0, 4,
         [](auto& d) { d.SubstituiLinha(1, "Z"); }, "ab\r\nZ\r\n", 0, 4},
        {"SelectionInsideAReplacedLineCoversTheNewText", &kDuas, 5, 1,
         [](auto& d) { d.SubstituiLinha(1, "WXYZ"); }, "ab\r\nWXYZ\r\n", 4, 4},
        {"WrapAroundTheSelection", &kDuas, 4, 3,
         [](auto& d) { GrupoEdicao g(d); d.SubstituiSelecao("$*" + d.TextoSelecionado() + "$*"); },
         "ab\r\n$*cde$*\r\n", 11, 0},
        {"PasteReplacesTheSelection", &kDuas, 0, 2,
         [](auto& d) { servicos().GravaAreaTransferencia("x\r\ny"); EXPECT_TRUE(d.Cola()); },
         "x\r\ny\r\ncde\r\n", 4, 0},
        {"PasteOfNothingChangesNothing", &kDuas, 0, 2,
         [](auto& d) { servicos().GravaAreaTransferencia(""); EXPECT_FALSE(d.Cola()); }, kDuas, 0, 2},
        {"GroupIsUndoneAsOneStep", &kDuas, 0, 0, [](auto& d) {
             {
                 GrupoEdicao g(d);
                 d.InsereLinha(0, "1");
                 {
                     GrupoEdicao interno(d);
                     d.SubstituiLinha(2, "2");
                 }
                 d.RemoveLinhas(1);
             }
             EXPECT_EQ(d.Texto(), "1\r\n2\r\n");
             d.Desfaz();
         },
         kDuas, -1, -1},
        {"EachEditOutsideAGroupIsItsOwnStep", &kDuas, 0, 0,
         [](auto& d) { d.SubstituiLinha(0, "1"); d.SubstituiLinha(1, "2"); d.Desfaz(); }, "1\r\ncde\r\n", -1, -1},
        {"UndoWithNothingToUndo", &kDuas, 1, 0, [](auto& d) { d.Desfaz(); }, kDuas, 1, 0},
    };
    return casos;
}

// A text at the limit: 30000 lines of nine characters, each line end counted once.
inline std::string TextoNoLimite() {
    std::string t;
    t.reserve(330000);
    for (int i = 0; i < 30000; ++i) t += "123456789\r\n";
    return t;
}

// Pastes at the limit: characters removed from the end first, what is pasted,
// whether it was, the beeps and TamanhoTexto() afterwards.
inline const struct CasoLimite {
    const char* nome; int recorte; std::string colado; bool colou; int bipes, tamanhoFinal;
} kLimite[] = {
    {"FullDocumentTakesNoPaste", 0, "x", false, 1, 330000},
    {"PasteIsCutToWhatFits", 2, "12345", true, 1, 329999},     // the last line end went
    {"ALineEndCountsOnceInThePaste", 3, "a\r\nb", true, 1, 330000},
    {"PasteThatFitsHasNoBeep", 3, "ab", true, 0, 329999},
};

// `prepara` gives the document under test holding a text, the caret at 0.
using Prepara = std::function<DocumentoEditavel&(const std::string& texto)>;

inline void VerificaLinColECursor(const Prepara& prepara) {
    for (const auto& c : kLinCol) {
        SCOPED_TRACE(testing::Message() << *c.texto << " @" << c.posicao);
        int l = -1, k = -1;
        prepara(*c.texto).CalcLinCol(c.posicao, l, k);
        EXPECT_EQ(l, c.linha);
        EXPECT_EQ(k, c.coluna);
    }
    for (const auto& c : kCursor) {
        SCOPED_TRACE(testing::Message() << *c.texto << " (" << c.linha << ", " << c.coluna << ")");
        DocumentoEditavel& d = prepara(*c.texto);
        d.DefineSelecao(1, 1);
        d.PosicionaCursor(c.linha, c.coluna);
        EXPECT_EQ(d.InicioSelecao(), c.cursor);
        EXPECT_EQ(d.TamanhoSelecao(), 0);
    }
}

inline void VerificaSelecoes(const Prepara& prepara) {
    for (const auto& c : kSelecao) {
        SCOPED_TRACE(testing::Message() << *c.texto << " [" << c.inicio << ", " << c.tamanho << "]");
        DocumentoEditavel& d = prepara(*c.texto);
        d.DefineSelecao(c.inicio, c.tamanho);
        EXPECT_EQ(d.InicioSelecao(), c.selInicio);
        EXPECT_EQ(d.TamanhoSelecao(), c.selTamanho);
        EXPECT_EQ(d.TextoSelecionado(), c.selecionado);
        int primeira = -1, ultima = -1;
        d.LinhasSelecionadas(primeira, ultima);
        EXPECT_EQ(primeira, c.primeira);
        EXPECT_EQ(ultima, c.ultima);
    }
}

inline void VerificaEdicao(const CasoEdicao& c, DocumentoEditavel& d) {
    d.DefineSelecao(c.inicio, c.tamanho);
    c.edicao(d);
    EXPECT_EQ(d.Texto(), c.esperado);
    EXPECT_EQ(d.TamanhoTexto(), static_cast<int>(c.esperado.size()));
    if (c.selInicio >= 0) {
        EXPECT_EQ(d.InicioSelecao(), c.selInicio);
        EXPECT_EQ(d.TamanhoSelecao(), c.selTamanho);
    }
}

// Edits at the limit; each begins with the document at the limit.
inline void VerificaLimite(const Prepara& prepara, const int& bipes) {
    const std::string cheio = TextoNoLimite();
    for (const auto& c : kLimite) {
        SCOPED_TRACE(c.nome);
        DocumentoEditavel& d = prepara(cheio);
        ASSERT_EQ(d.TamanhoTexto(), 330000);
        ASSERT_EQ(d.NumLinhas(), 30000);
        d.DefineSelecao(d.TamanhoTexto() - c.recorte, c.recorte);
        d.SubstituiSelecao("");
        const int antes = bipes;
        servicos().GravaAreaTransferencia(c.colado);
        EXPECT_EQ(d.Cola(), c.colou);
        EXPECT_EQ(bipes - antes, c.bipes);
        EXPECT_EQ(d.TamanhoTexto(), c.tamanhoFinal);
        EXPECT_EQ(d.InicioSelecao(), c.tamanhoFinal);
    }
    // The program's own edits are not cut: nothing of theirs is lost.
    DocumentoEditavel& d = prepara(cheio);
    d.SubstituiLinha(29999, "<F+> 123456789");
    d.InsereLinha(0, "<F->");
    EXPECT_EQ(d.TamanhoTexto(), 330000 + 5 + 6);
    EXPECT_EQ(d.Linha(30000), "<F+> 123456789");
    int l = 0, k = 0;
    d.CalcLinCol(d.TamanhoTexto() - 3, l, k);
    EXPECT_EQ(l, 30000);
    EXPECT_EQ(k, 13);
    d.PosicionaCursor(30001, 0);
    EXPECT_EQ(d.InicioSelecao(), d.TamanhoTexto());
}

// Everything the two documents answer is the same.
inline void ComparaDocumentos(const DocumentoEditavel& a, const DocumentoEditavel& b) {
    EXPECT_EQ(a.Texto(), b.Texto());
    EXPECT_EQ(a.TamanhoTexto(), b.TamanhoTexto());
    EXPECT_EQ(a.TerminaEmQuebra(), b.TerminaEmQuebra());
    ASSERT_EQ(a.NumLinhas(), b.NumLinhas());
    for (int i = 0; i < a.NumLinhas(); ++i) {
        EXPECT_EQ(a.Linha(i), b.Linha(i)) << i;
        EXPECT_EQ(a.ComprimentoLinha(i), b.ComprimentoLinha(i)) << i;
    }
    EXPECT_EQ(a.InicioSelecao(), b.InicioSelecao());
    EXPECT_EQ(a.TamanhoSelecao(), b.TamanhoSelecao());
    int la = 0, ca = 0, lb = 0, cb = 0;
    a.LinColFimSel(la, ca);
    b.LinColFimSel(lb, cb);
    EXPECT_EQ(std::make_pair(la, ca), std::make_pair(lb, cb));
    a.LinhasSelecionadas(la, ca);
    b.LinhasSelecionadas(lb, cb);
    EXPECT_EQ(std::make_pair(la, ca), std::make_pair(lb, cb));
}

} // namespace casos_documento
