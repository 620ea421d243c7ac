// Braille cells as both programs know them: the cell character of each
// six-dot mask in the two codes, the eight dots of each output code, and the
// Unicode braille pattern that draws an output code on screen. Plain data,
// no program state: the touch-up program uses it as the main program does.
#pragma once

#include <array>
#include <string_view>

// Cell characters by six-dot mask (bit 0 = dot 1 ... bit 5 = dot 6, 0 = the
// blank cell): TabelaCelas[0] old code, TabelaCelas[1] unified code.
extern const std::array<std::array<unsigned char, 64>, 2> TabelaCelas;

// Eight-dot pattern of each output code (bits 0-5 dots 1-6, bit 6 dot 7,
// bit 7 dot 8).
extern const std::array<unsigned char, 256> PontosDoCaractere;

// The half of TabelaCelas of one code.
inline const std::array<unsigned char, 64>& CelasDoCodigo(bool antigo) {
    return TabelaCelas[antigo ? 0 : 1];
}

// The inverse of one code's half: character -> dot mask. A character that is
// no cell of the code gives 0 (the blank cell); where two masks gave the same
// character the higher mask would win (no code has such a pair).
std::array<unsigned char, 256> MascarasDoCodigo(bool antigo);

// An output code drawn as a cell: the Unicode braille pattern U+2800 plus its
// dots (the same bit order, dots 7 and 8 included).
inline constexpr char16_t kBaseBraille = 0x2800;
inline char16_t CelaUnicode(unsigned char codigo) {
    return static_cast<char16_t>(kBaseBraille + PontosDoCaractere[codigo]);
}

// Names of the braille screen fonts as the settings and menus know them;
// text in them is output codes, drawn as cells.
inline constexpr const char* kFonteBrailleTalvo = "BrailleTalvo";
inline constexpr const char* kFontePontel = "pontel";
// The installed font that draws the cells (fonts-dejavu-core).
inline constexpr const char* kFonteCelas = "DejaVu Sans";

// True when a font name stands for a braille screen font (letter case aside).
inline bool EhFonteBraille(std::string_view nome) {
    auto igual = [&](std::string_view fonte) {
        if (nome.size() != fonte.size()) return false;
        for (std::size_t i = 0; i < nome.size(); ++i) {
            auto minuscula = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
            if (minuscula(nome[i]) != minuscula(fonte[i])) return false;
        }
        return true;
    };
    return igual(kFonteBrailleTalvo) || igual(kFontePontel);
}
