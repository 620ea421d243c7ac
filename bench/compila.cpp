// Draft compiler speed: a 300,000-character marked-up document (the
// editor's limit) compiled into the draft under each code with hyphenation
// on, and the one-line tools (CompilaLinha, TraduzTexto) on a 70-character
// line.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/documento.h"
#include "core/dmtraduz.h"
#include "core/dmtraduz_estado.h"
#include "core/dmvars.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"

namespace {

// A varied Portuguese document with the markup a transcriber uses.
std::vector<std::string> DocumentoMarcado(size_t alvo)
{
    const std::vector<std::string> bloco = {
        "<T+1>",
        "<Tcap\xedtulo primeiro>",
        "          O CORTI\xc7O",
        "",
        "  Jo\xe3o Rom\xe3o foi, dos treze aos vinte e cinco anos, empregado de um vendeiro que",
        "enriqueceu entre as quatro paredes de uma suja e obscura taverna nos",
        "refolhos do bairro do Botafogo; e tanto economizou do pouco que ganhara",
        "nessa d\xfazia de anos, que, ao retirar-se o patr\xe3o para a terra, lhe deixou,",
        "em pagamento de ordenados vencidos, nem s\xf3 a venda com o que estava dentro,",
        "como ainda um conto e quinhentos em dinheiro.",
        "<12>",
        "  Em 1998 comprou 12,5 kg de caf\xe9 por R$ 1.234,56 (pre\xe7o de \"atacado\").",
        "  O 1\xba lugar ficou com 3/4 dos votos; a 2\xaa vota\xe7\xe3o, \xe0s 10h30, com 45%.",
        "<R+>",
        "  Palavras compridas como inconstitucionalissimamente e otorrinolaringologista",
        "precisam de hifeniza\xe7\xe3o quando chegam ao fim da linha braille.",
        "<R->",
        "<M__ >",
        "\x95 primeiro item da lista, com texto suficiente para quebrar a linha",
        "\x95 segundo item: ABC-123, e-mail e N\xba 45",
        "<M>",
        "<*** anota\xe7\xe3o do transcritor ***>",
        "<S->",
        "  Sem separa\xe7\xe3o sil\xe1" "bica neste trecho, que segue at\xe9 o pr\xf3ximo comando.",
        "<S+>",
        "<F->",
        "Linha 1 da tabela      10      20",
        "Linha 2 da tabela      30      40",
        "<F+>",
        "<p>",
    };
    std::vector<std::string> doc;
    size_t total = 0;
    while (total < alvo) {
        for (const auto& l : bloco) {
            doc.push_back(l);
            total += l.size() + 2;
            if (total >= alvo) break;
        }
    }
    return doc;
}

class Ambiente {
public:
    explicit Ambiente(bool antigo)
    {
        DefineDialogos(&silencio);
        RestauraPadroes();
        BrailleAntigo = antigo;
        SeparaSilabas = true;
        Titulo = "O corti\xe7o";
        ArqRascunho = DirTemporario() + "bench_rascunho_" + std::to_string(getpid()) + ".txt";
        doc.linhas = DocumentoMarcado(300000);
        DefineDocumentoAtual(&doc);
    }
    ~Ambiente()
    {
        std::remove(CaminhoNativo(ArqRascunho).c_str());
        DefineDocumentoAtual(nullptr);
        DefineDialogos(nullptr);
    }
    size_t Bytes() const
    {
        size_t n = 0;
        for (const auto& l : doc.linhas) n += l.size() + 2;
        return n;
    }
    LinhasEmMemoria doc;
    DialogosFalsos silencio;
};

void BM_CompilaRascunho(benchmark::State& st)
{
    Ambiente amb(st.range(0) != 0);
    for (auto _ : st) {
        if (!CompilaRascunho(PedidoCompilacao{})) st.SkipWithError("compile failed");
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * amb.Bytes()));
    st.SetLabel(st.range(0) ? "old code" : "unified code");
}
BENCHMARK(BM_CompilaRascunho)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

const std::string Linha70 =
    "Jo\xe3o comprou 12,5 kg de caf\xe9 em 1998 (pre\xe7o \"bom\"), \xe0s 10h30 da manh\xe3.";

void BM_CompilaLinha(benchmark::State& st)
{
    Ambiente amb(st.range(0) != 0);
    amb.doc.linhas = {Linha70};
    for (auto _ : st) benchmark::DoNotOptimize(CompilaLinha(0));
    st.SetLabel(st.range(0) ? "old code" : "unified code");
}
BENCHMARK(BM_CompilaLinha)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_TraduzTexto(benchmark::State& st)
{
    Ambiente amb(st.range(0) != 0);
    for (auto _ : st) benchmark::DoNotOptimize(TraduzTexto(Linha70));
    st.SetLabel(st.range(0) ? "old code" : "unified code");
}
BENCHMARK(BM_TraduzTexto)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

// Page numbers that climb with every page ("<T+1000>", "<p>", "<T+2000>",
// "<p>" ...) followed by the compile of a one-line document: the cost of the
// page maps that the first compile left behind.
std::vector<std::string> NumerosDePaginaCrescentes(int pares)
{
    std::vector<std::string> doc;
    for (int i = 1; i <= pares; ++i) {
        doc.push_back("<T+" + std::to_string(i * 1000) + ">");
        doc.push_back("<p>");
    }
    return doc;
}

void BM_CompilaLinhaUnicaAposNumerosCrescentes(benchmark::State& st)
{
    Ambiente amb(false);
    amb.doc.linhas = NumerosDePaginaCrescentes(static_cast<int>(st.range(0)));
    if (!CompilaRascunho(PedidoCompilacao{})) st.SkipWithError("compile failed");
    amb.doc.linhas = {Linha70};
    for (auto _ : st) {
        if (!CompilaRascunho(PedidoCompilacao{})) st.SkipWithError("compile failed");
    }
    st.counters["TamanhoMapaPaginas"] = TamanhoMapaPaginas;
}
BENCHMARK(BM_CompilaLinhaUnicaAposNumerosCrescentes)->Arg(2000)->Unit(benchmark::kMicrosecond);
