// The shared tables are ready before any unit's own initialisation: a unit
// that reads them while it is being initialised (as this one does below)
// sees them whole, whatever the order in which the units start.
#include "core/dmvars.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct LidoNaPartida {
    std::size_t maiusculas, minusculas;
    bool a, aGrave, cedilha;
    std::string marca;
    std::string nomes[3];
    unsigned char pontosA, celaUnificada45;
    int romano1000;
};

// Read during this unit's dynamic initialisation.
const LidoNaPartida kLido = [] {
    LidoNaPartida l{};
    l.maiusculas = Maiusculas.count();
    l.minusculas = Minusculas.count();
    l.a = Maiusculas.test('A');
    l.aGrave = Minusculas.test(0xE0);
    l.cedilha = Maiusculas.test(0xC7);
    l.marca = MarcaReservada;
    for (int i = 0; i < 3; ++i)
        l.nomes[i] = NomesTipoGrafico[static_cast<std::size_t>(i)];
    l.pontosA = PontosDoCaractere['A'];
    l.celaUnificada45 = TabelaCelas[1][24];
    l.romano1000 = ValoresRomanos[6];
    return l;
}();

// The texts are usable at compile time.
static_assert(MarcaReservada.size() == 1 && MarcaReservada[0] == '\x0b');
static_assert(NomesTipoGrafico[0] == std::string_view("P\xe1gina gr\xe1" "fica"));
static_assert(NomesTipoGrafico[2].size() == 11);

TEST(TabelasNaPartida, ProntasAntesDeQualquerInicializacao) {
    EXPECT_EQ(kLido.maiusculas, 58u);
    EXPECT_EQ(kLido.minusculas, 58u);
    EXPECT_TRUE(kLido.a && kLido.aGrave && kLido.cedilha);
    EXPECT_EQ(kLido.marca, std::string(1, '\x0b'));
    EXPECT_EQ(kLido.nomes[0], "P\xe1gina gr\xe1" "fica");
    EXPECT_EQ(kLido.nomes[1], "Embutido");
    EXPECT_EQ(kLido.nomes[2], "Intercalado");
    EXPECT_EQ(kLido.pontosA, 0x41); // dots 1 and 7
    EXPECT_EQ(kLido.celaUnificada45, 0xAC);
    EXPECT_EQ(kLido.romano1000, 1000);
}

TEST(ConjuntoBytes, OperacoesDeConjunto) {
    ConjuntoBytes c;
    c.set('a').set(255).set(300); // past 255: ignored
    EXPECT_EQ(c.count(), 2u);
    EXPECT_TRUE(c.test('a') && c[255]);
    EXPECT_FALSE(c.test(0) || c.test(300));
    c.reset('a');
    EXPECT_EQ(c.count(), 1u);
    EXPECT_TRUE((Maiusculas & Minusculas).none());
    c.set();
    EXPECT_TRUE(c.all());
}

} // namespace
