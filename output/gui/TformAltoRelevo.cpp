// TformAltoRelevo: the relief-text window.
#include "output/gui/TformAltoRelevo.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTextBlock>
#include <QVBoxLayout>

#include "core/dmvars.h"
#include "output/dmdevice.h"
#include "output/gui/TformResolucao.h"
#include "platform/arquivos.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/arquivosqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

TformAltoRelevo* formAltoRelevo = nullptr;

namespace {

constexpr int kPixelsPorPonto = 3;
const char* const kFontePadrao = "ZIRODEDOD.MDL";

QString Q(std::string_view s) { return ParaQString(s); }

} // namespace

// ---- The preview ----------------------------------------------------------------

TCaixaAltoRelevo::TCaixaAltoRelevo(TformAltoRelevo* dono) : QWidget(dono), dono_(dono) {
    setObjectName("pboxAltoRelevo");
}

void TCaixaAltoRelevo::Ajusta() {
    int col = -1, lin = -1;
    if (dono_->FonteCarregada()) ExtensaoRelevo(dono_->Grade, col, lin);
    const int w = std::max(kPixelsPorPonto * ResolucaoX + 2, kPixelsPorPonto * (col + 1) + 1);
    const int h = std::max(kPixelsPorPonto * ResolucaoY + 2, kPixelsPorPonto * (lin + 1) + 1);
    setFixedSize(w, h);
    update();
}

void TCaixaAltoRelevo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::black);
    p.setBrush(palette().color(QPalette::Window));
    p.drawRect(0, 0, width() - 1, height() - 1);
    // The paper.
    p.setPen(Qt::red);
    p.setBrush(Qt::white);
    p.drawRect(0, 0, kPixelsPorPonto * ResolucaoX + 1, kPixelsPorPonto * ResolucaoY + 1);
    if (!dono_->FonteCarregada()) return;
    // Every raised dot, also those beyond the paper.
    int ultimaColuna = -1, ultimaLinha = -1;
    ExtensaoRelevo(dono_->Grade, ultimaColuna, ultimaLinha);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    for (int r = 0; r <= ultimaLinha; ++r) {
        const unsigned char* linha = dono_->Grade.Linha(r);
        for (int c = 0; c <= ultimaColuna; ++c)
            if (linha[c]) p.drawEllipse(kPixelsPorPonto * c, kPixelsPorPonto * r, 2, 2);
    }
}

// ---- The window -------------------------------------------------------------

TformAltoRelevo::TformAltoRelevo(QWidget* pai) : QDialog(pai) {
    setObjectName("formAltoRelevo");
    setWindowTitle(Q("Inserir texto em alto-relevo"));
    setAttribute(Qt::WA_QuitOnClose, false);

    stxtHeaderMDL = new QLabel(Q("Fonte dos caracteres (clique em \"Selecionar Fonte\" para trocar):"), this);
    edtFonteMDL = new QLineEdit(Q("ZIRODEDOD"), this);
    edtFonteMDL->setObjectName("edtFonteMDL");
    edtFonteMDL->setReadOnly(true);
    edtFonteMDL->setToolTip(Q("Não pode ser editado: clique em \"Selecionar Fonte\""_cp));
    btnSelecFont = new QPushButton(Q("Selecionar &Fonte"), this);
    btnSelecFont->setObjectName("btnSelecFont");
    btnSelecFont->setToolTip(Q("Clique para alterar a fonte dos caracteres"));
    stxtTipoGrafico = new QLabel(Q("Tipo do gráfico"_cp), this);
    stxtTipoGrafico->setToolTip(Q("Clique na lista a seguir"));
    cbboxTipoGrafico = new QComboBox(this);
    cbboxTipoGrafico->setObjectName("cbboxTipoGrafico");
    cbboxTipoGrafico->setToolTip(Q("Clique para definir tipo do gráfico"));
    btnResolucao = new QPushButton(Q("Resolução"_cp), this);
    btnResolucao->setObjectName("btnResolucao");
    btnResolucao->setToolTip(Q("Clique para definir resolução do gráfico"_cp));
    stxtDigiteTexto = new QLabel(Q("Digite o texto desejado abaixo:"), this);
    memAltoRelevo = new QPlainTextEdit(this);
    memAltoRelevo->setObjectName("memAltoRelevo");
    memAltoRelevo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memAltoRelevo->setFixedHeight(72);
    stxtTextoAltoRelevo = new QLabel(Q("Texto em alto-relevo:"), this);
    pboxAltoRelevo = new TCaixaAltoRelevo(this);
    rolagemAltoRelevo = new QScrollArea(this);
    rolagemAltoRelevo->setWidget(pboxAltoRelevo);
    rolagemAltoRelevo->setWidgetResizable(false);
    btnGerarGraf = new QPushButton(Q("Gerar &Gráfico"_cp), this);
    btnGerarGraf->setObjectName("btnGerarGraf");
    btnGerarGraf->setDefault(true);
    btnCancela = new QPushButton(Q("Cancela"), this);
    btnCancela->setObjectName("btnCancela");
    sbarAltoRelevo = new QStatusBar(this);
    sbarAltoRelevo->setObjectName("sbarAltoRelevo");
    sbarAltoRelevo->setSizeGripEnabled(false);
    painelStatus = new QLabel(sbarAltoRelevo);
    painelStatus->setIndent(QFontInfo(sbarAltoRelevo->font()).pointSize());
    sbarAltoRelevo->addWidget(painelStatus, 1);

    auto* linhaFonte = new QHBoxLayout();
    linhaFonte->addWidget(edtFonteMDL, 1);
    linhaFonte->addWidget(btnSelecFont);
    auto* linhaTipo = new QHBoxLayout();
    linhaTipo->addWidget(stxtTipoGrafico);
    linhaTipo->addWidget(cbboxTipoGrafico, 1);
    linhaTipo->addWidget(btnResolucao);
    auto* botoes = new QHBoxLayout();
    botoes->addStretch(1);
    botoes->addWidget(btnGerarGraf);
    botoes->addWidget(btnCancela);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 0);
    layout->addWidget(stxtHeaderMDL);
    layout->addLayout(linhaFonte);
    layout->addLayout(linhaTipo);
    layout->addWidget(stxtDigiteTexto);
    layout->addWidget(memAltoRelevo);
    layout->addWidget(stxtTextoAltoRelevo);
    layout->addWidget(rolagemAltoRelevo, 1);
    layout->addLayout(botoes);
    layout->addWidget(sbarAltoRelevo);

    dialogoFonte = [this](std::string& nome) {
        return EscolheArquivoParaAbrir(this, DirDados(), "Modelos de Fonte (*.MDL *.mdl)", "MDL", nome);
    };
    dialogoSalvar = [this](std::string& nome) {
        return EscolheArquivoParaSalvar(this, DirDocumento,
                                        "Gráfico Tátil (*.GRB *.grb);;Todos os arquivos (*)"_cp, "grb",
                                        std::string(), nome);
    };
    executaResolucao = [] { return formResolucao ? formResolucao->exec() : int(QDialog::Rejected); };

    ConectaProtegido(btnSelecFont, &QPushButton::clicked, this, &TformAltoRelevo::btnSelecFontClick);
    ConectaProtegido(btnResolucao, &QPushButton::clicked, this, &TformAltoRelevo::btnResolucaoClick);
    ConectaProtegido(btnGerarGraf, &QPushButton::clicked, this, &TformAltoRelevo::btnGerarGrafClick);
    ConectaProtegido(btnCancela, &QPushButton::clicked, this, &QDialog::reject);
    ConectaProtegido(memAltoRelevo, &QPlainTextEdit::textChanged, this, &TformAltoRelevo::memAltoRelevoChange);
    ConectaProtegido(edtFonteMDL, &QLineEdit::textChanged, this, &TformAltoRelevo::edtFonteMDLChange);
    ConectaProtegido(cbboxTipoGrafico, &QComboBox::currentIndexChanged, this,
                     [this](int i) { TipoGrafico = std::max(i, 0); });

    // FormCreate: the default font, the kinds of graphic.
    const std::string padrao = AchaArquivoDados(DirDados(), kFontePadrao);
    MostraNomeFonte(CarregaFonteMDL(padrao, Fonte) ? padrao : std::string());
    for (const auto& nome : NomesTipoGrafico) cbboxTipoGrafico->addItem(Q(nome));
    TipoGrafico = 0;
    cbboxTipoGrafico->setCurrentIndex(0);
    edtFonteMDLChange();
}

void TformAltoRelevo::MostraNomeFonte(const std::string& arquivo) {
    const std::string nome = ExtraiNomeArquivo(arquivo);
    const std::string ext = ExtraiExtensao(nome);
    edtFonteMDL->setText(Q(MaiusculasAnsi(nome.substr(0, nome.size() - ext.size()))));
    // The same name again changes no text: the state is brought up to date
    // all the same.
    edtFonteMDLChange();
}

void TformAltoRelevo::HabilitaControles(bool habilita) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             stxtHeaderMDL, edtFonteMDL, stxtTipoGrafico, cbboxTipoGrafico, btnResolucao,
             stxtDigiteTexto, memAltoRelevo, stxtTextoAltoRelevo, pboxAltoRelevo, btnGerarGraf})
        w->setEnabled(habilita);
}

QString TformAltoRelevo::TextoStatus() const { return painelStatus->text(); }

void TformAltoRelevo::edtFonteMDLChange() {
    QPalette pal = painelStatus->palette();
    QFont f = painelStatus->font();
    if (!FonteCarregada()) {
        painelStatus->setText(Q("  ATENÇÃO: arquivo de fontes (.MDL) não selecionado!  "_cp));
        pal.setColor(QPalette::WindowText, Qt::red);
        f.setBold(true);
        HabilitaControles(false);
    } else {
        painelStatus->clear();
        pal.setColor(QPalette::WindowText, Qt::black);
        f.setBold(false);
        HabilitaControles(true);
    }
    painelStatus->setPalette(pal);
    painelStatus->setFont(f);
    memAltoRelevoChange();
}

void TformAltoRelevo::memAltoRelevoChange() {
    if (FonteCarregada()) {
        std::vector<std::string> linhas;
        for (QTextBlock b = memAltoRelevo->document()->begin(); b.isValid(); b = b.next())
            linhas.push_back(DeQString(b.text()));
        DesenhaTextoRelevo(Fonte, Grade, linhas);
    }
    pboxAltoRelevo->Ajusta();
}

void TformAltoRelevo::btnSelecFontClick() {
    std::string arquivo;
    if (!dialogoFonte || !dialogoFonte(arquivo)) return;
    if (const LeituraMDL r = LeArquivoMDL(arquivo, Fonte); r == LeituraMDL::Lida)
        MostraNomeFonte(arquivo);
    else
        MensagemOK(MensagemLeituraMDL(r, arquivo));
    VoltaDir();
}

void TformAltoRelevo::btnResolucaoClick() {
    if (executaResolucao && executaResolucao() == QDialog::Accepted) pboxAltoRelevo->Ajusta();
}

void TformAltoRelevo::btnGerarGrafClick() {
    int ultimaColuna = -1, ultimaLinha = -1;
    ExtensaoRelevo(Grade, ultimaColuna, ultimaLinha);
    if (!FonteCarregada() || ultimaLinha < 0) {
        MensagemOK("O gráfico está vazio!"_cp);
        return;
    }
    std::string arquivo;
    if (!dialogoSalvar || !dialogoSalvar(arquivo) || arquivo.empty()) return;
    ArquivoGRB = arquivo;
    if (GeraGraficoRelevo(ArquivoGRB, Grade)) accept();
}

void TformAltoRelevo::FormShow() {
    // Tall enough for the whole paper, within the screen.
    int altura = rolagemAltoRelevo->y() + sbarAltoRelevo->sizeHint().height() +
                 kPixelsPorPonto * ResolucaoY + 48;
    int largura = std::max(width(), kPixelsPorPonto * ResolucaoX + 40);
    if (const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen()) {
        altura = std::min(altura, tela->availableGeometry().height() - 40);
        largura = std::min(largura, tela->availableGeometry().width() - 40);
    }
    resize(largura, altura);
}

void TformAltoRelevo::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
    // FormActivate: asked for once each time the window opens without a font.
    if (!FonteCarregada()) MensagemOK("Selecione arquivo de fontes (.MDL)");
    edtFonteMDLChange();
    // The text is what the window is opened for; without a font, the font
    // button.
    (FonteCarregada() ? static_cast<QWidget*>(memAltoRelevo) : btnSelecFont)->setFocus();
}
