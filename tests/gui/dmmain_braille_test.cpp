// The main window's braille strip, the view commands and reviewer mode.
#include "support/janela_teste.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QThread>

#include "core/dmtraduz.h"
#include "core/dmtraduz_estado.h"
#include "editor/dmpreview.h"
#include "editor/gui/dmcelas.h"

namespace {

class LinhasBraille : public JanelaDeTeste {
protected:
    void SetUp() override {
        JanelaDeTeste::SetUp();
        ASSERT_TRUE(CarregaTabelaImpressora());
        CriaVisual();
    }
    // The strip's labels from top (labLinha5) to bottom (labLinha1), as the
    // editor lines they show (-1 empty), read back through their captions.
    std::vector<int> LinhasMostradas() {
        std::vector<int> r;
        for (int i = 5; i >= 1; --i) {
            const std::string& leg = janela->LabLinhas[static_cast<size_t>(i)]->Legenda();
            int achada = -1;
            for (int k = 0; k < janela->NumLinhas(); ++k)
                if (!leg.empty() && leg == LinhaBraillePreview(janela->Linha(k), TraduzLinhaIsolada)) achada = k;
            r.push_back(achada);
        }
        return r;
    }
    int Realcado() {
        int r = 0;
        for (int i = 1; i <= 5; ++i)
            if (janela->LabLinhas[static_cast<size_t>(i)]->Cor() == janela->CorLinhaAtual) r = r * 10 + i;
        return r;
    }

    const int& bipes = srv.fake.bipes;
};

const std::vector<std::string> kDoc = {"um", "dois", "tr\xeas", "quatro", "cinco", "seis", "sete"};

TEST_F(LinhasBraille, UmaLinhaSegueOCursor) {
    Texto(kDoc);
    CursorNaLinha(2);
    EXPECT_FALSE(janela->LabLinhas[1]->isHidden());
    for (int i = 2; i <= 5; ++i) EXPECT_TRUE(janela->LabLinhas[static_cast<size_t>(i)]->isHidden());
    EXPECT_EQ(janela->LabLinhas[1]->Legenda(), LinhaBraillePreview("tr\xeas", TraduzLinhaIsolada));
    EXPECT_EQ(janela->LabLinhas[1]->text(), TextoCelas(janela->LabLinhas[1]->Legenda()));
    EXPECT_FALSE(janela->LabLinhas[1]->Legenda().empty());
    // Hidden labels are kept up to date too.
    EXPECT_EQ(LinhasMostradas(), (std::vector<int>{-1, -1, 0, 1, 2}));
    CursorNaLinha(5);
    EXPECT_EQ(LinhasMostradas(), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(LinhasBraille, CincoLinhasERealceAoClicar) {
    Texto(kDoc);
    CursorNaLinha(0);
    janela->imVis5Linhas->trigger(); // F5
    EXPECT_TRUE(janela->ckbox5Linhas->isChecked());
    EXPECT_TRUE(janela->imVis5Linhas->isChecked());
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(janela->LabLinhas[static_cast<size_t>(i)]->isHidden());
    // First line, highlight at the bottom: the four upper labels are empty.
    EXPECT_EQ(LinhasMostradas(), (std::vector<int>{-1, -1, -1, -1, 0}));
    EXPECT_EQ(Realcado(), 1);
    CursorNaLinha(3);
    emit janela->LabLinhas[3]->clicado();
    EXPECT_EQ(Realcado(), 3);
    EXPECT_EQ(LinhasMostradas(), (std::vector<int>{1, 2, 3, 4, 5}));
    // Last line with the highlight on top: the four lower labels are empty.
    emit janela->LabLinhas[5]->clicado();
    CursorNaLinha(6);
    EXPECT_EQ(LinhasMostradas(), (std::vector<int>{6, -1, -1, -1, -1}));
    // One line and back to five: highlight and caret line at the bottom.
    janela->imVis5Linhas->trigger();
    EXPECT_FALSE(janela->ckbox5Linhas->isChecked());
    EXPECT_FALSE(janela->imVis5Linhas->isChecked());
    EXPECT_TRUE(janela->LabLinhas[5]->isHidden());
    janela->ckbox5Linhas->click();
    EXPECT_EQ(Realcado(), 1);
    EXPECT_EQ(LinhasMostradas(), (std::vector<int>{2, 3, 4, 5, 6}));
}

TEST_F(LinhasBraille, DigitarRetraduzALinhaDoCursor) {
    Texto(kDoc);
    CursorNaLinha(1);
    janela->richEdPrincipal->textCursor().insertText("x");
    EXPECT_EQ(janela->LabLinhas[1]->Legenda(), LinhaBraillePreview(janela->Linha(1), TraduzLinhaIsolada));
    EXPECT_EQ(janela->Linha(1), "xdois");
}

TEST_F(LinhasBraille, F12CompilaEMostraSemAtivarF9Ativa) {
    AutoJunta = false; // one braille line per editor line
    Texto(kDoc);
    CursorNaLinha(4);
    janela->imAtualizarBraille->trigger(); // F12, view hidden
    EXPECT_TRUE(visual->isVisible());
    EXPECT_FALSE(visual->RecarregarRascunho);
    EXPECT_GT(visual->lboxVisual->count(), 0);
    const int sel = visual->lboxVisual->currentRow();
    ASSERT_GE(sel, 0);
    EXPECT_EQ(MapaRascunhoEditor[static_cast<size_t>(sel)], 4);
    visual->hide();
    CursorNaLinha(6);
    janela->imVisualizar->trigger(); // F9
    EXPECT_TRUE(visual->isVisible());
    EXPECT_EQ(MapaRascunhoEditor[static_cast<size_t>(visual->lboxVisual->currentRow())], 6);
    // The view's page mode recompiles as F9 does, whatever range a print left.
    PagInicial = 3;
    PagFinal = 3;
    NumPagInic = 7;
    visual->cboxVisPaginas->setCurrentIndex(1);
    EXPECT_EQ(PagInicial, 1);
    EXPECT_EQ(PagFinal, 9999);
    EXPECT_EQ(NumPagInic, 1);
    EXPECT_EQ(MapaRascunhoEditor[static_cast<size_t>(visual->lboxVisual->currentRow())], 6);
    // Real page size: every page is filled with reserved lines.
    EXPECT_GE(visual->lboxVisual->count(), MaxLin);
}

TEST_F(LinhasBraille, TabelaQueFaltaNaoCompila) {
    Texto(kDoc);
    ArqAmbCode2 = "/nao/existe/ambcode2.cfg";
    janela->VisualizaBraille(true, true);
    EXPECT_FALSE(visual->isVisible());
    ASSERT_FALSE(caixas.fake.registros.empty());
}

TEST_F(LinhasBraille, RascunhoQueNaoSeGravaNaoMostraAVista) {
    Texto(kDoc);
    ArqRascunho = "/nao/existe/rascunho.txt";
    janela->imVisualizar->trigger();
    EXPECT_FALSE(visual->isVisible());
    ASSERT_EQ(caixas.fake.registros.size(), 1u);
    EXPECT_EQ(caixas.fake.registros[0].texto, "Erro em disco ao gerar arquivo de rascunho");
}

TEST_F(LinhasBraille, ModoRevisorLigaEDesliga) {
    Texto(kDoc);
    CursorNaLinha(2);
    janela->imModoRevisor->trigger(); // F4
    EXPECT_TRUE(janela->ModoRevisor());
    EXPECT_TRUE(janela->richEdPrincipal->isReadOnly());
    EXPECT_EQ(DeQString(janela->sbarPrincipal[2]->text()), "Modo de revis\xe3o - apenas leitura");
    EXPECT_EQ(janela->richEdPrincipal->palette().color(QPalette::Base),
              QColor(CorModoRevisor.r, CorModoRevisor.g, CorModoRevisor.b));
    // The view opens on the reviewer display.
    EXPECT_TRUE(visual->isVisible());
    EXPECT_FALSE(visual->richEdRevisor->isHidden());
    EXPECT_TRUE(visual->lboxVisual->isHidden());
    // The caret move writes no selection size any more.
    CursorNaLinha(3);
    EXPECT_EQ(DeQString(janela->sbarPrincipal[2]->text()), "Modo de revis\xe3o - apenas leitura");
    // Five beeps, spread over 1.7 s.
    QElapsedTimer t;
    t.start();
    while (bipes < 5 && t.elapsed() < 5000) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    EXPECT_EQ(bipes, 5);

    janela->imModoRevisor->trigger();
    EXPECT_FALSE(janela->ModoRevisor());
    EXPECT_FALSE(janela->richEdPrincipal->isReadOnly());
    EXPECT_EQ(bipes, 6);
    EXPECT_TRUE(janela->sbarPrincipal[2]->text().isEmpty());
    EXPECT_EQ(janela->sbarPrincipal[2]->minimumWidth(), 100);
    EXPECT_EQ(janela->richEdPrincipal->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_FALSE(visual->lboxVisual->isHidden());
    EXPECT_TRUE(visual->richEdRevisor->isHidden());
    CursorNaLinha(1);
    EXPECT_TRUE(DeQString(janela->sbarPrincipal[2]->text()).find("Sel") != std::string::npos);
}

TEST_F(LinhasBraille, IrAoOriginalPosicionaOCursorDoEditor) {
    AutoJunta = false;
    Texto(kDoc);
    CursorNaLinha(5);
    janela->VisualizaBraille(true, true);
    ASSERT_TRUE(visual->isVisible());
    CursorNaLinha(0);
    visual->IrAoOriginal();
    EXPECT_FALSE(visual->isVisible());
    EXPECT_EQ(janela->richEdPrincipal->textCursor().blockNumber(), 5);
}

} // namespace
