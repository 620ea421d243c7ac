// The INI file shared by several running programs: every read-modify-write
// holds the file's lock, so no program's write is lost, and a reader only
// ever sees a whole file.
#include "platform/ini.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Runs each task in a process of its own, all released at the same moment,
// and waits for them. False when any of them failed.
bool RodaEmProcessos(const std::vector<std::function<bool()>>& tarefas) {
    int largada[2];
    if (::pipe(largada) != 0) return false;
    std::vector<pid_t> filhos;
    for (const auto& tarefa : tarefas) {
        const pid_t pid = ::fork();
        if (pid < 0) return false;
        if (pid == 0) {
            ::close(largada[1]);
            char c;
            // Blocks until the parent closes its end: every child starts at once.
            while (::read(largada[0], &c, 1) > 0) {
            }
            ::_exit(tarefa() ? 0 : 1);
        }
        filhos.push_back(pid);
    }
    ::close(largada[0]);
    ::close(largada[1]);
    bool ok = true;
    for (pid_t p : filhos) {
        int st = 0;
        ok = ::waitpid(p, &st, 0) == p && WIFEXITED(st) && WEXITSTATUS(st) == 0 && ok;
    }
    return ok;
}

std::string Chave(int programa, int i) {
    return "p" + std::to_string(programa) + "_k" + std::to_string(i);
}

class IniCompartilhado : public ::testing::Test {
protected:
    PastaTemporaria pasta;
    std::string ini = pasta.caminho("DOTMARA.INI");
};

// Two or three programs writing (and one deleting) keys of one file at the
// same time: every write that reported success is in the file at the end.
TEST_F(IniCompartilhado, EscritasSimultaneasNaoPerdemChaves) {
    struct Caso {
        const char* nome;
        int programas;
        int chaves;
        bool mesmaSecao;
    } casos[] = {
        {"dois programas, 150 chaves cada, uma secao", 2, 150, true},
        {"tres programas, 60 chaves cada, secoes proprias", 3, 60, false},
        {"dois programas gravando cinco chaves", 2, 5, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        std::remove(ini.c_str());
        std::vector<std::function<bool()>> tarefas;
        for (int p = 0; p < c.programas; ++p)
            tarefas.push_back([&, p] {
                const std::string secao = c.mesmaSecao ? "DOTMARA" : "S" + std::to_string(p);
                for (int i = 0; i < c.chaves; ++i)
                    if (!GravaPerfil(secao, Chave(p, i), std::to_string(i * 7), ini)) return false;
                return true;
            });
        ASSERT_TRUE(RodaEmProcessos(tarefas));
        int perdidas = 0;
        for (int p = 0; p < c.programas; ++p) {
            const std::string secao = c.mesmaSecao ? "DOTMARA" : "S" + std::to_string(p);
            for (int i = 0; i < c.chaves; ++i)
                if (LePerfil(secao, Chave(p, i), "<perdida>", 0, ini) != std::to_string(i * 7))
                    ++perdidas;
        }
        EXPECT_EQ(perdidas, 0);
    }
}

TEST_F(IniCompartilhado, ApagarEnquantoOutroGravaNaoRessuscitaNemPerde) {
    for (int i = 0; i < 80; ++i) ASSERT_TRUE(GravaPerfil("DOTMARA", Chave(9, i), "velho", ini));
    std::vector<std::function<bool()>> tarefas = {
        [&] {
            for (int i = 0; i < 80; ++i)
                if (!GravaPerfil("DOTMARA", Chave(1, i), "novo", ini)) return false;
            return true;
        },
        [&] {
            for (int i = 0; i < 80; ++i)
                if (!ApagaPerfil("DOTMARA", Chave(9, i), ini)) return false;
            return true;
        },
    };
    ASSERT_TRUE(RodaEmProcessos(tarefas));
    int erradas = 0;
    for (int i = 0; i < 80; ++i) {
        erradas += LePerfil("DOTMARA", Chave(1, i), "<perdida>", 0, ini) != "novo";
        erradas += LePerfil("DOTMARA", Chave(9, i), "<apagada>", 0, ini) != "<apagada>";
    }
    EXPECT_EQ(erradas, 0);
}

// A program that reads while another rewrites a long value sees either the
// old or the new value, whole.
TEST_F(IniCompartilhado, LeitorNuncaVeArquivoPelaMetade) {
    const std::string a(20000, 'A'), b(20000, 'B');
    ASSERT_TRUE(GravaPerfil("DOTMARA", "titulo", a, ini));
    int fim[2];
    ASSERT_EQ(::pipe(fim), 0);
    const pid_t escritor = ::fork();
    ASSERT_GE(escritor, 0);
    if (escritor == 0) {
        ::close(fim[0]);
        for (int i = 0; i < 150; ++i) GravaPerfil("DOTMARA", "titulo", i % 2 ? a : b, ini);
        ::_exit(0);
    }
    ::close(fim[1]);
    int ruins = 0, leituras = 0;
    for (int st = 0; ::waitpid(escritor, &st, WNOHANG) == 0 || leituras == 0; ++leituras) {
        const std::string v = LePerfil("DOTMARA", "titulo", "<ausente>", 0, ini);
        ruins += v != a && v != b;
    }
    ::close(fim[0]);
    EXPECT_EQ(ruins, 0) << "em " << leituras << " leituras";
}

// The lock lives beside the file (a link to the file shares the lock of
// its target), and taking it by hand holds every writer off.
TEST_F(IniCompartilhado, TravaSeguraOsOutrosProgramas) {
    ASSERT_TRUE(GravaPerfil("DOTMARA", "a", "1", ini));
    TravaIni trava(ini);
    ASSERT_TRUE(trava.Obtida());
    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    const pid_t outro = ::fork();
    ASSERT_GE(outro, 0);
    if (outro == 0) {
        ::close(tubo[0]);
        const bool ok = GravaPerfil("DOTMARA", "b", "2", ini);
        const char c = ok ? 'g' : 'f';
        (void)!::write(tubo[1], &c, 1);
        ::_exit(0);
    }
    ::close(tubo[1]);
    // While the lock is held the other program waits: nothing written.
    ::usleep(200 * 1000);
    EXPECT_EQ(LePerfil("DOTMARA", "b", "<ainda nao>", 0, ini), "<ainda nao>");
    trava.Libera();
    char c = 0;
    EXPECT_EQ(::read(tubo[0], &c, 1), 1);
    EXPECT_EQ(c, 'g');
    ::close(tubo[0]);
    int st = 0;
    ::waitpid(outro, &st, 0);
    EXPECT_EQ(LePerfil("DOTMARA", "b", "<perdida>", 0, ini), "2");
}

} // namespace
