// dmsubst: the replacement dialog of the spell check, "Substituição de
// palavra": the word's context, the word, and an editable list of the
// dictionary's suggestions for it. One instance, formSubst.
#pragma once

#include "editor/dmortog.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TformSubst : public QDialog, public DialogoSubstituicao {
    Q_OBJECT
public:
    explicit TformSubst(QWidget* parent = nullptr);

    // The check's way in: the context label, then the dialog, modally.
    void MostraSubstituicao(const std::string& contexto) override;
    // What the dialog does when it comes up: the word, the suggestions, an
    // empty combo box with the focus.
    void FormActivate();
    // "Substituir": the combo box's text (typed or chosen) replaces the
    // word, even when empty. "Deixar": the word stays.
    void btnSubstituirClick();
    void btnDeixarClick();

    QLabel* l_frase;
    QLabel* labAlterando;
    QLineEdit* e_original;
    QLabel* labSubstituir;
    QComboBox* ComboBox1;
    QPushButton* btnSubstituir;
    QPushButton* btnDeixar;
    // Runs the dialog modally; tests of the whole program replace it.
    std::function<int(QDialog&)> executaModal = [](QDialog& d) { return d.exec(); };

protected:
    void showEvent(QShowEvent* e) override;
};

extern TformSubst* formSubst;
