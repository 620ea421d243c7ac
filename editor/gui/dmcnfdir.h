// TformConfigDir: "Configuração dos diretórios", the files and programs the
// program uses: the draft file, the two output code tables, the graphic
// code table, kelto, the graphic editor, the drawing program and the plate
// program. Created at start-up after the program settings (the braille code
// is known by then): it resolves the paths and loads the output code table
// of the code in force. The edits are filled then only; "O&K" takes them as
// typed and loads the code table again, "Torna isso &Padrão" also writes
// them.
#pragma once

#include "core/gui/JanelaConfig.h"
#include "editor/dmcnfdir_caminhos.h"

#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;

class TformConfigDir : public JanelaConfig {
    Q_OBJECT
public:
    explicit TformConfigDir(QWidget* pai = nullptr);

    // Settings -> edits, then the output code table; its result.
    bool MostraDiretorios();
    // Settings -> edits alone.
    void MostraCampos();
    // Edits -> settings as typed, then the output code table.
    void ColheDiretorios();
    // The browse action of one edit, starting in pasta (which becomes the
    // chosen file's folder).
    void EscolheArquivo(QLineEdit* edit, std::string& pasta);

    void btnOkClick();
    void btnPadraoClick();

    // The remembered folders.
    PastasConfig Pastas;
    // The open-file dialog ("Escolha programa Puma2"): true with the chosen
    // file; tests replace it.
    std::function<bool(const std::string& pasta, std::string& escolhido)> openDialogArquivo;

    QLineEdit *edtArqTrab, *edtAmBrCode, *edtAmBrCode2, *edtGrafBrCode, *edtKelTo, *edtProgDesen,
        *edtProgVelun, *edtProgPuma2;
    QPushButton *btnRasc, *btnCodBrAmer, *btnCodBrUnif, *btnCodGrafBr, *btnProgAcertBr, *btnEdGrafBr,
        *btnEdVelun, *btnPuma2;
    QPushButton *btnOk, *btnPadrao;

private:
    struct Campo {
        QLineEdit* edit;
        std::string* setting;
    };
    std::vector<Campo> campos_;
};

extern TformConfigDir* formConfigDir;
