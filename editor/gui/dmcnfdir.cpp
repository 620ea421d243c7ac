// TformConfigDir: the folders and external programs window.
#include "editor/gui/dmcnfdir.h"

#include "core/dmutil.h"
#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "platform/arquivos.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TformConfigDir* formConfigDir = nullptr;

TformConfigDir::TformConfigDir(QWidget* pai) : JanelaConfig("Configuração dos diretórios"_cp, false, pai) {
    setObjectName("formConfigDir");
    auto* grade = new QGridLayout;
    struct Linha {
        QLineEdit** edit;
        const char* nomeEdit;
        QPushButton** botao;
        const char* nomeBotao;
        std::string_view rotulo;
        std::string* setting;
        std::string PastasConfig::*pasta;
    };
    const Linha linhas[] = {
        {&edtArqTrab, "edtArqTrab", &btnRasc, "btnRasc", "Arquivo Temporário"_cp, &ArqRascunho,
         &PastasConfig::DirRascunho},
        {&edtAmBrCode, "edtAmBrCode", &btnCodBrAmer, "btnCodBrAmer", "American Braille Code", &ArqAmbCode,
         &PastasConfig::DirConfig},
        {&edtAmBrCode2, "edtAmBrCode2", &btnCodBrUnif, "btnCodBrUnif", "Braille Code Unificado", &ArqAmbCode2,
         &PastasConfig::DirConfig},
        {&edtGrafBrCode, "edtGrafBrCode", &btnCodGrafBr, "btnCodGrafBr", "Código Gráfico Braille"_cp,
         &ArqGrafBraille, &PastasConfig::DirConfig},
        {&edtKelTo, "edtKelTo", &btnProgAcertBr, "btnProgAcertBr", "Programa de acertos em Braille", &ProgKelto,
         &PastasConfig::DirConfig},
        {&edtProgDesen, "edtProgDesen", &btnEdGrafBr, "btnEdGrafBr", "Editor Gráfico Braille"_cp, &ProgGrafemor,
         &PastasConfig::DirConfig},
        {&edtProgVelun, "edtProgVelun", &btnEdVelun, "btnEdVelun", "Programa Velun", &ProgVelun,
         &PastasConfig::DirVelun},
        {&edtProgPuma2, "edtProgPuma2", &btnPuma2, "btnPuma2", "Programa para Puma 7", &ProgPuma,
         &PastasConfig::DirPuma},
    };
    int i = 0;
    for (const Linha& l : linhas) {
        auto* rotulo = new QLabel(ParaQString(l.rotulo), this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(l.nomeEdit);
        edit->setMinimumWidth(420);
        auto* botao = new QPushButton(QStringLiteral("..."), this);
        botao->setObjectName(l.nomeBotao);
        botao->setMaximumWidth(30);
        SemEnter(botao);
        rotulo->setBuddy(edit);
        grade->addWidget(rotulo, i, 0);
        grade->addWidget(edit, i, 1);
        grade->addWidget(botao, i, 2);
        *l.edit = edit;
        *l.botao = botao;
        campos_.push_back({edit, l.setting});
        const auto pasta = l.pasta;
        ConectaProtegido(botao, &QPushButton::clicked, this,
                         [this, edit, pasta] { EscolheArquivo(edit, Pastas.*pasta); });
        ++i;
    }
    // The draft of this program in the temporary folder, when none is named.
    edtArqTrab->setPlaceholderText(ParaQString(RascunhoPrivado()));

    btnOk = Botao("btnOk", "O&K", true);
    btnPadrao = Botao("btnPadrao", "Torna isso &Padrão"_cp, false);
    auto* tudo = new QVBoxLayout(this);
    tudo->addLayout(grade);
    tudo->addLayout(LinhaDeBotoes({btnOk, btnPadrao}));
    ConectaProtegido(btnOk, &QPushButton::clicked, this, &TformConfigDir::btnOkClick);
    ConectaProtegido(btnPadrao, &QPushButton::clicked, this, &TformConfigDir::btnPadraoClick);

    openDialogArquivo = [this](const std::string& pasta, std::string& escolhido) {
        QFileDialog d(this, QStringLiteral("Escolha programa Puma2"), ParaQString(pasta));
        d.setAcceptMode(QFileDialog::AcceptOpen);
        d.setFileMode(QFileDialog::ExistingFile);
        // Programs here have no ".exe": every file is listed at first.
        d.setNameFilters({QStringLiteral("Aplicativos (*.exe)"), QStringLiteral("Todos os arquivos (*)")});
        d.selectNameFilter(QStringLiteral("Todos os arquivos (*)"));
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return false;
        escolhido = CaminhoDoSistema(d.selectedFiles().first().toStdString());
        return true;
    };

    // FormCreate: the paths resolved, then shown, and the code table loaded.
    LeDiretorios(Pastas);
    MostraDiretorios();
}

bool TformConfigDir::MostraDiretorios() {
    MostraCampos();
    return CarregaTabelaImpressora();
}

void TformConfigDir::MostraCampos() {
    for (const Campo& c : campos_)
        DefineTexto(c.edit, c.setting == &ArqRascunho ? RascunhoConfigurado(ArqRascunho) : *c.setting);
}

void TformConfigDir::ColheDiretorios() {
    // This program's own draft, typed or chosen by browsing, is taken as no
    // draft named: stored, its path would make every later run share it.
    for (const Campo& c : campos_)
        *c.setting = c.setting == &ArqRascunho ? RascunhoConfigurado(Texto(c.edit)) : Texto(c.edit);
    CarregaTabelaImpressora();
}

void TformConfigDir::EscolheArquivo(QLineEdit* edit, std::string& pasta) {
    std::string escolhido;
    if (openDialogArquivo && openDialogArquivo(pasta, escolhido) && !escolhido.empty()) {
        DefineTexto(edit, escolhido);
        pasta = ExtraiDiretorio(escolhido);
    }
    VoltaDir();
}

void TformConfigDir::btnOkClick() {
    ColheDiretorios();
    hide();
}

void TformConfigDir::btnPadraoClick() {
    ColheDiretorios();
    GravaGrupoOuAvisa(GrupoConfig::Diretorios);
    hide();
}
