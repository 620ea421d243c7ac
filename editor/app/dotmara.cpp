// dotmara: the braille transcription workstation.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("Dotmara");
    QMainWindow w;
    w.setWindowTitle("Dotmara");
    w.resize(800, 600);
    w.show();
    return app.exec();
}
