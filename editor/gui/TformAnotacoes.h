// TformAnotacoes: "Lista de anotações", the document's annotations with
// their line numbers (editor/dmanotac.h): go to one, edit its text, delete
// it. Modal; when the braille view was in front as it opened, going to an
// annotation moves the view to its braille too.
#pragma once

#include "editor/dmanotac.h"

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

class TformAnotacoes : public QDialog {
    Q_OBJECT
public:
    explicit TformAnotacoes(QWidget* pai = nullptr);

    // The list made again from the main editor's text (every showing).
    void FormShow();
    void AtualizaBotoes();
    void btnBuscarClick();
    void btnEditarClick();
    void btnDeletarClick();

    ListaAnotacoes Lista;
    // The window that was active when the list was asked for (the launcher
    // notes it before the list takes the front).
    QWidget* JanelaAtiva = nullptr;

    QLabel* stxtSelecione;
    QListWidget* lboxAnotacoes;
    QPushButton* btnBuscar;
    QPushButton* btnEditar;
    QPushButton* btnDeletar;
    QPushButton* btnFechar;

    // The window's keys (Delete, F8, Enter, Esc), wherever the focus is:
    // true when the key was one of them.
    bool TeclaAnotacoes(int tecla);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void PreencheLista();
    void SelecionaNaLista();
};

extern TformAnotacoes* formAnotacoes;
