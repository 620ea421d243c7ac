// dmmain_externos: the main window's Word export commands, the external
// programs (kelto, the graphic editor, the drawing program, the Puma 7 plate
// program, the text editor on the dictionary lists) and the manual. The
// work is in output/dmmsword and editor/dmexternos; here are the menu
// entries and the wiring to the print dialog.
#include "editor/gui/dmmain.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>

#include <cstdio>

#include "core/dmvars.h"
#include "editor/dmexternos.h"
#include "output/dmmsword.h"
#include "output/gui/TformImprime.h"
#include "platform/arquivos.h"
#include "platform/qt/textoqt.h"

namespace {

// An entry named as its command (the handler without "Click"), placed
// before antes (at the end when null).
QAction* Entrada(QMenu* menu, QAction* antes, const char* nome, std::string_view legenda) {
    auto* a = new QAction(ParaQString(legenda), menu);
    a->setObjectName(QString::fromLatin1(nome));
    menu->insertAction(antes, a);
    return a;
}

QMenu* Submenu(QMenu* menu, QAction* antes, const char* nome, std::string_view legenda) {
    auto* m = new QMenu(ParaQString(legenda), menu);
    m->setObjectName(QString::fromLatin1(nome));
    menu->insertMenu(antes, m);
    return m;
}

void Dica(QAction* a, std::string_view dica) {
    a->setStatusTip(ParaQString(dica));
    a->setToolTip(ParaQString(dica));
}

} // namespace

void TformPrincipal::CriaMenusExternos() {
    // "&Arquivo": after the printing commands, before "Sa&ir".
    imBrailleNoWord = Entrada(menuArquivo, imSair, "imBrailleNoWord", "Braille no &Word");
    Dica(imBrailleNoWord, "Exportar para o Word");
    imTintaNoWord = Entrada(menuArquivo, imSair, "imTintaNoWord", "Tinta no Word");
    imChamarPuma2 = Entrada(menuArquivo, imSair, "imChamarPuma2", "Chamar &Puma 7");
    imChamarPuma2->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P));
    Dica(imChamarPuma2, "Chamar programa Puma2");
    imChamarPuma2->setEnabled(ImprMarca == "Puma 7");

    // "&Gráficos": the external graphic programs come first.
    QAction* primeiroGraficos = menuGraficos->actions().isEmpty() ? nullptr : menuGraficos->actions().first();
    imEditorGrafico = Submenu(menuGraficos, primeiroGraficos, "imEditorGrafico", "Editor &Gráfico"_cp);
    imGrafemorBraille = Entrada(imEditorGrafico, nullptr, "imGrafemorBraille", "&Grafemor Braille");
    imVelun = Entrada(imEditorGrafico, nullptr, "imVelun", "&Velun");

    // "&Utilitários": before the code-page conversions.
    DigitaremBraille1 = Entrada(menuUtilitarios, imConverterDOS, "DigitaremBraille1", "Retoques em &Braille");

    // "&Ortografia": the dictionary's word lists.
    Manutenonodicionrio1 =
        Submenu(menuOrtografia, nullptr, "Manutenonodicionrio1", "&Manutenção no dicionário"_cp);
    Acrescentarpalavra1 = Entrada(Manutenonodicionrio1, nullptr, "Acrescentarpalavra1", "&Acrescentar palavra");
    Inibirpalavra1 = Entrada(Manutenonodicionrio1, nullptr, "Inibirpalavra1", "&Inibir palavra");

    // "&? (Ajuda)": before "&Sobre o programa".
    imManual = Entrada(menuAjuda, imSobrePrograma, "imManual", "&Manual do Dotmara");

    connect(imBrailleNoWord, &QAction::triggered, this, &TformPrincipal::imBrailleNoWordClick);
    connect(imTintaNoWord, &QAction::triggered, this, &TformPrincipal::imTintaNoWordClick);
    connect(imChamarPuma2, &QAction::triggered, this, &TformPrincipal::imChamarPuma2Click);
    connect(imGrafemorBraille, &QAction::triggered, this, &TformPrincipal::imGrafemorBrailleClick);
    connect(imVelun, &QAction::triggered, this, &TformPrincipal::imVelunClick);
    connect(DigitaremBraille1, &QAction::triggered, this, &TformPrincipal::DigitaremBraille1Click);
    connect(Acrescentarpalavra1, &QAction::triggered, this, &TformPrincipal::Acrescentarpalavra1Click);
    connect(Inibirpalavra1, &QAction::triggered, this, &TformPrincipal::Inibirpalavra1Click);
    connect(imManual, &QAction::triggered, this, &TformPrincipal::imManualClick);
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
