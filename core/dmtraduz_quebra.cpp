// dmtraduz_quebra: line breaking with Portuguese syllable hyphenation and
// paragraph formatting.
#include "core/dmtraduz_quebra.h"

#include <algorithm>

#include "core/dmtraduz_paginas.h"

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

void TiraBrancasFinais(std::string& s)
{
    while (!s.empty() && s.back() == ' ') s.pop_back();
}

std::string SemBrancasFinais(const std::string& s)
{
    std::string r = s;
    TiraBrancasFinais(r);
    return r;
}

std::string SemBrancasNasPontas(const std::string& s)
{
    const size_t i = s.find_first_not_of(' ');
    if (i == std::string::npos) return std::string();
    const size_t f = s.find_last_not_of(' ');
    return s.substr(i, f - i + 1);
}

size_t TamanhoAparado(const std::string& s) { return SemBrancasNasPontas(s).size(); }

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

void QuebraLinha(std::string& s, std::string& out, int largura, bool hifenizar)
{
    const int n = static_cast<int>(s.size());
    const int w = std::max(largura, 1);
    out.clear();
    if (n <= w) { // nothing to cut
        out.swap(s);
        return;
    }
    // Character at position pos, counted from 1 (0 outside the text).
    auto car = [&](int pos) -> unsigned char {
        return pos >= 1 && pos <= n ? static_cast<unsigned char>(s[static_cast<size_t>(pos - 1)]) : 0;
    };

    if (car(w + 1) == ' ') {
        out = s.substr(0, static_cast<size_t>(w));
        while (out.size() > 10 && out.back() == ' ') out.pop_back();
        const size_t resto = s.find_first_not_of(' ', static_cast<size_t>(w + 1));
        s = resto == std::string::npos ? std::string() : s.substr(resto);
        return;
    }
    if (car(w) == ' ') {
        out = s.substr(0, static_cast<size_t>(w));
        TiraBrancasFinais(out);
        s.erase(0, static_cast<size_t>(w));
        return;
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
        out = s.substr(0, 1);
        s.erase(0, 1);
        return;
    }
    out = s.substr(0, static_cast<size_t>(p - 1));
    if (car(p - 1) == ' ')
        TiraBrancasFinais(out);
    else
        out += '-';
    s.erase(0, static_cast<size_t>(p - 1));
}

void AjustaRecuo(std::string& linha, bool autoFormata)
{
    TiraBrancasFinais(linha);
    if (autoFormata && linha.size() >= 2 && linha[0] == ' ' && linha[1] == ' ') {
        const size_t i = linha.find_first_not_of(' ');
        linha = "  " + linha.substr(i);
    }
}

void AjustaRecuo(std::string& linha) { AjustaRecuo(linha, Compilacao->AutoFormata); }

void EscreveLinhaParagrafo(const std::string& linha)
{
    EstadoCompilacao& e = *Compilacao;
    const size_t buffer = TamanhoAparado(e.BufferParagrafo);
    const size_t texto = TamanhoAparado(e.TextoLinhaAtual);
    EscreveLinha(linha, true, true, buffer < texto ? e.LinhaEditorAtual : e.LinhaEditorAtual - 1);
    if (texto >= TamanhoAparado(e.BufferParagrafo)) e.LinhaInicioParagrafo = e.LinhaEditorAtual;
}

void FormataParagrafo(bool final, bool linhaAtual, const std::string& texto)
{
    EstadoCompilacao& e = *Compilacao;
    e.TextoLinhaAtual = texto;
    e.BufferParagrafo += texto;
    std::string resto = SemBrancasFinais(e.BufferParagrafo);
    do {
        if (e.LinhaNaPagina > MaxLin) FimDePagina(false);
        if (e.InicioPagina) {
            if (e.NumPagina > 1 && resto.empty() && TiraBrancasInicioPag) {
                e.BufferParagrafo.clear();
                return;
            }
            EscreveCabecalho();
        }
        const int w = std::max(e.LarguraLinha, 1);
        std::string linha;
        if (e.LinhaCentrada) {
            resto = SemBrancasNasPontas(resto);
            if (static_cast<int>(resto.size()) > w) {
                QuebraLinha(resto, linha, w, e.Hifenizar);
            } else {
                linha.swap(resto);
                resto.clear();
            }
            e.BufferParagrafo = resto;
            const int margem = (w - static_cast<int>(linha.size())) / 2;
            if (margem > 0) linha.insert(0, static_cast<size_t>(margem), ' ');
            EscreveLinhaParagrafo(linha);
        } else if (static_cast<int>(resto.size()) > w) {
            QuebraLinha(resto, linha, w, e.Hifenizar);
            e.BufferParagrafo = resto;
            if (e.Recuo && w >= LarguraMinimaRecuo) resto.insert(0, "  ");
            EscreveLinhaParagrafo(linha);
        } else {
            if (final || !e.AutoFormata) {
                EscreveLinha(resto, true, true, linhaAtual ? e.LinhaEditorAtual : e.LinhaEditorAtual - 1);
                e.BufferParagrafo.clear();
            } else {
                e.BufferParagrafo = resto;
                if (TamanhoAparado(texto) >= TamanhoAparado(e.BufferParagrafo))
                    e.LinhaInicioParagrafo = e.LinhaEditorAtual;
            }
            resto.clear();
        }
        if (e.ErroEscrita) break;
    } while (!resto.empty());
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
