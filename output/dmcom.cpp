// dmcom: the serial port back-end (termios) and the checked write loop shared
// with the parallel port.
#include "output/dmcom.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

bool EscreveTudoFd(int fd, std::string_view s, const std::atomic<bool>* cancela) {
    if (fd < 0) return false;
    std::size_t feito = 0;
    while (feito < s.size()) {
        ssize_t n = ::write(fd, s.data() + feito, s.size() - feito);
        if (n > 0) {
            feito += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (cancela && cancela->load()) return false;
            pollfd p{fd, POLLOUT, 0};
            if (::poll(&p, 1, 100) < 0 && errno != EINTR) return false;
            // Some drivers (the parallel port) report ready without being so.
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            continue;
        }
        return false;  // an error, or a write of nothing
    }
    return true;
}

std::string CaminhoSerial(const std::string& nome) {
    if (nome == "COM1") return "/dev/ttyS0";
    if (nome == "COM2") return "/dev/ttyS1";
    return {};
}

std::string CaminhoParalela(const std::string& nome) {
    if (nome == "LPT1") return "/dev/lp0";
    if (nome == "LPT2") return "/dev/lp1";
    if (nome == "LPT3") return "/dev/lp2";
    return {};
}

bool ConfiguraSerial(int fd) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0) return false;
    if (::cfsetispeed(&t, B9600) != 0 || ::cfsetospeed(&t, B9600) != 0) return false;
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    t.c_cflag |= CS8 | CREAD | CLOCAL;
    // The renderer's bytes go out as they are: no CR LF translation.
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

int SaidaPendente(int fd) {
    int n = 0;
    if (::ioctl(fd, TIOCOUTQ, &n) != 0 || n < 0) return 0;
    return n;
}

bool ComBloqueada(int fd) {
    int estado = 0;
    if (::ioctl(fd, TIOCMGET, &estado) != 0) return false;
    return !((estado & TIOCM_CTS) && (estado & TIOCM_DSR));
}

namespace {

class DispositivoSerial : public Dispositivo {
public:
    DispositivoSerial(int fd, OpcoesSerial op) : fd_(fd), op_(std::move(op)) {}
    ~DispositivoSerial() override { Fecha(); }

    bool Envia(std::string_view texto) override {
        if (!EsperaLiberar()) return false;
        return EscreveTudoFd(fd_, texto, op_.cancela);
    }

    void Fecha() override {
        if (fd_ >= 0) {
            Esvazia();
            ::close(fd_);
            fd_ = -1;
        }
    }

private:
    bool Bloqueada() const { return op_.bloqueada ? op_.bloqueada() : ComBloqueada(fd_); }
    int Pendentes() const { return op_.pendentes ? op_.pendentes() : SaidaPendente(fd_); }

    // Lets the queued bytes go out before the port is closed. An embosser
    // that stops taking them would hold the job for ever: once the user has
    // cancelled, a queue that does not move for one interval is dropped.
    void Esvazia() {
        using Relogio = std::chrono::steady_clock;
        int antes = Pendentes();
        auto desde = Relogio::now();
        while (antes > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min(op_.intervaloMs, 20)));
            int agora = Pendentes();
            if (agora < antes) desde = Relogio::now();
            antes = agora;
            if (antes > 0 && Cancelado() &&
                Relogio::now() - desde >= std::chrono::milliseconds(op_.intervaloMs)) {
                ::tcflush(fd_, TCOFLUSH);
                return;
            }
        }
    }
    bool Cancelado() const { return op_.cancela && op_.cancela->load(); }

    // Waits while the embosser holds CTS or DSR off, showing the notice after
    // every interval. The user's cancel ends the wait (the write then fails).
    bool EsperaLiberar() {
        while (Bloqueada()) {
            auto fim = std::chrono::steady_clock::now() + std::chrono::milliseconds(op_.intervaloMs);
            while (std::chrono::steady_clock::now() < fim) {
                if (Cancelado()) return false;
                std::this_thread::sleep_for(std::chrono::milliseconds(std::min(op_.intervaloMs, 20)));
            }
            if (Cancelado()) return false;
            bool ainda = Bloqueada();
            if (op_.aviso) op_.aviso(ainda ? "Impressora bloqueada" : "");
        }
        return true;
    }

    int fd_;
    OpcoesSerial op_;
};

class DispositivoParalelo : public Dispositivo {
public:
    DispositivoParalelo(int fd, const std::atomic<bool>* cancela) : fd_(fd), cancela_(cancela) {}
    ~DispositivoParalelo() override { Fecha(); }
    bool Envia(std::string_view texto) override { return EscreveTudoFd(fd_, texto, cancela_); }
    void Fecha() override {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

private:
    int fd_;
    const std::atomic<bool>* cancela_;
};

}  // namespace

std::unique_ptr<Dispositivo> AbreCom(const std::string& caminho, OpcoesSerial op) {
    if (caminho.empty()) return nullptr;
    // Non-blocking, so that a port that takes nothing cannot hold the job
    // past a cancel.
    int fd = ::open(caminho.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return nullptr;
    if (!ConfiguraSerial(fd)) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<DispositivoSerial>(fd, std::move(op));
}

std::unique_ptr<Dispositivo> AbreLpt(const std::string& caminho, const std::atomic<bool>* cancela) {
    if (caminho.empty()) return nullptr;
    int fd = ::open(caminho.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return nullptr;
    return std::make_unique<DispositivoParalelo>(fd, cancela);
}
