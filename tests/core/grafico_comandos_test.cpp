// The empty-graphic command through the dialog service (answers, re-asks,
// refusals) and the graphic reference lines the main window inserts.
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

struct CasoFim {
    const char* nome;
    std::vector<std::optional<std::string>> respostas;
    int perguntas;
};

class GraficoVazioFim : public GraficoVazioComando, public ::testing::WithParamInterface<CasoFim> {};

TEST_P(GraficoVazioFim, TerminaSemCriar) {
    dlg.fake.linhas = {GetParam().respostas.begin(), GetParam().respostas.end()};
    CriaGraficoVazio(pasta.caminho("texto.txt"));
    EXPECT_EQ(static_cast<int>(Perguntas().size()), GetParam().perguntas);
    EXPECT_EQ(pasta.entradas(), 0);
    EXPECT_EQ(dlg.fake.registros.size(), Perguntas().size()); // no message
}

INSTANTIATE_TEST_SUITE_P(
    Respostas, GraficoVazioFim,
    ::testing::Values(CasoFim{"TamanhoCancelado", {std::nullopt}, 1},
                      CasoFim{"TamanhoVazio", {""}, 1},
                      CasoFim{"NomeCancelado", {"2 2", std::nullopt}, 2},
                      CasoFim{"NomeVazio", {"2 2", "   "}, 2}),
    [](const ::testing::TestParamInfo<CasoFim>& i) { return std::string(i.param.nome); });

struct CasoExistente {
    const char* nome;
    std::optional<std::string> resposta;
    bool sobrescreve;
};

class GraficoVazioExistente : public GraficoVazioComando,
                              public ::testing::WithParamInterface<CasoExistente> {};

TEST_P(GraficoVazioExistente, PerguntaAntesDeDestruir) {
    const std::string nome = pasta.grava("mapa.grb", "antigo");
    dlg.fake.linhas = {"1 1", nome, GetParam().resposta};
    CriaGraficoVazio(std::string());
    EXPECT_EQ(Perguntas().back(), kPerguntaDestroi);
    EXPECT_EQ(pasta.le("mapa.grb") == "antigo", !GetParam().sobrescreve);
    EXPECT_EQ(pasta.entradas(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Respostas, GraficoVazioExistente,
    ::testing::Values(CasoExistente{"Nao", "n", false}, CasoExistente{"NaoMaiusculo", "Não"_cp, false},
                      CasoExistente{"Cancela", std::nullopt, false},
                      CasoExistente{"Apagada", "", false}, CasoExistente{"Sim", "s", true},
                      CasoExistente{"Outra", "pode", true}),
    [](const ::testing::TestParamInfo<CasoExistente>& i) { return std::string(i.param.nome); });

TEST_F(GraficoVazioComando, NaoConseguiCriar) {
    dlg.fake.linhas = {"1 1", pasta.caminho("nao/existe/x")};
    CriaGraficoVazio(std::string());
    EXPECT_EQ(dlg.fake.Textos().back(), "Não consegui criar este gráfico"_cp);
}

// ---- Graphic reference lines ------------------------------------------------

struct CasoAlvo {
    int l1, c1;
    const char* texto;
    int alvo;
};

class LinhaAlvo : public ::testing::TestWithParam<CasoAlvo> {};

TEST_P(LinhaAlvo, AntesOuDepoisDaLinhaDoCursor) {
    EXPECT_EQ(LinhaAlvoGrafico(GetParam().l1, GetParam().c1, GetParam().texto), GetParam().alvo);
}

INSTANTIATE_TEST_SUITE_P(Cursor, LinhaAlvo,
                         ::testing::Values(CasoAlvo{5, 0, "texto", 5}, CasoAlvo{5, 2, "texto", 6},
                                           CasoAlvo{5, 2, "   ", 5}, CasoAlvo{5, 1, " \t", 5},
                                           CasoAlvo{0, 0, "", 0}, CasoAlvo{-1, 0, "", 0}));

struct CasoNome {
    const char *arquivo, *arqAtual, *nome;
};

class NomeRelativo : public ::testing::TestWithParam<CasoNome> {};

TEST_P(NomeRelativo, RelativoAPastaDoDocumento) {
    EXPECT_EQ(NomeRelativoGrafico(GetParam().arquivo, GetParam().arqAtual), GetParam().nome);
}

INSTANTIATE_TEST_SUITE_P(
    Nomes, NomeRelativo,
    ::testing::Values(CasoNome{"/docs/figs/mapa.grb", "/docs/texto.txt", "figs/mapa.grb"},
                      CasoNome{"/docs/mapa.grb", "/docs/texto.txt", "mapa.grb"},
                      CasoNome{"/docs/figs/mapa.grb", "", "/docs/figs/mapa.grb"},
                      CasoNome{"/outra/mapa.grb", "/docs/texto.txt", "/outra/mapa.grb"},
                      CasoNome{"/docsx/mapa.grb", "/docs/texto.txt", "/docsx/mapa.grb"},
                      CasoNome{"/Docs/mapa.grb", "/docs/texto.txt", "/Docs/mapa.grb"}));

TEST(ReferenciaGrafico, TresTipos) {
    EXPECT_EQ(LinhaReferenciaGrafico(0, "figs/mapa.grb"), "<G  1 figs/mapa.grb>");
    EXPECT_EQ(LinhaReferenciaGrafico(1, "mapa.grb"), "<G+ 1 mapa.grb>");
    EXPECT_EQ(LinhaReferenciaGrafico(2, "mapa.grb"), "<G* 1 mapa.grb>");
    EXPECT_EQ(LinhaReferenciaGrafico(3, "mapa.grb"), "");
    EXPECT_EQ(LinhaReferenciaGrafico(-1, "mapa.grb"), "");
}

// The reference goes in as one undoable step, at the caret's place; a kind
// outside 0..2 inserts nothing.
TEST(ReferenciaGrafico, InseridaComUmPassoDeDesfazer) {
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
