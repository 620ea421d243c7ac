// The page's exchange with the main program: the clipboard text of a copy
// and what a paste makes of clipboard text.
#include "apoio_kelto.h"

#include <gtest/gtest.h>

namespace {

std::string Brancos(std::size_t n) { return std::string(n, ' '); }

std::string Quebras(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "\r\n";
    return s;
}

TEST(CopiaDoKelto, AteAUltimaLinhaComTexto) {
    struct Caso {
        const char* nome;
        std::vector<std::pair<int, std::string>> linhas; // page line (1-based), text
        std::optional<std::string> texto;
    } casos[] = {
        {"linhas 1 e 3", {{1, "abc" + Brancos(53)}, {3, "  d" + Brancos(53)}}, "abc\r\n\r\n  d\r\n"},
        {"pagina em branco", {}, std::nullopt},
        // Only columns 1..42 decide which is the last line ...
        {"texto so alem da coluna 42 no fim", {{1, "a"}, {2, Brancos(45) + "z"}}, "a\r\n"},
        // ... but lines are copied whole.
        {"texto alem da 42 no meio", {{1, Brancos(45) + "z"}, {2, "b"}}, Brancos(45) + "z\r\nb\r\n"},
        {"linha 32 conta, a 33 nao", {{32, "x"}, {33, "y"}}, Quebras(31) + "x\r\n"},
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
        for (int i = 0; i < 32; ++i)
            EXPECT_EQ(e.Pagina[static_cast<std::size_t>(i)].size(), i < c.ultimaColada ? 42u : 56u)
                << c.nome << " linha " << i + 1;
        for (int i = 32; i < 100; ++i)
            EXPECT_EQ(e.Pagina[static_cast<std::size_t>(i)], "velho") << c.nome;
        EXPECT_EQ(e.Linha, 1) << c.nome;
        EXPECT_EQ(e.Coluna, 1) << c.nome;
        EXPECT_EQ(e.Topo, 0) << c.nome;
    }
    EstadoKelto e;
    e.Cola(quarenta);
    EXPECT_EQ(e.Pagina[31].substr(0, 8), "linha 32");
    EXPECT_EQ(e.Pagina[32], Brancos(56));
}

TEST(ColagemDoKelto, AreaVaziaNaoApagaAPagina) {
    EstadoKelto e;
    e.Pagina[0] = "texto";
    e.Linha = 5;
    e.Cola("");
    EXPECT_EQ(e.Pagina[0], "texto");
    EXPECT_EQ(e.Linha, 5);
}

TEST(ColagemDoKelto, CopiaEColaDevolvemAsMesmasCelas) {
    EstadoKelto e;
    e.Pagina[0] = std::string("ab\xe9\xe7") + Brancos(52);
    e.Pagina[2] = std::string(42, 'w');
    const std::optional<std::string> texto = e.TextoParaCopiar();
    ASSERT_TRUE(texto);
    EstadoKelto f;
    f.Cola(*texto);
    for (int i = 0; i < 3; ++i) {
        const std::string& a = e.Pagina[static_cast<std::size_t>(i)];
        EXPECT_EQ(f.Pagina[static_cast<std::size_t>(i)], (a.substr(0, a.find_last_not_of(' ') + 1) + Brancos(42)).substr(0, 42));
    }
}

} // namespace
