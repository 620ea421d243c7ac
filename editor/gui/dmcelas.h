// Braille cells on screen. The program's braille screen fonts ("BrailleTalvo"
// for the view and the strip, "pontel" for the check window) draw each output
// code as its braille cell; here an output code c is shown as the Unicode
// braille pattern U+2800 + PontosDoCaractere[c] (the same dot bit order,
// dots 7 and 8 included) in DejaVu Sans, which carries every pattern.
#pragma once

#include <QFont>
#include <QLabel>
#include <QString>
#include <string>

// Names of the braille screen fonts as the settings and menus know them.
inline constexpr const char* kFonteBrailleTalvo = "BrailleTalvo";
inline constexpr const char* kFontePontel = "pontel";
// The installed font that draws the cells.
inline constexpr const char* kFonteCelas = "DejaVu Sans";

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
