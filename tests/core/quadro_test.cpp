// Frames around the selected lines: each kind in both codes, the lines
// framed, the compiled frame lined up, and frames that cannot be drawn.
#include "core/dmtraduz.h"
#include "editor/dmquadro.h"
#include "support/ferramentas_teste.h"

#include <algorithm>

namespace {

using L = std::vector<std::string>;

class Quadro : public FerramentasTeste {
protected:
    // Frames every given line.
    ResultadoQuadro Emoldura(const L& linhas, int tipo) {
        TextoTodoSelecionado(linhas);
        return InsereQuadro(doc, tipo);
    }
};

TEST_F(Quadro, EachKindInBothCodes) {
    const struct { int tipo; bool antigo, junta; L linhas, quadro; bool enviaVazias = false; } casos[] = {
        {1, false, false, {"abc"}, {"!:::::::\xFF", "l  abc  _", "h:::::::j"}},
        {1, false, true, {"abc"}, {"<F->", "!:::::::\xFF", "l  abc  _", "h:::::::j", "<F+>"}},
        {2, false, false, {"abc"}, {"=========", "\xE7  abc  y", "ggggggggg"}},
        {3, false, false, {"abcde"}, {"*?*?*?*?*?*", "\xF5  abcde  o", "eieieieieie"}},
        {3, false, true, {"abcde"}, {"<F->", "*?*?*?*?*?*", "\xF5  abcde  o", "eieieieieie", "<F+>"}},
        {1, true, false, {"abc"}, {"!:::::::.", "l  abc  _", "h:::::::j"}},
        {2, true, false, {"abc"}, {"(((((((((", "\xE7  abc  y", "ggggggggg"}},
        {3, true, false, {"abc"}, {"*?*?*?*?*", "\xF5  abc  o", "eieieieie"}},
        // Two lines: the shorter one is padded so that both right sides line up.
        {1, false, false, {"abc", "abcde"}, {"!:::::::::\xFF", "l  abc    _", "l  abcde  _", "h:::::::::j"}},
        {3, false, false, {"abc", "abcde"}, {"*?*?*?*?*?*", "\xF5  abc    o", "\xF5  abcde  o", "eieieieieie"}},
        // An even width ends the caption's pattern on its second cell.
        {3, false, false, {"ab"}, {"*?*?*?*?", "\xF5  ab  o", "eieieiei"}},
        // An empty line; the empty-line marker is no text.
        {1, false, false, {""}, {"!::::\xFF", "l    _", "h::::j"}},
        {1, false, false, {""}, {"!::::\xFF", "l    _", "h::::j"}, true},
        {3, false, false, {""}, {"*?*?*?", "\xF5    o", "eieiei"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::PrintToString(c.quadro));
        Codigo(c.antigo);
        AutoJunta = c.junta;
        ImprEnviaVazias = c.enviaVazias;
        ASSERT_EQ(Emoldura(c.linhas, c.tipo), ResultadoQuadro::Inserido);
        EXPECT_EQ(Linhas(), c.quadro);
        EXPECT_NE(TabelaImpressora, TabelaIdentidade());
        doc.Desfaz();   // one step
        EXPECT_EQ(Linhas(), c.linhas);
    }
}

TEST_F(Quadro, TheCompiledFrameLinesUpWhateverTheLinesHold) {
    // Trailing and leading blanks, a tab, an empty line, a capital and a number:
    // every compiled side line is as wide as the top and ends in the side cell.
    const L linhas{"abc   ", " de", "   fgh", "i\tj", "", "Kl 12"};
    for (bool antigo : {false, true})
        for (bool junta : {true, false})
            for (int tipo = QuadroPadrao; tipo <= QuadroLegenda; ++tipo) {
                SCOPED_TRACE(std::to_string(tipo) + (antigo ? " antigo" : " unificado") + (junta ? " junta" : ""));
                Codigo(antigo);
                AutoJunta = junta;
                ASSERT_EQ(Emoldura(linhas, tipo), ResultadoQuadro::Inserido);
                const std::string topo = doc.Linha(junta ? 1 : 0);
                const std::string primeira = doc.Linha(junta ? 2 : 1);   // its sides are the frame's
                const std::vector<std::string> r = Rascunho();
                const auto t = std::find(r.begin(), r.end(), topo);
                ASSERT_NE(t, r.end());
                ASSERT_GT(r.end() - t, static_cast<long>(linhas.size() + 1));
                for (size_t i = 1; i <= linhas.size(); ++i) {
                    const std::string& lado = *(t + static_cast<long>(i));
                    EXPECT_EQ(lado.size(), topo.size()) << lado;
                    EXPECT_EQ(lado.front(), primeira.front()) << lado;
                    EXPECT_EQ(lado.back(), primeira.back()) << lado;
                }
                EXPECT_EQ((t + static_cast<long>(linhas.size()) + 1)->size(), topo.size());
            }
}

TEST_F(Quadro, WhichLinesAreFramed) {
    AutoJunta = false;
    // "Peça orientação": its capital sign makes it 16 cells.
    const std::string peca = "\xE7  Pe\xE7" "a orienta\xE7\xE3o  y";
    const std::string topo(22, '='), base(22, 'g');
    const struct { const char* nome; L linhas; int l1, c1, l2, c2, tipo; L esperado; } casos[] = {
        {"ASelectionEndingAtALineStartLeavesThatLineOut", {"ab", "cd", "ef"}, 0, 1, 2, 0, 3,
         {"*?*?*?*?", "\xF5  ab  o", "\xF5  cd  o", "eieieiei", "ef"}},
        {"NoSelectionTheCaretsLine", {"ab", "cd"}, 1, 1, 1, 1, 3, {"ab", "*?*?*?*?", "\xF5  cd  o", "eieieiei"}},
        {"ASingleEmptyLineAsksForGuidance", {""}, 0, 0, 0, 0, 2, {topo, peca, base}},
        {"OnlyASingleEmptyLineDoes", {"", "x"}, 0, 0, 1, 1, 2, {"=======", "\xE7     y", "\xE7  x  y", "ggggggg"}},
        {"TheCaretAfterTheLastLineEndFramesALineOfItsOwn", {"ab"}, 1, 0, 1, 0, 2, {"ab", topo, peca, base}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Texto(c.linhas);
        Seleciona(c.l1, c.c1, c.l2, c.c2);
        ASSERT_EQ(InsereQuadro(doc, c.tipo), ResultadoQuadro::Inserido);
        EXPECT_EQ(Linhas(), c.esperado);
    }
}

TEST_F(Quadro, AFrameWiderThanTheBrailleLineOrWithoutItsCodeTableIsRefused) {
    MaxCarac = 12;
    EXPECT_EQ(Emoldura({"abcdefg"}, 1), ResultadoQuadro::LargoDemais);   // 7 + 6 cells
    EXPECT_EQ(Linhas(), (L{"abcdefg"}));
    ASSERT_EQ(caixas.fake.registros.size(), 1u);
    EXPECT_NE(caixas.fake.registros[0].texto.find("13 celas"), std::string::npos);
    EXPECT_EQ(Emoldura({"abcdef"}, 1), ResultadoQuadro::Inserido);       // 12 cells fit
    ArqAmbCode2 = "/nao/existe/ambcode2.cfg";
    caixas.fake.respostaPadrao = mrOk;
    EXPECT_EQ(Emoldura({"abc"}, 1), ResultadoQuadro::SemTabela);
    EXPECT_EQ(Linhas(), (L{"abc"}));
}

TEST_F(Quadro, ARefusedFrameLeavesTheTextAsItWas) {
    AutoJunta = false;
    caixas.fake.respostaPadrao = mrOk;
    // A single empty line would ask for guidance, and the caret after the
    // last line end would frame a line of its own: neither is written when
    // the frame is refused.
    const struct {
        const char* nome;
        L linhas;
        int l, c, tipo, maxCarac;
        bool semTabela;
        ResultadoQuadro r;
    } casos[] = {
        {"GuidanceTooWide", {"ab", ""}, 1, 0, QuadroPedirAjuda, 20, false, ResultadoQuadro::LargoDemais},   // 16 + 6
        {"GuidanceWithoutTable", {""}, 0, 0, QuadroPedirAjuda, 40, true, ResultadoQuadro::SemTabela},
        {"LineOfItsOwnTooWide", {"ab"}, 1, 0, QuadroPadrao, 5, false, ResultadoQuadro::LargoDemais},
        {"LineOfItsOwnWithoutTable", {"ab"}, 1, 0, QuadroPedirAjuda, 40, true, ResultadoQuadro::SemTabela},
    };
    const std::string tabela = ArqAmbCode2;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        MaxCarac = c.maxCarac;
        ArqAmbCode2 = c.semTabela ? "/nao/existe/ambcode2.cfg" : tabela;
        Texto(c.linhas);
        const std::string antes = doc.Texto();
        Seleciona(c.l, c.c, c.l, c.c);
        EXPECT_EQ(InsereQuadro(doc, c.tipo), c.r);
        EXPECT_EQ(doc.Texto(), antes);
    }
}

} // namespace
