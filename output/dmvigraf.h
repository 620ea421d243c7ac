// dmvigraf: the graphic page preview's drawing, without the window: the
// physical page that holds the braille view's selected line, as the
// embosser would emboss it, as blocks of dots on a picture of the page.
// Text cells are drawn dot by dot and .GRB graphics at their places, in the
// dot geometry of the chosen embosser model.
//
// Dots are placed as the page renderer places them on a page in graphic
// mode (the same columns for "E", "C", "D" and column numbers, the same
// rows), so with the printing geometry each block is one embossed dot.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "output/dmdevice_geometria.h"

// Everything the drawing reads.
struct EntradaPreviewGraf {
    std::vector<std::string> linhas;   // LinhasRascunho, the view's draft lines
    int selecionada = -1;              // the view's selected line; -1: none
    int MaxCarac = 34;
    int MaxLin = 28;
    int TipoTratGrafico = 1;
    int TamPrefixoMargem = 0;          // length of PrefixoMargem
    int LarguraUtil = 34;              // cells beside the margin prefix
    bool EhTiger = false;
    std::string ArqAtual;              // relative graphic names resolve beside it
    std::array<unsigned char, 256> PontosDoCaractere{};
    GeometriaDispositivo Geometria;
};

// One block of CorPontos, in image coordinates before the shift of
// DesenhaPixel (which adds 24 to both).
struct BlocoPonto {
    int x = 0, y = 0, largura = 1, altura = 1;
    friend bool operator==(const BlocoPonto&, const BlocoPonto&) = default;
};

struct PaginaPreviewGraf {
    int LarguraPaginaGraf = 0;         // W
    int AlturaPaginaGraf = 0;          // H
    bool PaginaPreviewTemGrafico = false;
    std::vector<BlocoPonto> pontos;
    // The messages of the drawing, in order ("Arquivo ... não achado", the
    // limit messages), to be shown once the page is drawn.
    std::vector<std::string> mensagens;
};

// The input from the program's settings: the view's lines and selection, the
// model's double-size (screen) set, whatever geometry a compile left loaded.
EntradaPreviewGraf EntradaPreviewAtual(const std::vector<std::string>& linhas, int selecionada);

// Draws the page (DesenhaPagina without the window).
PaginaPreviewGraf DesenhaPaginaGraf(const EntradaPreviewGraf& e);

// Limits of the picture: the image is W + 40 by H + 40 and every block is
// shifted by 24, so blocks past these are never seen and are not kept.
inline constexpr int MargemImagemGraf = 40;
inline constexpr int DeslocamentoPixel = 24;
// The largest page picture, in pixels each way: several times a real page
// in the screen sets (34 cells by 28 lines is about 450 by 600), yet no
// setting of cells and lines can ask for a picture of gigabytes.
inline constexpr int MaxLadoPaginaGraf = 4000;

// ---- The graphic file viewer ---------------------------------------------
// The viewer's image, 465 x 513 pixels: each dot of the file at twice its
// place, one pixel with a one-pixel gap.
inline constexpr int LarguraImagemExibe = 465;
inline constexpr int AlturaImagemExibe = 513;
struct Pixel {
    int x = 0, y = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};
// Row r (from 0), character k (from 1) not blank -> (2k - 1, 2r + 1); what
// lies past the image is dropped.
std::vector<Pixel> PixelsGRB(const std::string& conteudo);
