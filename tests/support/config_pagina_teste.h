// A page configuration for tests: Index normal geometry, identity output
// table, cells and dots of North American Braille ASCII.
#pragma once

#include "output/dmImprPagina.h"
#include "output/dmTiger.h"

#include <string>

inline const char* BrailleAsciiPorMascara() {
    return " A1B'K2L@CIF/MSP\"E3H9O6R^DJG>NTQ,*5<-U8V.%[$+X!&;:4\\0Z7(_?W]#Y)=";
}

inline ConfigPagina ConfigPaginaTeste() {
    ConfigPagina c;
    c.ImprMarca = "Index Basic";
    c.TipoTratGrafico = 0;
    c.FrenteVerso = true;
    c.SoFrenteInterp = false;
    c.LarguraUtil = 34;
    for (int i = 0; i < 256; ++i) c.TabelaImpressora[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
    const char* t = BrailleAsciiPorMascara();
    for (int m = 0; m < 64; ++m) {
        unsigned char ch = static_cast<unsigned char>(t[m]);
        c.Celas[static_cast<std::size_t>(m)] = ch;
        c.PontosDoCaractere[ch] = static_cast<unsigned char>(m);
        if (ch >= 'A' && ch <= 'Z') c.PontosDoCaractere[ch + 32u] = static_cast<unsigned char>(m);
    }
    c.Geometria = GeometriaDoModelo("Index Basic", false);
    return c;
}
