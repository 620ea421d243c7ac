// Document files without Qt: code pages, lines, saving with ".bak", the
// recent list and its INI keys, the main window's INI values, offsets.
#include "editor/documentos.h"
#include "platform/arquivos.h"
#include "platform/ini.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Paths inside the shared temporary folder of a test.
struct Pasta : PastaTemporaria {
    fs::path dir = fs::path(PastaTemporaria::dir());
    std::string operator/(const std::string& nome) const { return caminho(nome); }
};

} // namespace

// ---- Code pages ------------------------------------------------------------

TEST(CodePage, PortugueseLettersTakeTheirDOSBytes) {
    struct Caso { unsigned char windows, dos; const char* nome; };
    const Caso casos[] = {
        {0xE7, 0x87, "c cedilha"}, {0xC7, 0x80, "C cedilha"}, {0xE3, 0xC6, "a til"},
        {0xC3, 0xC7, "A til"},     {0xF5, 0xE4, "o til"},     {0xD5, 0xE5, "O til"},
        {0xE1, 0xA0, "a agudo"},   {0xE9, 0x82, "e agudo"},   {0xED, 0xA1, "i agudo"},
        {0xF3, 0xA2, "o agudo"},   {0xFA, 0xA3, "u agudo"},   {0xE2, 0x83, "a circunflexo"},
        {0xEA, 0x88, "e circunflexo"}, {0xF4, 0x93, "o circunflexo"}, {0xE0, 0x85, "a grave"},
        {0xFC, 0x81, "u trema"},   {0xAA, 0xA6, "ordinal a"}, {0xBA, 0xA7, "ordinal o"},
        {0xA0, 0xFF, "espaco rigido"}, {0x83, 0x9F, "florim"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(WindowsParaDOS(c.windows), c.dos);
        EXPECT_EQ(DOSParaWindows(c.dos), c.windows);
    }
}

TEST(CodePage, CharactersTheOtherSideLacksBecomeQuestionMarks) {
    // Euro, dashes and curly quotes have no DOS byte; box drawing no Windows one.
    for (unsigned char c : {0x80, 0x96, 0x97, 0x93, 0x94, 0x8A, 0x9C})
        EXPECT_EQ(WindowsParaDOS(c), '?') << int(c);
    for (unsigned char c : {0xB0, 0xB3, 0xC4, 0xC9, 0xDB, 0xDF, 0xF2, 0xFE})
        EXPECT_EQ(DOSParaWindows(c), '?') << int(c);
    // ASCII and control bytes pass unchanged.
    for (int c = 0; c < 128; ++c) {
        EXPECT_EQ(WindowsParaDOS(static_cast<unsigned char>(c)), c);
        EXPECT_EQ(DOSParaWindows(static_cast<unsigned char>(c)), c);
    }
}

TEST(CodePage, RoundTripKeepsEveryCharacterTheDOSPageHas) {
    int representaveis = 0;
    for (int c = 0; c < 256; ++c) {
        const unsigned char d = WindowsParaDOS(static_cast<unsigned char>(c));
        if (d == '?' && c != '?') continue;
        ++representaveis;
        EXPECT_EQ(DOSParaWindows(d), c) << c;
    }
    // ASCII, the 96 characters of 0xA0..0xFF and the florin sign.
    EXPECT_EQ(representaveis, 128 + 96 + 1);
}

TEST(CodePage, LinesLongerThanAnyBufferConvertWhole) {
    std::string linha;
    for (int i = 0; i < 12000; ++i) linha += (i % 2) ? "\xe7" : "a";
    const std::string dos = ConverteParaDOS(linha);
    ASSERT_EQ(dos.size(), linha.size());
    EXPECT_EQ(static_cast<unsigned char>(dos[11999]), 0x87);
    EXPECT_EQ(ConverteParaWindows(dos), linha);
}

// ---- Lines -----------------------------------------------------------------

TEST(Linhas, FileTextSplitsAsAnEditorLoadsIt) {
    struct Caso { const char* texto; std::vector<std::string> linhas; };
    const Caso casos[] = {
        {"", {}},
        {"ab", {"ab"}},
        {"ab\r\n", {"ab"}},
        {"ab\r\ncde", {"ab", "cde"}},
        {"ab\ncde\n", {"ab", "cde"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"x\r\n\r\n", {"x", ""}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(TextoEmLinhas(c.texto), c.linhas);
    }
}

TEST(Linhas, SavedTextEndsEveryLineWithCRLFAndReadsBack) {
    const std::vector<std::string> linhas = {"Cap\xedtulo", "", "\tfim"};
    const std::string texto = LinhasEmTexto(linhas);
    EXPECT_EQ(texto, "Cap\xedtulo\r\n\r\n\tfim\r\n");
    EXPECT_EQ(TextoEmLinhas(texto), linhas);
    EXPECT_EQ(LinhasEmTexto({}), "");
}

// ---- Opening -----------------------------------------------------------------

// What a document may be: at most the editor's limit in characters, each line
// end counted once however the file writes it; nothing else is read whole.
TEST(AbreDocumento, AtMostWhatTheEditorHolds) {
    Pasta p;
    ASSERT_EQ(::mkfifo((p / "cano.txt").c_str(), 0600), 0);
    const std::size_t limite = LimiteTextoDocumento;
    struct Caso {
        const char* nome;
        std::string caminho;
        LeituraDocumento esperado;
        std::size_t linhas;
    };
    const Caso casos[] = {
        // Only line ends, two bytes each: twice the limit in bytes.
        {"CR LF at the limit", p.grava("crlf.txt", [&] {
             std::string t;
             for (std::size_t i = 0; i < limite; ++i) t += "\r\n";
             return t;
         }()), LeituraDocumento::Lido, limite},
        {"one line at the limit", p.grava("linha.txt", std::string(limite - 1, 'x')), LeituraDocumento::Lido, 1},
        {"one character more", p.grava("mais.txt", std::string(limite, 'x')), LeituraDocumento::GrandeDemais, 0},
        {"lone CRs past the limit", p.grava("cr.txt", std::string(limite + 1, '\r')),
         LeituraDocumento::GrandeDemais, 0},
        {"a file that never ends", "/proc/self/pagemap", LeituraDocumento::GrandeDemais, 0},
        {"a pipe", p / "cano.txt", LeituraDocumento::NaoLido, 0},
        {"a folder", p.PastaTemporaria::dir(), LeituraDocumento::NaoLido, 0},
        {"missing", p / "falta.txt", LeituraDocumento::NaoLido, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        std::vector<std::string> linhas = {"antes"};
        EXPECT_EQ(LeDocumento(c.caminho, linhas), c.esperado);
        EXPECT_EQ(linhas.size(), c.linhas);
    }
    std::vector<std::string> linhas;
    ASSERT_EQ(LeDocumento(p.grava("a.txt", "um\r\ndois\rtr\xeas\n"), linhas), LeituraDocumento::Lido);
    EXPECT_EQ(linhas, (std::vector<std::string>{"um", "dois", "tr\xeas"}));
}

// ---- Offsets: two characters per line end ----------------------------------

TEST(LinhaColuna, OffsetsOfTwoLines) {
    const std::vector<std::string> t = {"ab", "cde"};
    struct Caso { long long pos; LinCol esperado; };
    const Caso casos[] = {
        {0, {0, 0}}, {1, {0, 1}}, {2, {0, 2}}, {3, {0, 3}}, {4, {1, 0}},
        {6, {1, 2}}, {7, {1, 3}}, {8, {1, 4}}, {9, {2, 0}}, {12, {2, 3}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.pos);
        EXPECT_EQ(CalcLinCol(t, c.pos), c.esperado);
    }
    EXPECT_EQ(CalcLinCol({}, 5), (LinCol{0, 5}));
}

TEST(LinhaColuna, LineStartsAreBounded) {
    const std::vector<std::string> t = {"ab", "cde"};
    EXPECT_EQ(InicioLinha(t, -3), 0);
    EXPECT_EQ(InicioLinha(t, 0), 0);
    EXPECT_EQ(InicioLinha(t, 1), 4);
    EXPECT_EQ(InicioLinha(t, 2), 9);
    EXPECT_EQ(InicioLinha(t, 50), 9);
    // Every start maps back to column 0 of its line.
    for (int l = 0; l < 2; ++l) EXPECT_EQ(CalcLinCol(t, InicioLinha(t, l)), (LinCol{l, 0}));
}

// ---- Names -------------------------------------------------------------------

TEST(Nomes, BackupNameReplacesTheExtension) {
    struct Caso { const char* nome; const char* bak; };
    const Caso casos[] = {
        {"/d/a.txt", "/d/a.bak"},     {"/d/a", "/d/a.bak"},
        {"/d.x/a", "/d.x/a.bak"},     {"/d/a.b.txt", "/d/a.b.bak"},
        {"/d/a.bak", "/d/a.bak"},     {"a.TXT", "a.bak"},
    };
    for (const auto& c : casos) EXPECT_EQ(NomeBackup(c.nome), c.bak) << c.nome;
}

TEST(Nomes, CaseIsIgnoredForAccentedLettersToo) {
    EXPECT_TRUE(IgualSemCaixa("/Dir/A\xe7\xe3o.TXT", "/dir/a\xc7\xc3O.txt"));
    EXPECT_FALSE(IgualSemCaixa("/dir/a.txt", "/dir/b.txt"));
    EXPECT_FALSE(IgualSemCaixa("/dir/a.txt", "/dir/a.txt2"));
    // The multiplication and division signs are not a letter pair.
    EXPECT_FALSE(IgualSemCaixa("\xd7", "\xf7"));
    // The capitals outside the Latin-1 block: S, OE, Z with caron, Y diaeresis.
    EXPECT_TRUE(IgualSemCaixa("/\x8a\x8c\x8e\x9f", "/\x9a\x9c\x9e\xff"));
    // Sharp s has no capital here.
    EXPECT_FALSE(IgualSemCaixa("\xdf", "\xff"));
}

// ---- Saving ------------------------------------------------------------------

TEST(Gravacao, SavingKeepsThePreviousVersionAsBak) {
    Pasta p;
    const std::string a = p / "a.txt";
    GravaArquivoTeste(a, "vers\xe3o 1\r\n");
    GravaArquivoTeste(p / "a.bak", "muito antiga\r\n");
    ASSERT_EQ(GravaComBackup(a, "vers\xe3o 2\r\n"), ResultadoGravacao::Gravado);
    EXPECT_EQ(LeArquivoTeste(a), "vers\xe3o 2\r\n");
    EXPECT_EQ(LeArquivoTeste(p / "a.bak"), "vers\xe3o 1\r\n");
    ASSERT_EQ(GravaComBackup(a, "vers\xe3o 3\r\n"), ResultadoGravacao::Gravado);
    EXPECT_EQ(LeArquivoTeste(p / "a.bak"), "vers\xe3o 2\r\n");
    // Nothing else is left in the folder.
    EXPECT_EQ(p.entradas(), 2);
}

TEST(Gravacao, ANewFileLeavesNoBak) {
    Pasta p;
    ASSERT_EQ(GravaComBackup(p / "novo.txt", "x\r\n"), ResultadoGravacao::Gravado);
    EXPECT_EQ(LeArquivoTeste(p / "novo.txt"), "x\r\n");
    EXPECT_FALSE(fs::exists(p / "novo.bak"));
}

TEST(Gravacao, AFileNamedBakIsReplacedInPlace) {
    Pasta p;
    GravaArquivoTeste(p / "n.bak", "velho");
    ASSERT_EQ(GravaComBackup(p / "n.bak", "novo"), ResultadoGravacao::Gravado);
    EXPECT_EQ(LeArquivoTeste(p / "n.bak"), "novo");
}

TEST(Gravacao, FailedBackupWritesNothingAndKeepsTheFile) {
    Pasta p;
    const std::string a = p / "a.txt";
    GravaArquivoTeste(a, "bom\r\n");
    // A folder holding a file sits where the ".bak" should go: it can be
    // neither deleted nor replaced by a rename.
    fs::create_directory(p / "a.bak");
    GravaArquivoTeste(p / "a.bak/dentro", "x");
    EXPECT_EQ(GravaComBackup(a, "novo\r\n"), ResultadoGravacao::FalhaBackup);
    EXPECT_EQ(LeArquivoTeste(a), "bom\r\n");
    EXPECT_EQ(p.entradas(), 2);
}

TEST(Gravacao, FailedWriteKeepsTheLastGoodVersion) {
    Pasta p;
    // The folder does not exist: nothing can be written there.
    EXPECT_EQ(GravaComBackup(p / "falta/a.txt", "x"), ResultadoGravacao::FalhaEscrita);
    // The target is a folder: the text is written aside and the rename fails;
    // the ".bak" holds nothing new and no temporary file is left.
    fs::create_directory(p / "pasta.txt");
    GravaArquivoTeste(p / "pasta.txt/f", "y");
    EXPECT_NE(GravaComBackup(p / "pasta.txt", "x"), ResultadoGravacao::Gravado);
    EXPECT_EQ(LeArquivoTeste(p / "pasta.txt/f"), "y");
    for (const auto& e : fs::directory_iterator(p.dir))
        EXPECT_EQ(e.path().filename().string().find("XXXXXX"), std::string::npos);
}

TEST(Gravacao, ReplacedFileKeepsItsPermissions) {
    Pasta p;
    const std::string a = p / "a.txt";
    GravaArquivoTeste(a, "1");
    fs::permissions(a, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(GravaComBackup(a, "2"), ResultadoGravacao::Gravado);
    EXPECT_EQ(fs::status(a).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A document reached through a link is saved through it: the file the link
// points at takes the new text and keeps its mode, its ".bak" goes beside it,
// and the link stays a link.
TEST(Gravacao, SavingThroughALinkWritesItsTarget) {
    const auto doc = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    struct Caso {
        const char* nome;
        // Links made in the folder, in order: name and what it holds ("@"
        // stands for the folder's absolute path).
        std::vector<std::pair<std::string, std::string>> links;
        const char* alvo;   // the file that must take the text
        bool alvoExiste;
    } casos[] = {
        {"relative link into another folder", {{"link.txt", "real/doc.txt"}}, "real/doc.txt", true},
        {"absolute link", {{"link.txt", "@real/doc.txt"}}, "real/doc.txt", true},
        {"link to a link", {{"meio.txt", "real/doc.txt"}, {"link.txt", "meio.txt"}}, "real/doc.txt", true},
        {"link to a file not there yet", {{"link.txt", "real/criado.txt"}}, "real/criado.txt", false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Pasta p;
        fs::create_directory(p.dir / "real");
        GravaArquivoTeste(p / "real/doc.txt", "antigo\r\n");
        fs::permissions(p / "real/doc.txt", doc);
        for (const auto& [nome, destino] : c.links)
            fs::create_symlink(destino[0] == '@' ? p.dir.string() + destino.substr(1) : destino, p / nome);

        ASSERT_EQ(GravaComBackup(p / "link.txt", "novo\r\n"), ResultadoGravacao::Gravado);
        EXPECT_TRUE(fs::is_symlink(p / "link.txt"));
        EXPECT_EQ(LeArquivoTeste(p / c.alvo), "novo\r\n");
        EXPECT_FALSE(fs::exists(fs::symlink_status(p / "link.bak")));
        EXPECT_FALSE(fs::exists(fs::symlink_status(p / "meio.bak")));
        const std::string bak = p / MudaExtensao(c.alvo, ".bak");
        if (c.alvoExiste) {
            EXPECT_EQ(LeArquivoTeste(bak), "antigo\r\n");
            EXPECT_EQ(fs::status(p / c.alvo).permissions() & fs::perms::all, doc);
        } else {
            EXPECT_FALSE(fs::exists(bak));
        }
    }
}

// A read-only document (no write permission at all, as a file with the
// read-only attribute) is never replaced, also behind a link.
TEST(Gravacao, AReadOnlyDocumentIsRefused) {
    for (const bool porLink : {false, true}) {
        SCOPED_TRACE(porLink ? "behind a link" : "the file itself");
        Pasta p;
        const std::string a = p / "ro.txt";
        GravaArquivoTeste(a, "protegido\r\n");
        fs::permissions(a, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        std::string nome = a;
        if (porLink) {
            fs::create_symlink("ro.txt", p / "l.txt");
            nome = p / "l.txt";
        }
        EXPECT_EQ(GravaComBackup(nome, "novo\r\n"), ResultadoGravacao::SomenteLeitura);
        EXPECT_EQ(LeArquivoTeste(a), "protegido\r\n");
        EXPECT_FALSE(fs::exists(p / "ro.bak"));
        EXPECT_EQ(p.entradas(), porLink ? 2 : 1);
    }
}

// ---- Recent files --------------------------------------------------------------

TEST(Recentes, IniSkipsEmptyValuesAndCaseRepeats) {
    Pasta p;
    const std::string ini = p / "DOTMARA.INI";
    GravaArquivoTeste(ini, "[DOTMARA]\r\narq1=/d/Um.txt\r\narq2=\r\narq3=/D/UM.TXT\r\narq4=/d/dois.txt\r\n"
                 "arq5=/d/tres.txt\r\n");
    ListaRecentes r;
    r.LeIni(ini);
    EXPECT_EQ(r.Itens(), (std::vector<std::string>{"/d/Um.txt", "/d/dois.txt", "/d/tres.txt"}));
    // Written back: one key per entry, the keys past the end deleted, the
    // other lines kept.
    ASSERT_TRUE(r.GravaIni(ini));
    EXPECT_EQ(LePerfil("DOTMARA", "arq2", "?", 0, ini), "/d/dois.txt");
    EXPECT_EQ(LePerfil("DOTMARA", "arq3", "?", 0, ini), "/d/tres.txt");
    EXPECT_EQ(LeArquivoTeste(ini), "[DOTMARA]\r\narq1=/d/Um.txt\r\narq2=/d/dois.txt\r\narq3=/d/tres.txt\r\n");
    GravaArquivoTeste(ini, "; meu\r\n[DOTMARA]\r\nmaxCol=40\r\narq2=x\r\n[OUTRA]\r\narq3=y\r\n");
    r.Limpa();
    ASSERT_TRUE(r.GravaIni(ini));
    EXPECT_EQ(LeArquivoTeste(ini), "; meu\r\n[DOTMARA]\r\nmaxCol=40\r\n[OUTRA]\r\narq3=y\r\n");
    // No INI file at all: nothing to delete, nothing created.
    ASSERT_TRUE(r.GravaIni(p / "nenhum.ini"));
    EXPECT_FALSE(fs::exists(p / "nenhum.ini"));
}

TEST(Recentes, NoIniGivesAnEmptyList) {
    Pasta p;
    ListaRecentes r;
    r.LeIni(p / "nao-existe.ini");
    EXPECT_EQ(r.Tamanho(), 0);
}

TEST(Recentes, OrderFollowsUse) {
    ListaRecentes r;
    for (const char* n : {"/e", "/d", "/c", "/b", "/a"}) EXPECT_TRUE(r.PoeNaFrente(n));
    EXPECT_EQ(r.Itens(), (std::vector<std::string>{"/a", "/b", "/c", "/d", "/e"}));
    // A sixth distinct file drops the oldest.
    EXPECT_TRUE(r.PoeNaFrente("/f"));
    EXPECT_EQ(r.Itens(), (std::vector<std::string>{"/f", "/a", "/b", "/c", "/d"}));
    // Reopening the third moves it to the top (found without regard to case).
    EXPECT_TRUE(r.PoeNaFrente("/B"));
    EXPECT_EQ(r.Itens(), (std::vector<std::string>{"/b", "/f", "/a", "/c", "/d"}));
    EXPECT_FALSE(r.PoeNaFrente("/b"));
    EXPECT_TRUE(r.Remove(4));
    EXPECT_FALSE(r.Remove(4));
    EXPECT_FALSE(r.Remove(-1));
    EXPECT_EQ(r.Tamanho(), 4);
}

// ---- The sample document ---------------------------------------------------------

TEST(Exemplo, SampleDocumentIsWindows1252WithClosedBlocks) {
    const std::string texto = LeArquivoTeste(std::string(DOTMARA_DATA_DIR) + "/exemplo.txt");
    ASSERT_FALSE(texto.empty());
    // Windows-1252 bytes (Portuguese letters present, no UTF-8 sequences).
    EXPECT_NE(texto.find("n\xe3o"), std::string::npos);
    EXPECT_EQ(texto.find("\xc3\xa7"), std::string::npos);
    const auto linhas = TextoEmLinhas(texto);
    EXPECT_EQ(LinhasEmTexto(linhas), texto);
    // Every block that opens closes, in order.
    const std::vector<std::pair<std::string, std::string>> pares = {
        {"<R+>", "<R->"}, {"<F->", "<F+>"}, {"<S->", "<S+>"}, {"<I+>", "<I->"}, {"<M_ >", "<M>"}};
    for (const auto& [abre, fecha] : pares) {
        int abertos = 0, vistos = 0;
        for (const auto& l : linhas) {
            if (l == abre) {
                EXPECT_EQ(abertos, 0) << abre;
                ++abertos;
                ++vistos;
            } else if (l == fecha) {
                EXPECT_EQ(abertos, 1) << fecha;
                --abertos;
            }
        }
        EXPECT_EQ(abertos, 0) << abre;
        EXPECT_GT(vistos, 0) << abre;
    }
}
