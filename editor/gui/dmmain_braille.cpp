// dmmain_braille: the main window's braille strip (one or five lines of
// braille under the editor, following the caret), the commands that compile
// the document and show it in the braille view (F9, F12), and reviewer mode
// (F4).
#include "editor/gui/dmmain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/dmtraduz.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "editor/dmvisual_linhas.h"
#include "editor/gui/dmVisual.h"
#include "editor/gui/dmcelas.h"
#include "output/gui/dmcnfprt.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/cursorqt.h"
#include "platform/qt/textoqt.h"
#include "platform/servicos.h"
#include "platform/texto.h"

namespace {

// Colours of the strip as the window was designed: the caret's line on aqua,
// the other lines on the active caption's gradient colour.
const QColor kAqua(0, 255, 255);
const QColor kGradienteLegenda(185, 209, 234);
constexpr int kAlturaLinha = 22;
constexpr int kPixelsFonte = 19;

} // namespace

void TformPrincipal::CriaLinhasBraille() {
    CorLinhaAtual = kAqua;
    CorNormalLinha = kGradienteLegenda;
    // Stacked from the top: labLinha5 highest, labLinha1 lowest.
    for (int i = kQuantLabLinhas; i >= 1; --i) {
        auto* l = new TLabelBraille(panLinhasBraille);
        l->setObjectName(QString("labLinha%1").arg(i));
        l->setFixedHeight(kAlturaLinha);
        l->setFont(FonteCelas(kFonteBrailleTalvo, kPixelsFonte, true));
        l->DefineCor(i == 1 ? CorLinhaAtual : CorNormalLinha);
        l->setVisible(i == 1);
        layLinhasBraille->addWidget(l);
        LabLinhas[static_cast<size_t>(i)] = l;
        ConectaProtegido(l, &TLabelBraille::clicado, this, [this, i] { labLinhaClick(i); });
    }
}

void TformPrincipal::LigaComandosBraille() {
    LigaComando("imVisualizarClick", [this] { VisualizaBraille(true, true); });
    LigaComando("imAtualizarBrailleClick", [this] { VisualizaBraille(true, false); });
    // The command itself turns the check mark over: undo the entry's own turn.
    LigaComando("imModoRevisorClick", [this] {
        if (OrigemComando == imModoRevisor) imModoRevisor->setChecked(!imModoRevisor->isChecked());
        imModoRevisorClick();
    });
    // "&5 linhas Braille" (F5) only clicks the box, which carries the state.
    LigaComando("imVis5LinhasClick", [this] { imVis5LinhasClick(); });
    LigaComando("ckbox5LinhasClick", [this] { ckbox5LinhasClick(); });
    // F9, F12 and F4 work over the braille view too, which reviewer mode
    // makes the working surface (and over the other windows that are not
    // modal), as they refresh or switch the view whichever window is in front.
    for (const char* nome : {"imVisualizar", "imAtualizarBraille", "imModoRevisor"})
        if (QAction* a = Acao(nome)) a->setShortcutContext(Qt::ApplicationShortcut);
}

void TformPrincipal::AtualizaLinhasBraille() {
    if (!LabLinhas[1]) return;
    const int y = richEdPrincipal->textCursor().blockNumber();
    const unsigned mudadas = AtualizaLegendasPreview(
        Preview, *this, y, TraduzLinhaIsolada);
    for (int i = 1; i <= kQuantLabLinhas; ++i)
        if (mudadas & (1u << i))
            LabLinhas[static_cast<size_t>(i)]->DefineLegenda(Preview.Legendas[static_cast<size_t>(i)]);
}

void TformPrincipal::MostraLinhasBraille() {
    for (int i = 1; i <= kQuantLabLinhas; ++i) {
        TLabelBraille* l = LabLinhas[static_cast<size_t>(i)];
        l->setVisible(i == 1 || Preview.NumLinhasPreview == 5);
        l->DefineCor(i == Preview.LabLinhaAtual ? CorLinhaAtual : CorNormalLinha);
    }
    Preview.UltimaLinhaPreview = -1;
    richEdPrincipalSelectionChange();
}

void TformPrincipal::ckbox5LinhasClick() {
    // The box carries the state, so the box, the menu and the strip agree
    // whichever of them was used.
    Preview.NumLinhasPreview = ckbox5Linhas->isChecked() ? 5 : 1;
    Preview.LabLinhaAtual = 1;
    MostraLinhasBraille();
    imVis5Linhas->setChecked(Preview.NumLinhasPreview > 1);
    richEdPrincipal->setFocus();
}

void TformPrincipal::imVis5LinhasClick() { ckbox5Linhas->click(); }

void TformPrincipal::labLinhaClick(int i) {
    if (i < 1 || i > kQuantLabLinhas) return;
    Preview.LabLinhaAtual = i;
    MostraLinhasBraille();
}

void TformPrincipal::VisualizaBraille(bool mostrar, bool ativar) {
    richEdPrincipal->setFocus();
    int linha = 0, coluna = 0;
    LinColInicioSel(linha, coluna);
    const CursorEspera espera{this, richEdPrincipal->viewport()};
    const bool compilado = CompilaParaVisualizacao(linha);
    if (compilado && formVisual) {
        if (formVisual->isVisible()) {
            formVisual->MarcaRecarga(true, true);
            if (ativar) {
                if (!formVisual->isActiveWindow()) {
                    formVisual->raise();
                    formVisual->activateWindow();
                }
                formVisual->FormActivate();
            } else {
                formVisual->MontaVisualizacao();
            }
        } else if (mostrar) {
            formVisual->MarcaRecarga(true, true);
            formVisual->show();
            if (ativar) {
                formVisual->raise();
                formVisual->activateWindow();
                formVisual->FormActivate();
            } else {
                formVisual->MontaVisualizacao();
                activateWindow();
                richEdPrincipal->setFocus();
            }
        }
    }
}

void TformPrincipal::imModoRevisorClick() {
    imModoRevisor->setChecked(!imModoRevisor->isChecked());
    const bool ligado = imModoRevisor->isChecked();
    richEdPrincipal->setReadOnly(ligado);
    QPalette p = richEdPrincipal->palette();
    if (ligado) {
        // Five beeps: after 100 ms, then every 400 ms, without holding the
        // window up.
        for (int k = 0; k < 5; ++k)
            QTimer::singleShot(100 + 400 * k, this, [] { servicos().Bipe(); });
        sbarPrincipal[2]->setMinimumWidth(220);
        sbarPrincipal[2]->setText(ParaQString("Modo de revisão - apenas leitura"_cp));
        p.setColor(QPalette::Base, QColor(CorModoRevisor.r, CorModoRevisor.g, CorModoRevisor.b));
        richEdPrincipal->setPalette(p);
        if (formVisual && formVisual->isVisible() && formVisual->isActiveWindow())
            formVisual->AtualizaModo();
        else
            VisualizaBraille(true, true);
    } else {
        servicos().Bipe();
        sbarPrincipal[2]->setMinimumWidth(100);
        sbarPrincipal[2]->clear();
        p.setColor(QPalette::Base, Qt::white);
        richEdPrincipal->setPalette(p);
        if (formVisual && formVisual->isVisible()) formVisual->AtualizaModo();
    }
}

void TformPrincipal::EscondeVisual() {
    if (formVisual) formVisual->hide();
}

bool TformPrincipal::ModoRevisor() const { return imModoRevisor && imModoRevisor->isChecked(); }

void TformPrincipal::LigaVisual(TformVisual* visual) {
    if (!visual) return;
    visual->Ligacoes.ModoRevisor = [this] { return ModoRevisor(); };
    visual->Ligacoes.PosicionaCursor = [this](int l, int c) {
        raise();
        activateWindow();
        PosicionaCursor(l, c);
    };
    visual->Ligacoes.CompilaParaVisualizacao = [](int l) { return CompilaParaVisualizacao(l); };
    // The view's printer button opens the embosser window as its caller.
    visual->Ligacoes.AbreConfigImpressora = [](QWidget* chamador) {
        if (formConfigPrn) formConfigPrn->FormShow(chamador);
    };
    visual->Ligacoes.InsereAnotacao = [this](int l, const std::string& t) { InsereAnotacao(l, t, true); };
    visual->AtualizaComandos();
}
