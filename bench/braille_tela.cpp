// Braille on screen: the strip's work on a caret move and the braille view's
// F9 (compile, read the draft, make the display lines) on a 300,000-character
// document, the editor's limit.
#include <benchmark/benchmark.h>

#include <string>
#include <unistd.h>
#include <vector>

#include "core/documento.h"
#include "core/dmtraduz.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "editor/dmpreview.h"
#include "editor/dmvisual_linhas.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"

namespace {

std::vector<std::string> Documento(size_t alvo) {
    const std::vector<std::string> bloco = {
        "<T+1>",
        "          CAP\xcdTULO PRIMEIRO",
        "",
        "  Jo\xe3o Rom\xe3o foi, dos treze aos vinte e cinco anos, empregado de um vendeiro que",
        "enriqueceu entre as quatro paredes de uma suja e obscura taverna nos",
        "refolhos do bairro do Botafogo; e tanto economizou do pouco que ganhara",
        "nessa d\xfazia de anos, que, ao retirar-se o patr\xe3o para a terra, lhe deixou,",
        "  Em 1998 comprou 12,5 kg de caf\xe9 por R$ 1.234,56 (pre\xe7o de \"atacado\").",
        "  O 1\xba lugar ficou com 3/4 dos votos; a 2\xaa vota\xe7\xe3o, \xe0s 10h30, com 45%.",
        "<12>",
        "  Palavras compridas como inconstitucionalissimamente e otorrinolaringologista",
        "precisam de hifeniza\xe7\xe3o quando chegam ao fim da linha braille.",
    };
    std::vector<std::string> doc;
    size_t total = 0;
    while (total < alvo)
        for (const auto& l : bloco) {
            doc.push_back(l);
            total += l.size() + 2;
            if (total >= alvo) break;
        }
    return doc;
}

struct Ambiente {
    Ambiente() {
        DefineDialogos(&silencio);
        RestauraPadroes();
        ArqAmbCode2 = std::string(DOTMARA_DATA_DIR) + "/ambcode2.cfg";
        ArqRascunho = DirTemporario() + "bench_tela_" + std::to_string(getpid()) + ".txt";
        CarregaTabelaImpressora();
        doc.linhas = Documento(300000);
        DefineDocumentoAtual(&doc);
    }
    ~Ambiente() {
        DefineDocumentoAtual(nullptr);
        DefineDialogos(nullptr);
        std::remove(CaminhoNativo(ArqRascunho).c_str());
    }
    DialogosFalsos silencio;
    LinhasEmMemoria doc;
};

const auto kTraduz = TraduzLinhaIsolada;

// The caret moves to another line: the five labels are retranslated.
void BM_AtualizaLinhasBraille_OutraLinha(benchmark::State& st) {
    Ambiente a;
    EstadoPreview e;
    e.LabLinhaAtual = 3;
    const int n = a.doc.NumLinhas();
    int y = n / 2;
    for (auto _ : st) {
        y = y + 1 < n ? y + 1 : 0;
        benchmark::DoNotOptimize(AtualizaLegendasPreview(e, a.doc, y, kTraduz));
    }
}
BENCHMARK(BM_AtualizaLinhasBraille_OutraLinha)->Unit(benchmark::kMicrosecond);

// A key on the caret's line: only the highlighted label.
void BM_AtualizaLinhasBraille_MesmaLinha(benchmark::State& st) {
    Ambiente a;
    EstadoPreview e;
    const int y = a.doc.NumLinhas() / 2 + 3;
    AtualizaLegendasPreview(e, a.doc, y, kTraduz);
    for (auto _ : st) benchmark::DoNotOptimize(AtualizaLegendasPreview(e, a.doc, y, kTraduz));
}
BENCHMARK(BM_AtualizaLinhasBraille_MesmaLinha)->Unit(benchmark::kMicrosecond);

// F9 without the window: table, compile, read the draft, display lines.
void BM_F9_CompilaECarrega(benchmark::State& st) {
    Ambiente a;
    const auto rotulos = MontaRotulosLinha(kTraduz);
    const int modo = static_cast<int>(st.range(0));
    size_t linhas = 0;
    for (auto _ : st) {
        CompilaParaVisualizacao(a.doc.NumLinhas() / 2);
        std::vector<std::string> lidas;
        LeRascunho(ArqRascunho, lidas);
        const auto exibidas = MontaLinhasVisual(lidas, modo, MaxCarac, rotulos);
        linhas = exibidas.size();
        benchmark::DoNotOptimize(exibidas.data());
    }
    st.counters["linhas"] = static_cast<double>(linhas);
}
BENCHMARK(BM_F9_CompilaECarrega)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Reading the draft and making the display lines alone.
void BM_CarregaRascunho(benchmark::State& st) {
    Ambiente a;
    const auto rotulos = MontaRotulosLinha(kTraduz);
    CompilaParaVisualizacao(0);
    for (auto _ : st) {
        std::vector<std::string> lidas;
        LeRascunho(ArqRascunho, lidas);
        benchmark::DoNotOptimize(MontaLinhasVisual(lidas, mlNumeracaoEsquerda, MaxCarac, rotulos).data());
    }
}
BENCHMARK(BM_CarregaRascunho)->Unit(benchmark::kMillisecond);

} // namespace
