// The program's shared routines: messages and the input line, the external
// program check, the working folder, letter sets, Roman numerals, program
// paths and the draft-line tests.
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
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
    EXPECT_EQ(d.fake.Textos(), (std::vector<std::string>{"Falha ao gravar\r\nContacte os desenvolvedores.",
                                                         "Digite o t\xedtulo:", "Digite o t\xedtulo:"}));
    EXPECT_EQ(d.fake.registros[0].tipo, Tipo::MensagemOK);
    EXPECT_EQ(d.fake.registros[1].titulo, "T\xedtulo");
}

// An executable passes silently; anything else is refused with its message.
TEST(ChecaPrograma, ProgramaRecusadoComSuaMensagem) {
    PastaTemporaria pasta;
    DialogosFalsosEscopo d;
    const auto executavel = [&](const std::string& nome, mode_t modo) {
        const std::string c = pasta.grava(nome, "#!/bin/sh\n");
        ::chmod(c.c_str(), modo);
        return c;
    };
    std::filesystem::create_directory(pasta.caminho("prog"));
    const std::string falta = pasta.caminho("puma2.exe");
    const std::string segunda = "\r\nEntre com nome correto no menu \"Configurar|Diret\xf3rios\".";
    const std::string naoExecutavel = "\" n\xe3o \xe9 um programa execut\xe1vel.";
    const std::pair<std::string, std::string> casos[] = {
        {"", "Erro: programa Kelto inexistente.\r\nEntre com nome no menu \"Configurar|Diret\xf3rios\"."},
        {executavel("velun.bat", 0644), "Erro: arquivo \"" + pasta.caminho("velun.bat") + naoExecutavel + segunda},
        {pasta.caminho("prog"), "Erro: arquivo \"" + pasta.caminho("prog") + naoExecutavel + segunda},
        {falta, "Erro: arquivo \"" + falta + "\" n\xe3o encontrado." + segunda},
        {executavel("kelto", 0755), ""},
        {executavel("grafemor.exe", 0700), ""},
    };
    for (const auto& [caminho, mensagem] : casos) {
        d.fake.Limpa();
        EXPECT_EQ(ChecaPrograma(caminho, "Kelto"), mensagem.empty()) << caminho;
        EXPECT_EQ(d.fake.Textos(), mensagem.empty() ? std::vector<std::string>{} : std::vector<std::string>{mensagem});
        if (!mensagem.empty()) { EXPECT_EQ(d.fake.registros[0].tipo, Tipo::MensagemOK); }
    }
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

// MudaDir remembers the folder (by its whole path) when asked; VoltaDir goes
// back to it from elsewhere.
TEST_F(PastaDeTrabalho, MudaELembra) {
    DirDocumento = a.dir();
    EXPECT_TRUE(MudaDir(b.dir(), false));
    EXPECT_TRUE(Atual(b.dir()));
    EXPECT_EQ(DirDocumento, a.dir());
    std::filesystem::create_directory(a.dir() + "docs");
    ASSERT_TRUE(MudaDiretorioAtual(a.dir()));
    EXPECT_TRUE(MudaDir("docs/", true));
    EXPECT_TRUE(Atual(a.dir() + "docs"));
    ASSERT_FALSE(DirDocumento.empty());
    EXPECT_EQ(DirDocumento.front(), '/');
    ASSERT_TRUE(MudaDiretorioAtual(b.dir()));
    VoltaDir();
    EXPECT_TRUE(Atual(a.dir() + "docs"));
    VoltaDir();
    EXPECT_TRUE(Atual(a.dir() + "docs"));
    EXPECT_TRUE(d.fake.registros.empty());
}

// A folder that is not there warns: MudaDir falls back to the document's
// folder, VoltaDir (the document's folder gone) stays and remembers where.
TEST_F(PastaDeTrabalho, PastaAusenteAvisa) {
    DirDocumento = a.dir();
    ASSERT_TRUE(MudaDiretorioAtual(b.dir()));
    const std::string falta = b.dir() + "falta/";
    EXPECT_FALSE(MudaDir(falta, true));
    ASSERT_EQ(d.fake.registros.size(), 1u);
    EXPECT_EQ(d.fake.registros[0].tipo, Tipo::Caixa);
    EXPECT_EQ(d.fake.registros[0].texto, Aviso(falta));
    EXPECT_EQ(d.fake.registros[0].icone, Icone::Aviso);
    EXPECT_EQ(d.fake.registros[0].botoes, Botoes::OK);
    EXPECT_EQ(DirDocumento, a.dir());
    EXPECT_TRUE(Atual(a.dir()));

    const std::string sumida = a.dir() + "sumida/";
    std::filesystem::create_directory(sumida);
    DirDocumento = sumida;
    std::filesystem::remove(sumida);
    ASSERT_TRUE(MudaDiretorioAtual(b.dir()));
    d.fake.Limpa();
    VoltaDir();
    EXPECT_EQ(d.fake.Textos(), std::vector<std::string>{Aviso(sumida)});
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


TEST(Letras, ConjuntosLatin1) {
    for (int c = 0; c < 256; ++c) {
        const auto u = static_cast<unsigned char>(c);
        const bool mai = (c >= 'A' && c <= 'Z') || (c >= 192 && c <= 223);
        const bool min = (c >= 'a' && c <= 'z') || c >= 224;
        EXPECT_EQ(EhMaiuscula(u), mai) << c;
        EXPECT_EQ(EhMinuscula(u), min) << c;
        if (mai) { EXPECT_TRUE(EhMinuscula(MinusculaLatin(u))) << c; }
        if (min) { EXPECT_TRUE(EhMaiuscula(MaiusculaLatin(u))) << c; }
    }
}

// Past the roman range the text stays as it was; zero and negatives empty it.
TEST(IntParaRomano, Valores) {
    const std::pair<int, const char*> casos[] = {
        {1, "I"},    {4, "IV"},         {8, "VIII"},    {9, "IX"},    {14, "XIV"},  {19, "XIX"},
        {40, "XL"},  {49, "XLIX"},      {90, "XC"},     {99, "XCIX"}, {400, "CD"},  {444, "CDXLIV"},
        {900, "CM"}, {1994, "MCMXCIV"}, {3888, "MMMDCCCLXXXVIII"},    {3999, "MMMCMXCIX"},
        {0, ""},     {-5, ""},          {4000, "lixo"}, {1000000, "lixo"},
    };
    for (auto [n, romano] : casos) {
        std::string s = "lixo";
        IntParaRomano(n, s);
        EXPECT_EQ(s, romano) << n;
    }
}

TEST(Inicializacao, CaminhosDoPrograma) {
    PastaTemporaria casa;
    {
        // Documents start in the user's home folder; without one, beside the program.
        VariavelAmbiente home("HOME", casa.dir());
        InicializaDmvars("/opt/dotmara/bin/dotmara");
        EXPECT_EQ(DirDocumento, casa.dir());
        VariavelAmbiente semCasa("HOME", casa.caminho("falta"));
        InicializaDmvars("/opt/dotmara/bin/dotmara");
        EXPECT_EQ(DirDocumento, "/opt/dotmara/bin/");
    }
    EXPECT_EQ(DirPrograma, "/opt/dotmara/bin/");
    EXPECT_EQ(ProgAtualiza, "/opt/dotmara/bin/dtmAtualiza.exe");
    for (auto [programa, info] : {std::pair{"/opt/dotmara/bin/dotmara", "/opt/dotmara/bin/dotmara.atu"},
                                  {"/dotmara.bin", "/dotmara.atu"}, {"/opt/d.v2/dotmara", "/opt/d.v2/dotmara.atu"}}) {
        InicializaDmvars(programa);
        EXPECT_EQ(ArqInfoAtualiza, info) << programa;
    }
    InicializaDmvars(CaminhoPrograma());
}

TEST(LinhasRascunho, Classificacao) {
    const std::string tracos(50, '-'), iguais(50, '='), g4(4, '\x0f');
    const struct {
        std::string linha;
        bool quebra, dupla, grafico, reservada;
    } casos[] = {
        {tracos, 1, 0, 0, 0},
        {iguais, 1, 1, 0, 0},
        {tracos + "      ", 1, 0, 0, 0},
        {"  " + iguais + "      ", 1, 1, 0, 0},
        {std::string(49, '-'), 0, 0, 0, 0},
        {std::string(51, '-'), 0, 0, 0, 0},
        {std::string(25, '-') + std::string(25, '='), 0, 0, 0, 0},
        {"\t" + tracos, 0, 0, 0, 0},             // a tab is no blank
        {tracos + "\x0f", 0, 0, 0, 0},
        {"\x0b", 0, 0, 0, 1},
        {"abc\x0b" "def", 0, 0, 0, 1},
        {g4 + " 3 fig.grb", 0, 0, 1, 0},
        {g4 + " C fig.grb      ", 0, 0, 1, 0},
        {" " + g4 + " 3 fig.grb", 0, 0, 0, 0},   // a graphic only at the start
        {"\x0f\x0f\x0f", 0, 0, 0, 0},
        {"", 0, 0, 0, 0},
        {"      ", 0, 0, 0, 0},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(LinhaQuebraPagina(c.linha), c.quebra) << c.linha;
        EXPECT_EQ(LinhaQuebraDupla(c.linha), c.dupla) << c.linha;
        EXPECT_EQ(LinhaGrafico(c.linha), c.grafico) << c.linha;
        EXPECT_EQ(LinhaReservada(c.linha), c.reservada) << c.linha;
        EXPECT_EQ(LinhaEspecial(c.linha), c.quebra || c.grafico || c.reservada) << c.linha;
    }
}

// A graphic ahead of the line before the page ends (or the list does).
TEST(LinhasRascunho, GraficoAdiante) {
    const std::string g = "\x0f\x0f\x0f\x0f 2 a.grb";
    const std::vector<std::string> l = {"texto", "mais", g, std::string(50, '-'), "p2", std::string(50, '='),
                                        "p3", g, "fim"};
    const std::pair<int, bool> casos[] = {{0, true},  {2, true},  {3, false},    {4, false}, {6, true},
                                          {8, false}, {9, false}, {1000, false}, {-3, true}};
    for (auto [i, esperado] : casos) EXPECT_EQ(GraficoAdiante(l, i), esperado) << i;
    EXPECT_FALSE(GraficoAdiante({}, 0));
}

} // namespace
