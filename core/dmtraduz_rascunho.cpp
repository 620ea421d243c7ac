// dmtraduz_rascunho: the draft file's writer and reader.
#include "core/dmtraduz_rascunho.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/arquivos.h"

// ---- Draft file -----------------------------------------------------------
EscritorRascunhoArquivo::~EscritorRascunhoArquivo() { Fecha(); }

bool EscritorRascunhoArquivo::Abre(const std::string& caminho)
{
    Fecha();
    erro_ = false;
    // Opened without blocking and kept only when it is a regular file: a
    // pipe named as the draft would hold the compile until a reader came,
    // and no reader of the draft could read a device back. Emptied only
    // once it is known to be a file.
    const int fd = ::open(CaminhoNativo(caminho).c_str(),
                          O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::ftruncate(fd, 0) != 0 ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f) {
        ::close(fd);
        return false;
    }
    std::setvbuf(f, nullptr, _IOFBF, 1 << 16);
    arquivo_ = f;
    return true;
}

bool EscritorRascunhoArquivo::GravaLinha(const std::string& linha)
{
    auto* f = static_cast<std::FILE*>(arquivo_);
    if (!f || erro_) return false;
    if ((!linha.empty() && std::fwrite(linha.data(), 1, linha.size(), f) != linha.size()) ||
        std::fwrite("\r\n", 1, 2, f) != 2) {
        erro_ = true;
        return false;
    }
    return true;
}

bool EscritorRascunhoArquivo::Fecha()
{
    auto* f = static_cast<std::FILE*>(arquivo_);
    if (!f) return !erro_;
    arquivo_ = nullptr;
    if (std::fclose(f) != 0) erro_ = true;
    return !erro_;
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
