// dmtradutor: the pass over the bytes, byte classes and small helpers shared
// by the two ink-to-braille translators (dmunif, dmantigo). Inline and
// table-driven: the translators run over every line of the document on each
// compile.
//
// The letter sets are the ones of dmvars (Maiusculas: A-Z and 192-223;
// Minusculas: a-z and 224-255); a test checks that they agree.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/dmsinais.h"
#include "core/dmutil.h"

namespace dmtradutor {

constexpr unsigned char kVezes = 215;        // multiplication sign
constexpr unsigned char kSzAgudo = 223;      // sharp s
constexpr unsigned char kAe = 230;           // ae ligature
constexpr unsigned char kAcentoGrave = 96;
constexpr unsigned char kOrdinalFem = 170;
constexpr unsigned char kOrdinalMasc = 186;
constexpr unsigned char kGrau = 176;
constexpr unsigned char kAspasAbre = 147;
constexpr unsigned char kAspasFecha = 148;
constexpr unsigned char kAspasBaixas = 132;  // low double quote: opens, as the curly one

constexpr bool LetraMaiuscula(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 192 && c <= 223);
}
constexpr bool LetraMinuscula(unsigned char c) {
    return (c >= 'a' && c <= 'z') || c >= 224;
}
constexpr bool EhDigito(unsigned char c) { return c >= '0' && c <= '9'; }

// The lower-case form of an upper-case set member (plus 32).
constexpr unsigned char Minuscula(unsigned char c) {
    return LetraMaiuscula(c) ? static_cast<unsigned char>(c + 32) : c;
}

// What the main loop of a translator does first with a byte.
enum Classe : unsigned char {
    Outro = 0,   // punctuation, symbols, blanks: the per-character rules
    Minuscula_,  // starts (and continues) a lower-case run
    Maiuscula_,  // starts a capital
    Digito_,     // starts a number
};

// excluidos: bytes of the letter sets that are not letters for this
// translator and go to the per-character rules instead; so do the letters
// its code has no cell for (semCela).
template <unsigned char... excluidos, std::size_t N>
constexpr std::array<Classe, 256> FazClasses(const unsigned char (&semCela)[N]) {
    std::array<Classe, 256> t{};
    for (int i = 0; i < 256; ++i) {
        auto c = static_cast<unsigned char>(i);
        if (LetraMinuscula(c))
            t[i] = Minuscula_;
        else if (LetraMaiuscula(c))
            t[i] = Maiuscula_;
        else if (EhDigito(c))
            t[i] = Digito_;
        bool excluido = false;
        ((excluido = excluido || c == excluidos), ...);
        if (excluido)
            t[i] = Outro;
    }
    for (unsigned char c : semCela)
        t[c] = Outro;
    return t;
}

// True when the bytes of s lie inside the buffer of out, so that appending to
// out could move them.
inline bool Sobrepoe(std::string_view s, const std::string& out) {
    if (s.empty())
        return false;
    std::less<const char*> menor;
    const char* ini = out.data();
    const char* fim = out.data() + out.capacity() + 1;
    return !menor(s.data(), ini) && menor(s.data(), fim);
}

// Room for at least extra more bytes, growing geometrically so that many
// calls appending to one buffer stay linear.
inline void Reserva(std::string& out, std::size_t extra) {
    const std::size_t precisa = out.size() + extra;
    if (precisa > out.capacity())
        out.reserve(precisa > 2 * out.capacity() ? precisa : 2 * out.capacity());
}

// Length of the ordinal suffix at j ("ª", "º", "a.", "o.", "as.", "os.";
// with grauComoO also "°"), 0 when none; texto receives the braille letters.
inline std::size_t SufixoOrdinal(const unsigned char* p, std::size_t j, std::size_t n,
                                 bool grauComoO, std::string_view& texto) {
    if (j >= n)
        return 0;
    unsigned char c = p[j];
    if (c == kOrdinalFem) {
        texto = "a";
        return 1;
    }
    if (c == kOrdinalMasc || (grauComoO && c == kGrau)) {
        texto = "o";
        return 1;
    }
    if (c != 'a' && c != 'o')
        return 0;
    if (j + 1 < n && p[j + 1] == '.') {
        texto = c == 'a' ? "a" : "o";
        return 2;
    }
    if (j + 2 < n && p[j + 1] == 's' && p[j + 2] == '.') {
        texto = c == 'a' ? "as" : "os";
        return 3;
    }
    return 0;
}

// End of the run of digits that starts at j.
inline std::size_t FimDigitos(const unsigned char* p, std::size_t j, std::size_t n) {
    while (j < n && EhDigito(p[j]))
        ++j;
    return j;
}

// ---- Signs both codes write alike ------------------------------------------
// One sign of the per-character rules: the ink byte and its braille, outside
// and inside foreign text. Only signs the old and the unified rules really
// write alike are here; each translator keeps the ones it writes its own way.
struct SinalComum {
    unsigned char tinta;
    std::string_view normal;
    std::string_view ingles;
};

// Bracket signs after the grave accent (the unified translator finds them
// in its mathematical-sign table, which takes these texts).
namespace aposacento {
inline constexpr char AbreParenteses[] = "\xea";  // dots 126
inline constexpr char FechaParenteses[] = "\xe3"; // dots 345
inline constexpr char AbreColchete[] = "\xe1";    // dots 12356
inline constexpr char FechaColchete[] = "\xfa";   // dots 23456
inline constexpr char AbreChave[] = "~l";          // dots 5, 123
inline constexpr char FechaChave[] = "_,";         // dots 456, 2
} // namespace aposacento

inline constexpr SinalComum kSinaisAposAcento[] = {
    {'(', aposacento::AbreParenteses, aposacento::AbreParenteses},
    {')', aposacento::FechaParenteses, aposacento::FechaParenteses},
    {'[', aposacento::AbreColchete, aposacento::AbreColchete},
    {']', aposacento::FechaColchete, aposacento::FechaColchete},
    {'{', aposacento::AbreChave, aposacento::AbreChave},
    {'}', aposacento::FechaChave, aposacento::FechaChave},
};

// Special characters: percent, underscore (the foreign-text form differs)
// and the section sign.
inline constexpr SinalComum kSinaisEspeciais[] = {
    {'%', "_}", "_}"},
    {'_', "_", "]"},
    {167, "ss", "ss"},
};

// The sign of c in the table, null when c is none of its signs.
template <std::size_t N>
constexpr const SinalComum* ProcuraSinal(const SinalComum (&tabela)[N], unsigned char c) {
    for (const SinalComum& s : tabela)
        if (s.tinta == c)
            return &s;
    return nullptr;
}

// The special character c of kSinaisEspeciais, null when c is none: one
// look into a table by byte, since every blank and punctuation mark of a
// text asks.
inline const SinalComum* SinalEspecial(unsigned char c) {
    static constexpr std::array<const SinalComum*, 256> porByte = [] {
        std::array<const SinalComum*, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] = ProcuraSinal(kSinaisEspeciais, static_cast<unsigned char>(b));
        return t;
    }();
    return porByte[c];
}

// A straight quote opens and closes in turn; a curly or low one says which
// it is and sets the turn. aberta is 1 while the next straight quote opens.
// True when c opens the quotation.
inline bool AbreAspas(unsigned char c, unsigned char& aberta) {
    if (c == kAspasAbre || c == kAspasBaixas)
        aberta = 1;
    else if (c == kAspasFecha)
        aberta = 0;
    const bool abre = aberta == 1;
    aberta = abre ? 0 : 1;
    return abre;
}

// The pass both translators make: left to right over the bytes, the first
// rule that applies handles the byte at i and moves i past what it consumed.
// A run of small letters (hyphens included) is copied; capitals, numbers and
// every other byte go to the translator's Maiusculas, Numero and Sinal.
template <class T>
class Passada {
public:
    Passada(std::string_view s, std::string& out, std::string* omitidos)
        : p_(reinterpret_cast<const unsigned char*>(s.data())), n_(s.size()), out_(out),
          omitidos_(omitidos), ingles_(TextoIngles) {}

    void Executa(const std::array<Classe, 256>& classe) {
        T& t = static_cast<T&>(*this);
        std::size_t i = 0;
        while (i < n_) {
            switch (classe[p_[i]]) {
            case Minuscula_: {
                std::size_t j = i + 1;
                while (j < n_ && (classe[p_[j]] == Minuscula_ || p_[j] == '-'))
                    ++j;
                Copia(i, j);
                i = j;
                break;
            }
            case Maiuscula_:
                t.Maiusculas(i);
                break;
            case Digito_:
                t.Numero(i);
                break;
            case Outro:
                t.Sinal(i);
                break;
            }
        }
    }

protected:
    void Copia(std::size_t ini, std::size_t fim) {
        out_.append(reinterpret_cast<const char*>(p_) + ini, fim - ini);
    }

    // A character no rule names: its sign in the code's table, else itself
    // when the code table writes it as itself, else nothing (and it is
    // handed back in omitidos).
    template <std::size_t N>
    void SemRegra(unsigned char c, const std::array<unsigned char, 256>& destinos,
                  const dmsinais::SinalSemRegra (&sinais)[N]) {
        const unsigned char d = destinos[c];
        if (d == dmsinais::kCopia)
            out_ += static_cast<char>(c);
        else if (d >= dmsinais::kSinal)
            out_ += sinais[d - dmsinais::kSinal].braille;
        else if (omitidos_)
            *omitidos_ += static_cast<char>(c);
    }

    const unsigned char* p_;
    std::size_t n_;
    std::string& out_;
    std::string* omitidos_;
    bool ingles_;
};

// Appends the translation of origem to destino, with room for reserva more
// bytes made first; origem may lie inside destino. The characters left out
// are appended to omitidos (when given).
template <class T>
void TraduzCom(std::string_view origem, std::string& destino, std::size_t reserva, std::string* omitidos) {
    if (Sobrepoe(origem, destino)) {
        const std::string copia(origem);
        TraduzCom<T>(copia, destino, reserva, omitidos);
        return;
    }
    Reserva(destino, reserva);
    T(origem, destino, omitidos).Executa();
}

} // namespace dmtradutor
