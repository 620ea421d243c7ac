// The touch-up page's keyboard: six-key chords to cells in both codes, ink
// typing, and the keys that ask the windows for something.
#include "apoio_kelto.h"

#include "platform/teclas.h"

#include <gtest/gtest.h>

namespace {

TEST(AcordesDoKelto, CelasNosDoisCodigos) {
    struct Caso {
        const char* eventos;
        const char* antigo;    // the cells typed, old code
        const char* unificado; // unified code
    } casos[] = {
        {"+F +J -F -J", "c", "c"},
        {"+J +K -J -K", "@", "\xac"},
        {"+L -L", "`", "\xfd"},
        {"+D +S +K +L -D -S -K -L", "(", "="},
        {"+F +D +S +J +K +L -L -K -J -S -D -F", "\xe9", "\xe9"},
        {"+n8 +n9 -n8 -n9", "\\", "$"},
        {"+J +n4 -J -n4 +K -K", "~", "~"}, // a second dot-4 key cancels the chord
        {"+F *F ~F *F ~F *F -F", "a", "a"}, // holding a key types nothing more
        {"+F +D -F -D +K -K", "b~", "b~"},
        {"+D +K -K -D", ":", ":"},
        {"+F +n4 -F -n4", "c", "c"}, // keypad 4 is dot 4 with the letter keys
    };
    for (bool antigo : {true, false}) {
        for (const Caso& c : casos) {
            EstadoKelto e;
            e.BrailleAntigo = antigo;
            Digita(e, c.eventos);
            const std::string esperado = antigo ? c.antigo : c.unificado;
            EXPECT_EQ(Inicio(e, 1, esperado.size()), esperado) << c.eventos << (antigo ? " (antigo)" : "");
            EXPECT_EQ(e.Coluna, 1 + static_cast<int>(esperado.size())) << c.eventos;
            EXPECT_EQ(e.Pagina[0].size(), 57u) << c.eventos;
        }
    }
}

TEST(AcordesDoKelto, OutraTeclaCancelaOAcorde) {
    // Space types its blank at once; a movement key moves. Neither chord types.
    const std::pair<const char*, const char*> casos[] = {{"+F Esp -F", " xyz"}, {"+F +D Dir -F -D", "xyz"}};
    for (auto [eventos, linha] : casos) {
        EstadoKelto e;
        e.Pagina[0] = "xyz";
        Digita(e, eventos);
        EXPECT_EQ(e.Pagina[0], linha) << eventos;
        EXPECT_EQ(e.Coluna, 2) << eventos;
    }
}

TEST(TintaDoKelto, CaracteresEModos) {
    EstadoKelto e;
    e.ModoSeisTeclas = false;
    // Ink typing: the character typed goes in; key releases type nothing.
    e.TeclaPressionada('A', false, false);
    EXPECT_EQ(e.CaractereDigitado('a'), AcaoKelto::Nenhuma);
    e.TeclaSolta('A');
    Digita(e, "+F -F Esp");
    e.CaractereDigitado(0xE7); // c cedilla
    // Control characters are not typed; Ctrl+V and Ctrl+C paste and copy.
    for (unsigned char c : {8, 13, 27, 32, 127})
        EXPECT_EQ(e.CaractereDigitado(c), AcaoKelto::Nenhuma) << int(c);
    EXPECT_EQ(Inicio(e, 1, 4), "a \xe7 ");
    EXPECT_EQ(e.Coluna, 4);
    EXPECT_EQ(e.CaractereDigitado(22), AcaoKelto::Colar);
    EXPECT_EQ(e.CaractereDigitado(3), AcaoKelto::Copiar);
    // In six-key typing characters are not typed, but Ctrl+V still acts.
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
