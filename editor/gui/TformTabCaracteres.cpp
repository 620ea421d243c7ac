// TformTabCaracteres: the character table.
#include "editor/gui/TformTabCaracteres.h"

#include "editor/gui/TformDigitaBraille.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

TformTabCaracteres* formTabCaracteres = nullptr;

TformTabCaracteres::TformTabCaracteres(QWidget* pai) : QDialog(pai) {
    setObjectName("formTabCaracteres");
    setWindowTitle("Tabela de Caracteres ");
    setAttribute(Qt::WA_QuitOnClose, false);

    gridCaracteres = new QTableWidget(Linhas, Colunas, this);
    gridCaracteres->setObjectName("gridCaracteres");
    QFont f("Courier New");
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(18);
    gridCaracteres->setFont(f);
    gridCaracteres->horizontalHeader()->hide();
    gridCaracteres->verticalHeader()->hide();
    gridCaracteres->horizontalHeader()->setMinimumSectionSize(10);
    gridCaracteres->horizontalHeader()->setDefaultSectionSize(28);
    gridCaracteres->verticalHeader()->setDefaultSectionSize(28);
    gridCaracteres->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridCaracteres->setSelectionMode(QAbstractItemView::SingleSelection);
    gridCaracteres->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridCaracteres->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridCaracteres->setFixedSize(Colunas * 28 + 2 * gridCaracteres->frameWidth(),
                                 Linhas * 28 + 2 * gridCaracteres->frameWidth());
    gridCaracteres->viewport()->installEventFilter(this);

    btnFechar = new QPushButton("&Fechar", this);
    btnFechar->setObjectName("btnFechar");
    btnFechar->setAutoDefault(false);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnFechar);
    auto* v = new QVBoxLayout(this);
    v->addWidget(gridCaracteres);
    v->addLayout(botoes);
    v->setSizeConstraint(QLayout::SetFixedSize);

    Insere = InsereNoEditorPrincipal;
    ConectaProtegido(btnFechar, &QPushButton::clicked, this, &QWidget::hide);
    ConectaProtegido(gridCaracteres, &QTableWidget::currentCellChanged, this,
                     [this](int linha, int coluna, int, int) { CelulaEscolhida(linha, coluna); });
    ConectaProtegido(gridCaracteres, &QTableWidget::cellPressed, this, [this](int linha, int coluna) {
        if (linha == linhaAntes_ && coluna == colunaAntes_) CelulaEscolhida(linha, coluna);
    });
    FormActivate();
    // A grid without a current cell makes its first cell current when it
    // takes the focus, which would type a blank as the window opens: the
    // first cell is current from the start, quietly.
    const QSignalBlocker quieto(gridCaracteres);
    gridCaracteres->setCurrentCell(0, 0);
}

void TformTabCaracteres::FormActivate() {
    preenchendo_ = true;
    for (int l = 0; l < Linhas; ++l)
        for (int c = 0; c < Colunas; ++c) {
            const char ch = static_cast<char>(CaractereDaCelula(l, c));
            auto* item = new QTableWidgetItem(ParaQString(std::string_view(&ch, 1)));
            item->setTextAlignment(Qt::AlignCenter);
            gridCaracteres->setItem(l, c, item);
        }
    preenchendo_ = false;
}

void TformTabCaracteres::CelulaEscolhida(int linha, int coluna) {
    if (preenchendo_ || linha < 0 || coluna < 0 || linha >= Linhas || coluna >= Colunas) return;
    if (Insere) Insere(std::string(1, static_cast<char>(CaractereDaCelula(linha, coluna))));
}

void TformTabCaracteres::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

bool TformTabCaracteres::eventFilter(QObject* o, QEvent* e) {
    if (o == gridCaracteres->viewport() && e->type() == QEvent::MouseButtonPress) {
        linhaAntes_ = gridCaracteres->currentRow();
        colunaAntes_ = gridCaracteres->currentColumn();
    }
    return QDialog::eventFilter(o, e);
}
