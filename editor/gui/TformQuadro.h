// TformQuadro: "Quadrinho", the choice of frame for the selected lines
// (editor/dmquadro.h). Shown beside the editor, not modal.
#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

class TformQuadro : public QDialog {
    Q_OBJECT
public:
    explicit TformQuadro(QWidget* pai = nullptr);

    // Frames the selected lines of the main editor with a frame of tipo (1
    // to 3) and refreshes the braille strip.
    static void InsereQuadro(int tipo);
    // The type checked, 1 to 3.
    int TipoMarcado() const;

    QGroupBox* rgrpTipo;
    QButtonGroup* grupoTipo;
    QRadioButton* rbtnPadrao;
    QRadioButton* rbtnPedirAjuda;
    QRadioButton* rbtnLegenda;
    QPushButton* btnOk;
    QPushButton* btnCancela;
};

extern TformQuadro* formQuadro;
