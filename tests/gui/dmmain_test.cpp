// The main window through its real widgets: start-up from the INI file,
// the selection panel, document files, drops, code pages, the editor's
// limit, the about window and shutdown. Boxes are answered by the dialog
// fake; file dialogs by the window's dialog hooks.
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

// A drop as the window system delivers it: enter, then drop.
void Solta(QWidget* alvo, QMimeData* dados) {
    QDragEnterEvent entra(QPoint(20, 20), Qt::CopyAction, dados, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(alvo, &entra);
    QDropEvent solta(QPointF(20, 20), Qt::CopyAction, dados, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(alvo, &solta);
    // A dropped file opens once the drop has ended.
    QApplication::processEvents();
}

class JanelaPrincipal : public JanelaDeTeste {
protected:
    std::vector<std::string> escolhas;   // answers of the file dialogs; "" = Cancel
    std::vector<std::string> pastasDosDialogos;
    std::vector<std::string> propostos;
    std::unique_ptr<TformSplash> splash;
    // The test's folder, with a trailing "/", and its INI file.
    const std::string dir = pasta.dir();
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
        CriaJanela();
        janela->dialogoAbrir = [this](const std::string& pasta, std::string& nome) {
            pastasDosDialogos.push_back(pasta);
            if (escolhas.empty() || escolhas.front().empty()) {
                if (!escolhas.empty()) escolhas.erase(escolhas.begin());
                return false;
            }
            nome = escolhas.front();
            escolhas.erase(escolhas.begin());
            return true;
        };
        janela->dialogoSalvar = [this](const std::string& pasta, const std::string& proposto,
                                       std::string& nome) {
            propostos.push_back(proposto);
            return janela->dialogoAbrir(pasta, nome);
        };
        return *janela;
    }

    void CriaSplash() {
        splash = std::make_unique<TformSplash>();
        formSplash = splash.get();
    }

    void Digita(TformPrincipal& j, const std::string& texto) {
        j.richEdPrincipal->textCursor().insertText(ParaQString(texto));
    }

    std::string Legenda(int i) const { return DeQString(janela->imArq[static_cast<size_t>(i)]->text()); }
    bool Visivel(int i) const { return janela->imArq[static_cast<size_t>(i)]->isVisible(); }
};

// ---- Start-up -----------------------------------------------------------------

TEST_F(JanelaPrincipal, StartsWithoutIniFile) {
    TformPrincipal& j = Cria();
    EXPECT_FALSE(j.imReabrir->isEnabled());
    EXPECT_EQ(j.Recentes.Tamanho(), 0);
    EXPECT_EQ(DirDocumento, dir);
    EXPECT_EQ(j.NumLinhas(), 0);
    EXPECT_EQ(&DocumentoAtual(), static_cast<LinhasDocumento*>(&j));
    EXPECT_TRUE(fake().registros.empty());
}

TEST_F(JanelaPrincipal, RecentEntriesDifferingOnlyInCaseGiveOneItem) {
    GravaArquivoTeste(ini, "[DOTMARA]\r\narq1=/docs/Livro.txt\r\narq2=\r\narq3=/DOCS/LIVRO.TXT\r\n"
                 "arq4=/docs/outro.txt\r\n");
    TformPrincipal& j = Cria();
    EXPECT_TRUE(j.imReabrir->isEnabled());
    EXPECT_EQ(Legenda(0), "/docs/Livro.txt");
    EXPECT_EQ(Legenda(1), "/docs/outro.txt");
    EXPECT_TRUE(Visivel(0));
    EXPECT_TRUE(Visivel(1));
    for (int i = 2; i < 5; ++i) {
        EXPECT_FALSE(Visivel(i));
        EXPECT_EQ(Legenda(i), "");
    }
    // Each item opens its own file: the second item is the second entry.
    EXPECT_EQ(j.Recentes.Item(1), "/docs/outro.txt");
}

TEST_F(JanelaPrincipal, WrapColumnAndLineBreakFromIni) {
    GravaArquivoTeste(ini, "[DOTMARA]\r\nmaxCol=40\r\nquebraLin=n\r\n");
    Cria();
    EXPECT_EQ(MaxCol, 40);
    EXPECT_FALSE(QuebraLin);
}

TEST_F(JanelaPrincipal, LastFolderIsEnteredOrReported) {
    fs::create_directory(dir + "sub");
    GravaPerfil("DOTMARA", "ultimoDir", dir + "sub/", ini);
    Cria();
    EXPECT_EQ(DirDocumento, dir + "sub/");
    EXPECT_EQ(DiretorioAtual(), dir + "sub/");

    DirDocumento = dir;
    MudaDiretorioAtual(dir);
    GravaPerfil("DOTMARA", "ultimoDir", dir + "sumiu/", ini);
    Cria();
    EXPECT_EQ(DirDocumento, dir);
    ASSERT_EQ(fake().registros.size(), 1u);
    EXPECT_EQ(fake().registros[0].texto, "Aten\xe7\xe3o: diret\xf3rio " + dir + "sumiu/ inacess\xedvel!");
}

TEST_F(JanelaPrincipal, CommandLineFileOpensOnShow) {
    GravaArquivoTeste(dir + "doc.txt", "linha um\r\nlinha dois\r\n");
    fs::create_directory(dir + "outra");
    MudaDiretorioAtual(dir + "outra");
    TformPrincipal& j = Cria();
    j.argumentos = {"../doc.txt"};
    j.FormShow();
    ASSERT_EQ(j.NumLinhas(), 2);
    EXPECT_EQ(j.Linha(1), "linha dois");
    EXPECT_FALSE(j.Modificado());
    // A relative name is made whole, so a later save writes the same file.
    EXPECT_TRUE(IgualSemCaixa(ExtraiNomeArquivo(ArqAtual), "doc.txt"));
    EXPECT_EQ(ArqAtual.front(), '/');
    Digita(j, "x");
    j.imSalvarClick();
    EXPECT_EQ(LeArquivoTeste(dir + "doc.txt"), "xlinha um\r\nlinha dois\r\n");
    EXPECT_FALSE(fs::exists(dir + "outra/doc.txt"));
}

TEST_F(JanelaPrincipal, RelativeCommandLineNameIsTakenFromTheStartFolder) {
    // The last folder of the previous run is entered at creation; a name
    // given relative to the folder the program started in still opens.
    GravaArquivoTeste(dir + "doc.txt", "um\r\n");
    fs::create_directory(dir + "sub");
    GravaPerfil("DOTMARA", "ultimoDir", dir + "sub/", ini);
    TformPrincipal& j = Cria();
    ASSERT_EQ(DirDocumento, dir + "sub/");
    j.argumentos = {"doc.txt"};
    j.FormShow();
    EXPECT_TRUE(fake().registros.empty());
    EXPECT_EQ(j.Linha(0), "um");
    EXPECT_EQ(ArqAtual, dir + "doc.txt");
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
    EXPECT_EQ(DeQString(j.windowTitle()), "Dotmara 5.0");
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
    EXPECT_EQ(j.timerPrinc->interval(), 1000);
    EXPECT_FALSE(j.PrimeiraAtivacao);
    EXPECT_EQ(DeQString(j.sbarPrincipal[4]->text()), " Pasta atual:  " + dir.substr(0, dir.size() - 1));
    // Later activations do not start it again.
    j.timerPrinc->stop();
    j.FormActivate();
    EXPECT_FALSE(j.timerPrinc->isActive());
}

// ---- The about window ------------------------------------------------------------

TEST_F(JanelaPrincipal, AboutWindowShowsAndCloses) {
    TformPrincipal& j = Cria();
    CriaSplash();
    j.imSobreProgramaClick(j.imSobrePrograma);
    EXPECT_EQ(j.timerPrinc->interval(), 100);
    j.timerPrincTimer();
    ASSERT_TRUE(splash->isVisible());
    EXPECT_EQ(j.timerPrinc->interval(), 3000);
    EXPECT_EQ(DeQString(splash->stxtdata->text()), " Release: 2025.12.09.01 ");
    EXPECT_EQ(DeQString(splash->stxtVersao->text()), " Vers\xe3o 5.0 ");
    EXPECT_TRUE(splash->stxtBeta->isVisibleTo(splash.get()));
    // Asking again while it is shown changes nothing.
    j.imSobreProgramaClick(j.imSobrePrograma);
    EXPECT_EQ(j.timerPrinc->interval(), 3000);
    j.timerPrincTimer();
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(j.timerPrinc->isActive());
}

TEST_F(JanelaPrincipal, ClosingTheAboutWindowAnyWayStopsTheTimer) {
    // The window manager's close or any key: the next tick must not show it again.
    struct Caso {
        const char* nome;
        std::function<void(TformSplash&)> fecha;
    };
    const Caso casos[] = {
        {"close", [](TformSplash& s) { s.close(); }},
        {"tecla",
         [](TformSplash& s) {
             QKeyEvent tecla(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
             QApplication::sendEvent(&s, &tecla);
         }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        splash.reset();   // the window of the previous row goes before its main window
        formSplash = nullptr;
        TformPrincipal& j = Cria();
        CriaSplash();
        j.imSobreProgramaClick(&j);
        j.timerPrincTimer();
        ASSERT_TRUE(splash->isVisible());
        ASSERT_TRUE(j.timerPrinc->isActive());
        c.fecha(*splash);
        EXPECT_FALSE(splash->isVisible());
        EXPECT_FALSE(j.timerPrinc->isActive());
    }
}

// ---- Caret services ----------------------------------------------------------------

TEST_F(JanelaPrincipal, SelectionPanelCountsLineEndsAndLines) {
    TformPrincipal& j = Cria();
    j.DefineLinhas({"ab", "cde"});
    QTextCursor c = j.richEdPrincipal->textCursor();
    c.setPosition(0);
    c.setPosition(3, QTextCursor::KeepAnchor);   // "ab" and its line end
    j.richEdPrincipal->setTextCursor(c);
    EXPECT_EQ(DeQString(j.sbarPrincipal[2]->text()), " Sel: 4 | 2");
    int l = 0, k = 0;
    j.LinColFimSel(l, k);
    EXPECT_EQ(l, 1);
    EXPECT_EQ(k, 0);
    c.setPosition(5);
    j.richEdPrincipal->setTextCursor(c);
    EXPECT_EQ(DeQString(j.sbarPrincipal[2]->text()), " Sel: 0 | 1");
    EXPECT_EQ(DeQString(j.sbarPrincipal[0]->text()), " Lin: 2");
    EXPECT_EQ(DeQString(j.sbarPrincipal[1]->text()), " Col: 3");
    // A new anchor with the caret where it was still updates the panel.
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
    EXPECT_EQ(LeArquivoTeste(dir + "a.txt"), "primeira vers\xe3o\r\n");
    EXPECT_FALSE(fs::exists(dir + "a.bak"));
    EXPECT_EQ(ArqAtual, dir + "a.txt");
    EXPECT_FALSE(j.Modificado());
    EXPECT_EQ(DeQString(j.windowTitle()), "Dotmara - a.txt");
    EXPECT_EQ(LePerfil("DOTMARA", "arq1", "", 0, ini), dir + "a.txt");
    EXPECT_EQ(Legenda(0), dir + "a.txt");

    j.PosicionaCursor(0, 0);
    Digita(j, "segunda ");
    j.imSalvarClick();   // no dialog: the document has a name
    EXPECT_EQ(escolhas.size(), 0u);
    EXPECT_EQ(LeArquivoTeste(dir + "a.txt"), "segunda primeira vers\xe3o\r\n");
    EXPECT_EQ(LeArquivoTeste(dir + "a.bak"), "primeira vers\xe3o\r\n");
    EXPECT_TRUE(fake().registros.empty());
}

TEST_F(JanelaPrincipal, SaveAsAsksBeforeOverwriting) {
    GravaArquivoTeste(dir + "a.txt", "A\r\n");
    GravaArquivoTeste(dir + "b.txt", "B\r\n");
    TformPrincipal& j = Cria();
    ASSERT_TRUE(j.CarregaArquivo(dir + "a.txt"));
    ArqAtual = dir + "a.txt";
    Digita(j, "novo ");

    // Onto its own name, in another letter case: Cancel writes nothing.
    GravaArquivoTeste(dir + "A.TXT", "outro\r\n");
    escolhas = {dir + "A.TXT"};
    fake().respostas = {mrCancel};
    j.imSalvarComoClick();
    EXPECT_EQ(propostos, std::vector<std::string>{"a.txt"});
    ASSERT_EQ(fake().registros.size(), 1u);
    EXPECT_EQ(fake().registros[0].texto, "Sobrescrever o pr\xf3prio arquivo: " + dir + "A.TXT?");
    EXPECT_EQ(fake().registros[0].botoes, Botoes::NoOKCancel);
    EXPECT_EQ(LeArquivoTeste(dir + "A.TXT"), "outro\r\n");
    EXPECT_EQ(ArqAtual, dir + "a.txt");
    EXPECT_TRUE(j.Modificado());

    // Onto another file: OK writes it and it becomes the document.
    fake().Limpa();
    escolhas = {dir + "b.txt"};
    fake().respostas = {mrOk};
    j.imSalvarComoClick();
    EXPECT_EQ(fake().Textos(), std::vector<std::string>{"Arquivo " + dir + "b.txt j\xe1 exitente. Sobrescrever?"});
    EXPECT_EQ(LeArquivoTeste(dir + "b.txt"), "novo A\r\n");
    EXPECT_EQ(LeArquivoTeste(dir + "b.bak"), "B\r\n");
    EXPECT_EQ(ArqAtual, dir + "b.txt");

    // No to the question is no too.
    fake().Limpa();
    escolhas = {dir + "a.txt"};
    fake().respostas = {mrNo};
    Digita(j, "!");
    j.imSalvarComoClick();
    EXPECT_EQ(LeArquivoTeste(dir + "a.txt"), "A\r\n");
}

TEST_F(JanelaPrincipal, FailedSaveReportsAndKeepsTheDocumentModified) {
    TformPrincipal& j = Cria();
    fs::create_directory(dir + "pasta.txt");
    Digita(j, "texto");
    escolhas = {dir + "pasta.txt"};
    fake().respostas = {mrOk};   // the overwrite question is not asked for a folder
    j.imSalvarClick();
    EXPECT_EQ(fake().Textos().back(), "Erro ao salvar o arquivo " + dir + "pasta.txt!");
    EXPECT_EQ(ArqAtual, "");
    EXPECT_TRUE(j.Modificado());
    EXPECT_TRUE(fs::is_directory(dir + "pasta.txt"));
}

TEST_F(JanelaPrincipal, FailedBackupWritesNothing) {
    GravaArquivoTeste(dir + "a.txt", "bom\r\n");
    fs::create_directory(dir + "a.bak");
    GravaArquivoTeste(dir + "a.bak/x", "x");
    TformPrincipal& j = Cria();
    ASSERT_TRUE(j.CarregaArquivo(dir + "a.txt"));
    ArqAtual = dir + "a.txt";
    Digita(j, "mau ");
    j.imSalvarClick();
    EXPECT_EQ(fake().Textos(), std::vector<std::string>{
                                   "Erro: n\xe3o consegui gerar o backup (.bak): a.bak!\r\nO arquivo n\xe3o foi salvo."});
    EXPECT_EQ(LeArquivoTeste(dir + "a.txt"), "bom\r\n");
    EXPECT_TRUE(j.Modificado());
}

// F2 on a read-only document refuses with a message and keeps the unsaved
// text.
TEST_F(JanelaPrincipal, SavingAReadOnlyDocumentIsRefused) {
    GravaArquivoTeste(dir + "doc.txt", "antigo\r\n");
    fs::permissions(dir + "doc.txt", fs::perms::owner_read | fs::perms::group_read);
    TformPrincipal& j = Cria();
    ASSERT_TRUE(j.CarregaArquivo(dir + "doc.txt"));
    ArqAtual = dir + "doc.txt";
    Digita(j, "novo ");
    j.imSalvarClick();
    EXPECT_EQ(fake().Textos(),
              std::vector<std::string>{"O arquivo " + dir + "doc.txt \xe9 somente leitura e n\xe3o foi salvo."
                                       "\r\nUse \"Salvar Como\" para grav\xe1-lo com outro nome."});
    EXPECT_EQ(fake().registros[0].icone, Icone::Erro);
    EXPECT_EQ(LeArquivoTeste(dir + "doc.txt"), "antigo\r\n");
    EXPECT_FALSE(fs::exists(dir + "doc.bak"));
    EXPECT_TRUE(j.Modificado());
    EXPECT_EQ(j.Linha(0), "novo antigo");
}

TEST_F(JanelaPrincipal, EveryByteSurvivesOpenAndSave) {
    std::string bytes;
    for (int c = 1; c < 256; ++c)
        if (c != '\r' && c != '\n') bytes += static_cast<char>(c);
    const std::string conteudo = bytes + "\r\n" + std::string(1, '\0') + "z\r\n";
    GravaArquivoTeste(dir + "b.txt", conteudo);
    TformPrincipal& j = Cria();
    ASSERT_TRUE(j.CarregaArquivo(dir + "b.txt"));
    ArqAtual = dir + "b.txt";
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
    ASSERT_EQ(fake().registros.size(), 1u);
    EXPECT_EQ(fake().registros[0].texto, "Quer abandonar a edi\xe7\xe3o?");
    EXPECT_EQ(fake().registros[0].icone, Icone::Aviso);
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
    escolhas = {dir + "livros/um.txt"};
    j.imAbrirClick();
    EXPECT_EQ(j.Linha(0), "Um");
    EXPECT_EQ(ArqAtual, dir + "livros/um.txt");
    EXPECT_EQ(DirDocumento, dir + "livros/");
    EXPECT_EQ(j.Recentes.Item(0), dir + "livros/um.txt");
    // Cancel in the dialog changes nothing.
    escolhas = {""};
    j.imAbrirClick();
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
    EXPECT_EQ(j.Linha(0), "antes");
    EXPECT_EQ(j.NumLinhas(), 1);
    // Unsaved text stays guarded.
    EXPECT_TRUE(j.Modificado());
    EXPECT_EQ(ArqAtual, "");
    EXPECT_EQ(j.Recentes.Itens(), (std::vector<std::string>{dir + "a.txt", dir + "c.txt"}));
    EXPECT_EQ(Legenda(0), dir + "a.txt");
    EXPECT_EQ(Legenda(1), dir + "c.txt");
    EXPECT_FALSE(Visivel(2));
    EXPECT_EQ(j.IndiceReabrir, -1);

    // Each item opens its own file.
    fake().respostas = {mrOk};
    j.imArqClick(1);
    EXPECT_EQ(j.Linha(0), "C");
    EXPECT_EQ(j.Recentes.Item(0), dir + "c.txt");
    EXPECT_EQ(LePerfil("DOTMARA", "arq1", "", 0, ini), dir + "c.txt");
    EXPECT_EQ(LePerfil("DOTMARA", "arq2", "", 0, ini), dir + "a.txt");
    EXPECT_EQ(LePerfil("DOTMARA", "arq3", "", 0, ini), "");

    // An index past the list.
    fake().Limpa();
    j.imArqClick(4);
    EXPECT_EQ(fake().Textos(), std::vector<std::string>{"\xcdndice inv\xe1lido de arquivo recente."});
}

TEST_F(JanelaPrincipal, RecentEntryWithoutFolderIsCompleted) {
    GravaArquivoTeste(dir + "solto.txt", "S\r\n");
    GravaArquivoTeste(ini, "[DOTMARA]\r\narq1=/outro/x.txt\r\narq2=solto.txt\r\narq3=" + dir + "solto.txt\r\n");
    TformPrincipal& j = Cria();
    j.imArqClick(1);
    EXPECT_EQ(j.Linha(0), "S");
    EXPECT_EQ(ArqAtual, dir + "solto.txt");
    // The duplicate went away; the completed entry is now first.
    EXPECT_EQ(j.Recentes.Itens(), (std::vector<std::string>{dir + "solto.txt", "/outro/x.txt"}));
    EXPECT_EQ(LePerfil("DOTMARA", "arq2", "", 0, ini), "/outro/x.txt");
    EXPECT_EQ(LePerfil("DOTMARA", "arq3", "", 0, ini), "");
}

TEST_F(JanelaPrincipal, DroppingThreeFilesOpensTheFirstWholePath) {
    // A long folder name: the whole path is used.
    const std::string longa = dir + std::string(150, 'p') + "/";
    fs::create_directory(longa);
    GravaArquivoTeste(longa + "um.txt", "primeiro\r\n");
    GravaArquivoTeste(dir + "dois.txt", "segundo\r\n");
    GravaArquivoTeste(dir + "tres.txt", "terceiro\r\n");
    TformPrincipal& j = Cria();
    QMimeData dados;
    dados.setUrls({QUrl::fromLocalFile(QString::fromStdString(longa + "um.txt")),
                   QUrl::fromLocalFile(QString::fromStdString(dir + "dois.txt")),
                   QUrl::fromLocalFile(QString::fromStdString(dir + "tres.txt"))});
    Solta(&j, &dados);
    EXPECT_EQ(j.NumLinhas(), 1);
    EXPECT_EQ(j.Linha(0), "primeiro");
    EXPECT_EQ(ArqAtual, longa + "um.txt");

    // On the editor too, after the abandon question.
    Digita(j, "mudado ");
    fake().respostas = {mrOk};
    QMimeData outro;
    outro.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir + "tres.txt"))});
    Solta(j.richEdPrincipal->viewport(), &outro);
    ASSERT_EQ(fake().Textos(), std::vector<std::string>{"Quer abandonar a edi\xe7\xe3o?"});
    EXPECT_EQ(fake().registros[0].icone, Icone::Pergunta);
    EXPECT_EQ(j.Linha(0), "terceiro");
}

TEST_F(JanelaPrincipal, DropEndsBeforeTheQuestion) {
    GravaArquivoTeste(dir + "um.txt", "um\r\n");
    TformPrincipal& j = Cria();
    Digita(j, "mudado");
    fake().respostas = {mrOk};
    QMimeData dados;
    dados.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir + "um.txt"))});
    QDragEnterEvent entra(QPoint(20, 20), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(j.richEdPrincipal->viewport(), &entra);
    QDropEvent solta(QPointF(20, 20), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(j.richEdPrincipal->viewport(), &solta);
    EXPECT_TRUE(solta.isAccepted());
    // Nothing is asked while the drop is under way.
    EXPECT_TRUE(fake().registros.empty());
    EXPECT_EQ(j.Linha(0), "mudado");
    QApplication::processEvents();
    EXPECT_EQ(fake().Textos(), std::vector<std::string>{"Quer abandonar a edi\xe7\xe3o?"});
    EXPECT_EQ(j.Linha(0), "um");
    EXPECT_EQ(ArqAtual, dir + "um.txt");
}

TEST_F(JanelaPrincipal, DosAndBackGivesTheTextBack) {
    TformPrincipal& j = Cria();
    const std::string linha = "A\xe7\xe3o \xc9 \xfanica";
    j.DefineLinhas({linha, "fim"});
    j.ConverterparaformatoDOS1Click();
    EXPECT_EQ(j.Linha(0), "A\x87\xc6o \x90 \xa3nica");
    j.ConverterparaformatoWindows1Click();
    EXPECT_EQ(j.Linhas(), (std::vector<std::string>{linha, "fim"}));
    // Both steps undo as single steps.
    EXPECT_TRUE(j.richEdPrincipal->document()->isUndoAvailable());
}

TEST_F(JanelaPrincipal, RemovingFormattingExpandsTabs) {
    TformPrincipal& j = Cria();
    j.DefineLinhas({"\ta\tb", "c"});
    j.richEdPrincipal->document()->setModified(false);
    j.Eliminarformataes1Click();
    EXPECT_EQ(j.Linha(0), "  a  b");
    EXPECT_EQ(j.Linha(1), "c");
    EXPECT_TRUE(j.Modificado());
}

TEST_F(JanelaPrincipal, TextLimitHoldsOnPasteAndTyping) {
    TformPrincipal& j = Cria();
    const int limite = TRichEdPrincipal::LimiteTexto;
    j.richEdPrincipal->setPlainText(QString(limite - 4, 'x'));
    QApplication::clipboard()->setText("abcdefgh");
    j.richEdPrincipal->moveCursor(QTextCursor::End);
    j.richEdPrincipal->paste();
    EXPECT_EQ(j.richEdPrincipal->TamanhoTexto(), limite);
    EXPECT_TRUE(j.richEdPrincipal->toPlainText().endsWith("xabcd"));
    QKeyEvent tecla(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z");
    QApplication::sendEvent(j.richEdPrincipal, &tecla);
    EXPECT_EQ(j.richEdPrincipal->TamanhoTexto(), limite);
    // Nor through the input method (composed letters).
    QInputMethodEvent composto;
    composto.setCommitString(QString::fromUtf8("\xc3\xa3"));
    QApplication::sendEvent(j.richEdPrincipal, &composto);
    EXPECT_EQ(j.richEdPrincipal->TamanhoTexto(), limite);
    // Deleting makes room again.
    j.richEdPrincipal->textCursor().deletePreviousChar();
    QApplication::sendEvent(j.richEdPrincipal, &tecla);
    EXPECT_TRUE(j.richEdPrincipal->toPlainText().endsWith("xabcz"));
    j.richEdPrincipal->textCursor().deletePreviousChar();
    QApplication::sendEvent(j.richEdPrincipal, &composto);
    EXPECT_EQ(j.Linha(0).substr(static_cast<size_t>(limite) - 5), "xabc\xe3");
}

TEST_F(JanelaPrincipal, DeleteKeyWorksAtTheLimit) {
    TformPrincipal& j = Cria();
    j.richEdPrincipal->setPlainText(QString(TRichEdPrincipal::LimiteTexto, 'x'));
    j.richEdPrincipal->moveCursor(QTextCursor::Start);
    // X11 gives the Delete key the text DEL.
    QKeyEvent tecla(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7f)));
    QApplication::sendEvent(j.richEdPrincipal, &tecla);
    EXPECT_EQ(j.richEdPrincipal->TamanhoTexto(), TRichEdPrincipal::LimiteTexto - 1);
}

TEST_F(JanelaPrincipal, AFileTheEditorCannotHoldIsRefusedAndTheTextStays) {
    // What the editor holds, at most: every character of a file at the limit
    // loads; a file past it, or one that never ends, is refused whole (never
    // cut), with its own message, and the unsaved text stays as it was.
    const std::string linha(99, 'a');
    GravaArquivoTeste(dir + "limite.txt", LinhasEmTexto(std::vector<std::string>(3000, linha)));
    GravaArquivoTeste(dir + "grande.txt", LinhasEmTexto(std::vector<std::string>(4000, linha)));
    TformPrincipal& j = Cria();
    ASSERT_TRUE(j.CarregaArquivo(dir + "limite.txt"));
    EXPECT_EQ(j.richEdPrincipal->TamanhoTexto(), TRichEdPrincipal::LimiteTexto);
    EXPECT_EQ(j.Linha(2999), linha);
    EXPECT_TRUE(fake().Textos().empty());

    j.DefineLinhas({"texto que n\xe3o foi salvo"});
    EXPECT_FALSE(j.CarregaArquivo(dir + "grande.txt"));
    EXPECT_EQ(fake().Textos(), std::vector<std::string>{"Arquivo grande demais para o editor (mais de 300000 "
                                                        "caracteres): " + dir + "grande.txt"});
    EXPECT_EQ(j.Linhas(), std::vector<std::string>{"texto que n\xe3o foi salvo"});
    EXPECT_TRUE(j.Modificado());
}

TEST_F(JanelaPrincipal, PastingCopiedFilesOpensNothing) {
    // Only a drop opens a file; a file copied in a file manager pastes the
    // text it carries.
    GravaArquivoTeste(dir + "outro.txt", "outro\r\n");
    TformPrincipal& j = Cria();
    Digita(j, "texto ");
    auto* dados = new QMimeData;
    dados->setUrls({QUrl::fromLocalFile(QString::fromStdString(dir + "outro.txt"))});
    dados->setText(QString::fromStdString(dir + "outro.txt"));
    QApplication::clipboard()->setMimeData(dados);
    j.richEdPrincipal->paste();
    EXPECT_TRUE(fake().registros.empty());
    EXPECT_EQ(ArqAtual, "");
    EXPECT_EQ(j.Linha(0), "texto " + dir + "outro.txt");
}

TEST_F(JanelaPrincipal, PastedTextKeepsOnlyWhatASavedFileCanHold) {
    TformPrincipal& j = Cria();
    QApplication::clipboard()->setText(QString::fromUtf8("a\xe2\x82\xac b\xe2\x86\x92" "c\r\nd"));
    j.richEdPrincipal->paste();
    EXPECT_EQ(j.Linha(0), "a\x80 b?c");
    EXPECT_EQ(j.Linha(1), "d");
    // A character beyond 16 bits (here an emoji) is one "?", not two.
    QApplication::clipboard()->setText(QString::fromUtf8("\xf0\x9f\x98\x80!"));
    j.richEdPrincipal->paste();
    EXPECT_EQ(j.Linha(1), "d?!");
}

// ---- Shutdown -------------------------------------------------------------------------

TEST_F(JanelaPrincipal, LeavingWithoutChangesWritesTheFolderAndAsksNothing) {
    // By the window's close and by the menu's Exit.
    for (bool pelaJanela : {true, false}) {
        SCOPED_TRACE(pelaJanela ? "close" : "Sair");
        GravaArquivoTeste(ini, "");
        TformPrincipal& j = Cria();
        j.show();
        if (pelaJanela)
            EXPECT_TRUE(j.close());
        else
            j.imSairClick();
        EXPECT_FALSE(j.isVisible());
        EXPECT_TRUE(fake().registros.empty());
        EXPECT_EQ(LePerfil("DOTMARA", "ultimoDir", "?", 0, ini), dir);
    }
}

TEST_F(JanelaPrincipal, CloseWithChangesAsks) {
    TformPrincipal& j = Cria();
    Digita(j, "x");
    fake().respostas = {mrCancel};
    EXPECT_FALSE(j.close());
    ASSERT_EQ(fake().registros.size(), 1u);
    EXPECT_EQ(fake().registros[0].texto, "Fechando o programa, tudo foi salvo ?");
    EXPECT_EQ(fake().registros[0].botoes, Botoes::OKCancel);
    EXPECT_EQ(LePerfil("DOTMARA", "ultimoDir", "?", 0, ini), "?");
    fake().respostas = {mrOk};
    EXPECT_TRUE(j.close());
    EXPECT_EQ(LePerfil("DOTMARA", "ultimoDir", "?", 0, ini), dir);
}

TEST_F(JanelaPrincipal, LeavingAsksBothQuestions) {
    TformPrincipal& j = Cria();
    j.show();
    Digita(j, "x");
    // Cancel at the first question keeps the program open.
    fake().respostas = {mrCancel};
    j.imSairClick();
    EXPECT_TRUE(j.isVisible());
    EXPECT_EQ(fake().Textos(), std::vector<std::string>{"Quer mesmo abandonar sem gravar ?"});
    EXPECT_EQ(fake().registros[0].botoes, Botoes::NoOKCancel);
    // OK, then Cancel at the second.
    fake().Limpa();
    fake().respostas = {mrOk, mrCancel};
    j.imSairClick();
    EXPECT_TRUE(j.isVisible());
    EXPECT_EQ(fake().Textos(), (std::vector<std::string>{"Quer mesmo abandonar sem gravar ?",
                                                         "Fechando o programa, tudo foi salvo ?"}));
    // OK to both closes.
    fake().Limpa();
    fake().respostas = {mrOk, mrOk};
    j.imSairClick();
    EXPECT_FALSE(j.isVisible());
    EXPECT_EQ(LePerfil("DOTMARA", "ultimoDir", "?", 0, ini), dir);
}

} // namespace
