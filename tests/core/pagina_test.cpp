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
    std::vector<std::string> Envios() { return reg->envios; }

    std::filesystem::path dir;
    ConfigPagina cfg;
    std::shared_ptr<RegistroDispositivo> reg;
    std::unique_ptr<DispositivoFalso> disp;
    DialogosFalsosEscopo dlg;
};

TEST_F(Pagina, TextoComMargemUmaChamadaPorLinha) {
    PaginaImpressao p(cfg, *disp);
    p.MargemAtual = 2;
    p.AdicionaLinhaPagina("AB ");
    p.AdicionaLinhaPagina("");
    p.AdicionaLinhaPagina("C");
    EXPECT_TRUE(p.ImprimePagina());
    EXPECT_EQ(Envios(), (std::vector<std::string>{"  AB \r\n", "  \r\n", "  C\r", FF}));
    EXPECT_TRUE(p.LinhasPagina().empty());
}

struct CasoFrente {
    bool frenteVerso, soFrente;
    int formFeeds;
};
class FormFeedsTexto : public Pagina, public ::testing::WithParamInterface<CasoFrente> {};

TEST_P(FormFeedsTexto, SegundoFormFeedSoParaFrenteDeInterponto) {
    cfg.FrenteVerso = GetParam().frenteVerso;
    cfg.SoFrenteInterp = GetParam().soFrente;
    PaginaImpressao p(cfg, *disp);
    p.AdicionaLinhaPagina("A");
    EXPECT_TRUE(p.ImprimePagina());
    std::vector<std::string> esperado{"A\r"};
    for (int i = 0; i < GetParam().formFeeds; ++i) esperado.push_back(FF);
    EXPECT_EQ(Envios(), esperado);
}

INSTANTIATE_TEST_SUITE_P(Frente, FormFeedsTexto,
                         ::testing::Values(CasoFrente{true, false, 1}, CasoFrente{true, true, 1},
                                           CasoFrente{false, false, 1}, CasoFrente{false, true, 2}));

TEST_F(Pagina, TextoFalhaParaSemFormFeedNemMensagem) {
    disp->falhaNoEnvio = 2;
    PaginaImpressao p(cfg, *disp);
    p.AdicionaLinhaPagina("A");
    p.AdicionaLinhaPagina("B");
    p.AdicionaLinhaPagina("C");
    EXPECT_FALSE(p.ImprimePagina());
    EXPECT_EQ(Envios(), (std::vector<std::string>{"A\r\n"}));
    EXPECT_TRUE(dlg.fake.registros.empty());
    EXPECT_TRUE(p.LinhasPagina().empty());
}

TEST_F(Pagina, GraficaSemPontos) {
    cfg.TipoTratGrafico = 3;
    PaginaImpressao p(cfg, *disp);
    p.AdicionaLinhaPagina("");
    EXPECT_TRUE(p.ImprimePagina());
    EXPECT_EQ(Envios(), (std::vector<std::string>{ESC1, "\r", FF, ESCF}));
}

TEST_F(Pagina, GraficaDesenhaCelasEmFaixas) {
    cfg.TipoTratGrafico = 3;
    cfg.FrenteVerso = false;
    cfg.SoFrenteInterp = true;  // no second form feed in graphic mode
    PaginaImpressao p(cfg, *disp);
    // Line 1 at dot rows 0-2: "=" (six dots) in cell 0 and "A" in cell 1
    // (x = 3). Line 2 at rows 5-7: "A" at (0, 5).
    p.AdicionaLinhaPagina("=A");
    p.AdicionaLinhaPagina("A");
    EXPECT_TRUE(p.ImprimePagina());
    // Band 0: dots x 0-1 -> "=", x 3 (cell 1, right column, row 0) -> dot 4
    // "@". Band 1 (rows 3-5): (0, 5) is dot 3 -> "'", the last band.
    EXPECT_EQ(Envios(), (std::vector<std::string>{ESC1, "=@\r\n", "'\r", FF, ESCF}));
}

TEST_F(Pagina, IntercaladaFaixaOndeEstaOGrafico) {
    // 2 x 6 dots: one band of two graphic rows, standing over the two
    // reserved lines that follow it.
    Grafico("g.grb", "**\n**\n**\n**\n**\n**\n");
    PaginaImpressao p(cfg, *disp);
    p.AdicionaLinhaPagina("AB");
    p.AdicionaLinhaPagina(G4 + " 1 g.grb");
    p.AdicionaLinhaPagina(RES);
    p.AdicionaLinhaPagina(RES);
    p.AdicionaLinhaPagina("C  ");
    EXPECT_TRUE(p.PaginaTemGrafico());
    EXPECT_TRUE(p.ImprimePagina());
    // The graphic starts at dot row 5 (after one text line); column 1 is dot 0.
    EXPECT_EQ(Envios(), (std::vector<std::string>{"AB\r\n", ESC1, "=\r\n", "=\r", ESCF, "C\r", FF}));
    EXPECT_FALSE(p.PaginaTemGrafico());
    EXPECT_TRUE(dlg.fake.registros.empty());
}

TEST_F(Pagina, IntercaladaGraficoAusenteNaoAlongaAFaixaSeguinte) {
    Grafico("g.grb", "**\n**\n**\n**\n**\n**\n");
    PaginaImpressao p(cfg, *disp);
    p.AdicionaLinhaPagina(G4 + " 1 falta.grb");
    p.AdicionaLinhaPagina("A");
    p.AdicionaLinhaPagina(G4 + " 1 g.grb");
    p.AdicionaLinhaPagina(RES);
    p.AdicionaLinhaPagina(RES);
    p.AdicionaLinhaPagina("B");
    EXPECT_TRUE(p.ImprimePagina());
    // The missing graphic leaves its place blank; the band of the next one
    // starts where that one stands (dot row 5), not at the top of the page.
    EXPECT_EQ(Envios(), (std::vector<std::string>{"A\r\n", ESC1, "=\r\n", "=\r", ESCF, "B\r", FF}));
    EXPECT_EQ(dlg.fake.Textos(),
              (std::vector<std::string>{"Arquivo " + (dir / "falta.grb").string() + " n\xe3o achado"}));
}

TEST_F(Pagina, IntercaladaLinhaVaziaViraBranco) {
    Grafico("g.grb", "*\n");
    PaginaImpressao p(cfg, *disp);
    p.AdicionaLinhaPagina(G4 + " E g.grb");
    p.AdicionaLinhaPagina("   ");
    p.AdicionaLinhaPagina("");
    EXPECT_TRUE(p.ImprimePagina());
    // The graphic (rounded to 2 x 3 dots) covers the first line, drawn in the
    // band; the empty line after it goes out as one blank.
    EXPECT_EQ(Envios(), (std::vector<std::string>{ESC1, "A\r", ESCF, " \r", FF}));
}

TEST_F(Pagina, IntercaladaFalhaMostraErroDuasVezes) {
    Grafico("g.grb", "*\n");
    disp->falhaNoEnvio = 2;
    PaginaImpressao p(cfg, *disp);
    p.AdicionaLinhaPagina(G4 + " E g.grb");
    p.AdicionaLinhaPagina("A");
    EXPECT_FALSE(p.ImprimePagina());
    EXPECT_EQ(dlg.fake.Textos(), (std::vector<std::string>{"Erro no dispositivo", "Erro no dispositivo"}));
}

TEST_F(Pagina, GraficaFalhaMostraErro) {
    cfg.TipoTratGrafico = 3;
    disp->falhaNoEnvio = 1;
    PaginaImpressao p(cfg, *disp);
    p.AdicionaLinhaPagina("A");
    EXPECT_FALSE(p.ImprimePagina());
    EXPECT_TRUE(Envios().empty());
    EXPECT_EQ(dlg.fake.Textos(), (std::vector<std::string>{"Erro no dispositivo"}));
}

struct CasoModo {
    int tipo;
    bool temGrafico;
    const char* modo;  // "texto", "grafica", "intercalada"
};
class ModoDaPagina : public Pagina, public ::testing::WithParamInterface<CasoModo> {};

TEST_P(ModoDaPagina, TipoTratGraficoEscolheORenderizador) {
    const CasoModo c = GetParam();
    cfg.TipoTratGrafico = c.tipo;
    Grafico("g.grb", "*\n");
    PaginaImpressao p(cfg, *disp);
    p.MargemAtual = 1;
    p.AdicionaLinhaPagina("A");
    if (c.temGrafico) p.AdicionaLinhaPagina(G4 + "  E   g.grb ");
    p.ImprimePagina();
    auto e = Envios();
    ASSERT_FALSE(e.empty());
    std::string modo = e[0] == ESC1 ? "grafica" : (e.size() > 1 && e[1] == ESC1 ? "intercalada" : "texto");
    EXPECT_EQ(modo, c.modo);
    if (c.tipo == 4 && c.temGrafico) {
        EXPECT_EQ(e[1], " " + G4 + " E   g.grb\r");
    }
    if (c.tipo == 1) {
        EXPECT_EQ(e, (std::vector<std::string>{" A\r", FF}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tipos, ModoDaPagina,
    ::testing::Values(CasoModo{0, true, "intercalada"}, CasoModo{0, false, "texto"},
                      CasoModo{1, true, "texto"}, CasoModo{2, false, "texto"},
                      CasoModo{2, true, "grafica"}, CasoModo{3, false, "grafica"},
                      CasoModo{3, true, "grafica"}, CasoModo{4, true, "texto"}));

TEST_F(Pagina, ReservadaComoTextoSaiComoEsta) {
    cfg.TipoTratGrafico = 4;
    PaginaImpressao p(cfg, *disp);
    p.MargemAtual = 2;
    p.AdicionaLinhaPagina(RES);
    EXPECT_TRUE(p.ImprimePagina());
    EXPECT_EQ(Envios(), (std::vector<std::string>{"  " + RES + "\r", FF}));
}

struct CasoPosicao {
    const char* posicao;
    int largura;     // graphic width in dots (even)
    int margem;
    int x0;
};
class PosicaoDoGrafico : public Pagina, public ::testing::WithParamInterface<CasoPosicao> {};

TEST_P(PosicaoDoGrafico, ColunaInicial) {
    const CasoPosicao c = GetParam();
    cfg.LarguraUtil = 10;  // usable width: (10 - 1) * 3 + 1 + 1 = 29 dots
    cfg.TamPrefixoMargem = 1;
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

INSTANTIATE_TEST_SUITE_P(
    Posicoes, PosicaoDoGrafico,
    ::testing::Values(
        // E, C, D start after prefix and margin: CelaParaPonto(1 + m + 1) - 1.
        CasoPosicao{"E", 4, 0, 3}, CasoPosicao{"e", 4, 1, 6},
        CasoPosicao{"C", 4, 0, 3 + 12}, CasoPosicao{"D", 4, 0, 3 + 25},
        // Wider than the usable width: not shifted.
        CasoPosicao{"C", 40, 0, 3}, CasoPosicao{"D", 40, 0, 3},
        // Column n: CelaParaPonto(n + margin) - 1, pulled left to end at the edge.
        CasoPosicao{"3", 4, 0, 6}, CasoPosicao{"0", 4, 0, 0}, CasoPosicao{"-5", 4, 0, 0},
        CasoPosicao{"9", 10, 0, 19}, CasoPosicao{"9", 40, 0, 0}, CasoPosicao{"x1", 4, 0, 0},
        // A column far past the page is pulled back to the edge like any other.
        CasoPosicao{"999999999", 4, 0, 25}, CasoPosicao{"999999999", 4, 5, 25}));

TEST_F(Pagina, NomeRelativoAoLadoDoDocumento) {
    Grafico("perto.grb", "*\n");
    PaginaImpressao p(cfg, *disp);
    int x0, w, h;
    EXPECT_TRUE(p.PosicionaGrafico(0, G4 + " E perto.grb", x0, w, h));
    EXPECT_TRUE(dlg.fake.registros.empty());
}

TEST_F(Pagina, GraficoAusenteAvisaEDeixaEmBranco) {
    cfg.TipoTratGrafico = 3;
    PaginaImpressao p(cfg, *disp);
    p.AdicionaLinhaPagina(G4 + " E falta.grb");
    EXPECT_TRUE(p.ImprimePagina());
    std::string nome = (dir / "falta.grb").string();
    EXPECT_EQ(dlg.fake.Textos(), (std::vector<std::string>{"Arquivo " + nome + " n\xe3o achado"}));
    EXPECT_EQ(Envios(), (std::vector<std::string>{ESC1, "\r", FF, ESCF}));
}

// A graphic name that is a pipe or a folder is not a file: reported as
// missing instead of blocking the print job on the read.
TEST_F(Pagina, GraficoQueNaoEhArquivoComumAvisa) {
    const std::string fifo = (dir / "cano.grb").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(dir / "pasta.grb");
    PaginaImpressao p(cfg, *disp);
    int x0, w, h;
    EXPECT_FALSE(p.PosicionaGrafico(0, G4 + " E cano.grb", x0, w, h));
    EXPECT_FALSE(p.PosicionaGrafico(0, G4 + " E pasta.grb", x0, w, h));
    EXPECT_EQ(dlg.fake.Textos(),
              (std::vector<std::string>{"Arquivo " + fifo + " n\xe3o achado",
                                        "Arquivo " + (dir / "pasta.grb").string() + " n\xe3o achado"}));
}

// A graphic line naming a file that never ends is refused with its message
// and the page still goes out.
TEST_F(Pagina, GraficoGrandeDemaisAvisaEDeixaEmBranco) {
    cfg.TipoTratGrafico = 3;
    PaginaImpressao p(cfg, *disp);
    p.AdicionaLinhaPagina(G4 + " E /proc/self/pagemap");
    EXPECT_TRUE(p.ImprimePagina());
    EXPECT_EQ(dlg.fake.Textos(), (std::vector<std::string>{MensagemLeituraGRB(
                                     LeituraGRB::GrandeDemais, "/proc/self/pagemap", "")}));
    EXPECT_EQ(Envios(), (std::vector<std::string>{ESC1, "\r", FF, ESCF}));
}

TEST_F(Pagina, GraficoSemNomeNaoEhColocado) {
    PaginaImpressao p(cfg, *disp);
    int x0, w, h;
    EXPECT_FALSE(p.PosicionaGrafico(0, G4 + " E", x0, w, h));
    EXPECT_FALSE(p.PosicionaGrafico(0, G4, x0, w, h));
    EXPECT_TRUE(dlg.fake.registros.empty());
}

TEST_F(Pagina, GraficoGrandeCortadoNaBordaDaMatriz) {
    // As wide and as tall as the matrix, placed past its corner.
    std::string grande;
    for (int i = 0; i < LadoMatriz; ++i) grande += std::string(LadoMatriz, '*') + "\n";
    Grafico("enorme.grb", grande);
    PaginaImpressao p(cfg, *disp);
    p.MargemAtual = 2;
    int x0, w, h;
    EXPECT_TRUE(p.PosicionaGrafico(899, G4 + " E enorme.grb", x0, w, h));
    EXPECT_TRUE(PontoMarcado(p.Matriz(), 900, 899));
}

struct CasoSalta {
    const char* modelo;
    bool arquivo;
    std::vector<std::string> envios;
};
class Salto : public Pagina, public ::testing::WithParamInterface<CasoSalta> {};

TEST_P(Salto, SoPuma7EmArquivo) {
    auto d = std::make_unique<DispositivoFalso>(reg, GetParam().arquivo);
    cfg.ImprMarca = GetParam().modelo;
    PaginaImpressao p(cfg, *d);
    EXPECT_TRUE(p.SaltaPagina());
    EXPECT_EQ(Envios(), GetParam().envios);
}

INSTANTIATE_TEST_SUITE_P(Modelos, Salto,
                         ::testing::Values(CasoSalta{"Puma 7", true, {FF}}, CasoSalta{"Puma 7", false, {}},
                                           CasoSalta{"puma 7", true, {}}, CasoSalta{"Index", true, {}}));

TEST_F(Pagina, PaginaTigerTextoEGrafico) {
    cfg.EhTiger = true;
    cfg.Geometria = GeometriaTigerNormal;
    Grafico("t.grb", "* \n *\n");
    std::vector<std::string> ev;
    auto tiger = AbreTiger(std::make_unique<SuperficieFalsa>(&ev), "doc");
    ASSERT_TRUE(tiger);
    PaginaImpressao p(cfg, *tiger);
    p.AdicionaLinhaPagina("AB");
    p.AdicionaLinhaPagina(G4 + " 1 t.grb");
    p.AdicionaLinhaPagina(RES);
    p.AdicionaLinhaPagina("C");
    EXPECT_TRUE(p.ImprimePagina());
    // x = 50, 80 high: dot steps 10 x 10, twice for graphic dots. The graphic
    // (2 x 2 dots, not rounded on a Tiger; 3 x 3 in dots with step 2) is drawn
    // on the second text line, column 0 -> x = 10.
    EXPECT_EQ(ev, (std::vector<std::string>{"INICIA doc", "T 0,0 AB", "P 10,80", "P 30,100",
                                            "T 0,80  ", "T 0,160 C", "PAGINA"}));
    EXPECT_TRUE(dlg.fake.registros.empty());
}

}  // namespace
