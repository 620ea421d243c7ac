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

// Header types 0 and 1 put no header on the even pages of a two-sided book.
TEST_F(Paginas, CabecalhoSoNasFrentes)
{
    const std::vector<std::string> frenteVerso = {"      titulo      #1", "l1", "l2", Traco50, "l3", "l4", Traco50};
    const std::vector<std::string> soFrente = {"      titulo      #1", "l1", "l2", Traco50,
                                               "      titulo      #2", "l3", "l4", Traco50};
    const std::pair<int, bool> casos[] = {{1, true}, {0, true}, {1, false}};
    for (const auto& [tipo, fv] : casos) {
        TipoCabec = tipo;
        FrenteVerso = fv;
        escritor.linhas.clear();
        EXPECT_EQ(Compila(Linhas(4)), fv ? frenteVerso : soFrente) << tipo << fv;
    }
}

// Number positions, roman numbers, ink page numbers, and a title too long
// for the line cut at a word's end (inside a word too long by itself).
TEST_F(Paginas, CabecalhoMontaNaPosicao)
{
    const struct {
        int posicao;
        bool romana;
        int numPagina, tinta;
        const char* titulo;
        std::string esperado;
    } casos[] = {
        {0, false, 7, 0, "titulo", "      titulo      #7"},
        {1, false, 7, 3, "titulo", "  #3    titulo    #7"},
        {2, false, 5, 0, "titulo", "         5"}, // no title, no number sign
        {2, false, 5, 12, "titulo", "       5         12"},
        {2, true, 3, 0, "titulo", "        .iii"}, // the capital sign stays
        {0, true, 4, 0, "titulo", "     titulo      .iv"},
        {3, false, 7, 3, "titulo", "#7  #3        titulo"},
        {0, false, 1, 0, "um titulo muito mais comprido que a linha", " um titulo muito  #1"},
        {0, false, 10, 0, "titulo", "     titulo      #10"},
        {0, false, 1, 0, "abcdefghijklmnopq", "abcdefghijklmnopq #1"}, // just fits
        {0, false, 1, 0, "abcdefghijklmnopqr", "abcdefghijklmnopq #1"},
        {0, false, 100, 0, "abcdefghijklmnopqrstuvwxyz", "abcdefghijklmno #100"},
    };
    FrenteVerso = false;
    for (const auto& c : casos) {
        EstiloNumPag = c.posicao;
        Titulo = c.titulo;
        Inicia();
        estado.NumeracaoRomana = c.romana;
        estado.NumPagina = c.numPagina;
        estado.NumPagTinta = c.tinta;
        std::string cab;
        ASSERT_TRUE(MontaCabecalho(cab)) << c.esperado;
        EXPECT_EQ(cab, c.esperado);
    }
}

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

// Raw mode: the empty-line marker still goes through the output table; the
// header is still translated and has no margin prefix.
TEST_F(Paginas, ModoBrutoNaoAlcancaMarcadorNemCabecalho)
{
    ComTitulo = false;
    ImprEnviaVazias = true;
    TabelaImpressora[' '] = '@';
    TabelaImpressora['a'] = 'A';
    Inicia();
    estado.ModoBruto = true;
    for (const std::string& l : {std::string(), std::string("a"), Traco50}) EscreveLinha(l, true, true, 0);
    EXPECT_EQ(escritor.linhas, (std::vector<std::string>{"@", "a", Traco50}));

    RestauraPadroes();
    escritor.linhas.clear();
    MaxCarac = 20;
    Titulo = "titulo";
    FrenteVerso = false;
    TabelaImpressora['t'] = 'T';
    Inicia();
    estado.PrefixoMargem = "__";
    estado.ModoBruto = true;
    Linha(0, "texto");
    Termina();
    EXPECT_EQ(escritor.linhas, (std::vector<std::string>{"      TiTulo      #1", "__texto", Traco50}));
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
    EXPECT_EQ(escritor.linhas, (std::vector<std::string>{"a", Igual50}));

    escritor.linhas.clear();
    pedido.PagInicial = 2;
    pedido.PagFinal = 9999;
    Inicia();
    Linha(0, "a");
    estado.PaginaComGrafico = true;
    FimDePagina(false);
    Linha(1, "b");
    FimDePagina(false);
    EXPECT_EQ(escritor.linhas, (std::vector<std::string>{"b", Traco50}));
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
    EXPECT_EQ(Compila(Linhas(12)), (std::vector<std::string>{"      titulo      #3", "l5", "l6", Traco50,
                                                             "      titulo      #4", "l7", "l8", Traco50}));
    EXPECT_EQ(estado.PaginaFisica, 5);
    // The first written line (page 3's header) maps to the editor line of l5.
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
    // The next compile starts again from the first capacity.
    escritor.linhas.clear();
    Compila(Linhas(2));
    EXPECT_EQ(estado.TamanhoMapaPaginas, 1000);
    EXPECT_EQ(estado.MapaPagFisica.size(), 1001u);
}

TEST_F(Paginas, LinhaGraficaNaoOcupaLinhaDaPagina)
{
    Inicia();
    EscreveLinhaGrafica("C", "x.grb", 0);
    EXPECT_EQ(estado.LinhaNaPagina, 1);
    EXPECT_EQ(estado.LinhaRascunho, 2);
    EXPECT_FALSE(estado.InicioPagina);
}

// The one reader of the draft (view, print job, export) gives back what the
// writer wrote, whatever bytes the lines hold but LF.
TEST(LeRascunho, LeOQueOEscritorGravou)
{
    PastaTemporaria t;
    const std::vector<std::vector<std::string>> rascunhos = {
        {}, {""}, {"a", "", "b"}, {std::string(50, '-') + "      ", "\x0b      ", "\x0f\x0f\x0f\x0f 3 fig.grb"},
        {"cela\r13", "\r", "fim\r"}, // code 13 from a code table
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
    // Line ends the writer does not make: LF alone, a last line without one.
    const std::pair<std::string, std::vector<std::string>> casos[] = {
        {"a\nb\n", {"a", "b"}}, {"a\r\nb", {"a", "b"}}, {"a\r\r\n", {"a\r"}}, {"\n\n", {"", ""}},
        {"a\rb\r\n", {"a\rb"}}};
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
