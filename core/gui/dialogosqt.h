// The dialog service with the program's own windows. Calls from any thread
// other than the GUI thread are posted to the GUI thread and block the caller
// until the user answers.
#pragma once

#include "platform/dialogos.h"

class DialogosQt : public Dialogos {
public:
    int MensagemOK(const std::string& texto) override;
    int Caixa(const std::string& texto, const std::string& titulo, Icone icone, Botoes botoes,
              bool semDono = false) override;
    bool EditaLinha(const std::string& titulo, const std::string& prompt, std::string& s) override;
    void MostraEspere(const std::string& texto) override;
    void EscondeEspere() override;
    void MensagemRapida(const std::string& texto) override;
};

// Installs the Qt service as the program's dialog service. Call once, after
// the QApplication exists, from the GUI thread.
void InstalaDialogosQt();
