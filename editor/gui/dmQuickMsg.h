// dmQuickMsg: the quick message, a short notice that needs no answer and goes
// away by itself (the spell check says with it that the dictionary was loaded
// or removed from memory). One instance, formQuickMessage.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLabel;

class TformQuickMessage : public QDialog {
    Q_OBJECT
public:
    explicit TformQuickMessage(QWidget* parent = nullptr);

    QLabel* stMensagem;
    // How long a notice stays, in milliseconds.
    static constexpr int Duracao = 2000;
    // The wait while the notice shows: the user-interface thread sleeps (it
    // neither repaints nor takes input meanwhile). Tests replace it.
    std::function<void(int ms)> Espera;
};

extern TformQuickMessage* formQuickMessage;

// Shows texto in the quick message, centred on form (or the screen), lets it
// paint, waits two seconds and hides it; returns when it is hidden. Makes
// the window when it is not there yet.
void ExibeMensagemRapida(QWidget* form, const std::string& texto);
