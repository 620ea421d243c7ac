// dmTigerSaida: output to Tiger embossers. They take no byte stream: text is
// drawn in the braille font and graphic dots as short strokes through the
// printer driver, which embosses what is drawn. The drawing surface is an
// interface (a PDF for the printer's queue in the program, a recording fake
// in tests); the pen position, line advance, dot steps and the pages asked
// for by form feeds are kept here.
#pragma once

#include "output/dmdevice.h"

#include <memory>
#include <string>

struct ExtensaoTexto {
    int largura = 0;
    int altura = 0;
};

class SuperficieTiger {
public:
    enum class Abertura { Ok, SemImpressora, FalhaFonte };
    virtual ~SuperficieTiger() = default;
    // Makes the document ready on paper of the given size (printer,
    // 29-point "Braille29 ASCII" font, transparent text, 14-unit black pen,
    // grey brush); nothing is drawn or sent yet.
    virtual Abertura Inicia(const std::string& documento, const FolhaTiger& folha) = 0;
    // The cells across and lines down whose dots fall on the paper.
    virtual CapacidadeFolha Capacidade() const = 0;
    // Extent of the text in the braille font, in device units.
    virtual ExtensaoTexto Mede(const std::string& texto) = 0;
    // Draws the text with its top-left corner at (x, y).
    virtual bool Texto(int x, int y, const std::string& texto) = 0;
    // A stroke from (x, y) to (x + 1, y): one embossed dot under the pen.
    virtual bool Ponto(int x, int y) = 0;
    // Starts a page: the first call the document's first page, each later
    // one the next.
    virtual bool NovaPagina() = 0;
    // Ends the document and hands it over to its printer or file; true when
    // it went. A document without a page sends nothing.
    virtual bool Termina() = 0;
    // Ends the document without handing it over: nothing reaches a printer.
    virtual void Descarta() = 0;
};

// The Tiger device over a surface: nullptr when it cannot be opened; when the
// printer or the document cannot be started, "Não consegui ativar a
// impressora Tiger" is shown first. A page is started only when something
// is drawn on it, so the form feed that ends the last page wastes no sheet.
std::unique_ptr<Dispositivo> AbreTiger(std::unique_ptr<SuperficieTiger> s, const std::string& documento,
                                       const FolhaTiger& folha);
