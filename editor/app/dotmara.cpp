// dotmara: the braille transcription workstation. Creates the program's
// windows in their fixed order (later windows rely on earlier ones) and runs
// the event loop until the main window closes.
#include "editor/gui/dmmain.h"
#include "editor/gui/dmprograma.h"
#include "output/gui/TformImprime.h"
#include "platform/arquivos.h"
#include "platform/linha_comando.h"
#include "core/gui/dialogosqt.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/servicosqt.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Drafts of programs that were killed go; this one's own goes also when
    // a signal ends it.
    RemoveRascunhosAbandonados();
    RemoveRascunhosNosSinais();
    // Qt's own texts in Portuguese; no command's failure ends the program.
    // Qt sees none of the arguments: the first one is the document.
    LinhaDeComando linha(argc, argv);
    TAplicacao app(linha.ArgcQt(), linha.ArgvQt());
    InstalaDialogosQt();
    InstalaServicosQt();
    // The main window's close ends the program (other windows may be open).
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName("Dotmara");

    CriaJanelasDoPrograma();

    // The document named first on the command line opens when the main
    // window is shown.
    formPrincipal->argumentos = linha.Argumentos();
    formPrincipal->show();
    // The program starts in front, as its first activation (title, recent
    // list, about window) expects.
    formPrincipal->activateWindow();
    const int r = app.exec();
    // A print job still running is cancelled and waited for.
    TformImprime::EncerraImpressao();

    DestroiJanelasDoPrograma();
    return r;
}
