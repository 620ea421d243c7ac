// The braille strip's captions after caret moves.
#include <gtest/gtest.h>

#include "core/dmvars.h"
#include "core/dmtraduz.h"
#include "core/dmtraduz_estado.h"
#include "core/dmutil.h"
#include "editor/dmpreview.h"

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

TEST_F(PreviewTest, PrimeiraLinhaComRealceEmbaixo) {
    e.LabLinhaAtual = 1;
    EXPECT_EQ(Atualiza(0), 0x3Eu); // labels 1..5 rewritten
    // labLinha1 (lowest) shows the caret line; the four above are empty.
    EXPECT_EQ(Legendas(), (std::vector<std::string>{"UM", "", "", "", ""}));
    EXPECT_EQ(e.UltimaLinhaPreview, 1);
}

TEST_F(PreviewTest, UltimaLinhaComRealceEmCima) {
    e.LabLinhaAtual = 5;
    Atualiza(5);
    EXPECT_EQ(Legendas(), (std::vector<std::string>{"", "", "", "", "SEIS"}));
}

TEST_F(PreviewTest, LinhasConsecutivasDeCimaParaBaixo) {
    e.LabLinhaAtual = 3;
    Atualiza(2);
    // Label 1 (bottom) .. label 5 (top): lines 4..0 read top to bottom, the
    // caret line on label 3.
    EXPECT_EQ(Legendas(), (std::vector<std::string>{"CINCO", "QUATRO", "TRES", "DOIS", "UM"}));
    e.LabLinhaAtual = 4;
    e.UltimaLinhaPreview = -1;
    Atualiza(2);
    // One line before the caret's above it, three after below.
    EXPECT_EQ(Legendas(), (std::vector<std::string>{"SEIS", "CINCO", "QUATRO", "TRES", "DOIS"}));
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

TEST_F(PreviewTest, PassaPelaTabelaDeSaida) {
    TabelaImpressora['U'] = '%';
    Atualiza(0);
    EXPECT_EQ(e.Legendas[1], "%M");
}

TEST_F(PreviewTest, RealceForaDeFaixaVoltaAoPrimeiro) {
    e.LabLinhaAtual = 9;
    Atualiza(1);
    EXPECT_EQ(e.LabLinhaAtual, 1);
    EXPECT_EQ(e.Legendas[1], "DOIS");
}

TEST_F(PreviewTest, DocumentoVazio) {
    LinhasEmMemoria vazio;
    AtualizaLegendasPreview(e, vazio, 0, [](const std::string& t) { return t; });
    EXPECT_EQ(Legendas(), (std::vector<std::string>(5)));
}

} // namespace

namespace {

TEST(TraduzLinhaIsolada, CadaLinhaDoEstadoInicialSemMexerNoDosOutros) {
    RestauraPadroes();
    for (bool antigo : {false, true}) {
        BrailleAntigo = antigo;
        dmunif::AspasAbertas = 0; // as a compile may leave them
        dmunif::ParentesesAbertos = 1;
        dmantigo::AspasAbertas = 0;
        const std::string a = TraduzLinhaIsolada("ele disse \"sim\" (e foi");
        const std::string b = TraduzLinhaIsolada("ele disse \"sim\" (e foi");
        EXPECT_EQ(a, b) << antigo;
        EXPECT_EQ(dmunif::AspasAbertas, 0);
        EXPECT_EQ(dmunif::ParentesesAbertos, 1);
        EXPECT_EQ(dmantigo::AspasAbertas, 0);
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
