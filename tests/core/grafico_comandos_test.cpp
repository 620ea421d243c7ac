// The empty-graphic command through the dialog service, and the graphic
// reference lines the main window inserts.
#include <gtest/gtest.h>

#include "core/documento.h"
#include "core/dmvars.h"
#include "editor/dmgraficos_insercao.h"
#include "output/dmgrafpr.h"
#include "output/dmgrafpr_vazio.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "support/temporario.h"

namespace {

const std::string kPerguntaTamanho =
    "Quantas linhas e colunas alfanuméricas vai ocupar (no formato yy xx)?"_cp;
const std::string kPerguntaNome = "Nome do arquivo .GRB a criar: ";
const std::string kPerguntaDestroi =
    "Não foi possível criar: gráfico já existia.\r\nQuer destruir o anterior?"_cp;

class GraficoVazioComando : public ::testing::Test {
protected:
    std::vector<std::string> Perguntas() const {
        std::vector<std::string> r;
        for (const auto& x : dlg.fake.registros)
            if (x.tipo == DialogosFalsos::Tipo::EditaLinha) {
                EXPECT_EQ(x.titulo, "Criando gráfico vazio"_cp);
                r.push_back(x.texto);
            }
        return r;
    }
    std::string Criado(const std::string& nome) const {
        return "Gráfico vazio "_cp + nome + " foi criado.\r\n" +
               "Use o menu \"Gráficos\" para escolher como incluí-lo no texto."_cp;
    }
    PastaTemporaria pasta;
    DialogosFalsosEscopo dlg;
};

// Bad sizes (no blank, not a number, zero, negative, beyond the dot matrix)
// ask again; then the name goes beside the document with ".GRB".
TEST_F(GraficoVazioComando, TamanhoRuimPerguntaDeNovo) {
    dlg.fake.linhas = {"3", "a 4", "0 4", "-2 3", "999 999", "100000000000 2", "3 4", "mapa"};
    CriaGraficoVazio(pasta.caminho("texto.txt"));
    std::vector<std::string> esperadas(7, kPerguntaTamanho);
    esperadas.push_back(kPerguntaNome);
    EXPECT_EQ(Perguntas(), esperadas);
    const std::vector<std::string> linhas = DivideLinhas(pasta.le("mapa.GRB"));
    ASSERT_EQ(linhas.size(), 14u);
    EXPECT_EQ(linhas[0], std::string(24, '*'));
    EXPECT_EQ(linhas[1], "*" + std::string(22, ' ') + "*");
    EXPECT_EQ(linhas[13], std::string(24, '*'));
    EXPECT_EQ(dlg.fake.Textos().back(), Criado(pasta.caminho("mapa.GRB")));
}

// Cancelled or empty answers end the command without a file or a message.
TEST_F(GraficoVazioComando, TerminaSemCriar) {
    const struct { std::vector<std::optional<std::string>> respostas; size_t perguntas; } casos[] = {
        {{std::nullopt}, 1}, {{""}, 1}, {{"2 2", std::nullopt}, 2}, {{"2 2", "   "}, 2}};
    for (const auto& c : casos) {
        dlg.fake.Limpa();
        dlg.fake.linhas = {c.respostas.begin(), c.respostas.end()};
        CriaGraficoVazio(pasta.caminho("texto.txt"));
        EXPECT_EQ(Perguntas().size(), c.perguntas);
        EXPECT_EQ(pasta.entradas(), 0);
        EXPECT_EQ(dlg.fake.registros.size(), c.perguntas); // no message
    }
}

// An existing file is destroyed only on an answer that is not "no".
TEST_F(GraficoVazioComando, PerguntaAntesDeDestruir) {
    const std::pair<std::optional<std::string>, bool> casos[] = {
        {"n", false}, {"Não"_cp, false}, {std::nullopt, false}, {"", false}, {"s", true}, {"pode", true}};
    for (const auto& [resposta, sobrescreve] : casos) {
        dlg.fake.Limpa();
        const std::string nome = pasta.grava("mapa.grb", "antigo");
        dlg.fake.linhas = {"1 1", nome, resposta};
        CriaGraficoVazio(std::string());
        EXPECT_EQ(Perguntas().back(), kPerguntaDestroi);
        EXPECT_EQ(pasta.le("mapa.grb") == "antigo", !sobrescreve) << resposta.value_or("(cancel)");
        EXPECT_EQ(pasta.entradas(), 1);
    }
}

TEST_F(GraficoVazioComando, NaoConseguiCriar) {
    dlg.fake.linhas = {"1 1", pasta.caminho("nao/existe/x")};
    CriaGraficoVazio(std::string());
    EXPECT_EQ(dlg.fake.Textos().back(), "Não consegui criar este gráfico"_cp);
}

TEST(ReferenciaGrafico, LinhaAlvoAntesOuDepoisDaLinhaDoCursor) {
    const struct { int l1, c1; const char* texto; int alvo; } casos[] = {
        {5, 0, "texto", 5}, {5, 2, "texto", 6}, {5, 2, "   ", 5}, {5, 1, " \t", 5}, {0, 0, "", 0}, {-1, 0, "", 0}};
    for (const auto& c : casos) EXPECT_EQ(LinhaAlvoGrafico(c.l1, c.c1, c.texto), c.alvo) << c.l1 << " " << c.c1;
}

TEST(ReferenciaGrafico, NomeRelativoAPastaDoDocumento) {
    const struct { const char *arquivo, *arqAtual, *nome; } casos[] = {
        {"/docs/figs/mapa.grb", "/docs/texto.txt", "figs/mapa.grb"},
        {"/docs/mapa.grb", "/docs/texto.txt", "mapa.grb"},
        {"/docs/figs/mapa.grb", "", "/docs/figs/mapa.grb"},
        {"/outra/mapa.grb", "/docs/texto.txt", "/outra/mapa.grb"},
        {"/docsx/mapa.grb", "/docs/texto.txt", "/docsx/mapa.grb"},
        {"/Docs/mapa.grb", "/docs/texto.txt", "/Docs/mapa.grb"}};
    for (const auto& c : casos) EXPECT_EQ(NomeRelativoGrafico(c.arquivo, c.arqAtual), c.nome);
}

// The three kinds of reference line; one goes in as one undoable step at
// the caret's place, a kind outside 0..2 inserts nothing.
TEST(ReferenciaGrafico, TresTiposInseridosComUmPassoDeDesfazer) {
    EXPECT_EQ(LinhaReferenciaGrafico(0, "figs/mapa.grb"), "<G  1 figs/mapa.grb>");
    EXPECT_EQ(LinhaReferenciaGrafico(1, "mapa.grb"), "<G+ 1 mapa.grb>");
    EXPECT_EQ(LinhaReferenciaGrafico(2, "mapa.grb"), "<G* 1 mapa.grb>");
    EXPECT_EQ(LinhaReferenciaGrafico(3, "mapa.grb"), "");
    EXPECT_EQ(LinhaReferenciaGrafico(-1, "mapa.grb"), "");
    DocumentoEmMemoria doc({"um", "dois", "tres"});
    doc.PosicionaCursor(1, 2);
    EXPECT_TRUE(InsereReferenciaGrafico(doc, 1, "/docs/figs/a.grb", "/docs/t.txt"));
    EXPECT_EQ(doc.Linha(2), "<G+ 1 figs/a.grb>");
    EXPECT_EQ(doc.NumLinhas(), 4);
    EXPECT_EQ(doc.PassosDesfazer(), 1);
    EXPECT_FALSE(InsereReferenciaGrafico(doc, 7, "/docs/figs/a.grb", "/docs/t.txt"));
    EXPECT_EQ(doc.NumLinhas(), 4);
    doc.Desfaz();
    EXPECT_EQ(doc.NumLinhas(), 3);
    EXPECT_EQ(doc.Linha(2), "tres");
}

} // namespace
