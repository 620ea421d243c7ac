// dmdevice_geometria: the embosser's dot geometry (part of the device unit)
// and the conversions between braille cells and dot positions.
//
// The geometry in force is always one of four fixed sets (Tiger or Index
// tables, normal or double size for the view), so loading it is one atomic
// pointer store and the print worker and the user-interface thread can load
// and read it at the same time.
#pragma once

#include <cstdint>

struct ParInteiro {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const ParInteiro&, const ParInteiro&) = default;
};

// Eight (x, y) pairs, in this order.
struct GeometriaDispositivo {
    ParInteiro OrigemTexto;       // origin of the text area
    ParInteiro PassoPontoTexto;   // dot pitch inside a text cell
    ParInteiro PassoCelaTexto;    // cell pitch (x) and line pitch (y)
    ParInteiro TamanhoPonto;      // first dot inside a cell; preview dot size
    ParInteiro PassoPontoGrafico; // dot pitch inside a cell (dot -> cell)
    ParInteiro PassoCelaGrafico;  // cell pitch in graphic units
    ParInteiro InicioGrafico;     // first dot of a .GRB graphic
    ParInteiro PassoGrafico;      // step between graphic dot columns/rows
    friend bool operator==(const GeometriaDispositivo&, const GeometriaDispositivo&) = default;
};

// The geometry in force (the last CarregaGeometria).
const GeometriaDispositivo& GeometriaAtual();

// Loads the set of the configured model (ImprMarca): Tiger or Index tables,
// double size while ModoVisualizacao is set.
void CarregaGeometria();
// The set CarregaGeometria would choose for a model and view flag.
const GeometriaDispositivo& GeometriaDoModelo(const char* modelo, bool visualizacao);

// CarregaGeometria, then the eight pairs in table order.
void CopiaGeometria(GeometriaDispositivo& g);
void CopiaGeometria(ParInteiro& origemTexto, ParInteiro& passoPontoTexto,
                    ParInteiro& passoCelaTexto, ParInteiro& tamanhoPonto,
                    ParInteiro& passoPontoGrafico, ParInteiro& passoCelaGrafico,
                    ParInteiro& inicioGrafico, ParInteiro& passoGrafico);

// Conversions (cells and graphic columns count from 1).
int CelaParaPonto(int a);
int CelaParaPontoAbs(int a);
int ColunaParaPontoX(int a);
int LinhaParaPontoY(int a);
int PontoParaCelaX(int p);
int PontoParaCelaY(int p);
int ColunaParaCelaX(int a);
int LinhaParaCelaY(int a);

// The same on a given geometry (no global state).
int CelaParaPonto(const GeometriaDispositivo& g, int a);
int CelaParaPontoAbs(const GeometriaDispositivo& g, int a);
int ColunaParaPontoX(const GeometriaDispositivo& g, int a);
int LinhaParaPontoY(const GeometriaDispositivo& g, int a);
int PontoParaCelaX(const GeometriaDispositivo& g, int p);
int PontoParaCelaY(const GeometriaDispositivo& g, int p);
int ColunaParaCelaX(const GeometriaDispositivo& g, int a);
int LinhaParaCelaY(const GeometriaDispositivo& g, int a);
