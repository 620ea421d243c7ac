// The wait notice: a line of text that stays on screen while a long task
// runs, until the caller hides it. One instance (formEspere).
#pragma once

#include <QWidget>

#include <string>

class QLabel;

class TformEspere : public QWidget {
    Q_OBJECT
public:
    explicit TformEspere(QWidget* parent = nullptr);
    // Shows the message and paints it at once (the caller keeps the GUI
    // thread busy afterwards).
    void Mostra(const std::string& msg);

    QLabel* stMensagem;
};

extern TformEspere* formEspere;
TformEspere& FormEspere();
