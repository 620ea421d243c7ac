// Screenshots of windows for tools/capturas.sh: each window is grabbed as
// it is drawn and saved as PNG in the folder named by DOTMARA_CAPTURAS
// (else /tmp). Header-only: only the windows' tests use it.
#pragma once

#include <QApplication>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

inline std::string PastaCapturas() {
    const char* p = std::getenv("DOTMARA_CAPTURAS");
    std::string d = p && *p ? p : "/tmp";
    if (d.back() != '/') d += '/';
    return d;
}

// Lets pending drawing happen, then saves the window; false when nothing
// could be grabbed or saved.
inline bool GravaCaptura(QWidget* w, const std::string& nome) {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const QPixmap px = w->grab();
    const std::string caminho = PastaCapturas() + nome;
    std::printf("%s %dx%d\n", caminho.c_str(), px.width(), px.height());
    return !px.isNull() && px.save(QString::fromStdString(caminho));
}
