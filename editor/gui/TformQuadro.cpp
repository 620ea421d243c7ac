// TformQuadro: the frame window.
#include "editor/gui/TformQuadro.h"

#include "core/documento.h"
#include "editor/dmquadro.h"
#include "editor/gui/dmmain.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TformQuadro* formQuadro = nullptr;

TformQuadro::TformQuadro(QWidget* pai) : QDialog(pai) {
    setObjectName("formQuadro");
    setWindowTitle("Quadrinho");
    setAttribute(Qt::WA_QuitOnClose, false);

    rgrpTipo = new QGroupBox("Tipo", this);
    grupoTipo = new QButtonGroup(rgrpTipo);
    rbtnPadrao = new QRadioButton(ParaQString("&Padrão"_cp), rgrpTipo);
    rbtnPedirAjuda = new QRadioButton("&Pedir Ajuda", rgrpTipo);
    rbtnLegenda = new QRadioButton("&Legenda de figura", rgrpTipo);
    auto* tipos = new QVBoxLayout(rgrpTipo);
    int tipo = QuadroPadrao;
    for (QRadioButton* r : {rbtnPadrao, rbtnPedirAjuda, rbtnLegenda}) {
        grupoTipo->addButton(r, tipo++);
        tipos->addWidget(r);
    }
    rbtnPadrao->setChecked(true);
    btnOk = new QPushButton("Ok", this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancela = new QPushButton("Cancela", this);
    btnCancela->setObjectName("btnCancela");
    btnCancela->setAutoDefault(false);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancela);
    auto* v = new QVBoxLayout(this);
    v->addWidget(rgrpTipo);
    v->addLayout(botoes);
    v->setSizeConstraint(QLayout::SetFixedSize);

    ConectaProtegido(btnOk, &QPushButton::clicked, this, [this] {
        hide();
        InsereQuadro(TipoMarcado());
    });
    ConectaProtegido(btnCancela, &QPushButton::clicked, this, &QWidget::hide);
}

int TformQuadro::TipoMarcado() const {
    const int t = grupoTipo->checkedId();
    return t >= QuadroPadrao && t <= QuadroLegenda ? t : QuadroPadrao;
}

void TformQuadro::InsereQuadro(int tipo) {
    ::InsereQuadro(DocumentoEmEdicao(), tipo);
    if (formPrincipal) formPrincipal->AtualizaLinhasBraille();
}
