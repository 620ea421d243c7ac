// INI profile functions with the rules of the Windows profile API: section
// and key names ignore letter case; a value is the text after "=" exactly as
// it stands; the default is returned only when the key is absent; a write
// replaces only its own key and keeps every other line, comment and line end;
// the file is replaced atomically.
#pragma once

#include <cstddef>
#include <string>

// Path of "DOTMARA.INI": $DOTMARA_INI if set, else
// ${XDG_CONFIG_HOME:-~/.config}/dotmara/DOTMARA.INI. Both programs use it.
std::string CaminhoIni();

// Reads a key. tamanho > 0 keeps the Windows buffer rule (at most tamanho-1
// characters); 0 means no limit.
std::string LePerfil(const std::string& secao, const std::string& chave,
                     const std::string& padrao, std::size_t tamanho = 0,
                     const std::string& arquivo = CaminhoIni());

// Writes a key (creating the section, the file and its folder as needed).
// False when the file could not be written; the old file is then left whole.
bool GravaPerfil(const std::string& secao, const std::string& chave,
                 const std::string& valor, const std::string& arquivo = CaminhoIni());

// Deletes a key (WritePrivateProfileString with no value); every other line
// stays. True when the key is gone (also when it never existed).
bool ApagaPerfil(const std::string& secao, const std::string& chave,
                 const std::string& arquivo = CaminhoIni());
