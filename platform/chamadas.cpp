// The counted system calls.
#include "platform/chamadas.h"

#include <algorithm>
#include <fcntl.h>
#include <cstdio>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace chamadas {

namespace {

thread_local Interrupcao* ativa = nullptr;

bool Segue(Chamada c) { return !ativa || ativa->Segue(c); }

} // namespace

Interrupcao::Interrupcao(int numero, Modo modo, int erro)
    : numero_(numero), modo_(modo), erro_(erro), anterior_(ativa) {
    ativa = this;
}

Interrupcao::~Interrupcao() { ativa = anterior_; }

bool Interrupcao::Segue(Chamada c) {
    feitas_.push_back(c);
    if (static_cast<int>(feitas_.size()) == numero_) {
        if (modo_ == Modo::Interrompe)
            throw Interrompida{};
        errno = c == Chamada::Escreve && erroEscrita != 0 ? erroEscrita : erro_;
        return false;
    }
    if (std::find(semSuporte.begin(), semSuporte.end(), c) != semSuporte.end()) {
        errno = erroSemSuporte;
        return false;
    }
    return true;
}

int Abre(const char* caminho, int flags, mode_t modo) {
    return Segue(Chamada::Abre) ? ::open(caminho, flags, modo) : -1;
}

ssize_t Le(int fd, void* dados, size_t n) { return Segue(Chamada::Le) ? ::read(fd, dados, n) : -1; }

ssize_t Escreve(int fd, const void* dados, size_t n) {
    return Segue(Chamada::Escreve) ? ::write(fd, dados, n) : -1;
}

int MudaModo(int fd, mode_t modo) { return Segue(Chamada::MudaModo) ? ::fchmod(fd, modo) : -1; }

int Sincroniza(int fd) { return Segue(Chamada::Sincroniza) ? ::fsync(fd) : -1; }

int Fecha(int fd) {
    if (!Segue(Chamada::Fecha)) {
        // A close that fails still releases the descriptor.
        const int erro = errno;
        ::close(fd);
        errno = erro;
        return -1;
    }
    return ::close(fd);
}

int Trava(int fd, int operacao) { return Segue(Chamada::Trava) ? ::flock(fd, operacao) : -1; }

int Liga(const char* de, const char* para) { return Segue(Chamada::Liga) ? ::link(de, para) : -1; }

int Renomeia(const char* de, const char* para) {
    return Segue(Chamada::Renomeia) ? ::rename(de, para) : -1;
}

int Apaga(const char* caminho) { return Segue(Chamada::Apaga) ? ::unlink(caminho) : -1; }

bool EscreveTudo(int fd, const void* dados, size_t n) {
    const char* p = static_cast<const char*>(dados);
    while (n > 0) {
        const ssize_t k = Escreve(fd, p, n);
        if (k < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (k == 0) {
            errno = EIO;
            return false;
        }
        p += k;
        n -= static_cast<size_t>(k);
    }
    return true;
}

} // namespace chamadas
