// The main window's dialogs, for tests that must never wait on the user:
// every file, font, profile and printer dialog answers Cancel, and every
// modal window goes to `modal` (by default closed at once, Rejected).
#pragma once

#include <QDialog>
#include <QFont>
#include <QPrinter>

#include <functional>
#include <string>

#include "editor/gui/dmmain.h"

inline void RespondeCancelar(TformPrincipal& j, std::function<int(QDialog&)> modal = [](QDialog&) {
    return int(QDialog::Rejected);
}) {
    const auto nao = [](const std::string&, std::string&) { return false; };
    j.dialogoAbrir = nao;
    j.dialogoSalvar = [](const std::string&, const std::string&, std::string&) { return false; };
    j.dialogoAbrirGrafico = nao;
    j.dialogoSalvarConfig = nao;
    j.dialogoAbrirConfig = nao;
    j.dialogoFonte = [](QFont&) { return false; };
    j.dialogoImpressoraTexto = [](QPrinter&) { return false; };
    j.consultaServidorTexto = [] { return FilasImpressao{true, 1}; };
    j.executaModal = modal;
    j.executaModalGrafico = modal;
}
