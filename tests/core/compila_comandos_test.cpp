// The markup command lines, at the edges the golden drafts leave: which lines
// are commands, what each does to the compile state, messages byte for byte.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/dmtraduz_comandos.h"
#include "core/dmtraduz_estado.h"
#include "core/dmtraduz_paginas.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "platform/dialogos.h"

namespace {

class Comandos : public ::testing::Test {
protected:
    void SetUp() override
    {
        RestauraPadroes();
        TextoIngles = false;
        PreparaEstado(e, PedidoCompilacao{});
        saida.linhas.clear();
        e.Escritor = &saida;
        InicializaMapas();
        PrimeiraPagina();
    }
    void TearDown() override { RestauraPadroes(); }

    bool Processa(const std::string& linha, int editor = 0)
    {
        e.LinhaEditorAtual = editor;
        return ProcessaComando(linha);
    }

    EstadoCompilacao e;
    EscritorRascunhoMemoria saida;
    EscopoCompilacao escopo{e};
    DialogosFalsosEscopo dlg;
};

TEST_F(Comandos, WhichLinesAreCommands)
{
    const struct { const char* linha; bool consumida; const char* porque; } casos[] = {
        {"", false, "empty line"},
        {"abc<T->", false, "command not in the first column"},
        {"<x", true, "unknown letter, short line"},
        {"<12", false, "ink page number without >"},
        {"<12>", true, "ink page number"},
        {"<1a>", false, "ink page number that does not parse"},
        {"<99999999999>", false, "ink page number that overflows"},
        {"<\xe9>", true, "a non-ASCII second character is another letter"},
    };
    for (const auto& c : casos) EXPECT_EQ(Processa(c.linha), c.consumida) << c.porque;
    EXPECT_TRUE(dlg.fake.registros.empty());
}

struct CasoEstado {
    const char* linha;
    std::function<void(EstadoCompilacao&)> antes;
    std::function<bool(const EstadoCompilacao&)> confere;
    const char* porque;
};

TEST_F(Comandos, StateSetByEachCommand)
{
    const std::vector<CasoEstado> casos = {
        {"<t+>", [](auto& s) { s.ComTitulo = false; }, [](auto& s) { return s.ComTitulo; }, "t+ in lower case"},
        {"<Tcapitulo>", [](auto& s) { s.ComTitulo = false; },
         [](auto& s) { return s.TituloCabec == "capitulo" && !s.ComTitulo; }, "title keeps ComTitulo"},
        {"<Tsem fim", nullptr, [](auto& s) { return s.TituloCabec == "sem fim"; }, "title without >"},
        {"<T", [](auto& s) { s.TituloCabec.assign(1, 'x'); }, [](auto& s) { return s.TituloCabec.empty(); },
         "<T alone empties the title"},
        {"<T+>", nullptr, [](auto& s) { return s.TituloCabec.empty() && s.ComTitulo; }, "T+ is no title"},
        {"<T->", nullptr, [](auto& s) { return !s.ComTitulo; }, "T- turns the header off in the compile only"},
        {"<F->", nullptr, [](auto& s) { return !s.AutoFormata && !s.ModoBruto; }, "F-"},
        {"<Fx>", [](auto& s) { s.ModoBruto = true; s.AutoFormata = false; },
         [](auto& s) { return !s.AutoFormata && !s.ModoBruto; }, "other F ends only raw mode"},
        {"<F", [](auto& s) { s.ModoBruto = true; },
         [](auto& s) { return s.AutoFormata && !s.ModoBruto; }, "short F line"},
        {"<S", nullptr, [](auto& s) { return s.Hifenizar; }, "short S line"},
        {"<R?>", [](auto& s) { s.Recuo = true; }, [](auto& s) { return s.Recuo; }, "other R"},
        {"<M0123456789012345678901234567890123456789>", nullptr,
         [](auto& s) {
             return s.PrefixoMargem == "01234567890123456789012345678901" && s.LarguraLinha == 2;
         },
         "a 40-character prefix is cut to 32"},
        {"<0>", [](auto& s) { s.NumPagTinta = 7; }, [](auto& s) { return s.NumPagTinta == 0; },
         "ink page 0 clears"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.porque);
        SetUp();
        if (c.antes) c.antes(e);
        EXPECT_TRUE(Processa(c.linha)) << c.linha;
        EXPECT_TRUE(c.confere(e)) << c.linha;
        EXPECT_TRUE(dlg.fake.registros.empty()) << c.linha;
        // Commands change the compile, never the program settings.
        EXPECT_TRUE(ComTitulo) << c.linha;
    }
}

TEST_F(Comandos, MessagesByteForByte)
{
    const struct { const char* linha; int linhaEditor; bool consumida; const char* mensagem; } casos[] = {
        {"<T*99999999999999>", 0, true,
         "N\xfamero da p\xe1gina INV\xc1LIDO: \"99999999999999\"\r\n\r\nValor considerado: \"1\""},
        {"<G>", 0, false, "Comando inv\xe1lido (linha 1): <G>."},
        {"<G >", 0, false, "Comando inv\xe1lido (linha 1): <G >."},
        {"<G  1a fig.grb>", 0, false, "Gr\xe1" "fico com coluna inv\xe1lida na linha 1: 1A."},
        {"<G  -1 fig.grb>", 0, false, "Gr\xe1" "fico com coluna inv\xe1lida na linha 1: -1."},
        {"<G  99999999999 fig.grb>", 0, false,
         "Gr\xe1" "fico com coluna inv\xe1lida na linha 1: 99999999999."},
        {"<M_ ", 9, false, "Comando inv\xe1lido (linha 10): <M_ ."},
        {"<M", 0, false, "Comando inv\xe1lido (linha 1): <M."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.linha);
        SetUp();
        dlg.fake.Limpa();
        EXPECT_EQ(Processa(c.linha, c.linhaEditor), c.consumida);
        ASSERT_EQ(dlg.fake.registros.size(), 1u);
        EXPECT_EQ(dlg.fake.registros[0].tipo, DialogosFalsos::Tipo::MensagemOK);
        EXPECT_EQ(dlg.fake.registros[0].texto, c.mensagem);
    }
}

// The column and the name of a graphic line stand apart from the blanks
// around them.
TEST_F(Comandos, GraphicLineReadsColumnAndName)
{
    TipoTratGrafico = 2;
    FrenteVerso = false;
    EXPECT_TRUE(Processa("<G+    007   dir/fig  2.grb  >"));
    ASSERT_FALSE(saida.linhas.empty());
    EXPECT_EQ(saida.linhas.back(), "\x0f\x0f\x0f\x0f 7 dir/fig  2.grb");
    EXPECT_TRUE(e.PaginaComGrafico);
}

} // namespace
