// dmsplash: the about window TformSplash, shown by the main window at start-up
// and by "&Sobre o programa".
#pragma once

#include <QWidget>

class QLabel;
class QFrame;

class TformSplash : public QWidget {
    Q_OBJECT
public:
    explicit TformSplash(QWidget* parent = nullptr);

    // Shows the window (not modal) over the centre of the main window.
    void Mostra();
    // Fills in the version texts; runs every time the window is shown.
    void FormActivate();

    QFrame* panelNomeProg = nullptr;
    QLabel* stxtNomeProgPort = nullptr;
    QLabel* stxtNomeProgEmBraille = nullptr;
    QLabel* stxtBeta = nullptr;
    QFrame* panelProgramadoPor = nullptr;
    QLabel* stxtVersao = nullptr;
    QLabel* stxtdata = nullptr;
    QFrame* panelProduzidoCom = nullptr;
    QLabel* stxtAviso = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};

extern TformSplash* formSplash;
