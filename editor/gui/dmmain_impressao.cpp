// TformPrincipal: the command that opens the print dialog.
#include "editor/gui/dmmain.h"

#include "output/gui/TformImprime.h"

// The print dialog stays open beside the editor (not modal); the editor
// keeps the main window's focus for when the user comes back to it.
void TformPrincipal::imImprimirBrailleClick() {
    if (formImprime) {
        formImprime->show();
        formImprime->raise();
        formImprime->activateWindow();
    }
    richEdPrincipal->setFocus();
}
