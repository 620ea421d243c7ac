// Shared tables, Roman numerals, program paths and the draft-line tests.
// (The reserved mark and the graphic-type names are checked, as read at
// start-up, in test_tabelas_partida.cpp.)
#include "core/dmutil.h"
#include "core/dmvars.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// "1246" -> mask of dots 1, 2, 4, 6 (7 and 8 too); "" -> 0.
unsigned Mascara(const std::string& pontos) {
    unsigned m = 0;
    for (char d : pontos)
        m |= 1u << (d - '1');
    return m;
}

struct Cela {
    const char* pontos;
    unsigned char antigo;
    unsigned char unificado;
};

// The cell table as the code books give it, by dots.
const Cela kCelas[] = {
    {"", ' ', ' '},        {"1", 'a', 'a'},       {"2", ',', ','},       {"12", 'b', 'b'},
    {"3", '\'', '\''},     {"13", 'k', 'k'},      {"23", ';', ';'},      {"123", 'l', 'l'},
    {"4", '^', '^'},       {"14", 'c', 'c'},      {"24", 'i', 'i'},      {"124", 'f', 'f'},
    {"34", 0xED, 0xED},    {"134", 'm', 'm'},     {"234", 's', 's'},     {"1234", 'p', 'p'},
    {"5", '~', '~'},       {"15", 'e', 'e'},      {"25", ':', ':'},      {"125", 'h', 'h'},
    {"35", '*', '*'},      {"135", 'o', 'o'},     {"235", '!', '!'},     {"1235", 'r', 'r'},
    {"45", '@', 0xAC},     {"145", 'd', 'd'},     {"245", 'j', 'j'},     {"1245", 'g', 'g'},
    {"345", 0xE3, 0xE3},   {"1345", 'n', 'n'},    {"2345", 't', 't'},    {"12345", 'q', 'q'},
    {"6", '`', 0xFD},      {"16", 0xE2, 0xE2},    {"26", '?', '?'},      {"126", 0xEA, 0xEA},
    {"36", '-', '-'},      {"136", 'u', 'u'},     {"236", '{', '"'},     {"1236", 'v', 'v'},
    {"46", ']', '{'},      {"146", 0xEC, 0xEE},   {"246", 0xF5, 0xF5},   {"1246", 0xE0, 0xE0},
    {"346", 0xF3, 0xF3},   {"1346", 'x', 'x'},    {"2346", 0xE8, 0xE8},  {"12346", 0xE7, 0xE7},
    {"56", '\\', '$'},     {"156", 0xF9, 0xFB},   {"256", '.', 0xFF},    {"1256", 0xFC, 0xFC},
    {"356", '}', '}'},     {"1356", 'z', 'z'},    {"2356", '(', '='},    {"12356", 0xE1, 0xE1},
    {"456", '_', '_'},     {"1456", 0xF4, 0xF4},  {"2456", 'w', 'w'},    {"12456", 0xEF, 0xEF},
    {"3456", '#', '#'},    {"13456", 'y', 'y'},   {"23456", 0xFA, 0xFA}, {"123456", 0xE9, 0xE9},
};

TEST(TabelaCelas, CadaCelaPorPontos) {
    std::set<unsigned> vistas;
    for (const Cela& c : kCelas) {
        unsigned m = Mascara(c.pontos);
        vistas.insert(m);
        EXPECT_EQ(TabelaCelas[0][m], c.antigo) << "pontos " << c.pontos;
        EXPECT_EQ(TabelaCelas[1][m], c.unificado) << "pontos " << c.pontos;
    }
    EXPECT_EQ(vistas.size(), 64u);
}

TEST(TabelaCelas, DiferemEmNoveCelas) {
    const std::set<unsigned> diferentes = {Mascara("45"),  Mascara("6"),   Mascara("236"),
                                           Mascara("46"),  Mascara("146"), Mascara("56"),
                                           Mascara("156"), Mascara("256"), Mascara("2356")};
    for (unsigned m = 0; m < 64; ++m)
        EXPECT_EQ(TabelaCelas[0][m] != TabelaCelas[1][m], diferentes.count(m) == 1) << "mask " << m;
}

TEST(TabelaCelas, CadaCodigoUsaCaracteresDistintos) {
    for (int t = 0; t < 2; ++t) {
        std::set<unsigned char> cs(TabelaCelas[t].begin(), TabelaCelas[t].end());
        EXPECT_EQ(cs.size(), 64u) << "tabela " << t;
    }
}

TEST(TabelaCelas, CelasAtuaisSegueBrailleAntigo) {
    RestauraPadroes();
    EXPECT_FALSE(BrailleAntigo);
    EXPECT_EQ(&CelasAtuais(), &TabelaCelas[1]);
    BrailleAntigo = true;
    EXPECT_EQ(&CelasAtuais(), &TabelaCelas[0]);
    RestauraPadroes();
}

struct Pontos {
    int codigo;
    const char* pontos;
};

TEST(PontosDoCaractere, ValoresPorRegra) {
    const Pontos casos[] = {
        {' ', ""},        {'!', "2346"},    {'"', "5"},       {'#', "3456"},   {'0', "356"},
        {'1', "2"},       {'9', "35"},      {'=', "123456"},  {'?', "1456"},   {'@', "47"},
        {'A', "17"},      {'Z', "13567"},   {'[', "246"},     {'\\', "1256"},  {']', "124567"},
        {'^', "457"},     {'_', "456"},     {'`', "4"},       {'a', "1"},      {'z', "1356"},
        {'{', "246"},     {'|', "1256"},    {'}', "12456"},   {'~', "45"},     {127, "4567"},
        {0, "478"},       {1, "178"},       {26, "135678"},   {31, "45678"},   {128, "48"},
        {129, "18"},      {155, "2468"},    {159, "4568"},    {224, "2358"},   {247, "347"},
        {255, "34568"},   {231, "3468"},    {233, "1268"},
    };
    for (const Pontos& c : casos)
        EXPECT_EQ(PontosDoCaractere[static_cast<size_t>(c.codigo)], Mascara(c.pontos)) << "codigo " << c.codigo;
}

TEST(PontosDoCaractere, ValoresListados160a223) {
    const char* lista[64] = {
        "78",      "23467",   "12467",    "34567",   "1467",    "123467",  "1567",    "357",
        "57",      "23567",   "8",        "1267",    "2567",    "367",     "2367",    "267",
        "3567",    "3467",    "237",      "257",     "37",      "567",     "2357",    "467",
        "67",      "27",      "7",        "3457",    "123567",  "1234567", "234567",  "14567",
        "23578",   "1678",    "278",      "578",     "1234678", "34578",   "378",     "34678",
        "235678",  "12678",   "2378",     "12345678", "23678",  "14678",   "2578",    "1235678",
        "678",     "4678",    "3578",     "145678",  "25678",   "5678",    "234678",  "167",
        "3478",    "35678",   "15678",    "2678",    "2345678", "124678",  "3678",    "345678",
    };
    for (int c = 160; c <= 223; ++c) {
        EXPECT_EQ(PontosDoCaractere[static_cast<size_t>(c)], Mascara(lista[c - 160])) << "codigo " << c;
        // 224..255 repeat 192..223 without dot 7 (247 aside).
        if (c >= 192 && c + 32 != 247) {
            EXPECT_EQ(PontosDoCaractere[static_cast<size_t>(c + 32)], Mascara(lista[c - 160]) & 0xBF)
                << "codigo " << c + 32;
        }
    }
}

TEST(PontosDoCaractere, MinusculaTemACelaDaMaiusculaSemPonto7) {
    for (int c = 'a'; c <= '~'; ++c) {
        EXPECT_EQ(PontosDoCaractere[static_cast<size_t>(c)],
                  PontosDoCaractere[static_cast<size_t>(c - 32)] & 0xBF) << c;
        EXPECT_EQ(PontosDoCaractere[static_cast<size_t>(c)] & 0xC0, 0) << c;
    }
}

TEST(Letras, ConjuntosLatin1) {
    int maiusculas = 0, minusculas = 0;
    for (int c = 0; c < 256; ++c) {
        bool mai = (c >= 'A' && c <= 'Z') || (c >= 192 && c <= 223);
        bool min = (c >= 'a' && c <= 'z') || c >= 224;
        EXPECT_EQ(EhMaiuscula(static_cast<unsigned char>(c)), mai) << c;
        EXPECT_EQ(EhMinuscula(static_cast<unsigned char>(c)), min) << c;
        maiusculas += mai;
        minusculas += min;
        if (mai) {
            EXPECT_TRUE(EhMinuscula(MinusculaLatin(static_cast<unsigned char>(c)))) << c;
        }
        if (min) {
            EXPECT_TRUE(EhMaiuscula(MaiusculaLatin(static_cast<unsigned char>(c)))) << c;
        }
    }
    EXPECT_EQ(maiusculas, 58);
    EXPECT_EQ(minusculas, 58);
}

TEST(IntParaRomano, Valores) {
    const std::pair<int, const char*> casos[] = {
        {1, "I"},      {3, "III"},    {4, "IV"},      {5, "V"},         {8, "VIII"},
        {9, "IX"},     {14, "XIV"},   {19, "XIX"},    {40, "XL"},       {49, "XLIX"},
        {90, "XC"},    {99, "XCIX"},  {400, "CD"},    {444, "CDXLIV"},  {900, "CM"},
        {1994, "MCMXCIV"}, {2025, "MMXXV"}, {3888, "MMMDCCCLXXXVIII"}, {3999, "MMMCMXCIX"},
    };
    for (auto [n, romano] : casos) {
        std::string s = "lixo";
        IntParaRomano(n, s);
        EXPECT_EQ(s, romano) << n;
    }
}

TEST(IntParaRomano, ForaDoIntervalo) {
    std::string s = "XII";
    IntParaRomano(0, s);
    EXPECT_EQ(s, "");
    s = "XII";
    IntParaRomano(-5, s);
    EXPECT_EQ(s, "");
    s = "XII";
    IntParaRomano(4000, s);
    EXPECT_EQ(s, "XII");
    IntParaRomano(1000000, s);
    EXPECT_EQ(s, "XII");
}

TEST(Inicializacao, VersaoECaminhos) {
    EXPECT_EQ(VersaoPrograma, "2025.12.09.01");
    InicializaDmvars("/opt/dotmara/bin/dotmara");
    EXPECT_EQ(ArqExecutavel, "/opt/dotmara/bin/dotmara");
    EXPECT_EQ(DirPrograma, "/opt/dotmara/bin/");
    EXPECT_EQ(DirDocumento, DirPrograma);
    EXPECT_EQ(ProgAtualiza, "/opt/dotmara/bin/dtmAtualiza.exe");
    EXPECT_EQ(ArqInfoAtualiza, "/opt/dotmara/bin/dotmara.atu");
    EXPECT_EQ(CorModoRevisor.r, 255);
    EXPECT_EQ(CorModoRevisor.g, 160);
    EXPECT_EQ(CorModoRevisor.b, 160);

    InicializaDmvars("/dotmara.bin");
    EXPECT_EQ(DirPrograma, "/");
    EXPECT_EQ(ArqInfoAtualiza, "/dotmara.atu");

    InicializaDmvars("/opt/d.v2/dotmara");
    EXPECT_EQ(ArqInfoAtualiza, "/opt/d.v2/dotmara.atu");
}

TEST(Inicializacao, ProgramaAtualNaPartida) {
    // The unit initialisation ran before main with the test program's path.
    EXPECT_FALSE(DirPrograma.empty());
    EXPECT_EQ(DirPrograma.back(), '/');
}

TEST(Padroes, ValoresIniciais) {
    RestauraPadroes();
    EXPECT_EQ(MaxCarac, 34);
    EXPECT_EQ(MaxLin, 28);
    EXPECT_EQ(TipoCabec, 1);
    EXPECT_EQ(TipoTratGrafico, 1);
    EXPECT_TRUE(AutoJunta && FrenteVerso && AfastaCabPar && TiraBrancasInicioPag && SeparaSilabas &&
                ComTitulo && NumeraOrig);
    EXPECT_FALSE(BrailleAntigo || SoFrenteInterp || InicModoRevisor || CfgTextoIngles || CfgCabecIngles);
    EXPECT_EQ(ArqAmbCode, "ambcode.cfg");
    EXPECT_EQ(ArqAmbCode2, "ambcode2.cfg");
    EXPECT_EQ(ImprNomeArq, "PRN");
    EXPECT_EQ(ImprColunas, 36);
    EXPECT_EQ(ImprLinhas, 28);
    EXPECT_EQ(ImprPolegsForm, 11);
    EXPECT_EQ(MaxCol, 70);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(TabelaImpressora[static_cast<size_t>(i)], i);
}

// ---- Draft-line tests ------------------------------------------------------

struct LinhaRascunho {
    std::string linha;
    bool quebra, dupla, grafico, reservada;
    const char* nome;
};

TEST(LinhasRascunho, Classificacao) {
    const std::string tracos(50, '-'), iguais(50, '=');
    const std::string g4 = "\x0f\x0f\x0f\x0f";
    const LinhaRascunho casos[] = {
        {tracos, true, false, false, false, "fim de pagina"},
        {iguais, true, true, false, false, "fim de pagina com verso em branco"},
        {tracos + "      ", true, false, false, false, "rascunho da visualizacao"},
        {"  " + iguais + "      ", true, true, false, false, "brancos dos dois lados"},
        {std::string(49, '-'), false, false, false, false, "49 tracos"},
        {std::string(51, '-'), false, false, false, false, "51 tracos"},
        {std::string(25, '-') + std::string(25, '='), false, false, false, false, "misturado"},
        {"\t" + tracos, false, false, false, false, "tabulacao nao e branco"},
        {tracos + "\x0f", false, false, false, false, "codigo abaixo de 32 e cela"},
        {"\x0b", false, false, false, true, "linha reservada"},
        {"abc\x0b" "def", false, false, false, true, "marca no meio"},
        {g4 + " 3 fig.grb", false, false, true, false, "grafico"},
        {g4 + " C fig.grb      ", false, false, true, false, "grafico na visualizacao"},
        {" " + g4 + " 3 fig.grb", false, false, false, false, "grafico so no inicio"},
        {"\x0f\x0f\x0f", false, false, false, false, "tres 15"},
        {"", false, false, false, false, "vazia"},
        {"      ", false, false, false, false, "brancos"},
        {"texto comum", false, false, false, false, "texto"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(LinhaQuebraPagina(c.linha), c.quebra) << c.nome;
        EXPECT_EQ(LinhaQuebraDupla(c.linha), c.dupla) << c.nome;
        EXPECT_EQ(LinhaGrafico(c.linha), c.grafico) << c.nome;
        EXPECT_EQ(LinhaReservada(c.linha), c.reservada) << c.nome;
        EXPECT_EQ(LinhaEspecial(c.linha), c.quebra || c.grafico || c.reservada) << c.nome;
    }
}

TEST(LinhasRascunho, GraficoAdiante) {
    const std::string fim(50, '-'), fimDuplo(50, '=');
    const std::string g = "\x0f\x0f\x0f\x0f 2 a.grb";
    const std::vector<std::string> l = {"texto", "mais", g, fim, "p2", fimDuplo, "p3", g, "fim"};
    EXPECT_TRUE(GraficoAdiante(l, 0));
    EXPECT_TRUE(GraficoAdiante(l, 2));   // on the graphic line itself
    EXPECT_FALSE(GraficoAdiante(l, 3));  // a page end first
    EXPECT_FALSE(GraficoAdiante(l, 4));
    EXPECT_TRUE(GraficoAdiante(l, 6));
    EXPECT_FALSE(GraficoAdiante(l, 8));  // end of the list
    EXPECT_FALSE(GraficoAdiante(l, 9));
    EXPECT_FALSE(GraficoAdiante(l, 1000));
    EXPECT_TRUE(GraficoAdiante(l, -3));
    EXPECT_FALSE(GraficoAdiante({}, 0));
}

} // namespace
