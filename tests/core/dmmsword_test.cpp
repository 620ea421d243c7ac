// The Word export: back-translation rows from tests/data/tinta_de_braille.txt,
// the style markers, the RTF writer, and the documents of a small draft
// byte for byte (tests/data/word).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
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

std::size_t Conta(const std::string& rtf, const std::string& marca) {
    std::size_t n = 0;
    for (std::size_t p = rtf.find(marca); p != std::string::npos; p = rtf.find(marca, p + 1)) ++n;
    return n;
}

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
    if (l.anguloFim >= 0) { EXPECT_EQ(e.SinalAnguloAberto, l.anguloFim) << "angle-bracket flag at the end"; }
}

INSTANTIATE_TEST_SUITE_P(Casos, TintaDeBrailleCasos, testing::ValuesIn(LeLinhasTraducao("tinta_de_braille.txt")),
                         [](const auto& info) { return "linha_" + std::to_string(info.param.linha); });

// "(" and "<" look at the next character: never past the end of the line.
TEST(TintaDeBraille, CaractereTintaNuncaOlhaAlemDaLinha) {
    DocumentoRtf doc;
    ExportacaoWord e(doc);
    const std::tuple<const char*, int, int> casos[] = {{"a(", 2, 0xe1}, {"<", 1, 0xea}, {"(#", 1, '['},
                                                       {"a(", 3, 0},    {"a(", 0, 0},   {"", 1, 0}};
    for (auto [linha, pos, tinta] : casos) EXPECT_EQ(e.CaractereTinta(linha, pos), tinta) << linha << " " << pos;
}

// The RTF body after \pard, for styled ink typed (estilos) or plain text.
TEST(DocumentoRtf, EstilosEEscapes) {
    struct Caso {
        bool estilos;
        std::string texto, corpo;
    };
    const Caso casos[] = {
        {true, "Texto *forte* e $*leve$* fim", " Texto \\b forte\\b0  e \\i leve\\i0  fim"},
        {true, "*a$*b*c$*d", "\\b a\\b0\\i bc\\i0 d"},   // bold off leaves italic on
        {true, "$*a*b$*c*d", "\\i a\\b\\i0 bc\\b0 d"},   // italic off leaves bold on
        {true, "**", ""},                                  // markers alone type nothing
        {true, "a$b", " a$b"},                             // "$" without "*" is text
        {true, "*", ""},
        {false, "a\\b{c}", " a\\\\b\\{c\\}"},
        {false, "a\xe9\x97", " a\\'e9\\'97"},
        {false, "a\tb", " a\\tab b"},
        {false, "a\x01\x0f\x7f" "b", " ab"},              // control codes have no ink
        {false, "a\fb", " a\\page\r\nb"},
    };
    for (const Caso& c : casos) {
        DocumentoRtf doc;
        ExportacaoWord e(doc);
        if (c.estilos)
            e.DigitaComEstilos(c.texto);
        else
            doc.TypeText(c.texto);
        EXPECT_EQ(doc.Rtf(), kCabecalho + c.corpo + "}\r\n") << c.texto;
    }
}

TEST(DocumentoRtf, EstilosContinuamNaLinhaSeguinte) {
    DocumentoRtf doc;
    ExportacaoWord e(doc);
    e.TintaDeBraille("9a");
    e.TintaDeBraille("b9 c");
    EXPECT_EQ(doc.Rtf(), kCabecalho + "\\b a\\par\r\nb\\b0  c\\par\r\n}\r\n");
    e.EstiloItalico = 1;
    e.AtivaWord(true);   // a new export starts with both styles off
    EXPECT_EQ(e.EstiloNegrito + e.EstiloItalico, 0);
}

// The cell font shows "\" and "{" as cells and a form feed as a page break;
// each font is in the table once.
TEST(DocumentoRtf, FonteBrailleEUmaEntradaPorFonte) {
    DocumentoRtf doc;
    doc.FontName("Verdana");
    doc.TypeText("a");
    doc.FontName("pontel");
    doc.TypeText("a\f\\{");
    doc.FontName("Verdana");
    doc.TypeText("b");
    doc.FontName("BRAILLETALVO");   // the same cell font as "pontel"
    doc.TypeText("=");
    const std::string rtf = doc.Rtf();
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Verdana;}{\\f1\\fnil\\fcharset0 DejaVu Sans"),
              std::string::npos) << rtf;
    EXPECT_EQ(rtf.find("\\f2"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\f0 a\\f1\\u10241?\\page\r\n\\u10291?\\u10282?\\f0 b\\f1\\u10303?"), std::string::npos) << rtf;
}

TEST(DocumentoDoRascunho, RascunhoPequenoByteAByte) {
    const std::vector<std::string> linhas = TextoEmLinhas(DadoWord("rascunho.txt"));
    ASSERT_EQ(linhas.size(), 10u);
    for (bool tinta : {false, true}) {
        const std::string arquivo = tinta ? "tinta.rtf" : "braille.rtf";
        SCOPED_TRACE(arquivo);
        if (std::getenv("DOTMARA_REGERA_GOLDENS")) {
            GravaArquivoTeste(std::string(DOTMARA_TEST_DATA_DIR) + "/word/" + arquivo,
                              DocumentoDoRascunho(linhas, tinta).Rtf());
            continue;
        }
        const std::string esperado = DadoWord(arquivo);
        ASSERT_FALSE(esperado.empty());
        EXPECT_EQ(DocumentoDoRascunho(linhas, tinta).Rtf(), esperado);
        // A page end with blanks around it is a break too, with no paragraph.
        const std::string rtf = DocumentoDoRascunho({"  " + std::string(50, '-') + "      "}, tinta).Rtf();
        EXPECT_EQ(Conta(rtf, "\\page"), 1u);
        EXPECT_EQ(Conta(rtf, "\\par\r"), 0u);
    }
}

struct ExportaEscopo {
    ExportaEscopo() {
        RestauraPadroes();
        ArqAtual = "/docs/livro.txt";
        ArqRascunho = pasta.grava("rascunho.txt", DadoWord("rascunho.txt"));
    }
    ~ExportaEscopo() {
        for (const std::string& a : srv.fake.abertos) std::remove(CaminhoNativo(a).c_str());
        RestauraPadroes();
    }
    PastaTemporaria pasta;
    DialogosFalsosEscopo dlg;
    ServicosFalsosEscopo srv;
};

TEST(GeraDocWord, GeraAbreEContaOndeFicou) {
    struct Caso {
        bool rascunho, abre, tinta;
        std::vector<std::string> textos;   // "@" stands for the document's path
    };
    const std::string gerando = "Gerando documento. Aguarde...";
    const std::string gerado = "Documento gerado!\r\n"_cp + "@";
    const Caso casos[] = {
        {true, true, false, {gerando, gerado}},
        {true, true, true, {gerando, gerado}},
        {true, false, true, {gerando, gerado + kNenhumProgramaAbriu}},   // one box, not two
        {false, true, false, {gerando, "Erro de leitura no arquivo de rascunho!"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.textos.back());
        ExportaEscopo e;
        if (!c.rascunho) ArqRascunho = e.pasta.caminho("ausente.txt");
        e.srv.fake.abreResultado = c.abre;
        const std::string doc = GeraDocWord(c.tinta);
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
        // The next export makes a document of its own.
        EXPECT_NE(GeraDocWord(c.tinta), doc);
    }
}

// A document name near the system's limit, two bytes a letter on disk.
TEST(GeraDocWord, NomeLongoDoDocumentoAindaGera) {
    ExportaEscopo e;
    const std::string base(200, '\xe7');
    ArqAtual = "/docs/" + base + ".txt";
    const std::string doc = GeraDocWord(true);
    ASSERT_FALSE(doc.empty()) << e.dlg.fake.Textos().back();
    EXPECT_EQ(ExtraiNomeArquivo(doc).rfind(base.substr(0, 64) + "-tinta-", 0), 0u) << doc;
    EXPECT_EQ(e.srv.fake.abertos, std::vector<std::string>{doc});
}

TEST(ExportaWord, CompilaODocumentoInteiro) {
    AmbienteCompila amb;
    ServicosFalsosEscopo srv;
    amb.Define("MaxLin", "3");
    amb.Define("ComTitulo", "N");
    amb.Documento({"um", "<P>", "dois", "<P>", "tres"});
    PagInicial = PagFinal = 2;   // whatever the print dialog asked for last
    NumPagInic = 7;
    ExportaWord(false);
    ASSERT_EQ(srv.fake.abertos.size(), 1u);
    std::string rtf;
    ASSERT_TRUE(LeArquivo(srv.fake.abertos[0], rtf));
    std::remove(CaminhoNativo(srv.fake.abertos[0]).c_str());
    EXPECT_EQ(PagInicial, 1);
    EXPECT_EQ(PagFinal, 9999);
    EXPECT_EQ(NumPagInic, 1);
    std::size_t quebras = 0;
    for (const std::string& l : amb.LinhasRascunho()) quebras += LinhaQuebraPagina(l);
    EXPECT_GE(quebras, 2u);
    EXPECT_EQ(Conta(rtf, "\\page"), quebras) << rtf;

    // Without the ink table nothing is made.
    srv.fake.abertos.clear();
    ArqAmbCode2 = amb.arquivo + ".nao-existe.cfg";
    ExportaWord(true);
    EXPECT_TRUE(srv.fake.abertos.empty());
    ASSERT_FALSE(amb.dlg.fake.registros.empty());
    EXPECT_EQ(amb.dlg.fake.registros.back().texto.rfind("Configuração da impressora não achada"_cp, 0), 0u);
}

} // namespace
