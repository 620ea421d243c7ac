// F9 on a document at the editor's limit (300,000 characters), through the
// windows, offscreen: from the command to the braille view's first paint of
// its lines (compile, draft read back, display lines, the list filled, laid
// out and painted). With the view hidden (F9 shows it), with the view
// already open (rebuilt in place), and in reviewer mode (the read-only text
// is filled and painted instead of the list).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QAction>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

#include "core/dmtraduz_estado.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "core/documento.h"
#include "editor/gui/dmVisual.h"
#include "editor/gui/dmmain.h"
#include "editor/gui/dmprograma.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"

namespace {

// The sample document repeated up to the editor's limit.
std::string TextoNoLimite() {
    std::string exemplo;
    LeArquivo(std::string(DOTMARA_DATA_DIR) + "/exemplo.txt", exemplo);
    std::string t;
    while (!exemplo.empty() && t.size() + exemplo.size() <= 300000) t += exemplo;
    return t;
}

// Tells when a display of the view (list or reviewer text) has painted.
class Pintura : public QObject {
public:
    bool pintou = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) pintou = true;
        return false;
    }
};

// The program's windows as the start-up makes them, the sample document in
// the editor and the caret in its middle.
struct Janelas {
    Janelas() {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ::setenv("DOTMARA_INI", (DirTemporario() + "bench_visualizacao.ini").c_str(), 1);
        app = std::make_unique<QApplication>(argc, argv);
        DefineDialogos(&caixas);
        CriaJanelasDoPrograma();
        ArqAmbCode = std::string(DOTMARA_DATA_DIR) + "/ambcode.cfg";
        ArqAmbCode2 = std::string(DOTMARA_DATA_DIR) + "/ambcode2.cfg";
        ArqRascunho = DirTemporario() + "bench_visualizacao_" + std::to_string(getpid()) + ".txt";
        DefineDocumentoAtual(formPrincipal);
        QString q = ParaQString(TextoNoLimite());
        q.replace("\r\n", "\n");
        QPlainTextEdit* editor = formPrincipal->richEdPrincipal;
        editor->setPlainText(q);
        formPrincipal->resize(873, 605);
        formPrincipal->show();
        formVisual->resize(900, 620);
        editor->setTextCursor(
            QTextCursor(editor->document()->findBlockByNumber(formPrincipal->NumLinhas() / 2)));
        formVisual->lboxVisual->viewport()->installEventFilter(&pintura);
        formVisual->richEdRevisor->viewport()->installEventFilter(&pintura);
        QApplication::processEvents();
    }
    ~Janelas() {
        DefineDocumentoAtual(nullptr);
        DestroiJanelasDoPrograma();
        DefineDialogos(nullptr);
        std::remove(CaminhoNativo(ArqRascunho).c_str());
    }
    // F9, then the events until the display shown has painted; false when
    // F9 showed no lines (the code table or the draft failed).
    bool F9() {
        pintura.pintou = false;
        formPrincipal->VisualizaBraille(true, true);
        if (!formVisual->isVisible() || formVisual->LinhasLidas.empty()) return false;
        while (!pintura.pintou) QApplication::processEvents();
        return true;
    }
    int argc = 1;
    char nome[6] = "bench";
    char* argv[2] = {nome, nullptr};
    std::unique_ptr<QApplication> app;
    DialogosFalsos caixas;
    Pintura pintura;
};

Janelas& Ambiente() {
    static Janelas j;
    return j;
}

void Contadores(benchmark::State& st) {
    st.counters["linhas"] = static_cast<double>(formVisual->LinhasLidas.size());
    st.counters["paginas"] = static_cast<double>(PaginaFisica);
}

// F9 with the view closed: the view opens on the caret's line.
void BM_F9AtePrimeiraPintura_VistaFechada(benchmark::State& st) {
    Janelas& j = Ambiente();
    for (auto _ : st) {
        st.PauseTiming();
        formVisual->hide();
        QApplication::processEvents();
        st.ResumeTiming();
        if (!j.F9()) {
            st.SkipWithError("F9 showed no lines");
            break;
        }
    }
    Contadores(st);
}
BENCHMARK(BM_F9AtePrimeiraPintura_VistaFechada)->Unit(benchmark::kMillisecond);

// F9 over and over with the view open: rebuilt in place.
void F9ComAVistaAberta(benchmark::State& st) {
    Janelas& j = Ambiente();
    j.F9();
    for (auto _ : st)
        if (!j.F9()) {
            st.SkipWithError("F9 showed no lines");
            break;
        }
    Contadores(st);
}

void BM_F9AtePrimeiraPintura_VistaAberta(benchmark::State& st) { F9ComAVistaAberta(st); }
BENCHMARK(BM_F9AtePrimeiraPintura_VistaAberta)->Unit(benchmark::kMillisecond);

// F9 in reviewer mode, the view open.
void BM_F9AtePrimeiraPintura_ModoRevisor(benchmark::State& st) {
    Ambiente();
    formPrincipal->imModoRevisor->setChecked(true);
    F9ComAVistaAberta(st);
    formPrincipal->imModoRevisor->setChecked(false);
}
BENCHMARK(BM_F9AtePrimeiraPintura_ModoRevisor)->Unit(benchmark::kMillisecond);

} // namespace
