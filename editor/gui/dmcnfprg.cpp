// TformConfig: the program settings window.
#include "editor/gui/dmcnfprg.h"

#include "core/dmutil.h"
#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "editor/gui/dmVisual.h"
#include "editor/gui/dmmain.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TformConfig* formConfig = nullptr;

namespace {

QString Q(std::string_view s) { return ParaQString(s); }

template <class W>
W* Cria(QWidget* pai, const char* nome, std::string_view texto) {
    auto* w = new W(Q(texto), pai);
    w->setObjectName(nome);
    return w;
}

QLineEdit* Edit(QWidget* pai, const char* nome, int largura) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    if (largura > 0) e->setMaximumWidth(largura);
    return e;
}

QGroupBox* Grupo(QWidget* pai, const char* nome, std::string_view titulo) {
    auto* g = new QGroupBox(Q(titulo), pai);
    g->setObjectName(nome);
    return g;
}

// The index of the checked radio (the first one when none is).
int Marcado(const std::vector<QRadioButton*>& radios) {
    for (std::size_t i = 0; i < radios.size(); ++i)
        if (radios[i]->isChecked()) return static_cast<int>(i);
    return 0;
}

// Stores a collected value when it differs from the setting.
template <class T>
void Guarda(T& setting, const T& valor, bool& alterado) {
    if (setting == valor) return;
    setting = valor;
    alterado = true;
}

bool Dentro(const QWidget* w, const QWidget* grupo) { return w && (w == grupo || grupo->isAncestorOf(w)); }

} // namespace

TformConfig::TformConfig(QWidget* pai) : JanelaConfig("Configuração do Dotmara"_cp, true, pai) {
    setObjectName("formConfig");

    // ---- Page numbering, braille code, print area, header place ----
    grboxNumeracaoPaginas = Grupo(this, "grboxNumeracaoPaginas", "  Numeração de páginas  "_cp);
    rbtnNumPadrao = Cria<QRadioButton>(grboxNumeracaoPaginas, "rbtnNumPadrao", "Padrão"_cp);
    rbtnNumDireita = Cria<QRadioButton>(grboxNumeracaoPaginas, "rbtnNumDireita", "À direita"_cp);
    rbtnNumCentro = Cria<QRadioButton>(grboxNumeracaoPaginas, "rbtnNumCentro", "Ao Centro (Portugal)");
    rbtnNumEsquerda = Cria<QRadioButton>(grboxNumeracaoPaginas, "rbtnNumEsquerda", "À esquerda"_cp);
    numeracao_ = {rbtnNumPadrao, rbtnNumDireita, rbtnNumCentro, rbtnNumEsquerda};
    auto* lNum = new QVBoxLayout(grboxNumeracaoPaginas);
    for (QRadioButton* r : numeracao_) lNum->addWidget(r);

    auto* grboxCodigo = Grupo(this, "grboxCodificacao", "  Codificação Braille  "_cp);
    rbtnBrailleAntigo = Cria<QRadioButton>(grboxCodigo, "rbtnBrailleAntigo", "Braille Antigo");
    rbtnBrailleUnific = Cria<QRadioButton>(grboxCodigo, "rbtnBrailleUnific", "Braille Unificado");
    auto* lCod = new QVBoxLayout(grboxCodigo);
    lCod->addWidget(rbtnBrailleAntigo);
    lCod->addWidget(rbtnBrailleUnific);

    auto* grboxArea = Grupo(this, "grboxAreaImpressao", "  Área de &impressão  "_cp);
    edtNumColunas = Edit(grboxArea, "edtNumColunas", 60);
    edtNumLinhas = Edit(grboxArea, "edtNumLinhas", 60);
    auto* lArea = new QFormLayout(grboxArea);
    lArea->addRow(Q("Colunas"), edtNumColunas);
    lArea->addRow(Q("Linhas"), edtNumLinhas);

    auto* grboxLocalCab = Grupo(this, "grboxLocalCabecalho", "  &Local do Cabeçalho  "_cp);
    rbtnCabecSemCabec = Cria<QRadioButton>(grboxLocalCab, "rbtnCabecSemCabec", "Sem cabeçalho"_cp);
    rbtnCabecSoFrente = Cria<QRadioButton>(grboxLocalCab, "rbtnCabecSoFrente", "Frente");
    rbtnCabecFrenteVerso = Cria<QRadioButton>(grboxLocalCab, "rbtnCabecFrenteVerso", "Frente e Verso");
    ckboxAfastaCabPar = Cria<QCheckBox>(grboxLocalCab, "ckboxAfastaCabPar", "Afasta cabeçalho atrás"_cp);
    cabecalho_ = {rbtnCabecSemCabec, rbtnCabecSoFrente, rbtnCabecFrenteVerso};
    auto* lCab = new QVBoxLayout(grboxLocalCab);
    for (QRadioButton* r : cabecalho_) lCab->addWidget(r);
    lCab->addWidget(ckboxAfastaCabPar);

    // ---- Options ----
    ckboxAutoFormata = Cria<QCheckBox>(this, "ckboxAutoFormata", "&Auto-formata");
    ckboxFrenteVerso = Cria<QCheckBox>(this, "ckboxFrenteVerso", "&Interponto");
    ckboxSoFrenteInterp = Cria<QCheckBox>(this, "ckboxSoFrenteInterp", "Impressão só frente em interponto"_cp);
    ckboxSoFrenteInterp->setEnabled(false);
    ckboxInicModoRevisor = Cria<QCheckBox>(this, "ckboxInicModoRevisor", "Inicia em &modo REVISOR");
    ckboxSeparaSilabas = Cria<QCheckBox>(this, "ckboxSeparaSilabas", "&Separa sílabas"_cp);
    ckboxTextoIngles = Cria<QCheckBox>(this, "ckboxTextoIngles", "Te&xto estrangeiro");
    ckboxCabecIngles = Cria<QCheckBox>(this, "ckboxCabecIngles", "Cabeçalho estrangei&ro"_cp);

    // The margins close the middle column: made here, they come in the tab
    // order before the third column.
    auto* grboxMargem = Grupo(this, "grboxAfastamento", "  A&fastamento na página  "_cp);
    edtMargemImPar = Edit(grboxMargem, "edtMargemImPar", 60);
    edtMargemPar = Edit(grboxMargem, "edtMargemPar", 60);
    auto* lMarg = new QFormLayout(grboxMargem);
    lMarg->addRow(Q("Margem ímpar"_cp), edtMargemImPar);
    lMarg->addRow(Q("Margem par"), edtMargemPar);

    // ---- Header, graphics ----
    auto* grboxCabecalho = Grupo(this, "grboxCabecalho", "  Cabeçal&ho  "_cp);
    edtCabecalho = Edit(grboxCabecalho, "edtCabecalho", 0);
    ckboxComNumeracao = Cria<QCheckBox>(grboxCabecalho, "ckboxComNumeracao", "Com &título e numeração de páginas"_cp);
    ckboxNumOriginal =
        Cria<QCheckBox>(grboxCabecalho, "ckboxNumOriginal", "Adiciona numeração do texto &original (se houver)"_cp);
    ckboxElimBrancas =
        Cria<QCheckBox>(grboxCabecalho, "ckboxElimBrancas", "&Elimina linhas brancas após o cabeçalho"_cp);
    auto* lTit = new QVBoxLayout(grboxCabecalho);
    lTit->addWidget(edtCabecalho);
    lTit->addWidget(ckboxComNumeracao);
    lTit->addWidget(ckboxNumOriginal);
    lTit->addWidget(ckboxElimBrancas);

    auto* grboxGraf = Grupo(this, "grboxTratamentoGrafico", "  Tipo de tratamento gráfico  "_cp);
    rbtnIntercalaTextoGraf =
        Cria<QRadioButton>(grboxGraf, "rbtnIntercalaTextoGraf", "Intercala modos texto e gráfico"_cp);
    rbtnNaoImprimeGraficos = Cria<QRadioButton>(grboxGraf, "rbtnNaoImprimeGraficos", "Não imprime os gráficos"_cp);
    rbtnGraficosNormais = Cria<QRadioButton>(grboxGraf, "rbtnGraficosNormais",
                                             "Apenas páginas com gráficos em modo gráfico (só frente)"_cp);
    rbtnTudoEmModoGrafico =
        Cria<QRadioButton>(grboxGraf, "rbtnTudoEmModoGrafico", "Imprime tudo em modo gráfico (só frente)"_cp);
    rbtnRepassaGraficos =
        Cria<QRadioButton>(grboxGraf, "rbtnRepassaGraficos", "Repassa gráficos para tratamento posterior"_cp);
    graficos_ = {rbtnIntercalaTextoGraf, rbtnNaoImprimeGraficos, rbtnGraficosNormais, rbtnTudoEmModoGrafico,
                 rbtnRepassaGraficos};
    auto* lGraf = new QVBoxLayout(grboxGraf);
    for (QRadioButton* r : graficos_) lGraf->addWidget(r);

    btnOk = Botao("btnOk", "O&k", true);
    btnPadrao = Botao("btnPadrao", "Tornar isso &Padrão"_cp, false);

    // ---- Layout: three columns, the buttons under the last ----
    auto* colunaA = new QVBoxLayout;
    colunaA->addWidget(grboxNumeracaoPaginas);
    colunaA->addWidget(grboxCodigo);
    colunaA->addWidget(grboxArea);
    colunaA->addStretch(1);
    auto* colunaB = new QVBoxLayout;
    colunaB->addWidget(grboxLocalCab);
    for (QCheckBox* c : {ckboxAutoFormata, ckboxFrenteVerso, ckboxSoFrenteInterp, ckboxInicModoRevisor,
                         ckboxSeparaSilabas, ckboxTextoIngles, ckboxCabecIngles})
        colunaB->addWidget(c);
    colunaB->addWidget(grboxMargem);
    colunaB->addStretch(1);
    auto* colunaC = new QVBoxLayout;
    colunaC->addWidget(grboxCabecalho);
    colunaC->addWidget(grboxGraf);
    colunaC->addStretch(1);
    colunaC->addLayout(LinhaDeBotoes({btnOk, btnPadrao}));
    auto* tudo = new QHBoxLayout(this);
    tudo->addLayout(colunaA);
    tudo->addLayout(colunaB);
    tudo->addLayout(colunaC, 1);

    caixas_ = {{ckboxAfastaCabPar, &AfastaCabPar},   {ckboxAutoFormata, &AutoJunta},
               {ckboxSeparaSilabas, &SeparaSilabas}, {ckboxFrenteVerso, &FrenteVerso},
               {ckboxSoFrenteInterp, &SoFrenteInterp}, {ckboxInicModoRevisor, &InicModoRevisor},
               {ckboxComNumeracao, &ComTitulo},      {ckboxNumOriginal, &NumeraOrig},
               {ckboxElimBrancas, &TiraBrancasInicioPag}, {ckboxTextoIngles, &CfgTextoIngles},
               {ckboxCabecIngles, &CfgCabecIngles}};

    ConectaProtegido(btnOk, &QPushButton::clicked, this, &TformConfig::btnOkClick);
    ConectaProtegido(btnPadrao, &QPushButton::clicked, this, &TformConfig::btnPadraoClick);
    ConectaProtegido(rbtnCabecFrenteVerso, &QRadioButton::clicked, this, &TformConfig::rbtnCabecFrenteVersoClick);
    ConectaProtegido(rbtnCabecSoFrente, &QRadioButton::clicked, this, &TformConfig::rbtnCabecSoFrenteClick);
    ConectaProtegido(rbtnCabecSemCabec, &QRadioButton::clicked, this, &TformConfig::rbtnCabecSemCabecClick);
    ConectaProtegido(ckboxFrenteVerso, &QCheckBox::clicked, this, &TformConfig::ckboxFrenteVersoClick);
    // The focus entering the page-numbering group from outside it.
    focoNumeracao_ =
        ConectaProtegido(qApp, &QApplication::focusChanged, this, [this](QWidget* antes, QWidget* agora) {
            if (Dentro(agora, grboxNumeracaoPaginas) && !Dentro(antes, grboxNumeracaoPaginas))
                grboxNumeracaoPaginasEnter();
        });

    // FormCreate
    LeConfiguracao();
    MarcaOpcoes();
    Alterado = false;
}

// The controls go before QObject would break the connection: their focus
// changes must not reach this half-destroyed window.
TformConfig::~TformConfig() { disconnect(focoNumeracao_); }

void TformConfig::LeConfiguracao() {
    // The table reads the keys in this window's order; "estiloNumPag" and
    // "tipoTratGrafico" (and the page size and margins) are range checked,
    // with their messages, as soon as each is read.
    LeGrupo(GrupoConfig::Programa);
}

void TformConfig::MarcaOpcoes() {
    for (QRadioButton* r : {rbtnNumEsquerda, rbtnNumCentro, rbtnNumDireita, rbtnNumPadrao}) r->setChecked(true);
    rbtnCabecSoFrente->setChecked(true);
    rbtnCabecSoFrenteClick();
    rbtnCabecSemCabec->setChecked(true);
    rbtnCabecSemCabecClick();
    rbtnCabecFrenteVerso->setChecked(true);
    rbtnCabecFrenteVersoClick();
    rbtnBrailleAntigo->setChecked(true);
    rbtnBrailleUnific->setChecked(true);
    for (QRadioButton* r : graficos_) r->setChecked(true);
}

void TformConfig::MostraConfiguracao() {
    if (colhendo_) return;
    auto radio = [](const std::vector<QRadioButton*>& radios, int valor) {
        if (valor >= 0 && valor < static_cast<int>(radios.size())) radios[static_cast<std::size_t>(valor)]->setChecked(true);
    };
    radio(numeracao_, EstiloNumPag);
    (BrailleAntigo ? rbtnBrailleAntigo : rbtnBrailleUnific)->setChecked(true);
    radio(graficos_, TipoTratGrafico);
    edtNumLinhas->setText(Q(InteiroParaTexto(MaxLin)));
    edtNumColunas->setText(Q(InteiroParaTexto(MaxCarac)));
    radio(cabecalho_, TipoCabec == 0 || TipoCabec == 2 ? TipoCabec : 1);
    ckboxFrenteVerso->setChecked(FrenteVerso);
    ckboxSoFrenteInterp->setEnabled(!ckboxFrenteVerso->isChecked());
    for (auto [caixa, flag] : caixas_) caixa->setChecked(*flag);
    ckboxAfastaCabPar->setEnabled(TipoCabec == 2);
    DefineTexto(edtCabecalho, Titulo);
    edtMargemImPar->setText(Q(InteiroParaTexto(MargemImpar)));
    edtMargemPar->setText(Q(InteiroParaTexto(MargemPar)));
}

void TformConfig::ColheConfiguracao() {
    // Every control is read before anything is stored: a range message
    // below lets the window be activated again, which shows the settings.
    colhendo_ = true;
    const int numeracao = Marcado(numeracao_);
    const bool antigo = rbtnBrailleAntigo->isChecked();
    const std::string linhas = Texto(edtNumLinhas), colunas = Texto(edtNumColunas);
    const int cabecalho = Marcado(cabecalho_);
    std::vector<bool> flags;
    for (auto [caixa, flag] : caixas_) flags.push_back(caixa->isChecked());
    const std::string titulo = Texto(edtCabecalho);
    const std::string margemImpar = Texto(edtMargemImPar), margemPar = Texto(edtMargemPar);
    const int graficos = Marcado(graficos_);

    Guarda(EstiloNumPag, numeracao, Alterado);
    Guarda(BrailleAntigo, antigo, Alterado);
    Guarda(MaxLin, ValorInteiro(*ChaveDe(MaxLin), linhas), Alterado);
    Guarda(MaxCarac, ValorInteiro(*ChaveDe(MaxCarac), colunas), Alterado);
    Guarda(TipoCabec, cabecalho, Alterado);
    for (std::size_t i = 0; i < caixas_.size(); ++i) Guarda(*caixas_[i].second, bool(flags[i]), Alterado);
    // Compared exactly: a change of letter case is a change.
    Guarda(Titulo, titulo, Alterado);
    Guarda(MargemImpar, ValorInteiro(*ChaveDe(MargemImpar), margemImpar), Alterado);
    Guarda(MargemPar, ValorInteiro(*ChaveDe(MargemPar), margemPar), Alterado);
    Guarda(TipoTratGrafico, graficos, Alterado);
    colhendo_ = false;
    CarregaTabelaImpressora();
}

void TformConfig::btnOkClick() {
    ColheConfiguracao();
    close();
}

void TformConfig::btnPadraoClick() {
    ColheConfiguracao();
    GravaGrupoOuAvisa(GrupoConfig::Programa);
    close();
}

void TformConfig::FormClose() {
    if (Alterado && formPrincipal) {
        formPrincipal->VisualizaBraille(formVisual && formVisual->isVisible(), false);
        // The strip under the editor shows the cells of the code in force.
        formPrincipal->MostraLinhasBraille();
    }
    Alterado = false;
}

void TformConfig::rbtnCabecFrenteVersoClick() { ckboxAfastaCabPar->setEnabled(true); }
void TformConfig::rbtnCabecSoFrenteClick() { ckboxAfastaCabPar->setEnabled(false); }
void TformConfig::rbtnCabecSemCabecClick() { ckboxAfastaCabPar->setEnabled(false); }

void TformConfig::ckboxFrenteVersoClick() { ckboxSoFrenteInterp->setEnabled(!ckboxFrenteVerso->isChecked()); }

void TformConfig::grboxNumeracaoPaginasEnter() {
    if (EstiloNumPag >= 0 && EstiloNumPag < static_cast<int>(numeracao_.size()))
        numeracao_[static_cast<std::size_t>(EstiloNumPag)]->setChecked(true);
}
