// Configuration profiles: a saved profile loaded back gives the same settings
// and file; a load that cannot be made leaves both as they were, and says so.
#include "editor/dmperfil.h"

#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "editor/dmcnfdir_caminhos.h"
#include "platform/dialogos.h"
#include "platform/texto.h"
#include "support/config_teste.h"

#include <gtest/gtest.h>

#include <map>
#include <span>
#include <string>
#include <vector>

namespace {

// The settings of the groups a load reads again (program, embosser) or of the others.
std::map<std::string, std::string> Configuracoes(bool relidas) {
    std::map<std::string, std::string> r;
    for (const ChaveConfig& c : TabelaConfiguracao()) {
        const bool relida = c.grupo == GrupoConfig::Programa || c.grupo == GrupoConfig::Impressora;
        if (relida == relidas && (c.flag || c.inteiro || c.texto))
            r[std::string(SecaoDaChave(c)) + "/" + std::string(c.chave)] = TextoDaChave(c);
    }
    return r;
}
std::map<std::string, std::string> Configuracoes() {
    auto r = Configuracoes(true);
    r.merge(Configuracoes(false));
    return r;
}

// The settings read from a file as the program reads them at start-up.
void LeTudo(const std::string& ini) {
    LeGrupo(GrupoConfig::Programa, ini);
    LeGrupo(GrupoConfig::Impressora, ini);
    PastasConfig pastas;
    LeDiretorios(pastas, ini);
    LeGrupo(GrupoConfig::Margem, ini);
    LeGrupo(GrupoConfig::Dicionario, ini);
}

struct Valor { const char* secao; const char* chave; const char* valor; };

// One value of each group a profile carries.
const Valor kPerfilA[] = {
    {"DOTMARA", "brailleAntigo", "S"}, {"DOTMARA", "maxCarac", "40"}, {"DOTMARA", "titulo", "Livro A"},
    {"DOTMARA", "tipoTratGrafico", "3"}, {"DOTMARA", "maxCol", "60"}, {"DOTMARA", "quebraLin", "N"},
    {"DOTMARA", "amBCode", "ambcode.cfg"}, {"IMPBRAILLE", "Marca", "Index Basic"}, {"IMPBRAILLE", "Colunas", "40"},
    {"IMPBRAILLE", "EnviaVazias", "SIM"}, {"DICIONARIO", "ARQDIC", "meu.dic"},
};
const Valor kPerfilB[] = {
    {"DOTMARA", "brailleAntigo", "N"}, {"DOTMARA", "maxCarac", "30"}, {"DOTMARA", "titulo", "Livro B"},
    {"DOTMARA", "tipoTratGrafico", "0"}, {"DOTMARA", "maxCol", "50"}, {"DOTMARA", "quebraLin", "S"},
    {"IMPBRAILLE", "Marca", "Puma 7"}, {"IMPBRAILLE", "Colunas", "32"}, {"IMPBRAILLE", "EnviaVazias", "NÃO"},
    {"DICIONARIO", "ARQDIC", "outro.dic"},
};

class Perfis : public ::testing::Test {
protected:
    void Grava(std::span<const Valor> valores) {
        for (const Valor& v : valores) cfg.Grava(v.secao, v.chave, v.valor);
        LeTudo(cfg.ini());
    }
    ConfiguracaoDeTeste cfg;
    PastaTemporaria pasta;
    DialogosFalsosEscopo dlg;
};

// A load takes the program and embosser settings at once; the other keys
// wait in the settings file for the next start.
TEST_F(Perfis, SalvarECarregarDaAsMesmasConfiguracoes) {
    Grava(kPerfilA);
    const auto a = Configuracoes(true);
    const std::string iniA = cfg.Conteudo();
    const std::string perfil = pasta.caminho("livroA.ini");
    ASSERT_TRUE(SalvaConfiguracao(perfil, cfg.ini()));
    EXPECT_EQ(pasta.le("livroA.ini"), iniA);   // the whole file, byte for byte

    Grava(kPerfilB);
    ASSERT_NE(Configuracoes(true), a);
    const auto emVigor = Configuracoes(false);

    ASSERT_TRUE(CarregaConfiguracao(perfil, cfg.ini()));
    EXPECT_EQ(cfg.Conteudo(), iniA);
    const auto depois = Configuracoes(true);
    for (const auto& [chave, valor] : a) EXPECT_EQ(depois.at(chave), valor) << chave;
    EXPECT_TRUE(BrailleAntigo);
    EXPECT_EQ(ImprMarca, "Index Basic");
    EXPECT_EQ(Configuracoes(false), emVigor);
    EXPECT_EQ(MaxCol, 50);
    EXPECT_EQ(ArqDicionario, "outro.dic");
    for (const std::string& t : dlg.fake.Textos()) EXPECT_EQ(t.find("Erro"), std::string::npos) << t;
    LeTudo(cfg.ini());   // at the next start the whole profile is in force
    EXPECT_EQ(MaxCol, 60);
    EXPECT_EQ(ArqDicionario, "meu.dic");
}

// Whatever makes a load fail, the old settings stay whole and the user is told.
TEST_F(Perfis, CargaQueFalhaGuardaAsConfiguracoes) {
    Grava(kPerfilA);
    const auto antes = Configuracoes();
    const std::string iniAntes = cfg.Conteudo();
    const struct { const char* nome; std::string origem; bool gravacaoFalha; } casos[] = {
        {"sem nome", "", false},
        {"arquivo que não existe", pasta.caminho("nada.ini"), false},
        {"pasta", pasta.dir(), false},
        {"ini de outro programa", pasta.grava("outro.ini", "[Janela]\r\nx=1\r\n"), false},
        {"arquivo vazio", pasta.grava("vazio.ini", ""), false},
        {"binário", pasta.grava("bin.ini", std::string("[DOTMARA]\r\nmaxCarac=3") + '\0' + "\xff"), false},
        {"gravação que falha", pasta.grava("bom.ini", "[DOTMARA]\r\nmaxCarac=20\r\n"), true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        dlg.fake.Limpa();
        bool chamada = false;
        const bool ok = CarregaConfiguracao(c.origem, cfg.ini(), [&](const std::string&, const std::string&) {
            chamada = true;
            return !c.gravacaoFalha;
        });
        EXPECT_FALSE(ok);
        EXPECT_EQ(chamada, c.gravacaoFalha);   // nothing is written from a file that is no profile
        EXPECT_EQ(dlg.fake.Textos(), std::vector<std::string>{"Erro ao carregar a configuração."_cp});
        EXPECT_EQ(cfg.Conteudo(), iniAntes);
        EXPECT_EQ(Configuracoes(), antes);
    }
}

TEST_F(Perfis, SalvarSemArquivoOuEmLugarImpossivel) {
    EXPECT_FALSE(SalvaConfiguracao(pasta.caminho("p.ini"), cfg.ini()));   // no settings file yet
    EXPECT_EQ(dlg.fake.Textos(), std::vector<std::string>{"Erro ao salvar a configuração."_cp});
    EXPECT_EQ(pasta.entradas(), 0);

    Grava(kPerfilA);
    dlg.fake.Limpa();
    const std::string arquivo = pasta.grava("arquivo.txt", "x");
    EXPECT_FALSE(SalvaConfiguracao(arquivo + "/p.ini", cfg.ini()));
    EXPECT_FALSE(SalvaConfiguracao(pasta.dir(), cfg.ini()));
    EXPECT_EQ(dlg.fake.Textos(), std::vector<std::string>(2, "Erro ao salvar a configuração."_cp));
    EXPECT_EQ(pasta.le("arquivo.txt"), "x");
}

// A settings file not there yet is made, folders included.
TEST_F(Perfis, CarregarSemArquivoDeConfiguracao) {
    const std::string perfil = pasta.grava("p.ini", "[DOTMARA]\r\nmaxCarac=38\r\n");
    const std::string ini = pasta.caminho("novo/pasta/DOTMARA.INI");
    ASSERT_TRUE(CarregaConfiguracao(perfil, ini));
    EXPECT_EQ(pasta.le("novo/pasta/DOTMARA.INI"), "[DOTMARA]\r\nmaxCarac=38\r\n");
    EXPECT_EQ(MaxCarac, 38);
    EXPECT_EQ(MaxLin, 28);   // a key the profile lacks takes its default
}

TEST(PareceConfiguracao, SoComSecaoDoProgramaESemBytesNulos) {
    const std::pair<std::string, bool> casos[] = {
        {"[DOTMARA]\r\nmaxCarac=34\r\n", true},
        {"; comentário\r\n  [ dotmara ]\r\n"_cp, true},
        {"[IMPBRAILLE]\nMarca=Index\n", true},
        {"[Dicionario]", true},
        {"", false},
        {"DOTMARA=1\r\n", false},
        {"[Outro]\r\n[DOTMARA\r\n", false},
        {std::string("[DOTMARA]\r\n\0", 12), false},
    };
    for (const auto& [texto, esperado] : casos) EXPECT_EQ(PareceConfiguracao(texto), esperado) << texto;
}

} // namespace
