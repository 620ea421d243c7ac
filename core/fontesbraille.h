// The braille screen fonts. The program's braille fonts ("BrailleTalvo" for
// the view, the strip and the word-processor document, "pontel" for the
// check window) draw each output code as its braille cell; here an output
// code c is drawn as the Unicode braille pattern U+2800 + PontosDoCaractere[c]
// (the same dot bit order, dots 7 and 8 included) in a common font that
// carries every pattern.
#pragma once

#include <string_view>

#include "core/dmvars.h"
#include "platform/codepage.h"

// Names of the braille screen fonts as the settings and menus know them.
inline constexpr const char* kFonteBrailleTalvo = "BrailleTalvo";
inline constexpr const char* kFontePontel = "pontel";
// The installed font that draws the cells (fonts-dejavu-core on Debian).
inline constexpr const char* kFonteCelas = "DejaVu Sans";
// A font of the same patterns found on most other desktops.
inline constexpr const char* kFonteCelasAlternativa = "Segoe UI Symbol";

// The first of the Unicode braille patterns (no dot raised).
inline constexpr char16_t kBaseBraille = 0x2800;

// True when a font name stands for a braille screen font (letter case aside).
inline bool EhFonteBraille(std::string_view nome) {
    return IgualSemCaixa(nome, kFonteBrailleTalvo) || IgualSemCaixa(nome, kFontePontel);
}

// The Unicode braille pattern that shows an output code.
inline char16_t CelaUnicode(unsigned char codigo) {
    return static_cast<char16_t>(kBaseBraille + PontosDoCaractere[codigo]);
}
