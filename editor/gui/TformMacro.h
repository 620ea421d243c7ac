// TformMacro: the macro processor's window ("Processador de macros"), opened
// modeless from "Utilitários". It shows the macro file and applies its
// codes to the selected lines of the main window's document (dmmacro).
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TformMacro : public QDialog {
    Q_OBJECT
public:
    explicit TformMacro(QWidget* parent = nullptr);

    // On every activation: the macro file of the INI (or the shipped one).
    void FormActivate();
    // Loads the file and applies it; the window hides unless the file name
    // was refused.
    void Button1Click();

    QLabel* Label1 = nullptr;
    QLineEdit* E_arqmacro = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void changeEvent(QEvent* e) override;
};

extern TformMacro* formMacro;
