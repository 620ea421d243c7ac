// Configuration profiles: a saved profile loaded back gives the same settings
// and file; a load that cannot be made leaves both as they were, and says so.
#include "editor/dmperfil.h"

#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "editor/dmcnfdir_caminhos.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/texto.h"
#include "support/config_teste.h"
#include "support/falhas_teste.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <iterator>
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
// wait in the settings file for the next start. The settings file it
// replaced is kept beside it, and the user is told where.
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
    const std::string iniB = cfg.Conteudo();

    ASSERT_TRUE(CarregaConfiguracao(perfil, cfg.ini()));
    EXPECT_EQ(cfg.Conteudo(), iniA);
    EXPECT_EQ(ArquivoAnteriorAoPerfil(cfg.ini()), cfg.ini() + ".bak");
    EXPECT_EQ(LeArquivoTeste(cfg.ini() + ".bak"), iniB);
    EXPECT_EQ(dlg.fake.Textos().back(),
              "Configuração carregada.\r\nA configuração anterior foi guardada em "_cp + cfg.ini() + ".bak.");
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

// A file that is no profile is refused: the settings file, its former copy
// and the settings stay as they were, and the user is told.
TEST_F(Perfis, CargaRecusadaGuardaAsConfiguracoes) {
    Grava(kPerfilA);
    const auto antes = Configuracoes();
    const std::string iniAntes = cfg.Conteudo();
    const std::string bakDoIni = ArquivoAnteriorAoPerfil(cfg.ini());
    GravaArquivoTeste(bakDoIni, "anterior");
    const struct { const char* nome; std::string origem; } casos[] = {
        {"sem nome", ""},
        {"arquivo que não existe", pasta.caminho("nada.ini")},
        {"pasta", pasta.dir()},
        {"ini de outro programa", pasta.grava("outro.ini", "[Janela]\r\nx=1\r\n")},
        {"arquivo vazio", pasta.grava("vazio.ini", "")},
        {"cortado no meio da primeira chave", pasta.grava("cortado.ini", "[DOTMARA]\r\nmaxCa")},
        {"sem a seção do programa", pasta.grava("impressora.ini", "[IMPBRAILLE]\r\nMarca=Index\r\n")},
        {"binário", pasta.grava("bin.ini", std::string("[DOTMARA]\r\nmaxCarac=3") + '\0' + "\xff")},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        dlg.fake.Limpa();
        EXPECT_FALSE(CarregaConfiguracao(c.origem, cfg.ini()));
        EXPECT_EQ(dlg.fake.Textos(), std::vector<std::string>{"Erro ao carregar a configuração."_cp});
        EXPECT_EQ(cfg.Conteudo(), iniAntes);
        EXPECT_EQ(LeArquivoTeste(bakDoIni), "anterior");
        EXPECT_EQ(Configuracoes(), antes);
    }
}

// Whichever system call of a load fails (keeping the former settings or
// writing the new ones), the settings file stays whole as it was, nothing
// is left beside it but its former copy, and the user is told.
TEST_F(Perfis, CargaQueFalhaEmQualquerPassoGuardaAsConfiguracoes) {
    Grava(kPerfilA);
    const auto antes = Configuracoes();
    const std::string iniAntes = cfg.Conteudo();
    const std::string perfil = pasta.grava("bom.ini", "[DOTMARA]\r\nmaxCarac=20\r\n");
    const std::string bak = ArquivoAnteriorAoPerfil(cfg.ini());
    int n = 0;
    {
        FalhaNaChamada conta;
        ASSERT_TRUE(CarregaConfiguracao(perfil, cfg.ini()));
        n = conta.Chamadas();
    }
    ASSERT_GE(n, 10);
    for (int k = 1; k <= n; ++k) {
        SCOPED_TRACE(k);
        cfg.DefineConteudo(iniAntes);
        LeTudo(cfg.ini());
        std::remove(bak.c_str());
        dlg.fake.Limpa();
        {
            FalhaNaChamada falha(k);
            EXPECT_FALSE(CarregaConfiguracao(perfil, cfg.ini()));
        }
        EXPECT_EQ(dlg.fake.Textos(), std::vector<std::string>{"Erro ao carregar a configuração."_cp});
        EXPECT_EQ(cfg.Conteudo(), iniAntes);
        EXPECT_EQ(Configuracoes(), antes);
        const int entradas = ArquivoExiste(bak) ? 3 : 2;   // the file, its lock, its former copy
        if (entradas == 3) {
            EXPECT_EQ(LeArquivoTeste(bak), iniAntes);
        }
        EXPECT_EQ(static_cast<int>(std::distance(std::filesystem::directory_iterator(ExtraiDiretorio(cfg.ini())),
                                                 std::filesystem::directory_iterator())),
                  entradas);
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
    EXPECT_FALSE(ArquivoExiste(ArquivoAnteriorAoPerfil(ini)));   // nothing was replaced
    EXPECT_EQ(dlg.fake.Textos(), std::vector<std::string>{});
}

// A profile has a section "DOTMARA" (its first) with a key of the program's
// own, and no NUL byte.
TEST(PareceConfiguracao, SecaoDoProgramaComChaveConhecida) {
    const std::pair<std::string, bool> casos[] = {
        {"[DOTMARA]\r\nmaxCarac=34\r\n", true},
        {"; comentário\r\n  [ dotmara ]\r\n  MAXCARAC = 34\r\n"_cp, true},
        {"[DOTMARA]\nultimoDir=\n", true},
        {"\xEF\xBB\xBF[DOTMARA]\r\nbrailleAntigo=S\r\n", true},
        {"[IMPBRAILLE]\nMarca=Index\n[DOTMARA]\narq1=/d/livro.txt", true},
        {"[DOTMARA]\r\nmaxCa", false},
        {"[DOTMARA]\r\nmaxCarac\r\n", false},
        {"[DOTMARA]\r\n;maxCarac=34\r\n", false},
        {"[DOTMARA]\r\noutraChave=1\r\n", false},
        {"[DOTMARA]\r\n[DOTMARA]\r\nmaxCarac=34\r\n", false},
        {"[IMPBRAILLE]\nMarca=Index\n", false},
        {"[Dicionario]\nARQDIC=x\n", false},
        {"maxCarac=34\r\n", false},
        {"", false},
        {std::string("[DOTMARA]\r\nmaxCarac=34\r\n\0", 25), false},
    };
    for (const auto& [texto, esperado] : casos) EXPECT_EQ(PareceConfiguracao(texto), esperado) << texto;
}

} // namespace
