// dmperfil: configuration profiles. A profile is a copy of the whole
// settings file "DOTMARA.INI", every section included, under a name the user
// chooses; loading one puts it in place of the settings file and reads the
// settings again.
#pragma once

#include <functional>
#include <string>

#include "platform/ini.h"

// Writes a copy of the settings file under destino. On failure says "Erro ao
// salvar a configuração." and returns false (also when there is no settings
// file yet: there is nothing to copy).
bool SalvaConfiguracao(const std::string& destino, const std::string& ini = CaminhoIni());

// Replaces the settings file by the profile origem, in one step (a failed
// write leaves the old file whole), then reads the settings again (rele;
// LeConfiguracoesDoPerfil when empty). A file that is not a profile of this
// program (no section of it, or binary) is refused. On any failure says
// "Erro ao carregar a configuração.", leaves the settings file and the
// settings as they were and returns false. grava writes the file (tests
// make it fail).
bool CarregaConfiguracao(const std::string& origem, const std::string& ini = CaminhoIni(),
                         const std::function<bool(const std::string& caminho, const std::string& conteudo)>&
                             grava = {},
                         const std::function<void()>& rele = {});

// The settings a profile sets while the program runs, read as the start-up
// reads them: the program settings, the embosser section with its dot
// geometry, the files and programs resolved as the folders window resolves
// them, with the output code table, the margin and the dictionary files. The
// main window's record of the session (its folder, the recent files) stays
// the running program's: it writes those keys itself.
void LeConfiguracoesDoPerfil(const std::string& ini = CaminhoIni());

// Whether a text reads as a settings file of this program: no NUL byte and
// at least one of its sections ("DOTMARA", "IMPBRAILLE", "DICIONARIO").
bool PareceConfiguracao(const std::string& conteudo);
