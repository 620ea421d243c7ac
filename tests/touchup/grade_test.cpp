// The dot drawer's grid: cells to dots and back, the mouse, and the cells
// past the end of a short line.
#include "apoio_kelto.h"

#include "touchup/ukelto3_grade.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Botao = GradeDesenho::Botao;

// A click (press and release) at a pixel.
void Clica(GradeDesenho& g, EstadoKelto& e, Botao b, int x, int y) {
    g.MouseDown(b, x, y);
    g.MouseUp(e);
}

TEST(GradeDoDesenhador, CliquesFazemCelas) {
    struct Caso {
        const char* nome;
        std::vector<std::pair<int, int>> cliques; // left clicks, pixels
        std::string inicio;                        // line 1 afterwards
        int linha = 1;
    } casos[] = {
        {"ponto 1 da cela 1", {{1, 1}}, "a "},
        {"mais o ponto 5", {{1, 1}, {5, 5}}, "e "},
        {"o espacador nao tem pontos", {{1, 13}}, "  "},
        {"ponto 6 da cela 2", {{13, 9}}, " `"},      // old code: dot 6 is "`"
        {"ponto 3 da segunda linha", {{2, 16 + 8}}, "' ", 2},
        {"pontos 1 a 6", {{0, 0}, {0, 4}, {0, 8}, {4, 0}, {4, 4}, {4, 8}}, "\xe9 "},
    };
    for (const Caso& c : casos) {
        EstadoKelto e;
        e.BrailleAntigo = true;
        GradeDesenho g(true);
        g.PaginaParaGrade(e);
        for (auto [x, y] : c.cliques)
            Clica(g, e, Botao::Esquerdo, x, y);
        EXPECT_EQ(Inicio(e, c.linha, 2), c.inicio) << c.nome;
        EXPECT_EQ(e.Pagina[static_cast<std::size_t>(c.linha - 1)].size(), 56u) << c.nome;
    }
}

TEST(GradeDoDesenhador, PaginaParaGradeEDeVolta) {
    EstadoKelto e; // unified code
    e.Pagina[0] = "=" + std::string(55, ' ');
    e.Pagina[31] = std::string(42, ' ') + "\xe9" + "xyz";
    GradeDesenho g(false);
    g.PaginaParaGrade(e);
    // "=" is dots 2356: rows 1 and 2 of both columns, row 0 blank.
    for (int c = 0; c < 2; ++c)
        for (int r = 0; r < 3; ++r)
            EXPECT_EQ(g.Marcado(c, r), r != 0) << c << "," << r;
    // Cell 43 of line 32 (all six dots) is the last the grid holds.
    for (int r = 124; r < 127; ++r)
        EXPECT_TRUE(g.Marcado(84, r) && g.Marcado(85, r)) << r;
    // The grid written back leaves the page as it was (cells 44 on untouched).
    const auto antes = e.Pagina;
    g.GradeParaPagina(e);
    EXPECT_EQ(e.Pagina, antes);
}

TEST(GradeDoDesenhador, LinhaColadaDe42NaoGanhaColuna43) {
    EstadoKelto e;
    e.Cola(std::string(42, 'a') + "\r\n");
    GradeDesenho g(false);
    g.PaginaParaGrade(e);
    EXPECT_FALSE(g.Marcado(84, 0)); // the cell past the line's end is blank
    // Drawn and redrawn: the line keeps its 42 characters.
    Clica(g, e, Botao::Esquerdo, 5, 5);
    g.PaginaParaGrade(e);
    Clica(g, e, Botao::Direito, 5, 5);
    EXPECT_EQ(e.Pagina[0], std::string(42, 'a'));
    // A dot drawn in cell 43 writes that cell, right after the 42.
    Clica(g, e, Botao::Esquerdo, 4 * 84 + 1, 1);
    EXPECT_EQ(e.Pagina[0], std::string(42, 'a') + "a");
    // A short line with a dot far past its end is filled with blanks up to it.
    e.Pagina[1] = "b";
    g.PaginaParaGrade(e);
    Clica(g, e, Botao::Esquerdo, 4 * 10, 16);
    EXPECT_EQ(e.Pagina[1], "b    a");
}

TEST(GradeDoDesenhador, ArrastarMarcaEDesmarca) {
    EstadoKelto e;
    GradeDesenho g(false);
    g.PaginaParaGrade(e);
    // Dragging with the left button sets every dot passed; the page changes only on release.
    EXPECT_TRUE(g.MouseDown(Botao::Esquerdo, 1, 1));
    for (int y = 1; y < 16; y += 4)
        g.MouseMove(1, y);
    EXPECT_EQ(Inicio(e, 1, 1), " ");
    g.MouseUp(e);
    EXPECT_EQ(Inicio(e, 1, 1), "l"); // dots 1 2 3
    // Right-dragging clears; the cleared dot is reported as clear.
    const auto p = g.MouseDown(Botao::Direito, 1, 5);
    ASSERT_TRUE(p);
    EXPECT_EQ(std::tie(p->coluna, p->linha, p->marcado), std::make_tuple(0, 1, false));
    g.MouseUp(e);
    EXPECT_EQ(Inicio(e, 1, 1), "k"); // dots 1 3
    // Moving without a button, or with the middle one, draws nothing.
    EXPECT_FALSE(g.MouseMove(9, 1));
    EXPECT_FALSE(g.MouseDown(Botao::Outro, 9, 1));
    g.MouseUp(e);
    EXPECT_EQ(Inicio(e, 1, 3), "k  ");
}

TEST(GradeDoDesenhador, ForaDaGrade) {
    GradeDesenho g(false);
    const std::pair<int, int> fora[] = {{-1, 1}, {-3, 0}, {1, -2}, {344, 1}, {1, 512}, {1, 13}, {343, 510}};
    for (auto [x, y] : fora) {
        EXPECT_FALSE(g.MouseDown(Botao::Esquerdo, x, y)) << x << "," << y;
        g.MouseMove(x, y);
    }
    EXPECT_TRUE(g.MouseDown(Botao::Esquerdo, 343, 506));
    EXPECT_TRUE(g.Marcado(85, 126));
}

TEST(GradeDoDesenhador, CaractereQueNaoECelaFicaAteSerDesenhado) {
    // "1", "A" and "`" are no cells of the unified code: they show no dots,
    // a click elsewhere leaves them, a dot drawn on one makes it that cell.
    EstadoKelto e;
    e.Pagina[0] = "1a`A";
    e.Pagina[31] = std::string(42, ' ') + "1";
    GradeDesenho g(false);
    g.PaginaParaGrade(e);
    EXPECT_FALSE(g.Marcado(0, 0) || g.Marcado(0, 1));
    Clica(g, e, Botao::Esquerdo, 4 * 20, 0);
    EXPECT_EQ(e.Pagina[0], std::string("1a`A") + std::string(6, ' ') + "a");
    EXPECT_EQ(e.Pagina[31], std::string(42, ' ') + "1");
    Clica(g, e, Botao::Esquerdo, 4 * 7 + 1, 5); // dot 5 of cell 4
    EXPECT_EQ(e.Pagina[0].substr(0, 4), "1a`~");
}

} // namespace
