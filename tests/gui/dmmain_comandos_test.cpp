// The main window's command surface: the menu tree and the toolbar rows as
// built, checked against the entries the users know; enabling, dispatch and
// focus rules; the screen font, the profiles and the update entries.
#include "editor/gui/dmcnfdir.h"
#include "editor/gui/dmcnfprg.h"
#include "output/gui/dmcnfprt.h"
#include "platform/ini.h"
#include "support/janela_teste.h"
#include "support/principal_teste.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <set>
#include <stdexcept>

namespace {

struct Entrada {
    std::string caminho, legenda, atalho, nome, manipulador;
    bool operator==(const Entrada&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Entrada& e) {
    return os << "{" << e.caminho << " / " << e.legenda << " / " << e.atalho << " / " << e.nome << " / "
              << e.manipulador << "}";
}

// The main menu as the users know it, menu after menu (menus themselves are
// rows with no handler; separators are left out). The recent-file entries
// take their captions from the recent list, here empty.
const std::vector<Entrada>& MenuEsperado() {
    static const std::vector<Entrada> m = [] {
        const std::string arq = "&Arquivo", edi = "&Editar", cfg = "&Configurar", gra = "&Gráficos"_cp,
                          des = "&Destaques", uti = "&Utilitários"_cp, ort = "&Ortografia", aju = "&? (Ajuda)";
        return std::vector<Entrada>{
            {"", arq, "", "menuArquivo", ""},
            {arq, "&Novo", "", "imNovo", "imNovoClick"},
            {arq, "&Abrir", "", "imAbrir", "imAbrirClick"},
            {arq, "&Reabrir...", "", "imReabrir", ""},
            {arq + "|&Reabrir...", "", "", "imArq1", "imArq1Click"},
            {arq + "|&Reabrir...", "", "", "imArq2", "imArq2Click"},
            {arq + "|&Reabrir...", "", "", "imArq3", "imArq3Click"},
            {arq + "|&Reabrir...", "", "", "imArq4", "imArq4Click"},
            {arq + "|&Reabrir...", "", "", "imArq5", "imArq5Click"},
            {arq, "&Salvar", "F2", "imSalvar", "imSalvarClick"},
            {arq, "Salvar &Como", "", "imSalvarComo", "imSalvarComoClick"},
            {arq, "Imprimir &Texto", "", "imImprimirTexto", "imImprimirTextoClick"},
            {arq, "Imprimir em &Braille", "Ctrl+P", "imImprimirBraille", "imImprimirBrailleClick"},
            {arq, "Braille no &Word", "", "imBrailleNoWord", "imBrailleNoWordClick"},
            {arq, "Tinta no Word", "", "imTintaNoWord", "imTintaNoWordClick"},
            {arq, "Chamar &Puma 7", "Ctrl+Alt+P", "imChamarPuma2", "imChamarPuma2Click"},
            {arq, "Sa&ir", "", "imSair", "imSairClick"},

            {"", edi, "", "menuEditar", ""},
            {edi, "Desfa&zer", "Ctrl+Z", "imDesfazer", "imDesfazerClick"},
            {edi, "&Recortar", "Ctrl+X", "imRecortar", "imRecortarClick"},
            {edi, "&Copiar", "Ctrl+C", "imCopiar", "imCopiarClick"},
            {edi, "C&olar", "Ctrl+V", "imColar", "imColarClick"},
            {edi, "&Localizar", "Ctrl+F", "imLocalizar", "imLocalizarClick"},
            {edi, "&Substituir", "Ctrl+S", "imSubstituir", "imSubstituirClick"},
            {edi, "Selecionar &Tudo", "Ctrl+A", "imSelecTudo", "imSelecTudoClick"},
            {edi, "&Dividir linhas grandes", "", "imDivLinhasGrandes", "imDivLinhasGrandesClick"},
            {edi, "Copiar em Meta-&Braille", "Ctrl+B", "imCopiarEmMetaBraille", "imCopiarEmBrailleClick"},
            {edi, "Não &Ajustar este trecho"_cp, "Ctrl+N", "imNaoFormatar", "imNaoFormatarClick"},
            {edi, "Recuo de &2", "Ctrl+E", "imRecuoDe2", "imRecuoDe2Click"},
            {edi, "Centrar lin&has", "", "imCentragemLogica", "imCentragemLogicaClick"},
            {edi, "Centragem FÍSICA"_cp, "", "imCentragemFisica", "imCentragemFisicaClick"},

            {"", cfg, "", "menuConfigurar", ""},
            {cfg, "&Parâmetros do Programa"_cp, "", "imParametros", "imParametrosClick"},
            {cfg, "Configuração da &Margem"_cp, "", "imConfigMargem", "imConfigMargemClick"},
            {cfg, "&Fonte na tela", "", "imFonteNaTela", "imFonteNaTelaClick"},
            {cfg, "&Impressora Braille", "", "imImprBraille", "imImprBrailleClick"},
            {cfg, "&Diretórios"_cp, "", "Diretorios1", "Diretorios1Click"},
            {cfg, "&Verificador Ortográfico"_cp, "", "imVerifOrtografico", "imVerifOrtograficoClick"},
            {cfg, "Modo &Revisor", "F4", "imModoRevisor", "imModoRevisorClick"},
            {cfg, "&5 linhas Braille", "F5", "imVis5Linhas", "imVis5LinhasClick"},
            {cfg, "&Salvar Configuração"_cp, "", "imSalvarConfigPadrao", "imSalvarConfigPadraoClick"},
            {cfg, "&Carregar Configuração"_cp, "", "imCarregaConfig", "imCarregaConfigClick"},

            {"", gra, "", "menuGraficos", ""},
            {gra, "Editor &Gráfico"_cp, "", "imEditorGrafico", ""},
            {gra + "|Editor &Gráfico"_cp, "&Grafemor Braille", "", "imGrafemorBraille", "imGrafemorBrailleClick"},
            {gra + "|Editor &Gráfico"_cp, "&Velun", "", "imVelun", "imVelunClick"},
            {gra, "Criar gráfico vazio"_cp, "", "Criargrficovazio1", "Criargrficovazio1Click"},
            {gra, "&Página gráfica"_cp, "", "imPaginaGraf", "imPaginaGrafClick"},
            {gra, "&Intercalar gráfico"_cp, "", "imIntercalarGraf", "imIntercalarGrafClick"},
            {gra, "&Embutir gráfico"_cp, "", "imEmbutirGraf", "imEmbutirGrafClick"},

            {"", des, "", "menuDestaques", ""},
            {des, "&Quadrinhos", "", "Quadrinhos1", "Quadrinhos1Click"},
            {des, "&Separador de Textos", "", "SeparadordeTextos1", ""},
            {des + "|&Separador de Textos", "&Grande abrangência"_cp, "", "Grandeabrangncia1",
             "Grandeabrangncia1Click"},
            {des + "|&Separador de Textos", "&Média abrangência"_cp, "", "Mdiaabrangncia1", "Mdiaabrangncia1Click"},
            {des + "|&Separador de Textos", "&Pequena abrangência"_cp, "", "Pequenaabrangncia1",
             "Pequenaabrangncia1Click"},
            {des, "&Variante tipográfica"_cp, "", "imVarTipografica", ""},
            {des + "|&Variante tipográfica"_cp, "&1", "", "imVarTipografica1", "imVarTipograficaClick"},
            {des + "|&Variante tipográfica"_cp, "&2", "", "imVarTipografica2", "imVarTipograficaClick"},
            {des + "|&Variante tipográfica"_cp, "&3", "", "imVarTipografica3", "imVarTipograficaClick"},
            {des, "&Nota de transcrição"_cp, "Ctrl+T", "Notadetranscrio1", "Notadetranscrio1Click"},
            {des, "Página em tinta (COM &transpaginação)"_cp, "", "imPagTintaComTransp", "imPagTintaComTranspClick"},
            {des, "&Página em tinta"_cp, "", "imPagTintaSemTransp", "imPagTintaSemTranspClick"},

            {"", uti, "", "menuUtilitarios", ""},
            {uti, "Símbolos &Especiais"_cp, "Ctrl+Y", "imSimbolosEspeciais", "imSimbolosEspeciaisClick"},
            {uti, "Digitação &Perkins"_cp, "", "DigitaoPerkins1", "DigitaoPerkins1Click"},
            {uti, "Texto em alto-relevo (NOVO)", "", "Inserirtextoemaltorelevo1", "Inserirtextoemaltorelevo1Click"},
            {uti, "Texto para &Tabela", "Ctrl+Alt+T", "extoparaTabela1", "extoparaTabela1Click"},
            {uti, "Macro-&processador", "", "Macroprocessador1", "Macroprocessador1Click"},
            {uti, "Retoques em &Braille", "", "DigitaremBraille1", "DigitaremBraille1Click"},
            {uti, "Converter para formato &DOS", "", "ConverterparaformatoDOS1", "ConverterparaformatoDOS1Click"},
            {uti, "Converter para formato &Windows", "", "ConverterparaformatoWindows1",
             "ConverterparaformatoWindows1Click"},
            {uti, "Eliminar &Formatações"_cp, "", "Eliminarformataes1", "Eliminarformataes1Click"},
            {uti, "minúscula/&MAIÚSCULA"_cp, "", "imMinuscMAIUSC", "imMinuscMAIUSCClick"},
            {uti, "MAIÚSCULA/mi&núscula"_cp, "", "imMAIUSCminusc", "imMAIUSCminuscClick"},
            {uti, "&Tabela de &Caracteres", "", "abeladeCaracteres1", "abeladeCaracteres1Click"},
            {uti, "Criar &Anotação"_cp, "F8", "b_anot", "b_anotClick"},
            {uti, "&Folhear anotações"_cp, "F6", "Folhearrevises1", "Folhearrevises1Click"},

            {"", ort, "", "menuOrtografia", ""},
            {ort, "&Carregar dicionário"_cp, "", "Carregardicionrio1", "Carregardicionrio1Click"},
            {ort, "&Liberar dicionário"_cp, "", "Liberardicionrio1", "Liberardicionrio1Click"},
            {ort, "&Procurar palavra errada", "F7", "Verificarerro1", "Verificarerro1Click"},
            {ort, "&Outras alternativas", "Ctrl+F7", "Outrasalternativas1", "Outrasalternativas1Click"},
            {ort, "&Manutenção no dicionário"_cp, "", "Manutenonodicionrio1", ""},
            {ort + "|&Manutenção no dicionário"_cp, "&Acrescentar palavra", "", "Acrescentarpalavra1",
             "Acrescentarpalavra1Click"},
            {ort + "|&Manutenção no dicionário"_cp, "&Inibir palavra", "", "Inibirpalavra1", "Inibirpalavra1Click"},

            {"", "&Visualizar (F9)", "F9", "imVisualizar", "imVisualizarClick"},
            {"", "A&tualizar (F12)", "F12", "imAtualizarBraille", "imAtualizarBrailleClick"},

            {"", aju, "", "menuAjuda", ""},
            {aju, "&Procurar atualização..."_cp, "", "imProcAtualizacao", "imProcAtualizacaoClick"},
            {aju, "&Instala atualização pendente"_cp, "", "imInstalaAtualizacao", ""},
            {aju, "A&tualizações automáticas"_cp, "", "imAtualizacoesAutomaticas", "imAtualizacoesAutomaticasClick"},
            {aju, "&Manual do Dotmara", "", "imManual", "imManualClick"},
            {aju, "&Sobre o programa", "", "imSobrePrograma", "imSobreProgramaClick"},
        };
    }();
    return m;
}

// The toolbar rows, left to right: (row, caption, name, handler).
struct Botao {
    int linha;
    std::string legenda, nome, manipulador;
    bool operator==(const Botao&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Botao& b) {
    return os << "{" << b.linha << " / " << b.legenda << " / " << b.nome << " / " << b.manipulador << "}";
}

const std::vector<Botao>& ToolBarEsperada() {
    static const std::vector<Botao> t = {
        {1, "Novo", "bbtnNovo", "imNovoClick"},
        {1, "Abrir", "bbtnAbrir", "imAbrirClick"},
        {1, "Salvar", "bbtnSalvar", "imSalvarClick"},
        {1, "Imprimir Braille", "bbtnImprimirBraille", "imImprimirBrailleClick"},
        {1, "Recortar Ctrl+X", "bbtnRecortar", "bbtnRecortarClick"},
        {1, "Copiar Ctrl+C", "bbtnCopiar", "bbtnCopiarClick"},
        {1, "Colar Ctrl+V", "bbtnColar", "bbtnColarClick"},
        {1, "Fonte na tela", "bbtnFonteNaTela", "imFonteNaTelaClick"},
        {1, "Visualizar (F9)", "bbtnVisualizar", "imVisualizarClick"},
        {1, "Visualizar 5 linhas (F5)", "ckbox5Linhas", "ckbox5LinhasClick"},
        {1, "Centrar  (Centragem Lógica)"_cp, "bbtnCentrar", "bbtnCentrarClick"},
        {1, "Grifo", "bbtnGrifo", "bbtnGrifoClick"},
        {1, "", "cboxTipoGrifo", ""},
        {1, "Sair do Programa", "bbtnSair", "imSairClick"},
        {2, "Pág."_cp, "bbtnNovaPagina", "bbtnNovaPaginaClick"},
        {2, "?*", "bbtnParentesesAux", "bbtnParentesesAuxClick"},
        {2, "R±"_cp, "bbtnRecuo", "bbtnRecuoClick"},
        {2, "F±"_cp, "bbtnNaoFormatar", "bbtnNaoFormatarClick"},
        {2, "S±"_cp, "bbtnNaoSepararSilaba", "bbtnNaoSepararSilabaClick"},
        {2, "I±"_cp, "bbtnGrafiaInglesa", "bbtnGrafiaInglesaClick"},
        {2, "Perkins", "bbtnDigPerkins", "bbtnDigPerkinsClick"},
        {2, "Símbolos"_cp, "bbtnSimbolo", "bbtnSimboloClick"},
        {2, "Informática"_cp, "bbtnDelimitInform", "bbtnDelimitInformClick"},
        {2, "Pág.Tinta"_cp, "bbtnPagTinta", "bbtnPagTintaClick"},
        {2, "Anotação"_cp, "bbtnAnotacao", "bbtnAnotacaoClick"},
        {2, "Peça Orient."_cp, "bbtnPecaOrient", "bbtnPecaOrientClick"},
        {2, "Verificar Ortografia", "bbtn", "bbtnClick"},
    };
    return t;
}

std::string Manipulador(const QObject* o) { return DeQString(o->property("manipulador").toString()); }

// The built menu bar, walked as the user walks it.
void Percorre(const QList<QAction*>& acoes, const std::string& caminho, std::vector<Entrada>& r,
              std::vector<std::string>& separadores) {
    std::string anterior = "-";   // a menu never starts with a separator
    for (QAction* a : acoes) {
        if (a->isSeparator()) {
            if (anterior == "-") separadores.push_back(caminho + ": separador fora de lugar");
            anterior = "-";
            continue;
        }
        anterior = "x";
        if (QMenu* m = a->menu()) {
            const std::string titulo = DeQString(m->title());
            r.push_back({caminho, titulo, "", DeQString(m->objectName()), ""});
            Percorre(m->actions(), caminho.empty() ? titulo : caminho + "|" + titulo, r, separadores);
        } else {
            r.push_back({caminho, DeQString(a->text()), DeQString(a->shortcut().toString(QKeySequence::PortableText)),
                         DeQString(a->objectName()), Manipulador(a)});
        }
    }
    if (!acoes.isEmpty() && acoes.back()->isSeparator()) separadores.push_back(caminho + ": termina em separador");
}

// The toolbar's controls in the order of their rows.
std::vector<std::pair<int, QWidget*>> ControlesDasLinhas(TformPrincipal& j) {
    std::vector<std::pair<int, QWidget*>> r;
    int n = 1;
    for (QHBoxLayout* linha : {j.linhaToolBar1, j.linhaToolBar2}) {
        for (int i = 0; i < linha->count(); ++i)
            if (QWidget* w = linha->itemAt(i)->widget()) r.emplace_back(n, w);
        ++n;
    }
    return r;
}

class Comandos : public JanelaDeTeste {
protected:
    void SetUp() override {
        PreparaAmbiente();
        ArqAmbCode = std::string(DOTMARA_DATA_DIR) + "/ambcode.cfg";
        ArqAmbCode2 = std::string(DOTMARA_DATA_DIR) + "/ambcode2.cfg";
        CriaJanela();
        RespondeCancelar(*janela);
    }
    void Mostra() {
        janela->show();
        janela->activateWindow();
        QApplication::processEvents();
    }
    void Clica(const char* nome) { qobject_cast<QAbstractButton*>(janela->Controle(nome))->click(); }
    std::vector<std::string> Textos() { return caixas.fake.Textos(); }
};

TEST_F(Comandos, ArvoreDoMenuComoOsUsuariosAConhecem) {
    std::vector<Entrada> construido;
    std::vector<std::string> separadores;
    Percorre(janela->menuBar()->actions(), "", construido, separadores);
    const auto& esperado = MenuEsperado();
    for (std::size_t i = 0; i < std::max(construido.size(), esperado.size()); ++i) {
        ASSERT_LT(i, construido.size()) << "falta " << esperado[i];
        ASSERT_LT(i, esperado.size()) << "sobra " << construido[i];
        EXPECT_EQ(construido[i], esperado[i]) << "entrada " << i;
    }
    EXPECT_TRUE(separadores.empty()) << separadores.front();
    // Every entry has its own name.
    QStringList nomes;
    for (QAction* a : janela->findChildren<QAction*>())
        if (!a->objectName().isEmpty()) nomes << a->objectName();
    EXPECT_EQ(nomes.size(), QSet<QString>(nomes.begin(), nomes.end()).size());
}

TEST_F(Comandos, DuasLinhasDaToolBar) {
    std::vector<Botao> construido;
    for (auto [linha, w] : ControlesDasLinhas(*janela)) {
        auto* b = qobject_cast<QAbstractButton*>(w);
        construido.push_back({linha, b ? DeQString(b->text()) : "", DeQString(w->objectName()), Manipulador(w)});
    }
    EXPECT_EQ(construido, ToolBarEsperada());
    EXPECT_EQ(janela->Controle("cboxTipoGrifo"), janela->cboxTipoGrifo);
}

// An entry is enabled exactly while its handler is connected; entries that
// share a handler follow it together, menu and toolbar alike; a handler no
// entry names is a fault, said at once.
TEST_F(Comandos, EntradaSoAtivaComOComandoLigado) {
    int vezes = 0;
    janela->LigaComando("imNovoClick", {});
    EXPECT_FALSE(janela->imNovo->isEnabled());
    EXPECT_FALSE(janela->Controle("bbtnNovo")->isEnabled());
    janela->imNovo->trigger();
    janela->LigaComando("imNovoClick", [&] { ++vezes; });
    EXPECT_TRUE(janela->Controle("bbtnNovo")->isEnabled());
    janela->imNovo->trigger();
    Clica("bbtnNovo");
    EXPECT_EQ(vezes, 2);
    janela->LigaComando("imNadaClick", [] {});
    EXPECT_EQ(Textos().size(), 1u);
}

// Every shortcut of the menu, pressed in the editor as the window system
// delivers it, runs its own entry's command and no other: no two entries
// share a key, and the editor takes none of them for itself.
TEST_F(Comandos, CadaAtalhoPressionadoRodaSoSeuComando) {
    std::vector<std::string> rodados;
    std::set<std::string> manipuladores;
    for (const Entrada& e : MenuEsperado())
        if (!e.manipulador.empty()) manipuladores.insert(e.manipulador);
    for (const Botao& b : ToolBarEsperada())
        if (!b.manipulador.empty()) manipuladores.insert(b.manipulador);
    for (const std::string& m : manipuladores) janela->LigaComando(m, [&rodados, m] { rodados.push_back(m); });
    janela->show();
    janela->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QGuiApplication::focusWindow() == janela->windowHandle(); }));
    janela->imChamarPuma2->setEnabled(true);   // as with the plate embosser chosen

    std::set<std::string> teclas;
    int comAtalho = 0;
    for (const Entrada& e : MenuEsperado()) {
        if (e.atalho.empty()) continue;
        SCOPED_TRACE(e.atalho + " " + e.manipulador);
        ++comAtalho;
        EXPECT_TRUE(teclas.insert(e.atalho).second) << "atalho repetido";
        const QKeyCombination k = QKeySequence(ParaQString(e.atalho), QKeySequence::PortableText)[0];
        rodados.clear();
        janela->richEdPrincipal->setFocus();
        QTest::keyClick(janela->richEdPrincipal, k.key(), k.keyboardModifiers());
        QApplication::processEvents();
        EXPECT_EQ(rodados, std::vector<std::string>{e.manipulador});
    }
    EXPECT_EQ(comAtalho, 24);
}

// F9, F12 and F4 refresh or switch the braille view whichever of the
// program's windows is in front (the view itself in reviewer mode); a modal
// box in front holds them back, and the editor's other keys stay its own.
TEST_F(Comandos, AtalhosDaVisualizacaoSobreOutraJanela) {
    std::vector<std::string> rodados;
    for (const char* m : {"imVisualizarClick", "imAtualizarBrailleClick", "imModoRevisorClick", "imSalvarClick"})
        janela->LigaComando(m, [&rodados, m] { rodados.push_back(m); });
    janela->show();
    QWidget outra;
    auto* campo = new QLineEdit(&outra);
    outra.show();
    outra.activateWindow();
    if (!QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == outra.windowHandle(); }))
        GTEST_SKIP() << "no window activation on this platform";
    campo->setFocus();
    for (Qt::Key k : {Qt::Key_F9, Qt::Key_F12, Qt::Key_F4}) QTest::keyClick(campo, k);
    QTest::keyClick(campo, Qt::Key_F2);   // Salvar belongs to the main window only
    QApplication::processEvents();
    EXPECT_EQ(rodados, (std::vector<std::string>{"imVisualizarClick", "imAtualizarBrailleClick", "imModoRevisorClick"}));

    rodados.clear();
    QDialog caixa(&outra);
    caixa.setModal(true);
    auto* resposta = new QLineEdit(&caixa);
    caixa.show();
    caixa.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == caixa.windowHandle(); }));
    resposta->setFocus();
    QTest::keyClick(resposta, Qt::Key_F9);
    QApplication::processEvents();
    EXPECT_TRUE(rodados.empty());
}

// The handler knows which entry ran it: the three variants share one.
TEST_F(Comandos, OrigemDoComando) {
    std::vector<std::string> legendas;
    janela->LigaComando("imVarTipograficaClick", [&] {
        auto* a = qobject_cast<QAction*>(janela->OrigemComando);
        legendas.push_back(a ? DeQString(a->text()) : "?");
    });
    for (const char* n : {"imVarTipografica2", "imVarTipografica1", "imVarTipografica3"}) janela->Acao(n)->trigger();
    EXPECT_EQ(legendas, (std::vector<std::string>{"&2", "&1", "&3"}));
    EXPECT_EQ(janela->OrigemComando, nullptr);
}

// Toolbar commands give the focus back to the editor unless they keep it
// where it is, menu commands leave it where it was, Esc on any toolbar
// control gives it back.
TEST_F(Comandos, FocoDepoisDeCadaComando) {
    Mostra();
    QWidget* outro = janela->cboxTipoGrifo;
    QWidget* editor = janela->richEdPrincipal;
    const struct {
        const char* manipulador;
        std::function<void()> dispara;
        bool fica;   // the command keeps the focus where it put it
        QWidget* focoEsperado;
    } casos[] = {
        {"bbtnRecuoClick", [this] { Clica("bbtnRecuo"); }, false, editor},
        {"imRecuoDe2Click", [this] { janela->Acao("imRecuoDe2")->trigger(); }, false, outro},
        {"imNovoClick", [this] { Clica("bbtnNovo"); }, false, editor},
        {"imNovoClick", [this] { janela->imNovo->trigger(); }, false, outro},
        {"bbtnRecuoClick", [this] { Clica("bbtnRecuo"); }, true, outro},
        {"bbtnRecuoClick", [this] { Clica("bbtnRecuo"); }, false, editor},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.manipulador);
        // A command that takes the focus away, as a dialog does.
        janela->LigaComando(c.manipulador, [this, outro, fica = c.fica] {
            outro->setFocus();
            if (fica) janela->FocoFicaOndeEsta();
        });
        editor->setFocus();
        c.dispara();
        EXPECT_EQ(janela->focusWidget(), c.focoEsperado);
    }
    for (auto [linha, w] : ControlesDasLinhas(*janela)) {
        SCOPED_TRACE(DeQString(w->objectName()));
        w->setFocus();
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(w, &esc);
        EXPECT_EQ(janela->focusWidget(), editor);
    }
}

// A command that fails is told with its caption, and the toolbar's focus
// rule still holds.
TEST_F(Comandos, FalhaDoComandoDitaComALegenda) {
    Mostra();
    const auto falha = [] { throw std::runtime_error("disco cheio"); };
    janela->LigaComando("bbtnRecuoClick", falha);
    janela->LigaComando("imRecuoDe2Click", falha);
    janela->cboxTipoGrifo->setFocus();
    Clica("bbtnRecuo");
    EXPECT_EQ(janela->focusWidget(), janela->richEdPrincipal);
    janela->Acao("imRecuoDe2")->trigger();
    ASSERT_EQ(Textos().size(), 2u);
    EXPECT_NE(Textos()[0].find("R±"_cp), std::string::npos) << Textos()[0];
    EXPECT_NE(Textos()[0].find("disco cheio"), std::string::npos);
    EXPECT_NE(Textos()[1].find("Recuo de 2"), std::string::npos) << Textos()[1];
}

// "&Fonte na tela" starts from the editor's font; the chosen font becomes
// the editor's, a cancelled dialog leaves it; the editor has the focus.
TEST_F(Comandos, FonteNaTela) {
    Mostra();
    const QFont original = janela->richEdPrincipal->font();
    QFont outra("DejaVu Sans Mono");
    outra.setPixelSize(30);
    for (const auto& [ok, esperada] : {std::pair{false, original}, std::pair{true, outra}}) {
        SCOPED_TRACE(ok);
        QFont inicial;
        janela->dialogoFonte = [&, ok = ok](QFont& f) {
            inicial = f;
            if (ok) f = outra;
            return ok;
        };
        janela->cboxTipoGrifo->setFocus();
        janela->Acao("imFonteNaTela")->trigger();
        EXPECT_EQ(inicial.pixelSize(), original.pixelSize());
        EXPECT_EQ(janela->richEdPrincipal->font().family(), esperada.family());
        EXPECT_EQ(janela->richEdPrincipal->font().pixelSize(), esperada.pixelSize());
        EXPECT_EQ(janela->focusWidget(), janela->richEdPrincipal);
    }
}

// Profiles from the menu: the questions of the save dialog, a load that fails.
TEST_F(Comandos, PerfisPeloMenu) {
    cfg.Grava("DOTMARA", "brailleAntigo", "N");
    cfg.Grava("IMPBRAILLE", "Marca", "Index Basic");
    std::vector<std::string> escolhas, pastas;
    auto dialogo = [&](const std::string& dir, std::string& nome) {
        pastas.push_back(dir);
        if (escolhas.empty()) return false;
        nome = escolhas.front();
        escolhas.erase(escolhas.begin());
        return true;
    };
    janela->dialogoSalvarConfig = dialogo;
    janela->dialogoAbrirConfig = dialogo;
    const std::string perfil = pasta.caminho("perfil.ini");
    const struct {
        const char* nome;
        std::string escolha;
        std::vector<int> respostas;
        std::vector<std::string> textos;
        bool gravado;
    } casos[] = {
        {"cancelado", "", {}, {}, false},
        {"nome em branco", "   ", {}, {}, false},
        {"novo, não criado", perfil, {mrNo}, {perfil + " não existe.\r\nDeseja criá-lo?"_cp}, false},
        {"novo, criado", "  " + perfil + " ", {mrYes}, {perfil + " não existe.\r\nDeseja criá-lo?"_cp}, true},
        {"existente, mantido", perfil, {mrNo}, {perfil + " já existe.\r\nDeseja substituí-lo?"_cp}, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        caixas.fake.Limpa();
        if (!c.escolha.empty()) escolhas = {c.escolha};
        caixas.fake.respostas = {c.respostas.begin(), c.respostas.end()};
        janela->Acao("imSalvarConfigPadrao")->trigger();
        EXPECT_EQ(Textos(), c.textos);
        EXPECT_EQ(ArquivoExiste(perfil), c.gravado);
    }
    EXPECT_EQ(pastas.front(), ExtraiDiretorio(cfg.ini()));   // beside the settings file

    // A file that is no profile: the settings stay.
    const std::string antes = cfg.Conteudo();
    caixas.fake.Limpa();
    escolhas = {pasta.grava("texto.ini", "uma linha qualquer\r\n")};
    janela->Acao("imCarregaConfig")->trigger();
    EXPECT_EQ(Textos(), std::vector<std::string>{"Erro ao carregar a configuração."_cp});
    EXPECT_EQ(cfg.Conteudo(), antes);
}

// A loaded profile's program settings and embosser are in force at once;
// a draft file or a dictionary of its own waits for the next start, and the
// folders window keeps showing the draft file in use. The settings it
// replaced are kept, and the user is told where.
TEST_F(Comandos, PerfilChegaAsJanelasDeConfiguracao) {
    auto config = std::make_unique<TformConfig>();
    formConfig = config.get();
    auto prn = std::make_unique<TformConfigPrn>();
    formConfigPrn = prn.get();
    janela->LigaConfigPrn(prn.get());
    auto dir = std::make_unique<TformConfigDir>();
    formConfigDir = dir.get();
    ASSERT_NE(prn->Modelo(), "Puma 7");
    const std::string rascunhoEmUso = ArqRascunho, dicionarioEmUso = ArqDicionario;
    const QString mostrado = dir->edtArqTrab->text();

    const std::string perfil =
        pasta.grava("p.ini", "[DOTMARA]\r\nmaxCarac=38\r\nbrailleAntigo=S\r\narqTrab=" +
                                 pasta.caminho("meu_rascunho.txt") +
                                 "\r\n[IMPBRAILLE]\r\nMarca=Puma 7\r\n[DICIONARIO]\r\nARQDIC=outro.dic\r\n");
    janela->dialogoAbrirConfig = [&](const std::string&, std::string& nome) {
        nome = perfil;
        return true;
    };
    cfg.Grava("DOTMARA", "titulo", "Livro anterior");
    const std::string anterior = cfg.Conteudo();
    caixas.fake.Limpa();   // the folders window's own warnings
    janela->Acao("imCarregaConfig")->trigger();
    EXPECT_EQ(MaxCarac, 38);
    EXPECT_TRUE(BrailleAntigo);
    EXPECT_EQ(prn->Modelo(), "Puma 7");
    EXPECT_TRUE(janela->imChamarPuma2->isEnabled());
    EXPECT_EQ(ArqRascunho, rascunhoEmUso);
    EXPECT_EQ(dir->edtArqTrab->text(), mostrado);
    EXPECT_EQ(ArqDicionario, dicionarioEmUso);
    EXPECT_EQ(cfg.Conteudo(), LeArquivoTeste(perfil));
    EXPECT_EQ(DiretorioAtual(), DirDocumento);
    // One message, where the former settings are kept: the old code's table
    // was loaded without one.
    EXPECT_EQ(Textos(), std::vector<std::string>{"Configuração carregada.\r\nA configuração anterior foi guardada em "_cp +
                                                 cfg.ini() + ".bak."});
    EXPECT_EQ(LeArquivoTeste(cfg.ini() + ".bak"), anterior);
    formConfigDir = nullptr;
    formConfigPrn = nullptr;
    formConfig = nullptr;
}

} // namespace
