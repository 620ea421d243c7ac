// The editable document at the editor's limit (300,000 characters in 30,000
// lines): the caret services a caret move runs, a command's edits as one
// group, over the main window's editor and over the document in memory.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <cstdlib>
#include <memory>
#include <string>

#include "core/documento.h"
#include "editor/gui/dmmain.h"
#include "platform/arquivos.h"
#include "platform/qt/textoqt.h"

namespace {

std::string TextoNoLimite() {
    std::string t;
    for (int i = 0; i < 30000; ++i) t += "123456789\r\n";
    return t;
}

TformPrincipal& Janela() {
    static int argc = 1;
    static char nome[] = "bench";
    static char* argv[] = {nome, nullptr};
    static std::unique_ptr<QApplication> app;
    static std::unique_ptr<TformPrincipal> janela;
    if (!janela) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ::setenv("DOTMARA_INI", (DirTemporario() + "bench_documento.ini").c_str(), 1);
        app = std::make_unique<QApplication>(argc, argv);
        janela = std::make_unique<TformPrincipal>();
        QString q = ParaQString(TextoNoLimite());
        q.replace("\r\n", "\n");
        janela->richEdPrincipal->setPlainText(q);
    }
    return *janela;
}

// What every caret move asks: the caret's line and column and the
// selection's lines, with the caret near the end.
void BM_CaretServicesNearTheEnd(benchmark::State& state) {
    TformPrincipal& j = Janela();
    j.DefineSelecao(j.TamanhoTexto() - 20, 15);
    for (auto _ : state) {
        int l1 = 0, c1 = 0, l2 = 0, c2 = 0;
        j.LinColInicioSel(l1, c1);
        j.LinColFimSel(l2, c2);
        benchmark::DoNotOptimize(l1 + c1 + l2 + c2);
    }
}
BENCHMARK(BM_CaretServicesNearTheEnd)->Unit(benchmark::kMicrosecond);

// A whole caret move near the end, as an arrow key makes it: the editor's
// signal, the strip's label of the new line and the status panels.
void BM_CaretMoveNearTheEnd(benchmark::State& state) {
    TformPrincipal& j = Janela();
    QPlainTextEdit* ed = j.richEdPrincipal;
    const int fim = ed->document()->characterCount() - 1;
    int k = 0;
    for (auto _ : state) {
        QTextCursor c = ed->textCursor();
        c.setPosition(fim - 1 - 11 * (k++ % 50));
        ed->setTextCursor(c);
    }
}
BENCHMARK(BM_CaretMoveNearTheEnd)->Unit(benchmark::kMicrosecond);

// A command that writes 100 lines in the middle of the document as one
// undoable step (undone again, outside the timing).
template <class Doc>
void InsereCemLinhas(benchmark::State& state, Doc& d) {
    for (auto _ : state) {
        {
            GrupoEdicao g(d);
            for (int i = 0; i < 100; ++i) d.InsereLinha(15000 + 2 * i, "<F->");
        }
        state.PauseTiming();
        d.Desfaz();
        state.ResumeTiming();
    }
}

void BM_HundredLinesInOneGroupEditor(benchmark::State& state) { InsereCemLinhas(state, Janela()); }
BENCHMARK(BM_HundredLinesInOneGroupEditor)->Unit(benchmark::kMillisecond);

void BM_HundredLinesInOneGroupMemory(benchmark::State& state) {
    DocumentoEmMemoria d;
    d.DefineTexto(TextoNoLimite());
    InsereCemLinhas(state, d);
}
BENCHMARK(BM_HundredLinesInOneGroupMemory)->Unit(benchmark::kMillisecond);

} // namespace
