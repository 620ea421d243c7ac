// The dictionary: its five files, the stem search, the word check and the
// suggestions, over small files written by each test.
#include "core/dmvars.h"
#include "editor/dmdic.h"
#include "platform/dialogos.h"
#include "platform/texto.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Five dictionary files in a folder of their own; each test changes what it
// needs and loads.
class Dic : public ::testing::Test {
protected:
    void SetUp() override {
        sufixos = "[n]\r\no\r\na\r\nos\r\nas\r\n"
                  "*  a comment line\r\n"
                  "[ v ]\r\nar\r\no\r\nou\r\n"
                  "[N2]\r\nzinho\r\n";
        radicais = "gat n\r\n"
                   "casa = n\r\n"
                   "sol\r\n"
                   "cant   v\r\n"
                   "\r\n"
                   "*cas = n\r\n"
                   "pat n2 N\r\n";
        inexistentes = "";
        nomes = "";
        sugestoes = "";
    }
    void TearDown() override {
        LiberaDicionario();
        DicionarioCarregado = false;
    }
    int Carrega() {
        return CarregaDicionario(pasta.grava("d.dic", radicais), pasta.grava("d.suf", sufixos),
                                 pasta.grava("d.exc", inexistentes), pasta.grava("d.nom", nomes),
                                 pasta.grava("d.sug", sugestoes));
    }
    std::vector<std::string> Sugestoes(const std::string& palavra) {
        std::vector<std::string> l;
        SugerePalavras(palavra, l);
        return l;
    }
    PastaTemporaria pasta;
    DialogosFalsosEscopo d;
    std::string sufixos, radicais, inexistentes, nomes, sugestoes;
};

TEST_F(Dic, PalavrasDosRadicaisESuasClasses) {
    ASSERT_EQ(Carrega(), DicCarregado);
    const struct {
        const char* palavra;
        bool correta;
        const char* caso;
    } casos[] = {
        {"gato", true, "stem + suffix"},
        {"gatas", true, "another suffix of the class"},
        {"gat", false, "no \"=\": the bare stem is no word"},
        {"casa", true, "\"=\" accepts the bare stem"},
        {"casaos", true, "\"=\" and a class on one line"},
        {"sol", true, "a line without a blank is the bare stem"},
        {"solo", false, "... and only that"},
        {"cantou", true, "several blanks before the class list are one"},
        {"canto", true, "header with blanks inside its brackets"},
        {"GATO", true, "letter case of the word does not count"},
        {"Cantar", true, "nor does it at the start"},
        {"patozinho", false, "forms are stem + one suffix"},
        {"patzinho", true, "class names ignore letter case (N2 and n2)"},
        {"cas", false, "a commented stem line"},
        {"caso", false, "a commented stem line, with its class"},
        {"gatx", false, "a suffix that no class holds"},
        {"", false, "the empty word"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(PalavraCorreta(c.palavra), c.correta) << c.caso << ": " << c.palavra;
    EXPECT_TRUE(d.fake.registros.empty());
}

TEST_F(Dic, SufixosSemClasseNaoContam) {
    sufixos = "solto\r\n[]\r\nvazio\r\n[ ]\r\nbranco\r\n[n\r\no\r\n";
    radicais = "gat n\r\n";
    ASSERT_EQ(Carrega(), DicCarregado);
    EXPECT_TRUE(PalavraCorreta("gato")) << "a header without \"]\" still opens its class";
    EXPECT_FALSE(PalavraCorreta("gatsolto")) << "suffix before the first header";
    EXPECT_FALSE(PalavraCorreta("gatvazio")) << "suffix of a class without a name";
    EXPECT_FALSE(PalavraCorreta("gatbranco")) << "a name of blanks is empty";
    ASSERT_EQ(Dicionario.ClassesSufixos.size(), 1u);
    EXPECT_EQ(Dicionario.ClassesSufixos[0].Nome, "n");
}

TEST_F(Dic, ClasseAbertaDuasVezesJuntaOsSufixos) {
    sufixos = "[n]\r\no\r\n[v]\r\nar\r\n[N]\r\ninho\r\n";
    ASSERT_EQ(Carrega(), DicCarregado);
    EXPECT_TRUE(PalavraCorreta("gato"));
    EXPECT_TRUE(PalavraCorreta("gatinho"));
}

TEST_F(Dic, RadicalRepetidoContaTodasAsLinhas) {
    radicais = "gat n\r\nGAT =\r\n";
    ASSERT_EQ(Carrega(), DicCarregado);
    EXPECT_TRUE(PalavraCorreta("gato"));
    EXPECT_TRUE(PalavraCorreta("gat"));
}

TEST_F(Dic, NomesSoNaGrafiaExata) {
    nomes = "Rio\r\n  Brasil\t\r\n*Comentado\r\n";
    radicais += "ri n\r\n";
    ASSERT_EQ(Carrega(), DicCarregado);
    EXPECT_TRUE(PalavraCorreta("Brasil")) << "a name line is trimmed";
    EXPECT_FALSE(PalavraCorreta("brasil"));
    EXPECT_FALSE(PalavraCorreta("BRASIL"));
    EXPECT_FALSE(PalavraCorreta("Comentado"));
    // A stem still accepts other spellings of a name.
    EXPECT_TRUE(PalavraCorreta("RIO"));
    EXPECT_TRUE(PalavraCorreta("rio"));
}

TEST_F(Dic, SempreErradaSoPerdeParaNomeDeMesmaGrafia) {
    inexistentes = "gata\r\nCASAS\r\n";
    nomes = "Gata\r\n";
    ASSERT_EQ(Carrega(), DicCarregado);
    EXPECT_FALSE(PalavraCorreta("gata")) << "wrong although the stem makes it";
    EXPECT_FALSE(PalavraCorreta("GATA"));
    EXPECT_FALSE(PalavraCorreta("casas")) << "the list ignores letter case";
    EXPECT_TRUE(PalavraCorreta("Gata")) << "a name of the same spelling wins";
    EXPECT_TRUE(PalavraCorreta("gato"));
}

TEST_F(Dic, ClasseInexistenteAvisadaUmaVezPorCarga) {
    radicais = "gat xyz n\r\ncas XYZ\r\n";
    ASSERT_EQ(Carrega(), DicCarregado);
    const std::string aviso = "problemas no dicionário: sufixo xyz"_cp;
    EXPECT_TRUE(PalavraCorreta("gato")) << "the other classes of the entry count";
    for (int i = 0; i < 50; ++i)
        PalavraCorreta("gatos");
    PalavraCorreta("casa");
    EXPECT_EQ(ExpandeVerbete(Dicionario.ListaRadicais[1]), (std::vector<std::string>{"gato", "gata", "gatos", "gatas"}));
    ASSERT_EQ(d.fake.Textos(), std::vector<std::string>{aviso}) << "once, whatever the spelling of the name";
    ASSERT_EQ(Carrega(), DicCarregado);
    PalavraCorreta("gato");
    EXPECT_EQ(d.fake.Textos().size(), 2u) << "a new load reports it again";
}

TEST_F(Dic, ExpandeVerbeteNaOrdemDasClasses) {
    ASSERT_EQ(Carrega(), DicCarregado);
    int i = -1;
    ASSERT_TRUE(Dicionario.ListaRadicais.Find("CASA", i));
    EXPECT_EQ(ExpandeVerbete(Dicionario.ListaRadicais[i]),
              (std::vector<std::string>{"casa", "casao", "casaa", "casaos", "casaas"}));
    EXPECT_EQ(ExpandeVerbete(TDicio("Sol", "  =   =  ")), (std::vector<std::string>{"Sol", "Sol"}))
        << "the stem keeps its spelling; runs of blanks are skipped";
    EXPECT_TRUE(ExpandeVerbete(TDicio("x", "")).empty());
}

TEST(TDicListFind, BuscaBinariaAchaOPrimeiroIgual) {
    TDicList l;
    for (const char* r : {"b", "A", "c", "B", "ab"})
        l.Add(TDicio(r, "="));
    l.Sort();
    ASSERT_EQ(l.Count(), 5);
    EXPECT_EQ(l[0].Radical, "A");
    EXPECT_EQ(l[2].Radical, "b") << "equal stems keep the order they were added in";
    EXPECT_EQ(l[3].Radical, "B");
    const struct {
        const char* chave;
        bool achou;
        int indice;
    } casos[] = {
        {"b", true, 2}, {"B", true, 2}, {"a", true, 0}, {"ab", true, 1},
        {"0", false, 0}, {"aa", false, 1}, {"bb", false, 4}, {"z", false, 5}, {"", false, 0},
    };
    for (const auto& c : casos) {
        int i = -1;
        EXPECT_EQ(l.Find(c.chave, i), c.achou) << c.chave;
        EXPECT_EQ(i, c.indice) << c.chave;
    }
    TDicList vazia;
    int i = -1;
    EXPECT_FALSE(vazia.Find("a", i));
    EXPECT_EQ(i, 0);
}

// The first equal entry the halving meets need not be the leftmost one: with
// three equal stems at the end of seven, it meets the middle one first.
TEST(TDicListFind, IgualEncontradoNoMeioContinuaAEsquerda) {
    TDicList l;
    for (const char* r : {"a", "b", "c", "d", "x", "X", "x"})
        l.Add(TDicio(r, "="));
    l.Sort();
    int i = -1;
    ASSERT_TRUE(l.Find("x", i));
    EXPECT_EQ(i, 4);
}

// ---- Loading ------------------------------------------------------------------

TEST_F(Dic, CodigoDoPrimeiroArquivoQueFalha) {
    // Files are read suffixes, stems, always wrong, names, rules.
    const struct {
        std::vector<int> faltam; // 1 stems, 2 suffixes, 3 always wrong, 4 names, 5 rules
        int codigo;
    } casos[] = {
        {{}, 0}, {{1}, 1}, {{2}, 2}, {{3}, 3}, {{4}, 4}, {{5}, 5},
        {{1, 2}, 2}, {{1, 5}, 1}, {{3, 4, 5}, 3}, {{4, 5}, 4}, {{1, 2, 3, 4, 5}, 2},
    };
    for (const auto& c : casos) {
        std::string arq[6] = {"", pasta.grava("d.dic", radicais), pasta.grava("d.suf", sufixos),
                              pasta.grava("d.exc", ""), pasta.grava("d.nom", ""), pasta.grava("d.sug", "")};
        for (int f : c.faltam)
            arq[f] = pasta.caminho("falta.txt");
        EXPECT_EQ(CarregaDicionario(arq[1], arq[2], arq[3], arq[4], arq[5]), c.codigo)
            << "missing: " << testing::PrintToString(c.faltam);
    }
    EXPECT_TRUE(d.fake.registros.empty()) << "a file that cannot be opened has no message of its own";
}

// A setting that names no dictionary file: a folder, a FIFO, a file of a
// gigabyte (sparse here). Each fails as a file that cannot be read, at once.
TEST_F(Dic, ArquivoQueNaoEDicionarioFalhaComSeuCodigo) {
    const std::string enorme = pasta.caminho("enorme.dic");
    {
        std::ofstream f(enorme, std::ios::binary);
    }
    std::filesystem::resize_file(enorme, std::uintmax_t{1} << 30);
    const std::string fifo = pasta.caminho("fila.suf");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string suf = pasta.grava("d.suf", sufixos), vazio = pasta.grava("v.txt", "");
    EXPECT_EQ(CarregaDicionario(enorme, suf, vazio, vazio, vazio), DicFalhaRadicais);
    EXPECT_EQ(CarregaDicionario(pasta.grava("d.dic", radicais), fifo, vazio, vazio, vazio), DicFalhaSufixos);
    EXPECT_EQ(CarregaDicionario(pasta.grava("d.dic", radicais), suf, pasta.dir(), vazio, vazio),
              DicFalhaInexistentes);
    EXPECT_EQ(Dicionario.ListaRadicais.Count(), 0);
}

TEST_F(Dic, CargaQueFalhaNaoDeixaNadaLido) {
    ASSERT_EQ(Carrega(), DicCarregado);
    DicionarioCarregado = true;
    ASSERT_TRUE(PalavraCorreta("gato"));
    EXPECT_EQ(CarregaDicionario(pasta.grava("e.dic", "lob n\r\n"), pasta.grava("e.suf", sufixos),
                                pasta.grava("e.exc", ""), pasta.caminho("falta.nom"), pasta.grava("e.sug", "")),
              DicFalhaNomes);
    EXPECT_FALSE(DicionarioCarregado);
    EXPECT_FALSE(PalavraCorreta("gato")) << "the old lists are gone";
    EXPECT_FALSE(PalavraCorreta("lobo")) << "what the failed load read is not used";
    EXPECT_EQ(Dicionario.ListaRadicais.Count(), 0);
    EXPECT_TRUE(Dicionario.ClassesSufixos.empty());
}

TEST_F(Dic, NomeSemPastaLidoDaPastaDeDados) {
    const std::string antes = DirPrograma;
    DirPrograma = pasta.dir();
    pasta.grava("d.dic", radicais);
    pasta.grava("D.SUF", sufixos);
    pasta.grava("d.exc", "");
    pasta.grava("d.nom", "");
    pasta.grava("d.sug", "");
    EXPECT_EQ(CarregaDicionario("d.dic", "d.suf", "d.exc", "d.nom", "d.sug"), DicCarregado)
        << "a bare name is looked for in the program folder, letter case aside";
    EXPECT_EQ(CarregaDicionario("", "d.suf", "d.exc", "d.nom", "d.sug"), DicFalhaRadicais) << "an empty name";
    DirPrograma = antes;
    EXPECT_TRUE(d.fake.registros.empty());
}

TEST_F(Dic, LinhasDoArquivoDeSugestoes) {
    const std::string corta(120, 'x');
    const struct {
        std::string conteudo;
        int codigo;
        std::string linhaErrada;
        std::vector<std::string> de, para;
    } casos[] = {
        {"a=b\r\n\r\nce = de \r\n", 0, "", {"a", "ce"}, {"b", "de"}},
        {"a=b\n*abc\n", 5, "*abc", {}, {}},
        {"*x=y\n", 0, "", {"*x"}, {"y"}},
        {"=x\n", 5, "=x", {}, {}},
        {"   \n", 5, "   ", {}, {}},
        {" =s\n", 0, "", {""}, {"s"}},
        {"a=\n", 0, "", {"a"}, {""}},
        {"a==b\n", 0, "", {"a"}, {"=b"}},
        {"a=" + corta + "\n", 0, "", {"a"}, {std::string(99, 'x')}},
        {"a= " + corta + "\n", 0, "", {"a"}, {std::string(98, 'x')}},
    };
    for (const auto& c : casos) {
        d.fake.Limpa();
        const std::string nome = pasta.grava("d.sug", c.conteudo);
        const int r = CarregaDicionario(pasta.grava("d.dic", radicais), pasta.grava("d.suf", sufixos),
                                        pasta.grava("d.exc", ""), pasta.grava("d.nom", ""), nome);
        EXPECT_EQ(r, c.codigo) << c.conteudo;
        if (c.linhaErrada.empty())
            EXPECT_TRUE(d.fake.registros.empty()) << c.conteudo;
        else
            EXPECT_EQ(d.fake.Textos(), std::vector<std::string>{"Linha errada no arquivo " + nome + ": " + c.linhaErrada})
                << c.conteudo;
        EXPECT_EQ(Dicionario.SugestaoDe, c.de) << c.conteudo;
        EXPECT_EQ(Dicionario.SugestaoPara, c.para) << c.conteudo;
    }
}

// ---- Suggestions ------------------------------------------------------------------

TEST(ConverteMaiusculas, LetrasEBytesAltos) {
    EXPECT_EQ(ConverteMaiusculas("ação, 42 é"_cp), "AÇÃO, 42 É"_cp);
    EXPECT_EQ(ConverteMaiusculas("\xf7\xff\xe0"), "\xd7\xdf\xc0") << "every byte from 224 loses 32";
    EXPECT_EQ(ConverteMaiusculas("\x9a\xaa{"), "\x9a\xaa{") << "other bytes stay";
    EXPECT_EQ(ConverteMaiusculas(""), "");
}

TEST_F(Dic, SugestoesDasRegras) {
    sugestoes = "c=ç\r\nss=ç\r\n =s\r\n =a\r\nx=ch\r\na=\r\n"_cp;
    radicais += "aç ão\r\nchá =\r\nCha =\r\nhorta =\r\n"_cp;
    sufixos += "[ão]\r\não\r\n"_cp;
    ASSERT_EQ(Carrega(), DicCarregado);
    const struct {
        std::string palavra;
        std::vector<std::string> sugestoes;
        const char* caso;
    } casos[] = {
        {"acão"_cp, {"ação"_cp}, "one rule at one place"},
        {"assão"_cp, {"ação"_cp}, "a rule of two letters"},
        {"caa", {"casa"}, "an empty \"from\" inserts before a letter"},
        {"cas", {}, "... never after the last one (casa)"},
        {"xá"_cp, {"chá"_cp}, "Cha differs from chá in its accent and is not made"},
        {"gaato", {"gato"}, "the same word from two places, once"},
        {"orta", {"horta"}, "h before a word that begins with a vowel"},
        {"", {}, "the empty word"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Sugestoes(c.palavra), c.sugestoes) << c.caso;
}

// A run of letters longer than any word (a pasted code, a line of one
// letter): the check and the suggestions end at once, what fits is still
// found, and names longer than every stem with its suffix still count.
TEST_F(Dic, PalavraMaiorQueTodasAsDoDicionario) {
    nomes = "Pedrodealcantarafrancisco\r\n";
    sugestoes = "s=\r\n =a\r\np=P\r\n";
    ASSERT_EQ(Carrega(), DicCarregado);
    const std::string longa(300000, 's');
    EXPECT_FALSE(PalavraCorreta(longa));
    EXPECT_TRUE(Sugestoes(longa).empty());
    EXPECT_TRUE(Sugestoes(longa + "gato").empty());
    EXPECT_EQ(Sugestoes("patzinhos"), (std::vector<std::string>{"patzinho"})) << "the longest form of the stems";
    EXPECT_TRUE(PalavraCorreta("Pedrodealcantarafrancisco"));
    EXPECT_EQ(Sugestoes("pedrodealcantarafrancisco"), (std::vector<std::string>{"Pedrodealcantarafrancisco"}));
}

TEST_F(Dic, SugestoesIncluemAPropriaPalavraEVariantesDeCaixa) {
    nomes = "Abc\r\nGATO\r\n";
    radicais += "abc =\r\n";
    sugestoes = " =o\r\n";
    ASSERT_EQ(Carrega(), DicCarregado);
    const auto l = Sugestoes("gato");
    EXPECT_EQ(l, (std::vector<std::string>{"gato"})) << "the word itself; GATO differs only in case";
    EXPECT_EQ(Sugestoes("abc"), (std::vector<std::string>{"abc"})) << "Abc would repeat abc apart from case";
    EXPECT_EQ(Sugestoes("gatu").size(), 0u);
    // The word in capitals when only the capitals are correct.
    nomes = "ONU\r\n";
    ASSERT_EQ(Carrega(), DicCarregado);
    EXPECT_EQ(Sugestoes("onu"), (std::vector<std::string>{"ONU"}));
    EXPECT_EQ(Sugestoes("Onu"), (std::vector<std::string>{"ONU"}));
}

TEST_F(Dic, SugestoesEmOrdemAlfabeticaSemRepetirCaixa) {
    radicais = "ação =\r\nacaso =\r\nacabar =\r\nÁgua =\r\naguar =\r\n"_cp;
    sufixos = "";
    sugestoes = "x=ção\r\nx=caso\r\nx=guar\r\nx=cabar\r\nx=GUAR\r\nx=gua\r\nx=á\r\n"_cp;
    ASSERT_EQ(Carrega(), DicCarregado);
    // Accents after base letters: ação between acabar and acaso; aGUAR
    // repeats aguar apart from case and is left out; agua is not Água.
    EXPECT_EQ(Sugestoes("ax"), (std::vector<std::string>{"acabar", "ação"_cp, "acaso", "aguar"}));
    EXPECT_EQ(Sugestoes("xgua"), (std::vector<std::string>{"água"_cp})) << "the stem accepts other letter cases";
}

} // namespace
