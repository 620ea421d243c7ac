// The output code table of the code in force: its messages, the file of each
// code, the shipped files cell by cell, the graphic code table and the
// Latin-1 case helpers.
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

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
    PastaTemporaria pasta;
    DialogosFalsosEscopo d;
};

// What loading the table of the code in force adds to the code-table parser.
TEST_F(TabelaImpressoraTeste, ErroDizALinhaEMantemOQueVeioAntes) {
    EXPECT_FALSE(Carrega("* tabela\r\n\r\n41=61\r\n42=62\r\n*\r\n\r\nxx\r\n43=63\r\n"));
    EXPECT_EQ(d.fake.Textos(), std::vector<std::string>{"Configura\xe7\xe3o da impressora: erro na linha 7"});
    EXPECT_EQ(d.fake.registros[0].icone, Icone::Erro);
    EXPECT_EQ(d.fake.registros[0].botoes, Botoes::OK);
    EXPECT_EQ(TabelaImpressora[0x41], 0x61);
    EXPECT_EQ(TabelaImpressora[0x42], 0x62);
    EXPECT_EQ(Mudados(), 2);
    // Each load starts from the identity.
    EXPECT_TRUE(Carrega("43=63\r\n"));
    EXPECT_EQ(Mudados(), 1);
}

TEST_F(TabelaImpressoraTeste, ArquivoQueNaoSeLeDeixaAIdentidade) {
    const std::string grande = pasta.grava("grande.cfg", "41=61\r\n");
    std::filesystem::resize_file(grande, MaxBytesArquivo + 1);
    const std::pair<std::string, std::string> casos[] = {
        {pasta.caminho("nao-existe.cfg"), "Configura\xe7\xe3o da impressora n\xe3o achada " + pasta.caminho("nao-existe.cfg")},
        {pasta.dir(), "Configura\xe7\xe3o da impressora n\xe3o achada " + pasta.dir()},
        {grande, "Configura\xe7\xe3o da impressora grande demais (no m\xe1ximo 64 MB):\r\n" + grande},
    };
    for (const auto& [nome, mensagem] : casos) {
        d.fake.Limpa();
        ArqAmbCode2 = nome;
        TabelaImpressora[5] = 9;
        EXPECT_FALSE(CarregaTabelaImpressora()) << nome;
        EXPECT_EQ(Mudados(), 0) << nome;
        EXPECT_EQ(d.fake.Textos(), std::vector<std::string>{mensagem});
        EXPECT_EQ(d.fake.registros[0].icone, Icone::Erro);
    }
}

TEST_F(TabelaImpressoraTeste, BrailleAntigoEscolheOArquivo) {
    ArqAmbCode = pasta.grava("antigo.cfg", "41=31\r\n");
    ArqAmbCode2 = pasta.grava("unificado.cfg", "41=32\r\n");
    for (bool antigo : {true, false}) {
        BrailleAntigo = antigo;
        EXPECT_TRUE(CarregaTabelaImpressora());
        EXPECT_EQ(TabelaImpressora[0x41], antigo ? 0x31 : 0x32);
    }
}

TEST(CaixaLatin, MinusculaEMaiuscula) {
    // Codes 192..223 pair with 224..255 as A..Z with a..z; the rest stay.
    const std::pair<int, int> pares[] = {{'A', 'a'}, {'Z', 'z'}, {199, 231}, {192, 224}, {215, 247}, {223, 255}};
    for (auto [m, n] : pares) {
        EXPECT_EQ(MinusculaLatin(static_cast<unsigned char>(m)), n) << m;
        EXPECT_EQ(MaiusculaLatin(static_cast<unsigned char>(n)), m) << n;
        EXPECT_EQ(MinusculaLatin(static_cast<unsigned char>(n)), n) << n;
        EXPECT_EQ(MaiusculaLatin(static_cast<unsigned char>(m)), m) << m;
    }
    for (int c : std::initializer_list<int>{'1', '@', '[', '`', '{', 191, 0}) {
        EXPECT_EQ(MinusculaLatin(static_cast<unsigned char>(c)), c) << c;
        EXPECT_EQ(MaiusculaLatin(static_cast<unsigned char>(c)), c) << c;
    }
}

// The default names, without a folder, are found in the data folder; each
// cell of the code goes out as a code of exactly its six dots, printable.
TEST_F(TabelaImpressoraTeste, ArquivosEntreguesCadaCelaSaiComSeusPontos) {
    VariavelAmbiente dados{"DOTMARA_DATA_DIR", DOTMARA_DATA_DIR};
    RestauraPadroes();
    for (int codigo : {0, 1}) { // old, unified
        BrailleAntigo = codigo == 0;
        ASSERT_TRUE(CarregaTabelaImpressora());
        std::set<unsigned char> saidas;
        for (unsigned m = 0; m < 64; ++m) {
            unsigned char saida = TabelaImpressora[TabelaCelas[static_cast<size_t>(codigo)][m]];
            saidas.insert(saida);
            EXPECT_EQ(PontosDoCaractere[saida], m) << "codigo " << codigo << " mascara " << m;
            EXPECT_TRUE(saida >= 32 && saida <= 126) << m;
        }
        EXPECT_EQ(saidas.size(), 64u);
    }
    EXPECT_TRUE(d.fake.registros.empty());
}

// The graphic code table: every printable code comes out as the code of its
// six dots, without dot 7.
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
    EXPECT_EQ(t[200], 200);
}

} // namespace
