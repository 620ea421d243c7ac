// Line breaking, syllable hyphenation and paragraph formatting.
#include <fstream>
#include <random>
#include <sstream>
#include <tuple>

#include "compila_teste.h"

namespace {

struct CasoQuebra {
    const char* nome;
    std::string texto;
    int largura;
    bool hifenizar;
    std::string linha;
    std::string resto;
};

void PrintTo(const CasoQuebra& c, std::ostream* os) { *os << c.nome; }

class QuebraLinhaCasos : public ::testing::TestWithParam<CasoQuebra> {};

TEST_P(QuebraLinhaCasos, CortaComoAsRegras)
{
    const CasoQuebra& c = GetParam();
    std::string s = c.texto, out;
    QuebraLinha(s, out, c.largura, c.hifenizar);
    EXPECT_EQ(out, c.linha);
    EXPECT_EQ(s, c.resto);
    EXPECT_LE(static_cast<int>(out.size()), std::max(c.largura, 1));
}

const std::string X14 = "xxxxxxxxxxxxxx "; // 15 cells, the word starts at 16

INSTANTIATE_TEST_SUITE_P(
    Largura20, QuebraLinhaCasos,
    ::testing::Values(
        CasoQuebra{"BrancoAposColuna20", "aaaa bbbb cccc ddddd eeee", 20, true,
                   "aaaa bbbb cccc ddddd", "eeee"},
        CasoQuebra{"VariosBrancosAposColuna20", "aaaa bbbb cccc ddddd    eeee", 20, true,
                   "aaaa bbbb cccc ddddd", "eeee"},
        CasoQuebra{"BrancoNaColuna20", "aaaa bbbb cccc dddd eeee", 20, true,
                   "aaaa bbbb cccc dddd", "eeee"},
        CasoQuebra{"Palavra", X14 + "palavra fim", 20, true, X14 + "pa-", "lavra fim"},
        CasoQuebra{"Porta", X14 + "xporta fim", 20, true, X14 + "xpor-", "ta fim"},
        CasoQuebra{"Alto", X14 + "xxalto fim", 20, true, X14 + "xxal-", "to fim"},
        CasoQuebra{"Antro", X14 + "xxantro fim", 20, true, X14 + "xxan-", "tro fim"},
        CasoQuebra{"Compra", X14 + "xcompra fim", 20, true, X14 + "xcom-", "pra fim"},
        CasoQuebra{"Bolacha", X14 + "bolacha fim", 20, true, X14 + "bola-", "cha fim"},
        // "a-cha" would leave one letter alone: the break falls back to the blank.
        CasoQuebra{"UmaLetraNuncaSozinha", X14 + "acha bolo", 18, true, "xxxxxxxxxxxxxx",
                   "acha bolo"},
        // A number keeps its digits as digit cells after the number sign,
        // which no syllable rule takes: 525 goes whole to the next line.
        CasoQuebra{"NumeroInteiro", X14 + "#525 fim", 18, true, "xxxxxxxxxxxxxx", "#525 fim"},
        CasoQuebra{"Palavra30Letras", std::string(30, 'x'), 20, true,
                   std::string(19, 'x') + "-", std::string(11, 'x')},
        CasoQuebra{"SemHifenizacaoCorteDuro", std::string(14, 'a') + "palavrapalavra", 20, false,
                   std::string(14, 'a') + "palav-", "rapalavra"},
        CasoQuebra{"SemHifenizacaoVoltaAoBranco", X14 + "palavra fim", 20, false,
                   "xxxxxxxxxxxxxx", "palavra fim"},
        // A blank at or before column 10 never gives a line under 10 cells.
        CasoQuebra{"NuncaLinhaCurta", "abcdefgh ijklmnopqrstuvwxyz", 20, true,
                   "abcdefgh ijklmnopqr-", "stuvwxyz"},
        // Narrow lines: always at least one cell goes.
        CasoQuebra{"Largura1", "abc", 1, true, "a", "bc"},
        CasoQuebra{"Largura0", "abc", 0, true, "a", "bc"},
        CasoQuebra{"Largura2", "abc", 2, true, "a-", "bc"},
        CasoQuebra{"Largura2Brancos", "  abc", 2, true, "", "abc"}),
    [](const ::testing::TestParamInfo<CasoQuebra>& i) { return std::string(i.param.nome); });

// Every break the rules allow inside a word, found by sweeping the width
// across the word.
std::string Silabas(const std::string& palavra)
{
    const std::string prefixo = "xxxxxxxxxx ";
    const int base = static_cast<int>(prefixo.size());
    std::vector<bool> corte(palavra.size() + 1, false);
    for (int w = base + 1; w < base + static_cast<int>(palavra.size()); ++w) {
        std::string s = prefixo + palavra + " fim", out;
        QuebraLinha(s, out, w, true);
        if (!out.empty() && out.back() == '-') {
            const int k = static_cast<int>(out.size()) - 1 - base;
            EXPECT_EQ(s, palavra.substr(static_cast<size_t>(k)) + " fim");
            corte[static_cast<size_t>(k)] = true;
        }
    }
    std::string r;
    for (size_t i = 0; i < palavra.size(); ++i) {
        if (corte[i]) r += '-';
        r += palavra[i];
    }
    return r;
}

TEST(Hifenizacao, TabelaDePalavras)
{
    const std::string caminho = std::string(DOTMARA_TEST_DATA_DIR) + "/hifenizacao.txt";
    std::ifstream f(caminho, std::ios::binary);
    ASSERT_TRUE(f) << caminho;
    std::string linha;
    int n = 0, numLinha = 0;
    while (std::getline(f, linha)) {
        ++numLinha;
        if (linha.empty() || linha[0] == '#') continue;
        std::istringstream campos(linha);
        std::string palavra, esperado;
        campos >> palavra >> esperado;
        ASSERT_FALSE(esperado.empty()) << caminho << ":" << numLinha;
        EXPECT_EQ(Silabas(palavra), esperado) << caminho << ":" << numLinha;
        ++n;
    }
    EXPECT_GE(n, 300);
}

TEST(AjustaRecuo, ReduzRecuoSoComFormatacao)
{
    const std::tuple<const char*, bool, const char*> casos[] = {
        {"     texto   ", true, "  texto"}, {"     texto   ", false, "     texto"},
        {" um branco ", true, " um branco"}, {"     ", true, ""}};
    for (const auto& [de, formata, para] : casos) {
        std::string s = de;
        AjustaRecuo(s, formata);
        EXPECT_EQ(s, para) << de << formata;
    }
}

// ---- Paragraphs ---------------------------------------------------------
class Paragrafos : public CompilaEmMemoria {
protected:
    void SetUp() override
    {
        CompilaEmMemoria::SetUp();
        ComTitulo = false;
        FrenteVerso = false;
        MaxCarac = 20;
    }
};

TEST_F(Paragrafos, InicioDeParagrafoECentragem)
{
    struct Caso {
        const char* nome;
        bool autoJunta;
        std::vector<std::string> documento, rascunho;
    };
    const Caso casos[] = {
        // two blanks start a paragraph with an indent, one blank without
        {"brancos iniciam paragrafo", true, {"abc", "    def", " ghi", "\x95 jkl"},
         {"abc", "  def", "ghi", "\x95 jkl", Traco50}},
        // each piece of a long centred text is centred on its own
        {"linha centrada e pedacos centrados", true,
         {"          titulo", "          um titulo muito comprido demais"},
         {"       titulo", "um titulo muito com-", "    prido demais", Traco50}},
        // a centred line does not centre the last line of the paragraph before it
        {"centrada nao centra o paragrafo anterior", true, {"fim do paragrafo", "          titulo"},
         {"fim do paragrafo", "       titulo", Traco50}},
    };
    for (const Caso& c : casos) {
        AutoJunta = c.autoJunta;
        escritor.linhas.clear();
        EXPECT_EQ(Compila(c.documento), c.rascunho) << c.nome;
    }
}

TEST_F(Paragrafos, BrancoNoTopoDaPagina2ELargado)
{
    MaxLin = 2;
    const auto r = Compila({"a", "", "b", "", "", "c"});
    // page 1: a, blank; page 2 starts with b (the blank before is dropped)
    const std::vector<std::string> esperado = {"a", "", Traco50, "b", "", Traco50, "c", Traco50};
    EXPECT_EQ(r, esperado);
    TiraBrancasInicioPag = false;
    escritor.linhas.clear();
    const auto r2 = Compila({"a", "", "", "b"});
    const std::vector<std::string> esperado2 = {"a", "", Traco50, "", "b", Traco50};
    EXPECT_EQ(r2, esperado2);
}

// With a 32-cell margin prefix in 34 cells only 2 are left: the layout still
// ends and no text is lost.
TEST_F(Paragrafos, LarguraEstreitaComRecuoTermina)
{
    MaxCarac = 34;
    Inicia();
    estado.PrefixoMargem = std::string(32, '_');
    estado.LarguraLinha = 2;
    estado.Recuo = true;
    Linha(0, "abc defgh ij");
    Termina();
    std::string letras;
    for (const auto& l : escritor.linhas) {
        if (l == Traco50) continue;
        ASSERT_EQ(l.compare(0, 32, estado.PrefixoMargem), 0) << l;
        EXPECT_LE(l.size(), 34u) << l;
        for (char c : l.substr(32))
            if (c != ' ' && c != '-') letras += c;
    }
    EXPECT_EQ(letras, "abcdefghij");
}

// An editor line of 300 000 cells (the editor's limit) lays out whole.
TEST_F(Paragrafos, LinhaEnormeInteira)
{
    MaxCarac = 34;
    MaxLin = 28;
    std::string enorme;
    while (enorme.size() < 300000) enorme += "transporte palavra bolacha ";
    const auto r = Compila({enorme});
    size_t letras = 0, saida = 0;
    for (char c : enorme) letras += c != ' ';
    for (const auto& l : r) {
        if (LinhaEspecial(l)) continue;
        EXPECT_LE(l.size(), 34u);
        for (size_t i = 0; i < l.size(); ++i) saida += l[i] != ' ' && !(i + 1 == l.size() && l[i] == '-');
    }
    EXPECT_EQ(saida, letras);
    EXPECT_GT(estado.PaginaFisica, 300);
}

// ---- Termination over random text and settings ---------------------------
class EscritorLimitado : public EscritorRascunho {
public:
    bool GravaLinha(const std::string& linha) override
    {
        if (linhas.size() >= limite) return false;
        linhas.push_back(linha);
        return true;
    }
    size_t limite = 0;
    std::vector<std::string> linhas;
};

TEST_F(Paragrafos, AleatorioSempreTerminaSemPerderTexto)
{
    std::mt19937 gerador(20261209);
    auto sorteio = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(gerador); };
    const std::string letras = "abcdefghijklmnopqrstuvwxyzAEIOU\xe1\xe9\xe3\xe7\xf5 \x95.,";
    for (int rodada = 0; rodada < 400; ++rodada) {
        RestauraPadroes();
        ComTitulo = false;
        MaxLin = sorteio(1, 30);
        MaxCarac = sorteio(1, 60);
        FrenteVerso = sorteio(0, 1) != 0;
        AutoJunta = sorteio(0, 1) != 0;
        SeparaSilabas = sorteio(0, 1) != 0;
        TiraBrancasInicioPag = sorteio(0, 1) != 0;
        ImprEnviaVazias = sorteio(0, 1) != 0;

        std::vector<std::string> doc(static_cast<size_t>(sorteio(0, 12)));
        size_t total = 0;
        for (auto& l : doc) {
            const int n = sorteio(0, 3) == 0 ? 0 : sorteio(1, 150);
            for (int i = 0; i < n; ++i)
                l += sorteio(0, 5) == 0 ? ' ' : letras[static_cast<size_t>(sorteio(0, static_cast<int>(letras.size()) - 1))];
            total += l.size();
        }
        EscritorLimitado limitado;
        // Each cut consumes at least one cell; each page adds a separator.
        limitado.limite = 4 * (total + doc.size() + 10);
        Inicia();
        estado.Escritor = &limitado;
        estado.Recuo = sorteio(0, 1) != 0;
        const int largura = sorteio(1, 60);
        estado.LarguraLinha = largura;
        for (size_t i = 0; i < doc.size(); ++i) Linha(static_cast<int>(i), doc[i]);
        Termina();
        ASSERT_FALSE(estado.ErroEscrita) << "no end, round " << rodada << " width " << largura;

        std::string entrada, saida;
        for (const auto& l : doc)
            for (char c : l)
                if (c != ' ') entrada += c;
        for (const auto& l : limitado.linhas) {
            if (LinhaEspecial(l) || l == "-->") continue;
            EXPECT_LE(static_cast<int>(l.size()), std::max(largura, 1)) << "round " << rodada;
            for (size_t i = 0; i < l.size(); ++i) {
                const bool hifenFinal = i + 1 == l.size() && l[i] == '-';
                if (l[i] != ' ' && !hifenFinal) saida += l[i];
            }
        }
        ASSERT_EQ(saida, entrada) << "round " << rodada << " width " << largura;
    }
}

} // namespace
