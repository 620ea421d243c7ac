// Fuzz target: the macro file reader and the macros applied to a line.
// The input is a macro file, then (after the first zero byte, if any) the
// text of a line. Properties: the reader stops exactly at the first line
// that is neither empty, nor a comment, nor a definition, and keeps every
// definition before it, each code beginning with the backquote and neither
// code nor replacement holding a blank; a text without a backquote passes
// unchanged, and a replaced line holds no more characters than the longest
// replacement per character of the line allows; under a ceiling the result
// is the whole one's beginning, cut within a replacement or a line past it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editor/dmmacro.h"
#include "editor/documentos.h"
#include "tests/fuzz/fuzz_apoio.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string_view tudo(reinterpret_cast<const char*>(dados), tamanho);
    const std::size_t zero = tudo.find('\0');
    const std::string_view arquivo = tudo.substr(0, zero);
    const std::string linha(zero == std::string_view::npos ? std::string_view() : tudo.substr(zero + 1));

    TabelaMacros t;
    const LeituraMacros r = LeMacros(arquivo, t);
    const auto linhas = TextoEmLinhas(arquivo);
    int definicoes = 0, erro = 0;
    for (std::size_t i = 0; i < linhas.size() && erro == 0; ++i) {
        const std::string& l = linhas[i];
        if (l.empty() || l.front() == ';') continue;
        if (l.front() != kInicioMacro) erro = static_cast<int>(i) + 1;
        else ++definicoes;
    }
    EXIGE(r.ok == (erro == 0));
    EXIGE(r.linhaErro == erro);
    EXIGE(t.Quantidade() == definicoes);
    std::size_t maior = 1;
    for (int i = 0; i < t.Quantidade(); ++i) {
        EXIGE(!t[i].chave.empty() && t[i].chave.front() == kInicioMacro);
        EXIGE(t[i].chave.find(' ') == std::string::npos);
        EXIGE(t[i].valor.find(' ') == std::string::npos);
        maior = std::max(maior, t[i].valor.size());
    }

    const std::string aplicada = AplicaMacrosLinha(linha, t);
    if (linha.find(kInicioMacro) == std::string::npos) EXIGE(aplicada == linha);
    EXIGE(aplicada.size() <= linha.size() * maior);
    // With a ceiling, the work stops once the result passes it: what comes
    // out is the beginning of the whole result, whole when it fits.
    const std::size_t teto = linha.size() / 2;
    const std::string cortada = AplicaMacrosLinha(linha, t, teto);
    EXIGE(aplicada.compare(0, cortada.size(), cortada) == 0);
    EXIGE(cortada == aplicada || cortada.size() > teto);
    EXIGE(cortada.size() <= teto + std::max(maior, linha.size()));
    return 0;
}
