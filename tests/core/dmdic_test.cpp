// The dictionary: its five files, the stem search, the word check and the
// suggestions, over small files written by each test.
#include "core/dmvars.h"
#include "editor/dmdic.h"
#include "platform/dialogos.h"
#include "platform/texto.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Lista = std::vector<std::string>;

const std::string kSufixos =
    "[n]\r\no\r\na\r\nos\r\nas\r\n*  a comment line\r\n[ v ]\r\nar\r\no\r\nou\r\n[N2]\r\nzinho\r\n";
const std::string kRadicais = "gat n\r\ncasa = n\r\nsol\r\ncant   v\r\n\r\n*cas = n\r\npat n2 N\r\n";

// Five dictionary files in a folder of their own; each test changes what it
// needs and loads.
class Dic : public ::testing::Test {
protected:
    void TearDown() override {
        LiberaDicionario();
        DicionarioCarregado = false;
    }
    int Carrega() {
        return CarregaDicionario(pasta.grava("d.dic", radicais), pasta.grava("d.suf", sufixos),
                                 pasta.grava("d.exc", inexistentes), pasta.grava("d.nom", nomes),
                                 pasta.grava("d.sug", sugestoes));
    }
    Lista Sugestoes(const std::string& palavra) {
        Lista l;
        SugerePalavras(palavra, l);
        return l;
    }
    PastaTemporaria pasta;
    DialogosFalsosEscopo d;
    std::string sufixos = kSufixos, radicais = kRadicais, inexistentes, nomes, sugestoes;
};

// The files of a load (nullopt: the default) and what it accepts and suggests.
struct CasoCarga {
    const char* nome;
    std::optional<std::string> sufixos, radicais, nomes, inexistentes, sugestoes;
    std::vector<std::pair<std::string, bool>> palavras;
    std::vector<std::pair<std::string, Lista>> sugeridas;
};

TEST_F(Dic, WordsAndSuggestionsOfEachLoad) {
    const std::string longa(300000, 's');
    const std::string regras = kRadicais + "aç ão\r\nchá =\r\nCha =\r\nhorta =\r\n"_cp;
    const std::string sufRegras = kSufixos + "[ão]\r\não\r\n"_cp;
    const std::string comAbc = kRadicais + "abc =\r\n", comRi = kRadicais + "ri n\r\n";
    const CasoCarga casos[] = {
        {"stems and their classes", {}, {}, {}, {}, {},
         {{"gato", true}, {"gatas", true},                 // stem + a suffix of its class
          {"gat", false}, {"casa", true}, {"casaos", true}, // "=" accepts the bare stem, also with a class
          {"sol", true}, {"solo", false},                  // a line without a blank: the bare stem only
          {"cantou", true}, {"canto", true},               // runs of blanks; blanks inside a class header
          {"GATO", true}, {"Cantar", true},                // the word's letter case does not count
          {"patozinho", false}, {"patzinho", true},        // one suffix; class names ignore case
          {"cas", false}, {"caso", false},                 // a commented stem line
          {"gatx", false}, {"", false}},
         {}},
        {"suffixes outside a named class", "solto\r\n[]\r\nvazio\r\n[ ]\r\nbranco\r\n[n\r\no\r\n", "gat n\r\n",
         {}, {}, {},
         {{"gato", true}, {"gatsolto", false}, {"gatvazio", false}, {"gatbranco", false}}, {}},
        {"a class opened twice joins its suffixes", "[n]\r\no\r\n[v]\r\nar\r\n[N]\r\ninho\r\n", {}, {},
         {}, {}, {{"gato", true}, {"gatinho", true}}, {}},
        {"a repeated stem counts every line", {}, "gat n\r\nGAT =\r\n", {}, {}, {},
         {{"gato", true}, {"gat", true}}, {}},
        {"names only as written, trimmed; a stem accepts any case", {}, comRi,
         "Rio\r\n  Brasil\t\r\n*Comentado\r\n", {}, {},
         {{"Brasil", true}, {"brasil", false}, {"BRASIL", false}, {"Comentado", false}, {"RIO", true},
          {"rio", true}},
         {}},
        {"always wrong, unless a name of the same spelling", {}, {}, "Gata\r\n", "gata\r\nCASAS\r\n",
         {}, {{"gata", false}, {"GATA", false}, {"casas", false}, {"Gata", true}, {"gato", true}}, {}},
        {"suggestion rules", sufRegras, regras, {}, {},
         "c=ç\r\nss=ç\r\n =s\r\n =a\r\nx=ch\r\na=\r\n"_cp, {},
         {{"acão"_cp, {"ação"_cp}}, {"assão"_cp, {"ação"_cp}},   // one rule at one place; a rule of two letters
          {"caa", {"casa"}}, {"cas", {}},          // an empty "from" inserts before a letter, never after the last
          {"xá"_cp, {"chá"_cp}},                   // Cha differs from chá in its accent
          {"gaato", {"gato"}},                     // the same word from two places, once
          {"orta", {"horta"}}, {"", {}}}},
        {"a word longer than any of the dictionary ends at once", {}, {}, "Pedrodealcantarafrancisco\r\n",
         {}, "s=\r\n =a\r\np=P\r\n", {{longa, false}, {"Pedrodealcantarafrancisco", true}},
         {{longa, {}}, {longa + "gato", {}}, {"patzinhos", {"patzinho"}},
          {"pedrodealcantarafrancisco", {"Pedrodealcantarafrancisco"}}}},
        {"the word itself, no variants of case", {}, comAbc, "Abc\r\nGATO\r\n", {}, " =o\r\n", {},
         {{"gato", {"gato"}}, {"abc", {"abc"}}, {"gatu", {}}}},
        {"the capitals when only they are correct", {}, {}, "ONU\r\n", {}, " =o\r\n", {},
         {{"onu", {"ONU"}}, {"Onu", {"ONU"}}}},
        // Accents after base letters; aGUAR repeats aguar apart from case; agua is not Água.
        // Rules made "cOntem" of "Ontem" and "aProximo" of "Proximo".
        {"the word's letter case", "", "contem =\r\nontem =\r\naproximo =\r\npróximo =\r\n"_cp, "McDonald\r\n", {},
         " =c\r\n =a\r\no=ó\r\nla=al\r\n"_cp, {},
         {{"Ontem", {"Contem", "Ontem"}}, {"ONTEM", {"CONTEM", "ONTEM"}}, {"ontem", {"contem", "ontem"}},
          {"Proximo", {"Aproximo", "Próximo"_cp}}, {"PrOximo", {"Aproximo"}}, {"McDonlad", {"McDonald"}}}},
        {"alphabetical order", "", "ação =\r\nacaso =\r\nacabar =\r\nÁgua =\r\naguar =\r\n"_cp, {},
         {}, "x=ção\r\nx=caso\r\nx=guar\r\nx=cabar\r\nx=GUAR\r\nx=gua\r\nx=á\r\n"_cp, {},
         {{"ax", {"acabar", "ação"_cp, "acaso", "aguar"}}, {"xgua", {"água"_cp}}}},
    };
    for (const CasoCarga& c : casos) {
        SCOPED_TRACE(c.nome);
        sufixos = c.sufixos.value_or(kSufixos);
        radicais = c.radicais.value_or(kRadicais);
        nomes = c.nomes.value_or("");
        inexistentes = c.inexistentes.value_or("");
        sugestoes = c.sugestoes.value_or("");
        ASSERT_EQ(Carrega(), DicCarregado);
        for (const auto& [palavra, correta] : c.palavras)
            EXPECT_EQ(PalavraCorreta(palavra), correta) << palavra.substr(0, 40);
        for (const auto& [palavra, lista] : c.sugeridas) EXPECT_EQ(Sugestoes(palavra), lista) << palavra.substr(0, 40);
        EXPECT_TRUE(d.fake.registros.empty());
    }
}

TEST_F(Dic, ClasseInexistenteAvisadaUmaVezPorCarga) {
    radicais = "gat xyz n\r\ncas XYZ\r\n";
    ASSERT_EQ(Carrega(), DicCarregado);
    EXPECT_TRUE(PalavraCorreta("gato")) << "the other classes of the entry count";
    for (int i = 0; i < 50; ++i) PalavraCorreta("gatos");
    PalavraCorreta("casa");
    EXPECT_EQ(ExpandeVerbete(Dicionario.ListaRadicais[1]), (Lista{"gato", "gata", "gatos", "gatas"}));
    ASSERT_EQ(d.fake.Textos(), Lista{"problemas no dicionário: sufixo xyz"_cp}) << "once, whatever the name's case";
    ASSERT_EQ(Carrega(), DicCarregado);
    PalavraCorreta("gato");
    EXPECT_EQ(d.fake.Textos().size(), 2u) << "a new load reports it again";
}

TEST_F(Dic, ExpandeVerbeteNaOrdemDasClasses) {
    ASSERT_EQ(Carrega(), DicCarregado);
    int i = -1;
    ASSERT_TRUE(Dicionario.ListaRadicais.Find("CASA", i));
    EXPECT_EQ(ExpandeVerbete(Dicionario.ListaRadicais[i]), (Lista{"casa", "casao", "casaa", "casaos", "casaas"}));
    EXPECT_EQ(ExpandeVerbete(TDicio("Sol", "  =   =  ")), (Lista{"Sol", "Sol"})) << "runs of blanks are skipped";
    EXPECT_TRUE(ExpandeVerbete(TDicio("x", "")).empty());
}

// The first equal stem, in the order added; with three equal stems at the
// end of seven the halving meets the middle one first.
TEST(TDicListFind, BuscaBinariaAchaOPrimeiroIgual) {
    TDicList l;
    for (const char* r : {"b", "A", "c", "B", "ab"}) l.Add(TDicio(r, "="));
    l.Sort();
    ASSERT_EQ(l.Count(), 5);
    EXPECT_EQ(l[2].Radical, "b");
    EXPECT_EQ(l[3].Radical, "B");
    const std::tuple<const char*, bool, int> casos[] = {
        {"b", true, 2}, {"B", true, 2}, {"a", true, 0}, {"ab", true, 1}, {"0", false, 0},
        {"aa", false, 1}, {"bb", false, 4}, {"z", false, 5}, {"", false, 0},
    };
    for (const auto& [chave, achou, indice] : casos) {
        int i = -1;
        EXPECT_EQ(l.Find(chave, i), achou) << chave;
        EXPECT_EQ(i, indice) << chave;
    }
    TDicList sete;
    for (const char* r : {"a", "b", "c", "d", "x", "X", "x"}) sete.Add(TDicio(r, "="));
    sete.Sort();
    int i = -1;
    ASSERT_TRUE(sete.Find("x", i));
    EXPECT_EQ(i, 4);
    EXPECT_FALSE(TDicList().Find("a", i));
    EXPECT_EQ(i, 0);
}

TEST_F(Dic, CodigoDoPrimeiroArquivoQueFalha) {
    // Read in the order suffixes, stems, always wrong, names, rules.
    const std::pair<std::vector<int>, int> casos[] = {   // 1 stems, 2 suffixes, 3 always wrong, 4 names, 5 rules
        {{}, 0}, {{1}, 1}, {{2}, 2}, {{3}, 3}, {{4}, 4}, {{5}, 5},
        {{1, 2}, 2}, {{1, 5}, 1}, {{3, 4, 5}, 3}, {{4, 5}, 4}, {{1, 2, 3, 4, 5}, 2},
    };
    for (const auto& [faltam, codigo] : casos) {
        std::string arq[6] = {"", pasta.grava("d.dic", radicais), pasta.grava("d.suf", sufixos),
                              pasta.grava("d.exc", ""), pasta.grava("d.nom", ""), pasta.grava("d.sug", "")};
        for (int f : faltam) arq[f] = pasta.caminho("falta.txt");
        EXPECT_EQ(CarregaDicionario(arq[1], arq[2], arq[3], arq[4], arq[5]), codigo) << testing::PrintToString(faltam);
    }
    EXPECT_TRUE(d.fake.registros.empty()) << "a file that cannot be opened has no message of its own";
}

// A folder, a FIFO, a file of a gigabyte (sparse), one of 17 MB of good
// lines, random bytes, a file in UTF-16, a control character, a line of
// 5000 letters: each file fails with its own code; a tab, a long line and
// a final Ctrl+Z are text.
TEST_F(Dic, ArquivoQueNaoEDicionarioFalhaComSeuCodigo) {
    std::mt19937 gerador(22);
    std::string aleatorio(200000, '\0');
    for (char& c : aleatorio) c = static_cast<char>(gerador());
    std::string grande;
    while (grande.size() <= (std::size_t{17} << 20)) grande += "radical =\r\n";
    const std::string ruins[] = {aleatorio, grande, std::string("g\0a\0t\0 \0n\0\r\0\n\0", 14),
                                 "gat n\r\nca\x01sa =\r\n", "gat n\r\n" + std::string(5000, 'x') + "\r\n"};
    for (const std::string& ruim : ruins) {
        for (int arquivo = 1; arquivo <= 5; ++arquivo) {
            std::string arq[6] = {"", pasta.grava("d.dic", radicais), pasta.grava("d.suf", sufixos),
                                  pasta.grava("d.exc", ""), pasta.grava("d.nom", ""), pasta.grava("d.sug", "a=b\n")};
            arq[arquivo] = pasta.grava("ruim.txt", ruim);
            EXPECT_EQ(CarregaDicionario(arq[1], arq[2], arq[3], arq[4], arq[5]), arquivo)
                << ruim.size() << " bytes as file " << arquivo;
        }
    }
    EXPECT_TRUE(d.fake.registros.empty()) << "no message of the loader's own";
    radicais = kRadicais + "tab\t=\r\n" + std::string(4095, 'y') + "\r\n";
    ASSERT_EQ(Carrega(), DicCarregado) << "a tab and a line of 4096 bytes are text";
    EXPECT_TRUE(PalavraCorreta("tab"));
    // The end-of-file mark of a DOS text file ends the text; inside it, it is
    // a control character like the others.
    radicais = kRadicais + "sapo =\r\n\x1a";
    ASSERT_EQ(Carrega(), DicCarregado) << "a file that ends with Ctrl+Z";
    EXPECT_TRUE(PalavraCorreta("sapo"));
    radicais = kRadicais + "\x1asapo =\r\n";
    EXPECT_EQ(Carrega(), DicFalhaRadicais) << "Ctrl+Z inside the text";
    radicais = kRadicais;

    const std::string enorme = pasta.caminho("enorme.dic");
    std::ofstream(enorme, std::ios::binary).close();
    std::filesystem::resize_file(enorme, std::uintmax_t{1} << 30);
    const std::string fifo = pasta.caminho("fila.suf");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string suf = pasta.grava("d.suf", sufixos), vazio = pasta.grava("v.txt", "");
    EXPECT_EQ(CarregaDicionario(enorme, suf, vazio, vazio, vazio), DicFalhaRadicais);
    EXPECT_EQ(CarregaDicionario(pasta.grava("d.dic", radicais), fifo, vazio, vazio, vazio), DicFalhaSufixos);
    EXPECT_EQ(CarregaDicionario(pasta.grava("d.dic", radicais), suf, pasta.dir(), vazio, vazio), DicFalhaInexistentes);
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
    EXPECT_TRUE(Dicionario.ClassesSufixos.empty());
}

TEST_F(Dic, NomeSemPastaLidoDaPastaDeDados) {
    const std::string antes = DirPrograma;
    DirPrograma = pasta.dir();
    pasta.grava("d.dic", radicais);
    pasta.grava("D.SUF", sufixos);
    for (const char* n : {"d.exc", "d.nom", "d.sug"}) pasta.grava(n, "");
    EXPECT_EQ(CarregaDicionario("d.dic", "d.suf", "d.exc", "d.nom", "d.sug"), DicCarregado) << "letter case aside";
    EXPECT_EQ(CarregaDicionario("", "d.suf", "d.exc", "d.nom", "d.sug"), DicFalhaRadicais) << "an empty name";
    DirPrograma = antes;
    EXPECT_TRUE(d.fake.registros.empty());
}

TEST_F(Dic, LinhasDoArquivoDeSugestoes) {
    const std::string corta(120, 'x');
    const struct { std::string conteudo; int codigo; std::string linhaErrada; Lista de, para; } casos[] = {
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
        SCOPED_TRACE(c.conteudo);
        d.fake.Limpa();
        sugestoes = c.conteudo;
        EXPECT_EQ(Carrega(), c.codigo);
        const Lista mensagens = {"Linha errada no arquivo " + pasta.caminho("d.sug") + ": " + c.linhaErrada};
        EXPECT_EQ(d.fake.Textos(), c.linhaErrada.empty() ? Lista{} : mensagens);
        EXPECT_EQ(Dicionario.SugestaoDe, c.de);
        EXPECT_EQ(Dicionario.SugestaoPara, c.para);
    }
}

TEST(ConverteMaiusculas, LetrasEBytesAltos) {
    EXPECT_EQ(ConverteMaiusculas("ação, 42 é"_cp), "AÇÃO, 42 É"_cp);
    EXPECT_EQ(ConverteMaiusculas("\xf7\xff\xe0"), "\xd7\xdf\xc0") << "every byte from 224 loses 32";
    EXPECT_EQ(ConverteMaiusculas("\x9a\xaa{"), "\x9a\xaa{") << "other bytes stay";
}

} // namespace
