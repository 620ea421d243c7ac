// TformAnotacoes: the annotation list's window.
#include "editor/gui/TformAnotacoes.h"

#include "core/documento.h"
#include "editor/gui/dmVisual.h"
#include "editor/gui/dmmain.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TformAnotacoes* formAnotacoes = nullptr;

namespace {
QString Q(std::string_view s) { return ParaQString(s); }
} // namespace

TformAnotacoes::TformAnotacoes(QWidget* pai) : QDialog(pai) {
    setObjectName("formAnotacoes");
    setWindowTitle(Q("Lista de anotações"_cp));
    setAttribute(Qt::WA_QuitOnClose, false);

    stxtSelecione = new QLabel("Selecione na lista abaixo para ir ao texto:", this);
    lboxAnotacoes = new QListWidget(this);
    lboxAnotacoes->setObjectName("lboxAnotacoes");
    lboxAnotacoes->setMinimumSize(420, 220);
    QFont f("Courier New");
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(15);
    lboxAnotacoes->setFont(f);
    btnBuscar = new QPushButton("&Buscar", this);
    btnEditar = new QPushButton("&Editar (F8)", this);
    btnDeletar = new QPushButton("&Deletar", this);
    btnFechar = new QPushButton("&Fechar", this);
    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {btnBuscar, btnEditar, btnDeletar, btnFechar}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    btnBuscar->setObjectName("btnBuscar");
    btnEditar->setObjectName("btnEditar");
    btnDeletar->setObjectName("btnDeletar");
    btnFechar->setObjectName("btnFechar");
    auto* v = new QVBoxLayout(this);
    v->addWidget(stxtSelecione);
    v->addWidget(lboxAnotacoes, 1);
    v->addLayout(botoes);

    // The window's keys come first, wherever the focus is.
    for (QWidget* w : std::initializer_list<QWidget*>{lboxAnotacoes, btnBuscar, btnEditar, btnDeletar, btnFechar})
        w->installEventFilter(this);

    ConectaProtegido(btnBuscar, &QPushButton::clicked, this, &TformAnotacoes::btnBuscarClick);
    ConectaProtegido(btnEditar, &QPushButton::clicked, this, &TformAnotacoes::btnEditarClick);
    ConectaProtegido(btnDeletar, &QPushButton::clicked, this, &TformAnotacoes::btnDeletarClick);
    ConectaProtegido(btnFechar, &QPushButton::clicked, this, &QDialog::reject);
    ConectaProtegido(lboxAnotacoes, &QListWidget::itemDoubleClicked, this, &TformAnotacoes::btnBuscarClick);
    ConectaProtegido(lboxAnotacoes, &QListWidget::currentRowChanged, this, [this](int linha) {
        Lista.Seleciona(linha);
        AtualizaBotoes();
    });
}

void TformAnotacoes::PreencheLista() {
    const QSignalBlocker bloqueio(lboxAnotacoes);
    lboxAnotacoes->clear();
    for (int i = 0; i < static_cast<int>(Lista.Itens().size()); ++i) lboxAnotacoes->addItem(Q(Lista.Legenda(i)));
    SelecionaNaLista();
}

void TformAnotacoes::SelecionaNaLista() {
    const QSignalBlocker bloqueio(lboxAnotacoes);
    lboxAnotacoes->setCurrentRow(Lista.Selecionado());
}

void TformAnotacoes::FormShow() {
    int linha = 0, coluna = 0;
    DocumentoEmEdicao().LinColInicioSel(linha, coluna);
    Lista.Monta(DocumentoEmEdicao(), linha);
    PreencheLista();
    if (Lista.Vazia()) btnFechar->setFocus();
    else lboxAnotacoes->setFocus();
    AtualizaBotoes();
}

void TformAnotacoes::AtualizaBotoes() {
    const bool selecao = Lista.ComSelecao();
    btnBuscar->setEnabled(selecao);
    btnEditar->setEnabled(selecao);
    btnDeletar->setEnabled(selecao);
    setWindowTitle(Q(Lista.Vazia() ? "Lista de anotações VAZIA!"_cp : "Lista de anotações"_cp));
    // The list takes the focus and gives it back to the control that had it.
    QWidget* ativo = focusWidget();
    lboxAnotacoes->setFocus();
    if (ativo && ativo->isEnabled()) ativo->setFocus();
    else if (Lista.Vazia()) btnFechar->setFocus();
}

void TformAnotacoes::btnBuscarClick() {
    const std::optional<int> linha = Lista.Busca(DocumentoEmEdicao());
    if (linha && formVisual && JanelaAtiva == formVisual) formVisual->VaiParaLinhaEditor(*linha);
    accept();
}

void TformAnotacoes::btnEditarClick() {
    if (Lista.Edita(DocumentoEmEdicao())) {
        if (QListWidgetItem* item = lboxAnotacoes->item(Lista.Selecionado()))
            item->setText(Q(Lista.Legenda(Lista.Selecionado())));
        if (formPrincipal) formPrincipal->AtualizaLinhasBraille();
    }
    AtualizaBotoes();
}

void TformAnotacoes::btnDeletarClick() {
    if (Lista.Deleta(DocumentoEmEdicao())) {
        PreencheLista();
        if (formPrincipal) formPrincipal->AtualizaLinhasBraille();
    }
    AtualizaBotoes();
}

void TformAnotacoes::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}

bool TformAnotacoes::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress && TeclaAnotacoes(static_cast<QKeyEvent*>(e)->key())) return true;
    return QDialog::eventFilter(o, e);
}

void TformAnotacoes::keyPressEvent(QKeyEvent* e) {
    if (!TeclaAnotacoes(e->key())) QDialog::keyPressEvent(e);
}

bool TformAnotacoes::TeclaAnotacoes(int tecla) {
    switch (tecla) {
    case Qt::Key_Delete: btnDeletarClick(); return true;
    case Qt::Key_F8: btnEditarClick(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: btnBuscarClick(); return true;
    case Qt::Key_Escape: reject(); return true;
    default: return false;
    }
}
