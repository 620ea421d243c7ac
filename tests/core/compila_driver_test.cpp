// The draft compiler driver: the whole-document properties (line and page
// maps against the draft, interpoint closing), disk errors, CompilaLinha's
// private compile, and a fixed-seed randomized compile.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <string>
#include <vector>

#include "compila_apoio.h"
#include "support/temporario.h"
#include "platform/arquivos.h"
#include "core/dmtraduz.h"
#include "core/dmtraduz_estado.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "output/dmdevice_geometria.h"
#include "output/dmgrafpr.h"
#include "platform/texto.h"

namespace {

// Physical page of each draft line, from the page ends in the draft.
std::vector<int> PaginasDasLinhas(const std::vector<std::string>& r, int primeira)
{
    std::vector<int> p;
    int pag = primeira;
    for (const auto& l : r) {
        p.push_back(pag);
        if (LinhaQuebraDupla(l))
            pag += 2;
        else if (LinhaQuebraPagina(l))
            ++pag;
    }
    return p;
}

// Checks what every whole-document compile must give; n = editor lines.
void ConfereMapas(const AmbienteCompila& amb, int n)
{
    const auto r = amb.LinhasRascunho();
    const EstadoCompilacao& e = EstadoPrincipal();
    const int nr = static_cast<int>(r.size());
    if (nr == 0) return; // nothing written, nothing mapped
    // Draft line -> editor line: every written line is mapped to a line of
    // the document, in order.
    ASSERT_GE(static_cast<int>(e.MapaRascunhoEditor.size()), nr);
    int anterior = 0;
    for (int d = 0; d < nr && d <= e.QuantRascunhoMapeadas; ++d) {
        const int ed = e.MapaRascunhoEditor[static_cast<size_t>(d)];
        if (ed == -1) continue; // trailing unmapped lines (closing page ends)
        EXPECT_GE(ed, 0) << "draft line " << d;
        EXPECT_LT(ed, n) << "draft line " << d;
        EXPECT_GE(ed, anterior) << "draft line " << d;
        anterior = ed;
    }
    // Editor line -> draft line: up to the last mapped editor line every one
    // leads to a draft line, in order.
    int ultimo = -1;
    for (int i = 0; i <= e.QuantEditorMapeadas && i < n; ++i) {
        const int d = e.MapaEditorRascunho[static_cast<size_t>(i)];
        EXPECT_GE(d, 0) << "editor line " << i;
        EXPECT_LT(d, nr) << "editor line " << i;
        EXPECT_GE(d, ultimo) << "editor line " << i;
        ultimo = d;
    }
    // Page maps against the page ends of the draft.
    if (PagInicial == 1 && nr > 0) {
        const auto pags = PaginasDasLinhas(r, 1);
        int ultimaPag = pags.back();
        if (LinhaQuebraDupla(r.back())) ultimaPag += 2;
        else if (LinhaQuebraPagina(r.back())) ultimaPag += 1;
        EXPECT_EQ(e.PaginaFisica, ultimaPag);
        // Every physical page has its number, and the number leads back to
        // a physical page of that number (the T commands may repeat one).
        ASSERT_GT(static_cast<int>(e.MapaPagFisica.size()), e.PaginaFisica - 1);
        for (int p = 1; p < e.PaginaFisica; ++p) {
            const int num = e.MapaPagFisica[static_cast<size_t>(p)];
            ASSERT_NE(num, -1) << "page " << p;
            const DynIntArray& porNumero = num > 0 ? e.MapaPagArabica : e.MapaPagRomana;
            const size_t i = static_cast<size_t>(num > 0 ? num : -num);
            ASSERT_LT(i, porNumero.size()) << "page " << p;
            const int volta = porNumero[i];
            ASSERT_GE(volta, 1) << "page " << p;
            EXPECT_EQ(e.MapaPagFisica[static_cast<size_t>(volta)], num) << "page " << p;
        }
    }
    // Interpoint: the last sheet is closed on its back side.
    if (FrenteVerso && PagInicial == 1 && PagFinal >= e.PaginaFisica && nr > 0) {
        EXPECT_EQ(e.PaginaFisica % 2, 1);
        EXPECT_TRUE(LinhaQuebraPagina(r.back()));
    }
}

TEST(CompilaRascunho, EachLineMapsToItsOwnDraftLine)
{
    AmbienteCompila amb;
    amb.Define("AutoJunta", "N");
    amb.Define("ComTitulo", "N");
    amb.Define("MaxLin", "5");
    std::vector<std::string> linhas;
    for (int i = 0; i < 23; ++i) linhas.push_back("linha " + std::string(1, static_cast<char>('a' + i)));
    amb.Documento(linhas);
    ASSERT_TRUE(amb.Compila(7, false));
    const auto r = amb.LinhasRascunho();
    const EstadoCompilacao& e = EstadoPrincipal();
    for (int i = 0; i < 23; ++i) {
        const int d = e.MapaEditorRascunho[static_cast<size_t>(i)];
        ASSERT_GE(d, 0);
        EXPECT_EQ(e.MapaRascunhoEditor[static_cast<size_t>(d)], i);
        EXPECT_FALSE(LinhaQuebraPagina(r[static_cast<size_t>(d)]));
    }
    EXPECT_EQ(LinhaRascunhoCursor, e.MapaEditorRascunho[7]);
    ConfereMapas(amb, 23);
}

TEST(CompilaRascunho, PageRangeStopsReadingTheDocument)
{
    AmbienteCompila amb;
    amb.Define("PagFinal", "2");
    amb.Define("ComTitulo", "N");
    amb.Documento({"um", "<p>", "dois", "<p>", "tres", "<p>", "quatro"});
    ASSERT_TRUE(amb.Compila(0, false));
    const auto r = amb.LinhasRascunho();
    ASSERT_FALSE(r.empty());
    int fins = 0;
    for (const auto& l : r) fins += LinhaQuebraPagina(l);
    EXPECT_EQ(fins, 2);
    EXPECT_EQ(EstadoPrincipal().QuantEditorMapeadas < 4, true);
}

// What the caller asks travels in the request: the job variables set by
// hand before do not count, and they are filled from the request for their
// readers afterwards.
TEST(CompilaRascunho, TheRequestSaysRangeFirstNumberAndViewDraft)
{
    AmbienteCompila amb;
    amb.Define("FrenteVerso", "N");
    amb.Define("Tabela", "identidade");
    amb.Documento({"um", "<p>", "dois", "<p>", "tres"});
    PagInicial = 1;
    PagFinal = 9999;
    NumPagInic = 1;
    ModoVisualizacao = false;
    PedidoCompilacao pedido;
    pedido.PagInicial = 2;
    pedido.PagFinal = 2;
    pedido.NumPagInic = 5;
    pedido.ParaVisualizacao = true;
    pedido.LinhaCursor = 4;
    ASSERT_TRUE(CompilaRascunho(pedido));
    const auto r = amb.LinhasRascunho();
    const std::string b6 = "      ";
    std::string cab;
    {
        // The header of the second page, numbered from 5: 6.
        const std::string num = TraduzTexto("6");
        cab = std::string(34 - num.size(), ' ') + num;
    }
    EXPECT_EQ(r, (std::vector<std::string>{cab + b6, TraduzTexto("dois") + b6,
                                           std::string(50, '-') + b6}));
    EXPECT_EQ(PagInicial, 2);
    EXPECT_EQ(PagFinal, 2);
    EXPECT_EQ(NumPagInic, 5);
    EXPECT_TRUE(ModoVisualizacao);
    EXPECT_EQ(EstadoPrincipal().LinhaRascunhoCursor, -1); // line 4 lies past the range

    // The view's request: a caret line before the document is line 0.
    EXPECT_EQ(PedidoCompilacao::Visualizacao(-3).LinhaCursor, 0);
}

// The translators start from the request's state, and their globals are
// given back as they were when the compile ends.
TEST(CompilaRascunho, TheTranslatorsStartFromTheRequest)
{
    struct Caso {
        const char* nome;
        EstadoTradutores inicio;
        bool antigo;
        std::string texto;
    };
    const Caso casos[] = {
        {"quote of the old code closes first", {1, 0, 0, false}, true, "\"a\""},
        {"quote of the old code opens first", {1, 0, 1, false}, true, "\"a\""},
        {"foreign text from the start", {1, 0, 1, true}, false, "Casa."},
        {"foreign quotes close first", {0, 0, 1, true}, false, "\"a\""},
        {"an open parenthesis keeps a closing bracket as text", {1, 1, 1, false}, false, "1)"},
    };
    for (const Caso& c : casos) {
        AmbienteCompila amb;
        amb.Define("FrenteVerso", "N");
        amb.Define("ComTitulo", "N");
        amb.Define("BrailleAntigo", c.antigo ? "S" : "N");
        amb.Define("Tabela", "identidade");
        amb.Documento({c.texto});
        // The braille the request's state gives, worked out directly.
        dmunif::AspasAbertas = c.inicio.AspasUnif;
        dmunif::ParentesesAbertos = c.inicio.ParentesesUnif;
        dmantigo::AspasAbertas = c.inicio.AspasAntigo;
        TextoIngles = c.inicio.TextoIngles;
        const std::string esperado = TraduzTexto(c.texto);
        // Globals of whoever translated last.
        const EstadoTradutores fora{0, 1, 0, false};
        dmunif::AspasAbertas = fora.AspasUnif;
        dmunif::ParentesesAbertos = fora.ParentesesUnif;
        dmantigo::AspasAbertas = fora.AspasAntigo;
        TextoIngles = fora.TextoIngles;
        PedidoCompilacao p;
        p.Tradutores = c.inicio;
        ASSERT_TRUE(CompilaRascunho(p)) << c.nome;
        const auto r = amb.LinhasRascunho();
        ASSERT_FALSE(r.empty()) << c.nome;
        EXPECT_EQ(r[0], esperado) << c.nome;
        EXPECT_EQ(dmunif::AspasAbertas, fora.AspasUnif) << c.nome;
        EXPECT_EQ(dmunif::ParentesesAbertos, fora.ParentesesUnif) << c.nome;
        EXPECT_EQ(dmantigo::AspasAbertas, fora.AspasAntigo) << c.nome;
        EXPECT_EQ(TextoIngles, fora.TextoIngles) << c.nome;
    }
    // The default request starts as every compile does.
    CfgTextoIngles = true;
    EXPECT_EQ(PedidoCompilacao{}.Tradutores, (EstadoTradutores{1, 0, 1, true}));
    CfgTextoIngles = false;
    EXPECT_EQ(PedidoCompilacao{}.Tradutores, (EstadoTradutores{1, 0, 1, false}));
}

// Page numbers that climb with every page ("<T+1000>", "<p>", "<T+2000>",
// "<p>" ...) grew the page maps by a thousand entries a pair, for good: a
// number past any book is refused, and the next compile starts small again.
TEST(CompilaRascunho, ClimbingPageNumbersKeepThePageMapsSmall)
{
    AmbienteCompila amb;
    amb.Define("ComTitulo", "N");
    amb.Define("FrenteVerso", "N");
    std::vector<std::string> doc;
    for (int i = 1; i <= 40; ++i) {
        doc.push_back("<T+" + std::to_string(i * 1000) + ">");
        doc.push_back("<p>");
    }
    amb.Documento(doc);
    ASSERT_TRUE(amb.Compila());
    const EstadoCompilacao& e = EstadoPrincipal();
    EXPECT_LE(e.TamanhoMapaPaginas, 11000);
    EXPECT_LE(e.MapaPagArabica.size(), 11001u);
    // 1000 to 9000 are taken; from 10000 on each number is refused as 1.
    int recusados = 0;
    for (const auto& r : amb.dlg.fake.registros) {
        EXPECT_NE(r.texto.find("Valor considerado: \"1\""), std::string::npos) << r.texto;
        ++recusados;
    }
    EXPECT_EQ(recusados, 31);
    ConfereMapas(amb, static_cast<int>(doc.size()));

    amb.Documento({"texto"});
    ASSERT_TRUE(amb.Compila());
    EXPECT_EQ(EstadoPrincipal().TamanhoMapaPaginas, 1000);
    EXPECT_EQ(EstadoPrincipal().MapaPagArabica.size(), 1001u);
    EXPECT_EQ(EstadoPrincipal().MapaPagFisica.size(), 1001u);
}

// An interleaved graphic reserves the lines of the file beside the document,
// the one the print job will emboss, whatever the working folder is; a name
// that is no sane graphic (a file that never ends, a pipe) is reported and
// reserves nothing, and the compile goes on.
TEST(CompilaRascunho, GraphicsAreMeasuredBesideTheDocumentAndOnlyWhenSane)
{
    PastaTemporaria doc, outra;
    doc.grava("fig.grb", std::string(29, '\n') + "*\n"); // 30 dot rows
    outra.grava("fig.grb", "*\n");                       // the wrong one: 1 row
    ASSERT_EQ(::mkfifo(doc.caminho("cano.grb").c_str(), 0600), 0);
    CarregaGeometria();
    const int linhasFig = LinhasGRB(doc.caminho("fig.grb"));
    ASSERT_GT(linhasFig, LinhasGRB(outra.caminho("fig.grb")));
    struct Caso {
        std::string comando;
        int reservadas;
        std::string mensagem;
    };
    const Caso casos[] = {
        {"<G* 1 fig.grb>", linhasFig, ""},
        {"<G* 1 " + doc.caminho("fig.grb") + ">", linhasFig, ""},
        {"<G* 1 /proc/self/pagemap>", 0,
         MensagemLeituraGRB(LeituraGRB::GrandeDemais, "/proc/self/pagemap", "")},
        {"<G* 1 cano.grb>", 0, "Não consegui abrir arquivo "_cp + doc.caminho("cano.grb") + "!"},
    };
    const auto antes = std::filesystem::current_path();
    std::filesystem::current_path(outra.dir());
    for (const Caso& c : casos) {
        for (bool vista : {false, true}) {
            AmbienteCompila amb;
            amb.Define("TipoTratGrafico", "0");
            amb.Define("ComTitulo", "N");
            amb.Documento({c.comando, "texto"});
            ArqAtual = doc.caminho("livro.txt");
            ASSERT_TRUE(amb.Compila(0, vista)) << c.comando;
            int reservadas = 0;
            for (const auto& l : amb.LinhasRascunho()) reservadas += LinhaReservada(l);
            EXPECT_EQ(reservadas, c.reservadas) << c.comando;
            EXPECT_EQ(amb.dlg.fake.Textos(),
                      c.mensagem.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.mensagem})
                << c.comando;
        }
    }
    std::filesystem::current_path(antes);
    ArqAtual.clear();
}

// A draft that cannot be created, or a pipe or a device named as the draft,
// is a failure said at once: the compile neither waits for a reader of the
// pipe nor writes where nothing can read the draft back; the maps of the
// last good draft stay for their readers.
TEST(CompilaRascunho, DraftThatCannotBeWrittenIsAFailure)
{
    PastaTemporaria t;
    ASSERT_EQ(::mkfifo(t.caminho("cano.txt").c_str(), 0600), 0);
    for (const std::string& nome : {t.caminho("nao/existe/rascunho.txt"), t.caminho("cano.txt"),
                                    std::string("/dev/null"), t.dir()}) {
        AmbienteCompila amb;
        amb.Documento({"texto"});
        ASSERT_TRUE(amb.Compila(0, false));
        const DynIntArray mapa = MapaEditorRascunho;
        const int pagina = PaginaFisica;
        amb.Documento({"outro", "<p>", "texto", "<p>", "mais"});
        ArqRascunho = nome;
        EXPECT_FALSE(amb.Compila(0, false)) << nome;
        EXPECT_EQ(amb.dlg.fake.Textos(), std::vector<std::string>{"Erro em disco ao gerar arquivo de rascunho"})
            << nome;
        EXPECT_EQ(amb.dlg.fake.registros[0].icone, Icone::Erro);
        EXPECT_EQ(MapaEditorRascunho, mapa) << nome;
        EXPECT_EQ(PaginaFisica, pagina) << nome;
    }
    struct stat st {};
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST(CompilaRascunho, WriteErrorDuringTheCompileIsAFailure)
{
    AmbienteCompila amb;
    std::vector<std::string> linhas(4000, "uma linha de texto que ocupa uma linha inteira de braille");
    linhas.insert(linhas.begin(), {"<I+>", "<F*>"});
    amb.Documento(linhas);
    // The disk fills up after 64 KB of draft.
    rlimit antes {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &antes), 0);
    const auto sinalAntes = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = antes;
    limite.rlim_cur = 64 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    const bool compilou = amb.Compila(0, false);
    ::setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, sinalAntes);
    EXPECT_FALSE(compilou);
    ASSERT_EQ(amb.dlg.fake.registros.size(), 1u);
    EXPECT_EQ(amb.dlg.fake.registros[0].texto, "Erro em disco ao gerar arquivo de rascunho");
    // The document's foreign-text and raw blocks end with the broken compile.
    EXPECT_FALSE(TextoIngles);
    EXPECT_NE(TraduzTexto("Abc"), "Abc");
}

TEST(CompilaRascunho, EmptyDraftPathUsesTheTemporaryFolder)
{
    AmbienteCompila amb;
    ArqRascunho.clear();
    ASSERT_TRUE(amb.Compila(0, false));
    amb.arquivo = ArqRascunho; // removed with the test
    EXPECT_EQ(ArqRascunho, RascunhoPrivado());
}

TEST(CompilaRascunho, RawAndForeignModesDoNotOutliveTheCompile)
{
    AmbienteCompila amb;
    const std::string abc = TraduzTexto("Abc \"x\"");
    amb.Documento({"<I+>", "<F*>", "Abc"});
    ASSERT_TRUE(amb.Compila(0, false));
    EXPECT_FALSE(EstadoPrincipal().ModoBruto);
    EXPECT_FALSE(TextoIngles);
    EXPECT_NE(TraduzTexto("Abc"), "Abc");
    dmunif::AspasAbertas = 1;
    EXPECT_EQ(TraduzTexto("Abc \"x\""), abc);
}

TEST(CompilaRascunho, TitleOffLastsOneCompileAndLeavesTheSetting)
{
    AmbienteCompila amb;
    amb.Define("Titulo", "livro");
    amb.Documento({"<T->", "texto"});
    ASSERT_TRUE(amb.Compila(0, false));
    auto r = amb.LinhasRascunho();
    ASSERT_FALSE(r.empty());
    EXPECT_EQ(r[0], TraduzTexto("texto"));
    EXPECT_TRUE(ComTitulo);
    // The next compile of a document without the command has its header.
    amb.Documento({"texto"});
    ASSERT_TRUE(amb.Compila(0, false));
    r = amb.LinhasRascunho();
    ASSERT_GE(r.size(), 2u);
    EXPECT_NE(r[0].find(TraduzTexto("livro")), std::string::npos) << r[0];
    EXPECT_EQ(r[1], TraduzTexto("texto"));
}

TEST(CompilaRascunho, TabsCountTwoBlanksForCentring)
{
    AmbienteCompila amb;
    amb.Define("FrenteVerso", "N");
    amb.Define("ComTitulo", "N");
    amb.Define("MaxCarac", "20");
    // Five tabs are ten blanks: a centred line. Four tabs and a blank are not.
    amb.Documento({"\t\t\t\t\tfim", "", "\t\t\t\t fim"});
    ASSERT_TRUE(amb.Compila(0, false));
    const auto r = amb.LinhasRascunho();
    const std::string fim = TraduzTexto("fim");
    ASSERT_GE(r.size(), 3u);
    EXPECT_EQ(r[0], std::string((20 - fim.size()) / 2, ' ') + fim);
    EXPECT_EQ(r[2], "  " + fim);
}

TEST(CompilaLinha, LeavesTheDraftMapsAndJobAlone)
{
    AmbienteCompila amb;
    amb.Define("PagInicial", "1");
    amb.Define("PagFinal", "3");
    amb.Documento({"<M__>", "<T*4>", "Primeira \"linha\" (com parenteses", "<p>", "segunda",
                   "<F*>", "bruta"});
    ASSERT_TRUE(amb.Compila(2, true));
    const std::string rascunho = amb.Rascunho();
    const EstadoCompilacao antes = EstadoPrincipal();
    const unsigned char aspas = dmunif::AspasAbertas, par = dmunif::ParentesesAbertos;
    const unsigned char aspasAnt = dmantigo::AspasAbertas;
    TextoIngles = true;
    const std::string prefixo = PrefixoMargem;

    const std::string l = CompilaLinha(4);
    EXPECT_FALSE(l.empty());

    EXPECT_EQ(amb.Rascunho(), rascunho);
    const EstadoCompilacao& depois = EstadoPrincipal();
    EXPECT_EQ(depois.MapaEditorRascunho, antes.MapaEditorRascunho);
    EXPECT_EQ(depois.MapaRascunhoEditor, antes.MapaRascunhoEditor);
    EXPECT_EQ(depois.MapaPagFisica, antes.MapaPagFisica);
    EXPECT_EQ(depois.PaginaFisica, antes.PaginaFisica);
    EXPECT_EQ(depois.LinhaRascunhoCursor, antes.LinhaRascunhoCursor);
    EXPECT_EQ(depois.LarguraLinha, antes.LarguraLinha);
    EXPECT_EQ(LarguraUtil(), 32);
    EXPECT_EQ(PagInicial, 1);
    EXPECT_EQ(PagFinal, 3);
    EXPECT_TRUE(ModoVisualizacao);
    EXPECT_EQ(PrefixoMargem, prefixo);
    EXPECT_EQ(dmunif::AspasAbertas, aspas);
    EXPECT_EQ(dmunif::ParentesesAbertos, par);
    EXPECT_EQ(dmantigo::AspasAbertas, aspasAnt);
    EXPECT_TRUE(TextoIngles);
}

TEST(CompilaLinha, ReturnsTheFirstLineOfTheLayout)
{
    AmbienteCompila amb;
    std::string longa;
    for (int i = 0; i < 60; ++i) longa += "abcd ";
    amb.Documento({"", "<T+5> e mais", longa, "abc\tdef", "   recuada"});
    amb.Define("Tabela", "identidade");

    EXPECT_EQ(CompilaLinha(0), "");
    EXPECT_EQ(CompilaLinha(1), TraduzTexto("<T+5> e mais")); // not a command here
    const std::string l = CompilaLinha(2);
    EXPECT_LE(l.size(), 254u);
    EXPECT_GT(l.size(), 200u);
    EXPECT_EQ(l, TraduzTexto(longa.substr(0, l.size())));
    EXPECT_EQ(CompilaLinha(3), TraduzTexto("abc\tdef")); // tabs stay
    EXPECT_EQ(CompilaLinha(99), "");                       // outside the document

    amb.Define("ImprEnviaVazias", "S");
    EXPECT_EQ(CompilaLinha(0), " ");
    // Through the output table.
    TabelaImpressora['a'] = 'Z';
    std::string esperado = TraduzTexto("abc\tdef");
    for (char& c : esperado) c = static_cast<char>(TabelaImpressora[static_cast<unsigned char>(c)]);
    EXPECT_EQ(CompilaLinha(3), esperado);
}

// Random documents of commands, words and odd bytes under random settings:
// every compile finishes, succeeds and keeps the whole-document properties.
TEST(CompilaRascunho, RandomDocumentsKeepTheProperties)
{
    std::mt19937 rng(20251209);
    const std::vector<std::string> pecas = {
        "<p>", "<P>", "<T->", "<T+>", "<T+3>", "<T*2>", "<T+0>", "<Ttitulo>", "<F->", "<F+>",
        "<F*>", "<S->", "<S+>", "<R+>", "<R->", "<I+>", "<I->", "<M__ >", "<M>", "<M\xe9 >",
        "<12>", "<*** nota ***>", "<G  1 nada.grb>", "<G+ c nada.grb>", "<G* 2 nada.grb>",
        "<G  x>", "<M", "", "", "          Centrado", "  Paragrafo novo", " sem recuo",
        "\x95 item", "palavra porta alto antro compra acha", "Jo\xe3o comprou 12,5 kg em 1998.",
        "SUPERCALIFRAGILISTICEXPIALIDOCIOUSSUPERCALIFRAGILISTIC", "\t\tcom tabs\t", "\"aspas\" (parenteses)",
        std::string("\x00\x0b\x0f\xff", 4), "<", "<>", "texto comum de uma linha"};
    for (int rodada = 0; rodada < 120; ++rodada) {
        AmbienteCompila amb;
        amb.Define("MaxCarac", std::to_string(std::uniform_int_distribution<int>(1, 40)(rng)));
        amb.Define("MaxLin", std::to_string(std::uniform_int_distribution<int>(1, 30)(rng)));
        amb.Define("EstiloNumPag", std::to_string(rng() % 4));
        amb.Define("TipoCabec", std::to_string(rng() % 3));
        amb.Define("TipoTratGrafico", std::to_string(rng() % 5));
        for (const char* f : {"FrenteVerso", "AutoJunta", "SeparaSilabas", "AfastaCabPar",
                              "TiraBrancasInicioPag", "ImprEnviaVazias", "BrailleAntigo", "TamanhoReal"})
            amb.Define(f, rng() % 2 ? "S" : "N");
        amb.Define("ImprMarca", rng() % 4 == 0 ? "Tiger" : "Index");
        std::vector<std::string> doc;
        const int n = static_cast<int>(rng() % 60);
        for (int i = 0; i < n; ++i) {
            std::string l = pecas[rng() % pecas.size()];
            if (rng() % 5 == 0) l += pecas[rng() % pecas.size()];
            doc.push_back(l);
        }
        amb.Documento(doc);
        SCOPED_TRACE("round " + std::to_string(rodada));
        ASSERT_TRUE(amb.Compila(static_cast<int>(rng() % 60), rng() % 2 == 0));
        ConfereMapas(amb, n);
        for (int i = 0; i < n; i += 7) (void)CompilaLinha(i);
        if (HasFatalFailure()) return;
    }
}

} // namespace
