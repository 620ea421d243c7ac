// The tactile-graphic windows through their widgets: the file viewer, the
// page preview and its link to the braille view, the relief text, the
// resolution dialog and the main window's insertion commands.
#include "core/dmvars.h"
#include "editor/gui/dmVisual.h"
#include "editor/gui/dmmain.h"
#include "output/dmAltoRelevo.h"
#include "output/dmgrafpr.h"
#include "output/gui/TformAltoRelevo.h"
#include "output/gui/TformExibeGraf.h"
#include "output/gui/TformResolucao.h"
#include "output/gui/TformVisualGraf.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"
#include "support/temporario.h"

#include <QApplication>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

const std::string G4(4, '\x0f');

int Pretos(const QImage& im) {
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) n += im.pixel(x, y) == 0xff000000;
    return n;
}

class Graficos : public ::testing::Test {
protected:
    void SetUp() override {
        RestauraPadroes();
        dlg = std::make_unique<DialogosFalsosEscopo>();
    }
    void TearDown() override {
        dlg.reset();
        RestauraPadroes();
    }
    PastaTemporaria pasta;
    std::unique_ptr<DialogosFalsosEscopo> dlg;
};

// A good, missing, empty, binary or overlong file: drawn at twice the size,
// a message or a clipped drawing, never a crash; every showing asks again.
TEST_F(Graficos, VisualizadorDesenhaEConfirma) {
    TformExibeGraf v;
    v.NomeArquivo = pasta.caminho("sumiu.grb");
    v.FormShow();
    EXPECT_EQ(dlg->fake.Textos(), (std::vector<std::string>{"Arquivo "_cp + v.NomeArquivo + " não achado"_cp}));
    EXPECT_EQ(Pretos(v.Imagem()), 0);
    dlg->fake.Limpa();
    for (const auto& [nome, conteudo, pretos] : std::vector<std::tuple<std::string, std::string, int>>{
             {"fig.grb", "* *\r\n\r\n*\r\n", 3},
             {"vazio.grb", "", 0},
             {"binario.grb", std::string("\x00\xff\x01\n\x7f", 5), 4},
             {"longo.grb", std::string(LadoMatriz, '*'), 232}}) { // as wide as a page matrix holds
        v.NomeArquivo = pasta.grava(nome, conteudo);
        v.FormShow();
        EXPECT_EQ(Pretos(v.Imagem()), pretos) << nome;
        EXPECT_EQ(v.GraficoConfirmado, 0);
        (nome == "fig.grb" ? v.b_confirma : v.b_cancela)->click();
        EXPECT_EQ(v.GraficoConfirmado, nome == "fig.grb" ? 1 : 0);
        if (nome == "fig.grb") {
            EXPECT_EQ(v.Imagem().pixel(5, 1), 0xff000000); // twice the size: the third column's dot
        }
    }
    EXPECT_TRUE(dlg->fake.registros.empty());
}

TEST_F(Graficos, PreviewPintaOsPontosEPgDnPedeAProximaPagina) {
    pasta.grava("fig.grb", "**\r\n");
    std::vector<std::string> linhas = {"A", std::string(50, '-'), "A", G4 + " E fig.grb"};
    int selecionada = 2, proximas = 0;
    ArqAtual = pasta.caminho("doc.txt");
    TipoTratGrafico = 0;
    TformVisualGraf g;
    g.Ligacoes.LinhasRascunho = [&]() -> const std::vector<std::string>& { return linhas; };
    g.Ligacoes.LinhaSelecionada = [&] { return selecionada; };
    g.Ligacoes.ProximaPagina = [&] {
        ++proximas;
        selecionada = 0;
    };
    g.DesenhaPagina();
    const QImage& im = g.Imagem();
    ASSERT_EQ(g.Pagina().pontos.size(), 3u); // two graphic dots and dot 1 of "A"
    for (const BlocoPonto& b : g.Pagina().pontos)
        EXPECT_EQ(im.pixel(b.x + 24 + b.largura - 1, b.y + 24 + b.altura - 1), 0xff000000);
    EXPECT_EQ(Pretos(im), 3 * 4);
    g.TeclaSolta(Qt::Key_PageDown);
    EXPECT_EQ(proximas, 1);
    EXPECT_EQ(g.Pagina().pontos.size(), 1u);
}

// The view's "&Gráfico" opens the preview; moving to another page redraws
// it; closing the view closes it.
TEST_F(Graficos, VisualizadorBrailleAbreEAcompanhaOPreview) {
    TformPrincipal janela;
    TformVisual visual;
    TformVisualGraf grafico;
    janela.LigaVisual(&visual);
    janela.LigaVisualGraf(&visual, &grafico);
    visual.AtualizaComandos();
    EXPECT_TRUE(visual.imVisGrafico->isEnabled());
    // The view reads its draft.
    auto monta = [&](const std::vector<std::string>& linhas) {
        std::string c;
        for (const auto& l : linhas) c += l + "\r\n";
        ArqRascunho = pasta.grava("rascunho.txt", c);
        visual.MarcaRecarga(true, false);
        visual.MontaVisualizacao();
        ASSERT_EQ(LinhasRascunho, linhas);
    };
    monta({"A", std::string(50, '-'), "B"});
    visual.imVisGrafico->trigger();
    EXPECT_TRUE(grafico.isVisible());
    visual.lboxVisual->setCurrentRow(0);
    visual.AtualizaPosicao();
    EXPECT_EQ(grafico.Pagina().pontos.size(), 1u); // "A"
    visual.lboxVisual->setCurrentRow(2);
    visual.AtualizaPosicao();
    EXPECT_EQ(grafico.Pagina().pontos.size(), 2u); // "B"
    // PgDn in the preview: the view goes to the next page and the preview
    // shows it, a missing graphic's message once.
    ArqAtual = pasta.caminho("doc.txt");
    TipoTratGrafico = 0;
    monta({"A", std::string(50, '-'), G4 + " E sumiu.grb"});
    visual.lboxVisual->setCurrentRow(0);
    visual.AtualizaPosicao();
    dlg->fake.Limpa();
    grafico.TeclaSolta(Qt::Key_PageDown);
    EXPECT_EQ(visual.lboxVisual->currentRow(), 2);
    EXPECT_EQ(dlg->fake.Textos().size(), 1u) << ::testing::PrintToString(dlg->fake.Textos());
    QApplication::processEvents();
    EXPECT_EQ(dlg->fake.Textos().size(), 1u);
    visual.close();
    EXPECT_FALSE(grafico.isVisible());
    LinhasRascunho.clear();
}

class AltoRelevo : public Graficos {
protected:
    // A window without the default font (no data folder).
    std::unique_ptr<TformAltoRelevo> SemFonte() {
        VariavelAmbiente dados("DOTMARA_DATA_DIR", pasta.caminho("vazia"));
        return std::make_unique<TformAltoRelevo>();
    }
};

TEST_F(AltoRelevo, FontePadraoCarregadaEGerarGrafico) {
    TformAltoRelevo r;
    ASSERT_TRUE(r.FonteCarregada());
    EXPECT_EQ(DeQString(r.edtFonteMDL->text()), "ZIRODEDOD");
    EXPECT_TRUE(r.TextoStatus().isEmpty());
    r.show(); // opened to type the text at once
    EXPECT_EQ(r.focusWidget(), r.memAltoRelevo);
    r.hide();
    r.btnGerarGrafClick(); // empty: nothing to save
    EXPECT_EQ(dlg->fake.Textos(), (std::vector<std::string>{"O gráfico está vazio!"_cp}));

    r.memAltoRelevo->setPlainText(ParaQString("Olá"_cp));
    r.cbboxTipoGrafico->setCurrentIndex(2);
    EXPECT_EQ(r.TipoGrafico, 2);
    const std::string nome = pasta.caminho("ola.grb");
    r.dialogoSalvar = [&](std::string& n) {
        n = nome;
        return true;
    };
    r.btnGerarGrafClick();
    EXPECT_EQ(r.result(), QDialog::Accepted);
    EXPECT_EQ(r.ArquivoGRB, nome);
    EXPECT_NE(pasta.le("ola.grb").find('*'), std::string::npos);
}

TEST_F(AltoRelevo, SemFonteControlesDesligadosEAviso) {
    auto r = SemFonte();
    EXPECT_EQ(DeQString(r->TextoStatus()), "  ATENÇÃO: arquivo de fontes (.MDL) não selecionado!  "_cp);
    EXPECT_FALSE(r->btnGerarGraf->isEnabled());
    EXPECT_FALSE(r->memAltoRelevo->isEnabled());
    r->show();
    EXPECT_EQ(dlg->fake.Textos(), (std::vector<std::string>{"Selecione arquivo de fontes (.MDL)"}));
    EXPECT_EQ(r->focusWidget(), r->btnSelecFont);
    r->hide();
    dlg->fake.Limpa();

    // A font that is not there, then one that is.
    std::string escolha = pasta.caminho("nada.MDL");
    r->dialogoFonte = [&](std::string& n) {
        n = escolha;
        return true;
    };
    r->btnSelecFontClick();
    EXPECT_EQ(dlg->fake.Textos(),
              (std::vector<std::string>{"Erro: arquivo "_cp + escolha + " não encontrado!"_cp}));
    EXPECT_FALSE(r->btnGerarGraf->isEnabled());
    escolha = pasta.grava("minha.fonte.mdl", "a=123\r\n");
    r->btnSelecFontClick();
    EXPECT_EQ(DeQString(r->edtFonteMDL->text()), "MINHA.FONTE");
    EXPECT_TRUE(r->btnGerarGraf->isEnabled());
    r->memAltoRelevo->setPlainText("aa");
    EXPECT_TRUE(r->Grade.Ponto(3, 3));
}

TEST_F(AltoRelevo, ResolucaoAceitaLimitesERecusaOResto) {
    TformResolucao d;
    d.FormActivate();
    EXPECT_EQ(d.editX->text(), "120");
    for (const auto& [x, y, aceita] : std::vector<std::tuple<const char*, const char*, bool>>{
             {"119", "150", false}, {"800", "1200", true}, {"801", "150", false},
             {"120", "abc", false}, {"200", "300", true}}) {
        d.editX->setText(x);
        d.editY->setText(y);
        d.botaoOKClick();
        EXPECT_EQ(d.result(), aceita ? QDialog::Accepted : QDialog::Rejected) << x << " " << y;
    }
    EXPECT_EQ(ResolucaoX, 200);
    EXPECT_EQ(ResolucaoY, 300);
    EXPECT_TRUE(dlg->fake.registros.empty());
    ResolucaoX = ResolucaoXMin;
    ResolucaoY = ResolucaoYMin;
}

class InsercaoGrafico : public Graficos {
protected:
    void SetUp() override {
        Graficos::SetUp();
        janela = std::make_unique<TformPrincipal>();
        exibe = std::make_unique<TformExibeGraf>();
        formExibeGraf = exibe.get();
        janela->DefineLinhas({"primeira", "segunda", "", "quarta"});
        ArqAtual = pasta.caminho("texto.txt");
        grafico = pasta.grava("figs/mapa.grb", "**\r\n");
    }
    void TearDown() override {
        formExibeGraf = nullptr;
        exibe.reset();
        janela.reset();
        Graficos::TearDown();
    }
    void Cursor(int linha, int coluna) { janela->PosicionaCursor(linha, coluna); }

    std::unique_ptr<TformPrincipal> janela;
    std::unique_ptr<TformExibeGraf> exibe;
    std::string grafico;
};

TEST_F(InsercaoGrafico, ReferenciaDoTipoNoLugarCerto) {
    struct Caso {
        int tipo, linha, coluna;
        bool confirma;
        std::vector<std::string> resultado;
    };
    const Caso casos[] = {
        {0, 1, 0, true, {"primeira", "<G  1 figs/mapa.grb>", "segunda", "", "quarta"}},
        {1, 1, 3, true, {"primeira", "segunda", "<G+ 1 figs/mapa.grb>", "", "quarta"}},
        {2, 2, 0, true, {"primeira", "segunda", "<G* 1 figs/mapa.grb>", "", "quarta"}},
        {2, 3, 6, true, {"primeira", "segunda", "", "quarta", "<G* 1 figs/mapa.grb>"}},
        {0, 1, 0, false, {"primeira", "segunda", "", "quarta"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.tipo * 100 + c.linha * 10 + c.coluna);
        janela->DefineLinhas({"primeira", "segunda", "", "quarta"});
        Cursor(c.linha, c.coluna);
        std::string pastaDoDialogo;
        janela->dialogoAbrirGrafico = [&](const std::string& dir, std::string& nome) {
            pastaDoDialogo = dir;
            nome = grafico;
            return true;
        };
        janela->executaModalGrafico = [&](QDialog& d) {
            EXPECT_EQ(&d, exibe.get());
            exibe->FormShow();
            (c.confirma ? exibe->b_confirma : exibe->b_cancela)->click();
            return d.result();
        };
        janela->InserirgrficoClick(c.tipo);
        EXPECT_EQ(exibe->NomeArquivo, grafico);
        EXPECT_EQ(janela->Linhas(), c.resultado);
        EXPECT_EQ(pastaDoDialogo, DirDocumento);
    }
}

TEST_F(InsercaoGrafico, EscolhaCanceladaNaoExibeNada) {
    bool exibiu = false;
    janela->dialogoAbrirGrafico = [](const std::string&, std::string&) { return false; };
    janela->executaModalGrafico = [&](QDialog&) {
        exibiu = true;
        return 0;
    };
    janela->imEmbutirGraf->trigger();
    EXPECT_FALSE(exibiu);
    EXPECT_EQ(janela->Linhas().size(), 4u);
}

TEST_F(InsercaoGrafico, TextoEmAltoRelevoInsereOGraficoGerado) {
    TformAltoRelevo relevo;
    formAltoRelevo = &relevo;
    Cursor(3, 2);
    int resposta = QDialog::Accepted;
    janela->executaModalGrafico = [&](QDialog& d) {
        EXPECT_EQ(&d, &relevo);
        relevo.TipoGrafico = 1;
        relevo.ArquivoGRB = pasta.caminho("ola.grb");
        return resposta;
    };
    janela->Inserirtextoemaltorelevo1Click();
    EXPECT_EQ(janela->Linhas(),
              (std::vector<std::string>{"primeira", "segunda", "", "quarta", "<G+ 1 ola.grb>"}));
    resposta = QDialog::Rejected;
    janela->Inserirtextoemaltorelevo1Click();
    EXPECT_EQ(janela->Linhas().size(), 5u);
    formAltoRelevo = nullptr;
}

} // namespace
