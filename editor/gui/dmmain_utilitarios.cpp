// dmmain_utilitarios: the main window's typing aids (Perkins typing, the
// character table, the symbols), the table builder, frames, the annotation
// list, the meta-braille copy and the ink printing. The work is in
// editor/dmdigbrl, dmtabela, dmquadro, dmanotac, dmmetabraille and the
// windows; here are the commands' connections.
#include "editor/gui/dmmain.h"

#include "core/dmvars.h"
#include "editor/dmmetabraille.h"
#include "editor/gui/TformAnotacoes.h"
#include "editor/gui/TformConfTabela.h"
#include "editor/gui/TformDigitaBraille.h"
#include "editor/gui/TformQuadro.h"
#include "editor/gui/TformSimb.h"
#include "editor/gui/TformTabCaracteres.h"
#include "editor/gui/dmcelas.h"
#include "editor/gui/dmimpressao_texto.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/texto.h"

#include <QAction>
#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

void TformPrincipal::CriaMenusUtilitarios() {
    const auto perkins = [] { return formDigitaBraille; };
    LigaJanela("DigitaoPerkins1Click", perkins, ModoJanela::Modal);
    LigaJanela("bbtnDigPerkinsClick", perkins, ModoJanela::Modal);
    const auto simbolos = [] { return formSimb; };
    LigaJanela("imSimbolosEspeciaisClick", simbolos, ModoJanela::Modal);
    LigaJanela("bbtnSimboloClick", simbolos, ModoJanela::Modal);
    LigaJanela("abeladeCaracteres1Click", [] { return formTabCaracteres; }, ModoJanela::Mostrada);
    LigaJanela("extoparaTabela1Click", [] { return formConfTabela; }, ModoJanela::Modal);
    LigaJanela("Quadrinhos1Click", [] { return formQuadro; }, ModoJanela::Mostrada);
    LigaComando("bbtnPecaOrientClick", [this] { bbtnPecaOrientClick(); });
    LigaComando("Folhearrevises1Click", [this] { Folhearrevises1Click(); });
    LigaComando("imCopiarEmBrailleClick", [this] { imCopiarEmBrailleClick(); });
    LigaComando("imImprimirTextoClick", [this] { imImprimirTextoClick(); });
    // The list also opens over the braille view (and goes to the braille of
    // the annotation chosen there), as long as no modal window is open.
    if (QAction* a = Acao("Folhearrevises1")) a->setShortcutContext(Qt::ApplicationShortcut);

    dialogoImpressoraTexto = [this](QPrinter& impressora) {
        QPrintDialog d(&impressora, this);
        return d.exec() == QDialog::Accepted;
    };
}

void TformPrincipal::LigaLinhasBraillePerkins() {
    for (int i = 1; i < static_cast<int>(LabLinhas.size()); ++i)
        if (TLabelBraille* l = LabLinhas[static_cast<size_t>(i)])
            ConectaProtegido(l, &TLabelBraille::duploClique, this, &TformPrincipal::labLinha1DblClick);
}

void TformPrincipal::labLinha1DblClick() {
    if (!formDigitaBraille) return;
    if (formDigitaBraille->isVisible()) {
        formDigitaBraille->reject();
        return;
    }
    if (executaModal) executaModal(*formDigitaBraille);
}

void TformPrincipal::imCopiarEmBrailleClick() { CopiaEmMetaBraille(*this); }

void TformPrincipal::imImprimirTextoClick() {
    // A server that is down leaves the dialog its PDF entry; a hung one
    // would freeze the dialog (and the printer's making) without end.
    const FilasImpressao servidor = consultaServidorTexto ? consultaServidorTexto() : ConsultaFilasImpressao();
    if (servidor.calado) {
        MensagemOK(MensagemServidorNaoRespondeTexto());
        return;
    }
    QPrinter impressora(QPrinter::HighResolution);
    if (!dialogoImpressoraTexto || !dialogoImpressoraTexto(impressora)) return;
    const QFont fonte = FonteParaImpressao(richEdPrincipal->font(), richEdPrincipal->logicalDpiY());
    if (ImprimeTextoTinta(impressora, fonte, Linhas()) < 0)
        MensagemOK("Erro ao imprimir o texto: a impressora não aceitou o trabalho."_cp);
}

void TformPrincipal::bbtnPecaOrientClick() { TformQuadro::InsereQuadro(2); }

void TformPrincipal::Folhearrevises1Click() {
    if (!formAnotacoes) return;
    // The window in front when the list was asked for (the braille view, or
    // this one).
    formAnotacoes->JanelaAtiva = QApplication::activeWindow();
    if (executaModal) executaModal(*formAnotacoes);
}
