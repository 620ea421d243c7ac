// Fuzz target: the output code-table loader on an arbitrary table file.
// Properties: it succeeds silently or fails with exactly one message; after
// a success every code that no rule line names maps to itself.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/dmutil.h"
#include "core/dmvars.h"
#include "platform/dialogos.h"
#include "tests/fuzz/fuzz_apoio.h"

namespace {

int Hex(unsigned char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    static DialogosFalsos silencio;
    DefineDialogos(&silencio);
    silencio.Limpa();
    if (tamanho == 0) return 0;
    BrailleAntigo = dados[0] & 1;
    const std::string conteudo(reinterpret_cast<const char*>(dados) + 1, tamanho - 1);
    const std::string arq = GravaFuzz("tabela.cod", conteudo);
    ArqAmbCode = arq;
    ArqAmbCode2 = arq;

    const bool ok = CarregaTabelaImpressora();
    EXIGE(silencio.registros.size() == (ok ? 0u : 1u));
    if (!ok) return 0;
    // Codes named at the start of some "XX=" anywhere in the file.
    bool nomeado[256] = {};
    for (std::size_t i = 0; i + 2 < conteudo.size(); ++i) {
        const int a = Hex(static_cast<unsigned char>(conteudo[i]));
        const int b = Hex(static_cast<unsigned char>(conteudo[i + 1]));
        if (a >= 0 && b >= 0 && conteudo[i + 2] == '=') nomeado[a * 16 + b] = true;
    }
    for (int c = 0; c < 256; ++c)
        if (!nomeado[c]) EXIGE(TabelaImpressora[static_cast<std::size_t>(c)] == c);
    return 0;
}
