// Printing the ink text.
#include "editor/gui/dmimpressao_texto.h"

#include "platform/qt/textoqt.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

QFont FonteParaImpressao(const QFont& fonteEditor, int dpiTela) {
    QFont f = fonteEditor;
    if (f.pixelSize() > 0) f.setPointSizeF(f.pixelSize() * 72.0 / std::max(dpiTela, 1));
    return f;
}

std::string ExpandeTabsImpressao(const std::string& linha) {
    std::string s;
    for (char c : linha) {
        if (c == '\t') s.append(8 - s.size() % 8, ' ');
        else s += c;
    }
    return s;
}

int ImprimeTextoTinta(QPrinter& impressora, const QFont& fonte, const std::vector<std::string>& linhas) {
    QPainter p;
    if (!p.begin(&impressora)) return -1;
    p.setFont(fonte);
    const QFontMetrics m(p.font(), &impressora);
    const int passo = std::max(m.lineSpacing(), 1);
    const QRect area = p.viewport();
    const int porPagina = std::max(area.height() / passo, 1);
    int paginas = 1;
    int naPagina = 0;
    for (const std::string& linha : linhas) {
        if (naPagina == porPagina) {
            if (!impressora.newPage()) {
                p.end();
                return -1;
            }
            ++paginas;
            naPagina = 0;
        }
        p.drawText(QPoint(0, naPagina * passo + m.ascent()), ParaQString(ExpandeTabsImpressao(linha)));
        ++naPagina;
    }
    return p.end() ? paginas : -1;
}
