// JanelaConfig: what the settings windows have in common. Each is created
// once at start-up and lives until the program ends; it is shown and hidden
// many times. Every activation (and every show) runs FormActivate; every way
// of closing it (its buttons, the close box, Esc) runs FormClose. Helpers
// move settings text between the program (Windows-1252) and the controls.
#pragma once

#include <QDialog>

#include <initializer_list>
#include <string>
#include <string_view>

class QAbstractButton;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

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
    // A push button of the window (legenda in Windows-1252): the default
    // one (Enter presses it), or one that Enter does not press.
    QPushButton* Botao(const char* nome, std::string_view legenda, bool padrao);
    // The buttons in one row, at its right end.
    static QHBoxLayout* LinhaDeBotoes(std::initializer_list<QPushButton*> botoes);

    static std::string Texto(const QLineEdit* e);
    static void DefineTexto(QLineEdit* e, const std::string& s);
};
