// TformResolucao: "Número de Pontos do Papel", the paper size in dots that
// the relief-text preview draws.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TformResolucao : public QDialog {
    Q_OBJECT
public:
    explicit TformResolucao(QWidget* pai = nullptr);

    // The edits show the current size (each time the window is shown).
    void FormActivate();
    // "Confirma": both values within their limits become the size and the
    // dialog closes with OK; anything else closes it as cancelled.
    void botaoOKClick();

    QLabel* labelX;
    QLabel* labelY;
    QLineEdit* editX;
    QLineEdit* editY;
    QPushButton* botaoOK;
    QPushButton* botaoCancela;

protected:
    void showEvent(QShowEvent* e) override;
};

extern TformResolucao* formResolucao;
