// dmbusca: the find and replace dialogs.
#include "editor/gui/dmbusca.h"

#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace {

QString Q(std::string_view s) { return ParaQString(s); }

} // namespace

TDialogoBusca::TDialogoBusca(QWidget* dono, bool substituir) : QDialog(dono) {
    setObjectName(substituir ? "replDialog" : "findDialogLocalizar");
    setWindowTitle(substituir ? "Substituir" : "Localizar");
    setModal(false);

    auto botao = [this](const char* nome, std::string_view legenda) {
        auto* b = new QPushButton(Q(legenda), this);
        b->setObjectName(nome);
        b->setAutoDefault(false);
        return b;
    };
    auto campo = [this](const char* nome, const char* legenda, QGridLayout* grade) {
        auto* rotulo = new QLabel(legenda, this);
        auto* e = new QLineEdit(this);
        e->setObjectName(nome);
        rotulo->setBuddy(e);
        const int linha = grade->rowCount();
        grade->addWidget(rotulo, linha, 0);
        grade->addWidget(e, linha, 1);
        return e;
    };

    auto* campos = new QGridLayout();
    edtLocalizar = campo("edtLocalizar", "&Localizar:", campos);
    if (substituir) edtSubstituir = campo("edtSubstituir", "Substituir p&or:", campos);
    ckboxPalavraInteira = new QCheckBox("Somente palavras &inteiras", this);
    ckboxPalavraInteira->setObjectName("ckboxPalavraInteira");
    ckboxMaiusculas = new QCheckBox(Q("Diferenciar &maiúsculas e minúsculas"_cp), this);
    ckboxMaiusculas->setObjectName("ckboxMaiusculas");
    const int linha = campos->rowCount();
    campos->addWidget(ckboxPalavraInteira, linha, 0, 1, 2);
    campos->addWidget(ckboxMaiusculas, linha + 1, 0, 1, 2);
    campos->setRowStretch(linha + 2, 1);

    btnLocalizar = botao("btnLocalizar", "Localizar &próxima"_cp);
    btnLocalizar->setDefault(true);
    std::vector<QPushButton*> botoes = {btnLocalizar};
    if (substituir) {
        btnSubstituir = botao("btnSubstituir", "&Substituir");
        btnSubstituirTudo = botao("btnSubstituirTudo", "Substituir &tudo");
        botoes.push_back(btnSubstituir);
        botoes.push_back(btnSubstituirTudo);
    }
    btnCancelar = botao("btnCancelar", "Cancelar");
    botoes.push_back(btnCancelar);
    auto* coluna = new QVBoxLayout();
    for (QPushButton* b : botoes) coluna->addWidget(b);
    coluna->addStretch(1);
    auto* tudo = new QHBoxLayout(this);
    tudo->addLayout(campos, 1);
    tudo->addLayout(coluna);

    // Nothing to look for, nothing to press.
    auto habilita = [this](const QString& t) {
        for (QPushButton* b : {btnLocalizar, btnSubstituir, btnSubstituirTudo})
            if (b) b->setEnabled(!t.isEmpty());
    };
    habilita(QString());
    connect(edtLocalizar, &QLineEdit::textChanged, this, habilita);
    connect(btnLocalizar, &QPushButton::clicked, this, &TDialogoBusca::Localizar);
    if (substituir) {
        connect(btnSubstituir, &QPushButton::clicked, this, &TDialogoBusca::Substituir);
        connect(btnSubstituirTudo, &QPushButton::clicked, this, &TDialogoBusca::SubstituirTudo);
    }
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::close);
    resize(substituir ? 440 : 420, substituir ? 150 : 110);
}

std::string TDialogoBusca::Texto() const { return DeQString(edtLocalizar->text()); }

std::string TDialogoBusca::Troca() const { return edtSubstituir ? DeQString(edtSubstituir->text()) : std::string(); }

OpcoesProcura TDialogoBusca::Opcoes() const { return {ckboxPalavraInteira->isChecked(), ckboxMaiusculas->isChecked()}; }
