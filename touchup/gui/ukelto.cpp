// ukelto: the page window.
#include "touchup/gui/ukelto.h"

#include "core/celas/celasqt.h"
#include "platform/arquivos.h"
#include "platform/qt/teclasqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"
#include "touchup/gui/ukelto2.h"
#include "touchup/gui/ukelto3.h"
#include "touchup/ukelto_config.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

TForm1* Form1 = nullptr;

namespace {

// Geometry of the window (client area) and its parts, in pixels.
constexpr int kLarguraJanela = 763;
constexpr int kAlturaJanela = 387;
constexpr int kXPainel = 3, kYPainel = 38;
constexpr int kXLinha = 8, kYLinha = 4;          // Linha1 in the panel
constexpr int kLarguraLinha = 741;               // 57 cells of 13 pixels
constexpr int kAlturaRotulo = 22;
constexpr int kPassoLinhas = 24;                 // Linha2.Top - Linha1.Top
constexpr int kYTinta = kYPainel + kYLinha * 2 + kLinhasJanela * kPassoLinhas + 4;
constexpr int kXTexto = kXPainel + kXLinha;      // rulers and ink lines line up with the cells

const QColor kMarinho(0, 0, 128);

QFont FonteTinta(int pixels) {
    QFont f("Courier New");
    f.setStyleHint(QFont::TypeWriter);
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

} // namespace

// ---- TLinhaFixa ------------------------------------------------------------

TLinhaFixa::TLinhaFixa(QWidget* pai, bool braille, int passo, const QFont& fonte, const QColor& cor)
    : QWidget(pai), braille_(braille), passo_(passo), cor_(cor) {
    setFont(fonte);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void TLinhaFixa::DefineTexto(const std::string& bytes) {
    if (bytes == texto_)
        return;
    texto_ = bytes;
    update();
}

QString TLinhaFixa::TextoMostrado() const { return braille_ ? TextoCelas(texto_) : ParaQString(texto_); }

void TLinhaFixa::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(cor_);
    const QString s = TextoMostrado();
    for (qsizetype i = 0; i < s.size(); ++i)
        p.drawText(QRect(static_cast<int>(i) * passo_, 0, passo_, height()), Qt::AlignCenter, QString(s[i]));
}

// ---- TForm1 ----------------------------------------------------------------

TForm1::TForm1(EstadoKelto& e)
    : QWidget(nullptr), estado(e), Solturas([this](int tecla) {
          estado.TeclaSolta(tecla);
          MostraLinhas();
      }) {
    setObjectName("Form1");
    setWindowTitle(ParaQString("Digitação e ajustes em Braille"_cp));
    setFixedSize(kLarguraJanela, kAlturaJanela);
    setFocusPolicy(Qt::StrongFocus);

    const int passo = kLarguraLinha / kTamanhoMaximo;
    cab1 = new TLinhaFixa(this, false, passo, FonteTinta(15), Qt::black);
    cab1->setObjectName("cab1");
    cab1->setGeometry(kXTexto, 2, kLarguraLinha, 17);
    cab1->DefineTexto("         1         2         3         4         5");
    cab2 = new TLinhaFixa(this, false, passo, FonteTinta(15), Qt::black);
    cab2->setObjectName("cab2");
    cab2->setGeometry(kXTexto, 19, kLarguraLinha, 17);
    cab2->DefineTexto("12345678901234567890123456789012345678901234567890123456-");
    // The line number stands in a box of its own, where the upper ruler has
    // no more marks, so it is not read as one of them.
    LabLinha = new QLabel(this);
    LabLinha->setObjectName("LabLinha");
    LabLinha->setGeometry(kXTexto + 52 * passo, 1, 5 * passo, 18);
    LabLinha->setAlignment(Qt::AlignCenter);
    LabLinha->setFont(FonteTinta(15));
    LabLinha->setFrameShape(QFrame::Box);
    LabLinha->setAutoFillBackground(true);
    QPalette pl = LabLinha->palette();
    pl.setColor(QPalette::Window, Qt::white);
    pl.setColor(QPalette::WindowText, kMarinho);
    LabLinha->setPalette(pl);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(kXPainel, kYPainel, kLarguraJanela - 2 * kXPainel,
                        2 * kYLinha + kLinhasJanela * kPassoLinhas - (kPassoLinhas - kAlturaRotulo));
    Panel1->setAutoFillBackground(true);
    QPalette pp = Panel1->palette();
    pp.setColor(QPalette::Window, kMarinho);
    Panel1->setPalette(pp);

    for (int k = 0; k < kLinhasJanela; ++k) {
        Linha[static_cast<std::size_t>(k)] =
            new TLinhaFixa(Panel1, true, passo, FonteCelas(kFonteBrailleTalvo, 19, true), Qt::white);
        Linha[static_cast<std::size_t>(k)]->setObjectName(QString("Linha%1").arg(k + 1));
        Linha[static_cast<std::size_t>(k)]->setGeometry(kXLinha, kYLinha + k * kPassoLinhas, kLarguraLinha,
                                                         kAlturaRotulo);
        Label[static_cast<std::size_t>(k)] = new TLinhaFixa(this, false, passo, FonteTinta(21), Qt::black);
        Label[static_cast<std::size_t>(k)]->setObjectName(QString("Label%1").arg(k + 1));
        Label[static_cast<std::size_t>(k)]->setGeometry(kXTexto, kYTinta + k * kPassoLinhas, kLarguraLinha,
                                                         kPassoLinhas);
    }

    CursorPainel = new QWidget(Panel1);
    CursorPainel->setObjectName("CursorPainel");
    CursorPainel->setAutoFillBackground(true);
    QPalette pc = CursorPainel->palette();
    pc.setColor(QPalette::Window, Qt::white);
    CursorPainel->setPalette(pc);
    CursorPainel->hide();

    FormCreate();
}

void TForm1::FormCreate() {
    configuracaoLida_ = LeConfiguracaoKelto(estado, ExtraiDiretorio(CaminhoPrograma()));
    LarguraCela = Linha[0]->width() / kTamanhoMaximo;
    AlturaLinha = Linha[1]->y() - Linha[0]->y();
    estado.Coluna = 1;
    estado.Linha = 1;
    estado.acorde.Reinicia();
    estado.Topo = 0;
    estado.ModoSeisTeclas = true;
    estado.Pagina.fill(EstadoKelto::LinhaEmBranco());
    ModoMudou();
    MostraLinhas();
}

void TForm1::ModoMudou() {
    setAttribute(Qt::WA_InputMethodEnabled, !estado.ModoSeisTeclas);
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnabled);
}

void TForm1::PosicionaCursor(int coluna, int linha) {
    CursorPainel->setGeometry(Linha[0]->x() + (coluna - 1) * LarguraCela,
                              Linha[0]->y() + (linha - estado.Topo - 1) * AlturaLinha, 2, Linha[0]->height());
    LabLinha->setText(QString::number(linha));
}

void TForm1::MostraLinhas() {
    for (int k = 1; k <= kLinhasJanela; ++k) {
        Label[static_cast<std::size_t>(k - 1)]->DefineTexto(estado.TextoDaJanela(k));
        Linha[static_cast<std::size_t>(k - 1)]->DefineTexto(estado.BrailleDaJanela(k));
    }
    PosicionaCursor(estado.Coluna, estado.Linha);
    // An open drawer follows the page.
    if (Form3)
        Form3->PaginaMudou();
}

void TForm1::Executa(AcaoKelto acao) {
    switch (acao) {
    case AcaoKelto::Nenhuma: break;
    case AcaoKelto::Copiar: if (Form2) Form2->BotCopiarClick(); break;
    case AcaoKelto::Colar: if (Form2) Form2->BotColarClick(); break;
    case AcaoKelto::AbreDesenhador: if (Form2) Form2->BotGraficoClick(); break;
    case AcaoKelto::MostraOpcoes:
        if (Form2) {
            Form2->show();
            Form2->raise();
            Form2->activateWindow();
        }
        break;
    case AcaoKelto::ModoSeisTeclas: if (Form2) Form2->RadioButton1->setChecked(true); break;
    case AcaoKelto::ModoTinta: if (Form2) Form2->RadioButton2->setChecked(true); break;
    }
}

void TForm1::keyPressEvent(QKeyEvent* e) {
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool repetida = Solturas.Pressionada(*e);
    Executa(estado.TeclaPressionada(TeclaVirtual(*e), shift, ctrl, repetida));
    for (unsigned char c : CaracteresDigitados(*e))
        Executa(estado.CaractereDigitado(c));
    MostraLinhas();
}

void TForm1::keyReleaseEvent(QKeyEvent* e) { Solturas.Solta(*e); }

void TForm1::inputMethodEvent(QInputMethodEvent* e) {
    for (unsigned char c : DeQString(e->commitString()))
        if (c >= 32)
            Executa(estado.CaractereDigitado(c));
    MostraLinhas();
    e->accept();
}

QVariant TForm1::inputMethodQuery(Qt::InputMethodQuery consulta) const {
    switch (consulta) {
    case Qt::ImEnabled: return !estado.ModoSeisTeclas;
    case Qt::ImCursorRectangle: return QRect(CursorPainel->mapTo(this, QPoint(0, 0)), CursorPainel->size());
    default: return QWidget::inputMethodQuery(consulta);
    }
}

void TForm1::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    PosicionaCursor(estado.Coluna, estado.Linha);
    CursorPainel->show();
    CursorPainel->raise();
}

void TForm1::hideEvent(QHideEvent* e) {
    CursorPainel->hide();
    QWidget::hideEvent(e);
}

void TForm1::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    emit fechada();
}
