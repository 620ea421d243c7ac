// The editing, markup and macro commands in the real main window
// (offscreen): each shortcut, pressed as the window system delivers it,
// reaches its command; the automatic break while typing, under key
// auto-repeat and after an undo; undo after a macro run and after a
// centring; the find and replace dialogs; paste into a tool window in front;
// Enter in the emphasis combo.
#include "core/dmvars.h"
#include "editor/documentos.h"
#include "editor/gui/TformMacro.h"
#include "editor/gui/dmbusca.h"
#include "editor/gui/dmmain.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"
#include "platform/servicos.h"
#include "platform/texto.h"
#include "support/temporario.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Linhas = std::vector<std::string>;

// Activates a window and waits until the window system has given it the
// focus (offscreen, activation comes later, with the events).
bool Ativa(QWidget* w) {
    w->activateWindow();
    return QTest::qWaitFor([w] { return QGuiApplication::focusWindow() == w->windowHandle(); });
}

class Edicao : public ::testing::Test {
protected:
    void SetUp() override {
        ini = std::make_unique<VariavelAmbiente>("DOTMARA_INI", pasta.caminho("DOTMARA.INI"));
        RestauraPadroes();
        ArqRascunho = pasta.caminho("rascunho.txt");
        janela = std::make_unique<TformPrincipal>();
        formPrincipal = janela.get();
        janela->executaModal = [](QDialog&) { return int(QDialog::Rejected); };
        janela->show();
        ASSERT_TRUE(Ativa(janela.get()));
        janela->richEdPrincipal->setFocus();
    }
    void TearDown() override {
        delete formMacro;
        formMacro = nullptr;
        formPrincipal = nullptr;
        janela.reset();
        RestauraPadroes();
    }
    void Texto(const Linhas& linhas) {
        janela->DefineLinhas(linhas);
        janela->richEdPrincipal->document()->clearUndoRedoStacks();
        janela->DefineSelecao(0, 0);
    }
    // A key, pressed and released in the editor as the user does it.
    void Tecla(int tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::keyClick(janela->richEdPrincipal, static_cast<Qt::Key>(tecla), mod);
        QApplication::processEvents();
    }
    void Solta(int tecla, bool repetida) {
        QKeyEvent e(QEvent::KeyRelease, tecla, Qt::NoModifier, QString(), repetida);
        QApplication::sendEvent(janela->richEdPrincipal, &e);
    }
    std::string Documento() const { return LinhasEmTexto(janela->Linhas()); }

    PastaTemporaria pasta;
    std::unique_ptr<VariavelAmbiente> ini;
    DialogosFalsosEscopo dlg;
    ServicosFalsosEscopo srv;
    std::unique_ptr<TformPrincipal> janela;
};

// Every shortcut of the editing and markup commands, pressed in the editor.
TEST_F(Edicao, CadaAtalhoChegaAoSeuComando) {
    struct Caso {
        const char* nome;
        int tecla;
        Qt::KeyboardModifiers mod;
        std::function<bool()> feito;
    };
    const std::string inicio = LinhasEmTexto({"um", "dois"});
    auto texto = [this](const std::string& t) { return [this, t] { return Documento() == t; }; };
    const Caso casos[] = {
        {"Ctrl+S replaces", Qt::Key_S, Qt::ControlModifier, [this] { return janela->replDialog->isVisible(); }},
        {"Ctrl+F finds", Qt::Key_F, Qt::ControlModifier,
         [this] { return janela->findDialogLocalizar->isVisible(); }},
        {"Ctrl+A selects all", Qt::Key_A, Qt::ControlModifier,
         [this] { return janela->TamanhoSelecao() == janela->TamanhoTexto(); }},
        {"Ctrl+N", Qt::Key_N, Qt::ControlModifier, texto(LinhasEmTexto({"<F->", "um", "<F+>", "dois"}))},
        {"Ctrl+E", Qt::Key_E, Qt::ControlModifier, texto(LinhasEmTexto({"<R+>", "um", "<R->", "dois"}))},
        {"Ctrl+T", Qt::Key_T, Qt::ControlModifier, texto(LinhasEmTexto({"_`[_`]", "um", "dois"}))},
        {"F8 annotates", Qt::Key_F8, Qt::NoModifier,
         [this] { return !dlg.fake.registros.empty() && dlg.fake.registros.back().titulo == "Anotar"; }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        janela->findDialogLocalizar->hide();
        janela->replDialog->hide();
        ASSERT_TRUE(Ativa(janela.get()));
        janela->richEdPrincipal->setFocus();
        Texto({"um", "dois"});
        Tecla(c.tecla, c.mod);
        EXPECT_TRUE(c.feito()) << Documento();
    }

    // The clipboard keys and undo, in turn on one text: the menu's commands,
    // through the program's clipboard.
    Texto({"um", "dois"});
    janela->DefineSelecao(0, 2);
    Tecla(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(srv.fake.areaTransferencia, "um");
    Tecla(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Documento(), LinhasEmTexto({"", "dois"}));
    janela->PosicionaCursor(1, 4);
    Tecla(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Documento(), LinhasEmTexto({"", "doisum"}));
    Tecla(Qt::Key_Z, Qt::ControlModifier);
    Tecla(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Documento(), inicio);

    // F3 finds the last text searched again; Esc goes to "Novo"; F6 is the
    // annotation list.
    janela->TextoBusca = "s";
    Texto({"ls ls"});
    Tecla(Qt::Key_F3);
    EXPECT_EQ(janela->InicioSelecao(), 1);
    Tecla(Qt::Key_F3);
    EXPECT_EQ(janela->InicioSelecao(), 4);
    int lista = 0;
    janela->LigaComando("Folhearrevises1Click", [&] { ++lista; });
    Tecla(Qt::Key_F6);
    EXPECT_EQ(lista, 1);
    Tecla(Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), janela->Controle("bbtnNovo"));
}

// Typing past the wrap column breaks the line after its last whole word,
// and the caret goes on typing at its place.
TEST_F(Edicao, QuebraAoDigitar) {
    MaxCol = 10;
    QuebraLin = true;
    Texto({});
    QTest::keyClicks(janela->richEdPrincipal, "um dois tres quatro");
    EXPECT_EQ(Documento(), LinhasEmTexto({"um dois ", "tres ", "quatro"}));
    int l = 0, c = 0;
    janela->LinColInicioSel(l, c);
    EXPECT_EQ(l, 2);
    EXPECT_EQ(c, 6);
    // Undo takes a break back; the release of its own key does not break
    // the line again.
    Texto({"um dois tres"});
    janela->PosicionaCursor(0, 12);
    Solta(Qt::Key_End, false);
    ASSERT_EQ(Documento(), LinhasEmTexto({"um dois ", "tres"}));
    Tecla(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Documento(), LinhasEmTexto({"um dois tres"}));
    // Off: the line stays as long as it grows.
    QuebraLin = false;
    Texto({});
    QTest::keyClicks(janela->richEdPrincipal, "um dois tres quatro");
    EXPECT_EQ(Documento(), LinhasEmTexto({"um dois tres quatro"}));
}

// A held key repeats press and release: the repeated releases break
// nothing, the last one breaks once; the caret stays on its character.
TEST_F(Edicao, QuebraUmaVezPorTeclaComRepeticao) {
    MaxCol = 10;
    Texto({"um dois tres quatro cinco seis"});
    janela->PosicionaCursor(0, 14);   // on the "u" of "quatro"
    for (int i = 0; i < 5; ++i) Solta(Qt::Key_Right, true);
    EXPECT_EQ(janela->NumLinhas(), 1);
    Solta(Qt::Key_Right, false);
    EXPECT_EQ(Documento(), LinhasEmTexto({"um dois ", "tres quatro cinco seis"}));
    int l = 0, c = 0;
    janela->LinColInicioSel(l, c);
    EXPECT_EQ(l, 1);
    EXPECT_EQ(c, 6);
    EXPECT_EQ(janela->richEdPrincipal->textCursor().block().text().mid(c, 1), "u");
    // A command that inserts a line runs the same check (the key with no
    // code): "Pág." at the caret's line start.
    janela->PosicionaCursor(1, 0);
    QToolButton* pag = qobject_cast<QToolButton*>(janela->Controle("bbtnNovaPagina"));
    ASSERT_NE(pag, nullptr);
    pag->click();
    EXPECT_EQ(janela->Linha(1), "<p>");
}

TEST_F(Edicao, DesfazDepoisDeMacrosECentragem) {
    const std::string macros = pasta.grava("m.amb", "; teste\r\n`v `x\r\n`i `=\r\n");
    const Linhas antes = {"titulo", "2`v3`i6", "fim"};
    Texto(antes);
    formMacro = new TformMacro();
    formMacro->show();
    ASSERT_TRUE(Ativa(formMacro));
    formMacro->E_arqmacro->setText(ParaQString(macros));
    janela->DefineSelecao(janela->InicioLinha(1) + 2, 0);
    formMacro->Button1->click();
    EXPECT_FALSE(formMacro->isVisible());
    EXPECT_EQ(Documento(), LinhasEmTexto({"titulo", "2`x3`=6", "fim"}));
    janela->Desfaz();
    EXPECT_EQ(Documento(), LinhasEmTexto(antes));

    // Centring the first two lines; then one undo.
    ASSERT_TRUE(Ativa(janela.get()));
    janela->DefineSelecao(0, janela->InicioLinha(2));
    janela->Acao("imCentragemLogica")->trigger();
    EXPECT_EQ(janela->Linha(0), std::string(12, ' ') + "titulo");
    EXPECT_EQ(janela->Linha(1), std::string(12, ' ') + "2`v3`i6");
    EXPECT_EQ(janela->Linha(2), "fim");
    janela->richEdPrincipal->setFocus();
    Tecla(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Documento(), LinhasEmTexto(antes));
    // Physical centring asks first: No leaves the text.
    dlg.fake.respostas = {mrNo};
    janela->Acao("imCentragemFisica")->trigger();
    EXPECT_EQ(Documento(), LinhasEmTexto(antes));
}

// The macro window shows the configured file on activation and stays up
// when the name is refused.
TEST_F(Edicao, JanelaDeMacros) {
    formMacro = new TformMacro();
    janela->Acao("Macroprocessador1")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::focusWindow() == formMacro->windowHandle(); }));
    EXPECT_EQ(ExtraiNomeArquivo(DeQString(formMacro->E_arqmacro->text())), "CODMAT.AMB");
    EXPECT_EQ(DeQString(formMacro->windowTitle()), "Processador de macros");
    formMacro->E_arqmacro->setText(" x");
    formMacro->Button1->click();
    EXPECT_TRUE(formMacro->isVisible());
    EXPECT_EQ(dlg.fake.Textos(), std::vector<std::string>{"Arquivo inválido"_cp});
}

TEST_F(Edicao, DialogosDeLocalizarESubstituir) {
    Texto({"Casa casa", "casamento casa"});
    janela->Acao("imLocalizar")->trigger();
    TDialogoBusca* loc = janela->findDialogLocalizar;
    ASSERT_TRUE(loc->isVisible());
    EXPECT_FALSE(loc->btnLocalizar->isEnabled());
    loc->edtLocalizar->setText("casa");
    loc->ckboxMaiusculas->setChecked(true);
    loc->ckboxPalavraInteira->setChecked(true);
    loc->btnLocalizar->click();
    EXPECT_FALSE(loc->isVisible());
    EXPECT_EQ(janela->InicioSelecao(), 5);
    janela->BuscaProxima();
    EXPECT_EQ(janela->InicioSelecao(), 11 + 10);
    janela->BuscaProxima();
    EXPECT_EQ(dlg.fake.Textos(), std::vector<std::string>{"Busca terminada"});

    dlg.fake.Limpa();
    janela->DefineSelecao(0, 0);
    janela->Acao("imSubstituir")->trigger();
    TDialogoBusca* sub = janela->replDialog;
    ASSERT_TRUE(sub->isVisible());
    sub->edtLocalizar->setText("casa");
    sub->edtSubstituir->setText("lar");
    // The first press shows the occurrence, the second replaces it and shows
    // the next.
    sub->btnSubstituir->click();
    EXPECT_EQ(Documento(), LinhasEmTexto({"Casa casa", "casamento casa"}));
    EXPECT_EQ(janela->TextoSelecionado(), "Casa");
    sub->btnSubstituir->click();
    EXPECT_EQ(Documento(), LinhasEmTexto({"lar casa", "casamento casa"}));
    EXPECT_EQ(janela->InicioSelecao(), 4);
    EXPECT_EQ(janela->TextoSelecionado(), "casa");
    // Replace all from the occurrence shown.
    sub->btnSubstituirTudo->click();
    EXPECT_EQ(Documento(), LinhasEmTexto({"lar lar", "larmento lar"}));
    EXPECT_EQ(dlg.fake.Textos(), std::vector<std::string>{"Terminou"});
    EXPECT_EQ(janela->InicioSelecao(), 4);
    janela->Desfaz();
    EXPECT_EQ(Documento(), LinhasEmTexto({"lar casa", "casamento casa"}));
}

// "C&olar" pastes into the focused control of a tool window in front; with
// the main window active, into the editor.
TEST_F(Edicao, ColarNaJanelaDaFrente) {
    Texto({"ab"});
    QDialog ferramenta;
    auto* campo = new QLineEdit(&ferramenta);
    ferramenta.show();
    ASSERT_TRUE(Ativa(&ferramenta));
    campo->setFocus();
    QApplication::clipboard()->setText("colado");
    janela->imColarClick();
    QApplication::processEvents();
    EXPECT_EQ(campo->text(), "colado");
    EXPECT_EQ(Documento(), LinhasEmTexto({"ab"}));

    ASSERT_TRUE(Ativa(janela.get()));
    janela->richEdPrincipal->setFocus();
    srv.fake.areaTransferencia = "x";
    janela->DefineSelecao(1, 0);
    janela->Acao("imColar")->trigger();
    EXPECT_EQ(Documento(), LinhasEmTexto({"axb"}));
}

// Reviewer mode makes the editor read-only: the toolbar's and the menu's
// cut, paste and undo change nothing there, copy still copies.
TEST_F(Edicao, RecortarEColarNaoMudamOModoRevisor) {
    Texto({"abc"});
    janela->richEdPrincipal->setReadOnly(true);
    srv.fake.areaTransferencia = "x";
    janela->DefineSelecao(0, 2);
    for (const char* b : {"bbtnRecortar", "bbtnColar"}) qobject_cast<QToolButton*>(janela->Controle(b))->click();
    janela->Acao("imRecortar")->trigger();
    janela->Acao("imColar")->trigger();
    EXPECT_EQ(Documento(), LinhasEmTexto({"abc"}));
    EXPECT_EQ(srv.fake.areaTransferencia, "x");
    qobject_cast<QToolButton*>(janela->Controle("bbtnCopiar"))->click();
    EXPECT_EQ(srv.fake.areaTransferencia, "ab");
    janela->richEdPrincipal->setReadOnly(false);
    qobject_cast<QToolButton*>(janela->Controle("bbtnRecortar"))->click();
    EXPECT_EQ(Documento(), LinhasEmTexto({"c"}));
    // Undo, by its key or from the menu, takes nothing back there either.
    janela->richEdPrincipal->setReadOnly(true);
    Tecla(Qt::Key_Z, Qt::ControlModifier);
    janela->Acao("imDesfazer")->trigger();
    EXPECT_EQ(Documento(), LinhasEmTexto({"c"}));
    janela->richEdPrincipal->setReadOnly(false);
    Tecla(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Documento(), LinhasEmTexto({"abc"}));
}

// After its work every button of the lower row gives the focus to the
// editor, except "Pág.Tinta", and "Anotação" when it wrote nothing.
TEST_F(Edicao, FocoDepoisDosBotoesDeMarcacao) {
    struct Caso {
        const char* botao;
        std::optional<std::string> resposta;   // of the input box; nullopt: Cancel
        bool focoNoEditor;
        std::string texto;
    };
    const Caso casos[] = {
        {"bbtnPagTinta", std::string("12"), false, LinhasEmTexto({"", "<12>", "ab"})},
        {"bbtnPagTinta", std::nullopt, false, LinhasEmTexto({"ab"})},
        {"bbtnAnotacao", std::string("ver"), true, LinhasEmTexto({"<*** ver ***>", "ab"})},
        {"bbtnAnotacao", std::nullopt, false, LinhasEmTexto({"ab"})},
        {"bbtnDelimitInform", std::nullopt, true, LinhasEmTexto({"~,~,ab"})},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.botao) + (c.resposta ? " OK" : " Cancel"));
        Texto({"ab"});
        dlg.fake.linhas = {c.resposta};
        auto* b = qobject_cast<QToolButton*>(janela->Controle(c.botao));
        ASSERT_NE(b, nullptr);
        b->setFocus();   // reached with the keyboard
        b->click();
        EXPECT_EQ(Documento(), c.texto);
        EXPECT_EQ(QApplication::focusWidget(), c.focoNoEditor ? static_cast<QWidget*>(janela->richEdPrincipal) : b);
    }
}

TEST_F(Edicao, EnterNoComboDeGrifo) {
    Texto({"casa"});
    janela->DefineSelecao(0, 4);
    QComboBox* combo = janela->cboxTipoGrifo;
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(1);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(Documento(), LinhasEmTexto({"$*casa$*"}));
    EXPECT_EQ(QApplication::focusWidget(), janela->richEdPrincipal);
    // With the list open, Enter only closes it.
    combo->setFocus();
    combo->showPopup();
    ASSERT_TRUE(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_EQ(Documento(), LinhasEmTexto({"$*casa$*"}));
}

} // namespace
