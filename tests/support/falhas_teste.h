// Fault injection for the file writers of platform/chamadas.h: counts the
// system calls they make and makes the n-th one fail, for as long as the
// object lives.
//
//     int n; { FalhaNaChamada conta; Grava(); n = conta.Chamadas(); }
//     for (int k = 1; k <= n; ++k) { FalhaNaChamada f(k); Grava(); ... }
//
// Header only: the test programs that write no file do not need it.
#pragma once

#include <vector>

#include "platform/chamadas.h"

class FalhaNaChamada {
public:
    // 0: no call fails, they are only counted.
    explicit FalhaNaChamada(int n = 0) : n_(n) { DefineFalhaDeChamada(&Decide, this); }
    ~FalhaNaChamada() { DefineFalhaDeChamada(nullptr, nullptr); }
    FalhaNaChamada(const FalhaNaChamada&) = delete;
    FalhaNaChamada& operator=(const FalhaNaChamada&) = delete;

    int Chamadas() const { return static_cast<int>(feitas_.size()); }
    // The calls asked for, in order (the failed one included).
    const std::vector<Chamada>& Feitas() const { return feitas_; }

private:
    static bool Decide(Chamada c, void* p) {
        auto* f = static_cast<FalhaNaChamada*>(p);
        f->feitas_.push_back(c);
        return f->Chamadas() == f->n_;
    }
    int n_;
    std::vector<Chamada> feitas_;
};
