// The embosser settings window "Configuração da Impressora Braille": the
// section read at its creation, the model list with its question, the
// output radios and the ".BRL" forcing, the section written by "&OK" byte
// for byte, the recompile after a change of model, the "Chamar &Puma 7"
// entry, and the output in force shared with the print dialog.
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

const std::string kRede =
    "Instale a impressora como Generica/texto apenas.\rConfigure como impressora compartilhada de rede.\r"
    "Digite abaixo o nome dela, completando as referências na rede\rNota:  \\\\127.0.0.1 indica impressora local"_cp;

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
    std::string Edit() const { return DeQString(prn->edtNomeArq->text()); }
    std::string Caixa() const { return DeQString(prn->cbboxModeloImp->currentText()); }
    std::unique_ptr<TformConfigPrn> prn;
    std::vector<std::pair<bool, bool>> chamadas;
    std::vector<bool> puma;
    bool visualVisivel = false;
};

// ---- Reading -----------------------------------------------------------------

TEST_F(ConfigImpressora, NoSection) {
    Cria();
    EXPECT_EQ(Caixa(), "(Selecione uma)");
    EXPECT_EQ(Edit(), "PRN");
    EXPECT_TRUE(prn->rbtnPRN->isChecked());
    EXPECT_FALSE(prn->ckboxEnviaVazias->isChecked());
    EXPECT_TRUE(prn->ckboxForcaExtBRL->isChecked());
    EXPECT_FALSE(prn->ckboxForcaExtBRL->isEnabled());
    EXPECT_EQ(prn->cbboxModeloImp->count(), 18);
    EXPECT_TRUE(caixas.fake.registros.empty());
}

TEST_F(ConfigImpressora, TheModelRead) {
    struct Caso {
        std::string marca;
        int indice;
        std::size_t modelos;
    };
    const Caso casos[] = {
        // Listed: its index; letter case kept, so the exact tests fail.
        {"puma 7", 13, 18},
        // Not listed: appended without a question.
        {"Minha Braille 3000", 18, 19},
    };
    for (const Caso& c : casos) {
        RestauraPadroes();
        Cria("Marca=" + c.marca + "\r\n");
        EXPECT_EQ(ImprMarca, c.marca);
        EXPECT_EQ(Caixa(), c.marca);
        EXPECT_EQ(prn->IndiceModelo, c.indice) << c.marca;
        EXPECT_EQ(prn->cbboxModeloImp->count(), static_cast<int>(c.modelos)) << c.marca;
        EXPECT_FALSE(prn->ckboxForcaExtBRL->isEnabled()) << c.marca;
        EXPECT_TRUE(caixas.fake.registros.empty()) << c.marca;
    }
}

TEST_F(ConfigImpressora, TheOutputRead) {
    const std::string arquivo = pasta.caminho("livro.txt");
    struct Caso {
        std::string secao;
        QRadioButton* TformConfigPrn::*radio;
        std::string edit, nomeArq;
    };
    const Caso casos[] = {
        {"NomeArq=lpt2\r\n", &TformConfigPrn::rbtnLPT2, "LPT2", "lpt2"},
        // A file shows with ".BRL" while forcing is on; the setting changes
        // only with "&OK".
        {"NomeArq=" + arquivo + "\r\n", &TformConfigPrn::rbtnArquivo, pasta.caminho("livro.BRL"), arquivo},
        {"NomeArq=" + arquivo + "\r\nForcaExtBRL=N\r\n", &TformConfigPrn::rbtnArquivo, arquivo, arquivo},
    };
    for (const Caso& c : casos) {
        RestauraPadroes();
        Cria(c.secao);
        EXPECT_TRUE((prn.get()->*c.radio)->isChecked()) << c.secao;
        EXPECT_EQ(Edit(), c.edit) << c.secao;
        EXPECT_EQ(ImprNomeArq, c.nomeArq) << c.secao;
        EXPECT_TRUE(caixas.fake.registros.empty()) << c.secao;
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

// ---- The output radios ---------------------------------------------------------

TEST_F(ConfigImpressora, SwitchingBetweenAFileAndThePortsKeepsTheFile) {
    const std::string arquivo = pasta.caminho("saida.brl");
    Cria("NomeArq=" + arquivo + "\r\nForcaExtBRL=N\r\n");
    ASSERT_TRUE(prn->rbtnArquivo->isChecked());
    prn->edtNomeArq->setText(ParaQString(pasta.caminho("outro.brl")));
    prn->rbtnCOM1->click();
    EXPECT_EQ(Edit(), "COM1");
    prn->rbtnLPT3->click();
    EXPECT_EQ(Edit(), "LPT3");
    prn->rbtnArquivo->click();
    EXPECT_EQ(Edit(), pasta.caminho("outro.brl"));
    // The output in force changes only with "&OK": "&Cancela" and the close
    // box leave the braille going where it went.
    prn->rbtnPRN->click();
    prn->btnCancela->click();
    EXPECT_EQ(ImprNomeArq, arquivo);
    prn->FormShow(janela.get());
    EXPECT_EQ(Edit(), arquivo);
    prn->rbtnCOM1->click();
    prn->close();
    EXPECT_EQ(ImprNomeArq, arquivo);
    prn->FormShow(janela.get());
    prn->edtNomeArq->setText(ParaQString(pasta.caminho("outro.brl")));
    prn->rbtnCOM2->click();
    prn->btnOK->click();
    EXPECT_EQ(ImprNomeArq, "COM2");
    prn->FormShow(janela.get());
    prn->rbtnArquivo->click();
    EXPECT_EQ(Edit(), "COM2");
}

TEST_F(ConfigImpressora, FileWhenTheStoredOutputIsADevice) {
    Cria();
    prn->rbtnArquivo->click();
    EXPECT_EQ(Edit(), "PRN");
}

TEST_F(ConfigImpressora, TheNetworkRadio) {
    Cria();
    prn->rbtnRede->click();
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{kRede});
    EXPECT_EQ(Edit(), "\\\\127.0.0.1\\Nome_da_Impressora");
    // A network name already there stays, without the message.
    caixas.fake.Limpa();
    prn->edtNomeArq->setText(QStringLiteral("\\\\servidor\\Everest"));
    prn->rbtnPRN->click();
    prn->edtNomeArq->setText(QStringLiteral("\\\\servidor\\Everest"));
    prn->rbtnRede->click();
    EXPECT_TRUE(caixas.fake.registros.empty());
    EXPECT_EQ(Edit(), "\\\\servidor\\Everest");
    // A network name is no file to keep.
    EXPECT_EQ(ImprNomeArq, "PRN");
}

TEST_F(ConfigImpressora, ForcingTheBRLExtension) {
    Cria("Marca=Puma 7\r\nForcaExtBRL=N\r\nNomeArq=" + pasta.caminho("placa.txt") + "\r\n");
    ASSERT_TRUE(prn->ckboxForcaExtBRL->isEnabled());
    EXPECT_EQ(Edit(), pasta.caminho("placa.txt"));
    prn->ckboxForcaExtBRL->click();
    EXPECT_EQ(Edit(), pasta.caminho("placa.BRL"));
    // Unchecking restores nothing.
    prn->ckboxForcaExtBRL->click();
    EXPECT_EQ(Edit(), pasta.caminho("placa.BRL"));
    // Only a file is forced.
    prn->ckboxForcaExtBRL->click();
    prn->rbtnCOM2->click();
    prn->ckboxForcaExtBRL->click();
    prn->ckboxForcaExtBRL->click();
    EXPECT_EQ(Edit(), "COM2");
}

TEST_F(ConfigImpressora, BrowsingChoosesAFile) {
    Cria();
    std::string inicial;
    prn->saveDialogArquivo = [&](const std::string& i, std::string& escolhido) {
        inicial = i;
        escolhido = pasta.caminho("novo");
        return true;
    };
    prn->btnSelecArq->click();
    EXPECT_EQ(inicial, "PRN");
    EXPECT_EQ(ImprNomeArq, "PRN");
    EXPECT_TRUE(prn->rbtnArquivo->isChecked());
    EXPECT_EQ(Edit(), pasta.caminho("novo.BRL"));
    prn->rbtnCOM1->click();
    prn->rbtnArquivo->click();
    EXPECT_EQ(Edit(), pasta.caminho("novo.BRL"));
    // Cancelled: nothing changes.
    prn->saveDialogArquivo = [](const std::string&, std::string&) { return false; };
    prn->rbtnLPT1->click();
    prn->btnSelecArq->click();
    EXPECT_EQ(Edit(), "LPT1");
}

// ---- The model box -------------------------------------------------------------

TEST_F(ConfigImpressora, AnUnknownModelIsAskedAbout) {
    Cria();
    const std::string nova = "Índex Nova"_cp;
    prn->cbboxModeloImp->setEditText(ParaQString(nova));
    caixas.fake.respostas = {mrNo};
    prn->cbboxModeloImpExit();
    ASSERT_EQ(caixas.fake.registros.size(), 1u);
    EXPECT_EQ(caixas.fake.registros[0].texto, nova + ": impressora desconhecida. Confirma ?");
    EXPECT_EQ(caixas.fake.registros[0].botoes, Botoes::YesNo);
    EXPECT_EQ(prn->IndiceModelo, -1);
    EXPECT_EQ(prn->Modelos().size(), 18u);
    EXPECT_EQ(Caixa(), nova);
    // Declined, "&OK" stores the text all the same.
    prn->btnOK->click();
    EXPECT_EQ(ImprMarca, nova);

    caixas.fake.Limpa();
    caixas.fake.respostas = {mrYes};
    prn->cbboxModeloImpExit();
    EXPECT_EQ(prn->IndiceModelo, 18);
    EXPECT_EQ(prn->Modelos().back(), nova);
    EXPECT_EQ(prn->cbboxModeloImp->itemText(18), ParaQString(nova));
    EXPECT_EQ(Caixa(), nova);
    // Now listed: no question; nor for a listed model in another letter case,
    // which keeps its letters.
    caixas.fake.Limpa();
    prn->cbboxModeloImpExit();
    prn->cbboxModeloImp->setEditText(QStringLiteral("JULIET"));
    prn->cbboxModeloImpExit();
    EXPECT_TRUE(caixas.fake.registros.empty());
    EXPECT_GE(prn->IndiceModelo, 0);
    EXPECT_EQ(Caixa(), "JULIET");
}

TEST_F(ConfigImpressora, LeavingTheBoxForAnotherControlChecksTheModel) {
    Cria();
    prn->show();
    QApplication::setActiveWindow(prn.get());
    prn->cbboxModeloImp->setFocus();
    Eventos();
    if (!prn->cbboxModeloImp->hasFocus()) GTEST_SKIP() << "no keyboard focus on this platform";
    prn->cbboxModeloImp->setEditText(QStringLiteral("Nova"));
    caixas.fake.respostas = {mrNo};
    prn->edtNomeArq->setFocus();
    Eventos();
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{"Nova: impressora desconhecida. Confirma ?"});
}

// Opening the model list from the keyboard is not leaving the box: the
// list takes the focus with the popup reason, and once more with none while
// it shows (as on X11); nothing is asked about "(Selecione uma)".
TEST_F(ConfigImpressora, OpeningTheListFromTheKeyboardAsksNothing) {
    Cria();
    prn->show();
    QApplication::setActiveWindow(prn.get());
    prn->cbboxModeloImp->setFocus();
    Eventos();
    if (!prn->cbboxModeloImp->hasFocus()) GTEST_SKIP() << "no keyboard focus on this platform";
    QTest::keyClick(prn->cbboxModeloImp, Qt::Key_Down, Qt::AltModifier);
    Eventos();
    ASSERT_TRUE(prn->cbboxModeloImp->view()->isVisible());
    QFocusEvent saida(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(prn->cbboxModeloImp, &saida);
    Eventos();
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{});
    // A model chosen in the list, then another control: a listed model asks nothing either.
    prn->cbboxModeloImp->hidePopup();
    prn->cbboxModeloImp->setCurrentIndex(prn->cbboxModeloImp->findText(QStringLiteral("Braillo")));
    prn->edtNomeArq->setFocus();
    Eventos();
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{});
    EXPECT_EQ(Caixa(), "Braillo");
}

TEST_F(ConfigImpressora, ThePumaEntryAndTheBRLBoxFollowTheModel) {
    Cria();
    struct Caso {
        std::string modelo;
        std::vector<bool> puma; // what the entry was told
        bool forca;
    };
    const Caso casos[] = {{"Puma 7", {true}, true}, {"Juliet", {false}, false}, {"Tiger", {}, false}};
    for (const Caso& c : casos) {
        puma.clear();
        prn->cbboxModeloImp->setEditText(ParaQString(c.modelo));
        EXPECT_EQ(prn->ckboxForcaExtBRL->isEnabled(), c.forca) << c.modelo;
        prn->HabilitaCampos();
        EXPECT_EQ(puma, c.puma) << c.modelo;
        EXPECT_EQ(prn->ckboxForcaExtBRL->isEnabled(), c.forca) << c.modelo;
    }
    // Every activation tells the entry exactly.
    puma.clear();
    prn->cbboxModeloImp->setEditText(QStringLiteral("Tiger"));
    prn->show();
    EXPECT_EQ(puma, std::vector<bool>{false});
}

TEST_F(ConfigImpressora, TheMainWindowsPumaEntry) {
    QAction* entrada = janela->Acao("imChamarPuma2");
    ASSERT_NE(entrada, nullptr);
    Cria("Marca=Puma 7\r\n");
    janela->LigaConfigPrn(prn.get());
    EXPECT_TRUE(entrada->isEnabled());
    prn->cbboxModeloImp->setEditText(QStringLiteral("puma 7"));
    janela->FormActivate();
    EXPECT_FALSE(entrada->isEnabled());
    // The main window asks the window's box, not the setting.
    prn->cbboxModeloImp->setEditText(QStringLiteral("Puma 7"));
    ImprMarca = "Juliet";
    janela->FormActivate();
    EXPECT_TRUE(entrada->isEnabled());
}

// ---- "&OK" ---------------------------------------------------------------------

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

TEST_F(ConfigImpressora, OnlyAChangeOfModelRecompiles) {
    Cria("Marca=Juliet\r\n");
    // The output alone: written, not compiled.
    prn->FormShow(janela.get());
    prn->rbtnLPT1->click();
    prn->btnOK->click();
    EXPECT_TRUE(chamadas.empty());
    EXPECT_EQ(ImprNomeArq, "LPT1");
    // From the main window, the view hidden: compiled, nothing shown.
    prn->FormShow(janela.get());
    prn->cbboxModeloImp->setEditText(QStringLiteral("Tiger"));
    prn->btnOK->click();
    EXPECT_EQ(chamadas, (std::vector<std::pair<bool, bool>>{{false, false}}));
    // The Tiger geometry is in force.
    EXPECT_EQ(GeometriaAtual().PassoCelaTexto, (ParInteiro{5, 8}));
    EXPECT_FALSE(prn->Alterado);
    // From the braille view: the view shown and given the focus.
    chamadas.clear();
    prn->FormShow(visual.get());
    prn->cbboxModeloImp->setEditText(QStringLiteral("Everest"));
    prn->btnOK->click();
    EXPECT_EQ(chamadas, (std::vector<std::pair<bool, bool>>{{true, true}}));
    // From the main window with the view open: refreshed in its place.
    chamadas.clear();
    visualVisivel = true;
    prn->FormShow(janela.get());
    prn->cbboxModeloImp->setEditText(QStringLiteral("Romeo"));
    prn->btnOK->click();
    EXPECT_EQ(chamadas, (std::vector<std::pair<bool, bool>>{{true, false}}));
}

TEST_F(ConfigImpressora, TheViewsPrinterButtonOpensTheWindowAsItsCaller) {
    Cria();
    visual->show();
    visual->btnImpressora->click();
    EXPECT_TRUE(prn->isVisible());
    EXPECT_EQ(prn->Chamador, visual.get());
    janela->Acao("imImprBraille")->trigger();
    EXPECT_EQ(prn->Chamador, janela.get());
}

// ---- The print dialog and this window agree -----------------------------------

TEST_F(ConfigImpressora, TheOutputInForceIsWhatBothWindowsShow) {
    Cria();
    TformImprime imprime;
    // Chosen here: the print dialog proposes it.
    prn->FormShow(janela.get());
    prn->rbtnRede->click();
    prn->edtNomeArq->setText(QStringLiteral("\\\\127.0.0.1\\Everest"));
    prn->btnOK->click();
    imprime.show();
    EXPECT_EQ(DeQString(imprime.edNomeArqImpr->text()), "\\\\127.0.0.1\\Everest");
    imprime.hide();
    // Chosen in the print dialog (its file button stores it): shown here.
    ImprNomeArq = pasta.caminho("copia.BRL");
    prn->FormShow(janela.get());
    EXPECT_TRUE(prn->rbtnArquivo->isChecked());
    EXPECT_EQ(Edit(), pasta.caminho("copia.BRL"));
    ImprNomeArq = "lpt1";
    prn->FormShow(janela.get());
    EXPECT_TRUE(prn->rbtnLPT1->isChecked());
    EXPECT_EQ(Edit(), "LPT1");
}

} // namespace

namespace {

// A profile loaded from the menu: the embosser window shows what it holds,
// so that its buttons keep it; its folders and files wait for the next
// start, and the folders window keeps showing, and its "O&K" keeps, the
// ones in use.
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
    caixas.fake.Limpa();
    janela->Acao("imCarregaConfig")->trigger();
    EXPECT_EQ(ImprMarca, "Mi Braille 40");
    EXPECT_EQ(Caixa(), "Mi Braille 40");
    EXPECT_EQ(prn->Modelos().back(), "Mi Braille 40");
    EXPECT_TRUE(prn->rbtnLPT2->isChecked());
    EXPECT_EQ(dir.edtAmBrCode2->text(), emUso);
    EXPECT_EQ(LePerfil("DOTMARA", "amBCode2", "", 0, cfg.ini()), tabela);
    // "&OK" changes no model now, and keeps the profile's.
    chamadas.clear();
    prn->btnOK->click();
    EXPECT_TRUE(chamadas.empty());
    EXPECT_EQ(LePerfil("IMPBRAILLE", "Marca", "", 0, cfg.ini()), "Mi Braille 40");
    dir.btnOk->click();
    EXPECT_EQ(ArqAmbCode2, tabelaEmUso);
    formConfigDir = nullptr;
}

// A profile without a model: the box asks for one again, instead of showing
// the model of before, which "&OK" would then store in its place.
TEST_F(ConfigImpressora, AProfileWithoutAModelShowsNone) {
    Cria("Marca=Puma 7\r\n");
    ASSERT_EQ(Caixa(), "Puma 7");
    cfg.DefineConteudo("[IMPBRAILLE]\r\nNomeArq=COM2\r\n");
    prn->LeConfiguracao();
    EXPECT_EQ(ImprMarca, "");
    EXPECT_EQ(Caixa(), "(Selecione uma)");
    EXPECT_FALSE(prn->ckboxForcaExtBRL->isEnabled());
    prn->btnOK->click();
    EXPECT_NE(LePerfil("IMPBRAILLE", "Marca", "", 0, cfg.ini()), "Puma 7");
}

} // namespace
