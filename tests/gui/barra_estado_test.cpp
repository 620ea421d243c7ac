// The main window's status panels: whole numbers on long documents and long
// lines, the caret shown from the start, also after a command-line file
// that could not be loaded, and the panels kept while a hint shows.
#include "support/janela_teste.h"

#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace {

class BarraDeEstado : public JanelaDeTeste {
protected:
    std::vector<std::string> Paineis() const {
        std::vector<std::string> r;
        for (int i = 0; i < 3; ++i) {
            const QLabel* l = janela->sbarPrincipal[static_cast<size_t>(i)];
            EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text())) << "painel " << i << " cortado";
            r.push_back(DeQString(l->text()));
        }
        return r;
    }
};

TEST_F(BarraDeEstado, NumerosGrandesAparecemInteiros) {
    std::string texto;
    for (int i = 0; i < 30000; ++i) texto += "linha " + std::to_string(i) + "\n";
    texto += std::string(100000, 'x') + "\n";
    janela->richEdPrincipal->setPlainText(ParaQString(texto));
    janela->show();
    const struct {
        int linha, coluna;
        bool tudo;   // the whole text selected
        std::vector<std::string> paineis;
    } casos[] = {
        {28545, 3, false, {" Lin: 28546", " Col: 4", " Sel: 0 | 1"}},
        {30000, 100000, false, {" Lin: 30001", " Col: 100001", " Sel: 0 | 1"}},
        {30000, 100000, true, {" Lin: 30001", " Col: 100001", " Sel: 478890 | 30001"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.paineis[2]);
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
        EXPECT_EQ(Paineis(), c.paineis);
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
        EXPECT_EQ(caixas.fake.Textos().size(), falta ? 1u : 0u);
        EXPECT_EQ(Paineis(), (std::vector<std::string>{" Lin: 1", " Col: 1", " Sel: 0 | 1"}));
    }
}

// A menu entry or a toolbar control under the mouse shows its hint as a
// tooltip; no panel of the status bar gives way to it.
TEST_F(BarraDeEstado, DicasNaoEscondemOsPaineis) {
    janela->show();
    QApplication::processEvents();
    const auto paineisEmPe = [&] {
        for (const QLabel* l : janela->sbarPrincipal)
            if (l->isHidden()) return false;
        return janela->statusBar()->currentMessage().isEmpty();
    };
    for (QAction* a : janela->menuBar()->findChildren<QAction*>()) {
        a->showStatusText(janela->menuBar());   // what a menu does with the entry under the mouse
        EXPECT_TRUE(paineisEmPe()) << DeQString(a->text());
    }
    for (QWidget* w : janela->panToolBar->findChildren<QWidget*>()) {
        QEnterEvent entra(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(w, &entra);
        EXPECT_TRUE(paineisEmPe()) << DeQString(w->objectName());
    }
    for (const QMenu* m : janela->menuBar()->findChildren<QMenu*>())
        if (!m->objectName().isEmpty()) { EXPECT_TRUE(m->toolTipsVisible()) << DeQString(m->title()); }
    EXPECT_EQ(DeQString(janela->Acao("imChamarPuma2")->toolTip()), "Chamar programa Puma2");
}

} // namespace
