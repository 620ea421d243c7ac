// The touch-up program through its real windows: keys as Qt delivers them,
// the buttons, the clipboard, the dot drawer, the cells on screen, and the
// program body (missing code table, single-instance lock).
#include "core/celas/celasqt.h"
#include "core/dmtraduz.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "editor/dmexternos.h"
#include "editor/gui/dmmain.h"
#include "platform/dialogos.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/servicosqt.h"
#include "platform/qt/textoqt.h"
#include "platform/servicos.h"
#include "gui/capturas_apoio.h"
#include "support/temporario.h"
#include "touchup/gui/kelto_programa.h"
#include "touchup/gui/ukelto.h"
#include "touchup/gui/ukelto2.h"
#include "touchup/gui/ukelto3.h"
#include "touchup/ukelto_config.h"

#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

std::string Brancos(std::size_t n) { return std::string(n, ' '); }

void Tecla(QWidget* w, QEvent::Type tipo, int tecla, Qt::KeyboardModifiers m = Qt::NoModifier,
           const QString& texto = QString(), bool repetida = false) {
    QKeyEvent e(tipo, tecla, m, texto, repetida);
    QApplication::sendEvent(w, &e);
}
void Aperta(QWidget* w, int tecla, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& texto = QString()) {
    Tecla(w, QEvent::KeyPress, tecla, m, texto);
    Tecla(w, QEvent::KeyRelease, tecla, m, texto);
}

void Mouse(QWidget* w, QEvent::Type tipo, Qt::MouseButton b, QPoint p) {
    const Qt::MouseButtons botoes = tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(b);
    QMouseEvent e(tipo, QPointF(p), w->mapToGlobal(QPointF(p)), b, botoes, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
void Clica(QWidget* w, Qt::MouseButton b, QPoint p) {
    Mouse(w, QEvent::MouseButtonPress, b, p);
    Mouse(w, QEvent::MouseButtonRelease, b, p);
}

// The settings and data of one test: an INI file of its own, the shipped
// code tables, and the runtime folder where the single-instance lock lives.
class AmbienteKelto : public ::testing::Test {
protected:
    void Ini(const std::string& conteudo) { GravaArquivoTeste(pasta.caminho("DOTMARA.INI"), conteudo); }

    PastaTemporaria pasta;
    VariavelAmbiente ini{"DOTMARA_INI", pasta.caminho("DOTMARA.INI")};
    VariavelAmbiente dados{"DOTMARA_DATA_DIR", DOTMARA_DATA_DIR};
    VariavelAmbiente execucao{"XDG_RUNTIME_DIR", pasta.dir()};
    DialogosFalsosEscopo caixas;
};

// The three windows, made as the program body makes them, without its loop.
class JanelasKelto : public AmbienteKelto {
protected:
    void Cria() {
        form1 = std::make_unique<TForm1>(estado);
        Form1 = form1.get();
        form2 = std::make_unique<TForm2>(estado, Form1);
        Form2 = form2.get();
        form3 = std::make_unique<TForm3>(estado);
        Form3 = form3.get();
        Form1->show();
        Form2->show();
        QApplication::processEvents();
    }
    void SetUp() override { Cria(); }
    void TearDown() override {
        Form3 = nullptr;
        Form2 = nullptr;
        Form1 = nullptr;
    }
    std::string Tinta(int k) const { return Form1->Label[static_cast<std::size_t>(k - 1)]->Texto(); }
    QString Celas(int k) const { return Form1->Linha[static_cast<std::size_t>(k - 1)]->TextoMostrado(); }
    // A chord of letter keys, pressed in order and released in order.
    void Acorde(const QString& teclas) {
        for (QChar c : teclas)
            Tecla(Form1, QEvent::KeyPress, c.unicode(), Qt::NoModifier, c.toLower());
        for (QChar c : teclas)
            Tecla(Form1, QEvent::KeyRelease, c.unicode(), Qt::NoModifier, c.toLower());
    }

    ServicosFalsosEscopo servicos;
    EstadoKelto estado;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
};

TEST_F(JanelasKelto, AcordesComoOQtOsEntrega) {
    // F held until it repeats (X11 sends a release and a press, both marked
    // as repeats), then let go: one "a".
    Tecla(Form1, QEvent::KeyPress, Qt::Key_F, Qt::NoModifier, "f");
    for (int i = 0; i < 3; ++i) {
        Tecla(Form1, QEvent::KeyRelease, Qt::Key_F, Qt::NoModifier, "f", true);
        Tecla(Form1, QEvent::KeyPress, Qt::Key_F, Qt::NoModifier, "f", true);
    }
    Tecla(Form1, QEvent::KeyRelease, Qt::Key_F, Qt::NoModifier, "f");
    // F with the keypad's 4: dots 1 and 4.
    Tecla(Form1, QEvent::KeyPress, Qt::Key_F, Qt::NoModifier, "f");
    Tecla(Form1, QEvent::KeyPress, Qt::Key_4, Qt::KeypadModifier, "4");
    Tecla(Form1, QEvent::KeyRelease, Qt::Key_F, Qt::NoModifier, "f");
    Tecla(Form1, QEvent::KeyRelease, Qt::Key_4, Qt::KeypadModifier, "4");
    Acorde("FD");
    EXPECT_TRUE(caixas.fake.registros.empty());
    EXPECT_EQ(Celas(1).left(4), QString::fromUtf8("⠁⠉⠃⠀"));
    EXPECT_EQ(Form1->Linha[0]->font().family(), kFonteCelas);
    EXPECT_EQ(Form1->CursorPainel->x(), Form1->Linha[0]->x() + 3 * 13);
    // Down to line 8 scrolls the window one line.
    for (int i = 0; i < 7; ++i)
        Aperta(Form1, Qt::Key_Down);
    EXPECT_EQ(Form1->LabLinha->text(), "8");
    EXPECT_EQ(Form1->CursorPainel->y(), Form1->Linha[6]->y());
}

TEST_F(JanelasKelto, RepeticaoQueOX11NaoMarca) {
    // X11 now and then hands a held key's repeat over unmarked: a release and
    // a press with the same timestamp. Holding F still types one "a".
    auto tecla = [&](QEvent::Type tipo, int k, const char* texto, quint64 quando) {
        QKeyEvent e(tipo, k, Qt::NoModifier, texto);
        e.setTimestamp(quando);
        QApplication::sendEvent(Form1, &e);
    };
    auto espera = [&] {
        for (int i = 0; i < 200 && Form1->Solturas.HaPendente(); ++i) {
            QThread::msleep(5);
            QApplication::processEvents();
        }
    };
    tecla(QEvent::KeyPress, Qt::Key_F, "f", 1000);
    for (quint64 t = 1500; t < 1700; t += 40) {
        tecla(QEvent::KeyRelease, Qt::Key_F, "f", t);
        tecla(QEvent::KeyPress, Qt::Key_F, "f", t);
    }
    tecla(QEvent::KeyRelease, Qt::Key_F, "f", 2000);
    espera();
    EXPECT_EQ(Tinta(1).substr(0, 2), "a ");
    // A release held back goes through before the next key: F and then D
    // typed quickly are two cells, in their order.
    tecla(QEvent::KeyPress, Qt::Key_F, "f", 3000);
    tecla(QEvent::KeyRelease, Qt::Key_F, "f", 3050);
    tecla(QEvent::KeyPress, Qt::Key_D, "d", 3060);
    tecla(QEvent::KeyRelease, Qt::Key_D, "d", 3100);
    espera();
    EXPECT_EQ(Tinta(1).substr(0, 4), "aa, ");
}

TEST_F(JanelasKelto, ModosEComposicaoDeTinta) {
    // F12 checks the ink button and asks for the input method, whose
    // composed letters are typed; F11 and the buttons go back.
    EXPECT_FALSE(Form1->testAttribute(Qt::WA_InputMethodEnabled));
    Aperta(Form1, Qt::Key_F12);
    EXPECT_TRUE(Form2->RadioButton2->isChecked());
    EXPECT_TRUE(Form1->testAttribute(Qt::WA_InputMethodEnabled));
    QInputMethodEvent composto;
    composto.setCommitString(QString::fromUtf8("éã"));
    QApplication::sendEvent(Form1, &composto);
    Aperta(Form1, Qt::Key_Ccedilla, Qt::NoModifier, QString::fromUtf8("ç"));
    EXPECT_EQ(Tinta(1).substr(0, 4), "\xe9\xe3\xe7 ");
    Aperta(Form1, Qt::Key_F11);
    EXPECT_TRUE(Form2->RadioButton1->isChecked());
    EXPECT_FALSE(Form1->testAttribute(Qt::WA_InputMethodEnabled));
    QApplication::sendEvent(Form1, &composto);
    EXPECT_EQ(Tinta(1).substr(0, 4), "\xe9\xe3\xe7 ");
    // A button checked by code applies its mode too.
    Form2->RadioButton2->setChecked(true);
    EXPECT_FALSE(estado.ModoSeisTeclas);
    Form2->RadioButton1->click();
    EXPECT_TRUE(estado.ModoSeisTeclas);
}

TEST_F(JanelasKelto, TeclasEBotoesDaPagina) {
    Acorde("F");
    Acorde("FD");
    // Ctrl+C and Ctrl+Insert copy; Ctrl+V and Shift+Insert paste.
    Aperta(Form1, Qt::Key_C, Qt::ControlModifier, QString(QChar(3)));
    Aperta(Form1, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(servicos.fake.gravacoes, (std::vector<std::string>{"ab\r\n", "ab\r\n"}));
    servicos.fake.areaTransferencia = "xy\r\nz\r\n";
    Aperta(Form1, Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
    EXPECT_EQ(Tinta(2), "z" + Brancos(41));
    servicos.fake.areaTransferencia = "w";
    Aperta(Form1, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Tinta(1), "w" + Brancos(41));
    // "Limpar", "Colar", "Copiar".
    Form2->BotLimpar->click();
    EXPECT_EQ(Tinta(1), Brancos(56));
    Form2->BotColar->click();
    Acorde("K");
    Form2->BotCopiar->click();
    EXPECT_EQ(servicos.fake.gravacoes.back(), "~w\r\n");
    // The "Braille Mouse" types the checked dots and unchecks them; the line buttons.
    Form2->CheckBox[0]->setChecked(true);
    Form2->CheckBox[1]->setChecked(true);
    Form2->SpeedButton1->click();
    EXPECT_EQ(Tinta(1).substr(0, 3), "~bw");
    EXPECT_FALSE(Form2->CheckBox[0]->isChecked());
    Form2->Button1->click();
    EXPECT_EQ(Tinta(2).substr(0, 3), "~bw");
    Form2->Button2->click();
    EXPECT_EQ(Tinta(1).substr(0, 3), "~bw");
}

TEST_F(JanelasKelto, DesenhadorComOMouse) {
    Aperta(Form1, Qt::Key_F9);
    EXPECT_TRUE(Form3->isVisible());
    // A left click sets a dot, on release; a right drag clears.
    Clica(Form3, Qt::LeftButton, {1, 1});
    Clica(Form3, Qt::LeftButton, {5, 5});
    EXPECT_EQ(Celas(1).left(1), QString::fromUtf8("⠑"));
    Mouse(Form3, QEvent::MouseButtonPress, Qt::RightButton, {1, 1});
    Mouse(Form3, QEvent::MouseMove, Qt::RightButton, {5, 5});
    EXPECT_EQ(Tinta(1).substr(0, 1), "e");
    Mouse(Form3, QEvent::MouseButtonRelease, Qt::RightButton, {5, 5});
    EXPECT_EQ(Tinta(1).substr(0, 1), " ");
    // Typed in the page while the drawer is open, a cell survives the next
    // release in the drawer.
    Form1->setFocus();
    Acorde("F");
    EXPECT_TRUE(form3->grade.Marcado(0, 0));
    Clica(Form3, Qt::LeftButton, {9, 1});
    EXPECT_EQ(Tinta(1).substr(0, 2), "aa");
    // Closing it only hides it.
    Form3->close();
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_TRUE(Form1->isVisible());
}

class ProgramaKelto : public AmbienteKelto {
protected:
    ServicosFalsosEscopo servicos;
};

TEST_F(ProgramaKelto, SemTabelaTerminaComAMensagem) {
    Ini("[DOTMARA]\r\namBCode2=falta.cfg\r\n");
    EXPECT_EQ(ExecutaKelto(), 1);
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{"Arquivo falta.cfg n\xe3o achado"});
    EXPECT_EQ(caixas.fake.registros[0].icone, Icone::Erro);
    EXPECT_EQ(Form1, nullptr);
}

TEST_F(ProgramaKelto, PartidaETermino) {
    bool visto = false;
    QTimer espera;   // until the options window is up beside the page window
    int voltas = 0;
    QObject::connect(&espera, &QTimer::timeout, [&] {
        if (!(Form1 && Form2 && Form2->isVisible()) && ++voltas < 500) return;
        espera.stop();
        visto = Form1 && Form1->isVisible() && Form2 && Form2->isVisible() && Form3 && !Form3->isVisible() &&
                servicos.fake.travadas.count(kInstanciaKelto) == 1;
        if (visto) {
            const QRect pagina = Form1->frameGeometry(), opcoes = Form2->frameGeometry();
            EXPECT_FALSE(pagina.intersects(opcoes));
            EXPECT_TRUE(Form1->screen()->availableGeometry().contains(opcoes));
            EXPECT_EQ(Form2->windowHandle()->transientParent(), Form1->windowHandle());
        }
        // Closing the options window leaves the program running; the page window ends it.
        if (Form2) Form2->close();
        if (Form1) Form1->close();
    });
    espera.start(10);
    EXPECT_EQ(ExecutaKelto(), 0);
    EXPECT_TRUE(visto);
    EXPECT_EQ(Form1, nullptr);
}

// The options window stands whole on the screen beside the page window, the
// first of below, above, right and left that has room (the program body
// places it so, and makes it the page window's, to stay above it when the
// page takes the keyboard back).
TEST(OpcoesDoKelto, AoLadoDaPaginaDentroDaTela) {
    const QSize opcoes(453, 142);
    const struct {
        QRect pagina, area;
        QPoint esperado;
    } casos[] = {
        {{100, 50, 765, 417}, {0, 0, 1280, 1024}, {100, 467}},    // below
        {{1000, 50, 765, 417}, {0, 0, 1280, 1024}, {827, 467}},   // below, kept on the screen
        {{100, 600, 765, 417}, {0, 0, 1280, 1024}, {100, 458}},   // above
        {{0, 0, 765, 417}, {0, 0, 1366, 500}, {765, 0}},          // right
        {{600, 40, 765, 417}, {0, 0, 1366, 500}, {147, 40}},      // left
        {{0, 0, 765, 417}, {0, 30, 800, 470}, {0, 358}},          // nowhere: over the page's foot
    };
    for (const auto& c : casos)
        EXPECT_EQ(PosicaoAoLado(c.pagina, opcoes, c.area), c.esperado) << c.pagina.x() << "," << c.pagina.y();
}

// A failing command is told in the program's own box; the page goes on.
TEST_F(ProgramaKelto, FalhaDeUmComandoNaCaixaDoPrograma) {
    InstalaRelatoKelto();
    bool seguiu = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, Form1, [] { throw std::runtime_error("sem cela"); });
        QTimer::singleShot(0, Form1, [&] {
            seguiu = Form1->isVisible();
            Form1->close();
        });
    });
    EXPECT_EQ(ExecutaKelto(), 0);
    TAplicacao::DefineRelato(nullptr);
    EXPECT_TRUE(seguiu);
    ASSERT_EQ(caixas.fake.registros.size(), 1u);
    EXPECT_EQ(caixas.fake.registros[0].texto,
              "N\xe3o foi poss\xedvel concluir a \xfaltima opera\xe7\xe3o: erro interno (sem cela).\r\n"
              "A p\xe1gina continua como estava.");
    EXPECT_EQ(caixas.fake.registros[0].titulo, "Kelto");
}

// The program itself holds the lock while it runs, a second start (and the
// main program's call) is refused, and the lock goes with the process.
TEST_F(AmbienteKelto, ProgramaSeguraATrava) {
    Ini("");
    QProcess kelto;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    kelto.setProcessEnvironment(env);
    kelto.start(DOTMARA_KELTO, {});
    ASSERT_TRUE(kelto.waitForStarted(10000));
    bool travado = false;
    for (int i = 0; i < 200 && !travado; ++i) {
        travado = !TentaTravaInstancia(kInstanciaKelto, false);
        if (!travado)
            QThread::msleep(50);
    }
    EXPECT_TRUE(travado);
    EXPECT_EQ(kelto.state(), QProcess::Running);

    ServicosQt reais;
    DefineServicos(&reais);
    EXPECT_EQ(ExecutaKelto(), 0);
    // The main program sees the same lock: the box, and no start (which
    // would have shown the boxes of a folder that is not there).
    RestauraPadroes();
    ProgKelto = pasta.caminho("nao-existe/kelto");
    ChamaKelto();
    RestauraPadroes();
    DefineServicos(nullptr);
    const std::string ativo = "Programa j\xe1 ativo, use a barra de sele\xe7\xe3o do Windows";
    EXPECT_EQ(caixas.fake.Textos(), (std::vector<std::string>{ativo, ativo}));

    kelto.terminate();
    ASSERT_TRUE(kelto.waitForFinished(10000));
    EXPECT_TRUE(TentaTravaInstancia(kInstanciaKelto, false));
}

// kelto and the main program's editor over the real Qt clipboard, both ways.
class AreaEntreProgramas : public JanelasKelto {
protected:
    void SetUp() override {
        JanelasKelto::SetUp();
        DefineServicos(&reais);
        RestauraPadroes();
        janela = std::make_unique<TformPrincipal>();
        formPrincipal = janela.get();
    }
    void TearDown() override {
        formPrincipal = nullptr;
        janela.reset();
        DefineServicos(&servicos.fake);
        JanelasKelto::TearDown();
    }
    ServicosQt reais;
    std::unique_ptr<TformPrincipal> janela;
};

TEST_F(AreaEntreProgramas, PaginaDoKeltoColadaNoEditor) {
    // Every cell of the code, by chords and by the mouse, on three lines.
    Acorde("FD");
    Acorde("DSKL");
    Aperta(Form1, Qt::Key_Enter);
    Aperta(Form1, Qt::Key_Enter);
    for (int m = 0; m < 64; ++m)
        estado.InsereCelaDoMouse(m);
    Form1->MostraLinhas();
    Form2->BotCopiar->click();
    janela->richEdPrincipal->paste();
    ASSERT_EQ(janela->NumLinhas(), 3);
    EXPECT_TRUE(janela->TerminaEmQuebra());
    EXPECT_EQ(janela->Linha(0), "b=");
    EXPECT_EQ(janela->Linha(1), "");
    std::string celas;
    for (int m = 0; m < 57; ++m)
        celas += static_cast<char>(CelasDoCodigo(false)[static_cast<std::size_t>(m)]);
    EXPECT_EQ(janela->Linha(2), celas); // 57 cells: the line's limit
}

TEST_F(AreaEntreProgramas, LinhasDoEditorColadasNoKelto) {
    const std::string linhas[] = {"  {braille \xe9 \xe7", "", std::string(50, 'x')};
    janela->richEdPrincipal->setPlainText(ParaQString(linhas[0] + "\n" + linhas[1] + "\n" + linhas[2] + "\n"));
    janela->richEdPrincipal->selectAll();
    janela->richEdPrincipal->copy();
    Aperta(Form1, Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
    EXPECT_EQ(Tinta(1), linhas[0] + Brancos(42 - linhas[0].size()));
    EXPECT_EQ(Tinta(2), Brancos(42));
    EXPECT_EQ(Tinta(3), std::string(42, 'x'));
    EXPECT_EQ(Tinta(4), Brancos(56));
}

// A number copied with Ctrl+B shows in kelto with the cells the braille view
// gives it, under both codes: the digits as the letters whose cells they
// have in a number, zero as "j" (dots 2-4-5).
TEST_F(AreaEntreProgramas, NumerosCopiadosEmMetaBrailleTemAsCelasDaVisualizacao) {
    const std::vector<std::string> linhas = {"10", "2025", "0,5", "sem algarismos"};
    auto pontos = [](const std::string& saida) {
        std::string r;
        for (unsigned char c : saida) r += std::to_string(PontosDoCaractere[c] & 0x3F) + " ";
        return r;
    };
    for (bool antigo : {false, true}) {
        SCOPED_TRACE(antigo ? "old code" : "unified code");
        BrailleAntigo = antigo;
        ASSERT_TRUE(CarregaTabelaImpressora());
        janela->richEdPrincipal->setPlainText(ParaQString(linhas[0] + "\n" + linhas[1] + "\n" + linhas[2] + "\n" + linhas[3]));
        janela->richEdPrincipal->selectAll();
        janela->Acao("imCopiarEmMetaBraille")->trigger();
        // kelto reads the code as it starts, and pastes.
        Ini(std::string("[DOTMARA]\r\nbrailleAntigo=") + (antigo ? "S" : "N") + "\r\n");
        ASSERT_TRUE(LeConfiguracaoKelto(estado, DOTMARA_DATA_DIR));
        Form2->BotColar->click();
        for (int i = 0; i < 4; ++i) {
            const std::string vista = CompilaLinha(i);
            ASSERT_FALSE(vista.empty());
            EXPECT_EQ(pontos(estado.BrailleDaJanela(i + 1).substr(0, vista.size())), pontos(vista)) << linhas[static_cast<std::size_t>(i)];
        }
    }
}

// ---- Screenshots (tools/capturas.sh; not run by ctest) -------------------

class CapturasKelto : public JanelasKelto {};

TEST_F(CapturasKelto, DISABLED_TresJanelas) {
    // A page as the main program's meta-braille copy hands it over, touched
    // up by chords: line 2 gets a cell typed at the cursor.
    servicos.fake.areaTransferencia =
        "  {digita\xe7\xe3o e ajustes em {braille\r\n"
        "\r\n"
        "  #a,b o kelto guarda uma p\xe1gina de\r\n"
        "cem linhas na mem\xf3ria;  cada cela \xe9\r\n"
        "digitada com seis teclas ou em tinta'\r\n";
    Form2->BotColar->click();
    Aperta(Form1, Qt::Key_Down);
    Aperta(Form1, Qt::Key_Down);
    Aperta(Form1, Qt::Key_End);
    Acorde("FDSJKL");
    Aperta(Form1, Qt::Key_Down);
    EXPECT_TRUE(GravaCaptura(Form1, "kelto_pagina.png"));
    Form2->CheckBox[0]->setChecked(true);
    Form2->CheckBox[3]->setChecked(true);
    EXPECT_TRUE(GravaCaptura(Form2, "kelto_opcoes.png"));
    Form2->CheckBox[0]->setChecked(false);
    Form2->CheckBox[3]->setChecked(false);
    Aperta(Form1, Qt::Key_F9);
    ASSERT_TRUE(Form3->isVisible());
    Mouse(Form3, QEvent::MouseButtonPress, Qt::LeftButton, {4 * 40 + 1, 4 * 4 * 10 + 1});
    for (int y = 4 * 4 * 10 + 1; y < 4 * 4 * 14; y += 2)
        Mouse(Form3, QEvent::MouseMove, Qt::LeftButton, {4 * 40 + 1, y});
    Mouse(Form3, QEvent::MouseButtonRelease, Qt::LeftButton, {4 * 40 + 1, 4 * 4 * 14});
    EXPECT_TRUE(GravaCaptura(Form3, "kelto_desenhador.png"));
    Aperta(Form1, Qt::Key_Down);
    EXPECT_TRUE(GravaCaptura(Form1, "kelto_pagina_desenhada.png"));
}

// The page window and the options window as the program body places them
// under the window manager, then after a button of the options window gave
// the keyboard back to the page window, also with the page window moved
// over it.
class CapturasProgramaKelto : public ProgramaKelto {};

TEST_F(CapturasProgramaKelto, DISABLED_DuasJanelasNaTela) {
    QTimer::singleShot(0, [&] {
        EsperaEventos(1500);
        EXPECT_TRUE(Form2 && Form2->isVisible());
        EXPECT_TRUE(GravaTela("kelto_janelas.png"));
        if (Form2) {
            Form2->activateWindow();
            EsperaEventos(300);
            Form2->Button1->click();
            EXPECT_TRUE(GravaTela("kelto_janelas_apos_botao.png"));
            // The page window dragged over it: after a button it is still on top.
            Form1->move(Form1->frameGeometry().topLeft() + QPoint(120, 260));
            EsperaEventos(300);
            Form2->activateWindow();
            EsperaEventos(300);
            Form2->Button2->click();
            EXPECT_TRUE(GravaTela("kelto_janelas_sobrepostas_apos_botao.png"));
        }
        if (Form1) Form1->close();
    });
    EXPECT_EQ(ExecutaKelto(), 0);
}

} // namespace
