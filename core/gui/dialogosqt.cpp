// The dialog service with the program's own windows.
#include "core/gui/dialogosqt.h"

#include "core/gui/TformEditLinha.h"
#include "core/gui/TformEspere.h"
#include "core/gui/TformMsgComOK.h"
#include "editor/gui/dmQuickMsg.h"
#include "platform/qt/caixaqt.h"

#include <QApplication>
#include <QThread>

#include <utility>

namespace {

// Runs f on the GUI thread and returns its result; from another thread the
// call is queued to the GUI thread and the caller waits for the answer.
template <typename F>
auto NaThreadGui(F&& f) -> decltype(f()) {
    using R = decltype(f());
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        return f();
    R r{};
    QMetaObject::invokeMethod(app, [&] { r = f(); }, Qt::BlockingQueuedConnection);
    return r;
}

QWidget* Dono() {
    if (QWidget* m = QApplication::activeModalWidget())
        return m;
    return QApplication::activeWindow();
}

} // namespace

int DialogosQt::MensagemOK(const std::string& texto) {
    return NaThreadGui([&] {
        TformMsgComOK f(Dono());
        return f.Executa(texto);
    });
}

int DialogosQt::Caixa(const std::string& texto, const std::string& titulo, Icone icone, Botoes botoes,
                      bool semDono) {
    return NaThreadGui([&] {
        return CaixaQt(texto, titulo, icone, botoes, semDono ? nullptr : Dono());
    });
}

bool DialogosQt::EditaLinha(const std::string& titulo, const std::string& prompt, std::string& s) {
    return NaThreadGui([&] { return FormEditLinha().Executa(titulo, prompt, s); });
}

void DialogosQt::MostraEspere(const std::string& texto) {
    NaThreadGui([&] {
        FormEspere().Mostra(texto);
        return 0;
    });
}

void DialogosQt::EscondeEspere() {
    NaThreadGui([&] {
        if (formEspere)
            formEspere->hide();
        return 0;
    });
}

void DialogosQt::MensagemRapida(const std::string& texto) {
    NaThreadGui([&] {
        ExibeMensagemRapida(Dono(), texto);
        return 0;
    });
}

void InstalaDialogosQt() {
    static DialogosQt servico;
    DefineDialogos(&servico);
}
