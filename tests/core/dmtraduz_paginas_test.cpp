// Page composition: headers, page numbers, page ends, graphic pages, maps.
#include <algorithm>

#include "compila_teste.h"
#include "compila_apoio.h"
#include "support/temporario.h"

#include <sys/stat.h>

namespace {

// Stand-in translator: a number gets the number sign "#", a word in capitals
// a capital sign "." and lower case; other text is copied.
std::string TradutorFalso(const std::string& s)
{
    if (!s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return "#" + s;
    if (!s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
        std::string r = ".";
        for (char c : s) r += static_cast<char>(c + 32);
        return r;
    }
    return s;
}

class Paginas : public CompilaEmMemoria {
protected:
    void SetUp() override
    {
        CompilaEmMemoria::SetUp();
        tradutor = TradutorFalso;
        MaxCarac = 20;
        MaxLin = 3;
        Titulo = "titulo";
    }
    // n one-word lines, one per braille line.
    static std::vector<std::string> Linhas(int n)
    {
        std::vector<std::string> d;
        for (int i = 0; i < n; ++i) d.push_back(" l" + std::to_string(i + 1));
        return d;
    }
};

// Header types 0 and 1 put no header on the even pages of a two-sided book;
// one-sided, every page is a front page and gets one.
TEST_F(Paginas, CabecalhoSoNasFrentes)
{
    const std::vector<std::string> frenteVerso = {
        "      titulo      #1", "l1", "l2", Traco50, "l3", "l4", Traco50,
    };
    const std::vector<std::string> soFrente = {
        "      titulo      #1", "l1", "l2", Traco50, "      titulo      #2", "l3", "l4", Traco50,
    };
    struct Caso {
        const char* nome;
        int tipoCabec;
        bool frenteVerso;
        const std::vector<std::string>& esperado;
    };
    const Caso casos[] = {
        {"tipo 1 frente e verso", 1, true, frenteVerso},
        {"tipo 0 frente e verso", 0, true, frenteVerso},
        {"tipo 1 so frente", 1, false, soFrente},
    };
    for (const Caso& c : casos) {
        TipoCabec = c.tipoCabec;
        FrenteVerso = c.frenteVerso;
        escritor.linhas.clear();
        EXPECT_EQ(Compila(Linhas(4)), c.esperado) << c.nome;
    }
}

struct CasoCabecalho {
    const char* nome;
    int posicao;
    bool romana;
    int numPagina;
    int tinta;
    std::string esperado;
};

class Cabecalhos : public Paginas, public ::testing::WithParamInterface<CasoCabecalho> {};

TEST_P(Cabecalhos, MontaNaPosicao)
{
    const CasoCabecalho& c = GetParam();
    EstiloNumPag = c.posicao;
    FrenteVerso = false;
    Inicia();
    estado.NumeracaoRomana = c.romana;
    estado.NumPagina = c.numPagina;
    estado.NumPagTinta = c.tinta;
    std::string cab;
    ASSERT_TRUE(MontaCabecalho(cab));
    EXPECT_EQ(cab, c.esperado);
    EXPECT_LE(cab.size(), 20u);
}

INSTANTIATE_TEST_SUITE_P(
    Posicoes, Cabecalhos,
    ::testing::Values(
        CasoCabecalho{"Pos0", 0, false, 7, 0, "      titulo      #7"},
        CasoCabecalho{"Pos1ComTinta", 1, false, 7, 3, "  #3    titulo    #7"},
        // position 2: no title, the number centred without its number sign
        CasoCabecalho{"Pos2", 2, false, 5, 0, "         5"},
        CasoCabecalho{"Pos2ComTinta", 2, false, 5, 12, "       5         12"},
        // a roman number starts with a capital sign, which stays
        CasoCabecalho{"Pos2Romana", 2, true, 3, 0, "        .iii"},
        CasoCabecalho{"Pos0Romana", 0, true, 4, 0, "     titulo      .iv"},
        CasoCabecalho{"Pos3", 3, false, 7, 3, "#7  #3        titulo"}),
    [](const ::testing::TestParamInfo<CasoCabecalho>& i) { return std::string(i.param.nome); });

TEST_F(Paginas, CabecalhoTraduzComSinaisDeTextoEstrangeiroProprios)
{
    FrenteVerso = false;
    CfgTextoIngles = false;
    CfgCabecIngles = true;
    std::vector<bool> durante;
    tradutor = [&](const std::string& t) {
        durante.push_back(TextoIngles);
        return t;
    };
    Inicia();
    std::string cab;
    ASSERT_TRUE(MontaCabecalho(cab));
    ASSERT_FALSE(durante.empty());
    for (bool b : durante) EXPECT_TRUE(b);
    EXPECT_FALSE(TextoIngles);
}

TEST_F(Paginas, MarcadorDeLinhaVaziaPassaPelaTabelaMesmoEmModoBruto)
{
    ComTitulo = false;
    ImprEnviaVazias = true;
    TabelaImpressora[' '] = '@';
    TabelaImpressora['a'] = 'A';
    Inicia();
    estado.ModoBruto = true;
    EscreveLinha("", true, true, 0);
    EscreveLinha("a", true, true, 0);
    EscreveLinha(Traco50, true, true, 0);
    const std::vector<std::string> esperado = {"@", "a", Traco50};
    EXPECT_EQ(escritor.linhas, esperado);
}

// A title too long for the line is cut at the end of a word (inside a word
// too long by itself), so that the header keeps within the line with a blank
// before the number; the first page number follows the starting number.
TEST_F(Paginas, CabecalhoComTituloLongoOuNumeroInicial)
{
    struct Caso {
        const char* titulo;
        int numPagInic;
        std::string esperado;
    };
    const Caso casos[] = {
        {"um titulo muito mais comprido que a linha", 1, " um titulo muito  #1"},
        {"titulo", 10, "     titulo      #10"},
        {"abcdefghijklmnopq", 1, "abcdefghijklmnopq #1"},  // just fits, one blank apart
        {"abcdefghijklmnopqr", 1, "abcdefghijklmnopq #1"}, // one cell too long
        {"abcdefghijklmnopqrstuvwxyz", 100, "abcdefghijklmno #100"},
    };
    FrenteVerso = false;
    for (const Caso& c : casos) {
        Titulo = c.titulo;
        pedido.NumPagInic = c.numPagInic;
        Inicia();
        std::string cab;
        ASSERT_TRUE(MontaCabecalho(cab)) << c.titulo;
        EXPECT_EQ(cab, c.esperado) << c.titulo;
        EXPECT_LE(cab.size(), static_cast<size_t>(MaxCarac)) << c.titulo;
    }
}

TEST_F(Paginas, CabecalhoSemPrefixoNemModoBruto)
{
    FrenteVerso = false;
    TabelaImpressora['t'] = 'T';
    Inicia();
    estado.PrefixoMargem = "__";
    estado.ModoBruto = true;
    Linha(0, "texto");
    Termina();
    ASSERT_EQ(escritor.linhas.size(), 3u);
    EXPECT_EQ(escritor.linhas[0], "      TiTulo      #1"); // translated, no prefix
    EXPECT_EQ(escritor.linhas[1], "__texto");             // raw: untranslated
}

// The "=" belongs to the page it closes: it is written with that page when
// the page is in the range, and never when the page lies before the range.
TEST_F(Paginas, SeparadorDuploSegueAPaginaQueFecha)
{
    ComTitulo = false;
    AutoJunta = false;
    pedido.PagFinal = 1;
    Inicia();
    Linha(0, "a");
    estado.PaginaComGrafico = true;
    FimDePagina(false);
    const std::vector<std::string> soPagina1 = {"a", Igual50};
    EXPECT_EQ(escritor.linhas, soPagina1);

    escritor.linhas.clear();
    pedido.PagInicial = 2;
    pedido.PagFinal = 9999;
    Inicia();
    Linha(0, "a");
    estado.PaginaComGrafico = true;
    FimDePagina(false);
    Linha(1, "b");
    FimDePagina(false);
    const std::vector<std::string> aPartirDa2 = {"b", Traco50};
    EXPECT_EQ(escritor.linhas, aPartirDa2);
    EXPECT_EQ(estado.MapaPagFisica[3], 3);
}

// A huge page length in real-size mode: the fill stops as soon as the draft
// can no longer be written, and pages outside the range are not filled.
TEST_F(Paginas, TamanhoRealParaNoErroDeEscrita)
{
    class Conta : public EscritorRascunho {
    public:
        bool GravaLinha(const std::string&) override { return ++chamadas <= 3; }
        long long chamadas = 0;
    } conta;
    ComTitulo = false;
    FrenteVerso = false;
    MaxLin = 2000000000;
    DefineConsultaTamanhoReal([] { return true; });
    Inicia();
    estado.Escritor = &conta;
    Linha(0, "a");
    FimDePagina(false);
    EXPECT_TRUE(estado.ErroEscrita);
    EXPECT_LE(conta.chamadas, 5);

    pedido.PagInicial = 2;
    Inicia();
    Linha(0, "a");
    FimDePagina(false);
    EXPECT_TRUE(escritor.linhas.empty());
    EXPECT_EQ(estado.PaginaFisica, 2);
}

TEST_F(Paginas, SoPaginas3e4)
{
    FrenteVerso = false;
    pedido.PagInicial = 3;
    pedido.PagFinal = 4;
    const auto r = Compila(Linhas(12));
    const std::vector<std::string> esperado = {
        "      titulo      #3", "l5", "l6", Traco50,
        "      titulo      #4", "l7", "l8", Traco50,
    };
    EXPECT_EQ(r, esperado);
    EXPECT_EQ(estado.PaginaFisica, 5);
    // The first draft line written is a header of page 3; its editor line is
    // the one of l5, and the lines of pages 1 and 2 point at nothing before it.
    EXPECT_EQ(estado.MapaRascunhoEditor[1], 4);
    EXPECT_EQ(estado.MapaEditorRascunho[4], 1);
}

TEST_F(Paginas, MaisDeMilPaginas)
{
    ComTitulo = false;
    FrenteVerso = false;
    MaxLin = 1;
    const auto r = Compila(Linhas(1500));
    EXPECT_EQ(std::count(r.begin(), r.end(), Traco50), 1500);
    EXPECT_EQ(estado.PaginaFisica, 1501);
    EXPECT_EQ(estado.TamanhoMapaPaginas, 2000);
    EXPECT_EQ(estado.MapaPagFisica.size(), 2001u);
    EXPECT_EQ(estado.MapaPagFisica[1500], 1500);
    EXPECT_EQ(estado.MapaPagArabica[1234], 1234);
    EXPECT_EQ(estado.MapaEditorRascunho[1499], 2998);
    // The next compile starts again from the first capacity: the maps of a
    // long draft do not stay with every later one.
    escritor.linhas.clear();
    Compila(Linhas(2));
    EXPECT_EQ(estado.TamanhoMapaPaginas, 1000);
    EXPECT_EQ(estado.MapaPagFisica.size(), 1001u);
}

// With the marker on, an empty line and the blank back of the last sheet
// go out as one blank.
TEST_F(Paginas, LinhaVaziaEVersoEmBrancoRecebemMarcador)
{
    ComTitulo = false;
    ImprEnviaVazias = true;
    const std::vector<std::string> esperado = {"a", " ", "b", Traco50, " ", Traco50};
    EXPECT_EQ(Compila({"a", "", "b"}), esperado);
}

TEST_F(Paginas, LinhaGraficaNaoOcupaLinhaDaPagina)
{
    Inicia();
    EscreveLinhaGrafica("C", "x.grb", 0);
    EXPECT_EQ(estado.LinhaNaPagina, 1);
    EXPECT_EQ(estado.LinhaRascunho, 2);
    EXPECT_FALSE(estado.InicioPagina);
}

TEST_F(Paginas, LinhaDoCursor)
{
    ComTitulo = false;
    FrenteVerso = false;
    Inicia(false, 2);
    Linha(0, "a");
    Linha(1, "");
    Linha(2, "");   // the caret's line gives the third draft line
    Linha(3, "b");
    Termina();
    EXPECT_EQ(estado.LinhaRascunhoCursor, 2);
}

// The one reader of the draft (view, print job, export): what the writer
// wrote comes back line for line, whatever bytes the lines hold but LF; the
// cases each former reader had are here.
TEST(LeRascunho, LeOQueOEscritorGravou)
{
    PastaTemporaria t;
    const std::vector<std::vector<std::string>> rascunhos = {
        {},
        {""},
        {"a", "", "b"},
        {std::string(50, '-') + "      ", "\x0b      ", "\x0f\x0f\x0f\x0f 3 fig.grb"},
        {"cela\r13", "\r", "fim\r"},              // code 13 from a code table
        {std::string("\x00\x01\xff", 3), std::string(3000, 'x')},
    };
    for (const auto& linhas : rascunhos) {
        const std::string caminho = t.caminho("r.txt");
        {
            EscritorRascunhoArquivo w;
            ASSERT_TRUE(w.Abre(caminho));
            for (const auto& l : linhas) ASSERT_TRUE(w.GravaLinha(l));
            ASSERT_TRUE(w.Fecha());
        }
        std::vector<std::string> lidas = {"resto"};
        ASSERT_TRUE(LeRascunho(caminho, lidas));
        EXPECT_EQ(lidas, linhas);
    }
    // Line ends the writer does not make: an LF alone ends a line, a last
    // line without its end is a line.
    const std::pair<std::string, std::vector<std::string>> casos[] = {
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\r\n", {"a\r"}},
        {"\n\n", {"", ""}},
        {"a\rb\r\n", {"a\rb"}},
    };
    for (const auto& [bytes, linhas] : casos) {
        std::vector<std::string> lidas;
        ASSERT_TRUE(LeRascunho(t.grava("c.txt", bytes), lidas));
        EXPECT_EQ(lidas, linhas) << EscapaBytes(bytes);
    }
    // Nothing to read: no lines, and false.
    ASSERT_EQ(::mkfifo(t.caminho("cano.txt").c_str(), 0600), 0);
    for (const std::string& nada : {t.caminho("falta.txt"), t.caminho("cano.txt"), t.dir(), std::string()}) {
        std::vector<std::string> lidas = {"velha"};
        EXPECT_FALSE(LeRascunho(nada, lidas)) << nada;
        EXPECT_TRUE(lidas.empty()) << nada;
    }
}

} // namespace
