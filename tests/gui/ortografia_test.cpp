// Spell checking in the real windows: F7 and Ctrl+F7 with the replacement
// dialog answered through its controls, the menu entries, the toolbar button
// and the quick message.
#include "core/dmvars.h"
#include "editor/dmdic.h"
#include "editor/dmortog.h"
#include "editor/gui/dmQuickMsg.h"
#include "editor/gui/dmmain.h"
#include "editor/gui/dmsubst.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"
#include "support/dicionario_teste.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// What the replacement dialog showed when it came up.
struct Visto {
    QString contexto, original, textoCombo, selecaoNoEditor;
    QStringList sugestoes;
    bool focoNoCombo = false;
};

class OrtografiaNaJanela : public ::testing::Test {
protected:
    void SetUp() override {
        RestauraPadroes();
        dicionario = std::make_unique<DicionarioDeTeste>();
        caixas = std::make_unique<DialogosFalsosEscopo>();
        janela = std::make_unique<TformPrincipal>();
        formSubst = new TformSubst(janela.get());
        janela->show();
        QApplication::processEvents();
        janela->DefineLinhas({"um casx e uma casa", "casox", "fim"});
        janela->PosicionaCursor(0, 0);
    }
    void TearDown() override {
        delete formSubst;
        formSubst = nullptr;
        janela.reset();
        caixas.reset();
        LiberaDicionario();
        RestauraPadroes();
    }
    // Runs a command; when the replacement dialog comes up, notes what it
    // shows and answers with `responde`.
    Visto Com(std::function<void()> comando, std::function<void(TformSubst&)> responde) {
        Visto v;
        QTimer::singleShot(0, janela.get(), [&] {
            TformSubst& d = *formSubst;
            if (!d.isVisible())
                return;
            v.contexto = d.l_frase->text();
            v.original = d.e_original->text();
            v.textoCombo = d.ComboBox1->currentText();
            for (int i = 0; i < d.ComboBox1->count(); ++i)
                v.sugestoes << d.ComboBox1->itemText(i);
            v.focoNoCombo = d.ComboBox1->hasFocus() || d.ComboBox1->lineEdit()->hasFocus() ||
                            d.focusWidget() == d.ComboBox1 || d.focusWidget() == d.ComboBox1->lineEdit();
            v.selecaoNoEditor = janela->richEdPrincipal->textCursor().selectedText();
            responde(d);
        });
        comando();
        QApplication::processEvents();
        return v;
    }
    // The key reaches the entry that carries it as its shortcut.
    void Atalho(const QKeySequence& tecla) {
        QAction* alvo = nullptr;
        for (QAction* a : janela->menuOrtografia->actions())
            if (a->shortcut() == tecla) alvo = a;
        ASSERT_NE(alvo, nullptr) << tecla.toString().toStdString();
        QShortcutEvent e(tecla, 1);
        QApplication::sendEvent(alvo, &e);
    }
    void F7() { Atalho(QKeySequence(Qt::Key_F7)); }
    std::unique_ptr<DicionarioDeTeste> dicionario;
    std::unique_ptr<DialogosFalsosEscopo> caixas;
    std::unique_ptr<TformPrincipal> janela;
};

TEST_F(OrtografiaNaJanela, F7CorrigeESegueAteOFimDoTexto) {
    Visto v = Com([this] { F7(); }, [](TformSubst& d) {
        d.ComboBox1->setCurrentIndex(d.ComboBox1->findText("casa"));
        d.btnSubstituir->click();
    });
    EXPECT_EQ(v.contexto, "...um casx e uma casa...");
    EXPECT_EQ(v.original, "casx");
    EXPECT_EQ(v.sugestoes, (QStringList{"casa", "caso"}));
    EXPECT_EQ(v.textoCombo, "") << "the combo box's text starts empty";
    EXPECT_TRUE(v.focoNoCombo);
    EXPECT_EQ(v.selecaoNoEditor, "casx") << "the word stands selected behind the dialog";
    EXPECT_EQ(janela->Linha(0), "um casa e uma casa");
    EXPECT_EQ(janela->InicioSelecao(), 8);
    EXPECT_TRUE(janela->Modificado());

    // The next F7 goes on after the word; "Deixar" leaves the text.
    v = Com([this] { F7(); }, [](TformSubst& d) { d.btnDeixar->click(); });
    EXPECT_EQ(v.original, "uma");
    EXPECT_EQ(janela->Linha(0), "um casa e uma casa");

    // A word typed in the box, confirmed with Enter.
    v = Com([this] { F7(); }, [](TformSubst& d) {
        d.ComboBox1->lineEdit()->setText("casos");
        emit d.ComboBox1->lineEdit()->returnPressed();
    });
    EXPECT_EQ(v.original, "casox");
    EXPECT_EQ(janela->Linha(1), "casos");

    caixas->fake.Limpa();
    v = Com([this] { F7(); }, [](TformSubst& d) { d.btnDeixar->click(); });
    EXPECT_TRUE(v.original.isEmpty()) << "no dialog after the last wrong word";
    EXPECT_EQ(caixas->fake.Textos(), std::vector<std::string>{"Fim do Texto"});
    EXPECT_EQ(janela->InicioSelecao(), janela->TamanhoTexto());
}

TEST_F(OrtografiaNaJanela, EnterComACaixaVaziaNaoApagaAPalavra) {
    Visto v = Com([this] { F7(); }, [](TformSubst& d) {
        emit d.ComboBox1->lineEdit()->returnPressed();
        EXPECT_TRUE(d.isVisible());
        d.reject();   // closed by the window's close: as "Deixar"
    });
    EXPECT_EQ(v.original, "casx");
    EXPECT_EQ(janela->Linha(0), "um casx e uma casa");
    // "Substituir" with the box empty takes the word out.
    janela->PosicionaCursor(0, 0);
    Com([this] { F7(); }, [](TformSubst& d) { d.btnSubstituir->click(); });
    EXPECT_EQ(janela->Linha(0), "um  e uma casa");
    janela->Desfaz();
    EXPECT_EQ(janela->Linha(0), "um casx e uma casa") << "one step of undo";
}

TEST_F(OrtografiaNaJanela, CtrlF7OfereceAlternativasParaPalavraCorreta) {
    janela->PosicionaCursor(0, 14);
    const Visto v = Com([this] { Atalho(QKeySequence(Qt::CTRL | Qt::Key_F7)); }, [](TformSubst& d) { d.btnDeixar->click(); });
    EXPECT_EQ(v.original, "casa");
    EXPECT_TRUE(v.sugestoes.contains("casa")) << "the word itself is among the suggestions";
    EXPECT_EQ(janela->Linha(0), "um casx e uma casa");
}

TEST_F(OrtografiaNaJanela, MenuEBotao) {
    janela->Acao("Carregardicionrio1")->trigger();
    EXPECT_TRUE(DicionarioCarregado);
    janela->Acao("Liberardicionrio1")->trigger();
    EXPECT_FALSE(DicionarioCarregado);
    EXPECT_EQ(caixas->fake.Textos(),
              (std::vector<std::string>{"Dicionário carregado."_cp, "Dicionário removido da memória."_cp}));

    auto* botao = qobject_cast<QToolButton*>(janela->Controle("bbtn"));
    ASSERT_NE(botao, nullptr);
    const Visto v = Com([botao] { botao->click(); }, [](TformSubst& d) { d.btnDeixar->click(); });
    EXPECT_EQ(v.original, "casx");
}

TEST(MensagemRapida, MostraDoisSegundosEEscondeSozinha) {
    TformQuickMessage j;
    formQuickMessage = &j;
    QWidget dono;
    dono.setGeometry(100, 100, 800, 600);
    dono.show();
    int ms = 0;
    bool visivel = false;
    QString texto;
    QPoint centro;
    j.Espera = [&](int m) {
        ms = m;
        visivel = j.isVisible();
        texto = j.stMensagem->text();
        centro = j.frameGeometry().center();
    };
    ExibeMensagemRapida(&dono, "Dicionário carregado."_cp);
    formQuickMessage = nullptr;
    EXPECT_EQ(ms, 2000);
    EXPECT_TRUE(visivel);
    EXPECT_EQ(texto, ParaQString("Dicionário carregado."_cp));
    EXPECT_LE((centro - dono.frameGeometry().center()).manhattanLength(), 2) << "centred on its owner";
    EXPECT_FALSE(j.isVisible()) << "the call returns with the window hidden";
}

} // namespace
