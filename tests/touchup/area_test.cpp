// The page's exchange with the main program: the clipboard text of a copy
// and what a paste makes of clipboard text.
#include "apoio_kelto.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

std::string Brancos(std::size_t n) { return std::string(n, ' '); }

TEST(CopiaDoKelto, AteAUltimaLinhaComTexto) {
    struct Caso {
        const char* nome;
        std::vector<std::pair<int, std::string>> linhas; // page line (1-based), text
        std::optional<std::string> texto;
    } casos[] = {
        {"linhas 1 e 3", {{1, "abc" + Brancos(53)}, {3, "  d" + Brancos(53)}}, "abc\r\n\r\n  d\r\n"},
        {"pagina em branco", {}, std::nullopt},
        // Only columns 1..42 decide which is the last line, but lines are copied whole.
        {"texto so alem da coluna 42 no fim", {{1, "a"}, {2, Brancos(45) + "z"}}, "a\r\n"},
        {"texto alem da 42 no meio", {{1, Brancos(45) + "z"}, {2, "b"}}, Brancos(45) + "z\r\nb\r\n"},
        {"linha 33 sozinha", {{33, "y"}}, std::nullopt},
        {"brancos finais tirados", {{1, "a b  " + Brancos(40)}}, "a b\r\n"},
    };
    for (const Caso& c : casos) {
        EstadoKelto e;
        for (const auto& [n, t] : c.linhas)
            e.Pagina[static_cast<std::size_t>(n - 1)] = t;
        EXPECT_EQ(e.TextoParaCopiar(), c.texto) << c.nome;
    }
}

TEST(ColagemDoKelto, LinhasDaAreaDeTransferencia) {
    std::string quarenta;
    for (int i = 1; i <= 40; ++i)
        quarenta += "linha " + std::to_string(i) + "\r\n";
    struct Caso {
        const char* nome;
        std::string texto;
        std::vector<std::string> primeiras; // page lines 1.. after the paste
        int ultimaColada;                   // lines up to it hold 42 characters
    } casos[] = {
        {"sem quebra de linha", "abc", {"abc" + Brancos(39), Brancos(56)}, 1},
        {"linha longa cortada em 42", std::string(60, 'q'), {std::string(42, 'q')}, 1},
        {"linhas com LF, CR LF e CR", "a\nb\r\nc\rd\r\n", {"a" + Brancos(41), "b" + Brancos(41), "c" + Brancos(41), "d" + Brancos(41), Brancos(56)}, 4},
        {"linha vazia no meio", "a\r\n\r\nb", {"a" + Brancos(41), Brancos(42), "b" + Brancos(41)}, 3},
        {"quarenta linhas: so 32", quarenta, {"linha 1" + Brancos(35)}, 32},
    };
    for (const Caso& c : casos) {
        EstadoKelto e;
        for (auto& l : e.Pagina) l = "velho";
        e.Linha = 40;
        e.Topo = 35;
        e.Coluna = 7;
        e.Cola(c.texto);
        for (std::size_t i = 0; i < c.primeiras.size(); ++i)
            EXPECT_EQ(e.Pagina[i], c.primeiras[i]) << c.nome << " linha " << i + 1;
        for (int i = 0; i < 100; ++i)
            EXPECT_EQ(e.Pagina[static_cast<std::size_t>(i)].size(), i < c.ultimaColada ? 42u : i < 32 ? 56u : 5u)
                << c.nome << " linha " << i + 1;
        EXPECT_EQ(e.Pagina[99], "velho") << c.nome;
        EXPECT_EQ(std::tie(e.Linha, e.Coluna, e.Topo), std::make_tuple(1, 1, 0)) << c.nome;
    }
    EstadoKelto e;
    e.Cola(quarenta);
    EXPECT_EQ(e.Pagina[31].substr(0, 8), "linha 32");
    // An empty clipboard leaves the page alone.
    e.Linha = 5;
    e.Cola("");
    EXPECT_EQ(e.Pagina[0].substr(0, 7), "linha 1");
    EXPECT_EQ(e.Linha, 5);
}

} // namespace
