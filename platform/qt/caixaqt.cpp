// The standard message box on Qt.
#include "platform/qt/caixaqt.h"

#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

QString TextoDaCaixa(const std::string& texto) {
    QString q = ParaQString(texto);
    q.replace("\r\n", "\n");
    q.replace('\r', '\n');
    return q;
}

bool EhCaminho(const QString& linha) {
    for (const QChar c : linha) {
        if (c == ' ' || c == '"') continue;
        return c == '/';
    }
    return false;
}

// The end of the word that begins at j, at the next blank. A path (a "/"
// after a blank, or after a blank and a quotation mark) runs on to the end
// of the line, as its folder and file names may hold blanks; when that is
// wider than maxima, to the end of the word its last "/" stands in, so the
// words after it may go to the next line.
qsizetype FimDaPalavra(const QString& linha, qsizetype j, const std::function<int(const QString&)>& mede,
                       int maxima) {
    const auto fim = [&](qsizetype k) {
        while (k < linha.size() && linha[k] != ' ') ++k;
        return k;
    };
    if (linha[j] != '/' && !(linha[j] == '"' && j + 1 < linha.size() && linha[j + 1] == '/')) return fim(j);
    if (mede(linha.mid(j)) <= maxima) return linha.size();
    return fim(std::max(j, linha.lastIndexOf('/')));
}

// A part wider than maxima by itself, in pieces that fit: after a "/" where
// one fits (a path), else where the width ends.
QStringList PartePorLargura(const QString& parte, const std::function<int(const QString&)>& mede, int maxima) {
    QStringList r;
    QString resto = parte;
    while (resto.size() > 1 && mede(resto) > maxima) {
        qsizetype corte = 1;
        while (corte < resto.size() && mede(resto.left(corte + 1)) <= maxima) ++corte;
        const qsizetype barra = resto.lastIndexOf('/', corte - 1);
        if (barra > 0) corte = barra + 1;
        r << resto.left(corte);
        resto = resto.mid(corte);
    }
    r << resto;
    return r;
}

} // namespace

QStringList LinhasDaCaixa(const QString& texto, const std::function<int(const QString&)>& mede, int largura,
                          int maxima) {
    // A box that a path or a word makes wider lets the other lines use that
    // width too.
    const QStringList todas = texto.split('\n');
    for (const QString& linha : todas) {
        if (EhCaminho(linha)) {
            largura = std::max(largura, std::min(maxima, mede(linha)));
            continue;
        }
        for (qsizetype j = 0; j < linha.size();) {
            if (linha[j] == ' ') {
                ++j;
                continue;
            }
            const qsizetype k = FimDaPalavra(linha, j, mede, maxima);
            largura = std::max(largura, std::min(maxima, mede(linha.mid(j, k - j))));
            j = k;
        }
    }
    QStringList r;
    for (const QString& linha : todas) {
        if (EhCaminho(linha) || mede(linha) <= largura) {
            r << PartePorLargura(linha, mede, maxima);
            continue;
        }
        // Greedy at blanks; the blanks at a break go, those that begin the
        // line stay.
        QString atual;
        qsizetype i = 0;
        while (i < linha.size()) {
            qsizetype j = i;
            while (j < linha.size() && linha[j] == ' ') ++j;
            const QString brancos = linha.mid(i, j - i);
            const qsizetype k = j < linha.size() ? FimDaPalavra(linha, j, mede, maxima) : j;
            const QString palavra = linha.mid(j, k - j);
            if (!atual.isEmpty() && !atual.trimmed().isEmpty() && mede(atual + brancos + palavra) > largura) {
                r << atual;
                atual.clear();
                QStringList pedacos = PartePorLargura(palavra, mede, maxima);
                atual = pedacos.takeLast();
                r << pedacos;
            } else {
                QStringList pedacos = PartePorLargura(atual + brancos + palavra, mede, maxima);
                atual = pedacos.takeLast();
                r << pedacos;
            }
            i = k;
        }
        r << atual;
    }
    return r;
}

namespace {

// The message box wraps its text wherever a line may break, a path after
// each "/" too: it shows the lines of LinhasDaCaixa instead, in a label of
// its own in the place of its text, as wide as Qt lets a box grow on this
// screen. The box keeps its text (for Ctrl+C and screen readers).
void MostraLinhasSemQuebrarCaminhos(QMessageBox& caixa) {
    auto* grade = qobject_cast<QGridLayout*>(caixa.layout());
    auto* original = caixa.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!grade || !original) return;
    const int indice = grade->indexOf(original);
    if (indice < 0) return;
    int linha = 0, coluna = 0, linhas = 0, colunas = 0;
    grade->getItemPosition(indice, &linha, &coluna, &linhas, &colunas);
    auto* rotulo = new QLabel(&caixa);
    rotulo->setObjectName(QStringLiteral("lblTextoCaixa"));
    rotulo->setTextFormat(Qt::PlainText);
    rotulo->setWordWrap(false);
    rotulo->setTextInteractionFlags(original->textInteractionFlags());
    rotulo->setContentsMargins(original->contentsMargins());
    // What else takes room across the box: margins, the icon and the gap.
    const QMargins m = grade->contentsMargins();
    int resto = m.left() + m.right() + std::max(grade->horizontalSpacing(), 0);
    if (auto* icone = caixa.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        resto += icone->sizeHint().width();
    const QScreen* tela = caixa.screen() ? caixa.screen() : QGuiApplication::primaryScreen();
    const int larguraTela = tela ? tela->availableGeometry().width() : 1024;
    // Qt's own limits for a message box.
    const int suave = std::min(larguraTela / 2, 500) - resto;
    const int dura = (larguraTela <= 1024 ? larguraTela : std::min(larguraTela - 480, 1000)) - resto;
    const QFontMetrics fm(rotulo->font());
    rotulo->setText(
        LinhasDaCaixa(caixa.text(), [&](const QString& s) { return fm.horizontalAdvance(s); }, suave, dura).join('\n'));
    original->hide();
    grade->addWidget(rotulo, linha, coluna, linhas, colunas, original->alignment());
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
    MostraLinhasSemQuebrarCaminhos(caixa);
    int r = caixa.exec();
    for (const Botao& b : lista)
        if (r == b.b)
            return b.resultado;
    // Closed without a button (Esc where there is no Cancel).
    return botoes == Botoes::OK ? static_cast<int>(mrOk) : static_cast<int>(mrCancel);
}
