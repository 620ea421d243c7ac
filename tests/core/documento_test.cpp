// The editable document in memory against the shared tables of caret cases
// and edits (the main window's editor meets them too), undo, the documents in force.
#include "core/documento.h"
#include "platform/servicos.h"
#include "support/casos_documento.h"

#include <gtest/gtest.h>

using namespace casos_documento;

namespace {

class DocumentoMemoria : public ::testing::Test {
protected:
    ServicosFalsosEscopo servicosFalsos;
    DocumentoEmMemoria doc;
    Prepara prepara = [this](const std::string& t) -> DocumentoEditavel& {
        doc.DefineTexto(t);
        return doc;
    };
};

TEST_F(DocumentoMemoria, CasesOfTheTables) {
    VerificaLinColECursor(prepara);
    VerificaSelecoes(prepara);
    for (const auto& c : Edicoes()) {
        SCOPED_TRACE(c.nome);
        VerificaEdicao(c, prepara(*c.texto));
    }
    VerificaLimite(prepara, servicosFalsos.fake.bipes);
}

TEST_F(DocumentoMemoria, LinesAsAFileLoadsThem) {
    struct Caso { const char* texto; std::vector<std::string> linhas; bool quebraFinal; };
    const Caso casos[] = {{"", {}, false}, {"\r\n", {""}, true}, {"a", {"a"}, false},
                          {"a\nb\rc\r\n", {"a", "b", "c"}, true}, {"a\r\n\r\n", {"a", ""}, true},
                          {"\r\n\r\nx", {"", "", "x"}, false}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        doc.DefineTexto(c.texto);
        std::vector<std::string> linhas;
        for (int i = 0; i < doc.NumLinhas(); ++i) linhas.push_back(doc.Linha(i));
        EXPECT_EQ(linhas, c.linhas);
        EXPECT_EQ(doc.TerminaEmQuebra(), c.quebraFinal);
        EXPECT_EQ(doc.Linha(doc.NumLinhas()), "");
        EXPECT_EQ(doc.ComprimentoLinha(-1), 0);
    }
    const DocumentoEmMemoria deLinhas({"um", "", "dois"});
    EXPECT_EQ(deLinhas.Texto(), "um\r\n\r\ndois\r\n");
}

TEST_F(DocumentoMemoria, AGroupWithoutEditsLeavesNoUndoStep) {
    doc.DefineTexto(kDuas);
    {
        GrupoEdicao g(doc);
        doc.DefineSelecao(4, 2);
        doc.SubstituiLinha(7, "fora");
    }
    EXPECT_EQ(doc.PassosDesfazer(), 0);
    doc.SubstituiSelecao("x");
    {
        GrupoEdicao g(doc);
        doc.InsereLinha(0, "1");
        doc.InsereLinha(0, "2");
    }
    EXPECT_EQ(doc.PassosDesfazer(), 2);
    // A stray close is harmless; the next group still counts from the start.
    doc.TerminaGrupo();
    doc.IniciaGrupo();
    doc.RemoveLinhas(0);
    doc.TerminaGrupo();
    EXPECT_EQ(doc.PassosDesfazer(), 3);
    for (int i = 0; i < 3; ++i) doc.Desfaz();
    EXPECT_EQ(doc.Texto(), kDuas);
    EXPECT_EQ(doc.InicioSelecao(), 4);
    EXPECT_EQ(doc.TamanhoSelecao(), 2);
}

TEST(LinhasCRLF, EveryKindOfLineEndBecomesCRLF) {
    struct Caso { const char* de; const char* para; };
    const Caso casos[] = {{"", ""}, {"a", "a"}, {"\n", "\r\n"}, {"\r", "\r\n"}, {"\r\n", "\r\n"},
                          {"\n\r", "\r\n\r\n"}, {"a\r\r\nb", "a\r\n\r\nb"}, {"\r\n\n", "\r\n\r\n"}};
    for (const auto& c : casos) EXPECT_EQ(QuebrasCRLF(c.de), c.para) << c.de;
}

// The compiler reads the document in edit, or one installed for it alone.
TEST(DocumentosEmVigor, TheDocumentInEditIsTheOneTheCompilerReads) {
    EXPECT_EQ(DocumentoEmEdicao().NumLinhas(), 0);
    EXPECT_EQ(&DocumentoAtual(), static_cast<LinhasDocumento*>(&DocumentoEmEdicao()));
    DocumentoEmMemoria editado({"a"});
    DefineDocumentoEmEdicao(&editado);
    EXPECT_EQ(&DocumentoEmEdicao(), &editado);
    EXPECT_EQ(&DocumentoAtual(), static_cast<LinhasDocumento*>(&editado));
    LinhasEmMemoria lido({"b"});
    DefineDocumentoAtual(&lido);
    EXPECT_EQ(&DocumentoAtual(), static_cast<LinhasDocumento*>(&lido));
    EXPECT_EQ(&DocumentoEmEdicao(), &editado);
    DefineDocumentoAtual(nullptr);
    EXPECT_EQ(&DocumentoAtual(), static_cast<LinhasDocumento*>(&editado));
    DefineDocumentoEmEdicao(nullptr);
    EXPECT_NE(&DocumentoEmEdicao(), &editado);
    EXPECT_EQ(&DocumentoAtual(), static_cast<LinhasDocumento*>(&DocumentoEmEdicao()));
}

} // namespace
