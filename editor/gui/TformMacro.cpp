// TformMacro: the macro processor's window.
#include "editor/gui/TformMacro.h"

#include "core/documento.h"
#include "editor/dmmacro.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TformMacro* formMacro = nullptr;

TformMacro::TformMacro(QWidget* parent) : QDialog(parent) {
    setObjectName("formMacro");
    setWindowTitle("Processador de macros");
    setModal(false);
    Label1 = new QLabel("Arquivo de macros:", this);
    Label1->setObjectName("Label1");
    E_arqmacro = new QLineEdit(this);
    E_arqmacro->setObjectName("E_arqmacro");
    Label1->setBuddy(E_arqmacro);
    Button1 = new QPushButton("Processe o texto selecionado", this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(Label1);
    coluna->addWidget(E_arqmacro);
    coluna->addSpacing(6);
    coluna->addWidget(Button1, 0, Qt::AlignHCenter);
    ConectaProtegido(Button1, &QPushButton::clicked, this, &TformMacro::Button1Click);
    resize(440, 120);
}

void TformMacro::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TformMacro::FormActivate() { E_arqmacro->setText(ParaQString(ArquivoMacrosConfigurado())); }

void TformMacro::Button1Click() {
    if (ProcessaMacros(DeQString(E_arqmacro->text()), DocumentoEmEdicao())) hide();
}
