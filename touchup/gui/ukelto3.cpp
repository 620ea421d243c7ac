// ukelto3: the dot drawer.
#include "touchup/gui/ukelto3.h"

#include "platform/qt/textoqt.h"
#include "platform/texto.h"
#include "touchup/gui/ukelto.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TForm3* Form3 = nullptr;

namespace {

constexpr int kPasso = GradeDesenho::kPixelsPorPasso;
constexpr int kLargura = GradeDesenho::kColunasGrade * kPasso;  // 344
constexpr int kAltura = GradeDesenho::kLinhasGrade * kPasso;    // 512
const QColor kCinza(128, 128, 128);
const QColor kPrata(192, 192, 192);

GradeDesenho::Botao BotaoDe(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return GradeDesenho::Botao::Esquerdo;
    case Qt::RightButton: return GradeDesenho::Botao::Direito;
    default: return GradeDesenho::Botao::Outro;
    }
}

// The 2 x 2 pixel square of a grid point.
QRect Quadrado(int coluna, int linha) { return {kPasso * coluna + 1, kPasso * linha + 1, 2, 2}; }

} // namespace

TForm3::TForm3(EstadoKelto& e)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      estado(e), grade(e.BrailleAntigo) {
    setObjectName("Form3");
    setWindowTitle(ParaQString("Desenhador interativo"_cp));
    setFixedSize(kLargura, kAltura);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setCursor(Qt::CrossCursor);
}

void TForm3::PaginaParaGrade() {
    grade.PaginaParaGrade(estado);
    std::copy(estado.Pagina.begin(), estado.Pagina.begin() + kLinhasTroca, paginaDaGrade_.begin());
    update();
}

void TForm3::PaginaMudou() {
    if (!isVisible() || grade.ModoDesenho() != 0)
        return;
    if (!std::equal(paginaDaGrade_.begin(), paginaDaGrade_.end(), estado.Pagina.begin()))
        PaginaParaGrade();
}

void TForm3::DesenhaPonto(const GradeDesenho::Ponto& p) { update(Quadrado(p.coluna, p.linha).adjusted(-1, -1, 1, 1)); }

void TForm3::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Cell edges grey, the lines between dots silver.
    for (int k = 0; k < GradeDesenho::kColunasGrade; ++k) {
        p.setPen(k % 2 == 0 ? kCinza : kPrata);
        p.drawLine(kPasso * k, 0, kPasso * k, kAltura);
    }
    for (int i = 0; i < GradeDesenho::kLinhasGrade / 4; ++i) {
        const int y = 16 * i;
        p.setPen(kCinza);
        p.drawLine(0, y, kLargura, y);
        p.setPen(kPrata);
        // The dot rows, then the spacer band between two braille lines.
        for (int d : {4, 8, 12, 13, 14, 15})
            p.drawLine(0, y + d, kLargura, y + d);
    }
    p.setPen(Qt::black);
    for (int r = 0; r < GradeDesenho::kLinhasGrade; ++r) {
        if (r % 4 == 3)
            continue;
        for (int c = 0; c < GradeDesenho::kColunasGrade; ++c)
            if (grade.Marcado(c, r)) {
                const QRect q = Quadrado(c, r);
                p.drawRect(q.x(), q.y(), 1, 1);
            }
    }
}

void TForm3::mousePressEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (const auto ponto = grade.MouseDown(BotaoDe(e->button()), pos.x(), pos.y()))
        DesenhaPonto(*ponto);
}

void TForm3::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (const auto ponto = grade.MouseMove(pos.x(), pos.y()))
        DesenhaPonto(*ponto);
}

void TForm3::mouseReleaseEvent(QMouseEvent*) {
    grade.MouseUp(estado);
    if (Form1)
        Form1->MostraLinhas();
}
