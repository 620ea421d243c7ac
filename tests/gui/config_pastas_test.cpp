// The folders window, the margin window and the dictionary files window:
// what each shows, takes and writes, and what its close box leaves.
#include "support/janela_teste.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "core/dmvars_ini.h"
#include "editor/gui/DmComar.h"
#include "editor/gui/dmCnfDic.h"
#include "editor/gui/dmcnfdir.h"
#include "platform/texto.h"

namespace {

std::string Campo(const QLineEdit* e) { return DeQString(e->text()); }

class ConfigPastas : public JanelaDeTeste {
protected:
    void SetUp() override {
        JanelaDeTeste::SetUp();
        antigoPrograma = DirPrograma;
        antigoDocumento = DirDocumento;
        DirPrograma = programa.dir();
        DirDocumento = documento.dir();
        for (const char* n : {"ambcode.cfg", "ambcode2.cfg"}) {
            std::string t;
            ASSERT_TRUE(LeArquivo(std::string(DOTMARA_DATA_DIR) + "/" + n, t));
            GravaArquivoTeste(programa.caminho(n), t);
        }
        GravaArquivoTeste(programa.caminho("kelto"), "");
    }
    void TearDown() override {
        dir.reset();
        formConfigDir = nullptr;
        DirPrograma = antigoPrograma;
        DirDocumento = antigoDocumento;
        JanelaDeTeste::TearDown();
    }
    void Cria() {
        dir = std::make_unique<TformConfigDir>();
        formConfigDir = dir.get();
    }
    PastaTemporaria programa, documento;
    VariavelAmbiente dados{"DOTMARA_DATA_DIR", programa.dir()};
    std::string antigoPrograma, antigoDocumento;
    std::unique_ptr<TformConfigDir> dir;
};

TEST_F(ConfigPastas, TheCreationResolvesShowsAndLoadsTheTable) {
    Cria(); // a missing graphic table is warned about
    EXPECT_EQ(caixas.fake.Textos(),
              std::vector<std::string>{"Não encontrei o arquivo de configuração: zizerov.amb"_cp});
    caixas.fake.Limpa();
    GravaArquivoTeste(programa.caminho("zizerov.amb"), "*\r\n");
    BrailleAntigo = true;
    TabelaImpressora.fill(0);
    Cria();
    EXPECT_TRUE(caixas.fake.registros.empty());
    EXPECT_EQ(Campo(dir->edtAmBrCode), programa.caminho("ambcode.cfg"));
    EXPECT_EQ(Campo(dir->edtGrafBrCode), programa.caminho("zizerov.amb"));
    // The old code's table, loaded from the path just resolved.
    EXPECT_EQ(TabelaImpressora[' '], ' ');
}

TEST_F(ConfigPastas, OkTakesThePathsAsTypedTheCloseBoxNothing) {
    Cria();
    caixas.fake.Limpa();
    const std::string antes = ProgGrafemor;
    dir->show(); // the close box takes nothing, the edit keeps what was typed
    dir->edtProgDesen->setText(QStringLiteral("/opt/grafemor/grafemor"));
    dir->close();
    EXPECT_EQ(ProgGrafemor, antes);
    dir->show();
    EXPECT_EQ(Campo(dir->edtProgDesen), "/opt/grafemor/grafemor");
    dir->edtArqTrab->setText(QStringLiteral("meu_rascunho.txt"));
    dir->edtAmBrCode2->setText(QStringLiteral("tabelas/nova.cfg"));
    dir->btnOk->click();
    EXPECT_FALSE(dir->isVisible());
    EXPECT_EQ(ArqRascunho, "meu_rascunho.txt");
    EXPECT_EQ(ArqAmbCode2, "tabelas/nova.cfg");
    // The unified code's table is loaded at once, and is not there.
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{"Configuração da impressora não achada "_cp
                                                              "tabelas/nova.cfg"});
    EXPECT_EQ(cfg.Conteudo(), "");
}

TEST_F(ConfigPastas, MakeItTheDefaultWritesTheFoldersAfterTheRest) {
    cfg.DefineConteudo("[DOTMARA]\r\nmaxCarac=40\r\n; pastas\r\n");
    Cria();
    dir->show();
    dir->edtProgVelun->setText(QStringLiteral("/usr/local/bin/velun"));
    dir->btnPadrao->click();
    const std::string c = cfg.Conteudo();
    const std::string inicio = "[DOTMARA]\r\nmaxCarac=40\r\n; pastas\r\narqTrab=\r\n";
    EXPECT_EQ(c.substr(0, inicio.size()), inicio);
    EXPECT_EQ(LePerfil("DOTMARA", "velun", "", 0, cfg.ini()), "/usr/local/bin/velun");
    EXPECT_EQ(LePerfil("DOTMARA", "amBCode2", "", 0, cfg.ini()), programa.caminho("ambcode2.cfg"));
    EXPECT_FALSE(dir->isVisible());
}

// After a compile ArqRascunho names this program's own draft: neither the
// edit left empty nor that path chosen by browsing is ever stored.
TEST_F(ConfigPastas, ThisProgramsOwnDraftIsNeverStored) {
    ArqRascunho.clear();
    Cria();
    const std::string privado = RascunhoPrivado();
    ASSERT_FALSE(privado.empty());
    ArqRascunho = privado;
    dir->show();
    dir->btnPadrao->click();
    EXPECT_NE(cfg.Conteudo().find("arqTrab=\r\n"), std::string::npos) << cfg.Conteudo();
    EXPECT_EQ(cfg.Conteudo().find(privado), std::string::npos);

    dir->openDialogArquivo = [](const std::string&, std::string& escolhido) {
        escolhido = RascunhoPrivado();
        return true;
    };
    dir->show();
    dir->btnRasc->click();
    EXPECT_EQ(Campo(dir->edtArqTrab), privado);
    dir->btnPadrao->click();
    EXPECT_NE(cfg.Conteudo().find("arqTrab=\r\n"), std::string::npos) << cfg.Conteudo();
    EXPECT_EQ(cfg.Conteudo().find(privado), std::string::npos);
    // The compile goes on writing the private draft.
    EXPECT_TRUE(ArqRascunho.empty());
}

TEST_F(ConfigPastas, BrowsingFillsTheEditAndRemembersTheFolder) {
    Cria();
    PastaTemporaria tabelas;
    const std::string escolhida = tabelas.grava("minha.cfg", "41=61\r\n");
    std::vector<std::string> inicios;
    dir->openDialogArquivo = [&](const std::string& pasta, std::string& escolhido) {
        inicios.push_back(pasta);
        escolhido = escolhida;
        return true;
    };
    dir->btnCodBrUnif->click();
    EXPECT_EQ(Campo(dir->edtAmBrCode2), escolhida);
    // The next browse of the shared folder starts where the file was.
    dir->btnEdGrafBr->click();
    EXPECT_EQ(inicios, (std::vector<std::string>{programa.dir(), tabelas.dir()}));
    // The drawing program's folder is its own.
    dir->btnEdVelun->click();
    EXPECT_EQ(inicios.back(), DirPrograma);
    // Nothing is taken before "O&K"; the working folder is the document's.
    EXPECT_NE(ArqAmbCode2, escolhida);
    EXPECT_EQ(DiretorioAtual(), DirDocumento);
}

class ConfigMargem : public JanelaDeTeste {
protected:
    void SetUp() override {
        JanelaDeTeste::SetUp();
        margem = std::make_unique<TformConfigMargem>();
    }
    void TearDown() override {
        margem.reset();
        JanelaDeTeste::TearDown();
    }
    std::unique_ptr<TformConfigMargem> margem;
};

TEST_F(ConfigMargem, OkTakesTheColumnCancelNothing) {
    QuebraLin = true;
    for (auto [texto, coluna] : {std::pair{"0", 70}, {" 40", 40}}) { // "0" is out of range: the default
        margem->show();
        margem->edtColunaMax->setText(texto);
        margem->btnOk->click();
        EXPECT_EQ(MaxCol, coluna) << texto;
        EXPECT_FALSE(margem->isVisible());
    }
    margem->show();
    margem->chckBoxQuebraAutom->click();
    margem->edtColunaMax->setText("30");
    margem->btnCancelar->click();
    EXPECT_TRUE(QuebraLin);
    EXPECT_EQ(MaxCol, 40);
    margem->show();
    EXPECT_TRUE(margem->chckBoxQuebraAutom->isChecked());
    EXPECT_EQ(Campo(margem->edtColunaMax), "40");
    EXPECT_TRUE(caixas.fake.registros.empty());
}

TEST_F(ConfigMargem, MakeItTheDefaultWritesBothKeys) {
    cfg.DefineConteudo("[DOTMARA]\r\nquebraLin=S\r\n");
    janela->Acao("imConfigMargem")->trigger();
    ASSERT_FALSE(margem->isVisible()); // the window of the test is not the program's
    formConfigMargem = margem.get();
    janela->Acao("imConfigMargem")->trigger();
    EXPECT_TRUE(margem->isVisible());
    margem->chckBoxQuebraAutom->click();
    margem->edtColunaMax->setText("64");
    margem->btnTornarPadrao->click();
    formConfigMargem = nullptr;
    EXPECT_EQ(cfg.Conteudo(), "[DOTMARA]\r\nquebraLin=N\r\nmaxCol=64\r\n");
    EXPECT_FALSE(QuebraLin);
    EXPECT_EQ(MaxCol, 64);
}

class ConfigDicionario : public JanelaDeTeste {
protected:
    void Cria() {
        dic = std::make_unique<TformConfigDicionario>();
        formConfigDicionario = dic.get();
    }
    void TearDown() override {
        dic.reset();
        formConfigDicionario = nullptr;
        JanelaDeTeste::TearDown();
    }
    std::unique_ptr<TformConfigDicionario> dic;
};

TEST_F(ConfigDicionario, TheNamesReadAndOkTakesTheCloseBoxDoesNot) {
    cfg.DefineConteudo("[DICIONARIO]\r\nARQDIC=\r\narqnomes=/home/t/nomes.txt\r\n");
    Cria();
    EXPECT_EQ(ArqDicionario, "");
    dic->show();
    EXPECT_EQ(Campo(dic->edtNomes), "/home/t/nomes.txt");
    dic->edtSufixos->setText(QStringLiteral("sufixos.txt"));
    dic->close();
    EXPECT_EQ(ArqSufixos, "diciona.suf");
    dic->show();
    EXPECT_EQ(Campo(dic->edtSufixos), "diciona.suf");
    dic->edtSufixos->setText(QStringLiteral("sufixos.txt"));
    dic->btnOK->click();
    EXPECT_EQ(ArqSufixos, "sufixos.txt");
    EXPECT_EQ(cfg.Conteudo(), "[DICIONARIO]\r\nARQDIC=\r\narqnomes=/home/t/nomes.txt\r\n");
}

TEST_F(ConfigDicionario, TheMenuShowsItModallyAndMakeItTheDefaultWritesTheSection) {
    Cria();
    const std::string longo = "/" + std::string(300, 'd') + "/diciona.dic";
    bool modal = false;
    QTimer::singleShot(0, dic.get(), [&] {
        modal = dic->isModal() && dic->isVisible();
        dic->edtDiciona->setText(ParaQString(longo));
        dic->btnPadrao->click();
    });
    janela->Acao("imVerifOrtografico")->trigger();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(dic->isVisible());
    EXPECT_EQ(cfg.Conteudo(), "[DICIONARIO]\r\nARQDIC=" + longo +
                                  "\r\nARQSUFIXOS=diciona.suf\r\nARQINEXIST=diciona.exc\r\nARQNOMES=diciona.nom\r\n"
                                  "ARQSUGERE=diciona.sug\r\n");
    // Read back whole.
    RestauraPadroes();
    dic.reset();
    Cria();
    EXPECT_EQ(ArqDicionario, longo);
}

} // namespace
