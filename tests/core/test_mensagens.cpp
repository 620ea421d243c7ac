// Messages, the input line, the working-folder routines and the external
// program check, through the recording dialog service.
#include "core/dmvars.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

using Tipo = DialogosFalsos::Tipo;

// The input line changes the text on OK only.
TEST(Mensagens, ErroContacteEEditaLinha) {
    DialogosFalsosEscopo d;
    ErroContacte("Falha ao gravar");
    d.fake.linhas = {std::string("novo t\xedtulo"), std::nullopt};
    std::string s = "antigo";
    EXPECT_TRUE(EditaLinha("T\xedtulo", "Digite o t\xedtulo:", s));
    EXPECT_EQ(s, "novo t\xedtulo");
    EXPECT_FALSE(EditaLinha("T\xedtulo", "Digite o t\xedtulo:", s));
    EXPECT_EQ(s, "novo t\xedtulo");
    ASSERT_EQ(d.fake.registros.size(), 3u);
    EXPECT_EQ(d.fake.registros[0].tipo, Tipo::MensagemOK);
    EXPECT_EQ(d.fake.registros[0].texto, "Falha ao gravar\r\nContacte os desenvolvedores.");
    EXPECT_EQ(d.fake.registros[1].titulo, "T\xedtulo");
    EXPECT_EQ(d.fake.registros[1].texto, "Digite o t\xedtulo:");
}

// ---- ChecaPrograma -----------------------------------------------------------

class ChecaProgramaTeste : public ::testing::Test {
protected:
    std::string Executavel(const std::string& nome, mode_t modo) {
        std::string c = pasta.grava(nome, "#!/bin/sh\n");
        ::chmod(c.c_str(), modo);
        return c;
    }
    const std::string segunda = "\r\nEntre com nome correto no menu \"Configurar|Diret\xf3rios\".";
    PastaTemporaria pasta;
    DialogosFalsosEscopo d;
};

TEST_F(ChecaProgramaTeste, ProgramaRecusadoComSuaMensagem) {
    std::filesystem::create_directory(pasta.caminho("prog"));
    const std::string falta = pasta.caminho("puma2.exe");
    struct Caso {
        const char* nome;
        std::string caminho;
        const char* programa;
        std::string mensagem;
    };
    const Caso casos[] = {
        {"caminho vazio nomeia o programa", "", "Kelto",
         "Erro: programa Kelto inexistente.\r\nEntre com nome no menu \"Configurar|Diret\xf3rios\"."},
        {"arquivo que nao pode ser executado", Executavel("velun.bat", 0644), "Velun",
         "Erro: programa \"velun.bat\" com extens\xe3o inv\xe1lida." + segunda},
        {"pasta nao e programa", pasta.caminho("prog"), "Grafemor",
         "Erro: programa \"prog\" com extens\xe3o inv\xe1lida." + segunda},
        {"arquivo ausente", falta, "Puma", "Erro: arquivo \"" + falta + "\" n\xe3o encontrado." + segunda},
    };
    for (const Caso& c : casos) {
        d.fake.Limpa();
        EXPECT_FALSE(ChecaPrograma(c.caminho, c.programa)) << c.nome;
        ASSERT_EQ(d.fake.registros.size(), 1u) << c.nome;
        EXPECT_EQ(d.fake.registros[0].tipo, Tipo::MensagemOK) << c.nome;
        EXPECT_EQ(d.fake.registros[0].texto, c.mensagem) << c.nome;
    }
}

TEST_F(ChecaProgramaTeste, ProgramaExecutavel) {
    EXPECT_TRUE(ChecaPrograma(Executavel("kelto", 0755), "Kelto"));
    EXPECT_TRUE(ChecaPrograma(Executavel("grafemor.exe", 0700), "Grafemor"));
    EXPECT_TRUE(d.fake.registros.empty());
}

// ---- MudaDir / VoltaDir ------------------------------------------------------

class PastaDeTrabalho : public ::testing::Test {
protected:
    void SetUp() override {
        inicial = DiretorioAtual();
        documento = DirDocumento;
    }
    void TearDown() override {
        MudaDiretorioAtual(inicial);
        DirDocumento = documento;
    }
    bool Atual(const std::string& dir) { return std::filesystem::equivalent(DiretorioAtual(), dir); }
    std::string Aviso(const std::string& dir) {
        return "Aten\xe7\xe3o: diret\xf3rio " + dir + " inacess\xedvel!";
    }
    std::string inicial, documento;
    PastaTemporaria a, b;
    DialogosFalsosEscopo d;
};

TEST_F(PastaDeTrabalho, MudaELembra) {
    DirDocumento = a.dir();
    EXPECT_TRUE(MudaDir(b.dir(), false));
    EXPECT_TRUE(Atual(b.dir()));
    EXPECT_EQ(DirDocumento, a.dir());
    EXPECT_TRUE(MudaDir(b.dir(), true));
    EXPECT_EQ(DirDocumento, b.dir());
    // Back to the remembered folder from elsewhere; already there, nothing.
    ASSERT_TRUE(MudaDiretorioAtual(a.dir()));
    VoltaDir();
    EXPECT_TRUE(Atual(b.dir()));
    VoltaDir();
    EXPECT_TRUE(Atual(b.dir()));
    EXPECT_TRUE(d.fake.registros.empty());
}

TEST_F(PastaDeTrabalho, PastaRelativaELembradaPeloCaminhoCompleto) {
    std::filesystem::create_directory(a.dir() + "docs");
    ASSERT_TRUE(MudaDiretorioAtual(a.dir()));
    EXPECT_TRUE(MudaDir("docs/", true));
    EXPECT_TRUE(Atual(a.dir() + "docs"));
    ASSERT_FALSE(DirDocumento.empty());
    EXPECT_EQ(DirDocumento.front(), '/');
    EXPECT_TRUE(std::filesystem::equivalent(DirDocumento, a.dir() + "docs"));
    // Back from elsewhere: the remembered folder, no warning.
    ASSERT_TRUE(MudaDiretorioAtual(b.dir()));
    VoltaDir();
    EXPECT_TRUE(Atual(a.dir() + "docs"));
    EXPECT_TRUE(d.fake.registros.empty());
}

TEST_F(PastaDeTrabalho, PastaAusenteAvisaEVoltaAoDocumento) {
    DirDocumento = a.dir();
    ASSERT_TRUE(MudaDiretorioAtual(b.dir()));
    std::string falta = b.dir() + "falta/";
    EXPECT_FALSE(MudaDir(falta, true));
    ASSERT_EQ(d.fake.registros.size(), 1u);
    EXPECT_EQ(d.fake.registros[0].tipo, Tipo::Caixa);
    EXPECT_EQ(d.fake.registros[0].texto, Aviso(falta));
    EXPECT_EQ(d.fake.registros[0].icone, Icone::Aviso);
    EXPECT_EQ(d.fake.registros[0].botoes, Botoes::OK);
    EXPECT_EQ(DirDocumento, a.dir());
    EXPECT_TRUE(Atual(a.dir()));
}

TEST_F(PastaDeTrabalho, VoltaDirComDocumentoApagado) {
    std::string sumida = a.dir() + "sumida/";
    std::filesystem::create_directory(sumida);
    DirDocumento = sumida;
    std::filesystem::remove(sumida);
    ASSERT_TRUE(MudaDiretorioAtual(b.dir()));
    VoltaDir();
    ASSERT_EQ(d.fake.registros.size(), 1u);
    EXPECT_EQ(d.fake.registros[0].texto, Aviso(sumida));
    EXPECT_TRUE(Atual(b.dir()));
    EXPECT_TRUE(std::filesystem::equivalent(DirDocumento, b.dir()));
}

TEST(AbreArqTexto, AbreSoArquivosExistentes) {
    PastaTemporaria p;
    std::ifstream f;
    EXPECT_TRUE(AbreArqTexto(p.grava("t.txt", "linha\r\n"), f));
    std::string l;
    std::getline(f, l);
    EXPECT_EQ(l, "linha\r");
    EXPECT_FALSE(AbreArqTexto(p.caminho("falta.txt"), f));
    EXPECT_FALSE(AbreArqTexto(p.dir(), f));
    EXPECT_FALSE(AbreArqTexto("", f));
}

} // namespace
