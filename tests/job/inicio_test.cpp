// Starting a job from the print dialog, and the worker thread itself: one
// job at a time, the failure ends, the user-interface thread reading the
// counters and cancelling while the worker runs (run under ThreadSanitizer).
#include "core/dmvars.h"
#include "output/dmprint.h"
#include "platform/dialogos.h"
#include "support/config_pagina_teste.h"
#include "support/dispositivo_falso.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <thread>

namespace {

const std::string FF = "\x0c";
const std::string TRACOS(50, '-');

class ServicosFalsos : public ServicosInicio {
public:
    bool tabela = true, impressora = true, abre = true, compila = true;
    std::vector<std::string> passos;
    std::shared_ptr<RegistroDispositivo> reg = std::make_shared<RegistroDispositivo>();
    std::function<void(int)> antesDoEnvio;
    InstantaneoImpressao inst;
    AvisosFalsos avisos;

    bool CarregaTabela() override {
        passos.push_back("tabela");
        return tabela;
    }
    bool EscolheImpressora() override {
        passos.push_back("impressora");
        return impressora;
    }
    std::unique_ptr<Dispositivo> Abre(const std::string& nome) override {
        passos.push_back("abre " + nome);
        if (!abre) return nullptr;
        auto d = std::make_unique<DispositivoFalso>(reg);
        d->antesDoEnvio = antesDoEnvio;
        return d;
    }
    void MostraProgresso() override { passos.push_back("mostra"); }
    void EscondeProgresso() override { passos.push_back("esconde"); }
    bool Compila(const PedidoCompilacao& p) override {
        passos.push_back("compila " + std::to_string(p.PagInicial) + "-" + std::to_string(p.PagFinal) +
                         " n" + std::to_string(p.NumPagInic));
        return compila;
    }
    InstantaneoImpressao Instantaneo() override {
        passos.push_back("instantaneo");
        inst.NumCopias = NumCopias;
        return inst;
    }
    AvisosImpressao* Avisos() override { return &avisos; }
};

class Inicio : public ::testing::Test {
protected:
    void SetUp() override {
        RestauraPadroes();
        Imprimindo = false;
        ImpressaoAtiva = false;
        s.inst.pagina = ConfigPaginaTeste();
        s.inst.rascunhoLido = true;
        s.inst.rascunho = {"A", TRACOS, "B"};
    }
    void TearDown() override {
        TThreadImpressao::Termina();
        Imprimindo = false;
        ImpressaoAtiva = false;
        CancelaImpressao = false;
    }
    void EsperaFim() {
        while (!TThreadImpressao::Terminaram()) std::this_thread::yield();
        TThreadImpressao::Termina();
    }
    CamposImpressao campos{"", "", "", "", "saida.brl"};
    ServicosFalsos s;
    DialogosFalsosEscopo dlg;
    std::string nome;
};

TEST_F(Inicio, CamposVaziosTomamOsPadroesEOTrabalhoRoda) {
    campos = {"x", "", "2", "abc", "saida.brl"};
    EXPECT_TRUE(IniciaImpressao(campos, s, nome));
    EXPECT_TRUE(ImpressaoAtiva.load() || !Imprimindo.load());
    EsperaFim();
    EXPECT_EQ(s.passos, (std::vector<std::string>{"tabela", "abre saida.brl", "mostra",
                                                   "compila 1-9999 n1", "instantaneo"}));
    EXPECT_EQ(NumCopias.load(), 2);
    EXPECT_EQ(s.reg->Tudo(), "A\r" + FF + "B\r" + FF + "A\r" + FF + "B\r" + FF);
    EXPECT_EQ(dlg.fake.Textos(), (std::vector<std::string>{"Arquivo enviado"}));
    EXPECT_EQ(nome, "saida.brl");
    EXPECT_FALSE(Imprimindo.load());
    EXPECT_FALSE(ImpressaoAtiva.load());
    EXPECT_EQ(s.avisos.escondidas.load(), 1);
}

TEST_F(Inicio, FaixaDePaginasVaiParaACompilacao) {
    campos = {"3", "4", "1", "7", "saida.brl"};
    EXPECT_TRUE(IniciaImpressao(campos, s, nome));
    EsperaFim();
    EXPECT_EQ(s.passos[3], "compila 3-4 n7");
}

// A network printer names its queue: the print dialog's choice of printer
// is for "PRN" only.
TEST_F(Inicio, ImpressoraDeRedeNaoPassaPeloDialogoDeImpressao) {
    campos.dispositivo = "\\\\127.0.0.1\\Everest";
    EXPECT_TRUE(IniciaImpressao(campos, s, nome));
    EsperaFim();
    EXPECT_EQ(s.passos, (std::vector<std::string>{"tabela", "abre \\\\127.0.0.1\\Everest", "mostra",
                                                   "compila 1-9999 n1", "instantaneo"}));
}

TEST_F(Inicio, SegundoInicioRecusado) {
    Imprimindo = true;
    EXPECT_FALSE(IniciaImpressao(campos, s, nome));
    EXPECT_TRUE(s.passos.empty());
    EXPECT_TRUE(Imprimindo.load());  // the running job is not touched
    EXPECT_EQ(dlg.fake.Textos(),
              (std::vector<std::string>{"N\xe3o \xe9 poss\xedvel imprimir duas listagens simultaneamente."}));
}

struct CasoFalha {
    const char* nome;
    const char* dispositivo;
    bool tabela, impressora, abre, compila;
    std::vector<std::string> mensagens;
    std::vector<std::string> passos;
};

class FalhaNoInicio : public Inicio, public ::testing::WithParamInterface<CasoFalha> {};

TEST_P(FalhaNoInicio, NadaFicaPresoNemImpresso) {
    const CasoFalha& c = GetParam();
    s.tabela = c.tabela;
    s.impressora = c.impressora;
    s.abre = c.abre;
    s.compila = c.compila;
    campos.dispositivo = c.dispositivo;
    EXPECT_FALSE(IniciaImpressao(campos, s, nome));
    EXPECT_EQ(s.passos, c.passos);
    EXPECT_EQ(dlg.fake.Textos(), c.mensagens);
    EXPECT_FALSE(Imprimindo.load());
    EXPECT_FALSE(ImpressaoAtiva.load());
    EXPECT_EQ(nome, "");
    EXPECT_TRUE(s.reg->envios.empty());
    EXPECT_TRUE(TThreadImpressao::Terminaram());
    if (!c.compila) {
        EXPECT_TRUE(s.reg->fechado);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FalhaNoInicio,
    ::testing::Values(
        CasoFalha{"tabela", "saida.brl", false, true, true, true,
                  {"Configura\xe7\xe3o da impressora Braille (amBCode.cfg) n\xe3o encontrada."},
                  {"tabela"}},
        CasoFalha{"prnCancelado", "prn", true, false, true, true, {}, {"tabela", "impressora"}},
        CasoFalha{"abertura", "COM1", true, true, false, true,
                  {"N\xe3o foi poss\xedvel abrir o dispositivo de sa\xed" "da."},
                  {"tabela", "abre COM1"}},
        // The compile failed (and said so): no stale draft is embossed.
        CasoFalha{"compilacao", "saida.brl", true, true, true, false, {},
                  {"tabela", "abre saida.brl", "mostra", "compila 1-9999 n1", "esconde"}}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(Inicio, InterfaceLeContadoresECancelaDuranteOTrabalho) {
    // A long draft; the user-interface side polls the counters as the
    // progress window's timer does, then cancels.
    s.inst.rascunho.clear();
    for (int p = 0; p < 200; ++p) {
        s.inst.rascunho.push_back("LINHA");
        s.inst.rascunho.push_back(TRACOS);
    }
    campos.copias = "50";
    std::mutex m;
    std::condition_variable cv;
    bool comecou = false;
    bool cancelou = false;
    // The worker stops at its tenth send until the user-interface side has
    // read the counters and pressed cancel, so the job cannot finish first.
    s.antesDoEnvio = [&](int n) {
        if (n == 10) {
            std::unique_lock<std::mutex> g(m);
            comecou = true;
            cv.notify_all();
            cv.wait(g, [&] { return cancelou; });
        }
    };
    ASSERT_TRUE(IniciaImpressao(campos, s, nome));
    {
        std::unique_lock<std::mutex> g(m);
        cv.wait(g, [&] { return comecou; });
    }
    std::string rotulo;
    for (int i = 0; i < 100; ++i)
        rotulo = std::string(1, 'c') + std::to_string(CopiaAtual.load()) + "/" + std::to_string(NumCopias.load()) + " p" +
                 std::to_string(PaginaAtual.load());
    EXPECT_EQ(rotulo.substr(0, 5), "c1/50");
    // A second click while the job runs is refused.
    EXPECT_FALSE(IniciaImpressao(campos, s, nome));
    CancelaImpressao = true;
    {
        std::lock_guard<std::mutex> g(m);
        cancelou = true;
        cv.notify_all();
    }
    EsperaFim();
    EXPECT_LT(CopiaAtual.load(), 50);
    EXPECT_FALSE(Imprimindo.load());
    auto t = dlg.fake.Textos();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[1], "Arquivo enviado");
}

TEST_F(Inicio, SaidaDoProgramaCancelaEJunta) {
    s.inst.rascunho.assign(100000, "X");
    campos.copias = "1000";
    ASSERT_TRUE(IniciaImpressao(campos, s, nome));
    TThreadImpressao::CancelaParaSair();
    TThreadImpressao::Termina();
    EXPECT_TRUE(TThreadImpressao::Terminaram());
    EXPECT_FALSE(Imprimindo.load());
    // Closing the program shows no end box.
    EXPECT_TRUE(dlg.fake.registros.empty());
}

}  // namespace
