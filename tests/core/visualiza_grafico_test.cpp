// The graphic page preview (the dots the page renderer embosses in graphic
// mode), its page finding, spacing and messages; the graphic file viewer.
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
const std::string Fig = "*    *\r\n\r\n   *\r\n*    *\r\n";

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

// A page of text, and a page with a graphic for every way of placing it:
// the dots stand where the renderer embosses them.
TEST_F(PreviewGraf, PaginaIgualAoQueSeImprime) {
    const std::vector<std::string> pagina = {"ABC DEF", "", "GH!", MarcaReservada, "XYZ 123"};
    entrada.linhas = {"antes", Quebra};
    entrada.linhas.insert(entrada.linhas.end(), pagina.begin(), pagina.end());
    entrada.linhas.insert(entrada.linhas.end(), {Quebra, "depois"});
    entrada.selecionada = 4;
    entrada.TipoTratGrafico = GraficoTodasPaginas;
    const PaginaPreviewGraf p = DesenhaPaginaGraf(entrada);
    EXPECT_FALSE(p.PaginaPreviewTemGrafico);
    const Pontos impressos = Impressos(pagina);
    EXPECT_FALSE(impressos.empty());
    EXPECT_EQ(Previstos(p), impressos);
    EXPECT_TRUE(p.mensagens.empty());
    for (const char* coluna : {"E", "C", "D", "c", "1", "12", "33", "999", "0", "X"}) {
        entrada.linhas = {"TITULO", G4 + " " + coluna + " fig.grb      ", MarcaReservada, "AB", "FIM"};
        entrada.selecionada = 3;
        entrada.TipoTratGrafico = GraficoPaginasComGrafico;
        const PaginaPreviewGraf g = DesenhaPaginaGraf(entrada);
        EXPECT_TRUE(g.PaginaPreviewTemGrafico) << coluna;
        EXPECT_EQ(Previstos(g), Impressos(entrada.linhas)) << coluna;
    }
}

// The page of the selected line: blocks drawn, one per dot of its text
// ("A" has one dot, "B" two, "L" three).
TEST_F(PreviewGraf, PaginaDaLinhaSelecionada) {
    entrada.linhas = {"A", Quebra, "B", "B", std::string(50, '='), "L"};
    const std::pair<int, int> casos[] = {{0, 1}, {-1, 4}, {1, 4}, {3, 4}, {4, 3}, {5, 3}, {6, 0}};
    for (auto [selecionada, pontos] : casos) {
        entrada.selecionada = selecionada;
        const PaginaPreviewGraf p = DesenhaPaginaGraf(entrada);
        EXPECT_EQ(static_cast<int>(p.pontos.size()), pontos) << selecionada;
        EXPECT_EQ(p.LarguraPaginaGraf, 3 * 35 + 4);
        EXPECT_EQ(p.AlturaPaginaGraf, 5 * 29 + 4);
    }
}

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
    entrada.linhas = {G4 + " E fig.grb", G4 + " 1 fig.grb"};
    entrada.TipoTratGrafico = GraficoNenhum;
    const PaginaPreviewGraf semGraficos = DesenhaPaginaGraf(entrada);
    EXPECT_TRUE(semGraficos.pontos.empty());
    EXPECT_EQ(semGraficos.mensagens,
              std::vector<std::string>{"Os gráficos desta página não serão impressos: o tipo de tratamento "
                                       "gráfico é \"Não imprime os gráficos\" (Configurar, Parâmetros do Programa)."_cp});
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

// The graphic file viewer: each dot at twice its place, nothing past the picture.
TEST(ExibeGraf, CadaPontoNoDobroDoLugar) {
    EXPECT_EQ(PixelsGRB("* *\r\n\r\n*\r\n"), (std::vector<Pixel>{{1, 1}, {5, 1}, {1, 5}}));
    EXPECT_EQ(PixelsGRB(""), std::vector<Pixel>{});
    EXPECT_EQ(PixelsGRB("   \n \t"), (std::vector<Pixel>{{3, 3}}));
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
