// TformConta: the progress window of a print job.
#include "output/gui/TformConta.h"

#include "output/gui/TformImprime.h"

#include "core/dmvars.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"

#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TformConta* formConta = nullptr;

TformConta::TformConta(QWidget* parent) : QDialog(parent) {
    setWindowTitle(ParaQString("Imprimindo..."));
    Label1 = new QLabel(this);
    Label2 = new QLabel(this);
    Label1->setAlignment(Qt::AlignCenter);
    Label2->setAlignment(Qt::AlignCenter);
    Button1 = new QPushButton(ParaQString("Cancelar !"), this);
    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Label1);
    l->addWidget(Label2);
    l->addWidget(Button1, 0, Qt::AlignCenter);
    ConectaProtegido(Timer1, &QTimer::timeout, this, &TformConta::Timer1Timer);
    ConectaProtegido(Button1, &QPushButton::clicked, this, &TformConta::Button1Click);
    resize(300, 110);
}

void TformConta::showEvent(QShowEvent* e) {
    Timer1->start();
    QDialog::showEvent(e);
}

void TformConta::hideEvent(QHideEvent* e) {
    Timer1->stop();
    QDialog::hideEvent(e);
}

void TformConta::Timer1Timer() {
    Label1->setText(ParaQString(TextoProgresso(CopiaAtual.load(), NumCopias.load(), PaginaAtual.load())));
}

void TformConta::Button1Click() {
    CancelaImpressao = true;
    hide();
}

void TformConta::EscondeProgresso() {
    QMetaObject::invokeMethod(this, [this] {
        Label2->clear();
        hide();
        if (formImprime) formImprime->NomeDispositivo.clear();
    }, Qt::QueuedConnection);
}

void TformConta::MostraBloqueio(const std::string& texto) {
    QString t = ParaQString(texto);
    QMetaObject::invokeMethod(this, [this, t] { Label2->setText(t); }, Qt::QueuedConnection);
}
