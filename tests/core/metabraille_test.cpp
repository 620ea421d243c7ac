// The meta-braille copy: the cells it writes, the lines it takes, its size
// limit, and the output table it leaves in force.
#include "editor/dmmetabraille.h"
#include "support/ferramentas_teste.h"

namespace {

class MetaBraille : public FerramentasTeste {};

TEST_F(MetaBraille, OneBrailleLinePerSelectedLineInInternalCells) {
    Texto({"Casa", "", "1234567890 e 20", "fim"});
    Seleciona(0, 1, 2, 3);
    ASSERT_TRUE(CopiaEmMetaBraille(doc));
    // Internal cells, no output table: capital "{", number "#", the digits as
    // the letters whose cells they have, "a".."i" and "j" for zero.
    EXPECT_EQ(servicos.fake.areaTransferencia, "{casa\r\n\r\n#abcdefghij e #bj\r\n");
}

TEST_F(MetaBraille, TheLinesTaken) {
    Texto({"um", "dois", "tres"});
    const struct { int linha, coluna, linhaFim, colunaFim, primeira, ultima; } casos[] = {
        {1, 2, 1, 2, 1, 1},   // nothing selected: the caret's line
        {0, 0, 2, 0, 0, 2},   // ending just after a line end takes the line that follows
        {0, 1, 1, 1, 0, 1},
        {2, 4, 2, 4, 2, 2},
        {0, 0, 3, 0, 0, 2},   // up to the end of the text: no line past the last
    };
    for (const auto& c : casos) {
        Seleciona(c.linha, c.coluna, c.linhaFim, c.colunaFim);
        int primeira = -1, ultima = -1;
        LinhasMetaBraille(doc, primeira, ultima);
        EXPECT_EQ(primeira, c.primeira) << c.linha << "," << c.coluna;
        EXPECT_EQ(ultima, c.ultima) << c.linhaFim << "," << c.colunaFim;
    }
    DocumentoEmMemoria vazio;
    DefineDocumentoEmEdicao(&vazio);
    ASSERT_TRUE(CopiaEmMetaBraille(vazio));
    EXPECT_EQ(servicos.fake.areaTransferencia, "\r\n");   // the line of an empty text
}

TEST_F(MetaBraille, LinesThatWouldStartPastTheLimitAreLeftOut) {
    // Lines of 100 cells and CR LF: 102 bytes each.
    const std::string linha(100, 'a');
    std::vector<std::string> linhas(700, linha);
    Texto(linhas);
    Seleciona(0, 0, 699, 100);
    ASSERT_TRUE(CopiaEmMetaBraille(doc));
    const std::string& t = servicos.fake.areaTransferencia;
    // 639 lines end at 65178 <= 65199, so a 640th starts; a 641st would start at 65280.
    EXPECT_EQ(t.size(), 640u * 102u);
    EXPECT_EQ(t.substr(t.size() - 102), linha + "\r\n");
}

TEST_F(MetaBraille, TheOutputTableInForceIsKept) {
    Texto({"Casa 12"});
    const auto tabela = TabelaImpressora;
    ASSERT_NE(tabela, TabelaIdentidade());   // the shipped code table maps some cells
    ASSERT_TRUE(CopiaEmMetaBraille(doc));
    EXPECT_EQ(TabelaImpressora, tabela);
    servicos.fake.areaOcupada = true;   // also when the clipboard cannot be had
    servicos.fake.areaTransferencia = "antes";
    EXPECT_FALSE(CopiaEmMetaBraille(doc));
    EXPECT_EQ(TabelaImpressora, tabela);
    EXPECT_EQ(servicos.fake.areaTransferencia, "antes");
    EXPECT_TRUE(caixas.fake.registros.empty());
}

} // namespace
