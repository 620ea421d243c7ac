// dmsplash: the about window.
#include "editor/gui/dmsplash.h"

#include "core/dmvars.h"
#include "editor/gui/dmmain.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TformSplash* formSplash = nullptr;

namespace {

QString QDe(std::string_view s) { return ParaQString(s); }

QFrame* Faixa(QWidget* pai, const char* nome, const QColor& cor, int largura, int altura) {
    auto* f = new QFrame(pai);
    f->setObjectName(nome);
    f->setFixedSize(largura, altura);
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, cor);
    f->setPalette(p);
    return f;
}

QLabel* Rotulo(QWidget* pai, const char* nome, const QString& texto, const QColor& frente,
               const QColor* fundo, const QFont& fonte) {
    auto* l = new QLabel(texto, pai);
    l->setObjectName(nome);
    l->setFont(fonte);
    l->setAlignment(Qt::AlignCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, frente);
    if (fundo) {
        p.setColor(QPalette::Window, *fundo);
        l->setAutoFillBackground(true);
    }
    l->setPalette(p);
    return l;
}

QFont Fonte(const char* familia, int pixels, bool negrito) {
    QFont f(familia);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(negrito);
    return f;
}

} // namespace

TformSplash::TformSplash(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName("formSplash");
    setWindowTitle("Dotmara");
    setFixedSize(360, 384);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(128, 0, 128));   // purple
    setPalette(p);

    const QColor amarelo(255, 255, 0), marinho(0, 0, 128), agua(0, 255, 255), azul(0, 0, 255);

    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(2, 2, 2, 2);
    coluna->setSpacing(4);

    panelNomeProg = Faixa(this, "panelNomeProg", marinho, 356, 111);
    auto* nome = new QVBoxLayout(panelNomeProg);
    nome->setContentsMargins(4, 4, 4, 4);
    nome->setSpacing(0);
    stxtNomeProgPort = Rotulo(panelNomeProg, "stxtNomeProgPort", "Dotmara", amarelo, nullptr,
                              Fonte("Segoe UI", 31, true));
    // The name in braille: capital sign, d o t m a r a.
    static const char16_t kBraille[] = {0x2828, 0x2819, 0x2815, 0x281E, 0x280D, 0x2801, 0x2817, 0x2801, 0};
    QFont fBraille("DejaVu Sans");
    fBraille.setPixelSize(28);
    fBraille.setBold(true);
    stxtNomeProgEmBraille = Rotulo(panelNomeProg, "stxtNomeProgEmBraille",
                                   QString::fromUtf16(kBraille), amarelo, nullptr, fBraille);
    stxtBeta = Rotulo(panelNomeProg, "stxtBeta", " beta ", marinho, &amarelo,
                      Fonte("Segoe UI Semibold", 14, true));
    stxtBeta->setVisible(false);
    nome->addWidget(stxtNomeProgPort);
    nome->addWidget(stxtNomeProgEmBraille);
    nome->addWidget(stxtBeta, 0, Qt::AlignHCenter);
    coluna->addWidget(panelNomeProg, 0, Qt::AlignHCenter);

    panelProgramadoPor = Faixa(this, "panelProgramadoPor", agua, 352, 184);
    auto* versao = new QVBoxLayout(panelProgramadoPor);
    auto* credito = Rotulo(panelProgramadoPor, "stxtCredito",
                           QDe("Transcrição de textos para o Braille"_cp), marinho, nullptr,
                           Fonte("Segoe UI", 15, false));
    credito->setWordWrap(true);
    versao->addWidget(credito, 1);
    auto* linhaVersao = new QHBoxLayout();
    stxtVersao = Rotulo(panelProgramadoPor, "stxtVersao", QDe(" Versão "_cp), marinho, &amarelo,
                        Fonte("Segoe UI Semibold", 16, false));
    stxtdata = Rotulo(panelProgramadoPor, "stxtdata", "Release: ", marinho, &agua,
                      Fonte("Segoe UI Semibold", 16, false));
    linhaVersao->addWidget(stxtVersao);
    linhaVersao->addWidget(stxtdata);
    versao->addLayout(linhaVersao);
    coluna->addWidget(panelProgramadoPor, 0, Qt::AlignHCenter);

    panelProduzidoCom = Faixa(this, "panelProduzidoCom", azul, 352, 70);
    auto* aviso = new QVBoxLayout(panelProduzidoCom);
    stxtAviso = Rotulo(panelProduzidoCom, "stxtAviso",
                       QDe("Confira sempre o Braille gerado antes de imprimir."), amarelo, nullptr,
                       Fonte("Segoe UI", 13, true));
    stxtAviso->setWordWrap(true);
    aviso->addWidget(stxtAviso);
    coluna->addWidget(panelProduzidoCom, 0, Qt::AlignHCenter);
    coluna->addStretch(1);
}

void TformSplash::FormActivate() {
    stxtVersao->setText(QDe(" Versão 5.0 "_cp));
    stxtBeta->setVisible(true);
    stxtdata->setText(QDe(" Release: " + VersaoPrograma + " "));
}

void TformSplash::Mostra() {
    QWidget* dono = formPrincipal;
    QRect area = dono ? dono->frameGeometry() : QRect();
    if (!dono && QGuiApplication::primaryScreen())
        area = QGuiApplication::primaryScreen()->availableGeometry();
    if (area.isValid()) move(area.center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
}

void TformSplash::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    FormActivate();
}

void TformSplash::keyPressEvent(QKeyEvent* e) {
    if (e->text().isEmpty()) {
        QWidget::keyPressEvent(e);
        return;
    }
    if (formPrincipal && formPrincipal->timerPrinc) formPrincipal->timerPrinc->stop();
    close();
}

// However the window closes (a key, the timer, the window manager), the
// main window's timer stops, so no later tick shows it again.
void TformSplash::closeEvent(QCloseEvent* e) {
    if (formPrincipal && formPrincipal->timerPrinc) formPrincipal->timerPrinc->stop();
    QWidget::closeEvent(e);
}
