// dmtraduz_rascunho: the draft file's writer and reader.
#include "core/dmtraduz_rascunho.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/arquivos.h"
#include "platform/chamadas.h"

// ---- Draft file -----------------------------------------------------------
namespace {
constexpr std::size_t kBuffer = std::size_t{1} << 16;
}

EscritorRascunhoArquivo::~EscritorRascunhoArquivo() { Descarta(); }

bool EscritorRascunhoArquivo::Abre(const std::string& caminho)
{
    Descarta();
    erro_ = false;
    if (caminho.empty()) return false;
    alvo_ = CaminhoNativo(caminho);
    // Through a link, the file it names is replaced, not the link.
    struct stat st {};
    char real[PATH_MAX];
    if (::lstat(alvo_.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(alvo_.c_str(), real)) alvo_ = real;
    // A pipe, a device or a folder in the draft's place is refused at once:
    // no reader of the draft could read it back.
    const bool existe = ::stat(alvo_.c_str(), &st) == 0;
    if (existe && !S_ISREG(st.st_mode)) return false;
    static std::atomic<unsigned> serie{0};
    for (int tentativa = 0; tentativa < 100 && fd_ < 0; ++tentativa) {
        temporario_ = alvo_ + "." + std::to_string(::getpid()) + "-" + std::to_string(serie++) + ".tmp";
        fd_ = sis::Abre(temporario_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) return false;
    if (existe) ::fchmod(fd_, st.st_mode & 07777);
    buffer_.reserve(kBuffer);
    return true;
}

bool EscritorRascunhoArquivo::Descarrega()
{
    if (!erro_ && !buffer_.empty() && !sis::EscreveTudo(fd_, buffer_.data(), buffer_.size())) erro_ = true;
    buffer_.clear();
    return !erro_;
}

bool EscritorRascunhoArquivo::GravaLinha(const std::string& linha)
{
    if (fd_ < 0 || erro_) return false;
    buffer_ += linha;
    buffer_ += "\r\n";
    return buffer_.size() < kBuffer || Descarrega();
}

bool EscritorRascunhoArquivo::Fecha()
{
    if (fd_ < 0) return !erro_;
    Descarrega();
    // The draft is made again by every compile before it is shown, printed
    // or exported, so it is not forced to the disk: what matters is that a
    // failed compile never takes the place of a whole draft.
    if (sis::Fecha(fd_) != 0) erro_ = true;
    fd_ = -1;
    if (!erro_ && sis::Renomeia(temporario_.c_str(), alvo_.c_str()) != 0) erro_ = true;
    if (erro_) sis::Remove(temporario_.c_str());
    temporario_.clear();
    return !erro_;
}

void EscritorRascunhoArquivo::Descarta()
{
    if (fd_ < 0) return;
    sis::Fecha(fd_);
    fd_ = -1;
    sis::Remove(temporario_.c_str());
    temporario_.clear();
    buffer_.clear();
}

// ---- Draft reader ---------------------------------------------------------
bool LeRascunho(const std::string& caminho, std::vector<std::string>& linhas)
{
    linhas.clear();
    std::string conteudo;
    if (!LeArquivo(caminho, conteudo)) return false;
    linhas = DivideLinhas(conteudo);
    return true;
}
