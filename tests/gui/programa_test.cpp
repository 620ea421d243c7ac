// The whole program as it starts: its windows created in their order, every
// entry of the menu tree and every toolbar control connected to its command
// and none left disabled but the ones meant to be; then every one run once
// on a small document, through the dialog and platform fakes, with no
// dialog left waiting and the program still there at the end.
#include "core/dmvars.h"
#include "editor/gui/dmmain.h"
#include "editor/gui/dmprograma.h"
#include "editor/gui/dmsubst.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"
#include "platform/servicos.h"
#include "platform/texto.h"
#include "support/temporario.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Manipulador(const QObject* o) { return DeQString(o->property("manipulador").toString()); }

class Programa : public ::testing::Test {
protected:
    void SetUp() override {
        antes = DiretorioAtual();
        dirAntes = DirDocumento;
        ini = std::make_unique<VariavelAmbiente>("DOTMARA_INI", pasta.caminho("DOTMARA.INI"));
        RestauraPadroes();
        MudaDiretorioAtual(pasta.dir());
        DirDocumento = pasta.dir();
        CriaJanelasDoPrograma();
        ArqRascunho = pasta.caminho("rascunho.txt");
        TformPrincipal& j = *formPrincipal;
        // Nothing waits on the user: file, font and printer dialogs are
        // answered Cancel, modal windows are closed at once.
        j.dialogoAbrir = [](const std::string&, std::string&) { return false; };
        j.dialogoSalvar = [](const std::string&, const std::string&, std::string&) { return false; };
        j.dialogoAbrirGrafico = [](const std::string&, std::string&) { return false; };
        j.dialogoFonte = [](QFont&) { return false; };
        j.dialogoSalvarConfig = [](const std::string&, std::string&) { return false; };
        j.dialogoAbrirConfig = [](const std::string&, std::string&) { return false; };
        j.dialogoImpressoraTexto = [](QPrinter&) { return false; };
        auto modal = [this](QDialog& d) {
            modais.insert(DeQString(d.objectName()));
            return int(QDialog::Rejected);
        };
        j.executaModal = modal;
        j.executaModalGrafico = modal;
        formSubst->executaModal = modal;
        DefineDocumentoAtual(&j);
    }
    void TearDown() override {
        DefineDocumentoAtual(nullptr);
        DestroiJanelasDoPrograma();
        MudaDiretorioAtual(antes);
        DirDocumento = dirAntes;
        RestauraPadroes();
    }

    PastaTemporaria pasta;
    std::unique_ptr<VariavelAmbiente> ini;
    std::string antes, dirAntes;
    DialogosFalsosEscopo dlg;
    ServicosFalsosEscopo srv;
    std::set<std::string> modais;
};

// Every handler of the tables has its command, and the only entries left
// disabled are the ones the program keeps so.
TEST_F(Programa, NadaDesligadoNemFaltando) {
    TformPrincipal& j = *formPrincipal;
    EXPECT_EQ(j.ComandosSemLigacao(), std::vector<std::string>{});
    std::vector<std::string> desligados;
    for (QAction* a : j.menuBar()->findChildren<QAction*>())
        if (!a->isSeparator() && !a->isEnabled()) desligados.push_back(DeQString(a->objectName()));
    for (QHBoxLayout* linha : {j.linhaToolBar1, j.linhaToolBar2})
        for (int i = 0; i < linha->count(); ++i)
            if (QWidget* w = linha->itemAt(i)->widget(); w && !w->isEnabled())
                desligados.push_back(DeQString(w->objectName()));
    // "Instala atualização pendente" never has a command; "Chamar Puma 7" is
    // for the plate printer only; the recent files ("&Reabrir...") wait for
    // a file opened.
    std::sort(desligados.begin(), desligados.end());
    const std::vector<std::string> esperados = {"imArq1",        "imArq2",        "imArq3",
                                                "imArq4",        "imArq5",        "imChamarPuma2",
                                                "imInstalaAtualizacao"};
    std::vector<std::string> nomeados;
    for (const std::string& d : desligados)
        if (!d.empty()) nomeados.push_back(d);   // a disabled sub-menu's own entry has no name
    EXPECT_EQ(nomeados, esperados);
}

TEST_F(Programa, CadaComandoUmaVez) {
    TformPrincipal& j = *formPrincipal;
    j.richEdPrincipal->setPlainText(ParaQString("Capítulo 1\ncasa\n\nO menino foi à escola.\n"_cp));
    j.richEdPrincipal->selectAll();
    j.show();
    j.activateWindow();
    QApplication::processEvents();

    std::vector<std::string> abertos;
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        if (QWidget* m = QApplication::activeModalWidget()) {
            abertos.push_back(DeQString(m->objectName()) + " " + m->metaObject()->className());
            m->close();
        }
    });
    vigia.start(50);

    std::vector<std::string> rodados;
    auto roda = [&](QObject* o, const std::function<void()>& dispara, bool daToolBar) {
        const std::string m = Manipulador(o);
        if (m.empty() || m == "imSairClick") return;
        SCOPED_TRACE(m);
        // Each command on the whole text, in the editor, as the user leaves it.
        j.richEdPrincipal->setReadOnly(false);
        j.activateWindow();
        j.richEdPrincipal->setFocus();
        dispara();
        QApplication::processEvents();
        // Typing goes on in the text after a toolbar command.
        if (daToolBar) {
            EXPECT_EQ(j.focusWidget(), j.richEdPrincipal);
        }
        // The windows it showed are put away for the next command.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &j && w->isVisible() && !qobject_cast<QMenu*>(w)) w->hide();
        rodados.push_back(m);
    };
    for (QAction* a : j.menuBar()->findChildren<QAction*>())
        if (a->isEnabled() && !a->menu()) roda(a, [a] { a->trigger(); }, false);
    for (QHBoxLayout* linha : {j.linhaToolBar1, j.linhaToolBar2})
        for (int i = 0; i < linha->count(); ++i)
            if (auto* b = qobject_cast<QAbstractButton*>(linha->itemAt(i)->widget()); b && b->isEnabled())
                roda(b, [b] { b->click(); }, true);

    // No command failed on the way (a failure is told, not thrown out).
    for (const std::string& t : dlg.fake.Textos())
        EXPECT_EQ(t.find("Não foi possível concluir"_cp), std::string::npos) << t;

    // Leaving last, on a modified document, answered Cancel: the program stays.
    j.richEdPrincipal->document()->setModified(true);
    dlg.fake.Limpa();
    dlg.fake.respostas.push_back(mrCancel);
    j.imSair->trigger();
    vigia.stop();
    EXPECT_TRUE(j.isVisible());
    EXPECT_EQ(dlg.fake.Textos(), std::vector<std::string>{"Quer mesmo abandonar sem gravar ?"});

    EXPECT_TRUE(abertos.empty()) << abertos.front();
    // Every entry and control of the tables but the one never enabled, and
    // leaving.
    EXPECT_GE(rodados.size(), 95u);
    // The modal windows went through the window's modal run.
    for (const char* m : {"formDigitaBraille", "formSimb", "formConfTabela", "formAnotacoes", "formConfigDicionario",
                          "formSubst"})
        EXPECT_TRUE(modais.count(m)) << m;
}

} // namespace
