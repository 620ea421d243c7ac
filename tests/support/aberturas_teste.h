// How many times a file is opened while the object lives (inotify on the
// file itself): what a reader of many keys costs in readings of the file.
// The count stops at the file's replacement (a write renames a new file into
// its place), which the tests that use it do not make.
//
// Header only: the test programs that read no settings do not need it.
#pragma once

#include <string>

#include <sys/inotify.h>
#include <unistd.h>

class AberturasDoArquivo {
public:
    explicit AberturasDoArquivo(const std::string& caminho)
        : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        // Closes are watched too: two opens in a row would come as one
        // event, as the kernel merges an event with the same one before it.
        if (fd_ >= 0) ::inotify_add_watch(fd_, caminho.c_str(), IN_OPEN | IN_CLOSE);
    }
    ~AberturasDoArquivo() {
        if (fd_ >= 0) ::close(fd_);
    }
    AberturasDoArquivo(const AberturasDoArquivo&) = delete;
    AberturasDoArquivo& operator=(const AberturasDoArquivo&) = delete;

    // Opens since the last call (or since the object was made); -1 when
    // the file cannot be watched.
    int Conta() {
        if (fd_ < 0) return -1;
        int n = 0;
        alignas(inotify_event) char buf[4096];
        for (ssize_t lido; (lido = ::read(fd_, buf, sizeof buf)) > 0;)
            for (ssize_t i = 0; i < lido; i += static_cast<ssize_t>(sizeof(inotify_event)) +
                                               reinterpret_cast<const inotify_event*>(buf + i)->len)
                n += (reinterpret_cast<const inotify_event*>(buf + i)->mask & IN_OPEN) != 0;
        return n;
    }

private:
    int fd_;
};
