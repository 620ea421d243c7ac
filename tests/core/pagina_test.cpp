// Page rendering, byte for byte: text pages, graphic pages, interleaved bands,
// Tiger pages and the placing of .GRB graphics.
#include "output/dmImprPagina.h"
#include "output/dmTigerSaida.h"
#include "output/dmgrafpr.h"
#include "platform/dialogos.h"
#include "support/config_pagina_teste.h"
#include "support/dispositivo_falso.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Envios = std::vector<std::string>;
const std::string G4(4, '\x0f');
const std::string ESC1 = "\x1b" "1";
const std::string ESCF = "\x1b]";
const std::string FF = "\x0c";
const std::string RES = "\x0b";

class Pagina : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() / ("pag_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        cfg = ConfigPaginaTeste();
        cfg.ArqAtual = (dir / "doc.txt").string();
        reg = std::make_shared<RegistroDispositivo>();
        disp = std::make_unique<DispositivoFalso>(reg);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void Grafico(const std::string& nome, const std::string& conteudo) {
        std::ofstream f(dir / nome, std::ios::binary);
        f << conteudo;
    }
    // Prints one page of these lines; what went to the device.
    Envios Imprime(const std::vector<std::string>& linhas, bool ok = true, int margem = 0) {
        PaginaImpressao p(cfg, *disp);
        p.MargemAtual = margem;
        for (const auto& l : linhas) p.AdicionaLinhaPagina(l);
        EXPECT_EQ(p.ImprimePagina(), ok);
        EXPECT_TRUE(p.LinhasPagina().empty());
        return reg->envios;
    }
    std::string NaoAchado(const std::string& nome) { return "Arquivo " + (dir / nome).string() + " n\xe3o achado"; }

    std::filesystem::path dir;
    ConfigPagina cfg;
    std::shared_ptr<RegistroDispositivo> reg;
    std::unique_ptr<DispositivoFalso> disp;
    DialogosFalsosEscopo dlg;
};

TEST_F(Pagina, TextoComMargemUmaChamadaPorLinha) {
    EXPECT_EQ(Imprime({"AB ", "", "C"}, true, 2), (Envios{"  AB \r\n", "  \r\n", "  C\r", FF}));
}

// A second form feed only for one-sided printing of an interpoint embosser.
TEST_F(Pagina, SegundoFormFeedSoParaFrenteDeInterponto) {
    const struct { bool frenteVerso, soFrente; Envios envios; } casos[] = {
        {true, false, {"A\r", FF}}, {true, true, {"A\r", FF}}, {false, false, {"A\r", FF}}, {false, true, {"A\r", FF, FF}}};
    for (const auto& c : casos) {
        reg->envios.clear();
        cfg.FrenteVerso = c.frenteVerso;
        cfg.SoFrenteInterp = c.soFrente;
        EXPECT_EQ(Imprime({"A"}), c.envios) << c.frenteVerso << c.soFrente;
    }
}

TEST_F(Pagina, TextoFalhaParaSemFormFeedNemMensagem) {
    disp->falhaNoEnvio = 2;
    EXPECT_EQ(Imprime({"A", "B", "C"}, false), (Envios{"A\r\n"}));
    EXPECT_TRUE(dlg.fake.registros.empty());
}

TEST_F(Pagina, GraficaDesenhaCelasEmFaixas) {
    cfg.TipoTratGrafico = 3;
    cfg.FrenteVerso = false;
    cfg.SoFrenteInterp = true;  // no second form feed in graphic mode
    // Band 0: "=" (x 0-1) gives "=", "A" at x 3 is dot 4 "@"; band 1: the
    // second line's "A" at (0, 5) is dot 3 "'".
    EXPECT_EQ(Imprime({"=A", "A"}), (Envios{ESC1, "=@\r\n", "'\r", FF, ESCF}));
}

TEST_F(Pagina, IntercaladaFaixaOndeEstaOGrafico) {
    Grafico("g.grb", "**\n**\n**\n**\n**\n**\n"); // one band over the two reserved lines
    PaginaImpressao p(cfg, *disp);
    for (const std::string& l : Envios{"AB", G4 + " 1 g.grb", RES, RES, "C  "}) p.AdicionaLinhaPagina(l);
    EXPECT_TRUE(p.PaginaTemGrafico());
    EXPECT_TRUE(p.ImprimePagina());
    EXPECT_EQ(reg->envios, (Envios{"AB\r\n", ESC1, "=\r\n", "=\r", ESCF, "C\r", FF}));
    EXPECT_FALSE(p.PaginaTemGrafico());
    EXPECT_TRUE(dlg.fake.registros.empty());
}

// A missing graphic leaves its place blank; the next band starts where the
// next graphic stands, not at the top of the page.
TEST_F(Pagina, IntercaladaGraficoAusenteNaoAlongaAFaixaSeguinte) {
    Grafico("g.grb", "**\n**\n**\n**\n**\n**\n");
    EXPECT_EQ(Imprime({G4 + " 1 falta.grb", "A", G4 + " 1 g.grb", RES, RES, "B"}),
              (Envios{"A\r\n", ESC1, "=\r\n", "=\r", ESCF, "B\r", FF}));
    EXPECT_EQ(dlg.fake.Textos(), Envios{NaoAchado("falta.grb")});
}

// The graphic covers the first line; the empty line after it is one blank.
TEST_F(Pagina, IntercaladaLinhaVaziaViraBranco) {
    Grafico("g.grb", "*\n");
    EXPECT_EQ(Imprime({G4 + " E g.grb", "   ", ""}), (Envios{ESC1, "A\r", ESCF, " \r", FF}));
}

TEST_F(Pagina, FalhaDoDispositivoMostraErro) {
    Grafico("g.grb", "*\n");
    disp->falhaNoEnvio = 2; // interleaved: once for the band, once for the text
    Imprime({G4 + " E g.grb", "A"}, false);
    EXPECT_EQ(dlg.fake.Textos(), (Envios{"Erro no dispositivo", "Erro no dispositivo"}));
    dlg.fake.Limpa();
    reg->envios.clear();
    cfg.TipoTratGrafico = 3;
    disp->falhaNoEnvio = 1;
    EXPECT_TRUE(Imprime({"A"}, false).empty());
    EXPECT_EQ(dlg.fake.Textos(), (Envios{"Erro no dispositivo"}));
}

TEST_F(Pagina, TipoTratGraficoEscolheORenderizador) {
    const struct { int tipo; bool temGrafico; const char* modo; } casos[] = {
        {0, true, "intercalada"}, {0, false, "texto"}, {1, true, "texto"}, {2, false, "texto"},
        {2, true, "grafica"}, {3, false, "grafica"}, {3, true, "grafica"}, {4, true, "texto"}};
    Grafico("g.grb", "*\n");
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tipo);
        reg->envios.clear();
        cfg.TipoTratGrafico = c.tipo;
        std::vector<std::string> linhas = {"A"};
        if (c.temGrafico) linhas.push_back(G4 + "  E   g.grb ");
        PaginaImpressao p(cfg, *disp);
        p.MargemAtual = 1;
        for (const auto& l : linhas) p.AdicionaLinhaPagina(l);
        p.ImprimePagina();
        const auto& e = reg->envios;
        ASSERT_FALSE(e.empty());
        EXPECT_EQ(e[0] == ESC1 ? "grafica" : (e.size() > 1 && e[1] == ESC1 ? "intercalada" : "texto"),
                  std::string(c.modo));
        if (c.tipo == 4) {
            EXPECT_EQ(e[1], " " + G4 + " E   g.grb\r");
        }
        if (c.tipo == 1) {
            EXPECT_EQ(e, (Envios{" A\r", FF}));
        }
    }
}

TEST_F(Pagina, ReservadaComoTextoSaiComoEsta) {
    cfg.TipoTratGrafico = 4;
    EXPECT_EQ(Imprime({RES}, true, 2), (Envios{"  " + RES + "\r", FF}));
}

TEST_F(Pagina, PosicionaGraficoNaColunaInicial) {
    const struct { const char* posicao; int largura, margem, x0; } casos[] = {
        // E, C, D start after prefix and margin.
        {"E", 4, 0, 3}, {"e", 4, 1, 6}, {"C", 4, 0, 3 + 12}, {"D", 4, 0, 3 + 25},
        // Wider than the usable width: not shifted.
        {"C", 40, 0, 3}, {"D", 40, 0, 3},
        // Column n, pulled left to end at the edge.
        {"3", 4, 0, 6}, {"0", 4, 0, 0}, {"-5", 4, 0, 0}, {"9", 10, 0, 19}, {"9", 40, 0, 0}, {"x1", 4, 0, 0},
        {"999999999", 4, 0, 25}, {"999999999", 4, 5, 25}};
    cfg.LarguraUtil = 10;  // usable width: 29 dots
    cfg.TamPrefixoMargem = 1;
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.posicao) + " " + std::to_string(c.largura) + " " + std::to_string(c.margem));
        Grafico("g.grb", std::string(static_cast<std::size_t>(c.largura), '*') + "\n");
        PaginaImpressao p(cfg, *disp);
        p.MargemAtual = c.margem;
        int x0 = -1, w = 0, h = 0;
        EXPECT_TRUE(p.PosicionaGrafico(0, G4 + " " + c.posicao + " g.grb", x0, w, h));
        EXPECT_EQ(x0, c.x0);
        EXPECT_EQ(w, c.largura);
        EXPECT_EQ(h, 3);
        EXPECT_TRUE(PontoMarcado(p.Matriz(), std::max(c.x0, 0), 0));
    }
}

// A graphic that is missing, a pipe, a folder or a file that never ends is
// reported and left blank; the page still goes out, the job never blocks.
TEST_F(Pagina, GraficoQueNaoEhArquivoComumAvisaEDeixaEmBranco) {
    ASSERT_EQ(::mkfifo((dir / "cano.grb").c_str(), 0600), 0);
    std::filesystem::create_directory(dir / "pasta.grb");
    const std::pair<std::string, std::string> casos[] = {
        {"falta.grb", NaoAchado("falta.grb")}, {"cano.grb", NaoAchado("cano.grb")},
        {"pasta.grb", NaoAchado("pasta.grb")},
        {"/proc/self/pagemap", MensagemLeituraGRB(LeituraGRB::GrandeDemais, "/proc/self/pagemap", "")}};
    cfg.TipoTratGrafico = 3;
    for (const auto& [nome, mensagem] : casos) {
        dlg.fake.Limpa();
        reg->envios.clear();
        EXPECT_EQ(Imprime({G4 + " E " + nome}), (Envios{ESC1, "\r", FF, ESCF})) << nome;
        EXPECT_EQ(dlg.fake.Textos(), Envios{mensagem});
    }
}

TEST_F(Pagina, GraficoSemNomeNaoEhColocado) {
    PaginaImpressao p(cfg, *disp);
    int x0, w, h;
    EXPECT_FALSE(p.PosicionaGrafico(0, G4 + " E", x0, w, h));
    EXPECT_FALSE(p.PosicionaGrafico(0, G4, x0, w, h));
    EXPECT_TRUE(dlg.fake.registros.empty());
}

TEST_F(Pagina, GraficoGrandeCortadoNaBordaDaMatriz) {
    std::string grande; // as wide and as tall as the matrix, placed past its corner
    for (int i = 0; i < LadoMatriz; ++i) grande += std::string(LadoMatriz, '*') + "\n";
    Grafico("enorme.grb", grande);
    PaginaImpressao p(cfg, *disp);
    p.MargemAtual = 2;
    int x0, w, h;
    EXPECT_TRUE(p.PosicionaGrafico(899, G4 + " E enorme.grb", x0, w, h));
    EXPECT_TRUE(PontoMarcado(p.Matriz(), 900, 899));
}

TEST_F(Pagina, SaltaPaginaSoPuma7EmArquivo) {
    const struct { const char* modelo; bool arquivo; Envios envios; } casos[] = {
        {"Puma 7", true, {FF}}, {"Puma 7", false, {}}, {"puma 7", true, {}}, {"Index", true, {}}};
    for (const auto& c : casos) {
        reg->envios.clear();
        auto d = std::make_unique<DispositivoFalso>(reg, c.arquivo);
        cfg.ImprMarca = c.modelo;
        PaginaImpressao p(cfg, *d);
        EXPECT_TRUE(p.SaltaPagina());
        EXPECT_EQ(reg->envios, c.envios) << c.modelo << c.arquivo;
    }
}

TEST_F(Pagina, PaginaTigerTextoEGrafico) {
    cfg.EhTiger = true;
    cfg.Geometria = GeometriaTigerNormal;
    Grafico("t.grb", "* \n *\n");
    std::vector<std::string> ev;
    auto tiger = AbreTiger(std::make_unique<SuperficieFalsa>(&ev), "doc", FolhaTiger{});
    ASSERT_TRUE(tiger);
    PaginaImpressao p(cfg, *tiger);
    for (const std::string& l : Envios{"AB", G4 + " 1 t.grb", RES, "C"}) p.AdicionaLinhaPagina(l);
    EXPECT_TRUE(p.ImprimePagina());
    // Dot steps 10 x 10, twice for graphic dots; the graphic (not rounded on a
    // Tiger) on the second text line, column 0 -> x = 10. The reserved line
    // is a blank; the page's form feed only asks for a next page.
    EXPECT_EQ(ev, (Envios{"INICIA doc", "PAGINA", "T 0,0 AB", "P 10,80", "P 30,100", "T 0,160 C"}));
    EXPECT_TRUE(dlg.fake.registros.empty());
}

}  // namespace
