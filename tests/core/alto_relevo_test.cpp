// Relief text: .MDL dot fonts, the relief grid, the .GRB it saves with its
// backup, the resolution limits and the shipped dot font.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <set>
#include <utility>

#include "core/dmvars.h"
#include "output/dmAltoRelevo.h"
#include "output/dmgrafpr.h"
#include "platform/arquivos.h"
#include "platform/codepage.h"
#include "platform/dialogos.h"
#include "support/temporario.h"

namespace {

using Pontos = std::set<std::pair<int, int>>; // (column, row)

Pontos PontosDaGrade(const GradeRelevo& g) {
    Pontos p;
    for (int l = 0; l <= GradeRelevo::UltimaLinha; ++l)
        for (int c = 0; c <= GradeRelevo::UltimaColuna; ++c)
            if (g.Ponto(c, l)) p.insert({c, l});
    return p;
}

// One character of a .MDL font drawn at (0, 0): the dots it raises, the
// columns it advances and the font's line advance.
TEST(FonteMDL, GlifosDesenhamEAvancam) {
    struct Caso {
        std::string fonte;
        unsigned char c;
        Pontos pontos;
        int avanco, alturaGlifo;
    };
    const Caso casos[] = {
        {" = 0\r\n", ' ', {}, 5, 1},
        {"A=1|2|3", 'A', {{1, 1}, {2, 2}, {3, 3}}, 4, 4},
        {"X=ABCDEF", 'X', {{1, 10}, {1, 11}, {1, 12}, {1, 13}, {1, 14}, {1, 15}}, 2, 16},
        {"x=a0c", 'x', {{1, 10}, {1, 12}}, 2, 13},               // lower-case digits
        {"A=1 0|0| 2", 'A', {{1, 1}, {3, 2}}, 4, 3},             // 0 and blank raise nothing
        {"A=1\r\nB=2\r\nA=3\r\n", 'A', {{1, 3}}, 2, 4},        // a later line wins
        {"a=1\nA=2\n", 'a', {{1, 1}}, 2, 3},                     // letter case kept
        {"A=1\r\n", 'Z', {}, 3, 2},                              // no line: three columns
        {"\r\n\r\nA=5\r\n\r\n", 'A', {{1, 5}}, 2, 6},
        {"A=G/", 'A', {{1, 23}}, 2, 1},     // code minus "0"; above the top falls off
        {"A91", 'A', {{1, 1}}, 2, 10},      // the separator draws nothing, yet counts
        {"A=", 'A', {}, 2, 1},
    };
    for (const Caso& k : casos) {
        FonteMDL f;
        LeFonteMDL(k.fonte, f);
        GradeRelevo g;
        int x = 0, y = 0;
        DesenhaCaractereRelevo(f, g, k.c, x, y);
        EXPECT_EQ(PontosDaGrade(g), k.pontos) << k.fonte;
        EXPECT_EQ(x, k.avanco) << k.fonte;
        EXPECT_EQ(y, 0) << k.fonte;
        EXPECT_EQ(f.AlturaGlifo, k.alturaGlifo) << k.fonte;
    }
}

// A font that cannot be read leaves the glyphs as they were.
TEST(FonteMDL, ArquivoAusenteMantemGlifos) {
    PastaTemporaria pasta;
    FonteMDL f;
    EXPECT_FALSE(CarregaFonteMDL(pasta.caminho("nada.MDL"), f) || f.Carregada);
    ASSERT_TRUE(CarregaFonteMDL(pasta.grava("a.MDL", "A=1\r\n"), f));
    EXPECT_TRUE(f.Carregada);
    EXPECT_FALSE(CarregaFonteMDL(pasta.caminho("outra.MDL"), f));
    EXPECT_EQ(f.GlifosMDL['A'], "A=1");
    EXPECT_EQ(f.AlturaGlifo, 2);
    EXPECT_EQ(MensagemLeituraMDL(LeituraMDL::NaoEncontrada, "/d/outra.MDL"),
              "Erro: arquivo /d/outra.MDL não encontrado!"_cp);
    // A huge file is refused unread, with its own message; a folder is no font.
    const std::string grande = pasta.grava("grande.MDL", "B=2\r\n" + std::string(MaxBytesMDL, '1'));
    EXPECT_EQ(LeArquivoMDL(grande, f), LeituraMDL::GrandeDemais);
    EXPECT_EQ(MensagemLeituraMDL(LeituraMDL::GrandeDemais, grande),
              "Erro: arquivo "_cp + grande + " grande demais para uma fonte de pontos (no máximo 1 MB)!"_cp);
    EXPECT_EQ(LeArquivoMDL(pasta.dir(), f), LeituraMDL::NaoEncontrada);
    EXPECT_EQ(f.GlifosMDL['A'], "A=1");
    EXPECT_EQ(f.GlifosMDL['B'], FonteMDL::GlifoVazio);
}

// A short word to the .GRB byte for byte: glyph dots start one column
// right and one row below the line's top.
TEST(TextoRelevo, PalavraCurtaViraGRB) {
    FonteMDL f;
    LeFonteMDL("O=13|2|13\r\ni=3\r\n", f);
    GradeRelevo g;
    int col = 0, lin = 0;
    ExtensaoRelevo(g, col, lin);
    EXPECT_EQ(std::pair(col, lin), std::pair(-1, -1));
    DesenhaTextoRelevo(f, g, {"Oi"});
    ExtensaoRelevo(g, col, lin);
    EXPECT_EQ(std::pair(col, lin), std::pair(5, 3));
    EXPECT_EQ(TextoGRB(g, lin), "\r\n * *\r\n  *\r\n * * *\r\n");
    // A second line starts AlturaGlifo rows lower; drawing again clears.
    DesenhaTextoRelevo(f, g, {"i", "i"});
    EXPECT_EQ(PontosDaGrade(g), (Pontos{{1, 3}, {1, 7}}));
    // Without a font nothing is drawn and the grid is left as it was.
    DesenhaTextoRelevo(FonteMDL{}, g, {"abc"});
    EXPECT_EQ(PontosDaGrade(g), (Pontos{{1, 3}, {1, 7}}));
}

// Dots past the grid are dropped, never written outside it; the text is cut
// at the grid, not wrapped.
TEST(TextoRelevo, CortadoNaGrade) {
    FonteMDL f;
    LeFonteMDL("W=F|F|F|F|F|F|F|F|F|F\r\n", f); // 10 columns, row 15
    GradeRelevo g;
    int x = GradeRelevo::UltimaColuna - 3, y = GradeRelevo::UltimaLinha - 15;
    DesenhaCaractereRelevo(f, g, 'W', x, y);
    EXPECT_EQ(PontosDaGrade(g), (Pontos{{798, 1200}, {799, 1200}, {800, 1200}}));
    g.Limpa();
    x = 0, y = GradeRelevo::UltimaLinha - 14;
    DesenhaCaractereRelevo(f, g, 'W', x, y);
    EXPECT_TRUE(PontosDaGrade(g).empty());
    DesenhaTextoRelevo(f, g, std::vector<std::string>(200, std::string(100000, 'W')));
    int col = 0, lin = 0;
    ExtensaoRelevo(g, col, lin);
    EXPECT_EQ(std::pair(col, lin), std::pair(800, 15 + 16 * 74)); // the last line whose row 15 is inside
    EXPECT_FALSE(g.Ponto(0, 15));
    EXPECT_TRUE(g.Ponto(1, 15));
    EXPECT_FALSE(g.Ponto(1, 14));
}

TEST(TextoRelevo, NomeDoBackupTilAposOPonto) {
    const std::pair<const char*, const char*> casos[] = {
        {"mapa.GRB", "mapa.~GRB"}, {"/d/mapa.grb", "/d/mapa.~grb"}, {"/d/mapa", "/d/mapa.~"},
        {"/d.x/mapa", "/d.x/mapa.~"}, {"/d/mapa.v1.GRB", "/d/mapa.v1.~GRB"}};
    for (auto [arquivo, backup] : casos) EXPECT_EQ(NomeBackupGRB(arquivo), backup);
}

class GravaRelevo : public ::testing::Test {
protected:
    void SetUp() override {
        LeFonteMDL("I=123\r\n", fonte);
        DesenhaTextoRelevo(fonte, grade, {"I"});
    }
    std::vector<std::string> Textos() const { return dlg.fake.Textos(); }
    PastaTemporaria pasta;
    FonteMDL fonte;
    GradeRelevo grade;
    DialogosFalsosEscopo dlg;
    const std::string novo = "\r\n *\r\n *\r\n *\r\n";
};

// A new file without a question; over an old one, on a yes, the old one in
// the backup; on a no, nothing touched.
// The grid is taller than a page: a graphic on its last page row is
// written and read back, one a row lower is refused unwritten.
TEST_F(GravaRelevo, NoMaisAltoQueAPaginaNadaEGravado) {
    GradeRelevo alta;
    alta.Marca(0, LadoMatriz - 1);
    EXPECT_TRUE(GeraGraficoRelevo(pasta.caminho("cabe.GRB"), alta));
    ArquivoGRB lido;
    EXPECT_EQ(LeArquivoGRB(pasta.caminho("cabe.GRB"), false, lido), LeituraGRB::Lido);
    alta.Marca(0, LadoMatriz);
    EXPECT_FALSE(GeraGraficoRelevo(pasta.caminho("alta.GRB"), alta));
    EXPECT_FALSE(ArquivoExiste(pasta.caminho("alta.GRB")));
    EXPECT_EQ(Textos(), std::vector<std::string>{"O gráfico tem 902 linhas de pontos; uma página comporta no máximo 901. Diminua o texto."_cp});
}

TEST_F(GravaRelevo, NovoSobrescritoOuRecusado) {
    EXPECT_TRUE(GeraGraficoRelevo(pasta.caminho("novo.GRB"), grade));
    EXPECT_EQ(pasta.le("novo.GRB"), novo);
    EXPECT_TRUE(Textos().empty());
    const std::string nome = pasta.grava("mapa.GRB", "antigo");
    pasta.grava("mapa.~GRB", "mais antigo");
    dlg.fake.respostas = {mrYes, mrNo};
    EXPECT_TRUE(GeraGraficoRelevo(nome, grade));
    EXPECT_EQ(pasta.le("mapa.GRB"), novo);
    EXPECT_EQ(pasta.le("mapa.~GRB"), "antigo");
    EXPECT_EQ(Textos(), (std::vector<std::string>{"Arquivo "_cp + nome + " já existe. \r\nSobrescreve?"_cp,
                                                  "Arquivo antigo salvo em "_cp + pasta.caminho("mapa.~GRB") + "."}));
    EXPECT_EQ(dlg.fake.registros[0].botoes, Botoes::YesNo);
    pasta.grava("mapa.GRB", "antigo");
    EXPECT_FALSE(GeraGraficoRelevo(nome, grade));
    EXPECT_EQ(pasta.le("mapa.GRB"), "antigo");
    EXPECT_EQ(pasta.entradas(), 3);
}

// A name that is a link: the graphic it points at is replaced, its backup
// stands beside it and the message names that backup; a read-only graphic
// is left as it is and said so.
TEST_F(GravaRelevo, LinkEArquivoSomenteLeitura) {
    ASSERT_EQ(::mkdir(CaminhoNativo(pasta.caminho("real")).c_str(), 0700), 0);
    const std::string real = pasta.grava("real/mapa.GRB", "antigo");
    const std::string link = pasta.caminho("atalho.GRB");
    ASSERT_EQ(::symlink(CaminhoNativo(real).c_str(), CaminhoNativo(link).c_str()), 0);
    dlg.fake.respostas = {mrYes, mrYes};
    EXPECT_TRUE(GeraGraficoRelevo(link, grade));
    EXPECT_EQ(pasta.le("real/mapa.GRB"), novo);
    EXPECT_EQ(pasta.le("real/mapa.~GRB"), "antigo");
    EXPECT_EQ(Textos().back(), "Arquivo antigo salvo em "_cp + pasta.caminho("real/mapa.~GRB") + ".");
    struct stat st {};
    ASSERT_EQ(::lstat(CaminhoNativo(link).c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));

    ASSERT_EQ(::chmod(CaminhoNativo(real).c_str(), 0444), 0);
    dlg.fake.Limpa();
    dlg.fake.respostas = {mrYes};
    EXPECT_FALSE(GeraGraficoRelevo(real, grade));
    EXPECT_EQ(pasta.le("real/mapa.GRB"), novo);
    EXPECT_EQ(pasta.le("real/mapa.~GRB"), "antigo");
    EXPECT_EQ(Textos().back(), "O arquivo "_cp + real + " é somente leitura e não foi salvo."_cp);
}

// The backup cannot be made (its name is a folder): the old graphic stays
// under its own name and the user is told.
TEST_F(GravaRelevo, BackupImpossivelMantemOAntigo) {
    const std::string nome = pasta.grava("mapa.GRB", "antigo");
    ASSERT_EQ(::mkdir(CaminhoNativo(pasta.caminho("mapa.~GRB")).c_str(), 0700), 0);
    pasta.grava("mapa.~GRB/dentro", "x");
    dlg.fake.respostas = {mrYes};
    EXPECT_FALSE(GeraGraficoRelevo(nome, grade));
    EXPECT_EQ(pasta.le("mapa.GRB"), "antigo");
    ASSERT_EQ(Textos().size(), 2u);
    EXPECT_EQ(Textos()[1], "Não consegui salvar arquivo: "_cp + pasta.caminho("mapa.~GRB") + ".");
}

// The new graphic cannot be written (the file size limit stands in for a
// full disk): the old graphic is still there and the user is told.
TEST_F(GravaRelevo, EscritaImpossivelMantemOAntigo) {
    const std::string nome = pasta.grava("mapa.GRB", "antigo");
    dlg.fake.respostas = {mrYes};
    struct rlimit antes {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &antes), 0);
    auto sinal = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit pouco = antes;
    pouco.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &pouco), 0);
    const bool ok = GeraGraficoRelevo(nome, grade);
    ::setrlimit(RLIMIT_FSIZE, &antes);
    ::signal(SIGXFSZ, sinal);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(pasta.le("mapa.GRB") == "antigo" || pasta.le("mapa.~GRB") == "antigo");
    EXPECT_EQ(Textos().back(), "Erro ao salvar gráfico no arquivo "_cp + nome + ".");
    dlg.fake.Limpa();
    EXPECT_FALSE(SalvaGRB(pasta.caminho("nao/existe.GRB"), grade, 3));
    EXPECT_EQ(Textos(), (std::vector<std::string>{"Erro ao salvar gráfico no arquivo "_cp +
                                                  pasta.caminho("nao/existe.GRB") + "."}));
}

TEST(TextoRelevo, ResolucaoNosLimitesDoPapel) {
    struct Caso {
        const char *x, *y;
        bool aceita;
    };
    const Caso casos[] = {{"120", "150", true},   {"800", "1200", true}, {" 300 ", "400", true},
                          {"119", "150", false},  {"801", "150", false}, {"120", "149", false},
                          {"120", "1201", false}, {"abc", "150", false}, {"", "", false},
                          {"-200", "150", false}, {"0", "0", false},     {"99999999999", "150", false},
                          {"12x", "150", false}};
    for (const Caso& c : casos) {
        int x = -1, y = -1;
        EXPECT_EQ(LeResolucao(c.x, c.y, x, y), c.aceita) << c.x << " " << c.y;
        EXPECT_EQ(x, c.aceita ? std::stoi(c.x) : -1) << c.x;
        EXPECT_EQ(y, c.aceita ? std::stoi(c.y) : -1) << c.y;
    }
}

// The shipped dot font: every line well formed, every printable character
// (the undefined bytes aside) legible by touch: glyphs stand apart (a blank
// column before the first dot) and no stroke is two dots thick.
TEST(FonteZirodedod, CadaLinhaSeLeECadaCaractereTemPontos) {
    const std::string conteudo = LeArquivoTeste(std::string(DOTMARA_DATA_DIR) + "/ZIRODEDOD.MDL");
    ASSERT_FALSE(conteudo.empty());
    std::set<unsigned char> definidos;
    for (const std::string& l : DivideLinhas(conteudo)) {
        if (l.empty()) continue;
        ASSERT_GE(l.size(), 3u) << l;
        EXPECT_TRUE(definidos.insert(static_cast<unsigned char>(l[0])).second) << "twice: " << l;
        for (char k : l.substr(2) == " 0" ? std::string() : l.substr(2))
            EXPECT_TRUE(k == '|' || (k >= '0' && k <= '9') || (k >= 'A' && k <= 'F')) << l;
    }
    FonteMDL f;
    LeFonteMDL(conteudo, f);
    EXPECT_EQ(f.AlturaGlifo, 16);
    for (int c = 0x20; c <= 0xFF; ++c) {
        const auto u = static_cast<unsigned char>(c);
        if (c == 0x7F || (c >= 0x80 && c < 0xA0 && Cp1252ParaUnicode(u) < 0x100)) continue;
        GradeRelevo g;
        int x = 0, y = 0;
        DesenhaCaractereRelevo(f, g, u, x, y);
        const Pontos p = PontosDaGrade(g);
        if (c == ' ' || c == 0xA0) {
            EXPECT_EQ(x, 5);
            EXPECT_TRUE(p.empty());
            continue;
        }
        EXPECT_TRUE(definidos.count(u)) << "no line for " << c;
        EXPECT_FALSE(p.empty()) << "no dots for " << c;
        for (auto [col, lin] : p) {
            EXPECT_GE(col, 2) << c;
            EXPECT_TRUE(lin >= 1 && lin <= 15) << c;
            EXPECT_FALSE(p.count({col + 1, lin}) && p.count({col, lin + 1}) && p.count({col + 1, lin + 1}))
                << "square of dots in " << c << " at " << col << "," << lin;
        }
    }
}

} // namespace
