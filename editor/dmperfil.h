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
// LeConfiguracoesDoPerfil when empty). The settings file replaced is kept
// first as ArquivoAnteriorAoPerfil beside it, and the user is told where
// ("A configuração anterior foi guardada em ..."). A file that is no profile
// of this program (no known key in a section "DOTMARA": a profile cut short,
// another program's file; or binary) is refused. On any failure says "Erro
// ao carregar a configuração.", leaves the settings file and the settings as
// they were and returns false.
bool CarregaConfiguracao(const std::string& origem, const std::string& ini = CaminhoIni(),
                         const std::function<void()>& rele = {});
// "DOTMARA.INI.bak" beside "DOTMARA.INI": the settings the last profile
// loaded replaced.
std::string ArquivoAnteriorAoPerfil(const std::string& ini = CaminhoIni());

// The settings a loaded profile sets while the program runs: the program
// settings and the embosser section with its dot geometry; then the output
// code table of the code now in force is loaded again. The other keys of the
// file (files and programs, the editor's margin, the macro and dictionary
// files, the main window's own keys) are in the settings file from now on
// and are read at the next start: the windows that hold them keep showing
// and using what is in force.
void LeConfiguracoesDoPerfil(const std::string& ini = CaminhoIni());

// Whether a text reads as a settings file of this program: no NUL byte, and
// a section "DOTMARA" (its first, as the settings are read) that holds at
// least one key of the program's own.
bool PareceConfiguracao(const std::string& conteudo);
