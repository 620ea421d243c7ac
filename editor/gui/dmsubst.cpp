// The replacement dialog.
#include "editor/gui/dmsubst.h"

#include "editor/dmdic.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TformSubst* formSubst = nullptr;

TformSubst::TformSubst(QWidget* parent) : QDialog(parent) {
    setObjectName("formSubst");
    setWindowTitle(ParaQString("Substituição de palavra"_cp));
    setModal(true);
    l_frase = new QLabel(this);
    l_frase->setObjectName("l_frase");
    l_frase->setTextFormat(Qt::PlainText);
    l_frase->setMinimumHeight(28);
    QFont f = l_frase->font();
    f.setBold(true);
    l_frase->setFont(f);

    labAlterando = new QLabel("Alterando a palavra", this);
    e_original = new QLineEdit(this);
    e_original->setObjectName("e_original");
    e_original->setReadOnly(true);
    labAlterando->setBuddy(e_original);
    labSubstituir = new QLabel("Substituir por", this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMaxVisibleItems(15);
    labSubstituir->setBuddy(ComboBox1);

    btnSubstituir = new QPushButton("Substituir", this);
    btnSubstituir->setObjectName("btnSubstituir");
    btnDeixar = new QPushButton("Deixar", this);
    btnDeixar->setObjectName("btnDeixar");
    // No default button: Enter with an empty box would take the word out of
    // the text. Enter on a typed or chosen word replaces (below).
    for (QPushButton* b : {btnSubstituir, btnDeixar}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    ConectaProtegido(btnSubstituir, &QPushButton::clicked, this, &TformSubst::btnSubstituirClick);
    ConectaProtegido(btnDeixar, &QPushButton::clicked, this, &TformSubst::btnDeixarClick);
    ConectaProtegido(ComboBox1->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (!ComboBox1->currentText().isEmpty())
            btnSubstituirClick();
    });

    auto* campos = new QGridLayout();
    campos->addWidget(labAlterando, 0, 0);
    campos->addWidget(e_original, 0, 1);
    campos->addWidget(labSubstituir, 1, 0);
    campos->addWidget(ComboBox1, 1, 1);
    campos->setColumnStretch(1, 1);
    auto* botoes = new QHBoxLayout();
    botoes->addStretch(1);
    botoes->addWidget(btnSubstituir);
    botoes->addWidget(btnDeixar);
    auto* tudo = new QVBoxLayout(this);
    tudo->setContentsMargins(16, 12, 16, 12);
    tudo->setSpacing(10);
    tudo->addWidget(l_frase);
    tudo->addLayout(campos);
    tudo->addLayout(botoes);
    resize(440, 170);
}

void TformSubst::MostraSubstituicao(const std::string& contexto) {
    l_frase->setText(ParaQString(contexto));
    // Closing the dialog any other way leaves the word as it is.
    PalavraEscolhida = PalavraOriginal;
    if (executaModal) executaModal(*this);
}

void TformSubst::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormActivate();
}

void TformSubst::FormActivate() {
    ComboBox1->clear();
    ComboBox1->setEditText(QString());
    e_original->setText(ParaQString(PalavraOriginal));
    std::vector<std::string> sugestoes;
    SugerePalavras(PalavraOriginal, sugestoes);
    for (const std::string& s : sugestoes)
        ComboBox1->addItem(ParaQString(s));
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(QString());
    ComboBox1->setFocus();
}

void TformSubst::btnSubstituirClick() {
    PalavraEscolhida = DeQString(ComboBox1->currentText());
    accept();
}

void TformSubst::btnDeixarClick() {
    PalavraEscolhida = PalavraOriginal;
    reject();
}
