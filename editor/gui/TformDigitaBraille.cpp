// TformDigitaBraille: the Perkins typing window.
#include "editor/gui/TformDigitaBraille.h"

#include "core/documento.h"
#include "editor/gui/dmmain.h"
#include "platform/qt/teclasqt.h"
#include "platform/qt/textoqt.h"
#include "platform/teclas.h"
#include "platform/texto.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

TformDigitaBraille* formDigitaBraille = nullptr;

namespace {

QString Q(std::string_view s) { return ParaQString(s); }

// The editor gets a key as if typed there: pressed and released.
void TeclaNoEditor(int tecla) {
    if (!formPrincipal || !formPrincipal->richEdPrincipal) return;
    const Qt::Key qt = tecla == vk::Backspace ? Qt::Key_Backspace : Qt::Key_Return;
    const QString texto = tecla == vk::Backspace ? QString(QChar(8)) : QString(QChar(13));
    QKeyEvent press(QEvent::KeyPress, qt, Qt::NoModifier, texto);
    QKeyEvent release(QEvent::KeyRelease, qt, Qt::NoModifier, texto);
    QCoreApplication::sendEvent(formPrincipal->richEdPrincipal, &press);
    QCoreApplication::sendEvent(formPrincipal->richEdPrincipal, &release);
}

} // namespace

void InsereNoEditorPrincipal(const std::string& texto) {
    InsereCaractere(DocumentoEmEdicao(), texto);
    if (formPrincipal) formPrincipal->AtualizaLinhasBraille();
}

TformDigitaBraille::TformDigitaBraille(QWidget* pai)
    : QDialog(pai), Solturas([this](int tecla) { Tecla(tecla, true, false); }) {
    setObjectName("formDigitaBraille");
    setWindowTitle(Q("Digitação Perkins"_cp));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::StrongFocus);

    // The boxes stand as the keys do on a braille writer: dots 3 2 1 under
    // the left hand, 4 5 6 under the right.
    auto* teclas = new QGridLayout;
    const int colunas[6] = {2, 1, 0, 4, 5, 6};
    for (int i = 0; i < 6; ++i) {
        const QString n = QString::number(i + 1);
        auto* rotulo = new QLabel("Ponto " + n, this);
        rotulo->setAlignment(Qt::AlignCenter);
        auto* caixa = new QLineEdit(this);
        caixa->setObjectName("edtPonto" + n);
        caixa->setReadOnly(true);
        caixa->setFocusPolicy(Qt::NoFocus);   // no tab stop; a click leaves the focus here
        caixa->setAlignment(Qt::AlignCenter);
        caixa->setMaxLength(1);
        caixa->setFixedWidth(48);
        caixa->setToolTip(Q("Tecla atual para o Ponto "_cp) + n);
        rotulo->setToolTip(caixa->toolTip());
        teclas->addWidget(rotulo, 0, colunas[i]);
        teclas->addWidget(caixa, 1, colunas[i], Qt::AlignCenter);
        edtPonto[static_cast<size_t>(i)] = caixa;
    }
    teclas->setColumnMinimumWidth(3, 40);
    labBackspace = new QLabel("Backspace", this);
    labEspaco = new QLabel(Q("Espaço"_cp), this);
    labEnter = new QLabel("Enter", this);
    for (QLabel* l : {labBackspace, labEspaco, labEnter}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Raised);
        l->setMinimumHeight(26);
    }
    teclas->addWidget(labBackspace, 2, 0);
    teclas->addWidget(labEspaco, 2, 2, 1, 3);
    teclas->addWidget(labEnter, 2, 6);

    // The key assignment cannot be changed.
    btnEditar = new QPushButton("&Editar", this);
    btnCancelar = new QPushButton("Cancelar", this);
    btnConfirmar = new QPushButton("Confirmar", this);
    btnRedefinir = new QPushButton("&Redefinir", this);
    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {btnEditar, btnCancelar, btnConfirmar, btnRedefinir}) {
        b->setEnabled(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    sbarDigitaBraille = new QStatusBar(this);
    sbarDigitaBraille->setSizeGripEnabled(false);

    auto* v = new QVBoxLayout(this);
    v->addLayout(teclas);
    v->addSpacing(8);
    v->addLayout(botoes);
    v->addWidget(sbarDigitaBraille);
    v->setSizeConstraint(QLayout::SetFixedSize);

    Insere = InsereNoEditorPrincipal;
    PassaAoEditor = TeclaNoEditor;
    RedefineTeclas();
}

void TformDigitaBraille::RedefineTeclas() {
    for (size_t i = 0; i < edtPonto.size(); ++i) {
        edtPonto[i]->setText(QString(QChar(TeclasPadrao[i])));
        edtPonto[i]->setReadOnly(true);
    }
    LeTeclas();
}

void TformDigitaBraille::LeTeclas() {
    for (size_t i = 0; i < edtPonto.size(); ++i) {
        const QString t = edtPonto[i]->text().toUpper();
        TeclasPonto[i] = t.isEmpty() ? 0 : t.at(0).unicode();
    }
}

void TformDigitaBraille::FormActivate() {
    Perkins.Ativa();
    RedefineTeclas();
    setFocus();
}

bool TformDigitaBraille::Tecla(int tecla, bool solta, bool repetida) {
    const AcaoPerkins a = solta ? Perkins.TeclaSolta(tecla, repetida) : Perkins.TeclaPressionada(tecla, repetida);
    switch (a.tipo) {
    case AcaoPerkins::Tipo::Insere:
        if (Insere) Insere(a.texto);
        break;
    case AcaoPerkins::Tipo::Fecha:
        reject();
        break;
    case AcaoPerkins::Tipo::PassaAoEditor:
        if (PassaAoEditor) PassaAoEditor(a.tecla);
        break;
    case AcaoPerkins::Tipo::Nada:
        break;
    }
    return true;
}

bool TformDigitaBraille::event(QEvent* e) {
    // Every key is the window's, before any control or the dialog's own
    // keys (Esc, Enter, Tab) see it.
    // Releases go through Solturas, which tells a held key's auto-repeat
    // from them.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        return Tecla(TeclaVirtual(*k), false, Solturas.Pressionada(*k));
    }
    if (e->type() == QEvent::KeyRelease) {
        Solturas.Solta(*static_cast<QKeyEvent*>(e));
        return true;
    }
    if (e->type() == QEvent::ShortcutOverride) {
        e->accept();   // no shortcut of another window takes a key typed here
        return true;
    }
    return QDialog::event(e);
}

void TformDigitaBraille::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormActivate();
}

void TformDigitaBraille::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}
