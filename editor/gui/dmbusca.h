// dmbusca: the main window's find dialog (findDialogLocalizar) and replace
// dialog (replDialog), one window class for both. They are modeless windows
// in front of the main window that only hold what the user typed and ticked
// and say which button was pressed: the main window searches and replaces
// (dmmain_editar). The search always goes forward, so there is no direction
// to choose.
#pragma once

#include "editor/dmedicao.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

class TDialogoBusca : public QDialog {
    Q_OBJECT
public:
    // The find dialog, or (substituir) the replace dialog, with the
    // replacement text and the buttons to replace one and all.
    TDialogoBusca(QWidget* dono, bool substituir);
    std::string Texto() const;
    std::string Troca() const;   // "" in the find dialog
    OpcoesProcura Opcoes() const;

    QLineEdit* edtLocalizar = nullptr;
    QLineEdit* edtSubstituir = nullptr;        // replace dialog only
    QCheckBox* ckboxPalavraInteira = nullptr;
    QCheckBox* ckboxMaiusculas = nullptr;
    QPushButton* btnLocalizar = nullptr;
    QPushButton* btnSubstituir = nullptr;      // replace dialog only
    QPushButton* btnSubstituirTudo = nullptr;  // replace dialog only
    QPushButton* btnCancelar = nullptr;

signals:
    void Localizar();
    void Substituir();
    void SubstituirTudo();
};
