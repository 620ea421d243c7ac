// ukelto2: TForm2, the options window "Opções", visible from the start beside
// the page window: the page's exchange with the main program through the
// clipboard, clearing the page, one cell typed by mouse ("Braille Mouse"),
// the typing mode, the dot drawer and line insertion and removal. Every
// action gives the keyboard back to the page window.
#pragma once

#include "touchup/ukelto_pagina.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QToolButton;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(EstadoKelto& estado);

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
