// ukelto2: the options window.
#include "touchup/gui/ukelto2.h"

#include "core/celas/celasqt.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/servicos.h"
#include "platform/texto.h"
#include "touchup/gui/ukelto.h"
#include "touchup/gui/ukelto3.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <utility>

TForm2* Form2 = nullptr;

namespace {

QPushButton* Botao(QWidget* pai, const char* nome, std::string_view legenda, QRect onde) {
    auto* b = new QPushButton(ParaQString(legenda), pai);
    b->setObjectName(nome);
    b->setGeometry(onde);
    return b;
}

// Runs a function once, when a window is first exposed.
class AoExpor : public QObject {
public:
    AoExpor(QWindow* janela, std::function<void()> f) : QObject(janela), f_(std::move(f)) {
        janela->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Expose && static_cast<QWindow*>(o)->isExposed()) {
            o->removeEventFilter(this);
            const auto f = std::move(f_);
            deleteLater();
            f();
        }
        return false;
    }

private:
    std::function<void()> f_;
};

} // namespace

QPoint PosicaoAoLado(const QRect& pagina, const QSize& opcoes, const QRect& area) {
    // A coordinate moved so that the window stays inside the area.
    const auto cabeX = [&](int x) {
        return std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - opcoes.width()));
    };
    const auto cabeY = [&](int y) {
        return std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - opcoes.height()));
    };
    const QPoint lugares[] = {
        {cabeX(pagina.left()), pagina.bottom() + 1},
        {cabeX(pagina.left()), pagina.top() - opcoes.height()},
        {pagina.right() + 1, cabeY(pagina.top())},
        {pagina.left() - opcoes.width(), cabeY(pagina.top())},
    };
    for (const QPoint& p : lugares)
        if (area.contains(QRect(p, opcoes)))
            return p;
    return {cabeX(pagina.left()), cabeY(pagina.bottom() + 1)};
}

TForm2::TForm2(EstadoKelto& e, QWidget* dono) : QWidget(dono, Qt::Dialog), estado(e) {
    setObjectName("Form2");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(ParaQString("Opções"_cp));
    setFixedSize(451, 112);

    BotCopiar = Botao(this, "BotCopiar", "Copiar", {6, 6, 64, 30});
    BotColar = Botao(this, "BotColar", "Colar", {6, 41, 64, 30});
    BotLimpar = Botao(this, "BotLimpar", "Limpar", {6, 76, 64, 30});

    GroupBox1 = new QGroupBox(ParaQString("Braille Mouse"), this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(76, 2, 112, 106);
    // Dots 1-3 on the left, 4-6 on the right, as on the cell.
    for (int i = 0; i < 6; ++i) {
        auto* c = new QCheckBox(QString::number(i + 1), GroupBox1);
        c->setObjectName(QString("CheckBox%1").arg(i + 1));
        c->setGeometry(i < 3 ? 8 : 42, 22 + 26 * (i % 3), 34, 22);
        CheckBox[static_cast<std::size_t>(i)] = c;
    }
    SpeedButton1 = new QToolButton(GroupBox1);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setGeometry(78, 44, 28, 30);
    SpeedButton1->setFont(FonteCelas(kFonteBrailleTalvo, 20, false));
    SpeedButton1->setText(QString(QChar(kBaseBraille + 0x3F))); // a full cell
    SpeedButton1->setToolTip(ParaQString("Inserir a cela marcada"_cp));

    RadioGroup1 = new QGroupBox(ParaQString("Digitaçao"_cp), this);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->setGeometry(194, 2, 118, 68);
    RadioButton1 = new QRadioButton(ParaQString("SDFJKL (F11)"), RadioGroup1);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton1->setGeometry(8, 20, 106, 22);
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(ParaQString("Tinta      (F12)"), RadioGroup1);
    RadioButton2->setObjectName("RadioButton2");
    RadioButton2->setGeometry(8, 42, 106, 22);

    BotGrafico = Botao(this, "BotGrafico", "Gráfico (F9)"_cp, {194, 76, 118, 30});
    Button1 = Botao(this, "Button1", "Inserir linha (F6)", {318, 6, 128, 30});
    Button2 = Botao(this, "Button2", "Remover linha (F7)", {318, 41, 128, 30});

    ConectaProtegido(BotCopiar, &QPushButton::clicked, this, &TForm2::BotCopiarClick);
    ConectaProtegido(BotColar, &QPushButton::clicked, this, &TForm2::BotColarClick);
    ConectaProtegido(BotLimpar, &QPushButton::clicked, this, &TForm2::BotLimparClick);
    ConectaProtegido(SpeedButton1, &QToolButton::clicked, this, &TForm2::SpeedButton1Click);
    ConectaProtegido(RadioButton1, &QRadioButton::toggled, this, &TForm2::RadioButton1Click);
    ConectaProtegido(RadioButton2, &QRadioButton::toggled, this, &TForm2::RadioButton2Click);
    ConectaProtegido(BotGrafico, &QPushButton::clicked, this, &TForm2::BotGraficoClick);
    ConectaProtegido(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    ConectaProtegido(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
}

void TForm2::MostraAoLadoDe(QWidget* pagina) {
    QWindow* janela = pagina->windowHandle();
    const auto coloca = [this, pagina] {
        // This window's frame is taken to be as the page window's.
        const QRect quadro = pagina->frameGeometry(), dentro = pagina->geometry();
        const QSize moldura = quadro.size() - dentro.size();
        move(PosicaoAoLado(quadro, size() + moldura, pagina->screen()->availableGeometry()));
        show();
    };
    if (!janela || janela->isExposed())
        coloca();
    else
        new AoExpor(janela, coloca);
}

void TForm2::DevolveFoco() {
    if (!Form1)
        return;
    Form1->activateWindow();
    Form1->setFocus();
}

void TForm2::MostraPagina() {
    if (Form1)
        Form1->MostraLinhas();
    DevolveFoco();
}

void TForm2::BotCopiarClick() {
    // With the first 32 lines blank there is nothing to copy, and the
    // clipboard keeps what it held.
    if (const auto texto = estado.TextoParaCopiar())
        servicos().GravaAreaTransferencia(*texto);
    DevolveFoco();
}

void TForm2::BotColarClick() {
    estado.Cola(servicos().LeAreaTransferencia());
    MostraPagina();
}

void TForm2::BotLimparClick() {
    estado.Limpa();
    MostraPagina();
}

void TForm2::SpeedButton1Click() {
    int mascara = 0;
    for (int i = 0; i < 6; ++i)
        if (CheckBox[static_cast<std::size_t>(i)]->isChecked())
            mascara |= 1 << i;
    estado.InsereCelaDoMouse(mascara);
    for (QCheckBox* c : CheckBox)
        c->setChecked(false);
    MostraPagina();
}

void TForm2::RadioButton1Click(bool marcado) {
    if (!marcado)
        return;
    estado.ModoSeisTeclas = true;
    if (Form1)
        Form1->ModoMudou();
    DevolveFoco();
}

void TForm2::RadioButton2Click(bool marcado) {
    if (!marcado)
        return;
    estado.ModoSeisTeclas = false;
    if (Form1)
        Form1->ModoMudou();
    DevolveFoco();
}

void TForm2::BotGraficoClick() {
    DevolveFoco();
    if (!Form3)
        return;
    Form3->PaginaParaGrade();
    Form3->show();
    Form3->raise();
    Form3->activateWindow();
    Form3->setFocus();
}

void TForm2::Button1Click() {
    estado.InsereLinha();
    MostraPagina();
}

void TForm2::Button2Click() {
    estado.RemoveLinha();
    MostraPagina();
}
