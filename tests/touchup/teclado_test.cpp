// The touch-up page's keyboard: six-key chords to cells in both codes, ink
// typing, and the keys that ask the windows for something.
#include "apoio_kelto.h"

#include "platform/teclas.h"

#include <gtest/gtest.h>

namespace {

TEST(AcordesDoKelto, CelasNosDoisCodigos) {
    struct Caso {
        const char* nome;
        const char* eventos;
        const char* antigo;    // the cells typed, old code
        const char* unificado; // unified code
    } casos[] = {
        {"F", "+F -F", "a", "a"},
        {"F+D", "+F +D -D -F", "b", "b"},
        {"F+J soltas ao contrario", "+F +J -F -J", "c", "c"},
        {"D+K", "+D +K -K -D", ":", ":"},
        {"K", "+K -K", "~", "~"},
        {"J+K", "+J +K -J -K", "@", "\xac"},
        {"L", "+L -L", "`", "\xfd"},
        {"D+S+K+L", "+D +S +K +L -D -S -K -L", "(", "="},
        {"as seis", "+F +D +S +J +K +L -L -K -J -S -D -F", "\xe9", "\xe9"},
        {"F com o 4 do teclado numerico", "+F +n4 -F -n4", "c", "c"},
        {"coluna direita do teclado numerico", "+n8 +n9 -n8 -n9", "\\", "$"},
        // A second key for dot 4 cancels the chord, which types nothing.
        {"4 do teclado com J abaixado", "+J +n4 -J -n4 +K -K", "~", "~"},
        // Holding a key until it repeats types nothing more.
        {"tecla mantida ate repetir", "+F *F ~F *F ~F *F -F", "a", "a"},
        {"dois acordes seguidos", "+F +D -F -D +K -K", "b~", "b~"},
    };
    for (bool antigo : {true, false}) {
        for (const Caso& c : casos) {
            EstadoKelto e;
            e.BrailleAntigo = antigo;
            Digita(e, c.eventos);
            const std::string esperado = antigo ? c.antigo : c.unificado;
            EXPECT_EQ(Inicio(e, 1, esperado.size()), esperado) << c.nome << (antigo ? " (antigo)" : "");
            EXPECT_EQ(e.Coluna, 1 + static_cast<int>(esperado.size())) << c.nome;
            EXPECT_EQ(e.Pagina[0].size(), 57u) << c.nome;
        }
    }
}

TEST(AcordesDoKelto, OutraTeclaCancelaOAcorde) {
    // Space types its blank at once and cancels the chord; the release of F
    // types nothing more.
    EstadoKelto e;
    e.Pagina[0] = "xyz";
    Digita(e, "+F Esp -F");
    EXPECT_EQ(e.Pagina[0], " xyz");
    EXPECT_EQ(e.Coluna, 2);
    // A movement key cancels too: one column right, and the releases leave
    // the line as it was.
    e = EstadoKelto();
    e.Pagina[0] = "xyz";
    Digita(e, "+F +D Dir -F -D");
    EXPECT_EQ(e.Pagina[0], "xyz");
    EXPECT_EQ(e.Coluna, 2);
}

TEST(TintaDoKelto, CaracteresEModos) {
    EstadoKelto e;
    EXPECT_EQ(Digita(e, "F12"), AcaoKelto::ModoTinta);
    EXPECT_EQ(Digita(e, "F11"), AcaoKelto::ModoSeisTeclas);
    e.ModoSeisTeclas = false;
    // Ink typing: the character typed goes in; releases type nothing.
    e.TeclaPressionada('A', false, false);
    EXPECT_EQ(e.CaractereDigitado('a'), AcaoKelto::Nenhuma);
    e.TeclaSolta('A');
    Digita(e, "+F -F Esp");
    e.CaractereDigitado(0xE7); // c cedilla
    EXPECT_EQ(Inicio(e, 1, 4), "a \xe7 ");
    EXPECT_EQ(e.Coluna, 4);
    // Control characters are not typed; Ctrl+V and Ctrl+C paste and copy.
    for (unsigned char c : {8, 13, 27, 32, 127})
        EXPECT_EQ(e.CaractereDigitado(c), AcaoKelto::Nenhuma) << int(c);
    EXPECT_EQ(Inicio(e, 1, 4), "a \xe7 ");
    EXPECT_EQ(e.CaractereDigitado(22), AcaoKelto::Colar);
    EXPECT_EQ(e.CaractereDigitado(3), AcaoKelto::Copiar);
    // In six-key typing characters are not typed, but Ctrl+V/Ctrl+C still act.
    e.ModoSeisTeclas = true;
    EXPECT_EQ(e.CaractereDigitado('x'), AcaoKelto::Nenhuma);
    EXPECT_EQ(e.CaractereDigitado(22), AcaoKelto::Colar);
    EXPECT_EQ(Inicio(e, 1, 4), "a \xe7 ");
}

TEST(TeclasDoKelto, AcoesDasJanelas) {
    const std::pair<const char*, AcaoKelto> casos[] = {
        {"!Ins", AcaoKelto::Colar},        {"^Ins", AcaoKelto::Copiar},
        {"Ins", AcaoKelto::Nenhuma},       {"F9", AcaoKelto::AbreDesenhador},
        {"F10", AcaoKelto::MostraOpcoes},  {"F11", AcaoKelto::ModoSeisTeclas},
        {"F12", AcaoKelto::ModoTinta},     {"F", AcaoKelto::Nenhuma},
    };
    for (auto [eventos, acao] : casos) {
        EstadoKelto e;
        EXPECT_EQ(Digita(e, eventos), acao) << eventos;
    }
    // A command key in the middle of a chord ends it.
    EstadoKelto e;
    Digita(e, "+F F9");
    EXPECT_EQ(e.acorde.Acorde(), 0);
}

} // namespace
