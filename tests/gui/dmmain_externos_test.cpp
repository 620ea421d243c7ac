// The main window's entries for the Word export, the external programs and
// the manual: what each reaches when triggered (through the platform and
// dialog fakes); the Puma 7 command through a real print job to the plate
// program.
#include "output/gui/TformConta.h"
#include "output/gui/TformImprime.h"
#include "support/janela_teste.h"

#include <QAction>
#include <QThread>

#include <sys/stat.h>

namespace {

class Externos : public JanelaDeTeste {
protected:
    void SetUp() override {
        PreparaAmbiente();
        ArqAmbCode2 = std::string(DOTMARA_DATA_DIR) + "/ambcode2.cfg";
        CriaJanela();
    }
    void TearDown() override {
        TformImprime::EncerraImpressao();
        JanelaDeTeste::TearDown();
    }
    std::string Executavel(const std::string& nome) {
        CriaPastasDe(pasta.caminho(nome));
        const std::string c = pasta.grava(nome, "#!/bin/sh\n");
        ::chmod(CaminhoNativo(c).c_str(), 0755);
        return c;
    }
    QAction* Acha(const std::string& nome) { return janela->findChild<QAction*>(QString::fromLatin1(nome)); }
};

TEST_F(Externos, Puma7SoComOModeloPuma7) {
    for (const char* modelo : {"Puma 7", "puma 7", "Index Basic", ""}) {
        ImprMarca = modelo;
        janela->FormActivate();
        EXPECT_EQ(janela->imChamarPuma2->isEnabled(), std::string(modelo) == "Puma 7") << modelo;
    }
}

TEST_F(Externos, CadaEntradaChegaAoSeuComando) {
    ProgKelto = "kelto";
    DirPrograma = pasta.dir();
    ProgGrafemor = Executavel("g/grafemor");
    ProgVelun = Executavel("v/velun");
    pasta.grava("diciona.nom", "Maria\r\n");
    pasta.grava("diciona.exc", "xyz\r\n");
    struct Caso {
        const char* nome;
        std::vector<ServicosFalsos::Programa> programas;
        std::vector<std::string> abertos;
    };
    const Caso casos[] = {
        {"DigitaremBraille1", {{pasta.caminho("kelto"), {}, pasta.dir()}}, {}},
        {"imGrafemorBraille", {{ProgGrafemor, {}, pasta.caminho("g/")}}, {}},
        {"imVelun", {{ProgVelun, {}, pasta.caminho("v/")}}, {}},
        {"Acrescentarpalavra1", {}, {pasta.caminho("diciona.nom")}},
        {"Inibirpalavra1", {}, {pasta.caminho("diciona.exc")}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        srv.fake.programas.clear();
        srv.fake.abertos.clear();
        Acha(c.nome)->trigger();
        EXPECT_EQ(srv.fake.programas, c.programas);
        EXPECT_EQ(srv.fake.abertos, c.abertos);
    }
    EXPECT_TRUE(caixas.fake.registros.empty()) << caixas.fake.registros.front().texto;

    // The manual of the data folder, in the browser.
    srv.fake.abertos.clear();
    janela->imManual->trigger();
    ASSERT_EQ(srv.fake.abertos.size(), 1u);
    EXPECT_EQ(ExtraiNomeArquivo(srv.fake.abertos[0]), "dotmara.html");
}

TEST_F(Externos, ExportacaoDoTextoDaJanela) {
    janela->richEdPrincipal->setPlainText(QStringLiteral("Casa 12"));
    for (QAction* a : {janela->imBrailleNoWord, janela->imTintaNoWord}) {
        SCOPED_TRACE(a->objectName().toStdString());
        srv.fake.abertos.clear();
        caixas.fake.Limpa();
        a->trigger();
        ASSERT_EQ(srv.fake.abertos.size(), 1u);
        const std::string rtf = LeArquivoTeste(srv.fake.abertos[0]);
        std::remove(CaminhoNativo(srv.fake.abertos[0]).c_str());
        EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
        if (a == janela->imTintaNoWord) {
            EXPECT_NE(rtf.find("Casa 12\\par"), std::string::npos) << rtf;
        }
        EXPECT_EQ(caixas.fake.Textos().back(), "Documento gerado!\r\n"_cp + srv.fake.abertos[0]);
    }
}

TEST_F(Externos, Puma7ImprimeNoArquivoDaPlacaEDepoisChamaOPrograma) {
    formConta = new TformConta;
    formImprime = new TformImprime;
    ProgPuma = Executavel("puma/puma2");
    ImprNomeArq = pasta.caminho("outra.brl");
    janela->richEdPrincipal->setPlainText(QStringLiteral("Casa"));
    janela->imChamarPuma2->setEnabled(true);
    janela->imChamarPuma2->trigger();
    while (!TThreadImpressao::Terminaram()) {
        QApplication::processEvents();
        QThread::msleep(2);
    }
    TThreadImpressao::Termina();
    // The job's end comes to this thread as an event.
    for (int i = 0; i < 5; ++i) QApplication::processEvents();

    ASSERT_EQ(srv.fake.programas.size(), 1u);
    const ServicosFalsos::Programa& p = srv.fake.programas[0];
    EXPECT_EQ(p.programa, ProgPuma);
    EXPECT_EQ(p.pasta, pasta.caminho("puma"));
    ASSERT_EQ(p.argumentos.size(), 1u);
    const std::string placa = p.argumentos[0];
    EXPECT_EQ(ExtraiDiretorio(placa), DirTemporario());
    EXPECT_FALSE(LeArquivoTeste(placa).empty()) << "the plate file holds the job's braille";
    EXPECT_FALSE(ArquivoExiste(ImprNomeArq)) << "the dialog's own output is not used";
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{"Arquivo enviado"});
    std::remove(CaminhoNativo(placa).c_str());

    TformImprime::EncerraImpressao();
    delete formImprime;
    delete formConta;
    formImprime = nullptr;
    formConta = nullptr;
}

} // namespace
