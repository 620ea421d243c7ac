// dmImprPagina: page rendering. The print worker collects the lines of one
// braille page in the page buffer and this unit sends the page as text lines,
// as a whole page of dot graphics, as text interleaved with bands of dot
// graphics, or through the Tiger driver, by the graphics-handling setting.
//
// The renderer reads only its ConfigPagina, taken when the job starts, and
// writes only to the device it is given. Graphic pages are composed on a page
// matrix of the renderer's own, never on MatrizGrafica of the user-interface
// thread, so the graphic tools can use theirs while a job runs.
#pragma once

#include "output/dmdevice.h"
#include "output/dmdevice_geometria.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// Everything page rendering reads, fixed for the whole job.
struct ConfigPagina {
    std::string ImprMarca;
    bool EhTiger = false;
    int TipoTratGrafico = 1;
    bool FrenteVerso = true;
    bool SoFrenteInterp = false;
    std::string ArqAtual;         // relative graphic names resolve beside it
    int TamPrefixoMargem = 0;     // length of PrefixoMargem
    int LarguraUtil = 34;         // cells beside the margin prefix
    std::array<unsigned char, 256> TabelaImpressora{};  // internal -> output code
    std::array<unsigned char, 64> Celas{};              // cell by dot mask, code in force
    std::array<unsigned char, 256> PontosDoCaractere{}; // dots of each output code
    GeometriaDispositivo Geometria;  // the printing set of the model
};

// Graphics-handling modes (TipoTratGrafico).
enum : int {
    GraficoIntercalado = 0,
    GraficoNenhum = 1,
    GraficoPaginasComGrafico = 2,
    GraficoTodasPaginas = 3,
    GraficoComoTexto = 4
};

class PaginaImpressao {
public:
    PaginaImpressao(const ConfigPagina& cfg, Dispositivo& disp) : cfg_(cfg), disp_(disp) {}

    // Left margin in cells of the page being collected.
    int MargemAtual = 0;

    void AdicionaLinhaPagina(const std::string& linha);
    // Renders and sends the page, then clears the buffer; false when a write
    // failed.
    bool ImprimePagina();
    // Output for the blank back side after a double page end.
    bool SaltaPagina();

    const std::vector<std::string>& LinhasPagina() const { return linhas_; }
    // What the buffered page takes on a Tiger's paper: its widest line in
    // cells (blanks at a line's end draw nothing) and its lines down to the
    // last one that draws (a reserved line holds its graphic).
    CapacidadeFolha ExtensaoTiger() const;
    // Empties the buffer without sending it.
    void DescartaPagina() {
        linhas_.clear();
        temGrafico_ = false;
    }
    bool PaginaTemGrafico() const { return temGrafico_; }

    // Places the graphic of a graphic line with its top at row; x0, width
    // and height in dots. False when nothing was placed.
    bool PosicionaGrafico(int linha, const std::string& grafico, int& x0, int& largura, int& altura);

    // This renderer's page matrix (made when a page first needs it).
    const MatrizPontos& Matriz() { return M(); }

private:
    bool PaginaTodaGrafica() const;
    bool ImprimePaginaTexto();
    bool ImprimePaginaGrafica();
    void DesenhaPaginaEmPontos();
    bool ImprimePaginaIntercalada();
    void DesenhaLinhaEmPontos(const std::string& linha, int& y);
    bool DescarregaFaixaGrafica(int& inicio, int& fim);
    bool ImprimePaginaTiger();
    std::string LinhaDaFaixa(int y0) const;
    bool FormFeeds();
    bool Envia(const std::string& s) { return disp_.Envia(s); }
    MatrizPontos& M();

    const ConfigPagina& cfg_;
    Dispositivo& disp_;
    std::vector<std::string> linhas_;
    bool temGrafico_ = false;
    std::unique_ptr<MatrizPontos> matriz_;
};
