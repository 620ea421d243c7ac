// Editing commands over the document in memory: the automatic line break,
// long lines split, find and replace, letter case; one undo step per command.
#include "core/dmutil.h"
#include "editor/dmedicao.h"
#include "editor/documentos.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Linhas = std::vector<std::string>;

// The line, its column limit, the caret from 1 (the key released there); the
// line, or the line and the new one; the caret afterwards, from 0.
const struct CasoQuebra {
    const char* nome; std::string linha; int maxCol, coluna; Linhas esperadas; int linhaCursor, colunaCursor;
} kQuebras[] = {
    {"TwoWordsStayTheRestGoesDown", "um dois tres quatro", 10, 20, {"um dois ", "tres quatro"}, 1, 11},
    {"TheNewLineIsSplitAtItsOwnEnd", "tres quatro", 10, 12, {"tres ", "quatro"}, 1, 6},
    {"TypingPastTheColumn", "um dois tr", 10, 11, {"um dois ", "tr"}, 1, 2},
    {"LongFirstWordAtTheColumn", "abcdefghijklmno pqr stu", 10, 10, {"abcdefghijklmno ", "pqr stu"}, 0, 9},
    {"LongFirstWordCaretAtTheEnd", "abcdefghijklmno pqr stu", 10, 24, {"abcdefghijklmno ", "pqr stu"}, 1, 7},
    {"ALineWithoutBlanksIsNeverSplit", "abcdefghijklmnopqrstu", 10, 22, {"abcdefghijklmnopqrstu"}, 0, 21},
    {"CaretBeforeTheColumnSplitsNothing", "um dois tres quatro", 10, 5, {"um dois tres quatro"}, 0, 4},
    {"AShortLineWithTrailingBlanks", "abc def      ", 10, 14, {"abc def      "}, 0, 13},
    // The caret stays on its character, also where the cut dropped blanks.
    {"CaretInTheDroppedTrailingBlank", "um dois tres ", 10, 14, {"um dois ", "tres"}, 1, 4},
    {"DoubleBlankBeforeTheRest", "um dois  tres", 10, 14, {"um dois  ", "tres"}, 1, 4},
    {"CaretInsideTheFirstWordStays", "abcdefghijklmno pqr", 10, 13, {"abcdefghijklmno ", "pqr"}, 0, 12},
    {"CaretInTheRestMovesWithIt", "um dois tres quatro", 10, 12, {"um dois ", "tres quatro"}, 1, 3},
    {"ABlankAtTheColumnPlusOneIsKept", "abcdefghij k", 10, 13, {"abcdefghij ", "k"}, 1, 1},
    // An indent followed by a word that cannot be split stays as it is.
    {"IndentBeforeALongWordIsNoLine", "  abcdefghijklmnop", 10, 19, {"  abcdefghijklmnop"}, 0, 18},
    {"IndentThenWordsIsSplit", "  abc defghijklmnop", 10, 20, {"  abc ", "defghijklmnop"}, 1, 13},
    // A command line is read whole by the compiler: a graphic's path or an
    // annotation cut in two would be printed as text.
    {"AGraphicLineIsNeverSplit", "<G  1 /home/ana/mapas do brasil/mapa.grb>", 10, 42,
     {"<G  1 /home/ana/mapas do brasil/mapa.grb>"}, 0, 41},
    {"AnAnnotationIsNeverSplit", "<*** rever esta tabela ***>", 10, 28, {"<*** rever esta tabela ***>"}, 0, 27},
    {"TextAfterLessThanGreaterThanIsSplit", "<> um dois tres", 10, 16, {"<> um ", "dois tres"}, 1, 9},
};

TEST(QuebraLinhaAuto, CasesAsLines) {
    DocumentoEmMemoria fora({"um dois tres quatro"});   // lines outside the document are left alone
    EXPECT_FALSE(QuebraLinhaAuto(fora, 20, 0, 10));
    EXPECT_FALSE(QuebraLinhaAuto(fora, 20, 2, 10));
    // A selection made up to the caret beyond the column is kept.
    fora.DefineSelecao(3, 16);
    EXPECT_FALSE(QuebraLinhaAuto(fora, 20, 1, 10));
    EXPECT_EQ(fora.TextoSelecionado(), "dois tres quatro");
    EXPECT_EQ(fora.PassosDesfazer(), 0);
    for (const CasoQuebra& c : kQuebras) {
        SCOPED_TRACE(c.nome);
        DocumentoEmMemoria doc({"antes", c.linha, "depois"});
        doc.PosicionaCursor(1, c.coluna - 1);
        const bool quebrou = QuebraLinhaAuto(doc, c.coluna, 2, c.maxCol);
        EXPECT_EQ(doc.Texto(), "antes\r\n" + LinhasEmTexto(c.esperadas) + "depois\r\n");
        EXPECT_EQ(quebrou, c.esperadas.size() == 2);
        EXPECT_EQ(doc.InicioSelecao(), doc.InicioLinha(1 + c.linhaCursor) + c.colunaCursor);
        EXPECT_EQ(doc.TamanhoSelecao(), 0);
        EXPECT_EQ(doc.PassosDesfazer(), quebrou ? 1 : 0);
    }
}

const struct CasoDivide { const char* nome; Linhas linhas; int maxCol; Linhas esperadas; } kDivisoes[] = {
    {"FourWordsAtTen", {"um dois tres quatro"}, 10, {"um dois ", "tres ", "quatro"}},
    {"LongFirstWordThenTheRestAgain", {"abcdefghijklmno pqr stu vwx yz"}, 10,
     {"abcdefghijklmno ", "pqr stu ", "vwx yz"}},
    {"ShortLinesKeepTheirTrailingBlanks", {"abc   ", "", "de"}, 10, {"abc   ", "", "de"}},
    {"LongLineLosesItsTrailingBlanks", {"um dois tres    "}, 10, {"um dois ", "tres"}},
    {"EveryLineInItsTurn", {"aa bb cc dd", "x", "ee ff gg hh"}, 6, {"aa bb ", "cc dd", "x", "ee ff ", "gg hh"}},
    {"ElevenCharactersAreCut", {"ab cdefghij"}, 10, {"ab ", "cdefghij"}},
    {"TenCharactersStay", {"ab cdefghi"}, 10, {"ab cdefghi"}},
    {"ALineWithoutBlanksStaysWhole", {std::string(30, 'x')}, 10, {std::string(30, 'x')}},
    {"CommandLinesStayWhole", {"<T Memorias de um sargento de milicias>", "um dois tres quatro"}, 10,
     {"<T Memorias de um sargento de milicias>", "um dois ", "tres ", "quatro"}},
};

TEST(DivideLinhasGrandes, CasesAsLinesAndTheSelectionStaysOnItsCharacters) {
    for (const CasoDivide& c : kDivisoes) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(DivideLinhasGrandes(c.linhas, c.maxCol), c.esperadas);
        DocumentoEmMemoria doc(c.linhas);
        EXPECT_EQ(DivideLinhasGrandes(doc, c.maxCol), c.esperadas != c.linhas);
        EXPECT_EQ(doc.Texto(), LinhasEmTexto(c.esperadas));
        EXPECT_EQ(doc.PassosDesfazer(), c.esperadas != c.linhas ? 1 : 0);
    }
    // 300 characters of words of every length at 70: no piece passes the
    // column, and the pieces put back together are the line.
    std::string longa;
    for (int i = 0; longa.size() < 300; ++i) longa += std::string(static_cast<std::size_t>(1 + i % 12), 'a' + i % 26) + ' ';
    longa.resize(300);
    const Linhas partes = DivideLinhasGrandes(Linhas{longa}, 70);
    EXPECT_GE(partes.size(), 5u);
    std::string junta;
    for (const std::string& p : partes) {
        EXPECT_LE(AparaBrancosFinais(p).size(), 70u) << p;
        junta += p;
    }
    EXPECT_EQ(junta, longa);
    DocumentoEmMemoria doc({"zero", "um dois tres quatro", "fim"});
    doc.DefineSelecao(doc.InicioLinha(1) + 13, 6);   // "quatro", in the line that becomes three
    ASSERT_EQ(doc.TextoSelecionado(), "quatro");
    ASSERT_TRUE(DivideLinhasGrandes(doc, 10));
    EXPECT_EQ(doc.TextoSelecionado(), "quatro");
    doc.DefineSelecao(doc.TamanhoTexto(), 0);
    doc.SubstituiLinha(0, "aa bb cc dd ee ff");
    ASSERT_TRUE(DivideLinhasGrandes(doc, 6));
    EXPECT_EQ(doc.InicioSelecao(), doc.TamanhoTexto());   // the caret after the last line end stays
}

TEST(TrocaLinhas, OnlyTheLinesThatDifferAreEdited) {
    DocumentoEmMemoria doc({"a", "b", "c", "d"});
    TrocaLinhas(doc, 1, 2, {"b", "c"});
    EXPECT_EQ(doc.PassosDesfazer(), 0);
    TrocaLinhas(doc, 1, 2, {"b", "x", "y", "c"});
    EXPECT_EQ(doc.Texto(), LinhasEmTexto({"a", "b", "x", "y", "c", "d"}));
    TrocaLinhas(doc, 0, 5, {"a", "d"});
    EXPECT_EQ(doc.Texto(), LinhasEmTexto({"a", "d"}));
    TrocaLinhas(doc, 0, 1, {"1", "2", "3"});
    EXPECT_EQ(doc.Texto(), LinhasEmTexto({"1", "2", "3"}));
    EXPECT_EQ(doc.PassosDesfazer(), 3);
    TrocaLinhas(doc, 2, 7, {"fora"});   // outside the document: nothing
    EXPECT_EQ(doc.PassosDesfazer(), 3);
    doc.Desfaz();
    EXPECT_EQ(doc.Texto(), LinhasEmTexto({"a", "d"}));
}

const struct CasoProcura {
    const char* nome; std::string texto, busca; long long inicio; OpcoesProcura opcoes; long long esperado;
} kProcuras[] = {
    {"Plain", "uma casa", "casa", 0, {}, 4}, {"FromTheStart", "casa casa", "casa", 1, {}, 5},
    {"CaseDoesNotCount", "CASA", "casa", 0, {}, 0}, {"AccentedFoldOneToOne", "a AÇÃO"_cp, "ação"_cp, 0, {}, 2},
    {"MatchCase", "Casa casa", "casa", 0, {false, true}, 5},
    {"MatchCaseAccented", "AÇÃO ação"_cp, "ação"_cp, 0, {false, true}, 5},
    {"WholeWordSkipsLongerWords", "casamento casa", "casa", 0, {true, false}, 10},
    {"WholeWordAfterAnAccentedLetter", "écasa casa"_cp, "casa", 0, {true, false}, 6},
    {"WholeWordAtLineEnds", "x\r\ncasa\r\n", "casa", 0, {true, false}, 3},
    {"WholeWordDigitsCount", "casa1 casa", "casa", 0, {true, false}, 6},
    {"NotFound", "casa", "lar", 0, {}, -1}, {"EmptySearchFindsNothing", "casa", "", 0, {}, -1},
    {"StartPastTheEnd", "casa", "a", 9, {}, -1},
};

TEST(ProcuraTexto, Cases) {
    for (const CasoProcura& c : kProcuras) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(ProcuraTexto(c.texto, c.busca, c.inicio, c.opcoes), c.esperado);
    }
}

class Busca : public ::testing::Test {
protected:
    DialogosFalsosEscopo caixas;
    DocumentoEmMemoria doc;
    std::vector<std::string> Textos() const { return caixas.fake.Textos(); }
};

// The whole text is searched, however long (a match past 99999 characters).
TEST_F(Busca, MatchNearTheEndOfALongText) {
    std::string t;
    while (t.size() < 150000) t += "linha de texto comum\r\n";
    t += "aqui o alvo\r\nfim\r\n";
    doc.DefineTexto(t);
    ASSERT_TRUE(BuscaProxima(doc, "ALVO", {}));
    EXPECT_EQ(doc.InicioSelecao(), static_cast<int>(t.find("alvo")));
    EXPECT_EQ(doc.TextoSelecionado(), "alvo");
    EXPECT_TRUE(Textos().empty());
    EXPECT_FALSE(BuscaProxima(doc, "ALVO", {}));
    EXPECT_EQ(Textos(), std::vector<std::string>{"Busca terminada"});
    EXPECT_EQ(caixas.fake.registros[0].icone, Icone::Informacao);
    EXPECT_EQ(doc.TextoSelecionado(), "alvo");
    doc.DefineSelecao(0, 0);
    EXPECT_TRUE(BuscaSubstituir(doc, "alvo", {}));
    EXPECT_TRUE(SubstituiProxima(doc, "fim", "FIM", {}));
    EXPECT_EQ(doc.TextoSelecionado(), "fim");
    EXPECT_FALSE(SubstituiProxima(doc, "fim", "FIM", {}));
    doc.DefineSelecao(0, 0);
    EXPECT_EQ(SubstituiTudo(doc, "alvo", "meta", {true, true}), 1);
    EXPECT_NE(doc.Texto().find("aqui o meta\r\nFIM"), std::string::npos);
}

// The replace button replaces the occurrence seen selected and selects the
// next; a selection that is no occurrence only finds the next: nothing is
// replaced unseen.
TEST_F(Busca, ReplaceTheSelectedOccurrenceAndShowTheNext) {
    // The selection before; the text and the start of the selection afterwards (-1: "Terminou").
    const struct {
        const char* nome; std::string texto; int inicio, tamanho; OpcoesProcura opcoes; std::string esperado;
        int selecionado;
    } casos[] = {
        {"NothingSelectedOnlyFinds", "um um", 0, 0, {}, "um um", 0},
        {"TheSelectedOccurrence", "um um", 0, 2, {}, "dois um", 5},
        {"TheLastOne", "um um", 3, 2, {}, "um dois", -1},
        {"ASelectionThatIsNoOccurrence", "um um um", 1, 3, {}, "um um um", 6},
        {"AnyCase", "UM um", 0, 2, {}, "dois um", 5},
        {"MatchCase", "UM um", 0, 2, {false, true}, "UM um", 3},
        {"WholeWordInsideAWord", "umu um", 0, 2, {true, false}, "umu um", 4},
        {"WholeWord", "um umu um", 0, 2, {true, false}, "dois umu um", 9},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        caixas.fake.Limpa();
        doc.DefineTexto(c.texto);
        doc.DefineSelecao(c.inicio, c.tamanho);
        EXPECT_EQ(SubstituiProxima(doc, "um", "dois", c.opcoes), c.selecionado >= 0);
        EXPECT_EQ(doc.Texto(), c.esperado);
        EXPECT_EQ(doc.PassosDesfazer(), c.texto == c.esperado ? 0 : 1);
        if (c.selecionado >= 0) {
            EXPECT_EQ(doc.InicioSelecao(), c.selecionado);
            EXPECT_EQ(doc.TamanhoSelecao(), 2);
            EXPECT_TRUE(Textos().empty());
        } else {
            EXPECT_EQ(doc.TamanhoSelecao(), 0);
            EXPECT_EQ(Textos(), std::vector<std::string>{"Terminou"});
        }
    }
    doc.DefineTexto("um um um");   // pressed on and on, it replaces every one in turn
    doc.DefineSelecao(0, 0);
    while (SubstituiProxima(doc, "um", "dois", {})) {}
    EXPECT_EQ(doc.Texto(), "dois dois dois");
    caixas.fake.Limpa();   // "Terminou" of the replace search collapses the selection
    doc.DefineSelecao(12, 2);
    EXPECT_FALSE(BuscaSubstituir(doc, "dois", {}));
    EXPECT_EQ(doc.InicioSelecao(), 12);
    EXPECT_EQ(doc.TamanhoSelecao(), 0);
    EXPECT_EQ(Textos(), std::vector<std::string>{"Terminou"});
    SubstituiSelecaoBusca(doc, "x");   // nothing selected: nothing replaced
    EXPECT_EQ(doc.Texto(), "dois dois dois");
}

const struct CasoTudo {   // the text, the selection before, find and replace, the text after, the count
    const char* nome; std::string texto; int inicio, tamanho; std::string busca, troca; OpcoesProcura opcoes;
    std::string esperado; int quantas;
} kTudo[] = {
    {"ReplacementHoldsTheFindText", "a a a", 0, 0, "a", "aa", {}, "aa aa aa", 3},
    {"ReplacementEqualsTheFindText", "casa casa", 0, 0, "casa", "casa", {}, "casa casa", 2},
    {"FromTheSelectedOccurrence", "um um um", 3, 2, "um", "X", {}, "um X X", 2},
    {"OnlyAfterASelectionThatIsNoOccurrence", "um um um", 2, 2, "um", "X", {}, "um um X", 1},
    {"WholeWord", "casa casamento casa", 0, 0, "casa", "lar", {true, false}, "lar casamento lar", 2},
    {"MatchCase", "Casa casa CASA", 0, 0, "casa", "lar", {false, true}, "Casa lar CASA", 1},
    {"AnyCaseAccented", "Ação ação AÇÃO"_cp, 0, 0, "ação"_cp, "x", {}, "x x x", 3},
    {"EmptyReplacementRemoves", "a-b-c", 0, 0, "-", "", {}, "abc", 2},
    // After a replacement the next match is judged by the new text beside it.
    {"WholeWordBesideAReplacement", "-x-x", 0, 0, "-x", ".", {true, false}, "..", 2},
    {"WholeWordBesideAWordReplacement", "-x-x", 0, 0, "-x", "y", {true, false}, "y-x", 1},
    {"AcrossLines", "ab\r\nab\r\n", 0, 0, "ab", "c", {}, "c\r\nc\r\n", 2},
    {"NothingToReplace", "casa", 0, 0, "lar", "x", {}, "casa", 0},
};

TEST_F(Busca, ReplaceAll) {
    for (const CasoTudo& c : kTudo) {
        SCOPED_TRACE(c.nome);
        caixas.fake.Limpa();
        doc.DefineTexto(c.texto);
        doc.DefineSelecao(c.inicio, c.tamanho);
        EXPECT_EQ(SubstituiTudo(doc, c.busca, c.troca, c.opcoes), c.quantas);
        EXPECT_EQ(doc.Texto(), c.esperado);
        EXPECT_EQ(Textos(), std::vector<std::string>{"Terminou"});
        EXPECT_EQ(doc.InicioSelecao(), c.inicio);
        EXPECT_EQ(doc.TamanhoSelecao(), 0);
        EXPECT_EQ(doc.PassosDesfazer(), c.quantas > 0 ? 1 : 0);
    }
}

// A replacement past the editor's size limit is refused whole, however large
// it would grow (no text of gigabytes is built); one that fits goes on.
TEST_F(Busca, ReplacingBeyondTheEditorsLimitChangesNothing) {
    // 290,000 characters as the limit counts them, 2,000 "a" among them.
    std::string t;
    for (int i = 0; i < 2000; ++i) t += std::string(98, 'x') + "a\r\n";
    for (int i = 0; i < 900; ++i) t += std::string(99, 'x') + "\r\n";
    doc.DefineTexto(t);
    ASSERT_EQ(doc.TamanhoNoLimite(), 290000);
    const std::string limite = "O texto passaria do limite do editor (300000 caracteres): nada foi alterado."_cp;
    const struct { const char* nome; std::string busca, troca; int quantas; } casos[] = {   // -1: refused
        {"GrowsTooMuch", "a", "abcdefghijk", -1},
        {"AHugeReplacement", "x", std::string(32767, 'y'), -1},
        {"FitsExactly", "a", "abcdef", 2000},
        {"Shrinks", "xx", "x", 142100},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        caixas.fake.Limpa();
        doc.DefineSelecao(0, 0);
        EXPECT_EQ(SubstituiTudo(doc, c.busca, c.troca, {}), c.quantas);
        if (c.quantas < 0) {
            EXPECT_EQ(Textos(), std::vector<std::string>{limite});
            EXPECT_TRUE(doc.Texto() == t);
        } else {
            EXPECT_EQ(Textos(), std::vector<std::string>{"Terminou"});
            EXPECT_LE(doc.TamanhoNoLimite(), 300000);
            doc.Desfaz();
        }
    }
    EXPECT_EQ(doc.PassosDesfazer(), 0);
    doc.DefineTexto(t);   // the replace button on a selected occurrence: refused the same way
    caixas.fake.Limpa();
    doc.DefineSelecao(98, 1);
    EXPECT_FALSE(SubstituiProxima(doc, "a", std::string(10002, 'b'), {}));
    EXPECT_EQ(Textos(), std::vector<std::string>{limite});
    EXPECT_TRUE(doc.Texto() == t);
    EXPECT_TRUE(SubstituiProxima(doc, "a", std::string(10001, 'b'), {}));
    EXPECT_EQ(doc.TamanhoNoLimite(), 300000);
}

TEST(Caixa, TheSelectionChangesAndStaysSelected) {
    DocumentoEmMemoria doc({"uma ação"_cp, "straße"_cp});
    doc.DefineSelecao(4, 12);   // "ação", the line end and "straße"
    MudaCaixaSelecao(doc, true);
    EXPECT_EQ(doc.Texto(), "uma AÇÃO\r\nSTRAßE\r\n"_cp);
    EXPECT_EQ(doc.InicioSelecao(), 4);
    EXPECT_EQ(doc.TamanhoSelecao(), 12);
    MudaCaixaSelecao(doc, false);
    EXPECT_EQ(doc.Texto(), "uma ação\r\nstraße\r\n"_cp);
    EXPECT_EQ(doc.PassosDesfazer(), 2);
    doc.Desfaz();
    EXPECT_EQ(doc.Texto(), "uma AÇÃO\r\nSTRAßE\r\n"_cp);
    doc.DefineSelecao(2, 0);   // nothing selected, or nothing to change: no step
    MudaCaixaSelecao(doc, false);
    doc.DefineSelecao(4, 4);
    MudaCaixaSelecao(doc, true);
    EXPECT_EQ(doc.PassosDesfazer(), 1);
}

} // namespace
