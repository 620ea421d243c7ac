// The end of a print job as its starter's continuation, and the Puma 7
// plate program on it: started only after this job's own success, never
// after a failed, cancelled or refused job.
#include "core/dmvars.h"
#include "editor/dmexternos.h"
#include "output/dmprint.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/servicos.h"
#include "support/config_pagina_teste.h"
#include "support/dispositivo_falso.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <thread>

namespace {

// The steps of a start, all of them succeeding; the device fails on the
// write numbered falhaNoEnvio (0: never).
class InicioFalso : public ServicosInicio {
public:
    int falhaNoEnvio = 0;
    std::shared_ptr<RegistroDispositivo> reg = std::make_shared<RegistroDispositivo>();
    AvisosFalsos avisos;
    std::function<void(int)> antesDoEnvio;

    bool CarregaTabela() override { return true; }
    bool EscolheImpressora() override { return true; }
    std::unique_ptr<Dispositivo> Abre(const std::string&) override {
        auto d = std::make_unique<DispositivoFalso>(reg, true);
        d->falhaNoEnvio = falhaNoEnvio;
        d->antesDoEnvio = antesDoEnvio;
        return d;
    }
    void MostraProgresso() override {}
    void EscondeProgresso() override {}
    bool Compila(const PedidoCompilacao&) override { return true; }
    InstantaneoImpressao Instantaneo() override {
        InstantaneoImpressao i;
        i.pagina = ConfigPaginaTeste();
        i.rascunhoLido = true;
        i.rascunho = {"A", std::string(50, '-'), "B"};
        i.NumCopias = NumCopias;
        return i;
    }
    AvisosImpressao* Avisos() override { return &avisos; }
};

class FimDoTrabalho : public ::testing::Test {
protected:
    void SetUp() override {
        RestauraPadroes();
        Imprimindo = false;
        ImpressaoAtiva = false;
        CancelaImpressao = false;
    }
    void TearDown() override {
        TThreadImpressao::Termina();
        Imprimindo = false;
        ImpressaoAtiva = false;
        CancelaImpressao = false;
        RestauraPadroes();
    }
    void EsperaFim() {
        while (!TThreadImpressao::Terminaram()) std::this_thread::yield();
        TThreadImpressao::Termina();
    }
    InicioFalso s;
    DialogosFalsosEscopo dlg;
    std::string nome;
};

TEST_F(FimDoTrabalho, ContinuacaoRecebeOResultadoDoProprioTrabalho) {
    struct Caso {
        const char* descricao;
        int falhaNoEnvio;
        bool cancela;
        int boas;         // calls that were told the job ended well
    };
    const Caso casos[] = {
        {"every page went out", 0, false, 1},
        {"a page did not go out", 1, false, 0},
        {"cancelled while printing", 0, true, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.descricao);
        s.falhaNoEnvio = c.falhaNoEnvio;
        s.antesDoEnvio = [&](int) {
            if (c.cancela) CancelaImpressao = true;
        };
        std::atomic<int> chamadas{0}, boas{0};
        std::atomic<bool> flagsLimpas{true};
        ASSERT_TRUE(IniciaImpressao({"", "", "", "", "placa"}, s, nome, [&](bool ok) {
            ++chamadas;
            boas += ok;
            // The job is over for the dialog before the continuation runs.
            flagsLimpas = !Imprimindo.load() && !ImpressaoAtiva.load();
        }));
        EsperaFim();
        EXPECT_EQ(chamadas.load(), 1);
        EXPECT_EQ(boas.load(), c.boas);
        EXPECT_TRUE(flagsLimpas.load());
        CancelaImpressao = false;
    }
}

TEST_F(FimDoTrabalho, TrabalhoRecusadoNaoChamaAContinuacao) {
    Imprimindo = true;
    bool chamada = false;
    EXPECT_FALSE(IniciaImpressao({"", "", "", "", "placa"}, s, nome, [&](bool) { chamada = true; }));
    EXPECT_FALSE(chamada);
}

TEST_F(FimDoTrabalho, Puma7SoDepoisDoSucessoDesteTrabalho) {
    PastaTemporaria pasta;
    ServicosFalsosEscopo srv;
    CriaPastasDe(pasta.caminho("puma/puma2"));
    ProgPuma = pasta.grava("puma/puma2", "#!/bin/sh\n");
    ::chmod(CaminhoNativo(ProgPuma).c_str(), 0755);
    struct Caso {
        const char* descricao;
        int falhaNoEnvio;
        bool inicia;
    };
    for (const Caso& c : {Caso{"after a failed job: nothing", 1, false}, Caso{"after a good job: the plate program", 0, true},
                          Caso{"after another failed job: still nothing new", 1, false}}) {
        SCOPED_TRACE(c.descricao);
        srv.fake.programas.clear();
        const std::string placa = PreparaPuma();
        ASSERT_FALSE(placa.empty());
        s.falhaNoEnvio = c.falhaNoEnvio;
        ASSERT_TRUE(IniciaImpressao({"", "", "", "", placa}, s, nome,
                                    [placa](bool ok) { ChamaPuma(placa, ok); }));
        EsperaFim();
        std::vector<ServicosFalsos::Programa> esperados;
        if (c.inicia) esperados.push_back({ProgPuma, {placa}, pasta.caminho("puma")});
        EXPECT_EQ(srv.fake.programas, esperados);
        std::remove(CaminhoNativo(placa).c_str());
    }
}

} // namespace
