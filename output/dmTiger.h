// dmTiger: Tiger embossers: the model test and their dot geometry tables.
// (The drawing through the printer driver lives with the Qt output.)
#pragma once

#include <string>

#include "output/dmdevice_geometria.h"

// True when the first five characters of the model, upper-cased, are "TIGER".
bool ModeloEhTiger(const std::string& modelo);

extern const GeometriaDispositivo GeometriaTigerNormal;
extern const GeometriaDispositivo GeometriaTigerDupla;

// Graphic step multipliers of a Tiger job (the PassoGrafico pair of the
// normal set); they never change.
inline constexpr int MultXTiger = 2;
inline constexpr int MultYTiger = 2;
