// dmgrafpr: tactile graphics: the .GRB file format and its measuring, the
// dot matrix on which graphic pages are composed, the empty framed graphic,
// and the geometry handed out to the renderer and the preview.
//
// A .GRB file is plain text, one line per dot row, one character per dot
// column; a blank (32) is no dot, any other character a dot.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "output/dmdevice_geometria.h"

inline constexpr int LadoMatriz = 901; // coordinates 0..900

// A page matrix: 901 x 901 dots, index x + y * 901; 1 = dot.
using MatrizPontos = std::array<unsigned char, LadoMatriz * LadoMatriz>;

// The matrix of the graphic tools of the user-interface thread (preview,
// relief text). Lives for the whole program. A print job composes its pages
// on a matrix of its own, so the tools may use this one while it runs.
extern MatrizPontos MatrizGrafica;

// Sets the dot (x, y); coordinates outside 0..900 are ignored.
void MarcaPonto(MatrizPontos& m, int x, int y);
// True when (x, y) lies inside the matrix and holds a dot.
bool PontoMarcado(const MatrizPontos& m, int x, int y);
void LimpaMatriz(MatrizPontos& m);
// Clears columns x..x+largura-1 of rows y..y+altura-1, clipped to the matrix.
void LimpaAreaMatriz(MatrizPontos& m, int x, int y, int largura, int altura);
// The same on MatrizGrafica.
void MarcaPonto(int x, int y);
bool PontoMarcado(int x, int y);
void LimpaMatriz();
void LimpaAreaMatriz(int x, int y, int largura, int altura);

// Reloads the device geometry and copies it out.
void ObtemGeometriaGrafica(GeometriaDispositivo& g);
void ObtemGeometriaGrafica(ParInteiro& origemTexto, ParInteiro& passoPontoTexto,
                           ParInteiro& passoCelaTexto, ParInteiro& tamanhoPonto,
                           ParInteiro& passoPontoGrafico, ParInteiro& passoCelaGrafico,
                           ParInteiro& inicioGrafico, ParInteiro& passoGrafico);

// ---- .GRB files -------------------------------------------------------------
// The file a graphic name stands for: a relative name lies in the folder of
// the document arqAtual (the compile, the print job and the preview all
// look there); an absolute name, or any name while no document has a
// folder, stays as it is.
std::string CaminhoGrafico(const std::string& nome, const std::string& arqAtual);

// A graphic larger than this, or with more dot rows or columns than a page
// matrix holds, is no tactile graphic: it is refused before it is read in
// full, so a name such as /proc/self/pagemap cannot exhaust the memory.
inline constexpr std::size_t MaxBytesGRB = 1u << 20;

// A .GRB file read once: its contents and its size in dot columns and rows
// (rounded to whole six-dot cells unless on a Tiger).
struct ArquivoGRB {
    std::string conteudo;
    int colunas = 0;
    int linhasPontos = 0;
};
enum class LeituraGRB { Lido, NaoAberto, GrandeDemais };
// Reads a .GRB: a regular file of at most MaxBytesGRB bytes whose rows and
// columns fit a page matrix. Anything else leaves g empty.
LeituraGRB LeArquivoGRB(const std::string& caminho, bool tiger, ArquivoGRB& g);
// What a refused graphic is told as: for one that is too large, the
// message that says so; otherwise naoAberto.
std::string MensagemLeituraGRB(LeituraGRB r, const std::string& caminho,
                               const std::string& naoAberto);

// Size of a .GRB in dots: columns (longest right-trimmed line) and rows (up
// to the last non-blank line); rounded up to whole cells (2 x 3) unless the
// model is a Tiger. An unreadable file shows "Não consegui abrir arquivo "
// + name + "!", one too large for a graphic says so, and either measures
// 0 x 0.
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
