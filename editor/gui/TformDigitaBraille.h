// TformDigitaBraille: "Digitação Perkins", six-key typing into the main
// editor as on a braille writer. The window sees every key first; the keys'
// logic is DigitacaoPerkins (editor/dmdigbrl.h), and each cell goes into the
// editor through the clipboard.
#pragma once

#include "editor/dmdigbrl.h"
#include "platform/qt/teclasqt.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

// How the typing aids type: the text through the clipboard into the main
// editor at its caret (InsereCaractere), then the braille strip refreshed.
void InsereNoEditorPrincipal(const std::string& texto);

class TformDigitaBraille : public QDialog {
    Q_OBJECT
public:
    explicit TformDigitaBraille(QWidget* pai = nullptr);

    // Writes the default keys into the six boxes and reads them back.
    void RedefineTeclas();
    void LeTeclas();
    // A fresh chord, the default keys, the focus (every activation).
    void FormActivate();
    // A key as the window sees it (tests drive it too): true when taken.
    bool Tecla(int tecla, bool solta, bool repetida);

    // What the window does with a cell and with Backspace or Enter; by
    // default the main editor gets them (InsereCaractere and the strip's
    // refresh; the key pressed and released in the editor).
    std::function<void(const std::string&)> Insere;
    std::function<void(int tecla)> PassaAoEditor;

    DigitacaoPerkins Perkins;
    // Key releases, told apart from a held key's auto-repeat.
    SolturasDeTeclas Solturas;
    std::array<int, 6> TeclasPonto{};
    std::array<QLineEdit*, 6> edtPonto{};
    QLabel* labEspaco;
    QLabel* labEnter;
    QLabel* labBackspace;
    QStatusBar* sbarDigitaBraille;
    QPushButton* btnEditar;
    QPushButton* btnCancelar;
    QPushButton* btnConfirmar;
    QPushButton* btnRedefinir;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
};

extern TformDigitaBraille* formDigitaBraille;
