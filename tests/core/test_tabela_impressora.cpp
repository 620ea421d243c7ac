// The output code table: the code-table file format, its errors, the two
// shipped files and the hexadecimal and Latin-1 helpers.
#include "core/dmutil.h"
#include "platform/arquivos.h"
#include "core/dmvars.h"
#include "platform/dialogos.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

class TabelaImpressoraTeste : public ::testing::Test {
protected:
    void SetUp() override { RestauraPadroes(); }
    void TearDown() override { RestauraPadroes(); }

    // Loads a unified-code table with the given content.
    bool Carrega(const std::string& conteudo) {
        ArqAmbCode2 = pasta.grava("tabela.cfg", conteudo);
        BrailleAntigo = false;
        return CarregaTabelaImpressora();
    }
    int Mudados() const {
        int n = 0;
        for (int i = 0; i < 256; ++i)
            n += TabelaImpressora[static_cast<size_t>(i)] != i;
        return n;
    }
    std::string ErroLinha(int n) const {
        return "Configura\xe7\xe3o da impressora: erro na linha " + std::to_string(n);
    }

    PastaTemporaria pasta;
    DialogosFalsosEscopo d;
};

TEST_F(TabelaImpressoraTeste, RegrasLidas) {
    struct Caso {
        const char* nome;
        const char* conteudo;
        std::vector<std::pair<int, int>> regras;   // every byte that changes
    };
    const Caso casos[] = {
        {"uma regra", "41=61\r\n", {{0x41, 0x61}}},
        {"texto apos o quinto caractere", "41=61 letra a, 42=62\r\n", {{0x41, 0x61}}},
        {"a regra posterior vence", "41=61\r\n41=7a\r\n", {{0x41, 0x7A}}},
        {"minusculas e bytes altos", "e7=26\r\nFF=00\r\n0a=bC\r\n", {{0xE7, 0x26}, {0xFF, 0x00}, {0x0A, 0xBC}}},
        // CR LF, LF alone, blank CR lines, no line end at the end of the file
        {"fins de linha", "41=61\n\r\n42=62\r\n43=63", {{0x41, 0x61}, {0x42, 0x62}, {0x43, 0x63}}},
        {"CR sozinho no fim", "41=61\r", {{0x41, 0x61}}},
    };
    for (const Caso& c : casos) {
        EXPECT_TRUE(Carrega(c.conteudo)) << c.nome;
        for (auto [de, para] : c.regras)
            EXPECT_EQ(TabelaImpressora[static_cast<size_t>(de)], para) << c.nome;
        EXPECT_EQ(Mudados(), static_cast<int>(c.regras.size())) << c.nome;
    }
    EXPECT_TRUE(d.fake.registros.empty());
}

TEST_F(TabelaImpressoraTeste, ComentariosELinhasVaziasContamNaNumeracao) {
    EXPECT_FALSE(Carrega("* tabela\r\n\r\n41=61\r\n42=62\r\n*\r\n\r\nxx\r\n43=63\r\n"));
    ASSERT_EQ(d.fake.registros.size(), 1u);
    EXPECT_EQ(d.fake.registros[0].texto, ErroLinha(7));
    EXPECT_EQ(d.fake.registros[0].icone, Icone::Erro);
    EXPECT_EQ(d.fake.registros[0].botoes, Botoes::OK);
    // The rules before the bad line stay; the ones after it are not read.
    EXPECT_EQ(TabelaImpressora[0x41], 0x61);
    EXPECT_EQ(TabelaImpressora[0x42], 0x62);
    EXPECT_EQ(TabelaImpressora[0x43], 0x43);
}

TEST_F(TabelaImpressoraTeste, LinhasQueNaoSaoRegras) {
    const char* ruins[] = {
        " 41=61",   // a leading blank
        "41=",      // too short: nothing after "="
        "41=6",     // one digit after "="
        "4",        // shorter than three characters
        "41",
        "4G=61",    // not hexadecimal
        "41=6G",
        "41-61",    // no "=" at position 3
        "\t41=61",
        "41 =61",
        "#41=61",
    };
    for (const char* r : ruins) {
        d.fake.Limpa();
        EXPECT_FALSE(Carrega(std::string("42=62\r\n") + r + "\r\n")) << r;
        EXPECT_EQ(Mudados(), 1) << r;
        ASSERT_EQ(d.fake.Textos().size(), 1u) << r;
        EXPECT_EQ(d.fake.Textos()[0], ErroLinha(2)) << r;
    }
}

TEST_F(TabelaImpressoraTeste, CadaCargaComecaDaIdentidade) {
    EXPECT_TRUE(Carrega("41=61\r\n"));
    EXPECT_TRUE(Carrega("42=62\r\n"));
    EXPECT_EQ(TabelaImpressora[0x41], 0x41);
    EXPECT_EQ(TabelaImpressora[0x42], 0x62);
}

TEST_F(TabelaImpressoraTeste, ArquivoAusente) {
    ArqAmbCode2 = pasta.caminho("nao-existe.cfg");
    TabelaImpressora[5] = 9;
    EXPECT_FALSE(CarregaTabelaImpressora());
    EXPECT_EQ(Mudados(), 0);
    ASSERT_EQ(d.fake.registros.size(), 1u);
    EXPECT_EQ(d.fake.registros[0].texto,
              "Configura\xe7\xe3o da impressora n\xe3o achada " + pasta.caminho("nao-existe.cfg"));
    EXPECT_EQ(d.fake.registros[0].icone, Icone::Erro);
}

TEST_F(TabelaImpressoraTeste, UmaPastaNaoEArquivo) {
    ArqAmbCode2 = pasta.dir();
    EXPECT_FALSE(CarregaTabelaImpressora());
    EXPECT_EQ(d.fake.registros.size(), 1u);
}

TEST_F(TabelaImpressoraTeste, BrailleAntigoEscolheOArquivo) {
    ArqAmbCode = pasta.grava("antigo.cfg", "41=31\r\n");
    ArqAmbCode2 = pasta.grava("unificado.cfg", "41=32\r\n");
    BrailleAntigo = true;
    EXPECT_TRUE(CarregaTabelaImpressora());
    EXPECT_EQ(TabelaImpressora[0x41], 0x31);
    BrailleAntigo = false;
    EXPECT_TRUE(CarregaTabelaImpressora());
    EXPECT_EQ(TabelaImpressora[0x41], 0x32);
}

TEST_F(TabelaImpressoraTeste, NomeAchadoSemDistinguirMaiusculas) {
    pasta.grava("AMBCODE2.CFG", "41=33\r\n");
    ArqAmbCode2 = pasta.caminho("ambcode2.cfg");
    BrailleAntigo = false;
    EXPECT_TRUE(CarregaTabelaImpressora());
    EXPECT_EQ(TabelaImpressora[0x41], 0x33);
}

TEST(CaixaLatin, MinusculaEMaiuscula) {
    const std::pair<int, int> minuscula[] = {{'A', 'a'}, {'Z', 'z'}, {199, 231}, {192, 224}, {215, 247},
                                            {223, 255}, {'a', 'a'}, {'1', '1'}, {'@', '@'}, {'[', '['},
                                            {191, 191}, {224, 224}, {0, 0},     {255, 255}};
    for (auto [de, para] : minuscula)
        EXPECT_EQ(MinusculaLatin(static_cast<unsigned char>(de)), para) << de;
    const std::pair<int, int> maiuscula[] = {{'a', 'A'}, {'z', 'Z'}, {231, 199}, {255, 223}, {224, 192},
                                            {247, 215}, {'A', 'A'}, {'1', '1'}, {'`', '`'}, {'{', '{'},
                                            {223, 223}, {0, 0}};
    for (auto [de, para] : maiuscula)
        EXPECT_EQ(MaiusculaLatin(static_cast<unsigned char>(de)), para) << de;
}

// ---- The two shipped code-table files -----------------------------------

class ArquivosDeCodigo : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { RestauraPadroes(); }
    void TearDown() override { RestauraPadroes(); }
    DialogosFalsosEscopo d;
};

TEST_P(ArquivosDeCodigo, CadaCelaSaiComSeusPontos) {
    const int codigo = GetParam(); // 0 old, 1 unified
    ArqAmbCode = std::string(DOTMARA_DATA_DIR) + "/ambcode.cfg";
    ArqAmbCode2 = std::string(DOTMARA_DATA_DIR) + "/ambcode2.cfg";
    BrailleAntigo = codigo == 0;
    ASSERT_TRUE(CarregaTabelaImpressora());
    EXPECT_TRUE(d.fake.registros.empty());
    std::set<unsigned char> saidas;
    for (unsigned m = 0; m < 64; ++m) {
        unsigned char interno = TabelaCelas[static_cast<size_t>(codigo)][m];
        unsigned char saida = TabelaImpressora[interno];
        saidas.insert(saida);
        // Exactly the six dots of the cell: no dot 7 or 8 on the screen.
        EXPECT_EQ(PontosDoCaractere[saida], m) << "codigo " << codigo << " mascara " << m;
        EXPECT_GE(saida, 32) << m;
        EXPECT_LE(saida, 126) << m;
    }
    EXPECT_EQ(saidas.size(), 64u);
}

INSTANTIATE_TEST_SUITE_P(AntigoEUnificado, ArquivosDeCodigo, ::testing::Values(0, 1));

TEST(ArquivosDeCodigoPadrao, AchadosPeloNomeSemPasta) {
    // The default names, without a folder, are found in the data folder.
    RestauraPadroes();
    VariavelAmbiente dados("DOTMARA_DATA_DIR", DOTMARA_DATA_DIR);
    DialogosFalsosEscopo d;
    for (bool antigo : {true, false}) {
        BrailleAntigo = antigo;
        EXPECT_TRUE(CarregaTabelaImpressora()) << antigo;
    }
    EXPECT_TRUE(d.fake.registros.empty());
    RestauraPadroes();
}

// The graphic code table: every printable output code comes out as a code
// of the same six dots, without dot 7 (capitals, "@", "]", "^" lose it).
TEST(ArquivoCodigoGrafico, CadaCodigoSaiNaCelaDeSeisPontos) {
    std::string conteudo;
    ASSERT_TRUE(LeArquivo(std::string(DOTMARA_DATA_DIR) + "/zizerov.amb", conteudo));
    TabelaDeCodigos t = TabelaIdentidade();
    const ResultadoTabela r = AplicaTabelaCodigos(conteudo, t, LeituraTabela::ParaNoErro);
    ASSERT_TRUE(r.ok) << "line " << r.linhaErro;
    std::set<unsigned char> celas;
    for (unsigned c = 32; c <= 126; ++c) {
        const unsigned char saida = t[c];
        EXPECT_EQ(PontosDoCaractere[saida], PontosDoCaractere[c] & 0x3F) << c;
        EXPECT_EQ(PontosDoCaractere[saida] & 0xC0, 0) << c;
        celas.insert(PontosDoCaractere[saida]);
    }
    EXPECT_EQ(celas.size(), 64u);
    // Capitals become their lower-case letters; six-dot codes stay.
    EXPECT_EQ(t['A'], 'a');
    EXPECT_EQ(t['@'], '`');
    EXPECT_EQ(t[']'], '}');
    EXPECT_EQ(t['['], '[');
    EXPECT_EQ(t['z'], 'z');
    EXPECT_EQ(t[200], 200);
}

} // namespace
