// The Tiger drawing surface on a Qt printer.
#include "output/gui/SuperficieTigerQt.h"

#include "core/dmvars.h"
#include "platform/qt/textoqt.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPen>

#include <cmath>

SuperficieTigerQt::SuperficieTigerQt(const QString& printerName, const QString& outputFile)
    : printer_(QPrinter::HighResolution) {
    if (!outputFile.isEmpty()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(outputFile);
    } else if (!printerName.isEmpty()) {
        printer_.setPrinterName(printerName);
    }
}

SuperficieTigerQt::~SuperficieTigerQt() { Termina(); }

SuperficieTiger::Abertura SuperficieTigerQt::Inicia(const std::string& documento) {
    printer_.setDocName(ParaQString(documento));
    if (!printer_.isValid() || !painter_.begin(&printer_)) return Abertura::SemImpressora;
    const int res = printer_.resolution();
    fonteBraille_ = QFontDatabase::families().contains(QStringLiteral("Braille29 ASCII"));
    fonte_ = QFont(QStringLiteral("Braille29 ASCII"));
    fonte_.setPixelSize(std::max(1, static_cast<int>(std::lround(res * 29.0 / 72.0))));
    painter_.setFont(fonte_);
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setPen(QPen(Qt::black, 14, Qt::SolidLine, Qt::RoundCap));
    painter_.setBrush(QColor(128, 128, 128));
    // Without the font a cell is 6.2 mm wide and a line 10 mm high.
    larguraCela_ = std::max(5, static_cast<int>(std::lround(res * 6.2 / 25.4)));
    alturaCela_ = std::max(8, static_cast<int>(std::lround(res * 10.0 / 25.4)));
    return Abertura::Ok;
}

ExtensaoTexto SuperficieTigerQt::Mede(const std::string& texto) {
    if (!fonteBraille_)
        return {static_cast<int>(texto.size()) * larguraCela_, alturaCela_};
    QFontMetrics fm(fonte_, &printer_);
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
    QFontMetrics fm(fonte_, &printer_);
    painter_.drawText(x, y + fm.ascent(), ParaQString(texto));
    return true;
}

bool SuperficieTigerQt::Ponto(int x, int y) {
    if (!painter_.isActive()) return false;
    painter_.drawLine(x, y, x + 1, y);
    return true;
}

bool SuperficieTigerQt::NovaPagina() { return painter_.isActive() && printer_.newPage(); }

void SuperficieTigerQt::Termina() {
    if (painter_.isActive()) painter_.end();
}

void InstalaTigerQt(const QString& printerName) {
    DefineFabricaTiger([printerName](const PedidoDispositivo& p) {
        return AbreTiger(std::make_unique<SuperficieTigerQt>(printerName), p.documento);
    });
}
