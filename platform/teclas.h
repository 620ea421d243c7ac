// Key codes as the windows' key handlers take them: the virtual-key codes of
// the keyboard (letters and digits are their upper-case ASCII codes). The Qt
// windows turn a key event into one of these (platform/qt/teclasqt.h), so the
// key logic behind them is plain C++ and tested without a window.
#pragma once

namespace vk {
inline constexpr int Backspace = 0x08;
inline constexpr int Tab = 0x09;
inline constexpr int Enter = 0x0D;
inline constexpr int Shift = 0x10;
inline constexpr int Control = 0x11;
inline constexpr int Alt = 0x12;
inline constexpr int Escape = 0x1B;
inline constexpr int Espaco = 0x20;
inline constexpr int PageUp = 0x21;
inline constexpr int PageDown = 0x22;
inline constexpr int End = 0x23;
inline constexpr int Home = 0x24;
inline constexpr int Esquerda = 0x25;
inline constexpr int Acima = 0x26;
inline constexpr int Direita = 0x27;
inline constexpr int Abaixo = 0x28;
inline constexpr int Insert = 0x2D;
inline constexpr int Delete = 0x2E;
// '0'..'9' are 0x30..0x39 and 'A'..'Z' 0x41..0x5A.
inline constexpr int Numerico0 = 0x60; // numeric keypad 0; keypad n is Numerico0 + n
inline constexpr int F1 = 0x70;        // Fn is F1 + n - 1
inline constexpr int F6 = 0x75;
inline constexpr int F7 = 0x76;
inline constexpr int F9 = 0x78;
inline constexpr int F10 = 0x79;
inline constexpr int F11 = 0x7A;
inline constexpr int F12 = 0x7B;
inline constexpr int Nenhuma = 0; // a key with no code of its own

inline constexpr int Numerico(int n) { return Numerico0 + n; }
} // namespace vk
