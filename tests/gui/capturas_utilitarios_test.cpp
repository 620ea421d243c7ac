// Screenshots of the editing tools' windows (run by tools/capturas.sh, not by
// ctest): the Perkins window, the character table, the symbols, the table
// builder, the frame window and the annotation list, over a main window
// with a text, each as the user sees it; and the main window after a table
// and a frame were made.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>

#include "core/dmutil.h"
#include "core/dmvars.h"
#include "editor/dmquadro.h"
#include "editor/dmtabela.h"
#include "editor/gui/TformAnotacoes.h"
#include "editor/gui/TformConfTabela.h"
#include "editor/gui/TformDigitaBraille.h"
#include "editor/gui/TformQuadro.h"
#include "editor/gui/TformSimb.h"
#include "editor/gui/TformTabCaracteres.h"
#include "editor/gui/dmmain.h"
#include "gui/capturas_apoio.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"
#include "platform/servicos.h"
#include "platform/texto.h"
#include "support/temporario.h"

namespace {

class CapturasUtilitarios : public ::testing::Test {
protected:
    void SetUp() override {
        ini = std::make_unique<VariavelAmbiente>("DOTMARA_INI", pasta.caminho("capturas.ini"));
        RestauraPadroes();
        ArqRascunho = pasta.caminho("rascunho.txt");
        ASSERT_TRUE(CarregaTabelaImpressora());
        janela = std::make_unique<TformPrincipal>();
        formPrincipal = janela.get();
        janela->richEdPrincipal->setPlainText(ParaQString(
            "<*** rever a tabela de preços ***>\n"
            "Preços da feira\n"
            "banana\n3,50\nmaçã\n5,20\nuva\n8,00\n"
            "<*** conferir com o original ***>\n"
            "Fim da lista."_cp));
        janela->resize(900, 600);
        janela->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        janela.reset();
        formPrincipal = nullptr;
        RestauraPadroes();
    }
    PastaTemporaria pasta;
    std::unique_ptr<VariavelAmbiente> ini;
    DialogosFalsosEscopo dlg;
    ServicosFalsosEscopo srv;
    std::unique_ptr<TformPrincipal> janela;
};

TEST_F(CapturasUtilitarios, DISABLED_JanelasDasFerramentas) {
    TformDigitaBraille perkins;
    perkins.show();
    EXPECT_TRUE(GravaCaptura(&perkins, "perkins.png"));
    perkins.hide();

    TformTabCaracteres tabela;
    tabela.show();
    EXPECT_TRUE(GravaCaptura(&tabela, "tabela_caracteres.png"));
    tabela.hide();

    TformSimb simb;
    simb.show();
    EXPECT_TRUE(GravaCaptura(&simb, "simbolos.png"));
    simb.hide();

    TformConfTabela confTabela;
    confTabela.show();
    EXPECT_TRUE(GravaCaptura(&confTabela, "tabela_assistente.png"));
    confTabela.hide();

    TformQuadro quadro;
    quadro.show();
    EXPECT_TRUE(GravaCaptura(&quadro, "quadrinho.png"));
    quadro.hide();

    janela->PosicionaCursor(9, 0);
    TformAnotacoes anotacoes;
    anotacoes.show();
    EXPECT_TRUE(GravaCaptura(&anotacoes, "anotacoes.png"));
    anotacoes.hide();
    janela->richEdPrincipal->setPlainText("sem nada anotado");
    anotacoes.show();
    EXPECT_TRUE(GravaCaptura(&anotacoes, "anotacoes_vazia.png"));
    anotacoes.hide();
}

TEST_F(CapturasUtilitarios, DISABLED_TabelaEQuadroNoTexto) {
    // The six lines of the list as a table of two columns, then a frame
    // around the title.
    janela->DefineSelecao(janela->InicioLinha(2), janela->InicioLinha(8) - janela->InicioLinha(2));
    ASSERT_EQ(GeraTabela(*janela, "2", {}), ResultadoGeraTabela::Inserida);
    janela->PosicionaCursor(1, 0);
    ASSERT_EQ(InsereQuadro(*janela, QuadroPadrao), ResultadoQuadro::Inserido);
    janela->PosicionaCursor(0, 0);
    janela->AtualizaLinhasBraille();
    EXPECT_TRUE(GravaCaptura(janela.get(), "tabela_quadro_no_texto.png"));
}

} // namespace
