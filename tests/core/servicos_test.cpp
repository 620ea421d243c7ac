// The platform services: the silent default and the single-instance lock.
#include "platform/arquivos.h"
#include "platform/servicos.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(ServicosPadrao, SilentDefaultKeepsTheClipboardAndStartsNothing) {
    ServicosPlataforma& s = servicos();
    ASSERT_TRUE(s.GravaAreaTransferencia(std::string("a\r\nb\0c", 6)));
    EXPECT_EQ(s.LeAreaTransferencia(), "a\r\nb");
    EXPECT_FALSE(s.IniciaPrograma("/bin/true", {}, ""));
    EXPECT_FALSE(s.AbreComProgramaDoSistema("/etc/hostname"));
    EXPECT_TRUE(s.TravaInstancia(kInstanciaKelto));
    EXPECT_FALSE(s.InstanciaAtiva(kInstanciaKelto));
}

class TravaInstancia : public ::testing::Test {
protected:
    PastaTemporaria pasta;
    VariavelAmbiente runtime{"XDG_RUNTIME_DIR", pasta.dir().substr(0, pasta.dir().size() - 1)};
    const std::string nome = "teste" + std::to_string(::getpid());
    void TearDown() override { LiberaTravaInstancia(nome); }
};

// The lock file lives in the runtime folder, else the private temporary one;
// one that cannot be made (a folder in its place) counts as free.
TEST_F(TravaInstancia, TheLockLivesInTheRuntimeFolder) {
    EXPECT_EQ(ArquivoTravaInstancia(nome), pasta.dir() + nome + ".lock");
    for (const char* valor : {"", "relativo", "/nao/existe"}) {
        VariavelAmbiente outra("XDG_RUNTIME_DIR", valor);
        EXPECT_EQ(ArquivoTravaInstancia(nome), DirTemporario() + nome + ".lock") << valor;
    }
    std::filesystem::create_directory(ArquivoTravaInstancia(nome));
    EXPECT_TRUE(TentaTravaInstancia(nome, false));
    EXPECT_TRUE(TentaTravaInstancia(nome, true));
}

// A check keeps nothing; a lock taken is this process's until it lets go or
// ends, and another process sees it held.
TEST_F(TravaInstancia, HolderAndCheckerSeeOneLock) {
    EXPECT_TRUE(TentaTravaInstancia(nome, false));
    EXPECT_TRUE(TentaTravaInstancia(nome, true));
    EXPECT_TRUE(ArquivoExiste(ArquivoTravaInstancia(nome)));
    EXPECT_TRUE(TentaTravaInstancia(nome, true));
    EXPECT_FALSE(TentaTravaInstancia(nome, false));
    LiberaTravaInstancia(nome);
    EXPECT_TRUE(TentaTravaInstancia(nome, false));

    int pronto[2], fim[2];
    ASSERT_EQ(::pipe(pronto), 0);
    ASSERT_EQ(::pipe(fim), 0);
    const pid_t filho = ::fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        const char r = TentaTravaInstancia(nome, true) ? 'S' : 'N';
        (void)!::write(pronto[1], &r, 1);
        char c = 0;
        (void)!::read(fim[0], &c, 1);   // holds the lock until told to end
        ::_exit(0);
    }
    char r = 0;
    ASSERT_EQ(::read(pronto[0], &r, 1), 1);
    EXPECT_EQ(r, 'S');
    EXPECT_FALSE(TentaTravaInstancia(nome, false));
    EXPECT_FALSE(TentaTravaInstancia(nome, true));
    ASSERT_EQ(::write(fim[1], "x", 1), 1);
    int estado = 0;
    ASSERT_EQ(::waitpid(filho, &estado, 0), filho);
    EXPECT_TRUE(TentaTravaInstancia(nome, false));
    for (int fd : {pronto[0], pronto[1], fim[0], fim[1]}) ::close(fd);
}

} // namespace
