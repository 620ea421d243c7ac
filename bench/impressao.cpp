// Page rendering speed: a full text page, a full page in graphic mode and a
// whole job of 100 pages, sent to a device that discards the bytes.
#include "core/dmvars.h"
#include "output/dmImprPagina.h"
#include "output/dmprint.h"
#include "platform/dialogos.h"

#include <benchmark/benchmark.h>

namespace {

class Descarta : public Dispositivo {
public:
    std::size_t bytes = 0;
    bool Envia(std::string_view t) override {
        bytes += t.size();
        return true;
    }
    void Fecha() override {}
};

ConfigPagina Config(int tipo) {
    RestauraPadroes();
    ConfigPagina c;
    c.ImprMarca = "Index Basic";
    c.TipoTratGrafico = tipo;
    for (int i = 0; i < 256; ++i) c.TabelaImpressora[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
    c.Celas = CelasAtuais();
    c.PontosDoCaractere = PontosDoCaractere;
    c.Geometria = GeometriaDoModelo("Index Basic", false);
    return c;
}

std::string Linha(int n) {
    std::string s;
    for (int i = 0; i < 34; ++i) s.push_back(static_cast<char>('A' + (i + n) % 26));
    return s;
}

void PaginaTexto(benchmark::State& st) {
    ConfigPagina c = Config(1);
    Descarta d;
    PaginaImpressao p(c, d);
    for (auto _ : st) {
        for (int i = 0; i < 28; ++i) p.AdicionaLinhaPagina(Linha(i));
        benchmark::DoNotOptimize(p.ImprimePagina());
    }
}
BENCHMARK(PaginaTexto);

void PaginaGrafica(benchmark::State& st) {
    ConfigPagina c = Config(3);
    Descarta d;
    PaginaImpressao p(c, d);
    for (auto _ : st) {
        for (int i = 0; i < 28; ++i) p.AdicionaLinhaPagina(Linha(i));
        benchmark::DoNotOptimize(p.ImprimePagina());
    }
}
BENCHMARK(PaginaGrafica);

void TrabalhoDeCemPaginas(benchmark::State& st) {
    InstantaneoImpressao inst;
    inst.pagina = Config(1);
    inst.rascunhoLido = true;
    for (int p = 0; p < 100; ++p) {
        for (int i = 0; i < 28; ++i) inst.rascunho.push_back(Linha(i));
        inst.rascunho.push_back(std::string(50, '-'));
    }
    // The end box of every job is answered by the recording fake, cleared
    // each round so it does not grow.
    DialogosFalsosEscopo dialogos;
    for (auto _ : st) {
        auto d = std::make_unique<Descarta>();
        ExecutaImpressao(inst, std::move(d), nullptr);
        dialogos.fake.Limpa();
    }
}
BENCHMARK(TrabalhoDeCemPaginas);

}  // namespace
