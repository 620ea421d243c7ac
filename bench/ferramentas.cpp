// The editing tools on large selections: the meta-braille copy of 1000 and
// 3000 lines (each line compiled alone), the table builder over 120 and 600
// cells in two columns, a frame around 30 and 300 lines, and the annotation
// list of a 6000-line document.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/documento.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "editor/dmanotac.h"
#include "editor/dmmetabraille.h"
#include "editor/dmquadro.h"
#include "editor/dmtabela.h"
#include "platform/dialogos.h"
#include "platform/servicos.h"

namespace {

std::vector<std::string> Linhas(int n) {
    const char* amostra[] = {
        "Em 1998 comprou 12,5 kg de caf\xe9 por R$ 1.234,56.",
        "Jo\xe3o Rom\xe3o foi empregado de um vendeiro",
        "<*** anota\xe7\xe3o do transcritor ***>",
        "banana",
        "3,50",
    };
    std::vector<std::string> l;
    for (int i = 0; i < n; ++i) l.emplace_back(amostra[i % 5]);
    return l;
}

struct Ambiente {
    Ambiente() {
        setenv("DOTMARA_DATA_DIR", DOTMARA_DATA_DIR, 0);
        RestauraPadroes();
        MaxCarac = 254;
        CarregaTabelaImpressora();
        DefineDialogos(&caixas);
        DefineServicos(&servicos);
    }
    ~Ambiente() {
        DefineDocumentoEmEdicao(nullptr);
        DefineDialogos(nullptr);
        DefineServicos(nullptr);
    }
    void Documento(int n) {
        doc = DocumentoEmMemoria(Linhas(n));
        DefineDocumentoEmEdicao(&doc);
        doc.DefineSelecao(0, doc.TamanhoTexto());
    }
    DialogosFalsos caixas;
    ServicosFalsos servicos;
    DocumentoEmMemoria doc;
};

void BM_CopiaMetaBraille(benchmark::State& st) {
    Ambiente a;
    a.Documento(static_cast<int>(st.range(0)));
    for (auto _ : st) benchmark::DoNotOptimize(CopiaEmMetaBraille(a.doc));
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(BM_CopiaMetaBraille)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

void BM_GeraTabela(benchmark::State& st) {
    Ambiente a;
    for (auto _ : st) {
        st.PauseTiming();
        a.Documento(static_cast<int>(st.range(0)));
        st.ResumeTiming();
        benchmark::DoNotOptimize(GeraTabela(a.doc, "2", {}));
    }
}
BENCHMARK(BM_GeraTabela)->Arg(120)->Arg(600)->Unit(benchmark::kMillisecond);

void BM_InsereQuadro(benchmark::State& st) {
    Ambiente a;
    for (auto _ : st) {
        st.PauseTiming();
        a.Documento(static_cast<int>(st.range(0)));
        st.ResumeTiming();
        benchmark::DoNotOptimize(InsereQuadro(a.doc, 1));
    }
}
BENCHMARK(BM_InsereQuadro)->Arg(30)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_ListaAnotacoes(benchmark::State& st) {
    Ambiente a;
    a.Documento(static_cast<int>(st.range(0)));
    ListaAnotacoes lista;
    for (auto _ : st) {
        lista.Monta(a.doc, static_cast<int>(st.range(0)) / 2);
        benchmark::DoNotOptimize(lista.Itens().size());
    }
}
BENCHMARK(BM_ListaAnotacoes)->Arg(6000)->Unit(benchmark::kMillisecond);

} // namespace
