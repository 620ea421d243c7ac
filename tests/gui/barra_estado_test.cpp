// The main window's status panels as a new user meets them: whole numbers
// on long documents and long lines, and the caret shown from the start, also
// after a command-line file that could not be loaded.
#include "support/janela_teste.h"

#include <QLabel>

namespace {

class BarraDeEstado : public JanelaDeTeste {
protected:
    std::string Painel(int i) const { return DeQString(janela->sbarPrincipal[static_cast<size_t>(i)]->text()); }
    // The panel is at least as wide as its text needs.
    bool Inteiro(int i) const {
        const QLabel* l = janela->sbarPrincipal[static_cast<size_t>(i)];
        return l->width() >= l->fontMetrics().horizontalAdvance(l->text());
    }
};

TEST_F(BarraDeEstado, NumerosGrandesAparecemInteiros) {
    std::string texto;
    for (int i = 0; i < 30000; ++i) texto += "linha " + std::to_string(i) + "\n";
    texto += std::string(100000, 'x') + "\n";
    janela->richEdPrincipal->setPlainText(ParaQString(texto));
    janela->show();
    struct Caso {
        const char* nome;
        int linha, coluna;
        bool tudo;   // the whole text selected
        const char* lin;
        const char* col;
        const char* sel;
    } casos[] = {
        {"deep in a long document", 28545, 3, false, " Lin: 28546", " Col: 4", " Sel: 0 | 1"},
        {"at the end of a long line", 30000, 100000, false, " Lin: 30001", " Col: 100001", " Sel: 0 | 1"},
        {"everything selected", 30000, 100000, true, " Lin: 30001", " Col: 100001", " Sel: 478890 | 30001"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        janela->PosicionaCursor(c.linha, c.coluna);
        if (c.tudo) {
            QTextCursor cur = janela->richEdPrincipal->textCursor();
            const int fim = cur.position();
            cur.setPosition(0);
            cur.setPosition(fim, QTextCursor::KeepAnchor);
            janela->richEdPrincipal->setTextCursor(cur);
        }
        janela->richEdPrincipalSelectionChange();
        QApplication::processEvents();
        EXPECT_EQ(Painel(0), c.lin);
        EXPECT_EQ(Painel(1), c.col);
        EXPECT_EQ(Painel(2), c.sel);
        for (int i = 0; i < 3; ++i) EXPECT_TRUE(Inteiro(i)) << "painel " << i;
    }
}

TEST_F(BarraDeEstado, PosicaoAparecePorMaisQueOArquivoFalte) {
    for (const bool falta : {true, false}) {
        SCOPED_TRACE(falta ? "missing file" : "no file named");
        CriaJanela();
        caixas.fake.Limpa();
        if (falta) janela->argumentos = {pasta.caminho("falta.txt")};
        janela->show();
        QApplication::processEvents();
        if (falta) {
            EXPECT_EQ(caixas.fake.Textos().front(), "Arquivo n\xe3o encontrado: " + pasta.caminho("falta.txt"));
        }
        EXPECT_EQ(Painel(0), " Lin: 1");
        EXPECT_EQ(Painel(1), " Col: 1");
        EXPECT_EQ(Painel(2), " Sel: 0 | 1");
    }
}

} // namespace
