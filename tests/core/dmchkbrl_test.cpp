// Back-translation of a generated braille line ("Braille gerado").
#include <gtest/gtest.h>

#include "core/dmchkbrl.h"
#include "core/dmvars.h"

namespace {

// Output table as the shipped code tables make it: every cell character of
// the code in force goes to the North American Braille ASCII code with the
// same dots.
void TabelaNorteAmericana() {
    for (int i = 0; i < 256; ++i) TabelaImpressora[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
    const auto& celas = CelasAtuais();
    for (int m = 0; m < 64; ++m)
        for (int x = 32; x < 96; ++x)
            if (PontosDoCaractere[static_cast<size_t>(x)] == m) {
                TabelaImpressora[celas[static_cast<size_t>(m)]] = static_cast<unsigned char>(x);
                break;
            }
}

// Internal cells -> output codes.
std::string Saida(const std::string& celas) {
    std::string r;
    for (unsigned char c : celas) r.push_back(static_cast<char>(TabelaImpressora[c]));
    return r;
}

struct Caso {
    bool antigo;
    const char* celas;    // the line in internal cells
    const char* esperado; // the reversed text
    const char* oQue;
};

class ReverteBrailleTest : public ::testing::TestWithParam<Caso> {
protected:
    void SetUp() override {
        salvo_ = BrailleAntigo;
        BrailleAntigo = GetParam().antigo;
        TabelaNorteAmericana();
    }
    void TearDown() override {
        BrailleAntigo = salvo_;
        for (int i = 0; i < 256; ++i) TabelaImpressora[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
    }
    bool salvo_ = false;
};

TEST_P(ReverteBrailleTest, LeOTextoDeVolta) {
    const Caso& c = GetParam();
    EXPECT_EQ(ReverteBraille(Saida(c.celas)), std::string(c.esperado)) << c.oQue;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ReverteBrailleTest,
    ::testing::Values(
        Caso{false, "{brasil", "Brasil", "capital sign before a word"},
        Caso{false, "{{usa", "USA", "double capital sign: a capital run"},
        Caso{false, "#abc", "123", "number sign and digits"},
        Caso{false, "#a,e", "1,5", "decimal comma stays in the number"},
        Caso{false, "#j'b", "0.2", "dot 3 reads as a full stop inside a number"},
        Caso{false, "o {rio e {{onu", "o Rio e ONU", "several signs on one line"},
        Caso{false, "{{usa, {brasil #ab", "USA, Brasil 12", "run ends at a non-letter"},
        Caso{false, "casa {", "casa {", "a single capital sign at the end stays"},
        Caso{false, "#", "#", "a lone number sign stays"},
        Caso{false, "#k", "#k", "k is not a digit letter"},
        Caso{false, "{#a", "{1", "capital sign before a number is not a capital"},
        Caso{false, "", "", "empty line"},
        Caso{true, "]brasil", "Brasil", "old code: capital sign is dots 46"},
        Caso{true, "]]usa #ab", "USA 12", "old code: capital run and number"}));

TEST(ReverteBraille, CodigoSemCelaViraZeroEEncerraOTextoVisivel) {
    const bool salvo = BrailleAntigo;
    BrailleAntigo = false;
    TabelaNorteAmericana();
    // 0x0F (a graphic line's mark) is produced by no cell.
    const std::string linha = Saida("ab") + '\x0f' + Saida("cd");
    const std::string r = ReverteBraille(linha);
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[2], '\0');
    EXPECT_EQ(TextoVisivelReversao(r), "ab");
    BrailleAntigo = salvo;
}

TEST(ReverteBraille, TabelaReversaDesfazCadaCela) {
    const bool salvo = BrailleAntigo;
    for (bool antigo : {false, true}) {
        BrailleAntigo = antigo;
        TabelaNorteAmericana();
        const auto rev = TabelaReversaBraille();
        for (int m = 0; m < 64; ++m) {
            const unsigned char c = CelasAtuais()[static_cast<size_t>(m)];
            const unsigned char saida = TabelaImpressora[c];
            if (saida == 39) continue; // the apostrophe reads as a full stop
            EXPECT_EQ(rev[saida], c) << "mask " << m << (antigo ? " old" : " unified");
        }
        EXPECT_EQ(rev[39], '.');
    }
    BrailleAntigo = salvo;
    for (int i = 0; i < 256; ++i) TabelaImpressora[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
}

} // namespace
