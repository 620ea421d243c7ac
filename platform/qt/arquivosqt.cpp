// The desktop's file dialogs on Qt.
#include "platform/qt/arquivosqt.h"

#include <QFileDialog>

#include "platform/arquivos.h"
#include "platform/qt/textoqt.h"

namespace {

bool Escolhe(QFileDialog& d, std::string& nome) {
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return false;
    nome = CaminhoDoSistema(d.selectedFiles().first().toStdString());
    return true;
}

} // namespace

bool EscolheArquivoParaAbrir(QWidget* dono, const std::string& dir, const std::string& filtro,
                             const std::string& extensao, std::string& nome) {
    QFileDialog d(dono, QString(), ParaQString(dir), ParaQString(filtro));
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setDefaultSuffix(ParaQString(extensao));
    return Escolhe(d, nome);
}

bool EscolheArquivoParaSalvar(QWidget* dono, const std::string& dir, const std::string& filtro,
                              const std::string& extensao, const std::string& proposto,
                              std::string& nome) {
    QFileDialog d(dono, QString(), ParaQString(dir), ParaQString(filtro));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(ParaQString(extensao));
    d.setOption(QFileDialog::DontConfirmOverwrite); // the caller asks itself
    if (!proposto.empty()) d.selectFile(ParaQString(proposto));
    return Escolhe(d, nome);
}
