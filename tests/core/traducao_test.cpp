// The two translators against their case files (tests/data/traducao_*.txt),
// and what rows cannot show: letter sets, aliasing, arbitrary bytes, size.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/celas/celas.h"
#include "core/dmantigo.h"
#include "core/dmsinais.h"
#include "core/dmtradutor.h"
#include "core/dmunif.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "core/traducao_linhas.h"

namespace {

using Traduz = std::string (*)(std::string_view);

struct EstadoEscopo {
    EstadoEscopo() { Restaura(); }
    ~EstadoEscopo() { Restaura(); }
    static void Restaura() {
        TextoIngles = false;
        dmunif::AspasAbertas = 1;
        dmunif::ParentesesAbertos = 0;
        dmantigo::AspasAbertas = 1;
    }
};

void ConfereLinha(const LinhaTraducao& l, bool unificado) {
    SCOPED_TRACE(l.arquivo + ":" + std::to_string(l.linha) + ": " + l.descricao);
    ASSERT_EQ(l.descricao.rfind("ERRO", 0), std::string::npos) << l.descricao;
    EstadoEscopo escopo;
    TextoIngles = l.ingles;
    unsigned char& aspas = unificado ? dmunif::AspasAbertas : dmantigo::AspasAbertas;
    aspas = static_cast<unsigned char>(l.aspas);
    dmunif::ParentesesAbertos = static_cast<unsigned char>(l.parenteses);
    for (std::size_t i = 0; i < l.entradas.size(); ++i) {
        std::string obtido = unificado ? TraduzUnificado(l.entradas[i]) : TraduzAntigo(l.entradas[i]);
        EXPECT_EQ(MostraBytes(obtido), MostraBytes(l.esperados[i]))
            << "call " << i + 1 << ", input \"" << MostraBytes(l.entradas[i]) << "\"";
    }
    if (l.aspasFim >= 0) {
        EXPECT_EQ(aspas, l.aspasFim) << "quote flag at the end";
    }
    if (l.parentesesFim >= 0) {
        ASSERT_TRUE(unificado) << "only the unified translator has a parentheses flag";
        EXPECT_EQ(dmunif::ParentesesAbertos, l.parentesesFim) << "parentheses flag at the end";
    }
}

std::string NomeLinha(const testing::TestParamInfo<LinhaTraducao>& info) {
    return "linha_" + std::to_string(info.param.linha);
}

class TraducaoUnificada : public testing::TestWithParam<LinhaTraducao> {};
class TraducaoAntiga : public testing::TestWithParam<LinhaTraducao> {};

TEST_P(TraducaoUnificada, Linha) { ConfereLinha(GetParam(), true); }
TEST_P(TraducaoAntiga, Linha) { ConfereLinha(GetParam(), false); }

INSTANTIATE_TEST_SUITE_P(Casos, TraducaoUnificada,
                         testing::ValuesIn(LeLinhasTraducao("traducao_unificado.txt")), NomeLinha);
INSTANTIATE_TEST_SUITE_P(Casos, TraducaoAntiga,
                         testing::ValuesIn(LeLinhasTraducao("traducao_antigo.txt")), NomeLinha);

TEST(Tradutores, ConjuntosDeLetrasSaoOsDeDmvars) {
    for (int i = 0; i < 256; ++i) {
        auto c = static_cast<unsigned char>(i);
        EXPECT_EQ(dmtradutor::LetraMaiuscula(c), Maiusculas.test(c)) << i;
        EXPECT_EQ(dmtradutor::LetraMinuscula(c), Minusculas.test(c)) << i;
        if (Maiusculas.test(c)) {
            EXPECT_EQ(dmtradutor::Minuscula(c), MinusculaLatin(c)) << i;
        }
    }
}

TEST(Tradutores, OrigemDentroDoDestino) {
    EstadoEscopo escopo;
    for (Traduz t : {static_cast<Traduz>(TraduzUnificado), static_cast<Traduz>(TraduzAntigo)}) {
        std::string s = "Pre\xe7o: R$ 1.000,00 (12) ONU \xab" "a\xbb ";
        s.reserve(4);   // capacity large enough that appending would reallocate
        const std::string esperado = s + t(s);
        EstadoEscopo::Restaura();
        if (t == static_cast<Traduz>(TraduzUnificado))
            TraduzUnificado(std::string_view(s), s);
        else
            TraduzAntigo(std::string_view(s), s);
        EXPECT_EQ(s, esperado);
    }
}

// Cells typed as their characters (Perkins typing, frames, a page of kelto
// pasted into the editor) pass both translators as they are: each of the 63
// cells of a code between two letters. (Lines of such cells are rows of the
// case files.)
TEST(Tradutores, CadaCelaPassaComoE) {
    EstadoEscopo escopo;
    for (bool antigo : {false, true}) {
        const auto& celas = CelasDoCodigo(antigo);
        for (std::size_t m = 1; m < celas.size(); ++m) {
            const std::string s = {'a', static_cast<char>(celas[m]), 'a'};
            EXPECT_EQ(MostraBytes(antigo ? TraduzAntigo(s) : TraduzUnificado(s)), MostraBytes(s))
                << (antigo ? "old" : "unified") << " code, cell mask " << m;
        }
    }
}

// Random bytes biased towards what the rules look at, so that every
// look-ahead meets the end (a read past it trips the sanitizers). The braille
// holds only characters the code table of its code writes as cells, and
// with what was left out stays within a third and five times the input (but
// for "`" before 0x01 and the soft hyphen, which give nothing).
TEST(Tradutores, BytesArbitrariosTerminam) {
    EstadoEscopo escopo;
    std::mt19937 rng(12345);
    const std::string quentes = "`(([[))]].,$/:\"\x93\x94" "0123456789aoisj\xaa\xba\xb0" "AZ\xd7\xdf\xe6" "-%{}\xa9\xcb\xeb";
    for (int rodada = 0; rodada < 4000; ++rodada) {
        std::string s(static_cast<std::size_t>(rng() % 24), ' ');
        for (char& c : s)
            c = (rng() % 3) ? quentes[rng() % quentes.size()] : static_cast<char>(rng() % 256);
        for (bool ingles : {false, true}) {
            TextoIngles = ingles;
            for (bool antigo : {false, true}) {
                std::string b, omitidos;
                if (antigo)
                    TraduzAntigo(s, b, &omitidos);
                else
                    TraduzUnificado(s, b, &omitidos);
                if (s.find('\x01') == std::string::npos && s.find('\xad') == std::string::npos) {
                    EXPECT_GE((b.size() + omitidos.size()) * 3, s.size()) << MostraBytes(s);
                }
                EXPECT_LE(b.size(), s.size() * 5 + 1) << MostraBytes(s);
                for (unsigned char c : b)
                    EXPECT_TRUE(dmsinais::EscritaDoCodigo(antigo)[c]) << MostraBytes(s) << ": " << int{c};
            }
        }
    }
}

// A long line of numeric openers without a closer stays linear.
TEST(Tradutores, MuitosParentesesNumericosNumaLinha) {
    EstadoEscopo escopo;
    std::string s;
    for (int i = 0; i < 100000; ++i)
        s += "(1";
    std::string u = TraduzUnificado(s);
    EXPECT_EQ(u.size(), 100000u * 4);   // "(." "#1" each
    EXPECT_EQ(u.substr(0, 8), "(.#1(.#1");
    s += ")";
    u = TraduzUnificado(s);
    EXPECT_EQ(u.substr(0, 6), "\xea#1\xea#1");
    EXPECT_EQ(u.back(), '\xe3');
}

} // namespace
