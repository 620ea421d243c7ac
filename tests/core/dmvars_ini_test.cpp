// The settings table: its rows, the reading rules of each kind, the range
// messages, and every row through the INI file and back.
#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "editor/dmcnfdir_caminhos.h"
#include "editor/documentos.h"
#include "platform/codepage.h"
#include "platform/dialogos.h"
#include "platform/ini.h"
#include "platform/texto.h"
#include "support/aberturas_teste.h"
#include "support/config_teste.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

std::string Minusculas(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(MinusculaWindows(static_cast<unsigned char>(c)));
    return r;
}

const ChaveConfig& Linha(std::string_view chave) {
    for (const ChaveConfig& c : TabelaConfiguracao())
        if (Minusculas(c.chave) == Minusculas(chave)) return c;
    ADD_FAILURE() << "no row for " << chave;
    return TabelaConfiguracao().front();
}

constexpr GrupoConfig kGrupos[] = {GrupoConfig::Programa,  GrupoConfig::Diretorios,  GrupoConfig::PastaAtual,
                                   GrupoConfig::Recentes,  GrupoConfig::Margem,      GrupoConfig::ArquivoMacro,
                                   GrupoConfig::Impressora, GrupoConfig::Dicionario};

// Each key once (letter case aside), each variable in one row of its kind,
// each group in one piece.
TEST(TabelaConfig, ChavesVariaveisEGruposUmaVezSo) {
    std::set<std::string> chaves;
    std::set<const void*> variaveis;
    std::vector<GrupoConfig> vistos;
    for (const ChaveConfig& c : TabelaConfiguracao()) {
        EXPECT_TRUE(chaves.insert(std::string(SecaoDaChave(c)) + "/" + Minusculas(c.chave)).second) << c.chave;
        const void* v = c.flag ? static_cast<const void*>(c.flag)
                        : c.inteiro ? static_cast<const void*>(c.inteiro)
                                    : static_cast<const void*>(c.texto);
        EXPECT_EQ((c.flag != nullptr) + (c.inteiro != nullptr) + (c.texto != nullptr), v ? 1 : 0) << c.chave;
        if (v) { EXPECT_TRUE(variaveis.insert(v).second) << c.chave; }
        EXPECT_EQ(c.flag != nullptr, v && c.tipo == TipoConfig::Flag) << c.chave;
        EXPECT_EQ(c.inteiro != nullptr, v && c.tipo == TipoConfig::Inteiro) << c.chave;
        if (vistos.empty() || vistos.back() != c.grupo) {
            for (GrupoConfig g : vistos) EXPECT_NE(g, c.grupo) << "group split at " << c.chave;
            vistos.push_back(c.grupo);
        }
    }
    EXPECT_EQ(vistos.size(), std::size(kGrupos));
    EXPECT_EQ(ChavesDoGrupo(GrupoConfig::Recentes).size(), static_cast<std::size_t>(ListaRecentes::MaxItens));
}

// A row's value as text: "S"/"N" for a flag.
std::string ValorDaLinha(const ChaveConfig& c) {
    if (c.flag) return *c.flag ? "S" : "N";
    if (c.inteiro) return std::to_string(*c.inteiro);
    return c.texto ? *c.texto : "";
}

std::vector<std::string> Instantaneo() {
    std::vector<std::string> v;
    for (const ChaveConfig& c : TabelaConfiguracao()) v.push_back(ValorDaLinha(c));
    return v;
}

// Every row a value other than its default: flags flipped, integers moved
// inside their range, texts long and accented.
void MudaTudo() {
    int n = 0;
    for (const ChaveConfig& c : TabelaConfiguracao()) {
        ++n;
        if (c.flag) *c.flag = !c.flagPadrao;
        if (c.inteiro) *c.inteiro = c.inteiroPadrao + 1 + n % 3 > c.maximo ? c.minimo : c.inteiroPadrao + 1 + n % 3;
        if (c.texto)
            *c.texto = "/pasta com acentuação/"_cp + std::string(c.chave) + "/" + std::string(120, 'x') + ".é"_cp;
    }
}

TEST(IdaEVolta, CadaLinhaLeOQueFoiGravado) {
    ConfiguracaoDeTeste cfg;
    DialogosFalsosEscopo dlg;
    const auto leTudo = [] { for (GrupoConfig g : kGrupos) LeGrupo(g); };
    const auto gravaTudo = [] { for (GrupoConfig g : kGrupos) ASSERT_TRUE(GravaGrupo(g)); };
    const std::vector<std::string> padroes = Instantaneo();
    MudaTudo();
    leTudo();
    EXPECT_EQ(Instantaneo(), padroes) << "no file: every default";
    MudaTudo();
    const std::vector<std::string> escritos = Instantaneo();
    gravaTudo();
    RestauraPadroes();
    leTudo();
    EXPECT_EQ(Instantaneo(), escritos);
    EXPECT_TRUE(dlg.fake.registros.empty());
    RestauraPadroes();
    gravaTudo();
    MudaTudo();
    leTudo();
    EXPECT_EQ(Instantaneo(), padroes);
    // The two embosser flags as words, the others as letters.
    EXPECT_EQ(LePerfil("IMPBRAILLE", "EnviaVazias", "", 0, cfg.ini()), "NÃO"_cp);
    EXPECT_EQ(LePerfil("IMPBRAILLE", "ForcaExtBRL", "", 0, cfg.ini()), "SIM");
    EXPECT_EQ(LePerfil("IMPBRAILLE", "Interponto", "", 0, cfg.ini()), "N");
    EXPECT_EQ(LePerfil("DOTMARA", "comTitulo", "", 0, cfg.ini()), "S");
}

TEST(IdaEVolta, ChavesSemVariavelGuardamSeuTexto) {
    ConfiguracaoDeTeste cfg;
    const std::string longo = "/home/usuário/"_cp + std::string(300, 'p') + "/";
    for (const ChaveConfig& c : TabelaConfiguracao()) {
        if (c.flag || c.inteiro || c.texto) continue;
        ASSERT_TRUE(GravaTextoChave(c, longo + std::string(c.chave))) << c.chave;
        EXPECT_EQ(LeTextoChave(c), longo + std::string(c.chave)) << c.chave;
        ASSERT_TRUE(ApagaChave(c));
        EXPECT_EQ(LePerfil("DOTMARA", std::string(c.chave), "<ausente>", 0, cfg.ini()), "<ausente>");
    }
}

// A flag by its first character. Columns: as it stands with the default on,
// off, then upper-cased first with the default on, off.
TEST(RegrasDeLeitura, FlagsPeloPrimeiroCaractere) {
    const std::pair<const char*, const char*> casos[] = {
        {"S", "1111"},   {"s", "1011"}, {"N", "0000"}, {"n", "1000"}, {"SIM", "1111"}, {"sim", "1011"},
        {"NÃO", "0000"}, {"não", "1000"}, {"", "1010"}, {"x", "1010"}, {" N", "1010"},  {" S", "1010"},
        {"1", "1010"},   {"Sx", "1111"},
    };
    for (auto [texto, esperado] : casos) {
        std::string r;
        for (LeituraFlag modo : {LeituraFlag::Exata, LeituraFlag::Maiuscula})
            for (bool padrao : {true, false}) r += TextoParaLogico(Utf8ParaCp1252(texto), padrao, modo) ? '1' : '0';
        EXPECT_EQ(r, esperado) << texto;
    }
}

TEST(RegrasDeLeitura, TextoParaInteiroSoUmNumeroInteiro) {
    const std::pair<const char*, std::pair<int, int>> casos[] = {
        {"12", {1, 12}},    {"", {9999, 9999}}, {"  3", {1, 3}},   {"3 ", {1, 1}},   {"3a", {1, 1}},
        {"-2", {1, -2}},    {"+4", {1, 4}},     {"- 4", {1, 1}},   {"$10", {1, 16}}, {"x1f", {1, 31}},
        {"0X10", {1, 16}},  {"-$10", {1, -16}}, {"$", {5, 5}},     {"0x", {5, 5}},   {"1f", {5, 5}},
        {"-", {5, 5}},      {"4\t", {1, 1}},    {"0009", {1, 9}},  {"1.5", {9, 9}},
        {"2147483647", {1, 2147483647}},        {"-2147483648", {1, -2147483647 - 1}},
        {"2147483648", {7, 7}}, {"-2147483649", {7, 7}}, {"$80000000", {7, 7}},
    };
    for (const auto& [texto, c] : casos) EXPECT_EQ(TextoParaInteiro(texto, c.first), c.second) << texto;
}

// A key as the file holds it (nullptr: missing) and the value read: a number
// out of range gives the default and, for the ranged keys, their message;
// other text that is no number gives the default silently.
TEST(RegrasDeLeitura, ValoresDoArquivoEMensagensDeFaixa) {
    const std::string numeracao = "Numeração de páginas inválida. O padrão será adotado."_cp;
    const std::string grafico =
        "Tratamento gráfico inválido!\r\n\r\n    Será adotada intercação de modos texto e gráfico."_cp;
    const std::string linhas = "Número de linhas inválido (de 2 a 100). O padrão será adotado."_cp;
    const std::string colunas = "Número de colunas inválido (de 10 a 100). O padrão será adotado."_cp;
    const std::string impar = "Margem ímpar inválida (de 0 a 40). O padrão será adotado."_cp;
    const std::string par = "Margem par inválida (de 0 a 40). O padrão será adotado."_cp;
    struct Caso {
        const char* chave;
        const char* texto;
        std::string esperado;
        const std::string* mensagem = nullptr;
    };
    const Caso casos[] = {
        {"estiloNumPag", "3", "3"}, {"estiloNumPag", "4", "0", &numeracao}, {"estiloNumPag", "-1", "0", &numeracao},
        {"estiloNumPag", "x", "0"}, {"tipoTratGrafico", "4", "4"}, {"tipoTratGrafico", "9", "0", &grafico},
        {"tipoTratGrafico", "-1", "0", &grafico}, {"tipoTratGrafico", "x", "1"}, {"maxCarac", " 40", "40"},
        {"maxCarac", "40 ", "34"}, {"maxLin", "$1C", "28"}, {"maxLin", "$10", "16"}, {"tipoCabec", "7", "7"}, {"Colunas", "40", "40"},
        {"PolegsForm", "doze", "11"}, {"maxCarac", "0", "34", &colunas}, {"maxCarac", "100000", "34", &colunas},
        {"maxCarac", "9", "34", &colunas}, {"maxCarac", "10", "10"}, {"maxCarac", "100", "100"},
        {"maxLin", "-3", "28", &linhas}, {"maxLin", "1", "28", &linhas}, {"maxLin", "2", "2"},
        {"maxLin", "101", "28", &linhas}, {"margemImpar", "2000000000", "0", &impar},
        {"margemImpar", "-1", "0", &impar}, {"margemImpar", "40", "40"}, {"margemPar", "41", "0", &par},
        // The wrap column: a whole number of at least 1, else 70, silently.
        {"maxCol", "1", "1"}, {"maxCol", "0", "70"}, {"maxCol", "-5", "70"}, {"maxCol", "12a", "70"},
        {"maxCol", "120", "120"},
        // Texts as they stand; the dictionary's defaults stand for a missing key only.
        {"NomeArq", "", "PRN"}, {"NomeArq", nullptr, "PRN"}, {"NomeArq", "lpt2", "lpt2"},
        {"Marca", "puma 7", "puma 7"}, {"titulo", "  Livro  ", "  Livro  "}, {"ambcode", "", "ambcode.cfg"},
        {"AMBCODE", "/tabelas/a.cfg", "/tabelas/a.cfg"}, {"arqTrab", "", ""}, {"ARQDIC", "", ""},
        {"ARQDIC", nullptr, "diciona.dic"}, {"arqnomes", "nomes.txt", "nomes.txt"},
    };
    for (const Caso& c : casos) {
        ConfiguracaoDeTeste cfg;
        DialogosFalsosEscopo dlg;
        const ChaveConfig& linha = Linha(c.chave);
        if (c.texto) cfg.Grava(std::string(SecaoDaChave(linha)), c.chave, c.texto);
        LeChave(linha);
        EXPECT_EQ(ValorDaLinha(linha), c.esperado) << c.chave << "=" << (c.texto ? c.texto : "(missing)");
        EXPECT_EQ(dlg.fake.Textos(), c.mensagem ? std::vector<std::string>{*c.mensagem} : std::vector<std::string>{})
            << c.chave << "=" << (c.texto ? c.texto : "(missing)");
        if (c.mensagem) { EXPECT_EQ(dlg.fake.registros[0].tipo, DialogosFalsos::Tipo::MensagemOK); }
    }
    // Letter case counts for every flag except three.
    const std::set<std::string> semCaixa = {"brailleAntigo", "EnviaVazias", "quebraLin"};
    for (const ChaveConfig& c : TabelaConfiguracao()) {
        if (!c.flag) continue;
        ConfiguracaoDeTeste cfg;
        cfg.Grava(std::string(SecaoDaChave(c)), std::string(c.chave), c.flagPadrao ? "n" : "s");
        LeChave(c);
        EXPECT_EQ(*c.flag, semCaixa.count(std::string(c.chave)) ? !c.flagPadrao : c.flagPadrao) << c.chave;
    }
    // The macro file defaults to the program folder.
    ConfiguracaoDeTeste cfg;
    const ChaveConfig& macro = ChaveDoGrupo(GrupoConfig::ArquivoMacro);
    EXPECT_EQ(LeTextoChave(macro), DirPrograma + "CODMAT.AMB");
    cfg.Grava("DOTMARA", "ambMacro", "");
    EXPECT_EQ(LeTextoChave(macro), DirPrograma + "CODMAT.AMB");
    cfg.Grava("DOTMARA", "ambMacro", "/m/macros.amb");
    EXPECT_EQ(LeTextoChave(macro), "/m/macros.amb");
}

// A group reads and writes its own keys only; recent files by number 1 to 5.
TEST(Grupos, LeEGravaSoSuasChaves) {
    ConfiguracaoDeTeste cfg;
    cfg.Grava("DOTMARA", "maxCarac", "40");
    cfg.Grava("IMPBRAILLE", "Colunas", "42");
    cfg.Grava("DOTMARA", "maxCol", "60");
    cfg.Grava("DOTMARA", "arq1", "/d/um.txt");
    LeGrupo(GrupoConfig::Impressora);
    EXPECT_EQ(MaxCarac, 34);
    EXPECT_EQ(ImprColunas, 42);
    LeGrupo(GrupoConfig::Margem);
    EXPECT_EQ(MaxCol, 60);
    QuebraLin = false;
    ASSERT_TRUE(GravaGrupo(GrupoConfig::Margem));
    EXPECT_EQ(LePerfil("DOTMARA", "quebraLin", "", 0, cfg.ini()), "N");
    EXPECT_EQ(LePerfil("DOTMARA", "maxCarac", "", 0, cfg.ini()), "40");
    EXPECT_EQ(LePerfil("DOTMARA", "arq1", "", 0, cfg.ini()), "/d/um.txt");
    EXPECT_EQ(LePerfil("IMPBRAILLE", "Marca", "<x>", 0, cfg.ini()), "<x>");
    EXPECT_TRUE(GravaRecenteNoIni(5, "/d/cinco.txt", cfg.ini()));
    EXPECT_EQ(LePerfil("DOTMARA", "arq5", "", 0, cfg.ini()), "/d/cinco.txt");
    EXPECT_FALSE(GravaRecenteNoIni(0, "/d/zero.txt", cfg.ini()));
    EXPECT_FALSE(GravaRecenteNoIni(6, "/d/seis.txt", cfg.ini()));
    EXPECT_EQ(cfg.Conteudo().find("zero"), std::string::npos);
    EXPECT_EQ(cfg.Conteudo().find("seis"), std::string::npos);
}

// Each load reads the file once, whatever its size and the number of its
// keys (reading it again for every key took seconds on a large file); a file
// that begins with a byte order mark gives its first section's keys.
TEST(Grupos, CadaCargaLeOArquivoUmaVez) {
    ConfiguracaoDeTeste cfg;
    DialogosFalsosEscopo dlg;
    std::string notas;
    for (int i = 0; i < 20000; ++i) notas += "nota" + std::to_string(i) + "=uma nota\r\n";
    cfg.DefineConteudo("\xEF\xBB\xBF[DOTMARA]\r\nmaxCarac=40\r\nbrailleAntigo=S\r\narq1=/d/um.txt\r\n"
                       "[IMPBRAILLE]\r\nColunas=42\r\n[NOTAS]\r\n" + notas);
    AberturasDoArquivo aberturas(cfg.ini());
    for (GrupoConfig g : kGrupos) {
        LeGrupo(g);
        EXPECT_EQ(aberturas.Conta(), 1) << static_cast<int>(g);
    }
    PastasConfig pastas;
    LeDiretorios(pastas, cfg.ini());
    EXPECT_EQ(aberturas.Conta(), 1);
    ListaRecentes recentes;
    recentes.LeIni(cfg.ini());
    EXPECT_EQ(aberturas.Conta(), 1);
    EXPECT_EQ(recentes.Itens(), std::vector<std::string>{"/d/um.txt"});
    EXPECT_EQ(MaxCarac, 40);
    EXPECT_TRUE(BrailleAntigo);
    EXPECT_EQ(ImprColunas, 42);
}

} // namespace
