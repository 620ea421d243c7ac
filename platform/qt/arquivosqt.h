// The desktop's file dialogs (GetOpenFileName, GetSaveFileName) on Qt.
// Folders, filters and the chosen name are program text (Windows-1252); the
// filter is in Qt's form, "Gráfico Tátil (*.GRB *.grb);;Todos os arquivos (*)".
// Call from the GUI thread.
#pragma once

#include <string>

class QWidget;

// A file that must exist, starting in the folder dir. True, with nome set,
// when one was chosen.
bool EscolheArquivoParaAbrir(QWidget* dono, const std::string& dir, const std::string& filtro,
                             const std::string& extensao, std::string& nome);
// A name to save under (existing or not: the caller asks before replacing a
// file), starting in dir with the name proposto offered; extensao is added
// to a name typed without one.
bool EscolheArquivoParaSalvar(QWidget* dono, const std::string& dir, const std::string& filtro,
                              const std::string& extensao, const std::string& proposto,
                              std::string& nome);
