// dmmsword_rtf: the export's document, written as RTF.
#include "output/dmmsword_rtf.h"

#include "core/celas/celas.h"

#include <array>
#include <cstdio>

namespace {

// A font of the same patterns found on most other desktops, named beside the
// cell font for a reader that lacks it.
constexpr const char* kFonteCelasAlternativa = "Segoe UI Symbol";

// A byte of Windows-1252 text as RTF: the three special characters escaped,
// bytes past ASCII as \'hh, a tab as \tab; other control codes have no ink
// form and are left out.
void EscreveByte(std::string& saida, unsigned char c) {
    if (c == '\\' || c == '{' || c == '}') {
        saida += '\\';
        saida += static_cast<char>(c);
    } else if (c >= 0x80) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\'%02x", c);
        saida += hex;
    } else if (c >= 0x20 && c != 0x7f) {
        saida += static_cast<char>(c);
    }
}

// The RTF of each output code drawn as its cell. \uN takes a signed 16-bit
// number; the patterns are all below 32768. The "?" is what a reader
// without Unicode shows.
const std::array<std::string, 256>& CelasRtf() {
    static const std::array<std::string, 256> t = [] {
        std::array<std::string, 256> r;
        for (int c = 0; c < 256; ++c)
            r[static_cast<std::size_t>(c)] =
                "\\u" + std::to_string(static_cast<int>(CelaUnicode(static_cast<unsigned char>(c)))) + "?";
        return r;
    }();
    return t;
}

} // namespace

void DocumentoRtf::FontName(const std::string& nome) {
    const bool celas = EhFonteBraille(nome);
    Fonte f{celas ? std::string(kFonteCelas) : nome, celas ? std::string(kFonteCelasAlternativa) : "",
            celas};
    for (std::size_t i = 0; i < fontes_.size(); ++i)
        if (fontes_[i].nome == f.nome && fontes_[i].celas == f.celas) {
            atual_.fonte = static_cast<int>(i);
            return;
        }
    fontes_.push_back(f);
    atual_.fonte = static_cast<int>(fontes_.size() - 1);
}

void DocumentoRtf::FontSize(int pontos) { atual_.tamanho = pontos > 0 ? pontos : 0; }
void DocumentoRtf::FontBold(bool ligado) { atual_.negrito = ligado; }
void DocumentoRtf::FontItalic(bool ligado) { atual_.italico = ligado; }

void DocumentoRtf::LineSpacingRule(int regra) {
    // Line spacing in twips of a 12-point line, as a multiple of the font's line.
    static const char* const kRegras[] = {"\\sl240\\slmult1", "\\sl360\\slmult1", "\\sl480\\slmult1"};
    if (regra >= 0 && regra < 3) Palavra(kRegras[regra]);
}

void DocumentoRtf::SpaceBefore(int pontos) { Palavra("\\sb" + std::to_string(pontos * 20)); }
void DocumentoRtf::SpaceAfter(int pontos) { Palavra("\\sa" + std::to_string(pontos * 20)); }

void DocumentoRtf::Palavra(const std::string& controle) {
    corpo_ += controle;
    delimitar_ = true;
}

void DocumentoRtf::Literal(const std::string& texto) {
    if (texto.empty()) return;
    // A control word ends at the first blank, which belongs to it.
    if (delimitar_ && texto.front() != '\\') corpo_ += ' ';
    corpo_ += texto;
    delimitar_ = false;
}

void DocumentoRtf::AplicaFormato() {
    if (atual_ == escrito_) return;
    if (atual_.fonte != escrito_.fonte && atual_.fonte >= 0) Palavra("\\f" + std::to_string(atual_.fonte));
    if (atual_.tamanho != escrito_.tamanho)
        Palavra("\\fs" + std::to_string(atual_.tamanho > 0 ? atual_.tamanho * 2 : 24));
    if (atual_.negrito != escrito_.negrito) Palavra(atual_.negrito ? "\\b" : "\\b0");
    if (atual_.italico != escrito_.italico) Palavra(atual_.italico ? "\\i" : "\\i0");
    escrito_ = atual_;
}

void DocumentoRtf::TypeText(const std::string& texto) {
    const bool celas = atual_.fonte >= 0 && fontes_[static_cast<std::size_t>(atual_.fonte)].celas;
    std::string trecho;
    auto descarrega = [&] {
        if (trecho.empty()) return;
        AplicaFormato();
        Literal(trecho);
        trecho.clear();
    };
    for (unsigned char c : texto) {
        if (c == '\f') {
            descarrega();
            Palavra("\\page");
            corpo_ += "\r\n";
            delimitar_ = false;
        } else if (celas) {
            trecho += CelasRtf()[c];
        } else if (c == '\t') {
            trecho += "\\tab ";
        } else {
            EscreveByte(trecho, c);
        }
    }
    descarrega();
}

void DocumentoRtf::TypeParagraph() {
    // The paragraph mark takes the format in force, so an empty paragraph is
    // as high as a typed one.
    AplicaFormato();
    Palavra("\\par");
    corpo_ += "\r\n";
    delimitar_ = false;
}

std::string DocumentoRtf::Rtf() const {
    std::string r = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
    for (std::size_t i = 0; i < fontes_.size(); ++i) {
        const Fonte& f = fontes_[i];
        std::string nome;
        for (unsigned char c : f.nome) EscreveByte(nome, c);
        r += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 " + nome;
        if (!f.alternativa.empty()) r += "{\\*\\falt " + f.alternativa + "}";
        r += ";}";
    }
    r += "}\r\n\\pard";
    if (!corpo_.empty() && corpo_.front() != '\\' && corpo_.front() != '\r') r += ' ';
    r += corpo_;
    r += "}\r\n";
    return r;
}
