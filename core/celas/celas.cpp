// The cell tables shared by both programs, built at compile time.
#include "core/celas/celas.h"

namespace {

// Cells by six-dot mask. Old code first, unified code second; they differ
// only at masks 24, 32, 38, 40, 41, 48, 49, 50 and 54.
constexpr std::array<std::array<unsigned char, 64>, 2> kTabelaCelas = {{
    {{
        ' ',  'a',  ',',  'b',  '\'', 'k',  ';',  'l',   // 0-7
        '^',  'c',  'i',  'f',  0xED, 'm',  's',  'p',   // 8-15   (0xED i acute)
        '~',  'e',  ':',  'h',  '*',  'o',  '!',  'r',   // 16-23
        '@',  'd',  'j',  'g',  0xE3, 'n',  't',  'q',   // 24-31  (0xE3 a tilde)
        '`',  0xE2, '?',  0xEA, '-',  'u',  '{',  'v',   // 32-39  (a circ, e circ)
        ']',  0xEC, 0xF5, 0xE0, 0xF3, 'x',  0xE8, 0xE7,  // 40-47  (i grave, o tilde, a grave, o acute, e grave, c cedilla)
        '\\', 0xF9, '.',  0xFC, '}',  'z',  '(',  0xE1,  // 48-55  (u grave, u diaeresis, a acute)
        '_',  0xF4, 'w',  0xEF, '#',  'y',  0xFA, 0xE9,  // 56-63  (o circ, i diaeresis, u acute, e acute)
    }},
    {{
        ' ',  'a',  ',',  'b',  '\'', 'k',  ';',  'l',   // 0-7
        '^',  'c',  'i',  'f',  0xED, 'm',  's',  'p',   // 8-15
        '~',  'e',  ':',  'h',  '*',  'o',  '!',  'r',   // 16-23
        0xAC, 'd',  'j',  'g',  0xE3, 'n',  't',  'q',   // 24-31  (0xAC not sign)
        0xFD, 0xE2, '?',  0xEA, '-',  'u',  '"',  'v',   // 32-39  (0xFD y acute)
        '{',  0xEE, 0xF5, 0xE0, 0xF3, 'x',  0xE8, 0xE7,  // 40-47  (0xEE i circ)
        '$',  0xFB, 0xFF, 0xFC, '}',  'z',  '=',  0xE1,  // 48-55  (u circ, y diaeresis)
        '_',  0xF4, 'w',  0xEF, '#',  'y',  0xFA, 0xE9,  // 56-63
    }},
}};

// Six-dot cells of North American Braille ASCII, characters 32 to 95
// (space ... underscore), as the published table gives them in dot numbers.
constexpr int kNorteAmericano[64] = {
    0,      2346, 5,      3456,  1246,   146,   12346, 3,      // space ! " # $ % & '
    12356,  23456, 16,    346,   6,      36,    46,    34,     // ( ) * + , - . /
    356,    2,    23,     25,    256,    26,    235,   2356,   // 0 1 2 3 4 5 6 7
    236,    35,   156,    56,    126,    123456, 345,  1456,   // 8 9 : ; < = > ?
    4,      1,    12,     14,    145,    15,    124,   1245,   // @ A B C D E F G
    125,    24,   245,    13,    123,    134,   1345,  135,    // H I J K L M N O
    1234,   12345, 1235,  234,   2345,   136,   1236,  2456,   // P Q R S T U V W
    1346,   13456, 1356,  246,   1256,   12456, 45,    456,    // X Y Z [ \ ] ^ _
};

// Dot numbers written as decimal digits ("1234" = dots 1, 2, 3, 4) to a mask.
constexpr unsigned char Pontos(int digitos) {
    unsigned char m = 0;
    while (digitos > 0) {
        int d = digitos % 10;
        if (d >= 1 && d <= 8)
            m = static_cast<unsigned char>(m | (1u << (d - 1)));
        digitos /= 10;
    }
    return m;
}

constexpr unsigned char kPonto7 = 0x40;
constexpr unsigned char kPonto8 = 0x80;

constexpr unsigned char NA(int c) { return Pontos(kNorteAmericano[c - 32]); }

// Codes 160 to 223, listed.
constexpr int kAltos[64] = {
    78,      23467,   12467,    34567,   1467,    123467,  1567,    357,      // 160-167
    57,      23567,   8,        1267,    2567,    367,     2367,    267,      // 168-175
    3567,    3467,    237,      257,     37,      567,     2357,    467,      // 176-183
    67,      27,      7,        3457,    123567,  1234567, 234567, 14567,    // 184-191
    23578,   1678,    278,      578,     1234678, 34578,   378,     34678,    // 192-199
    235678,  12678,   2378,     12345678, 23678,  14678,   2578,    1235678,  // 200-207
    678,     4678,    3578,     145678,  25678,   5678,    234678,  167,      // 208-215
    3478,    35678,   15678,    2678,    2345678, 124678,  3678,    345678,   // 216-223
};

constexpr std::array<unsigned char, 256> MontaPontos() {
    std::array<unsigned char, 256> p{};
    for (int c = 32; c <= 63; ++c)
        p[c] = NA(c);
    for (int c = 64; c <= 95; ++c)
        p[c] = (c == 91 || c == 92 || c == 95) ? NA(c) : static_cast<unsigned char>(NA(c) | kPonto7);
    for (int c = 96; c <= 126; ++c)
        p[c] = NA(c - 32); // a lower-case letter has the cell of its capital
    p[127] = Pontos(4567);
    for (int c = 0; c <= 31; ++c)
        p[c] = static_cast<unsigned char>(NA(c + 64) | kPonto7 | kPonto8);
    for (int c = 128; c <= 159; ++c)
        p[c] = static_cast<unsigned char>(NA(c - 64) | kPonto8);
    for (int c = 160; c <= 223; ++c)
        p[c] = Pontos(kAltos[c - 160]);
    for (int c = 224; c <= 255; ++c)
        p[c] = static_cast<unsigned char>(p[c - 32] & ~kPonto7);
    p[247] = Pontos(347);
    return p;
}

} // namespace

// Built at compile time (constinit), so another unit's initialisation that
// reads them never finds them empty, whatever the order of initialisation.
constinit const std::array<std::array<unsigned char, 64>, 2> TabelaCelas = kTabelaCelas;
constinit const std::array<unsigned char, 256> PontosDoCaractere = MontaPontos();

std::array<unsigned char, 256> MascarasDoCodigo(bool antigo) {
    std::array<unsigned char, 256> m{};
    const auto& celas = CelasDoCodigo(antigo);
    for (unsigned mascara = 0; mascara < 64; ++mascara)
        m[celas[mascara]] = static_cast<unsigned char>(mascara);
    return m;
}
