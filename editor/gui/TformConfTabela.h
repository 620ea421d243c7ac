// TformConfTabela: "Assistente para configuração de tabelas". Takes the
// column count and the frame and separator styles, and has the table built
// from the selected lines (editor/dmtabela.h). Modal; it stays open while
// the count is not one it can use.
#pragma once

#include "editor/dmtabela.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TformConfTabela : public QDialog {
    Q_OBJECT
public:
    explicit TformConfTabela(QWidget* pai = nullptr);

    OpcoesTabela Opcoes() const;
    // "Gerar &Tabela": the table before the selected lines, then the window
    // closes; otherwise it stays open.
    void btnGerarTabelaClick();

    QLineEdit* edtNumColunas;
    QGroupBox* rgrpMoldura;
    QGroupBox* rgrpSeparadores;
    QButtonGroup* grupoMoldura;
    QButtonGroup* grupoSeparadores;
    QPushButton* btnGerarTabela;
    QPushButton* btnCancelar;
};

extern TformConfTabela* formConfTabela;
