// TformVisual: "Visualização da Impressão", the braille view. Shows the draft
// file one display line per draft line in braille cells (or ink), with line
// modes, page modes, the position of the selected line, page navigation, the
// back-check of a line, the way back to the editor line, and the read-only
// reviewer display.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QMainWindow>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/dmvars.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTimer;

// The draft's lines as the last build of the view read them; the graphic
// page preview draws from them.
extern std::vector<std::string> LinhasRascunho;

// The display lines as the list shows them. Rows are made when the list
// asks for them (only the rows on screen are ever turned into text), from
// the lines in output codes, as braille cells or as ink characters; one row
// may show the ruler in place of its line.
class ModeloLinhasVisual : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ModeloLinhasVisual(QObject* pai = nullptr) : QAbstractListModel(pai) {}

    const std::vector<std::string>& Linhas() const { return linhas_; }
    // New lines (the ruler goes): the list starts over, with no selection.
    void DefineLinhas(std::vector<std::string> linhas);
    // Cells (false) or ink characters (true); the rows shown are made again.
    void DefineTinta(bool tinta);
    bool Tinta() const { return tinta_; }
    // Row linha shows texto (output codes) in place of its line; -1: none.
    void DefineRegua(int linha, std::string texto = std::string());
    // A line as the list shows it.
    QString TextoExibido(const std::string& codigos) const;

    int rowCount(const QModelIndex& pai = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;

private:
    void LinhaMudou(int linha);

    std::vector<std::string> linhas_;
    bool tinta_ = false;
    int linhaRegua_ = -1;
    std::string regua_;
};

// The list of draft lines over its model: fixed item height, one selected
// line, and the mouse presses and releases the view needs (ruler,
// back-check).
class TListaVisual : public QListView {
    Q_OBJECT
public:
    explicit TListaVisual(QWidget* pai = nullptr);
    ModeloLinhasVisual* Modelo() const { return modelo_; }
    void DefineAlturaItem(int altura);
    int AlturaItem() const { return altura_; }

    int count() const { return modelo_->rowCount(); }
    // The selected line, -1 when none.
    int currentRow() const;
    // Selects a line; outside the list, none.
    void setCurrentRow(int linha);
    // What a row shows.
    QString TextoLinha(int linha) const;
    // Scrolls a row to the top (as far as the list scrolls).
    void RolaParaTopo(int linha);
    // The row at the top of the list, -1 when empty.
    int LinhaDoTopo() const;

signals:
    void botaoPressionado(Qt::MouseButton b);
    void botaoSolto(Qt::MouseButton b);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    ModeloLinhasVisual* modelo_;
    int altura_ = 24;
};

// What the view needs from other windows; the main window fills it in.
struct LigacoesVisual {
    std::function<bool()> ModoRevisor;                       // imModoRevisor ticked
    std::function<void(int, int)> PosicionaCursor;           // editor line, column
    std::function<bool(int)> CompilaParaVisualizacao;        // editor line of the caret
    std::function<void(int, const std::string&)> InsereAnotacao; // editor line, text
    std::function<void(QWidget*)> AbreConfigImpressora;      // embosser settings
    std::function<void()> MostraGrafico;                     // graphic page preview
    std::function<bool()> GraficoVisivel;
    std::function<void()> RedesenhaGrafico;
    std::function<void()> FechaGrafico;
};

class TformVisual : public QMainWindow {
    Q_OBJECT
public:
    explicit TformVisual(QWidget* pai = nullptr);
    ~TformVisual() override;

    LigacoesVisual Ligacoes;
    // The font chooser of "&Outra fonte" (a modal dialog; tests replace it):
    // true with the chosen font.
    std::function<bool(QFont&)> EscolheFonte;

    // ---- Operations offered to the other windows ----
    void MarcaRecarga(bool recarregar, bool selecionarCursor);
    void MontaVisualizacao();
    void FormActivate();
    void AtualizaModo();
    void ProximaPagina();
    void PaginaAnterior();
    void Conferir();
    void IrAoOriginal();
    void VaiParaPagina(int k);
    void IrParaPagina();
    void Anotacao();
    // Selects the braille of an editor line by the editor-to-draft map of
    // the last compile (nothing when the map or the view has nothing for
    // it), then the mode display follows.
    void VaiParaLinhaEditor(int linhaEditor);
    void AtualizaPosicao();
    int LinhaNoEditor() const;
    bool ModoRevisorAtivo() const;
    void TamanhoNormal();
    void TamanhoPequeno();

    // Page mode "Gerar tamanho real de página" (asked by the compiler).
    bool GeraTamanhoReal() const { return ModoPaginas == 1; }

    // ---- State, readable by tests ----
    int ModoLinhas = 0;
    int ModoPaginas = 0;
    bool RecarregarRascunho = true;
    bool SelecionarCursor = true;
    bool MontandoVisualizacao = false;
    QString FonteBraille;
    bool EmTinta = false;
    int PaginaAtualVisual = -1;
    int UltimaLinhaEditor = 0;
    int ItemRegua = 0;
    std::string TextoItemRegua;
    std::vector<int> InicioLinhaRevisor;
    std::vector<std::string> LinhasLidas;
    std::vector<std::string> RotulosLinha;
    // The display lines, in output codes (held by the list's model).
    const std::vector<std::string>& LinhasExibidas() const { return lboxVisual->Modelo()->Linhas(); }

    // ---- Controls ----
    TListaVisual* lboxVisual;
    QPlainTextEdit* richEdRevisor;
    QLineEdit* edtNomeImprAtual;
    QPushButton* btnImpressora;
    QPushButton* btnIrPara;
    QComboBox* cboxVisLinhas;
    QComboBox* cboxVisPaginas;
    QLabel* stxPagina;
    QLabel* stxLinha;
    QLabel* stxPagFisica;
    QStatusBar* sbarVisual;
    QLabel* painel0;
    QLabel* painel1;
    QTimer* timerVisual;
    QAction *imEmBraille, *imVisGrafico, *imEmTinta, *Normal1, *Pequeno1, *BrailleTalvo1,
        *SymBraille1, *imConferir, *imIrAoOriginal, *imIrParaPagina, *imProximaPagina,
        *imPaginaAnterior, *imAnotacao, *Impressora1;

    // Key handling of both displays (also driven by tests).
    bool TeclaDisplay(int tecla, Qt::KeyboardModifiers mod);
    void cboxVisLinhasChange();
    void cboxVisPaginasChange();
    void RotulosSeNecessario();
    void AtualizaComandos();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void GuardaPosicao();
    void RestauraPosicao();
    void MostraLista();
    void MostraRevisor();
    // The keyboard to the display that is shown (list or reviewer text).
    void FocoNoDisplay();
    void RevisorDeNovo();
    void PreencheRevisor();
    void AplicaFontes();
    void ListaPressionada(Qt::MouseButton b);
    void ListaSolta(Qt::MouseButton b);
    void RevisorMudou();
    void EmBraille();
    void OutraFonte();
    void SelecionaLinha(int i);
    int Selecionada() const;

    // The maps of the compile that made the lines shown, taken when the draft
    // is read: a later compile of another page range (printing) rewrites the
    // shared maps, while the view keeps showing its own lines.
    struct MapasVisual {
        DynIntArray rascunhoEditor;
        int quantRascunhoMapeadas = -1;
        DynIntArray pagArabica, pagRomana, pagFisica;
        int tamanhoMapaPaginas = 0;
        int paginaFisica = 1;
    } mapas_;

    int selGuardada_ = -1;
    int topoGuardado_ = 0;
    bool pequeno_ = false;
    bool revisorPendente_ = false;
    // The code the line labels were made in.
    bool antigoRotulos_ = false;
    std::array<unsigned char, 256> tabelaRotulos_{};
};

extern TformVisual* formVisual;
