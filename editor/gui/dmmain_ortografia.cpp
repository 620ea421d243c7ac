// dmmain_ortografia: the main window's spell-check commands: the entries of
// "&Ortografia" (load and unload the dictionary, F7 and Ctrl+F7) and the
// toolbar button "Verificar Ortografia". The work is dmortog's, on this
// window's editor, with the replacement dialog formSubst.
#include "editor/gui/dmmain.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <QHBoxLayout>

#include "editor/dmortog.h"
#include "editor/gui/dmsubst.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

void TformPrincipal::CriaMenusOrtografia() {
    auto item = [this](const char* nome, std::string_view legenda, QKeySequence atalho,
                       void (TformPrincipal::*acao)()) {
        auto* a = new QAction(ParaQString(legenda), this);
        a->setObjectName(nome);
        a->setShortcut(atalho);
        menuOrtografia->addAction(a);
        connect(a, &QAction::triggered, this, acao);
        return a;
    };
    Carregardicionrio1 = item("Carregardicionrio1", "&Carregar dicionário"_cp, {},
                              &TformPrincipal::Carregardicionrio1Click);
    Liberardicionrio1 = item("Liberardicionrio1", "&Liberar dicionário"_cp, {},
                             &TformPrincipal::Liberardicionrio1Click);
    Verificarerro1 = item("Verificarerro1", "&Procurar palavra errada", QKeySequence(Qt::Key_F7),
                          &TformPrincipal::Verificarerro1Click);
    Outrasalternativas1 = item("Outrasalternativas1", "&Outras alternativas",
                               QKeySequence(Qt::CTRL | Qt::Key_F7), &TformPrincipal::Outrasalternativas1Click);

    // The last button of the toolbar's lower row.
    auto* b = new QToolButton(panToolBar);
    b->setObjectName("bbtnVerificarOrtografia");
    b->setText("Verificar Ortografia");
    b->setToolTip("Verificar Ortografia");
    connect(b, &QToolButton::clicked, this, &TformPrincipal::bbtnClick);
    linhaToolBar2->insertWidget(linhaToolBar2->count() - 1, b);
}

void TformPrincipal::Carregardicionrio1Click() { RecarregaDicionario(); }

void TformPrincipal::Liberardicionrio1Click() { DescarregaDicionario(); }

void TformPrincipal::Verificarerro1Click() {
    if (formSubst)
        VerificaOrtografia(*this, *formSubst);
}

void TformPrincipal::Outrasalternativas1Click() {
    if (formSubst)
        VerificaPalavra(*this, *formSubst);
}

void TformPrincipal::bbtnClick() {
    Verificarerro1Click();
    richEdPrincipal->setFocus();
}
