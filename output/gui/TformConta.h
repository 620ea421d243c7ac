// TformConta: the progress window of a print job ("Imprimindo..."): copy and
// page every 500 ms, the blocked-printer notice, and "Cancelar !".
#pragma once

#include "output/dmprint.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

class TformConta : public QDialog, public AvisosImpressao {
    Q_OBJECT
public:
    explicit TformConta(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Button1;
    QTimer* Timer1;

    void Timer1Timer();
    void Button1Click();

    // From the print worker: passed on to the user-interface thread.
    void EscondeProgresso() override;
    void MostraBloqueio(const std::string& texto) override;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
};

extern TformConta* formConta;
