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
        {'F', 1}, {'D', 2}, {'S', 4}, {'J', 8}, {'K', 16}, {'L', 32},
        // Not dot keys.
        {vk::Numerico(0), 0}, {'A', 0}, {'4', 0}, {vk::Espaco, 0}, {vk::Enter, 0}, {vk::F11, 0},
    };
    for (auto [tecla, ponto] : casos)
        EXPECT_EQ(PontoDaTecla(tecla), ponto) << tecla;
    // The keypad's columns are dots 4, 5 and 6.
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(PontoDaTecla(vk::Numerico(n)), 8 << ((n - 1) % 3)) << n;
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
        {"+F -F +D -D", {1, 2}},
        {"+F +D -K -L", {3}},                      // the released key need not be of the chord
        // A second key for a dot already held cancels the chord, and the
        // releases of a cancelled chord type nothing (no stray blank cells).
        {"+J +n4 -J -n4", {}},
        {"+F +_ -_ -F", {}},                       // another key cancels too
        {"+F +D +A -A -F -D", {}},
        {"+F +A -A +J -F -J +K -K", {8, 16}},     // begun while a cancelled one is down
        {"-F", {}},                                // the key went down elsewhere
        // Auto-repeat: holding F adds nothing and cancels nothing; the
        // repeated releases are ignored; the real release types "a".
        {"+F *F ~F *F ~F *F -F", {1}},
        {"+F +D *D ~D *D -D -F", {3}},
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
    EXPECT_TRUE(a.Pressiona('F') && a.Pressiona('K') && a.Pressiona('K', true)); // the repeat changes nothing
    EXPECT_EQ(std::make_pair(a.Acorde(), a.TeclasAcorde()), std::make_pair(17, 2));
    EXPECT_FALSE(a.Pressiona(vk::Numerico(5))); // dot 5 again: cancelled
    EXPECT_EQ(std::make_pair(a.Acorde(), a.TeclasAcorde()), std::make_pair(0, 0));
    EXPECT_FALSE(a.Pressiona(vk::Enter));
}

} // namespace
