// The touch-up page: cursor moves and scrolling, typing and deleting at the
// limits of a line, line insertion and removal, clearing, and the "Braille
// Mouse".
#include "apoio_kelto.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

std::string Brancos(std::size_t n) { return std::string(n, ' '); }

TEST(PaginaDoKelto, CursorEJanela) {
    struct Caso {
        const char* nome;
        int linha, topo;      // where the cursor starts
        const char* teclas;
        int coluna, linhaFim, topoFim;
    } casos[] = {
        {"abaixo da linha 7 rola uma linha", 7, 0, "Baixo", 1, 8, 1},
        {"acima na linha 1 fica", 1, 0, "Cima", 1, 1, 0},
        {"abaixo na linha 100 fica", 100, 93, "Baixo", 1, 100, 93},
        {"acima no topo da janela rola", 94, 93, "Cima", 1, 93, 92},
        {"esquerda na coluna 1 fica", 1, 0, "Esq", 1, 1, 0},
        {"enter vai a coluna 1 da seguinte", 5, 0, "Dir Dir Enter", 1, 6, 0},
        {"enter na linha 100", 100, 93, "Dir Enter", 1, 100, 93},
        {"home", 2, 0, "Dir Dir Dir Home", 1, 2, 0},
    };
    for (const Caso& c : casos) {
        EstadoKelto e;
        e.Linha = c.linha;
        e.Topo = c.topo;
        Digita(e, c.teclas);
        EXPECT_EQ(std::tie(e.Coluna, e.Linha, e.Topo), std::tie(c.coluna, c.linhaFim, c.topoFim)) << c.nome;
    }
    // Moves past the page's edges stop at them.
    EstadoKelto e;
    EXPECT_FALSE(e.MoveCursor(200, 0));
    EXPECT_EQ(e.Coluna, 58);
    EXPECT_TRUE(e.MoveCursor(-80, 150));
    EXPECT_EQ(std::make_tuple(e.Coluna, e.Linha, e.Topo), std::make_tuple(1, 100, 93));
    EXPECT_TRUE(e.MoveCursor(0, -200));
    EXPECT_EQ(std::make_tuple(e.Linha, e.Topo), std::make_tuple(1, 0));
}

TEST(PaginaDoKelto, FimDaLinha) {
    const std::pair<std::string, int> casos[] = {
        {Brancos(56), 1}, {"abc      j" + Brancos(46), 11}, {std::string(42, 'x'), 43},
        {std::string(57, 'x'), 58}, {"", 1},
    };
    for (const auto& [linha, coluna] : casos) {
        EstadoKelto e;
        e.Pagina[1] = linha;
        e.Linha = 2;
        e.Coluna = 30;
        Digita(e, "End");
        EXPECT_EQ(e.Coluna, coluna) << linha;
        EXPECT_EQ(e.Pagina[1], linha);
    }
}

TEST(PaginaDoKelto, DigitarEApagarNosLimites) {
    const std::string cheia = std::string(56, 'x') + "y"; // 57 characters
    const std::string colada = std::string(42, 'x');
    struct Caso {
        const char* nome;
        std::string linha;
        int coluna;
        const char* teclas;
        std::string depois;
        int colunaFim;
    } casos[] = {
        {"digitar empurra o fim da linha", "ab" + Brancos(54), 1, "F", "aab" + Brancos(54), 2},
        {"digitar na coluna 58 de uma linha cheia nada muda", cheia, 58, "F", cheia, 58},
        {"digitar na coluna 57 corta o ultimo", cheia, 57, "F", std::string(56, 'x') + "a", 58},
        // Past the end of a short line the cell lands at the cursor.
        {"digitar alem do fim de uma linha colada", colada, 50, "F", colada + Brancos(7) + "a", 51},
        {"digitar logo apos o fim", colada, 43, "F", colada + "a", 44},
        {"apagar mantem o tamanho", "abc" + Brancos(53), 1, "Del", "bc" + Brancos(54), 1},
        // Past the end of a line there is nothing to delete: no growth.
        {"apagar alem do fim nao cresce", colada, 50, "Del Del Del", colada, 50},
        {"apagar na coluna 58 da linha cheia", cheia, 58, "Del", cheia, 58},
        {"retrocesso apaga a anterior", "abc" + Brancos(53), 3, "Bksp", "ac" + Brancos(54), 2},
        {"retrocesso na coluna 1 nada faz", "abc", 1, "Bksp", "abc", 1},
        {"retrocesso alem do fim", colada, 50, "Bksp Bksp", colada, 48},
    };
    for (const Caso& c : casos) {
        EstadoKelto e;
        e.Pagina[0] = c.linha;
        e.Coluna = c.coluna;
        Digita(e, c.teclas);
        EXPECT_EQ(e.Pagina[0], c.depois) << c.nome;
        EXPECT_EQ(e.Coluna, c.colunaFim) << c.nome;
    }
    // Holding Delete or Backspace anywhere never makes a line longer.
    for (int coluna = 1; coluna <= 58; ++coluna) {
        EstadoKelto e;
        e.Pagina[0] = colada;
        e.Coluna = coluna;
        for (int i = 0; i < 100; ++i)
            Digita(e, i % 2 ? "Del" : "Bksp");
        EXPECT_LE(e.Pagina[0].size(), 42u) << coluna;
    }
}

TEST(PaginaDoKelto, InserirERemoverLinhas) {
    EstadoKelto e;
    for (int i = 0; i < 100; ++i)
        e.Pagina[static_cast<std::size_t>(i)] = std::to_string(i + 1);
    e.Linha = 3;
    Digita(e, "F6");
    EXPECT_EQ(e.Pagina[2], Brancos(56));
    EXPECT_EQ(e.Pagina[3], "3");
    EXPECT_EQ(e.Pagina[99], "99"); // line 100 lost
    Digita(e, "F7");
    EXPECT_EQ(e.Pagina[2], "3");
    EXPECT_EQ(e.Pagina[99], Brancos(56));
    Digita(e, "^Enter"); // Ctrl+Enter is F6
    EXPECT_EQ(e.Pagina[2], Brancos(56));
    EXPECT_EQ(e.Pagina[3], "3");
    // On line 100 both blank it.
    for (const char* tecla : {"F6", "F7"}) {
        EstadoKelto f;
        f.Pagina[99] = "x";
        f.Pagina[98] = "w";
        f.Linha = 100;
        f.Topo = 93;
        Digita(f, tecla);
        EXPECT_EQ(f.Pagina[99], Brancos(56)) << tecla;
        EXPECT_EQ(f.Pagina[98], "w") << tecla;
    }
}

TEST(PaginaDoKelto, LimparGuardaAsLinhasDepoisDa32) {
    EstadoKelto e;
    e.Pagina[0] = "a";
    e.Pagina[31] = "b";
    e.Pagina[32] = "c";
    e.Linha = 50;
    e.Topo = 45;
    e.Coluna = 9;
    e.Limpa();
    EXPECT_EQ(e.Pagina[0], Brancos(56));
    EXPECT_EQ(e.Pagina[31], Brancos(56));
    EXPECT_EQ(e.Pagina[32], "c");
    EXPECT_EQ(std::make_tuple(e.Linha, e.Coluna, e.Topo), std::make_tuple(1, 1, 0));
}

TEST(PaginaDoKelto, BrailleMouseEJanela) {
    EstadoKelto e;
    e.TeclaPressionada('F', false, false); // a chord in progress is forgotten
    e.InsereCelaDoMouse(1 | 2);
    e.InsereCelaDoMouse(0);
    e.BrailleAntigo = true;
    e.InsereCelaDoMouse(8 | 16);
    EXPECT_EQ(Inicio(e, 1, 3), "b @");
    EXPECT_EQ(e.Coluna, 4);
    EXPECT_EQ(e.acorde.Acorde(), 0);
    // The window's braille goes through the font map.
    e.MapaFonte['a'] = 'A';
    e.Pagina[10] = "ab" + std::string(60, 'c');
    e.Linha = 11;
    e.Topo = 8;
    EXPECT_EQ(e.TextoDaJanela(3), e.Pagina[10]);
    const std::string b = e.BrailleDaJanela(3);
    EXPECT_EQ(b.size(), 57u);
    EXPECT_EQ(b.substr(0, 3), "Abc");
}

} // namespace
