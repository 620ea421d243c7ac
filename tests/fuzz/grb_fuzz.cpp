// Fuzz target: measuring and reading a tactile graphic (.GRB) of arbitrary
// bytes. Properties: the size is never negative, never wider than the
// longest line nor taller than the line count (each rounded up to whole
// cells), whole cells unless Tiger; a file measures as its contents; the
// cell and dot extents derived from it are never negative.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/dmvars.h"
#include "output/dmTiger.h"
#include "output/dmdevice.h"
#include "output/dmgrafpr.h"
#include "platform/dialogos.h"
#include "tests/fuzz/fuzz_apoio.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    static DialogosFalsos silencio;
    DefineDialogos(&silencio);
    silencio.Limpa();
    if (tamanho == 0) return 0;
    const bool tiger = dados[0] & 1;
    const std::string conteudo(reinterpret_cast<const char*>(dados) + 1, tamanho - 1);

    std::size_t maisLonga = 0, linhasArq = 1, atual = 0;
    for (char c : conteudo) {
        if (c == '\n') {
            ++linhasArq;
            atual = 0;
        } else {
            maisLonga = std::max(maisLonga, ++atual);
        }
    }
    int colunas = -1, linhas = -1;
    MedeGRB(conteudo, tiger, colunas, linhas);
    EXIGE(colunas >= 0 && linhas >= 0);
    EXIGE(static_cast<std::size_t>(colunas) <= maisLonga + 1);
    EXIGE(static_cast<std::size_t>(linhas) <= linhasArq + 2);
    EXIGE((colunas == 0) == (linhas == 0));
    if (!tiger) EXIGE(colunas % 2 == 0 && linhas % 3 == 0);

    ImprMarca = tiger ? "Tiger" : "Index Basic";
    AtualizaEhTiger();
    const std::string arq = GravaFuzz("grafico.grb", conteudo);
    int c2 = -1, l2 = -1;
    LeTamanhoGRB(arq, c2, l2);
    int c3 = -1, l3 = -1;
    MedeGRB(conteudo, ModeloEhTiger(ImprMarca), c3, l3);
    EXIGE(c2 == c3 && l2 == l3);
    int x = -1, y = -1;
    ExtensaoGRB(arq, x, y);
    EXIGE(x >= 0 && y >= 0);
    int lc = -1, cc = -1;
    TamanhoGRBEmCelas(arq, lc, cc);
    EXIGE(lc >= 0 && cc >= 0 && lc <= l2 && cc <= c2);
    EXIGE(LinhasGRB(arq) == lc);
    EXIGE(silencio.registros.empty());
    return 0;
}
