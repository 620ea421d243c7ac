// Selecting by line and column in a test: from (linha, coluna) to
// (linhaFim, colunaFim), columns from 0; the same start and end leave the
// caret there with nothing selected.
#pragma once

#include "core/documento.h"

inline void SelecionaTrecho(DocumentoEditavel& doc, int linha, int coluna, int linhaFim, int colunaFim) {
    const int inicio = doc.InicioLinha(linha) + coluna;
    doc.DefineSelecao(inicio, doc.InicioLinha(linhaFim) + colunaFim - inicio);
}
