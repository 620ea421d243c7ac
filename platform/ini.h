// INI profile functions with the rules of the Windows profile API: section
// and key names ignore letter case; a value is the text after "=" exactly as
// it stands; the default is returned only when the key is absent; a write
// replaces only its own key and keeps every other line, comment and line end;
// the file is replaced atomically, and every read-modify-write holds the
// file's lock, so programs that write the same file at once lose nothing.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A file that begins with the UTF-8 byte order mark (a text editor may add
// one) is read behind the mark, its names and values taken as UTF-8 (the
// program's text as it reads it); a write keeps the mark and writes UTF-8.

// Path of "DOTMARA.INI": $DOTMARA_INI if set, else
// ${XDG_CONFIG_HOME:-~/.config}/dotmara/DOTMARA.INI. Both programs use it.
std::string CaminhoIni();

// Reads a key. tamanho > 0 keeps the Windows buffer rule (at most tamanho-1
// characters); 0 means no limit.
std::string LePerfil(const std::string& secao, const std::string& chave,
                     const std::string& padrao, std::size_t tamanho = 0,
                     const std::string& arquivo = CaminhoIni());

// A settings file read once: what LePerfil gives for any key, without the
// file read and split again for each one. A reader of many keys takes one.
class IniLido {
public:
    // No file: every key absent.
    IniLido() = default;
    // The file as it is now (missing or unreadable: no key); within an
    // EscopoIniLido of the same file, the one reading of that scope.
    explicit IniLido(const std::string& arquivo);
    // The bytes of a file given (a profile about to be loaded, say).
    static IniLido DoTexto(std::string conteudo);

    // LePerfil's reading of one key.
    std::string Le(const std::string& secao, const std::string& chave, const std::string& padrao,
                   std::size_t tamanho = 0) const;
    bool TemChave(std::string_view secao, std::string_view chave) const;

    struct Dados;

private:
    std::shared_ptr<const Dados> dados_;
};

// For its life, every IniLido (and LePerfil) of this file takes one reading
// of it, made at the first of them: a load of many keys from many places (the
// start-up, where each window reads its own) reads the file once. A write of
// the file through this program drops that reading, so a key written reads
// back; what other programs write meanwhile is seen at the next load.
class EscopoIniLido {
public:
    explicit EscopoIniLido(const std::string& arquivo = CaminhoIni());
    ~EscopoIniLido();
    EscopoIniLido(const EscopoIniLido&) = delete;
    EscopoIniLido& operator=(const EscopoIniLido&) = delete;

private:
    bool ativo_ = false;
};

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
