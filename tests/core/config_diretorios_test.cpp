// Where the folders window finds its files at start-up: the search order,
// the remembered folder, the warnings, and the eight keys read from an INI.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "core/dmvars.h"
#include "editor/dmcnfdir_caminhos.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/texto.h"
#include "support/config_teste.h"
#include "support/temporario.h"

namespace {

const std::string kAviso = "Não encontrei o arquivo de configuração: "_cp;

// Three folders of their own: the program's, the documents' and another
// one; the program and document folders in force for the test.
struct Pastas {
    Pastas()
        : dirPrograma(std::exchange(DirPrograma, programa.dir())),
          dirDocumento(std::exchange(DirDocumento, documento.dir())) {}
    ~Pastas() {
        DirPrograma = dirPrograma;
        DirDocumento = dirDocumento;
    }
    PastaTemporaria programa, documento, outra;
    std::string dirPrograma, dirDocumento;
};

TEST(LocalizaArqConfig, SearchOrderAndWhereTheFolderMoves) {
    struct Caso {
        const char* descricao;
        std::vector<std::string> arquivos;  // "p:", "d:", "o:" + name: made in that folder
        std::string caminho;                // "o:" stands for the other folder
        std::string esperado;               // the path that results, same notation
        std::string pastaDepois;            // the remembered folder after
        bool achado, avisa = true;
    };
    const Caso casos[] = {
        {"bare name in the remembered folder", {"p:a.cfg", "d:a.cfg"}, "a.cfg", "p:a.cfg", "p:", true},
        {"bare name only in the document folder", {"d:a.cfg"}, "a.cfg", "d:a.cfg", "d:", true},
        {"its own folder first", {"o:a.cfg", "p:a.cfg"}, "o:a.cfg", "o:a.cfg", "o:", true},
        {"own folder without it: the remembered one", {"p:a.cfg", "d:a.cfg"}, "o:a.cfg", "p:a.cfg", "p:", true},
        {"then the document folder", {"d:a.cfg"}, "o:a.cfg", "d:a.cfg", "d:", true},
        {"letter case aside, the file's own name", {"p:AmbCode.CFG"}, "ambcode.cfg", "p:AmbCode.CFG", "p:", true},
        {"empty path: the default name", {"d:padrao.cfg"}, "", "d:padrao.cfg", "d:", true},
        {"nowhere: the remembered folder, unchanged", {"d:b.cfg"}, "o:a.cfg", "p:a.cfg", "p:", false},
        {"a folder of that name is no file", {"p:a.cfg/x"}, "a.cfg", "p:a.cfg", "p:", false},
        {"no warning when not asked", {}, "a.cfg", "p:a.cfg", "p:", false, false},
    };
    for (const Caso& c : casos) {
        Pastas p;
        const auto troca = [&](const std::string& s) {
            const std::string* pasta = s.rfind("p:", 0) == 0   ? &p.programa.dir()
                                       : s.rfind("d:", 0) == 0 ? &p.documento.dir()
                                       : s.rfind("o:", 0) == 0 ? &p.outra.dir() : nullptr;
            return pasta ? *pasta + s.substr(2) : s;
        };
        for (const std::string& a : c.arquivos) {
            CriaPastasDe(troca(a));
            GravaArquivoTeste(troca(a), "20=20\r\n");
        }
        DialogosFalsosEscopo dlg;
        std::string caminho = troca(c.caminho), pasta = DirPrograma;
        EXPECT_EQ(LocalizaArqConfig(caminho, pasta, "padrao.cfg", c.avisa), c.achado) << c.descricao;
        EXPECT_EQ(caminho, troca(c.esperado)) << c.descricao;
        EXPECT_EQ(pasta, troca(c.pastaDepois)) << c.descricao;
        const bool aviso = !c.achado && c.avisa;
        EXPECT_EQ(dlg.fake.Textos(), aviso ? std::vector<std::string>{kAviso + "a.cfg"} : std::vector<std::string>{})
            << c.descricao;
        if (aviso) {
            EXPECT_EQ(dlg.fake.registros[0].icone, Icone::Aviso);
            EXPECT_EQ(dlg.fake.registros[0].botoes, Botoes::OK);
        }
    }
}

// The eight keys as the window reads them at its creation. The data folder
// is the test's program folder, so the tables can be put there or left out.
class LeituraDiretorios : public ::testing::Test {
protected:
    void SetUp() override { dados.emplace("DOTMARA_DATA_DIR", pastas.programa.dir()); }
    void Arquivos(const std::string& pasta, const std::vector<std::string>& nomes) {
        for (const std::string& n : nomes) GravaArquivoTeste(pasta + n, "*\r\n");
    }
    // The seven files found, in the order of their keys.
    static std::vector<std::string> Achados() {
        return {ArqAmbCode, ArqAmbCode2, ArqGrafBraille, ProgKelto, ProgGrafemor, ProgVelun, ProgPuma};
    }
    ConfiguracaoDeTeste cfg;
    Pastas pastas;
    std::optional<VariavelAmbiente> dados;
    DialogosFalsosEscopo dlg;
    PastasConfig p;
    const std::string prog = pastas.programa.dir(), doc = pastas.documento.dir();
};

TEST_F(LeituraDiretorios, EmptySettingsAndEverythingInTheProgramFolder) {
    const std::vector<std::string> nomes = {"ambcode.cfg", "ambcode2.cfg", "zizerov.amb", "kelto",
                                            "grafemor.exe", "velun.bat", "puma2.exe"};
    Arquivos(prog, nomes);
    LeDiretorios(p);
    EXPECT_TRUE(dlg.fake.registros.empty());
    std::vector<std::string> esperados;
    for (const std::string& n : nomes) esperados.push_back(prog + n);
    EXPECT_EQ(Achados(), esperados);
    // No draft named: this program's own in the temporary folder.
    EXPECT_EQ(ArqRascunho, "");
    EXPECT_EQ(p.DirRascunho, DirTemporario());
}

// Each file is sought first where the previous one was found; kelto by
// default lies beside the program, and the search follows it.
TEST_F(LeituraDiretorios, ATableOnlyInTheDocumentFolderMovesTheSearchThere) {
    Arquivos(doc, {"meu.cfg", "ambcode2.cfg", "zizerov.amb", "grafemor.exe"});
    Arquivos(prog, {"ambcode2.cfg", "zizerov.amb", "kelto"});
    cfg.Grava("DOTMARA", "ambCode", "meu.cfg");
    LeDiretorios(p);
    EXPECT_EQ(Achados(), (std::vector<std::string>{doc + "meu.cfg", doc + "ambcode2.cfg", doc + "zizerov.amb",
                                                   prog + "kelto", doc + "grafemor.exe", prog + "velun.bat",
                                                   prog + "puma2.exe"}));
    EXPECT_EQ(p.DirConfig, doc);
    EXPECT_TRUE(dlg.fake.registros.empty());
}

// One box each, in key order; the other makers' programs say nothing until
// they are started.
TEST_F(LeituraDiretorios, MissingFilesWarnOnlyForTheTablesAndKelto) {
    Arquivos(prog, {"ambcode.cfg", "ambcode2.cfg"});
    LeDiretorios(p);
    EXPECT_EQ(dlg.fake.Textos(), (std::vector<std::string>{kAviso + "zizerov.amb", kAviso + "kelto"}));
    EXPECT_EQ(Achados(), (std::vector<std::string>{prog + "ambcode.cfg", prog + "ambcode2.cfg", prog + "zizerov.amb",
                                                   prog + "kelto", prog + "grafemor.exe", prog + "velun.bat",
                                                   prog + "puma2.exe"}));
}

TEST_F(LeituraDiretorios, TheDraftFile) {
    struct Caso {
        std::string valor, esperado, pasta;
    };
    const std::string outra = pastas.outra.dir();
    for (const Caso& c : {Caso{"rasc.txt", doc + "rasc.txt", doc}, Caso{outra + "r.txt", outra + "r.txt", outra},
                          Caso{"", "", DirTemporario()}}) {
        PastasConfig pc;
        cfg.Grava("DOTMARA", "arqTrab", c.valor);
        LeDiretorios(pc);
        EXPECT_EQ(ArqRascunho, c.esperado) << c.valor;
        EXPECT_EQ(pc.DirRascunho, c.pasta) << c.valor;
    }
    // The window shows and stores no path for this program's private draft.
    EXPECT_EQ(RascunhoConfigurado(""), "");
    EXPECT_EQ(RascunhoConfigurado(RascunhoPrivado()), "");
    EXPECT_EQ(RascunhoConfigurado(outra + "r.txt"), outra + "r.txt");
}

// The program as shipped: its data folder holds every table, so a first
// start with no settings warns of nothing (kelto beside the program).
TEST(ArquivosDoPrograma, AFreshStartFindsEveryTable) {
    ConfiguracaoDeTeste cfg;
    PastaTemporaria programa;
    const std::string antigo = DirPrograma;
    DirPrograma = programa.dir();
    GravaArquivoTeste(DirPrograma + "kelto", "");
    DialogosFalsosEscopo dlg;
    PastasConfig p;
    LeDiretorios(p);
    DirPrograma = antigo;
    EXPECT_EQ(dlg.fake.Textos(), std::vector<std::string>{});
    // The data folder as the window shows it, without ".." steps.
    EXPECT_EQ(ArqGrafBraille, std::filesystem::path(DirDados()).lexically_normal().string() + "zizerov.amb");
    EXPECT_EQ(ArqGrafBraille.find(".."), std::string::npos);
    EXPECT_TRUE(ArquivoExiste(ArqAmbCode));
    EXPECT_TRUE(ArquivoExiste(ArqAmbCode2));
}

} // namespace
