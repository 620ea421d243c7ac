// dmmain: the main window TformPrincipal. It holds the document in the
// editor richEdPrincipal and offers it to the rest of the program as the
// editable document (lines, caret services, edits), with the document-file
// commands.
#pragma once

#include "core/documento.h"
#include "editor/dmpreview.h"
#include "editor/documentos.h"

#include <QColor>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <array>
#include <functional>
#include <string>
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
class TLabelBraille;
class QCheckBox;

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
    // CalcLinCol, LinColInicioSel, LinColFimSel, the edits and the edit
    // groups come from DocumentoEditavel; an edit group is one step of the
    // editor's undo, and the strip and the status bar follow once it closes.
    int TamanhoTexto() const override;
    int InicioSelecao() const override;
    int TamanhoSelecao() const override;
    // Focuses the editor, then places the caret.
    void PosicionaCursor(int linha, int coluna) override;
    void Desfaz() override;
    void MostraPosicao(int lin, int col);
    // Editor position <-> offset.
    int OffsetDaPosicao(int posicaoEditor) const;
    int PosicaoDoOffset(int offset) const;

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
    // "&Configurar": the program settings, margin, embosser, folders and
    // dictionary windows.
    void imParametrosClick();
    void imConfigMargemClick();
    void imImprBrailleClick();
    void Diretorios1Click();
    void imVerifOrtograficoClick();
    // "Chamar &Puma 7" (imChamarPuma2) enabled or not; the embosser window
    // decides by its model.
    void HabilitaChamarPuma(bool habilita);
    // Connects the embosser window to this window and to the braille view.
    void LigaConfigPrn(TformConfigPrn* prn);
    QAction* imParametros = nullptr;
    QAction* imConfigMargem = nullptr;
    QAction* imImprBraille = nullptr;
    QAction* Diretorios1 = nullptr;
    QAction* imVerifOrtografico = nullptr;

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
    void CriaToolBar();
    void CriaStatus();
    void LeIni();
    void CriaLinhasBraille();
    bool PerguntaAbandonar(bool aviso);
    void ConverteLinhas(std::string (*conversao)(std::string_view));
    void AplicaSelecao(int inicio, int fim);
    QTextBlock Bloco(int indice) const;
    bool mostrado_ = false;

    // An open edit group: its edit block, the selection to show when it
    // closes, and whether it changed the text.
    QTextCursor cursorGrupo_;
    bool grupoAberto_ = false;
    bool selecaoPendente_ = false;
    int inicioPendente_ = 0;
    int fimPendente_ = 0;
    bool grupoEditou_ = false;
    bool adiaSinais_ = false;   // the strip and the status bar wait

    // The last block looked up: lines are mostly read in order.
    mutable QTextBlock blocoLido_;
    mutable int indiceLido_ = -1;
    mutable unsigned revisaoLida_ = 0;
    unsigned revisao_ = 1;   // changes with the text
};

extern TformPrincipal* formPrincipal;

// Local file paths (Windows-1252) carried by a drop.
std::vector<std::string> ArquivosDoMime(const QMimeData* dados);
