// The main window through its real widgets: start-up from the INI file,
// document files, drops, the editor's limit, the about window and shutdown.
#include "editor/gui/dmsplash.h"
#include "platform/ini.h"
#include "support/janela_teste.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace {

QUrl Url(const std::string& nome) { return QUrl::fromLocalFile(QString::fromStdString(nome)); }

class JanelaPrincipal : public JanelaDeTeste {
protected:
    std::vector<std::string> escolhas;   // answers of the file dialogs; "" = Cancel
    std::vector<std::string> pastasDosDialogos, propostos;
    std::unique_ptr<TformSplash> splash;
    const std::string dir = pasta.dir();   // with a trailing "/"
    const std::string& ini = cfg.ini();

    // The main window is made by each test, after it wrote the INI file.
    void SetUp() override { PreparaAmbiente(); }
    void TearDown() override {
        splash.reset();
        formSplash = nullptr;
        JanelaDeTeste::TearDown();
    }
    DialogosFalsos& fake() { return caixas.fake; }

    TformPrincipal& Cria() {
        splash.reset();   // the about window goes before its main window
        formSplash = nullptr;
        CriaJanela();
        janela->dialogoAbrir = [this](const std::string& pasta, std::string& nome) {
            pastasDosDialogos.push_back(pasta);
            const std::string e = escolhas.empty() ? "" : escolhas.front();
            if (!escolhas.empty()) escolhas.erase(escolhas.begin());
            nome = e;
            return !e.empty();
        };
        janela->dialogoSalvar = [this](const std::string& pasta, const std::string& proposto, std::string& nome) {
            propostos.push_back(proposto);
            return janela->dialogoAbrir(pasta, nome);
        };
        return *janela;
    }
    // The window with the file loaded as its document.
    TformPrincipal& CriaCom(const std::string& nome, const std::string& conteudo) {
        GravaArquivoTeste(nome, conteudo);
        TformPrincipal& j = Cria();
        EXPECT_TRUE(j.CarregaArquivo(nome));
        ArqAtual = nome;
        return j;
    }
    void Digita(TformPrincipal& j, const std::string& texto) {
        j.richEdPrincipal->textCursor().insertText(ParaQString(texto));
    }
    std::string Legenda(int i) const { return DeQString(janela->imArq[static_cast<size_t>(i)]->text()); }
    bool Visivel(int i) const { return janela->imArq[static_cast<size_t>(i)]->isVisible(); }
};

// ---- Start-up -----------------------------------------------------------------

TEST_F(JanelaPrincipal, StartUpFollowsTheIni) {
    Cria();   // no INI file
    EXPECT_FALSE(janela->imReabrir->isEnabled());
    EXPECT_EQ(DirDocumento, dir);
    EXPECT_EQ(&DocumentoAtual(), static_cast<LinhasDocumento*>(janela.get()));

    fs::create_directory(dir + "sub");
    GravaArquivoTeste(ini, "[DOTMARA]\r\nmaxCol=40\r\nquebraLin=n\r\nultimoDir=" + dir +
                               "sub/\r\narq1=/docs/Livro.txt\r\narq2=\r\narq3=/DOCS/LIVRO.TXT\r\narq4=/docs/outro.txt\r\n");
    Cria();
    EXPECT_EQ(MaxCol, 40);
    EXPECT_FALSE(QuebraLin);
    EXPECT_EQ(DiretorioAtual(), dir + "sub/");
    // Entries differing only in case give one item; each item opens its own file.
    EXPECT_TRUE(janela->imReabrir->isEnabled());
    EXPECT_EQ(Legenda(0), "/docs/Livro.txt");
    EXPECT_EQ(Legenda(1), "/docs/outro.txt");
    EXPECT_TRUE(Visivel(1));
    EXPECT_FALSE(Visivel(2));
    EXPECT_EQ(janela->Recentes.Item(1), "/docs/outro.txt");
    EXPECT_TRUE(fake().registros.empty());

    // A last folder that is gone is reported and left.
    DirDocumento = dir;
    MudaDiretorioAtual(dir);
    GravaPerfil("DOTMARA", "ultimoDir", dir + "sumiu/", ini);
    Cria();
    EXPECT_EQ(DirDocumento, dir);
    EXPECT_EQ(fake().Textos(), std::vector<std::string>{"Aten\xe7\xe3o: diret\xf3rio " + dir + "sumiu/ inacess\xedvel!"});
}

// A relative name on the command line is made whole from the folder the
// program started in, so a later save writes that same file.
TEST_F(JanelaPrincipal, RelativeCommandLineNameIsTheFileOfTheStartFolder) {
    fs::create_directory(dir + "outra");
    fs::create_directory(dir + "sub");
    struct Caso {
        const char* nome;
        std::string inicio, argumento, ultimoDir;
    };
    const Caso casos[] = {
        {"from a sibling folder", dir + "outra", "../doc.txt", ""},
        {"last folder entered at creation", dir, "doc.txt", dir + "sub/"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        GravaArquivoTeste(dir + "doc.txt", "um\r\ndois\r\n");
        GravaArquivoTeste(ini, c.ultimoDir.empty() ? "" : "[DOTMARA]\r\nultimoDir=" + c.ultimoDir + "\r\n");
        MudaDiretorioAtual(c.inicio);
        TformPrincipal& j = Cria();
        j.argumentos = {c.argumento};
        j.FormShow();
        EXPECT_TRUE(fake().registros.empty());
        EXPECT_EQ(j.Linhas(), (std::vector<std::string>{"um", "dois"}));
        EXPECT_FALSE(j.Modificado());
        Digita(j, "x");
        j.imSalvarClick();
        EXPECT_EQ(LeArquivoTeste(dir + "doc.txt"), "xum\r\ndois\r\n");
        EXPECT_FALSE(fs::exists(dir + "outra/doc.txt"));
        EXPECT_FALSE(fs::exists(dir + "sub/doc.txt"));
    }
}

TEST_F(JanelaPrincipal, FailedCommandLineFileIsNotTheDocument) {
    InicModoRevisor = true;
    TformPrincipal& j = Cria();
    Digita(j, "nada");
    j.argumentos = {dir + "falta.txt"};
    j.FormShow();
    EXPECT_EQ(fake().Textos(), std::vector<std::string>{"Arquivo n\xe3o encontrado: " + dir + "falta.txt"});
    EXPECT_EQ(ArqAtual, "");
    // The start option still enters reviewer mode, as a file was named.
    j.FormActivate();
    EXPECT_TRUE(j.ModoRevisor());
    EXPECT_FALSE(j.timerPrinc->isActive());
    // A save asks for a name instead of overwriting anything.
    escolhas = {""};
    j.imSalvarClick();
    EXPECT_EQ(propostos, std::vector<std::string>{""});
    EXPECT_FALSE(fs::exists(dir + "falta.txt"));
}

TEST_F(JanelaPrincipal, FirstActivationStartsTheSplashUnlessReviewing) {
    InicModoRevisor = true;   // but no file named
    TformPrincipal& j = Cria();
    j.FormActivate();
    EXPECT_FALSE(j.ModoRevisor());
    EXPECT_TRUE(j.timerPrinc->isActive());
    EXPECT_EQ(DeQString(j.sbarPrincipal[4]->text()), " Pasta atual:  " + dir.substr(0, dir.size() - 1));
    j.timerPrinc->stop();
    j.FormActivate();   // later activations do not start it again
    EXPECT_FALSE(j.timerPrinc->isActive());
}

// The about window closes by the timer (asked again while shown, nothing
// changes), the window manager's close or any key; the next tick must not
// show it again.
TEST_F(JanelaPrincipal, AboutWindowClosesAnyWayAndStopsTheTimer) {
    const std::pair<const char*, std::function<void(TformPrincipal&, TformSplash&)>> casos[] = {
        {"timer",
         [](TformPrincipal& j, TformSplash&) {
             j.imSobreProgramaClick(j.imSobrePrograma);
             j.timerPrincTimer();
         }},
        {"close", [](TformPrincipal&, TformSplash& s) { s.close(); }},
        {"tecla",
         [](TformPrincipal&, TformSplash& s) {
             QKeyEvent tecla(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
             QApplication::sendEvent(&s, &tecla);
         }},
    };
    for (const auto& [nome, fecha] : casos) {
        SCOPED_TRACE(nome);
        TformPrincipal& j = Cria();
        splash = std::make_unique<TformSplash>();
        formSplash = splash.get();
        j.imSobreProgramaClick(j.imSobrePrograma);
        j.timerPrincTimer();
        ASSERT_TRUE(splash->isVisible());
        ASSERT_TRUE(j.timerPrinc->isActive());
        fecha(j, *splash);
        EXPECT_FALSE(splash->isVisible());
        EXPECT_FALSE(j.timerPrinc->isActive());
    }
}

// A new anchor with the caret where it was still updates the panel, which
// counts line ends as characters.
TEST_F(JanelaPrincipal, SelectionPanelFollowsTheAnchor) {
    TformPrincipal& j = Cria();
    j.DefineLinhas({"ab", "cde"});
    QTextCursor c = j.richEdPrincipal->textCursor();
    c.setPosition(5);
    j.richEdPrincipal->setTextCursor(c);
    EXPECT_EQ(DeQString(j.sbarPrincipal[2]->text()), " Sel: 0 | 1");
    c.setPosition(0);
    c.setPosition(5, QTextCursor::KeepAnchor);
    j.richEdPrincipal->setTextCursor(c);
    EXPECT_EQ(DeQString(j.sbarPrincipal[2]->text()), " Sel: 6 | 2");
}

// ---- Document files ------------------------------------------------------------------

TEST_F(JanelaPrincipal, SaveNewThenSaveAgainKeepsBak) {
    TformPrincipal& j = Cria();
    Digita(j, "primeira vers\xe3o");
    escolhas = {dir + "a.txt"};
    j.imSalvarClick();
    EXPECT_EQ(pastasDosDialogos, std::vector<std::string>{dir});
    EXPECT_EQ(LeArquivoTeste(dir + "a.txt"), "primeira vers\xe3o");   // as typed: no line end after it
    EXPECT_EQ(ArqAtual, dir + "a.txt");
    EXPECT_FALSE(j.Modificado());
    EXPECT_EQ(DeQString(j.windowTitle()), "Dotmara - a.txt");
    EXPECT_EQ(LePerfil("DOTMARA", "arq1", "", 0, ini), dir + "a.txt");
    EXPECT_EQ(Legenda(0), dir + "a.txt");

    j.PosicionaCursor(0, 0);
    Digita(j, "segunda ");
    j.imSalvarClick();   // no dialog: the document has a name
    EXPECT_EQ(pastasDosDialogos.size(), 1u);
    EXPECT_EQ(LeArquivoTeste(dir + "a.txt"), "segunda primeira vers\xe3o");
    EXPECT_EQ(LeArquivoTeste(dir + "a.bak"), "primeira vers\xe3o");
    EXPECT_TRUE(fake().registros.empty());
}

// The text a stopped save left whole beside the document is offered when
// the document is opened, and on Yes is what opens.
TEST_F(JanelaPrincipal, OpeningOffersTheTextOfAStoppedSave) {
    GravaArquivoTeste(dir + "a.txt", "velho\r\n");
    GravaArquivoTeste(dir + "a.txt.salvo-Aa11aa", "novo\r\n");
    TformPrincipal& j = Cria();
    fake().respostas = {mrYes};
    ASSERT_TRUE(j.CarregaArquivo(dir + "a.txt"));
    ASSERT_EQ(fake().registros.size(), 1u);
    const std::string pergunta = "Uma grava\xe7\xe3o de\r\n" + dir +
                                 "a.txt\r\nfoi interrompida antes do fim.\r\nO texto que estava sendo salvo ficou "
                                 "ao lado dele, em\r\na.txt.salvo-Aa11aa\r\n";
    EXPECT_EQ(fake().registros[0].texto.substr(0, pergunta.size()), pergunta);
    EXPECT_EQ(j.Linhas(), std::vector<std::string>{"novo"});
    EXPECT_FALSE(j.Modificado());
    EXPECT_EQ(LeArquivoTeste(dir + "a.bak"), "velho\r\n");
}

TEST_F(JanelaPrincipal, SaveAsAsksBeforeOverwriting) {
    GravaArquivoTeste(dir + "b.txt", "B\r\n");
    GravaArquivoTeste(dir + "A.TXT", "outro\r\n");
    TformPrincipal& j = CriaCom(dir + "a.txt", "A\r\n");
    Digita(j, "novo ");
    struct Caso {
        const char* nome;
        std::string escolha;
        int resposta;
        std::string pergunta, arquivo, conteudo, atual;
    };
    const Caso casos[] = {
        {"its own name in another case, Cancel", dir + "A.TXT", mrCancel,
         "Sobrescrever o pr\xf3prio arquivo: " + dir + "A.TXT?", dir + "A.TXT", "outro\r\n", dir + "a.txt"},
        {"another file, OK", dir + "b.txt", mrOk, "Arquivo " + dir + "b.txt j\xe1 exitente. Sobrescrever?",
         dir + "b.txt", "novo A\r\n", dir + "b.txt"},
        {"back onto the first, No", dir + "a.txt", mrNo, "Arquivo " + dir + "a.txt j\xe1 exitente. Sobrescrever?",
         dir + "a.txt", "A\r\n", dir + "b.txt"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        fake().Limpa();
        escolhas = {c.escolha};
        fake().respostas = {c.resposta};
        j.imSalvarComoClick();
        EXPECT_EQ(fake().Textos(), std::vector<std::string>{c.pergunta});
        EXPECT_EQ(LeArquivoTeste(c.arquivo), c.conteudo);
        EXPECT_EQ(ArqAtual, c.atual);
    }
    EXPECT_EQ(propostos.front(), "a.txt");
    EXPECT_EQ(LeArquivoTeste(dir + "b.bak"), "B\r\n");
}

// A save that cannot be done says so, writes nothing and keeps the document
// modified, its text as typed.
TEST_F(JanelaPrincipal, RefusedSaveKeepsFileAndText) {
    struct Caso {
        const char* nome;
        std::function<void()> prepara;
        std::string arquivo, mensagem;
    };
    const Caso casos[] = {
        {"a folder by that name", [this] { fs::create_directory(dir + "pasta.txt"); }, "pasta.txt",
         "Erro ao salvar o arquivo " + dir + "pasta.txt!"},
        {"the backup cannot be made",
         [this] {
             fs::create_directory(dir + "a.bak");
             GravaArquivoTeste(dir + "a.bak/x", "x");
         },
         "a.txt", "Erro: n\xe3o consegui gerar o backup (.bak): a.bak!\r\nO arquivo n\xe3o foi salvo."},
        {"read-only", [] {}, "ro.txt",
         "O arquivo " + dir + "ro.txt \xe9 somente leitura e n\xe3o foi salvo.\r\nUse \"Salvar Como\" para grav\xe1-lo "
                              "com outro nome."},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        c.prepara();
        const std::string nome = dir + c.arquivo;
        TformPrincipal& j = fs::is_directory(nome) ? Cria() : CriaCom(nome, "antigo\r\n");
        if (c.arquivo == "ro.txt") fs::permissions(nome, fs::perms::owner_read | fs::perms::group_read);
        Digita(j, "novo ");
        escolhas = {nome};   // asked for when the document has no name
        fake().Limpa();
        fake().respostas = {mrOk};
        j.imSalvarClick();
        EXPECT_EQ(fake().Textos().back(), c.mensagem);
        EXPECT_EQ(fake().registros.back().icone, Icone::Erro);
        if (!fs::is_directory(nome)) {
            EXPECT_EQ(LeArquivoTeste(nome), "antigo\r\n");
        }
        EXPECT_TRUE(j.Modificado());
        EXPECT_EQ(j.Linha(0).substr(0, 5), "novo ");
    }
    EXPECT_FALSE(fs::exists(dir + "ro.bak"));
}

TEST_F(JanelaPrincipal, EveryByteSurvivesOpenAndSave) {
    std::string bytes;
    for (int c = 1; c < 256; ++c)
        if (c != '\r' && c != '\n') bytes += static_cast<char>(c);
    const std::string conteudo = bytes + "\r\n" + std::string(1, '\0') + "z\r\n";
    TformPrincipal& j = CriaCom(dir + "b.txt", conteudo);
    EXPECT_EQ(j.Linha(0), bytes);
    Digita(j, "");
    j.imSalvarClick();
    EXPECT_EQ(LeArquivoTeste(dir + "b.txt"), conteudo);
}

TEST_F(JanelaPrincipal, NewAsksBeforeDroppingChanges) {
    TformPrincipal& j = Cria();
    Digita(j, "rascunho");
    fake().respostas = {mrNo};
    j.imNovoClick();
    EXPECT_EQ(j.Linha(0), "rascunho");
    EXPECT_EQ(fake().Textos(), std::vector<std::string>{"Quer abandonar a edi\xe7\xe3o?"});
    fake().respostas = {mrOk};
    ArqAtual = dir + "x.txt";
    j.imNovoClick();
    EXPECT_EQ(j.NumLinhas(), 0);
    EXPECT_EQ(ArqAtual, "");
    EXPECT_FALSE(j.Modificado());
    EXPECT_EQ(DeQString(j.windowTitle()), "Dotmara 5.0");
}

TEST_F(JanelaPrincipal, OpenByDialogMovesToTheFilesFolder) {
    fs::create_directory(dir + "livros");
    GravaArquivoTeste(dir + "livros/um.txt", "Um\r\n");
    TformPrincipal& j = Cria();
    escolhas = {dir + "livros/um.txt", ""};
    j.imAbrirClick();
    EXPECT_EQ(j.Linha(0), "Um");
    EXPECT_EQ(DirDocumento, dir + "livros/");
    EXPECT_EQ(j.Recentes.Item(0), dir + "livros/um.txt");
    j.imAbrirClick();   // Cancel changes nothing
    EXPECT_EQ(ArqAtual, dir + "livros/um.txt");
}

TEST_F(JanelaPrincipal, MissingRecentFileIsReportedAndDropped) {
    GravaArquivoTeste(dir + "a.txt", "A\r\n");
    GravaArquivoTeste(dir + "c.txt", "C\r\n");
    GravaArquivoTeste(ini, "[DOTMARA]\r\narq1=" + dir + "a.txt\r\narq2=" + dir + "b.txt\r\narq3=" + dir + "c.txt\r\n");
    TformPrincipal& j = Cria();
    Digita(j, "antes");
    fake().respostas = {mrOk, mrOk};
    j.imArqClick(1);
    EXPECT_EQ(fake().Textos(), (std::vector<std::string>{"Quer abandonar a edi\xe7\xe3o?",
                                                         "Arquivo n\xe3o encontrado: " + dir + "b.txt"}));
    // Unsaved text stays guarded.
    EXPECT_EQ(j.Linhas(), std::vector<std::string>{"antes"});
    EXPECT_TRUE(j.Modificado());
    EXPECT_EQ(ArqAtual, "");
    EXPECT_EQ(Legenda(1), dir + "c.txt");
    EXPECT_FALSE(Visivel(2));

    fake().respostas = {mrOk};
    j.imArqClick(1);
    EXPECT_EQ(j.Linha(0), "C");
    EXPECT_EQ(LePerfil("DOTMARA", "arq1", "", 0, ini), dir + "c.txt");
    EXPECT_EQ(LePerfil("DOTMARA", "arq2", "", 0, ini), dir + "a.txt");
    EXPECT_EQ(LePerfil("DOTMARA", "arq3", "", 0, ini), "");

    fake().Limpa();
    j.imArqClick(4);   // past the list
    EXPECT_EQ(fake().Textos(), std::vector<std::string>{"\xcdndice inv\xe1lido de arquivo recente."});
}

TEST_F(JanelaPrincipal, RecentEntryWithoutFolderIsCompleted) {
    GravaArquivoTeste(dir + "solto.txt", "S\r\n");
    GravaArquivoTeste(ini, "[DOTMARA]\r\narq1=/outro/x.txt\r\narq2=solto.txt\r\narq3=" + dir + "solto.txt\r\n");
    TformPrincipal& j = Cria();
    j.imArqClick(1);
    EXPECT_EQ(ArqAtual, dir + "solto.txt");
    // The duplicate went away; the completed entry is now first.
    EXPECT_EQ(j.Recentes.Itens(), (std::vector<std::string>{dir + "solto.txt", "/outro/x.txt"}));
}

// A drop opens the first file by its whole (long) path once the drop has
// ended: nothing is asked while it is under way.
TEST_F(JanelaPrincipal, DropOpensTheFirstFileAfterTheDrop) {
    const std::string longa = dir + std::string(150, 'p') + "/";
    fs::create_directory(longa);
    GravaArquivoTeste(longa + "um.txt", "primeiro\r\n");
    GravaArquivoTeste(dir + "dois.txt", "segundo\r\n");
    TformPrincipal& j = Cria();
    for (QWidget* alvo : {static_cast<QWidget*>(&j), j.richEdPrincipal->viewport()}) {
        SCOPED_TRACE(DeQString(alvo->metaObject()->className()));
        fake().Limpa();
        fake().respostas = {mrOk};
        j.DefineLinhas({"mudado"});
        j.richEdPrincipal->document()->setModified(true);
        QMimeData dados;
        dados.setUrls({Url(longa + "um.txt"), Url(dir + "dois.txt")});
        QDragEnterEvent entra(QPoint(20, 20), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(alvo, &entra);
        QDropEvent solta(QPointF(20, 20), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(alvo, &solta);
        EXPECT_TRUE(solta.isAccepted());
        EXPECT_TRUE(fake().registros.empty());
        EXPECT_EQ(j.Linha(0), "mudado");
        QApplication::processEvents();
        EXPECT_EQ(fake().Textos(), std::vector<std::string>{"Quer abandonar a edi\xe7\xe3o?"});
        EXPECT_EQ(j.Linhas(), std::vector<std::string>{"primeiro"});
        EXPECT_EQ(ArqAtual, longa + "um.txt");
    }
}

// The text commands reach the text, each one undoable.
TEST_F(JanelaPrincipal, TextConversionCommands) {
    const std::string linha = "A\xe7\xe3o \xc9 \xfanica";
    const struct {
        void (TformPrincipal::*comando)();
        std::vector<std::string> antes, depois;
    } casos[] = {
        {&TformPrincipal::ConverterparaformatoDOS1Click, {linha, "fim"}, {"A\x87\xc6o \x90 \xa3nica", "fim"}},
        {&TformPrincipal::Eliminarformataes1Click, {"\ta\tb", "c"}, {"  a  b", "c"}},
    };
    TformPrincipal& j = Cria();
    for (const auto& c : casos) {
        SCOPED_TRACE(c.antes[0]);
        j.DefineLinhas(c.antes);
        j.richEdPrincipal->document()->setModified(false);
        (j.*c.comando)();
        EXPECT_EQ(j.Linhas(), c.depois);
        EXPECT_TRUE(j.Modificado());
        j.richEdPrincipal->undo();
        EXPECT_EQ(j.Linhas(), c.antes);
    }
}

// The limit holds on paste, typing and the input method; Delete still
// works at the limit (X11 gives its key the text DEL), and deleting makes
// room again.
TEST_F(JanelaPrincipal, TextLimitHoldsOnPasteAndTyping) {
    TformPrincipal& j = Cria();
    const int limite = TRichEdPrincipal::LimiteTexto;
    j.richEdPrincipal->setPlainText(QString(limite - 4, 'x'));
    QApplication::clipboard()->setText("abcdefgh");
    j.richEdPrincipal->moveCursor(QTextCursor::End);
    j.richEdPrincipal->paste();
    EXPECT_EQ(j.richEdPrincipal->TamanhoTexto(), limite);
    QKeyEvent tecla(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z");
    QApplication::sendEvent(j.richEdPrincipal, &tecla);
    QInputMethodEvent composto;
    composto.setCommitString(QString::fromUtf8("\xc3\xa3"));
    QApplication::sendEvent(j.richEdPrincipal, &composto);
    EXPECT_EQ(j.richEdPrincipal->TamanhoTexto(), limite);
    EXPECT_TRUE(j.richEdPrincipal->toPlainText().endsWith("xabcd"));
    j.richEdPrincipal->textCursor().deletePreviousChar();
    QApplication::sendEvent(j.richEdPrincipal, &composto);
    EXPECT_EQ(j.Linha(0).substr(static_cast<size_t>(limite) - 5), "xabc\xe3");

    j.richEdPrincipal->moveCursor(QTextCursor::Start);
    QKeyEvent apaga(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7f)));
    QApplication::sendEvent(j.richEdPrincipal, &apaga);
    EXPECT_EQ(j.richEdPrincipal->TamanhoTexto(), limite - 1);
}

// A file at the limit loads whole, with or without a line end after its
// last line, and saves back as it was; one past it is refused whole (never
// cut), and the unsaved text stays as it was.
TEST_F(JanelaPrincipal, AFileTheEditorCannotHoldIsRefusedAndTheTextStays) {
    const std::string linha(99, 'a');
    const std::string limite = LinhasEmTexto(std::vector<std::string>(3000, linha));
    const std::string semQuebra = limite.substr(0, limite.size() - 2) + "a";
    GravaArquivoTeste(dir + "grande.txt", semQuebra + "a");
    TformPrincipal& j = Cria();
    for (const std::string& conteudo : {limite, semQuebra}) {
        GravaArquivoTeste(dir + "limite.txt", conteudo);
        ASSERT_TRUE(j.CarregaArquivo(dir + "limite.txt"));
        ArqAtual = dir + "limite.txt";
        EXPECT_EQ(j.richEdPrincipal->TamanhoTexto(), TRichEdPrincipal::LimiteTexto);
        EXPECT_EQ(j.Linha(2999).substr(0, 99), linha);
        j.imSalvarClick();
        EXPECT_EQ(LeArquivoTeste(dir + "limite.txt"), conteudo);
    }
    EXPECT_TRUE(fake().registros.empty());

    j.DefineLinhas({"texto que n\xe3o foi salvo"});
    EXPECT_FALSE(j.CarregaArquivo(dir + "grande.txt"));
    EXPECT_EQ(fake().Textos(), std::vector<std::string>{"Arquivo grande demais para o editor (mais de 300000 "
                                                        "caracteres):\r\n" + dir + "grande.txt"});
    EXPECT_EQ(j.Linhas(), std::vector<std::string>{"texto que n\xe3o foi salvo"});
    EXPECT_TRUE(j.Modificado());
}

// Pasting takes text only (a file copied in a file manager opens nothing)
// and keeps what a saved file can hold: one "?" per character outside it.
TEST_F(JanelaPrincipal, PasteTakesTextASavedFileCanHold) {
    TformPrincipal& j = Cria();
    auto* dados = new QMimeData;
    dados->setUrls({Url(dir + "outro.txt")});
    dados->setText(QString::fromStdString(dir + "outro.txt"));
    GravaArquivoTeste(dir + "outro.txt", "outro\r\n");
    QApplication::clipboard()->setMimeData(dados);
    j.richEdPrincipal->paste();
    EXPECT_TRUE(fake().registros.empty());
    EXPECT_EQ(ArqAtual, "");
    EXPECT_EQ(j.Linha(0), dir + "outro.txt");

    j.DefineLinhas({});
    QApplication::clipboard()->setText(QString::fromUtf8("a\xe2\x82\xac b\xe2\x86\x92" "c\r\nd\xf0\x9f\x98\x80!"));
    j.richEdPrincipal->paste();
    EXPECT_EQ(j.Linhas(), (std::vector<std::string>{"a\x80 b?c", "d?!"}));
}

// ---- Shutdown -------------------------------------------------------------------------

// By the window's close or the menu's Exit: the questions asked, whether the
// program stays, and the folder written only when it leaves.
TEST_F(JanelaPrincipal, LeavingAsksWhatItMust) {
    const std::string sair = "Quer mesmo abandonar sem gravar ?", salvo = "Fechando o programa, tudo foi salvo ?";
    const struct {
        bool pelaJanela, modificado;
        std::vector<int> respostas;
        std::vector<std::string> perguntas;
        bool fica;
    } casos[] = {
        {true, false, {}, {}, false},
        {false, false, {}, {}, false},
        {true, true, {mrCancel}, {salvo}, true},
        {true, true, {mrOk}, {salvo}, false},
        {false, true, {mrCancel}, {sair}, true},
        {false, true, {mrOk, mrCancel}, {sair, salvo}, true},
        {false, true, {mrOk, mrOk}, {sair, salvo}, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << (c.pelaJanela ? "close" : "Sair") << " " << c.perguntas.size());
        GravaArquivoTeste(ini, "");
        TformPrincipal& j = Cria();
        j.show();
        if (c.modificado) Digita(j, "x");
        fake().Limpa();
        fake().respostas = {c.respostas.begin(), c.respostas.end()};
        if (c.pelaJanela)
            EXPECT_EQ(j.close(), !c.fica);
        else
            j.imSairClick();
        EXPECT_EQ(j.isVisible(), c.fica);
        EXPECT_EQ(fake().Textos(), c.perguntas);
        for (const auto& r : fake().registros)
            EXPECT_EQ(r.botoes, r.texto == sair ? Botoes::NoOKCancel : Botoes::OKCancel) << r.texto;
        EXPECT_EQ(LePerfil("DOTMARA", "ultimoDir", "?", 0, ini), c.fica ? "?" : dir);
    }
}

} // namespace
