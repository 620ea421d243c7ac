// Fuzz target: both ink-to-braille translators on arbitrary Windows-1252
// text, with the state that runs on between calls taken from the input.
// Properties: no crash or sanitizer report; the braille is bounded by a
// small multiple of the ink and holds only characters the code table of its
// code writes as cells; translating into the same string appends the same
// braille as translating into a fresh one, also when the text is a view
// into that string. And the input read as cells of a code (each byte's low
// six bits a dot mask) passes its translator unchanged, as cells typed into
// the text or a page of kelto pasted in must, outside foreign text: but for
// the unified "{" (a brace where a "}" closes it) and the old code's "`"
// (the grave accent's signs) and "." (three make the ellipsis).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/celas/celas.h"
#include "core/dmantigo.h"
#include "core/dmsinais.h"
#include "core/dmunif.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "tests/fuzz/fuzz_apoio.h"

namespace {

// Each ink character may gain a capital or number sign, a mathematical sign
// several cells; 8 cells per character is far above any rule.
constexpr std::size_t kFator = 8;
constexpr std::size_t kFolga = 16;

void Estado(std::uint8_t b)
{
    TextoIngles = b & 1;
    dmunif::AspasAbertas = (b >> 1) & 1;
    dmunif::ParentesesAbertos = (b >> 2) & 1;
    dmantigo::AspasAbertas = (b >> 4) & 1;
}

template <typename F>
void Verifica(F traduz, bool antigo, std::uint8_t estado, std::string_view tinta)
{
    Estado(estado);
    const std::string braille = traduz(tinta);
    EXIGE(braille.size() <= kFator * tinta.size() + kFolga);
    for (unsigned char c : braille) EXIGE(dmsinais::EscritaDoCodigo(antigo)[c]);

    Estado(estado);
    std::string destino = "abc";
    traduz(tinta, destino);
    EXIGE(destino.size() == 3 + braille.size());
    EXIGE(destino.compare(3, std::string::npos, braille) == 0);

    // The text inside the destination itself.
    Estado(estado);
    std::string mesmo(tinta);
    traduz(std::string_view(mesmo), mesmo);
    EXIGE(mesmo.size() == tinta.size() + braille.size());
    EXIGE(mesmo.compare(0, tinta.size(), tinta) == 0);
    EXIGE(mesmo.compare(tinta.size(), std::string::npos, braille) == 0);
}

// The bytes as cells of a code, without the cells the rules read together
// with what follows.
void CelasPassamComoSao(bool antigo, std::string_view bytes)
{
    std::string celas;
    for (unsigned char b : bytes) {
        const char c = static_cast<char>(CelasDoCodigo(antigo)[b & 63]);
        if (antigo ? c != '`' && c != '.' : c != '{') celas += c;
    }
    Estado(0);
    EXIGE((antigo ? TraduzAntigo(celas) : TraduzUnificado(celas)) == celas);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    if (tamanho == 0) return 0;
    const std::uint8_t estado = dados[0];
    const std::string_view tinta(reinterpret_cast<const char*>(dados) + 1, tamanho - 1);
    Verifica(
        [](std::string_view t, auto&&... d) {
            if constexpr (sizeof...(d) == 0) return TraduzUnificado(t);
            else return TraduzUnificado(t, d...);
        },
        false, estado, tinta);
    Verifica(
        [](std::string_view t, auto&&... d) {
            if constexpr (sizeof...(d) == 0) return TraduzAntigo(t);
            else return TraduzAntigo(t, d...);
        },
        true, estado, tinta);
    CelasPassamComoSao(false, tinta);
    CelasPassamComoSao(true, tinta);
    return 0;
}
