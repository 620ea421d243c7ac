// The embosser settings window: the section it reads and writes, its output
// radios and model box, the recompile after a change of model, the Puma entry
// and the output shared with the print dialog.
#include "support/janela_teste.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/dmvars_ini.h"
#include "output/dmdevice_geometria.h"
#include "output/gui/TformImprime.h"
#include "output/gui/dmcnfprt.h"
#include "editor/gui/dmcnfdir.h"
#include "platform/texto.h"

namespace {

using Chamadas = std::vector<std::pair<bool, bool>>;

class ConfigImpressora : public JanelaDeTeste {
protected:
    void SetUp() override {
        JanelaDeTeste::SetUp();
        CriaVisual();
    }
    void Cria(const std::string& secao = "-") {
        if (secao != "-") cfg.DefineConteudo("[IMPBRAILLE]\r\n" + secao);
        prn = std::make_unique<TformConfigPrn>();
        formConfigPrn = prn.get();
        prn->Ligacoes.VisualizaBraille = [this](bool m, bool a) { chamadas.emplace_back(m, a); };
        prn->Ligacoes.VisualVisivel = [this] { return visualVisivel; };
        prn->Ligacoes.EhVisual = [this](QWidget* w) { return w == visual.get(); };
        prn->Ligacoes.HabilitaChamarPuma = [this](bool b) { puma.push_back(b); };
    }
    void TearDown() override {
        prn.reset();
        formConfigPrn = nullptr;
        JanelaDeTeste::TearDown();
    }
    // Shown with the keyboard focus in the model box, or false without focus.
    bool FocoNaCaixa() {
        prn->show();
        QApplication::setActiveWindow(prn.get());
        prn->cbboxModeloImp->setFocus();
        Eventos();
        return prn->cbboxModeloImp->hasFocus();
    }
    std::string Edit() const { return DeQString(prn->edtNomeArq->text()); }
    std::string Caixa() const { return DeQString(prn->cbboxModeloImp->currentText()); }
    std::unique_ptr<TformConfigPrn> prn;
    Chamadas chamadas;
    std::vector<bool> puma;
    bool visualVisivel = false;
};

TEST_F(ConfigImpressora, TheSectionRead) {
    const std::string arquivo = pasta.caminho("livro.txt");
    struct Caso {
        std::string secao, caixa;
        QRadioButton* TformConfigPrn::*radio;
        std::string edit, nomeArq;
        int modelos;
    };
    const Caso casos[] = {
        {"", "(Selecione uma)", &TformConfigPrn::rbtnPRN, "PRN", "PRN", 18},
        // A listed model keeps its letter case; one not listed is appended unasked.
        {"Marca=puma 7\r\n", "puma 7", &TformConfigPrn::rbtnPRN, "PRN", "PRN", 18},
        {"Marca=Minha Braille 3000\r\n", "Minha Braille 3000", &TformConfigPrn::rbtnPRN, "PRN", "PRN", 19},
        // A file shows with ".BRL" while forcing is on; the setting changes only with "&OK".
        {"NomeArq=" + arquivo + "\r\n", "(Selecione uma)", &TformConfigPrn::rbtnArquivo,
         pasta.caminho("livro.BRL"), arquivo, 18},
        {"NomeArq=" + arquivo + "\r\nForcaExtBRL=N\r\n", "(Selecione uma)", &TformConfigPrn::rbtnArquivo, arquivo,
         arquivo, 18},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.secao);
        RestauraPadroes();
        Cria(c.secao);
        EXPECT_EQ(Caixa(), c.caixa);
        EXPECT_EQ(prn->cbboxModeloImp->count(), c.modelos);
        EXPECT_TRUE((prn.get()->*c.radio)->isChecked());
        EXPECT_EQ(Edit(), c.edit);
        EXPECT_EQ(ImprNomeArq, c.nomeArq);
        EXPECT_FALSE(prn->ckboxForcaExtBRL->isEnabled());
        EXPECT_TRUE(caixas.fake.registros.empty());
        EXPECT_FALSE(prn->Alterado);
    }
}

TEST_F(ConfigImpressora, ThePlatePrinterSendsEmptyLinesUntilOkTakesTheBox) {
    Cria("Marca=Impressora de clichê\r\nEnviaVazias=NÃO\r\n"_cp);
    EXPECT_TRUE(ImprEnviaVazias);
    EXPECT_FALSE(prn->ckboxEnviaVazias->isChecked());
    prn->btnOK->click();
    EXPECT_FALSE(ImprEnviaVazias);
    EXPECT_EQ(LePerfil("IMPBRAILLE", "EnviaVazias", "", 0, cfg.ini()), "NÃO"_cp);
}

// The output in force changes only with "&OK": "&Cancela" and the close box
// leave the braille going where it went; the radios keep the file typed.
TEST_F(ConfigImpressora, OnlyOkChangesTheOutputAndTheRadiosKeepTheFile) {
    const std::string arquivo = pasta.caminho("saida.brl");
    Cria("NomeArq=" + arquivo + "\r\nForcaExtBRL=N\r\n");
    prn->edtNomeArq->setText(ParaQString(pasta.caminho("outro.brl")));
    prn->rbtnCOM1->click();
    EXPECT_EQ(Edit(), "COM1");
    prn->rbtnArquivo->click();
    EXPECT_EQ(Edit(), pasta.caminho("outro.brl"));
    prn->rbtnPRN->click();
    prn->btnCancela->click();
    EXPECT_EQ(ImprNomeArq, arquivo);
    prn->FormShow(janela.get());
    EXPECT_EQ(Edit(), arquivo);
    prn->rbtnCOM1->click();
    prn->close();
    EXPECT_EQ(ImprNomeArq, arquivo);
    prn->FormShow(janela.get());
    prn->rbtnCOM2->click();
    prn->btnOK->click();
    EXPECT_EQ(ImprNomeArq, "COM2");
    prn->FormShow(janela.get());
    prn->rbtnArquivo->click();
    EXPECT_EQ(Edit(), "COM2");
}

TEST_F(ConfigImpressora, TheNetworkRadio) {
    Cria();
    prn->rbtnRede->click();
    EXPECT_EQ(caixas.fake.Textos(),
              std::vector<std::string>{"Instale a impressora como Generica/texto apenas.\rConfigure como impressora "
                                       "compartilhada de rede.\rDigite abaixo o nome dela, completando as "
                                       "referências na rede\rNota:  \\\\127.0.0.1 indica impressora local"_cp});
    EXPECT_EQ(Edit(), "\\\\127.0.0.1\\Nome_da_Impressora");
    // A network name already there stays, without the message, and is no file to keep.
    caixas.fake.Limpa();
    prn->rbtnPRN->click();
    prn->edtNomeArq->setText(QStringLiteral("\\\\servidor\\Everest"));
    prn->rbtnRede->click();
    EXPECT_TRUE(caixas.fake.registros.empty());
    EXPECT_EQ(Edit(), "\\\\servidor\\Everest");
    EXPECT_EQ(ImprNomeArq, "PRN");
}

TEST_F(ConfigImpressora, BrowsingChoosesAFileWithTheBRLExtension) {
    Cria("Marca=Puma 7\r\nNomeArq=COM2\r\n");
    std::string inicial;
    prn->saveDialogArquivo = [&](const std::string& i, std::string& escolhido) {
        inicial = i;
        escolhido = pasta.caminho("novo");
        return true;
    };
    prn->btnSelecArq->click();
    EXPECT_EQ(inicial, "COM2");
    EXPECT_TRUE(prn->rbtnArquivo->isChecked());
    EXPECT_EQ(Edit(), pasta.caminho("novo.BRL"));
    prn->saveDialogArquivo = [](const std::string&, std::string&) { return false; };
    prn->rbtnLPT1->click();
    prn->btnSelecArq->click(); // cancelled: nothing changes
    EXPECT_EQ(Edit(), "LPT1");
    EXPECT_EQ(ImprNomeArq, "COM2");
}

TEST_F(ConfigImpressora, AnUnknownModelIsAskedAbout) {
    Cria();
    const std::string nova = "Índex Nova"_cp;
    prn->cbboxModeloImp->setEditText(ParaQString(nova));
    caixas.fake.respostas = {mrNo};
    prn->cbboxModeloImpExit();
    ASSERT_EQ(caixas.fake.registros.size(), 1u);
    EXPECT_EQ(caixas.fake.registros[0].texto, nova + ": impressora desconhecida. Confirma ?");
    EXPECT_EQ(caixas.fake.registros[0].botoes, Botoes::YesNo);
    prn->btnOK->click(); // declined, "&OK" stores the text all the same
    EXPECT_EQ(ImprMarca, nova);
    caixas.fake.respostas = {mrYes};
    prn->cbboxModeloImpExit();
    EXPECT_EQ(prn->IndiceModelo, 18);
    EXPECT_EQ(prn->cbboxModeloImp->itemText(18), ParaQString(nova));
    // Now listed: no question; nor for a listed model in another letter case.
    caixas.fake.Limpa();
    prn->cbboxModeloImpExit();
    prn->cbboxModeloImp->setEditText(QStringLiteral("JULIET"));
    prn->cbboxModeloImpExit();
    EXPECT_TRUE(caixas.fake.registros.empty());
    EXPECT_EQ(Caixa(), "JULIET");
}

// Opening the model list from the keyboard is not leaving the box: the list
// takes the focus with the popup reason, and once more with none while it
// shows (as on X11); nothing is asked about "(Selecione uma)".
TEST_F(ConfigImpressora, OpeningTheListFromTheKeyboardAsksNothing) {
    Cria();
    if (!FocoNaCaixa()) GTEST_SKIP() << "no keyboard focus on this platform";
    QTest::keyClick(prn->cbboxModeloImp, Qt::Key_Down, Qt::AltModifier);
    Eventos();
    ASSERT_TRUE(prn->cbboxModeloImp->view()->isVisible());
    QFocusEvent saida(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(prn->cbboxModeloImp, &saida);
    Eventos();
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{});
    // A listed model chosen in the list, then another control: nothing asked.
    prn->cbboxModeloImp->hidePopup();
    prn->cbboxModeloImp->setCurrentIndex(prn->cbboxModeloImp->findText(QStringLiteral("Braillo")));
    prn->edtNomeArq->setFocus();
    Eventos();
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{});
    EXPECT_EQ(Caixa(), "Braillo");
    // An unknown one, then another control: asked.
    prn->cbboxModeloImp->setFocus();
    Eventos();
    prn->cbboxModeloImp->setEditText(QStringLiteral("Nova"));
    caixas.fake.respostas = {mrNo};
    prn->edtNomeArq->setFocus();
    Eventos();
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{"Nova: impressora desconhecida. Confirma ?"});
}

// Which models decide the entry is the core's; here every activation tells it,
// and the main window asks the window's box, not the setting.
TEST_F(ConfigImpressora, ThePumaEntryFollowsTheModelBox) {
    Cria("Marca=Juliet\r\n");
    prn->show();
    EXPECT_EQ(puma, std::vector<bool>{false});
    QAction* entrada = janela->Acao("imChamarPuma2");
    ASSERT_NE(entrada, nullptr);
    janela->LigaConfigPrn(prn.get());
    for (const char* modelo : {"puma 7", "Puma 7"}) {
        prn->cbboxModeloImp->setEditText(QString::fromLatin1(modelo));
        ImprMarca = "Juliet";
        janela->FormActivate();
        EXPECT_EQ(entrada->isEnabled(), std::string(modelo) == "Puma 7") << modelo;
    }
    EXPECT_TRUE(prn->ckboxForcaExtBRL->isEnabled());
}

TEST_F(ConfigImpressora, OkWritesTheWholeSectionByteForByte) {
    cfg.DefineConteudo(
        "; impressoras da sala 2\r\n[IMPBRAILLE]\r\nColunas=40\r\nMarca=Braillo\r\n; antiga: Romeo\r\n"
        "Interponto=S\r\n[DOTMARA]\r\nmaxCarac=40\r\n");
    Cria("-");
    prn->cbboxModeloImp->setEditText(QStringLiteral("Juliet"));
    prn->rbtnCOM2->click();
    prn->ckboxEnviaVazias->click();
    prn->btnOK->click();
    EXPECT_FALSE(prn->isVisible());
    EXPECT_EQ(cfg.Conteudo(),
              "; impressoras da sala 2\r\n[IMPBRAILLE]\r\nColunas=40\r\nMarca=Juliet\r\n; antiga: Romeo\r\n"
              "Interponto=S\r\nPolegsForm=11\r\nLinhas=28\r\nNomeArq=COM2\r\nEnviaVazias=SIM\r\n"
              "ForcaExtBRL=SIM\r\n[DOTMARA]\r\nmaxCarac=40\r\n");
    EXPECT_EQ(ImprMarca, "Juliet");
    EXPECT_EQ(ImprNomeArq, "COM2");
    EXPECT_TRUE(ImprEnviaVazias);
}

// Opened from the menu or the view's printer button, the window knows its caller.
TEST_F(ConfigImpressora, OnlyAChangeOfModelRecompiles) {
    Cria("Marca=Juliet\r\n");
    visual->show();
    struct Passo {
        bool daVista, visivel;
        const char* modelo;
        Chamadas esperadas;
    };
    const Passo passos[] = {
        {false, false, "Juliet", {}},                // the output alone: written, not compiled
        {false, false, "Tiger", {{false, false}}},   // view hidden: compiled, nothing shown
        {true, false, "Everest", {{true, true}}},    // from the view: shown and given the focus
        {false, true, "Romeo", {{true, false}}},     // view open: refreshed in its place
    };
    for (const Passo& p : passos) {
        SCOPED_TRACE(p.modelo);
        chamadas.clear();
        visualVisivel = p.visivel;
        if (p.daVista) visual->btnImpressora->click();
        else janela->Acao("imImprBraille")->trigger();
        ASSERT_TRUE(prn->isVisible());
        EXPECT_EQ(prn->Chamador, p.daVista ? static_cast<QWidget*>(visual.get()) : janela.get());
        prn->cbboxModeloImp->setEditText(QString::fromLatin1(p.modelo));
        prn->rbtnLPT1->click();
        prn->btnOK->click();
        EXPECT_EQ(chamadas, p.esperadas);
        EXPECT_EQ(ImprNomeArq, "LPT1");
        EXPECT_FALSE(prn->Alterado);
        if (std::string(p.modelo) == "Tiger") {
            EXPECT_EQ(GeometriaAtual().PassoCelaTexto, (ParInteiro{5, 8}));
        }
    }
}

TEST_F(ConfigImpressora, TheOutputInForceIsWhatBothWindowsShow) {
    Cria();
    TformImprime imprime;
    prn->FormShow(janela.get());
    prn->rbtnRede->click();
    prn->edtNomeArq->setText(QStringLiteral("\\\\127.0.0.1\\Everest"));
    prn->btnOK->click();
    imprime.show();
    EXPECT_EQ(DeQString(imprime.edNomeArqImpr->text()), "\\\\127.0.0.1\\Everest");
    imprime.hide();
    // Chosen in the print dialog (its file button stores it): shown here.
    ImprNomeArq = "lpt1";
    prn->FormShow(janela.get());
    EXPECT_TRUE(prn->rbtnLPT1->isChecked());
    EXPECT_EQ(Edit(), "LPT1");
}

// A loaded profile reaches the embosser window, so that its buttons keep it;
// its folders wait for the next start, and the folders window keeps the ones in use.
TEST_F(ConfigImpressora, ALoadedProfileReachesTheWindows) {
    Cria("Marca=Juliet\r\nNomeArq=COM1\r\n");
    janela->LigaConfigPrn(prn.get());
    PastaTemporaria tabelas;
    const std::string tabela = tabelas.grava("unificado.cfg", "41=61\r\n");
    const std::string perfil = pasta.grava(
        "perfil.ini", "[IMPBRAILLE]\r\nMarca=Mi Braille 40\r\nNomeArq=lpt2\r\n[DOTMARA]\r\namBCode2=" + tabela + "\r\n");
    TformConfigDir dir;
    formConfigDir = &dir;
    const QString emUso = dir.edtAmBrCode2->text();
    const std::string tabelaEmUso = ArqAmbCode2;
    janela->dialogoAbrirConfig = [&](const std::string&, std::string& nome) {
        nome = perfil;
        return true;
    };
    janela->Acao("imCarregaConfig")->trigger();
    EXPECT_EQ(ImprMarca, "Mi Braille 40");
    EXPECT_EQ(Caixa(), "Mi Braille 40");
    EXPECT_TRUE(prn->rbtnLPT2->isChecked());
    EXPECT_EQ(dir.edtAmBrCode2->text(), emUso);
    EXPECT_EQ(LePerfil("DOTMARA", "amBCode2", "", 0, cfg.ini()), tabela);
    chamadas.clear();
    prn->btnOK->click(); // no change of model now; the profile's kept
    EXPECT_TRUE(chamadas.empty());
    EXPECT_EQ(LePerfil("IMPBRAILLE", "Marca", "", 0, cfg.ini()), "Mi Braille 40");
    dir.btnOk->click();
    EXPECT_EQ(ArqAmbCode2, tabelaEmUso);
    formConfigDir = nullptr;
}

// A profile without a model: the box asks for one again instead of keeping
// the model of before, which "&OK" would then store in its place.
TEST_F(ConfigImpressora, AProfileWithoutAModelShowsNone) {
    Cria("Marca=Puma 7\r\n");
    ASSERT_EQ(Caixa(), "Puma 7");
    cfg.DefineConteudo("[IMPBRAILLE]\r\nNomeArq=COM2\r\n");
    prn->LeConfiguracao();
    EXPECT_EQ(ImprMarca, "");
    EXPECT_EQ(Caixa(), "(Selecione uma)");
    prn->btnOK->click();
    EXPECT_NE(LePerfil("IMPBRAILLE", "Marca", "", 0, cfg.ini()), "Puma 7");
}

} // namespace
