// Line breaking, syllable hyphenation and paragraph formatting.
#include <fstream>
#include <random>
#include <sstream>
#include <tuple>

#include "compila_teste.h"

namespace {

const std::string X14 = "xxxxxxxxxxxxxx "; // 15 cells, the word starts at 16

// Where a line is cut (the syllable breaks themselves are in the word table).
TEST(QuebraLinha, CortaComoAsRegras)
{
    const struct {
        const char* nome;
        std::string texto;
        int largura;
        bool hifenizar;
        std::string linha, resto;
    } casos[] = {
        {"blank after column 20", "aaaa bbbb cccc ddddd eeee", 20, true, "aaaa bbbb cccc ddddd", "eeee"},
        {"blanks after column 20", "aaaa bbbb cccc ddddd    eeee", 20, true, "aaaa bbbb cccc ddddd", "eeee"},
        {"blank at column 20", "aaaa bbbb cccc dddd eeee", 20, true, "aaaa bbbb cccc dddd", "eeee"},
        {"hyphenated", X14 + "palavra fim", 20, true, X14 + "pa-", "lavra fim"},
        // A number's digit cells follow no syllable rule: it goes whole.
        {"number whole", X14 + "#525 fim", 18, true, "xxxxxxxxxxxxxx", "#525 fim"},
        {"30 letters", std::string(30, 'x'), 20, true, std::string(19, 'x') + "-", std::string(11, 'x')},
        {"no hyphenation, hard cut", std::string(14, 'a') + "palavrapalavra", 20, false, std::string(14, 'a') + "palav-",
         "rapalavra"},
        {"no hyphenation, back to the blank", X14 + "palavra fim", 20, false, "xxxxxxxxxxxxxx", "palavra fim"},
        // A blank at or before column 10 never gives a line under 10 cells.
        {"never a short line", "abcdefgh ijklmnopqrstuvwxyz", 20, true, "abcdefgh ijklmnopqr-", "stuvwxyz"},
        // Narrow lines: always at least one cell goes.
        {"width 1", "abc", 1, true, "a", "bc"},
        {"width 0", "abc", 0, true, "a", "bc"},
        {"width 2", "abc", 2, true, "a-", "bc"},
        {"width 2, blanks", "  abc", 2, true, "", "abc"},
    };
    for (const auto& c : casos) {
        std::string s = c.texto, out;
        QuebraLinha(s, out, c.largura, c.hifenizar);
        EXPECT_EQ(out, c.linha) << c.nome;
        EXPECT_EQ(s, c.resto) << c.nome;
    }
}

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

// Each piece of a long centred text is centred on its own; a centred line
// does not centre the last line of the paragraph before it.
TEST_F(Paragrafos, Centragem)
{
    EXPECT_EQ(Compila({"          titulo", "          um titulo muito comprido demais"}),
              (std::vector<std::string>{"       titulo", "um titulo muito com-", "    prido demais", Traco50}));
    escritor.linhas.clear();
    EXPECT_EQ(Compila({"fim do paragrafo", "          titulo"}),
              (std::vector<std::string>{"fim do paragrafo", "       titulo", Traco50}));
}

// A blank line at the top of a page is dropped unless the setting keeps it.
TEST_F(Paragrafos, BrancoNoTopoDaPagina2ELargado)
{
    MaxLin = 2;
    EXPECT_EQ(Compila({"a", "", "b", "", "", "c"}),
              (std::vector<std::string>{"a", "", Traco50, "b", "", Traco50, "c", Traco50}));
    TiraBrancasInicioPag = false;
    escritor.linhas.clear();
    EXPECT_EQ(Compila({"a", "", "", "b"}), (std::vector<std::string>{"a", "", Traco50, "", "b", Traco50}));
}

// The cells of laid-out lines (from column desde) without blanks, page ends
// and line-end hyphens; every line at most largura cells.
std::string Letras(const std::vector<std::string>& linhas, size_t largura, size_t desde = 0)
{
    std::string r;
    for (const auto& l : linhas) {
        if (LinhaEspecial(l) || l == "-->") continue;
        EXPECT_LE(l.size(), std::max<size_t>(largura, 1)) << l;
        for (size_t i = desde; i < l.size(); ++i)
            if (l[i] != ' ' && !(i + 1 == l.size() && l[i] == '-')) r += l[i];
    }
    return r;
}

std::string SemBrancos(const std::string& s)
{
    std::string r;
    for (char c : s)
        if (c != ' ') r += c;
    return r;
}

// A 32-cell margin prefix in 34 cells leaves 2: the layout ends, no text lost.
TEST_F(Paragrafos, LarguraEstreitaComRecuoTermina)
{
    MaxCarac = 34;
    Inicia();
    estado.PrefixoMargem = std::string(32, '_');
    estado.LarguraLinha = 2;
    estado.Recuo = true;
    Linha(0, "abc defgh ij");
    Termina();
    for (const auto& l : escritor.linhas) {
        if (l == Traco50) continue;
        EXPECT_EQ(l.compare(0, 32, estado.PrefixoMargem), 0) << l;
    }
    EXPECT_EQ(Letras(escritor.linhas, 34, 32), "abcdefghij");
}

// An editor line of 300 000 cells (the editor's limit) lays out whole.
TEST_F(Paragrafos, LinhaEnormeInteira)
{
    MaxCarac = 34;
    MaxLin = 28;
    std::string enorme;
    while (enorme.size() < 300000) enorme += "transporte palavra bolacha ";
    EXPECT_EQ(Letras(Compila({enorme}), 34), SemBrancos(enorme));
    EXPECT_GT(estado.PaginaFisica, 300);
}

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
        for (bool* f : {&FrenteVerso, &AutoJunta, &SeparaSilabas, &TiraBrancasInicioPag, &ImprEnviaVazias})
            *f = sorteio(0, 1) != 0;
        std::vector<std::string> doc(static_cast<size_t>(sorteio(0, 12)));
        std::string entrada;
        for (auto& l : doc) {
            const int n = sorteio(0, 3) == 0 ? 0 : sorteio(1, 150);
            for (int i = 0; i < n; ++i)
                l += sorteio(0, 5) == 0 ? ' ' : letras[static_cast<size_t>(sorteio(0, static_cast<int>(letras.size()) - 1))];
            entrada += l;
        }
        EscritorLimitado limitado;
        // Each cut consumes at least one cell; each page adds a separator.
        limitado.limite = 4 * (entrada.size() + doc.size() + 10);
        Inicia();
        estado.Escritor = &limitado;
        estado.Recuo = sorteio(0, 1) != 0;
        const int largura = sorteio(1, 60);
        estado.LarguraLinha = largura;
        for (size_t i = 0; i < doc.size(); ++i) Linha(static_cast<int>(i), doc[i]);
        Termina();
        SCOPED_TRACE("round " + std::to_string(rodada) + " width " + std::to_string(largura));
        ASSERT_FALSE(estado.ErroEscrita) << "no end";
        ASSERT_EQ(Letras(limitado.linhas, static_cast<size_t>(largura)), SemBrancos(entrada));
    }
}

} // namespace
