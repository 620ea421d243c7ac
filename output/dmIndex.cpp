// dmIndex: Index geometry tables.
#include "output/dmIndex.h"

const GeometriaDispositivo GeometriaIndexNormal{
    {1, 1}, {1, 1}, {3, 5}, {1, 1}, {1, 1}, {3, 4}, {1, 1}, {1, 1}};
const GeometriaDispositivo GeometriaIndexDupla{
    {2, 2}, {5, 5}, {12, 20}, {2, 2}, {4, 4}, {12, 16}, {2, 2}, {4, 4}};
