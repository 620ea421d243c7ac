// The table builder: each style and code, the column counts, the lines a
// selection makes a table of, and the compiled table keeping its columns.
#include "editor/dmtabela.h"
#include "support/ferramentas_teste.h"

#include <algorithm>

namespace {

using L = std::vector<std::string>;

class Tabela : public FerramentasTeste {
protected:
    // The lines given, all selected, then "Gerar Tabela".
    ResultadoGeraTabela Gera(const L& linhas, const std::string& colunas, OpcoesTabela o = {}) {
        TextoTodoSelecionado(linhas);
        return GeraTabela(doc, colunas, o);
    }
    // The table inserted above the selected lines, without its empty line at
    // each end and "<F->"/"<F+>" (AutoJunta) or the blank before each line.
    L Inserida(size_t selecionadas) const {
        L l = Linhas();
        const size_t moldura = AutoJunta ? 4 : 2;
        EXPECT_GE(l.size(), selecionadas + moldura);
        if (l.size() < selecionadas + moldura) return {};
        l.resize(l.size() - selecionadas);
        EXPECT_EQ(l.front(), "");
        EXPECT_EQ(l.back(), "");
        if (AutoJunta) {
            EXPECT_EQ(l[1], "<F->");
            EXPECT_EQ(l[l.size() - 2], "<F+>");
            return L(l.begin() + 2, l.end() - 2);
        }
        L r;
        for (size_t i = 1; i + 1 < l.size(); ++i) {
            EXPECT_EQ(l[i].substr(0, 1), " ") << i;
            r.push_back(l[i].substr(1));
        }
        return r;
    }
};

const L kCelulas{"abcde", "xyz", "ab", "c"};

TEST_F(Tabela, StylesAndCodes) {
    const struct {
        const char* nome; L celulas; const char* colunas; OpcoesTabela opcoes; L tabela;
        bool antigo = false, junta = true;
    } casos[] = {
        // Double frame 2-3-5-6 above and 1-2-4-5 below, rules 2-5 meeting at 1-2-3-5, verticals 1-2-3.
        {"Defaults", kCelulas, "2", {}, {"===========", "abcde l xyz", "::::::r::::", "ab    l c  ", "ggggggggggg"}},
        {"Plain", kCelulas, "2", {SemMoldura, SemSeparadores}, {"abcde  xyz", "ab     c  "}},
        {"OnlySeparators", kCelulas, "2", {SemMoldura, LinhasVerticaisEHorizontais},
         {"abcde l xyz", "::::::r::::", "ab    l c  "}},
        {"SingleFrame", kCelulas, "2", {MolduraSimples, SemSeparadores},
         {"::::::::::", "abcde  xyz", "ab     c  ", "::::::::::"}},
        {"SingleFrameRules", kCelulas, "2", {MolduraSimples, LinhasHorizontais},
         {"::::::::::", "abcde  xyz", "::::::::::", "ab     c  ", "::::::::::"}},
        {"SingleFrameVertical", kCelulas, "2", {MolduraSimples, LinhasVerticais},
         {"::::::!::::", "abcde l xyz", "ab    l c  ", "::::::h::::"}},
        {"DoubleFrameVertical", kCelulas, "2", {MolduraDupla, LinhasVerticais},
         {"===========", "abcde l xyz", "ab    l c  ", "ggggggggggg"}},
        {"DoubleFrameRules", kCelulas, "2", {MolduraDupla, LinhasHorizontais},
         {"==========", "abcde  xyz", "::::::::::", "ab     c  ", "gggggggggg"}},
        {"OldCode", {"ab", "c"}, "2", {}, {"((((((", "ab l c", "gggggg"}, true},
        {"OneColumnOneRowPerLine", {"abc", "de", "f"}, "1", {}, {"===", "abc", ":::", "de ", ":::", "f  ", "ggg"}},
        // The last row takes no line from outside the table.
        {"ALastRowWithFewerLinesIsFilledWithBlankCells", {"abcde", "xyz", "ab"}, "2", {SemMoldura, LinhasVerticais},
         {"abcde l xyz", "ab    l    "}},
        // The column grows to the braille (capital and number signs), the ink stays as typed.
        {"WidthsAreBrailleCells", {"Ab", "x", "12", "y", "cd", "z"}, "2", {SemMoldura, SemSeparadores},
         {"Ab  x", "12  y", "cd   z"}},
        // Leading blanks widen the column without AutoJunta (the compile keeps them).
        {"LeadingBlanksTrimmedWithAutoJunta", {"   ab", "cde"}, "1", {SemMoldura, SemSeparadores}, {"ab ", "cde"}},
        {"LeadingBlanksCountWithoutIt", {"   ab", "cde"}, "1", {SemMoldura, SemSeparadores}, {"ab   ", "cde  "},
         false, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Codigo(c.antigo);
        AutoJunta = c.junta;
        ASSERT_EQ(Gera(c.celulas, c.colunas, c.opcoes), ResultadoGeraTabela::Inserida);
        EXPECT_EQ(Inserida(c.celulas.size()), c.tabela);
        const L l = Linhas();   // the selected lines stay below; one undo step takes the table away
        EXPECT_EQ(L(l.end() - static_cast<long>(c.celulas.size()), l.end()), c.celulas);
        doc.Desfaz();
        EXPECT_EQ(Linhas(), c.celulas);
    }
}

TEST_F(Tabela, ColumnCounts) {
    using R = ResultadoGeraTabela;
    const std::pair<const char*, R> casos[] = {   // a message for LargaDemais and ForaDaFaixa only
        {"0", R::Nada}, {"", R::Nada}, {"dois", R::Nada}, {"2x", R::Nada}, {" 1 ", R::Inserida},
        {"30", R::LargaDemais},   // 30 columns of 3 cells: wider than 34
        {"31", R::ForaDaFaixa}, {"-1", R::ForaDaFaixa}, {"-2147483648", R::Nada}, {"99999999999", R::Nada},
    };
    for (const auto& [texto, resultado] : casos) {
        SCOPED_TRACE(texto);
        caixas.fake.Limpa();
        EXPECT_EQ(Gera(kCelulas, texto), resultado);
        EXPECT_EQ(caixas.fake.registros.size(), resultado == R::LargaDemais || resultado == R::ForaDaFaixa ? 1u : 0u);
        if (resultado != R::Inserida) { EXPECT_EQ(Linhas(), kCelulas); }
    }
    // 30 columns fit a wide line: each its own width, the unused ones one blank cell.
    MaxCarac = 200;
    ASSERT_EQ(Gera(kCelulas, "30", {SemMoldura, SemSeparadores}), ResultadoGeraTabela::Inserida);
    std::string linha = "abcde  xyz  ab  c";
    for (int i = 4; i < 30; ++i) linha += "   ";
    EXPECT_EQ(Inserida(4), L{linha});
}

TEST_F(Tabela, WhichLinesMakeTheTable) {
    const OpcoesTabela sem{SemMoldura, SemSeparadores};
    const struct {
        const char* nome; L linhas; int l1, c1, l2, c2; const char* colunas; ResultadoGeraTabela resultado; L esperado;
    } casos[] = {
        {"LinesBelowTheSelectionStayOut", {"abcde", "xyz", "ab", "fora"}, 0, 0, 2, 2, "2",
         ResultadoGeraTabela::Inserida,
         {"", "<F->", "abcde  xyz", "ab        ", "<F+>", "", "abcde", "xyz", "ab", "fora"}},
        {"ASelectionEndingAtALineStartLeavesThatLineOut", {"ab", "c", "de"}, 0, 0, 2, 0, "2",
         ResultadoGeraTabela::Inserida, {"", "<F->", "ab  c", "<F+>", "", "ab", "c", "de"}},
        {"NoSelectionTheCaretsLine", {"um", "dois"}, 1, 2, 1, 2, "1", ResultadoGeraTabela::Inserida,
         {"um", "", "<F->", "dois", "<F+>", "", "dois"}},
        {"TheCaretAfterTheLastLineEndHasNoLine", {"um"}, 1, 0, 1, 0, "2", ResultadoGeraTabela::SemLinhas, {"um"}},
        {"AnEmptyText", {}, 0, 0, 0, 0, "2", ResultadoGeraTabela::SemLinhas, {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Texto(c.linhas);
        Seleciona(c.l1, c.c1, c.l2, c.c2);
        EXPECT_EQ(GeraTabela(doc, c.colunas, sem), c.resultado);
        EXPECT_EQ(Linhas(), c.esperado);
    }
}

TEST_F(Tabela, TheCompiledTableKeepsItsColumnsWithEmptyCellsAndTabs) {
    // An empty first cell begins a row with blanks, which joining would cut;
    // a tab is two blanks in the compile.
    const struct { bool junta; L celulas, braille; } casos[] = {
        {true, {"", "xyz", "abcde", "c"},
         {"===========", "      l xyz", "::::::r::::", "abcde l c", "ggggggggggg"}},
        {false, {"", "xyz", "abcde", "c"},
         {" ===========", "       l xyz", " ::::::r::::", " abcde l c", " ggggggggggg"}},
        {true, {"a\tb", "x", "c", "y"}, {"========", "a  b l x", ":::::r::", "c    l y", "gggggggg"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.celulas[0] + (c.junta ? " junta" : ""));
        AutoJunta = c.junta;
        ASSERT_EQ(Gera(c.celulas, "2"), ResultadoGeraTabela::Inserida);
        const L r = Rascunho();
        const auto t = std::find(r.begin(), r.end(), c.braille.front());
        ASSERT_NE(t, r.end()) << ::testing::PrintToString(r);
        ASSERT_GE(r.end() - t, static_cast<long>(c.braille.size()));
        EXPECT_EQ(L(t, t + static_cast<long>(c.braille.size())), c.braille);
    }
}

// Where the text above turned joining off, the table goes in as it stands,
// each line after a blank, and adds no "<F+>" that would turn joining on
// for the text below; "<F+>" above, or none, brings the pair back.
TEST_F(Tabela, JoiningTurnedOffAboveKeepsItOffBelow) {
    const OpcoesTabela sem{SemMoldura, SemSeparadores};
    const struct { L antes; bool par; } casos[] = {
        {{"<F->"}, false}, {{"<f*>  "}, false}, {{"<F->", "x", "<F+>"}, true}, {{"<Fx>"}, true}, {{"  <F->"}, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::PrintToString(c.antes));
        L texto = c.antes;
        texto.insert(texto.end(), {"ab", "c"});
        Texto(texto);
        const int primeira = static_cast<int>(c.antes.size());
        Seleciona(primeira, 0, primeira + 1, 1);
        ASSERT_EQ(GeraTabela(doc, "1", sem), ResultadoGeraTabela::Inserida);
        L esperado = c.antes;
        if (c.par) esperado.insert(esperado.end(), {"", "<F->", "ab", "c ", "<F+>", ""});
        else esperado.insert(esperado.end(), {"", " ab", " c ", ""});
        esperado.insert(esperado.end(), {"ab", "c"});
        EXPECT_EQ(Linhas(), esperado);
    }
}

// A first cell that begins with "<" would make its row a command line, which
// the compile drops: every line of the table then keeps a blank in front,
// with joining on too, and the row reaches the braille.
TEST_F(Tabela, ARowBeginningWithLessThanIsNotACommand) {
    for (bool junta : {true, false}) {
        SCOPED_TRACE(junta ? "junta" : "sem junta");
        AutoJunta = junta;
        ASSERT_EQ(Gera({"<5", "ab"}, "1", {SemMoldura, SemSeparadores}), ResultadoGeraTabela::Inserida);
        const L tabela = Inserida(2);
        ASSERT_EQ(tabela.size(), 2u);
        // Inserida takes the blank off only without joining.
        const std::string recuo = junta ? " " : "";
        EXPECT_TRUE(tabela[0].starts_with(recuo + "<5")) << tabela[0];
        EXPECT_TRUE(tabela[1].starts_with(recuo + "ab")) << tabela[1];
        // Compiled alone, the table gives both rows, each after its blank cell.
        doc.Desfaz();
        ASSERT_EQ(Gera({"<5", "ab"}, "1", {SemMoldura, SemSeparadores}), ResultadoGeraTabela::Inserida);
        L soTabela = Linhas();
        soTabela.resize(soTabela.size() - 2);
        Texto(soTabela);
        const L r = Rascunho();
        const auto linhaAb = std::find_if(r.begin(), r.end(), [](const std::string& l) { return l.starts_with(" ab"); });
        ASSERT_NE(linhaAb, r.end()) << ::testing::PrintToString(r);
        ASSERT_NE(linhaAb, r.begin());
        EXPECT_TRUE((linhaAb - 1)->starts_with(" ") && (linhaAb - 1)->find_first_not_of(' ') != std::string::npos)
            << ::testing::PrintToString(r);
    }
}

} // namespace
