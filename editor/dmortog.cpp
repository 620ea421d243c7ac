// dmortog: the word walk of the spell check.
#include "editor/dmortog.h"

#include "editor/dmdic.h"
#include "platform/texto.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr ConjuntoBytes Conjunto(std::string_view s) {
    ConjuntoBytes c;
    for (char x : s)
        c.set(static_cast<unsigned char>(x));
    return c;
}

bool EhLetra(const std::string& s, int coluna) {
    if (coluna < 1 || coluna > static_cast<int>(s.size()))
        return false;
    const auto c = static_cast<unsigned char>(s[static_cast<size_t>(coluna - 1)]);
    return CaracteresPalavra.test(c) && c != '-' && c != '\'';
}

// Whether the character at coluna (from 1) is part of a word: a letter, or a
// hyphen or apostrophe between two letters ("guarda-chuva", "d'água"). A
// dash or quote mark beside a word, or standing alone, separates words.
bool DaPalavra(const std::string& s, int coluna) {
    if (EhLetra(s, coluna))
        return true;
    if (coluna < 1 || coluna > static_cast<int>(s.size()) ||
        !CaracteresPalavra.test(static_cast<unsigned char>(s[static_cast<size_t>(coluna - 1)])))
        return false;
    return EhLetra(s, coluna - 1) && EhLetra(s, coluna + 1);
}

} // namespace

constinit const ConjuntoBytes CaracteresPalavra = Conjunto(
    "'-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
    "ÀÁÂÃÇÈÉÊÍÎÑÓÔÕÖÚÜàáâãçèéêíîñóôõöúü"_cp);

bool ProximaPalavra(const LinhasDocumento& doc, int& Linha, int& Coluna, std::string& Palavra) {
    Palavra.clear();
    if (Linha < 0) {
        Linha = 0;
        Coluna = 0;
    }
    // Through the end of the last line: a text's last line is checked too.
    const int n = doc.NumLinhas();
    while (Linha < n) {
        const std::string s = doc.Linha(Linha);
        const int tamanho = static_cast<int>(s.size());
        if (Coluna < 1)
            Coluna = 1;
        if (DaPalavra(s, Coluna)) {
            while (DaPalavra(s, Coluna - 1))
                --Coluna;
        } else {
            while (Coluna <= tamanho && !DaPalavra(s, Coluna))
                ++Coluna;
        }
        if (Coluna > tamanho) {
            ++Linha;
            Coluna = 0;
            continue;
        }
        while (DaPalavra(s, Coluna))
            Palavra += s[static_cast<size_t>(Coluna++ - 1)];
        return true;
    }
    Linha = n;
    Coluna = 0;
    return false;
}

bool ProcuraPalavra(const LinhasDocumento& doc, bool soErradas, int& Linha, int& Coluna,
                    std::string& Palavra) {
    while (ProximaPalavra(doc, Linha, Coluna, Palavra)) {
        if (!soErradas || !PalavraCorreta(Palavra))
            return true;
        ++Coluna;
    }
    return false;
}

std::string ContextoPalavra(const std::string& linha, int inicio) {
    const int tamanho = static_cast<int>(linha.size());
    const int de = std::clamp(inicio - 1 - 15, 0, tamanho);
    const int ate = std::clamp(inicio - 1 + 16, de, tamanho);
    return "..." + linha.substr(static_cast<size_t>(de), static_cast<size_t>(ate - de)) + "...";
}

std::string TrocaPalavra(const std::string& linha, int inicio, size_t tamanho, const std::string& nova) {
    const size_t i = std::min(static_cast<size_t>(std::max(inicio, 1) - 1), linha.size());
    std::string r = linha.substr(0, i) + nova;
    if (i + tamanho < linha.size())
        r += linha.substr(i + tamanho);
    return r;
}
