// Files and folders: line splitting, path parts, the data-file lookup, the
// private temporary folder, atomic replacement; the platform services' silent
// default and the single-instance lock.
#include "platform/arquivos.h"
#include "platform/linha_comando.h"
#include "platform/servicos.h"
#include "support/falhas_teste.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(DivideLinhas, FinsDeLinha) {
    using V = std::vector<std::string>;
    const std::pair<std::string, V> casos[] = {
        {"", V{}},          {"a", V{"a"}},           {"a\r\nb\r\n", V{"a", "b"}}, {"a\nb", V{"a", "b"}},
        {"\r\n", V{""}},    {"\r\n\r\n", V{"", ""}},
        {"a\r\r\n", V{"a\r"}},   // only one CR belongs to the line end
        {"a\rb\n", V{"a\rb"}},   // a CR inside the line stays
        {"a\r", V{"a"}},         // CR before the end of the file
        {std::string("x\0y\n", 4), V{std::string("x\0y", 3)}},
    };
    for (const auto& [texto, linhas] : casos) EXPECT_EQ(DivideLinhas(texto), linhas) << texto;
}

// Folder, name, extension, and the extension changed to ".brl".
TEST(PartesDoCaminho, DiretorioNomeExtensao) {
    const char* const casos[][5] = {
        {"/home/a/livro.txt", "/home/a/", "livro.txt", ".txt", "/home/a/livro.brl"},
        {"/home/a.b/livro", "/home/a.b/", "livro", "", "/home/a.b/livro.brl"},
        {"livro.tar.gz", "", "livro.tar.gz", ".gz", "livro.tar.brl"},
        {"/dotmara", "/", "dotmara", "", "/dotmara.brl"},
        {"/pasta/", "/pasta/", "", "", "/pasta/.brl"},
        {"", "", "", "", ".brl"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(ExtraiDiretorio(c[0]), c[1]) << c[0];
        EXPECT_EQ(ExtraiNomeArquivo(c[0]), c[2]) << c[0];
        EXPECT_EQ(ExtraiExtensao(c[0]), c[3]) << c[0];
        EXPECT_EQ(MudaExtensao(c[0], ".brl"), c[4]) << c[0];
    }
}

// The exact name first, then letter case aside (Latin-1 letters too; names
// are Windows-1252 inside the program, UTF-8 on disk); a folder is no file.
TEST(AchaArquivoDados, ExatoDepoisSemDistinguirMaiusculas) {
    PastaTemporaria p;
    for (const char* nome : {"ZIRODEDOD.MDL", "ambcode.cfg", "A\xc3\x87\xc3\x83O.TXT"}) p.grava(nome, "x");
    std::filesystem::create_directory(p.caminho("Pasta.cfg"));
    const std::pair<const char*, const char*> casos[] = {
        {"ambcode.cfg", "ambcode.cfg"}, {"zirodedod.mdl", "ZIRODEDOD.MDL"}, {"AMBCODE.CFG", "ambcode.cfg"},
        {"falta.cfg", "falta.cfg"},     {"pasta.cfg", "pasta.cfg"},         {"a\xe7\xe3o.txt", "A\xc7\xc3O.TXT"}};
    for (auto [pedido, achado] : casos) EXPECT_EQ(AchaArquivoDados(p.dir(), pedido), p.dir() + achado) << pedido;
}

TEST(Arquivos, NomesWindows1252ViramUtf8NoDisco) {
    PastaTemporaria p;
    std::string nome = p.dir() + "cora\xe7\xe3o.txt";
    ASSERT_TRUE(GravaArquivoAtomico(nome, "conte\xfa" "do"));
    EXPECT_TRUE(std::filesystem::exists(p.dir() + "cora\xc3\xa7\xc3\xa3o.txt"));
    std::string lido;
    ASSERT_TRUE(LeArquivo(nome, lido));
    EXPECT_EQ(lido, "conte\xfa" "do");
    EXPECT_TRUE(ArquivoExiste(nome));
    EXPECT_FALSE(ArquivoExiste(p.dir()));
    EXPECT_TRUE(DiretorioExiste(p.dir()));
    EXPECT_FALSE(LeArquivo(p.dir() + "falta", lido));
    EXPECT_FALSE(LeArquivo(p.dir(), lido));
    // A FIFO named by mistake is refused instead of blocking the program.
    ASSERT_EQ(::mkfifo((p.dir() + "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(LeArquivo(p.dir() + "fifo", lido));
    // A file that never ends is not read until the memory runs out.
    EXPECT_FALSE(LeArquivo("/proc/self/pagemap", lido));
    EXPECT_TRUE(lido.empty());
}

// A file replaced keeps its mode, a new one follows the umask; two writes
// leave one file and no temporary; never over a folder.
TEST(Arquivos, GravacaoAtomicaEPermissoes) {
    PastaTemporaria p;
    std::string a = p.grava("a.txt", "velho");
    ASSERT_EQ(::chmod(a.c_str(), 0604), 0);
    const mode_t antes = ::umask(027);
    const bool ok = GravaArquivoAtomico(a, "novo") && GravaArquivoAtomico(p.caminho("novo.txt"), "x") &&
                    GravaArquivoAtomico(p.caminho("novo.txt"), "y");
    const mode_t depois = ::umask(antes);
    EXPECT_EQ(depois, 027u); // left as it was
    ASSERT_TRUE(ok);
    struct stat st {}, novo {};
    ASSERT_EQ(::stat(a.c_str(), &st) + ::stat(p.caminho("novo.txt").c_str(), &novo), 0);
    EXPECT_EQ(st.st_mode & 0777, 0604u);
    EXPECT_EQ(novo.st_mode & 0777, 0640u);
    EXPECT_EQ(p.le("a.txt"), "novo");
    EXPECT_EQ(p.le("novo.txt"), "y");
    EXPECT_EQ(p.entradas(), 2);
    EXPECT_FALSE(GravaArquivoAtomico(p.dir(), "x"));
}

// Whichever system call of a replacement fails, the file stays as it was,
// whole, and nothing is left beside it.
TEST(Arquivos, GravacaoAtomicaQueFalhaEmQualquerPasso) {
    PastaTemporaria p;
    const std::string a = p.grava("a.txt", "velho");
    const std::string novo(200000, 'n');
    int n = 0;
    {
        FalhaNaChamada conta;
        ASSERT_TRUE(GravaArquivoAtomico(a, "outro"));
        n = conta.Chamadas();
    }
    ASSERT_GE(n, 5);
    for (int k = 1; k <= n; ++k) {
        p.grava("a.txt", "velho");
        FalhaNaChamada falha(k);
        EXPECT_FALSE(GravaArquivoAtomico(a, novo)) << k;
        EXPECT_EQ(p.le("a.txt"), "velho") << k;
        EXPECT_EQ(p.entradas(), 1) << k;
    }
}

// The command line is the programs' own: Qt is made with the program's name
// alone, whatever the arguments look like (its options among them), and the
// arguments reach the program whole, in order, as its text.
TEST(LinhaDeComando, OsArgumentosNaoPassamPeloQt) {
    using V = std::vector<std::string>;
    const std::vector<V> casos = {
        {"dotmara"},
        {"dotmara", "-reverse"},
        {"dotmara", "-style", "fusion", "livro.txt"},
        {"dotmara", "-platform", "offscreen"},
        {"dotmara", "--", "-qwindowgeometry", "10x10"},
        {"dotmara", "Cap\xc3\xadtulo 1.txt", ""},
    };
    for (V argv : casos) {
        std::vector<char*> ponteiros;
        for (std::string& a : argv) ponteiros.push_back(a.data());
        ponteiros.push_back(nullptr);
        LinhaDeComando linha(static_cast<int>(argv.size()), ponteiros.data());
        EXPECT_EQ(linha.ArgcQt(), 1);
        EXPECT_STREQ(linha.ArgvQt()[0], "dotmara");
        EXPECT_EQ(linha.ArgvQt()[1], nullptr);
        V esperados;
        for (size_t i = 1; i < argv.size(); ++i) esperados.push_back(CaminhoDoSistema(argv[i]));
        EXPECT_EQ(linha.Argumentos(), esperados);
    }
    EXPECT_EQ(LinhaDeComando(2, std::array<char*, 3>{nullptr}.data()).Argumentos(), V{});
}

// A private folder, also when another user squatted its name with a link.
TEST(Temporarios, PastaPrivadaENomesUnicos) {
    for (bool squatted : {false, true}) {
        PastaTemporaria base, outra;
        VariavelAmbiente tmp("TMPDIR", base.dir());
        const std::string nome = base.dir() + "dotmara-" + std::to_string(::getuid());
        if (squatted) std::filesystem::create_directory_symlink(outra.dir(), nome);
        const std::string d = DirTemporario();
        ASSERT_FALSE(d.empty());
        EXPECT_EQ(d.back(), '/');
        EXPECT_EQ(d.rfind(base.dir(), 0), 0u);
        if (squatted) { EXPECT_NE(d, nome + "/"); }
        struct stat st {};
        ASSERT_EQ(::lstat(d.c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        std::set<std::string> nomes;
        for (int i = 0; i < 20; ++i) {
            const std::string t = ArquivoTemporario("dm");
            EXPECT_EQ(ExtraiDiretorio(t), d);
            EXPECT_TRUE(ArquivoExiste(t));
            nomes.insert(t);
        }
        EXPECT_EQ(nomes.size(), 20u);
    }
}

// The data folder found from the program's folder: a build folder inside a
// source tree, an installed program with data/ beside it; behind a link the
// steps up lead elsewhere than the name says, so they are kept. The
// environment names it, whatever the program's folder.
TEST(Programa, CaminhoEDados) {
    EXPECT_TRUE(ArquivoExiste(CaminhoPrograma()));
    PastaTemporaria p;
    for (const char* pasta : {"fonte/data", "fonte/build/tests", "inst/data", "longe/a/b/c/d", "fora/obra/tests",
                              "fora/data"})
        std::filesystem::create_directories(p.dir() + pasta);
    for (const char* tabela : {"fonte/data/ambcode.cfg", "inst/data/AMBCODE.CFG", "fora/data/ambcode.cfg"})
        p.grava(tabela, "* tabela\r\n");
    std::filesystem::create_directory_symlink(p.dir() + "fora/obra", p.dir() + "fonte/ligada");
    const std::pair<const char*, const char*> casos[] = {
        {"fonte/build/tests/", "fonte/data/"},   {"inst/", "inst/data/"},
        {"longe/a/b/c/d/", "longe/a/b/c/d/data/"}, {"fonte/ligada/tests/", "fonte/ligada/tests/../../data/"}};
    for (auto [programa, dados] : casos) EXPECT_EQ(DirDadosAcimaDe(p.dir() + programa), p.dir() + dados);
    EXPECT_TRUE(ArquivoExiste(DirDadosAcimaDe(p.dir() + "fonte/ligada/tests/") + "ambcode.cfg"));
    VariavelAmbiente dados("DOTMARA_DATA_DIR", "/usr/share/dotmara");
    EXPECT_EQ(DirDados(), "/usr/share/dotmara/");
    VariavelAmbiente passos("DOTMARA_DATA_DIR", std::string(DOTMARA_DATA_DIR) + "/../data");
    EXPECT_EQ(DirDados(), std::filesystem::path(DOTMARA_DATA_DIR).lexically_normal().string() + "/");
}


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
