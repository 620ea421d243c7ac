// dmmain: the main window TformPrincipal. It holds the document in the
// editor richEdPrincipal and offers it to the rest of the program as the
// editable document (lines, caret services, edits), with the document-file
// commands.
//
// Its menu and toolbar are built from the tables of dmmain_comandos.h; a
// unit hooks its commands in with LigaComando("<handler>", ...) from its own
// dmmain_<area>.cpp (see the top of dmmain_comandos.h).
#pragma once

#include "core/documento.h"
#include "editor/dmedicao.h"
#include "editor/dmpreview.h"
#include "editor/documentos.h"
#include "output/dmspooler.h"

#include <QColor>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QVBoxLayout;
class QHBoxLayout;
class TformPrincipal;
class TformVisual;
class TformConfigPrn;
class TformVisualGraf;
class QDialog;
class TLabelBraille;
class QCheckBox;
class QPrinter;
class QComboBox;
class QKeyEvent;
class TDialogoBusca;

// The editor: a plain-text editor with no wrap that accepts tabs, keeps the
// document within LimiteTexto characters on typing, pasting and dropping, and
// hands dropped files to the main window.
class TRichEdPrincipal : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int LimiteTexto = LimiteTextoDocumento;
    explicit TRichEdPrincipal(TformPrincipal* dono);

    // Characters of the text, each line end counted once (as the editor's
    // limit counts them).
    int TamanhoTexto() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* fonte) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // Text about to be inserted, made to fit: characters a saved file cannot
    // hold become "?", and what passes the limit is cut (with a beep).
    QString CabeNoTexto(QString t) const;
    TformPrincipal* dono_;
};

class TformPrincipal : public QMainWindow, public DocumentoEditavel {
    Q_OBJECT
public:
    explicit TformPrincipal(QWidget* parent = nullptr);
    ~TformPrincipal() override;

    // ---- The document's lines (Windows-1252, without line ends) ----
    // A line end at the very end of the text opens no further line.
    int NumLinhas() const override;
    std::string Linha(int indice) const override;
    int ComprimentoLinha(int indice) const override;   // in characters
    std::vector<std::string> Linhas() const;
    // Replaces the whole text (one undoable step); keeps the modified flag set.
    void DefineLinhas(const std::vector<std::string>& linhas);
    bool Modificado() const;

    // ---- The editable document (offsets count two characters per line end) ----
    // LinColInicioSel, LinColFimSel, the edits and the edit groups come from
    // DocumentoEditavel; an edit group is one step of the editor's undo, and
    // the strip and the status bar follow once it closes.
    void CalcLinCol(int posicao, int& linha, int& coluna) const override;
    int InicioLinha(int linha) const override;
    int TamanhoTexto() const override;
    long long TamanhoNoLimite() const override;
    int InicioSelecao() const override;
    int TamanhoSelecao() const override;
    // Focuses the editor, then places the caret.
    void PosicionaCursor(int linha, int coluna) override;
    void Desfaz() override;
    void MostraPosicao(int lin, int col);
    // Editor position <-> offset.
    int OffsetDaPosicao(int posicaoEditor) const;
    int PosicaoDoOffset(int offset) const;

    // ---- Command surface (dmmain_comandos.cpp) ----
    // Connects a handler of the menu and toolbar tables: every entry and
    // control named with it runs fn (an empty fn disconnects it); entries
    // stay disabled until then.
    void LigaComando(std::string_view manipulador, std::function<void()> fn);
    // A window launcher: Modal runs the window through executaModal,
    // Mostrada shows it and returns at once. The window is looked up when
    // the command runs (the single instances are created after this window).
    enum class ModoJanela { Modal, Mostrada };
    void LigaJanela(std::string_view manipulador, std::function<QWidget*()> janela, ModoJanela modo);
    bool ComandoLigado(std::string_view manipulador) const;
    // The handlers of the tables that nothing has connected yet.
    std::vector<std::string> ComandosSemLigacao() const;
    // Runs a handler as a menu entry does.
    void ExecutaComando(std::string_view manipulador, QObject* origem = nullptr);
    // Whether the key is the shortcut of an enabled menu entry (which then
    // takes it before the control with the focus).
    bool EhAtalhoDoMenu(const QKeyEvent& tecla) const;
    // The built entries and controls, by object name.
    QAction* Acao(std::string_view nome) const;
    QMenu* Submenu(std::string_view nome) const;
    QWidget* Controle(std::string_view nome) const;
    // The entry or control whose command is running (its sender).
    QObject* OrigemComando = nullptr;
    // Called by a running command: the focus stays where the command left
    // it, also when a toolbar control ran it.
    void FocoFicaOndeEsta() { focoFica_ = true; }
    // Runs a modal window of a launcher; tests replace it.
    std::function<int(QDialog& janela)> executaModal;
    QComboBox* cboxTipoGrifo = nullptr;
    // The commands of the command surface itself: the screen font, the
    // configuration profiles, the update entries.
    void imFonteNaTelaClick();
    void imSalvarConfigPadraoClick();
    void imCarregaConfigClick();
    void imProcAtualizacaoClick();
    void imAtualizacoesAutomaticasClick();
    // After a profile is loaded: the program and embosser settings read
    // again through their windows.
    void LeConfiguracoesDasJanelas();
    // The font dialog (true with the chosen font) and the profiles' file
    // dialogs (true with the chosen path); tests replace them.
    std::function<bool(QFont& fonte)> dialogoFonte;
    std::function<bool(const std::string& dir, std::string& nome)> dialogoSalvarConfig;
    std::function<bool(const std::string& dir, std::string& nome)> dialogoAbrirConfig;

    // ---- Document files ----
    bool CarregaArquivo(const std::string& nome);
    void AtualizaTitulo();
    void MontaMenuRecentes();
    void RemoveRecente(int indice);
    void GravaRecenteIni(int numero, const std::string& valor);
    void imNovoClick();
    void imAbrirClick();
    void imArqClick(int indice);           // imArq1Click .. imArq5Click
    void imSalvarClick();
    void imSalvarComoClick();
    void ConverterparaformatoDOS1Click();
    void ConverterparaformatoWindows1Click();
    void Eliminarformataes1Click();
    // "Imprimir em &Braille": the print dialog, not modal (dmmain_impressao.cpp).
    void imImprimirBrailleClick();
    // Files dropped on the window: the first one is opened.
    void ArquivosSoltos(const std::vector<std::string>& nomes);
    // The same once the drop event has ended.
    void SoltaDepois(const std::vector<std::string>& nomes);

    // ---- Word export, external programs, manual (dmmain_externos.cpp) ----
    // Connects their commands (called by CriaMenus).
    void CriaMenusExternos();
    void imBrailleNoWordClick();       // "Braille no &Word": ExportaWord(false)
    void imTintaNoWordClick();         // "Tinta no Word": ExportaWord(true)
    void imChamarPuma2Click();         // print to a private file, then the plate program
    void DigitaremBraille1Click();     // kelto
    void imGrafemorBrailleClick();
    void imVelunClick();
    void Acrescentarpalavra1Click();   // the name list in the text editor
    void Inibirpalavra1Click();        // the rejected-word list
    void imManualClick();
    QAction* imBrailleNoWord = nullptr;
    QAction* imTintaNoWord = nullptr;
    QAction* imChamarPuma2 = nullptr;
    QMenu* imEditorGrafico = nullptr;
    QAction* imGrafemorBraille = nullptr;
    QAction* imVelun = nullptr;
    QAction* DigitaremBraille1 = nullptr;
    QMenu* Manutenonodicionrio1 = nullptr;
    QAction* Acrescentarpalavra1 = nullptr;
    QAction* Inibirpalavra1 = nullptr;
    QAction* imManual = nullptr;

    // ---- Life of the window ----
    void FormShow();
    void FormActivate();
    bool FormCloseQuery();
    void imSairClick();
    void imSobreProgramaClick(QObject* sender);
    void timerPrincTimer();

    // ---- Braille strip and braille view (dmmain_braille.cpp) ----
    void AtualizaLinhasBraille();
    void VisualizaBraille(bool mostrar, bool ativar);
    void imModoRevisorClick();
    void EscondeVisual();
    bool ModoRevisor() const;
    void MostraLinhasBraille();
    void ckbox5LinhasClick();
    void imVis5LinhasClick();
    void labLinhaClick(int i);                 // labLinha1Click .. labLinha5Click
    // Connects the view commands (F9, F12, F4, F5, the strip's box).
    void LigaComandosBraille();
    // Connects the braille view to this window (its view is `visual`).
    void LigaVisual(TformVisual* visual);
    // The strip's state: NumLinhasPreview, LabLinhaAtual, UltimaLinhaPreview
    // and the captions.
    EstadoPreview Preview;
    std::array<TLabelBraille*, 6> LabLinhas{}; // [1..5]: labLinha1 (bottom) .. labLinha5
    QColor CorNormalLinha;                     // LabLinhas[0] of the design
    QColor CorLinhaAtual;
    QCheckBox* ckbox5Linhas = nullptr;
    QAction* imVis5Linhas = nullptr;

    // ---- Settings windows (dmmain_configurar.cpp) ----
    // "&Configurar" opens the program settings, margin, embosser, folders
    // and dictionary windows (CriaMenusConfigurar connects them).
    // "Chamar &Puma 7" (imChamarPuma2) enabled or not; the embosser window
    // decides by its model.
    void HabilitaChamarPuma(bool habilita);
    // Connects the embosser window to this window and to the braille view.
    void LigaConfigPrn(TformConfigPrn* prn);

    // The editor's caret or selection moved: braille strip and status bar.
    void richEdPrincipalSelectionChange();

    // The command line (the program's arguments after its own name), read
    // by FormShow.
    std::vector<std::string> argumentos;
    // The folder the program started in (creation may enter the last folder
    // of the previous run): a relative name on the command line is taken
    // from it.
    std::string PastaInicial;
    // File dialogs; tests replace them. True with the chosen path.
    std::function<bool(const std::string& dir, std::string& nome)> dialogoAbrir;
    std::function<bool(const std::string& dir, const std::string& proposto, std::string& nome)>
        dialogoSalvar;

    // ---- Tactile graphics (dmmain_graficos.cpp) ----
    // Connects the "&Gráficos" commands and "Texto em alto-relevo (NOVO)".
    void CriaMenusGraficos();
    void Criargrficovazio1Click();
    void imPaginaGrafClick() { InserirgrficoClick(0); }
    void imEmbutirGrafClick() { InserirgrficoClick(1); }
    void imIntercalarGrafClick() { InserirgrficoClick(2); }
    // Chooses a .GRB, shows it for checking and inserts its reference of
    // kind 0 (graphic page), 1 (embedded) or 2 (interleaved).
    void InserirgrficoClick(int tipo);
    // The relief-text window, then the reference of the graphic it saved.
    void Inserirtextoemaltorelevo1Click();
    // Shows the file in the graphic viewer; true when the user confirms it.
    bool ExibeGrafico(const std::string& nome);
    // Connects the graphic page preview to the braille view.
    void LigaVisualGraf(TformVisual* visual, TformVisualGraf* grafico);
    // The open dialog of the graphic commands and the modal run of the
    // graphic windows; tests replace them.
    std::function<bool(const std::string& dir, std::string& nome)> dialogoAbrirGrafico;
    std::function<int(QDialog& janela)> executaModalGrafico;
    QAction* imPaginaGraf = nullptr;
    QAction* imIntercalarGraf = nullptr;
    QAction* imEmbutirGraf = nullptr;
    QAction* Criargrficovazio1 = nullptr;
    QAction* Inserirtextoemaltorelevo1 = nullptr;

    // ---- Spell checking (dmmain_ortografia.cpp) ----
    // Binds the "&Ortografia" entries and the toolbar's "Verificar
    // Ortografia" to the spell check on this window's editor.
    void CriaMenusOrtografia();
    void Carregardicionrio1Click();     // "&Carregar dicionário"
    void Liberardicionrio1Click();      // "&Liberar dicionário"
    void Verificarerro1Click();         // "&Procurar palavra errada" (F7), toolbar "Verificar Ortografia"
    void Outrasalternativas1Click();    // "&Outras alternativas" (Ctrl+F7)

    // ---- Editing commands, markup, macros (dmmain_editar.cpp) ----
    // Connects the editing commands of "&Editar" and "&Utilitários", the
    // markup entries and buttons, the emphasis combo's Enter and the macro
    // window's launcher, and puts the editor's own keys in place (Esc, F3,
    // F6, the break on key release).
    void CriaMenusEditar();
    // A key pressed in the editor: Esc (to the toolbar), F3 (find next), F6
    // (the annotation list); true when it was taken.
    bool richEdPrincipalKeyDown(QKeyEvent* e);
    // A key pressed in the editor, also one that runs a menu entry: an undo
    // key is noted for its release.
    void NotaTeclaDoEditor(const QKeyEvent& e);
    // After a key is released in the editor (and after the commands that
    // insert a line, with no key): the automatic break at the wrap column,
    // then the strip and the status panels.
    void richEdPrincipalKeyUp(QKeyEvent* e = nullptr);
    // The find dialog's search (TextoBusca, OpcoesBusca), F3.
    void IniciaBusca();
    void BuscaProxima();
    // The replace dialog's search; the editor takes the focus when foco.
    bool BuscaSubstituir(bool foco);
    // "C&olar": into the editor when this window is active, otherwise into
    // the focused control of the program's window in front.
    void imColarClick();
    // The annotation line before editor line k; then the braille view
    // (mostra) or the key-release processing.
    void InsereAnotacao(int k, const std::string& texto, bool mostra);
    std::string TextoBusca;
    OpcoesProcura OpcoesBusca;
    TDialogoBusca* findDialogLocalizar = nullptr;
    TDialogoBusca* replDialog = nullptr;

    // ---- Typing aids, tables, frames, annotations, meta-braille copy, ink
    // printing (dmmain_utilitarios.cpp) ----
    // Connects their commands (called by CriaMenus).
    void CriaMenusUtilitarios();
    // A double click on a line of the braille strip opens the Perkins window
    // (closes it when it is open); connected once the strip exists.
    void LigaLinhasBraillePerkins();
    void labLinha1DblClick();
    void imCopiarEmBrailleClick();      // "Copiar em Meta-&Braille" (Ctrl+B)
    void imImprimirTextoClick();        // "Imprimir &Texto"
    void bbtnPecaOrientClick();         // toolbar "Peça Orient.": a "Pedir Ajuda" frame at once
    void Folhearrevises1Click();        // "&Folhear anotações" (F6)
    // The system's print dialog of "Imprimir &Texto"; tests replace it.
    // True when the user chose a printer.
    std::function<bool(QPrinter&)> dialogoImpressoraTexto;
    // What the print server says before that dialog, which would wait on a
    // hung server without end; tests replace it.
    std::function<FilasImpressao()> consultaServidorTexto;

    // ---- Fields ----
    bool PrimeiraAtivacao = true;
    std::vector<std::string> BackupLinhas;
    ListaRecentes Recentes;
    int IndiceReabrir = -1;
    bool PedirNome = false;
    bool ArquivoNaLinhaDeComando = false;

    // ---- Controls ----
    QWidget* panToolBar = nullptr;        // the toolbar rows
    QHBoxLayout* linhaToolBar1 = nullptr;
    QHBoxLayout* linhaToolBar2 = nullptr;
    TRichEdPrincipal* richEdPrincipal = nullptr;
    QWidget* panLinhasBraille = nullptr;  // the braille strip, under the editor
    QVBoxLayout* layLinhasBraille = nullptr;
    std::array<QLabel*, 5> sbarPrincipal{};  // the status bar panels
    QTimer* timerPrinc = nullptr;

    // Main menu (in the order of the menu bar).
    QMenu* menuArquivo = nullptr;
    QMenu* menuEditar = nullptr;
    QMenu* menuConfigurar = nullptr;
    QMenu* menuGraficos = nullptr;
    QMenu* menuDestaques = nullptr;
    QMenu* menuUtilitarios = nullptr;
    QMenu* menuOrtografia = nullptr;
    QAction* imVisualizar = nullptr;
    QAction* imAtualizarBraille = nullptr;
    QMenu* menuAjuda = nullptr;

    QAction* imNovo = nullptr;
    QAction* imAbrir = nullptr;
    QMenu* imReabrir = nullptr;
    std::array<QAction*, ListaRecentes::MaxItens> imArq{};
    QAction* imSalvar = nullptr;
    QAction* imSalvarComo = nullptr;
    QAction* imImprimirBraille = nullptr;
    QAction* imSair = nullptr;
    QAction* imConverterDOS = nullptr;
    QAction* imConverterWindows = nullptr;
    QAction* imEliminarFormatacoes = nullptr;
    QAction* imModoRevisor = nullptr;
    QAction* imSobrePrograma = nullptr;

protected:
    void MarcaSelecao(int inicio, int fim) override;
    void TrocaTrecho(int inicio, int fim, const std::string& texto) override;
    void AbreGrupo() override;
    void FechaGrupo() override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void CriaMenus();
    void CriaMenusConfigurar();
    void MontaComandos();
    void LigaComandosProprios();
    void Dispara(const std::string& manipulador, QObject* origem, bool daToolBar);
    // Handler name -> its command (empty until connected).
    std::map<std::string, std::function<void()>, std::less<>> comandos_;
    bool focoFica_ = false;   // see FocoFicaOndeEsta
    void CriaToolBar();
    void CriaStatus();
    void LeIni();
    void CriaLinhasBraille();
    bool PerguntaAbandonar(bool aviso);
    void ConverteLinhas(std::string (*conversao)(std::string_view));
    void AplicaSelecao(int inicio, int fim);
    bool mostrado_ = false;

    // An open edit group: its edit block, the selection to show when it
    // closes, and whether it changed the text.
    QTextCursor cursorGrupo_;
    bool grupoAberto_ = false;
    bool selecaoPendente_ = false;
    int inicioPendente_ = 0;
    int fimPendente_ = 0;
    bool grupoEditou_ = false;
    // The key now released ended an undo: no automatic break for it (it
    // would cut the restored line again at once).
    bool soltaDesfazer_ = false;
    bool adiaSinais_ = false;   // the strip and the status bar wait
};

extern TformPrincipal* formPrincipal;

// Local file paths (Windows-1252) carried by a drop.
std::vector<std::string> ArquivosDoMime(const QMimeData* dados);
