// TformResolucao: the paper resolution dialog.
#include "output/gui/TformResolucao.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "output/dmAltoRelevo.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

TformResolucao* formResolucao = nullptr;

TformResolucao::TformResolucao(QWidget* pai) : QDialog(pai) {
    setObjectName("formResolucao");
    setWindowTitle(ParaQString("Número de Pontos do Papel"_cp));
    setAttribute(Qt::WA_QuitOnClose, false);
    // FormCreate: the labels name the limits.
    auto limites = [](const char* eixo, int min, int max) {
        return ParaQString(" Núm. Pontos "_cp + eixo + "(" + std::to_string(min) + ".." +
                           std::to_string(max) + ")");
    };
    labelX = new QLabel(limites("X", ResolucaoXMin, ResolucaoXMax), this);
    labelY = new QLabel(limites("Y", ResolucaoYMin, ResolucaoYMax), this);
    editX = new QLineEdit(this);
    editX->setObjectName("editX");
    editY = new QLineEdit(this);
    editY->setObjectName("editY");
    botaoOK = new QPushButton(ParaQString("Confirma"), this);
    botaoOK->setObjectName("botaoOK");
    botaoOK->setDefault(true);
    botaoCancela = new QPushButton(ParaQString("Cancela"), this);
    botaoCancela->setObjectName("botaoCancela");

    auto* campos = new QFormLayout();
    campos->addRow(labelX, editX);
    campos->addRow(labelY, editY);
    auto* botoes = new QHBoxLayout();
    botoes->addStretch(1);
    botoes->addWidget(botaoOK);
    botoes->addWidget(botaoCancela);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addLayout(botoes);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ConectaProtegido(botaoOK, &QPushButton::clicked, this, &TformResolucao::botaoOKClick);
    ConectaProtegido(botaoCancela, &QPushButton::clicked, this, &QDialog::reject);
}

void TformResolucao::FormActivate() {
    editX->setText(QString::number(ResolucaoX));
    editY->setText(QString::number(ResolucaoY));
}

void TformResolucao::botaoOKClick() {
    int x = 0, y = 0;
    if (!LeResolucao(DeQString(editX->text()), DeQString(editY->text()), x, y)) {
        reject();
        return;
    }
    ResolucaoX = x;
    ResolucaoY = y;
    accept();
}

void TformResolucao::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormActivate();
}
