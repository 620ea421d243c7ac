// dmchkbrl: back-translation of a braille line for the check window.
#include "core/dmchkbrl.h"

#include "core/dmvars.h"

namespace {

// Dot masks: bit 0 = dot 1 ... bit 5 = dot 6.
constexpr int kPontos46 = (1 << 3) | (1 << 5);
constexpr int kPontos3456 = (1 << 2) | (1 << 3) | (1 << 4) | (1 << 5);
constexpr unsigned char kApostrofo = 39;

bool EhDigitoLetra(unsigned char c) { return c >= 'a' && c <= 'j'; }

} // namespace

std::array<unsigned char, 256> TabelaReversaBraille() {
    std::array<unsigned char, 256> rev{};
    const auto& celas = CelasAtuais();
    for (int m = 0; m < 64; ++m) {
        const unsigned char c = celas[static_cast<size_t>(m)];
        rev[TabelaImpressora[c]] = c;
    }
    rev[kApostrofo] = '.';
    return rev;
}

// Under the unified code the capital sign is "{" and the number sign "#".
// The old code's table puts other characters on those cells, so the signs
// are taken by their dots, which keeps an old-code line readable too.
unsigned char SinalMaiuscula() { return CelasAtuais()[kPontos46]; }
unsigned char SinalNumero() { return CelasAtuais()[kPontos3456]; }

std::string ReverteBraille(const std::string& linha) {
    const auto rev = TabelaReversaBraille();
    std::string s;
    s.reserve(linha.size());
    for (unsigned char c : linha) s.push_back(static_cast<char>(rev[c]));

    const unsigned char maiuscula = SinalMaiuscula();
    const unsigned char numero = SinalNumero();
    auto at = [&s](size_t i) { return static_cast<unsigned char>(s[i]); };

    // Capital runs: two capital signs before a small letter.
    if (s.size() >= 3) {
        for (size_t i = s.size() - 3 + 1; i-- > 0;) {
            if (i + 2 < s.size() && at(i) == maiuscula && at(i + 1) == maiuscula &&
                EhMinuscula(at(i + 2))) {
                s.erase(i, 2);
                for (size_t j = i; j < s.size() && EhMinuscula(at(j)); ++j)
                    s[j] = static_cast<char>(at(j) - 32);
            }
        }
    }
    // Single capitals.
    if (s.size() >= 2) {
        for (size_t i = s.size() - 2 + 1; i-- > 0;) {
            if (i + 1 < s.size() && at(i) == maiuscula && EhMinuscula(at(i + 1))) {
                s.erase(i, 1);
                s[i] = static_cast<char>(at(i) - 32);
            }
        }
    }
    // Numbers: the number sign before the letters a..j.
    if (s.size() >= 2) {
        for (size_t i = s.size() - 2 + 1; i-- > 0;) {
            if (i + 1 < s.size() && at(i) == numero && EhDigitoLetra(at(i + 1))) {
                s.erase(i, 1);
                for (size_t j = i; j < s.size(); ++j) {
                    const unsigned char c = at(j);
                    if (EhDigitoLetra(c))
                        s[j] = c == 'j' ? '0' : static_cast<char>('1' + (c - 'a'));
                    else if (c != ',' && c != '.')
                        break;
                }
            }
        }
    }
    return s;
}

std::string TextoVisivelReversao(const std::string& revertido) {
    const auto p = revertido.find('\0');
    return p == std::string::npos ? revertido : revertido.substr(0, p);
}
