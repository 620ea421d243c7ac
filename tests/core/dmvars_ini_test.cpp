// The settings table: its rows, the reading rules of each kind, the range
// messages, and every row through the INI file and back.
#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "editor/documentos.h"
#include "platform/codepage.h"
#include "platform/dialogos.h"
#include "platform/ini.h"
#include "platform/texto.h"
#include "support/config_teste.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

std::string Minusculas(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

const ChaveConfig& Linha(std::string_view chave) {
    for (const ChaveConfig& c : TabelaConfiguracao())
        if (Minusculas(c.chave) == Minusculas(chave)) return c;
    ADD_FAILURE() << "no row for " << chave;
    return TabelaConfiguracao().front();
}

// The keys of one section of an INI text, in the order they stand.
std::vector<std::string> ChavesNaOrdem(const std::string& ini, const std::string& secao) {
    std::vector<std::string> r;
    bool dentro = false;
    std::size_t i = 0;
    while (i < ini.size()) {
        std::size_t f = ini.find('\n', i);
        if (f == std::string::npos) f = ini.size();
        std::string l = ini.substr(i, f - i);
        if (!l.empty() && l.back() == '\r') l.pop_back();
        if (!l.empty() && l[0] == '[')
            dentro = l == "[" + secao + "]";
        else if (dentro && l.find('=') != std::string::npos)
            r.push_back(l.substr(0, l.find('=')));
        i = f + 1;
    }
    return r;
}

constexpr GrupoConfig kGrupos[] = {GrupoConfig::Programa,  GrupoConfig::Diretorios,  GrupoConfig::PastaAtual,
                                   GrupoConfig::Recentes,  GrupoConfig::Margem,      GrupoConfig::ArquivoMacro,
                                   GrupoConfig::Impressora, GrupoConfig::Dicionario};

void LeTudo() {
    for (GrupoConfig g : kGrupos) LeGrupo(g);
}

// ---- The table ---------------------------------------------------------------

TEST(TabelaConfig, EachKeyOnceEachGroupInOnePieceEachVariableOneRow) {
    std::set<std::string> chaves;
    std::set<const void*> variaveis;
    std::vector<GrupoConfig> vistos;
    for (const ChaveConfig& c : TabelaConfiguracao()) {
        // Key names ignore letter case in the file.
        EXPECT_TRUE(chaves.insert(std::string(SecaoDaChave(c)) + "/" + Minusculas(c.chave)).second) << c.chave;
        const void* v = c.flag ? static_cast<const void*>(c.flag)
                        : c.inteiro ? static_cast<const void*>(c.inteiro)
                                    : static_cast<const void*>(c.texto);
        EXPECT_EQ((c.flag != nullptr) + (c.inteiro != nullptr) + (c.texto != nullptr), v ? 1 : 0) << c.chave;
        if (v) {
            EXPECT_TRUE(variaveis.insert(v).second) << c.chave;
        }
        // A row's variable matches its kind.
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

// The orders in which the windows write their groups.
TEST(TabelaConfig, GroupsAreWrittenInTheirWindowsOrder) {
    ConfiguracaoDeTeste cfg;
    ASSERT_TRUE(GravaGrupo(GrupoConfig::Programa));
    ASSERT_TRUE(GravaGrupo(GrupoConfig::Impressora));
    ASSERT_TRUE(GravaGrupo(GrupoConfig::Diretorios));
    const std::string ini = cfg.Conteudo();
    EXPECT_EQ(ChavesNaOrdem(ini, "DOTMARA"),
              (std::vector<std::string>{"estiloNumPag", "brailleAntigo", "maxCarac", "maxLin", "tipoCabec",
                                        "afastaCabPar", "autoJunta", "frenteVerso", "soFrenteInterp",
                                        "inicModoRevisor", "separaSilabas", "titulo", "comTitulo", "numeraOrig",
                                        "tiraBrancasInicioPag", "margemImpar", "margemPar", "textoIngles",
                                        "cabecIngles", "tipoTratGrafico", "arqTrab", "amBCode", "amBCode2",
                                        "grafBraille", "kelto", "grafemor", "velun", "puma2"}));
    EXPECT_EQ(ChavesNaOrdem(ini, "IMPBRAILLE"),
              (std::vector<std::string>{"Marca", "Interponto", "PolegsForm", "Linhas", "Colunas", "NomeArq",
                                        "EnviaVazias", "ForcaExtBRL"}));
    // The two embosser flags as words, the others as letters.
    EXPECT_EQ(LePerfil("IMPBRAILLE", "EnviaVazias", "", 0, cfg.ini()), "NÃO"_cp);
    EXPECT_EQ(LePerfil("IMPBRAILLE", "ForcaExtBRL", "", 0, cfg.ini()), "SIM");
    EXPECT_EQ(LePerfil("IMPBRAILLE", "Interponto", "", 0, cfg.ini()), "N");
    EXPECT_EQ(LePerfil("DOTMARA", "comTitulo", "", 0, cfg.ini()), "S");
    EXPECT_EQ(LePerfil("DOTMARA", "margemPar", "", 0, cfg.ini()), "0");
}

// ---- Round trip --------------------------------------------------------------

// A value other than the default for every row with a variable: flags
// flipped, integers moved inside their range, texts long and accented.
void MudaTudo() {
    int n = 0;
    for (const ChaveConfig& c : TabelaConfiguracao()) {
        ++n;
        if (c.flag) *c.flag = !c.flagPadrao;
        if (c.inteiro) {
            int v = c.inteiroPadrao + 1 + n % 3;
            if (v > c.maximo) v = c.minimo;
            *c.inteiro = v;
        }
        if (c.texto)
            *c.texto = "/pasta com acentuação/"_cp + std::string(c.chave) + "/" + std::string(120, 'x') + ".é"_cp;
    }
}

struct Valores {
    std::vector<bool> flags;
    std::vector<int> inteiros;
    std::vector<std::string> textos;
    bool operator==(const Valores&) const = default;
};

Valores Instantaneo() {
    Valores v;
    for (const ChaveConfig& c : TabelaConfiguracao()) {
        if (c.flag) v.flags.push_back(*c.flag);
        if (c.inteiro) v.inteiros.push_back(*c.inteiro);
        if (c.texto) v.textos.push_back(*c.texto);
    }
    return v;
}

TEST(IdaEVolta, EveryRowReadsBackWhatWasWritten) {
    ConfiguracaoDeTeste cfg;
    DialogosFalsosEscopo dlg;
    MudaTudo();
    const Valores escritos = Instantaneo();
    for (GrupoConfig g : kGrupos) ASSERT_TRUE(GravaGrupo(g));
    RestauraPadroes();
    ASSERT_NE(Instantaneo(), escritos);
    LeTudo();
    EXPECT_EQ(Instantaneo(), escritos);
    for (const ChaveConfig& c : TabelaConfiguracao()) {
        if (c.texto) {
            EXPECT_GT(c.texto->size(), 140u) << c.chave << ": a long value reads back whole";
        }
    }
    EXPECT_TRUE(dlg.fake.registros.empty());

    // The same once more with every setting at its default.
    RestauraPadroes();
    const Valores padroes = Instantaneo();
    for (GrupoConfig g : kGrupos) ASSERT_TRUE(GravaGrupo(g));
    MudaTudo();
    LeTudo();
    EXPECT_EQ(Instantaneo(), padroes);
}

TEST(IdaEVolta, KeysWithoutAVariableKeepTheirText) {
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

TEST(IdaEVolta, NoFileGivesEveryDefaultWithoutAMessage) {
    ConfiguracaoDeTeste cfg;
    DialogosFalsosEscopo dlg;
    const Valores padroes = Instantaneo();
    MudaTudo();
    LeTudo();
    EXPECT_EQ(Instantaneo(), padroes);
    EXPECT_TRUE(dlg.fake.registros.empty());
}

// ---- Reading rules -----------------------------------------------------------

TEST(RegrasDeLeitura, FlagsByTheirFirstCharacter) {
    struct Caso {
        const char* texto;
        bool ligadoExato, desligadoExato, ligadoMaiuscula, desligadoMaiuscula;
    };
    // Columns: default on / off, case as it stands / upper-cased first.
    const Caso casos[] = {
        {"S", true, true, true, true},       {"s", true, false, true, true},
        {"N", false, false, false, false},   {"n", true, false, false, false},
        {"SIM", true, true, true, true},     {"sim", true, false, true, true},
        {"NÃO", false, false, false, false}, {"não", true, false, false, false},
        {"", true, false, true, false},      {"x", true, false, true, false},
        {" N", true, false, true, false},    {" S", true, false, true, false},
        {"1", true, false, true, false},     {"Sx", true, true, true, true},
    };
    for (const Caso& c : casos) {
        const std::string t = Utf8ParaCp1252(c.texto);
        EXPECT_EQ(TextoParaLogico(t, true, LeituraFlag::Exata), c.ligadoExato) << c.texto;
        EXPECT_EQ(TextoParaLogico(t, false, LeituraFlag::Exata), c.desligadoExato) << c.texto;
        EXPECT_EQ(TextoParaLogico(t, true, LeituraFlag::Maiuscula), c.ligadoMaiuscula) << c.texto;
        EXPECT_EQ(TextoParaLogico(t, false, LeituraFlag::Maiuscula), c.desligadoMaiuscula) << c.texto;
    }
}

// Letter case counts for every flag except these three.
TEST(RegrasDeLeitura, LetterCaseCountsExceptForThreeKeys) {
    const std::set<std::string> semCaixa = {"brailleAntigo", "EnviaVazias", "quebraLin"};
    for (const ChaveConfig& c : TabelaConfiguracao()) {
        if (!c.flag) continue;
        ConfiguracaoDeTeste cfg;
        // The lower-case form of the letter that would change the default.
        cfg.Grava(std::string(SecaoDaChave(c)), std::string(c.chave), c.flagPadrao ? "n" : "s");
        LeChave(c);
        const bool muda = semCaixa.count(std::string(c.chave)) > 0;
        EXPECT_EQ(*c.flag, muda ? !c.flagPadrao : c.flagPadrao) << c.chave;
    }
}

TEST(RegrasDeLeitura, TextoParaInteiroTakesOnlyOneWholeNumber) {
    struct Caso {
        const char* texto;
        int padrao, esperado;
    };
    const Caso casos[] = {
        {"12", 1, 12},       {"", 9999, 9999},     {"  3", 1, 3},       {"3 ", 1, 1},
        {"3a", 1, 1},        {"-2", 1, -2},        {"+4", 1, 4},        {"- 4", 1, 1},
        {"$10", 1, 16},      {"x1f", 1, 31},       {"0X10", 1, 16},     {"-$10", 1, -16},
        {"$", 5, 5},         {"0x", 5, 5},         {"1f", 5, 5},        {"-", 5, 5},
        {"2147483647", 1, 2147483647},             {"-2147483648", 1, -2147483647 - 1},
        {"2147483648", 7, 7}, {"-2147483649", 7, 7}, {"$80000000", 7, 7}, {"4\t", 1, 1},
        {"0009", 1, 9},      {"1.5", 9, 9},
    };
    for (const Caso& c : casos) EXPECT_EQ(TextoParaInteiro(c.texto, c.padrao), c.esperado) << c.texto;
}

// Integers from the file: text that is no number takes the key's default
// silently; only the two ranged keys report a number out of range.
TEST(RegrasDeLeitura, IntegersFromTheFileAndTheirRangeMessages) {
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
        int esperado;
        const std::string* mensagem;
    };
    const Caso casos[] = {
        {"estiloNumPag", "3", 3, nullptr},        {"estiloNumPag", "4", 0, &numeracao},
        {"estiloNumPag", "-1", 0, &numeracao},    {"estiloNumPag", "x", 0, nullptr},
        {"tipoTratGrafico", "4", 4, nullptr},     {"tipoTratGrafico", "9", 0, &grafico},
        {"tipoTratGrafico", "-1", 0, &grafico},   {"tipoTratGrafico", "x", 1, nullptr},
        {"maxCarac", " 40", 40, nullptr},         {"maxCarac", "40 ", 34, nullptr},
        {"maxLin", "$1C", 28, nullptr},           {"tipoCabec", "7", 7, nullptr},
        {"Colunas", "40", 40, nullptr},           {"PolegsForm", "doze", 11, nullptr},
        // Page sizes and margins no book has: the message and the default.
        {"maxCarac", "0", 34, &colunas},          {"maxCarac", "100000", 34, &colunas},
        {"maxCarac", "9", 34, &colunas},          {"maxCarac", "10", 10, nullptr},
        {"maxCarac", "100", 100, nullptr},        {"maxLin", "-3", 28, &linhas},
        {"maxLin", "1", 28, &linhas},             {"maxLin", "2", 2, nullptr},
        {"maxLin", "101", 28, &linhas},           {"margemImpar", "2000000000", 0, &impar},
        {"margemImpar", "-1", 0, &impar},         {"margemImpar", "40", 40, nullptr},
        {"margemPar", "41", 0, &par},
        // The wrap column: a whole number of at least 1, else 70, silently.
        {"maxCol", "1", 1, nullptr},     {"maxCol", "0", 70, nullptr},   {"maxCol", "-5", 70, nullptr},
        {"maxCol", "12a", 70, nullptr},  {"maxCol", "120", 120, nullptr},
    };
    for (const Caso& c : casos) {
        ConfiguracaoDeTeste cfg;
        DialogosFalsosEscopo dlg;
        const ChaveConfig& linha = Linha(c.chave);
        cfg.Grava(std::string(SecaoDaChave(linha)), c.chave, c.texto);
        LeChave(linha);
        EXPECT_EQ(*linha.inteiro, c.esperado) << c.chave << "=" << c.texto;
        if (c.mensagem) {
            ASSERT_EQ(dlg.fake.registros.size(), 1u) << c.chave << "=" << c.texto;
            EXPECT_EQ(dlg.fake.registros[0].tipo, DialogosFalsos::Tipo::MensagemOK);
            EXPECT_EQ(dlg.fake.registros[0].texto, *c.mensagem);
        } else {
            EXPECT_TRUE(dlg.fake.registros.empty()) << c.chave << "=" << c.texto;
        }
    }
}

// The same rules serve a value typed into a window.
TEST(RegrasDeLeitura, WindowsCheckTheirValuesByTheRows) {
    DialogosFalsosEscopo dlg;
    EXPECT_EQ(ValorInteiro(*ChaveDe(MaxCol), "0"), 70);
    EXPECT_EQ(ValorInteiro(*ChaveDe(MaxCol), "120"), 120);
    EXPECT_TRUE(ValorFlag(*ChaveDe(QuebraLin), "x"));
    int v = 2;
    EXPECT_TRUE(ValidaFaixa(*ChaveDe(EstiloNumPag), v));
    EXPECT_EQ(v, 2);
    v = 5;
    EXPECT_FALSE(ValidaFaixa(*ChaveDe(TipoTratGrafico), v));
    EXPECT_EQ(v, 0);
    EXPECT_EQ(dlg.fake.Textos().size(), 1u);
}

TEST(RegrasDeLeitura, EmptyAndMissingTexts) {
    struct Caso {
        const char* chave;
        const char* linhaIni; // nullptr: the key is missing
        std::string esperado;
    };
    const Caso casos[] = {
        {"NomeArq", "NomeArq=", "PRN"},
        {"NomeArq", nullptr, "PRN"},
        {"NomeArq", "NomeArq=lpt2", "lpt2"},
        {"Marca", "Marca=puma 7", "puma 7"},
        {"titulo", "titulo=  Livro  ", "  Livro  "},
        {"amBCode", "ambcode=", "ambcode.cfg"},
        {"amBCode", "AMBCODE=/tabelas/a.cfg", "/tabelas/a.cfg"},
        {"arqTrab", "arqTrab=", ""},
        // The dictionary's defaults stand for a missing key only.
        {"ARQDIC", "ARQDIC=", ""},
        {"ARQDIC", nullptr, "diciona.dic"},
        {"ARQNOMES", "arqnomes=nomes.txt", "nomes.txt"},
    };
    for (const Caso& c : casos) {
        ConfiguracaoDeTeste cfg;
        const ChaveConfig& linha = Linha(c.chave);
        if (c.linhaIni)
            cfg.DefineConteudo("[" + std::string(SecaoDaChave(linha)) + "]\r\n" + c.linhaIni + "\r\n");
        LeChave(linha);
        EXPECT_EQ(*linha.texto, c.esperado) << c.chave << " " << (c.linhaIni ? c.linhaIni : "(missing)");
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

// A group reads its own keys only; writing one group leaves the others' keys.
TEST(Grupos, ReadAndWriteOnlyTheirOwnKeys) {
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
    EXPECT_EQ(ChavesNaOrdem(cfg.Conteudo(), "IMPBRAILLE"), (std::vector<std::string>{"Colunas"}));
}

TEST(Grupos, RecentFileKeysByNumber) {
    ConfiguracaoDeTeste cfg;
    EXPECT_TRUE(GravaRecenteNoIni(5, "/d/cinco.txt", cfg.ini()));
    EXPECT_EQ(LePerfil("DOTMARA", "arq5", "", 0, cfg.ini()), "/d/cinco.txt");
    EXPECT_FALSE(GravaRecenteNoIni(0, "/d/zero.txt", cfg.ini()));
    EXPECT_FALSE(GravaRecenteNoIni(6, "/d/seis.txt", cfg.ini()));
    EXPECT_EQ(ChavesNaOrdem(cfg.Conteudo(), "DOTMARA"), (std::vector<std::string>{"arq5"}));
}

} // namespace
