// TformConfigMargem: the margin window.
#include "editor/gui/DmComar.h"

#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TformConfigMargem* formConfigMargem = nullptr;

TformConfigMargem::TformConfigMargem(QWidget* pai) : JanelaConfig("Configuração da margem"_cp, true, pai) {
    setObjectName("formConfigMargem");
    chckBoxQuebraAutom = new QCheckBox(ParaQString("Quebra Automática"_cp), this);
    chckBoxQuebraAutom->setObjectName("chckBoxQuebraAutom");
    edtColunaMax = new QLineEdit(this);
    edtColunaMax->setObjectName("edtColunaMax");
    edtColunaMax->setMaximumWidth(60);
    btnOk = Botao("btnOk", "&OK", true);
    btnTornarPadrao = Botao("btnTornarPadrao", "&Tornar isso padrão"_cp, false);
    btnCancelar = Botao("btnCancelar", "&Cancelar", false);

    auto* campos = new QFormLayout;
    campos->addRow(chckBoxQuebraAutom);
    campos->addRow(ParaQString("Coluna máxima:"_cp), edtColunaMax);
    auto* tudo = new QVBoxLayout(this);
    tudo->addLayout(campos);
    tudo->addLayout(LinhaDeBotoes({btnOk, btnTornarPadrao, btnCancelar}));

    ConectaProtegido(btnOk, &QPushButton::clicked, this, &TformConfigMargem::btnOkClick);
    ConectaProtegido(btnTornarPadrao, &QPushButton::clicked, this, &TformConfigMargem::btnTornarPadraoClick);
    ConectaProtegido(btnCancelar, &QPushButton::clicked, this, &TformConfigMargem::btnCancelarClick);
}

void TformConfigMargem::FormActivate() {
    chckBoxQuebraAutom->setChecked(QuebraLin);
    DefineTexto(edtColunaMax, InteiroParaTexto(MaxCol));
}

void TformConfigMargem::ColheMargem() {
    QuebraLin = chckBoxQuebraAutom->isChecked();
    MaxCol = ValorInteiro(*ChaveDe(MaxCol), Texto(edtColunaMax));
}

void TformConfigMargem::btnOkClick() {
    ColheMargem();
    hide();
}

void TformConfigMargem::btnTornarPadraoClick() {
    ColheMargem();
    GravaGrupoOuAvisa(GrupoConfig::Margem);
    hide();
}

void TformConfigMargem::btnCancelarClick() { hide(); }
