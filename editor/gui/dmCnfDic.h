// TformConfigDicionario: "Configuração do dicionário", the five files of the
// spelling dictionary (section "DICIONARIO"). It reads them when it is
// created; shown modally, it shows them on activation; "OK" takes them as
// typed, "Tornar padrão" takes and writes them. A dictionary already loaded
// stays as it is until it is loaded again.
#pragma once

#include "core/gui/JanelaConfig.h"

#include <string>
#include <utility>
#include <vector>

class QLineEdit;
class QPushButton;

class TformConfigDicionario : public JanelaConfig {
    Q_OBJECT
public:
    explicit TformConfigDicionario(QWidget* pai = nullptr);

    // The five edits -> the five settings, as typed.
    void ColheArquivos();

    void btnOKClick();
    void btnPadraoClick();

    QLineEdit *edtDiciona, *edtSufixos, *edtExcessoes, *edtNomes, *edtSugestoes;
    QPushButton *btnOK, *btnPadrao;

protected:
    void FormActivate() override;

private:
    std::vector<std::pair<QLineEdit*, std::string*>> campos_;
};

extern TformConfigDicionario* formConfigDicionario;
