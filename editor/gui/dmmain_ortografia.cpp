// dmmain_ortografia: the main window's spell-check commands: the entries of
// "&Ortografia" (load and unload the dictionary, F7 and Ctrl+F7) and the
// toolbar button "Verificar Ortografia" (which gives the focus back to the
// editor, as every toolbar command does). The work is dmortog's, on this
// window's editor, with the replacement dialog formSubst.
#include "editor/gui/dmmain.h"

#include "editor/dmortog.h"
#include "editor/gui/dmsubst.h"

void TformPrincipal::CriaMenusOrtografia() {
    LigaComando("Carregardicionrio1Click", [this] { Carregardicionrio1Click(); });
    LigaComando("Liberardicionrio1Click", [this] { Liberardicionrio1Click(); });
    LigaComando("Verificarerro1Click", [this] { Verificarerro1Click(); });
    LigaComando("Outrasalternativas1Click", [this] { Outrasalternativas1Click(); });
    LigaComando("bbtnClick", [this] { Verificarerro1Click(); });
}

void TformPrincipal::Carregardicionrio1Click() { RecarregaDicionario(); }

void TformPrincipal::Liberardicionrio1Click() { DescarregaDicionario(); }

void TformPrincipal::Verificarerro1Click() {
    if (formSubst)
        VerificaOrtografia(*this, *formSubst);
}

void TformPrincipal::Outrasalternativas1Click() {
    if (formSubst)
        VerificaPalavra(*this, *formSubst);
}
