// The touch-up program's start-up: the INI keys it reads, the code-table
// file they choose, and a missing file.
#include "touchup/ukelto_config.h"

#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/ini.h"
#include "support/aberturas_teste.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace {

class ConfiguracaoDoKelto : public ::testing::Test {
protected:
    // The two tables tell themselves apart by what they do with "a".
    void SetUp() override {
        dados.grava("ambcode.cfg", "* antigo\r\n61=31\r\n");
        dados.grava("ambcode2.cfg", "* unificado\r\n61=32\r\n");
    }
    void Ini(const std::string& conteudo) { GravaArquivoTeste(ini.caminho("DOTMARA.INI"), conteudo); }
    bool Le() { return LeConfiguracaoKelto(e, programa.dir()); }

    PastaTemporaria ini, dados, programa;
    VariavelAmbiente varIni{"DOTMARA_INI", ini.caminho("DOTMARA.INI")};
    VariavelAmbiente varDados{"DOTMARA_DATA_DIR", dados.dir()};
    DialogosFalsosEscopo caixas;
    EstadoKelto e;
};

TEST_F(ConfiguracaoDoKelto, ChaveBrailleAntigo) {
    const std::pair<const char*, bool> casos[] = {
        {"[DOTMARA]\r\nbrailleAntigo=s\r\n", true},   {"[dotmara]\r\nBRAILLEANTIGO=Sim\r\n", true},
        {"[DOTMARA]\r\nbrailleAntigo=N\xe3o\r\n", false}, {"[DOTMARA]\r\nbrailleAntigo= S\r\n", false},
        {"", false},
    };
    for (auto [conteudo, antigo] : casos) {
        Ini(conteudo);
        e = EstadoKelto();
        ASSERT_TRUE(Le()) << conteudo;
        EXPECT_EQ(e.BrailleAntigo, antigo) << conteudo;
        EXPECT_EQ(e.MapaFonte['a'], antigo ? '1' : '2') << conteudo;
    }
    EXPECT_TRUE(caixas.fake.registros.empty());
}

TEST_F(ConfiguracaoDoKelto, ArquivoNomeadoNoIni) {
    const std::string proprio = programa.grava("meu.cfg", "61=33\r\n");
    Ini("[DOTMARA]\r\nbrailleAntigo=s\r\namBCode=" + proprio + "\r\namBCode2=outro.cfg\r\n");
    ASSERT_TRUE(Le());
    EXPECT_EQ(e.MapaFonte['a'], '3');
    // A bare name is looked for in the program folder first; the INI is never written.
    Ini("[DOTMARA]\r\namBCode2=meu.cfg\r\n");
    ASSERT_TRUE(Le());
    EXPECT_EQ(e.MapaFonte['a'], '3');
    EXPECT_EQ(LeArquivoTeste(ini.caminho("DOTMARA.INI")), "[DOTMARA]\r\namBCode2=meu.cfg\r\n");
    // A path longer than the INI buffer of Windows is read whole.
    const std::string fundo = programa.dir() + std::string(150, 'p') + "/" + std::string(150, 'q');
    ASSERT_EQ(::mkdir(fundo.substr(0, fundo.rfind('/')).c_str(), 0700), 0);
    ASSERT_EQ(::mkdir(fundo.c_str(), 0700), 0);
    const std::string longo = programa.grava(fundo.substr(programa.dir().size()) + "/tabela.cfg", "61=34\r\n");
    ASSERT_GT(longo.size(), 300u);
    Ini("[DOTMARA]\r\namBCode2=" + longo + "\r\n");
    ASSERT_TRUE(Le());
    EXPECT_EQ(e.MapaFonte['a'], '4');
    // A file an editor saved as UTF-8 with its byte order mark: the same
    // keys, the name in UTF-8; the file read once.
    programa.grava("t\xC3\xA1" "bua.cfg", "61=35\r\n");
    Ini("\xEF\xBB\xBF[DOTMARA]\r\nbrailleAntigo=S\r\namBCode=t\xC3\xA1" "bua.cfg\r\n");
    AberturasDoArquivo aberturas(ini.caminho("DOTMARA.INI"));
    ASSERT_TRUE(Le());
    EXPECT_EQ(aberturas.Conta(), 1);
    EXPECT_EQ(e.MapaFonte['a'], '5');
}

TEST_F(ConfiguracaoDoKelto, ArquivoAusenteOuIlegivel) {
    Ini("[DOTMARA]\r\namBCode2=sumiu.cfg\r\n");
    EXPECT_FALSE(Le());
    ASSERT_EQ(caixas.fake.registros.size(), 1u);
    EXPECT_EQ(caixas.fake.registros[0].texto, "Arquivo sumiu.cfg n\xe3o achado");
    EXPECT_EQ(caixas.fake.registros[0].icone, Icone::Erro);
    EXPECT_EQ(caixas.fake.registros[0].botoes, Botoes::OK);
    caixas.fake.Limpa();
    const std::string grande = programa.grava("grande.cfg", "61=39\r\n");
    std::filesystem::resize_file(grande, MaxBytesArquivo + 1);
    Ini("[DOTMARA]\r\namBCode2=grande.cfg\r\n");
    EXPECT_FALSE(Le());
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{"Arquivo " + grande + " grande demais (no m\xe1ximo 64 MB)"});
    if (::geteuid() != 0) { // root reads any file
        caixas.fake.Limpa();
        ::chmod(programa.grava("fechado.cfg", "61=39\r\n").c_str(), 0);
        Ini("[DOTMARA]\r\namBCode2=fechado.cfg\r\n");
        EXPECT_FALSE(Le());
        EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{"Erro em fechado.cfg"});
    }
}

} // namespace
