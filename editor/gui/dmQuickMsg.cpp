// The quick message window.
#include "editor/gui/dmQuickMsg.h"

#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <chrono>
#include <thread>

TformQuickMessage* formQuickMessage = nullptr;

TformQuickMessage::TformQuickMessage(QWidget* parent)
    // A title and nothing to close it with: it goes away by itself.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("formQuickMessage");
    setWindowTitle("Dotmara");
    setFixedSize(312, 92);
    setModal(false);
    stMensagem = new QLabel(ParaQString("Informação rápida"_cp), this);
    stMensagem->setObjectName("stMensagem");
    stMensagem->setTextFormat(Qt::PlainText);
    stMensagem->setAlignment(Qt::AlignCenter);
    stMensagem->setWordWrap(true);
    QFont f = stMensagem->font();
    f.setFamilies({"Segoe UI", "DejaVu Sans"});
    f.setPointSize(10);
    stMensagem->setFont(f);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(12, 8, 12, 8);
    l->addWidget(stMensagem);
    Espera = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
}

void ExibeMensagemRapida(QWidget* form, const std::string& texto) {
    if (!formQuickMessage)
        formQuickMessage = new TformQuickMessage();
    TformQuickMessage& j = *formQuickMessage;
    j.stMensagem->setText(ParaQString(texto));
    QRect area;
    if (form && form->isVisible())
        area = form->frameGeometry();
    else if (QScreen* tela = QApplication::primaryScreen())
        area = tela->availableGeometry();
    if (area.isValid())
        j.move(area.center() - QPoint(j.width() / 2, j.height() / 2));
    j.show();
    j.raise();
    j.repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (j.Espera)
        j.Espera(TformQuickMessage::Duracao);
    j.hide();
}
