// A program never writes its draft where another user or another running
// program can reach it.
#include "compila_apoio.h"

#include "core/dmtraduz.h"
#include "core/dmvars.h"
#include "platform/arquivos.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

} // namespace
