// dmbusca: the main window's find dialog (findDialogLocalizar) and replace
// dialog (replDialog). Both are modeless windows in front of the main
// window; they only hold what the user typed and ticked, and say which
// button was pressed: the main window searches and replaces (dmmain_editar).
// The search always goes forward, so there is no direction to choose.
#pragma once

#include "editor/dmedicao.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

class TFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* dono);
    std::string Texto() const;
    OpcoesProcura Opcoes() const;

    QLineEdit* edtLocalizar = nullptr;
    QCheckBox* ckboxPalavraInteira = nullptr;
    QCheckBox* ckboxMaiusculas = nullptr;
    QPushButton* btnLocalizar = nullptr;
    QPushButton* btnCancelar = nullptr;

signals:
    void Localizar();
};

class TReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit TReplaceDialog(QWidget* dono);
    std::string Texto() const;
    std::string Troca() const;
    OpcoesProcura Opcoes() const;

    QLineEdit* edtLocalizar = nullptr;
    QLineEdit* edtSubstituir = nullptr;
    QCheckBox* ckboxPalavraInteira = nullptr;
    QCheckBox* ckboxMaiusculas = nullptr;
    QPushButton* btnLocalizar = nullptr;
    QPushButton* btnSubstituir = nullptr;
    QPushButton* btnSubstituirTudo = nullptr;
    QPushButton* btnCancelar = nullptr;

signals:
    void Localizar();
    void Substituir();
    void SubstituirTudo();
};
