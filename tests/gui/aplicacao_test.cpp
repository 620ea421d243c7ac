// A command that fails (from a menu, a shortcut, a button, a timer or a
// queued call) is told and leaves the unsaved document as it was; Qt's own
// texts are Portuguese.
#include "platform/qt/aplicacaoqt.h"
#include "support/janela_teste.h"

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <algorithm>
#include <functional>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Allocations made while it lives are not reported as leaks.
struct SemContarVazamentos {
#if defined(__SANITIZE_ADDRESS__)
    SemContarVazamentos() { __lsan_disable(); }
    ~SemContarVazamentos() { __lsan_enable(); }
#endif
};

const char* const kFim = ".\r\nO documento continua aberto como estava; salve-o antes de continuar.";

class ComandoQueFalha : public JanelaDeTeste {
protected:
    void SetUp() override {
        JanelaDeTeste::SetUp();
        janela->richEdPrincipal->setPlainText(QString::fromUtf8("texto que n\u00e3o foi salvo\nsegunda linha"));
        janela->richEdPrincipal->document()->setModified(true);
    }
};

// Each way a command reaches the program, each kind of failure.
TEST_F(ComandoQueFalha, ORelatoDizOQueFalhouEODocumentoFica) {
    using Dispara = std::function<void(TformPrincipal&, std::function<void()> falha)>;
    struct Caso {
        const char* nome;
        Dispara dispara;
        std::function<void()> falha;
        std::string esperado;
    };
    // A menu's command, wired as the main window wires them, is caught right
    // in the handler.
    const Dispara menu = [](TformPrincipal& j, std::function<void()> f) {
        QAction* a = j.menuArquivo->addAction("&Exportar");
        QObject::connect(a, &QAction::triggered, &j, ComandoProtegido(a, f));
        a->trigger();
    };
    // Anything else is caught where its event is delivered.
    const Dispara atalho = [](TformPrincipal& j, std::function<void()> f) {
        QAction* a = j.menuArquivo->addAction("Co&mando de teste");
        a->setShortcut(Qt::Key_F7);
        QObject::connect(a, &QAction::triggered, &j, f);
        QShortcutEvent e(QKeySequence(Qt::Key_F7), 1);
        // Qt's frames up to the handler do not unwind; their few bytes stay.
        [[maybe_unused]] SemContarVazamentos semContar;
        QApplication::sendEvent(a, &e);
    };
    const Dispara relogio = [](TformPrincipal& j, std::function<void()> f) {
        QTimer::singleShot(0, &j, f);
        QApplication::processEvents();
    };
    const Dispara depois = [](TformPrincipal& j, std::function<void()> f) {
        // As a drop or a box posted by the print worker arrives.
        QMetaObject::invokeMethod(&j, f, Qt::QueuedConnection);
        QApplication::processEvents();
    };
    const auto semMemoria = [] { throw std::bad_alloc(); };
    const std::string prefixo = "N\xe3o foi poss\xedvel concluir ";
    const Caso casos[] = {
        {"shortcut of an action wired by hand, no memory", atalho, semMemoria,
         prefixo + "o comando \"Comando de teste\": mem\xf3ria insuficiente" + kFim},
        {"menu click, too long", menu, [] { throw std::length_error("vector"); },
         prefixo + "o comando \"Exportar\": mem\xf3ria insuficiente" + kFim},
        {"timer, anything thrown", relogio, [] { throw 42; },
         prefixo + "a \xfaltima opera\xe7\xe3o: erro interno" + kFim},
        {"queued call, no memory", depois, semMemoria,
         prefixo + "a \xfaltima opera\xe7\xe3o: mem\xf3ria insuficiente" + kFim},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        caixas.fake.Limpa();
        c.dispara(*janela, c.falha);
        ASSERT_EQ(caixas.fake.Textos(), std::vector<std::string>{c.esperado});
        EXPECT_EQ(caixas.fake.registros[0].icone, Icone::Erro);
        EXPECT_EQ(janela->Linha(0), "texto que n\xe3o foi salvo");
        EXPECT_EQ(janela->NumLinhas(), 2);
        EXPECT_TRUE(janela->Modificado());
    }
    // The program goes on: the next command runs as usual.
    bool rodou = false;
    QMetaObject::invokeMethod(janela.get(), [&] { rodou = true; }, Qt::QueuedConnection);
    QApplication::processEvents();
    EXPECT_TRUE(rodou);
}

// F9 on graphics that are a file that never ends and a pipe: told, and the
// unsaved document stays.
TEST_F(ComandoQueFalha, F9EmDocumentoHostilMantemODocumento) {
    ASSERT_EQ(::mkfifo(pasta.caminho("cano.grb").c_str(), 0600), 0);
    const std::vector<std::string> linhas = {"<G* 5 /proc/self/pagemap>", "<G* 5 " + pasta.caminho("cano.grb") + ">",
                                             "texto que n\xe3o foi salvo"};
    janela->DefineLinhas(linhas);
    janela->richEdPrincipal->document()->setModified(true);
    ArqAtual = pasta.caminho("livro.txt");
    TipoTratGrafico = 0;   // graphics embossed between the text lines
    caixas.fake.Limpa();
    QShortcutEvent f9(QKeySequence(Qt::Key_F9), 1);
    QApplication::sendEvent(janela->imVisualizar, &f9);
    QApplication::processEvents();
    EXPECT_EQ(janela->Linhas(), linhas);
    EXPECT_TRUE(janela->Modificado());
    const auto textos = caixas.fake.Textos();
    const auto fala = [&](const std::string& nome) {
        return std::any_of(textos.begin(), textos.end(),
                           [&](const std::string& t) { return t.find(nome) != std::string::npos; });
    };
    EXPECT_TRUE(fala("/proc/self/pagemap")) << ::testing::PrintToString(textos);
    EXPECT_TRUE(fala("cano.grb")) << ::testing::PrintToString(textos);
    // The draft was made, with the text after the refused graphics.
    EXPECT_FALSE(LeArquivoTeste(ArqRascunho).empty());
}

// A handler connected through ConectaProtegido fails where it runs (a click
// made by code has no event around it), told with the caption; the signal's
// arguments reach a handler that takes them.
TEST(ConectaProtegido, AFalhaFicaNoManipulador) {
    struct Janela : QWidget {
        std::vector<int> indices;
        void Falha() { throw std::runtime_error("disco sumiu"); }
        void Indice(int i) { indices.push_back(i); }
    } janela;
    std::vector<std::string> relatos;
    TAplicacao::DefineRelato(
        [&](const std::string& comando, const std::string& causa) { relatos.push_back(comando + ": " + causa); });
    auto* botao = new QPushButton("&Gerar gr\u00e1fico", &janela);
    ConectaProtegido(botao, &QPushButton::clicked, &janela, &Janela::Falha);
    auto* lista = new QComboBox(&janela);
    lista->addItems({"um", "dois"});
    ConectaProtegido(lista, &QComboBox::currentIndexChanged, &janela, &Janela::Indice);
    bool lambda = false;
    ConectaProtegido(lista, &QComboBox::currentIndexChanged, &janela, [&] { lambda = true; });
    EXPECT_NO_THROW(botao->click());
    lista->setCurrentIndex(1);
    TAplicacao::DefineRelato(nullptr);
    EXPECT_EQ(relatos, std::vector<std::string>{"Gerar gr\xe1" "fico: erro interno (disco sumiu)"});
    EXPECT_EQ(janela.indices, std::vector<int>{1});
    EXPECT_TRUE(lambda);
}

// A failure in the middle of F9 (its own box runs out of memory) is told,
// and leaves no wait cursor.
TEST_F(ComandoQueFalha, F9QueFalhaNoMeioNaoDeixaOCursorDeEspera) {
    struct SemMemoriaNaCaixa : DialogosFalsos {
        int MensagemOK(const std::string&) override { throw std::bad_alloc(); }
        int Caixa(const std::string&, const std::string&, Icone, Botoes, bool) override { throw std::bad_alloc(); }
    } semMemoria;
    std::vector<std::string> relatos;
    TAplicacao::DefineRelato(
        [&](const std::string& comando, const std::string& causa) { relatos.push_back(comando + ": " + causa); });
    const std::vector<std::string> linhas = {"<G* 5 " + pasta.caminho("falta.grb") + ">", "texto"};
    janela->DefineLinhas(linhas);
    TipoTratGrafico = 0;
    DefineDialogos(&semMemoria);
    janela->ExecutaComando("imVisualizarClick", janela->imVisualizar);
    DefineDialogos(&caixas.fake);
    TAplicacao::DefineRelato(nullptr);
    EXPECT_EQ(relatos, std::vector<std::string>{"Visualizar (F9): mem\xf3ria insuficiente"});
    EXPECT_NE(janela->cursor().shape(), Qt::WaitCursor);
    EXPECT_NE(janela->richEdPrincipal->viewport()->cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(janela->Linhas(), linhas);
}

TEST(TraducoesQt, DialogosDoSistemaEmPortugues) {
    ASSERT_TRUE(CarregaTraducoesQt());
    QDialogButtonBox caixa(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(DeQString(caixa.button(QDialogButtonBox::Cancel)->text()), "Cancelar");
    EXPECT_EQ(DeQString(caixa.button(QDialogButtonBox::Save)->text()), "Salvar");
    EXPECT_EQ(DeQString(QCoreApplication::translate("QFileDialog", "Look in:")), "Procurar em:");
    // Dates and sizes in the file dialog follow the Brazilian format.
    EXPECT_EQ(DeQString(QLocale().toString(QDate(2025, 3, 1), QLocale::LongFormat)),
              "s\xe1" "bado, 1 de mar\xe7o de 2025");
    EXPECT_EQ(DeQString(QLocale().formattedDataSize(123456)), "120,56 KiB");
}

} // namespace
