// What the screenshot tests (run by tools/capturas.sh, not by ctest) share:
// the folder the PNG files go to ($DOTMARA_CAPTURAS, else /tmp) and a widget
// saved there.
#pragma once

#include <QApplication>
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
