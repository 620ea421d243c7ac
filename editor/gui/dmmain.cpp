// dmmain: the main window: its life (creation, first activation, close), the
// editor that holds the document, the caret services and the document-file
// commands.
#include "editor/gui/dmmain.h"

#include "core/dmtraduz.h"
#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "editor/gui/dmsplash.h"
#include "output/gui/dmcnfprt.h"
#include "platform/arquivos.h"
#include "platform/codepage.h"
#include "platform/dialogos.h"
#include "platform/ini.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/arquivosqt.h"
#include "platform/qt/textoqt.h"
#include "platform/servicos.h"
#include "platform/texto.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

TformPrincipal* formPrincipal = nullptr;

namespace {

// Windows-1252 text <-> the editor's text.
QString QDe(std::string_view s) { return ParaQString(s); }
std::string DeQ(const QString& q) { return DeQString(q); }

// A menu caption shows "&" as it is.
QString Legenda(const std::string& s) { return QDe(s).replace('&', "&&"); }

bool Representavel(QChar ch) {
    return ch == '\t' || ch == '\n' || ch == '\r' || UnicodeParaCp1252(ch.unicode()) >= 0;
}

// The editor's text for a list of lines: every line followed by a line end,
// as a text file loads into it; the last one only when quebraFinal.
QString TextoDoEditor(const std::vector<std::string>& linhas, bool quebraFinal = true) {
    std::string s;
    for (const auto& l : linhas) {
        s += l;
        s += '\n';
    }
    if (!quebraFinal && !s.empty()) s.pop_back();
    return QDe(s);
}

// Caption of the window's boxes (the icon tells their kind).
const char* const kTitulo = "Dotmara";

std::string SemBarraFinal(const std::string& dir) {
    return dir.empty() ? dir : dir.substr(0, dir.size() - 1);
}

} // namespace

std::vector<std::string> ArquivosDoMime(const QMimeData* dados) {
    std::vector<std::string> r;
    if (!dados || !dados->hasUrls()) return r;
    for (const QUrl& u : dados->urls())
        if (u.isLocalFile()) r.push_back(CaminhoDoSistema(u.toLocalFile().toStdString()));
    return r;
}

// ============================================================================
// The editor
// ============================================================================

TRichEdPrincipal::TRichEdPrincipal(TformPrincipal* dono) : QPlainTextEdit(dono), dono_(dono) {
    setObjectName("richEdPrincipal");
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(false);
    QFont f("Courier New");
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPixelSize(16);
    setFont(f);
    // The selection stays visible when the editor loses the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
}

int TRichEdPrincipal::TamanhoTexto() const { return document()->characterCount() - 1; }

void TRichEdPrincipal::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    bool insere = !t.isEmpty();
    for (QChar ch : t)
        if ((ch.unicode() < 32 || ch.unicode() == 0x7f) && ch != '\t' && ch != '\r' && ch != '\n')
            insere = false;   // keys such as Delete (DEL) and Esc insert nothing
    if (insere && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        bool ok = true;
        for (QChar ch : t) ok = ok && Representavel(ch);
        const int selecionado = static_cast<int>(textCursor().selectedText().size());
        if (!ok || t.size() > CaracteresQueCabem(TamanhoTexto(), selecionado)) {
            servicos().Bipe();
            e->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}


QString TRichEdPrincipal::CabeNoTexto(QString t) const {
    // One "?" for each character a saved file cannot hold, also for one
    // outside the 16-bit range (a surrogate pair).
    QString r;
    r.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar ch = t.at(i);
        if (ch.isHighSurrogate() && i + 1 < t.size() && t.at(i + 1).isLowSurrogate()) {
            r += '?';
            ++i;
        } else {
            r += Representavel(ch) ? ch : QChar('?');
        }
    }
    t = r;
    const int selecionado = static_cast<int>(textCursor().selectedText().size());
    const int cabe = CaracteresQueCabem(TamanhoTexto(), selecionado);
    if (t.size() > cabe) {
        t.truncate(cabe);
        servicos().Bipe();
    }
    return t;
}

void TRichEdPrincipal::inputMethodEvent(QInputMethodEvent* e) {
    const QString t = CabeNoTexto(e->commitString());
    if (t == e->commitString()) {
        QPlainTextEdit::inputMethodEvent(e);
        return;
    }
    QInputMethodEvent ajustado(e->preeditString(), e->attributes());
    ajustado.setCommitString(t, e->replacementStart(), e->replacementLength());
    QPlainTextEdit::inputMethodEvent(&ajustado);
    e->accept();
}

// Pasted or dropped text (dropped files never come here: dropEvent opens
// them; files copied in a file manager paste as the text they carry, if any).
void TRichEdPrincipal::insertFromMimeData(const QMimeData* fonte) {
    if (!fonte || !fonte->hasText()) return;
    QString t = fonte->text();
    t.replace("\r\n", "\n");
    t.replace('\r', '\n');
    textCursor().insertText(CabeNoTexto(t));
    ensureCursorVisible();
}

void TRichEdPrincipal::dragEnterEvent(QDragEnterEvent* e) {
    if (!ArquivosDoMime(e->mimeData()).empty()) e->acceptProposedAction();
    else QPlainTextEdit::dragEnterEvent(e);
}

void TRichEdPrincipal::dragMoveEvent(QDragMoveEvent* e) {
    if (!ArquivosDoMime(e->mimeData()).empty()) e->acceptProposedAction();
    else QPlainTextEdit::dragMoveEvent(e);
}

void TRichEdPrincipal::dropEvent(QDropEvent* e) {
    const auto arquivos = ArquivosDoMime(e->mimeData());
    if (arquivos.empty()) {
        QPlainTextEdit::dropEvent(e);
        return;
    }
    e->acceptProposedAction();
    dono_->SoltaDepois(arquivos);
}

// ============================================================================
// Creation
// ============================================================================

TformPrincipal::TformPrincipal(QWidget* parent) : QMainWindow(parent) {
    setObjectName("formPrincipal");
    setWindowTitle("Dotmara");
    resize(873, 605);
    setMinimumHeight(603);
    QFont fonte("Segoe UI");
    fonte.setStyleHint(QFont::SansSerif);
    setFont(fonte);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 251, 240));   // cream
    setPalette(pal);
    setAutoFillBackground(true);

    auto* central = new QWidget(this);
    auto* coluna = new QVBoxLayout(central);
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->setSpacing(0);
    CriaToolBar();
    coluna->addWidget(panToolBar);
    richEdPrincipal = new TRichEdPrincipal(this);
    coluna->addWidget(richEdPrincipal, 1);
    // The braille strip goes here, between the editor and the status bar.
    panLinhasBraille = new QWidget(central);
    panLinhasBraille->setObjectName("panLinhasBraille");
    layLinhasBraille = new QVBoxLayout(panLinhasBraille);
    layLinhasBraille->setContentsMargins(0, 0, 0, 0);
    layLinhasBraille->setSpacing(0);
    coluna->addWidget(panLinhasBraille);
    setCentralWidget(central);
    CriaStatus();
    CriaMenus();
    CriaLinhasBraille();
    LigaLinhasBraillePerkins();

    timerPrinc = new QTimer(this);
    timerPrinc->setInterval(100);
    ConectaProtegido(timerPrinc, &QTimer::timeout, this, &TformPrincipal::timerPrincTimer);

    ConectaProtegido(richEdPrincipal, &QPlainTextEdit::cursorPositionChanged, this,
                     &TformPrincipal::richEdPrincipalSelectionChange);
    ConectaProtegido(richEdPrincipal, &QPlainTextEdit::selectionChanged, this,
                     &TformPrincipal::richEdPrincipalSelectionChange);

    dialogoAbrir = [this](const std::string& dir, std::string& nome) {
        return EscolheArquivoParaAbrir(this, dir, "Arquivos de texto (*.TXT *.txt);;Todos os arquivos (*)",
                                       "txt", nome);
    };
    dialogoSalvar = [this](const std::string& dir, const std::string& proposto, std::string& nome) {
        return EscolheArquivoParaSalvar(this, dir, "Arquivo de texto (*.txt *.TXT);;Todos os arquivos (*)",
                                        "txt", proposto, nome);
    };

    executaModal = [](QDialog& janela) { return janela.exec(); };

    // FormCreate
    PrimeiraAtivacao = true;
    BackupLinhas.clear();
    ArqAtual.clear();
    IndiceReabrir = -1;
    NumPagInic = 1;
    imReabrir->setEnabled(false);
    PastaInicial = DiretorioAtual();
    LeIni();
    setAcceptDrops(true);
    FilaGraficosArq.clear();
    FilaGraficosCol.clear();

    DefineDocumentoEmEdicao(this);
}

TformPrincipal::~TformPrincipal() {
    if (&DocumentoEmEdicao() == this) DefineDocumentoEmEdicao(nullptr);
    if (&DocumentoAtual() == this) DefineDocumentoAtual(nullptr);
    if (formPrincipal == this) formPrincipal = nullptr;
}

void TformPrincipal::LeIni() {
    const std::string ini = CaminhoIni();
    Recentes.LeIni(ini);
    for (int i = 0; i < ListaRecentes::MaxItens; ++i) {
        QAction* item = imArq[static_cast<std::size_t>(i)];
        if (i < Recentes.Tamanho()) {
            item->setText(Legenda(Recentes.Item(i)));
            item->setVisible(true);
        } else {
            item->setText(QString());
            item->setVisible(false);
        }
    }
    imReabrir->setEnabled(Recentes.Tamanho() > 0);

    std::string dir = LeTextoChave(ChaveDoGrupo(GrupoConfig::PastaAtual), ini);
    if (!dir.empty() && dir.back() != '/') dir += '/';
    if (dir.empty())
        MudaDiretorioAtual(DirDocumento);   // the first start works where documents start
    else if (dir != DirDocumento)
        MudaDir(dir, true);

    LeGrupo(GrupoConfig::Margem, ini);
}

void TformPrincipal::CriaToolBar() {
    // The two rows; their controls come from the toolbar table (MontaComandos).
    panToolBar = new QWidget(this);
    panToolBar->setObjectName("panToolBar");
    panToolBar->setFixedHeight(85);
    auto* linhas = new QVBoxLayout(panToolBar);
    linhas->setContentsMargins(4, 4, 4, 4);
    linhas->setSpacing(4);
    // The window's font at its design size, so both rows fit its width.
    QFont fonte = font();
    fonte.setPixelSize(12);
    panToolBar->setFont(fonte);
    linhaToolBar1 = new QHBoxLayout();
    linhaToolBar2 = new QHBoxLayout();
    linhaToolBar1->setSpacing(3);
    linhaToolBar2->setSpacing(3);
    linhas->addLayout(linhaToolBar1);
    linhas->addLayout(linhaToolBar2);
}

void TformPrincipal::CriaStatus() {
    static const std::array<std::pair<std::string_view, int>, 5> paineis = {{
        {" Lin:", 60}, {" Col:", 60}, {" Sel: ", 100}, {"", 4}, {" Diretório atual:"_cp, 600}}};
    for (std::size_t i = 0; i < paineis.size(); ++i) {
        auto* l = new QLabel(QDe(paineis[i].first), this);
        // The position panels grow with their numbers (MostraPosicao); the
        // folder panel takes the rest of the bar and gives way to them.
        l->setMinimumWidth(i == 4 ? 100 : paineis[i].second);
        sbarPrincipal[i] = l;
        statusBar()->addWidget(l, i == 4 ? 1 : 0);
    }
}

void TformPrincipal::CriaMenus() {
    MontaComandos();

    // The window's own commands: document files, leaving, the about window.
    LigaComando("imNovoClick", [this] { imNovoClick(); });
    LigaComando("imAbrirClick", [this] {
        IndiceReabrir = -1;
        imAbrirClick();
    });
    for (int i = 0; i < ListaRecentes::MaxItens; ++i)
        LigaComando("imArq" + std::to_string(i + 1) + "Click", [this, i] { imArqClick(i); });
    LigaComando("imSalvarClick", [this] { imSalvarClick(); });
    LigaComando("imSalvarComoClick", [this] { imSalvarComoClick(); });
    LigaComando("imImprimirBrailleClick", [this] { imImprimirBrailleClick(); });
    LigaComando("imSairClick", [this] { imSairClick(); });
    LigaComando("ConverterparaformatoDOS1Click", [this] { ConverterparaformatoDOS1Click(); });
    LigaComando("ConverterparaformatoWindows1Click", [this] { ConverterparaformatoWindows1Click(); });
    LigaComando("Eliminarformataes1Click", [this] { Eliminarformataes1Click(); });
    LigaComando("imSobreProgramaClick", [this] { imSobreProgramaClick(OrigemComando); });

    // Each area's commands, from its own file.
    LigaComandosProprios();
    LigaComandosBraille();
    CriaMenusGraficos();
    CriaMenusExternos();
    CriaMenusOrtografia();
    CriaMenusConfigurar();
    CriaMenusEditar();
    CriaMenusUtilitarios();
}

// ============================================================================
// The document's lines
// ============================================================================

int TformPrincipal::NumLinhas() const {
    const QTextDocument* d = richEdPrincipal->document();
    int n = d->blockCount();
    if (n > 0 && d->lastBlock().length() <= 1) --n;
    return n;
}

std::string TformPrincipal::Linha(int indice) const {
    if (indice < 0 || indice >= NumLinhas()) return {};
    return DeQ(richEdPrincipal->document()->findBlockByNumber(indice).text());
}

int TformPrincipal::ComprimentoLinha(int indice) const {
    if (indice < 0 || indice >= NumLinhas()) return 0;
    return richEdPrincipal->document()->findBlockByNumber(indice).length() - 1;
}

std::vector<std::string> TformPrincipal::Linhas() const {
    std::vector<std::string> r;
    const int n = NumLinhas();
    r.reserve(static_cast<std::size_t>(n));
    QTextBlock b = richEdPrincipal->document()->begin();
    for (int i = 0; i < n && b.isValid(); ++i, b = b.next()) r.push_back(DeQ(b.text()));
    return r;
}

void TformPrincipal::DefineLinhas(const std::vector<std::string>& linhas) {
    QTextCursor c(richEdPrincipal->document());
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    c.insertText(TextoDoEditor(linhas));
    c.endEditBlock();
}

bool TformPrincipal::Modificado() const { return richEdPrincipal->document()->isModified(); }

// ============================================================================
// Caret position
// ============================================================================

namespace {
// S(k), the offset of the start of line k (0 <= k <= lines): the lengths of
// the lines before it, each plus 2. The editor keeps every block's position,
// which counts each line end once, so S(k) is that position plus k; past the
// last block, the whole text plus one more per line. Read from the editor's
// own index instead of added up line by line, so a caret move near the end
// of a long document costs what one near its start does.
long long InicioDaLinhaNoEditor(const QTextDocument* d, int k) {
    if (k < d->blockCount()) return static_cast<long long>(d->findBlockByNumber(k).position()) + k;
    return static_cast<long long>(d->characterCount()) + k;
}
} // namespace

void TformPrincipal::CalcLinCol(int posicao, int& linha, int& coluna) const {
    // The last line k with S(k) <= posicao; S grows by at least 2 a line.
    const QTextDocument* d = richEdPrincipal->document();
    int lo = 0, hi = NumLinhas();
    if (posicao < 0) hi = 0;
    while (lo < hi) {
        const int meio = lo + (hi - lo + 1) / 2;
        if (InicioDaLinhaNoEditor(d, meio) <= posicao) lo = meio;
        else hi = meio - 1;
    }
    linha = lo;
    coluna = static_cast<int>(posicao - InicioDaLinhaNoEditor(d, lo));
}

int TformPrincipal::InicioLinha(int linha) const {
    if (linha <= 0) return 0;
    return static_cast<int>(InicioDaLinhaNoEditor(richEdPrincipal->document(), std::min(linha, NumLinhas())));
}

int TformPrincipal::OffsetDaPosicao(int posicaoEditor) const {
    const QTextBlock b = richEdPrincipal->document()->findBlock(posicaoEditor);
    if (!b.isValid()) return posicaoEditor;
    // Every line end before the block counts one more character.
    return posicaoEditor + b.blockNumber();
}

int TformPrincipal::PosicaoDoOffset(int offset) const {
    const QTextDocument* d = richEdPrincipal->document();
    int lin = 0, col = 0;
    CalcLinCol(std::max(0, offset), lin, col);
    if (lin >= NumLinhas()) return d->characterCount() - 1;
    const QTextBlock b = d->findBlockByNumber(lin);
    return b.position() + std::min(col, b.length() - 1);
}

int TformPrincipal::TamanhoTexto() const {
    return OffsetDaPosicao(richEdPrincipal->document()->characterCount() - 1);
}

long long TformPrincipal::TamanhoNoLimite() const {
    // The editor's own count: each line end is one character.
    return richEdPrincipal->document()->characterCount() - 1;
}

int TformPrincipal::InicioSelecao() const {
    if (selecaoPendente_) return inicioPendente_;
    return OffsetDaPosicao(richEdPrincipal->textCursor().selectionStart());
}

int TformPrincipal::TamanhoSelecao() const {
    if (selecaoPendente_) return fimPendente_ - inicioPendente_;
    const QTextCursor c = richEdPrincipal->textCursor();
    return OffsetDaPosicao(c.selectionEnd()) - OffsetDaPosicao(c.selectionStart());
}

void TformPrincipal::PosicionaCursor(int linha, int coluna) {
    richEdPrincipal->setFocus();
    DocumentoEditavel::PosicionaCursor(linha, coluna);
}

void TformPrincipal::MarcaSelecao(int inicio, int fim) {
    if (grupoAberto_) {
        // Shown when the group closes: the editor's layout follows the
        // text only then.
        selecaoPendente_ = true;
        inicioPendente_ = inicio;
        fimPendente_ = fim;
        return;
    }
    AplicaSelecao(inicio, fim);
}

void TformPrincipal::AplicaSelecao(int inicio, int fim) {
    QTextCursor c = richEdPrincipal->textCursor();
    c.setPosition(PosicaoDoOffset(inicio));
    c.setPosition(PosicaoDoOffset(fim), QTextCursor::KeepAnchor);
    richEdPrincipal->setTextCursor(c);
}

void TformPrincipal::TrocaTrecho(int inicio, int fim, const std::string& texto) {
    QTextCursor c(richEdPrincipal->document());
    c.setPosition(PosicaoDoOffset(inicio));
    c.setPosition(PosicaoDoOffset(fim), QTextCursor::KeepAnchor);
    // The editor ends a line with one LF.
    std::string semCR;
    semCR.reserve(texto.size());
    for (char ch : texto)
        if (ch != '\r') semCR += ch;
    if (semCR.empty())
        c.removeSelectedText();
    else
        c.insertText(QDe(semCR));
    grupoEditou_ = true;
}

void TformPrincipal::AbreGrupo() {
    cursorGrupo_ = QTextCursor(richEdPrincipal->document());
    cursorGrupo_.beginEditBlock();
    grupoAberto_ = true;
    selecaoPendente_ = false;
    grupoEditou_ = false;
    adiaSinais_ = true;
}

void TformPrincipal::FechaGrupo() {
    cursorGrupo_.endEditBlock();
    cursorGrupo_ = QTextCursor();
    grupoAberto_ = false;
    const bool mudou = grupoEditou_ || selecaoPendente_;
    if (selecaoPendente_) {
        selecaoPendente_ = false;
        AplicaSelecao(inicioPendente_, fimPendente_);
    }
    adiaSinais_ = false;
    if (mudou) richEdPrincipalSelectionChange();
}

void TformPrincipal::Desfaz() { richEdPrincipal->undo(); }

namespace {
// A panel keeps its design width and widens for a text that needs more, so
// the status bar never cuts a number (the folder panel gives way instead).
void MostraNoPainel(QLabel* painel, int largura, const QString& texto) {
    // Measured only when the text grows (digits are all as wide): a caret
    // move mostly changes a number within its length.
    const bool cresceu = texto.size() > painel->text().size();
    painel->setText(texto);
    if (cresceu) painel->setMinimumWidth(std::max(largura, painel->sizeHint().width()));
}
} // namespace

void TformPrincipal::MostraPosicao(int lin, int col) {
    MostraNoPainel(sbarPrincipal[0], 60, QString(" Lin: %1").arg(lin));
    MostraNoPainel(sbarPrincipal[1], 60, QString(" Col: %1").arg(col));
    if (!ModoRevisor()) {
        int li = 0, ci = 0, lf = 0, cf = 0;
        LinColInicioSel(li, ci);
        LinColFimSel(lf, cf);
        MostraNoPainel(sbarPrincipal[2], 100,
                       QString(" Sel: %1 | %2").arg(TamanhoSelecao()).arg(lf - li + 1));
    }
}

void TformPrincipal::richEdPrincipalSelectionChange() {
    if (adiaSinais_) return;
    AtualizaLinhasBraille();
    const QTextCursor c = richEdPrincipal->textCursor();
    MostraPosicao(c.blockNumber() + 1, c.positionInBlock() + 1);
}

// ============================================================================
// Document files
// ============================================================================

bool TformPrincipal::PerguntaAbandonar(bool aviso) {
    if (!Modificado()) return true;
    return dialogos().Caixa("Quer abandonar a edição?"_cp,
                            kTitulo,
                            aviso ? Icone::Aviso : Icone::Pergunta, Botoes::NoOKCancel) == mrOk;
}

bool TformPrincipal::CarregaArquivo(const std::string& nome) {
    BackupLinhas = Linhas();
    // What a save stopped midway left beside the document goes first: the
    // text it was saving may be the one to open.
    if (!nome.empty()) TrataSobrasDeGravacao(nome);
    std::vector<std::string> linhas;
    bool quebraFinal = true;
    const LeituraDocumento leitura =
        nome.empty() ? LeituraDocumento::NaoLido : LeDocumento(nome, linhas, &quebraFinal);
    const bool lido = leitura == LeituraDocumento::Lido;
    if (lido) {
        // The text as the file has it, so the editor counts what the file
        // holds and a save gives the same file back.
        richEdPrincipal->setPlainText(TextoDoEditor(linhas, quebraFinal));
        const std::string dir = ExtraiDiretorio(nome);
        if (!dir.empty() && !MudaDir(dir, true)) {
            dialogos().Caixa("Atenção: diretório "_cp + dir + " inacessível!"_cp, kTitulo,
                             Icone::Aviso, Botoes::OK);
            VoltaDir();
        }
        EscondeVisual();
        richEdPrincipal->document()->setModified(false);
        richEdPrincipal->document()->clearUndoRedoStacks();
    } else {
        dialogos().Caixa(MensagemLeituraDocumento(leitura, nome), kTitulo, Icone::Erro, Botoes::OK);
        VoltaDir();
        // The editor was not touched: it still holds its text, with its
        // modified flag and undo steps, so unsaved work stays guarded.
    }
    BackupLinhas.clear();
    return lido;
}

void TformPrincipal::imNovoClick() {
    if (!PerguntaAbandonar(true)) return;
    EscondeVisual();
    richEdPrincipal->clear();
    richEdPrincipal->document()->clearUndoRedoStacks();
    richEdPrincipal->document()->setModified(false);
    ArqAtual.clear();
    AtualizaTitulo();
}

void TformPrincipal::imArqClick(int indice) {
    IndiceReabrir = indice;
    imAbrirClick();
}

void TformPrincipal::imAbrirClick() {
    const int reabrir = IndiceReabrir;
    IndiceReabrir = -1;
    if (!PerguntaAbandonar(false)) return;

    std::string nome;
    int duplicata = -1;
    if (reabrir < 0) {
        if (!dialogoAbrir || !dialogoAbrir(DirDocumento, nome) || nome.empty()) return;
    } else {
        if (reabrir >= Recentes.Tamanho()) {
            MensagemOK("Índice inválido de arquivo recente."_cp);
            return;
        }
        nome = Recentes.Item(reabrir);
        if (ExtraiDiretorio(nome).empty()) {
            nome = DirDocumento + nome;
            const int k = Recentes.Indice(nome);
            duplicata = k != reabrir ? k : -1;
            Recentes.Troca(reabrir, nome);
            imArq[static_cast<std::size_t>(reabrir)]->setText(Legenda(nome));
        }
    }

    if (CarregaArquivo(nome)) {
        ArqAtual = nome;
        richEdPrincipalSelectionChange();
        if (duplicata >= 0) RemoveRecente(duplicata);
        AtualizaTitulo();
        if (ModoRevisor()) VisualizaBraille(true, true);
    } else if (reabrir >= 0) {
        RemoveRecente(reabrir);
    }
    IndiceReabrir = -1;
}

void TformPrincipal::ArquivosSoltos(const std::vector<std::string>& nomes) {
    if (nomes.empty()) return;
    const std::string nome = nomes.front();
    if (!PerguntaAbandonar(false)) return;
    if (CarregaArquivo(nome)) {
        ArqAtual = nome;
        AtualizaTitulo();
    }
}

void TformPrincipal::imSalvarComoClick() {
    PedirNome = true;
    imSalvarClick();
}

void TformPrincipal::imSalvarClick() {
    richEdPrincipal->setFocus();
    bool gravado = false;
    std::string nome;
    bool segue = true;
    if (ArqAtual.empty() || PedirNome) {
        PedirNome = false;
        if (!dialogoSalvar || !dialogoSalvar(DirDocumento, ExtraiNomeArquivo(ArqAtual), nome) ||
            nome.empty())
            return;
        if (ArquivoExiste(nome)) {
            const std::string pergunta =
                IgualSemCaixa(nome, ArqAtual)
                    ? "Sobrescrever o próprio arquivo: "_cp + nome + "?"
                    : "Arquivo " + nome + " já exitente. Sobrescrever?"_cp;
            segue = dialogos().Caixa(pergunta, kTitulo, Icone::Aviso, Botoes::NoOKCancel) == mrOk;
        }
    } else {
        nome = ArqAtual;
    }

    if (segue) {
        const std::string dir = ExtraiDiretorio(nome);
        if (!dir.empty() && !MudaDir(dir, true)) {
            dialogos().Caixa("Atenção: diretório "_cp + dir + " inacessível!"_cp, kTitulo,
                             Icone::Erro, Botoes::OK);
            segue = false;
        }
    }
    if (segue) {
        // The last line ends with a line end only when the editor's does.
        const bool quebraFinal = richEdPrincipal->document()->lastBlock().length() <= 1;
        switch (GravaComBackup(nome, LinhasEmTexto(Linhas(), quebraFinal))) {
        case ResultadoGravacao::Gravado:
            richEdPrincipal->document()->setModified(false);
            richEdPrincipal->document()->clearUndoRedoStacks();
            gravado = true;
            break;
        case ResultadoGravacao::FalhaBackup:
            dialogos().Caixa("Erro: não consegui gerar o backup (.bak): "_cp +
                                 ExtraiNomeArquivo(NomeBackup(nome)) + "!\r\nO arquivo não foi salvo."_cp,
                             kTitulo, Icone::Erro, Botoes::OK);
            break;
        case ResultadoGravacao::FalhaEscrita:
            dialogos().Caixa("Erro ao salvar o arquivo " + nome + "!", kTitulo, Icone::Erro,
                             Botoes::OK);
            break;
        case ResultadoGravacao::SomenteLeitura:
            dialogos().Caixa("O arquivo "_cp + nome + " é somente leitura e não foi salvo."_cp +
                                 "\r\nUse \"Salvar Como\" para gravá-lo com outro nome."_cp,
                             kTitulo, Icone::Erro, Botoes::OK);
            break;
        }
    }
    if (gravado) {
        ArqAtual = nome;
        AtualizaTitulo();
    } else {
        VoltaDir();
    }
}

void TformPrincipal::AtualizaTitulo() {
    setWindowTitle(ArqAtual.empty() ? QString("Dotmara 5.0")
                                    : "Dotmara - " + QDe(ExtraiNomeArquivo(ArqAtual)));
    sbarPrincipal[4]->setText(QDe(" Pasta atual:  " + SemBarraFinal(DirDocumento)));
    if (!ArqAtual.empty() && Recentes.PoeNaFrente(ArqAtual)) MontaMenuRecentes();
    IndiceReabrir = -1;
}

void TformPrincipal::GravaRecenteIni(int numero, const std::string& valor) {
    GravaRecenteNoIni(numero, valor, CaminhoIni());
}

void TformPrincipal::MontaMenuRecentes() {
    imReabrir->setEnabled(true);
    int i = 0;
    for (const std::string& item : Recentes.Itens()) {
        if (item.empty()) {
            ErroContacte("Lista de recentes com item vazio.");
            continue;
        }
        if (i >= ListaRecentes::MaxItens) break;
        QAction* a = imArq[static_cast<std::size_t>(i)];
        a->setText(Legenda(item));
        a->setVisible(true);
        ++i;
        GravaRecenteIni(i, item);
    }
    while (i < ListaRecentes::MaxItens) {
        QAction* a = imArq[static_cast<std::size_t>(i)];
        a->setText(QString());
        a->setVisible(false);
        ++i;
        GravaRecenteIni(i, "");
    }
}

void TformPrincipal::RemoveRecente(int indice) {
    if (!Recentes.Remove(indice)) {
        ErroContacte("Índice inválido de arquico recente a remover"_cp);
        return;
    }
    for (int k = 0; k < ListaRecentes::MaxItens; ++k) {
        QAction* a = imArq[static_cast<std::size_t>(k)];
        if (k < Recentes.Tamanho()) {
            a->setText(Legenda(Recentes.Item(k)));
            a->setVisible(true);
        } else {
            a->setText(QString());
            a->setVisible(false);
        }
    }
}

void TformPrincipal::ConverteLinhas(std::string (*conversao)(std::string_view)) {
    QTextDocument* d = richEdPrincipal->document();
    QTextCursor c(d);
    c.beginEditBlock();
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next()) {
        const std::string antes = DeQ(b.text());
        const std::string depois = conversao(antes);
        if (depois == antes) continue;
        c.setPosition(b.position());
        c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
        c.insertText(QDe(depois));
    }
    c.endEditBlock();
}

void TformPrincipal::ConverterparaformatoDOS1Click() {
    ConverteLinhas([](std::string_view s) { return ConverteParaDOS(s); });
}

void TformPrincipal::ConverterparaformatoWindows1Click() {
    ConverteLinhas([](std::string_view s) { return ConverteParaWindows(s); });
}

void TformPrincipal::Eliminarformataes1Click() {
    // The editor holds plain text only, so dropping the formatting leaves
    // the tabs to replace.
    ConverteLinhas([](std::string_view s) {
        std::string r(s);
        ExpandeTabs(r);
        return r;
    });
}

// ============================================================================
// Life of the window
// ============================================================================

void TformPrincipal::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!mostrado_) {
        mostrado_ = true;
        if (const QScreen* tela = screen())
            move(tela->availableGeometry().center() - rect().center());
        FormShow();
    }
}

void TformPrincipal::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TformPrincipal::closeEvent(QCloseEvent* e) {
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    e->accept();
    // The program ends with its main window, whatever other window is open.
    if (formPrincipal == this) QCoreApplication::quit();
}

void TformPrincipal::FormShow() {
    if (!argumentos.empty()) {
        // A name relative to the folder the program started in is made whole
        // from that folder: creation may have entered another one, and the
        // load moves to the document's folder.
        std::string nome = argumentos.front();
        if (!nome.empty() && nome.front() != '/')
            nome = PastaInicial.empty() ? CaminhoAbsoluto(nome) : PastaInicial + nome;
        ArquivoNaLinhaDeComando = true;
        if (CarregaArquivo(nome)) ArqAtual = nome;
    }
    // The status panels and the strip show the caret from the start, also
    // when the file named on the command line could not be loaded.
    richEdPrincipalSelectionChange();
}

void TformPrincipal::FormActivate() {
    // "Chamar &Puma 7" follows the embosser window's model.
    HabilitaChamarPuma(formConfigPrn ? formConfigPrn->Modelo() == kModeloPuma : ImprMarca == kModeloPuma);
    AtualizaTitulo();
    if (PrimeiraAtivacao) {
        if (InicModoRevisor && (ArquivoNaLinhaDeComando || !ArqAtual.empty()))
            imModoRevisorClick();
        else
            imSobreProgramaClick(this);
    }
    PrimeiraAtivacao = false;
    richEdPrincipal->setFocus();
}

bool TformPrincipal::FormCloseQuery() {
    if (Modificado() &&
        dialogos().Caixa("Fechando o programa, tudo foi salvo ?", kTitulo, Icone::Pergunta,
                         Botoes::OKCancel) != mrOk)
        return false;
    GravaTextoChave(ChaveDoGrupo(GrupoConfig::PastaAtual), DirDocumento);
    return true;
}

void TformPrincipal::imSairClick() {
    bool fecha = true;
    if (Modificado())
        fecha = dialogos().Caixa("Quer mesmo abandonar sem gravar ?", kTitulo,
                                 Icone::Informacao, Botoes::NoOKCancel) == mrOk;
    if (fecha && close()) return;
    richEdPrincipal->setFocus();
}

void TformPrincipal::imSobreProgramaClick(QObject* sender) {
    if (formSplash && formSplash->isVisible()) return;
    timerPrinc->setInterval(sender == imSobrePrograma ? 100 : 1000);
    timerPrinc->start();
}

void TformPrincipal::timerPrincTimer() {
    if (!formSplash) {
        timerPrinc->stop();
        return;
    }
    if (formSplash->isVisible()) {
        timerPrinc->stop();
        formSplash->close();
    } else {
        formSplash->Mostra();
        timerPrinc->setInterval(3000);
    }
}

// ============================================================================
// Drops on the window outside the editor
// ============================================================================

void TformPrincipal::dragEnterEvent(QDragEnterEvent* e) {
    if (!ArquivosDoMime(e->mimeData()).empty()) e->acceptProposedAction();
}

void TformPrincipal::dropEvent(QDropEvent* e) {
    const auto arquivos = ArquivosDoMime(e->mimeData());
    if (arquivos.empty()) return;
    e->acceptProposedAction();
    SoltaDepois(arquivos);
}

// The drop is finished first (the file manager does not wait on a question);
// the abandon question and the load follow from the event loop.
void TformPrincipal::SoltaDepois(const std::vector<std::string>& nomes) {
    QMetaObject::invokeMethod(this, [this, nomes] { ArquivosSoltos(nomes); }, Qt::QueuedConnection);
}
