// TformChecaBrl: "Braille gerado", the back-check of one generated braille
// line (as cells, as output-code characters under a column ruler, and as a
// rough ink text). It changes nothing.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class TLabelBraille;

class TformChecaBrl : public QDialog {
    Q_OBJECT
public:
    explicit TformChecaBrl(QWidget* pai = nullptr);

    // The line in output codes, trailing blanks already removed: shown as
    // cells (stxtBraille) and as characters (edtBraille).
    void DefineLinha(const std::string& linha);
    const std::string& Linha() const { return linha_; }
    // Fills the reversed text from the line (done on every activation).
    void FormActivate();
    // Shows the window modally without blocking the caller's event loop.
    void MostraModal();
    // The reversed text as computed (character 0 included).
    const std::string& Reversao() const { return reversao_; }

    TLabelBraille* stxtBraille;
    QLabel* stxtReversao;
    QLineEdit* edtReversao;
    QLabel* stxtRegua;
    QLineEdit* edtBraille;
    QLabel* stxtCodigoDeImpr;
    QPushButton* btnOk;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void btnOkClick();
    std::string linha_;
    std::string reversao_;
};

extern TformChecaBrl* formChecaBrl;
