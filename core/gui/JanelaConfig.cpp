// JanelaConfig: the life of a settings window.
#include "core/gui/JanelaConfig.h"

#include "platform/qt/textoqt.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

JanelaConfig::JanelaConfig(const std::string& titulo, bool naFrente, QWidget* pai) : QDialog(pai) {
    setWindowTitle(ParaQString(titulo));
    setModal(false);
    if (naFrente) setWindowFlag(Qt::WindowStaysOnTopHint);
}

void JanelaConfig::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormActivate();
}

void JanelaConfig::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isVisible() && isActiveWindow()) FormActivate();
}

void JanelaConfig::closeEvent(QCloseEvent* e) {
    if (isVisible()) FormClose();
    QDialog::closeEvent(e);
}

void JanelaConfig::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QDialog::keyPressEvent(e);
}

void JanelaConfig::SemEnter(QAbstractButton* b) {
    if (auto* p = qobject_cast<QPushButton*>(b)) {
        p->setAutoDefault(false);
        p->setDefault(false);
    }
}

QPushButton* JanelaConfig::Botao(const char* nome, std::string_view legenda, bool padrao) {
    auto* b = new QPushButton(ParaQString(legenda), this);
    b->setObjectName(nome);
    if (padrao)
        b->setDefault(true);
    else
        SemEnter(b);
    return b;
}

QHBoxLayout* JanelaConfig::LinhaDeBotoes(std::initializer_list<QPushButton*> botoes) {
    auto* l = new QHBoxLayout;
    l->addStretch(1);
    for (QPushButton* b : botoes) l->addWidget(b);
    return l;
}

std::string JanelaConfig::Texto(const QLineEdit* e) { return DeQString(e->text()); }

void JanelaConfig::DefineTexto(QLineEdit* e, const std::string& s) { e->setText(ParaQString(s)); }
