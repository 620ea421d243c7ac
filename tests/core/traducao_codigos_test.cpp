// The translators' output through the shipped code-table files: every byte
// they write is named by its code's file and reaches a six-dot cell, and
// sentences come out with the right dots cell by cell.
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/dmantigo.h"
#include "core/dmsinais.h"
#include "core/dmunif.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "platform/codepage.h"
#include "platform/dialogos.h"

namespace {

std::string Arquivo(bool antigo) { return std::string(DOTMARA_DATA_DIR) + (antigo ? "/ambcode.cfg" : "/ambcode2.cfg"); }

// Internal characters named by rule lines, with the line of each.
std::map<unsigned char, int> Nomeados(bool antigo) {
    std::map<unsigned char, int> r;
    std::istringstream in(LeArquivoTeste(Arquivo(antigo)));
    std::string l;
    for (int num = 1; std::getline(in, l); ++num) {
        if (l.size() < 5 || l[0] == '*' || l[2] != '=') continue;
        auto c = static_cast<unsigned char>(std::stoi(l.substr(0, 2), nullptr, 16));
        EXPECT_EQ(r.count(c), 0u) << Arquivo(antigo) << ":" << num << ": byte " << int{c} << " named twice";
        r[c] = num;
    }
    return r;
}

// The shipped output table of one code, for the life of the object.
struct TabelaDoCodigo {
    explicit TabelaDoCodigo(bool antigo) {
        RestauraPadroes();
        ArqAmbCode = Arquivo(true);
        ArqAmbCode2 = Arquivo(false);
        BrailleAntigo = antigo;
        ok = CarregaTabelaImpressora();
    }
    ~TabelaDoCodigo() { RestauraPadroes(); }
    bool ok = false;
    DialogosFalsosEscopo d;
};

// Six-dot mask of an internal character after the output table; -1 when
// the output code carries dot 7 or 8.
int Pontos(unsigned char interno) {
    const unsigned char p = PontosDoCaractere[TabelaImpressora[interno]];
    return p > 63 ? -1 : p;
}

// Internal cells as dot numbers after the output table, "0" a blank cell.
std::string MostraPontos(const std::string& interno) {
    std::string r;
    for (unsigned char c : interno) {
        std::string s;
        for (int b = 0; b < 8; ++b)
            if (PontosDoCaractere[TabelaImpressora[c]] & (1 << b)) s += static_cast<char>('1' + b);
        r += (r.empty() ? "" : " ") + (s.empty() ? std::string("0") : s);
    }
    return r;
}

std::string Traduz(bool antigo, const std::string& s) { return antigo ? TraduzAntigo(s) : TraduzUnificado(s); }

TEST(CodigosDeSaida, TodoByteEscritoEstaNaTabelaEDaUmaCela) {
    std::vector<std::string> linhas;
    std::istringstream in(Utf8ParaCp1252(LeArquivoTeste(std::string(DOTMARA_TEST_DATA_DIR) + "/texto_variado.txt")));
    for (std::string l; std::getline(in, l);) linhas.push_back(l);
    ASSERT_GT(linhas.size(), 20u);
    for (bool antigo : {true, false}) {
        SCOPED_TRACE(Arquivo(antigo));
        const auto nomeados = Nomeados(antigo);
        TabelaDoCodigo tabela(antigo);
        ASSERT_TRUE(tabela.ok);
        for (const auto& [c, linha] : nomeados) EXPECT_GE(Pontos(c), 0) << "rule line " << linha;
        std::set<unsigned char> vistos;
        for (bool ingles : {false, true}) {
            TextoIngles = ingles;
            for (const std::string& l : linhas)
                for (unsigned char c : Traduz(antigo, l)) vistos.insert(c);
        }
        TextoIngles = false;
        for (unsigned char c : vistos) {
            EXPECT_EQ(nomeados.count(c), 1u) << "byte " << int{c} << " ("
                                             << Cp1252ParaUtf8(std::string(1, static_cast<char>(c)))
                                             << ") written but not named";
            EXPECT_GE(Pontos(c), 0) << "byte " << int{c};
        }
        EXPECT_GT(vistos.size(), 60u);
    }
}

TEST(CodigosDeSaida, FrasesCelaPorCela) {
    const struct { bool antigo, ingles; const char* tinta; const char* pontos; } frases[] = {
        {false, false, "Em 2024 (a ONU) pagou 1,5 \xe2\x82\xac por x\xc2\xb2 e/ou 3\xc2\xba lugar.",
         "46 15 134 0 3456 12 245 12 145 0 126 3 1 0 46 46 135 1345 136 6 345 0 "
         "1234 1 1245 135 136 0 3456 1 2 15 0 4 15 0 1234 135 1235 0 1346 16 3456 12 0 "
         "15 6 2 135 136 0 3456 25 135 0 123 136 1245 1 1235 3"},
        {false, false, "(12) [3] 5 `+ 2 = 12.30",
         "126 3456 1 12 345 0 12356 3456 14 23456 0 3456 15 0 235 0 3456 12 0 2356 0 3456 1 12 3 3456 14 245"},
        {false, false, "`3/4 [a] \\", "3456 25 145 0 12356 3 1 6 23456 0 5 3"},
        {false, true, "A (b)/c. \"x\"", "6 1 0 2356 12 2356 34 14 256 0 236 1346 356"},
        {true, false, "Em 25/12/2024, \xc3\xa0s 10:30, o IBGE (1/2) disse...",
         "46 15 134 0 3456 12 15 36 1 12 36 12 245 12 145 2 0 1246 234 0 3456 1 245 25 14 245 2 0 "
         "135 0 46 46 24 12 1245 15 0 2356 3456 1 34 3456 12 2356 0 145 24 234 234 15 3 3 3"},
        {true, false, "\"O 1\xc2\xba\" `3/4 `( 5%", "236 46 135 0 3456 2 135 356 0 3456 25 145 0 126 0 3456 15 456 356"},
        {true, true, "Casa 1\xc2\xaa", "6 14 1 234 1 0 3456 2 1"},
    };
    for (const auto& f : frases) {
        TabelaDoCodigo tabela(f.antigo);
        ASSERT_TRUE(tabela.ok);
        TextoIngles = f.ingles;
        EXPECT_EQ(MostraPontos(Traduz(f.antigo, Utf8ParaCp1252(f.tinta))), f.pontos) << f.tinta;
        TextoIngles = false;
    }
}

// Every byte from 32 to 255 inside a line of text, under both codes and in
// foreign text too: each byte the translator writes is a six-dot cell of
// braille ASCII through the code's table, and a byte that gives nothing is
// handed back as left out (the soft hyphen alone gives nothing by its sign).
TEST(CodigosDeSaida, CadaByteNumaLinhaDaCelas) {
    for (bool antigo : {true, false}) {
        TabelaDoCodigo tabela(antigo);
        ASSERT_TRUE(tabela.ok);
        for (bool ingles : {false, true})
            for (int b = 32; b < 256; ++b)
                for (const std::string contexto : {"a_b", "1_2", "_", "A_ "}) {
                    std::string tinta = contexto;
                    tinta[tinta.find('_')] = static_cast<char>(b);
                    SCOPED_TRACE(std::string(antigo ? "old " : "unified ") + (ingles ? "foreign " : "") +
                                 Cp1252ParaUtf8(tinta) + " (" + std::to_string(b) + ")");
                    dmunif::AspasAbertas = dmantigo::AspasAbertas = 1;
                    dmunif::ParentesesAbertos = 0;
                    TextoIngles = ingles;
                    std::string braille, omitidos;
                    if (antigo)
                        TraduzAntigo(tinta, braille, &omitidos);
                    else
                        TraduzUnificado(tinta, braille, &omitidos);
                    TextoIngles = false;
                    for (unsigned char c : braille) {
                        const unsigned char saida = TabelaImpressora[c];
                        EXPECT_TRUE(saida >= 0x20 && saida <= 0x7E && Pontos(c) >= 0) << "byte " << int{c};
                    }
                    if (contexto == "_" && braille.empty() && b != 0xAD) {
                        EXPECT_EQ(omitidos, tinta);
                    }
                    EXPECT_TRUE(omitidos.empty() || omitidos == std::string(1, static_cast<char>(b)));
                }
    }
}

// Each sign of the tables of characters no rule names (core/dmsinais.h)
// between two letters, as dots through the code's table; the tables and these
// rows name the same characters.
TEST(CodigosDeSaida, SinaisDosCaracteresSemRegra) {
    const struct { bool antigo; const char* tinta; const char* pontos; } sinais[] = {
        {true, "\t", "0 0"},                 {true, "\xc2\xa0", "0"},
        {true, "\xc2\xad", ""},              {true, "\xe2\x82\xac", "4 15"},
        {true, "\xc2\xa3", "4 123"},        {true, "\xe2\x80\xa6", "3 3 3"},
        {true, "\xe2\x80\xb0", "456 356 356"}, {true, "\xe2\x80\xa2", "246 135"},
        {true, "\xc5\x92", "46 135 15"},    {true, "\xc5\x93", "135 15"},
        {true, "\xc3\xa6", "1 15"},         {true, "\xc2\xb2", "16 3456 12"},
        {true, "\xc2\xb3", "16 3456 14"},   {true, "\xc2\xb9", "16 3456 1"},
        {true, "\xc2\xbc", "3456 2 145"},   {true, "\xc2\xbd", "3456 2 12"},
        {true, "\xc2\xbe", "3456 25 145"},  {true, "\xc2\xa9", "2356 14 2356"},
        {true, "\xc2\xae", "2356 1235 2356"}, {true, "\xc2\xb5", "46 134"},
        {true, "\xc2\xb1", "235 36"},       {true, "\xc2\xa1", "235"},
        {true, "\xc2\xbf", "26"},
        {false, "\t", "0 0"},                {false, "\xc2\xa0", "0"},
        {false, "\xc2\xad", ""},             {false, "\xc2\xa3", "4 123"},
        {false, "\xc5\x92", "46 135 15"},    {false, "\xc2\xa9", "126 3 14 6 345"},
        {false, "\xc2\xae", "126 3 1235 6 345"}, {false, "\xc2\xb5", "46 134"},
        {false, "\xc2\xb1", "235 36"},       {false, "\xc2\xa1", "235"},
        {false, "\xc2\xbf", "26"},
    };
    std::set<std::pair<bool, unsigned char>> testados;
    for (const auto& s : sinais) {
        const std::string tinta = Utf8ParaCp1252(s.tinta);
        ASSERT_EQ(tinta.size(), 1u) << s.tinta;
        testados.insert({s.antigo, static_cast<unsigned char>(tinta[0])});
        TabelaDoCodigo tabela(s.antigo);
        ASSERT_TRUE(tabela.ok);
        const std::string pontos = *s.pontos ? std::string("1 ") + s.pontos + " 12" : "1 12";
        EXPECT_EQ(MostraPontos(Traduz(s.antigo, "a" + tinta + "b")), pontos)
            << (s.antigo ? "old " : "unified ") << s.tinta;
    }
    std::set<std::pair<bool, unsigned char>> tabelas;
    for (const auto& s : dmsinais::kSinaisAntigo) tabelas.insert({true, s.tinta});
    for (const auto& s : dmsinais::kSinaisUnificado) tabelas.insert({false, s.tinta});
    EXPECT_EQ(testados, tabelas);
}

// The dots noted in the sign table are what its unified texts reach.
TEST(CodigosDeSaida, TabelaDeSinaisMatematicos) {
    TabelaDoCodigo tabela(false);
    ASSERT_TRUE(tabela.ok);
    int conferidos = 0;
    for (const SinalMatematico& s : TabSinaisMat) {
        std::string pontos = s.pontos;
        std::erase(pontos, ';'); // the table separates some signs' parts
        EXPECT_EQ(MostraPontos(s.unificado), pontos) << "key " << s.chave;
        conferidos += *s.unificado != 0;
    }
    EXPECT_EQ(conferidos, 30);
}

// The lower-cell digits are the digits' cells moved down one row.
TEST(CodigosDeSaida, DigitosInferiores) {
    for (bool antigo : {true, false}) {
        TabelaDoCodigo tabela(antigo);
        ASSERT_TRUE(tabela.ok);
        EXPECT_EQ(MostraPontos(antigo ? DigitosInferioresAntigo : DigitosInferioresUnif),
                  "356 2 23 25 256 26 235 2356 236 35")
            << (antigo ? "old" : "unified");
    }
}

} // namespace
