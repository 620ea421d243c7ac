// INI profile functions with the rules of the Windows profile API: section
// and key names ignore letter case; a value is the text after "=" exactly as
// it stands; the default is returned only when the key is absent; a write
// replaces only its own key and keeps every other line, comment and line end;
// the file is replaced atomically, and every read-modify-write holds the
// file's lock, so programs that write the same file at once lose nothing.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

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

// Writes several keys of one section in one replacement of the file, in the
// order given (keys new to the section are appended in that order): either
// every key is written or, when the file cannot be written, none is and the
// old file stays whole. False then.
bool GravaPerfis(const std::string& secao, const std::vector<std::pair<std::string, std::string>>& chaves,
                 const std::string& arquivo = CaminhoIni());

// Deletes a key (WritePrivateProfileString with no value); every other line
// stays. True when the key is gone (also when it never existed).
bool ApagaPerfil(const std::string& secao, const std::string& chave,
                 const std::string& arquivo = CaminhoIni());

// The advisory lock of an INI file (flock on "<file>.lock" beside it; a
// link shares the lock of the file it points at). The writers above take it
// for each read-modify-write; a program that copies or replaces the whole
// file (profiles) takes it too. Readers need none: a write replaces the file
// in one rename, so a reader sees the old file or the new one, whole.
class TravaIni {
public:
    // Waits until the lock is held (or cannot be had: Obtida() is false,
    // when the lock file cannot be made).
    explicit TravaIni(const std::string& arquivo);
    ~TravaIni();
    TravaIni(const TravaIni&) = delete;
    TravaIni& operator=(const TravaIni&) = delete;
    bool Obtida() const { return fd_ >= 0; }
    void Libera();

private:
    int fd_ = -1;
};
