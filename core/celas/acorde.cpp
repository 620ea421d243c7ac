// Six-key chords.
#include "core/celas/acorde.h"

#include "platform/teclas.h"

int PontoDaTecla(int tecla) {
    switch (tecla) {
    // Key codes of letters are their capitals, whatever the case typed
    // (0x61 and up are the keypad and the function keys).
    case 'F': return 1;
    case 'D': return 2;
    case 'S': return 4;
    case 'J': return 8;
    case 'K': return 16;
    case 'L': return 32;
    default: break;
    }
    if (tecla >= vk::Numerico(1) && tecla <= vk::Numerico(9))
        return 8 << ((tecla - vk::Numerico(1)) % 3);
    return 0;
}

bool AcordeSeisTeclas::Pressiona(int tecla, bool repetida) {
    const int ponto = PontoDaTecla(tecla);
    if (repetida && ponto != 0)
        return true;
    if (ponto == 0 || (acorde_ & ponto) != 0) {
        Reinicia();
        return false;
    }
    acorde_ |= ponto;
    ++teclas_;
    return true;
}

std::optional<int> AcordeSeisTeclas::Solta(int tecla, bool repetida) {
    // No chord pending (it was cancelled, or the key went down elsewhere):
    // nothing to type.
    if (repetida || PontoDaTecla(tecla) == 0 || teclas_ <= 0)
        return std::nullopt;
    if (--teclas_ > 0)
        return std::nullopt;
    const int mascara = acorde_;
    Reinicia();
    return mascara;
}
