// The macro processor: the file's format, which code wins, the lines it
// changes, the command's messages and INI key, and the shipped macro file.
#include "editor/dmmacro.h"

#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/ini.h"
#include "platform/texto.h"
#include "support/config_teste.h"
#include "support/selecao_teste.h"
#include "support/temporario.h"

#include "compila_apoio.h"
#include "platform/codepage.h"

#include "editor/documentos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Linhas = std::vector<std::string>;

// The text after loading `arquivo` and applying its macros to one line.
std::string Aplica(const std::string& arquivo, const std::string& linha) {
    TabelaMacros t;
    EXPECT_TRUE(LeMacros(arquivo, t).ok) << arquivo;
    return AplicaMacrosLinha(linha, t);
}

TEST(Macros, FileFormat) {
    const struct { const char* nome; std::string arquivo, linha, esperado; } casos[] = {
        {"CommentsEmptyLinesAndTheRestIgnored", "; codigos\r\n\r\n`ab alfa\r\n`a beta gama\r\n", "x`ab`a`c",
         "xalfabeta`c"},
        {"AShorterCodeListedFirstHidesTheLonger", "`a beta\r\n`ab alfa\r\n", "`ab", "betab"},
        {"TheFirstDefinitionWins", "`ab alfa\r\n`ab outro\r\n", "`ab", "alfa"},
        {"ACodeAloneIsRemoved", "`x\r\n", "a`xb`x", "ab"},
        {"RunsOfBlanksSeparate", "`ab     alfa     resto\n", "`ab", "alfa"},
        {"ATabBelongsToTheCode", "`t\tx y\r\n", "`t\tx `t", "y `t"},
        {"ATabBelongsToTheReplacement", "`t x\ty\r\n", "`t", "x\ty"},
        {"CaseCounts", "`Ab alfa\r\n", "`ab `Ab", "`ab alfa"},
        {"ReplacementsAreNotScannedAgain", "`a `b\r\n`b fim\r\n", "`a", "`b"},
        {"ABackquoteAlone", "`a x\r\n", "a`", "a`"},
        {"TheBackquoteItselfAsACode", "` Q\r\n", "a`b`", "aQbQ"},
        {"LoneCarriageReturnsEndLines", "`a 1\r`b 2\r", "`a`b", "12"},
        {"NoLineEndAtTheEnd", "`fim F", "`fim.", "F."},
    };
    for (const auto& c : casos) EXPECT_EQ(Aplica(c.arquivo, c.linha), c.esperado) << c.nome;
}

TEST(Macros, ABadLineStopsTheLoadWithItsNumber) {
    // The file, the line of the error, the macros in the table before it.
    const std::tuple<std::string, int, int> casos[] = {
        {"`a 1\r\n `b 2\r\n`c 3\r\n", 2, 1},   // a leading blank
        {"; x\r\n\r\n\r\n   \r\n", 4, 0},       // a line of blanks
        {"`a 1\r\nab 2\r\n", 2, 1}, {"\tx\r\n", 1, 0},
    };
    for (const auto& [arquivo, linha, carregadas] : casos) {
        TabelaMacros t;
        const LeituraMacros r = LeMacros(arquivo, t);
        EXPECT_FALSE(r.ok) << arquivo;
        EXPECT_EQ(r.linhaErro, linha) << arquivo;
        EXPECT_EQ(t.Quantidade(), carregadas) << arquivo;
    }
    DialogosFalsosEscopo caixas;
    EXPECT_FALSE(CarregaMacros("; um\r\n`a 1\r\n\r\n;\r\n x\r\n"));
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{"Codigo inválido na linha 5"_cp});
    EXPECT_TRUE(CarregaMacros(""));
    EXPECT_EQ(Macros.Quantidade(), 0);
}

// No limit on the count; the first in file order still wins among codes that begin alike.
TEST(Macros, FiveThousandMacros) {
    std::string arquivo;
    for (int i = 0; i < 5000; ++i) arquivo += "`m" + std::to_string(i) + " v" + std::to_string(i) + "\r\n";
    TabelaMacros t;
    ASSERT_TRUE(LeMacros(arquivo, t).ok);
    ASSERT_EQ(t.Quantidade(), 5000);
    EXPECT_EQ(t[4999].chave, "`m4999");
    EXPECT_EQ(t[4999].valor, "v4999");
    // "`m1" comes before "`m10" .. "`m1999": it hides them.
    EXPECT_EQ(AplicaMacrosLinha("`m4999 `m0 `m10 `m5000", t), "v4999 v0 v10 v5000");
    EXPECT_EQ(AplicaMacrosLinha("`m1999", t), "v1999");
    std::string longa, esperada;
    for (int i = 0; i < 2000; ++i) {
        longa += "`m" + std::to_string(i % 9 + 1);
        esperada += "v" + std::to_string(i % 9 + 1);
    }
    EXPECT_EQ(AplicaMacrosLinha(longa, t), esperada);
}

const Linhas kDoc = {"0 `a", "1 `a", "2 `a", "3 `a `a", "4 `a", "5 `a", "6 `a"};

const struct CasoLinhas { const char* nome; int l1, c1, l2, c2; Linhas esperado; } kLinhas[] = {
    {"FromInsideALineToALineStart", 3, 5, 6, 0, {"0 `a", "1 `a", "2 `a", "3 A A", "4 A", "5 A", "6 `a"}},
    {"NoSelectionTheCaretsLine", 1, 2, 1, 2, {"0 `a", "1 A", "2 `a", "3 `a `a", "4 `a", "5 `a", "6 `a"}},
    {"EndInsideTheLastLine", 5, 0, 6, 1, {"0 `a", "1 `a", "2 `a", "3 `a `a", "4 `a", "5 A", "6 A"}},
    {"TheWholeText", 0, 0, 7, 0, {"0 A", "1 A", "2 A", "3 A A", "4 A", "5 A", "6 A"}},
};

TEST(Macros, TheSelectedLinesWhole) {
    TabelaMacros t;
    ASSERT_TRUE(LeMacros("`a A\r\n", t).ok);
    for (const CasoLinhas& c : kLinhas) {
        SCOPED_TRACE(c.nome);
        DocumentoEmMemoria doc(kDoc);
        SelecionaTrecho(doc, c.l1, c.c1, c.l2, c.c2);
        AplicaMacros(doc, t);
        EXPECT_EQ(doc.Texto(), LinhasEmTexto(c.esperado));
        EXPECT_EQ(doc.PassosDesfazer(), 1);
        doc.Desfaz();
        EXPECT_EQ(doc.Texto(), LinhasEmTexto(kDoc));
    }
    DocumentoEmMemoria vazio;
    AplicaMacros(vazio, t);
    EXPECT_EQ(vazio.PassosDesfazer(), 0);
}

// Macros past the editor's size limit change nothing, with its message,
// however long their texts (the line is not even built whole).
TEST(Macros, BeyondTheEditorsLimitNothingChanges) {
    DialogosFalsosEscopo caixas;
    Linhas linhas(2900, std::string(99, 'x'));
    linhas[0] = std::string(99, '`');
    DocumentoEmMemoria doc(linhas);
    ASSERT_EQ(doc.TamanhoNoLimite(), 290000);
    const std::string antes = doc.Texto();
    // 99 x 102 more; 5 MB each; 99 x 101: fits.
    for (const auto& [tamanho, aplica] : {std::pair{103, false}, std::pair{5000000, false}, std::pair{102, true}}) {
        SCOPED_TRACE(tamanho);
        TabelaMacros t;
        ASSERT_TRUE(LeMacros("` " + std::string(static_cast<std::size_t>(tamanho), 'm') + "\r\n", t).ok);
        caixas.fake.Limpa();
        doc.DefineSelecao(0, doc.TamanhoTexto());
        AplicaMacros(doc, t);
        EXPECT_EQ(doc.Texto() != antes, aplica);
        EXPECT_EQ(caixas.fake.Textos().size(), aplica ? 0u : 1u);
        if (aplica) doc.Desfaz();
    }
}

class ComandoMacros : public ::testing::Test {
protected:
    ConfiguracaoDeTeste cfg;
    DialogosFalsosEscopo caixas;
    PastaTemporaria pasta;
    DocumentoEmMemoria doc{Linhas{"2 `vezes 3 `igual 6", "`x"}};
    std::string Ini() const { return LePerfil("DOTMARA", "ambMacro", "<nada>", 0, cfg.ini()); }
};

TEST_F(ComandoMacros, MessagesAndTheIniKey) {
    const std::string bom = pasta.grava("bom.amb", "`vezes `x\r\n`igual `=\r\n");
    const std::string ruim = pasta.grava("ruim.amb", "`vezes `x\r\n x\r\n");
    const std::string grande = pasta.grava("grande.amb", "`vezes `x\r\n");
    std::filesystem::resize_file(grande, MaxBytesArquivo + 1);
    const struct { std::string arquivo; bool esconde; std::string mensagem, ini; } casos[] = {
        {"", false, "Arquivo inválido"_cp, "<nada>"},
        {" " + bom, false, "Arquivo inválido"_cp, "<nada>"},
        {pasta.caminho("sumiu.amb"), false, "Arquivo de macros não existe"_cp, "<nada>"},
        {pasta.dir(), false, "Arquivo de macros não existe"_cp, "<nada>"},
        {grande, false, "Arquivo de macros grande demais (no máximo 64 MB):\r\n"_cp + grande, "<nada>"},
        {ruim, true, "Codigo inválido na linha 2"_cp, ruim},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.arquivo);
        caixas.fake.Limpa();
        EXPECT_EQ(ProcessaMacros(c.arquivo, doc), c.esconde);
        EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{c.mensagem});
        EXPECT_EQ(Ini(), c.ini);
        EXPECT_EQ(doc.PassosDesfazer(), 0);
    }
    caixas.fake.Limpa();
    doc.DefineSelecao(0, 0);
    EXPECT_TRUE(ProcessaMacros(bom, doc));
    EXPECT_TRUE(caixas.fake.registros.empty());
    EXPECT_EQ(doc.Texto(), LinhasEmTexto({"2 `x 3 `= 6", "`x"}));
    EXPECT_EQ(Ini(), bom);
    const std::string maiusculas = pasta.caminho("BOM.AMB");
    EXPECT_TRUE(ProcessaMacros(maiusculas, doc));
    EXPECT_EQ(Ini(), maiusculas);   // letter case of a file name does not count
}

// The settings file cannot take the file's name (no temporary file fits
// beside it): the macros still run, and the user is told.
TEST_F(ComandoMacros, ANameTheSettingsCannotKeepIsSaid) {
    const std::string bom = pasta.grava("bom.amb", "`vezes `x\r\n");
    const std::string ini = pasta.grava(std::string(250, 'i'), "[DOTMARA]\r\n");
    VariavelAmbiente var("DOTMARA_INI", ini);
    EXPECT_TRUE(ProcessaMacros(bom, doc));
    EXPECT_EQ(doc.Linha(0), "2 `x 3 `igual 6");
    EXPECT_EQ(caixas.fake.Textos(), std::vector<std::string>{"Erro ao gravar a configuração em "_cp + ini +
                                                             "!\r\nO arquivo anterior foi mantido."});
    EXPECT_EQ(pasta.le(std::string(250, 'i')), "[DOTMARA]\r\n");
}

TEST_F(ComandoMacros, TheConfiguredFileOrTheShippedOne) {
    const std::string padrao = ArquivoMacrosConfigurado();
    EXPECT_EQ(ExtraiNomeArquivo(padrao), "CODMAT.AMB");
    EXPECT_TRUE(ArquivoExiste(padrao)) << padrao;
    cfg.Grava("DOTMARA", "ambMacro", "/meus/codigos.amb");
    EXPECT_EQ(ArquivoMacrosConfigurado(), "/meus/codigos.amb");
    cfg.Grava("DOTMARA", "ambMacro", "");
    EXPECT_EQ(ArquivoMacrosConfigurado(), padrao);
}

// The shipped file loads whole; each code compiles to its sign's cells under
// both braille codes, each command it writes is taken by the compiler (no
// braille, no message), and each can be reached: none hidden by an earlier
// one, none begun as a sign of the translator (` and a sign, digit or x).
// Dots of each cell, "0" for a blank one, "" for a command line.
TEST(Macros, TheShippedCodesGiveTheirSignsInBothCodes) {
    const std::pair<const char*, const char*> casos[] = {
        {"2`mais3", "3456 12 235 3456 14"}, {"5`menos3", "3456 15 36 3456 14"}, {"2`vezes3", "3456 12 236 3456 14"},
        {"6`dividido2", "3456 124 256 3456 12"}, {"6`divisao2", "3456 124 256 3456 12"},
        {"2`igual2", "3456 12 2356 3456 12"}, {"5`porcento", "3456 15 456 356"}, {"x`elevado2", "1346 16 3456 12"},
        {"a`elevado 2", "1 16 0 3456 12"},   // a blank after the sign stays: the file's header says so
        {"x`indice1", "1346 34 3456 1"}, {"`abrepar2`fechapar", "126 3456 12 345"},
        {"`abrecol2`fechacol", "12356 3456 12 23456"}, {"`abrechave2`fechachave", "5 123 3456 12 456 2"},
        // Inside braces too: none of the signs' 356 may close them.
        {"`abrechave30`grau e 5`pormil`fechachave", "5 123 3456 14 245 356 0 15 0 3456 15 456 356 356 456 2"},
        {"30`grau", "3456 14 245 356"}, {"x`quadrado", "1346 16 3456 12"}, {"x`cubo", "1346 16 3456 14"},
        {"3`meio", "3456 14 3456 2 12"}, {"`umquarto", "3456 2 145"}, {"`tresquartos", "3456 25 145"},
        {"5`pormil", "3456 15 456 356 356"}, {"`euro10", "4 15 3456 1 245"}, {"`paragrafo 5", "234 234 0 3456 15"},
        {"fim`reticencias", "124 24 134 3 3 3"}, {"a `travessao b", "1 0 36 36 0 12"},
        {"`marcador item", "246 135 0 24 2345 15 134"},
        {"`naoajustar", ""}, {"`ajustar", ""}, {"`recuo", ""}, {"`fimrecuo", ""},
        {"`naosilabar", ""}, {"`silabar", ""}, {"`ingles", ""}, {"`fimingles", ""},
        {"`pagina", ""}, {"`comtitulo", ""}, {"`semtitulo", ""}, {"`fimvariante", ""},
    };
    std::string conteudo;
    ASSERT_TRUE(LeArquivo(AchaArquivoDados(std::string(DOTMARA_DATA_DIR) + "/", "CODMAT.AMB"), conteudo));
    TabelaMacros t;
    const LeituraMacros r = LeMacros(conteudo, t);
    ASSERT_TRUE(r.ok) << "line " << r.linhaErro;
    EXPECT_EQ(AplicaMacrosLinha("`1/2 `+", t), "`1/2 `+");
    std::set<std::string> testados;
    for (const auto& [texto, pontos] : casos) {
        const std::string tinta = texto, linha = AplicaMacrosLinha(Utf8ParaCp1252(tinta), t);
        for (std::size_t i = tinta.find('`'); i != std::string::npos; i = tinta.find('`', i + 1))
            testados.insert(tinta.substr(i, tinta.find_first_not_of("abcdefghijklmnopqrstuvwxyz", i + 1) - i));
        for (bool antigo : {true, false}) {
            SCOPED_TRACE(tinta + (antigo ? " (old code)" : " (unified code)"));
            AmbienteCompila amb;
            ASSERT_TRUE(amb.Define("BrailleAntigo", antigo ? "S" : "N"));
            ASSERT_TRUE(amb.Define("Tabela", "codigo"));
            ComTitulo = false;
            AutoJunta = false;
            amb.Documento({"a", linha, "b"});   // a command line shows as nothing between a and b
            ASSERT_TRUE(amb.Compila());
            EXPECT_EQ(amb.PontosRascunho(), *pontos ? std::string("a|") + pontos + "|b" : "a|b");
            EXPECT_TRUE(amb.dlg.fake.registros.empty());
        }
    }
    for (int i = 0; i < t.Quantidade(); ++i) {
        const std::string& k = t[i].chave;
        SCOPED_TRACE(k);
        EXPECT_EQ(testados.count(k), 1u);   // every code among the cases
        ASSERT_GE(k.size(), 3u);
        EXPECT_TRUE(k[1] >= 'a' && k[1] <= 'z' && k[1] != 'x');
        for (int j = 0; j < i; ++j) EXPECT_NE(k.rfind(t[j].chave, 0), 0u) << t[j].chave;
        EXPECT_FALSE(t[i].valor.empty());
        EXPECT_EQ(AplicaMacrosLinha(k, t), t[i].valor);
    }
}

} // namespace
