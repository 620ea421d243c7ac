// Document files of the main window, without Qt.
#include "editor/documentos.h"

#include "core/dmvars_ini.h"

#include "platform/arquivos.h"
#include "platform/texto.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Code page 850, bytes 128..255, as Windows-1252 bytes; 0 where Windows-1252
// has no such character (the box-drawing set).
constexpr std::array<unsigned char, 128> kDOSParaWindows = {
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7, 0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC5,
    0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9, 0xFF, 0xD6, 0xDC, 0xF8, 0xA3, 0xD8, 0xD7, 0x83,
    0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1, 0xAA, 0xBA, 0xBF, 0xAE, 0xAC, 0xBD, 0xBC, 0xA1, 0xAB, 0xBB,
    0,    0,    0,    0,    0,    0xC1, 0xC2, 0xC0, 0xA9, 0,    0,    0,    0,    0xA2, 0xA5, 0,
    0,    0,    0,    0,    0,    0,    0xE3, 0xC3, 0,    0,    0,    0,    0,    0,    0,    0xA4,
    0xF0, 0xD0, 0xCA, 0xCB, 0xC8, 0,    0xCD, 0xCE, 0xCF, 0,    0,    0,    0,    0xA6, 0xCC, 0,
    0xD3, 0xDF, 0xD4, 0xD2, 0xF5, 0xD5, 0xB5, 0xFE, 0xDE, 0xDA, 0xDB, 0xD9, 0xFD, 0xDD, 0xAF, 0xB4,
    0xAD, 0xB1, 0,    0xBE, 0xB6, 0xA7, 0xF7, 0xB8, 0xB0, 0xA8, 0xB7, 0xB9, 0xB3, 0xB2, 0,    0xA0,
};

struct Tabelas {
    std::array<unsigned char, 256> paraDOS{};
    std::array<unsigned char, 256> paraWindows{};
    Tabelas() {
        for (int c = 0; c < 128; ++c) {
            paraDOS[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
            paraWindows[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
        }
        for (int c = 128; c < 256; ++c) {
            paraDOS[static_cast<std::size_t>(c)] = '?';
            paraWindows[static_cast<std::size_t>(c)] = '?';
        }
        for (int i = 0; i < 128; ++i) {
            const unsigned char w = kDOSParaWindows[static_cast<std::size_t>(i)];
            if (w == 0) continue;
            paraWindows[static_cast<std::size_t>(128 + i)] = w;
            paraDOS[w] = static_cast<unsigned char>(128 + i);
        }
    }
};

const Tabelas& tabelas() {
    static const Tabelas t;
    return t;
}

std::string Converte(std::string_view s, const std::array<unsigned char, 256>& t) {
    std::string r(s.size(), '\0');
    for (std::size_t i = 0; i < s.size(); ++i)
        r[i] = static_cast<char>(t[static_cast<unsigned char>(s[i])]);
    return r;
}

} // namespace

// ---- Code pages ------------------------------------------------------------

unsigned char WindowsParaDOS(unsigned char c) { return tabelas().paraDOS[c]; }
unsigned char DOSParaWindows(unsigned char c) { return tabelas().paraWindows[c]; }

std::string ConverteParaDOS(std::string_view s) { return Converte(s, tabelas().paraDOS); }
std::string ConverteParaWindows(std::string_view s) { return Converte(s, tabelas().paraWindows); }

// ---- Text and lines --------------------------------------------------------

std::vector<std::string> TextoEmLinhas(std::string_view texto) {
    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    std::size_t i = 0;
    while (i < texto.size()) {
        const char c = texto[i];
        if (c == '\r' || c == '\n') {
            linhas.emplace_back(texto.substr(inicio, i - inicio));
            if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
            ++i;
            inicio = i;
        } else {
            ++i;
        }
    }
    if (inicio < texto.size()) linhas.emplace_back(texto.substr(inicio));
    return linhas;
}

LeituraDocumento LeDocumento(const std::string& nome, std::vector<std::string>& linhas) {
    linhas.clear();
    // No text within the limit takes more than two bytes a character (a
    // CR LF is one).
    std::string conteudo;
    switch (LeArquivoAte(nome, conteudo, 2 * static_cast<std::size_t>(LimiteTextoDocumento))) {
    case LeituraArquivo::Lido: break;
    case LeituraArquivo::GrandeDemais: return LeituraDocumento::GrandeDemais;
    case LeituraArquivo::NaoLido: return LeituraDocumento::NaoLido;
    }
    std::vector<std::string> l = TextoEmLinhas(conteudo);
    long long caracteres = 0;
    for (const std::string& s : l) caracteres += static_cast<long long>(s.size()) + 1;
    if (caracteres > LimiteTextoDocumento) return LeituraDocumento::GrandeDemais;
    linhas = std::move(l);
    return LeituraDocumento::Lido;
}

std::string MensagemDocumentoGrande(const std::string& nome) {
    return "Arquivo grande demais para o editor (mais de "_cp + std::to_string(LimiteTextoDocumento) +
           " caracteres): "_cp + nome;
}

std::string LinhasEmTexto(const std::vector<std::string>& linhas) {
    std::size_t total = 0;
    for (const auto& l : linhas) total += l.size() + 2;
    std::string r;
    r.reserve(total);
    for (const auto& l : linhas) {
        r += l;
        r += "\r\n";
    }
    return r;
}

// ---- Names ----------------------------------------------------------------

std::string NomeBackup(const std::string& nome) {
    const std::size_t barra = nome.find_last_of('/');
    const std::size_t ponto = nome.find_last_of('.');
    if (ponto == std::string::npos || (barra != std::string::npos && ponto < barra))
        return nome + ".bak";
    return nome.substr(0, ponto) + ".bak";
}

std::string CaminhoAbsoluto(const std::string& nome) {
    if (nome.empty() || nome.front() == '/') return nome;
    return DiretorioAtual() + nome;
}

// ---- Saving ----------------------------------------------------------------

namespace {

bool EscreveTudo(int fd, const std::string& conteudo) {
    std::size_t feito = 0;
    while (feito < conteudo.size()) {
        const ssize_t n = ::write(fd, conteudo.data() + feito, conteudo.size() - feito);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return false;
        feito += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes conteudo to a new file beside nativo; returns its native path, or ""
// on failure (nothing is left behind then).
std::string GravaTemporarioAoLado(const std::string& nativo, const std::string& conteudo) {
    std::string modelo = nativo + ".XXXXXX";
    std::vector<char> buf(modelo.begin(), modelo.end());
    buf.push_back('\0');
    const int fd = ::mkstemp(buf.data());
    if (fd < 0) return {};
    const std::string tmp(buf.data());
    bool ok = EscreveTudo(fd, conteudo) && ::fsync(fd) == 0;
    // A document gets the usual permissions of a new file, or those of the
    // file it replaces.
    struct stat st {};
    if (::stat(nativo.c_str(), &st) == 0) {
        ok = ::fchmod(fd, st.st_mode & 07777) == 0 && ok;
    } else {
        const mode_t mascara = ::umask(0);
        ::umask(mascara);
        ok = ::fchmod(fd, 0666 & ~mascara) == 0 && ok;
    }
    if (::close(fd) != 0) ok = false;
    if (!ok) {
        ::unlink(tmp.c_str());
        return {};
    }
    return tmp;
}

bool Existe(const std::string& nativo) {
    struct stat st {};
    return ::lstat(nativo.c_str(), &st) == 0;
}

// The file a native path names after following every link (a relative link
// is taken from the link's own folder); the path itself when it is no link.
// "" for a loop of links.
std::string SegueLinks(std::string caminho) {
    for (int passo = 0; passo < 40; ++passo) {
        struct stat st {};
        if (::lstat(caminho.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return caminho;
        std::string destino(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
        const ssize_t n = ::readlink(caminho.c_str(), destino.data(), destino.size());
        if (n < 0 || static_cast<std::size_t>(n) >= destino.size()) return {};
        destino.resize(static_cast<std::size_t>(n));
        if (destino.empty()) return {};
        if (destino.front() != '/') {
            const std::size_t barra = caminho.rfind('/');
            destino = (barra == std::string::npos ? std::string() : caminho.substr(0, barra + 1)) + destino;
        }
        caminho = std::move(destino);
    }
    return {};
}

// A file no one may write (the read-only attribute), or this user may not.
bool SomenteLeitura(const std::string& nativo, const struct stat& st) {
    return (st.st_mode & 0222) == 0 || ::access(nativo.c_str(), W_OK) != 0;
}

} // namespace

ResultadoGravacao GravaComBackup(const std::string& nome, const std::string& conteudo) {
    return GravaComBackup(nome, conteudo, NomeBackup);
}

ResultadoGravacao GravaComBackup(const std::string& nome, const std::string& conteudo,
                                 std::string (*nomeBackup)(const std::string&),
                                 std::string* backupUsado) {
    const std::string alvo = SegueLinks(CaminhoNativo(nome));
    if (alvo.empty()) return ResultadoGravacao::FalhaEscrita;
    const std::string bak = nomeBackup(alvo);
    if (backupUsado) *backupUsado = CaminhoDoSistema(bak);

    // Only a document is replaced: a folder of that name stays as it is.
    struct stat st {};
    if (::stat(alvo.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return ResultadoGravacao::FalhaEscrita;
        if (SomenteLeitura(alvo, st)) return ResultadoGravacao::SomenteLeitura;
    }

    const std::string tmp = GravaTemporarioAoLado(alvo, conteudo);
    if (tmp.empty()) return ResultadoGravacao::FalhaEscrita;

    // Saving a file that is itself named ".bak": there is no other name to
    // keep the previous version under, so the new text simply replaces it.
    if (bak != alvo) {
        if (::unlink(bak.c_str()) != 0 && errno != ENOENT) {
            // The old copy could not be removed; the rename below reports it.
        }
        if (Existe(alvo) && ::rename(alvo.c_str(), bak.c_str()) != 0) {
            ::unlink(tmp.c_str());
            return ResultadoGravacao::FalhaBackup;
        }
    }
    if (::rename(tmp.c_str(), alvo.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return ResultadoGravacao::FalhaEscrita;
    }
    return ResultadoGravacao::Gravado;
}

// ---- Recent files -----------------------------------------------------------

int ListaRecentes::Indice(const std::string& nome) const {
    for (std::size_t i = 0; i < itens_.size(); ++i)
        if (IgualSemCaixa(itens_[i], nome)) return static_cast<int>(i);
    return -1;
}

void ListaRecentes::LeIni(const std::string& arquivoIni) {
    itens_.clear();
    const IniLido lido(arquivoIni);
    for (const ChaveConfig& chave : ChavesDoGrupo(GrupoConfig::Recentes)) {
        std::string v = LeTextoChave(chave, lido);
        if (v.empty() || Indice(v) >= 0) continue;
        itens_.push_back(std::move(v));
    }
}

bool ListaRecentes::GravaIni(const std::string& arquivoIni) const {
    bool ok = true;
    int n = 0;
    for (const auto& item : itens_) {
        if (item.empty()) continue;
        ++n;
        ok = GravaRecenteNoIni(n, item, arquivoIni) && ok;
    }
    while (n < MaxItens) {
        ++n;
        ok = GravaRecenteNoIni(n, "", arquivoIni) && ok;
    }
    return ok;
}

bool GravaRecenteNoIni(int numero, const std::string& valor, const std::string& arquivoIni) {
    const auto chaves = ChavesDoGrupo(GrupoConfig::Recentes);
    if (numero < 1 || static_cast<std::size_t>(numero) > chaves.size()) return false;
    const ChaveConfig& chave = chaves[static_cast<std::size_t>(numero - 1)];
    if (valor.empty()) return ApagaChave(chave, arquivoIni);
    return GravaTextoChave(chave, valor, arquivoIni);
}

bool ListaRecentes::PoeNaFrente(const std::string& nome) {
    const int k = Indice(nome);
    if (k == 0) return false;
    if (k > 0) {
        std::string s = std::move(itens_[static_cast<std::size_t>(k)]);
        itens_.erase(itens_.begin() + k);
        itens_.insert(itens_.begin(), std::move(s));
        return true;
    }
    while (Tamanho() >= MaxItens) itens_.pop_back();
    itens_.insert(itens_.begin(), nome);
    return true;
}

bool ListaRecentes::Remove(int indice) {
    if (indice < 0 || indice >= Tamanho()) return false;
    itens_.erase(itens_.begin() + indice);
    return true;
}

void ListaRecentes::Troca(int indice, const std::string& nome) {
    if (indice >= 0 && indice < Tamanho()) itens_[static_cast<std::size_t>(indice)] = nome;
}
