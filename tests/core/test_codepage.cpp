// The Windows-1252 <-> UTF-8 conversion at the operating-system boundary.
#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Codepage, TodosOsBytesVaoEVoltam) {
    std::string todos;
    for (int c = 0; c < 256; ++c)
        todos += static_cast<char>(c);
    std::string utf8 = Cp1252ParaUtf8(todos);
    EXPECT_EQ(Utf8ParaCp1252(utf8), todos);
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(UnicodeParaCp1252(Cp1252ParaUnicode(static_cast<unsigned char>(c))), c) << c;
}

TEST(Codepage, CaracteresConhecidos) {
    const struct {
        const char* cp1252;
        const char* utf8;
    } casos[] = {
        {"a", "a"},
        {"\xe7\xe3", "\xc3\xa7\xc3\xa3"},            // ç ã
        {"\x80", "\xe2\x82\xac"},                     // euro sign
        {"\x93\x94", "\xe2\x80\x9c\xe2\x80\x9d"},     // curly quotes
        {"\x81", "\xc2\x81"},                         // undefined: C1 control
        {"\xa0\xff", "\xc2\xa0\xc3\xbf"},
    };
    for (auto c : casos) {
        EXPECT_EQ(Cp1252ParaUtf8(c.cp1252), c.utf8) << c.cp1252;
        EXPECT_EQ(Utf8ParaCp1252(c.utf8), c.cp1252) << c.cp1252;
    }
}

TEST(Codepage, SemLugarEmWindows1252ViraInterrogacao) {
    EXPECT_EQ(Utf8ParaCp1252("a\xe2\x86\x92" "b"), "a?b");      // arrow
    EXPECT_EQ(Utf8ParaCp1252("\xf0\x9f\x98\x80"), "?");          // emoji: one "?"
}

TEST(Codepage, BytesMalformadosUmAUm) {
    const struct {
        std::string utf8, cp1252;
        const char* nome;
    } casos[] = {
        {"a\xe9.txt", "a\xe9.txt", "Latin-1 solto"},
        {"\xc3", "\xc3", "sequencia cortada no fim"},
        {"\xe2\x82", "\xe2\x82", "sequencia cortada de tres"},
        {std::string("\xc0\x80", 2), "\xc0\x80", "NUL em forma longa"},
        {"\xc0\xaf", "\xc0\xaf", "barra em forma longa"},
        {"\xe0\x80\xaf", "\xe0\x80\xaf", "barra em forma longa de tres"},
        {"\xed\xa0\x80", "\xed\xa0\x80", "surrogate"},
        {"\xf4\x90\x80\x80", "\xf4\x90\x80\x80", "alem de U+10FFFF"},
        {"\xff\xfe", "\xff\xfe", "bytes que nunca abrem sequencia"},
    };
    for (const auto& c : casos) {
        std::string r = Utf8ParaCp1252(c.utf8);
        EXPECT_EQ(r, c.cp1252) << c.nome;
        EXPECT_EQ(r.find('\0'), std::string::npos) << c.nome;
        EXPECT_EQ(r.find('/'), std::string::npos) << c.nome;
    }
}

// Every letter pair folds both ways, and only letter pairs fold.
TEST(Codepage, CaixaDasLetrasIdaEVolta) {
    int pares = 0;
    for (int i = 0; i < 256; ++i) {
        const auto c = static_cast<unsigned char>(i);
        const unsigned char m = MinusculaWindows(c);
        if (m != c) {
            ++pares;
            EXPECT_EQ(MaiusculaWindows(m), c) << i;
            EXPECT_TRUE(IgualSemCaixa(std::string(1, static_cast<char>(c)),
                                      std::string(1, static_cast<char>(m)))) << i;
        }
        if (MaiusculaWindows(c) != c) {
            EXPECT_EQ(MinusculaWindows(MaiusculaWindows(c)), c) << i;
        }
    }
    EXPECT_EQ(pares, 26 + 30 + 4);
    EXPECT_EQ(MinusculaWindows(0xD7), 0xD7);   // multiplication sign
    EXPECT_EQ(MaiusculaWindows(0xF7), 0xF7);   // division sign
    EXPECT_EQ(MaiusculaWindows(0xDF), 0xDF);   // sharp s
}

// ---- Order of text -------------------------------------------------------------

TEST(Codepage, OrdemComoOLeitorPortugues) {
    // Each text sorts before the next, letter case aside.
    const std::vector<std::string> ordem = {
        "", "-", "0", "9", "a", "A", "\xe1", "ab", "acabar", "a\xe7\xe3o", "acaso", "agua", "\xc1gua",
        "aguardar", "c", "\xe7", "cz", "e", "\xe9", "\xea", "ez", "z", "\xe6",
    };
    for (size_t i = 0; i < ordem.size(); ++i)
        for (size_t j = 0; j < ordem.size(); ++j) {
            const int r = ComparaTextoAnsi(ordem[i], ordem[j]);
            const bool mesmaCaixa = IgualSemCaixa(ordem[i], ordem[j]);
            if (mesmaCaixa)
                EXPECT_EQ(r, 0) << ordem[i] << " / " << ordem[j];
            else
                EXPECT_EQ(r < 0, i < j) << ordem[i] << " / " << ordem[j];
        }
}

// Equal apart from case exactly when IgualSemCaixa says so, for every pair
// of bytes, and the two orders agree with each other.
TEST(Codepage, IgualdadeDasOrdensDeTexto) {
    for (int a = 1; a < 256; ++a)
        for (int b = 1; b < 256; ++b) {
            const std::string x(1, static_cast<char>(a)), y(1, static_cast<char>(b));
            const int t = ComparaTextoAnsi(x, y), s = ComparaStrAnsi(x, y);
            ASSERT_EQ(t == 0, IgualSemCaixa(x, y)) << a << " " << b;
            ASSERT_EQ(s == 0, a == b) << a << " " << b;
            ASSERT_EQ(t, -ComparaTextoAnsi(y, x)) << a << " " << b;
            if (t != 0) {
                ASSERT_EQ(s, t) << a << " " << b;
            }
        }
    EXPECT_LT(ComparaStrAnsi("rio", "Rio"), 0) << "lower case first";
    EXPECT_GT(ComparaStrAnsi("RIo", "Rio"), 0);
    EXPECT_LT(ComparaStrAnsi("Rio", "rios"), 0) << "letters before case";
}

} // namespace
