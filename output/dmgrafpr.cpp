// dmgrafpr: .GRB measuring, dot matrix, empty graphic.
#include "output/dmgrafpr.h"

std::array<unsigned char, LadoMatriz * LadoMatriz> MatrizGrafica{};
