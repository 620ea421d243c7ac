// The translators' output through the shipped code-table files: every byte
// they write for a varied text is named by the file of its code (none left
// to the identity by accident), each reaches a six-dot cell, and sentences
// come out with the right dots cell by cell.
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/dmantigo.h"
#include "core/dmunif.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "platform/codepage.h"
#include "platform/dialogos.h"

namespace {

std::string Arquivo(bool antigo) {
    return std::string(DOTMARA_DATA_DIR) + (antigo ? "/ambcode.cfg" : "/ambcode2.cfg");
}

// Internal characters named by rule lines, with the line of each.
std::map<unsigned char, int> Nomeados(bool antigo) {
    std::map<unsigned char, int> r;
    std::istringstream in(LeArquivoTeste(Arquivo(antigo)));
    std::string l;
    int num = 0;
    while (std::getline(in, l)) {
        ++num;
        if (l.size() < 5 || l[0] == '*' || l[2] != '=')
            continue;
        auto c = static_cast<unsigned char>(std::stoi(l.substr(0, 2), nullptr, 16));
        EXPECT_EQ(r.count(c), 0u) << Arquivo(antigo) << ":" << num << ": byte "
                                  << static_cast<int>(c) << " already named on line " << r[c];
        r[c] = num;
    }
    return r;
}

class TabelaDoCodigo {
public:
    explicit TabelaDoCodigo(bool antigo) {
        RestauraPadroes();
        ArqAmbCode = Arquivo(true);
        ArqAmbCode2 = Arquivo(false);
        BrailleAntigo = antigo;
        ok = CarregaTabelaImpressora();
    }
    ~TabelaDoCodigo() { RestauraPadroes(); }
    // Six-dot mask of an internal character after the output table, or -1
    // when the output code carries dot 7 or 8.
    static int Pontos(unsigned char interno) {
        unsigned char p = PontosDoCaractere[TabelaImpressora[interno]];
        return p > 63 ? -1 : p;
    }
    bool ok = false;
    DialogosFalsosEscopo d;
};

std::vector<std::string> TextoVariado() {
    std::string todo = Utf8ParaCp1252(LeArquivoTeste(std::string(DOTMARA_TEST_DATA_DIR) + "/texto_variado.txt"));
    std::vector<std::string> linhas;
    std::istringstream in(todo);
    std::string l;
    while (std::getline(in, l))
        linhas.push_back(l);
    return linhas;
}

std::string Traduz(bool antigo, const std::string& s) {
    return antigo ? TraduzAntigo(s) : TraduzUnificado(s);
}

// Characters that the old rules copy and for which the old code has no sign
// of its own (euro, ellipsis character, per mille, bullet, vulgar fractions,
// superscripts, ligatures): they stay unnamed and show as such.
const std::set<unsigned char> kSemSinalNoAntigo = {128, 133, 137, 149, 156, 178, 179,
                                                   185, 188, 189, 190, 230};

class CodigosDeSaida : public testing::TestWithParam<bool> {};

TEST_P(CodigosDeSaida, TodoByteEscritoEstaNaTabelaEDaUmaCela) {
    const bool antigo = GetParam();
    const auto nomeados = Nomeados(antigo);
    TabelaDoCodigo tabela(antigo);
    ASSERT_TRUE(tabela.ok);
    const std::vector<std::string> linhas = TextoVariado();
    ASSERT_GT(linhas.size(), 20u);
    std::set<unsigned char> vistos;
    for (bool ingles : {false, true}) {
        TextoIngles = ingles;
        for (const std::string& l : linhas)
            for (unsigned char c : Traduz(antigo, l))
                vistos.insert(c);
    }
    TextoIngles = false;
    for (unsigned char c : vistos) {
        if (antigo && kSemSinalNoAntigo.count(c))
            continue;
        EXPECT_EQ(nomeados.count(c), 1u) << "byte " << static_cast<int>(c) << " ("
                                         << Cp1252ParaUtf8(std::string(1, static_cast<char>(c)))
                                         << ") written but not named in " << Arquivo(antigo);
        EXPECT_GE(TabelaDoCodigo::Pontos(c), 0) << "byte " << static_cast<int>(c);
    }
    EXPECT_GT(vistos.size(), 60u);
}

// Every rule line of the file gives a six-dot cell.
TEST_P(CodigosDeSaida, TodaRegraDaUmaCelaDeSeisPontos) {
    const bool antigo = GetParam();
    TabelaDoCodigo tabela(antigo);
    ASSERT_TRUE(tabela.ok);
    for (const auto& [c, linha] : Nomeados(antigo))
        EXPECT_GE(TabelaDoCodigo::Pontos(c), 0) << Arquivo(antigo) << ":" << linha;
}

INSTANTIATE_TEST_SUITE_P(AntigoEUnificado, CodigosDeSaida, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& i) {
                             return std::string(i.param ? "Antigo" : "Unificado");
                         });

// Cells written as dot numbers, blank cells as "0".
std::vector<int> Celas(const std::string& pontos) {
    std::vector<int> r;
    std::istringstream in(pontos);
    std::string w;
    while (in >> w) {
        int m = 0;
        for (char d : w)
            if (d >= '1' && d <= '6')
                m |= 1 << (d - '1');
        r.push_back(m);
    }
    return r;
}

std::string MostraPontos(int m) {
    std::string s;
    for (int b = 0; b < 6; ++b)
        if (m & (1 << b))
            s += static_cast<char>('1' + b);
    return s.empty() ? "0" : s;
}

struct IdaEVolta {
    bool antigo;
    bool ingles;
    const char* tinta;   // UTF-8
    const char* pontos;
};

// Ink -> internal text -> output code -> dots.
const IdaEVolta kFrases[] = {
    {false, false, "Em 2024 (a ONU) pagou 1,5 \xe2\x82\xac por x\xc2\xb2 e/ou 3\xc2\xba lugar.",
     "46 15 134 0 3456 12 245 12 145 0 126 3 1 0 46 46 135 1345 136 6 345 0 "
     "1234 1 1245 135 136 0 3456 1 2 15 0 4 15 0 1234 135 1235 0 1346 16 3456 12 0 "
     "15 6 2 135 136 0 3456 25 135 0 123 136 1245 1 1235 3"},
    {false, false, "(12) [3] 5 `+ 2 = 12.30",
     "126 3456 1 12 345 0 12356 3456 14 23456 0 3456 15 0 235 0 3456 12 0 2356 0 "
     "3456 1 12 3 3456 14 245"},
    {false, false, "`3/4 [a] \\",
     "3456 25 145 0 12356 3 1 6 23456 0 5 3"},
    {false, true, "A (b)/c. \"x\"",
     "6 1 0 2356 12 2356 34 14 256 0 236 1346 356"},
    {true, false, "Em 25/12/2024, \xc3\xa0s 10:30, o IBGE (1/2) disse...",
     "46 15 134 0 3456 12 15 36 1 12 36 12 245 12 145 2 0 1246 234 0 3456 1 245 25 14 245 2 0 "
     "135 0 46 46 24 12 1245 15 0 2356 3456 1 34 3456 12 2356 0 145 24 234 234 15 3 3 3"},
    {true, false, "\"O 1\xc2\xba\" `3/4 `( 5%",
     "236 46 135 0 3456 2 135 356 0 3456 25 145 0 126 0 3456 15 456 356"},
    {true, true, "Casa 1\xc2\xaa",
     "6 14 1 234 1 0 3456 2 1"},
};

TEST(CodigosDeSaida, FrasesCelaPorCela) {
    for (const IdaEVolta& f : kFrases) {
        SCOPED_TRACE(f.tinta);
        TabelaDoCodigo tabela(f.antigo);
        ASSERT_TRUE(tabela.ok);
        TextoIngles = f.ingles;
        const std::string interno = Traduz(f.antigo, Utf8ParaCp1252(f.tinta));
        TextoIngles = false;
        const std::vector<int> esperado = Celas(f.pontos);
        ASSERT_EQ(interno.size(), esperado.size());
        for (std::size_t i = 0; i < interno.size(); ++i)
            EXPECT_EQ(MostraPontos(TabelaDoCodigo::Pontos(static_cast<unsigned char>(interno[i]))),
                      MostraPontos(esperado[i]))
                << "cell " << i + 1 << ", internal byte " << static_cast<int>(static_cast<unsigned char>(interno[i]));
    }
}

// The dots noted in the sign table are the cells its unified texts reach
// through the unified code table.
TEST(CodigosDeSaida, TabelaDeSinaisMatematicos) {
    TabelaDoCodigo tabela(false);
    ASSERT_TRUE(tabela.ok);
    int conferidos = 0;
    for (const SinalMatematico& s : TabSinaisMat) {
        const std::string texto = s.unificado;
        const std::vector<int> esperado = Celas(s.pontos);
        SCOPED_TRACE(std::string("key ") + s.chave);
        ASSERT_EQ(texto.size(), esperado.size());
        for (std::size_t i = 0; i < texto.size(); ++i)
            EXPECT_EQ(MostraPontos(TabelaDoCodigo::Pontos(static_cast<unsigned char>(texto[i]))),
                      MostraPontos(esperado[i]));
        conferidos += !texto.empty();
    }
    EXPECT_EQ(conferidos, 30);
}

// The lower-cell digits are the cells of the digits moved down one row.
TEST(CodigosDeSaida, DigitosInferiores) {
    const char* inferiores = "356 2 23 25 256 26 235 2356 236 35";
    for (bool antigo : {true, false}) {
        TabelaDoCodigo tabela(antigo);
        ASSERT_TRUE(tabela.ok);
        const char* digitos = antigo ? DigitosInferioresAntigo : DigitosInferioresUnif;
        const std::vector<int> esperado = Celas(inferiores);
        for (int d = 0; d < 10; ++d)
            EXPECT_EQ(MostraPontos(TabelaDoCodigo::Pontos(static_cast<unsigned char>(digitos[d]))),
                      MostraPontos(esperado[static_cast<std::size_t>(d)]))
                << (antigo ? "old" : "unified") << " digit " << d;
    }
}

} // namespace
