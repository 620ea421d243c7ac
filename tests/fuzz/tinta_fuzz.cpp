// Fuzz target: the Word export of an arbitrary draft, in both forms, and the
// back-translation of its lines. Properties: no crash or sanitizer report;
// a line's ink is never longer than the line; the RTF is 7-bit text whose
// braces balance and never close the document early; each page end gives one
// page break, a graphic's mark nothing (it takes no row), and every other
// line one paragraph mark.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/dmvars.h"
#include "core/dmtraduz_rascunho.h"
#include "output/dmmsword.h"
#include "tests/fuzz/fuzz_apoio.h"

namespace {

struct Contagem {
    std::size_t paginas = 0, paragrafos = 0;
};

// Reads the RTF as a reader would: 7-bit text, control words and symbols,
// braces that balance and close the document only at its end.
Contagem LeRtf(const std::string& rtf)
{
    Contagem n;
    int nivel = 0;
    auto letra = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const auto c = static_cast<unsigned char>(rtf[i]);
        EXIGE(c < 0x80);
        if (c == '\\') {
            EXIGE(i + 1 < rtf.size());
            if (letra(rtf[i + 1])) {
                std::size_t f = i + 1;
                while (f < rtf.size() && letra(rtf[f])) ++f;
                const std::string palavra = rtf.substr(i + 1, f - i - 1);
                n.paginas += palavra == "page";
                n.paragrafos += palavra == "par";
                if (f < rtf.size() && rtf[f] == '-') ++f;
                while (f < rtf.size() && rtf[f] >= '0' && rtf[f] <= '9') ++f;
                i = f - 1;
            } else if (rtf[i + 1] == '\'') {
                EXIGE(i + 3 < rtf.size());
                i += 3;
            } else {
                ++i;
            }
            continue;
        }
        if (c == '{') ++nivel;
        if (c == '}') {
            --nivel;
            EXIGE(nivel > 0 || i + 3 == rtf.size());
        }
    }
    EXIGE(nivel == 0);
    return n;
}

std::size_t FormFeeds(const std::string& s)
{
    std::size_t n = 0;
    for (char c : s) n += c == '\f';
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    // The draft as the export reads it.
    const std::string arquivo =
        GravaFuzz("rascunho.txt", std::string_view(reinterpret_cast<const char*>(dados), tamanho));
    std::vector<std::string> linhas;
    EXIGE(LeRascunho(arquivo, linhas));
    // A form feed typed inside a line is a page break too (none in a
    // reserved line, which is a blank row in both forms).
    std::size_t quebras = 0, graficos = 0, avulsas = 0;
    for (const std::string& l : linhas) {
        if (LinhaQuebraPagina(l)) {
            ++quebras;
            continue;
        }
        if (LinhaGrafico(l)) {
            ++graficos;
            continue;
        }
        if (!LinhaReservada(l)) avulsas += FormFeeds(l);
    }
    const Contagem b = LeRtf(DocumentoDoRascunho(linhas, false).Rtf());
    EXIGE(b.paginas == quebras + avulsas);
    EXIGE(b.paragrafos == linhas.size() - quebras - graficos);
    const Contagem t = LeRtf(DocumentoDoRascunho(linhas, true).Rtf());
    EXIGE(t.paginas == quebras + avulsas);
    EXIGE(t.paragrafos == linhas.size() - quebras - graficos);

    DocumentoRtf doc;
    ExportacaoWord e(doc);
    for (const std::string& l : linhas) {
        const std::string t = e.TintaDaLinha(l);
        EXIGE(t.size() <= l.size());
        EXIGE(e.SinalAnguloAberto <= 1);
        for (int pos = 0; pos <= static_cast<int>(l.size()) + 1; ++pos) (void)e.CaractereTinta(l, pos);
    }
    return 0;
}
