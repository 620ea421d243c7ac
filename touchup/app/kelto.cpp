// kelto: the braille page touch-up program of the workstation. One page of
// braille lines in memory, typed by six-key chords or ink characters, dots
// drawn with the mouse, and the page passed to and from the main program
// through the clipboard. It reads no command line and writes no file.
#include "platform/linha_comando.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/servicosqt.h"
#include "touchup/gui/kelto_programa.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Qt's own texts in Portuguese; no command's failure ends the program.
    // No argument changes it, not even one of Qt's own options.
    LinhaDeComando linha(argc, argv);
    TAplicacao app(linha.ArgcQt(), linha.ArgvQt());
    QApplication::setApplicationName("Kelto");
    // Closing the page window ends the program, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);
    InstalaDialogosKelto();
    InstalaRelatoKelto();
    InstalaServicosQt();
    return ExecutaKelto();
}
