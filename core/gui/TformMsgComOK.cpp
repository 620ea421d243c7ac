// The message box of the program.
#include "core/gui/TformMsgComOK.h"

#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <vector>

// As a string list takes a text: a break ends the line before it, so a final
// break adds no empty line and an empty message has no lines.
std::vector<std::string> LinhasDaMensagem(const std::string& msg) {
    std::vector<std::string> linhas;
    size_t i = 0;
    while (i < msg.size()) {
        size_t fim = msg.find_first_of("\r\n", i);
        if (fim == std::string::npos)
            fim = msg.size();
        linhas.push_back(msg.substr(i, fim - i));
        i = fim;
        if (i < msg.size() && msg[i] == '\r')
            ++i;
        if (i < msg.size() && msg[i] == '\n')
            ++i;
    }
    return linhas;
}

TformMsgComOK::TformMsgComOK(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle("Dotmara");
    setModal(true);
    stxtMensOK = new QLabel(this);
    stxtMensOK->setObjectName("stxtMensOK");
    stxtMensOK->setTextFormat(Qt::PlainText);
    stxtMensOK->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    btnOK = new QPushButton("OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnOK->setAutoDefault(true);
    connect(btnOK, &QPushButton::clicked, this, [this] { done(mrOk); });

    // Measuring: "_" gives w1, h1; "__" gives w2.
    stxtMensOK->setText("_");
    stxtMensOK->adjustSize();
    int w1 = stxtMensOK->width(), h1 = stxtMensOK->height();
    stxtMensOK->setText("__");
    stxtMensOK->adjustSize();
    int w2 = stxtMensOK->width();
    margem_ = std::max(0, w1 - w2 / 2);
    // Never less than the font's line spacing, so no line of a long
    // message is clipped.
    alturaLinha_ = std::max({1, h1 - 2 * margem_, stxtMensOK->fontMetrics().lineSpacing()});
    stxtMensOK->clear();
    btnOK->adjustSize();
}

void TformMsgComOK::reject() { done(mrCancel); }

int TformMsgComOK::Executa(const std::string& msg) {
    std::vector<std::string> linhas = LinhasDaMensagem(msg);
    int largura = 2 * btnOK->width();
    QStringList texto;
    for (const std::string& l : linhas) {
        QString q = ParaQString(l);
        stxtMensOK->setText(q);
        stxtMensOK->adjustSize();
        largura = std::max(largura, stxtMensOK->width());
        texto << q;
    }
    int altura = static_cast<int>(linhas.size()) * alturaLinha_ + 2 * margem_;
    stxtMensOK->setText(texto.join('\n'));
    stxtMensOK->setGeometry(20, 20, largura, altura);
    int larguraCliente = largura + 40;
    int alturaCliente = altura + btnOK->height() + 60;
    btnOK->move((larguraCliente - btnOK->width()) / 2, altura + 40);
    setFixedSize(larguraCliente, alturaCliente);
    if (parentWidget()) {
        QRect r = parentWidget()->window()->frameGeometry();
        move(r.center() - rect().center());
    }
    // The OK button has the focus, so Enter or Space typed at once press it.
    btnOK->setFocus();
    return exec();
}
