// The dictionary the program ships, as a transcriber meets it: it loads, it
// accepts the sample document's Portuguese, and it catches and corrects real
// misspellings (tests/data/erros_ortograficos*.txt).
#include "core/documento.h"
#include "core/dmvars.h"
#include "editor/dmdic.h"
#include "editor/dmortog.h"
#include "platform/arquivos.h"
#include "platform/codepage.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

class DicionarioEntregue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::string d = std::string(DOTMARA_DATA_DIR) + "/";
        codigo_ = CarregaDicionario(d + "diciona.dic", d + "diciona.suf", d + "diciona.exc", d + "diciona.nom",
                                    d + "diciona.sug");
    }
    static void TearDownTestSuite() { LiberaDicionario(); }
    void SetUp() override { ASSERT_EQ(codigo_, DicCarregado); }
    DialogosFalsosEscopo d;
    static int codigo_;
};
int DicionarioEntregue::codigo_ = -1;

struct Erro { std::string errada, correta; };

std::vector<Erro> LeErros(const std::string& nome) {
    std::string texto;
    EXPECT_TRUE(LeArquivo(std::string(DOTMARA_TEST_DATA_DIR) + "/" + nome, texto)) << nome;
    std::vector<Erro> r;
    for (const std::string& l : DivideLinhas(Utf8ParaCp1252(texto))) {
        const size_t tab = l.find('\t');
        if (l.empty() || l[0] == '#') continue;
        if (tab == std::string::npos) ADD_FAILURE() << nome << ": " << l;
        else r.push_back({l.substr(0, tab), l.substr(tab + 1)});
    }
    return r;
}

TEST_F(DicionarioEntregue, ArquivosCompletos) {
    EXPECT_GT(Dicionario.ListaRadicais.Count(), 250000);
    EXPECT_GT(Dicionario.ClassesSufixos.size(), 500u);
    EXPECT_GT(Dicionario.NomesProprios.size(), 50000u);
    EXPECT_GT(Dicionario.PalavrasInexistentes.size(), 20u);
    EXPECT_GT(Dicionario.SugestaoDe.size(), 200u);
    // Every class a stem names is in the suffix file: no "problemas no dicionário".
    for (int i = 0; i < Dicionario.ListaRadicais.Count(); i += 97) ExpandeVerbete(Dicionario.ListaRadicais[i]);
    EXPECT_TRUE(d.fake.registros.empty());
}

TEST_F(DicionarioEntregue, PalavrasComunsAceitas) {
    const char* palavras[] = {
        "a", "de", "não", "é", "ação", "ações", "coração", "Brasil", "São", "Paulo", "João",
        "cantávamos", "fizéssemos", "disse-lhe", "cantá-lo-ia", "dir-se-ia", "guarda-chuva", "d'água", "pôr",
        "ideia", "idéia", "frequente", "freqüente", "voo", "vôo", "paraquedas",
        "ÁGUA", "Água", "tranquilo", "herói", "três", "português", "caráter", "atrás",
    };
    for (const char* p : palavras) EXPECT_TRUE(PalavraCorreta(std::string(Utf8ParaCp1252(p)))) << p;
}

// What the generator adds to or mends in its source lists, with the
// misspellings that lie next to each.
TEST_F(DicionarioEntregue, PronomesGrafiaAntigaAbreviaturasENomesEmMaiusculas) {
    const std::pair<const char*, bool> casos[] = {
        // The pronoun inside the future and the conditional, after the stressed vowel.
        {"amá-lo-á", true}, {"dá-lo-ão", true}, {"di-lo-ei", true}, {"pô-lo-ei", true}, {"vê-lo-á", true},
        {"ama-lo-á", false}, {"dar-lo-á", false}, {"amar-no-ão", false}, {"ver-lo-á", false},
        // "lo" after a dropped r, s or z; "o" after a vowel; "no" after a nasal.
        {"fazemo-lo", true}, {"damo-lo", true}, {"vejamo-lo", true}, {"abríamo-la", true}, {"dá-o", true},
        {"fê-lo", true}, {"estão-no", true}, {"vejamos-lo", false}, {"abríamo-na", false}, {"estão-o", false},
        // The verb's accent left out before its pronoun: a misspelling.
        {"ajuda-lo", false}, {"faze-lo", false}, {"ama-lo", false},
        // The spelling before the 1990 reform.
        {"auto-estima", true}, {"infra-estrutura", true}, {"anti-semita", true}, {"contra-regra", true},
        {"pára-quedas", true}, {"pára-choques", true}, {"tranqüilamente", true}, {"seqüestrador", true},
        {"pingüim", true}, {"mão-de-obra", true}, {"qüinze", false}, {"qüintal", false},
        // Abbreviations without the full stop; not those that spell a slip of a short word.
        {"Sra", true}, {"Dra", true}, {"págs", true}, {"Ltda", true}, {"am", false}, {"qua", false},
        // The transcriber's own words; the reform's unaccented u of averiguar and its kin;
        // "co-" with the old hyphen.
        {"reglete", true}, {"regletes", true}, {"sorobã", true}, {"soroban", true}, {"braillista", true},
        {"interponto", true}, {"tiflotécnico", true}, {"cubaritmo", true}, {"Perkins", true}, {"punção", true},
        {"averigue", true}, {"averiguem", true}, {"apazigue", true}, {"enxague", true}, {"enxaguem", true},
        {"desague", true}, {"agua", false}, {"co-autor", true}, {"co-autoria", true}, {"co-herdeiro", true},
        {"co-seno", true}, {"co-responsável", true}, {"co-réu", true}, {"co-ração", false}, {"co-lado", false},
        // Doubtful entries of the source lists, which only spell a misspelling.
        {"deslisar", false}, {"deslisou", false}, {"exitar", false}, {"exitando", false}, {"hesitar", true},
        // Names as titles write them, all in capitals; not in other cases.
        {"PORTUGAL", true}, {"ASSIS", true}, {"portugal", false}, {"PorTugal", false},
    };
    for (const auto& [palavra, correta] : casos)
        EXPECT_EQ(PalavraCorreta(Utf8ParaCp1252(palavra)), correta) << palavra;
}

TEST_F(DicionarioEntregue, TextoDeExemploSoParaNoQueNaoEPortugues) {
    std::string texto;
    ASSERT_TRUE(LeArquivo(std::string(DOTMARA_DATA_DIR) + "/exemplo.txt", texto));
    LinhasEmMemoria doc(DivideLinhas(texto));
    std::vector<std::string> erradas;
    int l = 0, c = 0;
    std::string p;
    while (ProcuraPalavra(doc, true, l, c, p)) erradas.push_back(p), ++c;
    // The program's name, an English block and a line of emphasis signs.
    EXPECT_EQ(erradas, (std::vector<std::string>{"Dotmara", "\xf5o\xf5o\xf5o\xf5o\xf5o\xf5o\xf5o\xf5o\xf5o\xf5o\xf5o\xf5o",
                                                 "Grow", "your", "own", "food"}));
}

// Reports wrong words (every one, or the share given), and has the
// correction among the suggestions.
void ConfereErros(const std::string& arquivo, double minimoErradas, double minimoSugeridas) {
    const std::vector<Erro> erros = LeErros(arquivo);
    ASSERT_GE(erros.size(), 100u);
    int erradas = 0, sugeridas = 0;
    std::vector<std::string> l;
    for (const Erro& e : erros) {
        EXPECT_TRUE(PalavraCorreta(e.correta)) << arquivo << ": the correction " << Cp1252ParaUtf8(e.correta);
        const bool errada = !PalavraCorreta(e.errada);
        erradas += errada;
        EXPECT_TRUE(errada || minimoErradas < 1.0) << arquivo << ": " << Cp1252ParaUtf8(e.errada) << " accepted";
        SugerePalavras(e.errada, l);
        sugeridas += std::find(l.begin(), l.end(), e.correta) != l.end();
    }
    const double n = static_cast<double>(erros.size());
    std::printf("%s: %zu misspellings, %.1f%% reported wrong, %.1f%% with the correction suggested\n",
                arquivo.c_str(), erros.size(), 100.0 * erradas / n, 100.0 * sugeridas / n);
    EXPECT_GE(erradas / n, minimoErradas) << arquivo;
    EXPECT_GE(sugeridas / n, minimoSugeridas) << arquivo;
}

TEST_F(DicionarioEntregue, ErrosReaisApontadosECorrigidos) {
    ConfereErros("erros_ortograficos.txt", 1.0, 0.85);
    ConfereErros("erros_ortograficos_controle.txt", 0.95, 0.85);
}

// A capitalised word's suggestions have its capitals, never one inside a
// word ("cOntem" would put a capital sign in the middle of the braille).
TEST_F(DicionarioEntregue, SugestoesNaCaixaDaPalavra) {
    std::vector<std::string> l;
    for (const char* p : {"Ontem", "Proximo", "Acucar", "Voce", "Tambem", "ONTEM", "AGUA", "PROXIMO"}) {
        const std::string palavra = Utf8ParaCp1252(p);
        SugerePalavras(palavra, l);
        EXPECT_FALSE(l.empty()) << p;
        const bool todas = palavra == ConverteMaiusculas(palavra);
        for (const std::string& s : l)
            for (size_t i = 0; i < s.size(); ++i) {
                const auto c = static_cast<unsigned char>(s[i]);
                const bool maiuscula = MinusculaWindows(c) != c, minuscula = MaiusculaWindows(c) != c;
                EXPECT_TRUE(todas ? !minuscula : (i == 0 ? !minuscula : !maiuscula)) << p << ": " << Cp1252ParaUtf8(s);
            }
    }
    SugerePalavras(Utf8ParaCp1252("açucar"), l);
    EXPECT_NE(std::find(l.begin(), l.end(), Utf8ParaCp1252("açúcar")), l.end());
    EXPECT_EQ(std::find(l.begin(), l.end(), "assucar"), l.end()) << "a misspelling offered";
}

// Share of the word tokens of real prose that the dictionary accepts, and
// the words it stops at most often. Run by tools/qualidade_dicionario.sh on
// the files named in DOTMARA_PROSA (UTF-8, separated by ":").
TEST_F(DicionarioEntregue, DISABLED_ProsaReal) {
    const char* env = std::getenv("DOTMARA_PROSA");
    ASSERT_TRUE(env && *env) << "DOTMARA_PROSA names no file";
    std::istringstream lista(env);
    for (std::string arq; std::getline(lista, arq, ':');) {
        std::string texto;
        ASSERT_TRUE(LeArquivo(arq, texto)) << arq;
        LinhasEmMemoria doc(DivideLinhas(Utf8ParaCp1252(texto)));
        long total = 0, erradas = 0, semAcento = 0;
        std::map<std::string, int> contagem;
        std::vector<std::string> sug;
        int l = 0, c = 0;
        std::string p;
        while (ProximaPalavra(doc, l, c, p)) {
            ++total;
            ++c;
            if (PalavraCorreta(p)) continue;
            ++erradas;
            ++contagem[p];
            // A word the text wrote without its accents (its misspelling, not a false alarm).
            SugerePalavras(p, sug);
            semAcento += std::any_of(sug.begin(), sug.end(), [&](const std::string& s) {
                if (s.size() != p.size() || s == p) return false;
                for (size_t i = 0; i < s.size(); ++i)
                    if (s[i] != p[i] && static_cast<unsigned char>(s[i]) < 0xC0) return false;
                return true;
            });
        }
        std::printf("%s: %ld tokens, %.2f%% accepted; of the %ld stops, %ld are words written without "
                    "their accents (%.2f%% of the tokens); counting those as the errors they are, %.2f%% of "
                    "the other tokens accepted\n",
                    arq.c_str(), total, 100.0 * (total - erradas) / static_cast<double>(total), erradas, semAcento,
                    100.0 * semAcento / static_cast<double>(total),
                    100.0 * (total - erradas) / static_cast<double>(total - semAcento));
        std::vector<std::pair<int, std::string>> ordem;
        for (const auto& [w, n] : contagem) ordem.emplace_back(-n, w);
        std::sort(ordem.begin(), ordem.end());
        std::printf("most frequent stops:");
        for (size_t i = 0; i < ordem.size() && i < 60; ++i)
            std::printf(" %s(%d)", Cp1252ParaUtf8(ordem[i].second).c_str(), -ordem[i].first);
        std::printf("\n");
    }
}

} // namespace
