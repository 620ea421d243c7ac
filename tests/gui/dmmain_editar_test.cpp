// The editing, markup and macro commands in the real main window: keys the
// editor handles, the automatic break while typing, undo after a macro run
// and a centring, the find and replace dialogs, paste into a tool window in
// front, reviewer mode, focus after the markup buttons.
#include "editor/documentos.h"
#include "editor/gui/TformMacro.h"
#include "editor/gui/dmbusca.h"
#include "platform/texto.h"
#include "support/janela_teste.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <optional>

namespace {

using Linhas = std::vector<std::string>;

// Activates a window and waits until the window system has given it the
// focus (offscreen, activation comes later, with the events).
bool Ativa(QWidget* w) {
    w->activateWindow();
    return QTest::qWaitFor([w] { return QGuiApplication::focusWindow() == w->windowHandle(); });
}

class Edicao : public JanelaDeTeste {
protected:
    void SetUp() override {
        JanelaDeTeste::SetUp();
        janela->executaModal = [](QDialog&) { return int(QDialog::Rejected); };
        janela->show();
        ASSERT_TRUE(Ativa(janela.get()));
        janela->richEdPrincipal->setFocus();
    }
    void TearDown() override {
        delete formMacro;
        formMacro = nullptr;
        JanelaDeTeste::TearDown();
    }
    // The lines, with no undo history and the caret at the start.
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
    QToolButton* Botao(const char* nome) { return qobject_cast<QToolButton*>(janela->Controle(nome)); }
    std::string Documento() const { return LinhasEmTexto(janela->Linhas()); }
    std::pair<int, int> Cursor() const {
        int l = 0, c = 0;
        janela->LinColInicioSel(l, c);
        return {l, c};
    }
};

// F3 finds the last text again; Esc goes to "Novo".
TEST_F(Edicao, TeclasDoEditor) {
    janela->TextoBusca = "s";
    Texto({"ls ls"});
    Tecla(Qt::Key_F3);
    EXPECT_EQ(janela->InicioSelecao(), 1);
    Tecla(Qt::Key_F3);
    EXPECT_EQ(janela->InicioSelecao(), 4);
    Tecla(Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), janela->Controle("bbtnNovo"));
}

// Typing past the wrap column breaks the line after its last whole word and
// the caret goes on at its place; undo takes a break back, and the release
// of its own key does not break again; a held key's repeated releases break
// nothing, the last one once; a command that inserts a line checks too.
TEST_F(Edicao, QuebraAoDigitar) {
    MaxCol = 10;
    QuebraLin = true;
    Texto({});
    QTest::keyClicks(janela->richEdPrincipal, "um dois tres quatro");
    EXPECT_EQ(Documento(), LinhasEmTexto({"um dois ", "tres ", "quatro"}));
    EXPECT_EQ(Cursor(), std::pair(2, 6));
    Texto({"um dois tres quatro cinco seis"});
    janela->PosicionaCursor(0, 14);   // on the "u" of "quatro"
    for (int i = 0; i < 5; ++i) Solta(Qt::Key_Right, true);
    EXPECT_EQ(janela->NumLinhas(), 1);
    Solta(Qt::Key_Right, false);
    EXPECT_EQ(Documento(), LinhasEmTexto({"um dois ", "tres quatro cinco seis"}));
    EXPECT_EQ(Cursor(), std::pair(1, 6));
    janela->PosicionaCursor(1, 0);
    Botao("bbtnNovaPagina")->click();
    EXPECT_EQ(janela->Linha(1), "<p>");

    Texto({"um dois tres"});
    janela->PosicionaCursor(0, 12);
    Solta(Qt::Key_End, false);
    ASSERT_EQ(Documento(), LinhasEmTexto({"um dois ", "tres"}));
    Tecla(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Documento(), LinhasEmTexto({"um dois tres"}));

    QuebraLin = false;
    Texto({});
    QTest::keyClicks(janela->richEdPrincipal, "um dois tres quatro");
    EXPECT_EQ(Documento(), LinhasEmTexto({"um dois tres quatro"}));
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
    EXPECT_EQ(janela->Linhas(), (Linhas{std::string(12, ' ') + "titulo", std::string(12, ' ') + "2`v3`i6", "fim"}));
    janela->richEdPrincipal->setFocus();
    Tecla(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Documento(), LinhasEmTexto(antes));
    // Physical centring asks first: No leaves the text.
    caixas.fake.respostas = {mrNo};
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
    formMacro->E_arqmacro->setText(" x");
    formMacro->Button1->click();
    EXPECT_TRUE(formMacro->isVisible());
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{"Arquivo inválido"_cp});
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

    janela->DefineSelecao(0, 0);
    janela->Acao("imSubstituir")->trigger();
    TDialogoBusca* sub = janela->replDialog;
    ASSERT_TRUE(sub->isVisible());
    sub->edtLocalizar->setText("casa");
    sub->edtSubstituir->setText("lar");
    sub->btnSubstituir->click();   // shows the occurrence
    sub->btnSubstituir->click();   // replaces it and shows the next
    EXPECT_EQ(Documento(), LinhasEmTexto({"lar casa", "casamento casa"}));
    sub->btnSubstituirTudo->click();
    EXPECT_EQ(Documento(), LinhasEmTexto({"lar lar", "larmento lar"}));
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{"Terminou"});
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
    Botao("bbtnRecortar")->click();
    Botao("bbtnColar")->click();
    janela->Acao("imRecortar")->trigger();
    janela->Acao("imColar")->trigger();
    EXPECT_EQ(Documento(), LinhasEmTexto({"abc"}));
    EXPECT_EQ(srv.fake.areaTransferencia, "x");
    Botao("bbtnCopiar")->click();
    EXPECT_EQ(srv.fake.areaTransferencia, "ab");
    janela->richEdPrincipal->setReadOnly(false);
    Botao("bbtnRecortar")->click();
    EXPECT_EQ(Documento(), LinhasEmTexto({"c"}));
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
    const struct {
        const char* botao;
        std::optional<std::string> resposta;   // of the input box; nullopt: Cancel
        bool focoNoEditor;
        Linhas texto;
    } casos[] = {
        {"bbtnPagTinta", std::string("12"), false, {"", "<12>", "ab"}},
        {"bbtnPagTinta", std::nullopt, false, {"ab"}},
        {"bbtnAnotacao", std::string("ver"), true, {"<*** ver ***>", "ab"}},
        {"bbtnAnotacao", std::nullopt, false, {"ab"}},
        {"bbtnDelimitInform", std::nullopt, true, {"~,~,ab"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.botao) + (c.resposta ? " OK" : " Cancel"));
        Texto({"ab"});
        caixas.fake.linhas = {c.resposta};
        QToolButton* b = Botao(c.botao);
        b->setFocus();   // reached with the keyboard
        b->click();
        EXPECT_EQ(Documento(), LinhasEmTexto(c.texto));
        EXPECT_EQ(QApplication::focusWidget(), c.focoNoEditor ? static_cast<QWidget*>(janela->richEdPrincipal) : b);
    }
}

// Enter in the emphasis combo marks the selection; with the list open, it
// only closes it.
TEST_F(Edicao, EnterNoComboDeGrifo) {
    Texto({"casa"});
    janela->DefineSelecao(0, 4);
    QComboBox* combo = janela->cboxTipoGrifo;
    combo->setCurrentIndex(1);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(Documento(), LinhasEmTexto({"$*casa$*"}));
    EXPECT_EQ(QApplication::focusWidget(), janela->richEdPrincipal);
    combo->setFocus();
    combo->showPopup();
    ASSERT_TRUE(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_EQ(Documento(), LinhasEmTexto({"$*casa$*"}));
}

} // namespace
