// Program text is Windows-1252 bytes. Two helpers for texts fixed at compile
// time: TextoFixo, a constant text that stands wherever a std::string is
// expected, and the literal suffix _cp, which turns a UTF-8 literal of the
// source into its Windows-1252 bytes while compiling:
//
//     MensagemOK("Arquivo não encontrado"_cp);
//
// so every message reads in the source as the user sees it (and grep finds
// it). A character Windows-1252 has no byte for does not compile.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

// A fixed text built at compile time, so it is ready before any other unit's
// initialisation reads it; it stands wherever a std::string is expected.
class TextoFixo {
public:
    template <std::size_t N>
    constexpr explicit TextoFixo(const char (&s)[N]) : dados_(s), tamanho_(N - 1) {}
    constexpr TextoFixo(const char* s, std::size_t n) : dados_(s), tamanho_(n) {}

    constexpr std::string_view vista() const { return {dados_, tamanho_}; }
    constexpr operator std::string_view() const { return vista(); }
    operator std::string() const { return std::string(dados_, tamanho_); }

    constexpr const char* data() const { return dados_; }
    constexpr const char* c_str() const { return dados_; }
    constexpr std::size_t size() const { return tamanho_; }
    constexpr std::size_t length() const { return tamanho_; }
    constexpr bool empty() const { return tamanho_ == 0; }
    constexpr char operator[](std::size_t i) const { return dados_[i]; }

    friend constexpr bool operator==(const TextoFixo& a, std::string_view b) { return a.vista() == b; }
    friend std::string operator+(const std::string& a, const TextoFixo& b) { return a + std::string(b); }
    friend std::string operator+(const TextoFixo& a, const std::string& b) { return std::string(a) + b; }
    friend std::string operator+(const TextoFixo& a, const char* b) { return std::string(a) + b; }
    friend std::string operator+(const char* a, const TextoFixo& b) { return a + std::string(b); }
    friend std::string operator+(const TextoFixo& a, const TextoFixo& b) { return std::string(a) + std::string(b); }

private:
    const char* dados_;
    std::size_t tamanho_;
};

std::ostream& operator<<(std::ostream& os, const TextoFixo& t);

namespace texto_detalhe {

// 0x80..0x9F of Windows-1252; the undefined five map to the C1 control of the
// same value (as the run-time conversion does).
inline constexpr char16_t Alto1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The source literal, as a template argument.
template <std::size_t N>
struct LiteralUtf8 {
    char u[N]{};
    constexpr LiteralUtf8(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i)
            u[i] = s[i];
    }
};

constexpr int ByteDe(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (Alto1252[i] == c)
            return 0x80 + i;
    return -1;
}

// The literal in Windows-1252, NUL-terminated; n is its length.
template <std::size_t N>
struct Literal1252 {
    char b[N]{};
    std::size_t n = 0;
};

template <LiteralUtf8 S>
constexpr auto Converte() {
    constexpr std::size_t N = sizeof(S.u);
    Literal1252<N> r{};
    std::size_t i = 0;
    while (i + 1 < N) {
        const auto c = static_cast<unsigned char>(S.u[i]);
        char32_t u = 0;
        std::size_t seguintes = 0;
        if (c < 0x80) { u = c; }
        else if ((c & 0xE0) == 0xC0) { u = c & 0x1F; seguintes = 1; }
        else if ((c & 0xF0) == 0xE0) { u = c & 0x0F; seguintes = 2; }
        else if ((c & 0xF8) == 0xF0) { u = c & 0x07; seguintes = 3; }
        else throw "literal _cp: UTF-8 malformado";
        for (std::size_t k = 1; k <= seguintes; ++k) {
            if (i + k + 1 >= N)
                throw "literal _cp: UTF-8 truncado";
            const auto d = static_cast<unsigned char>(S.u[i + k]);
            if ((d & 0xC0) != 0x80)
                throw "literal _cp: UTF-8 malformado";
            u = (u << 6) | (d & 0x3F);
        }
        const int byte = ByteDe(u);
        if (byte < 0)
            throw "literal _cp: caractere sem byte em Windows-1252";
        r.b[r.n++] = static_cast<char>(byte);
        i += seguintes + 1;
    }
    r.b[r.n] = '\0';
    return r;
}

template <LiteralUtf8 S>
inline constexpr auto Convertido = Converte<S>();

} // namespace texto_detalhe

template <texto_detalhe::LiteralUtf8 S>
constexpr TextoFixo operator""_cp() {
    return TextoFixo(texto_detalhe::Convertido<S>.b, texto_detalhe::Convertido<S>.n);
}
