// ukelto3: TForm3, the dot drawer "Desenhador interativo": the first 32
// lines and 43 cells of the page as a grid of dots, set with the left mouse
// button and cleared with the right; each release writes the grid back into
// the page. Opened by F9 or "Gráfico (F9)"; closing it only hides it. While
// it is open it follows the page, so a click never writes back cells the
// page no longer holds.
#pragma once

#include "touchup/ukelto3_grade.h"

#include <QWidget>

#include <array>
#include <string>

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(EstadoKelto& estado);

    // The page into the grid, and the window repainted.
    void PaginaParaGrade();
    // The page changed: an open drawer takes it again.
    void PaginaMudou();

    EstadoKelto& estado;
    GradeDesenho grade;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void DesenhaPonto(const GradeDesenho::Ponto& p);

    // The page lines the grid was taken from.
    std::array<std::string, kLinhasTroca> paginaDaGrade_;
};

extern TForm3* Form3;
