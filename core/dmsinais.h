// dmsinais: what the two translators do with an ink character that none of
// their rules names, one table per braille code.
//
// Such a character is written with the sign the Portuguese braille code
// gives it (the table of signs below); without a sign it is copied when the
// code table writes it as itself (a letter with its own cell, the
// multiplication sign, the degree sign ...), and otherwise it is left out of
// the braille and handed back to the caller, who tells the transcriber. So
// the braille a translator writes holds only characters that the code table
// of its code writes as cells: no byte of another meaning, no byte that no
// embosser prints as a cell.
//
// Signs are internal cells (the alphabet of TabelaCelas of the code, and the
// few further characters its code table maps), as the rules write them.
//
// A character that is a cell of the code is never in these tables: cells
// typed into the text (the Perkins typing, frames, a page of kelto pasted
// in) pass as they are. The braces of the unified code ("{" and "}", the
// cells 46 and 356) and the old code's closing bracket ("]", the cell 46)
// are the translators' own rules, where they pair on the text.
#pragma once

#include <array>
#include <string_view>

namespace dmsinais {

struct SinalSemRegra {
    unsigned char tinta;
    std::string_view braille; // internal cells; empty: the character gives nothing
};

// ---- Old code ----------------------------------------------------------
inline constexpr SinalSemRegra kSinaisAntigo[] = {
    {'\t', "  "},      // tab: two blanks, as the compile expands it
    {0xA0, " "},       // no-break space: a blank
    {0xAD, ""},        // soft hyphen: nothing (the break is the hyphenation's)
    {0x80, "^e"},      // euro: 4 15
    {0xA3, "^l"},      // pound: 4 123
    {0x85, "'''"},     // ellipsis: 3 3 3, as three full stops
    {0x89, "_}}"},     // per mille: 456 356 356
    {0x95, "\xf5o"},   // bullet: 246 135
    {0x8C, "]oe"},     // capital ligature oe: 46 135 15
    {0x9C, "oe"},      // ligature oe: 135 15
    {0xE6, "ae"},      // ligature ae: 1 15
    {0xB2, "\xe2#2"},  // superscript two: 16 3456 12 (index above, the number)
    {0xB3, "\xe2#3"},  // superscript three: 16 3456 14
    {0xB9, "\xe2#1"},  // superscript one: 16 3456 1
    {0xBC, "#,4"},     // one quarter: 3456 2 145, as the fraction `1/4
    {0xBD, "#,2"},     // one half: 3456 2 12, as `1/2
    {0xBE, "#:4"},     // three quarters: 3456 25 145, as `3/4
    {0xA9, "(c)"},     // copyright: "(c)" 2356 14 2356
    {0xAE, "(r)"},     // registered: "(r)" 2356 1235 2356
    {0xB5, "]m"},      // micro: 46 134 (Greek letter mu)
    {0xB1, "+-"},      // plus-minus: 235 36
    {0xA1, "!"},       // inverted exclamation mark: 235
    {0xBF, "?"},       // inverted question mark: 26
};

// Letters of the Latin-1 sets that the old code has no cell for. They
// neither continue a word nor a capital run: each is left out on its own.
inline constexpr unsigned char kSemCelaAntigo[] = {
    0xC5, 0xCB, 0xD0, 0xD8, 0xDD, 0xDE, // Å Ë Ð Ø Ý Þ
    0xE5, 0xEB, 0xF0, 0xF8, 0xFD, 0xFE, // å ë ð ø ý þ
};

// Characters above 127 the rules copy and the old code table writes as
// their own sign.
inline constexpr unsigned char kCopiadosAntigo[] = {
    0xD7, 0xF7, 0xB0, 0xAA, 0xBA, // × ÷ ° ª º
    0x96, 0x97, 0xAB, 0xBB, 0x91, 0x92, // – — « » ‘ ’
};

// Characters above 127, besides the cells, that the old rules write: "ÿ",
// the lowered sharp s.
inline constexpr unsigned char kEscritosAntigo[] = {0xFF};

// ---- Unified code ------------------------------------------------------
inline constexpr SinalSemRegra kSinaisUnificado[] = {
    {'\t', "  "},          // tab: two blanks, as the compile expands it
    {0xA0, " "},           // no-break space: a blank
    {0xAD, ""},            // soft hyphen: nothing (the break is the hyphenation's)
    {0xA3, "^l"},          // pound: 4 123
    {0x8C, "{oe"},         // capital ligature oe: 46 135 15
    {0xA9, "(.c\\)"},      // copyright: "(c)" 126 3 14 6 345
    {0xAE, "(.r\\)"},      // registered: "(r)" 126 3 1235 6 345
    {0xB5, "{m"},          // micro: 46 134 (Greek letter mu)
    {0xB1, "+-"},          // plus-minus: 235 36
    {0xA1, "!"},           // inverted exclamation mark: 235
    {0xBF, "?"},           // inverted question mark: 26
};

// Letters of the Latin-1 sets that the unified code has no cell for. (The
// characters of its cells, "ý" "ÿ" "î" "û" among them, are copied: the text
// may hold cells typed as they are, as the Perkins typing does.)
inline constexpr unsigned char kSemCelaUnificado[] = {
    0xCB, 0xD0, 0xD8, 0xD9, 0xDE, // Ë Ð Ø Ù Þ
    0xEB, 0xF0, 0xF8, 0xF9, 0xFE, // ë ð ø ù þ
};

inline constexpr unsigned char kCopiadosUnificado[] = {
    0xD7, 0xF7, 0xB0, 0xAA, 0xBA, 0xAC, // × ÷ ° ª º ¬
};

// Characters above 127, besides the cells, that the unified rules write:
// the euro's prefix, the index above, the foreign slash, the lowered sharp s.
inline constexpr unsigned char kEscritosUnificado[] = {0x80, 0xE5, 0xEC, 0xFF};

// ---- Per byte ----------------------------------------------------------
// What a translator does with a character no rule names, one byte each (a
// table of 256 bytes, looked up for every blank and sign of a text): copied,
// left out, or the sign of row n of the code's table (kSinal + n).
enum : unsigned char { kOmite = 0, kCopia = 1, kSinal = 2 };

template <std::size_t NS, std::size_t NL, std::size_t NC>
constexpr std::array<unsigned char, 256> FazDestinos(const SinalSemRegra (&sinais)[NS],
                                                     const unsigned char (&semCela)[NL],
                                                     const unsigned char (&copiados)[NC]) {
    static_assert(NS + kSinal <= 256);
    std::array<unsigned char, 256> d{};
    for (int b = 0; b < 256; ++b) {
        const auto c = static_cast<unsigned char>(b);
        bool copia = (c >= 0x20 && c <= 0x7E) || c >= 0xE0; // printable ASCII, small letters
        for (unsigned char s : semCela)
            copia = copia && s != c;
        for (unsigned char s : copiados)
            copia = copia || s == c;
        d[static_cast<std::size_t>(b)] = copia ? kCopia : kOmite;
    }
    for (std::size_t n = 0; n < NS; ++n)
        d[sinais[n].tinta] = static_cast<unsigned char>(kSinal + n);
    return d;
}

inline constexpr std::array<unsigned char, 256> kDestinosAntigo =
    FazDestinos(kSinaisAntigo, kSemCelaAntigo, kCopiadosAntigo);
inline constexpr std::array<unsigned char, 256> kDestinosUnificado =
    FazDestinos(kSinaisUnificado, kSemCelaUnificado, kCopiadosUnificado);

// The letters without a cell of a code, by byte.
template <std::size_t N>
constexpr std::array<bool, 256> PorByte(const unsigned char (&lista)[N]) {
    std::array<bool, 256> t{};
    for (unsigned char c : lista)
        t[c] = true;
    return t;
}
inline constexpr std::array<bool, 256> kSemCelaAntigoPorByte = PorByte(kSemCelaAntigo);
inline constexpr std::array<bool, 256> kSemCelaUnificadoPorByte = PorByte(kSemCelaUnificado);

// Every character the translator of a code may write: the cells of the code,
// printable ASCII (what the code table leaves as it is is a cell of braille
// ASCII), and the characters above 127 the rules write or copy. The code
// table of the code writes each of them as a cell.
const std::array<bool, 256>& EscritaDoCodigo(bool antigo);

} // namespace dmsinais
