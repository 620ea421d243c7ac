// The standard message box (MessageBoxA) on Qt: icon, caption, the buttons
// with Portuguese captions, and the Windows result of the button pressed.
// Call from the GUI thread.
#pragma once

#include "platform/dialogos.h"

#include <functional>
#include <string>

#include <QString>
#include <QStringList>

class QWidget;

int CaixaQt(const std::string& texto, const std::string& titulo, Icone icone, Botoes botoes,
            QWidget* dono);

// The lines a box shows for its text (line ends as "\n"), each fitting
// `largura` (or the width of the widest path or word, up to `maxima`) where
// it can by the measure `mede`: a line breaks only at blanks,
// so a word is never broken, and a path (a "/" at the start of the line or
// after a blank, or after either and a quotation mark) is not broken at its
// blanks either: it runs to the end of its line, or, when that is wider than
// `maxima`, to the end of the word its last "/" stands in. Only a part wider
// than `maxima` by itself is broken: a path after a "/" where one fits, any
// other word where the width ends.
QStringList LinhasDaCaixa(const QString& texto, const std::function<int(const QString&)>& mede, int largura,
                          int maxima);
