// TformExibeGraf: "Verificação do gráfico", the graphic file viewer. Shows
// one .GRB file at twice its size so the user can confirm it before its
// reference is inserted.
#pragma once

#include <QDialog>
#include <QImage>
#include <string>

class QLabel;
class QPushButton;

class TformExibeGraf : public QDialog {
    Q_OBJECT
public:
    explicit TformExibeGraf(QWidget* pai = nullptr);

    // The file to show (its path as chosen), set before the window opens.
    std::string NomeArquivo;
    // The answer: 1 "Ok, confirma", 0 "Cancela" or the window closed.
    int GraficoConfirmado = 0;

    // Clears the image and draws the file (run when the window is shown).
    void FormShow();
    const QImage& Imagem() const { return imagem_; }

    QLabel* imgGraf;
    QPushButton* b_confirma;
    QPushButton* b_cancela;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QImage imagem_;
};

extern TformExibeGraf* formExibeGraf;
