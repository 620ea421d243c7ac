// dmTiger: Tiger model test and geometry tables.
#include "output/dmTiger.h"

bool ModeloEhTiger(const std::string& modelo)
{
    static const char alvo[] = "TIGER";
    if (modelo.size() < 5) return false;
    for (size_t i = 0; i < 5; ++i) {
        unsigned char c = static_cast<unsigned char>(modelo[i]);
        if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 32);
        if (c != static_cast<unsigned char>(alvo[i])) return false;
    }
    return true;
}

const GeometriaDispositivo GeometriaTigerNormal{
    {1, 1}, {2, 2}, {5, 8}, {1, 1}, {2, 2}, {5, 8}, {1, 1}, {2, 2}};
const GeometriaDispositivo GeometriaTigerDupla{
    {2, 2}, {5, 5}, {13, 20}, {2, 2}, {5, 5}, {13, 20}, {2, 2}, {5, 5}};
