// The spell check's walk over the document: words, separators, the last
// line, the context shown around a word and the line rebuilt with the
// replacement.
#include "core/documento.h"
#include "core/dmvars.h"
#include "editor/dmdic.h"
#include "editor/dmortog.h"
#include "platform/dialogos.h"
#include "platform/texto.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ProximaPalavra, PalavrasESeparadores) {
    const struct {
        std::vector<std::string> linhas;
        int linha, coluna;           // start (column from 1)
        bool achou;
        std::string palavra;
        int linhaFim, colunaFim;     // column: first after the word
        const char* caso;
    } casos[] = {
        {{"ab cd"}, 0, 0, true, "ab", 0, 3, "column 0 is read as 1"},
        {{"ab cd"}, 0, 2, true, "ab", 0, 3, "inside a word: from its first character"},
        {{"ab cd"}, 0, 3, true, "cd", 0, 6, "on a blank: the next word"},
        {{"ab cd"}, 0, 4, true, "cd", 0, 6, "at the start of a word after a blank"},
        {{"ab cd"}, 0, 6, false, "", 1, 0, "past the last word"},
        {{"guarda-chuva, d'\xe1gua"}, 0, 8, true, "guarda-chuva", 0, 13, "a hyphen between letters joins"},
        {{"guarda-chuva, d'\xe1gua"}, 0, 14, true, "d'\xe1gua", 0, 21, "so does an apostrophe"},
        {{"abc123def"}, 0, 1, true, "abc", 0, 4, "digits end a word"},
        {{"abc123def"}, 0, 4, true, "def", 0, 10, "and start none"},
        {{"- Voc\xea? -Sim--n\xe3o-"}, 0, 1, true, "Voc\xea", 0, 7, "a lone dash is no word"},
        {{"- Voc\xea? -Sim--n\xe3o-"}, 0, 7, true, "Sim", 0, 13, "a dash before a word is not part of it"},
        {{"- Voc\xea? -Sim--n\xe3o-"}, 0, 13, true, "n\xe3o", 0, 18, "two dashes separate words; nor is one after it"},
        {{"- Voc\xea? -Sim--n\xe3o-"}, 0, 18, false, "", 1, 0, "a trailing dash"},
        {{"'texto'"}, 0, 1, true, "texto", 0, 7, "quote marks around a word"},
        {{"\xc0 \xd1" "andu \xcctaca"}, 0, 1, true, "\xc0", 0, 2, "accented capitals are letters"},
        {{"\xc0 \xd1" "andu \xcctaca"}, 0, 2, true, "\xd1" "andu", 0, 8, ""},
        {{"\xc0 \xd1" "andu \xcctaca"}, 0, 8, true, "taca", 0, 14, "\xcc is not one"},
        {{"um", "", "  ", "dois"}, 0, 3, true, "dois", 3, 5, "empty and blank lines are skipped"},
        {{"um", "dois"}, 1, 1, true, "dois", 1, 5, "the last line is checked"},
        {{"um", "dois"}, 1, 5, false, "", 2, 0, "end of the last line"},
        {{"um"}, 1, 0, false, "", 1, 0, "past the last line"},
        {{}, 0, 0, false, "", 0, 0, "an empty document"},
        {{"um"}, -1, 7, true, "um", 0, 3, "a line before the first starts at the top"},
    };
    for (const auto& c : casos) {
        LinhasEmMemoria doc(c.linhas);
        int l = c.linha, col = c.coluna;
        std::string p = "lixo";
        EXPECT_EQ(ProximaPalavra(doc, l, col, p), c.achou) << c.caso;
        EXPECT_EQ(p, c.palavra) << c.caso;
        EXPECT_EQ(l, c.linhaFim) << c.caso;
        EXPECT_EQ(col, c.colunaFim) << c.caso;
    }
}

TEST(ProximaPalavra, CaracteresDePalavra) {
    const std::string letras = "'-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                               "ÀÁÂÃÇÈÉÊÍÎÑÓÔÕÖÚÜàáâãçèéêíîñóôõöúü"_cp;
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(CaracteresPalavra.test(static_cast<size_t>(c)), letras.find(static_cast<char>(c)) != std::string::npos)
            << c;
}

class Procura : public ::testing::Test {
protected:
    void SetUp() override {
        const int r = CarregaDicionario(pasta.grava("d.dic", "cas n\r\num =\r\n"), pasta.grava("d.suf", "[n]\r\na\r\no\r\n"),
                                        pasta.grava("d.exc", ""), pasta.grava("d.nom", ""), pasta.grava("d.sug", ""));
        ASSERT_EQ(r, DicCarregado);
    }
    void TearDown() override { LiberaDicionario(); }
    PastaTemporaria pasta;
    DialogosFalsosEscopo d;
};

TEST_F(Procura, SaltaAsPalavrasCorretas) {
    LinhasEmMemoria doc({"Um caso, uma casa", "um casx casa", "casa"});
    int l = 0, c = 0;
    std::string p;
    ASSERT_TRUE(ProcuraPalavra(doc, true, l, c, p));
    EXPECT_EQ(p, "uma");
    EXPECT_EQ(l, 0);
    EXPECT_EQ(c, 13);
    ++c;
    ASSERT_TRUE(ProcuraPalavra(doc, true, l, c, p));
    EXPECT_EQ(p, "casx");
    EXPECT_EQ(l, 1);
    EXPECT_EQ(c, 8);
    EXPECT_FALSE(ProcuraPalavra(doc, true, l, c, p)) << "the rest is correct, the last line too";
    EXPECT_EQ(l, 3);
    // Every word, correct or not.
    l = 0;
    c = 4;
    ASSERT_TRUE(ProcuraPalavra(doc, false, l, c, p));
    EXPECT_EQ(p, "caso");
}

TEST(ContextoPalavra, QuinzeDeCadaLado) {
    const std::string linha = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJ";
    const struct {
        std::string linha;
        int inicio;
        std::string contexto;
    } casos[] = {
        {linha, 21, "...56789abcdefghijklmnopqrstuvwxyz..."},
        {linha, 3, "...0123456789abcdefgh..."},
        {linha, 1, "...0123456789abcdef..."},
        {linha, 40, "...opqrstuvwxyzABCDEFGHIJ..."},
        {"uma", 1, "...uma..."},
        {"", 1, "......"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(ContextoPalavra(c.linha, c.inicio), c.contexto) << c.inicio;
        EXPECT_LE(ContextoPalavra(c.linha, c.inicio).size(), 31u + 6u);
    }
}

TEST(TrocaPalavra, NoMesmoLugar) {
    EXPECT_EQ(TrocaPalavra("um casx aqui", 4, 4, "casa"), "um casa aqui");
    EXPECT_EQ(TrocaPalavra("um casx aqui", 4, 4, "coisas"), "um coisas aqui");
    EXPECT_EQ(TrocaPalavra("um casx aqui", 4, 4, ""), "um  aqui") << "an empty replacement removes the word";
    EXPECT_EQ(TrocaPalavra("casx", 1, 4, "casa"), "casa");
    EXPECT_EQ(TrocaPalavra("ab", 9, 2, "x"), "abx") << "past the end: appended";
}

} // namespace
