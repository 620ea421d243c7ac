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

unsigned char MinusculaWindows(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 32);
    if (c == 0x8A || c == 0x8C || c == 0x8E)
        return static_cast<unsigned char>(c + 16);
    if (c == 0x9F)
        return 0xFF;
    return c;
}

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
