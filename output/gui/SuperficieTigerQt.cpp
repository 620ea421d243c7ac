// The Tiger drawing surface on a PDF page the embosser settings size.
#include "output/gui/SuperficieTigerQt.h"

#include "core/dmvars.h"
#include "output/dmspooler.h"
#include "platform/arquivos.h"
#include "platform/qt/textoqt.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Device units per inch of the drawing.
constexpr int kResolucao = 1200;
// What a PDF page may measure, in points (200 inches).
constexpr double kMaxPontos = 14400.0;

int Unidades(double milimetros) { return static_cast<int>(std::lround(kResolucao * milimetros / 25.4)); }

}  // namespace

SuperficieTigerQt::SuperficieTigerQt(const QString& fila, const QString& arquivoPdf, EnviaFila envia)
    : fila_(DeQString(fila)), arquivoPdf_(arquivoPdf), envia_(std::move(envia)) {
    if (!envia_)
        envia_ = [](const std::string& f, const std::string& pdf, const std::string& doc) {
            return EnviaPdfParaFila(f, pdf, doc);
        };
}

SuperficieTigerQt::~SuperficieTigerQt() { Descarta(); }

SuperficieTiger::Abertura SuperficieTigerQt::Inicia(const std::string& documento, const FolhaTiger& folha) {
    documento_ = documento;
    if (arquivoPdf_.isEmpty()) {
        if (fila_.empty()) return Abertura::SemImpressora;
        temporario_ = ArquivoTemporario("tiger-", ".pdf");
        if (temporario_.empty()) return Abertura::SemImpressora;
    }
    fonteBraille_ = QFontDatabase::families().contains(QStringLiteral("Braille29 ASCII"));
    fonte_ = QFont(QStringLiteral("Braille29 ASCII"));
    fonte_.setPixelSize(std::max(1, static_cast<int>(std::lround(kResolucao * 29.0 / 72.0))));
    if (fonteBraille_) {
        QFontMetrics fm(fonte_);
        larguraCela_ = std::max(1, fm.horizontalAdvance(QLatin1Char('x')));
        alturaCela_ = std::max(1, fm.height());
    } else {
        // Without the font a cell is 6.2 mm wide and a line 10 mm high.
        larguraCela_ = Unidades(6.2);
        alturaCela_ = Unidades(10.0);
    }
    // The paper holds "Colunas" cells from its left edge and is "PolegsForm"
    // inches long, as far as a PDF page can be.
    const int maxColunas = static_cast<int>(kMaxPontos * kResolucao / 72.0) / larguraCela_;
    const int colunas = std::clamp(folha.colunas, 0, maxColunas);
    const int polegadas = std::clamp(folha.polegadas, 0, static_cast<int>(kMaxPontos / 72.0));
    larguraFolha_ = std::max(1, colunas) * larguraCela_;
    alturaFolha_ = std::max(1, polegadas) * kResolucao;
    capacidade_.celas = colunas;
    if (fonteBraille_) {
        // A line of the font is whole on the paper.
        capacidade_.linhas = alturaFolha_ / alturaCela_;
    } else {
        // The lowest dots of a line are 5/8 of the line down, plus their radius.
        const int fundo = 5 * alturaCela_ / 8 + std::max(1, larguraCela_ / 12);
        capacidade_.linhas = alturaFolha_ < fundo ? 0 : (alturaFolha_ - fundo) / alturaCela_ + 1;
    }
    if (polegadas < 1) capacidade_.linhas = 0;
    return Abertura::Ok;
}

CapacidadeFolha SuperficieTigerQt::Capacidade() const { return capacidade_; }

ExtensaoTexto SuperficieTigerQt::Mede(const std::string& texto) {
    if (!fonteBraille_) return {static_cast<int>(texto.size()) * larguraCela_, alturaCela_};
    QFontMetrics fm(fonte_);
    return {fm.horizontalAdvance(ParaQString(texto)), fm.height()};
}

void SuperficieTigerQt::DesenhaCela(int x, int y, unsigned char c) {
    // The dots sit at 1/5 and 3/5 of the cell's width and 1/8, 3/8 and 5/8
    // of its height, as in the braille font.
    unsigned char p = PontosDoCaractere[c];
    const int r = std::max(1, larguraCela_ / 12);
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::black);
    for (int d = 0; d < 6; ++d) {
        if (!(p & (1 << d))) continue;
        int col = d / 3, lin = d % 3;
        int cx = x + (1 + 2 * col) * larguraCela_ / 5;
        int cy = y + (1 + 2 * lin) * alturaCela_ / 8;
        painter_.drawEllipse(QPoint(cx, cy), r, r);
    }
    painter_.restore();
}

bool SuperficieTigerQt::Texto(int x, int y, const std::string& texto) {
    if (!painter_.isActive()) return false;
    if (!fonteBraille_) {
        for (std::size_t i = 0; i < texto.size(); ++i)
            DesenhaCela(x + static_cast<int>(i) * larguraCela_, y, static_cast<unsigned char>(texto[i]));
        return true;
    }
    QFontMetrics fm(fonte_);
    painter_.drawText(x, y + fm.ascent(), ParaQString(texto));
    return true;
}

bool SuperficieTigerQt::Ponto(int x, int y) {
    if (!painter_.isActive()) return false;
    painter_.drawLine(x, y, x + 1, y);
    return true;
}

bool SuperficieTigerQt::NovaPagina() {
    if (painter_.isActive()) return pdf_->newPage();
    if (larguraFolha_ <= 0) return false;
    // The writer is made on the thread that draws, at the first page.
    const QString destino =
        arquivoPdf_.isEmpty() ? QString::fromStdString(CaminhoNativo(temporario_)) : arquivoPdf_;
    pdf_ = std::make_unique<QPdfWriter>(destino);
    pdf_->setResolution(kResolucao);
    pdf_->setTitle(ParaQString(documento_));
    pdf_->setCreator(QStringLiteral("dotmara"));
    // Whole points, rounded up: the page is never narrower than its cells.
    const QSizeF pontos(std::ceil(larguraFolha_ * 72.0 / kResolucao), std::ceil(alturaFolha_ * 72.0 / kResolucao));
    pdf_->setPageLayout(QPageLayout(QPageSize(pontos, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    if (!painter_.begin(pdf_.get())) {
        pdf_.reset();
        return false;
    }
    painter_.setFont(fonte_);
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setPen(QPen(Qt::black, 14, Qt::SolidLine, Qt::RoundCap));
    painter_.setBrush(QColor(128, 128, 128));
    desenhou_ = true;
    return true;
}

bool SuperficieTigerQt::FechaPdf() {
    bool ok = true;
    if (painter_.isActive()) ok = painter_.end();
    pdf_.reset();
    return ok;
}

bool SuperficieTigerQt::Termina() {
    bool ok = FechaPdf();
    if (!temporario_.empty()) {
        if (ok && desenhou_) ok = envia_(fila_, temporario_, documento_);
        std::remove(CaminhoNativo(temporario_).c_str());
        temporario_.clear();
    }
    desenhou_ = false;
    return ok;
}

void SuperficieTigerQt::Descarta() {
    FechaPdf();
    if (!temporario_.empty()) {
        std::remove(CaminhoNativo(temporario_).c_str());
        temporario_.clear();
    }
    desenhou_ = false;
}

void InstalaTigerQt(const QString& fila, const QString& arquivoPdf) {
    DefineFabricaTiger([fila, arquivoPdf](const PedidoDispositivo& p) {
        return AbreTiger(std::make_unique<SuperficieTigerQt>(fila, arquivoPdf), p.documento, p.folha);
    });
}
