// The platform services over Qt.
#include "platform/qt/servicosqt.h"

#include "platform/arquivos.h"
#include "platform/qt/textoqt.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace {

// A path or an argument as the system takes it (UTF-8 file names).
QString Nativo(const std::string& s) { return QString::fromStdString(CaminhoNativo(s)); }

std::string AteOZero(const std::string& s) { return s.substr(0, s.find('\0')); }

} // namespace

// The desktop's clipboard ends lines with LF; inside the program they are
// CR LF.
std::string ServicosQt::LeAreaTransferencia() {
    if (!QGuiApplication::instance()) return {};
    QString q = QGuiApplication::clipboard()->text();
    q.replace("\r\n", "\n");
    q.replace('\r', '\n');
    q.replace("\n", "\r\n");
    return AteOZero(DeQString(q));
}

bool ServicosQt::GravaAreaTransferencia(const std::string& texto) {
    if (!QGuiApplication::instance()) return false;
    QString q = ParaQString(AteOZero(texto));
    q.replace("\r\n", "\n");
    q.replace('\r', '\n');
    QGuiApplication::clipboard()->setText(q);
    return true;
}

bool ServicosQt::IniciaPrograma(const std::string& programa,
                                const std::vector<std::string>& argumentos,
                                const std::string& pasta) {
    if (programa.empty()) return false;
    QStringList args;
    for (const auto& a : argumentos) args << Nativo(a);
    return QProcess::startDetached(Nativo(programa), args, pasta.empty() ? QString() : Nativo(pasta));
}

bool ServicosQt::AbreComProgramaDoSistema(const std::string& arquivo) {
    if (arquivo.empty()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(Nativo(arquivo)).absoluteFilePath()));
}

bool ServicosQt::TravaInstancia(const std::string& nome) { return TentaTravaInstancia(nome, true); }

bool ServicosQt::InstanciaAtiva(const std::string& nome) { return !TentaTravaInstancia(nome, false); }

void ServicosQt::Bipe() { QApplication::beep(); }

void InstalaServicosQt() {
    static ServicosQt servicosQt;
    DefineServicos(&servicosQt);
}
