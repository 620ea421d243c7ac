// dmTigerSaida: output to Tiger embossers. They take no byte stream: text is
// drawn in the braille font and graphic dots as short strokes through the
// printer driver, which embosses what is drawn. The drawing surface is an
// interface (the Qt printer in the program, a recording fake in tests); the
// pen position, line advance and dot steps are kept here.
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
    // Starts the document (printer, 29-point "Braille29 ASCII" font,
    // transparent text, 14-unit black pen, grey brush) and its first page.
    virtual Abertura Inicia(const std::string& documento) = 0;
    // Extent of the text in the braille font, in device units.
    virtual ExtensaoTexto Mede(const std::string& texto) = 0;
    // Draws the text with its top-left corner at (x, y).
    virtual bool Texto(int x, int y, const std::string& texto) = 0;
    // A stroke from (x, y) to (x + 1, y): one embossed dot under the pen.
    virtual bool Ponto(int x, int y) = 0;
    // Ends the page and starts the next.
    virtual bool NovaPagina() = 0;
    // Ends the page and the document and frees the drawing objects.
    virtual void Termina() = 0;
};

// The Tiger device over a surface: nullptr when it cannot be opened; when the
// printer or the document cannot be started, "Não consegui ativar a
// impressora Tiger" is shown first.
std::unique_ptr<Dispositivo> AbreTiger(std::unique_ptr<SuperficieTiger> s, const std::string& documento);
