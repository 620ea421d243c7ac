// The standard message box on Qt.
#include "platform/qt/caixaqt.h"

#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include <string_view>
#include <vector>

namespace {

QString TextoDaCaixa(const std::string& texto) {
    QString q = ParaQString(texto);
    q.replace("\r\n", "\n");
    q.replace('\r', '\n');
    return q;
}

} // namespace

int CaixaQt(const std::string& texto, const std::string& titulo, Icone icone, Botoes botoes,
            QWidget* dono) {
    QMessageBox::Icon i = QMessageBox::NoIcon;
    switch (icone) {
    case Icone::Nenhum: i = QMessageBox::NoIcon; break;
    case Icone::Informacao: i = QMessageBox::Information; break;
    case Icone::Aviso: i = QMessageBox::Warning; break;
    case Icone::Erro: i = QMessageBox::Critical; break;
    case Icone::Pergunta: i = QMessageBox::Question; break;
    }
    QMessageBox caixa(i, ParaQString(titulo), TextoDaCaixa(texto), QMessageBox::NoButton,
                      dono);
    caixa.setTextFormat(Qt::PlainText);
    struct Botao {
        QMessageBox::StandardButton b;
        std::string_view texto;
        int resultado;
    };
    std::vector<Botao> lista;
    const Botao ok{QMessageBox::Ok, "OK", mrOk}, cancela{QMessageBox::Cancel, "Cancelar", mrCancel},
        sim{QMessageBox::Yes, "Sim", mrYes}, nao{QMessageBox::No, "Não"_cp, mrNo};
    switch (botoes) {
    case Botoes::OK: lista = {ok}; break;
    case Botoes::OKCancel: lista = {ok, cancela}; break;
    case Botoes::YesNo: lista = {sim, nao}; break;
    case Botoes::YesNoCancel: lista = {sim, nao, cancela}; break;
    case Botoes::NoOKCancel: lista = {nao, ok, cancela}; break;
    }
    for (const Botao& b : lista)
        caixa.addButton(b.b)->setText(ParaQString(b.texto));
    caixa.setDefaultButton(lista.front().b);
    // A short text makes a box narrower than its caption, which the window
    // frame then cuts ("Fim de impressão" over "Arquivo enviado"): the box
    // is kept as wide as the caption and the frame's buttons need.
    if (auto* grade = qobject_cast<QGridLayout*>(caixa.layout())) {
        const int largura = QFontMetrics(caixa.font()).horizontalAdvance(caixa.windowTitle()) + 120;
        grade->addItem(new QSpacerItem(largura, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                       grade->rowCount(), 0, 1, grade->columnCount());
    }
    int r = caixa.exec();
    for (const Botao& b : lista)
        if (r == b.b)
            return b.resultado;
    // Closed without a button (Esc where there is no Cancel).
    return botoes == Botoes::OK ? static_cast<int>(mrOk) : static_cast<int>(mrCancel);
}
