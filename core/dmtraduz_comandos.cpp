// dmtraduz_comandos: the markup command lines. A line is a command when it
// has at least two characters, begins with "<" and its second character is
// not ">"; the second character, in either case, names the command.
#include "core/dmtraduz_comandos.h"

#include <algorithm>
#include <climits>
#include <string>

#include "core/dmsinais.h"
#include "core/dmtraduz_estado.h"
#include "core/dmtraduz_paginas.h"
#include "core/dmtraduz_quebra.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "output/dmgrafpr.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

namespace {

inline unsigned char MaiusculaAscii(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
}

inline bool EhDigito(unsigned char c) { return c >= '0' && c <= '9'; }

inline char Car(const std::string& s, size_t i) { return i < s.size() ? s[i] : '\0'; }

std::string NumLinha() { return std::to_string(Compilacao->LinhaEditorAtual + 1); }

void Mensagem(const std::string& texto) { dialogos().MensagemOK(texto); }

// Writes out the pending paragraph (under automatic formatting, or always
// when sempre is set) and makes the command line the paragraph's line, so
// that what the command writes is mapped to it.
void TerminaParagrafo(bool sempre = false)
{
    EstadoCompilacao& e = *Compilacao;
    if ((e.AutoFormata || sempre) && !e.BufferParagrafo.empty())
        FormataParagrafo(true, false, std::string());
    e.LinhaInicioParagrafo = e.LinhaEditorAtual;
}

void ComandoQuebraPagina()
{
    TerminaParagrafo();
    // A page ended at its top would otherwise go without its header.
    if (Compilacao->InicioPagina) EscreveCabecalho();
    FimDePagina(true);
}

void ComandoTitulo(const std::string& linha)
{
    EstadoCompilacao& e = *Compilacao;
    TerminaParagrafo();
    const size_t n = linha.size();
    const char c3 = Car(linha, 2), c4 = Car(linha, 3);
    if (c3 == '-' && c4 == '>') {
        e.ComTitulo = false;
    } else if (c3 == '+' && c4 == '>') {
        e.ComTitulo = true;
    } else if (n >= 5 && (c3 == '+' || c3 == '*') && EhDigito(static_cast<unsigned char>(c4)) &&
               linha[n - 1] == '>') {
        e.ComTitulo = true;
        e.NumeracaoRomana = (c3 == '*');
        const std::string texto = linha.substr(3, n - 4);
        int num = 0;
        const bool valido = LeNumeroComando(texto, num);
        // The page maps hold an entry for every number up to the highest one
        // used, so a number past their capacity, or past any book, is
        // refused: climbing numbers would otherwise grow them without end.
        const int limite = std::min(e.TamanhoMapaPaginas, MaiorNumeroPagina);
        if (!valido || num == 0 || num > limite) {
            // Text that is no number keeps the digits before its bad
            // character; a page number out of the maps' range becomes 1.
            if (num == 0 || num > limite) num = 1;
            Mensagem("Número da página INVÁLIDO: \""_cp + texto + "\"\r\n\r\n" +
                     "Valor considerado: \"" + std::to_string(num) + "\"");
        }
        if (e.NumPagina == 1 && e.InicioPagina) {
            e.NumPagina = num;
        } else {
            e.NumPagina = num - 1;
            FimDePagina(true);
        }
    } else {
        std::string t = linha.substr(2);
        if (!t.empty() && t.back() == '>') t.pop_back();
        e.TituloCabec = t;
    }
}

void ComandoFormatacao(const std::string& linha)
{
    EstadoCompilacao& e = *Compilacao;
    TerminaParagrafo();
    e.ModoBruto = false;
    const char c3 = Car(linha, 2), c4 = Car(linha, 3);
    if (c4 != '>') return;
    if (c3 == '-') {
        e.AutoFormata = false;
    } else if (c3 == '+') {
        e.AutoFormata = true;
    } else if (c3 == '*') {
        e.AutoFormata = false;
        e.ModoBruto = true;
    }
}

// "+>" sets, "->" clears, anything else leaves the flag.
void Chave(const std::string& linha, bool& flag)
{
    const char c3 = Car(linha, 2), c4 = Car(linha, 3);
    if (c4 != '>') return;
    if (c3 == '+')
        flag = true;
    else if (c3 == '-')
        flag = false;
}

void ComandoInvalido(const std::string& linha)
{
    Mensagem("Comando inválido (linha "_cp + NumLinha() + "): " + linha + ".");
}

// Graphic reference "<G" kind column file ">". False when the line is to be
// laid out as text (its message has been shown).
bool ComandoGrafico(const std::string& linha)
{
    EstadoCompilacao& e = *Compilacao;
    TerminaParagrafo();
    const size_t n = linha.size();
    if (n < 4 || linha[n - 1] != '>' || n - 4 == 0) {
        ComandoInvalido(linha);
        return false;
    }
    const char tipo = linha[2];
    // Between the kind character and the final ">".
    const std::string resto = linha.substr(3, n - 4);
    size_t i = 0;
    while (i < resto.size() && resto[i] == ' ') ++i;
    const size_t branco = resto.find(' ', i);
    if (branco == std::string::npos) {
        Mensagem("Gráfico sem informação de coluna na linha "_cp + NumLinha() + ".");
        return false;
    }
    std::string coluna(AparaBrancos(std::string_view(resto).substr(i, branco - i)));
    for (char& c : coluna) c = static_cast<char>(MaiusculaAscii(static_cast<unsigned char>(c)));
    bool colunaOk;
    if (coluna.size() > 1 || (coluna.size() == 1 && EhDigito(static_cast<unsigned char>(coluna[0])))) {
        int valor = 0;
        colunaOk = LeNumeroComando(coluna, valor) &&
                   valor <= INT_MAX - static_cast<int>(e.PrefixoMargem.size());
        if (colunaOk) coluna = std::to_string(valor + static_cast<int>(e.PrefixoMargem.size()));
    } else {
        colunaOk = coluna == "C" || coluna == "D" || coluna == "E";
    }
    if (!colunaOk) {
        Mensagem("Gráfico com coluna inválida na linha "_cp + NumLinha() + ": " + coluna + ".");
        return false;
    }
    const std::string arquivo(AparaBrancos(std::string_view(resto).substr(branco)));
    if (arquivo.empty()) {
        Mensagem("Gráfico sem nome do arquivo .grb na linha "_cp + NumLinha() + ".");
        return false;
    }

    if (tipo == ' ') {
        // A graphic page starts on a fresh page, in interpoint on the front
        // of a sheet. Printed on one side, an empty page is not ended: that
        // would only put a blank sheet into the book.
        const bool frente = !FrenteVerso || e.PaginaFisica % 2 == 1;
        if (!(e.InicioPagina && frente)) FimDePagina(true);
        e.FilaGraficosArq.push_back(arquivo);
        e.FilaGraficosCol.push_back(coluna);
        EmiteGraficosPendentes();
        return true;
    }
    if ((tipo != '+' && tipo != '*') || TipoTratGrafico == 1) return true;

    if (FrenteVerso && e.PaginaFisica % 2 == 0) {
        FimDePagina(true);
        EscreveCabecalho();
    } else if (e.InicioPagina) {
        // The graphic line must not take the header's place on a new page.
        EscreveCabecalho();
    }
    // The graphic line takes no room on the page.
    EscreveLinhaGrafica(coluna, arquivo, e.LinhaEditorAtual);
    e.PaginaComGrafico = true;
    if (tipo == '*') {
        // Measured where the print job will read it: beside the document.
        const int linhas = LinhasGRB(CaminhoGrafico(arquivo, ArqAtual));
        for (int k = 0; k < linhas && !e.ErroEscrita; ++k)
            EscreveLinha(MarcaReservada, false, false);
    }
    return true;
}

// "<M" prefix ">": the margin prefix of the following text lines.
bool ComandoMargem(const std::string& linha)
{
    EstadoCompilacao& e = *Compilacao;
    TerminaParagrafo(true);
    std::string prefixo = linha.substr(2);
    if (prefixo.empty() || prefixo.back() != '>') {
        // Prefix and width stay as they were.
        ComandoInvalido(linha);
        return false;
    }
    prefixo.pop_back();
    // The prefix is cells typed as they are: a character the code table does
    // not write as a cell is left out (and told).
    const auto& escrita = dmsinais::EscritaDoCodigo(BrailleAntigo);
    std::string omitidos;
    std::erase_if(prefixo, [&](char ch) {
        const bool fora = !escrita[static_cast<unsigned char>(ch)];
        if (fora) omitidos += ch;
        return fora;
    });
    NotaOmitidos(omitidos);
    const int maximo = MaxCarac - 2 > 0 ? MaxCarac - 2 : 0;
    if (static_cast<int>(prefixo.size()) > maximo) prefixo.resize(static_cast<size_t>(maximo));
    e.PrefixoMargem = prefixo;
    e.LarguraLinha = MaxCarac - static_cast<int>(prefixo.size());
    return true;
}

// "<" number ">": the ink page number shown in the header.
bool ComandoPaginaTinta(const std::string& linha)
{
    const size_t n = linha.size();
    if (linha[n - 1] != '>') return false;
    int num = 0;
    if (!LeNumeroComando(linha.substr(1, n - 2), num)) return false;
    Compilacao->NumPagTinta = num;
    return true;
}

} // namespace

bool LeNumeroComando(const std::string& texto, int& lido)
{
    long long v = 0;
    lido = 0;
    bool ok = !texto.empty();
    for (char ch : texto) {
        const auto c = static_cast<unsigned char>(ch);
        if (!EhDigito(c)) {
            ok = false;
            break;
        }
        v = v * 10 + (c - '0');
        if (v > INT_MAX) {
            lido = INT_MAX;
            return false;
        }
    }
    lido = static_cast<int>(v);
    return ok;
}

bool ProcessaComando(const std::string& linha)
{
    const size_t n = linha.size();
    if (!EhLinhaComando(linha)) return false;

    const unsigned char letra = MaiusculaAscii(static_cast<unsigned char>(linha[1]));
    if (n == 3 && letra == 'P' && linha[2] == '>') {
        ComandoQuebraPagina();
        return true;
    }
    switch (letra) {
    case 'T':
        ComandoTitulo(linha);
        return true;
    case 'F':
        ComandoFormatacao(linha);
        return true;
    case 'S':
        Chave(linha, Compilacao->Hifenizar);
        return true;
    case 'R':
        TerminaParagrafo();
        Chave(linha, Compilacao->Recuo);
        return true;
    case 'I':
        Chave(linha, TextoIngles);
        return true;
    case 'G':
        return ComandoGrafico(linha);
    case 'M':
        return ComandoMargem(linha);
    default:
        if (EhDigito(letra)) return ComandoPaginaTinta(linha);
        // Annotations and commands of other letters leave no braille.
        return true;
    }
}
