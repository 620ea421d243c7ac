// TformExibeGraf: the graphic file viewer.
#include "output/gui/TformExibeGraf.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/dmvars.h"
#include "output/dmImprPagina.h"
#include "output/dmTiger.h"
#include "output/dmvigraf.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

TformExibeGraf* formExibeGraf = nullptr;

TformExibeGraf::TformExibeGraf(QWidget* pai) : QDialog(pai) {
    setObjectName("formExibeGraf");
    setWindowTitle(ParaQString("Verificação do gráfico"_cp));
    setAttribute(Qt::WA_QuitOnClose, false);
    imgGraf = new QLabel(this);
    imgGraf->setObjectName("imgGraf");
    // The whole image inside a one-pixel frame.
    imgGraf->setFrameShape(QFrame::Box);
    imgGraf->setLineWidth(1);
    imgGraf->setFixedSize(LarguraImagemExibe + 2, AlturaImagemExibe + 2);
    b_confirma = new QPushButton(ParaQString("Ok, confirma"), this);
    b_confirma->setObjectName("b_confirma");
    b_cancela = new QPushButton(ParaQString("Cancela"), this);
    b_cancela->setObjectName("b_cancela");
    auto* botoes = new QHBoxLayout();
    botoes->addStretch(1);
    botoes->addWidget(b_confirma);
    botoes->addWidget(b_cancela);
    botoes->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(imgGraf);
    layout->addLayout(botoes);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ConectaProtegido(b_confirma, &QPushButton::clicked, this, [this] {
        GraficoConfirmado = 1;
        accept();
    });
    ConectaProtegido(b_cancela, &QPushButton::clicked, this, [this] {
        GraficoConfirmado = 0;
        reject();
    });
}

void TformExibeGraf::FormShow() {
    GraficoConfirmado = 0;
    imagem_ = QImage(LarguraImagemExibe, AlturaImagemExibe, QImage::Format_RGB32);
    imagem_.fill(Qt::white);
    ArquivoGRB grb;
    if (const LeituraGRB r = LeArquivoGRB(NomeArquivo, ModeloEhTiger(ImprMarca), grb);
        r != LeituraGRB::Lido) {
        imgGraf->setPixmap(QPixmap::fromImage(imagem_));
        MensagemOK(MensagemLeituraGRB(r, NomeArquivo, "Arquivo "_cp + NomeArquivo + " não achado"_cp));
        return;
    }
    for (const Pixel& p : PixelsGRB(grb.conteudo)) imagem_.setPixel(p.x, p.y, 0xff000000);
    imgGraf->setPixmap(QPixmap::fromImage(imagem_));
}

void TformExibeGraf::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}
