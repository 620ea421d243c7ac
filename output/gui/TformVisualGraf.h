// TformVisualGraf: "Visualização da Impressão Gráfica Braille", the graphic
// page preview. Draws the page that holds the braille view's selected line
// as the embosser would emboss it: text cells dot by dot and .GRB graphics
// at their places, in the dot geometry of the chosen embosser model. The
// braille view opens it and asks it to redraw when it moves to another page.
#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "output/dmvigraf.h"

// What the preview needs from the braille view; the view's owner fills it in.
struct LigacoesVisualGraf {
    std::function<const std::vector<std::string>&()> LinhasRascunho;
    std::function<int()> LinhaSelecionada;   // -1: none
    std::function<void()> ProximaPagina;     // TformVisual.ProximaPagina
    std::function<void()> PaginaAnterior;    // TformVisual.PaginaAnterior
};

class TformVisualGraf : public QWidget {
    Q_OBJECT
public:
    explicit TformVisualGraf(QWidget* pai = nullptr);

    LigacoesVisualGraf Ligacoes;

    // Draws the current page and shows the drawing's messages.
    void DesenhaPagina();
    // Key release: PgDn, PgUp, Esc (also driven by tests).
    void TeclaSolta(int tecla);

    // The last drawing, as painted in imVisualGraf.
    const QImage& Imagem() const { return imagem_; }
    const PaginaPreviewGraf& Pagina() const { return pagina_; }

    static constexpr QRgb CorPontos = 0xff000000;
    static constexpr QRgb CorMoldura = 0xffff60ff; // RGB(255, 96, 255)

    QLabel* imVisualGraf;

protected:
    void showEvent(QShowEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void PreparaPagina();
    void MolduraPagina();
    PaginaPreviewGraf pagina_;
    QImage imagem_;
    unsigned desenhos_ = 0;   // pages drawn, to tell whether a page change redrew
};

extern TformVisualGraf* formVisualGraf;
