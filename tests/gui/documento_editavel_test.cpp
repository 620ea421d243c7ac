// The main window's editor as the editable document: compared with the
// document in memory on every offset, caret place, selection and edit of
// the shared tables; the editor's undo of an edit group, and the strip and
// status bar after a group.
#include "support/casos_documento.h"
#include "support/janela_teste.h"

#include <QLabel>
#include <QToolButton>

using namespace casos_documento;

namespace {

class EditorComoDocumento : public JanelaDeTeste {
protected:
    DocumentoEmMemoria memoria;

    // The text as the editor holds it: one LF per line end.
    DocumentoEditavel& Editor(const std::string& texto) {
        QString q = ParaQString(texto);
        q.replace("\r\n", "\n");
        janela->richEdPrincipal->setPlainText(q);
        janela->DefineSelecao(0, 0);
        return *janela;
    }
    DocumentoEditavel& Memoria(const std::string& texto) {
        memoria.DefineTexto(texto);
        return memoria;
    }
    Prepara editor = [this](const std::string& t) -> DocumentoEditavel& { return Editor(t); };

    std::string Painel(int i) const { return DeQString(janela->sbarPrincipal[static_cast<size_t>(i)]->text()); }
};

// The editor keeps its own index of blocks instead of adding up the lines:
// every offset, line start, caret place and selection, in and around the
// text, gives what the document in memory gives.
TEST_F(EditorComoDocumento, EveryOffsetCaretAndSelectionAsInMemory) {
    const std::string textos[] = {kDuas, kSemFinal, kComVazia, kVazio, "\r\n", "\r\n\r\n", "a",
                                  "abc\r\n\r\n\r\nxyz\r\n\r\n", "\r\nfim"};
    for (const std::string& t : textos) {
        SCOPED_TRACE(::testing::PrintToString(t));
        DocumentoEditavel& e = Editor(t);
        DocumentoEditavel& m = Memoria(t);
        ASSERT_EQ(e.NumLinhas(), m.NumLinhas());
        const int tamanho = m.TamanhoTexto();
        for (int p = -3; p <= tamanho + 6; ++p) {
            int le = -9, ce = -9, lm = -9, cm = -9;
            e.CalcLinCol(p, le, ce);
            m.DocumentoEditavel::CalcLinCol(p, lm, cm);
            EXPECT_EQ(le, lm) << "offset " << p;
            EXPECT_EQ(ce, cm) << "offset " << p;
            for (int n = -3; p + n <= tamanho + 3; ++n) {
                e.DefineSelecao(p, n);
                m.DefineSelecao(p, n);
                SCOPED_TRACE(::testing::Message() << "selection " << p << ", " << n);
                EXPECT_EQ(e.TextoSelecionado(), m.TextoSelecionado());
                ComparaDocumentos(e, m);
            }
        }
        for (int l = -2; l <= m.NumLinhas() + 2; ++l) {
            EXPECT_EQ(e.InicioLinha(l), m.DocumentoEditavel::InicioLinha(l)) << "line " << l;
            for (int c = -3; c <= 6; ++c) {
                e.PosicionaCursor(l, c);
                m.PosicionaCursor(l, c);
                EXPECT_EQ(e.InicioSelecao(), m.InicioSelecao()) << "caret " << l << ", " << c;
                EXPECT_EQ(e.TamanhoSelecao(), 0);
            }
        }
        EXPECT_EQ(e.TamanhoNoLimite(), m.DocumentoEditavel::TamanhoNoLimite());
    }
}

TEST_F(EditorComoDocumento, EditsOfTheTableAgreeWithTheDocumentInMemory) {
    for (const auto& c : Edicoes()) {
        SCOPED_TRACE(c.nome);
        VerificaEdicao(c, Editor(*c.texto));
        VerificaEdicao(c, Memoria(*c.texto));
        ComparaDocumentos(*janela, memoria);
        QString q = ParaQString(c.esperado);   // the editor holds what the document says
        q.replace("\r\n", "\n");
        EXPECT_EQ(janela->richEdPrincipal->toPlainText(), q);
    }
}

TEST_F(EditorComoDocumento, EditsAtTheTextLimit) { VerificaLimite(editor, srv.fake.bipes); }

TEST_F(EditorComoDocumento, AGroupIsOneStepOfTheEditorsUndo) {
    Editor(kDuas);
    {
        GrupoEdicao g(*janela);
        janela->InsereLinha(0, "<F->");
        janela->InsereLinha(3, "<F+>");
        janela->SubstituiLinha(1, "AB");
    }
    janela->SubstituiLinha(2, "CDE");
    ASSERT_EQ(janela->Texto(), "<F->\r\nAB\r\nCDE\r\n<F+>\r\n");
    // Ctrl+Z in the editor: first the lone edit, then the whole group.
    janela->richEdPrincipal->undo();
    EXPECT_EQ(janela->Texto(), "<F->\r\nAB\r\ncde\r\n<F+>\r\n");
    janela->richEdPrincipal->undo();
    EXPECT_EQ(janela->Texto(), kDuas);
}

TEST_F(EditorComoDocumento, StripAndStatusBarFollowWhenTheGroupCloses) {
    Editor("um\r\ndois\r\n");
    janela->PosicionaCursor(1, 2);
    ASSERT_EQ(Painel(0), " Lin: 2");
    janela->IniciaGrupo();
    janela->InsereLinhas(0, {"a", "b"});
    // Nothing is shown half-way through the command.
    EXPECT_EQ(Painel(0), " Lin: 2");
    EXPECT_EQ(janela->InicioSelecao(), 4 + 6 + 2);
    janela->TerminaGrupo();
    EXPECT_EQ(Painel(0), " Lin: 4");
    EXPECT_EQ(Painel(1), " Col: 3");
    EXPECT_EQ(janela->Preview.UltimaLinhaPreview, 4);
    // An edit below the caret moves nothing, but the strip still looks.
    janela->Preview.UltimaLinhaPreview = -1;
    janela->InsereLinha(9, "fim");
    EXPECT_EQ(janela->Preview.UltimaLinhaPreview, 4);
}

// Positioning the caret focuses the editor; selecting alone leaves the focus.
TEST_F(EditorComoDocumento, PositioningTheCaretFocusesTheEditor) {
    Editor(kDuas);
    janela->show();
    QApplication::setActiveWindow(janela.get());
    janela->findChild<QToolButton*>("bbtnSair")->setFocus();
    QApplication::processEvents();
    ASSERT_FALSE(janela->richEdPrincipal->hasFocus());
    janela->DefineSelecao(4, 1);
    EXPECT_FALSE(janela->richEdPrincipal->hasFocus());
    janela->PosicionaCursor(1, 1);
    QApplication::processEvents();
    EXPECT_TRUE(janela->richEdPrincipal->hasFocus());
    EXPECT_EQ(janela->InicioSelecao(), 5);
}

} // namespace
