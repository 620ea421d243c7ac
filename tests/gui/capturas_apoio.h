// What the screenshot tests (run by tools/capturas.sh, not by ctest) share:
// the folder the PNG files go to ($DOTMARA_CAPTURAS, else /tmp), a widget
// saved there, and a part of the screen as the window manager shows it.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

// The folder, ending in "/".
inline std::string PastaCapturas() {
    const char* p = std::getenv("DOTMARA_CAPTURAS");
    std::string d = p && *p ? p : "/tmp";
    if (d.back() != '/') d += '/';
    return d;
}

// Lets pending events paint the widget, saves it as PastaCapturas() + nome
// and prints the path and size.
inline bool GravaCaptura(QWidget* w, const std::string& nome) {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const QPixmap px = w->grab();
    const std::string caminho = PastaCapturas() + nome;
    std::printf("%s %dx%d\n", caminho.c_str(), px.width(), px.height());
    return !px.isNull() && px.save(QString::fromStdString(caminho));
}

// Lets events run for ms milliseconds (the window manager places and
// stacks windows in its own time).
inline void EsperaEventos(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The screen's rectangle onde (the whole screen when empty) as it stands,
// other windows, tooltips and frames included, saved as PastaCapturas() + nome.
inline bool GravaTela(const std::string& nome, QRect onde = QRect()) {
    EsperaEventos(300);
    QScreen* tela = QApplication::primaryScreen();
    if (onde.isEmpty()) onde = tela->geometry();
    const QPixmap px = tela->grabWindow(0, onde.x(), onde.y(), onde.width(), onde.height());
    const std::string caminho = PastaCapturas() + nome;
    std::printf("%s %dx%d\n", caminho.c_str(), px.width(), px.height());
    return !px.isNull() && px.save(QString::fromStdString(caminho));
}
