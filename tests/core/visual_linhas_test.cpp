// The braille view's display lines, positions, page stepping and go-to-page.
#include <gtest/gtest.h>

#include "core/dmvars.h"
#include "editor/dmvisual_linhas.h"

namespace {

const std::string kTraco(50, '-');
const std::string kDupla(50, '=');

// Numbers as the unified translator writes them: number sign, then a..j.
std::string NumeroBraille(const std::string& t) {
    std::string r = "#";
    for (char c : t) r.push_back(c == '0' ? 'j' : static_cast<char>('a' + (c - '1')));
    return r;
}

class VisualLinhasTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 256; ++i) TabelaImpressora[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
        rotulos = MontaRotulosLinha(NumeroBraille);
    }
    std::vector<std::string> rotulos;
};

// Four-cell labels in output code, from 200 back to 1.
TEST_F(VisualLinhasTest, RotulosSaoQuatroCelasEmCodigoDeSaida) {
    ASSERT_EQ(rotulos.size(), 200u);
    EXPECT_EQ(rotulos[0], "#bjj");  // 200
    EXPECT_EQ(rotulos[12], "#ab ");
    EXPECT_EQ(rotulos[199], "#aii");
    const auto v = MontaLinhasVisual(std::vector<std::string>(250, "abc"), mlNumeracaoEsquerda, 5, rotulos);
    ASSERT_EQ(v.size(), 250u);
    EXPECT_EQ(v[0], "#a  labc  l");
    EXPECT_EQ(v[199], "#bjjlabc  l"); // line 200
    EXPECT_EQ(v[200], "#a  labc  l"); // line 201 carries the label of 1
    TabelaImpressora['#'] = '%';
    EXPECT_EQ(MontaRotulosLinha(NumeroBraille)[7], "%g  ");
}

TEST_F(VisualLinhasTest, ModosDeLinha) {
    // Reserved room (a vertical tab, also after the margin's blanks) shows
    // blank in every mode, never as its control character.
    const std::vector<std::string> lidas = {"ab      ", "abcdefgh", std::string(1, '\x0b'),
                                            "  \x0b", kTraco + "      ", "xy"};
    const struct { int modo; std::vector<std::string> esperado; } casos[] = {
        {mlSomenteTexto, {"ab      ", "abcdefgh", "", "", kTraco, "xy"}},
        {mlNumeracaoEsquerda,
         {"#a  lab   l", "#b  labcdel", "#c  l     l", "#d  l     l", kTraco, "#a  lxy   l"}},
        {mlNumeracaoDireita, {"ab   l#a  ", "abcdel#b  ", "     l#c  ", "     l#d  ", kTraco, "xy   l#a  "}},
        {mlLimiteLinha, {"ab   l", "abcdel", "     l", "     l", kTraco, "xy   l"}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(MontaLinhasVisual(lidas, c.modo, 5, rotulos), c.esperado) << "mode " << c.modo;
}

TEST_F(VisualLinhasTest, SeparadoresNormalizadosELarguraSemSentido) {
    for (int modo = 0; modo < kQuantModosLinhas; ++modo)
        EXPECT_EQ(MontaLinhasVisual({"  " + kDupla + "      ", kTraco}, modo, 34, rotulos),
                  (std::vector<std::string>{kDupla, kTraco}))
            << modo;
    EXPECT_EQ(MontaLinhasVisual({"abc"}, mlLimiteLinha, -3, rotulos), std::vector<std::string>{"l"});
    EXPECT_EQ(MontaLinhasVisual({"abc"}, mlNumeracaoDireita, 2, {}), std::vector<std::string>{"abl"});
}

// A draft of pages: page 1 (3 lines, one graphic), "-", page 2 (2 lines),
// "=" (page 3 is a blank back), page 4 (4 lines), "-".
std::vector<std::string> Rascunho() {
    return {"p1a", "\x0f\x0f\x0f\x0f 3 fig.grb", "p1c", kTraco,
            "p2a", "p2b", kDupla,
            "p4a", "p4b", "p4c", "p4d", kTraco};
}

TEST(PosicaoVisual, LinhaEPaginaFisica) {
    const auto r = Rascunho();
    // The graphic line does not count; a separator counts 0 and opens the
    // next page, "=" the page after the blank back.
    const struct { int sel, linha, pagina; } casos[] = {{0, 1, 1}, {1, 1, 1}, {2, 2, 1}, {3, 0, 2}, {4, 1, 2},
                                                        {5, 2, 2}, {6, 0, 4}, {7, 1, 4}, {10, 4, 4}, {11, 0, 5},
                                                        {-1, 0, 1}, {99, 0, 1}};
    for (const auto& c : casos) {
        const PosicaoVisual p = CalculaPosicao(r, c.sel);
        EXPECT_EQ(p.linha, c.linha) << c.sel;
        EXPECT_EQ(p.paginaFisica, c.pagina) << c.sel;
    }
    EXPECT_EQ(UltimaPaginaDoRascunho(r), 4);
    EXPECT_EQ(UltimaPaginaDoRascunho({}), 1);
    EXPECT_EQ(CalculaPosicao({}, -1).linha, 0);
    EXPECT_EQ(CalculaPosicao({}, -1).paginaFisica, 1);
}

TEST(PosicaoVisual, IrParaPaginaEPaginaAnterior) {
    const auto r = Rascunho();
    const std::pair<int, int> irPara[] = {{1, 0}, {2, 4}, {3, 7} /* blank back: the page after it */, {4, 7},
                                          {50, 11} /* beyond the end: the last line */};
    for (const auto& [pagina, indice] : irPara) EXPECT_EQ(IndiceDaPagina(r, pagina), indice) << pagina;
    EXPECT_EQ(IndiceDaPagina({}, 3), 0);
    // Inside a page: that page; on its first line or separator: the page before.
    const std::pair<int, int> anterior[] = {{9, 4}, {7, 2} /* 3 is blank */, {6, 2}, {5, 2}, {4, 1}, {2, 1}, {-1, 1}};
    for (const auto& [sel, pagina] : anterior) EXPECT_EQ(PaginaAnteriorDe(r, sel), pagina) << sel;
}

class PaginaPedidaTest : public ::testing::Test {
protected:
    void SetUp() override {
        arabica.assign(tamanho + 1, -1);
        romana.assign(tamanho + 1, -1);
        romana[1] = 1, romana[12] = 2, arabica[1] = 3, arabica[2] = 4;
    }
    bool Pede(const std::string& r) { return InterpretaPaginaPedida(r, arabica, romana, tamanho, 5, destino, msg); }
    int tamanho = 1000;
    DynIntArray arabica, romana;
    int destino = -1;
    std::string msg;
};

TEST_F(PaginaPedidaTest, RespostasValidas) {
    const std::pair<const char*, int> casos[] = {{"12r", 2}, {"  2 ", 4}, {"5f", 5}, {"1 R", 1}};
    for (const auto& [resposta, esperado] : casos) {
        EXPECT_TRUE(Pede(resposta)) << resposta;
        EXPECT_EQ(destino, esperado) << resposta;
    }
}

TEST_F(PaginaPedidaTest, Mensagens) {
    const struct { const char* resposta; std::string mensagem; } casos[] = {
        {"12X", "N\xfamero de p\xe1gina \"12X\" inv\xe1lido."},
        {"R", "N\xfamero de p\xe1gina \"R\" inv\xe1lido."},
        {"1.5", "N\xfamero de p\xe1gina \"1.5\" inv\xe1lido."},
        {"99999999999", "N\xfamero de p\xe1gina \"99999999999\" inv\xe1lido."},
        {"0", "N\xfamero de p\xe1gina \"0\" fora do intervalo."},
        {"-3f", "N\xfamero de p\xe1gina \"-3F\" fora do intervalo."},
        {"1001", "N\xfamero de p\xe1gina \"1001\" fora do intervalo."},
        {"6f", "P\xe1gina F\xcdSICA \"6F\" inexistente!"},
        {"7", "P\xe1gina \"7\" n\xe3o encontrada!"},
        {"3r", "P\xe1gina \"3R\" n\xe3o encontrada!"},
    };
    for (const auto& c : casos) {
        EXPECT_FALSE(Pede(c.resposta)) << c.resposta;
        EXPECT_EQ(msg, c.mensagem) << c.resposta;
    }
    EXPECT_FALSE(Pede("   "));
    EXPECT_TRUE(msg.empty());
}

TEST(LinhaEditor, PeloMapaOuAUltima) {
    const DynIntArray mapa = {0, 0, 1, 3, -1};
    EXPECT_EQ(LinhaEditorDoRascunho(2, mapa, 3, 9), 1);
    EXPECT_EQ(LinhaEditorDoRascunho(-1, mapa, 3, 9), 0); // no selection reads line 0
    EXPECT_EQ(LinhaEditorDoRascunho(4, mapa, 3, 9), 9);  // beyond the mapped lines
    EXPECT_EQ(LinhaEditorDoRascunho(100, mapa, 200, 9), 9);
}

TEST(TextosPosicao, PaginaEPainel) {
    DynIntArray fis = {-1, -1, 1, 2};
    EXPECT_EQ(TextoPagina(fis, 1), "P\xe1gina: I");
    EXPECT_EQ(TextoPagina(fis, 3), "P\xe1gina: 2");
    EXPECT_EQ(TextoPagina(fis, 9), "P\xe1gina: -");
    EXPECT_EQ(TextoPainelPagina(1, 4), " Primeira p\xe1gina ");
    EXPECT_EQ(TextoPainelPagina(1, 1), " Primeira p\xe1gina ");
    EXPECT_EQ(TextoPainelPagina(4, 4), " \xdaltima p\xe1gina ");
    EXPECT_EQ(TextoPainelPagina(2, 4), "");
}

} // namespace
