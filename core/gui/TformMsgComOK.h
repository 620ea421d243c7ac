// The message box of the program: one static text and one OK button, the box
// sized to its text. MensagemOK makes one for each message.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QPushButton;

class TformMsgComOK : public QDialog {
    Q_OBJECT
public:
    explicit TformMsgComOK(QWidget* owner = nullptr);
    // Shows msg modally (CR LF, CR or LF break lines); returns the modal
    // result: 1 for OK, 2 for Esc or the close button.
    int Executa(const std::string& msg);

    QLabel* stxtMensOK;
    QPushButton* btnOK;

    // Measured once from the label's font: the text margin and the height of
    // one text line.
    int MargemTexto() const { return margem_; }
    int AlturaLinha() const { return alturaLinha_; }

public slots:
    void reject() override; // Esc and the close button give 2

private:
    int margem_ = 0;
    int alturaLinha_ = 0;
};

// Splits a message into its lines at CR LF, CR or LF.
std::vector<std::string> LinhasDaMensagem(const std::string& msg);
