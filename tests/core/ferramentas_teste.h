// Test set-up for the editing tools that work on the document: default
// settings with an INI of their own, the recording clipboard and boxes, and
// a document in memory that the tools edit and the compiler reads, the
// output code table of the code in force loaded from the shipped files.
#pragma once

#include "core/documento.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "platform/dialogos.h"
#include "platform/servicos.h"
#include "support/config_teste.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class FerramentasTeste : public ::testing::Test {
protected:
    void SetUp() override {
        DefineDocumentoEmEdicao(&doc);
        Codigo(false);
    }
    void TearDown() override { DefineDocumentoEmEdicao(nullptr); }

    // The braille code in force and its output table.
    void Codigo(bool antigo) {
        BrailleAntigo = antigo;
        ASSERT_TRUE(CarregaTabelaImpressora());
    }
    // The document's lines, each ended by a line end as a file loads them.
    void Texto(const std::vector<std::string>& linhas) { doc = DocumentoEmMemoria(linhas); }
    // Selects from (linha, coluna) to (linhaFim, colunaFim).
    void Seleciona(int linha, int coluna, int linhaFim, int colunaFim) {
        const int inicio = doc.InicioLinha(linha) + coluna;
        doc.DefineSelecao(inicio, doc.InicioLinha(linhaFim) + colunaFim - inicio);
    }
    std::vector<std::string> Linhas() const {
        std::vector<std::string> r;
        for (int i = 0; i < doc.NumLinhas(); ++i) r.push_back(doc.Linha(i));
        return r;
    }

    ConfiguracaoDeTeste cfg;
    ServicosFalsosEscopo servicos;
    DialogosFalsosEscopo caixas;
    DocumentoEmMemoria doc;
};
