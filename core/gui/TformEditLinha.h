// The one-line input box: a prompt, an edit line, OK and Cancelar. One
// instance (formEditLinha) serves every call of EditaLinha.
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

class TformEditLinha : public QDialog {
    Q_OBJECT
public:
    explicit TformEditLinha(QWidget* owner = nullptr);
    // True when the user confirmed with OK; s then holds the edited text,
    // otherwise s is unchanged.
    bool Executa(const std::string& titulo, const std::string& prompt, std::string& s);

    QLabel* stxtMensEdLinha;
    QLineEdit* edtLinha;
    QPushButton* btnOK;
    QPushButton* btnCancelar;

    int MargemTexto() const { return margem_; }
    int AlturaLinha() const { return alturaLinha_; }

public slots:
    void reject() override; // Esc, Cancelar and the close button give 2

private:
    int margem_ = 0;
    int alturaLinha_ = 0;
};

// The instance, made on first use when start-up has not made it.
extern TformEditLinha* formEditLinha;
TformEditLinha& FormEditLinha();
