// dmgrafpr: tactile graphics: the .GRB file format and its measuring, the
// dot matrix on which graphic pages are composed, the empty framed graphic,
// and the geometry handed out to the renderer and the preview.
//
// A .GRB file is plain text, one line per dot row, one character per dot
// column; a blank (32) is no dot, any other character a dot.
#pragma once

#include <array>
#include <string>

#include "output/dmdevice_geometria.h"

inline constexpr int LadoMatriz = 901; // coordinates 0..900

// The dot matrix: index x + y * 901; 1 = dot. Lives for the whole program.
extern std::array<unsigned char, LadoMatriz * LadoMatriz> MatrizGrafica;

// Sets the dot (x, y); coordinates outside 0..900 are ignored.
void MarcaPonto(int x, int y);
// True when (x, y) lies inside the matrix and holds a dot.
bool PontoMarcado(int x, int y);
void LimpaMatriz();
// Clears columns x..x+largura-1 of rows y..y+altura-1, clipped to the matrix.
void LimpaAreaMatriz(int x, int y, int largura, int altura);

// Reloads the device geometry and copies it out.
void ObtemGeometriaGrafica(GeometriaDispositivo& g);
void ObtemGeometriaGrafica(ParInteiro& origemTexto, ParInteiro& passoPontoTexto,
                           ParInteiro& passoCelaTexto, ParInteiro& tamanhoPonto,
                           ParInteiro& passoPontoGrafico, ParInteiro& passoCelaGrafico,
                           ParInteiro& inicioGrafico, ParInteiro& passoGrafico);

// Size of a .GRB in dots: columns (longest right-trimmed line) and rows (up
// to the last non-blank line); rounded up to whole cells (2 x 3) unless the
// model is a Tiger. An unreadable file shows "Não consegui abrir arquivo "
// + name + "!" and measures 0 x 0.
void LeTamanhoGRB(const std::string& nome, int& colunas, int& linhas);
// The same on file contents already read (no message).
void MedeGRB(const std::string& conteudo, bool tiger, int& colunas, int& linhas);
// Extent in dots.
void ExtensaoGRB(const std::string& nome, int& x, int& y);
// Braille lines and cell columns the graphic occupies.
void TamanhoGRBEmCelas(const std::string& nome, int& linhas, int& colunas);
// Braille lines the compiler reserves for the graphic.
int LinhasGRB(const std::string& nome);

int ColunaEmPontos(int cela);
int ColunaEmPontosComMargem(int cela);

// ---- Empty framed graphic (the file side of CriaGraficoVazio) -----------
// Reads the answer "yy xx" (braille lines and cell columns); false when it
// holds no blank, a part is not an integer, or either is 0.
bool LeTamanhoGraficoVazio(const std::string& resposta, int& yy, int& xx);
// The trimmed name with ".GRB" appended unless it ends so (any case), placed
// in the folder of arqAtual when it names no folder.
std::string NomeGraficoVazio(const std::string& resposta, const std::string& arqAtual);
// The frame of a graphic of yy lines and xx cells: 6 dot columns per cell,
// 5 dot rows per line; (5 * yy - 1) lines.
std::string TextoGraficoVazio(int yy, int xx);
// Writes the frame to the file; false when it cannot be created.
bool GravaGraficoVazio(const std::string& nome, int yy, int xx);
