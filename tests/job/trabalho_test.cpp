// The print job: copies, margins by page parity, cancel, failing devices, the
// end boxes, the snapshot taken at the start. Also run under ThreadSanitizer.
#include "core/dmvars.h"
#include "output/dmcom.h"
#include "output/dmdevice_geometria.h"
#include "output/dmgrafpr.h"
#include "output/dmprint.h"
#include "output/dmspooler.h"
#include "platform/dialogos.h"
#include "support/config_pagina_teste.h"
#include "support/dispositivo_falso.h"
#include "support/pty_teste.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
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
    std::unique_ptr<DispositivoFalso> Disp() { return std::make_unique<DispositivoFalso>(reg); }
    void Executa(std::unique_ptr<Dispositivo> d) { ExecutaImpressao(inst, std::move(d), &avisos); }
    std::vector<std::string> Caixas() const {
        std::vector<std::string> r;
        for (const auto& c : dlg.registros)
            r.push_back(c.tipo == DialogosFalsos::Tipo::Caixa ? c.texto + "|" + c.titulo : c.texto);
        return r;
    }

    InstantaneoImpressao inst;
    std::shared_ptr<RegistroDispositivo> reg;
    DialogosComEstado dlg;
    AvisosFalsos avisos;
};

const std::string kEnviado = "Arquivo enviado|Fim de impress\xe3o";
const std::string kErro = "Erro ao acionar a impressora|Verifique se a impressora est\xe1 ligada";

TEST_F(Trabalho, PaginasCopiasEFins) {
    enum class NoEnvio { Nada, Falha, Cancela, Lanca, NaoEntrega };
    struct Caso {
        const char* nome;
        std::function<void(InstantaneoImpressao&)> prepara;
        std::vector<std::string> rascunho;
        NoEnvio acao;
        int envio;  // the write (from 1) the action comes at
        std::vector<std::string> envios;
        std::vector<std::string> caixas;
        int copiaFinal;
    };
    const std::string copia = " A\r" + FF + "   B\r" + FF + "   C\r" + FF + " D\r" + FF;
    const std::string longa(600, 'K');
    const Caso casos[] = {
        // Page 1 odd, page 2 even, "=" skips page 3 so page 4 is even again,
        // then page 5 odd; the second copy starts over at page 1.
        {"margens pela paridade e copias",
         [](auto& i) { i.MargemImpar = 1; i.MargemPar = 3; i.NumCopias = 2; },
         {"A", TRACOS, "B", IGUAIS, "C", TRACOS + "      ", "D"}, NoEnvio::Nada, 0,
         {copia + copia}, {kEnviado}, 2},
        {"zero copias", [](auto& i) { i.NumCopias = 0; i.rascunhoLido = false; }, {"A"}, NoEnvio::Nada, 0,
         {""}, {kEnviado}, 0},
        {"vazia sem a opcao", [](auto&) {}, {"", "A"}, NoEnvio::Nada, 0, {"\r\nA\r" + FF}, {kEnviado}, 1},
        {"vazia com a opcao", [](auto& i) { i.ImprEnviaVazias = true; }, {"", "A"}, NoEnvio::Nada, 0,
         {" \r\nA\r" + FF}, {kEnviado}, 1},
        {"linha longa nao e cortada", [](auto&) {}, {longa}, NoEnvio::Nada, 0, {longa + "\r" + FF}, {kEnviado}, 1},
        // Cancel during the first page: the worker stops before its next
        // line and the next copy; the job ends as sent.
        {"cancelar", [](auto& i) { i.NumCopias = 3; }, {"A", TRACOS, "B", "C", TRACOS, "D"}, NoEnvio::Cancela, 1,
         {"A\r" + FF}, {kEnviado}, 1},
        // A cancel during a page's first write still lets that page out whole.
        {"cancelar nao corta a pagina", [](auto&) {}, {"A", TRACOS, "B", "C", TRACOS, "D"}, NoEnvio::Cancela, 3,
         {"A\r" + FF + "B\r\nC\r" + FF}, {kEnviado}, 1},
        {"dispositivo que falha", [](auto& i) { i.NumCopias = 2; }, {"A", TRACOS, "B", TRACOS, "C"}, NoEnvio::Falha,
         3, {"A\r" + FF}, {kErro}, 1},
        {"excecao no trabalho", [](auto&) {}, {"A", TRACOS, "B"}, NoEnvio::Lanca, 2, {"A\r"}, {kErro}, 1},
        // A drawn job goes to its printer at the end: if it does not, that is
        // no success.
        {"entrega que falha", [](auto&) {}, {"A"}, NoEnvio::NaoEntrega, 0, {"A\r" + FF}, {kErro}, 1},
        {"pagina grafica que falha", [](auto& i) { i.pagina.TipoTratGrafico = 3; }, {"A"}, NoEnvio::Falha, 1,
         {""}, {"Erro no dispositivo", kErro}, 1},
        {"rascunho ilegivel", [](auto& i) { i.rascunhoLido = false; }, {}, NoEnvio::Nada, 0, {""},
         {"Erro de leitura no arquivo de rascunho!", kErro}, 0},
        {"cliche espera antes de fechar", [](auto& i) { i.pagina.ImprMarca = "Impressora de clich\xea"; }, {"A"},
         NoEnvio::Nada, 0, {"A\r" + FF}, {"Espere o fim da impress\xe3o|Quando terminar, clique em OK", kEnviado}, 1},
    };
    for (const Caso& c : casos) {
        inst = InstantaneoImpressao{};
        dlg.Limpa();
        dlg.fechadoNaCaixa.clear();
        avisos.escondidas = 0;
        SetUp();
        c.prepara(inst);
        inst.rascunho = c.rascunho;
        auto d = Disp();
        if (c.acao == NoEnvio::Falha) d->falhaNoEnvio = c.envio;
        if (c.acao == NoEnvio::NaoEntrega) d->concluiOk = false;
        d->antesDoEnvio = [&c](int n) {
            if (n != c.envio) return;
            if (c.acao == NoEnvio::Cancela) CancelaImpressao = true;
            if (c.acao == NoEnvio::Lanca) throw std::bad_alloc();
        };
        Executa(std::move(d));
        EXPECT_EQ(std::vector<std::string>{reg->Tudo()}, c.envios) << c.nome;
        EXPECT_EQ(Caixas(), c.caixas) << c.nome;
        EXPECT_EQ(CopiaAtual.load(), c.copiaFinal) << c.nome;
        EXPECT_EQ(ImpressaoOk.load(), c.caixas.back() == kEnviado) << c.nome;
        // The end box comes with the device closed, owned by no window, the
        // flags down, the progress window hidden once.
        ASSERT_FALSE(dlg.fechadoNaCaixa.empty()) << c.nome;
        EXPECT_TRUE(dlg.fechadoNaCaixa.back()) << c.nome;
        EXPECT_EQ(dlg.fechadoNaCaixa.front(), c.caixas.front().rfind("Espere", 0) != 0) << c.nome;
        EXPECT_TRUE(dlg.registros.back().semDono) << c.nome;
        EXPECT_EQ(reg->fechamentos, 1) << c.nome;
        // Only a job that went well is handed over.
        EXPECT_EQ(reg->conclusoes, c.caixas.back() == kEnviado || c.acao == NoEnvio::NaoEntrega) << c.nome;
        EXPECT_FALSE(Imprimindo.load() || ImpressaoAtiva.load()) << c.nome;
        EXPECT_EQ(avisos.escondidas.load(), 1) << c.nome;
        TearDown();
    }
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

TEST_F(Trabalho, RascunhoParaArquivoByteAByte) {
    PastaTemporaria t;
    inst.pagina.ImprMarca = "Puma 7";
    inst.MargemPar = 2;
    inst.rascunho = {"AB", "", "C", IGUAIS, "D"};
    Executa(AbreArquivoSaida(t.caminho("saida.brl"), "Puma 7"));
    const std::string tracos = TRACOS + "\r\n";
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

// A raw job on a real print server (the queue DOTMARA_TESTE_CUPS names, if
// any): opened on this thread, written and closed by a worker.
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

// The same server stopped (SIGSTOP to the cupsd whose pid DOTMARA_TESTE_CUPSD
// names) once the job is written: its end is given up at the limit, the
// user told that the server does not answer, and the job is no success.
TEST(SpoolerCups, ServidorParadoNoFimNaoEhSucesso) {
    const char* fila = std::getenv("DOTMARA_TESTE_CUPS");
    const char* cupsd = std::getenv("DOTMARA_TESTE_CUPSD");
    if (!fila || !*fila || !cupsd || !*cupsd) GTEST_SKIP() << "DOTMARA_TESTE_CUPS e DOTMARA_TESTE_CUPSD";
    const pid_t servidor = static_cast<pid_t>(std::atoi(cupsd));
    DialogosFalsosEscopo dlg;
    auto d = CriaDispositivoSpooler(AbreSpoolerRaw(fila, "teste", std::string(), 500));
    ASSERT_TRUE(d);
    ASSERT_TRUE(d->Envia("AB\r\n\x0c"));
    ASSERT_EQ(::kill(servidor, SIGSTOP), 0);
    const auto inicio = std::chrono::steady_clock::now();
    const bool concluido = d->Conclui();
    const auto duracao = std::chrono::steady_clock::now() - inicio;
    d->Fecha();
    ::kill(servidor, SIGCONT);
    EXPECT_FALSE(concluido);
    EXPECT_LT(duracao, std::chrono::seconds(3));
    EXPECT_EQ(dlg.fake.Textos(), std::vector<std::string>{MensagemServidorNaoResponde()});
}

}  // namespace
