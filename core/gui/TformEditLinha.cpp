// The one-line input box.
#include "core/gui/TformEditLinha.h"

#include "core/gui/TformMsgComOK.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

TformEditLinha* formEditLinha = nullptr;

TformEditLinha& FormEditLinha() {
    if (!formEditLinha)
        formEditLinha = new TformEditLinha();
    return *formEditLinha;
}

TformEditLinha::TformEditLinha(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setModal(true);
    stxtMensEdLinha = new QLabel(this);
    stxtMensEdLinha->setObjectName("stxtMensEdLinha");
    stxtMensEdLinha->setTextFormat(Qt::PlainText);
    stxtMensEdLinha->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    edtLinha = new QLineEdit(this);
    edtLinha->setObjectName("edtLinha");
    btnOK = new QPushButton("OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancelar = new QPushButton("Cancelar", this);
    btnCancelar->setObjectName("btnCancelar");
    btnCancelar->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(btnCancelar, &QPushButton::clicked, this, [this] { done(mrCancel); });

    stxtMensEdLinha->setText("_");
    stxtMensEdLinha->adjustSize();
    int w1 = stxtMensEdLinha->width(), h1 = stxtMensEdLinha->height();
    stxtMensEdLinha->setText("__");
    stxtMensEdLinha->adjustSize();
    int w2 = stxtMensEdLinha->width();
    margem_ = std::max(0, w1 - w2 / 2);
    // Never less than the font's line spacing, so no line of a long
    // message is clipped.
    alturaLinha_ = std::max({1, h1 - 2 * margem_, stxtMensEdLinha->fontMetrics().lineSpacing()});
    stxtMensEdLinha->clear();
    btnOK->adjustSize();
    btnCancelar->adjustSize();
    edtLinha->adjustSize();
}

void TformEditLinha::reject() { done(mrCancel); }

bool TformEditLinha::Executa(const std::string& titulo, const std::string& prompt, std::string& s) {
    edtLinha->setText(ParaQString(s));
    std::vector<std::string> linhas = LinhasDaMensagem(prompt);
    int largura = btnOK->width() + btnCancelar->width() + 20;
    QStringList texto;
    for (const std::string& l : linhas) {
        QString q = ParaQString(l);
        stxtMensEdLinha->setText(q);
        stxtMensEdLinha->adjustSize();
        largura = std::max(largura, stxtMensEdLinha->width());
        texto << q;
    }
    int altura = static_cast<int>(linhas.size()) * alturaLinha_ + 2 * margem_;
    stxtMensEdLinha->setText(texto.join('\n'));
    stxtMensEdLinha->setGeometry(20, 20, largura, altura);
    int alturaEdit = edtLinha->sizeHint().height();
    edtLinha->setGeometry(20, 20 + altura + 20, largura, alturaEdit);
    setWindowTitle(ParaQString(titulo));
    int larguraCliente = largura + 40;
    int alturaCliente = altura + alturaEdit + btnOK->height() + 80;
    int topoBotoes = edtLinha->y() + alturaEdit + 20;
    int esquerda = (larguraCliente - (btnOK->width() + btnCancelar->width() + 20)) / 2;
    btnOK->move(esquerda, topoBotoes);
    btnCancelar->move(esquerda + btnOK->width() + 20, topoBotoes);
    setFixedSize(larguraCliente, alturaCliente);
    QWidget* dono = parentWidget() ? parentWidget() : QApplication::activeWindow();
    if (dono && dono != this) {
        QRect r = dono->window()->frameGeometry();
        move(r.center() - rect().center());
    }
    // The edit line has the focus with its text selected, so the first key
    // the user types lands in it (and replaces the old text).
    edtLinha->setFocus();
    edtLinha->selectAll();
    int r = exec();
    if (r != mrOk)
        return false;
    s = DeQString(edtLinha->text());
    return true;
}
