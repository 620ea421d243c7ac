// TformConfigPrn: "Configuração da Impressora Braille", the embosser model
// and where the braille goes (a parallel or serial port, the printer chosen
// in the print dialog, a network print queue or a file). It owns section
// "IMPBRAILLE": read when the window is created (and when a configuration
// profile is loaded), written whole by every "&OK". A change of model makes
// the main window compile the draft again and refresh an open braille view.
#pragma once

#include "core/gui/JanelaConfig.h"
#include "output/dmcnfprt_modelos.h"

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What the window needs of the rest of the program; the main window fills it
// in, tests fake it.
struct LigacoesConfigPrn {
    std::function<void(bool mostrar, bool ativar)> VisualizaBraille;
    std::function<bool()> VisualVisivel;         // the braille view is shown
    std::function<bool(QWidget*)> EhVisual;      // the window is the braille view
    std::function<void(bool)> HabilitaChamarPuma; // the main window's "Chamar &Puma 7"
};

class TformConfigPrn : public JanelaConfig {
    Q_OBJECT
public:
    explicit TformConfigPrn(QWidget* pai = nullptr);

    // Section "IMPBRAILLE" -> settings and controls, the dot geometry, the
    // fields the model enables.
    void LeConfiguracao();
    void MostraConfiguracao();
    void ColheConfiguracao();
    // Looks the model up in the list (letter case aside) and adds an unknown
    // one, after asking unless silencioso. IndiceModelo becomes its index
    // (-1 when the user declined).
    void ConfereModelo(const std::string& nome, bool silencioso);
    void HabilitaCampos();
    // Shows the window, remembering who opened it.
    void FormShow(QWidget* chamador);
    // The output in force (ImprNomeArq) in the edit, and its radio checked
    // as a click does (a port's caption, a file with its forced extension).
    void MostraSaida();

    void btnOKClick();
    void btnCancelaClick();
    // The radios of the ports and of the printer ("LPT1" .. "PRN").
    void rbtnPortaClick(QRadioButton* radio);
    void rbtnRedeClick();
    void rbtnArquivoClick();
    void ckboxForcaExtBRLClick();
    void cbboxModeloImpChange();
    void cbboxModeloImpExit();
    void btnSelecArqClick();

    // The model text of the box.
    std::string Modelo() const;
    // The models listed (the fixed list, then those the user accepted).
    const std::vector<std::string>& Modelos() const { return modelos_; }

    QWidget* Chamador = nullptr;
    int IndiceModelo = -1;
    bool Alterado = false;
    LigacoesConfigPrn Ligacoes;
    // The save dialog of the browse button: true with the chosen file;
    // tests replace it.
    std::function<bool(const std::string& inicial, std::string& escolhido)> saveDialogArquivo;

    QComboBox* cbboxModeloImp;
    QRadioButton *rbtnLPT1, *rbtnLPT2, *rbtnLPT3, *rbtnCOM1, *rbtnCOM2, *rbtnPRN, *rbtnRede, *rbtnArquivo;
    QLineEdit* edtNomeArq;
    QPushButton* btnSelecArq;
    QCheckBox *ckboxEnviaVazias, *ckboxForcaExtBRL;
    QPushButton *btnOK, *btnCancela;

protected:
    void FormActivate() override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:

    void GuardaArquivoDigitado();
    QRadioButton* Radio(SaidaImpressora s) const;
    // The file that "Arquivo" brings back: the output in force when the
    // window was shown, then a file typed before choosing a port or chosen
    // by browsing.
    std::string arquivoGuardado_;
    std::vector<std::string> modelos_;
    std::vector<QRadioButton*> radios_; // in the order of SaidaImpressora
};

extern TformConfigPrn* formConfigPrn;
