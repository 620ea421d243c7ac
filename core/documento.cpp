// The document in force for the compiler and the tools.
#include "core/documento.h"

namespace {
LinhasEmMemoria vazio;
LinhasDocumento* atual = nullptr;
} // namespace

LinhasDocumento& DocumentoAtual() { return atual ? *atual : vazio; }
void DefineDocumentoAtual(LinhasDocumento* d) { atual = d; }
