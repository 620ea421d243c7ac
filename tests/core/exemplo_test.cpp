// "bash tools/setup.sh run" opens the user's own copy of the sample document
// (tools/exemplo.sh): made on the first run, left as the user keeps it after
// that, so a save never rewrites the source tree's file.
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// The path the script prints.
std::string CopiaDoExemplo() {
    const std::string comando = "bash '" + std::string(DOTMARA_DATA_DIR) + "/../tools/exemplo.sh'";
    std::string saida;
    if (FILE* f = ::popen(comando.c_str(), "r")) {
        char buf[512];
        while (std::fgets(buf, sizeof buf, f)) saida += buf;
        EXPECT_EQ(::pclose(f), 0);
    }
    return saida;
}

TEST(Exemplo, CopiaNaPastaDoUsuarioFeitaSoNaPrimeiraVez) {
    PastaTemporaria casa;
    VariavelAmbiente home("HOME", casa.dir());
    const std::string copia = casa.caminho("dotmara/exemplo.txt");
    const std::string original = LeArquivoTeste(std::string(DOTMARA_DATA_DIR) + "/exemplo.txt");
    ASSERT_FALSE(original.empty());
    EXPECT_EQ(CopiaDoExemplo(), copia + "\n");
    EXPECT_EQ(LeArquivoTeste(copia), original);
    GravaArquivoTeste(copia, "meu texto\r\n");
    EXPECT_EQ(CopiaDoExemplo(), copia + "\n");
    EXPECT_EQ(LeArquivoTeste(copia), "meu texto\r\n");
    EXPECT_EQ(LeArquivoTeste(std::string(DOTMARA_DATA_DIR) + "/exemplo.txt"), original);
}

} // namespace
