// A program never writes its draft where another user or another running
// program can reach it.
#include "compila_apoio.h"

#include "core/dmtraduz.h"
#include "core/dmvars.h"
#include "platform/arquivos.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The text of a pipe until its end.
std::string LeTudo(int fd) {
    std::string r;
    char buf[512];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) r.append(buf, static_cast<size_t>(n));
    return r;
}

int QuantosRascunhos(const std::string& dir) {
    int n = 0;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec))
        n += e.path().filename().string().rfind("rascunho", 0) == 0;
    return n;
}

// No private folder can be made under TMPDIR: nothing is written beside it,
// and the compile says so instead of writing its draft there.
TEST(PastaTemporaria, SemPastaPrivadaNadaVaiParaAPastaComum) {
    PastaTemporaria base;
    const std::string naoPasta = base.grava("comum", "um arquivo, nao uma pasta");
    for (const std::string& raiz : {naoPasta, base.caminho("comum/dentro")}) {
        SCOPED_TRACE(raiz);
        VariavelAmbiente tmp("TMPDIR", raiz);
        EXPECT_EQ(DirTemporario(), "");
        EXPECT_EQ(ArquivoTemporario("dm"), "");
        EXPECT_EQ(RascunhoPrivado(), "");
    }
    VariavelAmbiente tmp("TMPDIR", naoPasta);
    AmbienteCompila amb;
    amb.Documento({"texto"});
    ArqRascunho.clear();
    const std::string atual = DiretorioAtual();
    EXPECT_FALSE(amb.Compila(0, false));
    EXPECT_EQ(ArqRascunho, "");
    EXPECT_EQ(amb.dlg.fake.Textos(),
              std::vector<std::string>{"N\xe3o foi poss\xedvel criar uma pasta tempor\xe1ria particular em " +
                                       naoPasta + ".\r\nO rascunho braille n\xe3o foi gerado."});
    EXPECT_EQ(amb.dlg.fake.registros[0].icone, Icone::Erro);
    EXPECT_EQ(base.entradas(), 1);
    EXPECT_EQ(QuantosRascunhos(atual), 0);
}

// Three programs compile at once, again and again, two with the default
// draft, one with a configured one: each reads back only its own; default
// drafts are gone once their programs end, the configured one stays.
TEST(RascunhoPrivado, CadaProgramaTemOSeuEORemoveAoSair) {
    PastaTemporaria base, configurada;
    VariavelAmbiente tmp("TMPDIR", base.dir());
    const std::string privada = DirTemporario();
    ASSERT_FALSE(privada.empty());
    const std::string nomeConfigurado = configurada.caminho("meu rascunho.txt");

    struct Programa {
        std::string texto;
        bool padrao;
        pid_t pid = 0;
        int saida = -1;
    };
    std::vector<Programa> programas = {{"primeiro", true}, {"segundo", true}, {"terceiro", false}};
    int largada[2];
    ASSERT_EQ(::pipe(largada), 0);
    for (Programa& p : programas) {
        int tubo[2];
        ASSERT_EQ(::pipe(tubo), 0);
        p.pid = ::fork();
        ASSERT_GE(p.pid, 0);
        if (p.pid == 0) {
            ::close(tubo[0]);
            ::close(largada[1]);
            for (char c; ::read(largada[0], &c, 1) > 0;) {
            }
            std::string relato;
            {
                AmbienteCompila amb;
                amb.Documento({p.texto});
                for (int i = 0; i < 25; ++i) {
                    ArqRascunho = p.padrao ? std::string() : nomeConfigurado;
                    const bool ok = amb.Compila(0, false);
                    std::string lido;
                    if (!ok || !LeArquivo(ArqRascunho, lido) || lido.find(TraduzTexto(p.texto)) == std::string::npos)
                        relato = "errado ";
                }
                relato += ArqRascunho;
                amb.arquivo.clear();   // the program's own draft: its end removes it
            }
            (void)!::write(tubo[1], relato.data(), relato.size());
            std::exit(0); // a program that ends normally
        }
        ::close(tubo[1]);
        p.saida = tubo[0];
    }
    ::close(largada[0]);
    ::close(largada[1]); // the start signal

    std::set<std::string> caminhos;
    for (Programa& p : programas) {
        SCOPED_TRACE(p.texto);
        const std::string caminho = LeTudo(p.saida);
        ::close(p.saida);
        int st = 0;
        ASSERT_EQ(::waitpid(p.pid, &st, 0), p.pid);
        EXPECT_TRUE(WIFEXITED(st) && WEXITSTATUS(st) == 0);
        caminhos.insert(caminho);
        if (p.padrao) {
            EXPECT_EQ(caminho, privada + "rascunho-" + std::to_string(p.pid) + ".txt");
            EXPECT_FALSE(fs::exists(caminho));
        } else {
            EXPECT_EQ(caminho, nomeConfigurado);
            EXPECT_TRUE(fs::exists(caminho));
        }
    }
    EXPECT_EQ(caminhos.size(), 3u);
    EXPECT_EQ(QuantosRascunhos(privada), 0);
}

// At start the drafts that no running program will remove go: those of a
// pid that no process has, and of a pid taken since by a program of another
// name. A running copy of the program keeps its own, and nothing else is
// touched: other names, folders, links.
TEST(RascunhoPrivado, NoInicioSaemOsRascunhosDeProgramasQueNaoRodamMais) {
    PastaTemporaria base;
    VariavelAmbiente tmp("TMPDIR", base.dir());
    const std::string privada = DirTemporario();
    ASSERT_FALSE(privada.empty());
    const pid_t morto = ::fork();
    if (morto == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(morto, nullptr, 0), morto);
    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    const pid_t copia = ::fork(); // this program, running until the pipe closes
    if (copia == 0) {
        ::close(tubo[1]);
        char c;
        (void)!::read(tubo[0], &c, 1);
        ::_exit(0);
    }
    ::close(tubo[0]);
    const pid_t outro = ::fork(); // another program now holds a pid
    if (outro == 0) {
        ::execlp("sleep", "sleep", "60", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    for (int i = 0; i < 500 && fs::read_symlink("/proc/" + std::to_string(outro) + "/exe").filename() != "sleep"; ++i)
        ::usleep(10000);

    const std::string m = std::to_string(morto), c = std::to_string(copia), o = std::to_string(outro);
    const std::pair<std::string, bool> arquivos[] = {
        {"rascunho-" + m + ".txt", false},
        {"rascunho-" + m + ".txt." + m + "-3.tmp", false},
        {"rascunho-" + o + ".txt", false},
        {"rascunho-" + c + ".txt", true},
        {"rascunho-" + c + ".txt." + c + "-0.tmp", true},
        {"rascunho-" + std::to_string(::getpid()) + ".txt", true},
        {"rascunho-" + m + ".txt.bak", true},
        {"rascunho-" + m + ".txt." + m + "-3.tmp~", true},
        {"rascunho-" + m + "x.txt", true},
        {"rascunho.txt", true},
        {"braille-" + m + ".rtf", true},
    };
    for (const auto& [nome, fica] : arquivos) GravaArquivoTeste(privada + nome, "rascunho");
    const std::string pasta = privada + "rascunho-" + m + ".txt." + m + "-1.tmp";
    const std::string link = privada + "rascunho-" + m + ".txt." + m + "-2.tmp";
    fs::create_directory(pasta);
    fs::create_symlink(base.grava("alvo", "x"), link);

    EXPECT_EQ(RemoveRascunhosAbandonados(), 3);
    for (const auto& [nome, fica] : arquivos) EXPECT_EQ(fs::exists(privada + nome), fica) << nome;
    EXPECT_TRUE(fs::is_directory(pasta));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(base.le("alvo"), "x");

    ::kill(outro, SIGKILL);
    ::close(tubo[1]);
    ::waitpid(outro, nullptr, 0);
    ::waitpid(copia, nullptr, 0);
}

// A program ended by SIGTERM, SIGHUP or SIGINT removes its draft on the way
// out and still ends by that signal; one started to ignore SIGHUP (nohup)
// goes on. SIGKILL leaves the draft, which the next start removes.
TEST(RascunhoPrivado, OsSinaisDeFimRemovemORascunho) {
    PastaTemporaria base;
    VariavelAmbiente tmp("TMPDIR", base.dir());
    const std::string privada = DirTemporario();
    ASSERT_FALSE(privada.empty());
    const struct { int sinal; bool ignorado; } casos[] = {
        {SIGTERM, false}, {SIGHUP, false}, {SIGINT, false}, {SIGHUP, true}, {SIGKILL, false}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(::strsignal(caso.sinal));
        int tubo[2];
        ASSERT_EQ(::pipe(tubo), 0);
        const pid_t p = ::fork();
        ASSERT_GE(p, 0);
        if (p == 0) {
            ::close(tubo[0]);
            if (caso.ignorado) std::signal(caso.sinal, SIG_IGN);
            RemoveRascunhosNosSinais();
            AmbienteCompila amb;
            amb.Documento({"texto"});
            ArqRascunho.clear();
            const char ok = amb.Compila(0, false) ? '1' : '0';
            (void)!::write(tubo[1], &ok, 1);
            for (;;) ::pause();
        }
        ::close(tubo[1]);
        char ok = 0;
        (void)!::read(tubo[0], &ok, 1);
        ::close(tubo[0]);
        EXPECT_EQ(ok, '1');
        const std::string rascunho = privada + "rascunho-" + std::to_string(p) + ".txt";
        EXPECT_TRUE(fs::exists(rascunho));
        ::kill(p, caso.sinal);
        int st = 0;
        if (caso.ignorado) {
            ::usleep(100000);
            EXPECT_EQ(::waitpid(p, &st, WNOHANG), 0);
            ::kill(p, SIGKILL);
        }
        ASSERT_EQ(::waitpid(p, &st, 0), p);
        EXPECT_TRUE(WIFSIGNALED(st));
        EXPECT_EQ(WTERMSIG(st), caso.ignorado ? SIGKILL : caso.sinal);
        EXPECT_EQ(fs::exists(rascunho), caso.ignorado || caso.sinal == SIGKILL);
    }
    EXPECT_EQ(RemoveRascunhosAbandonados(), 2);
    EXPECT_EQ(QuantosRascunhos(privada), 0);
}

} // namespace
