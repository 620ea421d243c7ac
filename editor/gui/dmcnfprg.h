// TformConfig: "Configuração do Dotmara", the program settings window. It
// owns the twenty settings of section "DOTMARA" that steer translation and
// page composition: it reads them when it is created, shows them on every
// activation, takes them back on "O&k" or "Tornar isso &Padrão" (the second
// also writes them), and when a value changed the draft is compiled again and
// an open braille view refreshed as the window closes. Closing it by the
// close box takes nothing.
#pragma once

#include "core/gui/JanelaConfig.h"

#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TformConfig : public JanelaConfig {
    Q_OBJECT
public:
    explicit TformConfig(QWidget* pai = nullptr);
    ~TformConfig() override;

    // Reads the twenty keys into the settings (the range messages on the way).
    void LeConfiguracao();
    // Settings -> controls.
    void MostraConfiguracao();
    // Controls -> settings; Alterado on any difference; then the output code
    // table of the code in force is loaded again.
    void ColheConfiguracao();
    void MarcaOpcoes();

    void btnOkClick();
    void btnPadraoClick();
    void rbtnCabecFrenteVersoClick();
    void rbtnCabecSoFrenteClick();
    void rbtnCabecSemCabecClick();
    void ckboxFrenteVersoClick();
    void grboxNumeracaoPaginasEnter();

    // A collected value differed from its setting; cleared as the window closes.
    bool Alterado = false;

    QGroupBox* grboxNumeracaoPaginas;
    QRadioButton *rbtnNumPadrao, *rbtnNumDireita, *rbtnNumCentro, *rbtnNumEsquerda;
    QRadioButton *rbtnCabecSemCabec, *rbtnCabecSoFrente, *rbtnCabecFrenteVerso;
    QRadioButton *rbtnBrailleAntigo, *rbtnBrailleUnific;
    QRadioButton *rbtnIntercalaTextoGraf, *rbtnNaoImprimeGraficos, *rbtnGraficosNormais,
        *rbtnTudoEmModoGrafico, *rbtnRepassaGraficos;
    QLineEdit *edtNumColunas, *edtNumLinhas, *edtCabecalho, *edtMargemImPar, *edtMargemPar;
    QCheckBox *ckboxAfastaCabPar, *ckboxAutoFormata, *ckboxFrenteVerso, *ckboxSoFrenteInterp,
        *ckboxInicModoRevisor, *ckboxSeparaSilabas, *ckboxComNumeracao, *ckboxNumOriginal,
        *ckboxElimBrancas, *ckboxTextoIngles, *ckboxCabecIngles;
    QPushButton *btnOk, *btnPadrao;

protected:
    void FormActivate() override { MostraConfiguracao(); }
    void FormClose() override;

private:
    // The radios of an integer setting, in the order of their values.
    std::vector<QRadioButton*> numeracao_, cabecalho_, graficos_;
    // The check boxes with their flags, in the order they are collected.
    std::vector<std::pair<QCheckBox*, bool*>> caixas_;
    bool colhendo_ = false;
    QMetaObject::Connection focoNumeracao_;
};

extern TformConfig* formConfig;
