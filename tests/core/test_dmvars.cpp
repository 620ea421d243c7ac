// Letter sets, Roman numerals, program paths and the draft-line tests. (The cell tables themselves are checked in
// tests/celas; the reserved mark and the graphic-type names, as read at
// start-up, in test_tabelas_partida.cpp.)
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
        if (mai) {
            EXPECT_TRUE(EhMinuscula(MinusculaLatin(u))) << c;
        }
        if (min) {
            EXPECT_TRUE(EhMaiuscula(MaiusculaLatin(u))) << c;
        }
    }
}

// Numbers past the roman range leave the text as it was; zero and
// negatives empty it.
TEST(IntParaRomano, Valores) {
    const std::pair<int, const char*> casos[] = {
        {1, "I"},     {4, "IV"},          {8, "VIII"},   {9, "IX"},    {14, "XIV"},  {19, "XIX"},
        {40, "XL"},   {49, "XLIX"},       {90, "XC"},    {99, "XCIX"}, {400, "CD"},  {444, "CDXLIV"},
        {900, "CM"},  {1994, "MCMXCIV"},  {3888, "MMMDCCCLXXXVIII"}, {3999, "MMMCMXCIX"},
        {0, ""},      {-5, ""},           {4000, "lixo"}, {1000000, "lixo"},
    };
    for (auto [n, romano] : casos) {
        std::string s = "lixo";
        IntParaRomano(n, s);
        EXPECT_EQ(s, romano) << n;
    }
}

TEST(Inicializacao, CaminhosDoProgramaEVersao) {
    InicializaDmvars("/opt/dotmara/bin/dotmara");
    EXPECT_EQ(VersaoPrograma, "2025.12.09.01");
    EXPECT_EQ(DirPrograma, "/opt/dotmara/bin/");
    EXPECT_EQ(DirDocumento, DirPrograma);
    EXPECT_EQ(ProgAtualiza, "/opt/dotmara/bin/dtmAtualiza.exe");
    EXPECT_EQ(ArqInfoAtualiza, "/opt/dotmara/bin/dotmara.atu");
    InicializaDmvars("/dotmara.bin");
    EXPECT_EQ(DirPrograma, "/");
    EXPECT_EQ(ArqInfoAtualiza, "/dotmara.atu");
    InicializaDmvars("/opt/d.v2/dotmara");
    EXPECT_EQ(ArqInfoAtualiza, "/opt/d.v2/dotmara.atu");
    InicializaDmvars(CaminhoPrograma());
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
