// ukelto3: the dot drawer's grid. The first 32 lines and 43 cells of the
// page as dots: braille line i (0..31) takes grid rows 4i, 4i+1, 4i+2 (dots
// 1-4, 2-5, 3-6) and row 4i+3 is a spacer never set; cell j (0..42) takes
// columns 2j (dots 1-3) and 2j+1 (dots 4-6). Each grid step is 4 pixels.
// The mouse sets dots with the left button and clears them with the right;
// its release writes the grid back into the page.
#pragma once

#include "touchup/ukelto_pagina.h"

#include <array>
#include <optional>

class GradeDesenho {
public:
    static constexpr int kLinhasGrade = 128;  // 32 braille lines x 4 rows
    static constexpr int kColunasGrade = 86;  // 43 cells x 2 columns
    static constexpr int kCelasGrade = kColunasGrade / 2;
    static constexpr int kPixelsPorPasso = 4;

    enum class Botao { Esquerdo, Direito, Outro };
    struct Ponto {
        int coluna, linha;
        bool marcado;
    };

    // CelaDoCaractere of the code in force: the inverse of its cell table.
    explicit GradeDesenho(bool brailleAntigo);

    // The page's first 32 lines and 43 cells into the grid. A cell past the
    // end of its line reads as blank; a character that is no cell of the
    // code shows no dots.
    void PaginaParaGrade(const EstadoKelto& e);
    // The grid back into the page. A cell within its line whose dots differ
    // from its character's is rewritten (so a character that is no cell of
    // the code stays until dots are drawn on it); past the line's end
    // nothing is written unless the grid has dots there, and then the line
    // is filled with blanks up to that cell.
    void GradeParaPagina(EstadoKelto& e) const;

    // Sets or clears a dot; false (nothing done) outside the grid or on a
    // spacer row.
    bool MarcaPonto(int coluna, int linha, bool valor);
    bool Marcado(int coluna, int linha) const;

    // The mouse, in window pixels. A press starts setting (left) or clearing
    // (right) dots; a move while pressed goes on doing it; each returns the
    // dot it changed, if any. The release stops and writes the page.
    std::optional<Ponto> MouseDown(Botao b, int x, int y);
    std::optional<Ponto> MouseMove(int x, int y);
    void MouseUp(EstadoKelto& e);

    int ModoDesenho() const { return modo_; } // 0 idle, 1 setting, 2 clearing

private:
    std::optional<Ponto> MarcaNoPixel(int x, int y);

    std::array<std::array<unsigned char, kColunasGrade>, kLinhasGrade> grade_{};
    std::array<unsigned char, 256> celaDoCaractere_{};
    int modo_ = 0;
};
