// The Tiger drawing surface: a PDF page the size the embosser settings give
// ("Colunas" cells across, "PolegsForm" inches long), text in the 29-point
// braille font "Braille29 ASCII" (or, when that font is not installed, each
// cell drawn as its dots), graphic dots as one-unit strokes of a 14-unit pen.
// The PDF is the file the user chose, or, for a printer, a private temporary
// file sent to that printer's queue when the job ends.
#pragma once

#include "output/dmTigerSaida.h"

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class SuperficieTigerQt : public SuperficieTiger {
public:
    // Sends a finished PDF to a queue (queue, PDF file, document name); true
    // when the print server took it.
    using EnviaFila = std::function<bool(const std::string&, const std::string&, const std::string&)>;

    // fila: the printer chosen in the print dialog; arquivoPdf: the PDF file
    // chosen there instead (then fila is not used). envia: how the PDF
    // reaches the queue (empty: the print server, each wait bounded).
    SuperficieTigerQt(const QString& fila, const QString& arquivoPdf = QString(), EnviaFila envia = {});
    ~SuperficieTigerQt() override;

    Abertura Inicia(const std::string& documento, const FolhaTiger& folha) override;
    CapacidadeFolha Capacidade() const override;
    ExtensaoTexto Mede(const std::string& texto) override;
    bool Texto(int x, int y, const std::string& texto) override;
    bool Ponto(int x, int y) override;
    bool NovaPagina() override;
    bool Termina() override;
    void Descarta() override;

    // The braille font is installed (otherwise cells are drawn as dots).
    bool TemFonteBraille() const { return fonteBraille_; }

private:
    void DesenhaCela(int x, int y, unsigned char c);
    // Ends the drawing; true when the PDF was written whole.
    bool FechaPdf();

    std::string fila_;
    QString arquivoPdf_;
    EnviaFila envia_;
    std::string documento_;
    std::string temporario_;  // the PDF of a job for a queue
    std::unique_ptr<QPdfWriter> pdf_;
    QPainter painter_;
    QFont fonte_;
    bool fonteBraille_ = false;
    bool desenhou_ = false;
    int larguraCela_ = 0, alturaCela_ = 0;
    int larguraFolha_ = 0, alturaFolha_ = 0;
    CapacidadeFolha capacidade_;
};

// Installs the Tiger back-end of the device layer: each "PRN" job of a Tiger
// model draws for the queue, or into the PDF file, that the print dialog
// chose last.
void InstalaTigerQt(const QString& fila, const QString& arquivoPdf = QString());
