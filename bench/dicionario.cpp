// Speed and memory of the spelling dictionary the program ships: loading it
// (with the memory it holds), the check from the caret to "Fim do Texto"
// over a 300,000-character text in which every word is correct, and the
// suggestions for a wrong word of ten letters.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/documento.h"
#include "editor/dmdic.h"
#include "editor/dmortog.h"
#include "platform/arquivos.h"

namespace {

const std::string kDados = std::string(DOTMARA_DATA_DIR) + "/";

// Bytes taken from the heap, the large blocks it maps on its own included.
double MegasEmUso() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd) / (1024.0 * 1024.0);
}

int Carrega() {
    return CarregaDicionario(kDados + "diciona.dic", kDados + "diciona.suf", kDados + "diciona.exc",
                             kDados + "diciona.nom", kDados + "diciona.sug");
}

void BM_CarregaDicionario(benchmark::State& state) {
    // The memory the dictionary holds, measured on the process's first load
    // (after a free, the allocator keeps blocks that a second measure would
    // not see again).
    static const double mb = [] {
        LiberaDicionario();
        const double antes = MegasEmUso();
        Carrega();
        return MegasEmUso() - antes;
    }();
    for (auto _ : state) {
        LiberaDicionario();
        if (Carrega() != DicCarregado)
            state.SkipWithError("the shipped dictionary did not load");
    }
    state.counters["MB"] = mb;
    state.counters["radicais"] = Dicionario.ListaRadicais.Count();
}
BENCHMARK(BM_CarregaDicionario)->Unit(benchmark::kMillisecond);

// A text of correct words only, in lines of about 70 characters, until the
// editor's limit: the words of the sample document (ordinary prose, many
// short words) or forms spread over the whole dictionary (rare, long words).
LinhasEmMemoria TextoCorreto(bool doDicionario) {
    std::vector<std::string> palavras;
    if (doDicionario) {
        const TDicList& l = Dicionario.ListaRadicais;
        for (int i = 0; i < l.Count(); i += 61)
            for (const std::string& f : ExpandeVerbete(l[i]))
                if (palavras.size() < 20000 && PalavraCorreta(f) && f.find_first_of("'-") == std::string::npos)
                    palavras.push_back(f);
    } else {
        std::string texto;
        LeArquivo(kDados + "exemplo.txt", texto);
        LinhasEmMemoria doc(DivideLinhas(texto));
        int lin = 0, col = 0;
        std::string p;
        while (ProximaPalavra(doc, lin, col, p))
            if (PalavraCorreta(p))
                palavras.push_back(p);
    }
    LinhasEmMemoria doc;
    std::string linha;
    std::size_t total = 0;
    std::uint32_t x = 12345;
    while (total < 300000) {
        x = x * 1103515245u + 12345u;
        const std::string& p = palavras[(x >> 8) % palavras.size()];
        linha += linha.empty() ? p : (x & 16 ? ", " : " ") + p;
        if (linha.size() > 70) {
            total += linha.size() + 1;
            doc.linhas.push_back(linha + ".");
            linha.clear();
        }
    }
    return doc;
}

void F7AteOFim(benchmark::State& state, bool doDicionario) {
    if (Dicionario.ListaRadicais.Count() == 0 && Carrega() != DicCarregado)
        state.SkipWithError("the shipped dictionary did not load");
    const LinhasEmMemoria doc = TextoCorreto(doDicionario);
    long palavras = 0;
    for (auto _ : state) {
        int lin = 0, col = 0;
        std::string p;
        if (ProcuraPalavra(doc, true, lin, col, p))
            state.SkipWithError(("a wrong word in the text: " + p).c_str());
        benchmark::DoNotOptimize(lin);
    }
    int lin = 0, col = 0;
    std::string p;
    while (ProximaPalavra(doc, lin, col, p))
        ++palavras;
    state.counters["palavras"] = static_cast<double>(palavras);
}

void BM_F7TextoCorreto_Prosa(benchmark::State& state) { F7AteOFim(state, false); }
void BM_F7TextoCorreto_Raras(benchmark::State& state) { F7AteOFim(state, true); }
BENCHMARK(BM_F7TextoCorreto_Prosa)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_F7TextoCorreto_Raras)->Unit(benchmark::kMillisecond);

void BM_SugerePalavras10Letras(benchmark::State& state) {
    if (Dicionario.ListaRadicais.Count() == 0 && Carrega() != DicCarregado)
        state.SkipWithError("the shipped dictionary did not load");
    const char* const erradas[] = {"pesquizado", "nessecario", "dezenvolve", "exelencias"};
    const std::string palavra = erradas[state.range(0)];
    std::vector<std::string> l;
    for (auto _ : state) {
        SugerePalavras(palavra, l);
        benchmark::DoNotOptimize(l.data());
    }
    state.counters["sugestoes"] = static_cast<double>(l.size());
    state.SetLabel(palavra);
}
BENCHMARK(BM_SugerePalavras10Letras)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace
