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

namespace {

QString Q(std::string_view s) { return ParaQString(s); }

QPushButton* Botao(QDialog* d, const char* nome, std::string_view legenda) {
    auto* b = new QPushButton(Q(legenda), d);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    return b;
}

QCheckBox* Caixa(QDialog* d, const char* nome, std::string_view legenda) {
    auto* c = new QCheckBox(Q(legenda), d);
    c->setObjectName(nome);
    return c;
}

// The buttons' column: the first ones at the top, Cancel under them.
QVBoxLayout* ColunaBotoes(std::initializer_list<QPushButton*> botoes) {
    auto* coluna = new QVBoxLayout();
    for (QPushButton* b : botoes) coluna->addWidget(b);
    coluna->addStretch(1);
    return coluna;
}

OpcoesProcura OpcoesDe(const QCheckBox* palavra, const QCheckBox* maiusculas) {
    return {palavra->isChecked(), maiusculas->isChecked()};
}

} // namespace

// ============================================================================
// Find
// ============================================================================

TFindDialog::TFindDialog(QWidget* dono) : QDialog(dono) {
    setObjectName("findDialogLocalizar");
    setWindowTitle("Localizar");
    setModal(false);

    auto* rotulo = new QLabel("&Localizar:", this);
    edtLocalizar = new QLineEdit(this);
    edtLocalizar->setObjectName("edtLocalizar");
    rotulo->setBuddy(edtLocalizar);
    ckboxPalavraInteira = Caixa(this, "ckboxPalavraInteira", "Somente palavras &inteiras");
    ckboxMaiusculas = Caixa(this, "ckboxMaiusculas", "Diferenciar &maiúsculas e minúsculas"_cp);
    btnLocalizar = Botao(this, "btnLocalizar", "Localizar &próxima"_cp);
    btnLocalizar->setDefault(true);
    btnCancelar = Botao(this, "btnCancelar", "Cancelar");

    auto* campos = new QGridLayout();
    campos->addWidget(rotulo, 0, 0);
    campos->addWidget(edtLocalizar, 0, 1);
    campos->addWidget(ckboxPalavraInteira, 1, 0, 1, 2);
    campos->addWidget(ckboxMaiusculas, 2, 0, 1, 2);
    campos->setRowStretch(3, 1);
    auto* tudo = new QHBoxLayout(this);
    tudo->addLayout(campos, 1);
    tudo->addLayout(ColunaBotoes({btnLocalizar, btnCancelar}));

    // Nothing to look for, nothing to press.
    btnLocalizar->setEnabled(false);
    connect(edtLocalizar, &QLineEdit::textChanged, this,
            [this](const QString& t) { btnLocalizar->setEnabled(!t.isEmpty()); });
    connect(btnLocalizar, &QPushButton::clicked, this, &TFindDialog::Localizar);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::close);
    resize(420, 110);
}

std::string TFindDialog::Texto() const { return DeQString(edtLocalizar->text()); }

OpcoesProcura TFindDialog::Opcoes() const { return OpcoesDe(ckboxPalavraInteira, ckboxMaiusculas); }

// ============================================================================
// Replace
// ============================================================================

TReplaceDialog::TReplaceDialog(QWidget* dono) : QDialog(dono) {
    setObjectName("replDialog");
    setWindowTitle("Substituir");
    setModal(false);

    auto* rotuloBusca = new QLabel("&Localizar:", this);
    edtLocalizar = new QLineEdit(this);
    edtLocalizar->setObjectName("edtLocalizar");
    rotuloBusca->setBuddy(edtLocalizar);
    auto* rotuloTroca = new QLabel("Substituir p&or:", this);
    edtSubstituir = new QLineEdit(this);
    edtSubstituir->setObjectName("edtSubstituir");
    rotuloTroca->setBuddy(edtSubstituir);
    ckboxPalavraInteira = Caixa(this, "ckboxPalavraInteira", "Somente palavras &inteiras");
    ckboxMaiusculas = Caixa(this, "ckboxMaiusculas", "Diferenciar &maiúsculas e minúsculas"_cp);
    btnLocalizar = Botao(this, "btnLocalizar", "Localizar &próxima"_cp);
    btnLocalizar->setDefault(true);
    btnSubstituir = Botao(this, "btnSubstituir", "&Substituir");
    btnSubstituirTudo = Botao(this, "btnSubstituirTudo", "Substituir &tudo");
    btnCancelar = Botao(this, "btnCancelar", "Cancelar");

    auto* campos = new QGridLayout();
    campos->addWidget(rotuloBusca, 0, 0);
    campos->addWidget(edtLocalizar, 0, 1);
    campos->addWidget(rotuloTroca, 1, 0);
    campos->addWidget(edtSubstituir, 1, 1);
    campos->addWidget(ckboxPalavraInteira, 2, 0, 1, 2);
    campos->addWidget(ckboxMaiusculas, 3, 0, 1, 2);
    campos->setRowStretch(4, 1);
    auto* tudo = new QHBoxLayout(this);
    tudo->addLayout(campos, 1);
    tudo->addLayout(ColunaBotoes({btnLocalizar, btnSubstituir, btnSubstituirTudo, btnCancelar}));

    auto habilita = [this](const QString& t) {
        for (QPushButton* b : {btnLocalizar, btnSubstituir, btnSubstituirTudo}) b->setEnabled(!t.isEmpty());
    };
    habilita(QString());
    connect(edtLocalizar, &QLineEdit::textChanged, this, habilita);
    connect(btnLocalizar, &QPushButton::clicked, this, &TReplaceDialog::Localizar);
    connect(btnSubstituir, &QPushButton::clicked, this, &TReplaceDialog::Substituir);
    connect(btnSubstituirTudo, &QPushButton::clicked, this, &TReplaceDialog::SubstituirTudo);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::close);
    resize(440, 160);
}

std::string TReplaceDialog::Texto() const { return DeQString(edtLocalizar->text()); }

std::string TReplaceDialog::Troca() const { return DeQString(edtSubstituir->text()); }

OpcoesProcura TReplaceDialog::Opcoes() const { return OpcoesDe(ckboxPalavraInteira, ckboxMaiusculas); }
