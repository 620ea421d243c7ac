// TformConfigDicionario: the dictionary files window.
#include "editor/gui/dmCnfDic.h"

#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TformConfigDicionario* formConfigDicionario = nullptr;

TformConfigDicionario::TformConfigDicionario(QWidget* pai)
    : JanelaConfig("Configuração do dicionário"_cp, false, pai) {
    setObjectName("formConfigDicionario");
    setModal(true);
    auto* campos = new QFormLayout;
    struct Linha {
        QLineEdit** edit;
        const char* nome;
        std::string_view rotulo;
        std::string* setting;
    };
    const Linha linhas[] = {
        {&edtDiciona, "edtDiciona", "Arquivo Mestre", &ArqDicionario},
        {&edtSufixos, "edtSufixos", "Sufixos", &ArqSufixos},
        {&edtExcessoes, "edtExcessoes", "Excessões"_cp, &ArqInexistentes},
        {&edtNomes, "edtNomes", "Nomes", &ArqNomes},
        {&edtSugestoes, "edtSugestoes", "Regras para Sugestões"_cp, &ArqSugestoes},
    };
    for (const Linha& l : linhas) {
        auto* e = new QLineEdit(this);
        e->setObjectName(l.nome);
        e->setMinimumWidth(320);
        campos->addRow(ParaQString(l.rotulo), e);
        *l.edit = e;
        campos_.emplace_back(e, l.setting);
    }
    btnOK = Botao("btnOK", "OK", true);
    btnPadrao = Botao("btnPadrao", "Tornar padrão"_cp, false);
    auto* tudo = new QVBoxLayout(this);
    tudo->addLayout(campos);
    tudo->addLayout(LinhaDeBotoes({btnOK, btnPadrao}));
    ConectaProtegido(btnOK, &QPushButton::clicked, this, &TformConfigDicionario::btnOKClick);
    ConectaProtegido(btnPadrao, &QPushButton::clicked, this, &TformConfigDicionario::btnPadraoClick);

    // FormCreate: the names as read, without any folder search (the
    // defaults only for missing keys). The dictionary is not loaded here.
    LeGrupo(GrupoConfig::Dicionario);
}

void TformConfigDicionario::FormActivate() {
    for (auto [edit, setting] : campos_) DefineTexto(edit, *setting);
}

void TformConfigDicionario::ColheArquivos() {
    for (auto [edit, setting] : campos_) *setting = Texto(edit);
}

void TformConfigDicionario::btnOKClick() {
    ColheArquivos();
    close();
}

void TformConfigDicionario::btnPadraoClick() {
    ColheArquivos();
    GravaGrupoOuAvisa(GrupoConfig::Dicionario);
    close();
}
