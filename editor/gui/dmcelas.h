// Braille cells on screen: the braille screen fonts of core/fontesbraille.h
// as Qt text and fonts.
#pragma once

#include "core/fontesbraille.h"

#include <QFont>
#include <QLabel>
#include <QString>
#include <string>

// Output codes -> braille patterns, one character per code.
QString TextoCelas(const std::string& codigos);

// Output codes shown as ink characters (Windows-1252), for the "Courier New"
// displays.
QString TextoTinta(const std::string& codigos);

// True when a font name stands for a braille screen font (shown as cells).
bool EhFonteBraille(const QString& nome);
// The font that draws cells for a braille screen font name at a pixel size.
QFont FonteCelas(const QString& nomeBraille, int pixels, bool negrito);

// A label that shows a caption in output codes as braille cells. The caption
// is kept as the program's bytes; the accelerator character is never
// interpreted.
class TLabelBraille : public QLabel {
    Q_OBJECT
public:
    explicit TLabelBraille(QWidget* pai = nullptr);
    void DefineLegenda(const std::string& codigos);
    const std::string& Legenda() const { return legenda_; }
    void DefineCor(const QColor& cor);
    QColor Cor() const { return cor_; }

signals:
    void clicado();
    void duploClique();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    std::string legenda_;
    QColor cor_;
};
