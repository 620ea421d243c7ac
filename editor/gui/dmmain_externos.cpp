// dmmain_externos: the main window's Word export commands, the external
// programs (kelto, the graphic editor, the drawing program, the Puma 7 plate
// program, the text editor on the dictionary lists) and the manual. The
// work is in output/dmmsword and editor/dmexternos; here are the menu
// entries and the wiring to the print dialog.
#include "editor/gui/dmmain.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>

#include <cstdio>

#include "core/dmvars.h"
#include "editor/dmexternos.h"
#include "output/dmmsword.h"
#include "output/gui/TformImprime.h"
#include "platform/arquivos.h"
#include "platform/qt/textoqt.h"

void TformPrincipal::CriaMenusExternos() {
    LigaComando("imBrailleNoWordClick", [this] { imBrailleNoWordClick(); });
    LigaComando("imTintaNoWordClick", [this] { imTintaNoWordClick(); });
    LigaComando("imChamarPuma2Click", [this] { imChamarPuma2Click(); });
    LigaComando("imGrafemorBrailleClick", [this] { imGrafemorBrailleClick(); });
    LigaComando("imVelunClick", [this] { imVelunClick(); });
    LigaComando("DigitaremBraille1Click", [this] { DigitaremBraille1Click(); });
    LigaComando("Acrescentarpalavra1Click", [this] { Acrescentarpalavra1Click(); });
    LigaComando("Inibirpalavra1Click", [this] { Inibirpalavra1Click(); });
    LigaComando("imManualClick", [this] { imManualClick(); });

    imBrailleNoWord = Acao("imBrailleNoWord");
    imTintaNoWord = Acao("imTintaNoWord");
    imChamarPuma2 = Acao("imChamarPuma2");
    imEditorGrafico = Submenu("imEditorGrafico");
    imGrafemorBraille = Acao("imGrafemorBraille");
    imVelun = Acao("imVelun");
    DigitaremBraille1 = Acao("DigitaremBraille1");
    Manutenonodicionrio1 = Submenu("Manutenonodicionrio1");
    Acrescentarpalavra1 = Acao("Acrescentarpalavra1");
    Inibirpalavra1 = Acao("Inibirpalavra1");
    imManual = Acao("imManual");
    // Only for the plate printer (FormActivate follows the embosser model).
    imChamarPuma2->setEnabled(ImprMarca == "Puma 7");
}

void TformPrincipal::imBrailleNoWordClick() { ExportaWord(false); }
void TformPrincipal::imTintaNoWordClick() { ExportaWord(true); }
void TformPrincipal::DigitaremBraille1Click() { ChamaKelto(); }
void TformPrincipal::imGrafemorBrailleClick() { ChamaGrafemor(); }
void TformPrincipal::imVelunClick() { ChamaVelun(); }
void TformPrincipal::Acrescentarpalavra1Click() { EditaListaDicionario(ArqNomes); }
void TformPrincipal::Inibirpalavra1Click() { EditaListaDicionario(ArqInexistentes); }
void TformPrincipal::imManualClick() { AbreManual(); }

void TformPrincipal::imChamarPuma2Click() {
    if (!formImprime) return;
    const std::string placa = PreparaPuma();
    if (placa.empty()) return;
    // The print dialog's own start, with its page range and copies, into the
    // plate file; the plate program follows the end of that very job,
    // brought to this thread (the worker only passes the word on).
    formImprime->edNomeArqImpr->setText(ParaQString(placa));
    const bool iniciou = formImprime->IniciaTrabalho([placa](bool ok) {
        QMetaObject::invokeMethod(qApp, [placa, ok] { ChamaPuma(placa, ok); }, Qt::QueuedConnection);
    });
    // No job will write the file: it is nobody's.
    if (!iniciou) std::remove(CaminhoNativo(placa).c_str());
}
