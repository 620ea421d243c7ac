// ukelto2: TForm2, the options window "Opções", visible from the start beside
// the page window: the page's exchange with the main program through the
// clipboard, clearing the page, one cell typed by mouse ("Braille Mouse"),
// the typing mode, the dot drawer and line insertion and removal. Every
// action gives the keyboard back to the page window.
#pragma once

#include "touchup/ukelto_pagina.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QToolButton;

// Where a window of frame size opcoes stands beside the frame pagina: below
// it, else above, else to its right, else to its left, the first place that
// holds it whole in the screen's area; when none does, below it, moved into
// the area.
QPoint PosicaoAoLado(const QRect& pagina, const QSize& opcoes, const QRect& area);

class TForm2 : public QWidget {
    Q_OBJECT
public:
    // Owned by the page window (dono), it stays above it: the page window
    // takes the keyboard after every action without covering it.
    explicit TForm2(EstadoKelto& estado, QWidget* dono = nullptr);

    // Shows the window beside the page window once the window system has
    // placed that one (its frame known), without taking the keyboard.
    void MostraAoLadoDe(QWidget* pagina);

    void BotCopiarClick();
    void BotColarClick();
    void BotLimparClick();
    void SpeedButton1Click();
    void BotGraficoClick();
    void Button1Click();
    void Button2Click();
    // The typing mode follows the radio buttons however they are checked
    // (a click, F11 or F12).
    void RadioButton1Click(bool marcado);
    void RadioButton2Click(bool marcado);

    EstadoKelto& estado;
    QPushButton* BotCopiar;
    QPushButton* BotColar;
    QPushButton* BotLimpar;
    QGroupBox* GroupBox1;
    std::array<QCheckBox*, 6> CheckBox{}; // CheckBox1..CheckBox6: dots 1..6
    QToolButton* SpeedButton1;
    QGroupBox* RadioGroup1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QPushButton* BotGrafico;
    QPushButton* Button1;
    QPushButton* Button2;

private:
    void DevolveFoco();
    // The page changed: the page window shows it and takes the keyboard.
    void MostraPagina();
};

extern TForm2* Form2;
