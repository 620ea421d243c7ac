// INI profile functions: Windows rules for reading, line-preserving atomic
// writes, and the location of DOTMARA.INI.
#include "platform/ini.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <pwd.h>
#include <unistd.h>

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
    "; configuracao do dotmara\r\n"
    "[DOTMARA]\r\n"
    "maxCarac=40 \r\n"
    "titulo= Meu livro\r\n"
    "vazio=\r\n"
    "  maxLin = 30\r\n"
    ";tipoCabec=2\r\n"
    "semIgual\r\n"
    "\r\n"
    "[IMPBRAILLE]\r\n"
    "Marca=Juliet\r\n"
    "NomeArq=C:\\saida.brl\r\n"
    "[dotmara]\r\n"
    "repetida=segunda secao\r\n";

TEST_F(IniTeste, Leitura) {
    pasta.grava("DOTMARA.INI", kExemplo);
    struct {
        const char* secao;
        const char* chave;
        const char* esperado;
    } casos[] = {
        {"DOTMARA", "maxCarac", "40 "},         // the value as it stands
        {"dotmara", "MAXCARAC", "40 "},         // names ignore case
        {"DotMara", "titulo", " Meu livro"},
        {"DOTMARA", "vazio", ""},               // present and empty: not the default
        {"DOTMARA", "maxLin", " 30"},           // blanks around the name do not count
        {"DOTMARA", "tipoCabec", "<padrao>"},   // a comment
        {"DOTMARA", "semIgual", "<padrao>"},
        {"DOTMARA", "Marca", "<padrao>"},       // another section
        {"IMPBRAILLE", "marca", "Juliet"},
        {"IMPBRAILLE", "NomeArq", "C:\\saida.brl"},
        {"DOTMARA", "repetida", "<padrao>"},    // only the first section of a name counts
        {"NADA", "maxCarac", "<padrao>"},
    };
    for (auto c : casos)
        EXPECT_EQ(Le(c.secao, c.chave), c.esperado) << c.secao << "/" << c.chave;
}

TEST_F(IniTeste, ArquivoAusenteDaOPadrao) {
    EXPECT_EQ(Le("DOTMARA", "maxCarac", "34"), "34");
    EXPECT_EQ(Le("DOTMARA", "maxCarac", ""), "");
}

TEST_F(IniTeste, TamanhoDoBufferLimitaValorEPadrao) {
    pasta.grava("DOTMARA.INI", "[s]\r\nk=abcdefgh\r\n");
    EXPECT_EQ(Le("s", "k", "", 4), "abc");
    EXPECT_EQ(Le("s", "k", "", 9), "abcdefgh");
    EXPECT_EQ(Le("s", "k", "", 1), "");
    EXPECT_EQ(Le("s", "x", "padrao longo", 4), "pad");
    EXPECT_EQ(Le("s", "k", "", 0), "abcdefgh");
}

TEST_F(IniTeste, ValorLongoSemLimite) {
    std::string longo(100000, 'x');
    ASSERT_TRUE(GravaPerfil("s", "caminho", longo, ini));
    EXPECT_EQ(Le("s", "caminho"), longo);
}

TEST_F(IniTeste, BytesWindows1252) {
    const std::string titulo = "Cora\xe7\xe3o \x80 \x93";
    ASSERT_TRUE(GravaPerfil("DOTMARA", "titulo", titulo, ini));
    EXPECT_EQ(Le("DOTMARA", "titulo"), titulo);
}

TEST_F(IniTeste, GravarChaveExistenteMudaSoSuaLinha) {
    pasta.grava("DOTMARA.INI", kExemplo);
    ASSERT_TRUE(GravaPerfil("dotmara", "MAXCARAC", "36", ini));
    std::string esperado = kExemplo;
    esperado.replace(esperado.find("maxCarac=40 "), 12, "maxCarac=36");
    EXPECT_EQ(pasta.le("DOTMARA.INI"), esperado);
}

TEST_F(IniTeste, GravarChaveNovaNoFimDaSuaSecao) {
    pasta.grava("DOTMARA.INI", kExemplo);
    ASSERT_TRUE(GravaPerfil("DOTMARA", "tipoCabec", "2", ini));
    std::string esperado = kExemplo;
    esperado.insert(esperado.find("\r\n\r\n[IMPBRAILLE]") + 2, "tipoCabec=2\r\n");
    EXPECT_EQ(pasta.le("DOTMARA.INI"), esperado);
    EXPECT_EQ(Le("DOTMARA", "tipoCabec"), "2");
}

TEST_F(IniTeste, GravarSecaoNova) {
    pasta.grava("DOTMARA.INI", "[DOTMARA]\nmaxLin=28"); // LF only, no final line end
    ASSERT_TRUE(GravaPerfil("DICIONARIO", "ARQDIC", "diciona.dic", ini));
    EXPECT_EQ(pasta.le("DOTMARA.INI"), "[DOTMARA]\nmaxLin=28\n[DICIONARIO]\nARQDIC=diciona.dic\n");
}

// A file that ends in a lone CR: the CR is that line's end, and what is
// written after it goes on lines of its own.
TEST_F(IniTeste, CrSozinhoNoFimEFimDeLinha) {
    pasta.grava("DOTMARA.INI", "[DOTMARA]\r\nmaxLin=28\r");
    ASSERT_TRUE(GravaPerfil("DOTMARA", "maxCarac", "34", ini));
    EXPECT_EQ(pasta.le("DOTMARA.INI"), "[DOTMARA]\r\nmaxLin=28\r\nmaxCarac=34\r\n");
    EXPECT_EQ(Le("DOTMARA", "maxLin"), "28");
    EXPECT_EQ(Le("DOTMARA", "maxCarac"), "34");

    pasta.grava("DOTMARA.INI", "[DOTMARA]\r");
    ASSERT_TRUE(GravaPerfil("IMPBRAILLE", "Marca", "Juliet", ini));
    EXPECT_EQ(pasta.le("DOTMARA.INI"), "[DOTMARA]\r\n[IMPBRAILLE]\r\nMarca=Juliet\r\n");
    EXPECT_EQ(Le("IMPBRAILLE", "Marca"), "Juliet");
}

TEST_F(IniTeste, GravarArquivoNovoCriaPastas) {
    std::string novo = pasta.caminho("a/b/DOTMARA.INI");
    ASSERT_TRUE(GravaPerfil("DOTMARA", "ultimoDir", "/home/x/", novo));
    ASSERT_TRUE(GravaPerfil("DOTMARA", "maxLin", "25", novo));
    EXPECT_EQ(pasta.le("a/b/DOTMARA.INI"), "[DOTMARA]\r\nultimoDir=/home/x/\r\nmaxLin=25\r\n");
}

TEST_F(IniTeste, QuebraDeLinhaNoValorNaoCriaLinhas) {
    ASSERT_TRUE(GravaPerfil("DOTMARA", "titulo", "um\r\n[IMPBRAILLE]\r\nMarca=x", ini));
    EXPECT_EQ(Le("IMPBRAILLE", "Marca"), "<padrao>");
    EXPECT_EQ(Le("DOTMARA", "titulo"), "um  [IMPBRAILLE]  Marca=x");
}

TEST_F(IniTeste, GravacaoQueFalhaDeixaOArquivoAntigoInteiro) {
    // A name so long that the temporary file beside it cannot be made.
    std::string nome(250, 'i');
    std::string caminho = pasta.grava(nome, kExemplo);
    EXPECT_FALSE(GravaPerfil("DOTMARA", "maxCarac", "20", caminho));
    EXPECT_EQ(pasta.le(nome), kExemplo);
}

// Several keys of one section in one replacement: the keys there change in
// place, new ones follow in the order given; a failed write changes none.
TEST_F(IniTeste, VariasChavesNumaSoGravacao) {
    pasta.grava("DOTMARA.INI", kExemplo);
    ASSERT_TRUE(GravaPerfis("dotmara", {{"maxLin", "25"}, {"novaA", "1"}, {"MAXCARAC", "40"}, {"novaB", "2"}}, ini));
    EXPECT_EQ(pasta.le("DOTMARA.INI"),
              "; configuracao do dotmara\r\n"
              "[DOTMARA]\r\n"
              "maxCarac=40\r\n"
              "titulo= Meu livro\r\n"
              "vazio=\r\n"
              "  maxLin =25\r\n"
              ";tipoCabec=2\r\n"
              "semIgual\r\n"
              "novaA=1\r\n"
              "novaB=2\r\n"
              "\r\n"
              "[IMPBRAILLE]\r\n"
              "Marca=Juliet\r\n"
              "NomeArq=C:\\saida.brl\r\n"
              "[dotmara]\r\n"
              "repetida=segunda secao\r\n");
    EXPECT_EQ(pasta.entradas(), 2);

    std::string nome(250, 'i');
    std::string caminho = pasta.grava(nome, kExemplo);
    EXPECT_FALSE(GravaPerfis("DOTMARA", {{"maxLin", "25"}, {"maxCarac", "40"}}, caminho));
    EXPECT_EQ(pasta.le(nome), kExemplo);
    // A key without a name writes nothing at all.
    EXPECT_FALSE(GravaPerfis("DOTMARA", {{"maxLin", "25"}, {" ", "x"}}, ini));
    EXPECT_EQ(Le("DOTMARA", "maxLin"), "25");
}

TEST_F(IniTeste, GravacaoNaoDeixaTemporarios) {
    pasta.grava("DOTMARA.INI", kExemplo);
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(GravaPerfil("DOTMARA", std::string(1, 'k') + std::to_string(i), "v", ini));
    // The file and its lock file, nothing else.
    EXPECT_EQ(pasta.entradas(), 2);
    EXPECT_TRUE(std::filesystem::exists(ini + ".lock"));
}

TEST_F(IniTeste, GravarAtravesDeLinkSimbolico) {
    pasta.grava("real.ini", "[s]\r\nk=1\r\n");
    std::filesystem::create_symlink(pasta.caminho("real.ini"), ini);
    ASSERT_TRUE(GravaPerfil("s", "k", "2", ini));
    EXPECT_TRUE(std::filesystem::is_symlink(ini));
    EXPECT_EQ(pasta.le("real.ini"), "[s]\r\nk=2\r\n");
}

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
    // No HOME: the user's home folder, not a shared temporary folder.
    VariavelAmbiente semHome("HOME", "");
    const passwd* pw = ::getpwuid(::getuid());
    ASSERT_NE(pw, nullptr);
    std::string casa = pw->pw_dir;
    if (casa.empty() || casa.back() != '/')
        casa += '/';
    EXPECT_EQ(CaminhoIni(), casa + ".config/dotmara/DOTMARA.INI");
}

} // namespace

namespace {
TEST(IniDosTestes, NuncaOArquivoDoUsuario) {
    const char* e = std::getenv("DOTMARA_INI");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(CaminhoIni(), e);
    EXPECT_EQ(CaminhoIni().find("/.config/"), std::string::npos);
}
} // namespace
