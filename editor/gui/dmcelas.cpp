// Braille cells on screen.
#include "editor/gui/dmcelas.h"

#include <QMouseEvent>
#include <QPalette>

#include "platform/qt/textoqt.h"

QString TextoTinta(const std::string& codigos) { return ParaQString(codigos); }

TLabelBraille::TLabelBraille(QWidget* pai) : QLabel(pai) {
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setFont(FonteCelas(kFonteBrailleTalvo, 19, true));
    // A long line is cut at the window's edge; it never widens the window.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setMinimumWidth(1);
}

void TLabelBraille::DefineLegenda(const std::string& codigos) {
    if (codigos == legenda_ && !text().isNull()) return;
    legenda_ = codigos;
    setText(TextoCelas(codigos));
}

void TLabelBraille::DefineCor(const QColor& cor) {
    cor_ = cor;
    QPalette p = palette();
    p.setColor(QPalette::Window, cor);
    setPalette(p);
}

void TLabelBraille::mousePressEvent(QMouseEvent* e) {
    QLabel::mousePressEvent(e);
    if (e->button() == Qt::LeftButton) emit clicado();
}

void TLabelBraille::mouseDoubleClickEvent(QMouseEvent* e) {
    QLabel::mouseDoubleClickEvent(e);
    emit duploClique();
}
