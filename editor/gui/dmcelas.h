// Braille cells on screen: the main program's braille label, and ink text
// for the "Courier New" displays. The cells themselves (an output code as
// its Unicode braille pattern, the fonts) are core/celas/celasqt.h, shared
// with the touch-up program.
#pragma once

#include "core/celas/celasqt.h"

#include <QLabel>
#include <QString>
#include <string>

// Output codes shown as ink characters (Windows-1252), for the "Courier New"
// displays.
QString TextoTinta(const std::string& codigos);

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
