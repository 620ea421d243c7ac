// chamadas: the system calls of the writers that must leave a file whole
// when one of them fails (the draft, the settings file and its copies, any
// file replaced in one rename). Each goes through here, so that a test can
// make any one of them fail, as a full disk or a failing device would, and
// see what the writer leaves behind.
#pragma once

#include <cstddef>
#include <sys/types.h>

enum class Chamada : unsigned char { Abre, Escreve, Sincroniza, Fecha, Renomeia, Remove };

namespace sis {
// open(2) with a mode; -1 and errno on failure.
int Abre(const char* caminho, int flags, mode_t modo);
// Writes every byte (partial writes and EINTR continued); false on failure.
bool EscreveTudo(int fd, const void* dados, std::size_t n);
int Sincroniza(int fd);
// close(2): the descriptor is freed whatever the result.
int Fecha(int fd);
int Renomeia(const char* de, const char* para);
int Remove(const char* caminho);
} // namespace sis

// For tests: asked before each call above; true makes that call fail
// (errno ENOSPC for a write, EIO otherwise) without making it, except that
// a failed close still frees its descriptor. nullptr: every call is made.
using FalhaDeChamada = bool (*)(Chamada, void* contexto);
void DefineFalhaDeChamada(FalhaDeChamada f, void* contexto);
