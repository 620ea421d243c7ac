// The print job: copies, margins by page parity, cancel, failing devices, the
// end boxes, the snapshot taken at the start, and the start sequence of the
// print dialog. Also run under ThreadSanitizer.
#include "core/dmvars.h"
#include "output/dmdevice_geometria.h"
#include "output/dmgrafpr.h"
#include "output/dmprint.h"
#include "platform/dialogos.h"
#include "support/config_pagina_teste.h"
#include "support/dispositivo_falso.h"
#include "support/pty_teste.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include "output/dmcom.h"
#include "output/dmspooler.h"

#include <cstdlib>

#include <atomic>
#include <chrono>
#include <sys/stat.h>
#include <unistd.h>
#include <thread>

namespace {

const std::string FF = "\x0c";
const std::string TRACOS(50, '-');
const std::string IGUAIS(50, '=');

// Dialog service that also notes whether the device was closed when each box
// appeared (the end sequence closes it before the end box).
class DialogosComEstado : public DialogosFalsos {
public:
    std::shared_ptr<RegistroDispositivo> reg;
    std::vector<bool> fechadoNaCaixa;
    int Caixa(const std::string& texto, const std::string& titulo, Icone icone, Botoes botoes,
              bool semDono) override {
        {
            std::lock_guard<std::mutex> g(reg->mtx);
            fechadoNaCaixa.push_back(reg->fechado);
        }
        return DialogosFalsos::Caixa(texto, titulo, icone, botoes, semDono);
    }
};

class Trabalho : public ::testing::Test {
protected:
    void SetUp() override {
        RestauraPadroes();
        reg = std::make_shared<RegistroDispositivo>();
        dlg.reg = reg;
        DefineDialogos(&dlg);
        inst.pagina = ConfigPaginaTeste();
        inst.rascunhoLido = true;
        CancelaImpressao = false;
        Imprimindo = true;
        ImpressaoAtiva = true;
    }
    void TearDown() override {
        DefineDialogos(nullptr);
        CancelaImpressao = false;
        Imprimindo = false;
        ImpressaoAtiva = false;
    }
    std::unique_ptr<DispositivoFalso> Disp(bool arquivo = false) {
        return std::make_unique<DispositivoFalso>(reg, arquivo);
    }
    void Executa(std::unique_ptr<Dispositivo> d) { ExecutaImpressao(inst, std::move(d), &avisos); }
    std::vector<std::string> Caixas() const {
        std::vector<std::string> r;
        for (const auto& c : dlg.registros)
            if (c.tipo == DialogosFalsos::Tipo::Caixa) r.push_back(c.texto + "|" + c.titulo);
        return r;
    }

    InstantaneoImpressao inst;
    std::shared_ptr<RegistroDispositivo> reg;
    DialogosComEstado dlg;
    AvisosFalsos avisos;
};

const std::string kEnviado = "Arquivo enviado|Fim de impress\xe3o";
const std::string kErro = "Erro ao acionar a impressora|Verifique se a impressora est\xe1 ligada";

TEST_F(Trabalho, MargensPelaParidadeECopias) {
    inst.MargemImpar = 1;
    inst.MargemPar = 3;
    inst.NumCopias = 2;
    inst.rascunho = {"A", TRACOS, "B", IGUAIS, "C", TRACOS + "      ", "D"};
    Executa(Disp());
    // Page 1 odd, page 2 even, "=" skips page 3 so page 4 is even again, then
    // page 5 odd; the second copy starts over at page 1.
    std::string copia = " A\r" + FF + "   B\r" + FF + "   C\r" + FF + " D\r" + FF;
    EXPECT_EQ(reg->Tudo(), copia + copia);
    EXPECT_EQ(CopiaAtual.load(), 2);
    EXPECT_EQ(PaginaAtual.load(), 5);
    EXPECT_EQ(Caixas(), (std::vector<std::string>{kEnviado}));
    EXPECT_EQ(dlg.fechadoNaCaixa, (std::vector<bool>{true}));
    EXPECT_TRUE(dlg.registros.back().semDono);
    EXPECT_FALSE(Imprimindo.load());
    EXPECT_FALSE(ImpressaoAtiva.load());
    EXPECT_EQ(avisos.escondidas.load(), 1);
    EXPECT_EQ(reg->fechamentos, 1);
}

TEST_F(Trabalho, Puma7EmArquivoEscreveVersoEmBranco) {
    inst.pagina.ImprMarca = "Puma 7";
    inst.rascunho = {"A", IGUAIS, "B"};
    Executa(Disp(true));
    // The page's own form feed, then one for the blank back side.
    EXPECT_EQ(reg->envios, (std::vector<std::string>{"A\r", FF, FF, "B\r", FF}));
}

TEST_F(Trabalho, ZeroCopiasNadaEnviado) {
    inst.NumCopias = 0;
    inst.rascunhoLido = false;
    inst.rascunho = {"A"};
    Executa(Disp());
    EXPECT_TRUE(reg->envios.empty());
    EXPECT_TRUE(reg->fechado);
    EXPECT_EQ(Caixas(), (std::vector<std::string>{kEnviado}));
}

TEST_F(Trabalho, VaziasViramBrancoSoComOpcao) {
    inst.rascunho = {"", "A"};
    Executa(Disp());
    EXPECT_EQ(reg->envios[0], "\r\n");
    reg->envios.clear();
    inst.ImprEnviaVazias = true;
    Executa(Disp());
    EXPECT_EQ(reg->envios[0], " \r\n");
}

TEST_F(Trabalho, LinhaLongaNaoEhCortada) {
    std::string longa(600, 'K');
    inst.rascunho = {longa};
    Executa(Disp());
    EXPECT_EQ(reg->envios[0], longa + "\r");
}

TEST_F(Trabalho, CancelarParaAntesDaProximaLinha) {
    inst.NumCopias = 3;
    inst.rascunho = {"A", TRACOS, "B", "C", TRACOS, "D"};
    auto d = Disp();
    // Cancel while the first page goes out: the worker notices before its next
    // line and before the next copy; the job ends as sent.
    d->antesDoEnvio = [](int n) {
        if (n == 1) CancelaImpressao = true;
    };
    Executa(std::move(d));
    EXPECT_EQ(reg->envios, (std::vector<std::string>{"A\r", FF}));
    EXPECT_EQ(CopiaAtual.load(), 1);
    EXPECT_EQ(Caixas(), (std::vector<std::string>{kEnviado}));
}

TEST_F(Trabalho, CancelarNaoCortaUmaPaginaEmCurso) {
    inst.rascunho = {"A", TRACOS, "B", "C", TRACOS, "D"};
    // The cancel comes during the second page's first write: that page still
    // goes out whole, with its form feed.
    auto d = Disp();
    d->antesDoEnvio = [](int n) {
        if (n == 3) CancelaImpressao = true;
    };
    Executa(std::move(d));
    EXPECT_EQ(reg->envios, (std::vector<std::string>{"A\r", FF, "B\r\n", "C\r", FF}));
}

TEST_F(Trabalho, DispositivoComFalhaTerminaComErro) {
    inst.NumCopias = 2;
    inst.rascunho = {"A", TRACOS, "B", TRACOS, "C"};
    auto d = Disp();
    d->falhaNoEnvio = 3;  // the second page's line
    Executa(std::move(d));
    EXPECT_EQ(reg->envios, (std::vector<std::string>{"A\r", FF}));
    EXPECT_EQ(CopiaAtual.load(), 1);
    EXPECT_EQ(Caixas(), (std::vector<std::string>{kErro}));
    EXPECT_EQ(dlg.fechadoNaCaixa, (std::vector<bool>{true}));
    EXPECT_FALSE(ImpressaoOk.load());
    EXPECT_FALSE(Imprimindo.load());
}

TEST_F(Trabalho, ExcecaoDentroDoTrabalhoAindaTerminaComErro) {
    inst.rascunho = {"A", TRACOS, "B"};
    auto d = Disp();
    d->antesDoEnvio = [](int n) {
        if (n == 2) throw std::bad_alloc();
    };
    Executa(std::move(d));
    EXPECT_EQ(Caixas(), (std::vector<std::string>{kErro}));
    EXPECT_EQ(dlg.fechadoNaCaixa, (std::vector<bool>{true}));
    EXPECT_FALSE(Imprimindo.load());
    EXPECT_FALSE(ImpressaoAtiva.load());
    EXPECT_EQ(avisos.escondidas.load(), 1);
}

TEST_F(Trabalho, FalhaNaPaginaGraficaMostraErroNoDispositivo) {
    inst.pagina.TipoTratGrafico = 3;
    inst.rascunho = {"A"};
    auto d = Disp();
    d->falhaNoEnvio = 1;
    Executa(std::move(d));
    EXPECT_EQ(dlg.Textos(), (std::vector<std::string>{"Erro no dispositivo", "Erro ao acionar a impressora"}));
}

TEST_F(Trabalho, RascunhoIlegivelAindaFechaTudo) {
    inst.rascunhoLido = false;
    Executa(Disp());
    EXPECT_EQ(dlg.Textos(), (std::vector<std::string>{"Erro de leitura no arquivo de rascunho!",
                                                      "Erro ao acionar a impressora"}));
    EXPECT_TRUE(reg->fechado);
    EXPECT_FALSE(Imprimindo.load());
    EXPECT_FALSE(ImpressaoAtiva.load());
    EXPECT_EQ(avisos.escondidas.load(), 1);
}

TEST_F(Trabalho, ClicheEsperaAntesDeFechar) {
    inst.pagina.ImprMarca = "Impressora de clich\xea";
    inst.rascunho = {"A"};
    Executa(Disp());
    EXPECT_EQ(Caixas(), (std::vector<std::string>{"Espere o fim da impress\xe3o|Quando terminar, clique em OK",
                                                  kEnviado}));
    EXPECT_EQ(dlg.fechadoNaCaixa, (std::vector<bool>{false, true}));
}

// A job composes its graphic pages on a matrix of its own: the graphic tools
// of the user-interface thread drawing on theirs meanwhile change nothing
// the embosser gets (and, under ThreadSanitizer, race with nothing).
TEST_F(Trabalho, PaginasGraficasNaoUsamAMatrizDasFerramentas) {
    inst.pagina.TipoTratGrafico = 3;
    for (int p = 0; p < 6; ++p) {
        for (int i = 0; i < 20; ++i) inst.rascunho.push_back(std::string(30, static_cast<char>('A' + (p + i) % 26)));
        inst.rascunho.push_back(TRACOS);
    }
    Executa(Disp());
    const std::string esperado = reg->Tudo();
    ASSERT_FALSE(esperado.empty());

    auto outro = std::make_shared<RegistroDispositivo>();
    dlg.reg = outro;
    std::atomic<bool> fim{false};
    std::thread trabalhador([&] {
        ExecutaImpressao(inst, std::make_unique<DispositivoFalso>(outro), &avisos);
        fim = true;
    });
    // The preview and the relief text at work on the user-interface thread.
    for (int n = 0; !fim.load(); ++n) {
        LimpaMatriz();
        for (int x = 0; x < LadoMatriz; x += 2) MarcaPonto(x, (x + n) % LadoMatriz);
        LimpaAreaMatriz(0, 0, 100, 100);
    }
    trabalhador.join();
    EXPECT_EQ(outro->Tudo(), esperado);
    LimpaMatriz();
}

TEST(LeRascunho, FinsDeLinhaELinhasLongas) {
    PastaTemporaria t;
    std::string longa(1000, 'x');
    std::string p = t.grava("r.txt", "a\r\n\r\n" + longa + "\nb\rc");
    std::vector<std::string> l;
    ASSERT_TRUE(LeRascunho(p, l));
    // A lone CR is a byte of its line: the job gets the lines the view shows.
    EXPECT_EQ(l, (std::vector<std::string>{"a", "", longa, "b\rc"}));
    EXPECT_FALSE(LeRascunho(t.caminho("falta.txt"), l));
    EXPECT_TRUE(l.empty());
    // A pipe in the draft's place is refused rather than read until a
    // writer comes.
    const std::string cano = t.caminho("cano.txt");
    ASSERT_EQ(::mkfifo(cano.c_str(), 0600), 0);
    EXPECT_FALSE(LeRascunho(cano, l));
}

TEST(Instantaneo, GeometriaDeImpressaoERascunhoDoInicio) {
    RestauraPadroes();
    PastaTemporaria t;
    ArqRascunho = t.grava("r.txt", "A\r\n");
    ImprMarca = "Tiger Pro";
    ModoVisualizacao = true;
    CarregaGeometria();  // the view's double-size set is in force
    InstantaneoImpressao i = TiraInstantaneo();
    EXPECT_TRUE(i.pagina.Geometria == GeometriaDoModelo("Tiger Pro", false));
    EXPECT_TRUE(i.pagina.EhTiger);
    EXPECT_EQ(i.rascunho, (std::vector<std::string>{"A"}));
    // A compile or edit after the start does not reach the job.
    t.grava("r.txt", "B\r\n");
    ImprMarca = "Index";
    EXPECT_EQ(i.rascunho, (std::vector<std::string>{"A"}));
    EXPECT_EQ(i.pagina.ImprMarca, "Tiger Pro");
    RestauraPadroes();
}

TEST(TextoProgresso, CopiaEPaginasFeitas) {
    EXPECT_EQ(TextoProgresso(0, 2, 1), "Imprimindo");
    EXPECT_EQ(TextoProgresso(1, 2, 1), "Imprimindo c\xf3pia 1/2");
    EXPECT_EQ(TextoProgresso(1, 2, 4), "Imprimindo c\xf3pia 1/2 pag.3");
    EXPECT_EQ(TextoProgresso(0, 1, 3), "Imprimindo pag.2");
}

}  // namespace

namespace {

TEST_F(Trabalho, RascunhoParaArquivoByteAByte) {
    PastaTemporaria t;
    inst.pagina.ImprMarca = "Puma 7";
    inst.MargemPar = 2;
    inst.rascunho = {"AB", "", "C", IGUAIS, "D"};
    Executa(AbreArquivoSaida(t.caminho("saida.brl"), "Puma 7"));
    const std::string tracos = std::string(50, '-') + "\r\n";
    // The "=" page end skips the blank back: page 3 is odd again, no margin.
    EXPECT_EQ(t.le("saida.brl"), "AB\r\n\r\nC\r" + tracos + tracos + "D\r" + tracos);
    EXPECT_EQ(Caixas(), (std::vector<std::string>{kEnviado}));
}

TEST_F(Trabalho, RascunhoPelaPortaSerial) {
    Pty pty;
    ASSERT_FALSE(pty.nome.empty());
    inst.rascunho = {"AB", TRACOS, "C"};
    Executa(AbreCom(pty.nome, OpcoesSerial{}));
    const std::string esperado = "AB\r" + FF + "C\r" + FF;
    EXPECT_EQ(pty.Le(esperado.size()), esperado);
}

}  // namespace

namespace {

// A raw job on a real print server, as a job uses it: opened on this thread,
// written and closed by a worker. Runs only where DOTMARA_TESTE_CUPS names a
// raw queue of a running CUPS server.
TEST(SpoolerCups, AbertoNaInterfaceEscritoNoTrabalhador) {
    const char* fila = std::getenv("DOTMARA_TESTE_CUPS");
    if (!fila || !*fila) GTEST_SKIP() << "DOTMARA_TESTE_CUPS sem fila";
    auto d = CriaDispositivoSpooler(AbreSpoolerRaw(fila, "teste"));
    ASSERT_TRUE(d);
    bool ok = false;
    std::thread w([&] {
        ok = d->Envia("AB\r\n") && d->Envia("\x0c") && d->Envia("C\r");
        d->Fecha();
    });
    w.join();
    EXPECT_TRUE(ok);
}

}  // namespace
