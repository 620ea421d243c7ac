// Files and folders on Linux. Paths arrive as Windows-1252 bytes and are
// converted to UTF-8 only in the calls into the operating system.
#include "platform/arquivos.h"

#include "platform/chamadas.h"
#include "platform/codepage.h"
#include "platform/texto.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <mutex>
#include <string_view>
#include <vector>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

// Makes every missing folder of a native path (mode 0700 for new ones).
bool CriaPastas(const std::string& nativo) {
    if (nativo.empty())
        return true;
    struct stat st {};
    if (::stat(nativo.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    std::string pai = nativo;
    while (!pai.empty() && pai.back() == '/')
        pai.pop_back();
    size_t p = pai.rfind('/');
    if (p != std::string::npos && p > 0 && !CriaPastas(pai.substr(0, p)))
        return false;
    return ::mkdir(nativo.c_str(), 0700) == 0 || errno == EEXIST;
}

// A private folder: a real directory (not a link) owned by this user, mode 0700.
bool PastaPrivada(const std::string& nativo) {
    if (::mkdir(nativo.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st {};
    if (::lstat(nativo.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return false;
    if ((st.st_mode & 0077) != 0 && ::chmod(nativo.c_str(), 0700) != 0)
        return false;
    return true;
}

} // namespace

std::string CaminhoNativo(const std::string& caminho) { return Cp1252ParaUtf8(caminho); }

std::string CaminhoDoSistema(const std::string& nativo) { return Utf8ParaCp1252(nativo); }

bool ArquivoExiste(const std::string& caminho) {
    if (caminho.empty())
        return false;
    struct stat st {};
    return ::stat(CaminhoNativo(caminho).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DiretorioExiste(const std::string& caminho) {
    if (caminho.empty())
        return false;
    struct stat st {};
    return ::stat(CaminhoNativo(caminho).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string TextoMaxBytesArquivo() { return std::to_string(MaxBytesArquivo >> 20) + " MB"; }

bool LeArquivo(const std::string& caminho, std::string& conteudo) {
    return LeArquivoAte(caminho, conteudo, MaxBytesArquivo) == LeituraArquivo::Lido;
}

LeituraArquivo LeArquivoAte(const std::string& caminho, std::string& conteudo, std::size_t limite) {
    conteudo.clear();
    if (caminho.empty())
        return LeituraArquivo::NaoLido;
    // O_NONBLOCK: a FIFO or a device named by mistake must not hang the
    // program; only regular files are read.
    int fd = ::open(CaminhoNativo(caminho).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return LeituraArquivo::NaoLido;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return LeituraArquivo::NaoLido;
    }
    // The size the file claims is only a hint: files of the kernel (under
    // /proc) say 0 and never end, a sparse file says more than it holds.
    // The limit counts what is read.
    if (st.st_size > 0 && static_cast<unsigned long long>(st.st_size) > limite) {
        ::close(fd);
        return LeituraArquivo::GrandeDemais;
    }
    std::string dados;
    if (st.st_size > 0)
        dados.reserve(std::min<std::size_t>(static_cast<std::size_t>(st.st_size), 1u << 26));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return LeituraArquivo::NaoLido;
        }
        if (n == 0)
            break;
        if (static_cast<std::size_t>(n) > limite - dados.size()) {
            ::close(fd);
            return LeituraArquivo::GrandeDemais;
        }
        dados.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    conteudo = std::move(dados);
    return LeituraArquivo::Lido;
}

int CriaSubstituto(const std::string& caminho, std::string& alvo, std::string& temporario) {
    if (caminho.empty())
        return -1;
    alvo = CaminhoNativo(caminho);
    // Replace the file a link points at, not the link itself.
    char real[PATH_MAX];
    struct stat lst {};
    if (::lstat(alvo.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode) && ::realpath(alvo.c_str(), real))
        alvo = real;
    struct stat antigo {};
    const bool existia = ::stat(alvo.c_str(), &antigo) == 0;
    if (existia && !S_ISREG(antigo.st_mode))
        return -1;

    // The new file is created exclusively with mode 0666, so a new file
    // gets the process's umask from the kernel (reading the umask by
    // setting it would race with files other threads create meanwhile).
    int fd = -1;
    static std::atomic<unsigned> serie{0};
    for (int tentativa = 0; tentativa < 100 && fd < 0; ++tentativa) {
        temporario = alvo + "." + std::to_string(::getpid()) + "-" + std::to_string(serie++) + ".tmp";
        fd = chamadas::Abre(temporario.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return -1;
    }
    if (fd >= 0 && existia)
        ::fchmod(fd, antigo.st_mode & 07777);
    return fd;
}

bool GravaArquivoAtomico(const std::string& caminho, const std::string& conteudo) {
    std::string alvo, nome;
    const int fd = CriaSubstituto(caminho, alvo, nome);
    if (fd < 0)
        return false;
    bool ok = chamadas::EscreveTudo(fd, conteudo.data(), conteudo.size()) && chamadas::Sincroniza(fd) == 0;
    if (chamadas::Fecha(fd) != 0)
        ok = false;
    if (ok)
        ok = chamadas::Renomeia(nome.c_str(), alvo.c_str()) == 0;
    if (!ok)
        chamadas::Apaga(nome.c_str());
    return ok;
}

std::vector<std::string> DivideLinhas(const std::string& conteudo) {
    std::vector<std::string> linhas;
    size_t inicio = 0;
    while (inicio < conteudo.size()) {
        size_t lf = conteudo.find('\n', inicio);
        size_t fim = lf == std::string::npos ? conteudo.size() : lf;
        size_t n = fim - inicio;
        // A CR right before the line end belongs to the line end.
        if (n > 0 && conteudo[fim - 1] == '\r')
            --n;
        linhas.push_back(conteudo.substr(inicio, n));
        if (lf == std::string::npos)
            break;
        inicio = lf + 1;
    }
    return linhas;
}

std::string DiretorioAtual() {
    std::string buf(PATH_MAX, '\0');
    for (;;) {
        if (::getcwd(buf.data(), buf.size())) {
            buf.resize(std::strlen(buf.c_str()));
            break;
        }
        if (errno != ERANGE)
            return std::string();
        buf.resize(buf.size() * 2);
    }
    std::string d = CaminhoDoSistema(buf);
    if (d.empty() || d.back() != '/')
        d += '/';
    return d;
}

bool MudaDiretorioAtual(const std::string& caminho) {
    if (caminho.empty())
        return false;
    return ::chdir(CaminhoNativo(caminho).c_str()) == 0;
}

std::string ExtraiDiretorio(const std::string& caminho) {
    size_t p = caminho.rfind('/');
    return p == std::string::npos ? std::string() : caminho.substr(0, p + 1);
}

std::string ExtraiNomeArquivo(const std::string& caminho) {
    size_t p = caminho.rfind('/');
    return p == std::string::npos ? caminho : caminho.substr(p + 1);
}

std::string ExtraiExtensao(const std::string& caminho) {
    size_t barra = caminho.rfind('/');
    size_t ponto = caminho.rfind('.');
    if (ponto == std::string::npos || (barra != std::string::npos && ponto < barra))
        return std::string();
    return caminho.substr(ponto);
}

std::string MudaExtensao(const std::string& caminho, const std::string& ext) {
    std::string atual = ExtraiExtensao(caminho);
    return caminho.substr(0, caminho.size() - atual.size()) + ext;
}

std::string CaminhoPrograma() {
    std::string buf(PATH_MAX, '\0');
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0)
            return std::string();
        if (static_cast<size_t>(n) < buf.size()) {
            buf.resize(static_cast<size_t>(n));
            break;
        }
        buf.resize(buf.size() * 2);
    }
    return CaminhoDoSistema(buf);
}

std::string PastaPessoal() {
    const char* h = std::getenv("HOME");
    if (!h || !*h) {
        const passwd* pw = ::getpwuid(::getuid());
        h = pw && pw->pw_dir ? pw->pw_dir : "";
    }
    std::string d = CaminhoDoSistema(h);
    if (!d.empty() && d.back() != '/')
        d += '/';
    return d;
}

namespace {

// The system's temporary folder, without a trailing "/".
std::string RaizTemporaria() {
    const char* base = std::getenv("TMPDIR");
    std::string raiz = base && *base ? base : "/tmp";
    while (raiz.size() > 1 && raiz.back() == '/')
        raiz.pop_back();
    return raiz;
}

// The drafts this program made, removed when it ends (a copy of the
// program made by fork removes none of its parent's).
struct RascunhosDoPrograma {
    std::mutex mtx;
    pid_t dono = 0;
    std::vector<std::string> caminhos;
    ~RascunhosDoPrograma() {
        if (dono != ::getpid())
            return;
        for (const std::string& c : caminhos)
            ::unlink(c.c_str());
    }
};

RascunhosDoPrograma& Rascunhos() {
    static RascunhosDoPrograma r;
    return r;
}

// The same paths for a signal's handler, which may only read memory set
// before and call unlink: fixed buffers, filled before they are counted.
constexpr int kCaminhosNoSinal = 8;
char caminhosNoSinal[kCaminhosNoSinal][PATH_MAX];
std::atomic<int> quantosNoSinal{0};
std::atomic<pid_t> donoNoSinal{0};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<pid_t>::is_always_lock_free);

void GuardaParaOSinal(const std::string& nativo) {
    if (donoNoSinal.load() != ::getpid()) {
        quantosNoSinal.store(0);
        donoNoSinal.store(::getpid());
    }
    const int n = quantosNoSinal.load();
    if (n >= kCaminhosNoSinal || nativo.size() >= PATH_MAX)
        return;
    std::memcpy(caminhosNoSinal[n], nativo.c_str(), nativo.size() + 1);
    quantosNoSinal.store(n + 1);
}

extern "C" void RemoveRascunhosESai(int sinal) {
    if (donoNoSinal.load() == ::getpid()) {
        const int n = quantosNoSinal.load();
        for (int i = 0; i < n; ++i)
            ::unlink(caminhosNoSinal[i]);
    }
    // The handler was reset on entry: the signal, raised again, ends the
    // program as it would have without one once the handler returns.
    ::raise(sinal);
}

// "rascunho-<pid>.txt", or a new draft of it not finished,
// "rascunho-<pid>.txt.<pid>-<n>.tmp": the pid, else 0.
pid_t DonoDoRascunho(std::string_view nome) {
    const auto Numero = [&nome](std::size_t& i) {
        const std::size_t inicio = i;
        long long v = 0;
        while (i < nome.size() && nome[i] >= '0' && nome[i] <= '9' && i - inicio < 10)
            v = v * 10 + (nome[i++] - '0');
        return i > inicio ? v : -1LL;
    };
    constexpr std::string_view prefixo = "rascunho-", txt = ".txt", tmp = ".tmp";
    if (nome.substr(0, prefixo.size()) != prefixo)
        return 0;
    std::size_t i = prefixo.size();
    const long long pid = Numero(i);
    if (pid <= 0 || pid > INT_MAX || nome.substr(i, txt.size()) != txt)
        return 0;
    i += txt.size();
    if (i == nome.size())
        return static_cast<pid_t>(pid);
    if (nome[i++] != '.' || Numero(i) < 0 || i >= nome.size() || nome[i++] != '-' || Numero(i) < 0 ||
        nome.substr(i) != tmp)
        return 0;
    return static_cast<pid_t>(pid);
}

// The file name of a program's executable (a program replaced on disk while
// it runs is still itself); "" when it cannot be read.
std::string NomeDoExecutavel(const std::string& proc) {
    std::string buf(PATH_MAX, '\0');
    const ssize_t n = ::readlink((proc + "/exe").c_str(), buf.data(), buf.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= buf.size())
        return std::string();
    buf.resize(static_cast<std::size_t>(n));
    constexpr std::string_view apagado = " (deleted)";
    if (buf.size() > apagado.size() && buf.compare(buf.size() - apagado.size(), apagado.size(), apagado) == 0)
        buf.resize(buf.size() - apagado.size());
    return buf.substr(buf.rfind('/') + 1);
}

// Whether the program that made pid's drafts may still be running. A pid
// that no process has, or one of another user, is not this user's program;
// a pid taken since by a program of another name is not it either.
// Anything that cannot be told counts as running.
bool ProgramaDoRascunhoRoda(pid_t pid, const std::string& nossoNome) {
    if (::kill(pid, 0) != 0)
        return errno != ESRCH && errno != EPERM;
    const std::string nome = NomeDoExecutavel("/proc/" + std::to_string(pid));
    return nome.empty() || nossoNome.empty() || nome == nossoNome;
}

} // namespace

std::string DirTemporario() {
    const std::string raiz = RaizTemporaria();
    std::string nativo = raiz + "/dotmara-" + std::to_string(::getuid());
    if (!PastaPrivada(nativo)) {
        // The usual name is taken by someone else: a fresh private folder,
        // kept for the rest of this process.
        static std::string reserva;
        static std::mutex mtx;
        std::lock_guard<std::mutex> l(mtx);
        if (reserva.empty() || !PastaPrivada(reserva)) {
            std::string modelo = raiz + "/dotmara-XXXXXX";
            std::vector<char> nome(modelo.begin(), modelo.end());
            nome.push_back('\0');
            // No private folder: never the shared folder itself, where
            // any user may have placed the files this program writes.
            if (!::mkdtemp(nome.data()))
                return std::string();
            reserva = nome.data();
        }
        nativo = reserva;
    }
    return CaminhoDoSistema(nativo) + "/";
}

std::string ArquivoTemporario(const std::string& prefixo, const std::string& extensao) {
    const std::string dir = DirTemporario();
    if (dir.empty())
        return std::string();
    const std::string ext = CaminhoNativo(extensao);
    std::string modelo = CaminhoNativo(dir + prefixo) + "XXXXXX" + ext;
    std::vector<char> nome(modelo.begin(), modelo.end());
    nome.push_back('\0');
    int fd = ::mkstemps(nome.data(), static_cast<int>(ext.size()));
    if (fd < 0)
        return std::string();
    ::close(fd);
    return CaminhoDoSistema(nome.data());
}

std::string RascunhoPrivado() {
    const std::string dir = DirTemporario();
    if (dir.empty())
        return std::string();
    const std::string caminho = dir + "rascunho-" + std::to_string(::getpid()) + ".txt";
    RascunhosDoPrograma& r = Rascunhos();
    std::lock_guard<std::mutex> l(r.mtx);
    if (r.dono != ::getpid()) {
        r.dono = ::getpid();
        r.caminhos.clear();
    }
    const std::string nativo = CaminhoNativo(caminho);
    if (std::find(r.caminhos.begin(), r.caminhos.end(), nativo) == r.caminhos.end()) {
        r.caminhos.push_back(nativo);
        GuardaParaOSinal(nativo);
    }
    return caminho;
}

int RemoveRascunhosAbandonados() {
    const std::string dir = DirTemporario();
    if (dir.empty())
        return 0;
    const std::string nativo = CaminhoNativo(dir);
    DIR* d = ::opendir(nativo.c_str());
    if (!d)
        return 0;
    const std::string nossoNome = NomeDoExecutavel("/proc/self");
    std::vector<std::string> abandonados;
    while (const struct dirent* e = ::readdir(d)) {
        const pid_t pid = DonoDoRascunho(e->d_name);
        if (pid == 0 || pid == ::getpid())
            continue;
        const std::string caminho = nativo + e->d_name;
        struct stat st {};
        if (::lstat(caminho.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid())
            continue;
        if (!ProgramaDoRascunhoRoda(pid, nossoNome))
            abandonados.push_back(caminho);
    }
    ::closedir(d);
    int removidos = 0;
    for (const std::string& c : abandonados)
        removidos += ::unlink(c.c_str()) == 0;
    return removidos;
}

void RemoveRascunhosNosSinais() {
    for (int sinal : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction antes {};
        if (::sigaction(sinal, nullptr, &antes) != 0 || antes.sa_handler == SIG_IGN)
            continue;
        struct sigaction acao {};
        acao.sa_handler = RemoveRascunhosESai;
        acao.sa_flags = SA_RESETHAND;
        sigemptyset(&acao.sa_mask);
        ::sigaction(sinal, &acao, nullptr);
    }
}

std::string MensagemSemPastaTemporaria() {
    return "Não foi possível criar uma pasta temporária particular em "_cp +
           CaminhoDoSistema(RaizTemporaria()) + ".\r\nO rascunho braille não foi gerado."_cp;
}

std::string AchaArquivoDados(const std::string& dir, const std::string& nome) {
    std::string exato = dir + nome;
    if (nome.empty() || ArquivoExiste(exato))
        return exato;
    // The name may carry folders of its own: only its last part is matched.
    std::string pasta = dir + ExtraiDiretorio(nome);
    std::string arquivo = ExtraiNomeArquivo(nome);
    std::string nativo = CaminhoNativo(pasta.empty() ? std::string(".") : pasta);
    DIR* d = ::opendir(nativo.c_str());
    if (!d)
        return exato;
    std::string achado;
    while (struct dirent* e = ::readdir(d)) {
        std::string candidato = CaminhoDoSistema(e->d_name);
        if (IgualSemCaixa(candidato, arquivo) && ArquivoExiste(pasta + candidato)) {
            // Prefer the first in name order so the choice does not depend
            // on the folder's listing order.
            if (achado.empty() || candidato < achado)
                achado = candidato;
        }
    }
    ::closedir(d);
    return achado.empty() ? exato : pasta + achado;
}

namespace {

// A folder (ending in "/") without "." and ".." steps, as users read it,
// when that names the same folder: behind a symbolic link ".." is not
// where the name says, and then the path stays as it was.
std::string SemPassos(const std::string& pasta) {
    std::error_code erro;
    std::string d = std::filesystem::path(pasta).lexically_normal().string();
    if (d.empty() || d.back() != '/')
        d += '/';
    if (d == pasta || !std::filesystem::equivalent(CaminhoNativo(d), CaminhoNativo(pasta), erro) || erro)
        return pasta;
    return d;
}

} // namespace

std::string DirDados() {
    if (const char* env = std::getenv("DOTMARA_DATA_DIR"); env && *env) {
        std::string d = CaminhoDoSistema(env);
        if (d.back() != '/')
            d += '/';
        return SemPassos(d);
    }
    return DirDadosAcimaDe(ExtraiDiretorio(CaminhoPrograma()));
}

std::string DirDadosAcimaDe(const std::string& prog) {
    // Installed beside the program, or run from a build folder inside the
    // source tree (build/, build/tests/ ...).
    std::string sobe;
    for (int nivel = 0; nivel < 4; ++nivel) {
        std::string d = prog + sobe + "data/";
        if (ArquivoExiste(AchaArquivoDados(d, "ambcode.cfg")))
            return SemPassos(d);
        sobe += "../";
    }
    return prog + "data/";
}

// Exposed for the INI writer: creates the folders of a path.
bool CriaPastasDe(const std::string& caminho) {
    std::string dir = ExtraiDiretorio(caminho);
    if (dir.empty())
        return true;
    return CriaPastas(CaminhoNativo(dir));
}
