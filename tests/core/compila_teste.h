// Test helper: lays out a document of text lines (no commands) in memory the
// way the compiler driver does, on a private compile state.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/dmtraduz.h"
#include "core/dmtraduz_estado.h"
#include "core/dmtraduz_paginas.h"
#include "core/dmtraduz_quebra.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "platform/arquivos.h"

class CompilaEmMemoria : public ::testing::Test {
protected:
    void SetUp() override
    {
        RestauraPadroes();
        DefineConsultaTamanhoReal(nullptr);
        escopo.emplace(estado);
    }
    void TearDown() override
    {
        escopo.reset();
        DefineConsultaTamanhoReal(nullptr);
        RestauraPadroes();
    }

    // The state a compile starts from: settings read now, the request's range.
    void Inicia(bool paraVisualizacao = false, int linhaCursor = 0)
    {
        pedido.ParaVisualizacao = paraVisualizacao;
        pedido.LinhaCursor = linhaCursor;
        pedido.Tradutores = InicioDosTradutores();
        escopo.reset();
        PreparaEstado(estado, pedido);
        escopo.emplace(estado);
        estado.Escritor = &escritor;
        estado.Tradutor = tradutor;
        InicializaMapas();
        PrimeiraPagina();
    }

    // One editor line as the driver hands it on (no command parsing).
    void Linha(int indice, std::string linha)
    {
        estado.LinhaEditorAtual = indice;
        estado.LinhaCentrada = estado.AutoFormata && linha.size() > 10 &&
                               linha.find_first_not_of(' ') >= 10;
        AjustaRecuo(linha);
        ProcessaLinhaTexto(linha);
    }

    // The end of the document as the driver closes it.
    void Termina() { TerminaDocumento(); }

    std::vector<std::string> Compila(const std::vector<std::string>& doc,
                                     bool paraVisualizacao = false)
    {
        Inicia(paraVisualizacao);
        for (size_t i = 0; i < doc.size() && estado.PaginaFisica <= estado.PagFinal; ++i)
            Linha(static_cast<int>(i), doc[i]);
        Termina();
        return escritor.linhas;
    }

    PedidoCompilacao pedido;
    EstadoCompilacao estado;
    EscritorRascunhoMemoria escritor;
    std::function<std::string(const std::string&)> tradutor; // null: copy
    std::optional<EscopoCompilacao> escopo;
};

inline const std::string Traco50(50, '-');
inline const std::string Igual50(50, '=');
