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

struct CasoMedida {
    const char* nome;
    std::string conteudo;
    bool tiger;
    int colunas, linhas;
};

class MedeGRBCasos : public ::testing::TestWithParam<CasoMedida> {};

TEST_P(MedeGRBCasos, Mede)
{
    const CasoMedida& c = GetParam();
    int col = -1, lin = -1;
    MedeGRB(c.conteudo, c.tiger, col, lin);
    EXPECT_EQ(col, c.colunas);
    EXPECT_EQ(lin, c.linhas);
}

const std::string Quatro = "*******   \r\n*\r\n  *\r\n   * \r\n   \r\n\r\n \r\n";

INSTANTIATE_TEST_SUITE_P(
    Arquivos, MedeGRBCasos,
    ::testing::Values(CasoMedida{"SeteColunasQuatroLinhasIndex", Quatro, false, 8, 6},
                      CasoMedida{"SeteColunasQuatroLinhasTiger", Quatro, true, 7, 4},
                      CasoMedida{"SoBrancos", "   \n\n  \n", false, 0, 0},
                      CasoMedida{"Vazio", "", false, 0, 0},
                      CasoMedida{"SemFimDeLinha", "**", false, 2, 3},
                      CasoMedida{"LinhaBrancaNoMeio", "*\n\n\n*", true, 1, 4}),
    [](const ::testing::TestParamInfo<CasoMedida>& i) { return std::string(i.param.nome); });

class Grb : public ::testing::Test {
protected:
    void SetUp() override
    {
        RestauraPadroes();
        CarregaGeometria();
    }
    void TearDown() override
    {
        RestauraPadroes();
        CarregaGeometria();
    }
    DialogosFalsosEscopo dlg;
};

TEST_F(Grb, ArquivoMedidoEmPontosECelas)
{
    const std::string nome = ArquivoTemporario("graf");
    ASSERT_TRUE(GravaArquivoAtomico(nome, std::string(10, '*') + "\r\n" + "*\r\n*\r\n*\r\n*\r\n*\r\n"));
    int col = 0, lin = 0;
    LeTamanhoGRB(nome, col, lin);
    EXPECT_EQ(col, 10);
    EXPECT_EQ(lin, 6);
    int x = 0, y = 0;
    ExtensaoGRB(nome, x, y);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 6);
    int l = 0, c = 0;
    TamanhoGRBEmCelas(nome, l, c);
    EXPECT_EQ(c, 4);
    EXPECT_EQ(l, 2);
    EXPECT_EQ(LinhasGRB(nome), 2);
    ImprMarca = "Tiger";
    ModoVisualizacao = false;
    CarregaGeometria();
    ExtensaoGRB(nome, x, y);
    EXPECT_EQ(x, 19);
    EXPECT_EQ(y, 11);
    EXPECT_TRUE(dlg.fake.registros.empty());
    ImprMarca.clear();
    CarregaGeometria();
}

TEST_F(Grb, ArquivoIlegivelAvisaEMedeZero)
{
    int col = 5, lin = 5;
    LeTamanhoGRB("/nao/existe/x.grb", col, lin);
    EXPECT_EQ(col, 0);
    EXPECT_EQ(lin, 0);
    ASSERT_EQ(dlg.fake.registros.size(), 1u);
    EXPECT_EQ(dlg.fake.registros[0].texto, "N\xe3o consegui abrir arquivo /nao/existe/x.grb!");
    EXPECT_EQ(dlg.fake.registros[0].icone, Icone::Erro);
    EXPECT_EQ(LinhasGRB("/nao/existe/x.grb"), 0);
}

TEST(MatrizGrafica, MarcaELimpaDentroDosLimites)
{
    LimpaMatriz();
    MarcaPonto(0, 0);
    MarcaPonto(900, 900);
    MarcaPonto(901, 0);
    MarcaPonto(-1, 5);
    MarcaPonto(5, 901);
    EXPECT_TRUE(PontoMarcado(0, 0));
    EXPECT_TRUE(PontoMarcado(900, 900));
    EXPECT_FALSE(PontoMarcado(901, 0));
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

// Only a regular file of a sane size is read as a graphic: a file that
// never ends (/proc/self/pagemap), a sparse file of gigabytes, a pipe, a
// folder or a graphic larger than the page matrix is refused without being
// read in full.
TEST(LeArquivoGRB, SoArquivoComumDeTamanhoSensato)
{
    PastaTemporaria p;
    std::string cheia;
    for (int i = 0; i < LadoMatriz; ++i) cheia += std::string(LadoMatriz, '*') + "\n";
    p.grava("cheia.grb", cheia);
    p.grava("pequena.grb", "**\n*\n");
    p.grava("larga.grb", std::string(LadoMatriz + 1, '*') + "\n");
    p.grava("alta.grb", std::string(LadoMatriz, '\n') + "*\n");
    // Blank lines at the end carry no dots: they do not count as rows.
    p.grava("rodape.grb", "*\n" + std::string(5000, '\n'));
    p.grava("mega.grb", std::string(MaxBytesGRB + 1, ' '));
    ASSERT_EQ(::mkfifo(p.caminho("cano.grb").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(p.caminho("pasta.grb").c_str(), 0700), 0);
    {
        const int fd = ::open(p.caminho("esparsa.grb").c_str(), O_CREAT | O_WRONLY, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, 10LL << 30), 0);
        ::close(fd);
    }
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
        if (c.esperado != LeituraGRB::Lido) {
            EXPECT_TRUE(g.conteudo.empty()) << c.caminho;
        }
    }
    EXPECT_EQ(MensagemLeituraGRB(LeituraGRB::NaoAberto, "x.grb", "falta"), "falta");
    EXPECT_EQ(MensagemLeituraGRB(LeituraGRB::GrandeDemais, "x.grb", "falta"),
              "Arquivo x.grb grande demais para um gráfico (no máximo 1 MB e 901 linhas e colunas de pontos)."_cp);
}

TEST_F(Grb, GraficoGrandeDemaisAvisaEMedeZero)
{
    int col = 5, lin = 5;
    LeTamanhoGRB("/proc/self/pagemap", col, lin);
    EXPECT_EQ(col, 0);
    EXPECT_EQ(lin, 0);
    EXPECT_EQ(dlg.fake.Textos(), (std::vector<std::string>{MensagemLeituraGRB(
                                     LeituraGRB::GrandeDemais, "/proc/self/pagemap", "")}));
    EXPECT_EQ(dlg.fake.registros[0].icone, Icone::Erro);
}

// One rule for the compile, the print job and the preview: a relative name
// lies beside the document.
TEST(CaminhoGrafico, NomesRelativosAoLadoDoDocumento)
{
    const struct {
        const char* nome;
        const char* arqAtual;
        const char* caminho;
    } casos[] = {
        {"fig.grb", "/docs/livro.txt", "/docs/fig.grb"},
        {"graficos/fig.grb", "/docs/livro.txt", "/docs/graficos/fig.grb"},
        {"/outra/fig.grb", "/docs/livro.txt", "/outra/fig.grb"},
        {"fig.grb", "", "fig.grb"},          // no document yet: the working folder
        {"fig.grb", "livro.txt", "fig.grb"}, // a document without a folder
        {"", "/docs/livro.txt", ""},
    };
    for (const auto& c : casos) EXPECT_EQ(CaminhoGrafico(c.nome, c.arqAtual), c.caminho) << c.nome;
}

TEST(GraficoVazio, TamanhoPedido)
{
    int yy = 0, xx = 0;
    EXPECT_TRUE(LeTamanhoGraficoVazio("3 4", yy, xx));
    EXPECT_EQ(yy, 3);
    EXPECT_EQ(xx, 4);
    EXPECT_TRUE(LeTamanhoGraficoVazio("10    20  ", yy, xx));
    EXPECT_EQ(xx, 20);
    for (const char* ruim : {"3", "a 4", "0 4", "4 0", "-2 3", "3 x", "", "999 999"})
        EXPECT_FALSE(LeTamanhoGraficoVazio(ruim, yy, xx)) << ruim;
}

TEST(GraficoVazio, Moldura)
{
    const std::string t = TextoGraficoVazio(3, 4);
    const auto linhas = DivideLinhas(t);
    ASSERT_EQ(linhas.size(), 14u);
    EXPECT_EQ(linhas[0], std::string(24, '*'));
    EXPECT_EQ(linhas[13], std::string(24, '*'));
    for (int i = 1; i < 13; ++i) EXPECT_EQ(linhas[static_cast<size_t>(i)], "*" + std::string(22, ' ') + "*");
    int col = 0, lin = 0;
    MedeGRB(t, true, col, lin);
    EXPECT_EQ(col, 24);
    EXPECT_EQ(lin, 14);
}

TEST(GraficoVazio, NomeDoArquivo)
{
    EXPECT_EQ(NomeGraficoVazio(" mapa ", "/docs/livro.txt"), "/docs/mapa.GRB");
    EXPECT_EQ(NomeGraficoVazio("mapa.grb", "/docs/livro.txt"), "/docs/mapa.grb");
    EXPECT_EQ(NomeGraficoVazio("/x/mapa.grb", "/docs/livro.txt"), "/x/mapa.grb");
    EXPECT_EQ(NomeGraficoVazio("c:\\x\\mapa.grb", "/docs/livro.txt"), "c:\\x\\mapa.grb");
    EXPECT_EQ(NomeGraficoVazio("mapa", ""), "mapa.GRB");
    EXPECT_EQ(NomeGraficoVazio("   ", "/docs/a.txt"), "");
}

TEST(GraficoVazio, GravaArquivo)
{
    const std::string nome = ArquivoTemporario("vazio");
    ASSERT_TRUE(GravaGraficoVazio(nome, 1, 1));
    std::string c;
    ASSERT_TRUE(LeArquivo(nome, c));
    EXPECT_EQ(c, "******\r\n*    *\r\n*    *\r\n******\r\n");
    EXPECT_FALSE(GravaGraficoVazio("/nao/existe/g.grb", 1, 1));
}

} // namespace
