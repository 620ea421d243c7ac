// ukelto: TForm1, the page window "Digitação e ajustes em Braille": seven
// lines of the page as braille cells on a navy panel and the same seven as
// ink text below it, two column rulers, the cursor's line number, and the
// caret. It takes every key itself and passes it to the page
// (touchup/ukelto_pagina.h); what a key asks of the other windows it asks of
// them.
#pragma once

#include "platform/qt/teclasqt.h"
#include "touchup/ukelto_pagina.h"

#include <QColor>
#include <QFont>
#include <QWidget>

#include <array>
#include <string>

class QLabel;

// A row of characters drawn one per cell at a fixed pitch, so the cells, the
// ink characters and the rulers stand in the same columns. In braille it
// draws each byte (an output code) as its braille pattern; in ink, as its
// Windows-1252 character.
class TLinhaFixa : public QWidget {
    Q_OBJECT
public:
    TLinhaFixa(QWidget* pai, bool braille, int passo, const QFont& fonte, const QColor& cor);
    void DefineTexto(const std::string& bytes);
    const std::string& Texto() const { return texto_; }
    // The characters as drawn.
    QString TextoMostrado() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    bool braille_;
    int passo_;
    QColor cor_;
    std::string texto_;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(EstadoKelto& estado);

    // FormCreate read the configuration; false when the program must end.
    bool ConfiguracaoLida() const { return configuracaoLida_; }

    void MostraLinhas();
    void PosicionaCursor(int coluna, int linha);
    // The typing mode changed: ink typing takes composed characters (a dead
    // key and a letter) from the input method; six-key typing takes the
    // keys themselves.
    void ModoMudou();

    EstadoKelto& estado;
    QWidget* Panel1;
    std::array<TLinhaFixa*, kLinhasJanela> Linha{};  // Linha1..Linha7, braille
    std::array<TLinhaFixa*, kLinhasJanela> Label{};  // Label1..Label7, ink
    TLinhaFixa* cab1;
    TLinhaFixa* cab2;
    QLabel* LabLinha;
    QWidget* CursorPainel; // the caret, in Panel1
    int LarguraCela = 0;
    int AlturaLinha = 0;
    // Key releases, told apart from a held key's auto-repeat.
    SolturasDeTeclas Solturas;

signals:
    // The window was closed: the program ends.
    void fechada();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery consulta) const override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; } // Tab is a key like any other

private:
    void FormCreate();
    void Executa(AcaoKelto acao);

    bool configuracaoLida_ = false;
};

extern TForm1* Form1;
