// TformAltoRelevo: "Inserir texto em alto-relevo". Ink text typed by the
// user is drawn as raised dots with a dot font (.MDL), previewed on a
// picture of the paper, and saved as a .GRB graphic by "Gerar Gráfico";
// the caller then inserts its reference of the kind chosen here.
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>
#include <string>

#include "output/dmAltoRelevo.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QStatusBar;
class TformAltoRelevo;

// The preview: the paper and every raised dot of the grid, three pixels per
// dot.
class TCaixaAltoRelevo : public QWidget {
    Q_OBJECT
public:
    explicit TCaixaAltoRelevo(TformAltoRelevo* dono);
    // Fits the widget to the paper and to the dots drawn beyond it.
    void Ajusta();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TformAltoRelevo* dono_;
};

class TformAltoRelevo : public QDialog {
    Q_OBJECT
public:
    explicit TformAltoRelevo(QWidget* pai = nullptr);

    // ---- Read by the caller after OK ----
    int TipoGrafico = 0;        // index of cbboxTipoGrafico: 0, 1 or 2
    std::string ArquivoGRB;     // the saved graphic

    // ---- The font and the grid, kept for the whole run ----
    FonteMDL Fonte;
    GradeRelevo Grade;

    // File dialogs and the resolution dialog; tests replace them. True (or
    // QDialog::Accepted) with the chosen file.
    std::function<bool(std::string& nome)> dialogoFonte;
    std::function<bool(std::string& nome)> dialogoSalvar;
    std::function<int()> executaResolucao;

    // ---- Operations (also driven by tests) ----
    bool FonteCarregada() const { return Fonte.Carregada; }
    void MostraNomeFonte(const std::string& arquivo);
    void HabilitaControles(bool habilita);
    void edtFonteMDLChange();
    void memAltoRelevoChange();
    void btnSelecFontClick();
    void btnResolucaoClick();
    void btnGerarGrafClick();
    // The status panel's text.
    QString TextoStatus() const;

    QLabel* stxtHeaderMDL;
    QLineEdit* edtFonteMDL;
    QPushButton* btnSelecFont;
    QLabel* stxtTipoGrafico;
    QComboBox* cbboxTipoGrafico;
    QPushButton* btnResolucao;
    QLabel* stxtDigiteTexto;
    QPlainTextEdit* memAltoRelevo;
    QLabel* stxtTextoAltoRelevo;
    QScrollArea* rolagemAltoRelevo;
    TCaixaAltoRelevo* pboxAltoRelevo;
    QPushButton* btnGerarGraf;
    QPushButton* btnCancela;
    QStatusBar* sbarAltoRelevo;
    QLabel* painelStatus;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormShow();
};

extern TformAltoRelevo* formAltoRelevo;
