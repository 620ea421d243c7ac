// dmTiger: Tiger model test and geometry tables.
#include "output/dmTiger.h"

#include "platform/codepage.h"

bool ModeloEhTiger(const std::string& modelo)
{
    return modelo.size() >= 5 && IgualSemCaixa(std::string_view(modelo).substr(0, 5), "TIGER");
}

const GeometriaDispositivo GeometriaTigerNormal{
    {1, 1}, {2, 2}, {5, 8}, {1, 1}, {2, 2}, {5, 8}, {1, 1}, {2, 2}};
const GeometriaDispositivo GeometriaTigerDupla{
    {2, 2}, {5, 5}, {13, 20}, {2, 2}, {5, 5}, {13, 20}, {2, 2}, {5, 5}};
