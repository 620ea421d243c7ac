// Starting a job from the print dialog, and the worker thread itself: one
// job at a time, the failure ends, the continuation with the job's own
// result (the Puma 7 plate program), the user-interface thread reading the
// counters and cancelling while the worker runs (run under ThreadSanitizer).
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
#include <condition_variable>
#include <optional>
#include <thread>

namespace {

const std::string FF = "\x0c";
const std::string TRACOS(50, '-');
const std::string IGUAIS(50, '=');

class InicioFalso : public ServicosInicio {
public:
    bool tabela = true, impressora = true, abre = true, compila = true;
    int falhaNoEnvio = 0;
    std::vector<std::string> passos;
    std::shared_ptr<RegistroDispositivo> reg = std::make_shared<RegistroDispositivo>();
    std::function<void(int)> antesDoEnvio;
    std::optional<CapacidadeFolha> capacidade;
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
        d->falhaNoEnvio = falhaNoEnvio;
        d->capacidade = capacidade;
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
        RestauraPadroes();
    }
    void EsperaFim() {
        while (!TThreadImpressao::Terminaram()) std::this_thread::yield();
        TThreadImpressao::Termina();
    }
    CamposImpressao campos{"", "", "", "", "saida.brl"};
    InicioFalso s;
    DialogosFalsosEscopo dlg;
    std::string nome;
};

TEST_F(Inicio, CamposDoDialogoEOTrabalhoQueRoda) {
    // Empty or bad fields take the defaults; a network printer names its
    // queue (the print dialog's choice is for "PRN" only).
    struct Caso {
        CamposImpressao campos;
        std::string compila;
        int copias;
    };
    const Caso casos[] = {{{"x", "", "2", "abc", "saida.brl"}, "compila 1-9999 n1", 2},
                          {{"3", "4", "1", "7", "saida.brl"}, "compila 3-4 n7", 1},
                          {{"", "", "", "", "\\\\127.0.0.1\\Everest"}, "compila 1-9999 n1", 1}};
    for (const Caso& c : casos) {
        s.passos.clear();
        s.reg = std::make_shared<RegistroDispositivo>();
        s.avisos.escondidas = 0;
        dlg.fake.Limpa();
        EXPECT_TRUE(IniciaImpressao(c.campos, s, nome));
        EXPECT_TRUE(ImpressaoAtiva.load() || !Imprimindo.load());
        EsperaFim();
        EXPECT_EQ(s.passos, (std::vector<std::string>{"tabela", "abre " + c.campos.dispositivo, "mostra", c.compila,
                                                       "instantaneo"}));
        std::string copia = "A\r" + FF + "B\r" + FF, tudo;
        for (int i = 0; i < c.copias; ++i) tudo += copia;
        EXPECT_EQ(s.reg->Tudo(), tudo);
        EXPECT_EQ(dlg.fake.Textos(), (std::vector<std::string>{"Arquivo enviado"}));
        EXPECT_EQ(nome, c.campos.dispositivo);
        EXPECT_FALSE(Imprimindo.load() || ImpressaoAtiva.load());
        EXPECT_EQ(s.avisos.escondidas.load(), 1);
    }
}

TEST_F(Inicio, FalhaNoInicioNadaFicaPresoNemImpresso) {
    struct Caso {
        const char* dispositivo;
        bool tabela, impressora, abre, compila;
        std::vector<std::string> mensagens, passos;
    };
    const Caso casos[] = {
        {"saida.brl", false, true, true, true,
         {"Configura\xe7\xe3o da impressora Braille (amBCode.cfg) n\xe3o encontrada."}, {"tabela"}},
        {"prn", true, false, true, true, {}, {"tabela", "impressora"}},
        {"COM1", true, true, false, true, {"N\xe3o foi poss\xedvel abrir o dispositivo de sa\xed" "da."},
         {"tabela", "abre COM1"}},
        // The compile failed (and said so): no stale draft is embossed.
        {"saida.brl", true, true, true, false, {}, {"tabela", "abre saida.brl", "mostra", "compila 1-9999 n1", "esconde"}},
    };
    for (const Caso& c : casos) {
        s.passos.clear();
        dlg.fake.Limpa();
        std::tie(s.tabela, s.impressora, s.abre, s.compila) = std::tie(c.tabela, c.impressora, c.abre, c.compila);
        campos.dispositivo = c.dispositivo;
        EXPECT_FALSE(IniciaImpressao(campos, s, nome)) << c.dispositivo;
        EXPECT_EQ(s.passos, c.passos);
        EXPECT_EQ(dlg.fake.Textos(), c.mensagens);
        EXPECT_FALSE(Imprimindo.load() || ImpressaoAtiva.load());
        EXPECT_EQ(nome, "");
        EXPECT_TRUE(s.reg->envios.empty());
        EXPECT_TRUE(TThreadImpressao::Terminaram());
        EXPECT_EQ(s.reg->fechado, !c.compila);
    }
}

// A device that draws its pages (a Tiger) has paper of a size: a line that
// would run past its edge, or a page longer than the sheet, is refused
// before anything is sent, never cut. Pages are counted and take their
// margins as the worker does; blanks draw nothing, a reserved line holds its
// graphic.
TEST_F(Inicio, FolhaQueNaoComportaARecusaAntesDeEnviar) {
    const std::string l34(34, 'A'), l33(33, 'A'), RES = "\x0b";
    struct Caso {
        const char* nome;
        std::vector<std::string> rascunho;
        int margemPar;
        std::string recusa;  // how the message begins; "": printed
    };
    const Caso casos[] = {
        {"34 celas na folha de 34", {l34, TRACOS, l34}, 0, ""},
        {"uma cela a mais", {"A", TRACOS, l34 + "-"}, 0, "A p\xe1gina 2 tem uma linha de 35 celas"},
        {"margem da pagina par", {l34, TRACOS, l33}, 2, "A p\xe1gina 2 tem uma linha de 35 celas"},
        {"quebra dupla: a pagina 3 e impar", {"A", IGUAIS, l33}, 2, ""},
        {"brancos no fim da linha", {l34 + "    "}, 0, ""},
        {"linhas demais", {"A", "B", "C", "D"}, 0, "A p\xe1gina 1 tem 4 linhas"},
        {"linhas em branco no fim", {"A", "B", "C", "", " "}, 0, ""},
        {"linhas reservadas", {"A", RES, RES, "D"}, 0, "A p\xe1gina 1 tem 4 linhas"},
    };
    s.capacidade = CapacidadeFolha{34, 3};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        s.passos.clear();
        s.reg = std::make_shared<RegistroDispositivo>();
        dlg.fake.Limpa();
        s.inst.rascunho = c.rascunho;
        s.inst.MargemPar = c.margemPar;
        const bool imprime = c.recusa.empty();
        EXPECT_EQ(IniciaImpressao(campos, s, nome), imprime);
        EsperaFim();
        const std::vector<std::string> textos = dlg.fake.Textos();
        ASSERT_EQ(textos.size(), 1u);
        if (imprime) {
            EXPECT_EQ(textos[0], "Arquivo enviado");
            EXPECT_FALSE(s.reg->Tudo().empty());
        } else {
            EXPECT_EQ(textos[0].rfind(c.recusa, 0), 0u) << textos[0];
            EXPECT_TRUE(s.reg->envios.empty());
            EXPECT_EQ(s.reg->conclusoes, 0);
            EXPECT_TRUE(s.reg->fechado);
            EXPECT_EQ(s.passos.back(), "esconde");
            EXPECT_EQ(nome, "");
        }
        EXPECT_FALSE(Imprimindo.load() || ImpressaoAtiva.load());
    }
    // What the user reads.
    s.inst.rascunho = {std::string(40, 'A')};
    dlg.fake.Limpa();
    EXPECT_FALSE(IniciaImpressao(campos, s, nome));
    EXPECT_EQ(dlg.fake.Textos(),
              (std::vector<std::string>{
                  "A p\xe1gina 1 tem uma linha de 40 celas (margem inclu\xed" "da),\r\ne a folha da impressora Tiger "
                  "tem 34 celas por linha (\"Colunas\" da se\xe7\xe3o IMPBRAILLE do DOTMARA.INI):\r\no fim da linha "
                  "ficaria fora do papel. Nada foi enviado \xe0 impressora.\r\nDiminua as colunas da \xe1rea de "
                  "impress\xe3o ou a margem nos par\xe2metros do programa,\r\nou aumente \"Colunas\" na se\xe7\xe3o "
                  "IMPBRAILLE."}));
}

TEST_F(Inicio, InterfaceLeContadoresECancelaDuranteOTrabalho) {
    // The user-interface side polls the counters as the progress window's timer does, then cancels.
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
        rotulo = TextoProgresso(CopiaAtual.load(), NumCopias.load(), PaginaAtual.load());
    EXPECT_EQ(rotulo.substr(0, 21), "Imprimindo c\xf3pia 1/50");
    // A second click while the job runs is refused, and calls nothing; the running job goes on.
    bool chamada = false;
    s.passos.clear();
    EXPECT_FALSE(IniciaImpressao(campos, s, nome, [&](bool) { chamada = true; }));
    EXPECT_FALSE(chamada);
    EXPECT_TRUE(s.passos.empty());
    EXPECT_TRUE(Imprimindo.load());
    CancelaImpressao = true;
    {
        std::lock_guard<std::mutex> g(m);
        cancelou = true;
        cv.notify_all();
    }
    EsperaFim();
    EXPECT_LT(CopiaAtual.load(), 50);
    EXPECT_FALSE(Imprimindo.load());
    EXPECT_EQ(dlg.fake.Textos(), (std::vector<std::string>{"N\xe3o \xe9 poss\xedvel imprimir duas listagens simultaneamente.",
                                                         "Arquivo enviado"}));
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

TEST_F(Inicio, ContinuacaoRecebeOResultadoDoProprioTrabalho) {
    struct Caso {
        const char* descricao;
        int falhaNoEnvio;
        bool cancela, ok;
    };
    for (const Caso& c : {Caso{"every page went out", 0, false, true}, Caso{"a page did not go out", 1, false, false},
                          Caso{"cancelled while printing", 0, true, false}}) {
        SCOPED_TRACE(c.descricao);
        s.falhaNoEnvio = c.falhaNoEnvio;
        s.antesDoEnvio = [&](int) {
            if (c.cancela) CancelaImpressao = true;
        };
        std::atomic<int> chamadas{0}, boas{0};
        std::atomic<bool> flagsLimpas{true};
        ASSERT_TRUE(IniciaImpressao(campos, s, nome, [&](bool ok) {
            ++chamadas;
            boas += ok;
            // The job is over for the dialog before the continuation runs.
            flagsLimpas = !Imprimindo.load() && !ImpressaoAtiva.load();
        }));
        EsperaFim();
        EXPECT_EQ(chamadas.load(), 1);
        EXPECT_EQ(boas.load(), c.ok ? 1 : 0);
        EXPECT_TRUE(flagsLimpas.load());
        CancelaImpressao = false;
    }
}

TEST_F(Inicio, Puma7SoDepoisDoSucessoDesteTrabalho) {
    PastaTemporaria pasta;
    ServicosFalsosEscopo srv;
    CriaPastasDe(pasta.caminho("puma/puma2"));
    ProgPuma = pasta.grava("puma/puma2", "#!/bin/sh\n");
    ::chmod(CaminhoNativo(ProgPuma).c_str(), 0755);
    for (const auto& [falha, inicia] : {std::pair{1, false}, std::pair{0, true}, std::pair{1, false}}) {
        srv.fake.programas.clear();
        const std::string placa = PreparaPuma();
        ASSERT_FALSE(placa.empty());
        s.falhaNoEnvio = falha;
        campos.dispositivo = placa;
        ASSERT_TRUE(IniciaImpressao(campos, s, nome, [placa](bool ok) { ChamaPuma(placa, ok); }));
        EsperaFim();
        std::vector<ServicosFalsos::Programa> esperados;
        if (inicia) esperados.push_back({ProgPuma, {placa}, pasta.caminho("puma")});
        EXPECT_EQ(srv.fake.programas, esperados) << falha;
        std::remove(CaminhoNativo(placa).c_str());
    }
}

}  // namespace
