// The Windows-1252 <-> UTF-8 conversion at the operating-system boundary,
// the _cp literal that makes it at compile time, letter case and the order
// of text.
#include "platform/codepage.h"
#include "platform/texto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

static_assert("não"_cp.size() == 3 && "não"_cp[1] == '\xe3');
static_assert("€"_cp.size() == 1 && "€"_cp[0] == '\x80');
static_assert(""_cp.empty());

TEST(LiteralCp, IgualAConversaoEmTempoDeExecucao) {
    EXPECT_EQ(std::string("Atenção: diretório! “aspas” – travessão — … € ÿ"_cp),
              Utf8ParaCp1252("Atenção: diretório! “aspas” – travessão — … € ÿ"));
    EXPECT_EQ(std::string("ação"_cp.c_str()), "a\xe7\xe3o");   // NUL-terminated
    EXPECT_EQ("Fim de "_cp + "impressão"_cp, "Fim de impress\xe3o");
    EXPECT_EQ(std::string("a") + "ção"_cp + "!", "a\xe7\xe3o!");
}

TEST(Codepage, TodosOsBytesVaoEVoltam) {
    std::string todos;
    for (int c = 0; c < 256; ++c) todos += static_cast<char>(c);
    EXPECT_EQ(Utf8ParaCp1252(Cp1252ParaUtf8(todos)), todos);
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(UnicodeParaCp1252(Cp1252ParaUnicode(static_cast<unsigned char>(c))), c) << c;
}

// UTF-8 to Windows-1252 (and back, where the row says so): a character with
// no place becomes one "?", malformed bytes pass one by one, never a NUL or
// a "/" made of them.
TEST(Codepage, ConversaoDeTexto) {
    const struct {
        std::string utf8, cp1252;
        bool volta;
    } casos[] = {
        {"a", "a", true},
        {"\xc3\xa7\xc3\xa3", "\xe7\xe3", true},                 // ç ã
        {"\xe2\x82\xac", "\x80", true},                         // euro sign
        {"\xe2\x80\x9c\xe2\x80\x9d", "\x93\x94", true},         // curly quotes
        {"\xc2\x81", "\x81", true},                             // undefined: C1 control
        {"\xc2\xa0\xc3\xbf", "\xa0\xff", true},
        {"a\xe2\x86\x92" "b", "a?b", false},                    // arrow
        {"\xf0\x9f\x98\x80", "?", false},                       // emoji
        {"a\xe9.txt", "a\xe9.txt", false},                      // stray Latin-1
        {"\xc3", "\xc3", false},                                // cut short
        {"\xe2\x82", "\xe2\x82", false},
        {std::string("\xc0\x80", 2), "\xc0\x80", false},        // overlong NUL
        {"\xc0\xaf", "\xc0\xaf", false},                        // overlong "/"
        {"\xe0\x80\xaf", "\xe0\x80\xaf", false},
        {"\xed\xa0\x80", "\xed\xa0\x80", false},                // surrogate
        {"\xf4\x90\x80\x80", "\xf4\x90\x80\x80", false},        // past U+10FFFF
        {"\xff\xfe", "\xff\xfe", false},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(Utf8ParaCp1252(c.utf8), c.cp1252) << c.cp1252;
        if (c.volta) { EXPECT_EQ(Cp1252ParaUtf8(c.cp1252), c.utf8) << c.cp1252; }
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
            EXPECT_TRUE(IgualSemCaixa(std::string(1, static_cast<char>(c)), std::string(1, static_cast<char>(m)))) << i;
        }
        if (MaiusculaWindows(c) != c) { EXPECT_EQ(MinusculaWindows(MaiusculaWindows(c)), c) << i; }
    }
    EXPECT_EQ(pares, 26 + 30 + 4);
    EXPECT_EQ(MinusculaWindows(0xD7), 0xD7);   // multiplication sign
    EXPECT_EQ(MaiusculaWindows(0xF7), 0xF7);   // division sign
    EXPECT_EQ(MaiusculaWindows(0xDF), 0xDF);   // sharp s
}

// Each text sorts before the next, letter case aside.
TEST(Codepage, OrdemComoOLeitorPortugues) {
    const std::vector<std::string> ordem = {
        "", "-", "0", "9", "a", "A", "\xe1", "ab", "acabar", "a\xe7\xe3o", "acaso", "agua", "\xc1gua",
        "aguardar", "c", "\xe7", "cz", "e", "\xe9", "\xea", "ez", "z", "\xe6",
    };
    for (size_t i = 0; i < ordem.size(); ++i)
        for (size_t j = 0; j < ordem.size(); ++j) {
            const int r = ComparaTextoAnsi(ordem[i], ordem[j]);
            if (IgualSemCaixa(ordem[i], ordem[j]))
                EXPECT_EQ(r, 0) << ordem[i] << " / " << ordem[j];
            else
                EXPECT_EQ(r < 0, i < j) << ordem[i] << " / " << ordem[j];
        }
}

// For every pair of bytes: equal apart from case exactly when IgualSemCaixa
// says so, and the two orders agree with each other.
TEST(Codepage, IgualdadeDasOrdensDeTexto) {
    for (int a = 1; a < 256; ++a)
        for (int b = 1; b < 256; ++b) {
            const std::string x(1, static_cast<char>(a)), y(1, static_cast<char>(b));
            const int t = ComparaTextoAnsi(x, y), s = ComparaStrAnsi(x, y);
            ASSERT_EQ(t == 0, IgualSemCaixa(x, y)) << a << " " << b;
            ASSERT_EQ(s == 0, a == b) << a << " " << b;
            ASSERT_EQ(t, -ComparaTextoAnsi(y, x)) << a << " " << b;
            if (t != 0) { ASSERT_EQ(s, t) << a << " " << b; }
        }
    EXPECT_LT(ComparaStrAnsi("rio", "Rio"), 0) << "lower case first";
    EXPECT_GT(ComparaStrAnsi("RIo", "Rio"), 0);
    EXPECT_LT(ComparaStrAnsi("Rio", "rios"), 0) << "letters before case";
}

} // namespace
