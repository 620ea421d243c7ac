// Letter sets, Roman numerals, program paths and the draft-line tests.
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "platform/arquivos.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Letras, ConjuntosLatin1) {
    for (int c = 0; c < 256; ++c) {
        const auto u = static_cast<unsigned char>(c);
        const bool mai = (c >= 'A' && c <= 'Z') || (c >= 192 && c <= 223);
        const bool min = (c >= 'a' && c <= 'z') || c >= 224;
        EXPECT_EQ(EhMaiuscula(u), mai) << c;
        EXPECT_EQ(EhMinuscula(u), min) << c;
        if (mai) { EXPECT_TRUE(EhMinuscula(MinusculaLatin(u))) << c; }
        if (min) { EXPECT_TRUE(EhMaiuscula(MaiusculaLatin(u))) << c; }
    }
}

// Past the roman range the text stays as it was; zero and negatives empty it.
TEST(IntParaRomano, Valores) {
    const std::pair<int, const char*> casos[] = {
        {1, "I"},    {4, "IV"},         {8, "VIII"},    {9, "IX"},    {14, "XIV"},  {19, "XIX"},
        {40, "XL"},  {49, "XLIX"},      {90, "XC"},     {99, "XCIX"}, {400, "CD"},  {444, "CDXLIV"},
        {900, "CM"}, {1994, "MCMXCIV"}, {3888, "MMMDCCCLXXXVIII"},    {3999, "MMMCMXCIX"},
        {0, ""},     {-5, ""},          {4000, "lixo"}, {1000000, "lixo"},
    };
    for (auto [n, romano] : casos) {
        std::string s = "lixo";
        IntParaRomano(n, s);
        EXPECT_EQ(s, romano) << n;
    }
}

TEST(Inicializacao, CaminhosDoPrograma) {
    InicializaDmvars("/opt/dotmara/bin/dotmara");
    EXPECT_EQ(DirPrograma, "/opt/dotmara/bin/");
    EXPECT_EQ(DirDocumento, DirPrograma);
    EXPECT_EQ(ProgAtualiza, "/opt/dotmara/bin/dtmAtualiza.exe");
    EXPECT_EQ(ArqInfoAtualiza, "/opt/dotmara/bin/dotmara.atu");
    InicializaDmvars("/dotmara.bin");
    EXPECT_EQ(ArqInfoAtualiza, "/dotmara.atu");
    InicializaDmvars("/opt/d.v2/dotmara");
    EXPECT_EQ(ArqInfoAtualiza, "/opt/d.v2/dotmara.atu");
    InicializaDmvars(CaminhoPrograma());
}

TEST(LinhasRascunho, Classificacao) {
    const std::string tracos(50, '-'), iguais(50, '='), g4(4, '\x0f');
    const struct {
        std::string linha;
        bool quebra, dupla, grafico, reservada;
    } casos[] = {
        {tracos, 1, 0, 0, 0},
        {iguais, 1, 1, 0, 0},
        {tracos + "      ", 1, 0, 0, 0},
        {"  " + iguais + "      ", 1, 1, 0, 0},
        {std::string(49, '-'), 0, 0, 0, 0},
        {std::string(51, '-'), 0, 0, 0, 0},
        {std::string(25, '-') + std::string(25, '='), 0, 0, 0, 0},
        {"\t" + tracos, 0, 0, 0, 0},             // a tab is no blank
        {tracos + "\x0f", 0, 0, 0, 0},
        {"\x0b", 0, 0, 0, 1},
        {"abc\x0b" "def", 0, 0, 0, 1},
        {g4 + " 3 fig.grb", 0, 0, 1, 0},
        {g4 + " C fig.grb      ", 0, 0, 1, 0},
        {" " + g4 + " 3 fig.grb", 0, 0, 0, 0},   // a graphic only at the start
        {"\x0f\x0f\x0f", 0, 0, 0, 0},
        {"", 0, 0, 0, 0},
        {"      ", 0, 0, 0, 0},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(LinhaQuebraPagina(c.linha), c.quebra) << c.linha;
        EXPECT_EQ(LinhaQuebraDupla(c.linha), c.dupla) << c.linha;
        EXPECT_EQ(LinhaGrafico(c.linha), c.grafico) << c.linha;
        EXPECT_EQ(LinhaReservada(c.linha), c.reservada) << c.linha;
        EXPECT_EQ(LinhaEspecial(c.linha), c.quebra || c.grafico || c.reservada) << c.linha;
    }
}

// A graphic ahead of the line before the page ends (or the list does).
TEST(LinhasRascunho, GraficoAdiante) {
    const std::string g = "\x0f\x0f\x0f\x0f 2 a.grb";
    const std::vector<std::string> l = {"texto", "mais", g, std::string(50, '-'), "p2", std::string(50, '='),
                                        "p3", g, "fim"};
    const std::pair<int, bool> casos[] = {{0, true},  {2, true},  {3, false},    {4, false}, {6, true},
                                          {8, false}, {9, false}, {1000, false}, {-3, true}};
    for (auto [i, esperado] : casos) EXPECT_EQ(GraficoAdiante(l, i), esperado) << i;
    EXPECT_FALSE(GraficoAdiante({}, 0));
}

} // namespace
