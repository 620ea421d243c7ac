// The platform services over Qt: the system clipboard, QProcess for other
// programs, the desktop's file associations and the application's beep. The
// single-instance lock is the Qt-free one of platform/servicos.h. Used by
// both programs (library dm_platform_qt).
#pragma once

#include "platform/servicos.h"

class ServicosQt : public ServicosPlataforma {
public:
    std::string LeAreaTransferencia() override;
    bool GravaAreaTransferencia(const std::string& texto) override;
    bool IniciaPrograma(const std::string& programa, const std::vector<std::string>& argumentos,
                        const std::string& pasta) override;
    bool AbreComProgramaDoSistema(const std::string& arquivo) override;
    bool TravaInstancia(const std::string& nome) override;
    bool InstanciaAtiva(const std::string& nome) override;
    void Bipe() override;
};

// Installs the Qt services as the program's services. Call once, after the
// QApplication exists, from the GUI thread.
void InstalaServicosQt();
