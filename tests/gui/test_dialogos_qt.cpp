// The program's own message and input windows on the real Qt platform
// (offscreen): keys, results, sizes, and boxes asked from another thread.
#include "core/dmvars.h"
#include "core/gui/TformEditLinha.h"
#include "core/gui/TformEspere.h"
#include "core/gui/TformMsgComOK.h"
#include "core/gui/dialogosqt.h"
#include "platform/qt/caixaqt.h"
#include "platform/qt/textoqt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

namespace {

// A key pressed and released in the focus widget of the open modal window
// (which may not be the active one on the offscreen platform).
void Tecla(int tecla, const QString& texto = QString()) {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) return;
    QWidget* alvo = w->focusWidget() ? w->focusWidget() : w;
    QKeyEvent press(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
    QApplication::sendEvent(alvo, &press);
    QKeyEvent release(QEvent::KeyRelease, tecla, Qt::NoModifier, texto);
    QApplication::sendEvent(alvo, &release);
}

// Runs the steps once a modal window is open (polling, so a window opened by
// another thread is caught too).
void QuandoAbrir(std::function<void()> passos) {
    auto* t = new QTimer();
    t->setInterval(5);
    QObject::connect(t, &QTimer::timeout, [t, passos] {
        if (QApplication::activeModalWidget()) {
            t->stop();
            t->deleteLater();
            passos();
        }
    });
    t->start();
}

TEST(TformMsgComOK, EscDa2EnterEEspacoDaoOK) {
    for (auto [tecla, texto, resultado] :
         {std::tuple{Qt::Key_Escape, "", 2}, {Qt::Key_Return, "\r", 1}, {Qt::Key_Space, " ", 1}}) {
        TformMsgComOK f;
        QuandoAbrir([tecla, texto] { Tecla(tecla, texto); });
        EXPECT_EQ(f.Executa("Mensagem"), resultado) << tecla;
    }
}

// The boxes grow with their text: a line more makes them taller (a final
// line break makes no line), a long line wider than two buttons; the window
// holds the text and its buttons.
TEST(TformMsgComOK, TamanhoPeloTexto) {
    TformMsgComOK f;
    auto mostra = [&](const std::string& texto) {
        QuandoAbrir([&] { f.btnOK->click(); });
        f.Executa(texto);
        EXPECT_GE(f.width(), f.stxtMensOK->x() + f.stxtMensOK->width());
        EXPECT_GE(f.btnOK->y(), f.stxtMensOK->y() + f.stxtMensOK->height());
        EXPECT_LE(f.btnOK->y() + f.btnOK->height(), f.height());
        return f.stxtMensOK->geometry();
    };
    const QRect uma = mostra("Arquivo gravado.");
    EXPECT_EQ(mostra("Arquivo gravado.\r\n").height(), uma.height());
    const QRect duas = mostra("um\r\ndois");
    EXPECT_GT(duas.height(), uma.height());
    EXPECT_EQ(duas.width(), 2 * f.btnOK->width());
    const std::string longa(120, 'M');
    const QRect tres = mostra("primeira\r\n" + longa + "\r\nterceira");
    EXPECT_GT(tres.height(), duas.height());
    EXPECT_GT(tres.width(), 2 * f.btnOK->width());
    mostra("Aten\xe7\xe3o \x80");
    EXPECT_EQ(f.stxtMensOK->text(), QString::fromUtf8("Aten\u00e7\u00e3o \u20ac"));
}

TEST(TformEditLinha, TamanhoPeloTexto) {
    TformEditLinha f;
    std::string s;
    QuandoAbrir([&] { f.btnCancelar->click(); });
    f.Executa("T", "Nome:", s);
    const QRect curta = f.stxtMensEdLinha->geometry();
    EXPECT_GE(curta.width(), f.btnOK->width() + f.btnCancelar->width());
    // A long two-line prompt widens the box and the edit line with it.
    QuandoAbrir([&] { f.btnCancelar->click(); });
    f.Executa("T", std::string(150, 'W') + "\r\nsegunda", s);
    EXPECT_GT(f.stxtMensEdLinha->width(), curta.width());
    EXPECT_GT(f.stxtMensEdLinha->height(), curta.height());
    EXPECT_EQ(f.edtLinha->width(), f.stxtMensEdLinha->width());
    EXPECT_GE(f.width(), f.stxtMensEdLinha->x() + f.stxtMensEdLinha->width());
    EXPECT_LE(f.btnOK->y() + f.btnOK->height(), f.height());
}

TEST(TformMsgComOK, LinhasDaMensagem) {
    using L = std::vector<std::string>;
    const std::pair<std::string, L> casos[] = {
        {"um\r\ndois\r\ntr\xeas", {"um", "dois", "tr\xeas"}}, {"um\ndois\rtr\xeas", {"um", "dois", "tr\xeas"}},
        {"um\r\n", {"um"}}, // a final break adds no line
        {"um\r\n\r\ndois", {"um", "", "dois"}}, {"\r\num", {"", "um"}}, {"um\r\rdois", {"um", "", "dois"}}, {"", {}},
    };
    for (const auto& [texto, linhas] : casos) EXPECT_EQ(LinhasDaMensagem(texto), linhas) << texto;
}

// The first key replaces the text; Esc keeps it; the line goes both ways in Windows-1252.
TEST(TformEditLinha, TeclasBotoesEAcentos) {
    TformEditLinha f;
    std::string s = "antigo";
    QuandoAbrir([] {
        Tecla(Qt::Key_Y, "y");
        Tecla(Qt::Key_Escape);
    });
    EXPECT_FALSE(f.Executa("T", "Digite:", s));
    EXPECT_EQ(s, "antigo");
    QuandoAbrir([] {
        Tecla(Qt::Key_X, "x");
        Tecla(Qt::Key_Return, "\r");
    });
    EXPECT_TRUE(f.Executa("T\xedtulo", "Digite:", s));
    EXPECT_EQ(s, "x");
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("Título"));
    s = "cora\xe7\xe3o";
    QuandoAbrir([&] {
        EXPECT_EQ(f.edtLinha->text(), QString::fromUtf8("coração"));
        f.edtLinha->setText(QString::fromUtf8("ação ✓"));
        f.btnOK->click();
    });
    EXPECT_TRUE(f.Executa("T", "Digite:", s));
    EXPECT_EQ(s, "a\xe7\xe3o ?");
    QuandoAbrir([&] { f.btnCancelar->click(); });
    EXPECT_FALSE(f.Executa("T", "Digite:", s));
    EXPECT_EQ(s, "a\xe7\xe3o ?");
}

class ServicoQt : public ::testing::Test {
protected:
    void SetUp() override { InstalaDialogosQt(); }
    void TearDown() override { DefineDialogos(nullptr); }
};

TEST_F(ServicoQt, MensagemOKPelaJanelaDoPrograma) {
    QuandoAbrir([] {
        auto* f = qobject_cast<TformMsgComOK*>(QApplication::activeModalWidget());
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->stxtMensOK->text(), "linha 1\nlinha 2");
        Tecla(Qt::Key_Escape);
    });
    EXPECT_EQ(MensagemOK("linha 1\r\nlinha 2"), 2);
}

TEST_F(ServicoQt, CaixaDeAvisoComBotoesEmPortugues) {
    QuandoAbrir([] {
        auto* c = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->text(), QString::fromUtf8("Atenção: diretório /x inacessível!"));
        ASSERT_EQ(c->buttons().size(), 3);
        EXPECT_EQ(c->button(QMessageBox::No)->text(), QString::fromUtf8("Não"));
        c->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(dialogos().Caixa("Aten\xe7\xe3o: diret\xf3rio /x inacess\xedvel!", "Dotmara", Icone::Aviso,
                               Botoes::NoOKCancel),
              mrNo);
}

// A box breaks its lines only at blanks: a path is never broken inside, not
// even at its blanks (it runs to the end of its line), unless it is wider
// than a box may be; a path that widens the box widens the other lines too (here
// one character is one unit of width).
TEST(CaixaQt, LinhasQuebramSoEmBrancosENuncaDentroDeUmCaminho) {
    const auto mede = [](const QString& s) { return static_cast<int>(s.size()); };
    const struct { const char* texto; QStringList linhas; } casos[] = {
        {"curta", {"curta"}},
        {"uma linha de palavras longa", {"uma linha de", "palavras longa"}},
        {"   recuo mantido", {"   recuo", "mantido"}},
        {"Arquivo: /tmp/pasta-um/doc.txt lido", {"Arquivo:", "/tmp/pasta-um/doc.txt", "lido"}},
        {"Texto:\n/tmp/Meus Livros/a b.txt", {"Texto:", "/tmp/Meus Livros/a b.txt"}},
        {"Texto longo de prosa aqui\n/tmp/Meus Livros/a b.txt",
         {"Texto longo de prosa", "aqui", "/tmp/Meus Livros/a b.txt"}},
        {"\"/tmp/M L/a b.txt\" falta", {"\"/tmp/M L/a b.txt\" falta"}},
        {"Erro: /tmp/M L/a b.txt!", {"Erro:", "/tmp/M L/a b.txt!"}},
        {"Arquivo n\xc3\xa3o achado: /tmp/Meus Livros/a.txt", {"Arquivo n\xc3\xa3o achado:", "/tmp/Meus Livros/a.txt"}},
        {"Arquivo \"/tmp/M L/a.txt\" existe", {"Arquivo", "\"/tmp/M L/a.txt\" existe"}},
        {"O arquivo /tmp/Meu L/a.txt \xc3\xa9 s\xc3\xb3 leitura", {"O arquivo", "/tmp/Meu L/a.txt", "\xc3\xa9 s\xc3\xb3 leitura"}},
        {"/pasta-muito-longa/outra-pasta-longa/arquivo-de-nome-longo.txt",
         {"/pasta-muito-longa/", "outra-pasta-longa/", "arquivo-de-nome-longo.txt"}},
        {"x aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", {"x", "aaaaaaaaaaaaaaaaaaaaaaaaa", "aaaaaaaaaa"}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(LinhasDaCaixa(QString::fromUtf8(c.texto), mede, 14, 25), c.linhas) << c.texto;
}

// The big-file message on the real box: the path stands whole on a line of
// its own, and the box is wide enough to show it.
TEST_F(ServicoQt, CaixaMostraOCaminhoInteiro) {
    const std::string caminho = "/home/transcritor/Livros did\xe1ticos/Volume 2 - Ci\xeancias/cap\xedtulo-03.txt";
    QuandoAbrir([&] {
        auto* c = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(c, nullptr);
        auto* rotulo = c->findChild<QLabel*>("lblTextoCaixa");
        ASSERT_NE(rotulo, nullptr);
        EXPECT_TRUE(rotulo->text().split('\n').contains(ParaQString(caminho)));
        EXPECT_EQ(c->text(), ParaQString("Arquivo grande demais (mais de 300000 caracteres):\n" + caminho));
        EXPECT_LE(rotulo->geometry().right(), c->contentsRect().right());
        c->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(dialogos().Caixa("Arquivo grande demais (mais de 300000 caracteres):\r\n" + caminho, "Dotmara",
                               Icone::Erro, Botoes::OK),
              mrOk);
}

TEST_F(ServicoQt, CaixaPedidaPorOutraThreadEsperaAResposta) {
    std::atomic<int> resultado{-1};
    std::atomic<bool> pronto{false};
    std::thread trabalhador([&] {
        resultado = dialogos().Caixa("Arquivo enviado", "Fim de impress\xe3o", Icone::Nenhum, Botoes::OK, true);
        pronto = true;
    });
    bool vista = false;
    QuandoAbrir([&] {
        auto* c = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(c, nullptr);
        vista = true;
        EXPECT_FALSE(pronto.load()); // the worker waits for the answer
        EXPECT_EQ(c->windowTitle(), QString::fromUtf8("Fim de impressão"));
        c->button(QMessageBox::Ok)->click();
    });
    while (!pronto)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    trabalhador.join();
    EXPECT_TRUE(vista);
    EXPECT_EQ(resultado.load(), mrOk);
}

TEST_F(ServicoQt, EditaLinhaDeOutraThread) {
    std::atomic<bool> pronto{false};
    bool ok = false;
    std::string s = "abc";
    std::thread trabalhador([&] {
        ok = EditaLinha("T", "P", s);
        pronto = true;
    });
    QuandoAbrir([] {
        Tecla(Qt::Key_Z, "z");
        Tecla(Qt::Key_Enter, "\r");
    });
    while (!pronto)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    trabalhador.join();
    EXPECT_TRUE(ok);
    EXPECT_EQ(s, "z");
}

TEST_F(ServicoQt, EspereFicaAteSerEscondido) {
    dialogos().MostraEspere("O dicion\xe1rio est\xe1 sendo carregado.");
    ASSERT_NE(formEspere, nullptr);
    EXPECT_TRUE(formEspere->isVisible());
    EXPECT_EQ(formEspere->stMensagem->text(), QString::fromUtf8("O dicionário está sendo carregado."));
    dialogos().EscondeEspere();
    EXPECT_FALSE(formEspere->isVisible());
}

TEST(TextoQt, IdaEVoltaDeTodosOsBytes) {
    std::string todos;
    for (int c = 0; c < 256; ++c)
        todos += static_cast<char>(c);
    QString q = ParaQString(todos);
    EXPECT_EQ(DeQString(q), todos);
    EXPECT_EQ(q.at(0x80), QChar(0x20AC));
    EXPECT_EQ(DeQString(QString::fromUtf8("a😀b→")), "a?b?");
}

} // namespace
