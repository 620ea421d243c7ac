// A Qt key event as the key code of platform/teclas.h, the character a key
// types, and the auto-repeat of a held key told apart from a release and a
// new press. Header-only, so every program that links only the platform and
// Qt uses the same mapping.
#pragma once

#include "platform/qt/textoqt.h"
#include "platform/teclas.h"

#include <QKeyEvent>
#include <QTimer>

#include <functional>
#include <optional>
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

// A held key's auto-repeat comes from X11 as a release and a press with the
// same timestamp. Qt marks the pair as a repeat only when it finds the press
// already queued as it reads the release, so now and then a pair comes
// unmarked, and a window that types on a key's release (a six-key chord)
// would type a stray cell. SolturasDeTeclas holds an unmarked release back
// for a moment: a press of the same key with the same timestamp right after
// it makes both a repeat; any other key, or the moment passing, lets the
// release through first, so releases keep their order among the keys. A
// release without a timestamp (a synthesised event) goes through at once.
class SolturasDeTeclas {
public:
    // entrega(key code of platform/teclas.h): a release that goes through.
    explicit SolturasDeTeclas(std::function<void(int)> entrega) : entrega_(std::move(entrega)) {
        espera_.setSingleShot(true);
        espera_.setInterval(kEsperaMs);
        QObject::connect(&espera_, &QTimer::timeout, [this] { Conclui(); });
    }
    SolturasDeTeclas(const SolturasDeTeclas&) = delete;
    SolturasDeTeclas& operator=(const SolturasDeTeclas&) = delete;

    // A key went down. True when the press is an auto-repeat (marked by Qt,
    // or the second half of an unmarked pair).
    bool Pressionada(const QKeyEvent& e) {
        const int tecla = TeclaVirtual(e);
        if (pendente_ && e.timestamp() != 0 && pendente_->tecla == tecla && pendente_->quando == e.timestamp()) {
            pendente_.reset();
            espera_.stop();
            return true;
        }
        Conclui();
        return e.isAutoRepeat();
    }
    // A key went up. Releases marked as repeats are dropped.
    void Solta(const QKeyEvent& e) {
        Conclui();
        if (e.isAutoRepeat())
            return;
        const int tecla = TeclaVirtual(e);
        if (e.timestamp() == 0) {
            entrega_(tecla);
            return;
        }
        pendente_ = Pendente{tecla, e.timestamp()};
        espera_.start();
    }
    // Lets a held release through now.
    void Conclui() {
        if (!pendente_)
            return;
        const int tecla = pendente_->tecla;
        pendente_.reset();
        espera_.stop();
        entrega_(tecla);
    }
    bool HaPendente() const { return pendente_.has_value(); }

    // Long enough for the press that X11 sends with the release, short
    // enough not to be seen.
    static constexpr int kEsperaMs = 30;

private:
    struct Pendente {
        int tecla;
        quint64 quando;
    };
    std::function<void(int)> entrega_;
    std::optional<Pendente> pendente_;
    QTimer espera_;
};
