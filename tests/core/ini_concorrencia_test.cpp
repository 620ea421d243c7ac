// The INI file shared by running programs: no write lost, a reader only
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

// Programs writing (or deleting) keys of one file at the same time: every
// write that reported success is there at the end, no deleted key comes back.
TEST_F(IniCompartilhado, EscritasSimultaneasNaoPerdemChaves) {
    struct Programa {
        const char* secao;
        int chaves;
        bool apaga = false;   // deletes keys the file held before
    };
    const std::vector<Programa> casos[] = {
        {{"DOTMARA", 150}, {"DOTMARA", 150}},
        {{"S0", 60}, {"S1", 60}, {"S2", 60}},
        {{"DOTMARA", 5}, {"DOTMARA", 5}},
        {{"DOTMARA", 80}, {"DOTMARA", 80, true}},
    };
    for (const auto& programas : casos) {
        SCOPED_TRACE(programas.size() * 1000 + programas[0].chaves);
        std::remove(ini.c_str());
        std::vector<std::function<bool()>> tarefas;
        for (std::size_t p = 0; p < programas.size(); ++p) {
            const Programa& g = programas[p];
            for (int i = 0; g.apaga && i < g.chaves; ++i) ASSERT_TRUE(GravaPerfil(g.secao, Chave(int(p), i), "velho", ini));
            tarefas.push_back([&ini = ini, p, g] {
                for (int i = 0; i < g.chaves; ++i)
                    if (!(g.apaga ? ApagaPerfil(g.secao, Chave(int(p), i), ini)
                                  : GravaPerfil(g.secao, Chave(int(p), i), std::to_string(i * 7), ini)))
                        return false;
                return true;
            });
        }
        ASSERT_TRUE(RodaEmProcessos(tarefas));
        int erradas = 0;
        for (std::size_t p = 0; p < programas.size(); ++p)
            for (int i = 0; i < programas[p].chaves; ++i)
                erradas += LePerfil(programas[p].secao, Chave(int(p), i), "<ausente>", 0, ini) !=
                           (programas[p].apaga ? "<ausente>" : std::to_string(i * 7));
        EXPECT_EQ(erradas, 0);
    }
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
