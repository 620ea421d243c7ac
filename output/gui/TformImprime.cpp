// TformImprime: the print dialog and the start of a print job.
#include "output/gui/TformImprime.h"

#include "core/dmtraduz.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "output/dmdevice.h"
#include "output/dmTiger.h"
#include "output/gui/SuperficieTigerQt.h"
#include "output/gui/TformConta.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QApplication>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

TformImprime* formImprime = nullptr;

TformImprime::TformImprime(QWidget* parent) : QDialog(parent) {
    setWindowTitle(ParaQString("Detalhes da Impressão"_cp));
    edPagInicial = new QLineEdit(QStringLiteral("1"), this);
    edPagFinal = new QLineEdit(QStringLiteral("9999"), this);
    edQuantCopias = new QLineEdit(QStringLiteral("1"), this);
    edNumPagInic = new QLineEdit(QStringLiteral("1"), this);
    edNomeArqImpr = new QLineEdit(this);
    btnSelArqPrint = new QPushButton(QStringLiteral("..."), this);
    btnSelArqPrint->setToolTip(ParaQString("Clique para definir nome do arquivo de impressão"_cp));
    btnConfigImpr = new QPushButton(ParaQString("Configure"), this);
    btnImprime = new QPushButton(ParaQString("Imprima !"), this);
    btnImprime->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(ParaQString("Página &inicial"_cp), edPagInicial);
    form->addRow(ParaQString("Página final"_cp), edPagFinal);
    form->addRow(ParaQString("Quantidade de cópias"_cp), edQuantCopias);
    form->addRow(ParaQString("Número página inicial"_cp), edNumPagInic);
    auto* disp = new QHBoxLayout;
    disp->addWidget(edNomeArqImpr, 1);
    disp->addWidget(btnSelArqPrint);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(btnConfigImpr);
    botoes->addWidget(btnImprime);
    auto* l = new QVBoxLayout(this);
    l->addLayout(form);
    l->addWidget(new QLabel(ParaQString("Dispositivo de impressão:"_cp), this));
    l->addLayout(disp);
    l->addLayout(botoes);

    ConectaProtegido(btnSelArqPrint, &QPushButton::clicked, this, &TformImprime::btnSelArqPrintClick);
    // "Configure" starts the job exactly as "Imprima !" does.
    ConectaProtegido(btnConfigImpr, &QPushButton::clicked, this, &TformImprime::btnImprimeClick);
    ConectaProtegido(btnImprime, &QPushButton::clicked, this, &TformImprime::btnImprimeClick);
    // Enter in the device field reaches the default button "Imprima !".
}

TformImprime::~TformImprime() = default;

void TformImprime::showEvent(QShowEvent* e) {
    FormShow();
    QDialog::showEvent(e);
}

void TformImprime::FormShow() { edNomeArqImpr->setText(ParaQString(ImprNomeArq)); }

void TformImprime::btnSelArqPrintClick() {
    QString f = QFileDialog::getSaveFileName(this, QString(), edNomeArqImpr->text(),
                                             QStringLiteral("Arquivos BRL (*.BRL);;Todos os arquivos (*.*)"));
    if (f.isEmpty()) return;
    std::string nome = CaminhoDoSistema(f.toStdString());
    if (!ArquivoExiste(nome) && ExtraiExtensao(nome).empty()) nome += ".BRL";
    ImprNomeArq = nome;
    edNomeArqImpr->setText(ParaQString(ImprNomeArq));
}

void TformImprime::btnImprimeClick() { IniciaTrabalho({}); }

bool TformImprime::IniciaTrabalho(std::function<void(bool)> aoTerminar) {
    if (Imprimindo.load()) {
        // The running job is not touched.
        dialogos().MensagemOK("Não é possível imprimir duas listagens simultaneamente."_cp);
        return false;
    }
    NomeDispositivo.clear();
    hide();
    CamposImpressao c{DeQString(edPagInicial->text()), DeQString(edPagFinal->text()),
                      DeQString(edQuantCopias->text()), DeQString(edNumPagInic->text()),
                      DeQString(edNomeArqImpr->text())};
    return IniciaImpressao(c, *this, NomeDispositivo, std::move(aoTerminar));
}

bool TformImprime::CarregaTabela() { return CarregaTabelaImpressora(); }

bool TformImprime::EscolheImpressora() {
    // The system's dialog and the printer it fills ask the print server with
    // no bound on the wait: a server that is stopped or hung is found out
    // here first, as is one without a queue (the dialog could then only
    // offer a PDF file and the job would fail after it).
    const FilasImpressao filas = ConsultaFilas ? ConsultaFilas() : ConsultaFilasImpressao();
    if (!filas.responde) {
        dialogos().MensagemOK(MensagemServidorNaoResponde());
        return false;
    }
    if (filas.quantas <= 0) {
        dialogos().MensagemOK(MensagemSemFilaImpressao());
        return false;
    }
    if (!printDialogPrinter_) printDialogPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& p = *printDialogPrinter_;
    const bool aceito = DialogoImpressora ? DialogoImpressora(p) : QPrintDialog(&p, this).exec() == QDialog::Accepted;
    if (!aceito) return false;
    DriverImpressora.clear();
    PortaImpressora.clear();
    // The dialog's file entry names no queue: the job goes to the file
    // chosen or nowhere, never to a queue the user did not choose.
    if (p.outputFormat() == QPrinter::PdfFormat || p.printerName().isEmpty()) {
        DispImpressora.clear();
        if (!ModeloEhTiger(ImprMarca) || p.outputFileName().isEmpty()) {
            dialogos().MensagemOK(
                "\"Imprimir para arquivo (PDF)\" não é uma impressora: o braille deste modelo vai para a "_cp
                "impressora\r\ncomo texto puro, que um PDF não guarda. Nada foi enviado.\r\nEscolha uma "_cp
                "impressora, ou, para gravar o braille num arquivo,\r\nescreva o nome do arquivo em "_cp
                "\"Dispositivo de impressão:\" no lugar de PRN."_cp);
            return false;
        }
        InstalaTigerQt(QString(), p.outputFileName());
        return true;
    }
    DispImpressora = DeQString(p.printerName());
    InstalaTigerQt(p.printerName());
    return true;
}

std::unique_ptr<Dispositivo> TformImprime::Abre(const std::string& nome) {
    DefineContextoAbertura(&CancelaImpressao, [](const std::string& t) {
        if (formConta) formConta->MostraBloqueio(t);
    });
    if (!AbreDispositivo(nome)) return nullptr;
    return TomaDispositivo();
}

void TformImprime::MostraProgresso() {
    if (formConta) formConta->show();
}

void TformImprime::EscondeProgresso() {
    if (formConta) formConta->hide();
}

bool TformImprime::Compila(const PedidoCompilacao& pedido) { return CompilaRascunho(pedido); }

InstantaneoImpressao TformImprime::Instantaneo() { return TiraInstantaneo(); }

AvisosImpressao* TformImprime::Avisos() { return formConta; }

void TformImprime::EncerraImpressao() {
    TThreadImpressao::CancelaParaSair();
    // A worker may be waiting for a box posted to this thread.
    while (!TThreadImpressao::Terminaram()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    TThreadImpressao::Termina();
}
