// dmIndex: dot geometry of Index embossers, taken by every model that is not
// a Tiger.
#pragma once

#include "output/dmdevice_geometria.h"

extern const GeometriaDispositivo GeometriaIndexNormal;
extern const GeometriaDispositivo GeometriaIndexDupla;
