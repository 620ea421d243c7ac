// TformConfigPrn: the embosser settings window.
#include "output/gui/dmcnfprt.h"

#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "output/dmdevice.h"
#include "output/dmdevice_geometria.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TformConfigPrn* formConfigPrn = nullptr;

namespace {

QString Q(std::string_view s) { return ParaQString(s); }

const char* const kRedeLocal = "\\\\127.0.0.1\\Nome_da_Impressora";

} // namespace

TformConfigPrn::TformConfigPrn(QWidget* pai)
    : JanelaConfig("Configuração da Impressora Braille"_cp, true, pai), modelos_(ModelosImpressora()) {
    setObjectName("formConfigPrn");

    cbboxModeloImp = new QComboBox(this);
    cbboxModeloImp->setObjectName("cbboxModeloImp");
    cbboxModeloImp->setEditable(true);
    // The text stays as typed: nothing completes it or adds it by itself.
    cbboxModeloImp->setInsertPolicy(QComboBox::NoInsert);
    cbboxModeloImp->setCompleter(nullptr);
    for (const std::string& m : modelos_) cbboxModeloImp->addItem(Q(m));
    cbboxModeloImp->setCurrentIndex(-1);
    cbboxModeloImp->setEditText(Q(kSelecioneModelo));
    cbboxModeloImp->setMinimumWidth(220);

    auto* grboxConexao = new QGroupBox(Q("Conexão física"_cp), this);
    grboxConexao->setObjectName("grboxConexao");
    const std::pair<QRadioButton**, const char*> radios[] = {
        {&rbtnLPT1, "LPT1"}, {&rbtnLPT2, "LPT2"}, {&rbtnLPT3, "LPT3"}, {&rbtnCOM1, "COM1"},
        {&rbtnCOM2, "COM2"}, {&rbtnPRN, "PRN"},   {&rbtnRede, "Rede"}, {&rbtnArquivo, "Arquivo"},
    };
    auto* gradeRadios = new QGridLayout;
    int i = 0;
    for (auto [radio, legenda] : radios) {
        *radio = new QRadioButton(Q(legenda), grboxConexao);
        (*radio)->setObjectName(QStringLiteral("rbtn") + legenda);
        gradeRadios->addWidget(*radio, i / 4, i % 4);
        radios_.push_back(*radio);
        ++i;
    }
    rbtnPRN->setChecked(true);
    edtNomeArq = new QLineEdit(QStringLiteral("PRN"), grboxConexao);
    edtNomeArq->setObjectName("edtNomeArq");
    edtNomeArq->setMinimumWidth(300);
    btnSelecArq = new QPushButton(QStringLiteral("..."), grboxConexao);
    btnSelecArq->setObjectName("btnSelecArq");
    btnSelecArq->setToolTip(Q("Clique para selecionar a saída da impressão"_cp));
    btnSelecArq->setMaximumWidth(30);
    SemEnter(btnSelecArq);
    ckboxEnviaVazias = new QCheckBox(Q("Envia também linhas vazias"_cp), grboxConexao);
    ckboxEnviaVazias->setObjectName("ckboxEnviaVazias");
    ckboxForcaExtBRL = new QCheckBox(Q("Força extensão .BRL"_cp), grboxConexao);
    ckboxForcaExtBRL->setObjectName("ckboxForcaExtBRL");
    ckboxForcaExtBRL->setEnabled(false);
    auto* linhaArq = new QHBoxLayout;
    linhaArq->addWidget(edtNomeArq, 1);
    linhaArq->addWidget(btnSelecArq);
    auto* lConexao = new QVBoxLayout(grboxConexao);
    lConexao->addLayout(gradeRadios);
    auto* rotuloArq = new QLabel(Q("Nome do arquivo"), grboxConexao);
    rotuloArq->setBuddy(edtNomeArq);
    lConexao->addWidget(rotuloArq);
    lConexao->addLayout(linhaArq);
    lConexao->addWidget(ckboxEnviaVazias);
    lConexao->addWidget(ckboxForcaExtBRL);

    btnOK = Botao("btnOK", "&OK", true);
    btnCancela = Botao("btnCancela", "&Cancela", false);

    auto* linhaModelo = new QHBoxLayout;
    auto* rotuloModelo = new QLabel(Q("Modelo"), this);
    rotuloModelo->setBuddy(cbboxModeloImp);
    linhaModelo->addWidget(rotuloModelo);
    linhaModelo->addWidget(cbboxModeloImp, 1);
    auto* tudo = new QVBoxLayout(this);
    tudo->addLayout(linhaModelo);
    tudo->addWidget(grboxConexao);
    tudo->addLayout(LinhaDeBotoes({btnOK, btnCancela}));

    for (QRadioButton* r : {rbtnLPT1, rbtnLPT2, rbtnLPT3, rbtnCOM1, rbtnCOM2, rbtnPRN})
        ConectaProtegido(r, &QRadioButton::clicked, this, [this, r] { rbtnPortaClick(r); });
    ConectaProtegido(rbtnRede, &QRadioButton::clicked, this, &TformConfigPrn::rbtnRedeClick);
    ConectaProtegido(rbtnArquivo, &QRadioButton::clicked, this, &TformConfigPrn::rbtnArquivoClick);
    ConectaProtegido(ckboxForcaExtBRL, &QCheckBox::clicked, this, &TformConfigPrn::ckboxForcaExtBRLClick);
    ConectaProtegido(cbboxModeloImp, &QComboBox::editTextChanged, this, &TformConfigPrn::cbboxModeloImpChange);
    cbboxModeloImp->installEventFilter(this);
    ConectaProtegido(btnSelecArq, &QPushButton::clicked, this, &TformConfigPrn::btnSelecArqClick);
    ConectaProtegido(btnOK, &QPushButton::clicked, this, &TformConfigPrn::btnOKClick);
    ConectaProtegido(btnCancela, &QPushButton::clicked, this, &TformConfigPrn::btnCancelaClick);

    saveDialogArquivo = [this](const std::string& inicial, std::string& escolhido) {
        QFileDialog d(this, QString(), Q(inicial));
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        d.setNameFilters({QStringLiteral("Arquivos BRL (*.BRL *.brl)"), QStringLiteral("Todos os arquivos (*)")});
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return false;
        escolhido = CaminhoDoSistema(d.selectedFiles().first().toStdString());
        return true;
    };

    // FormCreate
    LeConfiguracao();
    MostraSaida();
    Alterado = false;
}

std::string TformConfigPrn::Modelo() const { return DeQString(cbboxModeloImp->currentText()); }

QRadioButton* TformConfigPrn::Radio(SaidaImpressora s) const { return radios_[static_cast<std::size_t>(s)]; }

void TformConfigPrn::LeConfiguracao() {
    LeGrupo(GrupoConfig::Impressora);
    // A model read that is not listed joins the list without a question;
    // the setting keeps the text as it was written, letter case included.
    if (!ImprMarca.empty()) ConfereModelo(ImprMarca, true);
    MostraConfiguracao();
    CarregaGeometria();
    HabilitaCampos();
}

void TformConfigPrn::MostraConfiguracao() {
    // No model read (a profile without one): the box asks for one again
    // rather than keep the model of before, which "&OK" would then store.
    cbboxModeloImp->setEditText(Q(ImprMarca.empty() ? std::string(kSelecioneModelo) : ImprMarca));
    DefineTexto(edtNomeArq, ImprNomeArq);
    ckboxEnviaVazias->setChecked(ImprEnviaVazias);
    ckboxForcaExtBRL->setEnabled(ImprMarca == kModeloPuma);
    ckboxForcaExtBRL->setChecked(ImprForcaExtBRL);
    // The plate printer needs its empty lines: sent from now on, whatever
    // the box says, until "&OK" takes the box.
    if (ImprMarca == kModeloCliche) ImprEnviaVazias = true;
}

void TformConfigPrn::ColheConfiguracao() {
    const std::string modelo = Modelo();
    if (modelo != ImprMarca) {
        ImprMarca = modelo;
        Alterado = true;
    }
    ImprNomeArq = Texto(edtNomeArq);
    ImprForcaExtBRL = ckboxForcaExtBRL->isChecked();
    ImprEnviaVazias = ckboxEnviaVazias->isChecked();
    CarregaGeometria();
}

void TformConfigPrn::ConfereModelo(const std::string& nome, bool silencioso) {
    IndiceModelo = IndiceDoModelo(modelos_, nome);
    if (IndiceModelo >= 0) return;
    if (!silencioso && dialogos().Caixa(nome + ": impressora desconhecida. Confirma ?", "Dotmara",
                                        Icone::Pergunta, Botoes::YesNo) != mrYes)
        return;
    modelos_.push_back(nome);
    const QString texto = cbboxModeloImp->currentText();
    cbboxModeloImp->addItem(Q(nome));
    cbboxModeloImp->setEditText(texto);
    IndiceModelo = static_cast<int>(modelos_.size()) - 1;
}

void TformConfigPrn::HabilitaCampos() {
    const std::string modelo = Modelo();
    if (ModeloDecideEntradaPuma(modelo) && Ligacoes.HabilitaChamarPuma)
        Ligacoes.HabilitaChamarPuma(modelo == kModeloPuma);
    ckboxForcaExtBRL->setEnabled(modelo == kModeloPuma);
}

void TformConfigPrn::FormActivate() {
    if (Ligacoes.HabilitaChamarPuma) Ligacoes.HabilitaChamarPuma(Modelo() == kModeloPuma);
}

void TformConfigPrn::FormShow(QWidget* chamador) {
    Chamador = chamador;
    // The output in force, also when the print dialog chose it: what this
    // window shows is what the next job uses.
    MostraSaida();
    show();
    raise();
    activateWindow();
}

void TformConfigPrn::btnOKClick() {
    ColheConfiguracao();
    GravaGrupoOuAvisa(GrupoConfig::Impressora);
    if (Alterado && Ligacoes.VisualizaBraille) {
        if (Ligacoes.EhVisual && Ligacoes.EhVisual(Chamador))
            Ligacoes.VisualizaBraille(true, true);
        else
            Ligacoes.VisualizaBraille(Ligacoes.VisualVisivel && Ligacoes.VisualVisivel(), false);
    }
    Alterado = false;
    hide();
}

void TformConfigPrn::btnCancelaClick() { hide(); }

void TformConfigPrn::MostraSaida() {
    arquivoGuardado_ = ImprNomeArq;
    DefineTexto(edtNomeArq, ImprNomeArq);
    const SaidaImpressora s = SaidaDoNome(ImprNomeArq);
    QRadioButton* r = Radio(s);
    r->setChecked(true);
    if (s == SaidaImpressora::Rede)
        rbtnRedeClick();
    else if (s == SaidaImpressora::Arquivo)
        rbtnArquivoClick();
    else
        rbtnPortaClick(r);
}

// A file name typed in the edit is kept, so that "Arquivo" brings it back.
// The window keeps it: the output in force changes only with "&OK", so
// "&Cancela" never leaves the braille going to a file the user let go.
void TformConfigPrn::GuardaArquivoDigitado() {
    const std::string nome = Texto(edtNomeArq);
    if (!EhDispositivo(nome)) arquivoGuardado_ = nome;
}

void TformConfigPrn::rbtnPortaClick(QRadioButton* radio) {
    GuardaArquivoDigitado();
    for (std::size_t i = 0; i < radios_.size(); ++i)
        if (radios_[i] == radio) DefineTexto(edtNomeArq, NomeDaSaida(static_cast<SaidaImpressora>(i)));
}

void TformConfigPrn::rbtnRedeClick() {
    GuardaArquivoDigitado();
    if (!NomeEhRede(Texto(edtNomeArq))) {
        MensagemOK("Instale a impressora como Generica/texto apenas.\r"
                   "Configure como impressora compartilhada de rede.\r"
                   "Digite abaixo o nome dela, completando as referências na rede\r"
                   "Nota:  \\\\127.0.0.1 indica impressora local"_cp);
        DefineTexto(edtNomeArq, kRedeLocal);
    }
}

void TformConfigPrn::rbtnArquivoClick() {
    DefineTexto(edtNomeArq, arquivoGuardado_);
    if (ckboxForcaExtBRL->isChecked() && !EhDispositivo(arquivoGuardado_))
        DefineTexto(edtNomeArq, ComExtensaoBRL(arquivoGuardado_));
}

void TformConfigPrn::ckboxForcaExtBRLClick() {
    const std::string nome = Texto(edtNomeArq);
    if (ckboxForcaExtBRL->isChecked() && rbtnArquivo->isChecked() && !EhDispositivo(nome))
        DefineTexto(edtNomeArq, ComExtensaoBRL(nome));
}

void TformConfigPrn::cbboxModeloImpChange() { ckboxForcaExtBRL->setEnabled(Modelo() == kModeloPuma); }

void TformConfigPrn::cbboxModeloImpExit() {
    // An empty box names no model to ask about.
    if (!Modelo().empty()) ConfereModelo(Modelo(), false);
    HabilitaCampos();
}

void TformConfigPrn::btnSelecArqClick() {
    std::string escolhido;
    if (!saveDialogArquivo || !saveDialogArquivo(Texto(edtNomeArq), escolhido) || escolhido.empty()) return;
    arquivoGuardado_ = escolhido;
    rbtnArquivo->setChecked(true);
    rbtnArquivoClick();
}

bool TformConfigPrn::eventFilter(QObject* o, QEvent* e) {
    // Leaving the model box for another control of the window (not for its
    // own drop-down list, nor for another window). The list opened from the
    // keyboard (Alt+Down, F4) takes the focus once more with no popup
    // reason, while it shows.
    if (o == cbboxModeloImp && e->type() == QEvent::FocusOut) {
        const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
        const bool listaAberta = cbboxModeloImp->view()->isVisible();
        if (r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason && !listaAberta) cbboxModeloImpExit();
    }
    return JanelaConfig::eventFilter(o, e);
}
