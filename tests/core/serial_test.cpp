// Serial and parallel ports: bytes through a pseudo-terminal pair arrive
// unchanged; the blocked wait shows its notice, resumes and ends on cancel.
#include "output/dmcom.h"

#include "support/pty_teste.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

TEST(Serial, BytesChegamSemMudanca) {
    Pty pty;
    ASSERT_FALSE(pty.nome.empty());
    auto d = AbreCom(pty.nome, OpcoesSerial{});
    ASSERT_TRUE(d);
    std::string bytes = "AB\r\nC\n\x0c\x1b" "1\x1b]\r";
    bytes += std::string(450, '=') + "\r\n";
    EXPECT_TRUE(d->Envia(bytes));
    EXPECT_EQ(pty.Le(bytes.size()), bytes);
    d->Fecha();
}

TEST(Serial, PortaConfigurada9600_8N1SemPosProcessamento) {
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
}

TEST(Serial, ArquivoComumNaoEhPorta) {
    std::string nome = (std::filesystem::temp_directory_path() / "nao_tty").string();
    { std::ofstream f(nome); }
    EXPECT_FALSE(AbreCom(nome, OpcoesSerial{}));
    EXPECT_FALSE(AbreCom("/dev/nao_existe_tty", OpcoesSerial{}));
    EXPECT_FALSE(AbreCom("", OpcoesSerial{}));
    std::remove(nome.c_str());
}

TEST(Serial, EsperaBloqueioEContinua) {
    Pty pty;
    ASSERT_FALSE(pty.nome.empty());
    std::atomic<int> consultas{0};
    std::vector<std::string> avisos;
    OpcoesSerial op;
    op.intervaloMs = 1;
    // Blocked for the first three readings of the modem status.
    op.bloqueada = [&] { return consultas++ < 3; };
    op.aviso = [&](const std::string& s) { avisos.push_back(s); };
    auto d = AbreCom(pty.nome, op);
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->Envia("XY"));
    EXPECT_EQ(pty.Le(2), "XY");
    // Each wait reads the status again: blocked -> notice, ready -> cleared.
    EXPECT_EQ(avisos, (std::vector<std::string>{"Impressora bloqueada", ""}));
}

TEST(Serial, CancelarTerminaEspera) {
    Pty pty;
    ASSERT_FALSE(pty.nome.empty());
    std::atomic<bool> cancela{false};
    std::atomic<int> avisos{0};
    OpcoesSerial op;
    op.intervaloMs = 1;
    op.bloqueada = [] { return true; };  // never ready
    op.cancela = &cancela;
    op.aviso = [&](const std::string& s) {
        if (s == "Impressora bloqueada" && ++avisos == 2) cancela = true;
    };
    auto d = AbreCom(pty.nome, op);
    ASSERT_TRUE(d);
    EXPECT_FALSE(d->Envia("XY"));
    EXPECT_EQ(avisos.load(), 2);
    EXPECT_EQ(pty.Le(1, 50), "");
}

TEST(Serial, FecharEsperaAFilaSair) {
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
}

TEST(Serial, FecharComImpressoraParadaTerminaNoCancelamento) {
    // The embosser stopped taking bytes after the last write: closing waits
    // for the queue, and the user's cancel ends that wait.
    Pty pty;
    ASSERT_FALSE(pty.nome.empty());
    std::atomic<bool> cancela{false};
    std::atomic<int> consultas{0};
    OpcoesSerial op;
    op.intervaloMs = 1;
    op.cancela = &cancela;
    op.pendentes = [&] {
        if (++consultas == 5) cancela = true;
        return 100;
    };
    auto d = AbreCom(pty.nome, op);
    ASSERT_TRUE(d);
    d->Fecha();
    EXPECT_TRUE(cancela.load());
    EXPECT_GE(consultas.load(), 5);
}

TEST(Serial, EscritaFechadaFalha) {
    EXPECT_FALSE(EscreveTudoFd(-1, "a"));
    int p[2];
    ASSERT_EQ(::pipe(p), 0);
    ::close(p[0]);
    std::signal(SIGPIPE, SIG_IGN);
    EXPECT_FALSE(EscreveTudoFd(p[1], "abc"));
    ::close(p[1]);
}

TEST(Serial, EscritaLongaPorPartes) {
    // A non-blocking pipe accepts the bytes in pieces while the reader drains it.
    int p[2];
    ASSERT_EQ(::pipe(p), 0);
    ::fcntl(p[1], F_SETFL, O_NONBLOCK);
    std::string grande(300000, 'z');
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

TEST(Nomes, PortasDoSistema) {
    EXPECT_EQ(CaminhoSerial("COM1"), "/dev/ttyS0");
    EXPECT_EQ(CaminhoSerial("COM2"), "/dev/ttyS1");
    EXPECT_EQ(CaminhoSerial("COM3"), "");
    EXPECT_EQ(CaminhoParalela("LPT1"), "/dev/lp0");
    EXPECT_EQ(CaminhoParalela("LPT3"), "/dev/lp2");
    EXPECT_EQ(CaminhoParalela("LPT4"), "");
}

TEST(Paralela, EscreveTudoNoArquivoDaPorta) {
    std::string nome = (std::filesystem::temp_directory_path() / "lp_falsa").string();
    { std::ofstream f(nome); }
    auto d = AbreLpt(nome);
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->Envia("a\r\nb"));
    d->Fecha();
    EXPECT_EQ(LeArquivoTeste(nome), "a\r\nb");
    std::remove(nome.c_str());
    EXPECT_FALSE(AbreLpt("/dev/nao_existe_lp"));
}

}  // namespace
