// The code-table parser in its two readings (the main program stops at the
// first bad line, the touch-up program skips it), and where a code-table
// file is looked for.
#include "core/celas/tabela_codigos.h"
#include "platform/arquivos.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Mudancas = std::map<int, int>; // every entry that is not the identity

Mudancas Diferencas(const TabelaDeCodigos& t) {
    Mudancas m;
    for (int i = 0; i < 256; ++i)
        if (t[static_cast<std::size_t>(i)] != i)
            m[i] = t[static_cast<std::size_t>(i)];
    return m;
}

TEST(AplicaTabelaCodigos, AsDuasLeituras) {
    constexpr auto Para = LeituraTabela::ParaNoErro;
    constexpr auto Pula = LeituraTabela::PulaLinhasRuins;
    struct Caso {
        const char* nome;
        const char* conteudo;
        LeituraTabela modo;
        Mudancas esperado;
        int linhaErro; // 0: read to the end
    };
    const Caso casos[] = {
        {"texto apos o quinto caractere", "41=61 letra a, 42=62\r\n", Para, {{0x41, 0x61}}, 0},
        {"a regra posterior vence", "41=61\r\n41=7a\r\n", Pula, {{0x41, 0x7A}}, 0},
        {"minusculas e bytes altos", "e7=26\r\nFF=00\r\n0a=bC\r\n", Para, {{0xE7, 0x26}, {0xFF, 0x00}, {0x0A, 0xBC}}, 0},
        {"comentarios e vazias", "* 41=61\r\n\r\n*\r\n42=62", Para, {{0x42, 0x62}}, 0},
        {"LF sozinho e CR no fim", "41=61\n\r\n42=62\r", Para, {{0x41, 0x61}, {0x42, 0x62}}, 0},
        {"arquivo vazio", "", Para, {}, 0},
        // The strict reading stops at the first bad line and keeps what came
        // before; comments and empty lines count in the numbering.
        {"para no erro", "41=61\r\n* x\r\n41-61\r\n42=62\r\n", Para, {{0x41, 0x61}}, 3},
        // The lenient reading skips what is not a rule and takes the digits
        // of a rule as they stand ("G" counts 16).
        {"pula o que nao e regra", "41-61\r\n4\r\n41=\r\n41=6\r\n 41=61\r\n42=62\r\n", Pula, {{0x42, 0x62}}, 0},
        {"digitos nao validados", "4G=61\r\n40=@1\r\n", Pula, {{0x50, 0x61}, {0x40, 0x01}}, 0},
    };
    for (const Caso& c : casos) {
        TabelaDeCodigos t = TabelaIdentidade();
        const ResultadoTabela r = AplicaTabelaCodigos(c.conteudo, t, c.modo);
        EXPECT_EQ(r.ok, c.linhaErro == 0) << c.nome;
        EXPECT_EQ(r.linhaErro, c.linhaErro) << c.nome;
        EXPECT_EQ(Diferencas(t), c.esperado) << c.nome;
    }
    // Lines the strict reading refuses.
    for (const char* ruim : {" 41=61", "\t41=61", "41=", "41=6", "4", "41", "4G=61", "41=6G", "41-61", "41 =61",
                             "#41=61"}) {
        TabelaDeCodigos t = TabelaIdentidade();
        const ResultadoTabela r = AplicaTabelaCodigos(std::string("42=62\r\n") + ruim + "\r\n", t, Para);
        EXPECT_EQ(r.linhaErro, 2) << ruim;
        EXPECT_EQ(Diferencas(t), (Mudancas{{0x42, 0x62}})) << ruim;
    }
    // The rules go over what the table held: no reset to the identity.
    TabelaDeCodigos t = TabelaIdentidade();
    t[5] = 9;
    EXPECT_TRUE(AplicaTabelaCodigos("41=61\r\n", t, LeituraTabela::PulaLinhasRuins).ok);
    EXPECT_EQ(Diferencas(t), (Mudancas{{5, 9}, {0x41, 0x61}}));
}

TEST(AplicaTabelaCodigos, ArquivosEntregues) {
    // Both shipped files read whole in both readings, to the same table.
    for (const char* nome : {"ambcode.cfg", "ambcode2.cfg"}) {
        std::string conteudo;
        ASSERT_TRUE(LeArquivo(AchaArquivoDados(std::string(DOTMARA_DATA_DIR) + "/", nome), conteudo));
        TabelaDeCodigos estrita = TabelaIdentidade(), tolerante = TabelaIdentidade();
        EXPECT_TRUE(AplicaTabelaCodigos(conteudo, estrita, LeituraTabela::ParaNoErro).ok) << nome;
        EXPECT_TRUE(AplicaTabelaCodigos(conteudo, tolerante, LeituraTabela::PulaLinhasRuins).ok) << nome;
        EXPECT_EQ(estrita, tolerante) << nome;
        EXPECT_FALSE(Diferencas(estrita).empty()) << nome;
    }
}

class LocalizaTabela : public ::testing::Test {
protected:
    void SetUp() override {
        antes_ = DiretorioAtual();
        ASSERT_TRUE(MudaDiretorioAtual(trabalho.dir()));
    }
    void TearDown() override { MudaDiretorioAtual(antes_); }
    PastaTemporaria programa, dados, trabalho;
    VariavelAmbiente dirDados{"DOTMARA_DATA_DIR", dados.dir()};

private:
    std::string antes_;
};

TEST_F(LocalizaTabela, NomeSemPastaNaOrdemDosLugares) {
    // Only in the working folder: found there (the retry in the current folder).
    trabalho.grava("t.cfg", "");
    EXPECT_EQ(LocalizaTabelaCodigos("t.cfg", programa.dir()), "t.cfg");
    // The data folder goes before it, the program folder before both.
    const std::string nosDados = dados.grava("t.cfg", "");
    EXPECT_EQ(LocalizaTabelaCodigos("t.cfg", programa.dir()), nosDados);
    const std::string noPrograma = programa.grava("T.CFG", "");
    EXPECT_EQ(LocalizaTabelaCodigos("t.cfg", programa.dir()), noPrograma);
    // Missing everywhere: the name as given.
    EXPECT_EQ(LocalizaTabelaCodigos("outra.cfg", programa.dir()), "outra.cfg");
    EXPECT_EQ(LocalizaTabelaCodigos("", programa.dir()), "");
}

TEST_F(LocalizaTabela, NomeComPastaComoEsta) {
    programa.grava("t.cfg", "");
    const std::string proprio = trabalho.grava("Minha.CFG", "");
    EXPECT_EQ(LocalizaTabelaCodigos(trabalho.caminho("minha.cfg"), programa.dir()), proprio);
    EXPECT_EQ(LocalizaTabelaCodigos(trabalho.caminho("t.cfg"), programa.dir()), trabalho.caminho("t.cfg"));
}

} // namespace
