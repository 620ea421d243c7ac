// The draft compiler driver: line and page maps against the draft, the
// request, disk errors, hostile graphic names, CompilaLinha, random documents.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

#include "compila_apoio.h"
#include "core/dmtraduz.h"
#include "core/dmtraduz_estado.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "output/dmdevice_geometria.h"
#include "output/dmgrafpr.h"
#include "platform/arquivos.h"
#include "platform/texto.h"
#include "support/falhas_teste.h"
#include "support/temporario.h"

namespace {

// What every whole-document compile must give; n = editor lines.
void ConfereMapas(const AmbienteCompila& amb, int n)
{
    const auto r = amb.LinhasRascunho();
    const EstadoCompilacao& e = EstadoPrincipal();
    const int nr = static_cast<int>(r.size());
    if (nr == 0) return;
    // Draft line -> editor line, in order; closing page ends are unmapped.
    ASSERT_GE(static_cast<int>(e.MapaRascunhoEditor.size()), nr);
    int anterior = 0;
    for (int d = 0; d < nr && d <= e.QuantRascunhoMapeadas; ++d) {
        const int ed = e.MapaRascunhoEditor[static_cast<size_t>(d)];
        if (ed == -1) continue;
        EXPECT_TRUE(ed >= anterior && ed < n) << "draft line " << d << ": " << ed;
        anterior = ed;
    }
    // Editor line -> draft line, in order, up to the last mapped one.
    int ultimo = -1;
    for (int i = 0; i <= e.QuantEditorMapeadas && i < n; ++i) {
        const int d = e.MapaEditorRascunho[static_cast<size_t>(i)];
        EXPECT_TRUE(d >= ultimo && d < nr) << "editor line " << i << ": " << d;
        ultimo = d;
    }
    if (PagInicial != 1) return;
    // Page maps against the page ends of the draft.
    int pag = 1;
    for (const auto& l : r) pag += LinhaQuebraDupla(l) ? 2 : LinhaQuebraPagina(l) ? 1 : 0;
    EXPECT_EQ(e.PaginaFisica, pag);
    ASSERT_GT(static_cast<int>(e.MapaPagFisica.size()), e.PaginaFisica - 1);
    for (int p = 1; p < e.PaginaFisica; ++p) {
        // Each physical page's number leads back to a page of that number.
        const int num = e.MapaPagFisica[static_cast<size_t>(p)];
        ASSERT_NE(num, -1) << "page " << p;
        const DynIntArray& porNumero = num > 0 ? e.MapaPagArabica : e.MapaPagRomana;
        const size_t i = static_cast<size_t>(num > 0 ? num : -num);
        ASSERT_LT(i, porNumero.size()) << "page " << p;
        ASSERT_GE(porNumero[i], 1) << "page " << p;
        EXPECT_EQ(e.MapaPagFisica[static_cast<size_t>(porNumero[i])], num) << "page " << p;
    }
    // Interpoint: the last sheet is closed on its back side.
    if (FrenteVerso && PagFinal >= e.PaginaFisica) {
        EXPECT_EQ(e.PaginaFisica % 2, 1);
        EXPECT_TRUE(LinhaQuebraPagina(r.back()));
    }
}

TEST(CompilaRascunho, EachLineMapsToItsOwnDraftLine)
{
    AmbienteCompila amb;
    ASSERT_TRUE(amb.Define({"AutoJunta=N", "ComTitulo=N", "MaxLin=5"}));
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

// Range, first number and view come from the request, not from the job
// variables, which are filled from it afterwards.
TEST(CompilaRascunho, TheRequestSaysRangeFirstNumberAndViewDraft)
{
    AmbienteCompila amb;
    ASSERT_TRUE(amb.Define({"FrenteVerso=N", "Tabela=identidade"}));
    amb.Documento({"um", "<p>", "dois", "<p>", "tres"});
    PagInicial = 1;
    PagFinal = 9999;
    NumPagInic = 1;
    ModoVisualizacao = false;
    PedidoCompilacao pedido;
    pedido.PagInicial = pedido.PagFinal = 2;
    pedido.NumPagInic = 5;
    pedido.ParaVisualizacao = true;
    pedido.LinhaCursor = 4;
    ASSERT_TRUE(CompilaRascunho(pedido));
    const std::string b6(6, ' '), seis = TraduzTexto("6"); // page 2 numbered from 5
    EXPECT_EQ(amb.LinhasRascunho(), (std::vector<std::string>{std::string(34 - seis.size(), ' ') + seis + b6,
                                                              TraduzTexto("dois") + b6, std::string(50, '-') + b6}));
    EXPECT_EQ(PagInicial, 2);
    EXPECT_EQ(PagFinal, 2);
    EXPECT_EQ(NumPagInic, 5);
    EXPECT_TRUE(ModoVisualizacao);
    EXPECT_EQ(EstadoPrincipal().LinhaRascunhoCursor, -1); // line 4 lies past the range
    EXPECT_EQ(PedidoCompilacao::Visualizacao(-3).LinhaCursor, 0);
}

// A document's "<T->" turns the header off for its own compile: the
// setting stays on, and the next document's pages have their header again.
TEST(CompilaRascunho, TitleOffLastsOneCompileAndLeavesTheSetting)
{
    AmbienteCompila amb;
    ASSERT_TRUE(amb.Define({"FrenteVerso=N", "Tabela=identidade", "ComTitulo=S"}));
    const std::string corpo = TraduzTexto("texto");
    auto cabecalho = [&] {
        const std::vector<std::string> l = amb.LinhasRascunho();
        return !l.empty() && l.front().find(corpo) == std::string::npos;
    };
    amb.Documento({"texto"});
    ASSERT_TRUE(amb.Compila(0, false));
    ASSERT_TRUE(cabecalho()) << ::testing::PrintToString(amb.LinhasRascunho());
    amb.Documento({"<T->", "texto"});
    ASSERT_TRUE(amb.Compila(0, false));
    EXPECT_FALSE(cabecalho()) << ::testing::PrintToString(amb.LinhasRascunho());
    EXPECT_TRUE(ComTitulo);
    amb.Documento({"texto"});
    ASSERT_TRUE(amb.Compila(0, false));
    EXPECT_TRUE(cabecalho()) << ::testing::PrintToString(amb.LinhasRascunho());
}

// The translators start from the request's state; their globals are given
// back as they were.
TEST(CompilaRascunho, TheTranslatorsStartFromTheRequest)
{
    const struct {
        const char* nome;
        EstadoTradutores inicio;
        bool antigo;
        std::string texto;
    } casos[] = {
        {"quote of the old code closes first", {1, 0, 0, false}, true, "\"a\""},
        {"quote of the old code opens first", {1, 0, 1, false}, true, "\"a\""},
        {"foreign text from the start", {1, 0, 1, true}, false, "Casa."},
        {"foreign quotes close first", {0, 0, 1, true}, false, "\"a\""},
        {"an open parenthesis keeps a closing bracket as text", {1, 1, 1, false}, false, "1)"},
    };
    auto Poe = [](const EstadoTradutores& t) {
        dmunif::AspasAbertas = t.AspasUnif;
        dmunif::ParentesesAbertos = t.ParentesesUnif;
        dmantigo::AspasAbertas = t.AspasAntigo;
        TextoIngles = t.TextoIngles;
    };
    const EstadoTradutores fora{0, 1, 0, false};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        AmbienteCompila amb;
        ASSERT_TRUE(amb.Define({"FrenteVerso=N", "ComTitulo=N", c.antigo ? "BrailleAntigo=S" : "BrailleAntigo=N",
                                "Tabela=identidade"}));
        amb.Documento({c.texto});
        Poe(c.inicio);
        const std::string esperado = TraduzTexto(c.texto);
        Poe(fora);
        PedidoCompilacao p;
        p.Tradutores = c.inicio;
        ASSERT_TRUE(CompilaRascunho(p));
        ASSERT_FALSE(amb.LinhasRascunho().empty());
        EXPECT_EQ(amb.LinhasRascunho()[0], esperado);
        EXPECT_EQ((EstadoTradutores{dmunif::AspasAbertas, dmunif::ParentesesAbertos, dmantigo::AspasAbertas,
                                    TextoIngles}),
                  fora);
    }
    CfgTextoIngles = true;
    EXPECT_EQ(PedidoCompilacao{}.Tradutores, (EstadoTradutores{1, 0, 1, true}));
    CfgTextoIngles = false;
    EXPECT_EQ(PedidoCompilacao{}.Tradutores, (EstadoTradutores{1, 0, 1, false}));
}

// Climbing page numbers ("<T+1000>", "<p>", "<T+2000>" ...) once grew the
// page maps for good: a number past any book is refused, and the next
// compile starts small again.
TEST(CompilaRascunho, ClimbingPageNumbersKeepThePageMapsSmall)
{
    AmbienteCompila amb;
    ASSERT_TRUE(amb.Define({"ComTitulo=N", "FrenteVerso=N"}));
    std::vector<std::string> doc;
    for (int i = 1; i <= 40; ++i) doc.insert(doc.end(), {"<T+" + std::to_string(i * 1000) + ">", "<p>"});
    amb.Documento(doc);
    ASSERT_TRUE(amb.Compila());
    EXPECT_LE(EstadoPrincipal().TamanhoMapaPaginas, 11000);
    EXPECT_LE(EstadoPrincipal().MapaPagArabica.size(), 11001u);
    // 1000 to 9000 are taken; from 10000 on each number is refused as 1.
    ASSERT_EQ(amb.dlg.fake.registros.size(), 31u);
    for (const auto& r : amb.dlg.fake.registros)
        EXPECT_NE(r.texto.find("Valor considerado: \"1\""), std::string::npos) << r.texto;
    ConfereMapas(amb, static_cast<int>(doc.size()));

    amb.Documento({"texto"});
    ASSERT_TRUE(amb.Compila());
    EXPECT_EQ(EstadoPrincipal().TamanhoMapaPaginas, 1000);
    EXPECT_EQ(EstadoPrincipal().MapaPagArabica.size(), 1001u);
    EXPECT_EQ(EstadoPrincipal().MapaPagFisica.size(), 1001u);
}

// An interleaved graphic reserves the lines of the file beside the document,
// whatever the working folder; a file that never ends or a pipe is reported
// and reserves nothing.
TEST(CompilaRascunho, GraphicsAreMeasuredBesideTheDocumentAndOnlyWhenSane)
{
    PastaTemporaria doc, outra;
    doc.grava("fig.grb", std::string(29, '\n') + "*\n"); // 30 dot rows
    outra.grava("fig.grb", "*\n");                       // the wrong one: 1 row
    ASSERT_EQ(::mkfifo(doc.caminho("cano.grb").c_str(), 0600), 0);
    CarregaGeometria();
    const int linhasFig = LinhasGRB(doc.caminho("fig.grb"));
    ASSERT_GT(linhasFig, LinhasGRB(outra.caminho("fig.grb")));
    const struct {
        std::string comando;
        int reservadas;
        std::string mensagem;
    } casos[] = {
        {"<G* 1 fig.grb>", linhasFig, ""},
        {"<G* 1 " + doc.caminho("fig.grb") + ">", linhasFig, ""},
        {"<G* 1 /proc/self/pagemap>", 0, MensagemLeituraGRB(LeituraGRB::GrandeDemais, "/proc/self/pagemap", "")},
        {"<G* 1 cano.grb>", 0, "Não consegui abrir arquivo "_cp + doc.caminho("cano.grb") + "!"},
    };
    const auto antes = std::filesystem::current_path();
    std::filesystem::current_path(outra.dir());
    for (const auto& c : casos) {
        for (bool vista : {false, true}) {
            AmbienteCompila amb;
            ASSERT_TRUE(amb.Define({"TipoTratGrafico=0", "ComTitulo=N"}));
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

// A draft that cannot be created, a pipe, a device or a folder is a failure
// said at once (no wait for a reader of the pipe); the last good maps stay.
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
}

// A disk that fills up is a failure that leaves the draft before it whole;
// whether the compile ends well or not, the document's foreign-text and raw
// blocks end with it.
TEST(CompilaRascunho, WriteErrorIsAFailureAndNoModeOutlivesTheCompile)
{
    for (bool discoCheio : {false, true}) {
        SCOPED_TRACE(discoCheio);
        AmbienteCompila amb;
        amb.Documento({"antes"});
        ASSERT_TRUE(amb.Compila(0, false));
        const std::string rascunhoAntes = amb.Rascunho();
        std::vector<std::string> linhas(discoCheio ? 4000 : 1, "uma linha de texto que ocupa uma linha inteira de braille");
        linhas.insert(linhas.begin(), {"<I+>", "<F*>"});
        amb.Documento(linhas);
        rlimit antes{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &antes), 0);
        const auto sinalAntes = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = antes;
        limite.rlim_cur = 64 * 1024;
        if (discoCheio) {
            ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
        }
        const bool compilou = amb.Compila(0, false);
        ::setrlimit(RLIMIT_FSIZE, &antes);
        std::signal(SIGXFSZ, sinalAntes);
        EXPECT_EQ(compilou, !discoCheio);
        EXPECT_EQ(amb.dlg.fake.Textos(), discoCheio ? std::vector<std::string>{"Erro em disco ao gerar arquivo de rascunho"}
                                                    : std::vector<std::string>{});
        EXPECT_EQ(amb.Rascunho() == rascunhoAntes, discoCheio);
        EXPECT_FALSE(EstadoPrincipal().ModoBruto);
        EXPECT_FALSE(TextoIngles);
        EXPECT_NE(TraduzTexto("Abc"), "Abc");
    }
}

// Whichever system call of the draft's writing fails (the new draft's
// creation, any write, its close, its rename), the compile says so and the
// draft holds the last good one, whole, with nothing left beside it.
TEST(CompilaRascunho, AFailureAtAnyStepKeepsTheLastGoodDraft)
{
    PastaTemporaria t;
    AmbienteCompila amb;
    const std::vector<std::string> bom = {"o rascunho bom"};
    // More than one buffer of draft, so that it takes several writes.
    const std::vector<std::string> novo(3000, "uma linha de texto que ocupa uma linha inteira de braille");
    const auto Bom = [&] {
        ArqRascunho = amb.arquivo = t.caminho("rascunho.txt");
        amb.Documento(bom);
        EXPECT_TRUE(amb.Compila(0, false));
        amb.dlg.fake.Limpa();
        amb.Documento(novo);
        return amb.Rascunho();
    };
    int n = 0;
    {
        Bom();
        FalhaNaChamada conta;
        ASSERT_TRUE(amb.Compila(0, false));
        n = conta.Chamadas();
        ASSERT_GE(n, 5);
        EXPECT_EQ(conta.Feitas().front(), Chamada::Abre);
        EXPECT_EQ(conta.Feitas()[static_cast<size_t>(n) - 2], Chamada::Fecha);
        EXPECT_EQ(conta.Feitas().back(), Chamada::Renomeia);
    }
    for (int k = 1; k <= n; ++k) {
        SCOPED_TRACE(k);
        const std::string antes = Bom();
        const DynIntArray mapa = MapaEditorRascunho;
        {
            FalhaNaChamada falha(k);
            EXPECT_FALSE(amb.Compila(0, false));
        }
        EXPECT_EQ(amb.Rascunho(), antes);
        EXPECT_EQ(t.entradas(), 1);
        EXPECT_EQ(MapaEditorRascunho, mapa);
        EXPECT_EQ(amb.dlg.fake.Textos(), std::vector<std::string>{"Erro em disco ao gerar arquivo de rascunho"});
    }
}

// Tabs count two blanks each when a line is taken as centred.
TEST(CompilaRascunho, TabsCountTwoBlanksForCentring)
{
    AmbienteCompila amb;
    ASSERT_TRUE(amb.Define({"FrenteVerso=N", "ComTitulo=N", "MaxCarac=20"}));
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
    amb.Define("PagFinal", "3");
    amb.Documento({"<M__>", "<T*4>", "Primeira \"linha\" (com parenteses", "<p>", "segunda", "<F*>", "bruta"});
    ASSERT_TRUE(amb.Compila(2, true));
    const std::string rascunho = amb.Rascunho();
    const EstadoCompilacao antes = EstadoPrincipal();
    const EstadoTradutores tradutores{dmunif::AspasAbertas, dmunif::ParentesesAbertos, dmantigo::AspasAbertas, true};
    TextoIngles = true;
    const std::string prefixo = PrefixoMargem;

    {
        // Every caret move asks for it: no file is touched.
        FalhaNaChamada conta;
        EXPECT_FALSE(CompilaLinha(4).empty());
        EXPECT_EQ(conta.Chamadas(), 0);
    }

    EXPECT_EQ(amb.Rascunho(), rascunho);
    const EstadoCompilacao& depois = EstadoPrincipal();
    EXPECT_EQ(depois.MapaEditorRascunho, antes.MapaEditorRascunho);
    EXPECT_EQ(depois.MapaRascunhoEditor, antes.MapaRascunhoEditor);
    EXPECT_EQ(depois.MapaPagFisica, antes.MapaPagFisica);
    EXPECT_EQ(depois.PaginaFisica, antes.PaginaFisica);
    EXPECT_EQ(depois.LinhaRascunhoCursor, antes.LinhaRascunhoCursor);
    EXPECT_EQ(depois.LarguraLinha, antes.LarguraLinha);
    EXPECT_EQ(LarguraUtil(), 32);
    EXPECT_EQ(PagFinal, 3);
    EXPECT_TRUE(ModoVisualizacao);
    EXPECT_EQ(PrefixoMargem, prefixo);
    EXPECT_EQ((EstadoTradutores{dmunif::AspasAbertas, dmunif::ParentesesAbertos, dmantigo::AspasAbertas, TextoIngles}),
              tradutores);
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
    EXPECT_TRUE(l.size() > 200u && l.size() <= 254u) << l.size();
    EXPECT_EQ(l, TraduzTexto(longa.substr(0, l.size())));
    EXPECT_EQ(CompilaLinha(3), TraduzTexto("abc\tdef")); // not expanded here: the translator's blanks
    EXPECT_EQ(CompilaLinha(99), "");

    amb.Define("ImprEnviaVazias", "S");
    EXPECT_EQ(CompilaLinha(0), " ");
    TabelaImpressora['a'] = 'Z'; // through the output table
    std::string esperado = TraduzTexto("abc\tdef");
    for (char& c : esperado) c = static_cast<char>(TabelaImpressora[static_cast<unsigned char>(c)]);
    EXPECT_EQ(CompilaLinha(3), esperado);
}

// What the braille leaves out is told in one box per compile of the whole
// document, never by a compile of one line; ten characters are named, the
// rest counted.
TEST(CompilaRascunho, CharactersLeftOutAreToldOncePerCompile)
{
    AmbienteCompila amb;
    ASSERT_TRUE(amb.Define({"FrenteVerso=N", "ComTitulo=N", "Tabela=codigo"}));
    const std::string sem = "\xeb\xf0\xf8\xfe\x01\x02\x03\x04\x05\x06\x07\x08";
    amb.Documento({"a" + sem, "texto", "b" + sem.substr(0, 1)});
    ASSERT_TRUE(amb.Compila());
    ASSERT_TRUE(amb.Compila());
    EXPECT_FALSE(CompilaLinha(0).empty());
    const std::string esperado = "Caracteres sem sinal em braille, deixados fora do braille:\r\n"
                                 "\"\xeb\" na linha 1 (2 vezes no texto)\r\n\"\xf0\" na linha 1\r\n"
                                 "\"\xf8\" na linha 1\r\n\"\xfe\" na linha 1\r\n"
                                 "c\xf3" "digo 1 na linha 1\r\nc\xf3" "digo 2 na linha 1\r\n"
                                 "c\xf3" "digo 3 na linha 1\r\nc\xf3" "digo 4 na linha 1\r\n"
                                 "c\xf3" "digo 5 na linha 1\r\nc\xf3" "digo 6 na linha 1\r\n"
                                 "e mais 2 caracteres.";
    EXPECT_EQ(amb.dlg.fake.Textos(), (std::vector<std::string>{esperado, esperado}));
    EXPECT_EQ(amb.LinhasRascunho()[0], "a texto b");
}

// Random documents of commands, words and odd bytes under random settings:
// every compile succeeds and keeps the whole-document properties, and every
// braille line of the draft holds only cells of braille ASCII.
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
        std::string("\x00\x0b\x0f\xff", 4), "<", "<>", "texto comum de uma linha",
        "{x} \xa9\xa0\xad\x99 \xeb\xcb \xb2\xbd\x80\x85 [a]", "<M\xa9\x01 >", "<Tt\xed\x99tulo\xb7>"};
    for (int rodada = 0; rodada < 120; ++rodada) {
        AmbienteCompila amb;
        // A braced list is evaluated in order: the same settings for a seed.
        amb.Define({"MaxCarac=" + std::to_string(std::uniform_int_distribution<int>(1, 40)(rng)),
                    "MaxLin=" + std::to_string(std::uniform_int_distribution<int>(1, 30)(rng)),
                    "EstiloNumPag=" + std::to_string(rng() % 4), "TipoCabec=" + std::to_string(rng() % 3),
                    "TipoTratGrafico=" + std::to_string(rng() % 5)});
        for (const char* f : {"FrenteVerso", "AutoJunta", "SeparaSilabas", "AfastaCabPar",
                              "TiraBrancasInicioPag", "ImprEnviaVazias", "BrailleAntigo", "TamanhoReal"})
            amb.Define(f, rng() % 2 ? "S" : "N");
        amb.Define("ImprMarca", rng() % 4 == 0 ? "Tiger" : "Index");
        amb.Define("Tabela", "codigo");
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
        for (const std::string& l : amb.LinhasRascunho()) {
            if (LinhaEspecial(l)) continue;
            for (unsigned char c : l) EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << int{c} << " in " << l;
        }
        for (int i = 0; i < n; i += 7) (void)CompilaLinha(i);
        if (HasFatalFailure()) return;
    }
}

} // namespace
