// The Word export: back-translation rows from tests/data/tinta_de_braille.txt,
// the bold and italic markers as typed, the RTF of the writer, and the
// documents of a small draft byte for byte (tests/data/word).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/dmvars.h"
#include "core/traducao_linhas.h"
#include "editor/documentos.h"
#include "output/dmmsword.h"
#include "support/temporario.h"

namespace {

const std::string kCabecalho = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl}\r\n\\pard";

std::string DadoWord(const std::string& nome) {
    return LeArquivoTeste(std::string(DOTMARA_TEST_DATA_DIR) + "/word/" + nome);
}

// ---- Back-translation as data ---------------------------------------------

class TintaDeBrailleCasos : public testing::TestWithParam<LinhaTraducao> {};

TEST_P(TintaDeBrailleCasos, Linha) {
    const LinhaTraducao& l = GetParam();
    SCOPED_TRACE(l.arquivo + ":" + std::to_string(l.linha) + ": " + l.descricao);
    ASSERT_EQ(l.descricao.rfind("ERRO", 0), std::string::npos) << l.descricao;
    DocumentoRtf doc;
    ExportacaoWord e(doc);
    e.SinalAnguloAberto = static_cast<unsigned char>(l.angulo);
    for (std::size_t i = 0; i < l.entradas.size(); ++i)
        EXPECT_EQ(MostraBytes(e.TintaDaLinha(l.entradas[i])), MostraBytes(l.esperados[i]))
            << "line " << i + 1 << ", draft \"" << MostraBytes(l.entradas[i]) << "\"";
    if (l.anguloFim >= 0) {
        EXPECT_EQ(e.SinalAnguloAberto, l.anguloFim) << "angle-bracket flag at the end";
    }
}

std::string NomeLinha(const testing::TestParamInfo<LinhaTraducao>& info) {
    return "linha_" + std::to_string(info.param.linha);
}

INSTANTIATE_TEST_SUITE_P(Casos, TintaDeBrailleCasos,
                         testing::ValuesIn(LeLinhasTraducao("tinta_de_braille.txt")), NomeLinha);

TEST(TintaDeBraille, SequenciasNaOrdemDeBusca) {
    // The table's rows and their order decide which pair wins; the first
    // characters are exactly the initials.
    const std::vector<std::pair<std::string, std::string>> esperadas = {
        {"--", "\x97"}, {"_0", "%"}, {"<'", "("},  {",>", ")"},     {"_(", "["},  {"('", "["},
        {"_)", "]"},    {",)", "]"}, {",1", "/"},  {"[o", "\x95"}, {"\"'", "\\"}, {"\"1", ""},
    };
    ASSERT_EQ(kQuantSequencias, static_cast<int>(esperadas.size()));
    std::string iniciais;
    for (int i = 0; i < kQuantSequencias; ++i) {
        EXPECT_EQ(SequenciasTinta[i].rascunho, esperadas[static_cast<std::size_t>(i)].first) << i;
        EXPECT_EQ(SequenciasTinta[i].tinta, esperadas[static_cast<std::size_t>(i)].second) << i;
        if (iniciais.find(SequenciasTinta[i].rascunho[0]) == std::string::npos)
            iniciais += SequenciasTinta[i].rascunho[0];
    }
    std::string dados = IniciaisSequencias;
    std::sort(dados.begin(), dados.end());
    std::sort(iniciais.begin(), iniciais.end());
    EXPECT_EQ(dados, iniciais);
}

TEST(TintaDeBraille, CaractereTintaNuncaOlhaAlemDaLinha) {
    // "(" and "<" look at the next character; at the end of the line there
    // is none.
    const std::string linha = "a(";
    DocumentoRtf doc;
    ExportacaoWord e(doc);
    EXPECT_EQ(e.CaractereTinta(linha, 2), 0xe1);          // "(" with no next: the letter
    EXPECT_EQ(e.CaractereTinta("<", 1), 0xea);
    EXPECT_EQ(e.CaractereTinta("(#", 1), '[');
    EXPECT_EQ(e.CaractereTinta(linha, 3), 0);             // past the end: nothing
    EXPECT_EQ(e.CaractereTinta(linha, 0), 0);
    EXPECT_EQ(e.CaractereTinta("", 1), 0);
}

// ---- Styles as typed ---------------------------------------------------------

struct CasoEstilo {
    const char* tinta;
    const char* corpo;   // the RTF after \pard
    const char* descricao;
};

TEST(DigitaComEstilos, MarcadoresComoDigitados) {
    const CasoEstilo casos[] = {
        {"Texto *forte* e $*leve$* fim", " Texto \\b forte\\b0  e \\i leve\\i0  fim", "bold, then italic"},
        {"*a$*b*c$*d", "\\b a\\b0\\i bc\\i0 d", "italic over bold; bold off leaves italic on"},
        {"$*a*b$*c*d", "\\i a\\b\\i0 bc\\b0 d", "bold over italic; italic off leaves bold on"},
        {"sem marcas", " sem marcas", "no markers"},
        {"**", "", "markers alone type nothing"},
        {"a$b", " a$b", "a dollar sign without a star is text"},
        {"*", "", "one star only switches bold on"},
    };
    for (const CasoEstilo& c : casos) {
        SCOPED_TRACE(c.descricao);
        DocumentoRtf doc;
        ExportacaoWord e(doc);
        e.DigitaComEstilos(c.tinta);
        EXPECT_EQ(doc.Rtf(), kCabecalho + c.corpo + "}\r\n");
    }
}

TEST(DigitaComEstilos, EstilosContinuamNaLinhaSeguinte) {
    DocumentoRtf doc;
    ExportacaoWord e(doc);
    e.TintaDeBraille("9a");
    EXPECT_EQ(e.EstiloNegrito, 1);
    e.TintaDeBraille("b9 c");
    EXPECT_EQ(e.EstiloNegrito, 0);
    EXPECT_EQ(doc.Rtf(), kCabecalho + "\\b a\\par\r\nb\\b0  c\\par\r\n}\r\n");
    // A new export starts with both styles off.
    e.EstiloItalico = 1;
    e.AtivaWord(true);
    EXPECT_EQ(e.EstiloNegrito, 0);
    EXPECT_EQ(e.EstiloItalico, 0);
}

// ---- The document writer -------------------------------------------------------

TEST(DocumentoRtf, TextoEscapadoEmWindows1252) {
    struct Caso {
        std::string texto, corpo, descricao;
    };
    const Caso casos[] = {
        {"a\\b{c}", " a\\\\b\\{c\\}", "RTF's own characters escaped"},
        {"a\xe9\x97", " a\\'e9\\'97", "bytes past ASCII as \\'hh"},
        {"a\tb", " a\\tab b", "a tab"},
        {"a\x01\x0f\x7f" "b", " ab", "control codes have no ink"},
        {"a\fb", " a\\page\r\nb", "a form feed is a page break"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.descricao);
        DocumentoRtf doc;
        doc.TypeText(c.texto);
        EXPECT_EQ(doc.Rtf(), kCabecalho + c.corpo + "}\r\n");
    }
}

TEST(DocumentoRtf, FonteBrailleMostraCelas) {
    DocumentoRtf doc;
    doc.FontName("BrailleTalvo");
    doc.FontSize(14);
    // " " no dots, "a" dot 1, "=" dots 1-2-3-4-5-6, a form feed stays a page
    // break, "\" and "{" are cells like any other code.
    doc.TypeText(" a=\f\\{");
    doc.TypeParagraph();
    const std::string esperado =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n"
        "{\\fonttbl{\\f0\\fnil\\fcharset0 DejaVu Sans{\\*\\falt Segoe UI Symbol};}}\r\n"
        "\\pard\\f0\\fs28\\u" + std::to_string(0x2800 + PontosDoCaractere[' ']) + "?\\u" +
        std::to_string(0x2800 + PontosDoCaractere['a']) + "?\\u" + std::to_string(0x2800 + PontosDoCaractere['=']) +
        "?\\page\r\n\\u" + std::to_string(0x2800 + PontosDoCaractere['\\']) + "?\\u" +
        std::to_string(0x2800 + PontosDoCaractere['{']) + "?\\par\r\n}\r\n";
    EXPECT_EQ(doc.Rtf(), esperado);
    EXPECT_EQ(PontosDoCaractere['a'], 1);
    EXPECT_EQ(PontosDoCaractere['='], 63);
}

TEST(DocumentoRtf, CadaFonteUmaVezNaTabela) {
    DocumentoRtf doc;
    doc.FontName("Verdana");
    doc.TypeText("a");
    doc.FontName("pontel");
    doc.TypeText("a");
    doc.FontName("Verdana");
    doc.TypeText("b");
    doc.FontName("BRAILLETALVO");   // the same cell font as "pontel"
    doc.TypeText("b");
    const std::string rtf = doc.Rtf();
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Verdana;}{\\f1\\fnil\\fcharset0 DejaVu Sans"),
              std::string::npos)
        << rtf;
    EXPECT_EQ(rtf.find("\\f2"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\f0 a\\f1\\u10241?\\f0 b\\f1\\u10243?"), std::string::npos) << rtf;
}

// ---- A small draft, byte for byte --------------------------------------------

TEST(DocumentoDoRascunho, RascunhoPequenoByteAByte) {
    const std::vector<std::string> linhas = TextoEmLinhas(DadoWord("rascunho.txt"));
    ASSERT_EQ(linhas.size(), 10u);
    struct Caso {
        bool tinta;
        const char* arquivo;
    };
    for (const Caso& c : {Caso{false, "braille.rtf"}, Caso{true, "tinta.rtf"}}) {
        SCOPED_TRACE(c.arquivo);
        if (std::getenv("DOTMARA_REGERA_GOLDENS")) {
            GravaArquivoTeste(std::string(DOTMARA_TEST_DATA_DIR) + "/word/" + c.arquivo,
                              DocumentoDoRascunho(linhas, c.tinta).Rtf());
            continue;
        }
        const std::string esperado = DadoWord(c.arquivo);
        ASSERT_FALSE(esperado.empty());
        EXPECT_EQ(DocumentoDoRascunho(linhas, c.tinta).Rtf(), esperado);
    }
}

TEST(DocumentoDoRascunho, QuebraDePaginaSemParagrafo) {
    const std::string traco(50, '-'), igual(50, '='), comBrancos = "  " + std::string(50, '-') + "      ";
    for (bool tinta : {false, true}) {
        SCOPED_TRACE(tinta ? "ink" : "braille");
        const std::string rtf = DocumentoDoRascunho({traco, igual, comBrancos}, tinta).Rtf();
        std::size_t n = 0;
        for (std::size_t p = rtf.find("\\page"); p != std::string::npos; p = rtf.find("\\page", p + 1)) ++n;
        EXPECT_EQ(n, 3u);
        EXPECT_EQ(rtf.find("\\par\r"), std::string::npos);
    }
}

} // namespace
