// The braille view window and the back-check window, headless.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlock>

#include <functional>

#include "core/dmtraduz_estado.h"
#include "core/dmvars.h"
#include "core/documento.h"
#include "editor/gui/dmChecaBrl.h"
#include "editor/gui/dmVisual.h"
#include "editor/gui/dmcelas.h"
#include "output/dmcnfprt_modelos.h"
#include "platform/arquivos.h"
#include "platform/codepage.h"
#include "platform/dialogos.h"

namespace {

using namespace std::string_literals;

const std::string kTraco(50, '-');
const std::string kDupla(50, '=');

void Mouse(QWidget* w, QEvent::Type t, Qt::MouseButton b, QPoint p) {
    QMouseEvent e(t, QPointF(p), w->mapToGlobal(QPointF(p)), b,
                  t == QEvent::MouseButtonPress ? b : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

std::string Desde(const QString& q) {
    std::string r;
    for (QChar c : q) r.push_back(static_cast<char>(UnicodeParaCp1252(c.unicode())));
    return r;
}

// A view draft of five physical pages (page 3 is the blank back of 2):
// lines 0-2 page 1, 3 "-", 4-5 page 2, 6 "=", 7-10 page 4, 11 "-", 12 page 5, 13 "-".
std::vector<std::string> Rascunho() {
    std::vector<std::string> r;
    for (const std::string& l : {"aaa"s, "bbb"s, "ccc"s, kTraco, "ddd"s, "eee"s, kDupla, "fff"s, "ggg"s, "hhh"s,
                                 "iii"s, kTraco, "jjj"s, kTraco})
        r.push_back(l + "      ");
    return r;
}

class VisualTest : public ::testing::Test {
protected:
    void SetUp() override {
        RestauraPadroes();
        for (int i = 0; i < 256; ++i) TabelaImpressora[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
        ArqRascunho = ArquivoTemporario("visual");
        GravaRascunho(Rascunho());
        // Maps as a compile of a 7-line document would leave them.
        EstadoCompilacao& e = EstadoPrincipal();
        e.MapaRascunhoEditor = {0, 1, 2, 3, 3, 4, 5, 5, 5, 6, 6, 6, 6, 6};
        e.QuantRascunhoMapeadas = 12;
        e.TamanhoMapaPaginas = 1000;
        e.MapaPagArabica.assign(1001, -1);
        e.MapaPagRomana.assign(1001, -1);
        e.MapaPagFisica.assign(1001, -1);
        e.MapaPagRomana[1] = 1; // page 1 numbered i, then arabic 1, 2 (blank back), 3, 4
        for (int i = 1; i <= 4; ++i) {
            e.MapaPagArabica[static_cast<size_t>(i)] = i + 1;
            e.MapaPagFisica[static_cast<size_t>(i + 1)] = i;
        }
        e.PaginaFisica = 6;
        e.LinhaRascunhoCursor = 8;
        doc.linhas = {"l0", "l1", "l2", "l3", "l4", "l5", "l6"};
        DefineDocumentoAtual(&doc);

        v = std::make_unique<TformVisual>();
        formVisual = v.get();
        v->Ligacoes.ModoRevisor = [this] { return revisor; };
        v->Ligacoes.PosicionaCursor = [this](int l, int c) { posicoes.push_back({l, c}); };
        v->Ligacoes.CompilaParaVisualizacao = [this](int l) {
            compilacoes.push_back(l);
            return true;
        };
    }
    void TearDown() override {
        v.reset();
        delete formChecaBrl;
        formChecaBrl = nullptr;
        DefineDocumentoAtual(nullptr);
        std::remove(CaminhoNativo(ArqRascunho).c_str());
        RestauraPadroes();
    }
    void GravaRascunho(const std::vector<std::string>& linhas) {
        std::string c;
        for (const auto& l : linhas) c += l + "\r\n";
        ASSERT_TRUE(GravaArquivoAtomico(ArqRascunho, c));
    }
    std::string Item(int i) const { return v->LinhasExibidas()[static_cast<size_t>(i)]; }
    std::string Texto(QLabel* l) const { return Desde(l->text()); }

    DialogosFalsosEscopo dlg;
    LinhasEmMemoria doc;
    std::unique_ptr<TformVisual> v;
    bool revisor = false;
    std::vector<std::pair<int, int>> posicoes;
    std::vector<int> compilacoes;
};

TEST_F(VisualTest, MontaSelecionaALinhaDoCursorEMostraAPosicao) {
    v->FormActivate();
    EXPECT_FALSE(v->RecarregarRascunho);
    ASSERT_EQ(v->lboxVisual->count(), 14);
    EXPECT_EQ(v->lboxVisual->currentRow(), 8);
    EXPECT_EQ(v->lboxVisual->TextoLinha(0), TextoCelas("aaa      "));
    EXPECT_EQ(Item(6), kDupla); // separators normalised
    v->AtualizaPosicao();
    EXPECT_EQ(Texto(v->stxPagina), "P\xe1gina: 3");
    EXPECT_EQ(Texto(v->stxPagFisica), "P\xe1gina F\xedsica: 4");
}

TEST_F(VisualTest, RascunhoAusenteDeixaAVistaVaziaETentaDeNovo) {
    std::remove(CaminhoNativo(ArqRascunho).c_str());
    v->FormActivate();
    EXPECT_EQ(v->lboxVisual->count(), 0);
    EXPECT_TRUE(v->RecarregarRascunho);
    EXPECT_TRUE(dlg.fake.registros.empty());
    v->AtualizaPosicao();
    EXPECT_EQ(Texto(v->stxLinha), "Linha: 0");
    GravaRascunho(Rascunho());
    v->FormActivate();
    EXPECT_EQ(v->lboxVisual->count(), 14);
}

TEST_F(VisualTest, ModoDeLinhasMantemSelecaoSemRelerORascunho) {
    MaxCarac = 5;
    v->resize(600, 300);
    v->show();
    v->FormActivate();
    v->lboxVisual->setCurrentRow(4);
    v->lboxVisual->scrollTo(v->lboxVisual->model()->index(3, 0), QAbstractItemView::PositionAtTop);
    const int topo = v->lboxVisual->indexAt(QPoint(1, 1)).row();
    ASSERT_EQ(topo, 3);
    GravaRascunho({"outro"});
    v->TeclaDisplay(Qt::Key_F11, Qt::NoModifier); // mode 1
    EXPECT_EQ(v->lboxVisual->count(), 14);          // not read again
    EXPECT_EQ(v->lboxVisual->currentRow(), 4);
    EXPECT_EQ(v->lboxVisual->indexAt(QPoint(1, 1)).row(), topo);
    EXPECT_EQ(Item(4), v->RotulosLinha[1] + "lddd  l");
    for (int i = 0; i < 3; ++i) v->TeclaDisplay(Qt::Key_F11, Qt::NoModifier);
    EXPECT_EQ(v->ModoLinhas, 0); // wraps after mode 3
    EXPECT_EQ(Item(4), "ddd      ");
    EXPECT_TRUE(compilacoes.empty());
}

TEST_F(VisualTest, ModoDePaginasRecompilaDaLinhaDoEditorESelecionaOCursor) {
    v->FormActivate();
    v->lboxVisual->setCurrentRow(5); // editor line 4
    EXPECT_FALSE(GeraTamanhoRealPagina());
    EstadoPrincipal().LinhaRascunhoCursor = 4;
    v->TeclaDisplay(Qt::Key_F11, Qt::ControlModifier);
    EXPECT_TRUE(GeraTamanhoRealPagina());
    EXPECT_EQ(compilacoes, std::vector<int>{4});
    EXPECT_EQ(v->lboxVisual->currentRow(), 4); // first draft line of that editor line
    v->cboxVisPaginas->setCurrentIndex(1);      // same index: nothing
    EXPECT_EQ(compilacoes.size(), 1u);
    v->TeclaDisplay(Qt::Key_F11, Qt::ControlModifier);
    EXPECT_FALSE(GeraTamanhoRealPagina());
}

// The page rules are the core's; here the box, its message, Cancel and the page keys.
TEST_F(VisualTest, IrParaPaginaEPaginasSeguinteEAnterior) {
    v->FormActivate();
    dlg.fake.linhas = {std::string("2F"), std::string("9F"), std::nullopt};
    v->IrParaPagina();
    EXPECT_EQ(v->lboxVisual->currentRow(), 4);
    v->IrParaPagina();
    v->IrParaPagina(); // Cancel
    EXPECT_EQ(v->lboxVisual->currentRow(), 4);
    ASSERT_EQ(dlg.fake.registros.size(), 4u);
    EXPECT_EQ(dlg.fake.registros[0].titulo, "Informe a p\xe1gina desejada");
    EXPECT_EQ(dlg.fake.registros[2].texto, "P\xe1gina F\xcdSICA \"9F\" inexistente!");
    v->lboxVisual->setCurrentRow(9); // third line of page 4
    for (auto [tecla, linha] : {std::pair{Qt::Key_PageUp, 7}, {Qt::Key_PageDown, 12}}) {
        v->TeclaDisplay(tecla, Qt::AltModifier);
        EXPECT_EQ(v->lboxVisual->currentRow(), linha);
    }
    v->AtualizaPosicao();
    EXPECT_EQ(Texto(v->painel1), " \xdaltima p\xe1gina ");
}

TEST_F(VisualTest, IrAoOriginalPeloMapa) {
    v->show();
    v->FormActivate();
    v->lboxVisual->setCurrentRow(5);
    v->TeclaDisplay(Qt::Key_Return, Qt::NoModifier);
    EXPECT_TRUE(v->isHidden());
    ASSERT_EQ(posicoes.size(), 1u);
    EXPECT_EQ(posicoes[0], std::make_pair(4, 0));
    v->lboxVisual->setCurrentRow(13); // beyond the mapped lines: the editor's last line
    v->IrAoOriginal();
    EXPECT_EQ(posicoes.back(), std::make_pair(6, 0));
    // A draft line the map left unset never sends the caret to line -1.
    EstadoPrincipal().MapaRascunhoEditor[2] = -1;
    v->MarcaRecarga(true, false);
    v->MontaVisualizacao();
    v->lboxVisual->setCurrentRow(2);
    v->IrAoOriginal();
    EXPECT_EQ(posicoes.back(), std::make_pair(0, 0));
    EXPECT_EQ(v->UltimaLinhaEditor, 0);
}

TEST_F(VisualTest, AnotacaoVaiAoOriginalEInsere) {
    std::vector<std::pair<int, std::string>> anotadas;
    v->Ligacoes.InsereAnotacao = [&](int l, const std::string& t) { anotadas.push_back({l, t}); };
    v->FormActivate();
    v->lboxVisual->setCurrentRow(2);
    dlg.fake.linhas = {std::string(""), std::string("rever")};
    v->Anotacao(); // empty text: nothing
    v->Anotacao();
    EXPECT_EQ(anotadas, (std::vector<std::pair<int, std::string>>{{2, "rever"}}));
}

TEST_F(VisualTest, ReguaEnquantoOBotaoEsquerdoEstaPressionadoEConferirComODireito) {
    v->show();
    v->FormActivate();
    v->lboxVisual->setCurrentRow(1);
    const QRect r = v->lboxVisual->visualRect(v->lboxVisual->model()->index(1, 0));
    Mouse(v->lboxVisual->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, r.center());
    EXPECT_EQ(v->ItemRegua, 1);
    EXPECT_EQ(v->lboxVisual->TextoLinha(1), TextoCelas("123456789_123456789_123456789_123456789_12"));
    Mouse(v->lboxVisual->viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, r.center());
    EXPECT_EQ(v->lboxVisual->TextoLinha(1), TextoCelas("bbb      "));
    // The right button opens the check of the line, without its trailing blanks.
    Mouse(v->lboxVisual->viewport(), QEvent::MouseButtonRelease, Qt::RightButton, r.center());
    ASSERT_NE(formChecaBrl, nullptr);
    EXPECT_EQ(formChecaBrl->Linha(), "bbb");
    EXPECT_EQ(Desde(formChecaBrl->edtBraille->text()), "bbb");
    EXPECT_EQ(Desde(formChecaBrl->edtReversao->text()), "bbb");
    formChecaBrl->btnOk->click();
    EXPECT_TRUE(formChecaBrl->isHidden());
    // A rebuild while the button is held (F12 works over the view): the
    // release puts back no line of the old draft.
    Mouse(v->lboxVisual->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, r.center());
    GravaRascunho({"xyz"s, "novo"s});
    v->MarcaRecarga(true, false);
    v->MontaVisualizacao();
    Mouse(v->lboxVisual->viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, r.center());
    EXPECT_EQ(v->lboxVisual->TextoLinha(1), TextoCelas("novo"));
}

TEST(ChecaBrl, CodigoSemCelaEncerraOTextoMostrado) {
    for (int i = 0; i < 256; ++i) TabelaImpressora[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
    TformChecaBrl f;
    f.DefineLinha("#ab\x0f" "cd");
    f.FormActivate();
    EXPECT_EQ(f.edtReversao->text(), QString("12"));
    EXPECT_EQ(f.Reversao().size(), 5u);
    EXPECT_EQ(f.edtBraille->text().size(), 6);
}

TEST_F(VisualTest, ModoRevisorMostraOTextoSomenteLeitura) {
    revisor = true;
    v->FormActivate();
    EXPECT_TRUE(v->lboxVisual->isHidden());
    EXPECT_TRUE(v->richEdRevisor->isReadOnly());
    // The whole status bar is written in red, the page panel too.
    EXPECT_EQ(v->painel1->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(v->richEdRevisor->document()->blockCount(), 14);
    EXPECT_EQ(v->richEdRevisor->textCursor().blockNumber(), 8);
    // Moving the caret selects the line in the list.
    QTextCursor c = v->richEdRevisor->textCursor();
    c.setPosition(v->InicioLinhaRevisor[2] + 1);
    v->richEdRevisor->setTextCursor(c);
    EXPECT_EQ(v->lboxVisual->currentRow(), 2);
    c.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor);
    v->richEdRevisor->setTextCursor(c);
    EXPECT_EQ(Texto(v->stxPagina), "P\xe1gina: -");
    EXPECT_EQ(Texto(v->stxLinha), "Linha: -");
    revisor = false;
    v->AtualizaModo();
    EXPECT_TRUE(v->richEdRevisor->isHidden());
    EXPECT_NE(v->painel1->palette().color(QPalette::WindowText), QColor(Qt::red));
}

// A build while another window is in front leaves the keyboard on the display
// (list or reviewer text), not on the printer name, when the view comes to the front.
TEST_F(VisualTest, OTecladoVoltaAoDisplayQuandoAJanelaVemParaAFrente) {
    QWidget outra;
    outra.show();
    v->show();
    QApplication::setActiveWindow(&outra);
    QApplication::processEvents();
    if (v->isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
    v->FormActivate();
    EXPECT_EQ(v->focusWidget(), v->lboxVisual);
    QApplication::setActiveWindow(v.get());
    QApplication::processEvents();
    if (!v->isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
    EXPECT_EQ(QApplication::focusWidget(), v->lboxVisual);
    // Reviewer mode switched on from the main window, the view behind it.
    QApplication::setActiveWindow(&outra);
    QApplication::processEvents();
    revisor = true;
    v->AtualizaModo();
    QApplication::setActiveWindow(v.get());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), v->richEdRevisor);
    // A page asked for in the input box over the view.
    revisor = false;
    v->AtualizaModo();
    v->edtNomeImprAtual->setFocus();
    dlg.fake.linhas.push_back(std::string("3"));
    QApplication::setActiveWindow(&outra);
    QApplication::processEvents();
    v->IrParaPagina();
    QApplication::setActiveWindow(v.get());
    QApplication::processEvents();
    EXPECT_EQ(v->lboxVisual->currentRow(), 7);
    EXPECT_EQ(QApplication::focusWidget(), v->lboxVisual);
}

// A print compiles other pages into the same maps while the view shows its
// own lines: the way back, go-to-page and the page display keep to the view's.
TEST_F(VisualTest, CompilacaoDeImpressaoNaoMudaOsMapasDaVista) {
    v->show();
    v->FormActivate();
    EstadoCompilacao& e = EstadoPrincipal();
    // What a print of pages 4 to 5 leaves: lines from page 4 on, numbered anew.
    e.MapaRascunhoEditor = {5, 5, 5, 5, 6, 6};
    e.QuantRascunhoMapeadas = 5;
    e.MapaPagArabica.assign(1001, -1);
    e.MapaPagFisica.assign(1001, -1);
    e.PaginaFisica = 2;
    v->lboxVisual->setCurrentRow(5);
    v->IrAoOriginal();
    ASSERT_EQ(posicoes.size(), 1u);
    EXPECT_EQ(posicoes[0], std::make_pair(4, 0));
    v->show();
    dlg.fake.linhas.push_back(std::string("3"));
    v->IrParaPagina();
    EXPECT_EQ(dlg.fake.registros.size(), 1u); // no message
    EXPECT_EQ(v->lboxVisual->currentRow(), 7);
    v->AtualizaPosicao();
    EXPECT_EQ(Texto(v->stxPagina), "P\xe1gina: 3");
    // The next view compile brings the view and its maps together again.
    e.MapaRascunhoEditor = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    e.QuantRascunhoMapeadas = 13;
    v->MarcaRecarga(true, false);
    v->MontaVisualizacao();
    v->lboxVisual->setCurrentRow(5);
    v->IrAoOriginal();
    EXPECT_EQ(posicoes.back(), std::make_pair(0, 0));
}

TEST_F(VisualTest, RotulosSeguemOCodigoEmVigor) {
    v->FormActivate();
    v->TeclaDisplay(Qt::Key_F11, Qt::NoModifier);
    const std::string antes = v->RotulosLinha[1];
    // A new output table (another code loaded): the labels are made again.
    TabelaImpressora['#'] = '%';
    TabelaImpressora[static_cast<unsigned char>(antes[0])] = '%';
    v->MarcaRecarga(true, false);
    v->MontaVisualizacao();
    EXPECT_EQ(v->RotulosLinha[1][0], '%');
    EXPECT_EQ(Item(0).substr(0, 4), v->RotulosLinha[1]);
}

TEST_F(VisualTest, TintaOutraFonteEBraille) {
    v->FormActivate();
    v->imEmTinta->trigger();
    EXPECT_EQ(v->lboxVisual->TextoLinha(0), QString("aaa      "));
    EXPECT_EQ(v->lboxVisual->currentRow(), 8);
    bool aceita = false;
    v->EscolheFonte = [&](QFont& f) {
        if (aceita) f.setFamily("DejaVu Sans Mono");
        return aceita;
    };
    for (bool a : {false, true}) { // cancelled, the font stays; either way the cells come back
        aceita = a;
        v->imEmTinta->trigger();
        v->SymBraille1->trigger();
        EXPECT_EQ(v->FonteBraille, QString(a ? "DejaVu Sans Mono" : "BrailleTalvo"));
        EXPECT_EQ(v->lboxVisual->TextoLinha(0), TextoCelas("aaa      "));
    }
    v->BrailleTalvo1->trigger();
    EXPECT_EQ(v->FonteBraille, QString("BrailleTalvo"));
    v->Pequeno1->trigger();
    const int pequeno = v->lboxVisual->AlturaItem();
    v->FormActivate(); // every activation returns to the normal size
    EXPECT_GT(v->lboxVisual->AlturaItem(), pequeno);
}

// How far a line edit's text stands scrolled to the left, in pixels, as it
// is painted with the cursor where it is.
int Rolagem(QLineEdit* e) {
    e->grab();
    const int pos = e->cursorPosition();
    const int x = e->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() - e->fontMetrics().horizontalAdvance(e->text().left(pos));
    e->setCursorPosition(0);
    e->grab();
    const int inicio = e->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    e->setCursorPosition(pos);
    return inicio - x;
}

// The embosser's name shows from its first letter whatever built the view
// again, and whole for every model of the list and the placeholder.
TEST_F(VisualTest, NomeDaImpressoraInteiroDesdeOComeco) {
    v->resize(900, 620);
    v->show();
    QApplication::setActiveWindow(v.get());
    v->FormActivate();
    v->lboxVisual->setFocus();
    QLineEdit* caixa = v->edtNomeImprAtual;
    const std::pair<const char*, std::function<void()>> caminhos[] = {
        {"F11", [&] {
             QKeyEvent f11(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier);
             QApplication::sendEvent(v->lboxVisual, &f11);
         }},
        {"rebuild", [&] {
             v->MarcaRecarga(true, false);
             v->MontaVisualizacao();
         }},
        {"resize", [&] { v->resize(v->width() == 900 ? 500 : 900, 620); }},
    };
    std::vector<std::string> nomes = ModelosImpressora();
    nomes.push_back(kSelecioneModelo);
    nomes.push_back("Impressora braille da sala 2 do segundo andar");
    for (const std::string& nome : nomes) {
        ImprMarca = nome;
        const bool daLista = nome.size() < 30;
        for (const auto& [caminho, faz] : caminhos) {
            SCOPED_TRACE(nome + " / " + caminho);
            faz();
            QApplication::processEvents();
            EXPECT_EQ(Desde(caixa->text()), nome);
            EXPECT_EQ(Rolagem(caixa), 0);
            if (!daLista) continue;
            caixa->end(false);
            EXPECT_EQ(Rolagem(caixa), 0) << "cut at the end";
            caixa->home(false);
        }
    }
}

} // namespace
