// TformConfigMargem: "Configuração da margem", the editor's automatic line
// break while typing and its wrap column. Shown from the main window; every
// activation shows the settings, "&OK" takes them, "&Tornar isso padrão"
// takes and writes them, "&Cancelar" leaves them.
#pragma once

#include "core/gui/JanelaConfig.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class TformConfigMargem : public JanelaConfig {
    Q_OBJECT
public:
    explicit TformConfigMargem(QWidget* pai = nullptr);

    // QuebraLin from the box; MaxCol from the edit (a whole number of at
    // least 1, else 70).
    void ColheMargem();

    void btnOkClick();
    void btnTornarPadraoClick();
    void btnCancelarClick();

    QCheckBox* chckBoxQuebraAutom;
    QLineEdit* edtColunaMax;
    QPushButton *btnOk, *btnTornarPadrao, *btnCancelar;

protected:
    void FormActivate() override;
};

extern TformConfigMargem* formConfigMargem;
