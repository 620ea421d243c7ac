// dmmain_configurar: the main window's entries of the settings windows
// (menu "&Configurar"), and what the embosser window needs of it.
#include "editor/gui/dmmain.h"

#include "editor/gui/DmComar.h"
#include "editor/gui/dmCnfDic.h"
#include "editor/gui/dmVisual.h"
#include "editor/gui/dmcnfdir.h"
#include "editor/gui/dmcnfprg.h"
#include "output/gui/dmcnfprt.h"

#include <QAction>

void TformPrincipal::CriaMenusConfigurar() {
    LigaJanela("imParametrosClick", [] { return formConfig; }, ModoJanela::Mostrada);
    LigaJanela("imConfigMargemClick", [] { return formConfigMargem; }, ModoJanela::Mostrada);
    // The embosser window remembers who opened it.
    LigaComando("imImprBrailleClick", [this] {
        if (formConfigPrn) formConfigPrn->FormShow(this);
    });
    LigaJanela("Diretorios1Click", [] { return formConfigDir; }, ModoJanela::Mostrada);
    LigaJanela("imVerifOrtograficoClick", [] { return formConfigDicionario; }, ModoJanela::Modal);
}

void TformPrincipal::HabilitaChamarPuma(bool habilita) {
    if (imChamarPuma2) imChamarPuma2->setEnabled(habilita);
}

void TformPrincipal::LigaConfigPrn(TformConfigPrn* prn) {
    if (!prn) return;
    prn->Ligacoes.VisualizaBraille = [this](bool mostrar, bool ativar) { VisualizaBraille(mostrar, ativar); };
    prn->Ligacoes.VisualVisivel = [] { return formVisual && formVisual->isVisible(); };
    prn->Ligacoes.EhVisual = [](QWidget* janela) { return janela && janela == formVisual; };
    prn->Ligacoes.HabilitaChamarPuma = [this](bool habilita) { HabilitaChamarPuma(habilita); };
    // The model read at start-up decides the entry at once.
    prn->HabilitaCampos();
}
