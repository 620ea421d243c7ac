// Fuzz target: a dot font (.MDL) of arbitrary bytes, and a text drawn with
// it into the relief grid. Properties: the line advance is 1..16; every
// glyph entry starts with its own character (or is the empty glyph);
// drawing never leaves the grid, the advance never goes backwards, and the
// saved .GRB text has one line per row up to the last dot, each within the
// grid's width, of blanks and "*" only.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "output/dmAltoRelevo.h"
#include "tests/fuzz/fuzz_apoio.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    // The first bytes up to a NUL are the font, the rest the text.
    const std::string tudo(reinterpret_cast<const char*>(dados), tamanho);
    const std::size_t nul = tudo.find('\0');
    const std::string fonte = tudo.substr(0, nul);
    const std::string texto = nul == std::string::npos ? fonte : tudo.substr(nul + 1);

    FonteMDL f;
    LeFonteMDL(fonte, f);
    EXIGE(f.Carregada);
    EXIGE(f.AlturaGlifo >= 1 && f.AlturaGlifo <= 16);
    for (int c = 0; c < 256; ++c) {
        const std::string& g = f.GlifosMDL[static_cast<std::size_t>(c)];
        EXIGE(g == FonteMDL::GlifoVazio || (!g.empty() && static_cast<unsigned char>(g[0]) == c));
    }

    static GradeRelevo grade;
    int x = 0, y = 0;
    for (char c : texto) {
        const int antes = x;
        DesenhaCaractereRelevo(f, grade, static_cast<unsigned char>(c), x, y);
        EXIGE(x > antes || x > GradeRelevo::UltimaColuna);
    }
    std::vector<std::string> linhas(1);
    for (char c : texto) {
        if (c == '\n')
            linhas.emplace_back();
        else
            linhas.back() += c;
    }
    DesenhaTextoRelevo(f, grade, linhas);
    int ultimaColuna = 0, ultimaLinha = 0;
    ExtensaoRelevo(grade, ultimaColuna, ultimaLinha);
    EXIGE(ultimaColuna <= GradeRelevo::UltimaColuna && ultimaLinha <= GradeRelevo::UltimaLinha);
    EXIGE((ultimaColuna < 0) == (ultimaLinha < 0));
    const std::string grb = TextoGRB(grade, ultimaLinha);
    int n = 0;
    std::size_t inicio = 0;
    while (inicio < grb.size()) {
        const std::size_t fim = grb.find("\r\n", inicio);
        EXIGE(fim != std::string::npos);
        EXIGE(fim - inicio <= static_cast<std::size_t>(GradeRelevo::Colunas));
        for (std::size_t i = inicio; i < fim; ++i) EXIGE(grb[i] == ' ' || grb[i] == '*');
        ++n;
        inicio = fim + 2;
    }
    EXIGE(n == ultimaLinha + 1);
    return 0;
}
