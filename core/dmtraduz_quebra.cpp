// dmtraduz_quebra: line breaking with Portuguese syllable hyphenation and
// paragraph formatting.
#include "core/dmtraduz_quebra.h"

#include <algorithm>
#include <string_view>

#include "core/dmtraduz_paginas.h"
#include "core/dmutil.h"

namespace {
ConjuntoBytes Conjunto(const char* membros)
{
    ConjuntoBytes c;
    for (const char* p = membros; *p; ++p) c.set(static_cast<unsigned char>(*p));
    return c;
}

// Letter sets of the syllable rules (Windows-1252).
const ConjuntoBytes Vogais = Conjunto(
    "AEIOUaeiou"
    "\xc0\xc1\xc2\xc3\xc9\xca\xcd\xd3\xd4\xd5\xda"   // À Á Â Ã É Ê Í Ó Ô Õ Ú
    "\xe0\xe1\xe2\xe3\xe9\xea\xed\xf3\xf4\xf5\xfa"); // à á â ã é ê í ó ô õ ú
const ConjuntoBytes Consoantes = Conjunto("BCDFGJLMNPQRSTVXZbcdfgjlmnpqrstvxz\xc7\xe7"); // Ç ç
const ConjuntoBytes NRS = Conjunto("NRSnrs");
const ConjuntoBytes Oclusivas = Conjunto("CDFGTVcdfgtv");
const ConjuntoBytes Liquidas = Conjunto("LRlr");
const ConjuntoBytes TomamH = Conjunto("CLNcln");
const ConjuntoBytes BP = Conjunto("BPbp");

bool Em(const ConjuntoBytes& c, unsigned char x) { return c.test(x); }

// May a word be hyphenated between x and y, with z after y?
bool SeparaSilaba(unsigned char x, unsigned char y, unsigned char z)
{
    if (Em(Vogais, x) && Em(Consoantes, y) && Em(Vogais, z)) return true;
    if (Em(NRS, x) && Em(Consoantes, y) && Em(Vogais, z)) return true;
    if ((x == 'L' || x == 'l') && Em(Consoantes, y) && y != 'L' && y != 'l' && Em(Vogais, z))
        return true;
    if (Em(NRS, x) && Em(Oclusivas, y) && Em(Liquidas, z)) return true;
    if ((x == 'M' || x == 'm') && Em(BP, y) && Em(Liquidas, z)) return true;
    if (Em(Vogais, x) && Em(TomamH, y) && (z == 'H' || z == 'h')) return true;
    return false;
}

size_t TamanhoAparado(std::string_view s)
{
    const size_t i = s.find_first_not_of(' ');
    return i == std::string_view::npos ? 0 : s.find_last_not_of(' ') - i + 1;
}

// The continuation indent needs room for a letter and a hyphen after it;
// on narrower lines it would re-add what each cut consumes.
constexpr int LarguraMinimaRecuo = 4;
} // namespace

bool EhVogalSilaba(unsigned char c) { return Em(Vogais, c); }
bool EhConsoanteSilaba(unsigned char c) { return Em(Consoantes, c); }

void QuebraLinha(std::string& s, std::string& out)
{
    QuebraLinha(s, out, Compilacao->LarguraLinha, Compilacao->Hifenizar);
}

// Cuts one line of at most largura cells from the text s into out and gives
// the position where the remainder starts (always > 0 for a non-empty s).
static size_t CortaLinha(std::string_view s, int largura, bool hifenizar, std::string& out)
{
    const int n = static_cast<int>(s.size());
    const int w = std::max(largura, 1);
    out.clear();
    if (n <= w) { // nothing to cut
        out.assign(s);
        return s.size();
    }
    // Character at position pos, counted from 1 (0 outside the text).
    auto car = [&](int pos) -> unsigned char {
        return pos >= 1 && pos <= n ? static_cast<unsigned char>(s[static_cast<size_t>(pos - 1)]) : 0;
    };

    if (car(w + 1) == ' ') {
        out.assign(s.substr(0, static_cast<size_t>(w)));
        while (out.size() > 10 && out.back() == ' ') out.pop_back();
        const size_t resto = s.find_first_not_of(' ', static_cast<size_t>(w + 1));
        return resto == std::string_view::npos ? s.size() : resto;
    }
    if (car(w) == ' ') {
        out.assign(s.substr(0, static_cast<size_t>(w)));
        TiraBrancosFinais(out);
        return static_cast<size_t>(w);
    }
    int p = w;
    for (;;) {
        if (p <= 10) {
            p = w;
            break;
        }
        if (car(p - 1) == ' ') break;
        if (hifenizar && car(p - 2) != ' ' && SeparaSilaba(car(p - 1), car(p), car(p + 1))) break;
        --p;
    }
    if (p == 1) {
        // One cell wide: no room for a hyphen, the cell goes alone.
        out = std::string(1, s[0]);
        return 1;
    }
    out.assign(s.substr(0, static_cast<size_t>(p - 1)));
    if (car(p - 1) == ' ')
        TiraBrancosFinais(out);
    else
        out += '-';
    return static_cast<size_t>(p - 1);
}

void QuebraLinha(std::string& s, std::string& out, int largura, bool hifenizar)
{
    std::string linha;
    const size_t resto = CortaLinha(s, largura, hifenizar, linha);
    s.erase(0, resto);
    out.swap(linha);
}

void AjustaRecuo(std::string& linha, bool autoFormata)
{
    TiraBrancosFinais(linha);
    if (autoFormata && linha.size() >= 2 && linha[0] == ' ' && linha[1] == ' ') {
        const size_t i = linha.find_first_not_of(' ');
        linha = "  " + linha.substr(i);
    }
}

void AjustaRecuo(std::string& linha) { AjustaRecuo(linha, Compilacao->AutoFormata); }

namespace {
// Writes a paragraph line; bufferAparado is the trimmed length of the
// paragraph text still to be written, texto that of the current line's text.
void EscreveLinhaParagrafoResto(const std::string& linha, size_t bufferAparado, size_t texto)
{
    EstadoCompilacao& e = *Compilacao;
    EscreveLinha(linha, true, true, bufferAparado < texto ? e.LinhaEditorAtual : e.LinhaEditorAtual - 1);
    if (texto >= bufferAparado) e.LinhaInicioParagrafo = e.LinhaEditorAtual;
}
} // namespace

void EscreveLinhaParagrafo(const std::string& linha)
{
    EscreveLinhaParagrafoResto(linha, TamanhoAparado(Compilacao->BufferParagrafo),
                               TamanhoAparado(Compilacao->TextoLinhaAtual));
}

void FormataParagrafo(bool final, bool linhaAtual, const std::string& texto)
{
    EstadoCompilacao& e = *Compilacao;
    e.TextoLinhaAtual = texto;
    e.BufferParagrafo += texto;
    // The rest of the paragraph is resto from position ini on; its end never
    // changes, so cutting a line only moves ini (a long line is laid out in
    // one pass, without copying what is left at every cut).
    std::string resto(AparaBrancosFinais(e.BufferParagrafo));
    size_t ini = 0;
    auto vazio = [&] { return ini >= resto.size(); };
    // Trimmed length of the rest (its end carries no blanks).
    auto aparado = [&] {
        const size_t i = resto.find_first_not_of(' ', ini);
        return i == std::string::npos ? size_t{0} : resto.size() - i;
    };
    const size_t textoAparado = TamanhoAparado(texto);
    do {
        if (e.LinhaNaPagina > MaxLin) FimDePagina(false);
        if (e.InicioPagina) {
            if (e.NumPagina > 1 && vazio() && TiraBrancasInicioPag) {
                e.BufferParagrafo.clear();
                return;
            }
            EscreveCabecalho();
        }
        const int w = std::max(e.LarguraLinha, 1);
        std::string linha;
        if (e.LinhaCentrada) {
            const size_t i = resto.find_first_not_of(' ', ini);
            ini = i == std::string::npos ? resto.size() : i;
            const std::string_view v(resto.data() + ini, resto.size() - ini);
            if (static_cast<int>(v.size()) > w)
                ini += CortaLinha(v, w, e.Hifenizar, linha);
            else {
                linha.assign(v);
                ini = resto.size();
            }
            const int margem = (w - static_cast<int>(linha.size())) / 2;
            if (margem > 0) linha.insert(0, static_cast<size_t>(margem), ' ');
            EscreveLinhaParagrafoResto(linha, aparado(), textoAparado);
        } else if (static_cast<int>(resto.size() - ini) > w) {
            const std::string_view v(resto.data() + ini, resto.size() - ini);
            ini += CortaLinha(v, w, e.Hifenizar, linha);
            const size_t buffer = aparado();
            if (e.Recuo && w >= LarguraMinimaRecuo) {
                if (ini >= 2) {
                    ini -= 2;
                    resto[ini] = ' ';
                    resto[ini + 1] = ' ';
                } else {
                    resto.insert(ini, "  ");
                }
            }
            EscreveLinhaParagrafoResto(linha, buffer, textoAparado);
        } else {
            if (final || !e.AutoFormata) {
                EscreveLinha(resto.substr(ini), true, true,
                             linhaAtual ? e.LinhaEditorAtual : e.LinhaEditorAtual - 1);
                e.BufferParagrafo.clear();
            } else {
                e.BufferParagrafo = resto.substr(ini);
                if (textoAparado >= TamanhoAparado(e.BufferParagrafo))
                    e.LinhaInicioParagrafo = e.LinhaEditorAtual;
            }
            ini = resto.size();
        }
        if (e.ErroEscrita) {
            if (!vazio()) e.BufferParagrafo.clear();
            break;
        }
    } while (!vazio());
    if (e.LinhaCentrada && vazio()) e.BufferParagrafo.clear();
    if (!e.BufferParagrafo.empty()) e.BufferParagrafo += ' ';
}

void ProcessaLinhaTexto(const std::string* linha)
{
    EstadoCompilacao& e = *Compilacao;
    const bool vazia = !linha || linha->empty();
    if (e.AutoFormata && !e.BufferParagrafo.empty() &&
        (vazia || (*linha)[0] == ' ' || static_cast<unsigned char>((*linha)[0]) == 149)) {
        // The pending paragraph is not the centred line: it is never centred.
        const bool centrada = e.LinhaCentrada;
        e.LinhaCentrada = false;
        FormataParagrafo(true, false, std::string());
        e.LinhaCentrada = centrada;
    }
    if (e.BufferParagrafo.empty()) e.LinhaInicioParagrafo = e.LinhaEditorAtual;
    if (!vazia) {
        std::string s = *linha;
        if (e.AutoFormata && s.size() >= 2 && s[0] == ' ' && s[1] != ' ') s.erase(0, 1);
        FormataParagrafo(false, true, TraduzEstado(s));
    } else {
        FormataParagrafo(true, true, std::string());
    }
}
