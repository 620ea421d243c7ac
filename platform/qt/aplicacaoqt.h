// The program's QApplication. Two things every window relies on:
// - no exception from an event handler (a menu command, a shortcut, a
//   button, a drop, a timer, a queued call, a box posted by the print
//   worker) leaves the event loop: it is caught where the event is
//   delivered, the user is told which command failed and why, and the
//   program goes on with its documents as they were;
// - Qt's own texts (file, print and message dialogs, the editors' context
//   menus) and its number and date formats are Brazilian Portuguese.
#pragma once

#include <QApplication>

#include <functional>
#include <string>
#include <type_traits>
#include <utility>

class QEvent;
class QObject;

class TAplicacao : public QApplication {
public:
    TAplicacao(int& argc, char** argv);

    bool notify(QObject* receptor, QEvent* evento) override;

    // How a caught failure is told (the command's caption, "" when unknown,
    // and the cause). Default: an error box through the dialog service.
    static void DefineRelato(std::function<void(const std::string& comando, const std::string& causa)> f);
};

// Loads Qt's Brazilian Portuguese translations (Debian's
// qt6-translations-l10n: the folder Qt was built with, else
// /usr/share/qt6/translations) and makes Brazilian Portuguese the default
// locale. False when no translation file was found.
bool CarregaTraducoesQt();

// The command an event's receiver runs, as the user knows it: the action of
// a shortcut, the caption of a button; "" otherwise (a menu click is named by
// the item the menu had chosen).
std::string ComandoDoEvento(QObject* receptor);

// Tells the user that the command of origem (an action or a button; its
// caption names it) failed with the exception being handled. Call it only
// inside a catch block.
void RelataFalhaDoComando(QObject* origem);

// A handler that catches its own failure right where it runs, so that no
// exception passes through Qt's code between the event and the handler
// (that code does not unwind: it would be left with what it held, such as
// the receiver's pointer to the signal being delivered). The main window's
// menu and toolbar dispatch runs every command in it, and every window
// connects its buttons, actions and signals through it (ConectaProtegido);
// anything else is still caught by TAplicacao::notify. The signal's
// arguments reach fn when it takes them.
template <typename F>
auto ComandoProtegido(QObject* origem, F fn) {
    return [origem, fn = std::move(fn)](auto&&... argumentos) -> void {
        try {
            if constexpr (std::is_invocable_v<F&, decltype(argumentos)...>)
                fn(std::forward<decltype(argumentos)>(argumentos)...);
            else
                fn();
        } catch (...) {
            RelataFalhaDoComando(origem);
        }
    };
}

// connect() of a signal to a handler of a window (a member function of the
// receiver, or any callable), caught as ComandoProtegido catches it; a
// failure is told with the caption of the emitter (a button, an action).
template <typename Emissor, typename Sinal, typename Receptor, typename F>
QMetaObject::Connection ConectaProtegido(Emissor* emissor, Sinal sinal, Receptor* receptor, F fn,
                                         Qt::ConnectionType tipo = Qt::AutoConnection) {
    if constexpr (std::is_member_function_pointer_v<F>)
        return QObject::connect(emissor, sinal, receptor,
                                ComandoProtegido(emissor, [receptor, fn](auto&&... a) {
                                    if constexpr (std::is_invocable_v<F, Receptor*, decltype(a)...>)
                                        std::invoke(fn, receptor, std::forward<decltype(a)>(a)...);
                                    else
                                        std::invoke(fn, receptor);
                                }),
                                tipo);
    else
        return QObject::connect(emissor, sinal, receptor, ComandoProtegido(emissor, std::move(fn)), tipo);
}

// What failed and why, as one sentence: "Não foi possível concluir o comando
// "Salvar": memória insuficiente." (cause: what went wrong, in Portuguese).
std::string DescricaoFalhaComando(const std::string& comando, const std::string& causa);
// The main program's message of a failed command: the sentence above and
// that the document stays open as it was.
std::string MensagemFalhaComando(const std::string& comando, const std::string& causa);
