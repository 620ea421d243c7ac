// The spell check: the walk over words and separators, the context shown,
// the line rebuilt with the replacement, and the commands over a document.
#include "core/documento.h"
#include "core/dmvars.h"
#include "editor/dmdic.h"
#include "editor/dmortog.h"
#include "platform/dialogos.h"
#include "platform/texto.h"
#include "support/dicionario_teste.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

TEST(ProximaPalavra, PalavrasESeparadores) {
    // The lines, the start (column from 1), the word found and where it ends (the column after it).
    const struct {
        std::vector<std::string> linhas; int linha, coluna; bool achou; std::string palavra; int linhaFim, colunaFim;
        const char* caso;
    } casos[] = {
        {{"ab cd"}, 0, 0, true, "ab", 0, 3, "column 0 is read as 1"},
        {{"ab cd"}, 0, 2, true, "ab", 0, 3, "inside a word: from its first character"},
        {{"ab cd"}, 0, 3, true, "cd", 0, 6, "on a blank: the next word"},
        {{"ab cd"}, 0, 4, true, "cd", 0, 6, "at the start of a word after a blank"},
        {{"ab cd"}, 0, 6, false, "", 1, 0, "past the last word"},
        {{"guarda-chuva, d'\xe1gua"}, 0, 8, true, "guarda-chuva", 0, 13, "a hyphen between letters joins"},
        {{"guarda-chuva, d'\xe1gua"}, 0, 14, true, "d'\xe1gua", 0, 21, "so does an apostrophe"},
        {{"abc123def"}, 0, 1, true, "abc", 0, 4, "digits end a word"},
        {{"abc123def"}, 0, 4, true, "def", 0, 10, "and start none"},
        {{"- Voc\xea? -Sim--n\xe3o-"}, 0, 1, true, "Voc\xea", 0, 7, "a lone dash is no word"},
        {{"- Voc\xea? -Sim--n\xe3o-"}, 0, 7, true, "Sim", 0, 13, "a dash before a word is not part of it"},
        {{"- Voc\xea? -Sim--n\xe3o-"}, 0, 13, true, "n\xe3o", 0, 18, "two dashes separate words; nor is one after it"},
        {{"- Voc\xea? -Sim--n\xe3o-"}, 0, 18, false, "", 1, 0, "a trailing dash"},
        {{"'texto'"}, 0, 1, true, "texto", 0, 7, "quote marks around a word"},
        {{"\xc0 \xd1" "andu \xcctaca"}, 0, 1, true, "\xc0", 0, 2, "accented capitals are letters"},
        {{"\xc0 \xd1" "andu \xcctaca"}, 0, 2, true, "\xd1" "andu", 0, 8, ""},
        {{"\xc0 \xd1" "andu \xcctaca"}, 0, 8, true, "taca", 0, 14, "\xcc is not one"},
        {{"um", "", "  ", "dois"}, 0, 3, true, "dois", 3, 5, "empty and blank lines are skipped"},
        {{"um", "dois"}, 1, 1, true, "dois", 1, 5, "the last line is checked"},
        {{"um", "dois"}, 1, 5, false, "", 2, 0, "end of the last line"},
        {{"um"}, 1, 0, false, "", 1, 0, "past the last line"},
        {{}, 0, 0, false, "", 0, 0, "an empty document"},
        {{"um"}, -1, 7, true, "um", 0, 3, "a line before the first starts at the top"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        LinhasEmMemoria doc(c.linhas);
        int l = c.linha, col = c.coluna;
        std::string p = "lixo";
        EXPECT_EQ(ProximaPalavra(doc, l, col, p), c.achou);
        EXPECT_EQ(std::make_tuple(p, l, col), std::make_tuple(c.palavra, c.linhaFim, c.colunaFim));
    }
}

TEST(ContextoPalavra, QuinzeDeCadaLado) {
    const std::string linha = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJ";
    const std::tuple<std::string, int, std::string> casos[] = {
        {linha, 21, "...56789abcdefghijklmnopqrstuvwxyz..."}, {linha, 3, "...0123456789abcdefgh..."},
        {linha, 1, "...0123456789abcdef..."}, {linha, 40, "...opqrstuvwxyzABCDEFGHIJ..."},
        {"uma", 1, "...uma..."}, {"", 1, "......"},
    };
    for (const auto& [texto, inicio, contexto] : casos) EXPECT_EQ(ContextoPalavra(texto, inicio), contexto) << inicio;
}

TEST(TrocaPalavra, NoMesmoLugar) {
    EXPECT_EQ(TrocaPalavra("um casx aqui", 4, 4, "casa"), "um casa aqui");
    EXPECT_EQ(TrocaPalavra("um casx aqui", 4, 4, "coisas"), "um coisas aqui");
    EXPECT_EQ(TrocaPalavra("um casx aqui", 4, 4, ""), "um  aqui") << "an empty replacement removes the word";
    EXPECT_EQ(TrocaPalavra("casx", 1, 4, "casa"), "casa");
    EXPECT_EQ(TrocaPalavra("ab", 9, 2, "x"), "abx") << "past the end: appended";
}

} // namespace

namespace comandos {

// The replacement dialog, answered by script: each showing takes the next
// answer (nullopt: "Deixar"), and records what it showed.
struct DialogoFalso : DialogoSubstituicao {
    void MostraSubstituicao(const std::string& contexto) override {
        contextos.push_back(contexto);
        palavras.push_back(PalavraOriginal);
        PalavraEscolhida = respostas.empty() ? PalavraOriginal : respostas.front().value_or(PalavraOriginal);
        if (!respostas.empty()) respostas.erase(respostas.begin());
    }
    std::vector<std::optional<std::string>> respostas;
    std::vector<std::string> contextos, palavras;
};

class Ortografia : public ::testing::Test {
protected:
    void SetUp() override {
        RestauraPadroes();
        dicionario = std::make_unique<DicionarioDeTeste>();
    }
    void TearDown() override {
        LiberaDicionario();
        RestauraPadroes();
    }
    std::pair<int, int> Cursor() const {   // the caret's line and column
        int l = 0, c = 0;
        doc.LinColInicioSel(l, c);
        return {l, c};
    }
    std::unique_ptr<DicionarioDeTeste> dicionario;
    PastaTemporaria& pasta() { return dicionario->pasta; }
    DialogosFalsosEscopo d;
    DialogoFalso dialogo;
    DocumentoEmMemoria doc{{"um casx e uma casa", "casox", "fim"}};
};

TEST_F(Ortografia, F7CorrigeEContinuaDepoisDaPalavra) {
    dialogo.respostas = {std::string("casa"), std::nullopt};
    VerificaOrtografia(doc, dialogo);
    ASSERT_EQ(dialogo.palavras, std::vector<std::string>{"casx"});
    EXPECT_EQ(dialogo.contextos[0], "...um casx e uma casa...");
    EXPECT_EQ(doc.Linha(0), "um casa e uma casa");
    EXPECT_EQ(Cursor(), std::make_pair(0, 8)) << "one column after the word now in the text";
    VerificaOrtografia(doc, dialogo);
    EXPECT_EQ(dialogo.palavras.back(), "uma") << "the next F7 goes on after it";
    EXPECT_EQ(doc.Linha(0), "um casa e uma casa") << "\"Deixar\" changes nothing";
    EXPECT_EQ(Cursor(), std::make_pair(0, 14));
    dialogo.respostas = {std::string("")};
    VerificaOrtografia(doc, dialogo);
    EXPECT_EQ(dialogo.palavras.back(), "casox");
    EXPECT_EQ(doc.Linha(1), "") << "an empty replacement takes the word out";
    d.fake.Limpa();
    VerificaOrtografia(doc, dialogo);
    EXPECT_EQ(dialogo.palavras.size(), 3u) << "the last line is correct";
    EXPECT_EQ(d.fake.Textos(), std::vector<std::string>{"Fim do Texto"});
    EXPECT_EQ(doc.InicioSelecao(), doc.TamanhoTexto()) << "the caret at the end of the text";
    doc.Desfaz();   // each replacement one undo step
    EXPECT_EQ(doc.Linha(1), "casox");
    doc.Desfaz();
    EXPECT_EQ(doc.Linha(0), "um casx e uma casa");
}

TEST_F(Ortografia, DoCursorEmDiante) {
    // The caret's column in line 0; F7 (true) or Ctrl+F7, which takes a correct word too.
    const std::tuple<int, bool, const char*> casos[] = {
        {5, true, "casx"},   // inside a word: the whole word
        {3, true, "casx"}, {8, true, "uma"}, {0, false, "um"},
        {2, false, "um"},    // the word before the caret
        {3, false, "casx"},
    };
    for (const auto& [coluna, todas, palavra] : casos) {
        dialogo.palavras.clear();
        doc.PosicionaCursor(0, coluna);
        todas ? VerificaOrtografia(doc, dialogo) : VerificaPalavra(doc, dialogo);
        EXPECT_EQ(dialogo.palavras, std::vector<std::string>{palavra}) << coluna;
    }
    std::vector<std::string> s;
    SugerePalavras("um", s);
    EXPECT_EQ(s, std::vector<std::string>{"um"}) << "a correct word is among its own suggestions";
}

TEST_F(Ortografia, PalavraSelecionadaAtrasDoDialogo) {
    struct Olha : DialogoSubstituicao {
        DocumentoEditavel* doc = nullptr;
        std::string selecionado;
        void MostraSubstituicao(const std::string&) override {
            selecionado = doc->TextoSelecionado();
            PalavraEscolhida = PalavraOriginal;
        }
    } olha;
    olha.doc = &doc;
    doc.PosicionaCursor(1, 0);
    VerificaOrtografia(doc, olha);
    EXPECT_EQ(olha.selecionado, "casox");
    EXPECT_EQ(Cursor(), std::make_pair(2, 0)) << "a word at the end of its line: the next line";
    olha.selecionado = "nada";
    VerificaOrtografia(doc, olha);
    EXPECT_EQ(olha.selecionado, "nada") << "the next check does not stop at the same word again";
    EXPECT_EQ(d.fake.Textos().back(), "Fim do Texto");
}

TEST_F(Ortografia, CarregaNaPrimeiraVezSobOAvisoDeEspera) {
    EXPECT_FALSE(DicionarioCarregado);
    VerificaOrtografia(doc, dialogo);
    EXPECT_TRUE(DicionarioCarregado);
    ASSERT_GE(d.fake.registros.size(), 1u);
    EXPECT_EQ(d.fake.registros[0].tipo, DialogosFalsos::Tipo::Espere);
    EXPECT_EQ(d.fake.registros[0].texto, "O dicionário está sendo carregado."_cp);
    EXPECT_FALSE(d.fake.esperaVisivel);
    d.fake.Limpa();
    VerificaOrtografia(doc, dialogo);
    EXPECT_TRUE(d.fake.registros.empty()) << "loaded once";
}

TEST_F(Ortografia, FalhaAoCarregarNaoVerifica) {
    ArqNomes = pasta().caminho("falta.nom");
    VerificaOrtografia(doc, dialogo);
    EXPECT_FALSE(DicionarioCarregado);
    EXPECT_TRUE(dialogo.palavras.empty());
    ASSERT_EQ(d.fake.registros.size(), 2u);
    EXPECT_EQ(d.fake.registros[1].texto, "Erro ao carregar o Dicionário"_cp);
    EXPECT_FALSE(d.fake.registros[1].comEspera) << "the wait notice is gone first";
    EXPECT_EQ(doc.Linha(0), "um casx e uma casa");
}

TEST_F(Ortografia, CarregarELiberar) {
    using T = DialogosFalsos::Tipo;
    // The command, the names file (nullptr: the good one), whether loaded afterwards, its box.
    const struct {
        void (*comando)(); const char* arquivoNomes; bool carregadoDepois; T tipo; std::string mensagem;
    } casos[] = {
        {DescarregaDicionario, nullptr, false, T::MensagemOK, "Dicionário não estava carregado."_cp},
        {RecarregaDicionario, nullptr, true, T::MensagemRapida, "Dicionário carregado."_cp},
        {RecarregaDicionario, nullptr, true, T::MensagemRapida, "Dicionário carregado."_cp},
        {DescarregaDicionario, nullptr, false, T::MensagemRapida, "Dicionário removido da memória."_cp},
        {RecarregaDicionario, nullptr, true, T::MensagemRapida, "Dicionário carregado."_cp},
        {RecarregaDicionario, "falta.nom", false, T::MensagemOK, "Erro ao carregar o Dicionário."_cp},
        {RecarregaDicionario, "programa.nom", false, T::MensagemOK, "Erro ao carregar o Dicionário."_cp},
        {DescarregaDicionario, nullptr, false, T::MensagemOK, "Dicionário não estava carregado."_cp},
    };
    const std::string nomes = ArqNomes;
    pasta().grava("programa.nom", std::string("\x7f" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x02\0>\0", 20));
    int passo = 0;
    for (const auto& c : casos) {
        d.fake.Limpa();
        ArqNomes = c.arquivoNomes ? pasta().caminho(c.arquivoNomes) : nomes;
        c.comando();
        EXPECT_EQ(DicionarioCarregado, c.carregadoDepois) << passo;
        ASSERT_EQ(d.fake.registros.size(), 1u) << passo << " (no wait notice outside the check)";
        EXPECT_EQ(d.fake.registros[0].tipo, c.tipo) << passo;
        EXPECT_EQ(d.fake.registros[0].texto, c.mensagem) << passo;
        EXPECT_EQ(PalavraCorreta("casa"), c.carregadoDepois) << passo;
        ++passo;
    }
}

TEST_F(Ortografia, NovosNomesDeArquivoSoNaProximaCarga) {
    ASSERT_TRUE(GaranteDicionario());
    ArqDicionario = pasta().grava("outro.dic", "lob n\r\n");
    EXPECT_TRUE(PalavraCorreta("casa")) << "the dictionary in memory stays";
    RecarregaDicionario();
    EXPECT_FALSE(PalavraCorreta("casa"));
    EXPECT_TRUE(PalavraCorreta("lobo"));
}

} // namespace comandos
