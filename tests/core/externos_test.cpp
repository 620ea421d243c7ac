// The external programs through the launcher's recording fake: program,
// arguments, folder and the boxes of every refusal; the word lists, the
// manual and the Puma 7 plate file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "core/dmvars.h"
#include "editor/dmexternos.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/servicos.h"
#include "support/temporario.h"

namespace {

using Programa = ServicosFalsos::Programa;

const std::string kConfigurar = "\r\nEntre com nome correto no menu \"Configurar|Diretórios\"."_cp;

struct Ambiente {
    Ambiente() {
        RestauraPadroes();
        DirPrograma = pasta.dir();
        DirDocumento = DiretorioAtual();
    }
    ~Ambiente() { RestauraPadroes(); }
    // An executable file of the test folder.
    std::string Executavel(const std::string& nome) const {
        CriaPastasDe(pasta.caminho(nome));
        const std::string c = pasta.grava(nome, "#!/bin/sh\n");
        ::chmod(CaminhoNativo(c).c_str(), 0755);
        return c;
    }
    PastaTemporaria pasta;
    DialogosFalsosEscopo dlg;
    ServicosFalsosEscopo srv;
};

// "@" in a program, a folder or a text stands for the test folder.
struct CasoPrograma {
    const char* descricao; std::function<void(Ambiente&)> prepara; std::function<void()> comando;
    std::vector<Programa> programas; std::vector<std::string> textos;
};

std::string Troca(std::string s, const std::string& dir) {
    for (std::size_t p = s.find('@'); p != std::string::npos; p = s.find('@', p + dir.size()))
        s.replace(p, 1, dir);
    return s;
}

TEST(ProgramasExternos, ProgramaArgumentosPastaERecusas) {
    const CasoPrograma casos[] = {
        {"kelto without a folder starts from the program folder, no arguments",
         [](Ambiente&) { ProgKelto = "kelto"; }, ChamaKelto, {{"@kelto", {}, "@"}}, {}},
        {"kelto with its own folder", [](Ambiente& a) { ProgKelto = a.Executavel("bin/kelto"); },
         ChamaKelto, {{"@bin/kelto", {}, "@bin/"}}, {}},
        {"kelto already running: told so, no second copy",
         [](Ambiente& a) { a.srv.fake.instanciasAtivas.insert(kInstanciaKelto); }, ChamaKelto, {},
         {"Programa já ativo, use a barra de seleção do Windows"_cp}},
        {"kelto in a folder that cannot be entered: both folder boxes",
         [](Ambiente& a) { ProgKelto = a.pasta.caminho("falta/kelto"); }, ChamaKelto, {},
         {"Atenção: diretório @falta/ inacessível!"_cp, "Erro: diretório @falta/ inacessível!"_cp}},
        {"kelto that the system cannot start is reported",
         [](Ambiente& a) { a.srv.fake.iniciaResultado = false; }, ChamaKelto, {{"@kelto", {}, "@"}},
         {"Erro: não foi possível iniciar o programa \"@kelto\"."_cp}},
        {"graphic editor with blanks in its path: one argument, its folder",
         [](Ambiente& a) { ProgGrafemor = a.Executavel("Editor Grafico/grafemor"); }, ChamaGrafemor,
         {{"@Editor Grafico/grafemor", {}, "@Editor Grafico/"}}, {}},
        {"graphic editor not configured", [](Ambiente&) { ProgGrafemor.clear(); }, ChamaGrafemor, {},
         {"Erro: programa editor gráfico inexistente.\r\nEntre com nome no menu \"Configurar|Diretórios\"."_cp}},
        {"graphic editor missing", [](Ambiente& a) { ProgGrafemor = a.pasta.caminho("grafemor"); },
         ChamaGrafemor, {}, {"Erro: arquivo \"@grafemor\" não encontrado."_cp + kConfigurar}},
        {"drawing program that cannot be run",
         [](Ambiente& a) { ProgVelun = a.pasta.grava("velun.bat", "velun\r\n"); }, ChamaVelun, {},
         {"Erro: arquivo \"@velun.bat\" não é um programa executável."_cp + kConfigurar}},
        {"drawing program by a name relative to the working folder",
         [](Ambiente& a) {
             a.Executavel("velun");
             MudaDiretorioAtual(a.pasta.dir());
             DirDocumento = a.pasta.dir();
             ProgVelun = "velun";
         },
         ChamaVelun, {{"@velun", {}, "@"}}, {}},
    };
    const std::string antes = DiretorioAtual();
    for (const CasoPrograma& c : casos) {
        SCOPED_TRACE(c.descricao);
        Ambiente a;
        c.prepara(a);
        const std::string pasta = DiretorioAtual();
        c.comando();
        EXPECT_EQ(DiretorioAtual(), pasta);   // the working folder does not change
        std::vector<Programa> esperados;
        for (Programa p : c.programas) {
            p.programa = Troca(p.programa, a.pasta.dir());
            p.pasta = Troca(p.pasta, a.pasta.dir());
            esperados.push_back(p);
        }
        EXPECT_EQ(a.srv.fake.programas, esperados);
        std::vector<std::string> textos;
        for (const std::string& t : c.textos) textos.push_back(Troca(t, a.pasta.dir()));
        EXPECT_EQ(a.dlg.fake.Textos(), textos);
        MudaDiretorioAtual(antes);
    }
}

TEST(ListasDoDicionario, AbertasNoEditorDoSistema) {
    // The list's name ("@" the test folder), a file made there ("" none), what the desktop gets ("" nothing).
    struct Caso { const char* descricao; std::string lista, criar, aberto; std::vector<std::string> textos; };
    // Deeper than a 256-character command line, each name within the system's limit.
    const std::string longo = std::string(100, 'a') + "/" + std::string(100, 'b') + "/" + std::string(100, 'c') +
                              "/diciona.nom";
    const Caso casos[] = {
        {"a bare name is taken from the program folder", "diciona.nom", "diciona.nom", "@diciona.nom", {}},
        {"else from the data folder, where the dictionary ships", "diciona.exc", "dados/diciona.exc",
         "@dados/diciona.exc", {}},
        {"the name's letter case as the file has it", "DICIONA.EXC", "diciona.exc", "@diciona.exc", {}},
        {"a name with its own folder as it stands", "@listas/nomes.txt", "listas/nomes.txt", "@listas/nomes.txt", {}},
        {"a path longer than any command buffer goes whole", "@" + longo, longo, "@" + longo, {}},
        {"a list that is nowhere", "nada.nom", "", "", {"Arquivo não encontrado: nada.nom"_cp}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.descricao);
        Ambiente a;
        VariavelAmbiente dados("DOTMARA_DATA_DIR", a.pasta.caminho("dados/"));
        if (!c.criar.empty()) {
            CriaPastasDe(a.pasta.caminho(c.criar));
            a.pasta.grava(c.criar, "Maria\r\n");
        }
        EditaListaDicionario(Troca(c.lista, a.pasta.dir()));
        std::vector<std::string> abertos;
        if (!c.aberto.empty()) abertos.push_back(Troca(c.aberto, a.pasta.dir()));
        EXPECT_EQ(a.srv.fake.abertos, abertos);
        std::vector<std::string> textos;
        for (const std::string& t : c.textos) textos.push_back(Troca(t, a.pasta.dir()));
        EXPECT_EQ(a.dlg.fake.Textos(), textos);
        EXPECT_TRUE(a.srv.fake.programas.empty());
    }
}

TEST(Manual, AbertoNoNavegador) {
    {
        Ambiente a;   // the manual the program ships, from the data folder
        AbreManual();
        ASSERT_EQ(a.srv.fake.abertos.size(), 1u);
        EXPECT_EQ(ExtraiNomeArquivo(a.srv.fake.abertos[0]), "dotmara.html");
        EXPECT_TRUE(ArquivoExiste(a.srv.fake.abertos[0]));
        EXPECT_TRUE(a.dlg.fake.registros.empty());
    }
    {
        Ambiente a;   // one in the program folder comes first
        const std::string proprio = a.pasta.grava("dotmara.html", "<!DOCTYPE html>");
        AbreManual();
        EXPECT_EQ(a.srv.fake.abertos, std::vector<std::string>{proprio});
    }
    {
        Ambiente a;   // none anywhere: the box, nothing opened
        VariavelAmbiente dados("DOTMARA_DATA_DIR", a.pasta.dir());
        AbreManual();
        EXPECT_TRUE(a.srv.fake.abertos.empty());
        ASSERT_EQ(a.dlg.fake.registros.size(), 1u);
        EXPECT_EQ(a.dlg.fake.registros[0].texto, "Arquivo de ajuda não encontrado"_cp);
        EXPECT_EQ(a.dlg.fake.registros[0].icone, Icone::Erro);
    }
}

TEST(Puma7, ArquivoDaPlacaEPrograma) {
    Ambiente a;
    ProgPuma = a.Executavel("puma/puma2");
    const std::string placa = PreparaPuma();
    ASSERT_FALSE(placa.empty());
    EXPECT_TRUE(ArquivoExiste(placa));
    EXPECT_EQ(ExtraiDiretorio(placa), DirTemporario());
    EXPECT_EQ(ExtraiNomeArquivo(placa).rfind("BRL", 0), 0u);
    EXPECT_EQ(ExtraiExtensao(placa), ".TMP");
    EXPECT_NE(PreparaPuma(), placa) << "every job gets a file of its own";

    ChamaPuma(placa, false);
    EXPECT_TRUE(a.srv.fake.programas.empty()) << "a job that failed starts nothing";
    ChamaPuma(placa, true);
    EXPECT_EQ(a.srv.fake.programas, (std::vector<Programa>{{ProgPuma, {placa}, a.pasta.caminho("puma")}}));
    std::remove(CaminhoNativo(placa).c_str());
    ProgPuma = a.pasta.caminho("puma2.exe");   // a refused program makes no file
    EXPECT_TRUE(PreparaPuma().empty());
    EXPECT_EQ(a.dlg.fake.Textos(),
              std::vector<std::string>{Troca("Erro: arquivo \"@puma2.exe\" não encontrado."_cp + kConfigurar,
                                             a.pasta.dir())});
}

} // namespace
