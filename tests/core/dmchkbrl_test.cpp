// Back-translation of a generated braille line ("Braille gerado").
#include <gtest/gtest.h>

#include "core/dmchkbrl.h"
#include "core/dmvars.h"

namespace {

// For the life of the object, the code in force and its output table as the
// shipped code tables make it: every cell to the North American Braille
// ASCII code with the same dots.
struct TabelaNorteAmericana {
    explicit TabelaNorteAmericana(bool antigo) {
        BrailleAntigo = antigo;
        for (int i = 0; i < 256; ++i) TabelaImpressora[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
        for (int m = 0; m < 64; ++m)
            for (int x = 32; x < 96; ++x)
                if (PontosDoCaractere[static_cast<size_t>(x)] == m) {
                    TabelaImpressora[CelasAtuais()[static_cast<size_t>(m)]] = static_cast<unsigned char>(x);
                    break;
                }
    }
    ~TabelaNorteAmericana() {
        BrailleAntigo = salvo;
        for (int i = 0; i < 256; ++i) TabelaImpressora[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
    }
    // Internal cells -> output codes.
    static std::string Saida(const std::string& celas) {
        std::string r;
        for (unsigned char c : celas) r.push_back(static_cast<char>(TabelaImpressora[c]));
        return r;
    }
    bool salvo = BrailleAntigo;
};

TEST(ReverteBraille, LeOTextoDeVolta) {
    const struct { bool antigo; const char *celas, *esperado, *oQue; } casos[] = {
        {false, "{brasil", "Brasil", "capital sign before a word"},
        {false, "{{usa", "USA", "double capital sign: a capital run"},
        {false, "#abc", "123", "number sign and digits"},
        {false, "#a,e", "1,5", "decimal comma stays in the number"},
        {false, "#j'b", "0.2", "dot 3 reads as a full stop inside a number"},
        {false, "o {rio e {{onu", "o Rio e ONU", "several signs on one line"},
        {false, "{{usa, {brasil #ab", "USA, Brasil 12", "run ends at a non-letter"},
        {false, "casa {", "casa {", "a single capital sign at the end stays"},
        {false, "#", "#", "a lone number sign stays"},
        {false, "#k", "#k", "k is not a digit letter"},
        {false, "{#a", "{1", "capital sign before a number is not a capital"},
        {false, "", "", "empty line"},
        {true, "]brasil", "Brasil", "old code: capital sign is dots 46"},
        {true, "]]usa #ab", "USA 12", "old code: capital run and number"},
    };
    for (const auto& c : casos) {
        TabelaNorteAmericana t(c.antigo);
        EXPECT_EQ(ReverteBraille(t.Saida(c.celas)), std::string(c.esperado)) << c.oQue;
    }
}

TEST(ReverteBraille, CodigoSemCelaViraZeroEEncerraOTextoVisivel) {
    TabelaNorteAmericana t(false);
    // 0x0F (a graphic line's mark) is produced by no cell.
    const std::string r = ReverteBraille(t.Saida("ab") + '\x0f' + t.Saida("cd"));
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[2], '\0');
    EXPECT_EQ(TextoVisivelReversao(r), "ab");
}

TEST(ReverteBraille, TabelaReversaDesfazCadaCela) {
    for (bool antigo : {false, true}) {
        TabelaNorteAmericana t(antigo);
        const auto rev = TabelaReversaBraille();
        for (int m = 0; m < 64; ++m) {
            const unsigned char c = CelasAtuais()[static_cast<size_t>(m)];
            const unsigned char saida = TabelaImpressora[c];
            if (saida == 39) continue; // the apostrophe reads as a full stop
            EXPECT_EQ(rev[saida], c) << "mask " << m << (antigo ? " old" : " unified");
        }
        EXPECT_EQ(rev[39], '.');
    }
}

} // namespace
