// A pseudo-terminal pair standing in for a serial port: the program writes to
// the slave's name, the test reads what arrived at the master.
#pragma once

#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <cstddef>
#include <string>

struct Pty {
    int mestre = -1, escravo = -1;
    std::string nome;   // empty when no pair could be opened
    Pty() {
        char n[256] = {};
        if (::openpty(&mestre, &escravo, n, nullptr, nullptr) == 0) nome = n;
    }
    ~Pty() {
        if (mestre >= 0) ::close(mestre);
        if (escravo >= 0) ::close(escravo);
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
    // Reads what arrived at the master until n bytes or nothing more comes.
    std::string Le(std::size_t n, int esperaMs = 2000) {
        std::string s;
        while (s.size() < n) {
            pollfd p{mestre, POLLIN, 0};
            if (::poll(&p, 1, esperaMs) <= 0) break;
            char buf[4096];
            ssize_t k = ::read(mestre, buf, sizeof buf);
            if (k <= 0) break;
            s.append(buf, static_cast<std::size_t>(k));
        }
        return s;
    }
};
