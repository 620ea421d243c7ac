// dmunif: the unified-rules ink-to-braille translator.
//
// One left-to-right pass over the bytes; the first rule that applies to the
// byte at the position handles it and moves past what it consumed. Output
// characters are the cells of the unified column of TabelaCelas, plus the
// few further characters that the code table maps ("(", ")", "[", "]", ".",
// backslash, "/", digits, "ì", "å" and 128) and the characters no rule
// names that it writes as themselves (core/dmsinais.h).
#include "core/dmunif.h"

#include <cstring>
#include <vector>

#include "core/celas/celas.h"
#include "core/dmtradutor.h"
#include "core/dmutil.h"
#include "core/dmvars.h"

namespace dmunif {
unsigned char AspasAbertas = 1;
unsigned char ParentesesAbertos = 0;
}

const char DigitosInferioresUnif[11] = "},;:/?!=\"*";

// Key, old-code text, unified text, dots.
const std::array<SinalMatematico, 40> TabSinaisMat = {{
    {"+", "4", "!", "235"},
    {"-", "-", "-", "36"},
    {"*", "8", "\"", "236"},
    {"x", "8", "\"", "236"},
    {"/", "4", "\xff", "256"},
    {"\xf7", "4", "\xff", "256"},             // division sign
    {"%", "_0", "_}", "456; 356"},            // the percent sign, as in running text
    {"=", "7", "=", "2356"},
    {"\x01", "", "", ""},
    {"\x01", "", "", ""},
    {"(", "<", dmtradutor::aposacento::AbreParenteses, "126"},
    {")", ">", dmtradutor::aposacento::FechaParenteses, "345"},
    {"\xa8(", "5", "?", "26"},
    {"\xa8)", "9", "*", "35"},
    {"[", "(", dmtradutor::aposacento::AbreColchete, "12356"},
    {"]", ")", dmtradutor::aposacento::FechaColchete, "23456"},
    {"{", "\"l", dmtradutor::aposacento::AbreChave, "5; 123"},
    {"}", "_1", dmtradutor::aposacento::FechaChave, "456 2"},
    {"\x01", "", "", ""},
    {"\x01", "", "", ""},
    {"^", "*", "\xe2", "16"},
    {"_", "/", "\xed", "34"},
    {"\\", "$:", "\xe0\xfb", "1246 156"},
    {"!)", ",6", "\xfd!", "6; 235"},
    {"\x01", "", "", ""},
    {"\x01", "", "", ""},
    {"\x01", "", "", ""},
    {"\x01", "", "", ""},
    {"\x01", "", "", ""},
    {"\x01", "", "", ""},
    {"0", "#0", "#}", "3456; 356"},
    {"1", "#1", "#,", "3456; 2"},
    {"2", "#2", "#;", "3456; 23"},
    {"3", "#3", "#:", "3456; 25"},
    {"4", "#4", "#\xff", "3456; 256"},
    {"5", "#5", "#?", "3456; 26"},
    {"6", "#6", "#!", "3456; 235"},
    {"7", "#7", "#=", "3456; 2356"},
    {"8", "#8", "#\"", "3456; 236"},
    {"9", "#9", "#*", "3456; 35"},
}};

namespace {

using namespace dmtradutor;

// "×" and "ß" belong to the upper-case set but never start a capital, and
// "æ" becomes "ae", so none of them starts a letter run; nor does a letter
// the code has no cell for, which is left out on its own.
constexpr std::array<Classe, 256> kClasse = FazClasses<kVezes, kSzAgudo, kAe>(dmsinais::kSemCelaUnificado);

constexpr bool SemCela(unsigned char c) { return dmsinais::kSemCelaUnificadoPorByte[c]; }

// A capital run goes on over upper-case set members, sharp s included; the
// multiplication sign is a sign, not a letter, and ends the run, as does a
// letter without a cell.
constexpr bool ContinuaMaiusculas(unsigned char c) { return LetraMaiuscula(c) && c != kVezes && !SemCela(c); }

// The characters of the cells of the lower digits 0-9 (356, 2, 23, 25, 256,
// 26, 235, 2356, 236, 35) in the unified half of TabelaCelas.
const std::array<bool, 256>& CelasInferiores() {
    static const std::array<bool, 256> t = [] {
        constexpr unsigned char kMascaras[] = {52, 2, 6, 18, 50, 34, 22, 54, 38, 20};
        std::array<bool, 256> r{};
        for (unsigned char m : kMascaras)
            r[CelasDoCodigo(false)[m]] = true;
        return r;
    }();
    return t;
}

// Unified text of the sign whose one-character key is c; false when none.
bool ProcuraSinal(unsigned char c, std::string_view& texto) {
    for (const SinalMatematico& s : TabSinaisMat) {
        if (s.chave[0] != 0 && s.chave[1] == 0 && static_cast<unsigned char>(s.chave[0]) == c) {
            texto = s.unificado;
            return true;
        }
    }
    return false;
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
    bool ColcheteNumericoAbre(std::size_t& i);
    void Fracao(std::size_t& i);
    void Especial(unsigned char c);
    void PoeMinuscula(unsigned char c);
    void PoeInferiores(std::size_t ini, std::size_t fim) {
        for (std::size_t k = ini; k < fim; ++k)
            out_ += DigitosInferioresUnif[p_[k] - '0'];
    }
    // First closer at or after de (n_ when none). The answer for a later
    // start is the same while it lies ahead, so each kind is searched once
    // per stretch of text: a line of many "(1" stays linear.
    std::size_t Fechamento(unsigned char fecha, std::size_t de, std::size_t& cache) {
        if (cache != kNaoBuscado && (cache == n_ || cache >= de))
            return cache;
        const void* r = std::memchr(p_ + de, fecha, n_ - de);
        cache = r ? static_cast<std::size_t>(static_cast<const unsigned char*>(r) - p_) : n_;
        return cache;
    }

    bool ChavePareada(std::size_t i);
    void PareiaChaves();

    static constexpr std::size_t kNaoBuscado = static_cast<std::size_t>(-1);
    std::size_t fechaParen_ = kNaoBuscado;
    std::size_t fechaColch_ = kNaoBuscado;
    // The braces that pair, found for the whole text when the first "{" or
    // "}" is met: a mark for each byte from the first "{" on.
    bool chavesPareadas_ = false;
    std::size_t inicioChaves_ = 0;
    std::string chaves_;
};

// "{" and "}" are the cells of the capital sign and the lower zero, as cells
// typed into the text or a page of kelto pasted in hold them. They are the
// ink braces only where they pair on the text: a "{" and a later "}" that
// closes it, pairs nesting. A "}" written in cells as part of a number or a
// sign closes nothing: not one after "#" and the cells of a number (the
// letters a-j, dot 3, the lower digits: a lower zero, the degree after a
// number), nor one right after a lower digit's cell or "_" (456 356 is the
// percent sign), unless that is a "}" which closed a brace itself, or a
// quote, question or exclamation mark: before a "}" they end ink text
// ({"a", "b"}, {Quem vem?}), as no cell text outside a number has them.
bool Tradutor::ChavePareada(std::size_t i) {
    if (!chavesPareadas_) {
        PareiaChaves();
        chavesPareadas_ = true;
    }
    return i >= inicioChaves_ && i - inicioChaves_ < chaves_.size() && chaves_[i - inicioChaves_];
}

void Tradutor::PareiaChaves() {
    const void* r = std::memchr(p_, '{', n_);
    if (!r)
        return;
    inicioChaves_ = static_cast<std::size_t>(static_cast<const unsigned char*>(r) - p_);
    chaves_.assign(n_ - inicioChaves_, '\0');
    const auto& inferior = CelasInferiores();
    std::vector<std::size_t> abertas;
    abertas.reserve(8);
    bool numero = false;  // after "#" and the cells of a number
    bool fechou = false;  // the byte before closed a brace
    for (std::size_t k = inicioChaves_; k < n_; ++k) {
        const unsigned char c = p_[k];
        const unsigned char antes = k > 0 ? p_[k - 1] : 0;
        const bool fimDeTinta = antes == '"' || antes == '?' || antes == '!';
        const bool fechaAgora = c == '}' && !abertas.empty() && !numero &&
                                (fechou || fimDeTinta || (antes != '_' && !inferior[antes]));
        if (c == '{') {
            abertas.push_back(k);
        } else if (fechaAgora) {
            chaves_[abertas.back() - inicioChaves_] = chaves_[k - inicioChaves_] = 1;
            abertas.pop_back();
        }
        numero = c == '#' || (numero && ((c >= 'a' && c <= 'j') || c == '\'' || inferior[c]));
        fechou = fechaAgora;
    }
}

void Tradutor::PoeMinuscula(unsigned char c) {
    unsigned char m = Minuscula(c);
    if (m == kAe)
        out_ += "ae";
    else
        out_ += static_cast<char>(m);
}

void Tradutor::Maiusculas(std::size_t& i) {
    const char sinal = ingles_ ? '\\' : '{';
    if (i + 1 < n_ && ContinuaMaiusculas(p_[i + 1])) {
        out_ += sinal;
        out_ += sinal;
        std::size_t j = i;
        while (j < n_ && ContinuaMaiusculas(p_[j]))
            PoeMinuscula(p_[j++]);
        if (j < n_ && LetraMinuscula(p_[j]) && !SemCela(p_[j]))
            out_ += '~';
        i = j;
    } else {
        out_ += sinal;
        PoeMinuscula(p_[i]);
        ++i;
    }
}

void Tradutor::Numero(std::size_t& i) {
    out_ += '#';
    const std::size_t fimD = FimDigitos(p_, i, n_);
    std::string_view sufixo;
    if (std::size_t t = SufixoOrdinal(p_, fimD, n_, false, sufixo)) {
        PoeInferiores(i, fimD);
        out_ += sufixo;
        i = fimD + t;
        return;
    }
    std::size_t k = i;
    while (k < n_) {
        const unsigned char c = p_[k];
        if (EhDigito(c) || c == ',' || c == '$') {
            out_ += static_cast<char>(c);
        } else if (c == '.') {
            // A period that no digit follows is the sentence's own period,
            // which foreign text writes as its period.
            out_ += ingles_ && !(k + 1 < n_ && EhDigito(p_[k + 1])) ? '/' : '.';
            if (k + 1 < n_ && EhDigito(p_[k + 1])) {
                // Short groups on both sides (a time, a date): a new number
                // sign; a group of three or more is a thousands separator.
                int antes = 0;
                for (std::size_t m = k; m > 0 && antes < 3 && EhDigito(p_[m - 1]); --m)
                    ++antes;
                int depois = 0;
                for (std::size_t m = k + 1; m < n_ && depois < 3 && EhDigito(p_[m]); ++m)
                    ++depois;
                if (antes < 3 && depois < 3)
                    out_ += '#';
            }
        } else if (c >= 'a' && c <= 'j') {
            out_ += '~';   // the letter is the main loop's
            break;
        } else {
            break;
        }
        ++k;
    }
    i = k;
}

bool Tradutor::ColcheteNumericoAbre(std::size_t& i) {
    const unsigned char c = p_[i];
    dmunif::ParentesesAbertos = 0;
    const unsigned char fecha = c == '(' ? ')' : ']';
    std::size_t& cache = c == '(' ? fechaParen_ : fechaColch_;
    const std::size_t k = Fechamento(fecha, i + 1, cache);
    if (k < n_ && k != i + 1 && EhDigito(p_[k - 1])) {
        out_ += c == '(' ? '\xea' : '\xe1';
        ++i;
        return true;
    }
    dmunif::ParentesesAbertos = 1;
    return false;
}

void Tradutor::Fracao(std::size_t& i) {
    const std::size_t ini = i + 1;
    const std::size_t fimD = FimDigitos(p_, ini, n_);
    if (fimD == n_) {
        out_ += '#';
        PoeInferiores(ini, fimD);
        i = n_;
        return;
    }
    if (p_[fimD] == '/') {
        if (fimD + 1 == n_) {
            out_ += '#';
            PoeInferiores(ini, fimD);
            std::string_view barra;
            ProcuraSinal('/', barra);
            out_ += barra;
            i = n_;
            return;
        }
        if (EhDigito(p_[fimD + 1])) {
            out_ += '#';
            PoeInferiores(ini, fimD);
            const std::size_t fimE = FimDigitos(p_, fimD + 1, n_);
            out_.append(reinterpret_cast<const char*>(p_) + fimD + 1, fimE - fimD - 1);
            if (fimE < n_ && p_[fimE] >= 'a' && p_[fimE] <= 'j')
                out_ += '~';
            i = fimE;
            return;
        }
    }
    // Not a fraction: the accent stays and the digits are a number.
    out_ += static_cast<char>(kAcentoGrave);
    i = ini;
}

void Tradutor::Especial(unsigned char c) {
    if (const SinalComum* s = SinalEspecial(c)) {
        out_ += ingles_ ? s->ingles : s->normal;
        return;
    }
    switch (c) {
    case '(':
        out_ += ingles_ ? "=" : "(.";
        dmunif::ParentesesAbertos = 1;
        break;
    case ')':
        out_ += ingles_ ? "=" : "\\)";
        dmunif::ParentesesAbertos = 0;
        break;
    case '*': out_ += ingles_ ? '{' : '*'; break;
    case '/': out_ += ingles_ ? "\xec" : "\\,"; break;
    case '?': out_ += ingles_ ? '"' : '?'; break;
    case '[':
        out_ += "[.";
        dmunif::ParentesesAbertos = 1;
        break;
    case '\\': out_ += "~."; break;
    case ']':
        out_ += "\\]";
        dmunif::ParentesesAbertos = 0;
        break;
    case 128: out_ += "\x80" "e"; break;          // euro sign
    case 133: out_ += "..."; break;               // ellipsis
    case 137: out_ += "_}}"; break;               // per mille
    case 145: case 146: out_ += "$\""; break;     // single quotes
    case 149: out_ += "\xf5o"; break;             // bullet
    case 150: case 151: out_ += "--"; break;      // dashes
    case 156: out_ += "oe"; break;
    case 171: case 187: out_ += "\\\""; break;    // angle quotes
    case 178: out_ += "\xe5#b"; break;            // superscript two
    case 179: out_ += "\xe5#c"; break;
    case 185: out_ += "\xe5#a"; break;
    case 188: out_ += "#,d"; break;               // one quarter
    case 189: out_ += "#,b"; break;
    case 190: out_ += "#:d"; break;
    case kSzAgudo: out_ += "\xac" "b"; break;
    case kAe: out_ += "ae"; break;
    default: SemRegra(c, dmsinais::kDestinosUnificado, dmsinais::kSinaisUnificado); break;
    }
}

void Tradutor::Sinal(std::size_t& i) {
    const unsigned char c = p_[i];
    switch (c) {
    case '(':
    case '[':
        if (i + 1 < n_ && EhDigito(p_[i + 1]) && ColcheteNumericoAbre(i))
            return;
        break;
    case ')':
    case ']':
        if (dmunif::ParentesesAbertos == 0 && i >= 1 && EhDigito(p_[i - 1])) {
            out_ += c == ')' ? '\xe3' : '\xfa';
            dmunif::ParentesesAbertos = 0;
            ++i;
            return;
        }
        break;
    case kAcentoGrave:
        if (i + 1 < n_) {
            if (EhDigito(p_[i + 1])) {
                Fracao(i);
                return;
            }
            std::string_view sinal;
            if (ProcuraSinal(p_[i + 1], sinal))
                out_ += sinal;
            else
                Especial(p_[i + 1]);   // the accent itself is dropped
            i += 2;
            return;
        }
        break;
    case '.':
        out_ += ingles_ ? '/' : '.';
        ++i;
        return;
    case '{':
    case '}':
        if (ChavePareada(i))
            out_ += c == '{' ? aposacento::AbreChave : aposacento::FechaChave;
        else
            out_ += static_cast<char>(c);
        ++i;
        return;
    case '"':
    case kAspasAbre:
    case kAspasFecha:
    case kAspasBaixas:
        if (ingles_)
            out_ += AbreAspas(c, dmunif::AspasAbertas) ? '"' : '}';
        else
            out_ += '"';
        ++i;
        return;
    default:
        break;
    }
    Especial(c);
    ++i;
}

} // namespace

void TraduzUnificado(std::string_view origem, std::string& destino, std::string* omitidos) {
    TraduzCom<Tradutor>(origem, destino, origem.size() + origem.size() / 2 + 16, omitidos);
}

std::string TraduzUnificado(std::string_view origem) {
    std::string r;
    TraduzUnificado(origem, r);
    return r;
}
