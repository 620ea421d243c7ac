// The dialog service with the program's own windows.
#include "platform/qt/dialogosqt.h"

#include "core/gui/TformEditLinha.h"
#include "core/gui/TformEspere.h"
#include "core/gui/TformMsgComOK.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
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

QString TextoDaCaixa(const std::string& texto) {
    QString q = ParaQString(texto);
    q.replace("\r\n", "\n");
    q.replace('\r', '\n');
    return q;
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
        QMessageBox::Icon i = QMessageBox::NoIcon;
        switch (icone) {
        case Icone::Nenhum: i = QMessageBox::NoIcon; break;
        case Icone::Informacao: i = QMessageBox::Information; break;
        case Icone::Aviso: i = QMessageBox::Warning; break;
        case Icone::Erro: i = QMessageBox::Critical; break;
        case Icone::Pergunta: i = QMessageBox::Question; break;
        }
        QMessageBox caixa(i, ParaQString(titulo), TextoDaCaixa(texto), QMessageBox::NoButton,
                          semDono ? nullptr : Dono());
        caixa.setTextFormat(Qt::PlainText);
        struct Botao {
            QMessageBox::StandardButton b;
            std::string_view texto;
            int resultado;
        };
        std::vector<Botao> lista;
        const Botao ok{QMessageBox::Ok, "OK", mrOk}, cancela{QMessageBox::Cancel, "Cancelar", mrCancel},
            sim{QMessageBox::Yes, "Sim", mrYes}, nao{QMessageBox::No, "Não"_cp, mrNo};
        switch (botoes) {
        case Botoes::OK: lista = {ok}; break;
        case Botoes::OKCancel: lista = {ok, cancela}; break;
        case Botoes::YesNo: lista = {sim, nao}; break;
        case Botoes::YesNoCancel: lista = {sim, nao, cancela}; break;
        case Botoes::NoOKCancel: lista = {nao, ok, cancela}; break;
        }
        for (const Botao& b : lista)
            caixa.addButton(b.b)->setText(ParaQString(b.texto));
        caixa.setDefaultButton(lista.front().b);
        int r = caixa.exec();
        for (const Botao& b : lista)
            if (r == b.b)
                return b.resultado;
        // Closed without a button (Esc where there is no Cancel).
        return botoes == Botoes::OK ? static_cast<int>(mrOk) : static_cast<int>(mrCancel);
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

void InstalaDialogosQt() {
    static DialogosQt servico;
    DefineDialogos(&servico);
}
