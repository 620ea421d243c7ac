// TformVisualGraf: the graphic page preview.
#include "output/gui/TformVisualGraf.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "core/dmvars.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

TformVisualGraf* formVisualGraf = nullptr;

TformVisualGraf::TformVisualGraf(QWidget* pai) : QWidget(pai, Qt::Window) {
    setObjectName("formVisualGraf");
    setWindowTitle(ParaQString("Visualização da Impressão Gráfica Braille"_cp));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    // FormCreate: the image fills the client area.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    imVisualGraf = new QLabel(this);
    imVisualGraf->setObjectName("imVisualGraf");
    imVisualGraf->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imVisualGraf->installEventFilter(this);
    layout->addWidget(imVisualGraf);
}

void TformVisualGraf::PreparaPagina() {
    const int w = pagina_.LarguraPaginaGraf, h = pagina_.AlturaPaginaGraf;
    imagem_ = QImage(w + MargemImagemGraf, h + MargemImagemGraf, QImage::Format_RGB32);
    imagem_.fill(palette().color(QPalette::Window));
    QPainter p(&imagem_);
    p.fillRect(QRect(QPoint(20, 20), QPoint(w + 21, h + 21)), Qt::white);
    p.setPen(QColor::fromRgb(CorMoldura));
    p.drawLine(20, 20, w + 20, 20);
}

void TformVisualGraf::MolduraPagina() {
    const int w = pagina_.LarguraPaginaGraf, h = pagina_.AlturaPaginaGraf;
    QPainter p(&imagem_);
    p.setPen(QColor::fromRgb(CorMoldura));
    p.drawPolyline(QPolygon({QPoint(20, 20), QPoint(w + 21, 20), QPoint(w + 21, h + 21),
                             QPoint(20, h + 21), QPoint(20, 20)}));
}

void TformVisualGraf::DesenhaPagina() {
    ++desenhos_;
    static const std::vector<std::string> nenhuma;
    const std::vector<std::string>& linhas = Ligacoes.LinhasRascunho ? Ligacoes.LinhasRascunho() : nenhuma;
    const int sel = Ligacoes.LinhaSelecionada ? Ligacoes.LinhaSelecionada() : -1;
    pagina_ = DesenhaPaginaGraf(EntradaPreviewAtual(linhas, sel));
    PreparaPagina();
    {
        QPainter p(&imagem_);
        for (const BlocoPonto& b : pagina_.pontos)
            p.fillRect(b.x + DeslocamentoPixel, b.y + DeslocamentoPixel, b.largura, b.altura,
                       QColor::fromRgb(CorPontos));
    }
    MolduraPagina();
    imVisualGraf->setPixmap(QPixmap::fromImage(imagem_));
    imVisualGraf->setFixedSize(imagem_.size());
    setFixedSize(imagem_.size());
    // The messages come once the page is there to be seen.
    for (const std::string& m : pagina_.mensagens) MensagemOK(m);
}

void TformVisualGraf::TeclaSolta(int tecla) {
    switch (tecla) {
    // The view redraws this window when it comes to another page; drawn
    // once more here, a missing graphic's message would come twice.
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: {
        const auto& muda = tecla == Qt::Key_PageDown ? Ligacoes.ProximaPagina : Ligacoes.PaginaAnterior;
        const unsigned antes = desenhos_;
        if (muda) muda();
        if (desenhos_ == antes) DesenhaPagina();
        break;
    }
    case Qt::Key_Escape:
        close();
        break;
    default:
        break;
    }
}

void TformVisualGraf::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    DesenhaPagina();
}

void TformVisualGraf::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;
    TeclaSolta(e->key());
}

bool TformVisualGraf::eventFilter(QObject* o, QEvent* e) {
    // A click on the page closes the window.
    if (o == imVisualGraf && e->type() == QEvent::MouseButtonRelease) {
        close();
        return true;
    }
    return QWidget::eventFilter(o, e);
}
