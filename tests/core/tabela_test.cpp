// The table builder: the cells of the dot patterns, the framed table of
// selected lines in each style, the column counts it takes and refuses, and
// the rows at the end of the selection and of the document.
#include "core/dmtraduz.h"
#include "editor/dmtabela.h"
#include "tests/core/ferramentas_teste.h"

#include <algorithm>

namespace {

class Tabela : public FerramentasTeste {
protected:
    // The lines given, all selected (from the first line's start to the
    // last line's end), then "Gerar Tabela".
    ResultadoGeraTabela Gera(const std::vector<std::string>& linhas, const std::string& colunas,
                             OpcoesTabela o = {}) {
        Texto(linhas);
        Seleciona(0, 0, static_cast<int>(linhas.size()) - 1, static_cast<int>(linhas.back().size()));
        return GeraTabela(doc, colunas, o);
    }
    // The inserted table: the lines before the selected ones, without the
    // empty line at either end and what keeps the compile from joining its
    // lines ("<F->" and "<F+>" around them with AutoJunta, one blank in
    // front of each without it).
    std::vector<std::string> Inserida(size_t selecionadas) const {
        std::vector<std::string> l = Linhas();
        const size_t moldura = AutoJunta ? 4 : 2;
        EXPECT_GE(l.size(), selecionadas + moldura);
        if (l.size() < selecionadas + moldura) return {};
        l.resize(l.size() - selecionadas);
        EXPECT_EQ(l.front(), "");
        EXPECT_EQ(l.back(), "");
        if (AutoJunta) {
            EXPECT_EQ(l[1], "<F->");
            EXPECT_EQ(l[l.size() - 2], "<F+>");
            return std::vector<std::string>(l.begin() + 2, l.end() - 2);
        }
        std::vector<std::string> r;
        for (size_t i = 1; i + 1 < l.size(); ++i) {
            EXPECT_EQ(l[i].substr(0, 1), " ") << i;
            r.push_back(l[i].substr(1));
        }
        return r;
    }
    const std::vector<std::string> kCelulas{"abcde", "xyz", "ab", "c"};
};

TEST_F(Tabela, CellsOfTheDotPatternsInBothCodes) {
    struct Caso {
        const char* padrao;
        unsigned char antigo, unificado;
    } casos[] = {
        {"000000", ' ', ' '},   {"010010", ':', ':'},   {"011010", '!', '!'},
        {"110010", 'h', 'h'},   {"011011", '(', '='},   {"110110", 'g', 'g'},
        {"111000", 'l', 'l'},   {"111010", 'r', 'r'},
    };
    for (bool antigo : {true, false}) {
        Codigo(antigo);
        for (const Caso& c : casos)
            EXPECT_EQ(CelaDePontos(c.padrao), antigo ? c.antigo : c.unificado) << c.padrao;
    }
}

TEST_F(Tabela, TwoColumnsWithTheDefaultStyles) {
    ASSERT_EQ(Gera(kCelulas, "2"), ResultadoGeraTabela::Inserida);
    EXPECT_EQ(Inserida(4), (std::vector<std::string>{
                               "===========",   // double frame, 2-3-5-6
                               "abcde l xyz",
                               "::::::r::::",   // rule, 1-2-3-5 at the junction
                               "ab    l c  ",
                               "ggggggggggg",   // double frame, 1-2-4-5
                           }));
    // The selected lines stay below the table.
    const std::vector<std::string> l = Linhas();
    EXPECT_EQ(std::vector<std::string>(l.end() - 4, l.end()), kCelulas);
    // One undo step takes the table away.
    doc.Desfaz();
    EXPECT_EQ(Linhas(), kCelulas);
}

TEST_F(Tabela, FrameAndSeparatorStyles) {
    struct Caso {
        int moldura, separadores;
        std::vector<std::string> tabela;
    } casos[] = {
        {SemMoldura, SemSeparadores, {"abcde  xyz", "ab     c  "}},
        {SemMoldura, LinhasVerticaisEHorizontais, {"abcde l xyz", "::::::r::::", "ab    l c  "}},
        {MolduraSimples, SemSeparadores, {"::::::::::", "abcde  xyz", "ab     c  ", "::::::::::"}},
        {MolduraSimples, LinhasHorizontais,
         {"::::::::::", "abcde  xyz", "::::::::::", "ab     c  ", "::::::::::"}},
        {MolduraSimples, LinhasVerticais, {"::::::!::::", "abcde l xyz", "ab    l c  ", "::::::h::::"}},
        {MolduraDupla, LinhasVerticais, {"===========", "abcde l xyz", "ab    l c  ", "ggggggggggg"}},
        {MolduraDupla, LinhasHorizontais,
         {"==========", "abcde  xyz", "::::::::::", "ab     c  ", "gggggggggg"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::to_string(c.moldura) + "/" + std::to_string(c.separadores));
        ASSERT_EQ(Gera(kCelulas, "2", {c.moldura, c.separadores}), ResultadoGeraTabela::Inserida);
        EXPECT_EQ(Inserida(4), c.tabela);
    }
}

TEST_F(Tabela, TheOldCodeDrawsWithItsOwnCells) {
    Codigo(true);
    ASSERT_EQ(Gera({"ab", "c"}, "2"), ResultadoGeraTabela::Inserida);
    EXPECT_EQ(Inserida(2), (std::vector<std::string>{"((((((", "ab l c", "gggggg"}));
}

TEST_F(Tabela, ColumnCounts) {
    struct Caso {
        const char* texto;
        ResultadoGeraTabela resultado;
        bool mensagem;
    } casos[] = {
        {"0", ResultadoGeraTabela::Nada, false},
        {"", ResultadoGeraTabela::Nada, false},
        {"dois", ResultadoGeraTabela::Nada, false},
        {"2x", ResultadoGeraTabela::Nada, false},
        {" 1 ", ResultadoGeraTabela::Inserida, false},
        {"30", ResultadoGeraTabela::LargaDemais, true},   // 30 columns of 3 cells: wider than 34
        {"31", ResultadoGeraTabela::ForaDaFaixa, true},
        {"-1", ResultadoGeraTabela::ForaDaFaixa, true},
        {"-2147483648", ResultadoGeraTabela::Nada, false},
        {"99999999999", ResultadoGeraTabela::Nada, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        caixas.fake.Limpa();
        EXPECT_EQ(Gera(kCelulas, c.texto), c.resultado);
        EXPECT_EQ(caixas.fake.registros.size(), c.mensagem ? 1u : 0u);
        if (c.resultado != ResultadoGeraTabela::Inserida) {
            EXPECT_EQ(Linhas(), kCelulas);
        }
    }
    // 30 columns fit a line wide enough: every column its own width.
    MaxCarac = 200;
    ASSERT_EQ(Gera(kCelulas, "30", {SemMoldura, SemSeparadores}), ResultadoGeraTabela::Inserida);
    std::string linha = "abcde  xyz  ab  c";
    for (int i = 4; i < 30; ++i) linha += "   ";
    EXPECT_EQ(Inserida(4), std::vector<std::string>{linha});
}

TEST_F(Tabela, OneColumnMakesOneRowPerLine) {
    ASSERT_EQ(Gera({"abc", "de", "f"}, "1"), ResultadoGeraTabela::Inserida);
    EXPECT_EQ(Inserida(3), (std::vector<std::string>{"===", "abc", ":::", "de ", ":::", "f  ", "ggg"}));
}

TEST_F(Tabela, ALastRowWithFewerLinesIsFilledWithBlankCells) {
    // Three lines in two columns, the last at the document's end: the last
    // row takes no line from outside the table.
    ASSERT_EQ(Gera({"abcde", "xyz", "ab"}, "2", {SemMoldura, LinhasVerticais}), ResultadoGeraTabela::Inserida);
    EXPECT_EQ(Inserida(3), (std::vector<std::string>{"abcde l xyz", "ab    l    "}));

    // Lines below the selection stay out of the table too.
    Texto({"abcde", "xyz", "ab", "fora"});
    Seleciona(0, 0, 2, 2);
    ASSERT_EQ(GeraTabela(doc, "2", {SemMoldura, LinhasVerticais}), ResultadoGeraTabela::Inserida);
    EXPECT_EQ(Linhas(), (std::vector<std::string>{"", "<F->", "abcde l xyz", "ab    l    ", "<F+>", "", "abcde",
                                                   "xyz", "ab", "fora"}));
}

TEST_F(Tabela, ASelectionEndingAtALineStartLeavesThatLineOut) {
    Texto({"ab", "c", "de"});
    Seleciona(0, 0, 2, 0);
    ASSERT_EQ(GeraTabela(doc, "2", {SemMoldura, SemSeparadores}), ResultadoGeraTabela::Inserida);
    EXPECT_EQ(Inserida(3), (std::vector<std::string>{"ab  c"}));
}

TEST_F(Tabela, NoSelectionTabulatesTheCaretLine) {
    Texto({"um", "dois"});
    doc.PosicionaCursor(1, 2);
    ASSERT_EQ(GeraTabela(doc, "1", {SemMoldura, SemSeparadores}), ResultadoGeraTabela::Inserida);
    EXPECT_EQ(Linhas(), (std::vector<std::string>{"um", "", "<F->", "dois", "<F+>", "", "dois"}));

    // The caret after the last line end has no line to make a table of.
    Texto({"um"});
    doc.PosicionaCursor(1, 0);
    EXPECT_EQ(GeraTabela(doc, "2", {}), ResultadoGeraTabela::SemLinhas);
    EXPECT_EQ(Linhas(), (std::vector<std::string>{"um"}));
    DocumentoEmMemoria vazio;
    DefineDocumentoEmEdicao(&vazio);
    EXPECT_EQ(GeraTabela(vazio, "2", {}), ResultadoGeraTabela::SemLinhas);
    EXPECT_EQ(vazio.NumLinhas(), 0);
    DefineDocumentoEmEdicao(&doc);
}

TEST_F(Tabela, WidthsAreBrailleCellsNotInkCharacters) {
    // A capital takes its capital sign, a number its number sign: the
    // column grows to the braille, the ink text stays as typed.
    Texto({"Ab", "x", "12", "y"});
    const size_t ab = CompilaLinha(0).size(), doze = CompilaLinha(2).size();
    ASSERT_GT(ab, 2u);
    ASSERT_GT(doze, 2u);
    const size_t largura = std::max(ab, doze);
    Seleciona(0, 0, 3, 1);
    ASSERT_EQ(GeraTabela(doc, "2", {SemMoldura, SemSeparadores}), ResultadoGeraTabela::Inserida);
    EXPECT_EQ(Inserida(4), (std::vector<std::string>{"Ab" + std::string(largura - ab + 2, ' ') + "x",
                                                      "12" + std::string(largura - doze + 2, ' ') + "y"}));
}

TEST_F(Tabela, BlanksAtTheEndsCountInTheWidthOnlyWithoutAutoJunta) {
    // The compile keeps the leading blanks of a line: without AutoJunta they
    // widen the column, while the row's own text is trimmed.
    for (bool junta : {true, false}) {
        SCOPED_TRACE(junta);
        AutoJunta = junta;
        ASSERT_EQ(Gera({"   ab", "cde"}, "1", {SemMoldura, SemSeparadores}), ResultadoGeraTabela::Inserida);
        const std::vector<std::string> esperada =
            junta ? std::vector<std::string>{"ab ", "cde"} : std::vector<std::string>{"ab   ", "cde  "};
        EXPECT_EQ(Inserida(2), esperada);
    }
}

TEST_F(Tabela, TheCompiledTableKeepsItsColumnsWithEmptyCellsAndTabs) {
    // A row whose first cell is empty begins with blanks, which paragraph
    // joining would cut to two; a tab is two blanks in the compile.
    struct Caso {
        bool junta;
        std::vector<std::string> celulas, braille;
    } casos[] = {
        {true, {"", "xyz", "abcde", "c"},
         {"===========", "      l xyz", "::::::r::::", "abcde l c", "ggggggggggg"}},
        {false, {"", "xyz", "abcde", "c"},
         {" ===========", "       l xyz", " ::::::r::::", " abcde l c", " ggggggggggg"}},
        {true, {"a\tb", "x", "c", "y"}, {"========", "a  b l x", ":::::r::", "c    l y", "gggggggg"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.celulas[0] + (c.junta ? " junta" : ""));
        AutoJunta = c.junta;
        ASSERT_EQ(Gera(c.celulas, "2"), ResultadoGeraTabela::Inserida);
        const std::vector<std::string> r = Rascunho();
        const auto t = std::find(r.begin(), r.end(), c.braille.front());
        ASSERT_NE(t, r.end()) << ::testing::PrintToString(r);
        ASSERT_GE(r.end() - t, static_cast<long>(c.braille.size()));
        EXPECT_EQ(std::vector<std::string>(t, t + static_cast<long>(c.braille.size())), c.braille);
    }
}

TEST_F(Tabela, MeasuringLeavesTheWidthsOfUnusedColumnsAtOne) {
    Texto({"abcd", "xy"});
    Seleciona(0, 0, 1, 2);
    EstadoTabela t;
    MedeColunas(t, doc, 3);
    EXPECT_EQ(t.NumColunas, 3);
    EXPECT_EQ((std::vector<int>(t.LargurasColunas.begin(), t.LargurasColunas.begin() + 4)),
              (std::vector<int>{4, 2, 1, 1}));
    EXPECT_EQ(t.Primeira, 0);
    EXPECT_EQ(t.Ultima, 1);
    EXPECT_EQ(LarguraTabela(t, {}), 4 + 2 + 1 + 2 * 3);
}

} // namespace
