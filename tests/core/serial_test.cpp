// Serial and parallel ports: bytes through a pseudo-terminal pair arrive
// unchanged; the blocked wait shows its notice, resumes and ends on cancel.
#include "output/dmcom.h"

#include "support/pty_teste.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

TEST(Serial, BytesChegamSemMudancaEm9600_8N1) {
    Pty pty;
    ASSERT_FALSE(pty.nome.empty());
    auto d = AbreCom(pty.nome, OpcoesSerial{});
    ASSERT_TRUE(d);
    termios t{};
    ASSERT_EQ(::tcgetattr(pty.escravo, &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), static_cast<speed_t>(B9600));
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    const std::string bytes = "AB\r\nC\n\x0c\x1b" "1\x1b]\r" + std::string(450, '=') + "\r\n";
    EXPECT_TRUE(d->Envia(bytes));
    EXPECT_EQ(pty.Le(bytes.size()), bytes);
    d->Fecha();
}

TEST(Serial, ArquivoComumNaoEhPorta) {
    PastaTemporaria t;
    EXPECT_FALSE(AbreCom(t.grava("nao_tty", ""), OpcoesSerial{}));
    EXPECT_FALSE(AbreCom("/dev/nao_existe_tty", OpcoesSerial{}));
    EXPECT_FALSE(AbreCom("", OpcoesSerial{}));
}

TEST(Serial, EsperaBloqueioEContinuaOuCancela) {
    Pty pty;
    ASSERT_FALSE(pty.nome.empty());
    // Blocked for the first three readings of the modem status: notice, then cleared.
    std::atomic<int> consultas{0};
    std::vector<std::string> avisos;
    OpcoesSerial op;
    op.intervaloMs = 1;
    op.bloqueada = [&] { return consultas++ < 3; };
    op.aviso = [&](const std::string& s) { avisos.push_back(s); };
    auto d = AbreCom(pty.nome, op);
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->Envia("XY"));
    EXPECT_EQ(pty.Le(2), "XY");
    EXPECT_EQ(avisos, (std::vector<std::string>{"Impressora bloqueada", ""}));
    d.reset();
    // Never ready: the user's cancel ends the wait, nothing goes out.
    std::atomic<bool> cancela{false};
    std::atomic<int> bloqueios{0};
    op.bloqueada = [] { return true; };
    op.cancela = &cancela;
    op.aviso = [&](const std::string& s) {
        if (s == "Impressora bloqueada" && ++bloqueios == 2) cancela = true;
    };
    d = AbreCom(pty.nome, op);
    ASSERT_TRUE(d);
    EXPECT_FALSE(d->Envia("XY"));
    EXPECT_EQ(bloqueios.load(), 2);
    EXPECT_EQ(pty.Le(1, 50), "");
}

TEST(Serial, FecharEsperaAFilaSairOuOCancelamento) {
    Pty pty;
    ASSERT_FALSE(pty.nome.empty());
    std::atomic<int> fila{3};
    OpcoesSerial op;
    op.intervaloMs = 1;
    op.pendentes = [&] { return fila > 0 ? fila-- : 0; };
    auto d = AbreCom(pty.nome, op);
    ASSERT_TRUE(d);
    d->Fecha();
    EXPECT_EQ(fila.load(), 0);
    // The embosser stopped taking bytes: the user's cancel ends the wait.
    std::atomic<bool> cancela{false};
    std::atomic<int> consultas{0};
    op.cancela = &cancela;
    op.pendentes = [&] {
        if (++consultas == 5) cancela = true;
        return 100;
    };
    d = AbreCom(pty.nome, op);
    ASSERT_TRUE(d);
    d->Fecha();
    EXPECT_GE(consultas.load(), 5);
}

TEST(Serial, EscritaNoDescritor) {
    EXPECT_FALSE(EscreveTudoFd(-1, "a"));
    int p[2];
    ASSERT_EQ(::pipe(p), 0);
    ::close(p[0]);
    std::signal(SIGPIPE, SIG_IGN);
    EXPECT_FALSE(EscreveTudoFd(p[1], "abc")); // nobody reads: closed
    ::close(p[1]);
    // A non-blocking pipe accepts the bytes in pieces while the reader drains it.
    ASSERT_EQ(::pipe(p), 0);
    ::fcntl(p[1], F_SETFL, O_NONBLOCK);
    const std::string grande(300000, 'z');
    std::string lido;
    std::thread leitor([&] {
        char buf[8192];
        ssize_t k;
        while ((k = ::read(p[0], buf, sizeof buf)) > 0) lido.append(buf, static_cast<std::size_t>(k));
    });
    EXPECT_TRUE(EscreveTudoFd(p[1], grande));
    ::close(p[1]);
    leitor.join();
    ::close(p[0]);
    EXPECT_EQ(lido, grande);
}

TEST(Serial, PortaQueNaoRecebeParaNoCancelamento) {
    // Nobody reads the pipe: once it is full the write waits, until cancel.
    int p[2];
    ASSERT_EQ(::pipe(p), 0);
    ::fcntl(p[1], F_SETFL, O_NONBLOCK);
    std::atomic<bool> cancela{false};
    std::thread t([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        cancela = true;
    });
    EXPECT_FALSE(EscreveTudoFd(p[1], std::string(1 << 20, 'z'), &cancela));
    t.join();
    ::close(p[0]);
    ::close(p[1]);
}

TEST(Paralela, NomesEArquivoDaPorta) {
    const std::pair<std::string, std::string> nomes[] = {
        {CaminhoSerial("COM1"), "/dev/ttyS0"}, {CaminhoSerial("COM2"), "/dev/ttyS1"}, {CaminhoSerial("COM3"), ""},
        {CaminhoParalela("LPT1"), "/dev/lp0"}, {CaminhoParalela("LPT3"), "/dev/lp2"}, {CaminhoParalela("LPT4"), ""}};
    for (const auto& [obtido, esperado] : nomes)
        EXPECT_EQ(obtido, esperado);
    PastaTemporaria t;
    auto d = AbreLpt(t.grava("lp_falsa", ""));
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->Envia("a\r\nb"));
    d->Fecha();
    EXPECT_EQ(t.le("lp_falsa"), "a\r\nb");
    EXPECT_FALSE(AbreLpt("/dev/nao_existe_lp"));
}

} // namespace
