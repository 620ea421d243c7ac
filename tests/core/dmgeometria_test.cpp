// Embosser models and dot geometry.
#include <gtest/gtest.h>

#include "core/dmvars.h"
#include "output/dmIndex.h"
#include "output/dmTiger.h"
#include "output/dmdevice_geometria.h"

namespace {

TEST(ModeloEhTiger, ModelosPorNome)
{
    const std::pair<const char*, bool> casos[] = {
        {"Tiger", true}, {"TIGER", true}, {"tiger Cub Jr", true}, {"TiGeRxyz", true}, {"Tige", false},
        {" Tiger", false}, {"", false}, {"Tige 5", false}, {"Index Basic", false}, {"Braillo", false},
        {"T\xcdGER", false}};
    for (const auto& [modelo, tiger] : casos) EXPECT_EQ(ModeloEhTiger(modelo), tiger) << modelo;
}

class Geometria : public ::testing::Test {
protected:
    void SetUp() override { RestauraPadroes(); }
    void TearDown() override
    {
        RestauraPadroes();
        CarregaGeometria();
    }
};

TEST_F(Geometria, CarregaPorModeloEVisualizacao)
{
    const struct { const char* modelo; bool visual; const GeometriaDispositivo* esperado; } casos[] = {
        {"Index Everest", false, &GeometriaIndexNormal}, {"Index Everest", true, &GeometriaIndexDupla},
        {"Tiger Pro", false, &GeometriaTigerNormal},     {"Tiger Pro", true, &GeometriaTigerDupla},
        {"", false, &GeometriaIndexNormal},
    };
    for (const auto& c : casos) {
        ImprMarca = c.modelo;
        ModoVisualizacao = c.visual;
        GeometriaDispositivo g;
        CopiaGeometria(g);
        EXPECT_EQ(g, *c.esperado) << c.modelo << " " << c.visual;
        EXPECT_EQ(GeometriaAtual(), *c.esperado);
    }
}

TEST_F(Geometria, TabelasNaOrdem)
{
    ImprMarca = "Tiger";
    ModoVisualizacao = true;
    ParInteiro p[8];
    CopiaGeometria(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]);
    const ParInteiro esperado[8] = {{2, 2}, {5, 5}, {13, 20}, {2, 2}, {5, 5}, {13, 20}, {2, 2}, {5, 5}};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(p[i], esperado[i]) << i;
}

TEST_F(Geometria, PontoParaCelaIndexNormal)
{
    const GeometriaDispositivo& g = GeometriaIndexNormal;
    const int x[][2] = {{0, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 2}, {7, 3}};
    for (const auto& c : x) EXPECT_EQ(PontoParaCelaX(g, c[0]), c[1]) << c[0];
    const int y[][2] = {{0, 0}, {1, 1}, {3, 1}, {4, 2}, {8, 2}, {9, 3}, {13, 3}, {14, 4}};
    for (const auto& c : y) EXPECT_EQ(PontoParaCelaY(g, c[0]), c[1]) << c[0];
}

TEST_F(Geometria, ConversoesDeColunasELinhas)
{
    EXPECT_EQ(ColunaParaPontoX(GeometriaIndexNormal, 10), 10);
    EXPECT_EQ(ColunaParaPontoX(GeometriaTigerNormal, 10), 19);
    EXPECT_EQ(ColunaParaPontoX(GeometriaTigerNormal, 0), 0);
    EXPECT_EQ(LinhaParaPontoY(GeometriaIndexDupla, 3), 10);
    EXPECT_EQ(CelaParaPonto(GeometriaIndexNormal, 1), 1);
    EXPECT_EQ(CelaParaPonto(GeometriaIndexNormal, 4), 10);
    EXPECT_EQ(CelaParaPontoAbs(GeometriaIndexNormal, 4), 11);
    EXPECT_EQ(CelaParaPontoAbs(GeometriaTigerDupla, 2), 20);
    // A graphic 6 dots wide and 12 high fills 3 cells and 3 lines on an Index.
    EXPECT_EQ(ColunaParaCelaX(GeometriaIndexNormal, 6), 2);
    EXPECT_EQ(LinhaParaCelaY(GeometriaIndexNormal, 12), 3);
    EXPECT_EQ(LinhaParaCelaY(GeometriaIndexNormal, 0), 0);
    // The global forms follow the loaded set.
    ImprMarca = "Tiger";
    CarregaGeometria();
    EXPECT_EQ(ColunaParaPontoX(10), 19);
    ImprMarca = "Index";
    CarregaGeometria();
    EXPECT_EQ(ColunaParaPontoX(10), 10);
}

} // namespace
