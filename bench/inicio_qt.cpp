// Start-up: the program's 28 windows created in their order, each reading its
// settings, over a settings file of the usual size and over one of 10 MB
// (the program's keys first, then a long section a user kept in the file).
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <memory>
#include <string>

#include "editor/gui/dmprograma.h"
#include "platform/arquivos.h"

namespace {

const char kProgramaEImpressora[] =
    "[DOTMARA]\r\nestiloNumPag=0\r\nbrailleAntigo=N\r\nmaxCarac=34\r\nmaxLin=28\r\ntitulo=Livro\r\n"
    "margemImpar=2\r\nmargemPar=0\r\ntipoTratGrafico=1\r\nquebraLin=S\r\nmaxCol=70\r\n"
    "[IMPBRAILLE]\r\nMarca=Index Basic\r\nLinhas=28\r\nColunas=36\r\nNomeArq=PRN\r\n"
    "[DICIONARIO]\r\nARQDIC=diciona.dic\r\n";

std::string Configuracao(std::size_t bytes) {
    std::string t = kProgramaEImpressora;
    if (bytes > t.size()) t += "[NOTAS]\r\n";
    for (int i = 0; t.size() < bytes; ++i)
        t += "nota" + std::to_string(i) + "=uma nota que o usuario guardou no arquivo\r\n";
    return t;
}

void Aplicacao() {
    static int argc = 1;
    static char nome[] = "bench";
    static char* argv[] = {nome, nullptr};
    static std::unique_ptr<QApplication> app;
    if (app) return;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    app = std::make_unique<QApplication>(argc, argv);
}

void BM_StartUp(benchmark::State& state) {
    Aplicacao();
    const std::string ini = DirTemporario() + "bench_inicio.ini";
    GravaArquivoAtomico(ini, Configuracao(static_cast<std::size_t>(state.range(0))));
    ::setenv("DOTMARA_INI", ini.c_str(), 1);
    for (auto _ : state) {
        CriaJanelasDoPrograma();
        state.PauseTiming();
        DestroiJanelasDoPrograma();
        state.ResumeTiming();
    }
    ::unlink(CaminhoNativo(ini).c_str());
    state.SetLabel(state.range(0) > 1000 ? "10 MB settings file" : "usual settings file");
}
BENCHMARK(BM_StartUp)->Arg(0)->Arg(10 << 20)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
