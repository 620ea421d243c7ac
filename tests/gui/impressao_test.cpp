// The print dialog, the progress window and the Tiger surface on a Qt
// printer (PDF output), offscreen.
#include "core/dmvars.h"
#include "core/documento.h"
#include "editor/gui/dmmain.h"
#include "output/dmTigerSaida.h"
#include "output/dmspooler.h"
#include "output/gui/SuperficieTigerQt.h"
#include "output/gui/TformConta.h"
#include "output/gui/TformImprime.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"
#include "support/temporario.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <thread>
#include <utility>

namespace {

void Processa() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

struct Janelas {
    Janelas() {
        RestauraPadroes();
        formConta = new TformConta;
        formImprime = new TformImprime;
    }
    ~Janelas() {
        TformImprime::EncerraImpressao();
        delete formImprime;
        delete formConta;
        formImprime = nullptr;
        formConta = nullptr;
        CancelaImpressao = false;
        RestauraPadroes();
    }
};

// The label counts pages from the first numbered one; a block notice may come from the print thread.
TEST(TformConta, RotuloAvisoECancelar) {
    Janelas j;
    CopiaAtual = 1;
    NumCopias = 2;
    PaginaAtual = 4;
    formConta->Timer1Timer();
    EXPECT_EQ(DeQString(formConta->Label1->text()), "Imprimindo c\xf3pia 1/2 pag.3");
    std::thread t([] { formConta->MostraBloqueio("Impressora bloqueada"); });
    t.join();
    Processa();
    EXPECT_EQ(DeQString(formConta->Label2->text()), "Impressora bloqueada");
    formConta->show();
    EXPECT_TRUE(formConta->Timer1->isActive());
    formConta->Button1->click();
    EXPECT_TRUE(CancelaImpressao.load());
    EXPECT_FALSE(formConta->isVisible());
    EXPECT_FALSE(formConta->Timer1->isActive());
}

// The Configure button and Enter in the device field both print, as Print does.
TEST(TformImprime, ConfigureEEnterImprimemComoImprima) {
    struct Caso {
        const char* nome;
        std::function<void()> comeca;
    };
    const Caso casos[] = {
        {"Configurar", [] { formImprime->btnConfigImpr->click(); }},
        {"Enter no dispositivo",
         [] {
             QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
             QApplication::sendEvent(formImprime->edNomeArqImpr, &enter);
         }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Janelas j;
        DialogosFalsosEscopo dlg;
        PastaTemporaria t;
        LinhasEmMemoria doc({"ab"});
        DefineDocumentoAtual(&doc);
        ArqRascunho = t.caminho("rascunho.txt");
        ImprNomeArq = t.caminho("saida.brl");
        formImprime->show();
        EXPECT_EQ(DeQString(formImprime->edNomeArqImpr->text()), ImprNomeArq);
        c.comeca();
        while (!TThreadImpressao::Terminaram()) {
            Processa();
            QThread::msleep(2);
        }
        TThreadImpressao::Termina();
        DefineDocumentoAtual(nullptr);
        EXPECT_FALSE(formImprime->isVisible());
        EXPECT_EQ(dlg.fake.Textos(), (std::vector<std::string>{"Arquivo enviado"}));
        const std::string saida = t.le("saida.brl");
        ASSERT_FALSE(saida.empty());
        EXPECT_EQ(saida.back(), '\x0c');
        EXPECT_FALSE(Imprimindo.load());
    }
}

TEST(TformImprime, DispositivoQueNaoAbreAvisa) {
    Janelas j;
    DialogosFalsosEscopo dlg;
    formImprime->show();
    formImprime->edNomeArqImpr->setText(QStringLiteral("/nao/existe/pasta/x.brl"));
    formImprime->btnImprime->click();
    EXPECT_EQ(dlg.fake.Textos(),
              (std::vector<std::string>{"N\xe3o foi poss\xedvel abrir o dispositivo de sa\xed" "da."}));
    EXPECT_FALSE(Imprimindo.load());
    EXPECT_TRUE(formImprime->NomeDispositivo.empty());
}

// "PRN" on a print server that does not answer (stopped, or hung with its
// socket open), or that has no queue: the user learns it, and how to emboss
// to a file instead, before the system's dialog (which would wait on the
// server for minutes).
TEST(TformImprime, PrnSemServidorOuSemFilaAvisaAntesDeQualquerDialogo) {
    struct Caso {
        const char* nome;
        FilasImpressao filas;
        std::string mensagem;
    };
    const Caso casos[] = {
        {"PRN", {false, 0},
         "O servidor de impress\xe3o (CUPS) n\xe3o responde: nada foi enviado \xe0 impressora.\r\nVerifique se o "
         "servi\xe7o de impress\xe3o est\xe1 funcionando.\r\nPara gravar o braille num arquivo, escreva o nome do "
         "arquivo em \"Dispositivo de impress\xe3o:\" no lugar de PRN."},
        {"prn", {true, 0},
         "Nenhuma impressora est\xe1 instalada no sistema: o CUPS n\xe3o tem nenhuma fila de impress\xe3o.\r\nPara "
         "gravar o braille num arquivo, escreva o nome do arquivo em \"Dispositivo de impress\xe3o:\" no lugar "
         "de PRN."},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Janelas j;
        DialogosFalsosEscopo dlg;
        formImprime->ConsultaFilas = [&c] { return c.filas; };
        bool abriuDialogo = false;
        formImprime->DialogoImpressora = [&](QPrinter&) { return abriuDialogo = true; };
        formImprime->show();
        formImprime->edNomeArqImpr->setText(QString::fromLatin1(c.nome));
        formImprime->btnImprime->click();
        EXPECT_FALSE(abriuDialogo);
        EXPECT_EQ(dlg.fake.Textos(), (std::vector<std::string>{c.mensagem}));
        EXPECT_FALSE(Imprimindo.load());
        EXPECT_TRUE(formImprime->NomeDispositivo.empty());
    }
}

// How many pages a PDF file holds, and its first page's size in points.
int PaginasPdf(const std::string& pdf) {
    int n = 0;
    for (std::size_t i = pdf.find("/Type /Page\n"); i != std::string::npos; i = pdf.find("/Type /Page\n", i + 1)) ++n;
    return n;
}
std::pair<double, double> TamanhoPdf(const std::string& pdf) {
    double l = 0, a = 0;
    const std::size_t i = pdf.find("/MediaBox [0 0 ");
    if (i != std::string::npos) std::sscanf(pdf.c_str() + i + 15, "%lf %lf", &l, &a);
    return {l, a};
}

// The print dialog's file entry ("Imprimir para arquivo (PDF)") names no
// queue: a byte-stream embosser refuses it and sends nothing anywhere (never
// to the default queue); a Tiger draws its job into that PDF, one sheet per
// braille page, on paper the size of the embosser settings.
TEST(TformImprime, EntradaPdfDoDialogoNuncaVaiParaAFilaPadrao) {
    struct Caso {
        const char* modelo;
        std::vector<std::string> mensagens;
        int paginas;  // of the PDF; 0: none written
    };
    const Caso casos[] = {
        {"Index Basic",
         {"\"Imprimir para arquivo (PDF)\" n\xe3o \xe9 uma impressora: o braille deste modelo vai para a impressora"
          "\r\ncomo texto puro, que um PDF n\xe3o guarda. Nada foi enviado.\r\nEscolha uma impressora, ou, para gravar o "
          "braille num arquivo,\r\nescreva o nome do arquivo em \"Dispositivo de impress\xe3o:\" no lugar de PRN."},
         0},
        {"Tiger", {"Arquivo enviado"}, 2},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.modelo);
        Janelas j;
        DialogosFalsosEscopo dlg;
        PastaTemporaria t;
        LinhasEmMemoria doc({"ab", "<p>", "cd"});
        DefineDocumentoAtual(&doc);
        ArqRascunho = t.caminho("rascunho.txt");
        ImprMarca = c.modelo;
        const std::string pdf = t.caminho("livro.pdf");
        std::vector<std::string> filas;
        DefineFabricaSpooler([&](const PedidoDispositivo& p) -> std::unique_ptr<Dispositivo> {
            filas.push_back(p.impressora);
            return nullptr;
        });
        formImprime->ConsultaFilas = [] { return FilasImpressao{true, 1}; };
        formImprime->DialogoImpressora = [&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(ParaQString(pdf));
            return true;
        };
        formImprime->show();
        formImprime->edNomeArqImpr->setText(QStringLiteral("PRN"));
        formImprime->btnImprime->click();
        while (!TThreadImpressao::Terminaram()) {
            Processa();
            QThread::msleep(2);
        }
        TThreadImpressao::Termina();
        DefineDocumentoAtual(nullptr);
        DefineFabricaSpooler(nullptr);
        DefineFabricaTiger(nullptr);
        EXPECT_TRUE(filas.empty());
        EXPECT_EQ(dlg.fake.Textos(), c.mensagens);
        EXPECT_FALSE(Imprimindo.load());
        const std::string escrito = t.le("livro.pdf");
        EXPECT_EQ(PaginasPdf(escrito), c.paginas);
        if (c.paginas > 0) {
            // 36 cells of 6.2 mm and 11 inches: the defaults of "Colunas" and "PolegsForm".
            EXPECT_EQ(TamanhoPdf(escrito), (std::pair<double, double>{633, 792}));
        }
    }
}

// As in a print job: opened on the user-interface thread, drawn by the
// worker, which concludes or drops it. The page is the size the settings
// give, holds their cells and lines, and a page is made only when something
// is drawn on it: the last form feed makes no blank sheet. For a printer the
// PDF goes to its queue at the end (a dropped or empty job sends nothing)
// and no temporary file stays behind.
TEST(SuperficieTigerQt, FolhaDaConfiguracaoEPaginasSoComDesenho) {
    struct Caso {
        const char* nome;
        bool fila;
        std::vector<std::string> envios;
        bool conclui;
        int paginas;  // of the PDF written or sent; -1: nothing
    };
    const Caso casos[] = {
        {"arquivo", false, {"AB", "\r\n", "G", "\x0c", "C\r", "\x0c"}, true, 2},
        {"pagina em branco entre duas", false, {"A\r", "\x0c\x0c", "C\r", "\x0c\x0c"}, true, 3},
        {"fila", true, {"AB\r", "\x0c"}, true, 1},
        {"fila sem desenho", true, {"  \r", "\x0c"}, true, -1},
        {"fila descartada", true, {"AB\r", "\x0c"}, false, -1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        PastaTemporaria t;
        VariavelAmbiente tmp("TMPDIR", t.dir());
        std::vector<std::string> enviados;
        auto envia = [&](const std::string& fila, const std::string& arquivo, const std::string& doc) {
            enviados.push_back(fila + " " + doc);
            enviados.push_back(t.le(arquivo.substr(t.dir().size())));
            return true;
        };
        auto sup = std::make_unique<SuperficieTigerQt>(c.fila ? QStringLiteral("braille") : QString(),
                                                       c.fila ? QString() : ParaQString(t.caminho("w.pdf")), envia);
        auto d = AbreTiger(std::move(sup), "doc", FolhaTiger{34, 11});
        ASSERT_TRUE(d);
        ASSERT_TRUE(d->Capacidade());
        EXPECT_EQ(d->Capacidade()->celas, 34);
        EXPECT_EQ(d->Capacidade()->linhas, 28);
        bool ok = true;
        std::thread w([&] {
            MatrizPontos m{};
            m[0] = 1;
            for (const std::string& e : c.envios) ok = ok && (e == "G" ? d->EnviaGrafico(m, 0, 0, 2, 2) : d->Envia(e));
            if (c.conclui) ok = ok && d->Conclui();
            d->Fecha();
        });
        w.join();
        EXPECT_TRUE(ok);
        const std::string pdf = c.fila ? (enviados.size() == 2 ? enviados[1] : "") : t.le("w.pdf");
        EXPECT_EQ(PaginasPdf(pdf), std::max(c.paginas, 0));
        if (c.paginas > 0) {
            EXPECT_EQ(pdf.substr(0, 4), "%PDF");
            // 34 cells of 6.2 mm (597.5 points) and 11 inches.
            EXPECT_EQ(TamanhoPdf(pdf), (std::pair<double, double>{598, 792}));
        }
        if (c.fila) {
            EXPECT_EQ(enviados.empty() ? "" : enviados[0], c.paginas > 0 ? "braille doc" : "");
            EXPECT_TRUE(std::filesystem::is_empty(CaminhoNativo(DirTemporario())));
        }
    }
}

TEST(TformPrincipal, ImprimirEmBrailleAbreODialogoSemModo) {
    PastaTemporaria t;
    VariavelAmbiente ini("DOTMARA_INI", t.caminho("DOTMARA.INI"));
    Janelas j;
    DialogosFalsosEscopo dlg;
    ImprNomeArq = t.caminho("saida.brl");
    auto principal = std::make_unique<TformPrincipal>();
    formPrincipal = principal.get();
    // The command returns at once: the dialog stays open beside the editor,
    // which keeps the main window's focus.
    principal->imImprimirBraille->trigger();
    EXPECT_TRUE(formImprime->isVisible());
    EXPECT_FALSE(formImprime->isModal());
    EXPECT_EQ(DeQString(formImprime->edNomeArqImpr->text()), ImprNomeArq);
    EXPECT_EQ(principal->focusWidget(), principal->richEdPrincipal);
    formImprime->hide();

    // The toolbar button does the same.
    QToolButton* botao = nullptr;
    for (QToolButton* b : principal->findChildren<QToolButton*>())
        if (DeQString(b->text()) == "Imprimir Braille") botao = b;
    ASSERT_NE(botao, nullptr);
    botao->click();
    EXPECT_TRUE(formImprime->isVisible());
    formImprime->hide();
    EXPECT_TRUE(dlg.fake.registros.empty());
    formPrincipal = nullptr;
}

}  // namespace
