// Speed of the two ink-to-braille translators on about 1 MB of varied
// Portuguese text (accents, capitals, all-caps words, numbers with "." and
// ",", ordinals, dates, times, fractions, quotes, parentheses, braces,
// symbols), translated line by line as the draft compiler does.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/dmantigo.h"
#include "core/dmunif.h"
#include "core/dmutil.h"
#include "core/dmvars.h"

namespace {

// Windows-1252 fragments; lines are assembled from them with a simple
// deterministic generator so that the text does not repeat in short cycles.
const char* const kFragmentos[] = {
    "A fam\xedlia Concei\xe7\xe3o reuniu-se na casa dos av\xf3s",
    "em S\xe3o Jo\xe3o del-Rei (MG)",
    "o IBGE informou que a popula\xe7\xe3o cresceu 1,5% em 2023",
    "\x93N\xe3o h\xe1 nada como o lar\x94, disse a av\xf3 Ant\xf4nia",
    "e o av\xf4 respondeu: \"\xc9 verdade... mas o caf\xe9 est\xe1 frio!\"",
    "o 1\xba lugar ficou com Pedro; a 2\xaa colocada foi Lu\xedsa",
    "os 3os. colocados receberam R$ 1.000,00 cada",
    "compraram \xbd kg de a\xe7\xfa" "car e \xbc de queijo por \x80 12,50",
    "a f\xf3rmula \xe9 `3/4 de x\xb2 mais y\xb3",
    "leia os itens (1), (2) e (3) do \xa7 4\xba",
    "o pre\xe7o passou de US$ 1.234.567,89 para US$ 2.000.000",
    "no dia 25/12/2024, \xe0s 10:30, come\xe7ou a festa",
    "a reuni\xe3o vai de 14:00 a 15:45:30",
    "texto com \x93" "aspas curvas\x94, \x91" "aspas simples\x92 e \xab" "angulares\xbb",
    "ele perguntou: \x97 Quem vem? E ela: \x97 Eu! (e saiu correndo)",
    "usamos 0,5 mg, 1.5 ml e 2,25 g do composto a 37 \xb0" "C",
    "a equa\xe7\xe3o `x + `( a `- b `) `= c `\xf7 d",
    "FRASES EM MAI\xdaSCULAS, siglas como ONU, OTAN e PDFs",
    "bem-vindo ao s\xe9" "culo XXI",
    "os n\xfameros 1234567890 e 0,001 e 3.14159 aparecem aqui",
    "caf\xe9, p\xe3o, manh\xe3, cora\xe7\xe3o, a\xe7\xe3o, \xf3rg\xe3o, \xf4mega, sa\xfa" "de, pa\xeds",
    "um \x95 marcador, um \x96 tra\xe7o, um \x85 e nota\xb9",
    "a lista (12) e [3] e (x) e [a] termina aqui",
    "item a) primeiro; 1) um; 2) dois",
    "sublinhado _assim_ e *asterisco* e a soma 2+2=4",
    "a raz\xe3o \xe9 `1/2, a fra\xe7\xe3o `12/25 e o n\xfamero misto 3 `1/4",
    "o Sr. Lu\xeds e a Sra. In\xeas chegaram \xe0s 9h15",
    "os conjuntos {1, 2, 3} e {a, {b}} e uma chave { sozinha",
};
constexpr std::size_t kNumFragmentos = sizeof(kFragmentos) / sizeof(kFragmentos[0]);

std::vector<std::string> TextoDeUmMega() {
    std::vector<std::string> linhas;
    std::uint32_t x = 2463534242u;
    auto proximo = [&x] {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        return x;
    };
    std::size_t total = 0;
    while (total < 1000000) {
        std::string l;
        const int partes = 2 + static_cast<int>(proximo() % 3);
        for (int i = 0; i < partes; ++i) {
            std::string f = kFragmentos[proximo() % kNumFragmentos];
            if (i == 0 && !f.empty() && f[0] >= 'a' && f[0] <= 'z')
                f[0] = static_cast<char>(f[0] - 32);
            l += f;
            l += i + 1 < partes ? "; " : ".";
        }
        total += l.size();
        linhas.push_back(std::move(l));
    }
    return linhas;
}

const std::vector<std::string>& Texto() {
    static const std::vector<std::string> t = TextoDeUmMega();
    return t;
}

std::int64_t Bytes(const std::vector<std::string>& t) {
    std::int64_t n = 0;
    for (const auto& l : t)
        n += static_cast<std::int64_t>(l.size());
    return n;
}

// As the compile calls them: what is left out handed back.
template <void (*Traduz)(std::string_view, std::string&, std::string*)>
void Traducao(benchmark::State& state) {
    const auto& texto = Texto();
    TextoIngles = false;
    std::string saida, omitidos;
    for (auto _ : state) {
        dmunif::AspasAbertas = 1;
        dmunif::ParentesesAbertos = 0;
        dmantigo::AspasAbertas = 1;
        for (const auto& l : texto) {
            saida.clear();
            Traduz(l, saida, &omitidos);
            benchmark::DoNotOptimize(saida.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * Bytes(texto));
}

void BM_TraduzUnificado(benchmark::State& state) { Traducao<TraduzUnificado>(state); }
void BM_TraduzAntigo(benchmark::State& state) { Traducao<TraduzAntigo>(state); }

BENCHMARK(BM_TraduzUnificado)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TraduzAntigo)->Unit(benchmark::kMillisecond);

} // namespace
