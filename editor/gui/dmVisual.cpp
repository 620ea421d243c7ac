// TformVisual: the braille view.
#include "editor/gui/dmVisual.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/dmtraduz.h"
#include "core/dmtraduz_estado.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "core/documento.h"
#include "editor/dmanotac.h"
#include "editor/dmpreview.h"
#include "editor/dmvisual_linhas.h"
#include "editor/gui/dmChecaBrl.h"
#include "editor/gui/dmcelas.h"
#include "output/dmcnfprt_modelos.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/cursorqt.h"
#include "platform/texto.h"

std::vector<std::string> LinhasRascunho;
TformVisual* formVisual = nullptr;

namespace {

const char* const kRegua = "123456789_123456789_123456789_123456789_12";

// Fixed item height for the list, whatever the font.
class DelegadoAltura : public QStyledItemDelegate {
public:
    DelegadoAltura(TListaVisual* lista) : QStyledItemDelegate(lista), lista_(lista) {}
    QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override {
        QSize s = QStyledItemDelegate::sizeHint(o, i);
        s.setHeight(lista_->AlturaItem());
        return s;
    }

private:
    TListaVisual* lista_;
};

QFont FonteTinta() {
    QFont f("Courier New");
    f.setStyleHint(QFont::Monospace);
    return f;
}

} // namespace

// ---- ModeloLinhasVisual -----------------------------------------------------

void ModeloLinhasVisual::DefineLinhas(std::vector<std::string> linhas) {
    beginResetModel();
    linhas_ = std::move(linhas);
    linhaRegua_ = -1;
    regua_.clear();
    endResetModel();
}

void ModeloLinhasVisual::DefineTinta(bool tinta) {
    if (tinta == tinta_) return;
    tinta_ = tinta;
    if (!linhas_.empty()) emit dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
}

void ModeloLinhasVisual::DefineRegua(int linha, std::string texto) {
    const int antes = linhaRegua_;
    linhaRegua_ = linha >= 0 && linha < rowCount() ? linha : -1;
    regua_ = linhaRegua_ >= 0 ? std::move(texto) : std::string();
    LinhaMudou(antes);
    if (linhaRegua_ != antes) LinhaMudou(linhaRegua_);
}

void ModeloLinhasVisual::LinhaMudou(int linha) {
    if (linha >= 0 && linha < rowCount()) emit dataChanged(index(linha), index(linha), {Qt::DisplayRole});
}

QString ModeloLinhasVisual::TextoExibido(const std::string& codigos) const {
    return tinta_ ? TextoTinta(codigos) : TextoCelas(codigos);
}

int ModeloLinhasVisual::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(linhas_.size());
}

QVariant ModeloLinhasVisual::data(const QModelIndex& indice, int papel) const {
    if (papel != Qt::DisplayRole || !indice.isValid() || indice.row() >= rowCount()) return {};
    const int linha = indice.row();
    return TextoExibido(linha == linhaRegua_ ? regua_ : linhas_[static_cast<size_t>(linha)]);
}

// ---- TListaVisual -----------------------------------------------------------

TListaVisual::TListaVisual(QWidget* pai) : QListView(pai), modelo_(new ModeloLinhasVisual(this)) {
    setModel(modelo_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new DelegadoAltura(this));
}

void TListaVisual::DefineAlturaItem(int altura) {
    altura_ = altura;
    doItemsLayout();
}

int TListaVisual::currentRow() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TListaVisual::setCurrentRow(int linha) {
    const QModelIndex i = linha >= 0 && linha < count() ? modelo_->index(linha) : QModelIndex();
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
}

QString TListaVisual::TextoLinha(int linha) const {
    return modelo_->data(modelo_->index(linha)).toString();
}

void TListaVisual::RolaParaTopo(int linha) {
    if (linha >= 0 && linha < count()) scrollTo(modelo_->index(linha), QAbstractItemView::PositionAtTop);
}

int TListaVisual::LinhaDoTopo() const {
    const QModelIndex topo = indexAt(QPoint(1, 1));
    return topo.isValid() ? topo.row() : -1;
}

void TListaVisual::mousePressEvent(QMouseEvent* e) {
    QListView::mousePressEvent(e);
    emit botaoPressionado(e->button());
}

void TListaVisual::mouseReleaseEvent(QMouseEvent* e) {
    QListView::mouseReleaseEvent(e);
    emit botaoSolto(e->button());
}

// ---- TformVisual --------------------------------------------------------------

namespace {

// The width at which a line edit shows a text whole, without scrolling it:
// its frame and margins as its style lays them out, the two pixels QLineEdit
// keeps on each side, the cursor after the text, and a blank's width to
// spare.
int LarguraQueMostra(const QLineEdit& e, const QString& texto) {
    QStyleOptionFrame o;
    o.initFrom(&e);
    o.rect = QRect(0, 0, 1000, e.sizeHint().height());
    o.lineWidth = e.hasFrame() ? e.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, &e) : 0;
    const int conteudo = e.style()->subElementRect(QStyle::SE_LineEditContents, &o, &e).width();
    const QMargins m = e.textMargins();
    return o.rect.width() - conteudo + m.left() + m.right() + 2 * 2 +
           e.fontMetrics().horizontalAdvance(texto + ' ') + 2;
}

} // namespace

TformVisual::TformVisual(QWidget* pai) : QMainWindow(pai) {
    setObjectName("formVisual");
    setWindowTitle(TextoTinta("Visualização da Impressão"_cp));
    resize(760, 560);
    // The program ends with the main window, whether the view is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);

    // Menu
    QMenuBar* mb = menuBar();
    imEmBraille = mb->addAction(TextoTinta("&Braille"));
    imVisGrafico = mb->addAction(TextoTinta("&Gráfico"_cp));
    imEmTinta = mb->addAction(TextoTinta("&Tinta"));
    QMenu* imTamanho = mb->addMenu(TextoTinta("T&amanho"));
    Normal1 = imTamanho->addAction(TextoTinta("&Normal"));
    Pequeno1 = imTamanho->addAction(TextoTinta("&Pequeno"));
    Normal1->setCheckable(true);
    Pequeno1->setCheckable(true);
    Normal1->setChecked(true);
    QMenu* Fonte1 = mb->addMenu(TextoTinta("&Fonte"));
    BrailleTalvo1 = Fonte1->addAction(TextoTinta("&Braille Talvo"));
    SymBraille1 = Fonte1->addAction(TextoTinta("&Outra fonte"));
    imConferir = mb->addAction(TextoTinta("&Conferir"));
    imIrAoOriginal = mb->addAction(TextoTinta("Ir ao &Original"));
    QMenu* imLocalizarPagina = mb->addMenu(TextoTinta("&Localizar página"_cp));
    imIrParaPagina = imLocalizarPagina->addAction(TextoTinta("&Ir para..."));
    imIrParaPagina->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    imProximaPagina = imLocalizarPagina->addAction(TextoTinta("&Proxima"));
    imPaginaAnterior = imLocalizarPagina->addAction(TextoTinta("&Anterior"));
    imAnotacao = mb->addAction(TextoTinta("&Anotação (F8)"_cp));
    imAnotacao->setShortcut(QKeySequence(Qt::Key_F8));
    Impressora1 = mb->addAction(TextoTinta("&Impressora"));
    // Menu-bar actions with shortcuts need to be known by the window too.
    addAction(imAnotacao);

    // Top panel
    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    v->setContentsMargins(4, 4, 4, 0);
    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel(TextoTinta("Impressora:"), central));
    edtNomeImprAtual = new QLineEdit(central);
    edtNomeImprAtual->setReadOnly(true);
    {
        // Wide enough to show every model of the list, and the text before
        // one is chosen, whole.
        int largura = LarguraQueMostra(*edtNomeImprAtual, TextoTinta(kSelecioneModelo));
        for (const std::string& m : ModelosImpressora())
            largura = std::max(largura, LarguraQueMostra(*edtNomeImprAtual, TextoTinta(m)));
        edtNomeImprAtual->setFixedWidth(largura);
    }
    // A longer name shows its beginning. The box takes the keyboard when the
    // display is hidden for a build, and selects its text for it.
    edtNomeImprAtual->installEventFilter(this);
    topo->addWidget(edtNomeImprAtual);
    btnImpressora = new QPushButton(TextoTinta("..."), central);
    btnImpressora->setToolTip(TextoTinta("Selecionar outra impressora Braille"));
    btnImpressora->setMaximumWidth(30);
    topo->addWidget(btnImpressora);
    btnIrPara = new QPushButton(TextoTinta("Ir para a &Página..."_cp), central);
    btnIrPara->setToolTip(TextoTinta("Clique para visualizar uma página específica"_cp));
    topo->addWidget(btnIrPara);
    topo->addWidget(new QLabel(TextoTinta("Visualizar linhas:"), central));
    cboxVisLinhas = new QComboBox(central);
    for (const TextoFixo& t : {"Somente texto (padrão)"_cp, "Numeração à esquerda"_cp,
                               "Numeração à direita"_cp, "Apenas limite da linha"_cp})
        cboxVisLinhas->addItem(TextoTinta(t));
    topo->addWidget(cboxVisLinhas);
    topo->addWidget(new QLabel(TextoTinta("Quebras de página:"_cp), central));
    cboxVisPaginas = new QComboBox(central);
    for (const TextoFixo& t : {"Onde foram inseridas (padrão)"_cp, "Gerar tamanho real de página"_cp})
        cboxVisPaginas->addItem(TextoTinta(t));
    topo->addWidget(cboxVisPaginas);
    topo->addStretch();
    v->addLayout(topo);
    auto* posicao = new QHBoxLayout;
    stxPagina = new QLabel(central);
    stxLinha = new QLabel(central);
    stxPagFisica = new QLabel(central);
    for (QLabel* l : {stxPagina, stxLinha, stxPagFisica}) {
        l->setMinimumWidth(140);
        posicao->addWidget(l);
    }
    posicao->addStretch();
    v->addLayout(posicao);

    // Both displays fill the client area; one is shown at a time.
    lboxVisual = new TListaVisual(central);
    lboxVisual->setObjectName("lboxVisual");
    richEdRevisor = new QPlainTextEdit(central);
    richEdRevisor->setObjectName("richEdRevisor");
    richEdRevisor->setReadOnly(true);
    richEdRevisor->setLineWrapMode(QPlainTextEdit::NoWrap);
    richEdRevisor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    richEdRevisor->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                           Qt::TextSelectableByMouse);
    {
        QPalette p = richEdRevisor->palette();
        p.setColor(QPalette::Base, QColor(CorModoRevisor.r, CorModoRevisor.g, CorModoRevisor.b));
        // Keep the selection visible when the display loses the focus.
        p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
        p.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   p.color(QPalette::Active, QPalette::HighlightedText));
        richEdRevisor->setPalette(p);
    }
    lboxVisual->hide();
    richEdRevisor->hide();
    v->addWidget(lboxVisual, 1);
    v->addWidget(richEdRevisor, 1);
    setCentralWidget(central);

    // Status bar
    sbarVisual = statusBar();
    painel0 = new QLabel(TextoTinta(" VISUALIZAÇÃO BRAILLE"_cp), sbarVisual);
    painel0->setAlignment(Qt::AlignCenter);
    painel0->setFixedWidth(180);
    painel1 = new QLabel(sbarVisual);
    painel1->setMinimumWidth(50);
    sbarVisual->addWidget(painel0);
    sbarVisual->addWidget(painel1);

    timerVisual = new QTimer(this);
    timerVisual->setInterval(300);
    timerVisual->setSingleShot(true);

    EscolheFonte = [this](QFont& f) {
        bool ok = false;
        const QFont escolhida = QFontDialog::getFont(&ok, f, this);
        if (ok) f = escolhida;
        return ok;
    };

    // Creation
    FonteBraille = QString(kFonteBrailleTalvo);
    TamanhoNormal();
    MarcaRecarga(true, true);
    ModoLinhas = cboxVisLinhas->currentIndex();
    ModoPaginas = cboxVisPaginas->currentIndex();
    stxPagina->setText(TextoTinta("Página: "_cp));
    stxLinha->setText(TextoTinta("Linha: "));
    stxPagFisica->setText(TextoTinta("Página Física: "_cp));

    // Wiring
    ConectaProtegido(timerVisual, &QTimer::timeout, this, &TformVisual::AtualizaPosicao);
    ConectaProtegido(imEmBraille, &QAction::triggered, this, &TformVisual::EmBraille);
    ConectaProtegido(imEmTinta, &QAction::triggered, this, [this] {
        EmTinta = true;
        AplicaFontes();
    });
    ConectaProtegido(imVisGrafico, &QAction::triggered, this, [this] {
        if (Ligacoes.MostraGrafico) Ligacoes.MostraGrafico();
    });
    ConectaProtegido(Normal1, &QAction::triggered, this, &TformVisual::TamanhoNormal);
    ConectaProtegido(Pequeno1, &QAction::triggered, this, &TformVisual::TamanhoPequeno);
    ConectaProtegido(BrailleTalvo1, &QAction::triggered, this, [this] {
        FonteBraille = QString(kFonteBrailleTalvo);
        EmBraille();
    });
    ConectaProtegido(SymBraille1, &QAction::triggered, this, &TformVisual::OutraFonte);
    ConectaProtegido(imConferir, &QAction::triggered, this, &TformVisual::Conferir);
    ConectaProtegido(imIrAoOriginal, &QAction::triggered, this, &TformVisual::IrAoOriginal);
    ConectaProtegido(imIrParaPagina, &QAction::triggered, this, &TformVisual::IrParaPagina);
    ConectaProtegido(btnIrPara, &QPushButton::clicked, this, &TformVisual::IrParaPagina);
    ConectaProtegido(imProximaPagina, &QAction::triggered, this, &TformVisual::ProximaPagina);
    ConectaProtegido(imPaginaAnterior, &QAction::triggered, this, &TformVisual::PaginaAnterior);
    ConectaProtegido(imAnotacao, &QAction::triggered, this, &TformVisual::Anotacao);
    auto impressora = [this] {
        if (Ligacoes.AbreConfigImpressora) Ligacoes.AbreConfigImpressora(this);
    };
    ConectaProtegido(Impressora1, &QAction::triggered, this, impressora);
    ConectaProtegido(btnImpressora, &QPushButton::clicked, this, impressora);
    ConectaProtegido(cboxVisLinhas, &QComboBox::currentIndexChanged, this,
                     &TformVisual::cboxVisLinhasChange);
    ConectaProtegido(cboxVisPaginas, &QComboBox::currentIndexChanged, this,
                     &TformVisual::cboxVisPaginasChange);
    ConectaProtegido(lboxVisual, &TListaVisual::botaoPressionado, this, &TformVisual::ListaPressionada);
    ConectaProtegido(lboxVisual, &TListaVisual::botaoSolto, this, &TformVisual::ListaSolta);
    ConectaProtegido(richEdRevisor, &QPlainTextEdit::cursorPositionChanged, this,
                     &TformVisual::RevisorMudou);
    ConectaProtegido(richEdRevisor, &QPlainTextEdit::selectionChanged, this, &TformVisual::RevisorMudou);
    lboxVisual->installEventFilter(this);
    richEdRevisor->installEventFilter(this);

    // The compiler asks the view whether pages are filled to their real size.
    DefineConsultaTamanhoReal([this] { return GeraTamanhoReal(); });
}

TformVisual::~TformVisual() {
    DefineConsultaTamanhoReal(nullptr);
    if (formVisual == this) formVisual = nullptr;
}

void TformVisual::MarcaRecarga(bool recarregar, bool selecionarCursor) {
    RecarregarRascunho = recarregar;
    SelecionarCursor = selecionarCursor;
}

bool TformVisual::ModoRevisorAtivo() const {
    return Ligacoes.ModoRevisor && Ligacoes.ModoRevisor();
}

int TformVisual::Selecionada() const { return lboxVisual->currentRow(); }

void TformVisual::SelecionaLinha(int i) { lboxVisual->setCurrentRow(i); }

void TformVisual::GuardaPosicao() {
    selGuardada_ = lboxVisual->currentRow();
    topoGuardado_ = std::max(lboxVisual->LinhaDoTopo(), 0);
}

void TformVisual::RestauraPosicao() {
    lboxVisual->RolaParaTopo(topoGuardado_);
    SelecionaLinha(selGuardada_);
}

// Line-number labels: made when the view is first shown, and again whenever
// the braille code or its output table changed since they were made, so the
// labels always match the draft's output code.
void TformVisual::RotulosSeNecessario() {
    if (!RotulosLinha.empty() && antigoRotulos_ == BrailleAntigo &&
        tabelaRotulos_ == TabelaImpressora)
        return;
    RotulosLinha = MontaRotulosLinha(TraduzLinhaIsolada);
    antigoRotulos_ = BrailleAntigo;
    tabelaRotulos_ = TabelaImpressora;
}

// Both displays hold the same lines: the list makes the rows it shows from
// its model; the reviewer text is made whole, so it is made when it is first
// shown after the lines or their kind (cells, ink) changed, and a build for
// the list pays for the list only.
void TformVisual::RevisorDeNovo() {
    revisorPendente_ = true;
    const bool bloqueado = richEdRevisor->blockSignals(true);
    richEdRevisor->clear();
    richEdRevisor->blockSignals(bloqueado);
    if (ModoRevisorAtivo()) PreencheRevisor();
}

void TformVisual::PreencheRevisor() {
    if (!revisorPendente_) return;
    revisorPendente_ = false;
    const ModeloLinhasVisual& m = *lboxVisual->Modelo();
    const std::vector<std::string>& linhas = m.Linhas();
    QString texto;
    size_t total = 0;
    for (const std::string& l : linhas) total += l.size() + 1;
    texto.reserve(static_cast<qsizetype>(total));
    for (size_t i = 0; i < linhas.size(); ++i) {
        if (i) texto += QChar('\n');
        texto += m.TextoExibido(linhas[i]);
    }
    const bool bloqueado = richEdRevisor->blockSignals(true);
    richEdRevisor->setPlainText(texto);
    richEdRevisor->blockSignals(bloqueado);
}

void TformVisual::MontaVisualizacao() {
    MontandoVisualizacao = true;
    // However the build ends (a failure too), the flag and the cursor go back.
    struct FimDaMontagem {
        TformVisual* v;
        ~FimDaMontagem() { v->MontandoVisualizacao = false; }
    } fim{this};
    const CursorEspera espera{this, lboxVisual, richEdRevisor->viewport()};
    edtNomeImprAtual->setText(TextoTinta(ImprMarca));
    edtNomeImprAtual->setCursorPosition(0);   // a long name shows its beginning
    const bool manterLugar = !SelecionarCursor;
    if (manterLugar) GuardaPosicao();

    (ModoRevisorAtivo() ? static_cast<QWidget*>(richEdRevisor)
                        : static_cast<QWidget*>(lboxVisual))->hide();
    lboxVisual->Modelo()->DefineLinhas({});
    richEdRevisor->blockSignals(true);
    richEdRevisor->clear();
    richEdRevisor->blockSignals(false);

    if (RecarregarRascunho) {
        LinhasLidas.clear();
        if (LeRascunho(ArqRascunho, LinhasLidas)) {
            RecarregarRascunho = false;
            mapas_.rascunhoEditor = MapaRascunhoEditor;
            mapas_.quantRascunhoMapeadas = QuantRascunhoMapeadas;
            mapas_.pagArabica = MapaPagArabica;
            mapas_.pagRomana = MapaPagRomana;
            mapas_.pagFisica = MapaPagFisica;
            mapas_.tamanhoMapaPaginas = TamanhoMapaPaginas;
            mapas_.paginaFisica = PaginaFisica;
        }
    }
    LinhasRascunho = LinhasLidas;
    RotulosSeNecessario();
    std::vector<std::string> exibidas = MontaLinhasVisual(LinhasLidas, ModoLinhas, MaxCarac, RotulosLinha);
    // Start of each display line in the reviewer text (one character per
    // line end there).
    InicioLinhaRevisor.assign(exibidas.size(), 0);
    int p = 0;
    for (size_t i = 0; i < exibidas.size(); ++i) {
        InicioLinhaRevisor[i] = p;
        p += static_cast<int>(exibidas[i].size()) + 1;
    }
    lboxVisual->Modelo()->DefineLinhas(std::move(exibidas));
    RevisorDeNovo();

    if (SelecionarCursor) {
        SelecionaLinha(LinhaRascunhoCursor);
        SelecionarCursor = false;
        PaginaAtualVisual = -1;
    } else {
        RestauraPosicao();
    }
    AtualizaModo();
    // A rebuild that keeps the place keeps the scroll position too.
    if (manterLugar && !lboxVisual->isHidden()) lboxVisual->RolaParaTopo(topoGuardado_);
    timerVisual->start();
}

void TformVisual::AtualizaModo() {
    painel1->clear();
    QPalette p = sbarVisual->palette();
    if (ModoRevisorAtivo()) {
        p.setColor(QPalette::WindowText, Qt::red);
        painel0->setPalette(p);
        painel1->setPalette(p);
        painel0->setText(TextoTinta("MODO REVISOR"));
        MostraRevisor();
    } else {
        p.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::ButtonText));
        painel0->setPalette(p);
        painel1->setPalette(p);
        painel0->setText(TextoTinta("VISUALIZA BRAILLE"));
        MostraLista();
    }
}

void TformVisual::MostraLista() {
    richEdRevisor->hide();
    lboxVisual->show();
    // Also while another window is in front (the view being shown, a box
    // over it): the window gives the display the focus when it becomes
    // active, not the first control of its top panel.
    lboxVisual->setFocus();
    const int s = Selecionada();
    if (s >= 0) lboxVisual->RolaParaTopo(s > 5 ? s - 5 : 0);
}

void TformVisual::MostraRevisor() {
    lboxVisual->hide();
    PreencheRevisor();
    const int s = Selecionada();
    richEdRevisor->show();
    if (s >= 0 && static_cast<size_t>(s) < InicioLinhaRevisor.size()) {
        const int t = s > 5 ? s - 5 : 0;
        QTextCursor c = richEdRevisor->textCursor();
        c.movePosition(QTextCursor::End);
        richEdRevisor->setTextCursor(c);
        richEdRevisor->ensureCursorVisible();
        c.setPosition(InicioLinhaRevisor[static_cast<size_t>(t)]);
        richEdRevisor->setTextCursor(c);
        richEdRevisor->ensureCursorVisible();
        c.setPosition(InicioLinhaRevisor[static_cast<size_t>(s)]);
        richEdRevisor->setTextCursor(c);
        richEdRevisor->ensureCursorVisible();
    }
    richEdRevisor->setFocus();
}

void TformVisual::RevisorMudou() {
    if (richEdRevisor->isHidden() && !MontandoVisualizacao) return;
    const QTextCursor c = richEdRevisor->textCursor();
    if (!c.hasSelection()) {
        const int bloco = c.blockNumber();
        if (bloco != lboxVisual->currentRow()) SelecionaLinha(bloco);
        if (!MontandoVisualizacao) timerVisual->start();
    } else {
        timerVisual->stop();
        stxPagina->setText(TextoTinta("Página: -"_cp));
        stxLinha->setText(TextoTinta("Linha: -"));
        stxPagFisica->setText(TextoTinta("Página Física: -"_cp));
    }
}

void TformVisual::AtualizaPosicao() {
    timerVisual->stop();
    const PosicaoVisual pos = CalculaPosicao(LinhasLidas, Selecionada());
    stxPagina->setText(TextoTinta(TextoPagina(mapas_.pagFisica, pos.paginaFisica)));
    stxLinha->setText(TextoTinta("Linha: " + std::to_string(pos.linha)));
    stxPagFisica->setText(TextoTinta("Página Física: "_cp + std::to_string(pos.paginaFisica)));
    painel1->setText(
        TextoTinta(TextoPainelPagina(pos.paginaFisica, UltimaPaginaDoRascunho(LinhasLidas))));
    if (pos.paginaFisica != PaginaAtualVisual) {
        if (Ligacoes.GraficoVisivel && Ligacoes.GraficoVisivel() && Ligacoes.RedesenhaGrafico)
            Ligacoes.RedesenhaGrafico();
        PaginaAtualVisual = pos.paginaFisica;
    }
}

void TformVisual::VaiParaPagina(int k) {
    const int i = IndiceDaPagina(LinhasLidas, k);
    if (lboxVisual->count() > 0) {
        const int t = i > 5 ? i - 5 : 0;
        lboxVisual->RolaParaTopo(std::min(t, lboxVisual->count() - 1));
        SelecionaLinha(i);
    }
    if (!richEdRevisor->isHidden()) MostraRevisor();
    timerVisual->start();
}

void TformVisual::ProximaPagina() {
    AtualizaPosicao();
    VaiParaPagina(PaginaAtualVisual + 1);
    AtualizaPosicao();
}

void TformVisual::PaginaAnterior() {
    const int f = PaginaAnteriorDe(LinhasLidas, Selecionada());
    VaiParaPagina(f);
    AtualizaPosicao();
}

void TformVisual::IrParaPagina() {
    std::string resposta;
    if (!EditaLinha(TituloIrParaPagina(), PromptIrParaPagina(), resposta)) return;
    int destino = 0;
    std::string mensagem;
    if (InterpretaPaginaPedida(resposta, mapas_.pagArabica, mapas_.pagRomana,
                               mapas_.tamanhoMapaPaginas, mapas_.paginaFisica, destino, mensagem))
    {
        VaiParaPagina(destino);
        FocoNoDisplay();   // to read on from the page, whatever had the keyboard
    } else if (!mensagem.empty()) {
        MensagemOK(mensagem);
    }
}

void TformVisual::FocoNoDisplay() {
    if (!lboxVisual->isHidden()) lboxVisual->setFocus();
    else if (!richEdRevisor->isHidden()) richEdRevisor->setFocus();
}

int TformVisual::LinhaNoEditor() const {
    return LinhaEditorDoRascunho(Selecionada(), mapas_.rascunhoEditor, mapas_.quantRascunhoMapeadas,
                                 std::max(DocumentoAtual().NumLinhas() - 1, 0));
}

void TformVisual::IrAoOriginal() {
    const int e = LinhaNoEditor();
    FocoNoDisplay();
    hide();
    if (Ligacoes.PosicionaCursor) Ligacoes.PosicionaCursor(std::max(e, 0), 0);
    UltimaLinhaEditor = std::max(e, 0);
}

void TformVisual::Anotacao() {
    std::string texto;
    if (!EditaLinha("Anotar", "Incluir comentário"_cp, texto) || texto.empty()) return;
    IrAoOriginal();
    if (Ligacoes.InsereAnotacao) Ligacoes.InsereAnotacao(UltimaLinhaEditor, texto);
}

void TformVisual::VaiParaLinhaEditor(int linhaEditor) {
    if (const std::optional<int> d =
            LinhaVisualDoEditor(linhaEditor, MapaEditorRascunho, QuantEditorMapeadas, lboxVisual->count()))
        SelecionaLinha(*d);
    AtualizaModo();
}

void TformVisual::Conferir() {
    std::string texto;
    bool tem = false;
    if (!lboxVisual->isHidden() || richEdRevisor->isHidden()) {
        lboxVisual->setFocus();
        const int s = Selecionada();
        if (s >= 0 && static_cast<size_t>(s) < LinhasExibidas().size()) {
            texto = std::string(AparaBrancosFinais(LinhasExibidas()[static_cast<size_t>(s)]));
            tem = true;
        }
    } else {
        richEdRevisor->setFocus();
        const int b = richEdRevisor->textCursor().blockNumber();
        if (b >= 0 && static_cast<size_t>(b) < LinhasExibidas().size()) {
            texto = std::string(AparaBrancosFinais(LinhasExibidas()[static_cast<size_t>(b)]));
            tem = true;
        }
    }
    if (!tem) return;
    if (!formChecaBrl) formChecaBrl = new TformChecaBrl();
    formChecaBrl->DefineLinha(texto);
    formChecaBrl->MostraModal();
}

void TformVisual::cboxVisLinhasChange() {
    const int i = cboxVisLinhas->currentIndex();
    if (i == ModoLinhas) return;
    ModoLinhas = i;
    MarcaRecarga(false, false);
    MontaVisualizacao();
}

void TformVisual::cboxVisPaginasChange() {
    const int i = cboxVisPaginas->currentIndex();
    if (i == ModoPaginas) return;
    ModoPaginas = i;
    // Recompiled exactly as F9 does (code table, whole page range, first
    // number 1), from the editor line of the selected line.
    if (Ligacoes.CompilaParaVisualizacao) Ligacoes.CompilaParaVisualizacao(LinhaNoEditor());
    MarcaRecarga(true, true);
    MontaVisualizacao();
}

bool TformVisual::TeclaDisplay(int tecla, Qt::KeyboardModifiers mod) {
    const Qt::KeyboardModifiers m = mod & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    if (tecla == Qt::Key_F11 && m == Qt::NoModifier) {
        cboxVisLinhas->setCurrentIndex((cboxVisLinhas->currentIndex() + 1) % kQuantModosLinhas);
        return true;
    }
    if (tecla == Qt::Key_F11 && m == Qt::ControlModifier) {
        cboxVisPaginas->setCurrentIndex((cboxVisPaginas->currentIndex() + 1) % kQuantModosPaginas);
        return true;
    }
    if (tecla == Qt::Key_Escape) {
        close();
        return true;
    }
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
        IrAoOriginal();
        return true;
    }
    if (tecla == Qt::Key_PageDown && m == Qt::AltModifier) {
        ProximaPagina();
        return true;
    }
    if (tecla == Qt::Key_PageUp && m == Qt::AltModifier) {
        PaginaAnterior();
        return true;
    }
    timerVisual->start();
    return false;
}

bool TformVisual::eventFilter(QObject* o, QEvent* e) {
    if (o == edtNomeImprAtual && e->type() == QEvent::FocusOut) edtNomeImprAtual->setCursorPosition(0);
    if ((o == lboxVisual || o == richEdRevisor) && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (TeclaDisplay(k->key(), k->modifiers())) return true;
    }
    return QMainWindow::eventFilter(o, e);
}

void TformVisual::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && !lboxVisual->hasFocus() && !richEdRevisor->hasFocus()) {
        AtualizaModo();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

void TformVisual::ListaPressionada(Qt::MouseButton b) {
    if (b != Qt::LeftButton) return;
    ItemRegua = Selecionada();
    if (ItemRegua >= 0 && ItemRegua < lboxVisual->count()) {
        const int topo = lboxVisual->LinhaDoTopo();
        TextoItemRegua = LinhasExibidas()[static_cast<size_t>(ItemRegua)];
        lboxVisual->Modelo()->DefineRegua(ItemRegua, kRegua);
        lboxVisual->RolaParaTopo(topo);
    }
}

void TformVisual::ListaSolta(Qt::MouseButton b) {
    if (b == Qt::LeftButton) {
        if (ItemRegua >= 0 && ItemRegua < lboxVisual->count()) {
            const int topo = lboxVisual->LinhaDoTopo();
            lboxVisual->Modelo()->DefineRegua(-1);
            lboxVisual->RolaParaTopo(topo);
        }
        timerVisual->start();
    } else if (b == Qt::RightButton) {
        if (ItemRegua >= 0) Conferir();
    }
}

void TformVisual::AplicaFontes() {
    QFont lista = EmTinta ? FonteTinta() : FonteCelas(FonteBraille, 16, !pequeno_);
    QFont revisor = lista;
    lista.setPointSize(pequeno_ ? 8 : 16);
    lista.setBold(!pequeno_);
    revisor.setPointSize(pequeno_ ? 14 : 24);
    revisor.setBold(!pequeno_);
    // The displays hold text for the font kind (cells or ink characters);
    // the list keeps its selection and place.
    const bool mudou = lboxVisual->Modelo()->Tinta() != EmTinta;
    lboxVisual->Modelo()->DefineTinta(EmTinta);
    lboxVisual->setFont(lista);
    lboxVisual->DefineAlturaItem(pequeno_ ? 12 : 24);
    richEdRevisor->setFont(revisor);
    if (mudou && !LinhasExibidas().empty() && !MontandoVisualizacao) RevisorDeNovo();
}

void TformVisual::TamanhoNormal() {
    pequeno_ = false;
    Normal1->setChecked(true);
    Pequeno1->setChecked(false);
    AplicaFontes();
}

void TformVisual::TamanhoPequeno() {
    pequeno_ = true;
    Normal1->setChecked(false);
    Pequeno1->setChecked(true);
    AplicaFontes();
}

void TformVisual::EmBraille() {
    EmTinta = false;
    AplicaFontes();
}

void TformVisual::OutraFonte() {
    QFont f = lboxVisual->font();
    if (EscolheFonte && EscolheFonte(f)) FonteBraille = f.family();
    EmBraille();
}

// Commands whose window is not part of the program are shown disabled.
void TformVisual::AtualizaComandos() {
    imVisGrafico->setEnabled(static_cast<bool>(Ligacoes.MostraGrafico));
    Impressora1->setEnabled(static_cast<bool>(Ligacoes.AbreConfigImpressora));
    btnImpressora->setEnabled(static_cast<bool>(Ligacoes.AbreConfigImpressora));
    imAnotacao->setEnabled(static_cast<bool>(Ligacoes.InsereAnotacao));
}

void TformVisual::FormActivate() {
    AtualizaComandos();
    TamanhoNormal();
    if (RecarregarRascunho)
        MontaVisualizacao();
    else if (lboxVisual->isHidden() && richEdRevisor->isHidden())
        AtualizaModo();
}

void TformVisual::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    RotulosSeNecessario();
}

void TformVisual::hideEvent(QHideEvent* e) {
    QMainWindow::hideEvent(e);
    lboxVisual->hide();
    richEdRevisor->hide();
}

void TformVisual::closeEvent(QCloseEvent* e) {
    if (MontandoVisualizacao) {
        e->ignore();
        return;
    }
    if (Ligacoes.FechaGrafico) Ligacoes.FechaGrafico();
    e->accept();
}

void TformVisual::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}
