// Word export speed: the whole document of a draft of 1000 braille pages
// (28 lines of 34 cells, numbers, capitals, sequences and style markers) in
// the braille form and in the back-translated ink form.
#include "output/dmmsword.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Rascunho() {
    const std::vector<std::string> frases = {
        "  .a turma do #eo ano plantou 9alface9", "e ;9couve;9 em #bj dias <'de sol,>1",
        "..onu .caf= #a'e litro \"1a\"1 [o item", "  .foram --- #ab1cde pessoas _0 e,1ou",
    };
    std::vector<std::string> r;
    for (int p = 0; p < 1000; ++p) {
        for (int l = 0; l < 28; ++l) r.push_back(frases[static_cast<std::size_t>(l) % frases.size()]);
        r.push_back(std::string(50, '-'));
    }
    return r;
}

void ExportaRascunho(benchmark::State& st) {
    const std::vector<std::string> linhas = Rascunho();
    const bool tinta = st.range(0) != 0;
    std::size_t bytes = 0;
    for (auto _ : st) {
        const std::string rtf = DocumentoDoRascunho(linhas, tinta).Rtf();
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    st.counters["paginas/s"] = benchmark::Counter(1000.0, benchmark::Counter::kIsIterationInvariantRate);
    st.counters["bytes RTF"] = static_cast<double>(bytes);
}
BENCHMARK(ExportaRascunho)->Arg(0)->Arg(1)->ArgName("tinta")->Unit(benchmark::kMillisecond);

} // namespace
