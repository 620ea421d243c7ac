// What the embosser settings window decides without a window: the model
// list and its search, the output names that are devices, the radio of a
// name, the ".BRL" extension and the models that decide the Puma 7 entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/dmcnfprt_modelos.h"
#include "platform/texto.h"

namespace {

TEST(ModelosImpressora, TheListAndItsSearchIgnoringCase) {
    const auto lista = ModelosImpressora();
    ASSERT_EQ(lista.size(), 18u);
    EXPECT_EQ(lista.front(), "Bax 10");
    EXPECT_EQ(lista.back(), "Outra...");
    EXPECT_EQ(lista[4], "Impressora de clichê"_cp);
    struct Caso {
        std::string modelo;
        int indice;
    };
    for (const Caso& c : {Caso{"Puma 7", 13}, Caso{"puma 7", 13}, Caso{"PUMA 7", 13},
                          Caso{"IMPRESSORA DE CLICHÊ"_cp, 4}, Caso{"tiger", 15}, Caso{"Tiger Cub", -1},
                          Caso{" Tiger", -1}, Caso{"Puma", -1}, Caso{"", -1}, Caso{"index basic v4", 7}})
        EXPECT_EQ(IndiceDoModelo(lista, c.modelo), c.indice) << c.modelo;
}

TEST(SaidasImpressora, DevicesRadiosAndFiles) {
    struct Caso {
        std::string nome;
        SaidaImpressora saida;
    };
    const Caso casos[] = {
        {"LPT1", SaidaImpressora::LPT1},  {"lpt2", SaidaImpressora::LPT2},   {"Lpt3", SaidaImpressora::LPT3},
        {"com1", SaidaImpressora::COM1},  {"COM2", SaidaImpressora::COM2},   {"prn", SaidaImpressora::PRN},
        {"\\\\127.0.0.1\\fila", SaidaImpressora::Rede}, {"\\\\x", SaidaImpressora::Rede},
        {"LPT4", SaidaImpressora::Arquivo}, {"COM3", SaidaImpressora::Arquivo}, {" PRN", SaidaImpressora::Arquivo},
        {"LPT1:", SaidaImpressora::Arquivo}, {"\\unica", SaidaImpressora::Arquivo},
        {"/home/u/livro.brl", SaidaImpressora::Arquivo}, {"", SaidaImpressora::Arquivo},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(SaidaDoNome(c.nome), c.saida) << c.nome;
        EXPECT_EQ(EhDispositivo(c.nome), c.saida != SaidaImpressora::Arquivo) << c.nome;
    }
    EXPECT_EQ(NomeDaSaida(SaidaImpressora::COM2), "COM2");
    EXPECT_EQ(NomeDaSaida(SaidaImpressora::PRN), "PRN");
    EXPECT_EQ(NomeDaSaida(SaidaImpressora::Rede), "");
}

TEST(SaidasImpressora, ExtensionBRL) {
    EXPECT_EQ(ComExtensaoBRL("/tmp/livro.txt"), "/tmp/livro.BRL");
    EXPECT_EQ(ComExtensaoBRL("/tmp/livro"), "/tmp/livro.BRL");
    EXPECT_EQ(ComExtensaoBRL("/tmp/v1.2/livro"), "/tmp/v1.2/livro.BRL");
    EXPECT_EQ(ComExtensaoBRL("livro.BRL"), "livro.BRL");
    EXPECT_EQ(ComExtensaoBRL("a.b.c"), "a.b.BRL");
}

TEST(ModelosImpressora, WhichModelsDecideThePumaEntry) {
    const std::vector<std::string> decidem = {"Bax 10", "Braillo", "Juliet", "Versapoint", "Impressora de clichê"_cp,
                                              "Puma 7", "Outra...", "Index Basic", "Index Basic V4",
                                              "Index Basic qualquer", "Everest", "Everest V4"};
    const std::vector<std::string> naoDecidem = {"puma 7", "Tiger", "Romeo", "Beta X3", "Mountbatten", "Porta Thiel",
                                                 "index basic", "Braille Blazie", "", "(Selecione uma)"};
    for (const std::string& m : decidem) EXPECT_TRUE(ModeloDecideEntradaPuma(m)) << m;
    for (const std::string& m : naoDecidem) EXPECT_FALSE(ModeloDecideEntradaPuma(m)) << m;
}

} // namespace
