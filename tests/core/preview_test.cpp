// The braille strip's captions after caret moves.
#include <gtest/gtest.h>

#include "core/dmvars.h"
#include "core/dmtraduz.h"
#include "core/dmtraduz_estado.h"
#include "core/dmutil.h"
#include "editor/dmpreview.h"

#include <tuple>

namespace {

// A translator that makes each call visible: upper-cases and counts.
struct TradutorContado {
    int chamadas = 0;
    std::string operator()(const std::string& t) {
        ++chamadas;
        std::string r = t;
        for (char& c : r)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        return r;
    }
};

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 256; ++i) TabelaImpressora[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
    }
    unsigned Atualiza(int y) {
        return AtualizaLegendasPreview(e, doc, y, [this](const std::string& t) { return trad(t); });
    }
    std::vector<std::string> Legendas() const {
        return {e.Legendas.begin() + 1, e.Legendas.end()};
    }
    LinhasEmMemoria doc{{"um", "dois", "tres", "quatro", "cinco", "seis"}};
    EstadoPreview e;
    TradutorContado trad;
};

// The highlighted label holds the caret's line; label 1 (bottom) .. label 5
// (top) show the lines around it read top to bottom.
TEST_F(PreviewTest, RealceEscolheOndeFicaALinhaDoCursor) {
    struct Caso {
        const char* nome;
        int rotulo, y;
        int rotuloFinal;
        std::vector<std::string> legendas;
    };
    const Caso casos[] = {
        {"primeira linha, realce embaixo", 1, 0, 1, {"UM", "", "", "", ""}},
        {"ultima linha, realce em cima", 5, 5, 5, {"", "", "", "", "SEIS"}},
        {"realce no meio", 3, 2, 3, {"CINCO", "QUATRO", "TRES", "DOIS", "UM"}},
        {"uma linha acima, tres abaixo", 4, 2, 4, {"SEIS", "CINCO", "QUATRO", "TRES", "DOIS"}},
        {"realce fora de faixa volta ao primeiro", 9, 1, 1, {"DOIS", "UM", "", "", ""}},
    };
    for (const Caso& c : casos) {
        e = EstadoPreview{};
        e.LabLinhaAtual = c.rotulo;
        EXPECT_EQ(Atualiza(c.y), 0x3Eu) << c.nome;   // labels 1..5 rewritten
        EXPECT_EQ(Legendas(), c.legendas) << c.nome;
        EXPECT_EQ(std::make_pair(e.LabLinhaAtual, e.UltimaLinhaPreview), std::make_pair(c.rotuloFinal, c.y + 1)) << c.nome;
    }
}

TEST_F(PreviewTest, NaMesmaLinhaSoORealceSeRetraduz) {
    e.LabLinhaAtual = 1;
    Atualiza(4);
    EXPECT_EQ(trad.chamadas, 5); // hidden labels are translated too
    doc.linhas[3] = "mudou";      // a line other than the caret's
    doc.linhas[4] = "nova";
    EXPECT_EQ(Atualiza(4), 1u << 1);
    EXPECT_EQ(trad.chamadas, 6);
    EXPECT_EQ(e.Legendas[1], "NOVA");
    EXPECT_EQ(e.Legendas[2], "QUATRO"); // kept until the caret changes line
    Atualiza(5);                         // caret moves: every label again
    EXPECT_EQ(trad.chamadas, 11);
    EXPECT_EQ(e.Legendas[1], "SEIS");
    EXPECT_EQ(e.Legendas[3], "MUDOU");
}

// Delete at the end of the caret's line joins the next line to it, and a
// selection removed upwards takes lines away: the caret stays on its line but
// the lines around it are others now, so no label keeps a line that is gone.
TEST_F(PreviewTest, LinhaJuntadaOuRemovidaNaMesmaLinhaReescreveTodas) {
    e.LabLinhaAtual = 3;
    Atualiza(2);
    doc.linhas[2] = "tresquatro";
    doc.linhas.erase(doc.linhas.begin() + 3);
    EXPECT_EQ(Atualiza(2), 0x3Eu);
    EXPECT_EQ(Legendas(), (std::vector<std::string>{"SEIS", "CINCO", "TRESQUATRO", "DOIS", "UM"}));
    doc.linhas.erase(doc.linhas.begin(), doc.linhas.begin() + 2);
    doc.linhas.insert(doc.linhas.begin(), {"x", "y"});
    EXPECT_EQ(Atualiza(2), 1u << 3); // same count, same caret line: one label
}

TEST_F(PreviewTest, PassaPelaTabelaDeSaidaEDocumentoVazio) {
    TabelaImpressora['U'] = '%';
    Atualiza(0);
    EXPECT_EQ(e.Legendas[1], "%M");
    LinhasEmMemoria vazio;
    AtualizaLegendasPreview(e, vazio, 0, [](const std::string& t) { return t; });
    EXPECT_EQ(Legendas(), (std::vector<std::string>(5)));
}

TEST(TraduzLinhaIsolada, CadaLinhaDoEstadoInicialSemMexerNoDosOutros) {
    RestauraPadroes();
    for (bool antigo : {false, true}) {
        BrailleAntigo = antigo;
        dmunif::AspasAbertas = 0; // as a compile may leave them
        dmunif::ParentesesAbertos = 1;
        dmantigo::AspasAbertas = 0;
        const std::string a = TraduzLinhaIsolada("ele disse \"sim\" (e foi");
        EXPECT_EQ(TraduzLinhaIsolada("ele disse \"sim\" (e foi"), a) << antigo;
        EXPECT_EQ(std::make_tuple(dmunif::AspasAbertas, dmunif::ParentesesAbertos, dmantigo::AspasAbertas),
                  std::make_tuple(0, 1, 0));
        // The same line from the start state through the translator itself.
        dmunif::AspasAbertas = 1;
        dmunif::ParentesesAbertos = 0;
        dmantigo::AspasAbertas = 1;
        EXPECT_EQ(TraduzTexto("ele disse \"sim\" (e foi"), a) << antigo;
    }
    RestauraPadroes();
}

TEST(TraduzLinhaIsolada, ModoBrutoDeixadoPelaCompilacaoNaoValeParaATira) {
    RestauraPadroes();
    EstadoPrincipal().ModoBruto = true; // a document that ends in raw mode
    EXPECT_EQ(TraduzTexto("Casa"), "Casa");
    EXPECT_NE(TraduzLinhaIsolada("Casa"), "Casa");
    EXPECT_TRUE(EstadoPrincipal().ModoBruto);
    EstadoPrincipal().ModoBruto = false;
    EXPECT_EQ(TraduzLinhaIsolada("Casa"), TraduzTexto("Casa"));
    TextoIngles = true;
    CfgTextoIngles = false;
    TraduzLinhaIsolada("Casa");
    EXPECT_TRUE(TextoIngles);
    RestauraPadroes();
}

} // namespace
