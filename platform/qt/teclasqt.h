// A Qt key event as the key code of platform/teclas.h, and the character a
// key types. Header-only, so every program that links only the platform and
// Qt uses the same mapping.
#pragma once

#include "platform/qt/textoqt.h"
#include "platform/teclas.h"

#include <QKeyEvent>

#include <string>

inline int TeclaVirtual(const QKeyEvent& e) {
    const int k = e.key();
    // The keypad's digits (with Num Lock on; with it off they arrive as the
    // movement keys, as on Windows).
    if ((e.modifiers() & Qt::KeypadModifier) && k >= Qt::Key_0 && k <= Qt::Key_9)
        return vk::Numerico(k - Qt::Key_0);
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9))
        return k; // Qt's codes are the ASCII capitals and digits
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return vk::F1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return vk::Backspace;
    case Qt::Key_Tab: case Qt::Key_Backtab: return vk::Tab;
    case Qt::Key_Return: case Qt::Key_Enter: return vk::Enter;
    case Qt::Key_Shift: return vk::Shift;
    case Qt::Key_Control: return vk::Control;
    case Qt::Key_Alt: return vk::Alt;
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Space: return vk::Espaco;
    case Qt::Key_PageUp: return vk::PageUp;
    case Qt::Key_PageDown: return vk::PageDown;
    case Qt::Key_End: return vk::End;
    case Qt::Key_Home: return vk::Home;
    case Qt::Key_Left: return vk::Esquerda;
    case Qt::Key_Up: return vk::Acima;
    case Qt::Key_Right: return vk::Direita;
    case Qt::Key_Down: return vk::Abaixo;
    case Qt::Key_Insert: return vk::Insert;
    case Qt::Key_Delete: return vk::Delete;
    default: return vk::Nenhuma;
    }
}

// The characters (Windows-1252) a key press types: with Ctrl held a letter
// types its control character (Ctrl+C is 3, Ctrl+V 22), as on Windows;
// otherwise the event's text, without the control characters that keys such
// as Delete or Escape carry. Characters with no Windows-1252 byte become "?".
inline std::string CaracteresDigitados(const QKeyEvent& e) {
    const int k = e.key();
    if ((e.modifiers() & Qt::ControlModifier) && k >= Qt::Key_A && k <= Qt::Key_Z)
        return std::string(1, static_cast<char>(k - Qt::Key_A + 1));
    std::string s;
    for (unsigned char c : DeQString(e.text()))
        if (c >= 32 && c != 127)
            s += static_cast<char>(c);
    return s;
}
