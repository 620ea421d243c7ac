// The markup command lines: which lines are commands, what each one does to
// the compile state, and every message byte for byte.
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

struct LinhaClasse {
    const char* linha;
    bool consumida;
    const char* porque;
};

TEST_F(Comandos, WhichLinesAreCommands)
{
    const LinhaClasse casos[] = {
        {"", false, "empty line"},
        {"<", false, "a lone <"},
        {"<>", false, "<> is text"},
        {"<>abc", false, "lines beginning <> are text"},
        {"abc<T->", false, "command not in the first column"},
        {"  <P>", false, "indented command"},
        {"<*** nota ***>", true, "annotation disappears"},
        {"<Xqualquer>", true, "unknown letter is consumed"},
        {"<x", true, "unknown letter, short line"},
        {"<P >", true, "P with a blank: no page break, but consumed"},
        {"<12", false, "ink page number without >"},
        {"<12>", true, "ink page number"},
        {"<1a>", false, "ink page number that does not parse"},
        {"<99999999999>", false, "ink page number that overflows"},
        {"<\xe9>", true, "a non-ASCII second character is another letter"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.porque);
        EXPECT_EQ(Processa(c.linha), c.consumida) << c.linha;
    }
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
        {"<T->", nullptr, [](auto& s) { return !s.ComTitulo; }, "T- turns headers off"},
        {"<t+>", [](auto& s) { s.ComTitulo = false; }, [](auto& s) { return s.ComTitulo; }, "t+ in lower case"},
        {"<Tcapitulo>", [](auto& s) { s.ComTitulo = false; },
         [](auto& s) { return s.TituloCabec == "capitulo" && !s.ComTitulo; }, "title keeps ComTitulo"},
        {"<Tsem fim", nullptr, [](auto& s) { return s.TituloCabec == "sem fim"; }, "title without >"},
        {"<T>", [](auto& s) { s.TituloCabec.assign(1, 'x'); }, [](auto& s) { return s.TituloCabec.empty(); },
         "<T> empties the title"},
        {"<T", [](auto& s) { s.TituloCabec.assign(1, 'x'); }, [](auto& s) { return s.TituloCabec.empty(); },
         "<T alone empties the title"},
        {"<T+5>", [](auto& s) { s.ComTitulo = false; },
         [](auto& s) { return s.ComTitulo && s.NumPagina == 5 && !s.NumeracaoRomana; },
         "number at the top of page 1"},
        {"<T*3>", nullptr, [](auto& s) { return s.NumPagina == 3 && s.NumeracaoRomana; }, "roman"},
        {"<T+>", nullptr, [](auto& s) { return s.TituloCabec.empty() && s.ComTitulo; }, "T+ is no title"},
        {"<F->", nullptr, [](auto& s) { return !s.AutoFormata && !s.ModoBruto; }, "F-"},
        {"<F*>", nullptr, [](auto& s) { return !s.AutoFormata && s.ModoBruto; }, "F* raw"},
        {"<F+>", [](auto& s) { s.ModoBruto = true; s.AutoFormata = false; },
         [](auto& s) { return s.AutoFormata && !s.ModoBruto; }, "F+ ends raw mode"},
        {"<Fx>", [](auto& s) { s.ModoBruto = true; s.AutoFormata = false; },
         [](auto& s) { return !s.AutoFormata && !s.ModoBruto; }, "other F ends only raw mode"},
        {"<F", [](auto& s) { s.ModoBruto = true; },
         [](auto& s) { return s.AutoFormata && !s.ModoBruto; }, "short F line"},
        {"<S->", nullptr, [](auto& s) { return !s.Hifenizar; }, "S-"},
        {"<S+>", [](auto& s) { s.Hifenizar = false; }, [](auto& s) { return s.Hifenizar; }, "S+"},
        {"<S", nullptr, [](auto& s) { return s.Hifenizar; }, "short S line"},
        {"<R+>", nullptr, [](auto& s) { return s.Recuo; }, "R+"},
        {"<R->", [](auto& s) { s.Recuo = true; }, [](auto& s) { return !s.Recuo; }, "R-"},
        {"<R?>", [](auto& s) { s.Recuo = true; }, [](auto& s) { return s.Recuo; }, "other R"},
        {"<I+>", nullptr, [](auto&) { return TextoIngles; }, "I+"},
        {"<I->", [](auto&) { TextoIngles = true; }, [](auto&) { return !TextoIngles; }, "I-"},
        {"<M__ >", nullptr, [](auto& s) { return s.PrefixoMargem == "__ " && s.LarguraLinha == 31; },
         "M with three characters"},
        {"<M>", [](auto& s) { s.PrefixoMargem = "ab"; s.LarguraLinha = 32; },
         [](auto& s) { return s.PrefixoMargem.empty() && s.LarguraLinha == 34; }, "<M> clears"},
        {"<M0123456789012345678901234567890123456789>", nullptr,
         [](auto& s) {
             return s.PrefixoMargem == "01234567890123456789012345678901" && s.LarguraLinha == 2;
         },
         "a 40-character prefix is cut to 32"},
        {"<12>", nullptr, [](auto& s) { return s.NumPagTinta == 12; }, "ink page 12"},
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

struct CasoMensagem {
    const char* linha;
    int linhaEditor;
    bool consumida;
    const char* mensagem;
};

TEST_F(Comandos, MessagesByteForByte)
{
    const CasoMensagem casos[] = {
        {"<T+0>", 0, true,
         "N\xfamero da p\xe1gina INV\xc1LIDO: \"0\"\r\n\r\nValor considerado: \"1\""},
        {"<T+5000>", 0, true,
         "N\xfamero da p\xe1gina INV\xc1LIDO: \"5000\"\r\n\r\nValor considerado: \"1\""},
        {"<T+12a>", 0, true,
         "N\xfamero da p\xe1gina INV\xc1LIDO: \"12a\"\r\n\r\nValor considerado: \"12\""},
        {"<T*99999999999999>", 0, true,
         "N\xfamero da p\xe1gina INV\xc1LIDO: \"99999999999999\"\r\n\r\nValor considerado: \"1\""},
        {"<G 1 fig.grb", 4, false, "Comando inv\xe1lido (linha 5): <G 1 fig.grb."},
        {"<G>", 0, false, "Comando inv\xe1lido (linha 1): <G>."},
        {"<G >", 0, false, "Comando inv\xe1lido (linha 1): <G >."},
        {"<G  fig.grb>", 2, false, "Gr\xe1" "fico sem informa\xe7\xe3o de coluna na linha 3."},
        {"<G  x fig.grb>", 0, false, "Gr\xe1" "fico com coluna inv\xe1lida na linha 1: X."},
        {"<G  1a fig.grb>", 0, false, "Gr\xe1" "fico com coluna inv\xe1lida na linha 1: 1A."},
        {"<G  -1 fig.grb>", 0, false, "Gr\xe1" "fico com coluna inv\xe1lida na linha 1: -1."},
        {"<G  99999999999 fig.grb>", 0, false,
         "Gr\xe1" "fico com coluna inv\xe1lida na linha 1: 99999999999."},
        {"<G  3 >", 6, false, "Gr\xe1" "fico sem nome do arquivo .grb na linha 7."},
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
