// What the embosser settings window decides without a window: the model
// search, the output names that are devices, the radio of a name, the ".BRL"
// extension and the models that decide the Puma 7 entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/dmcnfprt_modelos.h"
#include "platform/texto.h"

namespace {

TEST(ModelosImpressora, SearchIgnoresCaseNotSpaces) {
    const auto lista = ModelosImpressora();
    const std::pair<std::string, std::string> casos[] = {
        {"puma 7", "Puma 7"}, {"IMPRESSORA DE CLICHÊ"_cp, "Impressora de clichê"_cp}, {"tiger", "Tiger"},
        {"index basic v4", "Index Basic V4"}, {"Tiger Cub", ""}, {" Tiger", ""}, {"Puma", ""}, {"", ""}};
    for (const auto& [modelo, achado] : casos) {
        const int i = IndiceDoModelo(lista, modelo);
        EXPECT_EQ(i < 0 ? "" : lista[static_cast<std::size_t>(i)], achado) << modelo;
    }
}

TEST(SaidasImpressora, DevicesRadiosAndFiles) {
    using S = SaidaImpressora;
    const std::pair<std::string, S> casos[] = {
        {"LPT1", S::LPT1}, {"lpt2", S::LPT2}, {"Lpt3", S::LPT3}, {"com1", S::COM1}, {"COM2", S::COM2},
        {"prn", S::PRN}, {"\\\\127.0.0.1\\fila", S::Rede}, {"\\\\x", S::Rede}, {"LPT4", S::Arquivo},
        {"COM3", S::Arquivo}, {" PRN", S::Arquivo}, {"LPT1:", S::Arquivo}, {"\\unica", S::Arquivo},
        {"/home/u/livro.brl", S::Arquivo}, {"", S::Arquivo},
    };
    for (const auto& [nome, saida] : casos) {
        EXPECT_EQ(SaidaDoNome(nome), saida) << nome;
        EXPECT_EQ(EhDispositivo(nome), saida != S::Arquivo) << nome;
    }
    EXPECT_EQ(NomeDaSaida(S::COM2), "COM2");
    EXPECT_EQ(NomeDaSaida(S::Rede), "");
    const std::pair<const char*, const char*> brl[] = {{"/tmp/livro.txt", "/tmp/livro.BRL"},
                                                       {"/tmp/v1.2/livro", "/tmp/v1.2/livro.BRL"},
                                                       {"livro.BRL", "livro.BRL"}, {"a.b.c", "a.b.BRL"}};
    for (auto [nome, comExtensao] : brl)
        EXPECT_EQ(ComExtensaoBRL(nome), comExtensao) << nome;
}

TEST(ModelosImpressora, WhichModelsDecideThePumaEntry) {
    // The listed models as written, and the Index Basic and Everest families;
    // not Tiger, and no other spelling.
    for (const char* m : {"Bax 10", "Impressora de clich\xea", "Puma 7", "Outra...", "Index Basic qualquer", "Everest V4"})
        EXPECT_TRUE(ModeloDecideEntradaPuma(m)) << m;
    for (const char* m : {"puma 7", "Tiger", "Romeo", "index basic", "Braille Blazie", "", "(Selecione uma)"})
        EXPECT_FALSE(ModeloDecideEntradaPuma(m)) << m;
}

} // namespace
