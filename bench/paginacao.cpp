// Layout speed: line breaking, hyphenation and page composition of a long
// document in memory (the text copied, as the translators are measured apart).
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "core/dmtraduz_estado.h"
#include "core/dmtraduz_paginas.h"
#include "core/dmtraduz_quebra.h"
#include "core/dmvars.h"

namespace {

std::vector<std::string> Documento(int linhas, int tamanho)
{
    static const char* palavras[] = {"palavra", "porta", "compra", "bolacha", "antro", "alto",
                                     "transporte", "instrumento", "felicidade", "a", "de"};
    std::mt19937 g(7);
    std::vector<std::string> doc;
    for (int i = 0; i < linhas; ++i) {
        std::string l;
        while (static_cast<int>(l.size()) < tamanho) {
            l += palavras[g() % (sizeof palavras / sizeof *palavras)];
            l += ' ';
        }
        doc.push_back(i % 8 == 7 ? std::string() : l);
    }
    return doc;
}

void Compila(benchmark::State& st, const std::vector<std::string>& doc)
{
    RestauraPadroes();
    EstadoCompilacao e;
    EscopoCompilacao escopo(e);
    for (auto _ : st) {
        EscritorRascunhoMemoria mem;
        PreparaEstado(e, PedidoCompilacao{});
        e.Escritor = &mem;
        InicializaMapas();
        PrimeiraPagina();
        for (size_t i = 0; i < doc.size(); ++i) {
            e.LinhaEditorAtual = static_cast<int>(i);
            std::string l = doc[i];
            AjustaRecuo(l);
            ProcessaLinhaTexto(l);
        }
        FormataParagrafo(true, true, std::string());
        FimDePagina(false);
        benchmark::DoNotOptimize(mem.linhas.data());
    }
}

// A book of about 300 000 characters in lines of 70.
void BM_LivroLinhasCurtas(benchmark::State& st)
{
    static const auto doc = Documento(4300, 70);
    Compila(st, doc);
}
BENCHMARK(BM_LivroLinhasCurtas)->Unit(benchmark::kMillisecond);

// The same text as one editor line of 300 000 characters.
void BM_UmaLinhaEnorme(benchmark::State& st)
{
    static const auto doc = Documento(1, 300000);
    Compila(st, doc);
}
BENCHMARK(BM_UmaLinhaEnorme)->Unit(benchmark::kMillisecond);

} // namespace
