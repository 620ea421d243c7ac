// dmsinais: the characters each translator may write.
#include "core/dmsinais.h"

#include "core/celas/celas.h"

namespace dmsinais {

namespace {

template <std::size_t N>
std::array<bool, 256> MontaEscrita(bool antigo, const std::array<unsigned char, 256>& destinos,
                                   const unsigned char (&escritos)[N]) {
    std::array<bool, 256> e{};
    for (int c = 0; c < 256; ++c)
        e[static_cast<std::size_t>(c)] = (c >= 0x20 && c <= 0x7E) || destinos[static_cast<std::size_t>(c)] == kCopia;
    for (unsigned char c : CelasDoCodigo(antigo))
        e[c] = true;
    for (unsigned char c : escritos)
        e[c] = true;
    return e;
}

} // namespace

const std::array<bool, 256>& EscritaDoCodigo(bool antigo) {
    static const std::array<bool, 256> antiga = MontaEscrita(true, kDestinosAntigo, kEscritosAntigo);
    static const std::array<bool, 256> unificada = MontaEscrita(false, kDestinosUnificado, kEscritosUnificado);
    return antigo ? antiga : unificada;
}

} // namespace dmsinais
