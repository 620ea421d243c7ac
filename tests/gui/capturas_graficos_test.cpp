// Screenshots of the tactile-graphic windows (run by tools/capturas.sh, not
// by ctest): the graphic page preview of a page with an embedded graphic,
// the graphic file viewer, the relief-text window with a word typed and
// without its dot font, and the resolution dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/dmutil.h"
#include "core/dmvars.h"
#include "core/documento.h"
#include "editor/gui/dmVisual.h"
#include "editor/gui/dmmain.h"
#include "output/gui/TformAltoRelevo.h"
#include "output/gui/TformExibeGraf.h"
#include "output/gui/TformResolucao.h"
#include "output/gui/TformVisualGraf.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"
#include "support/temporario.h"
#include "gui/capturas_apoio.h"

namespace {

// A house: a roof, walls, a door and a window, 40 x 30 dots.
std::string Casa() {
    std::vector<std::string> l(30, std::string(40, ' '));
    for (int i = 0; i < 20; ++i) {
        l[static_cast<size_t>(10 - i / 2)][static_cast<size_t>(i)] = '*';
        l[static_cast<size_t>(10 - i / 2)][static_cast<size_t>(39 - i)] = '*';
    }
    for (int y = 10; y < 30; ++y) l[static_cast<size_t>(y)][0] = l[static_cast<size_t>(y)][39] = '*';
    for (int x = 0; x < 40; ++x) l[29][static_cast<size_t>(x)] = l[10][static_cast<size_t>(x)] = '*';
    for (int y = 18; y < 29; ++y) l[static_cast<size_t>(y)][8] = l[static_cast<size_t>(y)][15] = '*';
    for (int x = 8; x <= 15; ++x) l[18][static_cast<size_t>(x)] = '*';
    for (int y = 14; y < 22; ++y) l[static_cast<size_t>(y)][24] = l[static_cast<size_t>(y)][33] = '*';
    for (int x = 24; x <= 33; ++x) l[14][static_cast<size_t>(x)] = l[21][static_cast<size_t>(x)] = '*';
    std::string r;
    for (auto& s : l) {
        while (!s.empty() && s.back() == ' ') s.pop_back();
        r += s + "\r\n";
    }
    return r;
}

class CapturasGraficos : public ::testing::Test {
protected:
    void SetUp() override {
        ini = std::make_unique<VariavelAmbiente>("DOTMARA_INI", pasta.caminho("capturas.ini"));
        RestauraPadroes();
        ArqAmbCode = std::string(DOTMARA_DATA_DIR) + "/ambcode.cfg";
        ArqAmbCode2 = std::string(DOTMARA_DATA_DIR) + "/ambcode2.cfg";
        ArqRascunho = pasta.caminho("rascunho.txt");
        TipoTratGrafico = 0;
        janela = std::make_unique<TformPrincipal>();
        formPrincipal = janela.get();
        visual = std::make_unique<TformVisual>();
        formVisual = visual.get();
        grafico = std::make_unique<TformVisualGraf>();
        formVisualGraf = grafico.get();
        janela->LigaVisual(visual.get());
        janela->LigaVisualGraf(visual.get(), grafico.get());
        DefineDocumentoAtual(janela.get());
    }
    void TearDown() override {
        DefineDocumentoAtual(nullptr);
        formVisualGraf = nullptr;
        grafico.reset();
        formVisual = nullptr;
        visual.reset();
        formPrincipal = nullptr;
        janela.reset();
        RestauraPadroes();
    }
    PastaTemporaria pasta;
    std::unique_ptr<VariavelAmbiente> ini;
    DialogosFalsosEscopo caixas;
    std::unique_ptr<TformPrincipal> janela;
    std::unique_ptr<TformVisual> visual;
    std::unique_ptr<TformVisualGraf> grafico;
};

TEST_F(CapturasGraficos, DISABLED_PreviewVisualizadorEAltoRelevo) {
    const std::string casa = pasta.grava("casa.grb", Casa());
    ASSERT_TRUE(MudaDiretorioAtual(pasta.dir()));
    ArqAtual = pasta.caminho("texto.txt");
    ASSERT_TRUE(CarregaTabelaImpressora());
    janela->DefineLinhas({"A casa", "", "Veja abaixo o desenho de uma casa com porta e janela.",
                          "<G* E " + casa + ">", "Depois do desenho, o texto continua normalmente.",
                          "Fim."});
    janela->show();
    janela->VisualizaBraille(true, true);
    ASSERT_GT(visual->lboxVisual->count(), 3);
    visual->lboxVisual->setCurrentRow(2);
    visual->imVisGrafico->trigger();
    ASSERT_TRUE(grafico->isVisible());
    EXPECT_TRUE(caixas.fake.registros.empty()) << caixas.fake.Textos().front();
    EXPECT_TRUE(GravaCaptura(grafico.get(), "dotmara_grafico_pagina.png"));

    TformExibeGraf exibe;
    exibe.NomeArquivo = casa;
    exibe.show();
    EXPECT_TRUE(GravaCaptura(&exibe, "dotmara_grafico_verificacao.png"));
    exibe.hide();

    TformAltoRelevo relevo;
    ASSERT_TRUE(relevo.FonteCarregada());
    relevo.show();
    relevo.memAltoRelevo->setPlainText(ParaQString("Olá, Brasil!"_cp));
    EXPECT_TRUE(GravaCaptura(&relevo, "dotmara_alto_relevo.png"));
    relevo.hide();

    TformResolucao resolucao;
    resolucao.show();
    EXPECT_TRUE(GravaCaptura(&resolucao, "dotmara_resolucao.png"));
    resolucao.hide();

    // Without its dot font: the controls off and the red warning.
    VariavelAmbiente semDados("DOTMARA_DATA_DIR", pasta.caminho("vazia"));
    TformAltoRelevo semFonte;
    ASSERT_FALSE(semFonte.FonteCarregada());
    semFonte.show();
    EXPECT_TRUE(GravaCaptura(&semFonte, "dotmara_alto_relevo_sem_fonte.png"));
    semFonte.hide();
}

} // namespace
