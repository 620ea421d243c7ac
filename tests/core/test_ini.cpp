// INI profile functions: Windows rules for reading, line-preserving atomic
// writes under the file's lock, and the location of DOTMARA.INI.
#include "platform/ini.h"
#include "support/aberturas_teste.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <pwd.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

class IniTeste : public ::testing::Test {
protected:
    std::string Le(const std::string& secao, const std::string& chave, const std::string& padrao = "<padrao>",
                   std::size_t tamanho = 0) {
        return LePerfil(secao, chave, padrao, tamanho, ini);
    }
    PastaTemporaria pasta;
    std::string ini = pasta.caminho("DOTMARA.INI");
};

const char* const kExemplo =
    "; configuracao do dotmara\r\n[DOTMARA]\r\nmaxCarac=40 \r\ntitulo= Meu livro\r\nvazio=\r\n  maxLin = 30\r\n"
    ";tipoCabec=2\r\nsemIgual\r\n\r\n[IMPBRAILLE]\r\nMarca=Juliet\r\nNomeArq=C:\\saida.brl\r\n"
    "[dotmara]\r\nrepetida=segunda secao\r\n";

// Values as they stand; names ignore case and the blanks around them;
// present and empty is not the default; comments, lines without "=", other
// sections and a second section of the same name do not count.
TEST_F(IniTeste, Leitura) {
    pasta.grava("DOTMARA.INI", kExemplo);
    const char* const casos[][3] = {
        {"DOTMARA", "maxCarac", "40 "},       {"dotmara", "MAXCARAC", "40 "},
        {"DotMara", "titulo", " Meu livro"},  {"DOTMARA", "vazio", ""},
        {"DOTMARA", "maxLin", " 30"},         {"DOTMARA", "tipoCabec", "<padrao>"},
        {"DOTMARA", "semIgual", "<padrao>"},  {"DOTMARA", "Marca", "<padrao>"},
        {"IMPBRAILLE", "marca", "Juliet"},    {"IMPBRAILLE", "NomeArq", "C:\\saida.brl"},
        {"DOTMARA", "repetida", "<padrao>"},  {"NADA", "maxCarac", "<padrao>"},
    };
    for (const auto& c : casos) EXPECT_EQ(Le(c[0], c[1]), c[2]) << c[0] << "/" << c[1];
}

// No file gives the default; a buffer size cuts value and default alike.
TEST_F(IniTeste, TamanhoDoBufferLimitaValorEPadrao) {
    EXPECT_EQ(Le("s", "k", "34"), "34");
    pasta.grava("DOTMARA.INI", "[s]\r\nk=abcdefgh\r\n");
    const std::pair<std::size_t, const char*> casos[] = {{4, "abc"}, {9, "abcdefgh"}, {1, ""}, {0, "abcdefgh"}};
    for (auto [tamanho, esperado] : casos) EXPECT_EQ(Le("s", "k", "", tamanho), esperado) << tamanho;
    EXPECT_EQ(Le("s", "x", "padrao longo", 4), "pad");
}

// A file that begins with the UTF-8 byte order mark (a text editor put it
// there) is read behind it, as UTF-8; a write finds the section behind the
// mark (no second one at the end), keeps the mark and writes UTF-8; so does
// a delete.
TEST_F(IniTeste, MarcaUtf8NoInicio) {
    const std::string marca = "\xEF\xBB\xBF";
    pasta.grava("DOTMARA.INI", marca + "[DOTMARA]\r\nmaxCarac=40\r\ntitulo=Cap\xC3\xADtulo\r\n[IMPBRAILLE]\r\nMarca=x\r\n");
    EXPECT_EQ(Le("DOTMARA", "maxCarac"), "40");
    EXPECT_EQ(Le("dotmara", "titulo"), "Cap\xedtulo");
    EXPECT_EQ(Le("IMPBRAILLE", "Marca"), "x");
    EXPECT_EQ(Le("DOTMARA", "titulo", "", 4), "Cap");
    ASSERT_TRUE(GravaPerfis("DOTMARA", {{"maxLin", "30"}, {"titulo", "A\xe7\xe3o"}}, ini));
    ASSERT_TRUE(ApagaPerfil("IMPBRAILLE", "Marca", ini));
    EXPECT_EQ(pasta.le("DOTMARA.INI"),
              marca + "[DOTMARA]\r\nmaxCarac=40\r\ntitulo=A\xC3\xA7\xC3\xA3o\r\nmaxLin=30\r\n[IMPBRAILLE]\r\n");
    EXPECT_EQ(Le("DOTMARA", "titulo"), "A\xe7\xe3o");
    EXPECT_EQ(Le("DOTMARA", "maxLin"), "30");
}

// Within a scope the file is read once, at the first question, whoever
// asks; a write of this program drops that reading, so what it wrote reads
// back; after the scope every read sees the file as it is.
TEST_F(IniTeste, EscopoLeOArquivoUmaVez) {
    pasta.grava("DOTMARA.INI", "[s]\r\na=1\r\nb=2\r\n");
    const std::string outro = pasta.grava("outro.ini", "[s]\r\na=outro\r\n");
    {
        const EscopoIniLido escopo(ini);
        AberturasDoArquivo aberturas(ini);
        EXPECT_EQ(Le("s", "a"), "1");
        EXPECT_EQ(IniLido(ini).Le("s", "b", ""), "2");
        EXPECT_TRUE(IniLido(ini).TemChave("S", " B "));
        EXPECT_EQ(LePerfil("s", "a", "", 0, outro), "outro");
        EXPECT_EQ(aberturas.Conta(), 1);
        pasta.grava("DOTMARA.INI", "[s]\r\na=9\r\n"); // another program's write
        EXPECT_EQ(Le("s", "a"), "1");
        ASSERT_TRUE(GravaPerfil("s", "b", "3", ini));
        EXPECT_EQ(Le("s", "a"), "9");
        EXPECT_EQ(Le("s", "b"), "3");
        pasta.grava("DOTMARA.INI", "[s]\r\na=10\r\n");
        EXPECT_EQ(Le("s", "a"), "9");
    }
    EXPECT_EQ(Le("s", "a"), "10");
}

// One key written into a file as it stands (nullptr: no file yet, in a
// folder not there yet): only its line changes, a new key goes at the end
// of its section, a new section after the last line with the file's own
// line end; the value reads back.
TEST(GravaPerfil, ChaveNoLugarCertoDoArquivo) {
    const std::string comExemplo = kExemplo;
    std::string mudada = comExemplo, nova = comExemplo;
    mudada.replace(mudada.find("maxCarac=40 "), 12, "maxCarac=36");
    nova.insert(nova.find("\r\n\r\n[IMPBRAILLE]") + 2, "tipoCabec=2\r\n");
    const std::string longo(100000, 'x'), acentos = "Cora\xe7\xe3o \x80 \x93";
    struct Caso {
        const char* nome;
        const char* arquivo;
        const char *secao, *chave;
        std::string valor, esperado, lido;
    };
    const Caso casos[] = {
        {"existing key, names in any case", kExemplo, "dotmara", "MAXCARAC", "36", mudada, "36"},
        {"new key at the end of its section", kExemplo, "DOTMARA", "tipoCabec", "2", nova, "2"},
        {"new section, LF only, no final line end", "[DOTMARA]\nmaxLin=28", "DICIONARIO", "ARQDIC",
         "diciona.dic", "[DOTMARA]\nmaxLin=28\n[DICIONARIO]\nARQDIC=diciona.dic\n", "diciona.dic"},
        {"new file in new folders", nullptr, "DOTMARA", "ultimoDir", "/home/x/",
         "[DOTMARA]\r\nultimoDir=/home/x/\r\n", "/home/x/"},
        {"Windows-1252 bytes", nullptr, "DOTMARA", "titulo", acentos, "[DOTMARA]\r\ntitulo=" + acentos + "\r\n",
         acentos},
        {"a long value is not cut", nullptr, "s", "caminho", longo, "[s]\r\ncaminho=" + longo + "\r\n", longo},
        // A line break in a value makes no line (no section or key of its own).
        {"line breaks in the value", nullptr, "DOTMARA", "titulo", "um\r\n[IMPBRAILLE]\r\nMarca=x",
         "[DOTMARA]\r\ntitulo=um  [IMPBRAILLE]  Marca=x\r\n", "um  [IMPBRAILLE]  Marca=x"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        PastaTemporaria pasta;
        const std::string ini = c.arquivo ? pasta.grava("DOTMARA.INI", c.arquivo) : pasta.caminho("a/b/DOTMARA.INI");
        ASSERT_TRUE(GravaPerfil(c.secao, c.chave, c.valor, ini));
        EXPECT_EQ(LeArquivoTeste(ini), c.esperado);
        EXPECT_EQ(LePerfil(c.secao, c.chave, "<ausente>", 0, ini), c.lido);
    }
}

// Several keys of one section in one replacement: the keys there change in
// place, new ones follow in the order given; a failed write changes none.
TEST_F(IniTeste, VariasChavesNumaSoGravacao) {
    pasta.grava("DOTMARA.INI", kExemplo);
    ASSERT_TRUE(GravaPerfis("dotmara", {{"maxLin", "25"}, {"novaA", "1"}, {"MAXCARAC", "40"}, {"novaB", "2"}}, ini));
    std::string esperado = kExemplo;
    esperado.replace(esperado.find("maxCarac=40 "), 12, "maxCarac=40");
    esperado.replace(esperado.find("maxLin = 30"), 11, "maxLin =25");
    esperado.insert(esperado.find("\r\n\r\n[IMPBRAILLE]") + 2, "novaA=1\r\nnovaB=2\r\n");
    EXPECT_EQ(pasta.le("DOTMARA.INI"), esperado);
    // The file and its lock file, no temporary left.
    EXPECT_EQ(pasta.entradas(), 2);
    EXPECT_TRUE(std::filesystem::exists(ini + ".lock"));
    const std::string nome(250, 'i');
    EXPECT_FALSE(GravaPerfis("DOTMARA", {{"maxLin", "25"}, {"maxCarac", "40"}}, pasta.grava(nome, kExemplo)));
    EXPECT_EQ(pasta.le(nome), kExemplo);
    // A key without a name writes nothing at all.
    EXPECT_FALSE(GravaPerfis("DOTMARA", {{"maxLin", "26"}, {" ", "x"}}, ini));
    EXPECT_EQ(Le("DOTMARA", "maxLin"), "25");
}

TEST_F(IniTeste, GravarAtravesDeLinkSimbolico) {
    pasta.grava("real.ini", "[s]\r\nk=1\r\n");
    std::filesystem::create_symlink(pasta.caminho("real.ini"), ini);
    ASSERT_TRUE(GravaPerfil("s", "k", "2", ini));
    EXPECT_TRUE(std::filesystem::is_symlink(ini));
    EXPECT_EQ(pasta.le("real.ini"), "[s]\r\nk=2\r\n");
}

// DOTMARA_INI, else the configuration folder; without HOME the user's own
// home folder, never a shared temporary one.
TEST(CaminhoIni, VariavelDeAmbienteEPastaDeConfiguracao) {
    {
        VariavelAmbiente v("DOTMARA_INI", "/tmp/teste/DOTMARA.INI");
        EXPECT_EQ(CaminhoIni(), "/tmp/teste/DOTMARA.INI");
    }
    VariavelAmbiente semIni("DOTMARA_INI", "");
    {
        VariavelAmbiente x("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(CaminhoIni(), "/cfg/dotmara/DOTMARA.INI");
    }
    VariavelAmbiente semXdg("XDG_CONFIG_HOME", "");
    {
        VariavelAmbiente home("HOME", "/home/leitor");
        EXPECT_EQ(CaminhoIni(), "/home/leitor/.config/dotmara/DOTMARA.INI");
    }
    VariavelAmbiente semHome("HOME", "");
    const passwd* pw = ::getpwuid(::getuid());
    ASSERT_NE(pw, nullptr);
    std::string casa = pw->pw_dir;
    if (casa.empty() || casa.back() != '/') casa += '/';
    EXPECT_EQ(CaminhoIni(), casa + ".config/dotmara/DOTMARA.INI");
}

// ---- The file shared by running programs: no write lost, a reader only
// ever sees a whole file.

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
            for (int i = 0; g.apaga && i < g.chaves; ++i)
                ASSERT_TRUE(GravaPerfil(g.secao, Chave(int(p), i), "velho", ini));
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
    EXPECT_TRUE(RodaEmProcessos({[&] {
                                     for (int i = 0; i < 150; ++i) GravaPerfil("DOTMARA", "titulo", i % 2 ? a : b, ini);
                                     return true;
                                 },
                                 [&] {
                                     for (int i = 0; i < 300; ++i) {
                                         const std::string v = LePerfil("DOTMARA", "titulo", "", 0, ini);
                                         if (v != a && v != b) return false;
                                     }
                                     return true;
                                 }}));
}

// The lock lives beside the file, and taking it by hand holds every writer
// off until it is let go.
TEST_F(IniCompartilhado, TravaSeguraOsOutrosProgramas) {
    ASSERT_TRUE(GravaPerfil("DOTMARA", "a", "1", ini));
    TravaIni trava(ini);
    ASSERT_TRUE(trava.Obtida());
    const pid_t outro = ::fork();
    ASSERT_GE(outro, 0);
    if (outro == 0) ::_exit(GravaPerfil("DOTMARA", "b", "2", ini) ? 0 : 1);
    ::usleep(200 * 1000);
    EXPECT_EQ(LePerfil("DOTMARA", "b", "<ainda nao>", 0, ini), "<ainda nao>");
    trava.Libera();
    int st = 0;
    ASSERT_EQ(::waitpid(outro, &st, 0), outro);
    EXPECT_TRUE(WIFEXITED(st) && WEXITSTATUS(st) == 0);
    EXPECT_EQ(LePerfil("DOTMARA", "b", "<perdida>", 0, ini), "2");
}

} // namespace
