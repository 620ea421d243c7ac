// Windows-1252 <-> UTF-8.
#include "platform/codepage.h"
#include "platform/texto.h"

#include <ostream>

namespace {

constexpr const char16_t (&kAlto)[32] = texto_detalhe::Alto1252;

void AnexaUtf8(std::string& o, char32_t u) {
    if (u < 0x80) {
        o += static_cast<char>(u);
    } else if (u < 0x800) {
        o += static_cast<char>(0xC0 | (u >> 6));
        o += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        o += static_cast<char>(0xE0 | (u >> 12));
        o += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        o += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        o += static_cast<char>(0xF0 | (u >> 18));
        o += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        o += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        o += static_cast<char>(0x80 | (u & 0x3F));
    }
}

} // namespace

char32_t Cp1252ParaUnicode(unsigned char c) {
    if (c >= 0x80 && c < 0xA0)
        return kAlto[c - 0x80];
    return c;
}

int UnicodeParaCp1252(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<int>(u);
    for (int i = 0; i < 32; ++i)
        if (kAlto[i] == u)
            return 0x80 + i;
    return -1;
}

std::string Cp1252ParaUtf8(std::string_view s) {
    std::string o;
    o.reserve(s.size() + s.size() / 8);
    for (unsigned char c : s)
        AnexaUtf8(o, Cp1252ParaUnicode(c));
    return o;
}

std::string Utf8ParaCp1252(std::string_view s) {
    std::string o;
    o.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int n = 0;
        char32_t u = 0;
        if (c < 0x80) { o += static_cast<char>(c); ++i; continue; }
        if ((c & 0xE0) == 0xC0) { n = 1; u = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { n = 2; u = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { n = 3; u = c & 0x07; }
        else { o += static_cast<char>(c); ++i; continue; }
        bool ok = i + n < s.size();
        for (int k = 1; ok && k <= n; ++k) {
            unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) ok = false;
            else u = (u << 6) | (d & 0x3F);
        }
        // Overlong forms (a hidden NUL or "/"), surrogates and values past
        // U+10FFFF are malformed too.
        static constexpr char32_t kMinimo[4] = {0, 0x80, 0x800, 0x10000};
        if (ok && (u < kMinimo[n] || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)))
            ok = false;
        if (!ok) { o += static_cast<char>(c); ++i; continue; }
        int b = UnicodeParaCp1252(u);
        o += b < 0 ? '?' : static_cast<char>(b);
        i += n + 1;
    }
    return o;
}

namespace {
constexpr unsigned char Minuscula(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 32);
    if (c == 0x8A || c == 0x8C || c == 0x8E)
        return static_cast<unsigned char>(c + 16);
    if (c == 0x9F)
        return 0xFF;
    return c;
}
} // namespace

unsigned char MinusculaWindows(unsigned char c) { return Minuscula(c); }

unsigned char MaiusculaWindows(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c != 0xF7 && c != 0xFF))
        return static_cast<unsigned char>(c - 32);
    if (c == 0x9A || c == 0x9C || c == 0x9E)
        return static_cast<unsigned char>(c - 16);
    if (c == 0xFF)
        return 0x9F;
    return c;
}

bool IgualSemCaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (MinusculaWindows(static_cast<unsigned char>(a[i])) !=
            MinusculaWindows(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::ostream& operator<<(std::ostream& os, const TextoFixo& t) { return os << t.vista(); }

// ---- Order of text -----------------------------------------------------------
namespace {

// Accent marks, in the order in which forms of one base letter sort.
enum Acento : unsigned char { kSem, kAgudo, kGrave, kCircunflexo, kTil, kTrema, kAnel, kCedilha, kCaron, kBarra };

struct Colacao {
    unsigned char dobra[256];   // the byte in lower case
    unsigned short peso[256];   // primary weight of a folded byte
    unsigned char acento[256];  // its accent
};

// Weight of a base letter: after every sign and digit (which weigh their own
// byte value, below 256).
constexpr unsigned short PesoLetra(unsigned char base) { return static_cast<unsigned short>(0x100 + base); }

constexpr Colacao MontaColacao() {
    Colacao c{};
    for (int i = 0; i < 256; ++i) {
        c.dobra[i] = Minuscula(static_cast<unsigned char>(i));
        c.peso[i] = static_cast<unsigned short>(i);
        c.acento[i] = kSem;
    }
    for (int l = 'a'; l <= 'z'; ++l)
        c.peso[l] = PesoLetra(static_cast<unsigned char>(l));
    struct Letra {
        unsigned char byte, base, acento;
    };
    constexpr Letra letras[] = {
        {0xE0, 'a', kGrave}, {0xE1, 'a', kAgudo}, {0xE2, 'a', kCircunflexo}, {0xE3, 'a', kTil},
        {0xE4, 'a', kTrema}, {0xE5, 'a', kAnel}, {0xE7, 'c', kCedilha}, {0xE8, 'e', kGrave},
        {0xE9, 'e', kAgudo}, {0xEA, 'e', kCircunflexo}, {0xEB, 'e', kTrema}, {0xEC, 'i', kGrave},
        {0xED, 'i', kAgudo}, {0xEE, 'i', kCircunflexo}, {0xEF, 'i', kTrema}, {0xF1, 'n', kTil},
        {0xF2, 'o', kGrave}, {0xF3, 'o', kAgudo}, {0xF4, 'o', kCircunflexo}, {0xF5, 'o', kTil},
        {0xF6, 'o', kTrema}, {0xF8, 'o', kBarra}, {0xF9, 'u', kGrave}, {0xFA, 'u', kAgudo},
        {0xFB, 'u', kCircunflexo}, {0xFC, 'u', kTrema}, {0xFD, 'y', kAgudo}, {0xFF, 'y', kTrema},
        {0x9A, 's', kCaron}, {0x9E, 'z', kCaron},
    };
    for (const Letra& l : letras) {
        c.peso[l.byte] = PesoLetra(l.base);
        c.acento[l.byte] = l.acento;
    }
    // Letters of their own, after z: æ, ð, þ, ß, œ.
    constexpr unsigned char proprias[] = {0xE6, 0xF0, 0xFE, 0xDF, 0x9C};
    for (int i = 0; i < 5; ++i)
        c.peso[proprias[i]] = PesoLetra(static_cast<unsigned char>('z' + 1 + i));
    return c;
}

constexpr Colacao kColacao = MontaColacao();

unsigned char Dobra(char c) { return kColacao.dobra[static_cast<unsigned char>(c)]; }

} // namespace

int ComparaTextoAnsi(std::string_view a, std::string_view b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    // Base letters first, then (for the same base letters) accents.
    int acento = 0;
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = Dobra(a[i]), y = Dobra(b[i]);
        if (x == y)
            continue;
        if (kColacao.peso[x] != kColacao.peso[y])
            return kColacao.peso[x] < kColacao.peso[y] ? -1 : 1;
        if (acento == 0)
            acento = kColacao.acento[x] < kColacao.acento[y] ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return acento;
}

int ComparaStrAnsi(std::string_view a, std::string_view b) {
    if (int r = ComparaTextoAnsi(a, b))
        return r;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return static_cast<unsigned char>(a[i]) == Dobra(a[i]) ? -1 : 1;
    return 0;
}
