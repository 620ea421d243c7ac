// The annotation list: what it shows, the entry selected, go-to, edit and
// delete, and the braille view's line for an editor line.
#include "editor/dmanotac.h"
#include "support/ferramentas_teste.h"

namespace {

using L = std::vector<std::string>;

class Anotacoes : public FerramentasTeste {
protected:
    L Legendas() const {
        L r;
        for (int i = 0; i < static_cast<int>(lista.Itens().size()); ++i) r.push_back(lista.Legenda(i));
        return r;
    }
    ListaAnotacoes lista;
    const L kTexto{
        "texto",                          // 1
        "<*** primeira ***>",            // 2
        "<***sem branco ***>",           // 3: no blank after the stars
        " <*** recuada ***>",            // 4: a blank before
        "<***   sem fecho",              // 5: no closing mark
        "mais texto",                    // 6
        "<*** \tcom tab\t ***>",          // 7
        "<*** ***>",                     // 8: nothing but the marks
    };
};

TEST_F(Anotacoes, TheListShowsEveryAnnotationWithItsLineNumber) {
    Texto(kTexto);
    lista.Monta(doc, 0);
    // The text is trimmed before the closing mark comes off, not after.
    EXPECT_EQ(Legendas(), (L{"2 -> primeira", "5 -> sem fecho", "7 -> com tab\t", "8 -> ***>"}));

    const std::pair<const char*, std::optional<std::string>> linhas[] = {
        {"<*** a ***>", "a"}, {"<*** a", "a"}, {"<*** ", ""}, {"<***", std::nullopt},
        {"<*** a ***> ", "a"}, {"<*** a ***>***>", "a ***>***>"}, {"", std::nullopt},
        {"<** a ***>", std::nullopt},
    };
    for (const auto& [linha, texto] : linhas) EXPECT_EQ(TextoAnotacao(linha), texto) << linha;
}

TEST_F(Anotacoes, TheEntrySelectedFollowsTheCaretLine) {
    Texto(kTexto);
    // The last annotation before the caret's line; the one on the caret's
    // line is not before it; none before: the first.
    const std::pair<int, int> casos[] = {{0, 0}, {1, 0}, {2, 0}, {4, 0}, {5, 1}, {6, 1}, {7, 2}, {8, 3}, {99, 3}};
    for (auto [linha, selecionado] : casos) {
        lista.Monta(doc, linha);
        EXPECT_EQ(lista.Selecionado(), selecionado) << linha;
    }
    Texto({"sem", "anotações"});
    lista.Monta(doc, 1);
    EXPECT_TRUE(lista.Vazia());
    EXPECT_EQ(lista.Selecionado(), -1);
}

TEST_F(Anotacoes, GoToPutsTheCaretAtTheLineStart) {
    Texto(kTexto);
    lista.Monta(doc, 6);   // "5 -> sem fecho"
    EXPECT_EQ(lista.Busca(doc), 4);
    EXPECT_EQ(doc.InicioSelecao(), doc.InicioLinha(4));
    EXPECT_EQ(doc.TamanhoSelecao(), 0);
    doc.PosicionaCursor(0, 2);   // no entry selected, or a line no longer there: the caret stays
    lista.Seleciona(-1);
    EXPECT_EQ(lista.Busca(doc), std::nullopt);
    lista.Seleciona(3);
    doc.RemoveLinhas(3, 5);
    doc.PosicionaCursor(0, 2);
    EXPECT_EQ(lista.Busca(doc), std::nullopt);
    EXPECT_EQ(doc.InicioSelecao(), 2);
    EXPECT_TRUE(caixas.fake.registros.empty());
}

TEST_F(Anotacoes, EditChangesTheEntryAndItsLine) {
    Texto(kTexto);
    lista.Monta(doc, 2);   // "2 -> primeira"
    caixas.fake.linhas = {std::string("nova nota"), std::string(""), std::nullopt};
    EXPECT_TRUE(lista.Edita(doc));
    ASSERT_EQ(caixas.fake.registros.size(), 1u);
    EXPECT_EQ(caixas.fake.registros[0].texto, "Editar coment\xE1rio");
    EXPECT_FALSE(lista.Edita(doc));   // an empty text or Cancel leaves it as it is
    EXPECT_FALSE(lista.Edita(doc));
    EXPECT_EQ(doc.Linha(1), "<*** nova nota ***>");
    EXPECT_EQ(lista.Legenda(0), "2 -> nova nota");
    lista.Seleciona(3);   // an entry past the end of the text is the developers' error
    doc.RemoveLinhas(6, 2);
    caixas.fake.Limpa();
    EXPECT_FALSE(lista.Edita(doc));
    ASSERT_EQ(caixas.fake.Textos().size(), 1u);
    EXPECT_EQ(caixas.fake.Textos()[0], "dmAnotac.EditarAnota\xE7\xE3o\r\nContacte os desenvolvedores.");
}

TEST_F(Anotacoes, DeleteAsksAndRenumbersTheEntriesBelow) {
    Texto(kTexto);
    lista.Monta(doc, 2);   // "2 -> primeira"
    caixas.fake.respostas = {mrCancel, mrOk};
    EXPECT_FALSE(lista.Deleta(doc));
    EXPECT_EQ(doc.NumLinhas(), 8);
    EXPECT_TRUE(lista.Deleta(doc));
    EXPECT_EQ(caixas.fake.Textos(), (L{"Confirma remo\xE7\xE3o?", "Confirma remo\xE7\xE3o?"}));
    EXPECT_EQ(caixas.fake.registros[0].botoes, Botoes::OKCancel);
    EXPECT_EQ(doc.NumLinhas(), 7);
    EXPECT_EQ(doc.Linha(1), "<***sem branco ***>");
    // The entry now at the same place is selected; the numbers follow their lines.
    EXPECT_EQ(Legendas(), (L{"4 -> sem fecho", "6 -> com tab\t", "7 -> ***>"}));
    EXPECT_EQ(lista.Selecionado(), 0);
    lista.Seleciona(2);   // deleting the last entry selects the new last one
    EXPECT_TRUE(lista.Deleta(doc));
    EXPECT_EQ(Legendas(), (L{"4 -> sem fecho", "6 -> com tab\t"}));
    EXPECT_EQ(lista.Selecionado(), 1);
    Texto({"a", "<*** so ***>"});   // deleting the only entry empties the list
    lista.Monta(doc, 0);
    EXPECT_TRUE(lista.Deleta(doc));
    EXPECT_TRUE(lista.Vazia());
    EXPECT_FALSE(lista.ComSelecao());
    EXPECT_EQ(Linhas(), (L{"a"}));
    caixas.fake.Limpa();   // with nothing selected nothing is asked
    EXPECT_FALSE(lista.Deleta(doc));
    EXPECT_TRUE(caixas.fake.registros.empty());
    Texto(kTexto);   // an entry past the end of the text is the developers' error
    lista.Monta(doc, 99);
    doc.RemoveLinhas(5, 3);
    EXPECT_FALSE(lista.Deleta(doc));
    EXPECT_EQ(caixas.fake.Textos(), (L{"dmAnotac.DeletarAnota\xE7\xE3o\r\nContacte os desenvolvedores."}));
    EXPECT_EQ(doc.NumLinhas(), 5);
}

TEST_F(Anotacoes, TheViewLineOfAnEditorLine) {
    const DynIntArray mapa{0, 0, 3, 5, 5, 9, -1, -1};
    const struct { int linhaEditor; DynIntArray mapa; int quant, linhasVisual; std::optional<int> linha; } casos[] = {
        {2, mapa, 5, 20, 3}, {4, mapa, 5, 20, 5}, {0, mapa, 5, 20, 0},
        {7, mapa, 5, 20, 9},               // past the last mapped line: that line's draft line
        {5, mapa, 5, 6, 5},                // beyond the view's last line: the last line
        {2, {}, 5, 20, std::nullopt},      // no map, a negative count or line, an empty view
        {2, mapa, -1, 20, std::nullopt}, {2, mapa, 5, 0, std::nullopt}, {-1, mapa, 5, 20, std::nullopt},
        {6, mapa, 7, 20, std::nullopt},    // an unset entry
        {3, {0, 1}, 9, 20, std::nullopt},  // a map shorter than its count says
    };
    for (const auto& c : casos)
        EXPECT_EQ(LinhaVisualDoEditor(c.linhaEditor, c.mapa, c.quant, c.linhasVisual), c.linha)
            << c.linhaEditor << " " << c.quant << " " << c.linhasVisual;
}

} // namespace
