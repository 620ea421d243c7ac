// dmantigo: the old-rules ink-to-braille translator.
//
// Same frame as the unified translator: one left-to-right pass, the first
// rule that applies handles the byte. Output characters are the cells of the
// old column of TabelaCelas, plus "&" (English capital sign), ")" (lower
// seven), "/" and the digits, which the code table maps.
#include "core/dmantigo.h"

#include "core/dmtradutor.h"
#include "core/dmutil.h"
#include "core/dmvars.h"

namespace dmantigo {
unsigned char AspasAbertas = 1;
}

const char DigitosInferioresAntigo[11] = "},;:.?!){*";

namespace {

using namespace dmtradutor;

// "×" is a sign, not a letter: it never starts nor continues a capital and
// is copied. "ß" stays a capital letter here.
constexpr std::array<Classe, 256> kClasse = FazClasses<kVezes>();

constexpr bool ContinuaMaiusculas(unsigned char c) { return LetraMaiuscula(c) && c != kVezes; }

class Tradutor {
public:
    Tradutor(std::string_view s, std::string& out)
        : p_(reinterpret_cast<const unsigned char*>(s.data())), n_(s.size()), out_(out),
          ingles_(TextoIngles) {}

    void Executa();

private:
    void Maiusculas(std::size_t& i);
    void Numero(std::size_t& i);
    void PoeInferiores(std::size_t ini, std::size_t fim) {
        for (std::size_t k = ini; k < fim; ++k)
            out_ += DigitosInferioresAntigo[p_[k] - '0'];
    }
    void Copia(std::size_t ini, std::size_t fim) {
        out_.append(reinterpret_cast<const char*>(p_) + ini, fim - ini);
    }

    const unsigned char* p_;
    std::size_t n_;
    std::string& out_;
    bool ingles_;
};

void Tradutor::Maiusculas(std::size_t& i) {
    const char sinal = ingles_ ? '&' : ']';
    if (i + 1 < n_ && ContinuaMaiusculas(p_[i + 1])) {
        out_ += sinal;
        out_ += sinal;
        std::size_t j = i;
        while (j < n_ && ContinuaMaiusculas(p_[j]))
            out_ += static_cast<char>(Minuscula(p_[j++]));
        i = j;
    } else {
        out_ += sinal;
        out_ += static_cast<char>(Minuscula(p_[i]));
        ++i;
    }
}

void Tradutor::Numero(std::size_t& i) {
    out_ += '#';

    // Date: digits and exactly two "/", ending in a digit.
    std::size_t k = i;
    int barras = 0;
    while (k < n_ && (EhDigito(p_[k]) || p_[k] == '/')) {
        barras += p_[k] == '/';
        ++k;
    }
    if (barras == 2 && EhDigito(p_[k - 1])) {
        for (std::size_t m = i; m < k; ++m)
            out_ += p_[m] == '/' ? '-' : static_cast<char>(p_[m]);
        i = k;
        return;
    }

    // Time: a digit run followed by ":"; the digits and colons after it
    // are copied.
    const std::size_t fimD = FimDigitos(p_, i, n_);
    if (fimD < n_ && p_[fimD] == ':') {
        k = fimD;
        while (k < n_ && (EhDigito(p_[k]) || p_[k] == ':'))
            ++k;
        Copia(i, k);
        i = k;
        return;
    }

    std::string_view sufixo;
    if (std::size_t t = SufixoOrdinal(p_, fimD, n_, true, sufixo)) {
        PoeInferiores(i, fimD);
        out_ += sufixo;
        i = fimD + t;
        return;
    }

    k = i;
    for (; k < n_; ++k) {
        const unsigned char c = p_[k];
        if (EhDigito(c) || c == ',')
            out_ += static_cast<char>(c);
        else if (c == '.' && k + 2 < n_ && p_[k + 1] == '.' && p_[k + 2] == '.')
            break;   // an ellipsis after the number: the main loop writes it
        else if (c == '.')
            out_ += (k + 1 < n_ && EhDigito(p_[k + 1])) ? '\'' : '.';
        else
            break;
    }
    i = k;
}

void Tradutor::Executa() {
    std::size_t i = 0;
    while (i < n_) {
        const unsigned char c = p_[i];
        switch (kClasse[c]) {
        case Minuscula_: {
            std::size_t j = i + 1;
            while (j < n_ && (kClasse[p_[j]] == Minuscula_ || p_[j] == '-'))
                ++j;
            Copia(i, j);
            i = j;
            continue;
        }
        case Maiuscula_:
            Maiusculas(i);
            continue;
        case Digito_:
            Numero(i);
            continue;
        case Outro:
            break;
        }
        switch (c) {
        case kAcentoGrave:
            if (i + 1 < n_) {
                const unsigned char d = p_[i + 1];
                if (EhDigito(d)) {
                    // Fraction: lower-cell numerator, the "/" dropped, the
                    // denominator in upper digits.
                    out_ += '#';
                    std::size_t fim = FimDigitos(p_, i + 1, n_);
                    PoeInferiores(i + 1, fim);
                    if (fim < n_ && p_[fim] == '/') {
                        const std::size_t ini = fim + 1;
                        fim = FimDigitos(p_, ini, n_);
                        Copia(ini, fim);
                    }
                    i = fim;
                    continue;
                }
                std::string_view sinal;
                switch (d) {
                case '(': sinal = "\xea"; break;
                case ')': sinal = "\xe3"; break;
                case '*': sinal = "{"; break;
                case '[': sinal = "\xe1"; break;
                case ']': sinal = "\xfa"; break;
                case '{': sinal = "~l"; break;
                case '}': sinal = "_,"; break;
                default: break;
                }
                if (!sinal.empty()) {
                    out_ += sinal;
                    i += 2;
                    continue;
                }
            }
            out_ += static_cast<char>(c);
            ++i;
            continue;
        case '.':
            if (i + 2 < n_ && p_[i + 1] == '.' && p_[i + 2] == '.') {
                out_ += "'''";
                i += 3;
            } else {
                out_ += '.';
                ++i;
            }
            continue;
        case '"':
        case kAspasAbre:
        case kAspasFecha:
            if (c == kAspasAbre)
                dmantigo::AspasAbertas = 1;
            else if (c == kAspasFecha)
                dmantigo::AspasAbertas = 0;
            if (dmantigo::AspasAbertas == 1) {
                out_ += '{';
                dmantigo::AspasAbertas = 0;
            } else {
                out_ += '}';
                dmantigo::AspasAbertas = 1;
            }
            ++i;
            continue;
        case '%':
            out_ += "_}";
            break;
        case '_':
            out_ += ingles_ ? ']' : '_';
            break;
        case 167:   // section sign
            out_ += "ss";
            break;
        default:
            out_ += static_cast<char>(c);
            break;
        }
        ++i;
    }
}

} // namespace

void TraduzAntigo(std::string_view origem, std::string& destino) {
    if (Sobrepoe(origem, destino)) {
        const std::string copia(origem);
        TraduzAntigo(copia, destino);
        return;
    }
    Reserva(destino, origem.size() + origem.size() / 4 + 16);
    Tradutor(origem, destino).Executa();
}

std::string TraduzAntigo(std::string_view origem) {
    std::string r;
    TraduzAntigo(origem, r);
    return r;
}
