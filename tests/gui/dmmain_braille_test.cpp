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

using Mostradas = std::vector<int>;

class LinhasBraille : public JanelaDeTeste {
protected:
    void SetUp() override {
        JanelaDeTeste::SetUp();
        ASSERT_TRUE(CarregaTabelaImpressora());
        CriaVisual();
        Texto({"um", "dois", "tr\xeas", "quatro", "cinco", "seis", "sete"});
    }
    // The strip's labels from top (labLinha5) to bottom (labLinha1), as the
    // editor lines they show (-1 empty), read back through their captions.
    Mostradas LinhasMostradas() {
        Mostradas r;
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
    bool Oculta(int i) { return janela->LabLinhas[static_cast<size_t>(i)]->isHidden(); }
    std::string Painel2() { return DeQString(janela->sbarPrincipal[2]->text()); }
    int LinhaDaVista() { return MapaRascunhoEditor[static_cast<size_t>(visual->lboxVisual->currentRow())]; }
};

// One line shown, the hidden labels kept up to date, typing retranslated;
// F5 shows five, a click moves the highlight, back to five it is at the bottom.
TEST_F(LinhasBraille, TiraSegueOCursorEOClique) {
    CursorNaLinha(2);
    EXPECT_FALSE(Oculta(1));
    EXPECT_TRUE(Oculta(2));
    EXPECT_EQ(LinhasMostradas(), (Mostradas{-1, -1, 0, 1, 2}));
    janela->richEdPrincipal->textCursor().insertText("x");
    EXPECT_EQ(janela->LabLinhas[1]->Legenda(), LinhaBraillePreview("xtr\xeas", TraduzLinhaIsolada));

    janela->imVis5Linhas->trigger();   // F5
    EXPECT_TRUE(janela->ckbox5Linhas->isChecked());
    EXPECT_FALSE(Oculta(5));
    EXPECT_EQ(Realcado(), 1);
    CursorNaLinha(3);
    emit janela->LabLinhas[3]->clicado();
    EXPECT_EQ(Realcado(), 3);
    EXPECT_EQ(LinhasMostradas(), (Mostradas{1, 2, 3, 4, 5}));
    janela->imVis5Linhas->trigger();
    EXPECT_FALSE(janela->imVis5Linhas->isChecked());
    EXPECT_TRUE(Oculta(5));
    janela->ckbox5Linhas->click();
    EXPECT_EQ(Realcado(), 1);
    EXPECT_EQ(LinhasMostradas(), (Mostradas{-1, 0, 1, 2, 3}));
}

TEST_F(LinhasBraille, F12CompilaEMostraSemAtivarF9Ativa) {
    AutoJunta = false;   // one braille line per editor line
    CursorNaLinha(4);
    janela->imAtualizarBraille->trigger();   // F12, view hidden
    EXPECT_TRUE(visual->isVisible());
    EXPECT_FALSE(visual->RecarregarRascunho);
    ASSERT_GE(visual->lboxVisual->currentRow(), 0);
    EXPECT_EQ(LinhaDaVista(), 4);
    visual->hide();
    CursorNaLinha(6);
    janela->imVisualizar->trigger();   // F9
    EXPECT_TRUE(visual->isVisible());
    EXPECT_EQ(LinhaDaVista(), 6);
    // The view's page mode recompiles as F9 does, whatever range a print left.
    PagInicial = PagFinal = 3;
    NumPagInic = 7;
    visual->cboxVisPaginas->setCurrentIndex(1);
    EXPECT_EQ(PagInicial, 1);
    EXPECT_EQ(PagFinal, 9999);
    EXPECT_EQ(NumPagInic, 1);
    EXPECT_EQ(LinhaDaVista(), 6);
    // Real page size: every page is filled with reserved lines.
    EXPECT_GE(visual->lboxVisual->count(), MaxLin);
}

// A missing code table or a draft that cannot be written: told, no view.
TEST_F(LinhasBraille, CompilacaoQueFalhaNaoMostraAVista) {
    const std::string falta = "/nao/existe/";
    for (std::string* arquivo : {&ArqAmbCode2, &ArqRascunho}) {
        SCOPED_TRACE(*arquivo);
        const std::string antes = *arquivo;
        *arquivo = falta + ExtraiNomeArquivo(antes);
        caixas.fake.Limpa();
        janela->imVisualizar->trigger();
        EXPECT_FALSE(visual->isVisible());
        ASSERT_EQ(caixas.fake.registros.size(), 1u);
        if (arquivo == &ArqRascunho) {
            EXPECT_EQ(caixas.fake.registros[0].texto, "Erro em disco ao gerar arquivo de rascunho");
        }
        *arquivo = antes;
    }
}

TEST_F(LinhasBraille, ModoRevisorLigaEDesliga) {
    CursorNaLinha(2);
    janela->imModoRevisor->trigger();   // F4
    EXPECT_TRUE(janela->ModoRevisor());
    EXPECT_TRUE(janela->richEdPrincipal->isReadOnly());
    EXPECT_EQ(Painel2(), "Modo de revis\xe3o - apenas leitura");
    // The view opens on the reviewer display.
    EXPECT_TRUE(visual->isVisible());
    EXPECT_FALSE(visual->richEdRevisor->isHidden());
    EXPECT_TRUE(visual->lboxVisual->isHidden());
    // The caret move writes no selection size any more.
    CursorNaLinha(3);
    EXPECT_EQ(Painel2(), "Modo de revis\xe3o - apenas leitura");
    // Five beeps, spread over 1.7 s.
    QElapsedTimer t;
    t.start();
    while (srv.fake.bipes < 5 && t.elapsed() < 5000) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    EXPECT_EQ(srv.fake.bipes, 5);

    janela->imModoRevisor->trigger();
    EXPECT_FALSE(janela->richEdPrincipal->isReadOnly());
    EXPECT_EQ(srv.fake.bipes, 6);
    EXPECT_TRUE(visual->richEdRevisor->isHidden());
    CursorNaLinha(1);
    EXPECT_NE(Painel2().find("Sel"), std::string::npos);
}

TEST_F(LinhasBraille, IrAoOriginalPosicionaOCursorDoEditor) {
    AutoJunta = false;
    CursorNaLinha(5);
    janela->VisualizaBraille(true, true);
    ASSERT_TRUE(visual->isVisible());
    CursorNaLinha(0);
    visual->IrAoOriginal();
    EXPECT_FALSE(visual->isVisible());
    EXPECT_EQ(janela->richEdPrincipal->textCursor().blockNumber(), 5);
}

} // namespace
