// TformChecaBrl: the back-check window.
#include "editor/gui/dmChecaBrl.h"

#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/dmchkbrl.h"
#include "editor/gui/dmcelas.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/texto.h"

TformChecaBrl* formChecaBrl = nullptr;

namespace {
QFont FonteCourier() {
    QFont f("Courier New");
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(15);
    return f;
}
} // namespace

TformChecaBrl::TformChecaBrl(QWidget* pai) : QDialog(pai) {
    setObjectName("formChecaBrl");
    setWindowTitle(TextoTinta("Braille gerado"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_QuitOnClose, false);

    stxtBraille = new TLabelBraille(this);
    stxtBraille->setObjectName("stxtBraille");
    stxtBraille->setFont(FonteCelas(kFontePontel, 26, false));
    stxtBraille->setAutoFillBackground(false);
    stxtBraille->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    stxtBraille->DefineLegenda("Braille");
    stxtReversao = new QLabel(TextoTinta("Reversão a texto:"_cp), this);
    stxtReversao->setToolTip(TextoTinta("Texto original"));
    edtReversao = new QLineEdit(this);
    edtReversao->setObjectName("edtReversao");
    edtReversao->setReadOnly(true);
    edtReversao->setFont(FonteCourier());
    stxtRegua = new QLabel(TextoTinta("123456789012345678901234567890123456789012...."), this);
    stxtRegua->setFont(FonteCourier());
    stxtRegua->setTextFormat(Qt::PlainText);
    edtBraille = new QLineEdit(this);
    edtBraille->setObjectName("edtBraille");
    edtBraille->setReadOnly(true);
    edtBraille->setFont(FonteCourier());
    stxtCodigoDeImpr = new QLabel(TextoTinta("Código de impressora"_cp), this);
    stxtCodigoDeImpr->setToolTip(TextoTinta("Código para a impressora Braille exibido acima"_cp));
    btnOk = new QPushButton(TextoTinta("Ok"), this);
    btnOk->setDefault(true);

    // Wide enough for a 42-cell line under the ruler.
    const int largura = QFontMetrics(FonteCourier()).horizontalAdvance(QString(48, QChar('0')));
    edtReversao->setMinimumWidth(largura);
    edtBraille->setMinimumWidth(largura);

    auto* v = new QVBoxLayout(this);
    v->addWidget(stxtBraille);
    v->addWidget(stxtReversao);
    v->addWidget(edtReversao);
    v->addSpacing(8);
    v->addWidget(stxtRegua);
    v->addWidget(edtBraille);
    v->addWidget(stxtCodigoDeImpr);
    auto* h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(btnOk);
    h->addStretch();
    v->addLayout(h);
    v->setSizeConstraint(QLayout::SetFixedSize);

    ConectaProtegido(btnOk, &QPushButton::clicked, this, &TformChecaBrl::btnOkClick);
    edtReversao->installEventFilter(this);
    edtBraille->installEventFilter(this);
}

void TformChecaBrl::DefineLinha(const std::string& linha) {
    linha_ = linha;
    stxtBraille->DefineLegenda(linha);
    edtBraille->setText(TextoTinta(linha));
}

void TformChecaBrl::FormActivate() {
    reversao_ = ReverteBraille(linha_);
    edtReversao->setText(TextoTinta(TextoVisivelReversao(reversao_)));
    edtReversao->setFocus();
}

void TformChecaBrl::MostraModal() {
    setWindowModality(Qt::ApplicationModal);
    FormActivate();
    show();
    raise();
    activateWindow();
}

void TformChecaBrl::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormActivate();
}

bool TformChecaBrl::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        btnOkClick();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void TformChecaBrl::btnOkClick() {
    edtBraille->setFocus();
    accept();
}
