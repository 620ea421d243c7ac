// Markup insertion over the document in memory: block pairs, markers around
// the selection, lines of their own, centring; each command one undo step.
#include "editor/dmmarcacao.h"

#include "editor/dmedicao.h"

#include "core/dmtraduz.h"
#include "core/dmvars.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

#include "editor/documentos.h"
#include "support/selecao_teste.h"

#include "compila_apoio.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Linhas = std::vector<std::string>;

const Linhas kQuatro = {"um", "dois", "tres", "quatro"};

TEST(ParBloco, PlacedAroundTheSelectedLines) {
    // The lines, the selection's start and end, the pair, the lines afterwards.
    const struct { const char* nome; Linhas linhas; int l1, c1, l2, c2; ParBloco par; Linhas esperado; } casos[] = {
        {"ThreeWholeLinesEndingAtALineStart", kQuatro, 0, 0, 3, 0, kNaoFormatar,
         {"<F->", "um", "dois", "tres", "<F+>", "quatro"}},
        {"EndInsideTheThirdLine", kQuatro, 0, 0, 2, 2, kNaoFormatar, {"<F->", "um", "dois", "tres", "<F+>", "quatro"}},
        {"StartingInsideALine", kQuatro, 1, 3, 2, 1, kRecuo2, {"um", "<R+>", "dois", "tres", "<R->", "quatro"}},
        {"NoSelectionTheCaretsLine", kQuatro, 2, 2, 2, 2, kRecuo2, {"um", "dois", "<R+>", "tres", "<R->", "quatro"}},
        {"AtTheVeryEndOfTheLastLine", kQuatro, 2, 0, 3, 6, kNaoSepararSilaba,
         {"um", "dois", "<S->", "tres", "quatro", "<S+>"}},
        {"WholeDocumentWithItsLastLineEnd", kQuatro, 0, 0, 4, 0, kGrafiaInglesa,
         {"<I+>", "um", "dois", "tres", "quatro", "<I->"}},
        {"OnlyALineEnd", kQuatro, 0, 2, 1, 0, kNaoFormatar, {"<F->", "um", "<F+>", "dois", "tres", "quatro"}},
        {"EmptyDocument", {}, 0, 0, 0, 0, kNaoFormatar, {"<F->", "<F+>"}},
        {"AfterTheLastLineEnd", kQuatro, 4, 0, 4, 0, kNaoFormatar, {"um", "dois", "tres", "quatro", "<F->", "<F+>"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        DocumentoEmMemoria doc(c.linhas);
        SelecionaTrecho(doc, c.l1, c.c1, c.l2, c.c2);
        InsereParBloco(doc, c.par);
        EXPECT_EQ(doc.Texto(), LinhasEmTexto(c.esperado));
        EXPECT_EQ(doc.PassosDesfazer(), 1);
        doc.Desfaz();
        EXPECT_EQ(doc.Texto(), LinhasEmTexto(c.linhas));
    }
    DocumentoEmMemoria doc;   // the last line without its line end
    doc.DefineTexto("um\r\ndois");
    doc.DefineSelecao(4, 2);
    InsereParBloco(doc, kNaoFormatar);
    EXPECT_EQ(doc.Texto(), "um\r\n<F->\r\ndois\r\n<F+>");
    EXPECT_EQ(AberturaVarianteTipografica("&4"), "");   // an unknown variant caption opens nothing
}

const struct CasoEnvolve {   // the text, the selection, the markers, the text and the caret afterwards
    const char* nome; std::string texto; int inicio, tamanho; std::string p, s, esperado; int cursor;
} kEnvolve[] = {
    {"CompoundEmphasisOnAWord", "uma casa azul", 4, 4, "$*", "$*", "uma $*casa$* azul", 12},
    {"NothingSelectedLeavesTheCaretBetween", "uma casa", 4, 0, "$*", "$*", "uma $*$*casa", 6},
    {"AuxiliaryParentheses", "x", 0, 1, "?", "*", "?x*", 3},
    {"Informatics", "a.b", 0, 3, "~,", "~,", "~,a.b~,", 7},
    {"ACloserWithALineEnd", "ab", 1, 0, "[", "]\r\n", "a[]\r\nb", 2},
    {"AcrossLines", "ab\r\ncd", 1, 4, "*", "*", "a*b\r\nc*d", 7},
    // A line taken with its line end: the closer stays on that line.
    {"AWholeLineWithItsLineEnd", "casa\r\nfim", 0, 6, "*", "*", "*casa*\r\nfim", 6},
    {"TwoLineEndsAtTheEnd", "ab\r\n\r\ncd", 0, 6, "$*", "$*", "$*ab$*\r\n\r\ncd", 6},
    {"OnlyALineEnd", "ab\r\ncd", 2, 2, "*", "*", "ab**\r\ncd", 4},
};

TEST(EnvolveSelecao, Cases) {
    for (const auto& c : kEnvolve) {
        SCOPED_TRACE(c.nome);
        DocumentoEmMemoria doc;
        doc.DefineTexto(c.texto);
        doc.DefineSelecao(c.inicio, c.tamanho);
        EnvolveSelecao(doc, c.p, c.s);
        EXPECT_EQ(doc.Texto(), c.esperado);
        EXPECT_EQ(doc.InicioSelecao(), c.cursor);
        EXPECT_EQ(doc.TamanhoSelecao(), 0);
        EXPECT_EQ(doc.PassosDesfazer(), 1);
    }
}

TEST(NotaTranscricao, OnLinesOfItsOwnWhenTextStandsBeside) {
    const std::tuple<std::string, int, int, std::string> casos[] = {
        {"ab casa cd", 3, 4, "ab \r\n_`[casa_`]\r\n cd"},   // a word in the middle
        {"casa\r\nfim", 0, 4, "_`[casa_`]\r\nfim"},         // a whole line, with its line end or not
        {"casa\r\nfim", 0, 6, "_`[casa_`]\r\nfim"},
        {"  casa \r\n", 2, 4, "  _`[casa_`] \r\n"},        // only blanks beside
        {"casa fim", 0, 4, "_`[casa_`]\r\n fim"},
        {"", 0, 0, "_`[_`]"},
    };
    for (const auto& [texto, inicio, tamanho, esperado] : casos) {
        DocumentoEmMemoria doc;
        doc.DefineTexto(texto);
        doc.DefineSelecao(inicio, tamanho);
        InsereNotaTranscricao(doc);
        EXPECT_EQ(doc.Texto(), esperado) << texto;
    }
}

TEST(Linhas, PageBreakAndSeparatorBeforeTheCaretsLine) {
    DocumentoEmMemoria doc({"um", "dois", "tres"});
    doc.PosicionaCursor(1, 0);
    InsereQuebraPagina(doc);
    doc.PosicionaCursor(2, 2);
    InsereQuebraPagina(doc);
    EXPECT_EQ(doc.Texto(), LinhasEmTexto({"um", "<p>", "dois", "<p>", "tres"}));
    doc.DefineSelecao(doc.InicioLinha(4) + 1, 3);   // inside "tres"
    InsereSeparador(doc, Separador::Pequena);
    EXPECT_EQ(doc.Linha(4), std::string(15, ' ') + std::string(24, ':'));
}

class ComPerguntas : public ::testing::Test {
protected:
    DialogosFalsosEscopo caixas;
};

TEST_F(ComPerguntas, InkPageNumber) {
    const struct {
        const char* nome; bool transpaginacao; std::optional<std::string> resposta; std::string esperado;
    } casos[] = {   // nullopt: Cancel
        {"WithTranspagination", true, " 12 ", "casa  ~:\r\n<12>\r\nazul\r\n"},
        {"Plain", false, "xii", "casa \r\n<xii>\r\nazul\r\n"},
        {"Cancel", true, std::nullopt, "casa azul\r\n"},
        {"EmptyAfterTrimming", false, "   ", "casa azul\r\n"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        caixas.fake.registros.clear();
        caixas.fake.linhas = {c.resposta};
        DocumentoEmMemoria doc({"casa azul"});
        doc.DefineSelecao(5, 2);   // collapsed to its start before writing
        const bool escreveu = InserePagTinta(doc, c.transpaginacao);
        EXPECT_EQ(escreveu, doc.PassosDesfazer() == 1);
        EXPECT_EQ(doc.Texto(), c.esperado);
        ASSERT_EQ(caixas.fake.registros.size(), 1u);
        EXPECT_EQ(caixas.fake.registros[0].texto,
                  c.transpaginacao ? "Número da página (COM sinal de transpaginação):"_cp
                                   : "Número da página:"_cp);
    }
}

TEST_F(ComPerguntas, Annotation) {
    caixas.fake.linhas = {std::string(" ver fonte "), std::string(), std::nullopt};
    std::string texto;
    ASSERT_TRUE(PedeAnotacao(texto));
    EXPECT_EQ(texto, " ver fonte ");   // not trimmed
    EXPECT_FALSE(PedeAnotacao(texto));
    EXPECT_FALSE(PedeAnotacao(texto));
    EXPECT_EQ(caixas.fake.registros[0].texto, "Incluir comentário"_cp);
    DocumentoEmMemoria doc({"um", "dois"});
    InsereLinhaAnotacao(doc, 1, "ver");
    InsereLinhaAnotacao(doc, 9, "fim");
    EXPECT_EQ(doc.Texto(), LinhasEmTexto({"um", "<*** ver ***>", "dois", "<*** fim ***>"}));
}

std::string Repete(const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += (r.empty() ? "" : " ") + s;
    return r;
}
const std::string kSeparadorGrande = "a|246 " + Repete("1346", 22) + " 135|b";
const std::string kSeparadorMedio = "a|" + Repete("246 135", 12) + "|b";
const std::string kSeparadorPequeno = "a|" + Repete("25", 24) + "|b";

// Every command line the editor writes before "b" is one the compiler takes:
// the braille of "a" and "b" (with what the command does) and no message.
TEST_F(ComPerguntas, TheCompilerTakesEveryInsertedCommand) {
    struct Caso { const char* nome; std::function<void(DocumentoEmMemoria&)> insere; const char* pontos; };
    auto par = [](ParBloco p) { return [p](DocumentoEmMemoria& d) { InsereParBloco(d, p); }; };
    auto variante = [](const char* legenda) {
        return [legenda](DocumentoEmMemoria& d) { InsereParBloco(d, AberturaVarianteTipografica(legenda), kFechaVariante); };
    };
    const Caso casos[] = {
        {"NoFormatting", par(kNaoFormatar), "a|b"},
        {"Indent", par(kRecuo2), "a|b"},
        {"NoSyllables", par(kNaoSepararSilaba), "a|b"},
        {"EnglishText", par(kGrafiaInglesa), "a|b"},
        // The variant's prefix stands before the line it encloses.
        {"Variant1", variante("&1"), "a|456 0 12"},
        {"Variant2", variante("&2"), "a|123456 0 12"},
        {"Variant3", variante("&3"), "a|456 123 0 12"},
        {"PageBreak", [](DocumentoEmMemoria& d) { InsereQuebraPagina(d); }, "a|b"},
        {"InkPageNumber", [this](DocumentoEmMemoria& d) {
             caixas.fake.linhas = {std::string("12")};
             InserePagTinta(d, false);
         }, "a|b"},
        {"Annotation", [](DocumentoEmMemoria& d) { InsereLinhaAnotacao(d, 1, "ver a fonte"); }, "a|b"},
        // Separators are text, centred by the compiler.
        {"LargeSeparator", [](DocumentoEmMemoria& d) { InsereSeparador(d, Separador::Grande); },
         kSeparadorGrande.c_str()},
        {"MediumSeparator", [](DocumentoEmMemoria& d) { InsereSeparador(d, Separador::Media); },
         kSeparadorMedio.c_str()},
        {"SmallSeparator", [](DocumentoEmMemoria& d) { InsereSeparador(d, Separador::Pequena); },
         kSeparadorPequeno.c_str()},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        DocumentoEmMemoria doc({"a", "b"});
        doc.PosicionaCursor(1, 0);
        c.insere(doc);
        AmbienteCompila amb;
        ASSERT_TRUE(amb.Define("Tabela", "codigo"));
        ComTitulo = false;
        AutoJunta = false;
        amb.Documento(TextoEmLinhas(doc.Texto()));
        ASSERT_TRUE(amb.Compila());
        EXPECT_EQ(amb.PontosRascunho(), c.pontos) << doc.Texto();
        EXPECT_TRUE(amb.dlg.fake.registros.empty());
    }
}

TEST(Centragem, LogicalAndPhysicalLines) {
    EXPECT_EQ(CentraLogica("  Capítulo 1  "_cp), std::string(12, ' ') + "Capítulo 1"_cp);
    EXPECT_EQ(CentraLogica("\tTítulo\r"_cp), std::string(12, ' ') + "Título"_cp);
    EXPECT_EQ(CentraLogica("     "), "");
    EXPECT_EQ(CentraLogica(""), "");
    const struct { std::string linha; int maxCarac, celas; std::string esperado; } casos[] = {
        {"dez celas.", 34, 10, std::string(12, ' ') + "dez celas."},
        {"longa", 34, 40, "longa"},
        {"  x", 34, 1, std::string(16, ' ') + "  x"},   // its own blanks stay
        {"   ", 34, 0, std::string(17, ' ') + "   "},   // blanks only: not empty
        {"", 34, 0, ""},
        {"x", 200, 1, std::string(52, ' ') + "x"},       // at most 52
        {"justa", 34, 34, "justa"},
    };
    for (const auto& c : casos) {
        std::string medido;
        const auto mede = [&](const std::string& t) { medido = t; return c.celas; };
        EXPECT_EQ(CentraFisica(c.linha, c.maxCarac, mede), c.esperado) << c.linha;
        if (!c.linha.empty()) { EXPECT_EQ(medido, std::string(AparaTexto(c.linha))); }
    }
    RestauraPadroes();
    MaxCarac = 34;
    DocumentoEmMemoria doc({"Casa"});   // the capital sign makes it five cells: (34 - 5) / 2 blanks
    CentraLinhas(doc, false);
    EXPECT_EQ(doc.Linha(0), std::string(14, ' ') + "Casa");
}

const Linhas kTitulos = {"antes", "  Um  ", "", "Dois", "depois"};
const std::string k12(12, ' ');

const struct CasoCentra { const char* nome; int l1, c1, l2, c2; Linhas esperado; int linhaCursor; } kCentragens[] = {
    {"WholeLines", 1, 0, 4, 0, {"antes", k12 + "Um", "", k12 + "Dois", "depois"}, 4},
    {"StartAndEndInsideLines", 1, 3, 3, 2, {"antes", k12 + "Um", "", k12 + "Dois", "depois"}, 4},
    {"NoSelectionTheCaretsLine", 3, 2, 3, 2, {"antes", "  Um  ", "", k12 + "Dois", "depois"}, 4},
    {"TheLastLine", 4, 0, 4, 6, {"antes", "  Um  ", "", "Dois", k12 + "depois"}, 5},
};

TEST(Centragem, LinesCentredInPlace) {
    for (const auto& c : kCentragens) {
        SCOPED_TRACE(c.nome);
        DocumentoEmMemoria doc(kTitulos);
        SelecionaTrecho(doc, c.l1, c.c1, c.l2, c.c2);
        CentraLinhas(doc, true);
        EXPECT_EQ(doc.Texto(), LinhasEmTexto(c.esperado));
        EXPECT_EQ(doc.InicioSelecao(), doc.InicioLinha(c.linhaCursor));
        EXPECT_EQ(doc.TamanhoSelecao(), 0);
        EXPECT_EQ(doc.PassosDesfazer(), 1);
        doc.Desfaz();
        EXPECT_EQ(doc.Texto(), LinhasEmTexto(kTitulos));
    }
    DocumentoEmMemoria doc(kTitulos);   // nothing to centre: the caret after the last line end, or no text
    doc.DefineSelecao(doc.TamanhoTexto(), 0);
    CentraLinhas(doc, true);
    DocumentoEmMemoria vazio;
    CentraLinhas(vazio, false);
    EXPECT_EQ(doc.PassosDesfazer() + vazio.PassosDesfazer(), 0);
}

TEST_F(ComPerguntas, PhysicalCentringAsksFirst) {
    caixas.fake.respostas = {mrNo, mrYes};
    EXPECT_FALSE(ConfirmaCentragemFisica());
    EXPECT_TRUE(ConfirmaCentragemFisica());
    ASSERT_EQ(caixas.fake.registros.size(), 2u);
    EXPECT_EQ(caixas.fake.registros[0].texto,
              "   Confirma centragem FÍSICA?\r\n\r\n   Só confirme se NÃO for autoformatar!   "_cp);
    EXPECT_EQ(caixas.fake.registros[0].icone, Icone::Aviso);
    EXPECT_EQ(caixas.fake.registros[0].botoes, Botoes::YesNo);
}

} // namespace
