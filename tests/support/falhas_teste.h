// Fault injection for the file writers of platform/chamadas.h: counts the
// system calls they make and makes the n-th one fail (a write with ENOSPC,
// as a full disk, any other call with EIO), for as long as the object lives.
//
//     int n; { FalhaNaChamada conta; Grava(); n = conta.Chamadas(); }
//     for (int k = 1; k <= n; ++k) { FalhaNaChamada f(k); Grava(); ... }
//
// Header only: the test programs that write no file do not need it.
#pragma once

#include <vector>

#include "platform/chamadas.h"

using chamadas::Chamada;

class FalhaNaChamada {
public:
    // 0: no call fails, they are only counted.
    explicit FalhaNaChamada(int n = 0) : parada_(n, chamadas::Interrupcao::Modo::Falha, EIO) {
        parada_.erroEscrita = ENOSPC;
    }

    int Chamadas() const { return static_cast<int>(parada_.Feitas().size()); }
    // The calls asked for, in order (the failed one included).
    const std::vector<Chamada>& Feitas() const { return parada_.Feitas(); }

private:
    chamadas::Interrupcao parada_;
};
