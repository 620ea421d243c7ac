// Screenshots of the editing windows (run by tools/capturas.sh, not by
// ctest): the find dialog and the replace dialog over the main window with
// a document, the macro processor's window with the shipped macro file, and
// the input lines and questions of the editing and markup commands.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <memory>

#include "core/dmvars.h"
#include "core/gui/TformEditLinha.h"
#include "editor/gui/TformMacro.h"
#include "editor/gui/dmbusca.h"
#include "editor/gui/dmmain.h"
#include "gui/capturas_apoio.h"
#include "platform/dialogos.h"
#include "platform/qt/caixaqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"
#include "support/temporario.h"

namespace {

class CapturasEdicao : public ::testing::Test {
protected:
    void SetUp() override {
        ini = std::make_unique<VariavelAmbiente>("DOTMARA_INI", pasta.caminho("capturas.ini"));
        RestauraPadroes();
        janela = std::make_unique<TformPrincipal>();
        formPrincipal = janela.get();
        janela->DefineLinhas({"Capítulo 1"_cp, "", "A casa amarela ficava no alto da colina.",
                              "Da casa se via o rio e a estrada."});
        janela->resize(1000, 700);
        janela->show();
    }
    void TearDown() override {
        delete formMacro;
        formMacro = nullptr;
        formPrincipal = nullptr;
        janela.reset();
        RestauraPadroes();
    }
    PastaTemporaria pasta;
    std::unique_ptr<VariavelAmbiente> ini;
    DialogosFalsosEscopo caixas;
    std::unique_ptr<TformPrincipal> janela;
};

TEST_F(CapturasEdicao, DISABLED_LocalizarSubstituirMacros) {
    janela->Acao("imLocalizar")->trigger();
    janela->findDialogLocalizar->edtLocalizar->setText("casa");
    janela->findDialogLocalizar->ckboxPalavraInteira->setChecked(true);
    EXPECT_TRUE(GravaCaptura(janela->findDialogLocalizar, "localizar.png"));
    janela->DefineSelecao(0, 0);
    janela->findDialogLocalizar->btnLocalizar->click();
    EXPECT_TRUE(GravaCaptura(janela.get(), "localizar_achado.png"));

    janela->Acao("imSubstituir")->trigger();
    janela->replDialog->edtLocalizar->setText("casa");
    janela->replDialog->edtSubstituir->setText("morada");
    janela->replDialog->ckboxMaiusculas->setChecked(true);
    EXPECT_TRUE(GravaCaptura(janela->replDialog, "substituir.png"));
    // "Substituir" pressed twice: the first occurrence shown, then replaced
    // and the next one shown, selected in the editor behind the dialog.
    janela->DefineSelecao(0, 0);
    janela->replDialog->btnSubstituir->click();
    janela->replDialog->btnSubstituir->click();
    EXPECT_TRUE(GravaCaptura(janela.get(), "substituir_proxima.png"));
    janela->replDialog->close();

    formMacro = new TformMacro();
    janela->Acao("Macroprocessador1")->trigger();
    formMacro->FormActivate();
    EXPECT_TRUE(GravaCaptura(formMacro, "macros.png"));
}

// The boxes the editing and markup commands open: the input lines of the
// annotation and of the ink page numbers, and the two questions. Each is
// saved once it is up, then closed.
TEST_F(CapturasEdicao, DISABLED_PerguntasDosComandos) {
    auto salvaEFecha = [](const std::string& nome) {
        auto* t = new QTimer();
        t->setInterval(20);
        QObject::connect(t, &QTimer::timeout, [t, nome] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w) return;
            t->stop();
            t->deleteLater();
            EXPECT_TRUE(GravaCaptura(w, nome));
            qobject_cast<QDialog*>(w)->reject();
        });
        t->start();
    };
    std::string resposta;
    salvaEFecha("anotar.png");
    FormEditLinha().Executa("Anotar", "Incluir comentário"_cp, resposta);
    salvaEFecha("pagina_tinta_com_transpaginacao.png");
    FormEditLinha().Executa("Página em tinta"_cp, "Número da página (COM sinal de transpaginação):"_cp, resposta);
    salvaEFecha("pagina_tinta.png");
    FormEditLinha().Executa("Página em tinta"_cp, "Número da página:"_cp, resposta);
    salvaEFecha("dividir_linhas.png");
    CaixaQt("Essa função não tem retorno, salvou por garantia?"_cp, "Dotmara", Icone::Aviso, Botoes::YesNo,
            janela.get());
    salvaEFecha("centragem_fisica.png");
    CaixaQt("   Confirma centragem FÍSICA?\r\n\r\n   Só confirme se NÃO for autoformatar!   "_cp, "Dotmara",
            Icone::Aviso, Botoes::YesNo, janela.get());
}

} // namespace
