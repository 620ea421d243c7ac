// dmantigo: the old-rules ink-to-braille translator.
//
// Same frame as the unified translator: one left-to-right pass, the first
// rule that applies handles the byte. Output characters are the cells of the
// old column of TabelaCelas, plus "&" (English capital sign), ")" (lower
// seven), "/" and the digits, which the code table maps, and the characters
// no rule names that it writes as themselves (core/dmsinais.h).
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
// is copied. "ß" stays a capital letter here. "æ" has no cell and is written
// "ae" by the table of signs; the other letters without a cell are left out
// on their own.
constexpr std::array<Classe, 256> kClasse = FazClasses<kVezes, kAe>(dmsinais::kSemCelaAntigo);

constexpr bool ContinuaMaiusculas(unsigned char c) {
    return LetraMaiuscula(c) && c != kVezes && !dmsinais::kSemCelaAntigoPorByte[c];
}

// A capital lowered: "Æ" as "ae", as the unified rules write it.
void PoeMinuscula(std::string& out, unsigned char c) {
    const unsigned char m = Minuscula(c);
    if (m == kAe)
        out += "ae";
    else
        out += static_cast<char>(m);
}

class Tradutor : public Passada<Tradutor> {
public:
    using Passada::Passada;
    void Executa() { Passada::Executa(kClasse); }

private:
    friend class Passada<Tradutor>;
    void Maiusculas(std::size_t& i);
    void Numero(std::size_t& i);
    void Sinal(std::size_t& i);
    void PoeInferiores(std::size_t ini, std::size_t fim) {
        for (std::size_t k = ini; k < fim; ++k)
            out_ += DigitosInferioresAntigo[p_[k] - '0'];
    }

    // Square brackets opened on the text and not yet closed. "]" is the cell
    // of the capital sign, as cells typed into the text or a page of kelto
    // pasted in hold it; it is the closing bracket only where it closes a
    // "[" (which is no cell, so cell text never holds one).
    std::size_t colchetes_ = 0;
    void Colchete(unsigned char c) {
        if (c == '[')
            ++colchetes_;
        else if (c == ']' && colchetes_ > 0)
            --colchetes_;
    }
};

void Tradutor::Maiusculas(std::size_t& i) {
    const char sinal = ingles_ ? '&' : ']';
    if (i + 1 < n_ && ContinuaMaiusculas(p_[i + 1])) {
        out_ += sinal;
        out_ += sinal;
        std::size_t j = i;
        while (j < n_ && ContinuaMaiusculas(p_[j]))
            PoeMinuscula(out_, p_[j++]);
        i = j;
    } else {
        out_ += sinal;
        PoeMinuscula(out_, p_[i]);
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

void Tradutor::Sinal(std::size_t& i) {
    const unsigned char c = p_[i];
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
                return;
            }
            // The bracket signs of both codes, and the star of this one.
            std::string_view sinal;
            if (d == '*')
                sinal = "{";
            else if (const SinalComum* s = ProcuraSinal(kSinaisAposAcento, d))
                sinal = s->normal;
            if (!sinal.empty()) {
                Colchete(d);
                out_ += sinal;
                i += 2;
                return;
            }
        }
        out_ += static_cast<char>(c);
        ++i;
        return;
    case '.':
        if (i + 2 < n_ && p_[i + 1] == '.' && p_[i + 2] == '.') {
            out_ += "'''";
            i += 3;
        } else {
            out_ += '.';
            ++i;
        }
        return;
    case '[':
        Colchete(c);
        out_ += '[';
        ++i;
        return;
    case ']':
        if (colchetes_ > 0)
            out_ += aposacento::FechaColchete;
        else
            out_ += ']';
        Colchete(c);
        ++i;
        return;
    case '"':
    case kAspasAbre:
    case kAspasFecha:
    case kAspasBaixas:
        out_ += AbreAspas(c, dmantigo::AspasAbertas) ? '{' : '}';
        ++i;
        return;
    default:
        if (const SinalComum* s = SinalEspecial(c))
            out_ += ingles_ ? s->ingles : s->normal;
        else
            SemRegra(c, dmsinais::kDestinosAntigo, dmsinais::kSinaisAntigo);
        break;
    }
    ++i;
}

} // namespace

void TraduzAntigo(std::string_view origem, std::string& destino, std::string* omitidos) {
    TraduzCom<Tradutor>(origem, destino, origem.size() + origem.size() / 4 + 16, omitidos);
}

std::string TraduzAntigo(std::string_view origem) {
    std::string r;
    TraduzAntigo(origem, r);
    return r;
}
