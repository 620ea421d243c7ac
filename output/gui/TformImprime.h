// TformImprime: the print dialog ("Detalhes da Impressão"): page range,
// copies, first page number and output device; "Imprima !" (and
// "Configure", bound to the same handler) starts the job.
#pragma once

#include "output/dmprint.h"

#include "output/dmspooler.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

class QPrinter;

class QLineEdit;
class QPushButton;

class TformImprime : public QDialog, public ServicosInicio {
    Q_OBJECT
public:
    explicit TformImprime(QWidget* parent = nullptr);
    ~TformImprime() override;

    QLineEdit* edPagInicial;
    QLineEdit* edPagFinal;
    QLineEdit* edQuantCopias;
    QLineEdit* edNumPagInic;
    QLineEdit* edNomeArqImpr;
    QPushButton* btnSelArqPrint;
    QPushButton* btnConfigImpr;
    QPushButton* btnImprime;

    // The device name of the job, kept until the job ends.
    std::string NomeDispositivo;
    // What the print server says of its queues before "PRN" opens the
    // system's print dialog (tests answer it; empty: the server is asked,
    // each wait bounded).
    std::function<FilasImpressao()> ConsultaFilas;
    // The system's print dialog on the printer; true on OK (tests answer it).
    std::function<bool(QPrinter&)> DialogoImpressora;

    void FormShow();
    void btnSelArqPrintClick();
    void btnImprimeClick();
    // btnImprimeClick for a caller that waits for the job's end: aoTerminar
    // runs on the worker thread when the job it started has ended (true:
    // ended well). False when no job started (aoTerminar never runs then).
    bool IniciaTrabalho(std::function<void(bool)> aoTerminar);

    // Closing the program: cancels a running job, lets its pending boxes
    // through and waits for the worker.
    static void EncerraImpressao();

    // ServicosInicio: the real steps of a start.
    bool CarregaTabela() override;
    bool EscolheImpressora() override;
    std::unique_ptr<Dispositivo> Abre(const std::string& nome) override;
    void MostraProgresso() override;
    void EscondeProgresso() override;
    bool Compila(const PedidoCompilacao& pedido) override;
    InstantaneoImpressao Instantaneo() override;
    AvisosImpressao* Avisos() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    // Made on the first "PRN" that the print server answers: making a
    // printer asks the server, with no bound on the wait.
    std::unique_ptr<QPrinter> printDialogPrinter_;
};

extern TformImprime* formImprime;
