// Six-key chords: which key is which dot, and what a sequence of presses
// and releases types.
#include "core/celas/acorde.h"
#include "platform/teclas.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

TEST(PontoDaTecla, TeclasEPontos) {
    const std::pair<int, int> casos[] = {
        {'F', 1},  {'D', 2},  {'S', 4},  {'J', 8},  {'K', 16}, {'L', 32},
        {vk::Numerico(1), 8}, {vk::Numerico(4), 8}, {vk::Numerico(7), 8},
        {vk::Numerico(2), 16}, {vk::Numerico(5), 16}, {vk::Numerico(8), 16},
        {vk::Numerico(3), 32}, {vk::Numerico(6), 32}, {vk::Numerico(9), 32},
        // Not dot keys.
        {vk::Numerico(0), 0}, {'A', 0}, {'4', 0}, {vk::Espaco, 0}, {vk::Enter, 0}, {vk::F11, 0},
    };
    for (auto [tecla, ponto] : casos)
        EXPECT_EQ(PontoDaTecla(tecla), ponto) << tecla;
}

// A sequence of key events: "+F" press, "-F" release, "*F" auto-repeated
// press, "~F" auto-repeated release; "n4" is keypad 4, "_" the space bar.
// Returns the mask of every cell typed, in order.
std::vector<int> Digita(const std::string& eventos, AcordeSeisTeclas& a) {
    std::vector<int> celas;
    std::istringstream in(eventos);
    std::string e;
    while (in >> e) {
        const std::string nome = e.substr(1);
        const int tecla = nome == "_" ? vk::Espaco
                          : nome[0] == 'n' ? vk::Numerico(nome[1] - '0')
                                           : static_cast<unsigned char>(nome[0]);
        const bool repetida = e[0] == '*' || e[0] == '~';
        if (e[0] == '+' || e[0] == '*')
            a.Pressiona(tecla, repetida);
        else if (auto m = a.Solta(tecla, repetida))
            celas.push_back(*m);
    }
    return celas;
}

TEST(AcordeSeisTeclas, Sequencias) {
    struct Caso {
        const char* eventos;
        std::vector<int> celas;
    } casos[] = {
        {"+F -F", {1}},
        {"+F +D -D -F", {3}},
        {"+F +D -F -D", {3}},                      // released in any order
        {"+F +J -J -F", {9}},
        {"+F +D +S +J +K +L -L -F -K -D -J -S", {63}},
        {"+F +n4 -n4 -F", {9}},                   // keypad 4 stands for dot 4
        {"+n3 +n8 -n8 -n3", {48}},
        // A dot key released before the others still counts.
        {"+F -F +D -D", {1, 2}},
        // The released key need not be one of the chord.
        {"+F +D -K -L", {3}},
        // A second key for a dot already held cancels the chord, and the
        // releases of a cancelled chord type nothing (no stray blank cells).
        {"+J +n4 -J -n4", {}},
        // Another key cancels too (Space, a letter that is no dot).
        {"+F +_ -_ -F", {}},
        {"+F +D +A -A -F -D", {}},
        // A chord begun while keys of a cancelled one are still down.
        {"+F +A -A +J -F -J +K -K", {8, 16}},
        // A release with nothing pressed (the key went down elsewhere).
        {"-F", {}},
        // Auto-repeat: holding F adds nothing and cancels nothing; the
        // repeated releases are ignored; the real release types "a".
        {"+F *F ~F *F ~F *F -F", {1}},
        {"+F +D *D ~D *D -D -F", {3}},
        // Releases of keys that are no dot keys do nothing.
        {"-A -_", {}},
    };
    for (const Caso& c : casos) {
        AcordeSeisTeclas a;
        EXPECT_EQ(Digita(c.eventos, a), c.celas) << c.eventos;
        EXPECT_EQ(a.Acorde(), 0) << c.eventos;
    }
}

TEST(AcordeSeisTeclas, EstadoDuranteOAcorde) {
    AcordeSeisTeclas a;
    EXPECT_TRUE(a.Pressiona('F'));
    EXPECT_TRUE(a.Pressiona('K'));
    EXPECT_TRUE(a.Pressiona('K', true)); // the repeat is taken, changes nothing
    EXPECT_EQ(a.Acorde(), 17);
    EXPECT_EQ(a.TeclasAcorde(), 2);
    EXPECT_FALSE(a.Pressiona(vk::Numerico(5))); // dot 5 again: cancelled
    EXPECT_EQ(a.Acorde(), 0);
    EXPECT_EQ(a.TeclasAcorde(), 0);
    EXPECT_FALSE(a.Pressiona(vk::Enter));
}

} // namespace
