// The print dialog, the progress window and the Tiger surface on a Qt
// printer (PDF output), offscreen.
#include "core/dmvars.h"
#include "core/documento.h"
#include "editor/gui/dmmain.h"
#include "output/dmTigerSaida.h"
#include "output/gui/SuperficieTigerQt.h"
#include "output/gui/TformConta.h"
#include "output/gui/TformImprime.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"
#include "support/temporario.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

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

// "PRN" on a system without print queues: the user learns it, and how to
// emboss to a file instead, before any system dialog.
TEST(TformImprime, PrnSemFilaAvisaAntesDeQualquerDialogo) {
    for (const char* nome : {"PRN", "prn"}) {
        SCOPED_TRACE(nome);
        Janelas j;
        DialogosFalsosEscopo dlg;
        formImprime->ContaFilasImpressao = [] { return 0; };
        formImprime->show();
        formImprime->edNomeArqImpr->setText(QString::fromLatin1(nome));
        // A system dialog that opened anyway is closed and noted, so the test cannot hang.
        bool abriuDialogo = false;
        QTimer vigia;
        vigia.setInterval(200);
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                abriuDialogo = true;
                m->close();
            }
        });
        vigia.start();
        formImprime->btnImprime->click();
        vigia.stop();
        EXPECT_FALSE(abriuDialogo);
        EXPECT_EQ(dlg.fake.Textos(),
                  (std::vector<std::string>{
                      "Nenhuma impressora est\xe1 instalada no sistema: o CUPS n\xe3o tem nenhuma fila de "
                      "impress\xe3o.\r\nPara gravar o braille num arquivo, escreva o nome do arquivo em "
                      "\"Dispositivo de impress\xe3o:\" no lugar de PRN."}));
        EXPECT_FALSE(Imprimindo.load());
        EXPECT_TRUE(formImprime->NomeDispositivo.empty());
    }
}

// As in a print job: opened on the user-interface thread, written and closed by the worker.
TEST(SuperficieTigerQt, PaginasEmPdfDesenhadasNoTrabalhador) {
    PastaTemporaria t;
    auto d = AbreTiger(std::make_unique<SuperficieTigerQt>(QString(), ParaQString(t.caminho("w.pdf"))), "doc");
    ASSERT_TRUE(d);
    bool ok = false;
    std::thread w([&] {
        MatrizPontos m{};
        m[0] = 1;
        ok = d->Envia("AB") && d->Envia("\r\n") && d->EnviaGrafico(m, 0, 0, 2, 2) && d->Envia("\x0c") &&
             d->Envia("C\r");
        d->Fecha();
    });
    w.join();
    EXPECT_TRUE(ok);
    EXPECT_EQ(t.le("w.pdf").substr(0, 4), "%PDF");
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
