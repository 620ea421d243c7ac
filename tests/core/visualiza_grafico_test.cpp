// The graphic page preview's page (the same dots in the same places as the
// page renderer embosses in graphic mode), its page finding, spacing and
// messages; the graphic file viewer's pixels.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/dmvars.h"
#include "output/dmImprPagina.h"
#include "output/dmgrafpr.h"
#include "output/dmvigraf.h"
#include "platform/dialogos.h"
#include "support/config_pagina_teste.h"
#include "support/dispositivo_falso.h"
#include "support/temporario.h"

namespace {

using Pontos = std::set<std::pair<int, int>>; // (x, y)

const std::string G4(4, '\x0f');
const std::string Quebra(50, '-');

// A 6 x 4 graphic with a dot at each corner and one in the middle.
const std::string Fig = "*    *\r\n"
                        "\r\n"
                        "   *\r\n"
                        "*    *\r\n";

class PreviewGraf : public ::testing::Test {
protected:
    void SetUp() override {
        pasta.grava("fig.grb", Fig);
        cfg = ConfigPaginaTeste();
        cfg.ArqAtual = pasta.caminho("doc.txt");
        cfg.TamPrefixoMargem = 2;
        entrada.ArqAtual = cfg.ArqAtual;
        entrada.TamPrefixoMargem = cfg.TamPrefixoMargem;
        entrada.LarguraUtil = cfg.LarguraUtil;
        entrada.PontosDoCaractere = cfg.PontosDoCaractere;
        entrada.Geometria = cfg.Geometria;
        entrada.MaxCarac = 34;
        entrada.MaxLin = 28;
        entrada.TipoTratGrafico = GraficoIntercalado;
    }

    // The dots the renderer embosses for the page in graphic mode, read
    // back from its bands (each cell two dot columns by three dot rows).
    Pontos Impressos(const std::vector<std::string>& pagina) {
        cfg.TipoTratGrafico = GraficoTodasPaginas;
        auto reg = std::make_shared<RegistroDispositivo>();
        DispositivoFalso disp(reg);
        PaginaImpressao p(cfg, disp);
        for (const auto& l : pagina) p.AdicionaLinhaPagina(l);
        EXPECT_TRUE(p.ImprimePagina());
        std::array<int, 256> mascara{};
        mascara.fill(-1);
        for (int m = 0; m < 64; ++m) mascara[cfg.TabelaImpressora[cfg.Celas[static_cast<size_t>(m)]]] = m;
        Pontos r;
        EXPECT_GE(reg->envios.size(), 4u);
        EXPECT_EQ(reg->envios.front(), "\x1b" "1");
        for (size_t b = 1; b + 2 < reg->envios.size(); ++b) {
            std::string faixa = reg->envios[b];
            while (!faixa.empty() && (faixa.back() == '\n' || faixa.back() == '\r')) faixa.pop_back();
            for (size_t c = 0; c < faixa.size(); ++c) {
                const int m = mascara[static_cast<unsigned char>(faixa[c])];
                EXPECT_GE(m, 0);
                for (int n = 0; n < 6; ++n)
                    if (m & (1 << n))
                        r.insert({2 * static_cast<int>(c) + n / 3, 3 * static_cast<int>(b - 1) + n % 3});
            }
        }
        return r;
    }

    // The preview's blocks, one dot each with the printing geometry, taken
    // back to dot positions (the picture has a one-pixel margin).
    Pontos Previstos(const PaginaPreviewGraf& p) {
        Pontos r;
        for (const BlocoPonto& b : p.pontos) {
            EXPECT_EQ(b.largura, 1);
            EXPECT_EQ(b.altura, 1);
            r.insert({b.x - 1, b.y - 1});
        }
        return r;
    }

    PastaTemporaria pasta;
    ConfigPagina cfg;
    EntradaPreviewGraf entrada;
    DialogosFalsosEscopo dlg;
};

TEST_F(PreviewGraf, PaginaDeTextoIgualAoQueSeImprime) {
    const std::vector<std::string> pagina = {"ABC DEF", "", "GH!", MarcaReservada, "XYZ 123"};
    entrada.linhas = {"antes", Quebra};
    entrada.linhas.insert(entrada.linhas.end(), pagina.begin(), pagina.end());
    entrada.linhas.push_back(Quebra);
    entrada.linhas.push_back("depois");
    entrada.selecionada = 4;
    entrada.TipoTratGrafico = GraficoTodasPaginas;
    const PaginaPreviewGraf p = DesenhaPaginaGraf(entrada);
    EXPECT_FALSE(p.PaginaPreviewTemGrafico);
    const Pontos impressos = Impressos(pagina);
    EXPECT_FALSE(impressos.empty());
    EXPECT_EQ(Previstos(p), impressos);
    EXPECT_TRUE(p.mensagens.empty());
}

// A page with a graphic, for every way of placing it: the graphic and the
// text stand where the renderer puts them.
class PreviewGrafColuna : public PreviewGraf, public ::testing::WithParamInterface<const char*> {};

TEST_P(PreviewGrafColuna, PaginaComGraficoIgualAoQueSeImprime) {
    const std::vector<std::string> pagina = {
        "TITULO", G4 + " " + GetParam() + " fig.grb      ", MarcaReservada, "AB", "FIM"};
    entrada.linhas = pagina;
    entrada.selecionada = 3;
    entrada.TipoTratGrafico = GraficoPaginasComGrafico;
    const PaginaPreviewGraf p = DesenhaPaginaGraf(entrada);
    EXPECT_TRUE(p.PaginaPreviewTemGrafico);
    EXPECT_EQ(Previstos(p), Impressos(pagina));
}

INSTANTIATE_TEST_SUITE_P(Colunas, PreviewGrafColuna,
                         ::testing::Values("E", "C", "D", "c", "1", "12", "33", "999", "0", "X"));

TEST_F(PreviewGraf, GraficoNaColunaDoRascunho) {
    entrada.linhas = {G4 + " 12 fig.grb", G4 + " X fig.grb"};
    entrada.selecionada = 0;
    const PaginaPreviewGraf p = DesenhaPaginaGraf(entrada);
    Pontos cantos;
    for (const BlocoPonto& b : p.pontos)
        if (b.y == 1) cantos.insert({b.x, b.y});
    // Column 12 (the margin prefix is already in it): dot column
    // CelaParaPonto(12) - 1 = 33, drawn one pixel in; column X at 0.
    EXPECT_EQ(cantos, (Pontos{{34, 1}, {39, 1}, {1, 1}, {6, 1}}));
}

struct CasoPagina {
    const char* nome;
    int selecionada;
    int pontos; // blocks drawn: 1 per dot of the page's text
};

class PreviewGrafPagina : public PreviewGraf, public ::testing::WithParamInterface<CasoPagina> {};

TEST_P(PreviewGrafPagina, PaginaDaLinhaSelecionada) {
    // "A" has one dot, "B" two, "L" three (North American Braille ASCII).
    entrada.linhas = {"A", Quebra, "B", "B", std::string(50, '='), "L"};
    entrada.selecionada = GetParam().selecionada;
    const PaginaPreviewGraf p = DesenhaPaginaGraf(entrada);
    EXPECT_EQ(static_cast<int>(p.pontos.size()), GetParam().pontos);
    EXPECT_EQ(p.LarguraPaginaGraf, 3 * 35 + 4);
    EXPECT_EQ(p.AlturaPaginaGraf, 5 * 29 + 4);
}

INSTANTIATE_TEST_SUITE_P(
    Linhas, PreviewGrafPagina,
    ::testing::Values(CasoPagina{"PrimeiraLinha", 0, 1}, CasoPagina{"SemSelecaoLinhaUm", -1, 4},
                      CasoPagina{"SeparadorMostraAProxima", 1, 4}, CasoPagina{"MeioDaPagina", 3, 4},
                      CasoPagina{"SeparadorDuplo", 4, 3}, CasoPagina{"UltimaLinha", 5, 3},
                      CasoPagina{"AlemDoFimPaginaVazia", 6, 0}),
    [](const ::testing::TestParamInfo<CasoPagina>& i) { return std::string(i.param.nome); });

// With interleaved graphics, the text lines beside a graphic of 3 lines use
// the graphic spacing, the lines after it the text spacing (the screen set
// tells them apart: 4 and 5 pixels).
TEST_F(PreviewGraf, TextoAoLadoDoGraficoComEspacamentoGrafico) {
    std::string alto;
    for (int i = 0; i < 12; ++i) alto += "*\r\n"; // 12 dot rows: 3 braille lines
    pasta.grava("alto.grb", alto);
    entrada.Geometria = GeometriaDoModelo("Index Basic", true);
    entrada.TipoTratGrafico = GraficoIntercalado;
    entrada.linhas = {G4 + " E alto.grb", "K", "K", "K", "K", "K"}; // K: dots 1 and 3
    entrada.selecionada = 0;
    // Distance from dot 1 to dot 3 of the first cell of each text line.
    auto passos = [&](const PaginaPreviewGraf& p, int linhas) {
        std::vector<int> r;
        for (int linha = 0; linha < linhas; ++linha) {
            const int y0 = linha * entrada.Geometria.PassoCelaTexto.y + 1;
            int ultimo = -1;
            for (const BlocoPonto& b : p.pontos)
                if (b.x == 1 && b.y >= y0 && b.y < y0 + 16) ultimo = b.y;
            r.push_back(ultimo - y0);
        }
        return r;
    };
    EXPECT_EQ(passos(DesenhaPaginaGraf(entrada), 5), (std::vector<int>{8, 8, 8, 10, 10}));
    // Every page in graphic mode: graphic spacing, also without a graphic.
    entrada.TipoTratGrafico = GraficoTodasPaginas;
    entrada.linhas = {"K", "K"};
    EXPECT_EQ(passos(DesenhaPaginaGraf(entrada), 2), (std::vector<int>{8, 8}));
    // Graphic pages only: text spacing on a page without a graphic.
    entrada.TipoTratGrafico = GraficoPaginasComGrafico;
    EXPECT_EQ(passos(DesenhaPaginaGraf(entrada), 2), (std::vector<int>{10, 10}));
}

TEST_F(PreviewGraf, ArquivoAusenteAvisaEOrestoSeDesenha) {
    entrada.linhas = {G4 + " E sumiu.grb", "A"};
    entrada.selecionada = 0;
    const PaginaPreviewGraf p = DesenhaPaginaGraf(entrada);
    EXPECT_EQ(p.mensagens,
              (std::vector<std::string>{"Arquivo "_cp + pasta.caminho("sumiu.grb") + " não achado"_cp}));
    EXPECT_EQ(p.pontos.size(), 1u);
    // A graphic line without its two blanks is skipped quietly; with
    // graphics off the graphic is not embossed, so not shown.
    entrada.linhas = {G4 + "Efig.grb", G4 + " E", "A"};
    EXPECT_TRUE(DesenhaPaginaGraf(entrada).mensagens.empty());
    entrada.linhas = {G4 + " E fig.grb"};
    entrada.TipoTratGrafico = GraficoNenhum;
    EXPECT_TRUE(DesenhaPaginaGraf(entrada).pontos.empty());
    EXPECT_TRUE(dlg.fake.registros.empty());
}

// A graphic too wide or too long for the page: the limit messages, and the
// drawing clipped to the picture, however long the file's lines.
TEST_F(PreviewGraf, GraficoForaDosLimites) {
    // As wide as a page matrix holds (a wider graphic is refused).
    pasta.grava("largo.grb", std::string(LadoMatriz, '*') + "\r\n");
    pasta.grava("longo.grb", std::string(400, '\n') + "*");
    pasta.grava("ambos.grb", std::string(400, '\n') + std::string(LadoMatriz, '#'));
    pasta.grava("binario.grb", std::string("\x00\x01\xff\n\x7f", 5));
    const std::string linha = "Gráfico fora dos limites da linha"_cp;
    const std::string pagina = "Gráfico fora dos limites da página"_cp;
    const std::vector<std::pair<const char*, std::vector<std::string>>> casos = {
        {"largo.grb", {linha}},
        {"longo.grb", {pagina}},
        {"ambos.grb", {pagina + "\r\n" + linha}},
        {"binario.grb", {}}};
    for (const auto& [nome, mensagens] : casos) {
        entrada.linhas = {G4 + " E " + nome};
        entrada.selecionada = 0;
        const PaginaPreviewGraf p = DesenhaPaginaGraf(entrada);
        EXPECT_EQ(p.mensagens, mensagens) << nome;
        for (const BlocoPonto& b : p.pontos) {
            EXPECT_LT(b.x, p.LarguraPaginaGraf + 16) << nome;
            EXPECT_LT(b.y, p.AlturaPaginaGraf + 16) << nome;
        }
        EXPECT_LE(p.pontos.size(), static_cast<size_t>((p.LarguraPaginaGraf + 16) * (p.AlturaPaginaGraf + 16)));
    }
    // A text line far longer than the page is cut at the picture too.
    entrada.linhas = {std::string(100000, '=')};
    const PaginaPreviewGraf p = DesenhaPaginaGraf(entrada);
    EXPECT_FALSE(p.pontos.empty());
    for (const BlocoPonto& b : p.pontos) EXPECT_LT(b.x, p.LarguraPaginaGraf + 16);

    // Absurd cells and lines in the settings: the page is still a picture a
    // screen holds, not one of gigabytes.
    entrada.Geometria = GeometriaDoModelo("Index Basic", true);
    entrada.MaxCarac = 100000;
    entrada.MaxLin = 100000;
    const PaginaPreviewGraf enorme = DesenhaPaginaGraf(entrada);
    EXPECT_EQ(enorme.LarguraPaginaGraf, MaxLadoPaginaGraf);
    EXPECT_EQ(enorme.AlturaPaginaGraf, MaxLadoPaginaGraf);
}

// ---- The graphic file viewer -----------------------------------------------

TEST(ExibeGraf, CadaPontoNoDobroDoLugar) {
    // Star, blank, star; an empty line; one star.
    EXPECT_EQ(PixelsGRB("* *\r\n\r\n*\r\n"), (std::vector<Pixel>{{1, 1}, {5, 1}, {1, 5}}));
    EXPECT_EQ(PixelsGRB(""), std::vector<Pixel>{});
    EXPECT_EQ(PixelsGRB("   \n \t"), (std::vector<Pixel>{{3, 3}}));
}

TEST(ExibeGraf, AlemDaImagemNaoSeVe) {
    std::string grande;
    for (int i = 0; i < 1000; ++i) grande += std::string(100000, '*') + "\n";
    const std::vector<Pixel> p = PixelsGRB(grande);
    EXPECT_EQ(p.size(), 232u * 256u);
    for (const Pixel& x : p) {
        EXPECT_LT(x.x, LarguraImagemExibe);
        EXPECT_LT(x.y, AlturaImagemExibe);
    }
    EXPECT_EQ(p.back(), (Pixel{463, 511}));
}

} // namespace
