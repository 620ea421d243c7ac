// dmmain_editar: the main window's editing commands (undo, the clipboard,
// find and replace, select all, letter case, long lines), its markup
// commands (block pairs, markers, page lines, separators, annotations,
// centring), the macro window's launcher, and the editor's own keys: Esc,
// F3, F6 and the automatic break when a key is released. The work is
// dmedicao's, dmmarcacao's and dmmacro's, on this window's document; each
// command that changes the text is one step of the editor's undo.
#include "editor/gui/dmmain.h"

#include "core/dmvars.h"
#include "editor/dmedicao.h"
#include "editor/dmmarcacao.h"
#include "editor/gui/TformMacro.h"
#include "editor/gui/dmbusca.h"
#include "platform/dialogos.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/servicos.h"
#include "platform/texto.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

// The editor's keys go to the main window's handlers first.
class TeclasDoEditor : public QObject {
public:
    explicit TeclasDoEditor(TformPrincipal* janela) : QObject(janela), janela_(janela) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        // A key's command that fails ends here, with the key taken: nothing
        // unwinds through Qt's event delivery.
        try {
            // A menu entry's shortcut runs the entry's command, before the
            // editor's own meaning of the key (Ctrl+Y is no redo here).
            if (e->type() == QEvent::ShortcutOverride && janela_->EhAtalhoDoMenu(*static_cast<QKeyEvent*>(e))) {
                janela_->NotaTeclaDoEditor(*static_cast<QKeyEvent*>(e));
                e->ignore();
                return true;
            }
            if (e->type() == QEvent::KeyPress) return janela_->richEdPrincipalKeyDown(static_cast<QKeyEvent*>(e));
            if (e->type() == QEvent::KeyRelease) janela_->richEdPrincipalKeyUp(static_cast<QKeyEvent*>(e));
        } catch (...) {
            RelataFalhaDoComando(nullptr);
            return true;
        }
        return QObject::eventFilter(o, e);
    }

private:
    TformPrincipal* janela_;
};

// Enter in the emphasis combo with its list closed runs "Grifo" (with the
// list open, the key only chooses in the list).
class EnterNoGrifo : public QObject {
public:
    EnterNoGrifo(QComboBox* combo, QAbstractButton* grifo) : QObject(combo), combo_(combo), grifo_(grifo) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent*>(e)->key();
            if ((k == Qt::Key_Return || k == Qt::Key_Enter) && !combo_->view()->isVisible()) {
                grifo_->click();
                return true;
            }
        }
        return QObject::eventFilter(o, e);
    }

private:
    QComboBox* combo_;
    QAbstractButton* grifo_;
};

bool TeclaModificadora(int k) {
    return k == Qt::Key_Control || k == Qt::Key_Shift || k == Qt::Key_Alt || k == Qt::Key_Meta ||
           k == Qt::Key_AltGr;
}

void Copia(DocumentoEditavel& doc) {
    if (doc.TamanhoSelecao() > 0) servicos().GravaAreaTransferencia(doc.TextoSelecionado());
}

// Cut and paste (and the menu's undo) change the text only where the user
// may: not in the editor made read-only by reviewer mode (copy still works
// there).
void Recorta(TformPrincipal& j) {
    if (j.TamanhoSelecao() == 0 || j.richEdPrincipal->isReadOnly()) return;
    if (servicos().GravaAreaTransferencia(j.TextoSelecionado())) j.SubstituiSelecao("");
}

void ColaNoEditor(TformPrincipal& j) {
    if (!j.richEdPrincipal->isReadOnly()) j.Cola();
}

void Mostra(QDialog* d, QLineEdit* campo) {
    d->show();
    d->raise();
    d->activateWindow();
    campo->setFocus();
    campo->selectAll();
}

} // namespace

void TformPrincipal::CriaMenusEditar() {
    findDialogLocalizar = new TDialogoBusca(this, false);
    replDialog = new TDialogoBusca(this, true);
    // A failure is told with the caption of the dialog's button.
    connect(findDialogLocalizar, &TDialogoBusca::Localizar, this,
            ComandoProtegido(findDialogLocalizar->btnLocalizar, [this] { IniciaBusca(); }));
    connect(replDialog, &TDialogoBusca::Localizar, this,
            ComandoProtegido(replDialog->btnLocalizar, [this] { BuscaSubstituir(true); }));
    connect(replDialog, &TDialogoBusca::Substituir, this, ComandoProtegido(replDialog->btnSubstituir, [this] {
                SubstituiProxima(*this, replDialog->Texto(), replDialog->Troca(), replDialog->Opcoes());
                richEdPrincipal->ensureCursorVisible();
            }));
    connect(replDialog, &TDialogoBusca::SubstituirTudo, this,
            ComandoProtegido(replDialog->btnSubstituirTudo, [this] {
                SubstituiTudo(*this, replDialog->Texto(), replDialog->Troca(), replDialog->Opcoes());
                richEdPrincipal->ensureCursorVisible();
            }));

    // "&Editar" and the toolbar's clipboard buttons (after which the editor
    // has the focus, as after every toolbar command).
    LigaComando("imDesfazerClick", [this] {
        if (!richEdPrincipal->isReadOnly()) Desfaz();
    });
    LigaComando("imRecortarClick", [this] { Recorta(*this); });
    LigaComando("imCopiarClick", [this] { Copia(*this); });
    LigaComando("imColarClick", [this] { imColarClick(); });
    LigaComando("bbtnRecortarClick", [this] { Recorta(*this); });
    LigaComando("bbtnCopiarClick", [this] { Copia(*this); });
    LigaComando("bbtnColarClick", [this] { ColaNoEditor(*this); });
    LigaComando("imLocalizarClick", [this] { Mostra(findDialogLocalizar, findDialogLocalizar->edtLocalizar); });
    LigaComando("imSubstituirClick", [this] { Mostra(replDialog, replDialog->edtLocalizar); });
    LigaComando("imSelecTudoClick", [this] { DefineSelecao(0, TamanhoTexto()); });
    LigaComando("imDivLinhasGrandesClick", [this] {
        if (dialogos().Caixa("Essa função não tem retorno, salvou por garantia?"_cp, "Dotmara", Icone::Aviso,
                             Botoes::YesNo) == mrYes)
            DivideLinhasGrandes(*this, MaxCol);
    });
    LigaComando("imMinuscMAIUSCClick", [this] { MudaCaixaSelecao(*this, true); });
    LigaComando("imMAIUSCminuscClick", [this] { MudaCaixaSelecao(*this, false); });

    // Block pairs, menu and toolbar.
    const std::pair<const char*, ParBloco> pares[] = {
        {"imNaoFormatarClick", kNaoFormatar}, {"bbtnNaoFormatarClick", kNaoFormatar},
        {"imRecuoDe2Click", kRecuo2},         {"bbtnRecuoClick", kRecuo2},
        {"bbtnNaoSepararSilabaClick", kNaoSepararSilaba}, {"bbtnGrafiaInglesaClick", kGrafiaInglesa},
    };
    for (const auto& [manipulador, par] : pares) LigaComando(manipulador, [this, par] { InsereParBloco(*this, par); });
    // The three variants share their handler: the item's caption chooses.
    LigaComando("imVarTipograficaClick", [this] {
        const auto* item = qobject_cast<QAction*>(OrigemComando);
        const std::string abre = item ? AberturaVarianteTipografica(DeQString(item->text())) : std::string();
        if (!abre.empty()) InsereParBloco(*this, abre, kFechaVariante);
    });

    // Markers around the selection.
    LigaComando("bbtnGrifoClick", [this] {
        const std::string m = MarcadorGrifo(cboxTipoGrifo ? cboxTipoGrifo->currentIndex() : 0);
        EnvolveSelecao(*this, m, m);
    });
    LigaComando("bbtnParentesesAuxClick", [this] { EnvolveSelecao(*this, "?", "*"); });
    LigaComando("bbtnDelimitInformClick", [this] { EnvolveSelecao(*this, "~,", "~,"); });
    LigaComando("Notadetranscrio1Click", [this] { InsereNotaTranscricao(*this); });

    // Lines of their own.
    LigaComando("bbtnNovaPaginaClick", [this] {
        richEdPrincipal->setFocus();
        InsereQuebraPagina(*this);
        richEdPrincipalKeyUp();
    });
    LigaComando("imPagTintaComTranspClick", [this] { InserePagTinta(*this, true); });
    LigaComando("imPagTintaSemTranspClick", [this] { InserePagTinta(*this, false); });
    // The one button of its row that leaves the focus where it is.
    LigaComando("bbtnPagTintaClick", [this] {
        FocoFicaOndeEsta();
        InserePagTinta(*this, false);
    });
    LigaComando("Grandeabrangncia1Click", [this] { InsereSeparador(*this, Separador::Grande); });
    LigaComando("Mdiaabrangncia1Click", [this] { InsereSeparador(*this, Separador::Media); });
    LigaComando("Pequenaabrangncia1Click", [this] { InsereSeparador(*this, Separador::Pequena); });
    // The toolbar's button gives the focus to the editor only when it wrote
    // the line.
    auto anota = [this] {
        std::string texto;
        if (!PedeAnotacao(texto)) {
            FocoFicaOndeEsta();
            return;
        }
        int l1 = 0, c1 = 0;
        LinColInicioSel(l1, c1);
        InsereAnotacao(l1, texto, false);
    };
    LigaComando("b_anotClick", anota);
    LigaComando("bbtnAnotacaoClick", anota);

    // Centring.
    LigaComando("imCentragemLogicaClick", [this] { CentraLinhas(*this, true); });
    LigaComando("bbtnCentrarClick", [this] { CentraLinhas(*this, true); });
    LigaComando("imCentragemFisicaClick", [this] {
        if (ConfirmaCentragemFisica()) CentraLinhas(*this, false);
    });

    LigaJanela("Macroprocessador1Click", [] { return formMacro; }, ModoJanela::Mostrada);

    richEdPrincipal->installEventFilter(new TeclasDoEditor(this));
    if (auto* grifo = qobject_cast<QAbstractButton*>(Controle("bbtnGrifo")); grifo && cboxTipoGrifo)
        cboxTipoGrifo->installEventFilter(new EnterNoGrifo(cboxTipoGrifo, grifo));
}

// ============================================================================
// The editor's keys
// ============================================================================

bool TformPrincipal::richEdPrincipalKeyDown(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Escape:
        if (QWidget* novo = Controle("bbtnNovo")) novo->setFocus();
        return true;
    case Qt::Key_F3:
        if (!TextoBusca.empty()) BuscaProxima();
        return true;
    case Qt::Key_F6:
        ExecutaComando("Folhearrevises1Click");
        return true;
    default:
        break;
    }
    NotaTeclaDoEditor(*e);
    return false;
}

void TformPrincipal::NotaTeclaDoEditor(const QKeyEvent& e) {
    const QAction* desfazer = Acao("imDesfazer");
    if (e.matches(QKeySequence::Undo) || (desfazer && desfazer->shortcut() == QKeySequence(e.keyCombination())))
        soltaDesfazer_ = true;
    else if (!TeclaModificadora(e.key()))
        soltaDesfazer_ = false;
}

void TformPrincipal::richEdPrincipalKeyUp(QKeyEvent* e) {
    // A held key repeats its release: one key, one break (at its last release).
    if (e && e->isAutoRepeat()) return;
    QTextCursor c = richEdPrincipal->textCursor();
    int col = c.positionInBlock() + 1;
    int lin = c.blockNumber() + 1;
    const bool quebra = QuebraLin && col >= MaxCol && !richEdPrincipal->isReadOnly() && !(e && soltaDesfazer_);
    if (quebra && QuebraLinhaAuto(*this, col, lin, MaxCol)) {
        c = richEdPrincipal->textCursor();
        col = c.positionInBlock() + 1;
        lin = c.blockNumber() + 1;
    }
    AtualizaLinhasBraille();
    MostraPosicao(lin, col);
}

// ============================================================================
// Find, paste, annotation
// ============================================================================

void TformPrincipal::IniciaBusca() {
    OpcoesBusca = findDialogLocalizar->Opcoes();
    TextoBusca = findDialogLocalizar->Texto();
    findDialogLocalizar->close();
    BuscaProxima();
}

void TformPrincipal::BuscaProxima() {
    if (!::BuscaProxima(*this, TextoBusca, OpcoesBusca)) return;
    activateWindow();
    richEdPrincipal->setFocus();
    richEdPrincipal->ensureCursorVisible();
}

bool TformPrincipal::BuscaSubstituir(bool foco) {
    const bool achou = ::BuscaSubstituir(*this, replDialog->Texto(), replDialog->Opcoes());
    if (achou && foco) {
        activateWindow();
        richEdPrincipal->setFocus();
    }
    richEdPrincipal->ensureCursorVisible();
    return achou;
}

void TformPrincipal::imColarClick() {
    QWidget* alvo = QApplication::focusWidget();
    if (isActiveWindow() || !alvo || alvo == richEdPrincipal) {
        ColaNoEditor(*this);
        return;
    }
    // The tool window in front pastes into its own control.
    if (alvo->metaObject()->indexOfMethod("paste()") >= 0)
        QMetaObject::invokeMethod(alvo, "paste", Qt::QueuedConnection);
}

void TformPrincipal::InsereAnotacao(int k, const std::string& texto, bool mostra) {
    InsereLinhaAnotacao(*this, k, texto);
    if (mostra) ExecutaComando("imVisualizarClick");
    else richEdPrincipalKeyUp();
}
