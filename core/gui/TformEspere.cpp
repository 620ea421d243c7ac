// The wait notice.
#include "core/gui/TformEspere.h"

#include "platform/qt/textoqt.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TformEspere* formEspere = nullptr;

TformEspere& FormEspere() {
    if (!formEspere)
        formEspere = new TformEspere();
    return *formEspere;
}

TformEspere::TformEspere(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint) {
    setWindowTitle("Dotmara");
    stMensagem = new QLabel(this);
    stMensagem->setObjectName("stMensagem");
    stMensagem->setTextFormat(Qt::PlainText);
    stMensagem->setAlignment(Qt::AlignCenter);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(24, 20, 24, 20);
    l->addWidget(stMensagem);
}

void TformEspere::Mostra(const std::string& msg) {
    stMensagem->setText(ParaQString(msg));
    adjustSize();
    if (QScreen* tela = QApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
    show();
    raise();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
