// Tactile-graphic tools: the relief text drawn again on every key typed
// (with the shipped dot font) and its .GRB text, and the graphic page
// preview of a full page with a graphic.
#include "core/dmvars.h"
#include "output/dmAltoRelevo.h"
#include "output/dmvigraf.h"
#include "platform/arquivos.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

FonteMDL& Fonte() {
    static FonteMDL f = [] {
        FonteMDL r;
        CarregaFonteMDL(std::string(DOTMARA_DATA_DIR) + "/ZIRODEDOD.MDL", r);
        return r;
    }();
    return f;
}

// Lines of 13 characters: as much as the default paper holds across.
std::vector<std::string> Texto(int linhas) {
    return std::vector<std::string>(static_cast<size_t>(linhas), "Mapa do Norte");
}

// A key typed in the relief text: the grid cleared and every line drawn.
void RelevoPorTecla(benchmark::State& st) {
    static GradeRelevo g;
    const auto texto = Texto(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        DesenhaTextoRelevo(Fonte(), g, texto);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(RelevoPorTecla)->Arg(1)->Arg(9)->Arg(75)->Unit(benchmark::kMicrosecond);

// "Gerar Gráfico": the extent and the .GRB text of a paper full of text.
void RelevoParaGRB(benchmark::State& st) {
    static GradeRelevo g;
    DesenhaTextoRelevo(Fonte(), g, Texto(9));
    for (auto _ : st) {
        int col = 0, lin = 0;
        ExtensaoRelevo(g, col, lin);
        benchmark::DoNotOptimize(TextoGRB(g, lin));
    }
}
BENCHMARK(RelevoParaGRB)->Unit(benchmark::kMicrosecond);

// The preview of a full page (28 lines of 34 cells) with a graphic of 60 by
// 45 dots beside its reserved lines, in the screen geometry.
void PreviewPagina(benchmark::State& st) {
    RestauraPadroes();
    std::string grb;
    for (int r = 0; r < 45; ++r) grb += std::string(60, r % 2 ? ' ' : '*') + "\r\n";
    const std::string arquivo = DirTemporario() + "bench_preview_" + std::to_string(::getpid()) + ".grb";
    GravaArquivoAtomico(arquivo, grb);
    EntradaPreviewGraf e;
    e.linhas.push_back(std::string(4, '\x0f') + " E " + arquivo);
    for (int i = 0; i < 27; ++i) e.linhas.push_back(std::string(34, static_cast<char>('A' + i % 26)));
    e.selecionada = 0;
    e.TipoTratGrafico = 0;
    e.PontosDoCaractere = PontosDoCaractere;
    e.Geometria = GeometriaDoModelo("Index Basic", true);
    if (!DesenhaPaginaGraf(e).mensagens.empty()) st.SkipWithError("the graphic was not read");
    for (auto _ : st) benchmark::DoNotOptimize(DesenhaPaginaGraf(e));
    ::unlink(CaminhoNativo(arquivo).c_str());
}
BENCHMARK(PreviewPagina)->Unit(benchmark::kMicrosecond);

} // namespace
