// The Tiger drawing surface on a Qt printer: text in the 29-point braille
// font "Braille29 ASCII" (or, when that font is not installed, each cell
// drawn as its dots), graphic dots as one-unit strokes of a 14-unit pen.
#pragma once

#include "output/dmTigerSaida.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include <memory>

class SuperficieTigerQt : public SuperficieTiger {
public:
    // printerName: the printer chosen in the print dialog; outputFile: a PDF
    // file instead of a printer (empty: the printer).
    SuperficieTigerQt(const QString& printerName, const QString& outputFile = QString());
    ~SuperficieTigerQt() override;

    Abertura Inicia(const std::string& documento) override;
    ExtensaoTexto Mede(const std::string& texto) override;
    bool Texto(int x, int y, const std::string& texto) override;
    bool Ponto(int x, int y) override;
    bool NovaPagina() override;
    void Termina() override;

    // The braille font is installed (otherwise cells are drawn as dots).
    bool TemFonteBraille() const { return fonteBraille_; }

private:
    void DesenhaCela(int x, int y, unsigned char c);

    QPrinter printer_;
    QPainter painter_;
    QFont fonte_;
    bool fonteBraille_ = false;
    int larguraCela_ = 0, alturaCela_ = 0;
};

// Installs the Tiger back-end of the device layer: each "PRN" job of a Tiger
// model draws on the printer that the print dialog chose last.
void InstalaTigerQt(const QString& printerName);
