// Document files without Qt: code pages, lines, opening, saving with ".bak",
// the recent list and its INI keys, the sample document.
#include "editor/documentos.h"
#include "platform/arquivos.h"
#include "platform/chamadas.h"
#include "platform/dialogos.h"
#include "platform/ini.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include <filesystem>
#include <map>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Linhas = std::vector<std::string>;

// Paths inside the temporary folder of a test.
struct Pasta : PastaTemporaria {
    fs::path dir = fs::path(PastaTemporaria::dir());
    std::string operator/(const std::string& nome) const { return caminho(nome); }
};

TEST(CodePage, PortugueseLettersTakeTheirDOSBytesBothWays) {
    const std::pair<unsigned char, unsigned char> casos[] = {
        {0xE7, 0x87}, {0xC7, 0x80}, {0xE3, 0xC6}, {0xC3, 0xC7}, {0xF5, 0xE4}, {0xD5, 0xE5}, {0xE1, 0xA0},
        {0xE9, 0x82}, {0xED, 0xA1}, {0xF3, 0xA2}, {0xFA, 0xA3}, {0xE2, 0x83}, {0xEA, 0x88}, {0xF4, 0x93},
        {0xE0, 0x85}, {0xFC, 0x81}, {0xAA, 0xA6}, {0xBA, 0xA7}, {0xA0, 0xFF}, {0x83, 0x9F},
    };
    for (const auto& [windows, dos] : casos) {
        EXPECT_EQ(WindowsParaDOS(windows), dos) << int(windows);
        EXPECT_EQ(DOSParaWindows(dos), windows) << int(dos);
    }
    // Euro, dashes and curly quotes have no DOS byte; box drawing no Windows one.
    for (unsigned char c : {0x80, 0x96, 0x97, 0x93, 0x94, 0x8A, 0x9C}) EXPECT_EQ(WindowsParaDOS(c), '?') << int(c);
    for (unsigned char c : {0xB0, 0xB3, 0xC4, 0xC9, 0xDB, 0xDF, 0xF2, 0xFE})
        EXPECT_EQ(DOSParaWindows(c), '?') << int(c);
    // The round trip keeps ASCII unchanged and every character the DOS page has.
    int representaveis = 0;
    for (int c = 0; c < 256; ++c) {
        const unsigned char d = WindowsParaDOS(static_cast<unsigned char>(c));
        if (c < 128) { EXPECT_EQ(d, c); }
        if (d == '?' && c != '?') continue;
        ++representaveis;
        EXPECT_EQ(DOSParaWindows(d), c) << c;
    }
    EXPECT_EQ(representaveis, 128 + 96 + 1);   // ASCII, 0xA0..0xFF, the florin sign
    // Lines longer than any buffer convert whole.
    std::string linha;
    for (int i = 0; i < 12000; ++i) linha += (i % 2) ? "\xe7" : "a";
    const std::string dos = ConverteParaDOS(linha);
    ASSERT_EQ(dos.size(), linha.size());
    EXPECT_EQ(static_cast<unsigned char>(dos[11999]), 0x87);
    EXPECT_EQ(ConverteParaWindows(dos), linha);
}

TEST(Linhas, FileTextSplitsAsAnEditorLoadsItAndSavesWithCRLF) {
    const std::pair<const char*, Linhas> casos[] = {
        {"", {}}, {"ab", {"ab"}}, {"ab\r\n", {"ab"}}, {"ab\r\ncde", {"ab", "cde"}},
        {"ab\ncde\n", {"ab", "cde"}}, {"a\r\n\r\nb", {"a", "", "b"}}, {"a\rb", {"a", "b"}},
        {"a\r\r\nb", {"a", "", "b"}}, {"\r\n", {""}}, {"x\r\n\r\n", {"x", ""}},
    };
    for (const auto& [texto, linhas] : casos) EXPECT_EQ(TextoEmLinhas(texto), linhas) << texto;
    EXPECT_EQ(LinhasEmTexto({"Cap\xedtulo", "", "\tfim"}), "Cap\xedtulo\r\n\r\n\tfim\r\n");
    EXPECT_EQ(LinhasEmTexto({}), "");
    EXPECT_EQ(LinhasEmTexto({"a", "b"}, false), "a\r\nb");
    EXPECT_EQ(LinhasEmTexto({}, false), "");
}

// At most the editor's limit in characters, counted as the editor counts
// them: each line end once however the file writes it, none after a last
// line without one. Nothing but a regular file is read, and a FIFO is not
// waited on.
TEST(AbreDocumento, AtMostWhatTheEditorHolds) {
    Pasta p;
    ASSERT_EQ(::mkfifo((p / "cano.txt").c_str(), 0600), 0);
    const std::size_t limite = LimiteTextoDocumento;
    std::string crlf;
    for (std::size_t i = 0; i < limite; ++i) crlf += "\r\n";
    const std::string x(limite - 1, 'x');
    const struct { const char* nome; std::string caminho; LeituraDocumento esperado; std::size_t linhas; bool quebra; }
        casos[] = {
        {"one line at the limit, no line end", p.grava("sem.txt", x + "x"), LeituraDocumento::Lido, 1, false},
        {"one line at the limit with its CR LF", p.grava("crlf1.txt", x + "\r\n"), LeituraDocumento::Lido, 1, true},
        {"one line at the limit with its LF", p.grava("lf1.txt", x + "\n"), LeituraDocumento::Lido, 1, true},
        {"CR LF at the limit: twice the limit in bytes", p.grava("crlf.txt", crlf), LeituraDocumento::Lido, limite,
         true},
        {"line ends and a last line without one", p.grava("fim.txt", crlf.substr(2) + "x"), LeituraDocumento::Lido,
         limite, false},
        {"one character more, no line end", p.grava("mais.txt", x + "xx"), LeituraDocumento::GrandeDemais, 0, false},
        {"one character more: the limit and a CR LF", p.grava("mais1.txt", x + "x\r\n"),
         LeituraDocumento::GrandeDemais, 0, false},
        {"lone CRs past the limit", p.grava("cr.txt", std::string(limite + 1, '\r')),
         LeituraDocumento::GrandeDemais, 0, false},
        {"a file that never ends", "/proc/self/pagemap", LeituraDocumento::GrandeDemais, 0, false},
        {"a FIFO", p / "cano.txt", LeituraDocumento::NaoRegular, 0, false},
        {"a folder", p.PastaTemporaria::dir(), LeituraDocumento::NaoRegular, 0, false},
        {"a device", "/dev/null", LeituraDocumento::NaoRegular, 0, false},
        {"missing", p / "falta.txt", LeituraDocumento::NaoLido, 0, false},
    };
    for (const auto& c : casos) {
        std::vector<std::string> linhas = {"antes"};
        bool quebra = !c.quebra;
        EXPECT_EQ(LeDocumento(c.caminho, linhas, &quebra), c.esperado) << c.nome;
        EXPECT_EQ(linhas.size(), c.linhas) << c.nome;
        if (c.esperado == LeituraDocumento::Lido) { EXPECT_EQ(quebra, c.quebra) << c.nome; }
    }
    Linhas linhas;
    ASSERT_EQ(LeDocumento(p.grava("a.txt", "um\r\ndois\rtr\xeas\n"), linhas), LeituraDocumento::Lido);
    EXPECT_EQ(linhas, (Linhas{"um", "dois", "tr\xeas"}));
}

// Each failure names its cause; a path stands on a line of its own.
TEST(AbreDocumento, MessagesNameTheCause) {
    Pasta p;
    ASSERT_EQ(::mkfifo((p / "cano").c_str(), 0600), 0);
    const std::pair<std::string, std::string> casos[] = {
        {p / "falta.txt", "Arquivo n\xe3o encontrado: " + p / "falta.txt"},
        {p / "cano", "N\xe3o \xe9 um arquivo comum, \xe9 um canal (FIFO):\r\n" + p / "cano"},
        {p.PastaTemporaria::dir(), "N\xe3o \xe9 um arquivo comum, \xe9 uma pasta:\r\n" + p.PastaTemporaria::dir()},
        {"/dev/null", "N\xe3o \xe9 um arquivo comum, \xe9 um dispositivo:\r\n/dev/null"},
        {"/proc/self/pagemap", "Arquivo grande demais para o editor (mais de 300000 caracteres):\r\n/proc/self/pagemap"},
    };
    for (const auto& [nome, mensagem] : casos) {
        Linhas linhas;
        EXPECT_EQ(MensagemLeituraDocumento(LeDocumento(nome, linhas), nome), mensagem);
    }
}

TEST(Nomes, BackupNameReplacesTheExtension) {
    const std::pair<const char*, const char*> casos[] = {
        {"/d/a.txt", "/d/a.bak"},   {"/d/a", "/d/a.bak"},     {"/d.x/a", "/d.x/a.bak"},
        {"/d/a.b.txt", "/d/a.b.bak"}, {"/d/a.bak", "/d/a.bak"}, {"a.TXT", "a.bak"},
    };
    for (const auto& [nome, bak] : casos) EXPECT_EQ(NomeBackup(nome), bak) << nome;
}

// ---- Saving ------------------------------------------------------------------

TEST(Gravacao, SavingKeepsThePreviousVersionAsBakAndTheMode) {
    Pasta p;
    const std::string a = p / "a.txt";
    const auto modo = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    GravaArquivoTeste(a, "vers\xe3o 1\r\n");
    fs::permissions(a, modo);
    GravaArquivoTeste(p / "a.bak", "muito antiga\r\n");
    ASSERT_EQ(GravaComBackup(a, "vers\xe3o 2\r\n"), ResultadoGravacao::Gravado);
    EXPECT_EQ(LeArquivoTeste(p / "a.bak"), "vers\xe3o 1\r\n");
    ASSERT_EQ(GravaComBackup(a, "vers\xe3o 3\r\n"), ResultadoGravacao::Gravado);
    EXPECT_EQ(LeArquivoTeste(a), "vers\xe3o 3\r\n");
    EXPECT_EQ(LeArquivoTeste(p / "a.bak"), "vers\xe3o 2\r\n");
    EXPECT_EQ(fs::status(a).permissions() & fs::perms::all, modo);
    EXPECT_EQ(p.entradas(), 2);   // no temporary left
    // A new file leaves no ".bak"; a file named ".bak" is replaced in place.
    ASSERT_EQ(GravaComBackup(p / "novo.txt", "x\r\n"), ResultadoGravacao::Gravado);
    EXPECT_FALSE(fs::exists(p / "novo.bak"));
    ASSERT_EQ(GravaComBackup(p / "a.bak", "novo"), ResultadoGravacao::Gravado);
    EXPECT_EQ(LeArquivoTeste(p / "a.bak"), "novo");
}

TEST(Gravacao, FailuresKeepTheLastGoodVersion) {
    Pasta p;
    const std::string a = p / "a.txt";
    GravaArquivoTeste(a, "bom\r\n");
    // A folder holding a file where the ".bak" goes: neither deleted nor renamed over.
    fs::create_directory(p / "a.bak");
    GravaArquivoTeste(p / "a.bak/dentro", "x");
    EXPECT_EQ(GravaComBackup(a, "novo\r\n"), ResultadoGravacao::FalhaBackup);
    EXPECT_EQ(LeArquivoTeste(a), "bom\r\n");
    EXPECT_EQ(p.entradas(), 2);
    EXPECT_EQ(GravaComBackup(p / "falta/a.txt", "x"), ResultadoGravacao::FalhaEscrita);
    // The target is a folder: the rename fails, no temporary file is left.
    fs::create_directory(p / "pasta.txt");
    GravaArquivoTeste(p / "pasta.txt/f", "y");
    EXPECT_NE(GravaComBackup(p / "pasta.txt", "x"), ResultadoGravacao::Gravado);
    EXPECT_EQ(LeArquivoTeste(p / "pasta.txt/f"), "y");
    EXPECT_EQ(p.entradas(), 3);
}

// Through a link the file it points at takes the text, keeps its mode, gets
// its ".bak" beside it, and the link stays a link.
TEST(Gravacao, SavingThroughALinkWritesItsTarget) {
    const auto doc = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    // Links made in order (name, target; "@" the folder's absolute path), the file that takes the text.
    const struct { const char* nome; std::vector<std::pair<std::string, std::string>> links; const char* alvo;
                   bool alvoExiste; } casos[] = {
        {"relative link into another folder", {{"link.txt", "real/doc.txt"}}, "real/doc.txt", true},
        {"absolute link", {{"link.txt", "@real/doc.txt"}}, "real/doc.txt", true},
        {"link to a link", {{"meio.txt", "real/doc.txt"}, {"link.txt", "meio.txt"}}, "real/doc.txt", true},
        {"link to a file not there yet", {{"link.txt", "real/criado.txt"}}, "real/criado.txt", false},
    };
    for (const auto& c : casos) {
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
        EXPECT_EQ(LeArquivoTeste(bak), c.alvoExiste ? "antigo\r\n" : "");
        if (c.alvoExiste) { EXPECT_EQ(fs::status(p / c.alvo).permissions() & fs::perms::all, doc); }
    }
}

// A read-only document is never replaced, also behind a link.
TEST(Gravacao, AReadOnlyDocumentIsRefused) {
    for (const bool porLink : {false, true}) {
        SCOPED_TRACE(porLink);
        Pasta p;
        const std::string a = p / "ro.txt";
        GravaArquivoTeste(a, "protegido\r\n");
        fs::permissions(a, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        if (porLink) fs::create_symlink("ro.txt", p / "l.txt");
        EXPECT_EQ(GravaComBackup(porLink ? p / "l.txt" : a, "novo\r\n"), ResultadoGravacao::SomenteLeitura);
        EXPECT_EQ(LeArquivoTeste(a), "protegido\r\n");
        EXPECT_EQ(p.entradas(), porLink ? 2 : 1);
    }
}

// ---- A save stopped at any of its calls -----------------------------------------

// Every file of a folder, name -> bytes.
using Pastas = std::map<std::string, std::string>;
Pastas Conteudo(const Pasta& p) {
    Pastas r;
    for (const auto& e : fs::directory_iterator(p.dir)) r[e.path().filename().string()] = LeArquivoTeste(e.path());
    return r;
}

const std::string kVelho = "vers\xe3o 1\r\n", kMuitoVelho = "vers\xe3o 0\r\n", kNovo = "vers\xe3o 2\r\nmais\r\n";

// The folder before a save (a document, its ".bak"), how its file system
// behaves, and how the next open answers the question about the saved text.
struct CasoParada {
    const char* nome;
    bool doc, bak;
    std::vector<chamadas::Chamada> semSuporte;
    int resposta;
};
const CasoParada kCasosParada[] = {
    {"document and .bak, recovered", true, true, {}, mrYes},
    {"document and .bak, copy removed", true, true, {}, mrNo},
    {"document and .bak, copy kept", true, true, {}, mrCancel},
    {"document without .bak", true, false, {}, mrYes},
    {"new document beside a stale .bak", false, true, {}, mrYes},
    {"file system without hard links", true, true, {chamadas::Chamada::Liga}, mrYes},
};

void PreparaParada(const Pasta& p, const CasoParada& c) {
    if (c.doc) GravaArquivoTeste(p / "a.txt", kVelho);
    if (c.bak) GravaArquivoTeste(p / "a.bak", kMuitoVelho);
}

// The document holds one whole text, and the ".bak" what it held or the old
// text; once the document holds the new text the ".bak" holds the old.
void ConfereDocumentoEBak(const Pastas& f, const CasoParada& c) {
    const auto doc = f.find("a.txt"), bak = f.find("a.bak");
    if (doc == f.end()) {
        EXPECT_FALSE(c.doc);
    } else {
        EXPECT_TRUE(doc->second == kNovo || (c.doc && doc->second == kVelho)) << doc->second;
    }
    const bool novo = doc != f.end() && doc->second == kNovo;
    if (novo && c.doc) {
        ASSERT_NE(bak, f.end());
        EXPECT_EQ(bak->second, kVelho);
    } else if (bak == f.end()) {
        EXPECT_FALSE(c.bak);
    } else {
        EXPECT_TRUE((c.bak && bak->second == kMuitoVelho) || (c.doc && bak->second == kVelho)) << bak->second;
    }
}

// Stopped as by a kill at its first call, its second ... until it runs
// through: the document and its ".bak" keep the rule above at every stop,
// and the next open leaves nothing else beside them: the saved text, when
// it was whole on disk, is offered and becomes the document on Yes.
TEST(GravacaoInterrompida, AtEveryCallTheDocumentHoldsOneWholeText) {
    for (const CasoParada& c : kCasosParada) {
        int chamadasFeitas = 0;
        for (int n = 1;; ++n) {
            SCOPED_TRACE(std::string(c.nome) + ", stopped at call " + std::to_string(n));
            Pasta p;
            PreparaParada(p, c);
            bool completa = true;
            {
                chamadas::Interrupcao parada(n, chamadas::Interrupcao::Modo::Interrompe);
                parada.semSuporte = c.semSuporte;
                try {
                    EXPECT_EQ(GravaComBackup(p / "a.txt", kNovo), ResultadoGravacao::Gravado);
                } catch (const chamadas::Interrompida&) {
                    completa = false;
                }
                chamadasFeitas = static_cast<int>(parada.Feitas().size());
            }
            Pastas depois = Conteudo(p);
            ConfereDocumentoEBak(depois, c);
            if (completa) {
                EXPECT_EQ(depois.size(), 2u);
                break;
            }
            // The new text whole under a name of its own (one being written is
            // not known to be whole).
            bool novoInteiro = false;
            for (const auto& [nome, texto] : depois)
                novoInteiro = novoInteiro || (texto == kNovo && nome.find(".gravando-") == std::string::npos);

            DialogosFalsosEscopo caixas;
            caixas.fake.respostas = {c.resposta};
            TrataSobrasDeGravacao(p / "a.txt");
            Pastas aberta = Conteudo(p);
            ConfereDocumentoEBak(aberta, c);
            const bool perguntou = !caixas.fake.registros.empty();
            EXPECT_EQ(perguntou, novoInteiro && depois["a.txt"] != kNovo);
            if (perguntou && c.resposta == mrYes) { EXPECT_EQ(aberta["a.txt"], kNovo); }
            if (perguntou && c.resposta != mrYes) { EXPECT_EQ(aberta["a.txt"], depois["a.txt"]); }
            // Nothing else is left, but the saved text the user keeps for later.
            std::erase_if(aberta, [](const auto& f) { return f.first == "a.txt" || f.first == "a.bak"; });
            if (perguntou && c.resposta == mrCancel) {
                ASSERT_EQ(aberta.size(), 1u);
                EXPECT_EQ(aberta.begin()->second, kNovo);
            } else {
                EXPECT_TRUE(aberta.empty()) << aberta.begin()->first;
            }
        }
        EXPECT_GE(chamadasFeitas, 10) << c.nome;   // every call of the save was stopped once
    }
}

// One call fails (a full disk, an I/O error): the save says so, the document
// and its ".bak" keep the rule, and nothing else is left behind.
TEST(GravacaoInterrompida, AFailingCallLeavesNothingBehind) {
    for (const CasoParada& c : kCasosParada) {
        if (c.resposta != mrYes) continue;   // no open follows: one case per folder
        for (int n = 1;; ++n) {
            SCOPED_TRACE(std::string(c.nome) + ", call " + std::to_string(n) + " fails");
            Pasta p;
            PreparaParada(p, c);
            chamadas::Interrupcao falha(n, chamadas::Interrupcao::Modo::Falha, ENOSPC);
            falha.semSuporte = c.semSuporte;
            const ResultadoGravacao r = GravaComBackup(p / "a.txt", kNovo);
            const Pastas depois = Conteudo(p);
            ConfereDocumentoEBak(depois, c);
            for (const auto& [nome, texto] : depois) EXPECT_TRUE(nome == "a.txt" || nome == "a.bak") << nome;
            const bool novo = depois.count("a.txt") && depois.at("a.txt") == kNovo;
            EXPECT_EQ(r == ResultadoGravacao::Gravado, novo);
            if (r == ResultadoGravacao::FalhaBackup) {
                EXPECT_EQ(depois.at("a.txt"), kVelho);
                if (c.bak) { EXPECT_EQ(depois.at("a.bak"), kMuitoVelho); }
            }
            if (!falha.Atingida()) break;
        }
    }
}

// What the next open does with each kind of file a stopped save leaves, by
// the answer given (no question when none is expected).
TEST(GravacaoInterrompida, OpeningOffersTheSavedTextAndClearsTheRest) {
    using Arquivos = std::vector<std::pair<std::string, std::string>>;   // in order of writing: older first
    const struct {
        const char* nome;
        Arquivos antes;
        int resposta;   // mrNenhum: no question
        Pastas depois;
    } casos[] = {
        {"a text not whole is removed", {{"a.txt", "v1"}, {"a.txt.gravando-Ab12Cd", "v2 pela me"}}, mrNenhum,
         {{"a.txt", "v1"}}},
        {"a saved text the document holds is removed", {{"a.txt", "v1"}, {"a.txt.salvo-Ab12Cd", "v1"}}, mrNenhum,
         {{"a.txt", "v1"}}},
        {"a second name of the document is removed", {{"a.txt", "v1"}, {"a.txt.anterior-Ab12Cd", "v1"}}, mrNenhum,
         {{"a.txt", "v1"}}},
        {"one of the .bak too", {{"a.txt", "v2"}, {"a.bak", "v1"}, {"a.txt.anterior-Ab12Cd", "v1"}}, mrNenhum,
         {{"a.txt", "v2"}, {"a.bak", "v1"}}},
        {"the only copy of a text stays", {{"a.txt", "v2"}, {"a.txt.anterior-Ab12Cd", "v1"}}, mrNenhum,
         {{"a.txt", "v2"}, {"a.txt.anterior-Ab12Cd", "v1"}}},
        {"other names stay",
         {{"a.txt", "v1"}, {"a.txt.salvo-Ab12", "x"}, {"a.txt.salvo-Ab12C!", "x"}, {"b.txt.salvo-Ab12Cd", "x"},
          {"a.txt.salvo-Ab12Cde", "x"}},
         mrNenhum,
         {{"a.txt", "v1"}, {"a.txt.salvo-Ab12", "x"}, {"a.txt.salvo-Ab12C!", "x"}, {"b.txt.salvo-Ab12Cd", "x"},
          {"a.txt.salvo-Ab12Cde", "x"}}},
        {"Yes: the newest saved text takes the name, the document the .bak",
         {{"a.txt", "v1"}, {"a.bak", "v0"}, {"a.txt.salvo-Zz99zz", "v2"}, {"a.txt.salvo-Aa11aa", "v3"}}, mrYes,
         {{"a.txt", "v3"}, {"a.bak", "v1"}}},
        {"No: the saved texts are removed",
         {{"a.txt", "v1"}, {"a.bak", "v0"}, {"a.txt.salvo-Zz99zz", "v2"}, {"a.txt.salvo-Aa11aa", "v3"}}, mrNo,
         {{"a.txt", "v1"}, {"a.bak", "v0"}}},
        {"Cancel: all stays",
         {{"a.txt", "v1"}, {"a.txt.salvo-Aa11aa", "v3"}}, mrCancel,
         {{"a.txt", "v1"}, {"a.txt.salvo-Aa11aa", "v3"}}},
        {"a new document's saved text", {{"a.txt.salvo-Aa11aa", "v1"}}, mrYes, {{"a.txt", "v1"}}},
    };
    // A folder opened as a document has none, even with such names inside.
    {
        Pasta p;
        fs::create_directory(p.dir / "a.txt");
        GravaArquivoTeste(p / "a.txt/.salvo-Aa11aa", "x");
        DialogosFalsosEscopo caixas;
        TrataSobrasDeGravacao(p / "a.txt/");
        TrataSobrasDeGravacao(p / "a.txt");
        EXPECT_TRUE(caixas.fake.registros.empty());
        EXPECT_EQ(LeArquivoTeste(p / "a.txt/.salvo-Aa11aa"), "x");
    }
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Pasta p;
        auto quando = fs::file_time_type::clock::now() - std::chrono::hours(1);
        for (const auto& [nome, texto] : c.antes) {
            GravaArquivoTeste(p / nome, texto);
            fs::last_write_time(p / nome, quando += std::chrono::minutes(1));
        }
        DialogosFalsosEscopo caixas;
        caixas.fake.respostas = {c.resposta};
        TrataSobrasDeGravacao(p / "a.txt");
        EXPECT_EQ(Conteudo(p), c.depois);
        EXPECT_EQ(caixas.fake.registros.size(), c.resposta == mrNenhum ? 0u : 1u);
    }
}

// The question names the document as opened and where the text is, and a
// save still running (it holds a lock on its file) is left alone.
TEST(GravacaoInterrompida, TheQuestionAndASaveStillRunning) {
    Pasta p;
    fs::create_directory(p.dir / "real");
    GravaArquivoTeste(p / "real/a.txt", "v1");
    fs::create_symlink("real/a.txt", p / "link.txt");
    const std::string salvo = p / "real/a.txt.salvo-Aa11aa";
    GravaArquivoTeste(salvo, "v2");
    DialogosFalsosEscopo caixas;
    {
        const int fd = ::open(salvo.c_str(), O_RDONLY);
        ASSERT_EQ(::flock(fd, LOCK_EX), 0);
        TrataSobrasDeGravacao(p / "link.txt");
        ::close(fd);
    }
    EXPECT_TRUE(caixas.fake.registros.empty());
    EXPECT_EQ(LeArquivoTeste(salvo), "v2");
    caixas.fake.respostas = {mrYes};
    TrataSobrasDeGravacao(p / "link.txt");
    ASSERT_EQ(caixas.fake.registros.size(), 1u);
    EXPECT_EQ(caixas.fake.registros[0].texto,
              "Uma grava\xe7\xe3o de\r\n" + p / "link.txt" +
                  "\r\nfoi interrompida antes do fim.\r\nO texto que estava sendo salvo ficou em\r\n" + salvo +
                  "\r\n\r\nSim: abrir esse texto no lugar do arquivo, que fica como a.bak.\r\n"
                  "N\xe3o: apagar essa c\xf3pia e abrir o arquivo como est\xe1.\r\n"
                  "Cancelar: abrir o arquivo como est\xe1 e manter a c\xf3pia.");
    EXPECT_EQ(caixas.fake.registros[0].icone, Icone::Pergunta);
    EXPECT_TRUE(fs::is_symlink(p / "link.txt"));
    EXPECT_EQ(LeArquivoTeste(p / "real/a.txt"), "v2");
    EXPECT_EQ(LeArquivoTeste(p / "real/a.bak"), "v1");
    EXPECT_FALSE(fs::exists(salvo));
}

// ---- Recent files --------------------------------------------------------------

TEST(Recentes, IniSkipsEmptyValuesAndCaseRepeatsAndWritesOneKeyPerEntry) {
    Pasta p;
    const std::string ini = p / "DOTMARA.INI";
    ListaRecentes r;
    r.LeIni(ini);
    EXPECT_EQ(r.Tamanho(), 0);
    GravaArquivoTeste(ini, "[DOTMARA]\r\narq1=/d/Um.txt\r\narq2=\r\narq3=/D/UM.TXT\r\narq4=/d/dois.txt\r\n"
                           "arq5=/d/tres.txt\r\n");
    r.LeIni(ini);
    EXPECT_EQ(r.Itens(), (Linhas{"/d/Um.txt", "/d/dois.txt", "/d/tres.txt"}));
    ASSERT_TRUE(r.GravaIni(ini));
    EXPECT_EQ(LeArquivoTeste(ini), "[DOTMARA]\r\narq1=/d/Um.txt\r\narq2=/d/dois.txt\r\narq3=/d/tres.txt\r\n");
    // The keys past the end deleted, the other lines kept.
    GravaArquivoTeste(ini, "; meu\r\n[DOTMARA]\r\nmaxCol=40\r\narq2=x\r\n[OUTRA]\r\narq3=y\r\n");
    r.Limpa();
    ASSERT_TRUE(r.GravaIni(ini));
    EXPECT_EQ(LeArquivoTeste(ini), "; meu\r\n[DOTMARA]\r\nmaxCol=40\r\n[OUTRA]\r\narq3=y\r\n");
    ASSERT_TRUE(r.GravaIni(p / "nenhum.ini"));   // nothing to delete, nothing created
    EXPECT_FALSE(fs::exists(p / "nenhum.ini"));
}

TEST(Recentes, OrderFollowsUse) {
    ListaRecentes r;
    for (const char* n : {"/e", "/d", "/c", "/b", "/a", "/f"}) EXPECT_TRUE(r.PoeNaFrente(n));
    EXPECT_EQ(r.Itens(), (Linhas{"/f", "/a", "/b", "/c", "/d"}));   // a sixth drops the oldest
    EXPECT_TRUE(r.PoeNaFrente("/B"));   // found without regard to case, moved to the top
    EXPECT_EQ(r.Itens(), (Linhas{"/b", "/f", "/a", "/c", "/d"}));
    EXPECT_FALSE(r.PoeNaFrente("/b"));
    EXPECT_TRUE(r.Remove(4));
    EXPECT_FALSE(r.Remove(4));
    EXPECT_FALSE(r.Remove(-1));
    EXPECT_EQ(r.Tamanho(), 4);
}

// Windows-1252 bytes, and every block that opens closes, in order.
TEST(Exemplo, SampleDocumentIsWindows1252WithClosedBlocks) {
    const std::string texto = LeArquivoTeste(std::string(DOTMARA_DATA_DIR) + "/exemplo.txt");
    EXPECT_NE(texto.find("n\xe3o"), std::string::npos);
    EXPECT_EQ(texto.find("\xc3\xa7"), std::string::npos);
    const auto linhas = TextoEmLinhas(texto);
    EXPECT_EQ(LinhasEmTexto(linhas), texto);
    for (const auto& [abre, fecha] : std::vector<std::pair<std::string, std::string>>{
             {"<R+>", "<R->"}, {"<F->", "<F+>"}, {"<S->", "<S+>"}, {"<I+>", "<I->"}, {"<M_ >", "<M>"}}) {
        int abertos = 0, vistos = 0;
        for (const auto& l : linhas) {
            if (l == abre) { EXPECT_EQ(abertos++, 0) << abre; }
            if (l == abre) ++vistos;
            if (l == fecha) { EXPECT_EQ(abertos--, 1) << fecha; }
        }
        EXPECT_EQ(abertos, 0) << abre;
        EXPECT_GT(vistos, 0) << abre;
    }
}

} // namespace
