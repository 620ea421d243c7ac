// TformSimb: "Símbolos", thirteen special symbols, each a button that types
// its text into the main editor through the clipboard. The window closes
// after a symbol, except after the diaeresis, which usually goes with the
// next letter.
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <string_view>

class QPushButton;

struct SimboloEspecial {
    std::string_view legenda;   // the button's caption
    std::string_view texto;     // what it types
};
// The symbols in the order of their buttons (Windows-1252).
const std::array<SimboloEspecial, 13>& SimbolosEspeciais();

class TformSimb : public QDialog {
    Q_OBJECT
public:
    explicit TformSimb(QWidget* pai = nullptr);

    // Types texto, then closes unless it is the diaeresis.
    void InsereSimbolo(const std::string& texto);

    // What a symbol does; by default it goes into the main editor
    // (InsereCaractere and the strip's refresh).
    std::function<void(const std::string&)> Insere;

    std::array<QPushButton*, 13> btnSimbolo{};
};

extern TformSimb* formSimb;
