// Test set-up for the editing tools that work on the document: default
// settings with an INI of their own, the recording clipboard and boxes, and
// a document in memory that the tools edit and the compiler reads, the
// output code table of the code in force loaded from the shipped files.
#pragma once

#include "core/documento.h"
#include "core/dmtraduz.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "editor/dmmetabraille.h"
#include "platform/dialogos.h"
#include "platform/servicos.h"
#include "support/config_teste.h"
#include "support/selecao_teste.h"

#include <gtest/gtest.h>

#include <algorithm>
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
        SelecionaTrecho(doc, linha, coluna, linhaFim, colunaFim);
    }
    // The lines given, all selected: from the first line's start to the last
    // line's end.
    void TextoTodoSelecionado(const std::vector<std::string>& linhas) {
        Texto(linhas);
        Seleciona(0, 0, static_cast<int>(linhas.size()) - 1, static_cast<int>(linhas.back().size()));
    }
    std::vector<std::string> Linhas() const {
        std::vector<std::string> r;
        for (int i = 0; i < doc.NumLinhas(); ++i) r.push_back(doc.Linha(i));
        return r;
    }
    // The whole document compiled as F9 does, the draft's lines in cell
    // characters (the output table the identity while it is written).
    std::vector<std::string> Rascunho() {
        ArqRascunho = rascunho.caminho("rascunho.txt");
        {
            TabelaIdentidadeEscopo identidade;
            EXPECT_TRUE(CompilaRascunho(PedidoCompilacao{}));
        }
        std::vector<std::string> r;
        const std::string bytes = rascunho.le("rascunho.txt");
        for (size_t i = 0; i < bytes.size();) {
            const size_t fim = std::min(bytes.find("\r\n", i), bytes.size());
            r.push_back(bytes.substr(i, fim - i));
            i = fim + 2;
        }
        return r;
    }

    ConfiguracaoDeTeste cfg;
    PastaTemporaria rascunho;
    ServicosFalsosEscopo servicos;
    DialogosFalsosEscopo caixas;
    DocumentoEmMemoria doc;
};
