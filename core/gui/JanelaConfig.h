// JanelaConfig: what the settings windows have in common. Each is created
// once at start-up and lives until the program ends; it is shown and hidden
// many times. Every activation (and every show) runs FormActivate; every way
// of closing it (its buttons, the close box, Esc) runs FormClose. Helpers
// move settings text between the program (Windows-1252) and the controls.
#pragma once

#include <QDialog>

#include <string>

class QAbstractButton;
class QLineEdit;

class JanelaConfig : public QDialog {
    Q_OBJECT
public:
    // naFrente: the window stays above the other windows.
    JanelaConfig(const std::string& titulo, bool naFrente, QWidget* pai = nullptr);

protected:
    virtual void FormActivate() {}
    virtual void FormClose() {}

    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Esc closes the window as the close box does.
    void keyPressEvent(QKeyEvent* e) override;

    // A button that Enter in an edit does not press.
    static void SemEnter(QAbstractButton* b);

    static std::string Texto(const QLineEdit* e);
    static void DefineTexto(QLineEdit* e, const std::string& s);
};
