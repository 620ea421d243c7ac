// The editing tools in their windows over the main window's editor: Perkins
// typing, the character table, the symbols, tables and frames, the annotation
// list, the meta-braille copy and the ink text printed to a PDF file.
#include "core/dmtraduz.h"
#include "core/dmtraduz_estado.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "editor/gui/TformAnotacoes.h"
#include "editor/gui/TformConfTabela.h"
#include "editor/gui/TformDigitaBraille.h"
#include "editor/gui/TformQuadro.h"
#include "editor/gui/TformSimb.h"
#include "editor/gui/TformTabCaracteres.h"
#include "editor/gui/dmVisual.h"
#include "editor/gui/dmcelas.h"
#include "editor/gui/dmimpressao_texto.h"
#include "editor/gui/dmmain.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"
#include "platform/servicos.h"
#include "support/temporario.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QButtonGroup>
#include <QFile>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <memory>
#include <regex>

namespace {

using L = std::vector<std::string>;

class Utilitarios : public ::testing::Test {
protected:
    void SetUp() override {
        ini = std::make_unique<VariavelAmbiente>("DOTMARA_INI", pasta.caminho("DOTMARA.INI"));
        RestauraPadroes();
        ArqRascunho = pasta.caminho("rascunho.txt");
        ASSERT_TRUE(CarregaTabelaImpressora());
        janela = std::make_unique<TformPrincipal>();
        formPrincipal = janela.get();
        janela->executaModal = [this](QDialog& d) {
            modais.push_back(DeQString(d.objectName()));
            return int(QDialog::Rejected);
        };
        janela->dialogoImpressoraTexto = [](QPrinter&) { return false; };
        janela->consultaServidorTexto = [] { return FilasImpressao{true, 1}; };
    }
    void TearDown() override {
        janela.reset();
        formPrincipal = nullptr;
        RestauraPadroes();
    }
    void Texto(const L& linhas) {
        std::string t;
        for (size_t i = 0; i < linhas.size(); ++i) t += (i ? "\n" : "") + linhas[i];
        janela->richEdPrincipal->setPlainText(ParaQString(t));
    }
    L Linhas() const { return janela->Linhas(); }
    // A key pressed or released in a window, as the keyboard sends it.
    static void Tecla(QWidget* w, QEvent::Type tipo, int qt, Qt::KeyboardModifiers m = Qt::NoModifier,
                      bool repetida = false) {
        QKeyEvent e(tipo, qt, m, QString(), repetida);
        QApplication::sendEvent(w, &e);
    }
    // "+F" press, "-F" release of a letter key; "+n4"/"-n4" keypad 4; "_" Space.
    static void Digita(QWidget* w, const std::string& eventos) {
        std::istringstream in(eventos);
        std::string e;
        while (in >> e) {
            const std::string n = e.substr(1);
            const QEvent::Type tipo = e[0] == '+' ? QEvent::KeyPress : QEvent::KeyRelease;
            if (n == "_") Tecla(w, tipo, Qt::Key_Space);
            else if (n == "BS") Tecla(w, tipo, Qt::Key_Backspace);
            else if (n == "CR") Tecla(w, tipo, Qt::Key_Return);
            else if (n[0] == 'n') Tecla(w, tipo, Qt::Key_0 + (n[1] - '0'), Qt::KeypadModifier);
            else Tecla(w, tipo, Qt::Key_A + (n[0] - 'A'));
        }
    }

    PastaTemporaria pasta;
    std::unique_ptr<VariavelAmbiente> ini;
    DialogosFalsosEscopo dlg;
    ServicosFalsosEscopo srv;
    std::unique_ptr<TformPrincipal> janela;
    std::vector<std::string> modais;
};

TEST_F(Utilitarios, EveryToolIsConnectedToItsEntries) {
    for (const char* m : {"DigitaoPerkins1Click", "bbtnDigPerkinsClick", "imSimbolosEspeciaisClick",
                          "bbtnSimboloClick", "abeladeCaracteres1Click", "extoparaTabela1Click",
                          "Quadrinhos1Click", "bbtnPecaOrientClick", "Folhearrevises1Click",
                          "imCopiarEmBrailleClick", "imImprimirTextoClick"})
        EXPECT_TRUE(janela->ComandoLigado(m)) << m;
    EXPECT_EQ(janela->Acao("imCopiarEmMetaBraille")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));

    // The modal launchers run their windows; a double click on the strip opens Perkins too.
    TformDigitaBraille perkins;
    TformSimb simb;
    TformConfTabela tabela;
    TformAnotacoes anotacoes;
    formDigitaBraille = &perkins;
    formSimb = &simb;
    formConfTabela = &tabela;
    formAnotacoes = &anotacoes;
    for (const char* m : {"DigitaoPerkins1Click", "bbtnSimboloClick", "extoparaTabela1Click", "Folhearrevises1Click"})
        janela->ExecutaComando(m);
    emit janela->LabLinhas[1]->duploClique();
    EXPECT_EQ(modais, (L{"formDigitaBraille", "formSimb", "formConfTabela", "formAnotacoes", "formDigitaBraille"}));
    formDigitaBraille = nullptr;
    formSimb = nullptr;
    formConfTabela = nullptr;
    formAnotacoes = nullptr;
}

TEST_F(Utilitarios, PerkinsKeysTypeCellsIntoTheEditor) {
    TformDigitaBraille perkins;
    Texto({"xy"});
    janela->PosicionaCursor(0, 1);
    perkins.FormActivate();
    // F D together (released in any order): b; J K: dots 4-5; keypad 3 and 8: dots 6 and 5.
    Digita(&perkins, "+F +D -F -D +J +K -K -J +n3 +n8 -n8 -n3 +_ -_");
    EXPECT_EQ(Linhas(), (L{"xb\xAC$ y"}));
    EXPECT_EQ(srv.fake.areaTransferencia, " ");   // the last thing typed went through the clipboard
    // Backspace and Enter act in the editor when released.
    Digita(&perkins, "+BS");
    ASSERT_EQ(Linhas(), (L{"xb\xAC$ y"}));
    Digita(&perkins, "-BS");
    EXPECT_EQ(Linhas(), (L{"xb\xAC$y"}));
    Digita(&perkins, "+CR -CR");
    EXPECT_EQ(Linhas(), (L{"xb\xAC$", "y"}));
    // Backspace held, its repeat come from X11 unmarked (a release and a
    // press at one time): one deletion, on the real release.
    auto tecla = [&](QEvent::Type tipo, quint64 quando) {
        QKeyEvent e(tipo, Qt::Key_Backspace, Qt::NoModifier);
        e.setTimestamp(quando);
        QApplication::sendEvent(&perkins, &e);
    };
    tecla(QEvent::KeyPress, 1000);
    for (quint64 t = 1500; t < 1700; t += 40) {
        tecla(QEvent::KeyRelease, t);
        tecla(QEvent::KeyPress, t);
    }
    tecla(QEvent::KeyRelease, 2000);
    perkins.Solturas.Conclui();
    EXPECT_EQ(Linhas(), (L{"xb\xAC$y"}));   // the line break before "y", and only it
    perkins.show(); // Esc closes it
    Tecla(&perkins, QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_FALSE(perkins.isVisible());
}

TEST_F(Utilitarios, TheCharacterTableTypesTheCellChosen) {
    TformTabCaracteres tabela;
    EXPECT_EQ(DeQString(tabela.gridCaracteres->item(13, 15)->text()), "\xFF");
    Texto({"ab"});
    janela->PosicionaCursor(0, 1);
    // Opened and focused, it types nothing yet.
    janela->show();
    tabela.show();
    tabela.activateWindow();
    tabela.gridCaracteres->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Linhas(), (L{"ab"}));
    tabela.gridCaracteres->setCurrentCell(12, 7);   // 32 + 192 + 7: ç
    tabela.gridCaracteres->setCurrentCell(2, 1);
    EXPECT_EQ(Linhas(), (L{"a\xE7" "Ab"}));
    // Filling the grid again types nothing.
    tabela.FormActivate();
    EXPECT_EQ(Linhas(), (L{"a\xE7" "Ab"}));
    // A click on the cell already chosen types it again; on another, that one.
    auto clica = [&](int linha, int coluna) {
        const QPoint p = tabela.gridCaracteres->visualRect(tabela.gridCaracteres->model()->index(linha, coluna)).center();
        QWidget* v = tabela.gridCaracteres->viewport();
        QMouseEvent press(QEvent::MouseButtonPress, p, v->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, p, v->mapToGlobal(p), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(v, &press);
        QApplication::sendEvent(v, &release);
    };
    clica(2, 1);
    EXPECT_EQ(Linhas(), (L{"a\xE7" "AAb"}));
    clica(0, 2);
    EXPECT_EQ(Linhas(), (L{"a\xE7" "AA\"b"}));
}

TEST_F(Utilitarios, SymbolsCloseTheWindowExceptTheDiaeresis) {
    TformSimb simb;
    ASSERT_EQ(simb.btnSimbolo.size(), 13u);
    Texto({""});
    const std::pair<int, std::string> casos[] = {
        {0, "\xF7"}, {1, "\xD7"}, {2, "<:"}, {3, ":>"}, {4, "<:>"}, {5, "\x95"}, {6, "\x97"},
        {7, "\xAB"}, {8, "\xBB"}, {9, "\x91"}, {10, "\x92"}, {11, "\xA8"}, {12, "\xE0\xFB"},
    };
    std::string tudo;
    for (const auto& [botao, texto] : casos) {
        simb.show();
        simb.btnSimbolo[static_cast<size_t>(botao)]->click();
        tudo += texto;
        EXPECT_EQ(Linhas(), (L{tudo})) << botao;
        EXPECT_EQ(simb.isVisible(), texto == "\xA8") << botao;
    }
}

// The builders' output is the core's; here a bad column count keeps the window open.
TEST_F(Utilitarios, TheTableAndFrameWindows) {
    TformConfTabela t;
    Texto({"abcde", "xyz", "ab", "c"});
    janela->DefineSelecao(0, janela->TamanhoTexto());
    t.show();
    t.edtNumColunas->setText("31");
    t.btnGerarTabela->click();
    EXPECT_TRUE(t.isVisible());
    EXPECT_EQ(dlg.fake.Textos().size(), 1u);
    EXPECT_EQ(Linhas().size(), 4u);
    t.edtNumColunas->setText("2");
    t.grupoMoldura->button(MolduraSimples)->setChecked(true);
    t.grupoSeparadores->button(LinhasVerticais)->setChecked(true);
    t.btnGerarTabela->click();
    EXPECT_FALSE(t.isVisible());
    EXPECT_EQ(Linhas(), (L{"", "<F->", "::::::!::::", "abcde l xyz", "ab    l c  ", "::::::h::::", "<F+>", "",
                           "abcde", "xyz", "ab", "c"}));

    TformQuadro q;
    Texto({"abc"});
    janela->PosicionaCursor(0, 0);
    q.show();
    q.rbtnLegenda->setChecked(true);
    q.btnOk->click();
    EXPECT_FALSE(q.isVisible());
    EXPECT_EQ(Linhas(), (L{"<F->", "*?*?*?*?*", "\xF5  abc  o", "eieieieie", "<F+>"}));
    // "Peça Orient." on an empty line: a "Pedir Ajuda" frame around the request.
    Texto({"abc", ""});
    janela->PosicionaCursor(1, 0);
    AutoJunta = false;
    janela->ExecutaComando("bbtnPecaOrientClick");
    ASSERT_EQ(Linhas().size(), 4u);
    EXPECT_EQ(Linhas()[2], "\xE7  Pe\xE7" "a orienta\xE7\xE3o  y");
}

TEST_F(Utilitarios, TheAnnotationListWindow) {
    TformAnotacoes a;
    // No annotation: the caption says so, the actions are off, the focus on "&Fechar".
    Texto({"texto"});
    a.show();
    QApplication::processEvents();
    EXPECT_EQ(DeQString(a.windowTitle()), "Lista de anota\xE7\xF5" "es VAZIA!");
    EXPECT_FALSE(a.btnDeletar->isEnabled());
    EXPECT_EQ(a.focusWidget(), a.btnFechar);
    a.hide();

    Texto({"um", "<*** primeira ***>", "dois", "<*** segunda", "tres"});
    janela->PosicionaCursor(4, 0);
    a.show();
    QApplication::processEvents();
    ASSERT_EQ(a.lboxAnotacoes->count(), 2);
    EXPECT_EQ(a.lboxAnotacoes->currentRow(), 1);   // the last one before the caret

    // F8 edits, Delete deletes (after its question), Enter goes and closes.
    dlg.fake.linhas = {std::string("outra")};
    Tecla(a.lboxAnotacoes, QEvent::KeyPress, Qt::Key_F8);
    EXPECT_EQ(DeQString(a.lboxAnotacoes->item(1)->text()), "4 -> outra");
    EXPECT_EQ(janela->Linha(3), "<*** outra ***>");
    a.lboxAnotacoes->setCurrentRow(0);
    dlg.fake.respostas = {mrOk};
    Tecla(a.lboxAnotacoes, QEvent::KeyPress, Qt::Key_Delete);
    EXPECT_EQ(Linhas(), (L{"um", "dois", "<*** outra ***>", "tres"}));
    EXPECT_EQ(a.lboxAnotacoes->count(), 1);
    janela->PosicionaCursor(0, 1);
    Tecla(a.lboxAnotacoes, QEvent::KeyPress, Qt::Key_Return);
    EXPECT_FALSE(a.isVisible());
    EXPECT_EQ(janela->richEdPrincipal->textCursor().blockNumber(), 2);
    EXPECT_EQ(janela->richEdPrincipal->textCursor().positionInBlock(), 0);
}

TEST_F(Utilitarios, GoingToAnAnnotationMovesTheBrailleViewThatWasInFront) {
    TformVisual visual;
    formVisual = &visual;
    janela->LigaVisual(&visual);
    DefineDocumentoAtual(janela.get());
    L texto;
    for (int i = 0; i < 30; ++i) texto.push_back("linha " + std::to_string(i));
    texto[20] = "<*** aqui ***>";
    Texto(texto);
    janela->PosicionaCursor(0, 0);
    janela->VisualizaBraille(true, false);
    ASSERT_GT(visual.lboxVisual->count(), 0);

    TformAnotacoes a;
    a.JanelaAtiva = &visual;
    a.show();
    QApplication::processEvents();
    a.btnBuscarClick();
    ASSERT_GT(QuantEditorMapeadas, 20);
    EXPECT_EQ(visual.lboxVisual->currentRow(), std::min(MapaEditorRascunho[20], visual.lboxVisual->count() - 1));
    EXPECT_EQ(janela->richEdPrincipal->textCursor().blockNumber(), 20);

    // Stale or missing maps move nothing and harm nothing.
    visual.lboxVisual->setCurrentRow(3);
    QuantEditorMapeadas = -1;
    visual.VaiParaLinhaEditor(20);
    EXPECT_EQ(visual.lboxVisual->currentRow(), 3);
    QuantEditorMapeadas = 0;
    MapaEditorRascunho.clear();
    visual.VaiParaLinhaEditor(20);
    EXPECT_EQ(visual.lboxVisual->currentRow(), 3);
    DefineDocumentoAtual(nullptr);
    formVisual = nullptr;
}

TEST_F(Utilitarios, MetaBrailleCopyLeavesTheStripAsItWas) {
    Texto({"Casa 10", "fim"});
    janela->PosicionaCursor(0, 0);
    janela->AtualizaLinhasBraille();
    const std::string faixa = janela->LabLinhas[1]->Legenda();
    ASSERT_FALSE(faixa.empty());
    janela->Acao("imCopiarEmMetaBraille")->trigger();
    std::string esperado = TraduzTexto("Casa 10");
    for (char& c : esperado)
        if (c >= '0' && c <= '9') c = c == '0' ? 'j' : static_cast<char>(c + 48);
    EXPECT_EQ(srv.fake.areaTransferencia, esperado + "\r\n");
    // The strip shows the same cells afterwards (the output table in force
    // came back).
    janela->Preview.UltimaLinhaPreview = -1;
    janela->AtualizaLinhasBraille();
    EXPECT_EQ(janela->LabLinhas[1]->Legenda(), faixa);
}

// Pages of a PDF file: its page objects.
int PaginasDoPdf(const std::string& arquivo) {
    QFile f(QString::fromStdString(arquivo));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const std::string pdf = f.readAll().toStdString();
    const std::regex pagina("/Type\\s*/Page[^s]");
    return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), pagina), std::sregex_iterator()));
}

TEST_F(Utilitarios, InkPrintingToAPdfFile) {
    const QFont fonte = FonteParaImpressao(janela->richEdPrincipal->font(), 96);
    EXPECT_DOUBLE_EQ(fonte.pointSizeF(), 12.0);   // 16 pixels on a 96-dpi screen
    // How many lines a page takes in that font.
    const std::string sonda = pasta.caminho("sonda.pdf");
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(QString::fromStdString(sonda));
    ASSERT_EQ(ImprimeTextoTinta(p, fonte, {}), 1);
    const int porPagina = p.pageLayout().paintRectPixels(p.resolution()).height() /
                          QFontMetrics(fonte, &p).lineSpacing();
    ASSERT_GT(porPagina, 10);

    struct Caso {
        int linhas, paginas;
    } casos[] = {{1, 1}, {porPagina, 1}, {porPagina + 1, 2}, {2 * porPagina + 3, 3}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.linhas);
        L texto;
        for (int i = 0; i < c.linhas; ++i) texto.push_back("linha\t" + std::to_string(i + 1) + " \xE9");
        Texto(texto);
        const std::string arquivo = pasta.caminho("tinta" + std::to_string(c.linhas) + ".pdf");
        janela->dialogoImpressoraTexto = [&](QPrinter& impressora) {
            impressora.setOutputFormat(QPrinter::PdfFormat);
            impressora.setOutputFileName(QString::fromStdString(arquivo));
            return true;
        };
        janela->Acao("imImprimirTexto")->trigger();
        EXPECT_EQ(PaginasDoPdf(arquivo), c.paginas);
    }
    // The font of the editor is the font on paper.
    QFile f(QString::fromStdString(pasta.caminho("tinta1.pdf")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString familia = QFontInfo(fonte).family();
    familia.remove(' ');
    EXPECT_TRUE(f.readAll().contains(familia.toLatin1())) << familia.toStdString();
    EXPECT_TRUE(dlg.fake.registros.empty());
    EXPECT_EQ(ExpandeTabsImpressao("a\tb\t\tc"), "a       b               c");

    // A hung print server: said at once, and the print dialog, which would
    // wait on it without end, is not opened. One that is not there leaves
    // the dialog its PDF entry.
    for (const bool calado : {true, false}) {
        SCOPED_TRACE(calado);
        bool dialogo = false;
        janela->dialogoImpressoraTexto = [&](QPrinter&) { return dialogo = true, false; };
        janela->consultaServidorTexto = [calado] { return FilasImpressao{false, 0, calado}; };
        dlg.fake.Limpa();
        janela->Acao("imImprimirTexto")->trigger();
        EXPECT_EQ(dialogo, !calado);
        EXPECT_EQ(dlg.fake.Textos(), calado ? std::vector<std::string>{MensagemServidorNaoRespondeTexto()}
                                            : std::vector<std::string>{});
    }
}

} // namespace
