// Fuzz target: the code-table parser in its two readings on arbitrary bytes.
// Properties: the lenient reading never fails and never names a code it was
// not given; when the strict reading reads the whole file both readings give
// the same table; when it stops at line n its table is the lenient reading of
// the lines before n.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/celas/tabela_codigos.h"
#include "tests/fuzz/fuzz_apoio.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string_view conteudo(reinterpret_cast<const char*>(dados), tamanho);
    TabelaDeCodigos tolerante = TabelaIdentidade();
    EXIGE(AplicaTabelaCodigos(conteudo, tolerante, LeituraTabela::PulaLinhasRuins).ok);
    // Every changed entry comes from some line with "=" third.
    for (int c = 0; c < 256; ++c) {
        if (tolerante[static_cast<std::size_t>(c)] == c) continue;
        bool nomeado = false;
        std::size_t inicio = 0;
        while (inicio < conteudo.size() && !nomeado) {
            std::size_t fim = conteudo.find('\n', inicio);
            if (fim == std::string_view::npos) fim = conteudo.size();
            const std::string_view l = conteudo.substr(inicio, fim - inicio);
            nomeado = l.size() >= 5 && l[2] == '=' && HexParaByte(l[0], l[1]) == c;
            inicio = fim + 1;
        }
        EXIGE(nomeado);
    }

    TabelaDeCodigos estrita = TabelaIdentidade();
    const ResultadoTabela r = AplicaTabelaCodigos(conteudo, estrita, LeituraTabela::ParaNoErro);
    if (r.ok) {
        EXIGE(estrita == tolerante);
        return 0;
    }
    EXIGE(r.linhaErro >= 1);
    std::size_t corte = 0;
    for (int n = 1; n < r.linhaErro; ++n) {
        corte = conteudo.find('\n', corte);
        EXIGE(corte != std::string_view::npos);
        ++corte;
    }
    TabelaDeCodigos antes = TabelaIdentidade();
    EXIGE(AplicaTabelaCodigos(conteudo.substr(0, corte), antes, LeituraTabela::PulaLinhasRuins).ok);
    EXIGE(estrita == antes);
    return 0;
}
