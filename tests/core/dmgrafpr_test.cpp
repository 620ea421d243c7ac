// Tactile graphic matrix, .GRB measuring and the empty framed graphic.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/dmvars.h"
#include "output/dmgrafpr.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/texto.h"
#include "support/temporario.h"

namespace {

TEST(MedeGRB, ColunasELinhasDePontos) {
    const std::string quatro = "*******   \r\n*\r\n  *\r\n   * \r\n   \r\n\r\n \r\n";
    struct Caso {
        std::string conteudo;
        bool tiger;
        int colunas, linhas;
    };
    const Caso casos[] = {
        {quatro, false, 8, 6}, {quatro, true, 7, 4}, {"   \n\n  \n", false, 0, 0},
        {"", false, 0, 0},     {"**", false, 2, 3},  {"*\n\n\n*", true, 1, 4},
    };
    for (const Caso& c : casos) {
        int col = -1, lin = -1;
        MedeGRB(c.conteudo, c.tiger, col, lin);
        EXPECT_EQ(col, c.colunas) << c.conteudo << c.tiger;
        EXPECT_EQ(lin, c.linhas) << c.conteudo << c.tiger;
    }
}

class Grb : public ::testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        RestauraPadroes();
        CarregaGeometria();
    }
    DialogosFalsosEscopo dlg;
};

TEST_F(Grb, ArquivoMedidoEmPontosECelas) {
    const std::string nome = ArquivoTemporario("graf");
    ASSERT_TRUE(GravaArquivoAtomico(nome, std::string(10, '*') + "\r\n" + "*\r\n*\r\n*\r\n*\r\n*\r\n"));
    int col = 0, lin = 0, x = 0, y = 0, l = 0, c = 0;
    LeTamanhoGRB(nome, col, lin);
    ExtensaoGRB(nome, x, y);
    TamanhoGRBEmCelas(nome, l, c);
    EXPECT_EQ(std::vector<int>({col, lin, x, y, c, l, LinhasGRB(nome)}), std::vector<int>({10, 6, 10, 6, 4, 2, 2}));
    ImprMarca = "Tiger";
    ModoVisualizacao = false;
    CarregaGeometria();
    ExtensaoGRB(nome, x, y);
    EXPECT_EQ(x, 19);
    EXPECT_EQ(y, 11);
    EXPECT_TRUE(dlg.fake.registros.empty());
}

// A file that cannot be opened, or one too big: the message, and zero.
TEST_F(Grb, ArquivoIlegivelOuGrandeAvisaEMedeZero) {
    const std::pair<const char*, std::string> casos[] = {
        {"/nao/existe/x.grb", "N\xe3o consegui abrir arquivo /nao/existe/x.grb!"},
        {"/proc/self/pagemap", MensagemLeituraGRB(LeituraGRB::GrandeDemais, "/proc/self/pagemap", "")},
    };
    for (const auto& [nome, mensagem] : casos) {
        dlg.fake.Limpa();
        int col = 5, lin = 5;
        LeTamanhoGRB(nome, col, lin);
        EXPECT_EQ(col + lin, 0) << nome;
        EXPECT_EQ(dlg.fake.Textos(), std::vector<std::string>{mensagem});
        EXPECT_EQ(dlg.fake.registros[0].icone, Icone::Erro);
        EXPECT_EQ(LinhasGRB(nome), 0) << nome;
    }
}

TEST(MatrizGrafica, MarcaELimpaDentroDosLimites) {
    LimpaMatriz();
    for (auto [x, y] : {std::pair{0, 0}, {900, 900}, {901, 0}, {-1, 5}, {5, 901}}) MarcaPonto(x, y);
    EXPECT_TRUE(PontoMarcado(0, 0));
    EXPECT_TRUE(PontoMarcado(900, 900));
    for (auto [x, y] : {std::pair{901, 0}, {-1, 5}, {5, 901}, {0, -1}})
        EXPECT_FALSE(PontoMarcado(x, y)) << x << "," << y;
    int total = 0;
    for (unsigned char v : MatrizGrafica) total += v;
    EXPECT_EQ(total, 2);
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 20; ++x) MarcaPonto(x, y);
    LimpaAreaMatriz(12, 12, 3, 2);
    EXPECT_TRUE(PontoMarcado(11, 12));
    EXPECT_FALSE(PontoMarcado(12, 12));
    EXPECT_FALSE(PontoMarcado(14, 13));
    EXPECT_TRUE(PontoMarcado(15, 12));
    EXPECT_TRUE(PontoMarcado(12, 14));
    LimpaAreaMatriz(10, 10, 0, 5); // nothing
    EXPECT_TRUE(PontoMarcado(10, 10));
    // Rectangles reaching outside the matrix are clipped, never written past it.
    LimpaAreaMatriz(-5, -5, 20, 20);
    EXPECT_FALSE(PontoMarcado(10, 10));
    EXPECT_FALSE(PontoMarcado(0, 0));
    EXPECT_TRUE(PontoMarcado(15, 15));
    LimpaAreaMatriz(850, 850, 2000000000, 2000000000);
    EXPECT_FALSE(PontoMarcado(900, 900));
    LimpaMatriz();
    EXPECT_FALSE(PontoMarcado(15, 15));
}

// Only a regular file of a sane size is read as a graphic: a file that never
// ends, a sparse file of gigabytes, a pipe, a folder or a graphic larger than
// the page matrix is refused without being read in full.
TEST(LeArquivoGRB, SoArquivoComumDeTamanhoSensato) {
    PastaTemporaria p;
    std::string cheia;
    for (int i = 0; i < LadoMatriz; ++i) cheia += std::string(LadoMatriz, '*') + "\n";
    p.grava("cheia.grb", cheia);
    p.grava("pequena.grb", "**\n*\n");
    p.grava("larga.grb", std::string(LadoMatriz + 1, '*') + "\n");
    p.grava("alta.grb", std::string(LadoMatriz, '\n') + "*\n");
    p.grava("rodape.grb", "*\n" + std::string(5000, '\n')); // blank lines at the end: no rows
    p.grava("mega.grb", std::string(MaxBytesGRB + 1, ' '));
    ASSERT_EQ(::mkfifo(p.caminho("cano.grb").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(p.caminho("pasta.grb").c_str(), 0700), 0);
    const int fd = ::open(p.caminho("esparsa.grb").c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 10LL << 30), 0);
    ::close(fd);
    struct Caso {
        std::string caminho;
        LeituraGRB esperado;
        int colunas, linhas; // Index (whole cells)
    };
    const Caso casos[] = {
        {p.caminho("pequena.grb"), LeituraGRB::Lido, 2, 3},
        {p.caminho("cheia.grb"), LeituraGRB::Lido, 902, 903},
        {p.caminho("rodape.grb"), LeituraGRB::Lido, 2, 3},
        {p.caminho("larga.grb"), LeituraGRB::GrandeDemais, 0, 0},
        {p.caminho("alta.grb"), LeituraGRB::GrandeDemais, 0, 0},
        {p.caminho("mega.grb"), LeituraGRB::GrandeDemais, 0, 0},
        {p.caminho("esparsa.grb"), LeituraGRB::GrandeDemais, 0, 0},
        {"/proc/self/pagemap", LeituraGRB::GrandeDemais, 0, 0},
        {p.caminho("cano.grb"), LeituraGRB::NaoAberto, 0, 0},
        {p.caminho("pasta.grb"), LeituraGRB::NaoAberto, 0, 0},
        {p.caminho("falta.grb"), LeituraGRB::NaoAberto, 0, 0},
    };
    for (const Caso& c : casos) {
        ArquivoGRB g;
        g.colunas = 7;
        EXPECT_EQ(LeArquivoGRB(c.caminho, false, g), c.esperado) << c.caminho;
        EXPECT_EQ(g.colunas, c.colunas) << c.caminho;
        EXPECT_EQ(g.linhasPontos, c.linhas) << c.caminho;
        if (c.esperado != LeituraGRB::Lido) { EXPECT_TRUE(g.conteudo.empty()) << c.caminho; }
    }
    EXPECT_EQ(MensagemLeituraGRB(LeituraGRB::NaoAberto, "x.grb", "falta"), "falta");
    EXPECT_EQ(MensagemLeituraGRB(LeituraGRB::GrandeDemais, "x.grb", "falta"),
              "Arquivo x.grb grande demais para um gráfico (no máximo 1 MB e 901 linhas e colunas de pontos)."_cp);
}

// One rule for the compile, the print job and the preview: a relative name
// lies beside the document.
TEST(CaminhoGrafico, NomesRelativosAoLadoDoDocumento) {
    const char* const casos[][3] = {
        {"fig.grb", "/docs/livro.txt", "/docs/fig.grb"},
        {"graficos/fig.grb", "/docs/livro.txt", "/docs/graficos/fig.grb"},
        {"/outra/fig.grb", "/docs/livro.txt", "/outra/fig.grb"},
        {"fig.grb", "", "fig.grb"},          // no document yet: the working folder
        {"fig.grb", "livro.txt", "fig.grb"},
        {"", "/docs/livro.txt", ""},
    };
    for (const auto& c : casos) EXPECT_EQ(CaminhoGrafico(c[0], c[1]), c[2]) << c[0] << " " << c[1];
}

TEST(GraficoVazio, TamanhoNomeEMoldura) {
    int yy = 0, xx = 0;
    EXPECT_TRUE(LeTamanhoGraficoVazio("10    20  ", yy, xx));
    EXPECT_EQ(yy, 10);
    EXPECT_EQ(xx, 20);
    for (const char* ruim : {"3", "a 4", "0 4", "4 0", "-2 3", "3 x", "", "999 999"})
        EXPECT_FALSE(LeTamanhoGraficoVazio(ruim, yy, xx)) << ruim;
    const char* const nomes[][3] = {
        {" mapa ", "/docs/livro.txt", "/docs/mapa.GRB"}, {"mapa.grb", "/docs/livro.txt", "/docs/mapa.grb"},
        {"/x/mapa.grb", "/docs/livro.txt", "/x/mapa.grb"}, {"c:\\x\\mapa.grb", "/docs/livro.txt", "c:\\x\\mapa.grb"},
        {"mapa", "", "mapa.GRB"}, {"   ", "/docs/a.txt", ""},
    };
    for (const auto& n : nomes) EXPECT_EQ(NomeGraficoVazio(n[0], n[1]), n[2]) << n[0];
    // 3 lines by 4 cells: a frame of 24 by 14 dots.
    const std::string t = TextoGraficoVazio(3, 4);
    std::string esperado = std::string(24, '*') + "\r\n";
    for (int i = 1; i < 13; ++i) esperado += "*" + std::string(22, ' ') + "*\r\n";
    EXPECT_EQ(t, esperado + std::string(24, '*') + "\r\n");
    const std::string nome = ArquivoTemporario("vazio");
    ASSERT_TRUE(GravaGraficoVazio(nome, 1, 1));
    EXPECT_EQ(LeArquivoTeste(nome), "******\r\n*    *\r\n*    *\r\n******\r\n");
    EXPECT_FALSE(GravaGraficoVazio("/nao/existe/g.grb", 1, 1));
}

} // namespace
