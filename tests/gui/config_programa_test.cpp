// The program settings window: what it reads (with its range messages), its
// controls, what "O&k" takes and the close box does not, the recompile after
// a change, and "Tornar isso &Padrão" through the file and back.
#include "support/janela_teste.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/dmvars_ini.h"
#include "editor/dmpreview.h"
#include "editor/gui/dmcelas.h"
#include "editor/gui/dmcnfprg.h"
#include "platform/texto.h"

namespace {

const std::string kNumeracao = "Numeração de páginas inválida. O padrão será adotado."_cp;
const std::string kGrafico =
    "Tratamento gráfico inválido!\r\n\r\n    Será adotada intercação de modos texto e gráfico."_cp;
const std::string kColunas = "Número de colunas inválido (de 10 a 100). O padrão será adotado."_cp;

class ConfigPrograma : public JanelaDeTeste {
protected:
    void SetUp() override {
        JanelaDeTeste::SetUp();
        CriaVisual();
    }
    void Cria() {
        janelaConfig = std::make_unique<TformConfig>();
        formConfig = janelaConfig.get();
    }
    void TearDown() override {
        janelaConfig.reset();
        formConfig = nullptr;
        JanelaDeTeste::TearDown();
    }
    TformConfig& w() { return *janelaConfig; }
    std::unique_ptr<TformConfig> janelaConfig;
};

TEST_F(ConfigPrograma, TheCreationReadsTheSectionWithItsRangeMessagesAndShowsIt) {
    cfg.DefineConteudo(
        "[DOTMARA]\r\ntipoTratGrafico=5\r\nestiloNumPag=4\r\nmaxCarac= 40\r\nbrailleAntigo=sim\r\ntipoCabec=7\r\n"
        "titulo=Livro\r\nfrenteVerso=N\r\nsoFrenteInterp=S\r\n");
    Cria();
    EXPECT_EQ(TipoTratGrafico, 0);
    EXPECT_EQ(EstiloNumPag, 0);
    EXPECT_EQ(MaxCarac, 40);
    EXPECT_EQ(caixas.fake.Textos(), (std::vector<std::string>{kNumeracao, kGrafico}));
    EXPECT_FALSE(w().Alterado);
    w().show();
    EXPECT_TRUE(w().rbtnBrailleAntigo->isChecked());
    EXPECT_EQ(w().edtCabecalho->text(), "Livro");
    // A header place other than 0 and 2 shows as "Frente" and stays as read.
    EXPECT_TRUE(w().rbtnCabecSoFrente->isChecked());
    EXPECT_EQ(TipoCabec, 7);
    EXPECT_FALSE(w().ckboxAfastaCabPar->isEnabled());
    // Single-sided printing is offered only without interpoint.
    EXPECT_TRUE(w().ckboxSoFrenteInterp->isEnabled());
    EXPECT_TRUE(w().ckboxSoFrenteInterp->isChecked());
}

TEST_F(ConfigPrograma, ControlCoupling) {
    Cria();
    w().show();
    struct Passo {
        QAbstractButton* clicado;
        bool afasta, soFrente;
    };
    const Passo passos[] = {
        {w().rbtnCabecFrenteVerso, true, false}, {w().rbtnCabecSoFrente, false, false},
        {w().rbtnCabecFrenteVerso, true, false}, {w().rbtnCabecSemCabec, false, false},
        {w().ckboxFrenteVerso, false, true},     {w().ckboxFrenteVerso, false, false},
    };
    for (const Passo& p : passos) {
        p.clicado->click();
        EXPECT_EQ(w().ckboxAfastaCabPar->isEnabled(), p.afasta) << p.clicado->objectName().toStdString();
        EXPECT_EQ(w().ckboxSoFrenteInterp->isEnabled(), p.soFrente) << p.clicado->objectName().toStdString();
    }
    // The header on both sides, read: the box enabled as shown.
    TipoCabec = 2;
    w().hide();
    w().show();
    EXPECT_TRUE(w().rbtnCabecFrenteVerso->isChecked());
    EXPECT_TRUE(w().ckboxAfastaCabPar->isEnabled());
}

// Entering the page-numbering group shows the stored numbering again.
TEST_F(ConfigPrograma, TheNumberingGroupShowsTheStoredChoiceWhenEntered) {
    Cria();
    w().show();
    QApplication::setActiveWindow(&w());
    w().edtCabecalho->setFocus();
    Eventos();
    if (!w().edtCabecalho->hasFocus()) GTEST_SKIP() << "no keyboard focus on this platform";
    w().rbtnNumDireita->setChecked(true);
    w().rbtnNumCentro->setFocus();
    Eventos();
    EXPECT_TRUE(w().rbtnNumPadrao->isChecked());
}

TEST_F(ConfigPrograma, EveryControlIsCollected) {
    Cria();
    w().show();
    w().rbtnNumEsquerda->click();
    w().rbtnBrailleAntigo->click();
    w().edtNumColunas->setText("40");
    w().edtNumLinhas->setText("25");
    w().rbtnCabecFrenteVerso->click();
    for (QCheckBox* c : {w().ckboxAfastaCabPar, w().ckboxAutoFormata, w().ckboxSeparaSilabas, w().ckboxFrenteVerso,
                         w().ckboxInicModoRevisor, w().ckboxComNumeracao, w().ckboxNumOriginal, w().ckboxElimBrancas,
                         w().ckboxTextoIngles, w().ckboxCabecIngles})
        c->click();
    w().ckboxSoFrenteInterp->click();
    w().edtCabecalho->setText(ParaQString("Poemas de Cecília"_cp));
    w().edtMargemImPar->setText("3");
    w().edtMargemPar->setText("1");
    w().rbtnRepassaGraficos->click();
    w().btnOk->click();
    EXPECT_EQ(EstiloNumPag, 3);
    EXPECT_TRUE(BrailleAntigo);
    EXPECT_EQ(MaxCarac, 40);
    EXPECT_EQ(MaxLin, 25);
    EXPECT_EQ(TipoCabec, 2);
    for (bool f : {AfastaCabPar, AutoJunta, SeparaSilabas, FrenteVerso, ComTitulo, NumeraOrig, TiraBrancasInicioPag})
        EXPECT_FALSE(f);
    for (bool f : {SoFrenteInterp, InicModoRevisor, CfgTextoIngles, CfgCabecIngles}) EXPECT_TRUE(f);
    EXPECT_EQ(Titulo, "Poemas de Cecília"_cp);
    EXPECT_EQ(MargemImpar, 3);
    EXPECT_EQ(MargemPar, 1);
    EXPECT_EQ(TipoTratGrafico, 4);
    // Nothing is written by "O&k".
    EXPECT_EQ(cfg.Conteudo(), "");
}

TEST_F(ConfigPrograma, TypedValuesFollowTheReadingRules) {
    Cria();
    w().show();
    w().edtNumColunas->setText("0");
    w().edtNumLinhas->setText("$10");
    w().btnOk->click();
    EXPECT_EQ(MaxCarac, 34);
    EXPECT_EQ(MaxLin, 16);
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{kColunas});
}

TEST_F(ConfigPrograma, ACaseChangeOfTheTitleIsAChange) {
    cfg.Grava("DOTMARA", "titulo", "Livro");
    Cria();
    ASSERT_EQ(Titulo, "Livro");
    w().show();
    w().edtCabecalho->setText("livro");
    w().btnOk->click();
    EXPECT_EQ(Titulo, "livro");
    EXPECT_TRUE(RascunhoExiste());
    EXPECT_FALSE(w().Alterado);
}

TEST_F(ConfigPrograma, TheCloseBoxTakesNothingNorOkWithoutAChange) {
    Cria();
    w().show();
    w().rbtnCabecFrenteVerso->click();
    w().edtNumColunas->setText("40");
    w().close();
    EXPECT_EQ(TipoCabec, 1);
    EXPECT_EQ(MaxCarac, 34);
    EXPECT_FALSE(RascunhoExiste());
    // The next activation shows the stored values again; "O&k" without a
    // change reloads the output table but compiles nothing.
    w().show();
    EXPECT_TRUE(w().rbtnCabecSoFrente->isChecked());
    EXPECT_EQ(w().edtNumColunas->text(), "34");
    TabelaImpressora.fill(0);
    w().btnOk->click();
    EXPECT_NE(TabelaImpressora[0xE9], 0);
    EXPECT_FALSE(RascunhoExiste());
}

const std::vector<std::string> kDocumento = {
    "Capítulo 1"_cp,
    "",
    "Era uma vez, em 1925, um menino chamado \"Zé\" que lia (muito) e escrevia 33 cartas por dia."_cp,
    "",
    "Fim.",
};

TEST_F(ConfigPrograma, AChangeRecompilesAndRefreshesAnOpenView) {
    Texto(kDocumento);
    ASSERT_TRUE(CarregaTabelaImpressora());
    janela->VisualizaBraille(true, true);
    ASSERT_TRUE(visual->isVisible());
    const std::vector<std::string> antes = visual->LinhasLidas;
    ASSERT_FALSE(antes.empty());
    Cria();
    w().show();
    w().edtNumColunas->setText("20");
    w().btnOk->click();
    // Compiled again at the new width, and the view read it.
    const std::vector<std::string> depois = Rascunho();
    EXPECT_NE(depois, antes);
    EXPECT_EQ(visual->LinhasLidas, depois);
    for (const std::string& l : depois) {
        if (!LinhaQuebraPagina(l)) {
            EXPECT_LE(AparaBrancos(l).size(), 20u) << l;
        }
    }
}

// What a transcriber does: the old code and 40 x 25 pages, then F9.
TEST_F(ConfigPrograma, OldCodeAnd40By25PagesReachTheStripAndTheView) {
    Texto(kDocumento);
    CursorNaLinha(2);
    ASSERT_TRUE(CarregaTabelaImpressora());
    const std::string unificada = janela->LabLinhas[1]->Legenda();
    BrailleAntigo = true;
    ASSERT_TRUE(CarregaTabelaImpressora());
    const std::string antiga = LinhaBraillePreview(kDocumento[2], TraduzLinhaIsolada);
    BrailleAntigo = false;
    ASSERT_TRUE(CarregaTabelaImpressora());
    ASSERT_NE(antiga, unificada);

    Cria();
    janela->Acao("imParametros")->trigger();
    ASSERT_TRUE(w().isVisible());
    w().rbtnBrailleAntigo->click();
    w().edtNumColunas->setText("40");
    w().edtNumLinhas->setText("25");
    w().btnOk->click();
    // The strip at once; the view, hidden, only compiled for.
    EXPECT_EQ(janela->LabLinhas[1]->Legenda(), antiga);
    EXPECT_TRUE(RascunhoExiste());
    EXPECT_FALSE(visual->isVisible());

    janela->imVisualizar->trigger(); // F9
    ASSERT_TRUE(visual->isVisible());
    // The view's braille is the old code's, its lines at most 40 cells.
    std::string texto;
    for (const std::string& l : visual->LinhasLidas) {
        if (LinhaQuebraPagina(l)) continue;
        EXPECT_LE(AparaBrancos(l).size(), 40u) << l;
        texto += std::string(AparaBrancos(l)) + " ";
    }
    EXPECT_NE(texto.find(antiga.substr(0, 12)), std::string::npos) << antiga;
}

TEST_F(ConfigPrograma, MakeItTheDefaultRoundTripKeepsTheRestOfTheFile) {
    const std::string cabeca = "; configuração da sala de braille\r\n[DOTMARA]\r\nultimoDir=/home/t/livros/\r\n"_cp;
    const std::string resto = "\r\n[IMPBRAILLE]\r\nMarca=Juliet\r\nNomeArq=LPT1\r\n";
    cfg.DefineConteudo(cabeca + "maxCarac=34\r\n; o título muda a cada livro\r\ntitulo=Antigo\r\n"_cp + resto);
    Cria();
    w().show();
    const std::string titulo = "Dom Casmurro — edição escolar, volume "_cp + std::string(70, 'I');
    w().rbtnNumDireita->click();
    w().rbtnBrailleAntigo->click();
    w().edtNumColunas->setText("40");
    w().edtNumLinhas->setText("25");
    w().rbtnCabecFrenteVerso->click();
    w().ckboxInicModoRevisor->click();
    w().ckboxNumOriginal->click();
    w().edtCabecalho->setText(ParaQString(titulo));
    w().edtMargemPar->setText("2");
    w().rbtnIntercalaTextoGraf->click();
    w().btnPadrao->click();
    EXPECT_TRUE(caixas.fake.registros.empty());

    const std::string esperado =
        cabeca + "maxCarac=40\r\n; o título muda a cada livro\r\n"_cp + "titulo=" + titulo + "\r\n"
        "estiloNumPag=1\r\nbrailleAntigo=S\r\nmaxLin=25\r\ntipoCabec=2\r\nafastaCabPar=S\r\nautoJunta=S\r\n"
        "frenteVerso=S\r\nsoFrenteInterp=N\r\ninicModoRevisor=S\r\nseparaSilabas=S\r\ncomTitulo=S\r\n"
        "numeraOrig=N\r\ntiraBrancasInicioPag=S\r\nmargemImpar=0\r\nmargemPar=2\r\ntextoIngles=N\r\n"
        "cabecIngles=N\r\ntipoTratGrafico=0\r\n" + resto;
    EXPECT_EQ(cfg.Conteudo(), esperado);

    // A fresh start reads what was made the default.
    RestauraPadroes();
    janelaConfig.reset();
    Cria();
    EXPECT_EQ(Titulo, titulo);
    EXPECT_EQ(EstiloNumPag, 1);
    EXPECT_TRUE(InicModoRevisor);
}

TEST_F(ConfigPrograma, AFailedWriteSaysSoAndKeepsTheOldFile) {
    // A file name so long that no temporary file can be made beside it.
    const std::string ini = pasta.caminho(std::string(250, 'i'));
    GravaArquivoTeste(ini, "[DOTMARA]\r\nmaxCarac=34\r\n");
    VariavelAmbiente var("DOTMARA_INI", ini);
    Cria();
    w().show();
    w().edtNumColunas->setText("40");
    w().btnPadrao->click();
    EXPECT_EQ(caixas.fake.Textos(),
              std::vector<std::string>{"Erro ao gravar a configuração em "_cp + ini +
                                       "!\r\nO arquivo anterior foi mantido."});
    EXPECT_EQ(LeArquivoTeste(ini), "[DOTMARA]\r\nmaxCarac=34\r\n");
    EXPECT_EQ(MaxCarac, 40); // taken all the same
}

} // namespace
