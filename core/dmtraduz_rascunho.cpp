// dmtraduz_rascunho: the draft file's writer and reader.
#include "core/dmtraduz_rascunho.h"

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
    // A pipe, a device or a folder in the draft's place is refused at once:
    // no reader of the draft could read it back.
    fd_ = CriaSubstituto(caminho, alvo_, temporario_);
    if (fd_ < 0) return false;
    buffer_.reserve(kBuffer);
    return true;
}

bool EscritorRascunhoArquivo::Descarrega()
{
    if (!erro_ && !buffer_.empty() && !chamadas::EscreveTudo(fd_, buffer_.data(), buffer_.size())) erro_ = true;
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
    if (chamadas::Fecha(fd_) != 0) erro_ = true;
    fd_ = -1;
    if (!erro_ && chamadas::Renomeia(temporario_.c_str(), alvo_.c_str()) != 0) erro_ = true;
    if (erro_) chamadas::Apaga(temporario_.c_str());
    temporario_.clear();
    return !erro_;
}

void EscritorRascunhoArquivo::Descarta()
{
    if (fd_ < 0) return;
    chamadas::Fecha(fd_);
    fd_ = -1;
    chamadas::Apaga(temporario_.c_str());
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
