// The whole program as it starts: the program itself run on a document
// whose name looks like one of Qt's options, then ended by a signal; every entry of the menu tree and every
// toolbar control connected to its command, none disabled but the ones meant
// to be; then every one run once on a small document, with no dialog left
// waiting and the program still there at the end.
#include "editor/gui/dmprograma.h"
#include "editor/gui/dmsubst.h"
#include "support/aberturas_teste.h"
#include "support/janela_teste.h"
#include "support/principal_teste.h"

#include <QAbstractButton>
#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <unistd.h>

namespace {

std::string Manipulador(const QObject* o) { return DeQString(o->property("manipulador").toString()); }

class Programa : public ::testing::Test {
protected:
    void SetUp() override {
        MudaDiretorioAtual(pasta.dir());
        DirDocumento = pasta.dir();
        CriaJanelasDoPrograma();
        ArqRascunho = pasta.caminho("rascunho.txt");
        const auto modal = [this](QDialog& d) {
            modais.insert(DeQString(d.objectName()));
            return int(QDialog::Rejected);
        };
        RespondeCancelar(*formPrincipal, modal);
        formSubst->executaModal = modal;
        DefineDocumentoAtual(formPrincipal);
    }
    void TearDown() override {
        DefineDocumentoAtual(nullptr);
        DestroiJanelasDoPrograma();
        MudaDiretorioAtual(antes);
        DirDocumento = dirAntes;
    }

    const std::string antes = DiretorioAtual(), dirAntes = DirDocumento;
    ConfiguracaoDeTeste cfg;
    PastaTemporaria pasta;
    DialogosFalsosEscopo dlg;
    ServicosFalsosEscopo srv;
    std::set<std::string> modais;
};

// Every handler has its command; only the entries meant to be are disabled.
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
    // No command; the plate embosser only; the recent files wait for a file opened.
    std::sort(desligados.begin(), desligados.end());
    desligados.erase(std::remove(desligados.begin(), desligados.end(), ""), desligados.end());   // sub-menus
    EXPECT_EQ(desligados, (std::vector<std::string>{"imArq1", "imArq2", "imArq3", "imArq4", "imArq5", "imChamarPuma2",
                                                    "imInstalaAtualizacao"}));
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
        j.richEdPrincipal->setReadOnly(false);
        j.activateWindow();
        j.richEdPrincipal->setFocus();
        dispara();
        QApplication::processEvents();
        if (daToolBar) {
            EXPECT_EQ(j.focusWidget(), j.richEdPrincipal);   // typing goes on
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
    // Every entry and control but the one never enabled, and leaving.
    EXPECT_GE(rodados.size(), 95u);
    // The modal windows went through the window's modal run.
    for (const char* m : {"formDigitaBraille", "formSimb", "formConfTabela", "formAnotacoes", "formConfigDicionario",
                          "formSubst"})
        EXPECT_TRUE(modais.count(m)) << m;
}

// The windows read their settings at their creation, each its own keys,
// all from one reading of the settings file.
TEST(ProgramaInteiro, AsJanelasLeemAConfiguracaoUmaVez) {
    ConfiguracaoDeTeste cfg;
    DialogosFalsosEscopo dlg;
    ServicosFalsosEscopo srv;
    cfg.DefineConteudo("[DOTMARA]\r\nmaxCarac=40\r\nmaxCol=60\r\n[IMPBRAILLE]\r\nColunas=42\r\n");
    const std::string antes = DiretorioAtual();
    AberturasDoArquivo aberturas(cfg.ini());
    CriaJanelasDoPrograma();
    EXPECT_EQ(aberturas.Conta(), 1);
    EXPECT_EQ(MaxCarac, 40);
    EXPECT_EQ(MaxCol, 60);
    EXPECT_EQ(ImprColunas, 42);
    DestroiJanelasDoPrograma();
    MudaDiretorioAtual(antes);
}

// The program itself, started on a document named "-reverse" (one of Qt's
// options): the document opens (it heads the recent files, and the view of
// reviewer mode has its draft); ended by SIGTERM, the program takes its
// draft with it.
TEST(ProgramaInteiro, DocumentoComNomeDeOpcaoDoQtESaidaPorSinal) {
    PastaTemporaria pasta;
    pasta.grava("-reverse", "Texto do livro.\r\n");
    const std::string ini = pasta.grava("DOTMARA.INI", "[DOTMARA]\r\ninicModoRevisor=S\r\n");
    std::filesystem::create_directory(pasta.caminho("tmp"));
    QProcess dotmara;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("DOTMARA_INI", ParaQString(ini));
    env.insert("TMPDIR", ParaQString(pasta.caminho("tmp")));
    dotmara.setProcessEnvironment(env);
    dotmara.setWorkingDirectory(ParaQString(pasta.dir()));
    dotmara.start(DOTMARA_PROGRAMA, {"-reverse"});
    ASSERT_TRUE(dotmara.waitForStarted(10000));
    const std::string rascunho = pasta.caminho("tmp/dotmara-" + std::to_string(::getuid()) + "/rascunho-" +
                                               std::to_string(dotmara.processId()) + ".txt");
    const std::string recente = "arq1=" + pasta.caminho("-reverse");
    bool aberto = false;
    for (int i = 0; i < 400 && !aberto; ++i) {
        aberto = LeArquivoTeste(ini).find(recente) != std::string::npos && std::filesystem::exists(rascunho);
        if (!aberto) QThread::msleep(50);
    }
    EXPECT_NE(LeArquivoTeste(ini).find(recente), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(rascunho));
    ::kill(static_cast<pid_t>(dotmara.processId()), SIGTERM);
    ASSERT_TRUE(dotmara.waitForFinished(10000));
    EXPECT_EQ(dotmara.exitStatus(), QProcess::CrashExit);
    EXPECT_FALSE(std::filesystem::exists(rascunho));
}

} // namespace
