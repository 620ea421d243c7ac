// TformConfTabela: the table builder's window.
#include "editor/gui/TformConfTabela.h"

#include "core/documento.h"
#include "editor/gui/dmmain.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TformConfTabela* formConfTabela = nullptr;

namespace {

QString Q(std::string_view s) { return ParaQString(s); }

// A radio group of the window: its items numbered from 0, one checked.
QGroupBox* GrupoDeRadios(QWidget* pai, std::string_view titulo, std::string_view dica,
                         std::initializer_list<std::string_view> itens, int marcado, QButtonGroup*& grupo) {
    auto* caixa = new QGroupBox(Q(titulo), pai);
    caixa->setToolTip(Q(dica));
    grupo = new QButtonGroup(caixa);
    auto* v = new QVBoxLayout(caixa);
    int i = 0;
    for (std::string_view item : itens) {
        auto* r = new QRadioButton(Q(item), caixa);
        grupo->addButton(r, i);
        r->setChecked(i == marcado);
        v->addWidget(r);
        ++i;
    }
    return caixa;
}

} // namespace

TformConfTabela::TformConfTabela(QWidget* pai) : QDialog(pai) {
    setObjectName("formConfTabela");
    setWindowTitle(Q("Assistente para configuração de tabelas"_cp));
    setAttribute(Qt::WA_QuitOnClose, false);

    edtNumColunas = new QLineEdit("2", this);
    edtNumColunas->setObjectName("edtNumColunas");
    edtNumColunas->setMaximumWidth(60);
    rgrpMoldura = GrupoDeRadios(this, "  Estilo da moldura  ", "Estilo das molduras superior e inferior",
                                {"Sem moldura", "Moldura simples", "Moldura dupla"}, MolduraDupla,
                                grupoMoldura);
    rgrpMoldura->setObjectName("rgrpMoldura");
    rgrpSeparadores = GrupoDeRadios(this, "  Estilo dos separadores  ",
                                    "Estilos dos separadores entre linhas e colunas",
                                    {"Sem linhas separadoras", "Linhas horizontais", "Linhas verticais",
                                     "Linhas verticais e horizontais"},
                                    LinhasVerticaisEHorizontais, grupoSeparadores);
    rgrpSeparadores->setObjectName("rgrpSeparadores");
    btnGerarTabela = new QPushButton("Gerar &Tabela", this);
    btnGerarTabela->setObjectName("btnGerarTabela");
    btnGerarTabela->setDefault(true);
    btnCancelar = new QPushButton("&Cancelar", this);
    btnCancelar->setObjectName("btnCancelar");
    btnCancelar->setAutoDefault(false);

    auto* colunas = new QFormLayout;
    colunas->addRow(Q("Número de colunas:"_cp), edtNumColunas);
    auto* estilos = new QHBoxLayout;
    estilos->addWidget(rgrpMoldura);
    estilos->addWidget(rgrpSeparadores);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnGerarTabela);
    botoes->addWidget(btnCancelar);
    auto* v = new QVBoxLayout(this);
    v->addLayout(colunas);
    v->addLayout(estilos);
    v->addLayout(botoes);
    v->setSizeConstraint(QLayout::SetFixedSize);

    ConectaProtegido(btnGerarTabela, &QPushButton::clicked, this, &TformConfTabela::btnGerarTabelaClick);
    ConectaProtegido(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

OpcoesTabela TformConfTabela::Opcoes() const {
    return {grupoMoldura->checkedId(), grupoSeparadores->checkedId()};
}

void TformConfTabela::btnGerarTabelaClick() {
    if (GeraTabela(DocumentoEmEdicao(), DeQString(edtNumColunas->text()), Opcoes()) !=
        ResultadoGeraTabela::Inserida)
        return;
    if (formPrincipal) formPrincipal->AtualizaLinhasBraille();
    accept();
}
