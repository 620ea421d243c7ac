// Frames around the selected lines: the frame cells of each type in both
// codes, the frames of kinds 1 to 3 with and without AutoJunta, the lines a
// selection frames, empty lines, and frames too wide for the braille line.
#include "core/dmtraduz.h"
#include "editor/dmquadro.h"
#include "tests/core/ferramentas_teste.h"

#include <algorithm>

namespace {

using L = std::vector<std::string>;

class Quadro : public FerramentasTeste {
protected:
    // Frames every given line (selected from the first line's start to the
    // last line's end).
    ResultadoQuadro Emoldura(const L& linhas, int tipo) {
        Texto(linhas);
        Seleciona(0, 0, static_cast<int>(linhas.size()) - 1, static_cast<int>(linhas.back().size()));
        return InsereQuadro(doc, tipo);
    }
};

TEST_F(Quadro, FrameCellsOfEachTypeInBothCodes) {
    struct Caso {
        int tipo;
        MolduraQuadro m;
    } casos[] = {
        {1, {"!", "::", ".", "l", "_", "h", "::", "j"}},
        {2, {"(", "((", "(", "\xE7", "y", "g", "gg", "g"}},
        {3, {"", "*?", "", "\xF5", "o", "", "ei", ""}},
        {4, {"!", "::", "\xFF", "l", "_", "h", "::", "j"}},
        {5, {"=", "==", "=", "\xE7", "y", "g", "gg", "g"}},
        {6, {"", "*?", "", "\xF5", "o", "", "ei", ""}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.tipo);
        const MolduraQuadro& m = MoldurasQuadro()[static_cast<size_t>(c.tipo)];
        EXPECT_EQ(m.SuperiorEsquerdo, c.m.SuperiorEsquerdo);
        EXPECT_EQ(m.TracoSuperior, c.m.TracoSuperior);
        EXPECT_EQ(m.SuperiorDireito, c.m.SuperiorDireito);
        EXPECT_EQ(m.Esquerdo, c.m.Esquerdo);
        EXPECT_EQ(m.Direito, c.m.Direito);
        EXPECT_EQ(m.InferiorEsquerdo, c.m.InferiorEsquerdo);
        EXPECT_EQ(m.TracoInferior, c.m.TracoInferior);
        EXPECT_EQ(m.InferiorDireito, c.m.InferiorDireito);
    }
}

TEST_F(Quadro, RepeatedPattern) {
    const std::tuple<const char*, int, std::string> casos[] = {
        {"*?", 0, ""}, {"*?", 1, "*"}, {"*?", 2, "*?"}, {"*?", 5, "*?*?*"}, {"ei", 6, "eieiei"},
        {"::", 3, ":::"}, {"*?", -4, ""},
    };
    for (const auto& [padrao, n, esperado] : casos) EXPECT_EQ(RepeteTraco(padrao, n), esperado) << n;
}

TEST_F(Quadro, KindsOneAndThreeWithAndWithoutAutoJunta) {
    struct Caso {
        int tipo;
        bool junta;
        L linhas, quadro;
    } casos[] = {
        {1, false, {"abc"}, {"!:::::::\xFF", "l  abc  _", "h:::::::j"}},
        {1, true, {"abc"}, {"<F->", "!:::::::\xFF", "l  abc  _", "h:::::::j", "<F+>"}},
        {3, false, {"abcde"}, {"*?*?*?*?*?*", "\xF5  abcde  o", "eieieieieie"}},
        {3, true, {"abcde"}, {"<F->", "*?*?*?*?*?*", "\xF5  abcde  o", "eieieieieie", "<F+>"}},
        // Two lines: the shorter one is padded so that both right sides line up.
        {1, false, {"abc", "abcde"}, {"!:::::::::\xFF", "l  abc    _", "l  abcde  _", "h:::::::::j"}},
        {3, false, {"abc", "abcde"}, {"*?*?*?*?*?*", "\xF5  abc    o", "\xF5  abcde  o", "eieieieieie"}},
        // An even width ends the caption's pattern on its second cell.
        {3, false, {"ab"}, {"*?*?*?*?", "\xF5  ab  o", "eieieiei"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.tipo + (c.junta ? 10 : 0));
        AutoJunta = c.junta;
        ASSERT_EQ(Emoldura(c.linhas, c.tipo), ResultadoQuadro::Inserido);
        EXPECT_EQ(Linhas(), c.quadro);
        doc.Desfaz();   // one step
        EXPECT_EQ(Linhas(), c.linhas);
    }
}

TEST_F(Quadro, TheOldCodeDrawsWithItsOwnCells) {
    Codigo(true);
    AutoJunta = false;
    ASSERT_EQ(Emoldura({"abc"}, 1), ResultadoQuadro::Inserido);
    EXPECT_EQ(Linhas(), (L{"!:::::::.", "l  abc  _", "h:::::::j"}));
    ASSERT_EQ(Emoldura({"abc"}, 2), ResultadoQuadro::Inserido);
    EXPECT_EQ(Linhas(), (L{"(((((((((", "\xE7  abc  y", "ggggggggg"}));
    // The table in force is the old code's again (the frame reloads it).
    EXPECT_NE(TabelaImpressora, TabelaIdentidade());
}

TEST_F(Quadro, EveryLineIsAsWideInBrailleAsTheFrame) {
    // Capitals and numbers take more cells than ink characters; an empty
    // line inside the selection lines up as well.
    AutoJunta = false;
    ASSERT_EQ(Emoldura({"Abc", "", "12 de maio"}, 1), ResultadoQuadro::Inserido);
    const L l = Linhas();
    ASSERT_EQ(l.size(), 5u);
    const size_t largura = l[0].size();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(CompilaLinha(i).size(), largura) << l[static_cast<size_t>(i)];
}

TEST_F(Quadro, TheCompiledFrameLinesUpWhateverBlanksAndTabsTheLinesHold) {
    // Blanks at a line's end, a leading blank (which a line compiled alone
    // loses under AutoJunta), a tab (two blanks in the compile) and an empty
    // line: in the compiled document every side line is as wide as the top
    // line and ends in the right-hand side cell.
    const L linhas{"abc   ", " de", "   fgh", "i\tj", "", "Kl"};
    for (bool antigo : {false, true})
        for (bool junta : {true, false})
            for (int tipo = QuadroPadrao; tipo <= QuadroLegenda; ++tipo) {
                SCOPED_TRACE(std::to_string(tipo) + (antigo ? " antigo" : " unificado") + (junta ? " junta" : ""));
                Codigo(antigo);
                AutoJunta = junta;
                ASSERT_EQ(Emoldura(linhas, tipo), ResultadoQuadro::Inserido);
                const MolduraQuadro& q = MoldurasQuadro()[static_cast<size_t>(antigo ? tipo : tipo + 3)];
                const std::string topo = doc.Linha(junta ? 1 : 0);
                const std::vector<std::string> r = Rascunho();
                const auto t = std::find(r.begin(), r.end(), topo);
                ASSERT_NE(t, r.end());
                ASSERT_GT(r.end() - t, static_cast<long>(linhas.size() + 1));
                for (size_t i = 1; i <= linhas.size(); ++i) {
                    const std::string& lado = *(t + static_cast<long>(i));
                    EXPECT_EQ(lado.size(), topo.size()) << lado;
                    EXPECT_EQ(lado.substr(0, 1), q.Esquerdo) << lado;
                    EXPECT_EQ(lado.substr(lado.size() - 1), q.Direito) << lado;
                }
                EXPECT_EQ((t + static_cast<long>(linhas.size()) + 1)->size(), topo.size());
            }
}

TEST_F(Quadro, AnEmptySingleLine) {
    AutoJunta = false;
    struct Caso {
        int tipo;
        bool enviaVazias;
        L quadro;
    } casos[] = {
        {1, false, {"!::::\xFF", "l    _", "h::::j"}},
        {1, true, {"!::::\xFF", "l    _", "h::::j"}},   // the empty-line marker is no text
        {3, false, {"*?*?*?", "\xF5    o", "eieiei"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.tipo);
        ImprEnviaVazias = c.enviaVazias;
        ASSERT_EQ(Emoldura({""}, c.tipo), ResultadoQuadro::Inserido);
        EXPECT_EQ(Linhas(), c.quadro);
    }
    // "Pedir Ajuda" asks for guidance on an empty line.
    ImprEnviaVazias = false;
    Texto({TextoPecaOrientacao()});
    const size_t m = CompilaLinha(0).size();
    ASSERT_EQ(Emoldura({""}, 2), ResultadoQuadro::Inserido);
    EXPECT_EQ(Linhas(), (L{std::string(m + 6, '='), "\xE7  Pe\xE7" "a orienta\xE7\xE3o  y", std::string(m + 6, 'g')}));
}

TEST_F(Quadro, WhichLinesAreFramed) {
    AutoJunta = false;
    // A selection that ends at the start of a line leaves that line out.
    Texto({"ab", "cd", "ef"});
    Seleciona(0, 1, 2, 0);
    ASSERT_EQ(InsereQuadro(doc, 3), ResultadoQuadro::Inserido);
    EXPECT_EQ(Linhas(), (L{"*?*?*?*?", "\xF5  ab  o", "\xF5  cd  o", "eieieiei", "ef"}));
    // No selection: the caret's line.
    Texto({"ab", "cd"});
    doc.PosicionaCursor(1, 1);
    ASSERT_EQ(InsereQuadro(doc, 3), ResultadoQuadro::Inserido);
    EXPECT_EQ(Linhas(), (L{"ab", "*?*?*?*?", "\xF5  cd  o", "eieiei" "ei"}));
    // "Peça orientação" only on a single empty line.
    Texto({"", "x"});
    Seleciona(0, 0, 1, 1);
    ASSERT_EQ(InsereQuadro(doc, 2), ResultadoQuadro::Inserido);
    EXPECT_EQ(doc.Linha(1), "\xE7     y");
    // The caret after the last line end frames an empty line of its own.
    Texto({"ab"});
    doc.PosicionaCursor(1, 0);
    ASSERT_EQ(InsereQuadro(doc, 2), ResultadoQuadro::Inserido);
    EXPECT_EQ(Linhas()[0], "ab");
    EXPECT_EQ(Linhas()[2], "\xE7  Pe\xE7" "a orienta\xE7\xE3o  y");
}

TEST_F(Quadro, AFrameWiderThanTheBrailleLineIsRefused) {
    MaxCarac = 12;
    EXPECT_EQ(Emoldura({"abcdefg"}, 1), ResultadoQuadro::LargoDemais);   // 7 + 6 cells
    EXPECT_EQ(Linhas(), (L{"abcdefg"}));
    ASSERT_EQ(caixas.fake.registros.size(), 1u);
    EXPECT_NE(caixas.fake.registros[0].texto.find("13 celas"), std::string::npos);
    EXPECT_EQ(Emoldura({"abcdef"}, 1), ResultadoQuadro::Inserido);       // 12 cells fit
}

TEST_F(Quadro, AMissingCodeTableFramesNothing) {
    ArqAmbCode2 = "/nao/existe/ambcode2.cfg";
    caixas.fake.respostaPadrao = mrOk;
    EXPECT_EQ(Emoldura({"abc"}, 1), ResultadoQuadro::SemTabela);
    EXPECT_EQ(Linhas(), (L{"abc"}));
}

} // namespace
