// Document files of the main window, without Qt.
#include "editor/documentos.h"

#include "core/dmvars_ini.h"

#include "platform/arquivos.h"
#include "platform/chamadas.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
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

LeituraDocumento LeDocumento(const std::string& nome, std::vector<std::string>& linhas, bool* quebraFinal) {
    linhas.clear();
    // No text within the limit takes more than two bytes a character (a
    // CR LF is one).
    std::string conteudo;
    switch (LeArquivoAte(nome, conteudo, 2 * static_cast<std::size_t>(LimiteTextoDocumento))) {
    case LeituraArquivo::Lido: break;
    case LeituraArquivo::GrandeDemais: return LeituraDocumento::GrandeDemais;
    case LeituraArquivo::NaoLido: {
        struct stat st {};
        const bool outro = ::stat(CaminhoNativo(nome).c_str(), &st) == 0 && !S_ISREG(st.st_mode);
        return outro ? LeituraDocumento::NaoRegular : LeituraDocumento::NaoLido;
    }
    }
    const bool quebra = !conteudo.empty() && (conteudo.back() == '\n' || conteudo.back() == '\r');
    std::vector<std::string> l = TextoEmLinhas(conteudo);
    // Every line but a last one without a line end has one.
    long long caracteres = quebra || l.empty() ? 0 : -1;
    for (const std::string& s : l) caracteres += static_cast<long long>(s.size()) + 1;
    if (caracteres > LimiteTextoDocumento) return LeituraDocumento::GrandeDemais;
    linhas = std::move(l);
    if (quebraFinal) *quebraFinal = quebra;
    return LeituraDocumento::Lido;
}

std::string MensagemLeituraDocumento(LeituraDocumento r, const std::string& nome) {
    switch (r) {
    case LeituraDocumento::Lido: break;
    case LeituraDocumento::GrandeDemais:
        return "Arquivo grande demais para o editor (mais de "_cp + std::to_string(LimiteTextoDocumento) +
               " caracteres):\r\n"_cp + nome;
    case LeituraDocumento::NaoRegular: {
        struct stat st {};
        const char* tipo = "um dispositivo";
        if (::stat(CaminhoNativo(nome).c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode)) tipo = "uma pasta";
            else if (S_ISFIFO(st.st_mode)) tipo = "um canal (FIFO)";
            else if (S_ISSOCK(st.st_mode)) tipo = "um soquete";
        }
        return "Não é um arquivo comum, é "_cp + tipo + ":\r\n" + nome;
    }
    case LeituraDocumento::NaoLido: break;
    }
    return "Arquivo não encontrado: "_cp + nome;
}

std::string LinhasEmTexto(const std::vector<std::string>& linhas, bool quebraFinal) {
    std::size_t total = 0;
    for (const auto& l : linhas) total += l.size() + 2;
    std::string r;
    r.reserve(total);
    for (const auto& l : linhas) {
        r += l;
        r += "\r\n";
    }
    if (!quebraFinal && !r.empty()) r.resize(r.size() - 2);
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


// What names the files of a save beside its target: "<target>.<kind>-<six
// letters or digits>".
constexpr const char* kGravando = "gravando";
constexpr const char* kSalvo = "salvo";
constexpr const char* kAnterior = "anterior";
constexpr std::size_t kTamanhoSufixo = 6;

std::string NomeSobra(const std::string& alvo, const char* tipo, const std::string& sufixo) {
    return alvo + "." + tipo + "-" + sufixo;
}

std::string NovoSufixo() {
    static constexpr char kLetras[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 gerador{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> d(0, sizeof kLetras - 2);
    std::string r(kTamanhoSufixo, ' ');
    for (char& c : r) c = kLetras[d(gerador)];
    return r;
}

// A descriptor closed when its scope ends, also while an interrupted save
// unwinds (as the kernel closes a killed process's); Fecha closes it
// through the counted call.
struct Descritor {
    int fd = -1;
    Descritor() = default;
    explicit Descritor(int f) : fd(f) {}
    Descritor(const Descritor&) = delete;
    Descritor& operator=(const Descritor&) = delete;
    ~Descritor() {
        if (fd >= 0) ::close(fd);
    }
    int Fecha() {
        const int f = fd;
        fd = -1;
        return f >= 0 ? chamadas::Fecha(f) : 0;
    }
};

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

// The folder of a native path ("." for a bare name).
std::string PastaDe(const std::string& nativo) {
    const std::size_t barra = nativo.rfind('/');
    if (barra == std::string::npos) return ".";
    return barra == 0 ? "/" : nativo.substr(0, barra);
}

// A file no one may write (the read-only attribute), or this user may not.
bool SomenteLeitura(const std::string& nativo, const struct stat& st) {
    return (st.st_mode & 0222) == 0 || ::access(nativo.c_str(), W_OK) != 0;
}

// A second name of the old text: a hard link, or, where the file system has
// none, a synced copy with the same mode, written under a name of its own
// and named only once whole. Nothing is left when it fails.
bool SegundoNome(const std::string& alvo, const std::string& nome, mode_t modo) {
    if (chamadas::Liga(alvo.c_str(), nome.c_str()) == 0) return true;
    if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK && errno != ENOSYS) return false;
    Descritor de(chamadas::Abre(alvo.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (de.fd < 0) return false;
    std::string copia;
    Descritor para;
    for (int tentativa = 0; tentativa < 100 && para.fd < 0; ++tentativa) {
        copia = NomeSobra(alvo, kGravando, NovoSufixo());
        para.fd = chamadas::Abre(copia.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (para.fd < 0 && errno != EEXIST) return false;
    }
    if (para.fd < 0) return false;
    bool ok = true;
    std::vector<char> buf(std::size_t{1} << 16);
    for (;;) {
        const ssize_t n = chamadas::Le(de.fd, buf.data(), buf.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        if (!chamadas::EscreveTudo(para.fd, buf.data(), static_cast<std::size_t>(n))) {
            ok = false;
            break;
        }
    }
    ok = ok && chamadas::MudaModo(para.fd, modo) == 0 && chamadas::Sincroniza(para.fd) == 0;
    ok = para.Fecha() == 0 && ok;
    de.Fecha();
    ok = ok && chamadas::Renomeia(copia.c_str(), nome.c_str()) == 0;
    if (!ok) chamadas::Apaga(copia.c_str());
    return ok;
}

void SincronizaPasta(const std::string& alvo) {
    // The names are in place; a folder its file system will not sync
    // changes nothing the user could act on.
    Descritor pasta(chamadas::Abre(PastaDe(alvo).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (pasta.fd < 0) return;
    chamadas::Sincroniza(pasta.fd);
    pasta.Fecha();
}

// The whole new text in `novo` takes the target's name; the old text,
// when there is one to keep, the ".bak" first. `novo` stays where it is when
// this fails.
ResultadoGravacao PoeNoLugar(const std::string& novo, const std::string& alvo, const std::string& bak) {
    struct stat st {}, sb {};
    const bool existe = ::stat(alvo.c_str(), &st) == 0;
    // A ".bak" that is already a second name of the old text holds it.
    const bool bakGuarda = ::lstat(bak.c_str(), &sb) == 0 && sb.st_dev == st.st_dev && sb.st_ino == st.st_ino;
    if (existe && bak != alvo && !bakGuarda) {
        std::string anterior;
        do anterior = NomeSobra(alvo, kAnterior, NovoSufixo());
        while (Existe(anterior));
        if (!SegundoNome(alvo, anterior, st.st_mode & 07777)) return ResultadoGravacao::FalhaBackup;
        if (chamadas::Renomeia(anterior.c_str(), bak.c_str()) != 0) {
            chamadas::Apaga(anterior.c_str());
            return ResultadoGravacao::FalhaBackup;
        }
    }
    if (chamadas::Renomeia(novo.c_str(), alvo.c_str()) != 0) return ResultadoGravacao::FalhaEscrita;
    return ResultadoGravacao::Gravado;
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
    const bool existe = ::stat(alvo.c_str(), &st) == 0;
    if (existe) {
        if (!S_ISREG(st.st_mode)) return ResultadoGravacao::FalhaEscrita;
        if (SomenteLeitura(alvo, st)) return ResultadoGravacao::SomenteLeitura;
    }

    // The new text under a name of its own: a new document gets the usual
    // permissions of a new file (the umask applies), a replaced one the mode
    // of the file it replaces.
    std::string sufixo;
    Descritor novo;
    for (int tentativa = 0; tentativa < 100 && novo.fd < 0; ++tentativa) {
        sufixo = NovoSufixo();
        if (Existe(NomeSobra(alvo, kSalvo, sufixo))) continue;
        novo.fd = chamadas::Abre(NomeSobra(alvo, kGravando, sufixo).c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existe ? 0600 : 0666);
        if (novo.fd < 0 && errno != EEXIST) return ResultadoGravacao::FalhaEscrita;
    }
    if (novo.fd < 0) return ResultadoGravacao::FalhaEscrita;
    const std::string gravando = NomeSobra(alvo, kGravando, sufixo);
    const std::string salvo = NomeSobra(alvo, kSalvo, sufixo);
    // Held until the end: an open of the document meanwhile leaves these
    // files alone. A file system without locks saves all the same.
    chamadas::Trava(novo.fd, LOCK_EX | LOCK_NB);
    bool ok = chamadas::EscreveTudo(novo.fd, conteudo.data(), conteudo.size());
    if (ok && existe) ok = chamadas::MudaModo(novo.fd, st.st_mode & 07777) == 0;
    ok = ok && chamadas::Sincroniza(novo.fd) == 0;
    if (!ok || chamadas::Renomeia(gravando.c_str(), salvo.c_str()) != 0) {
        chamadas::Apaga(gravando.c_str());
        return ResultadoGravacao::FalhaEscrita;
    }

    const ResultadoGravacao r = PoeNoLugar(salvo, alvo, bak);
    if (r != ResultadoGravacao::Gravado) {
        chamadas::Apaga(salvo.c_str());
        return r;
    }
    // Synced before it took the name: what closing says no longer counts.
    novo.Fecha();
    SincronizaPasta(alvo);
    return ResultadoGravacao::Gravado;
}

// ---- What a stopped save left ----------------------------------------------

namespace {

struct SobraNativa {
    SobraDeGravacao::Tipo tipo;
    std::string nativo, sufixo;
    struct timespec modificado {};
};

// The kind and suffix of a name of a save's file beside `base`; false for
// any other name.
bool EhSobra(const std::string& nome, const std::string& base, SobraDeGravacao::Tipo& tipo, std::string& sufixo) {
    static constexpr std::pair<const char*, SobraDeGravacao::Tipo> kTipos[] = {
        {kGravando, SobraDeGravacao::Tipo::Parcial},
        {kSalvo, SobraDeGravacao::Tipo::Completa},
        {kAnterior, SobraDeGravacao::Tipo::Anterior},
    };
    for (const auto& [rotulo, t] : kTipos) {
        const std::string prefixo = base + "." + rotulo + "-";
        if (nome.size() != prefixo.size() + kTamanhoSufixo || nome.compare(0, prefixo.size(), prefixo) != 0) continue;
        sufixo = nome.substr(prefixo.size());
        const auto letraOuDigito = [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        };
        if (!std::all_of(sufixo.begin(), sufixo.end(), letraOuDigito)) return false;
        tipo = t;
        return true;
    }
    return false;
}

// Whether a save holds its lock on the file (it is still running).
bool EmUso(const std::string& nativo) {
    Descritor d(::open(nativo.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (d.fd < 0) return false;
    return ::flock(d.fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

std::vector<SobraNativa> SobrasNativas(const std::string& alvo) {
    std::vector<SobraNativa> r;
    if (alvo.empty()) return r;
    const std::string pasta = PastaDe(alvo);
    const std::size_t barra = alvo.rfind('/');
    const std::string base = barra == std::string::npos ? alvo : alvo.substr(barra + 1);
    // Only a document (or the name of one not there) has them.
    struct stat st {};
    if (base.empty() || (::stat(alvo.c_str(), &st) == 0 && !S_ISREG(st.st_mode))) return r;
    DIR* d = ::opendir(pasta.c_str());
    if (!d) return r;
    while (const struct dirent* e = ::readdir(d)) {
        SobraNativa s{};
        if (!EhSobra(e->d_name, base, s.tipo, s.sufixo)) continue;
        s.nativo = (barra == std::string::npos ? std::string() : alvo.substr(0, barra + 1)) + e->d_name;
        struct stat st {};
        if (::lstat(s.nativo.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid()) continue;
        s.modificado = st.st_mtim;
        r.push_back(std::move(s));
    }
    ::closedir(d);
    // A running save holds its new text's file; its other names share the
    // suffix.
    std::vector<std::string> emCurso;
    for (const SobraNativa& s : r)
        if (s.tipo != SobraDeGravacao::Tipo::Anterior && EmUso(s.nativo)) emCurso.push_back(s.sufixo);
    std::erase_if(r, [&](const SobraNativa& s) {
        return std::find(emCurso.begin(), emCurso.end(), s.sufixo) != emCurso.end();
    });
    std::sort(r.begin(), r.end(), [](const SobraNativa& a, const SobraNativa& b) { return a.nativo < b.nativo; });
    return r;
}

// Two names hold the same bytes.
bool MesmoTexto(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    if (sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino) return true;
    if (sa.st_size != sb.st_size) return false;
    std::string ta, tb;
    return LeArquivo(CaminhoDoSistema(a), ta) && LeArquivo(CaminhoDoSistema(b), tb) && ta == tb;
}

bool MaisNova(const SobraNativa& a, const SobraNativa& b) {
    if (a.modificado.tv_sec != b.modificado.tv_sec) return a.modificado.tv_sec > b.modificado.tv_sec;
    if (a.modificado.tv_nsec != b.modificado.tv_nsec) return a.modificado.tv_nsec > b.modificado.tv_nsec;
    return a.nativo > b.nativo;
}

} // namespace

std::vector<SobraDeGravacao> SobrasDeGravacao(const std::string& nome) {
    std::vector<SobraDeGravacao> r;
    for (const SobraNativa& s : SobrasNativas(SegueLinks(CaminhoNativo(nome))))
        r.push_back({s.tipo, CaminhoDoSistema(s.nativo)});
    return r;
}

void TrataSobrasDeGravacao(const std::string& nome) {
    const std::string alvo = SegueLinks(CaminhoNativo(nome));
    const std::string bak = NomeBackup(alvo);
    std::vector<SobraNativa> completas;
    for (SobraNativa& s : SobrasNativas(alvo)) {
        switch (s.tipo) {
        case SobraDeGravacao::Tipo::Parcial:
            ::unlink(s.nativo.c_str());
            break;
        case SobraDeGravacao::Tipo::Anterior:
            // Kept when it is the only copy of a text (the document was
            // changed or removed by another program since).
            if (MesmoTexto(s.nativo, alvo) || MesmoTexto(s.nativo, bak)) ::unlink(s.nativo.c_str());
            break;
        case SobraDeGravacao::Tipo::Completa:
            if (MesmoTexto(s.nativo, alvo)) ::unlink(s.nativo.c_str());
            else completas.push_back(std::move(s));
            break;
        }
    }
    if (completas.empty()) return;
    std::sort(completas.begin(), completas.end(), MaisNova);
    const std::string salvo = CaminhoDoSistema(completas.front().nativo);
    struct stat st {};
    const bool comBackup = ::stat(alvo.c_str(), &st) == 0 && bak != alvo;
    const std::string sim = comBackup ? "Sim: abrir esse texto no lugar do arquivo, que fica como "_cp +
                                            ExtraiNomeArquivo(CaminhoDoSistema(bak)) + "."
                                      : "Sim: abrir esse texto como o arquivo."_cp;
    // Beside the document as named it goes by its name; beside the file a
    // link names, by its path.
    const std::string onde = ExtraiDiretorio(salvo) == ExtraiDiretorio(nome)
                                 ? "ao lado dele, em\r\n"_cp + ExtraiNomeArquivo(salvo)
                                 : "em\r\n" + salvo;
    const int resposta = dialogos().Caixa(
        "Uma gravação de\r\n"_cp + nome + "\r\nfoi interrompida antes do fim.\r\nO texto que estava sendo salvo ficou "_cp +
            onde + "\r\n\r\n" + sim + "\r\nNão: apagar essa cópia e abrir o arquivo como está."_cp +
            "\r\nCancelar: abrir o arquivo como está e manter a cópia."_cp,
        "Dotmara", Icone::Pergunta, Botoes::YesNoCancel);
    if (resposta == mrYes) {
        if (PoeNoLugar(completas.front().nativo, alvo, bak) != ResultadoGravacao::Gravado) {
            dialogos().Caixa("Não foi possível pôr no lugar do arquivo o texto de\r\n"_cp + salvo +
                                 "\r\nA cópia foi mantida."_cp,
                             "Dotmara", Icone::Erro, Botoes::OK);
            return;
        }
        SincronizaPasta(alvo);
        completas.erase(completas.begin());
    } else if (resposta != mrNo) {
        return;
    }
    for (const SobraNativa& s : completas) ::unlink(s.nativo.c_str());
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
