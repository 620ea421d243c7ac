// dmdevice_geometria: geometry in force and the cell/dot conversions.
#include "output/dmdevice_geometria.h"

#include <atomic>
#include <cstdint>
#include <string>

#include "core/dmvars.h"
#include "output/dmIndex.h"
#include "output/dmTiger.h"
#include "output/dmdevice.h"

namespace {
std::atomic<const GeometriaDispositivo*> geometriaAtual{&GeometriaIndexNormal};

// Dot position -> cell on one axis.
int PontoParaCela(int p, int passoCela, int passoPontoGrafico, int tamanhoPonto)
{
    if (p == 0) return 0;
    if (passoCela <= 0) return 0; // no cell pitch: nothing to count
    // Taken as 16-bit unsigned values, as the dot grid never exceeds them.
    const auto pu = static_cast<std::uint16_t>(p);
    const auto passo = static_cast<std::uint16_t>(passoCela);
    int q = pu / passo;
    int r = pu % passo;
    if (r > 0)
        ++q;
    else
        r = passoCela;
    if (r > 2 * passoPontoGrafico + tamanhoPonto) ++q;
    return q;
}
} // namespace

const GeometriaDispositivo& GeometriaAtual()
{
    return *geometriaAtual.load(std::memory_order_acquire);
}

const GeometriaDispositivo& GeometriaDoModelo(const char* modelo, bool visualizacao)
{
    if (ModeloEhTiger(modelo ? std::string(modelo) : std::string()))
        return visualizacao ? GeometriaTigerDupla : GeometriaTigerNormal;
    return visualizacao ? GeometriaIndexDupla : GeometriaIndexNormal;
}

void CarregaGeometria()
{
    AtualizaEhTiger();
    geometriaAtual.store(&GeometriaDoModelo(ImprMarca.c_str(), ModoVisualizacao),
                         std::memory_order_release);
}

void CopiaGeometria(GeometriaDispositivo& g)
{
    CarregaGeometria();
    g = GeometriaAtual();
}

void CopiaGeometria(ParInteiro& origemTexto, ParInteiro& passoPontoTexto,
                    ParInteiro& passoCelaTexto, ParInteiro& tamanhoPonto,
                    ParInteiro& passoPontoGrafico, ParInteiro& passoCelaGrafico,
                    ParInteiro& inicioGrafico, ParInteiro& passoGrafico)
{
    GeometriaDispositivo g;
    CopiaGeometria(g);
    origemTexto = g.OrigemTexto;
    passoPontoTexto = g.PassoPontoTexto;
    passoCelaTexto = g.PassoCelaTexto;
    tamanhoPonto = g.TamanhoPonto;
    passoPontoGrafico = g.PassoPontoGrafico;
    passoCelaGrafico = g.PassoCelaGrafico;
    inicioGrafico = g.InicioGrafico;
    passoGrafico = g.PassoGrafico;
}

int CelaParaPonto(const GeometriaDispositivo& g, int a)
{
    return (a - 1) * g.PassoCelaTexto.x + 1;
}

int CelaParaPontoAbs(const GeometriaDispositivo& g, int a)
{
    return (a - 1) * g.PassoCelaTexto.x + g.OrigemTexto.x + g.PassoPontoTexto.x;
}

int ColunaParaPontoX(const GeometriaDispositivo& g, int a)
{
    return a == 0 ? 0 : (a - 1) * g.PassoGrafico.x + g.InicioGrafico.x;
}

int LinhaParaPontoY(const GeometriaDispositivo& g, int a)
{
    return a == 0 ? 0 : (a - 1) * g.PassoGrafico.y + g.InicioGrafico.y;
}

int PontoParaCelaX(const GeometriaDispositivo& g, int p)
{
    return PontoParaCela(p, g.PassoCelaTexto.x, g.PassoPontoGrafico.x, g.TamanhoPonto.x);
}

int PontoParaCelaY(const GeometriaDispositivo& g, int p)
{
    return PontoParaCela(p, g.PassoCelaTexto.y, g.PassoPontoGrafico.y, g.TamanhoPonto.y);
}

int ColunaParaCelaX(const GeometriaDispositivo& g, int a)
{
    return PontoParaCelaX(g, ColunaParaPontoX(g, a));
}

int LinhaParaCelaY(const GeometriaDispositivo& g, int a)
{
    return PontoParaCelaY(g, LinhaParaPontoY(g, a));
}

int CelaParaPonto(int a) { return CelaParaPonto(GeometriaAtual(), a); }
int CelaParaPontoAbs(int a) { return CelaParaPontoAbs(GeometriaAtual(), a); }
int ColunaParaPontoX(int a) { return ColunaParaPontoX(GeometriaAtual(), a); }
int LinhaParaPontoY(int a) { return LinhaParaPontoY(GeometriaAtual(), a); }
int PontoParaCelaX(int p) { return PontoParaCelaX(GeometriaAtual(), p); }
int PontoParaCelaY(int p) { return PontoParaCelaY(GeometriaAtual(), p); }
int ColunaParaCelaX(int a) { return ColunaParaCelaX(GeometriaAtual(), a); }
int LinhaParaCelaY(int a) { return LinhaParaCelaY(GeometriaAtual(), a); }
