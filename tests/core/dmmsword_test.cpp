// The Word export: back-translation rows from tests/data/tinta_de_braille.txt,
// the bold and italic markers as typed, the RTF of the writer, and the
// documents of a small draft byte for byte (tests/data/word).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/compila_apoio.h"
#include "core/dmvars.h"
#include "core/traducao_linhas.h"
#include "editor/documentos.h"
#include "output/dmmsword.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/servicos.h"
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

TEST(DocumentoDoRascunho, GraficoSemLinhaEReservaEmBranco) {
    // The graphic's mark takes no row of the embossed page and the reserved
    // lines are its blank room: the document has no line for the first and
    // an empty paragraph for each of the others, in both forms.
    const std::string grafico = "\x0f\x0f\x0f\x0f C fig.grb";
    const std::vector<std::string> linhas = {"ab", grafico, "\x0b", "\x0b", "cd"};
    struct Caso {
        bool tinta;
        const char* corpo;
    };
    const std::string a = "\\u" + std::to_string(0x2800 + PontosDoCaractere['a']) + "?";
    for (const Caso& c : {Caso{true, " ab\\par\r\n\\par\r\n\\par\r\ncd\\par\r\n"}, Caso{false, nullptr}}) {
        SCOPED_TRACE(c.tinta ? "ink" : "braille");
        const std::string rtf = DocumentoDoRascunho(linhas, c.tinta).Rtf();
        std::size_t paragrafos = 0;
        for (std::size_t p = rtf.find("\\par\r"); p != std::string::npos; p = rtf.find("\\par\r", p + 1)) ++paragrafos;
        EXPECT_EQ(paragrafos, 4u) << rtf;
        EXPECT_EQ(rtf.find("fig"), std::string::npos) << rtf;
        if (c.tinta) {
            EXPECT_NE(rtf.find(c.corpo), std::string::npos) << rtf;
        } else {
            // Only the cells of the two text lines: no cell of a mark.
            EXPECT_NE(rtf.find("\\par\r\n\\par\r\n\\par\r\n\\u"), std::string::npos) << rtf;
            EXPECT_EQ(rtf.find("\\u" + std::to_string(0x2800 + PontosDoCaractere[0x0b]) + "?"), std::string::npos);
            EXPECT_EQ(rtf.find("\\u" + std::to_string(0x2800 + PontosDoCaractere[0x0f]) + "?"), std::string::npos);
            EXPECT_NE(rtf.find(a), std::string::npos);
        }
    }
}

} // namespace

// ---- The export command ---------------------------------------------------------

namespace {

struct ExportaEscopo {
    ExportaEscopo() {
        RestauraPadroes();
        ArqAtual = "/docs/livro.txt";
        ArqRascunho = pasta.grava("rascunho.txt", DadoWord("rascunho.txt"));
    }
    ~ExportaEscopo() {
        for (const std::string& a : gerados) std::remove(CaminhoNativo(a).c_str());
        RestauraPadroes();
    }
    PastaTemporaria pasta;
    DialogosFalsosEscopo dlg;
    ServicosFalsosEscopo srv;
    std::vector<std::string> gerados;
};

} // namespace

TEST(GeraDocWord, GeraAbreEContaOndeFicou) {
    struct Caso {
        bool rascunho, abre, tinta;
        std::vector<std::string> textos;   // "@" stands for the document's path
        const char* descricao;
    };
    const std::string gerando = "Gerando documento. Aguarde...";
    const std::string gerado = "Documento gerado!\r\n"_cp + "@";
    const Caso casos[] = {
        {true, true, false, {gerando, gerado}, "braille: written, opened, its path told"},
        {true, true, true, {gerando, gerado}, "ink"},
        {true, false, true, {gerando, "Word não pode ser ativado!"_cp, gerado},
         "no program opens it: said so, and where it is"},
        {false, true, false, {gerando, "Erro de leitura no arquivo de rascunho!"}, "a draft that cannot be read"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.descricao);
        ExportaEscopo e;
        if (!c.rascunho) ArqRascunho = e.pasta.caminho("ausente.txt");
        e.srv.fake.abreResultado = c.abre;
        const std::string doc = GeraDocWord(c.tinta);
        if (!doc.empty()) e.gerados.push_back(doc);
        EXPECT_EQ(doc.empty(), !c.rascunho);

        std::vector<std::string> esperados;
        for (std::string t : c.textos) {
            if (const auto p = t.find('@'); p != std::string::npos) t.replace(p, 1, doc);
            esperados.push_back(t);
        }
        EXPECT_EQ(e.dlg.fake.Textos(), esperados);
        // Every box after the notice comes with the notice closed.
        for (std::size_t i = 1; i < e.dlg.fake.registros.size(); ++i)
            EXPECT_FALSE(e.dlg.fake.registros[i].comEspera) << e.dlg.fake.registros[i].texto;
        EXPECT_FALSE(e.dlg.fake.esperaVisivel);
        if (!c.rascunho) {
            EXPECT_TRUE(e.srv.fake.abertos.empty());
            continue;
        }
        EXPECT_EQ(e.srv.fake.abertos, std::vector<std::string>{doc});
        EXPECT_EQ(ExtraiDiretorio(doc), DirTemporario());
        EXPECT_EQ(ExtraiNomeArquivo(doc).rfind(c.tinta ? "livro-tinta-" : "livro-braille-", 0), 0u) << doc;
        EXPECT_EQ(ExtraiExtensao(doc), ".rtf");
        EXPECT_EQ(LeArquivoTeste(doc), DadoWord(c.tinta ? "tinta.rtf" : "braille.rtf"));
    }
}

TEST(GeraDocWord, NomeLongoDoDocumentoAindaGera) {
    // A document name near the system's limit, in letters that take two
    // bytes each on disk.
    ExportaEscopo e;
    const std::string base(200, '\xe7');
    ArqAtual = "/docs/" + base + ".txt";
    const std::string doc = GeraDocWord(true);
    ASSERT_FALSE(doc.empty()) << e.dlg.fake.Textos().back();
    e.gerados.push_back(doc);
    EXPECT_EQ(ExtraiNomeArquivo(doc).rfind(base.substr(0, 64) + "-tinta-", 0), 0u) << doc;
    EXPECT_EQ(e.srv.fake.abertos, std::vector<std::string>{doc});
}

TEST(GeraDocWord, CadaExportacaoNumDocumentoNovo) {
    ExportaEscopo e;
    const std::string a = GeraDocWord(false), b = GeraDocWord(false);
    e.gerados = {a, b};
    EXPECT_NE(a, b);
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(e.srv.fake.abertos, (std::vector<std::string>{a, b}));
}

TEST(ExportaWord, CompilaODocumentoInteiro) {
    AmbienteCompila amb;
    ServicosFalsosEscopo srv;
    amb.Define("MaxLin", "3");
    amb.Define("ComTitulo", "N");
    amb.Documento({"um", "<P>", "dois", "<P>", "tres"});
    // Whatever the print dialog asked for last.
    PagInicial = 2;
    PagFinal = 2;
    NumPagInic = 7;
    ExportaWord(false);
    ASSERT_EQ(srv.fake.abertos.size(), 1u);
    const std::string rtf = LeArquivoTeste(srv.fake.abertos[0]);
    std::remove(CaminhoNativo(srv.fake.abertos[0]).c_str());
    EXPECT_EQ(PagInicial, 1);
    EXPECT_EQ(PagFinal, 9999);
    EXPECT_EQ(NumPagInic, 1);
    // All three pages are in the draft, and each page end is one break.
    std::size_t quebras = 0;
    for (const std::string& l : amb.LinhasRascunho()) quebras += LinhaQuebraPagina(l);
    EXPECT_GE(quebras, 2u);
    std::size_t paginas = 0;
    for (std::size_t p = rtf.find("\\page"); p != std::string::npos; p = rtf.find("\\page", p + 1)) ++paginas;
    EXPECT_EQ(paginas, quebras) << rtf;
}

TEST(ExportaWord, TabelaAusenteNaoGeraNada) {
    AmbienteCompila amb;
    ServicosFalsosEscopo srv;
    amb.Documento({"um"});
    ArqAmbCode2 = amb.arquivo + ".nao-existe.cfg";
    ExportaWord(true);
    EXPECT_TRUE(srv.fake.abertos.empty());
    ASSERT_FALSE(amb.dlg.fake.registros.empty());
    EXPECT_EQ(amb.dlg.fake.registros.back().texto.rfind("Configuração da impressora não achada"_cp, 0), 0u);
}
