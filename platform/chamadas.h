// The system calls of a step that must leave the files whole however it is
// stopped (saving a document, writing the draft, replacing the settings file
// or one of its copies). The step makes them through here, so a test
// can stop it at any one of them: as a kill would (nothing after that call
// runs), or with that one call failing as a full disk or a refusing file
// system makes it fail. Calls that only read what is there (stat, readlink)
// are not counted: stopping before one is stopping after the call before.
#pragma once

#include <cerrno>
#include <sys/types.h>
#include <vector>

namespace chamadas {

enum class Chamada { Abre, Le, Escreve, MudaModo, Sincroniza, Fecha, Trava, Liga, Renomeia, Apaga };

int Abre(const char* caminho, int flags, mode_t modo = 0);
ssize_t Le(int fd, void* dados, size_t n);
ssize_t Escreve(int fd, const void* dados, size_t n);
int MudaModo(int fd, mode_t modo);
int Sincroniza(int fd);
int Fecha(int fd);
int Trava(int fd, int operacao);   // flock
int Liga(const char* de, const char* para);
int Renomeia(const char* de, const char* para);
int Apaga(const char* caminho);

// Writes every byte through Escreve (a short write and EINTR are continued);
// false with errno set on failure.
bool EscreveTudo(int fd, const void* dados, size_t n);

// What a step stopped as by a kill throws from the call where it stopped.
// Nothing that runs while it unwinds may touch a file: a file descriptor
// may be closed (a killed process's are), nothing more.
struct Interrompida {};

// For tests: while an object lives, the calls of its thread are counted from
// 1 and the one numbered `numero` is stopped: Interrompe throws Interrompida
// before it is made; Falha makes it return -1 with `erro` (the calls after
// it are made). Calls of a kind in `semSuporte` always fail with erroSemSuporte,
// as on a file system that lacks them, and are counted like the others.
class Interrupcao {
public:
    enum class Modo { Interrompe, Falha };
    Interrupcao(int numero, Modo modo, int erro = EIO);
    ~Interrupcao();
    Interrupcao(const Interrupcao&) = delete;
    Interrupcao& operator=(const Interrupcao&) = delete;

    std::vector<Chamada> semSuporte;
    int erroSemSuporte = EPERM;
    // When not 0, the error a failed write gives in place of `erro`.
    int erroEscrita = 0;

    // The calls counted so far, in order (the stopped one included).
    const std::vector<Chamada>& Feitas() const { return feitas_; }
    bool Atingida() const { return static_cast<int>(feitas_.size()) >= numero_; }

    // Internal: whether the call c goes ahead; false with errno set when it fails.
    bool Segue(Chamada c);

private:
    int numero_;
    Modo modo_;
    int erro_;
    std::vector<Chamada> feitas_;
    Interrupcao* anterior_;
};

} // namespace chamadas
