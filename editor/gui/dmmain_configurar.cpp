// dmmain_configurar: the main window's entries of the settings windows
// (menu "&Configurar"), and what the embosser window needs of it.
#include "editor/gui/dmmain.h"

#include "editor/gui/DmComar.h"
#include "editor/gui/dmCnfDic.h"
#include "editor/gui/dmVisual.h"
#include "editor/gui/dmcnfdir.h"
#include "editor/gui/dmcnfprg.h"
#include "output/gui/dmcnfprt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QAction>
#include <QMenu>

namespace {

// A modeless window brought to the front.
void Mostra(QWidget* janela) {
    if (!janela) return;
    janela->show();
    janela->raise();
    janela->activateWindow();
}

} // namespace

void TformPrincipal::CriaMenusConfigurar() {
    auto entrada = [this](const char* nome, std::string_view legenda, void (TformPrincipal::*handler)()) {
        QAction* a = menuConfigurar->addAction(ParaQString(legenda));
        a->setObjectName(nome);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    imParametros = entrada("imParametros", "&Parâmetros do Programa"_cp, &TformPrincipal::imParametrosClick);
    imConfigMargem = entrada("imConfigMargem", "Configuração da &Margem"_cp, &TformPrincipal::imConfigMargemClick);
    imImprBraille = entrada("imImprBraille", "&Impressora Braille", &TformPrincipal::imImprBrailleClick);
    Diretorios1 = entrada("Diretorios1", "&Diretórios"_cp, &TformPrincipal::Diretorios1Click);
    imVerifOrtografico =
        entrada("imVerifOrtografico", "&Verificador Ortográfico"_cp, &TformPrincipal::imVerifOrtograficoClick);
}

void TformPrincipal::imParametrosClick() { Mostra(formConfig); }

void TformPrincipal::imConfigMargemClick() { Mostra(formConfigMargem); }

void TformPrincipal::imImprBrailleClick() {
    if (formConfigPrn) formConfigPrn->FormShow(this);
}

void TformPrincipal::Diretorios1Click() { Mostra(formConfigDir); }

void TformPrincipal::imVerifOrtograficoClick() {
    if (formConfigDicionario) formConfigDicionario->exec();
}

void TformPrincipal::HabilitaChamarPuma(bool habilita) {
    if (QAction* puma = findChild<QAction*>(QStringLiteral("imChamarPuma2"))) puma->setEnabled(habilita);
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
