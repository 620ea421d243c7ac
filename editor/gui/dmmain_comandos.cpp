// dmmain_comandos: the tables of the main menu and of the toolbar, and the
// main window's building of both, its dispatch of every command (one place
// that runs a handler, with the focus rules), the window launchers, and the
// commands that belong to the command surface itself.
#include "editor/gui/dmmain_comandos.h"

#include "core/dmutil.h"
#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "editor/dmperfil.h"
#include "editor/gui/dmcnfprg.h"
#include "output/dmcnfprt_modelos.h"
#include "output/dmdevice_geometria.h"
#include "output/gui/dmcnfprt.h"
#include "editor/gui/dmVisual.h"
#include "editor/gui/dmmain.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/ini.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include <map>

namespace {

using T = TipoItemMenu;

// Captions of the menus, as paths.
#define ARQUIVO "&Arquivo"
#define EDITAR "&Editar"
#define CONFIGURAR "&Configurar"
#define ORTOGRAFIA "&Ortografia"
#define DESTAQUES "&Destaques"
#define AJUDA "&? (Ajuda)"

const ItemMenu kMenu[] = {
    {"", T::Menu, ARQUIVO, "menuArquivo", ""},
    {ARQUIVO, T::Comando, "&Novo", "imNovo", "imNovoClick"},
    {ARQUIVO, T::Comando, "&Abrir", "imAbrir", "imAbrirClick"},
    {ARQUIVO, T::Menu, "&Reabrir...", "imReabrir", ""},
    {ARQUIVO "|&Reabrir...", T::Comando, "1.", "imArq1", "imArq1Click", {}, {}, false, true},
    {ARQUIVO "|&Reabrir...", T::Comando, "2.", "imArq2", "imArq2Click", {}, {}, false, true},
    {ARQUIVO "|&Reabrir...", T::Comando, "3.", "imArq3", "imArq3Click", {}, {}, false, true},
    {ARQUIVO "|&Reabrir...", T::Comando, "4.", "imArq4", "imArq4Click", {}, {}, false, true},
    {ARQUIVO "|&Reabrir...", T::Comando, "5.", "imArq5", "imArq5Click", {}, {}, false, true},
    {ARQUIVO, T::Comando, "&Salvar", "imSalvar", "imSalvarClick", "F2"},
    {ARQUIVO, T::Comando, "Salvar &Como", "imSalvarComo", "imSalvarComoClick"},
    {ARQUIVO, T::Separador, "-", "", ""},
    {ARQUIVO, T::Comando, "Imprimir &Texto", "imImprimirTexto", "imImprimirTextoClick"},
    {ARQUIVO, T::Comando, "Imprimir em &Braille", "imImprimirBraille", "imImprimirBrailleClick", "Ctrl+P"},
    {ARQUIVO, T::Separador, "-", "", ""},
    {ARQUIVO, T::Comando, "Braille no &Word", "imBrailleNoWord", "imBrailleNoWordClick", {},
     "Exportar para o Word"},
    {ARQUIVO, T::Comando, "Tinta no Word", "imTintaNoWord", "imTintaNoWordClick"},
    {ARQUIVO, T::Separador, "-", "", ""},
    {ARQUIVO, T::Comando, "Chamar &Puma 7", "imChamarPuma2", "imChamarPuma2Click", "Ctrl+Alt+P",
     "Chamar programa Puma2"},
    {ARQUIVO, T::Comando, "Sa&ir", "imSair", "imSairClick"},

    {"", T::Menu, EDITAR, "menuEditar", ""},
    {EDITAR, T::Comando, "Desfa&zer", "imDesfazer", "imDesfazerClick", "Ctrl+Z"},
    {EDITAR, T::Separador, "-", "", ""},
    {EDITAR, T::Comando, "&Recortar", "imRecortar", "imRecortarClick", "Ctrl+X"},
    {EDITAR, T::Comando, "&Copiar", "imCopiar", "imCopiarClick", "Ctrl+C"},
    {EDITAR, T::Comando, "C&olar", "imColar", "imColarClick", "Ctrl+V"},
    {EDITAR, T::Separador, "-", "", ""},
    {EDITAR, T::Comando, "&Localizar", "imLocalizar", "imLocalizarClick", "Ctrl+F"},
    {EDITAR, T::Comando, "&Substituir", "imSubstituir", "imSubstituirClick", "Ctrl+S"},
    {EDITAR, T::Comando, "Selecionar &Tudo", "imSelecTudo", "imSelecTudoClick", "Ctrl+A"},
    {EDITAR, T::Comando, "&Dividir linhas grandes", "imDivLinhasGrandes", "imDivLinhasGrandesClick"},
    {EDITAR, T::Separador, "-", "", ""},
    {EDITAR, T::Comando, "Copiar em Meta-&Braille", "imCopiarEmMetaBraille", "imCopiarEmBrailleClick", "Ctrl+B"},
    {EDITAR, T::Separador, "-", "", ""},
    {EDITAR, T::Comando, "Não &Ajustar este trecho"_cp, "imNaoFormatar", "imNaoFormatarClick", "Ctrl+N"},
    {EDITAR, T::Comando, "Recuo de &2", "imRecuoDe2", "imRecuoDe2Click", "Ctrl+E"},
    {EDITAR, T::Comando, "Centrar lin&has", "imCentragemLogica", "imCentragemLogicaClick"},
    {EDITAR, T::Comando, "Centragem FÍSICA"_cp, "imCentragemFisica", "imCentragemFisicaClick"},

    {"", T::Menu, CONFIGURAR, "menuConfigurar", ""},
    {CONFIGURAR, T::Comando, "&Parâmetros do Programa"_cp, "imParametros", "imParametrosClick"},
    {CONFIGURAR, T::Comando, "Configuração da &Margem"_cp, "imConfigMargem", "imConfigMargemClick"},
    {CONFIGURAR, T::Comando, "&Fonte na tela", "imFonteNaTela", "imFonteNaTelaClick"},
    {CONFIGURAR, T::Comando, "&Impressora Braille", "imImprBraille", "imImprBrailleClick"},
    {CONFIGURAR, T::Comando, "&Diretórios"_cp, "Diretorios1", "Diretorios1Click"},
    {CONFIGURAR, T::Comando, "&Verificador Ortográfico"_cp, "imVerifOrtografico", "imVerifOrtograficoClick"},
    {CONFIGURAR, T::Separador, "-", "", ""},
    {CONFIGURAR, T::Comando, "Modo &Revisor", "imModoRevisor", "imModoRevisorClick", "F4", {}, true},
    {CONFIGURAR, T::Comando, "&5 linhas Braille", "imVis5Linhas", "imVis5LinhasClick", "F5", {}, true},
    {CONFIGURAR, T::Separador, "-", "", ""},
    {CONFIGURAR, T::Comando, "&Salvar Configuração"_cp, "imSalvarConfigPadrao", "imSalvarConfigPadraoClick"},
    {CONFIGURAR, T::Comando, "&Carregar Configuração"_cp, "imCarregaConfig", "imCarregaConfigClick"},

    {"", T::Menu, "&Gráficos"_cp, "menuGraficos", ""},
    {"&Gráficos"_cp, T::Menu, "Editor &Gráfico"_cp, "imEditorGrafico", ""},
    {"&Gráficos|Editor &Gráfico"_cp, T::Comando, "&Grafemor Braille", "imGrafemorBraille",
     "imGrafemorBrailleClick"},
    {"&Gráficos|Editor &Gráfico"_cp, T::Comando, "&Velun", "imVelun", "imVelunClick"},
    {"&Gráficos"_cp, T::Comando, "Criar gráfico vazio"_cp, "Criargrficovazio1", "Criargrficovazio1Click"},
    {"&Gráficos"_cp, T::Separador, "-", "", ""},
    {"&Gráficos"_cp, T::Comando, "&Página gráfica"_cp, "imPaginaGraf", "imPaginaGrafClick"},
    {"&Gráficos"_cp, T::Comando, "&Intercalar gráfico"_cp, "imIntercalarGraf", "imIntercalarGrafClick"},
    {"&Gráficos"_cp, T::Comando, "&Embutir gráfico"_cp, "imEmbutirGraf", "imEmbutirGrafClick"},

    {"", T::Menu, DESTAQUES, "menuDestaques", ""},
    {DESTAQUES, T::Comando, "&Quadrinhos", "Quadrinhos1", "Quadrinhos1Click"},
    {DESTAQUES, T::Menu, "&Separador de Textos", "SeparadordeTextos1", ""},
    {DESTAQUES "|&Separador de Textos", T::Comando, "&Grande abrangência"_cp, "Grandeabrangncia1",
     "Grandeabrangncia1Click"},
    {DESTAQUES "|&Separador de Textos", T::Comando, "&Média abrangência"_cp, "Mdiaabrangncia1",
     "Mdiaabrangncia1Click"},
    {DESTAQUES "|&Separador de Textos", T::Comando, "&Pequena abrangência"_cp, "Pequenaabrangncia1",
     "Pequenaabrangncia1Click"},
    {DESTAQUES, T::Menu, "&Variante tipográfica"_cp, "imVarTipografica", ""},
    {"&Destaques|&Variante tipográfica"_cp, T::Comando, "&1", "imVarTipografica1", "imVarTipograficaClick"},
    {"&Destaques|&Variante tipográfica"_cp, T::Comando, "&2", "imVarTipografica2", "imVarTipograficaClick"},
    {"&Destaques|&Variante tipográfica"_cp, T::Comando, "&3", "imVarTipografica3", "imVarTipograficaClick"},
    {DESTAQUES, T::Comando, "&Nota de transcrição"_cp, "Notadetranscrio1", "Notadetranscrio1Click", "Ctrl+T"},
    {DESTAQUES, T::Separador, "-", "", ""},
    {DESTAQUES, T::Comando, "Página em tinta (COM &transpaginação)"_cp, "imPagTintaComTransp",
     "imPagTintaComTranspClick"},
    {DESTAQUES, T::Comando, "&Página em tinta"_cp, "imPagTintaSemTransp", "imPagTintaSemTranspClick"},

    {"", T::Menu, "&Utilitários"_cp, "menuUtilitarios", ""},
    {"&Utilitários"_cp, T::Comando, "Símbolos &Especiais"_cp, "imSimbolosEspeciais",
     "imSimbolosEspeciaisClick", "Ctrl+Y"},
    {"&Utilitários"_cp, T::Comando, "Digitação &Perkins"_cp, "DigitaoPerkins1", "DigitaoPerkins1Click"},
    {"&Utilitários"_cp, T::Comando, "Texto em alto-relevo (NOVO)", "Inserirtextoemaltorelevo1",
     "Inserirtextoemaltorelevo1Click"},
    {"&Utilitários"_cp, T::Comando, "Texto para &Tabela", "extoparaTabela1", "extoparaTabela1Click",
     "Ctrl+Alt+T"},
    {"&Utilitários"_cp, T::Comando, "Macro-&processador", "Macroprocessador1", "Macroprocessador1Click"},
    {"&Utilitários"_cp, T::Comando, "Retoques em &Braille", "DigitaremBraille1", "DigitaremBraille1Click"},
    {"&Utilitários"_cp, T::Separador, "-", "", ""},
    {"&Utilitários"_cp, T::Comando, "Converter para formato &DOS", "ConverterparaformatoDOS1",
     "ConverterparaformatoDOS1Click"},
    {"&Utilitários"_cp, T::Comando, "Converter para formato &Windows", "ConverterparaformatoWindows1",
     "ConverterparaformatoWindows1Click"},
    {"&Utilitários"_cp, T::Comando, "Eliminar &Formatações"_cp, "Eliminarformataes1",
     "Eliminarformataes1Click"},
    {"&Utilitários"_cp, T::Separador, "-", "", ""},
    {"&Utilitários"_cp, T::Comando, "minúscula/&MAIÚSCULA"_cp, "imMinuscMAIUSC", "imMinuscMAIUSCClick"},
    {"&Utilitários"_cp, T::Comando, "MAIÚSCULA/mi&núscula"_cp, "imMAIUSCminusc", "imMAIUSCminuscClick"},
    {"&Utilitários"_cp, T::Separador, "-", "", ""},
    {"&Utilitários"_cp, T::Comando, "&Tabela de &Caracteres", "abeladeCaracteres1", "abeladeCaracteres1Click"},
    {"&Utilitários"_cp, T::Comando, "Criar &Anotação"_cp, "b_anot", "b_anotClick", "F8"},
    {"&Utilitários"_cp, T::Comando, "&Folhear anotações"_cp, "Folhearrevises1", "Folhearrevises1Click", "F6"},

    {"", T::Menu, ORTOGRAFIA, "menuOrtografia", ""},
    {ORTOGRAFIA, T::Comando, "&Carregar dicionário"_cp, "Carregardicionrio1", "Carregardicionrio1Click"},
    {ORTOGRAFIA, T::Comando, "&Liberar dicionário"_cp, "Liberardicionrio1", "Liberardicionrio1Click"},
    {ORTOGRAFIA, T::Separador, "-", "", ""},
    {ORTOGRAFIA, T::Comando, "&Procurar palavra errada", "Verificarerro1", "Verificarerro1Click", "F7"},
    {ORTOGRAFIA, T::Comando, "&Outras alternativas", "Outrasalternativas1", "Outrasalternativas1Click",
     "Ctrl+F7"},
    {ORTOGRAFIA, T::Separador, "-", "", ""},
    {ORTOGRAFIA, T::Menu, "&Manutenção no dicionário"_cp, "Manutenonodicionrio1", ""},
    {"&Ortografia|&Manutenção no dicionário"_cp, T::Comando, "&Acrescentar palavra", "Acrescentarpalavra1",
     "Acrescentarpalavra1Click"},
    {"&Ortografia|&Manutenção no dicionário"_cp, T::Comando, "&Inibir palavra", "Inibirpalavra1",
     "Inibirpalavra1Click"},

    {"", T::Comando, "&Visualizar (F9)", "imVisualizar", "imVisualizarClick", "F9"},
    {"", T::Comando, "A&tualizar (F12)", "imAtualizarBraille", "imAtualizarBrailleClick", "F12"},

    {"", T::Menu, AJUDA, "menuAjuda", ""},
    {AJUDA, T::Comando, "&Procurar atualização..."_cp, "imProcAtualizacao", "imProcAtualizacaoClick"},
    {AJUDA, T::Comando, "&Instala atualização pendente"_cp, "imInstalaAtualizacao", ""},
    {AJUDA, T::Comando, "A&tualizações automáticas"_cp, "imAtualizacoesAutomaticas",
     "imAtualizacoesAutomaticasClick"},
    {AJUDA, T::Separador, "-", "", ""},
    {AJUDA, T::Comando, "&Manual do Dotmara", "imManual", "imManualClick"},
    {AJUDA, T::Comando, "&Sobre o programa", "imSobrePrograma", "imSobreProgramaClick"},
};

using C = TipoControle;

const ControleToolBar kToolBar[] = {
    {1, C::Botao, "Novo", "bbtnNovo", "imNovoClick"},
    {1, C::Botao, "Abrir", "bbtnAbrir", "imAbrirClick"},
    {1, C::Botao, "Salvar", "bbtnSalvar", "imSalvarClick"},
    {1, C::Botao, "Imprimir Braille", "bbtnImprimirBraille", "imImprimirBrailleClick"},
    {1, C::Botao, "Recortar Ctrl+X", "bbtnRecortar", "bbtnRecortarClick"},
    {1, C::Botao, "Copiar Ctrl+C", "bbtnCopiar", "bbtnCopiarClick"},
    {1, C::Botao, "Colar Ctrl+V", "bbtnColar", "bbtnColarClick"},
    {1, C::Botao, "Fonte na tela", "bbtnFonteNaTela", "imFonteNaTelaClick"},
    {1, C::Botao, "Visualizar (F9)", "bbtnVisualizar", "imVisualizarClick"},
    {1, C::Caixa, "Visualizar 5 linhas (F5)", "ckbox5Linhas", "ckbox5LinhasClick"},
    {1, C::Botao, "Centrar  (Centragem Lógica)"_cp, "bbtnCentrar", "bbtnCentrarClick"},
    {1, C::Botao, "Grifo", "bbtnGrifo", "bbtnGrifoClick"},
    {1, C::Combo, "", "cboxTipoGrifo", "", "Selecionar grifo:\nSimples ou Composto?", "  * Simples|$* Composto"},
    {1, C::Espaco, "", "", ""},
    {1, C::Botao, "Sair do Programa", "bbtnSair", "imSairClick"},

    {2, C::Botao, "Pág."_cp, "bbtnNovaPagina", "bbtnNovaPaginaClick"},
    {2, C::Botao, "?*", "bbtnParentesesAux", "bbtnParentesesAuxClick"},
    {2, C::Botao, "R±"_cp, "bbtnRecuo", "bbtnRecuoClick"},
    {2, C::Botao, "F±"_cp, "bbtnNaoFormatar", "bbtnNaoFormatarClick"},
    {2, C::Botao, "S±"_cp, "bbtnNaoSepararSilaba", "bbtnNaoSepararSilabaClick"},
    {2, C::Botao, "I±"_cp, "bbtnGrafiaInglesa", "bbtnGrafiaInglesaClick"},
    {2, C::Botao, "Perkins", "bbtnDigPerkins", "bbtnDigPerkinsClick"},
    {2, C::Botao, "Símbolos"_cp, "bbtnSimbolo", "bbtnSimboloClick"},
    {2, C::Botao, "Informática"_cp, "bbtnDelimitInform", "bbtnDelimitInformClick"},
    {2, C::Botao, "Pág.Tinta"_cp, "bbtnPagTinta", "bbtnPagTintaClick"},
    {2, C::Botao, "Anotação"_cp, "bbtnAnotacao", "bbtnAnotacaoClick"},
    {2, C::Botao, "Peça Orient."_cp, "bbtnPecaOrient", "bbtnPecaOrientClick"},
    {2, C::Botao, "Verificar Ortografia", "bbtn", "bbtnClick"},
    {2, C::Espaco, "", "", ""},
};

#undef ARQUIVO
#undef EDITAR
#undef CONFIGURAR
#undef ORTOGRAFIA
#undef DESTAQUES
#undef AJUDA

} // namespace

std::span<const ItemMenu> ItensMenuPrincipal() { return kMenu; }
std::span<const ControleToolBar> ControlesToolBar() { return kToolBar; }

// ============================================================================
// Building and dispatch
// ============================================================================

namespace {

// Esc on a toolbar control gives the focus back to the editor.
class EscParaEditor : public QObject {
public:
    EscParaEditor(QObject* pai, QWidget* editor) : QObject(pai), editor_(editor) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
            editor_->setFocus();
            return true;
        }
        return QObject::eventFilter(o, e);
    }

private:
    QWidget* editor_;
};

const char* const kPropriedadeManipulador = "manipulador";

// The pictures of the upper row's file, clipboard and layout buttons, drawn
// here so that they stand whatever icon theme the desktop has (the button's
// caption stays its text, tooltip and accessible name). Null for the
// buttons that show their caption.
QIcon IconeDoBotao(std::string_view nome) {
    constexpr int L = 40;   // drawn at twice the size shown
    QPixmap px(L, L);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor tinta(40, 40, 40), papel(255, 255, 255), cor(30, 90, 170);
    p.setPen(QPen(tinta, 2.5));
    p.setBrush(papel);
    auto pagina = [&](QRectF r) {
        const qreal d = r.width() / 3;
        QPolygonF f{r.topLeft(), QPointF(r.right() - d, r.top()), QPointF(r.right(), r.top() + d),
                    r.bottomRight(), r.bottomLeft()};
        p.drawPolygon(f);
        p.drawPolyline(QPolygonF{QPointF(r.right() - d, r.top()), QPointF(r.right() - d, r.top() + d),
                                 QPointF(r.right(), r.top() + d)});
    };
    if (nome == "bbtnNovo") {
        pagina(QRectF(9, 4, 22, 32));
        p.setPen(QPen(cor, 3));
        p.drawLine(QPointF(28, 26), QPointF(28, 36));
        p.drawLine(QPointF(23, 31), QPointF(33, 31));
    } else if (nome == "bbtnAbrir") {
        p.setBrush(QColor(240, 200, 90));
        p.drawPolygon(QPolygonF{{4, 10}, {15, 10}, {18, 14}, {35, 14}, {35, 33}, {4, 33}});
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(QPolygonF{{4, 33}, {9, 19}, {38, 19}, {35, 33}});
    } else if (nome == "bbtnSalvar") {
        p.setBrush(cor);
        p.drawRoundedRect(QRectF(5, 5, 30, 30), 3, 3);
        p.setBrush(papel);
        p.drawRect(QRectF(11, 5, 18, 11));
        p.drawRect(QRectF(10, 22, 20, 13));
    } else if (nome == "bbtnImprimirBraille") {
        p.drawRect(QRectF(11, 4, 18, 12));
        p.setBrush(QColor(190, 190, 190));
        p.drawRoundedRect(QRectF(4, 15, 32, 14), 3, 3);
        p.setBrush(papel);
        p.drawRect(QRectF(11, 24, 18, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(tinta);
        for (int c = 0; c < 2; ++c)
            for (int l = 0; l < 3; ++l) p.drawEllipse(QPointF(17 + 6 * c, 27 + 4 * l - 1), 1.6, 1.6);
    } else if (nome == "bbtnRecortar") {
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(12, 4), QPointF(26, 26));
        p.drawLine(QPointF(28, 4), QPointF(14, 26));
        p.setPen(QPen(cor, 2.5));
        p.drawEllipse(QPointF(11, 31), 5, 5);
        p.drawEllipse(QPointF(29, 31), 5, 5);
    } else if (nome == "bbtnCopiar") {
        pagina(QRectF(5, 4, 19, 25));
        pagina(QRectF(16, 12, 19, 25));
    } else if (nome == "bbtnColar") {
        p.setBrush(QColor(200, 150, 90));
        p.drawRoundedRect(QRectF(5, 7, 24, 30), 3, 3);
        p.setBrush(QColor(190, 190, 190));
        p.drawRect(QRectF(11, 4, 12, 6));
        pagina(QRectF(17, 15, 18, 22));
    } else if (nome == "bbtnFonteNaTela") {
        QFont f("DejaVu Serif");
        f.setPixelSize(30);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 28, 38), Qt::AlignCenter, "A");
        f.setPixelSize(20);
        p.setFont(f);
        p.setPen(cor);
        p.drawText(QRectF(20, 10, 20, 28), Qt::AlignCenter, "a");
    } else if (nome == "bbtnCentrar") {
        p.setPen(QPen(tinta, 3));
        const int largura[] = {28, 18, 28, 12, 22};
        for (int i = 0; i < 5; ++i) p.drawLine(QPointF(20 - largura[i] / 2.0, 7 + 6.5 * i), QPointF(20 + largura[i] / 2.0, 7 + 6.5 * i));
    } else if (nome == "bbtnSair") {
        p.setBrush(QColor(150, 100, 60));
        p.drawRect(QRectF(6, 4, 18, 32));
        p.setPen(QPen(QColor(190, 30, 30), 3.5));
        p.drawLine(QPointF(19, 20), QPointF(36, 20));
        p.drawLine(QPointF(30, 14), QPointF(36, 20));
        p.drawLine(QPointF(30, 26), QPointF(36, 20));
    } else {
        return {};
    }
    p.end();
    px.setDevicePixelRatio(2);
    return QIcon(px);
}

QString Q(std::string_view s) { return ParaQString(s); }

} // namespace

void TformPrincipal::MontaComandos() {
    QMenuBar* barra = menuBar();
    std::map<std::string, QMenu*, std::less<>> menus;
    auto registra = [this](QObject* o, std::string_view manipulador) {
        o->setProperty(kPropriedadeManipulador, Q(manipulador));
        if (!manipulador.empty()) comandos_.try_emplace(std::string(manipulador));
    };
    for (const ItemMenu& it : ItensMenuPrincipal()) {
        QMenu* pai = nullptr;
        if (!it.caminho.empty()) {
            const auto p = menus.find(it.caminho);
            if (p == menus.end()) continue;   // a table fault: the test of the tree shows it
            pai = p->second;
        }
        switch (it.tipo) {
        case TipoItemMenu::Menu: {
            QMenu* m = pai ? pai->addMenu(Q(it.legenda)) : barra->addMenu(Q(it.legenda));
            m->setObjectName(Q(it.nome));
            // Hints are tooltips: a status-bar message would hide the panels.
            m->setToolTipsVisible(true);
            std::string caminho(it.caminho);
            if (!caminho.empty()) caminho += '|';
            caminho += it.legenda;
            menus[caminho] = m;
            break;
        }
        case TipoItemMenu::Separador:
            if (pai) pai->addSeparator();
            else barra->addSeparator();
            break;
        case TipoItemMenu::Comando: {
            auto* a = new QAction(Q(it.legenda), pai ? static_cast<QObject*>(pai) : barra);
            a->setObjectName(Q(it.nome));
            if (!it.atalho.empty()) a->setShortcut(QKeySequence(Q(it.atalho), QKeySequence::PortableText));
            if (!it.dica.empty()) a->setToolTip(Q(it.dica));
            a->setCheckable(it.marcavel);
            a->setVisible(!it.oculto);
            registra(a, it.manipulador);
            a->setEnabled(false);
            if (pai) pai->addAction(a);
            else barra->addAction(a);
            const std::string manipulador(it.manipulador);
            if (!manipulador.empty())
                connect(a, &QAction::triggered, this, [this, a, manipulador] { Dispara(manipulador, a, false); });
            break;
        }
        }
    }

    auto* esc = new EscParaEditor(this, richEdPrincipal);
    for (const ControleToolBar& c : ControlesToolBar()) {
        QHBoxLayout* linha = c.linha == 1 ? linhaToolBar1 : linhaToolBar2;
        QWidget* w = nullptr;
        const std::string manipulador(c.manipulador);
        const QString dica = Q(c.dica.empty() ? c.legenda : c.dica);
        switch (c.tipo) {
        case TipoControle::Espaco:
            linha->addStretch(1);
            continue;
        case TipoControle::Botao: {
            auto* b = new QToolButton(panToolBar);
            b->setText(Q(c.legenda));
            b->setAccessibleName(Q(c.legenda));
            b->setFocusPolicy(Qt::TabFocus);
            const QIcon icone = IconeDoBotao(c.nome);
            if (!icone.isNull()) {
                b->setIcon(icone);
                b->setIconSize(QSize(20, 20));
                b->setToolButtonStyle(Qt::ToolButtonIconOnly);
            }
            connect(b, &QToolButton::clicked, this, [this, b, manipulador] { Dispara(manipulador, b, true); });
            w = b;
            break;
        }
        case TipoControle::Caixa: {
            auto* b = new QCheckBox(Q(c.legenda), panToolBar);
            connect(b, &QCheckBox::clicked, this, [this, b, manipulador] { Dispara(manipulador, b, true); });
            w = b;
            break;
        }
        case TipoControle::Combo: {
            auto* b = new QComboBox(panToolBar);
            b->setEditable(false);
            for (const QString& item : Q(c.itens).split('|')) b->addItem(item);
            b->setCurrentIndex(0);
            w = b;
            break;
        }
        }
        w->setObjectName(Q(c.nome));
        w->setToolTip(dica);
        w->installEventFilter(esc);
        registra(w, manipulador);
        w->setEnabled(manipulador.empty());
        linha->addWidget(w);
    }

    // The fields the window's own code uses.
    menuArquivo = Submenu("menuArquivo");
    menuEditar = Submenu("menuEditar");
    menuConfigurar = Submenu("menuConfigurar");
    menuGraficos = Submenu("menuGraficos");
    menuDestaques = Submenu("menuDestaques");
    menuUtilitarios = Submenu("menuUtilitarios");
    menuOrtografia = Submenu("menuOrtografia");
    menuAjuda = Submenu("menuAjuda");
    imReabrir = Submenu("imReabrir");
    imVisualizar = Acao("imVisualizar");
    imAtualizarBraille = Acao("imAtualizarBraille");
    imNovo = Acao("imNovo");
    imAbrir = Acao("imAbrir");
    for (int i = 0; i < ListaRecentes::MaxItens; ++i)
        imArq[static_cast<std::size_t>(i)] = Acao("imArq" + std::to_string(i + 1));
    imSalvar = Acao("imSalvar");
    imSalvarComo = Acao("imSalvarComo");
    imImprimirBraille = Acao("imImprimirBraille");
    imSair = Acao("imSair");
    imConverterDOS = Acao("ConverterparaformatoDOS1");
    imConverterWindows = Acao("ConverterparaformatoWindows1");
    imEliminarFormatacoes = Acao("Eliminarformataes1");
    imModoRevisor = Acao("imModoRevisor");
    imVis5Linhas = Acao("imVis5Linhas");
    imSobrePrograma = Acao("imSobrePrograma");
    ckbox5Linhas = qobject_cast<QCheckBox*>(Controle("ckbox5Linhas"));
    cboxTipoGrifo = qobject_cast<QComboBox*>(Controle("cboxTipoGrifo"));
}

void TformPrincipal::LigaComando(std::string_view manipulador, std::function<void()> fn) {
    const auto p = comandos_.find(manipulador);
    if (p == comandos_.end()) {
        // A handler no entry names: a fault of the caller, shown at once.
        ErroContacte("Comando sem entrada no menu: " + std::string(manipulador));
        return;
    }
    p->second = std::move(fn);
    const bool ligado = static_cast<bool>(p->second);
    const QString nome = Q(manipulador);
    for (QAction* a : findChildren<QAction*>())
        if (a->property(kPropriedadeManipulador).toString() == nome) a->setEnabled(ligado);
    for (QWidget* w : panToolBar->findChildren<QWidget*>())
        if (w->property(kPropriedadeManipulador).toString() == nome) w->setEnabled(ligado);
}

void TformPrincipal::LigaJanela(std::string_view manipulador, std::function<QWidget*()> janela,
                                ModoJanela modo) {
    LigaComando(manipulador, [this, janela = std::move(janela), modo] {
        QWidget* w = janela ? janela() : nullptr;
        if (!w) return;
        auto* dialogo = qobject_cast<QDialog*>(w);
        if (modo == ModoJanela::Modal && dialogo) {
            if (executaModal) executaModal(*dialogo);
            return;
        }
        w->show();
        w->raise();
        w->activateWindow();
    });
}

bool TformPrincipal::ComandoLigado(std::string_view manipulador) const {
    const auto p = comandos_.find(manipulador);
    return p != comandos_.end() && static_cast<bool>(p->second);
}

std::vector<std::string> TformPrincipal::ComandosSemLigacao() const {
    std::vector<std::string> r;
    for (const auto& [nome, fn] : comandos_)
        if (!fn) r.push_back(nome);
    return r;
}

bool TformPrincipal::EhAtalhoDoMenu(const QKeyEvent& tecla) const {
    if (tecla.key() == 0 || tecla.key() == Qt::Key_unknown) return false;
    const QKeySequence k(tecla.keyCombination());
    for (const QAction* a : findChildren<QAction*>())
        if (a->isEnabled() && !a->shortcut().isEmpty() && a->shortcut() == k) return true;
    return false;
}

void TformPrincipal::ExecutaComando(std::string_view manipulador, QObject* origem) {
    Dispara(std::string(manipulador), origem, false);
}

void TformPrincipal::Dispara(const std::string& manipulador, QObject* origem, bool daToolBar) {
    const auto p = comandos_.find(manipulador);
    if (p == comandos_.end() || !p->second) return;
    // A copy: the command may connect handlers again.
    const std::function<void()> fn = p->second;
    QObject* const anterior = OrigemComando;
    OrigemComando = origem;
    struct Restaura {
        TformPrincipal* j;
        QObject* anterior;
        bool foco;
        bool focoFicaAntes;
        ~Restaura() {
            j->OrigemComando = anterior;
            // Typing goes on in the text after a toolbar command, unless the
            // command keeps the focus where it is.
            if (foco && !j->focoFica_ && j->richEdPrincipal) j->richEdPrincipal->setFocus();
            j->focoFica_ = focoFicaAntes;
        }
    } restaura{this, anterior, daToolBar, focoFica_};
    focoFica_ = false;
    // A failure ends here, told with the command's caption: nothing unwinds
    // through Qt's code.
    ComandoProtegido(origem ? origem : this, fn)();
}

QAction* TformPrincipal::Acao(std::string_view nome) const {
    return findChild<QAction*>(Q(nome));
}

QMenu* TformPrincipal::Submenu(std::string_view nome) const { return findChild<QMenu*>(Q(nome)); }

QWidget* TformPrincipal::Controle(std::string_view nome) const {
    return panToolBar ? panToolBar->findChild<QWidget*>(Q(nome)) : nullptr;
}

// ============================================================================
// The commands of the command surface itself
// ============================================================================

namespace {

// A profile's file dialog: "*.ini" files, the default extension ".ini".
bool DialogoPerfil(QWidget* dono, bool salvar, const std::string& dir, std::string& nome) {
    QFileDialog d(dono, QString(), ParaQString(dir), salvar ? "*.ini (*.ini)" : "*.INI (*.INI *.ini)");
    d.setAcceptMode(salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(salvar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setDefaultSuffix("ini");
    if (salvar) d.setOption(QFileDialog::DontConfirmOverwrite);   // the command asks itself
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return false;
    nome = CaminhoDoSistema(d.selectedFiles().first().toStdString());
    return true;
}

// Profiles are kept beside the settings file by default.
std::string PastaDosPerfis() {
    const std::string dir = ExtraiDiretorio(CaminhoIni());
    return DiretorioExiste(dir) ? dir : DirPrograma;
}

const char* const kTituloCaixa = "Dotmara";

} // namespace

void TformPrincipal::LigaComandosProprios() {
    LigaComando("imFonteNaTelaClick", [this] { imFonteNaTelaClick(); });
    LigaComando("imSalvarConfigPadraoClick", [this] { imSalvarConfigPadraoClick(); });
    LigaComando("imCarregaConfigClick", [this] { imCarregaConfigClick(); });
    LigaComando("imProcAtualizacaoClick", [this] { imProcAtualizacaoClick(); });
    LigaComando("imAtualizacoesAutomaticasClick", [this] { imAtualizacoesAutomaticasClick(); });
    if (QAction* a = Acao("imAtualizacoesAutomaticas")) a->setChecked(false);

    dialogoFonte = [this](QFont& fonte) {
        bool ok = false;
        const QFont escolhida = QFontDialog::getFont(&ok, fonte, this);
        if (ok) fonte = escolhida;
        return ok;
    };
    dialogoSalvarConfig = [this](const std::string& dir, std::string& nome) {
        return DialogoPerfil(this, true, dir, nome);
    };
    dialogoAbrirConfig = [this](const std::string& dir, std::string& nome) {
        return DialogoPerfil(this, false, dir, nome);
    };
}

void TformPrincipal::imFonteNaTelaClick() {
    // The font lasts while the program runs; it is not a setting.
    QFont fonte = richEdPrincipal->font();
    if (dialogoFonte && dialogoFonte(fonte)) richEdPrincipal->setFont(fonte);
    richEdPrincipal->setFocus();
}

void TformPrincipal::imSalvarConfigPadraoClick() {
    std::string nome;
    if (!dialogoSalvarConfig || !dialogoSalvarConfig(PastaDosPerfis(), nome)) return;
    nome = std::string(AparaBrancos(nome));
    if (nome.empty()) return;
    const bool existe = ArquivoExiste(nome);
    const std::string pergunta = existe ? nome + " já existe.\r\nDeseja substituí-lo?"_cp
                                        : nome + " não existe.\r\nDeseja criá-lo?"_cp;
    if (dialogos().Caixa(pergunta, kTituloCaixa, existe ? Icone::Aviso : Icone::Pergunta, Botoes::YesNo) !=
        mrYes)
        return;
    SalvaConfiguracao(nome);
}

void TformPrincipal::imCarregaConfigClick() {
    std::string nome;
    if (dialogoAbrirConfig && dialogoAbrirConfig(PastaDosPerfis(), nome)) {
        nome = std::string(AparaBrancos(nome));
        if (!nome.empty() && CarregaConfiguracao(nome, CaminhoIni(), [this] { LeConfiguracoesDasJanelas(); })) {
            // What the new settings change on screen: the strip and an open
            // braille view (recompiled, not activated).
            Preview.UltimaLinhaPreview = -1;
            richEdPrincipalSelectionChange();
            if (formVisual && formVisual->isVisible()) VisualizaBraille(true, false);
        }
    }
    VoltaDir();
}

// A loaded profile's program and embosser settings, read again by the
// windows that hold them (the table's readers where a window is not there);
// the output code table of the code now in force follows. The folders and
// programs, the margin, the macro and dictionary files are read at the next
// start, so the windows that show them keep what is in force.
void TformPrincipal::LeConfiguracoesDasJanelas() {
    if (formConfig) formConfig->LeConfiguracao();
    else LeGrupo(GrupoConfig::Programa);
    if (formConfigPrn) {
        formConfigPrn->LeConfiguracao();   // also the dot geometry and the Puma 7 entry
        formConfigPrn->MostraSaida();      // the radio of the output read
    } else {
        LeGrupo(GrupoConfig::Impressora);
        CarregaGeometria();
        HabilitaChamarPuma(ImprMarca == kModeloPuma);
    }
    CarregaTabelaImpressora();
}

void TformPrincipal::imProcAtualizacaoClick() { MensagemOK("Em breve!!!"); }

void TformPrincipal::imAtualizacoesAutomaticasClick() {
    MensagemOK("Em breve!!!");
    if (QAction* a = Acao("imAtualizacoesAutomaticas")) a->setChecked(false);
}
