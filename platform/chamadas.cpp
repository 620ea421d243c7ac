// chamadas: the file writers' system calls, with the tests' failure hook.
#include "platform/chamadas.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::atomic<FalhaDeChamada> falha{nullptr};
std::atomic<void*> contextoFalha{nullptr};

bool Falha(Chamada c) {
    const FalhaDeChamada f = falha.load(std::memory_order_acquire);
    if (!f || !f(c, contextoFalha.load(std::memory_order_acquire)))
        return false;
    errno = c == Chamada::Escreve ? ENOSPC : EIO;
    return true;
}

} // namespace

void DefineFalhaDeChamada(FalhaDeChamada f, void* contexto) {
    contextoFalha.store(contexto, std::memory_order_release);
    falha.store(f, std::memory_order_release);
}

namespace sis {

int Abre(const char* caminho, int flags, mode_t modo) {
    if (Falha(Chamada::Abre))
        return -1;
    return ::open(caminho, flags, modo);
}

bool EscreveTudo(int fd, const void* dados, std::size_t n) {
    const char* p = static_cast<const char*>(dados);
    while (n > 0) {
        if (Falha(Chamada::Escreve))
            return false;
        const ssize_t k = ::write(fd, p, n);
        if (k < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += k;
        n -= static_cast<std::size_t>(k);
    }
    return true;
}

int Sincroniza(int fd) { return Falha(Chamada::Sincroniza) ? -1 : ::fsync(fd); }

int Fecha(int fd) {
    if (Falha(Chamada::Fecha)) {
        const int erro = errno;
        ::close(fd);
        errno = erro;
        return -1;
    }
    return ::close(fd);
}

int Renomeia(const char* de, const char* para) { return Falha(Chamada::Renomeia) ? -1 : ::rename(de, para); }

int Remove(const char* caminho) { return Falha(Chamada::Remove) ? -1 : ::unlink(caminho); }

} // namespace sis
