// Braille cells on screen, for the Qt windows of both programs. The braille
// screen fonts of the system ("BrailleTalvo" for the view, the strip and the
// touch-up page; "pontel" for the check window) draw each output code as its
// cell; here an output code is shown as its Unicode braille pattern
// (CelaUnicode) in DejaVu Sans, which carries every pattern. Header-only, so
// a program that links only the Qt-free libraries and Qt draws cells alike.
#pragma once

#include "core/celas/celas.h"

#include <QFont>
#include <QString>

#include <string_view>

// Output codes -> braille patterns, one character per code.
inline QString TextoCelas(std::string_view codigos) {
    QString r;
    r.reserve(static_cast<qsizetype>(codigos.size()));
    for (unsigned char c : codigos)
        r.append(QChar(CelaUnicode(c)));
    return r;
}

// True when a font name stands for a braille screen font (shown as cells).
inline bool EhFonteBraille(const QString& nome) {
    return nome.compare(QLatin1String(kFonteBrailleTalvo), Qt::CaseInsensitive) == 0 ||
           nome.compare(QLatin1String(kFontePontel), Qt::CaseInsensitive) == 0;
}

// The font that draws cells for a braille screen font name at a pixel size
// (any other name is taken as the font it names).
inline QFont FonteCelas(const QString& nomeBraille, int pixels, bool negrito) {
    QFont f(EhFonteBraille(nomeBraille) || nomeBraille.isEmpty() ? QString(kFonteCelas) : nomeBraille);
    f.setPixelSize(pixels > 0 ? pixels : 1);
    f.setBold(negrito);
    return f;
}
