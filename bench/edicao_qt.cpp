// The editing commands at the editor's limit (300,000 characters), over the
// main window's editor: find with the match at the end, replace all of
// 30,000 occurrences, the break after a key on the last line, a whole key
// release at the end (with and without a break, beside what the editor
// control spends on its widest line getting shorter), splitting the
// long lines of a whole text, the macros of the shipped file over every
// line, and logical centring of every line. Each changing command is undone
// outside the timing.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdlib>
#include <memory>
#include <string>

#include "core/dmvars.h"
#include "core/documento.h"
#include "editor/dmedicao.h"
#include "editor/dmmacro.h"
#include "editor/dmmarcacao.h"
#include "editor/gui/dmmain.h"
#include "platform/arquivos.h"
#include "platform/qt/textoqt.h"

namespace {

TformPrincipal& Janela() {
    static int argc = 1;
    static char nome[] = "bench";
    static char* argv[] = {nome, nullptr};
    static std::unique_ptr<QApplication> app;
    static std::unique_ptr<TformPrincipal> janela;
    if (!janela) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ::setenv("DOTMARA_INI", (DirTemporario() + "bench_edicao.ini").c_str(), 1);
        app = std::make_unique<QApplication>(argc, argv);
        janela = std::make_unique<TformPrincipal>();
    }
    return *janela;
}

// The editor holding a text (CR LF line ends), the caret at its start.
TformPrincipal& ComTexto(const std::string& t) {
    TformPrincipal& j = Janela();
    QString q = ParaQString(t);
    q.replace("\r\n", "\n");
    j.richEdPrincipal->setPlainText(q);
    j.DefineSelecao(0, 0);
    return j;
}

std::string Repete(const std::string& linha, int vezes) {
    std::string t;
    t.reserve(linha.size() * static_cast<std::size_t>(vezes));
    for (int i = 0; i < vezes; ++i) t += linha;
    return t;
}

void BM_FindTheMatchAtTheEnd(benchmark::State& state) {
    TformPrincipal& j = ComTexto(Repete("linha comum\r\n", 23000) + "alvo\r\n");
    for (auto _ : state) {
        j.DefineSelecao(0, 0);
        benchmark::DoNotOptimize(ProcuraNoDocumento(j, "ALVO", {true, false}));
    }
}
BENCHMARK(BM_FindTheMatchAtTheEnd)->Unit(benchmark::kMillisecond);

void BM_ReplaceAllThirtyThousand(benchmark::State& state) {
    // 270,000 characters growing to the editor's limit.
    TformPrincipal& j = ComTexto(Repete("a bcdefg\r\n", 30000));
    for (auto _ : state) {
        j.DefineSelecao(0, 0);
        if (SubstituiTodas(j, "a", "xy", {true, true}) != 30000) state.SkipWithError("not replaced");
        state.PauseTiming();
        j.Desfaz();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReplaceAllThirtyThousand)->Unit(benchmark::kMillisecond);

void BM_BreakAfterAKeyOnTheLastLine(benchmark::State& state) {
    MaxCol = 70;
    TformPrincipal& j = ComTexto(Repete("123456789\r\n", 29990) + std::string(60, 'a') + " bbbbbbbbbbbbbbb\r\n");
    const int ultima = j.NumLinhas();
    for (auto _ : state) {
        j.PosicionaCursor(ultima - 1, 76);
        benchmark::DoNotOptimize(QuebraLinhaAuto(j, 77, ultima, MaxCol));
        state.PauseTiming();
        j.Desfaz();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BreakAfterAKeyOnTheLastLine)->Unit(benchmark::kMillisecond);

// What every key released in the editor costs at the end of a long
// document, as the window system delivers it: the break check on the
// caret's line, the strip and the status panels. Without a break (the
// caret's line is short), and with one (undone outside the timing).
void BM_KeyReleaseAtTheEndNoBreak(benchmark::State& state) {
    MaxCol = 70;
    QuebraLin = true;
    TformPrincipal& j = ComTexto(Repete("123456789\r\n", 30000));
    j.PosicionaCursor(j.NumLinhas() - 1, 5);
    for (auto _ : state) {
        QKeyEvent solta(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(j.richEdPrincipal, &solta);
    }
}
BENCHMARK(BM_KeyReleaseAtTheEndNoBreak)->Unit(benchmark::kMicrosecond);

void BM_KeyReleaseThatBreaksTheLastLine(benchmark::State& state) {
    MaxCol = 70;
    QuebraLin = true;
    TformPrincipal& j = ComTexto(Repete("123456789\r\n", 29990) + std::string(60, 'a') + " bbbbbbbbbbbbbbb\r\n");
    const int ultima = j.NumLinhas();
    for (auto _ : state) {
        j.PosicionaCursor(ultima - 1, 76);
        QKeyEvent solta(QEvent::KeyRelease, Qt::Key_B, Qt::NoModifier, "b");
        QApplication::sendEvent(j.richEdPrincipal, &solta);
        state.PauseTiming();
        if (j.NumLinhas() != ultima + 1) state.SkipWithError("the line was not broken");
        j.Desfaz();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_KeyReleaseThatBreaksTheLastLine)->Unit(benchmark::kMicrosecond);

// For comparison, what the editor control itself spends when its widest
// line gets shorter, as a break makes it (and as Backspace on that line
// does): one character removed from the end of the last line.
void BM_EditorShortensItsWidestLine(benchmark::State& state) {
    TformPrincipal& j = ComTexto(Repete("123456789\r\n", 29990) + std::string(60, 'a') + " bbbbbbbbbbbbbbb\r\n");
    QTextDocument* d = j.richEdPrincipal->document();
    for (auto _ : state) {
        QTextCursor c(d->lastBlock().previous());
        c.movePosition(QTextCursor::EndOfBlock);
        c.deletePreviousChar();
        state.PauseTiming();
        d->undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditorShortensItsWidestLine)->Unit(benchmark::kMicrosecond);

void BM_SplitTheLongLinesOfAWholeText(benchmark::State& state) {
    // 2,000 paragraphs of 148 characters, each a line.
    TformPrincipal& j = ComTexto(Repete(Repete("palavra de texto ", 8) + "fim do paragrafo\r\n", 2000));
    for (auto _ : state) {
        benchmark::DoNotOptimize(DivideLinhasGrandes(j, 70));
        state.PauseTiming();
        j.Desfaz();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SplitTheLongLinesOfAWholeText)->Unit(benchmark::kMillisecond);

void BM_MacrosOfTheShippedFileOverEveryLine(benchmark::State& state) {
    std::string conteudo;
    LeArquivo(AchaArquivoDados(DirDados(), "CODMAT.AMB"), conteudo);
    TabelaMacros t;
    LeMacros(conteudo, t);
    TformPrincipal& j = ComTexto(Repete("2`vezes3`igual6 `grau\r\n", 12000));
    for (auto _ : state) {
        j.DefineSelecao(0, j.TamanhoTexto());
        AplicaMacros(j, t);
        state.PauseTiming();
        j.Desfaz();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MacrosOfTheShippedFileOverEveryLine)->Unit(benchmark::kMillisecond);

void BM_CentreEveryLine(benchmark::State& state) {
    TformPrincipal& j = ComTexto(Repete("  Capitulo  \r\n", 21000));
    for (auto _ : state) {
        j.DefineSelecao(0, j.TamanhoTexto());
        CentraLinhas(j, true);
        state.PauseTiming();
        j.Desfaz();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CentreEveryLine)->Unit(benchmark::kMillisecond);

} // namespace
