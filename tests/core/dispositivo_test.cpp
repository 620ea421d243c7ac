// The device layer: routing by name, output file with the "Puma 7" rule,
// spooler page events, the Tiger device on a recording surface.
#include "output/dmdevice.h"
#include "output/dmspooler.h"
#include "output/dmTigerSaida.h"
#include "platform/dialogos.h"
#include "support/dispositivo_falso.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string TempNome(const std::string& base) {
    return (std::filesystem::temp_directory_path() /
            (base + "_" + std::to_string(::getpid()))).string();
}

// Installs factories that record which back-end a name reached.
struct Rotas {
    std::vector<std::string> usadas;
    Rotas() {
        auto reg = [this](const char* tipo) {
            return [this, tipo](const PedidoDispositivo& p) -> std::unique_ptr<Dispositivo> {
                usadas.push_back(std::string(tipo) + ":" + p.nome);
                return std::make_unique<DispositivoFalso>(std::make_shared<RegistroDispositivo>());
            };
        };
        DefineFabricaSerial(reg("COM"));
        DefineFabricaParalela(reg("LPT"));
        DefineFabricaSpooler(reg("SPOOL"));
        DefineFabricaTiger(reg("TIGER"));
    }
    ~Rotas() {
        DefineFabricaSerial(nullptr);
        DefineFabricaParalela(nullptr);
        DefineFabricaSpooler(nullptr);
        DefineFabricaTiger(nullptr);
    }
};

struct CasoRota {
    const char* nome;
    bool tiger;
    const char* rota;  // "" = output file
};

class RoteamentoPorNome : public ::testing::TestWithParam<CasoRota> {};

TEST_P(RoteamentoPorNome, NomeChegaAoBackEndCerto) {
    const CasoRota c = GetParam();
    Rotas rotas;
    std::string dir = TempNome("rota");
    std::filesystem::create_directories(dir);
    std::string cwd = std::filesystem::current_path().string();
    std::filesystem::current_path(dir);
    PedidoDispositivo p;
    p.nome = c.nome;
    p.tiger = c.tiger;
    auto d = AbreDispositivoPedido(p);
    std::filesystem::current_path(cwd);
    ASSERT_TRUE(d);
    if (std::string(c.rota).empty()) {
        EXPECT_TRUE(rotas.usadas.empty());
        EXPECT_TRUE(d->EhArquivo());
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(dir) / c.nome));
    } else {
        ASSERT_EQ(rotas.usadas.size(), 1u);
        EXPECT_EQ(rotas.usadas[0], std::string(c.rota) + ":" + c.nome);
        EXPECT_FALSE(d->EhArquivo());
    }
    d->Fecha();
    std::filesystem::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(
    Nomes, RoteamentoPorNome,
    ::testing::Values(CasoRota{"COM1", false, "COM"}, CasoRota{"Com2", false, "COM"},
                      CasoRota{"lpt1", false, "LPT"}, CasoRota{"LPT3", false, "LPT"},
                      CasoRota{"prn", false, "SPOOL"}, CasoRota{"PRN", true, "TIGER"},
                      CasoRota{"LPT1:", false, ""}, CasoRota{"LPT4", false, ""},
                      CasoRota{"COM3", false, ""}, CasoRota{" PRN", false, ""},
                      CasoRota{"saida.brl", false, ""}));

TEST(MaiusculasAnsi, SobeLetrasLatinas) {
    EXPECT_EQ(MaiusculasAnsi("com1 \xe7\xe3o"), "COM1 \xc7\xc3O");
    EXPECT_EQ(MaiusculasAnsi("\xf7\xff"), "\xf7\x9f");
}

struct CasoPuma {
    const char* modelo;
    std::string enviado;
    std::string gravado;
};

class ArquivoSaidaPuma : public ::testing::TestWithParam<CasoPuma> {};

TEST_P(ArquivoSaidaPuma, FormFeedSozinhoViraTracos) {
    const CasoPuma c = GetParam();
    std::string nome = TempNome("puma");
    auto d = AbreArquivoSaida(nome, c.modelo);
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->Envia(c.enviado));
    d->Fecha();
    EXPECT_EQ(LeArquivoTeste(nome), c.gravado);
    std::remove(nome.c_str());
}

const std::string kTracos = std::string(50, '-') + "\r\n";

INSTANTIATE_TEST_SUITE_P(
    Modelos, ArquivoSaidaPuma,
    ::testing::Values(CasoPuma{"Puma 7", "\x0c", kTracos},
                      CasoPuma{"Puma 7", "\x0c\x0c", "\x0c\x0c"},
                      CasoPuma{"Puma 7", "\x0c" "abc", "\x0c" "abc"},
                      CasoPuma{"PUMA 7", "\x0c", "\x0c"},
                      CasoPuma{"Index Basic", "\x0c", "\x0c"},
                      CasoPuma{"Puma 7", "ab\r\n", "ab\r\n"}));

TEST(ArquivoSaida, CriaVazioEApagaAnterior) {
    std::string nome = TempNome("vazio");
    {
        std::ofstream f(nome);
        f << "antigo";
    }
    auto d = AbreArquivoSaida(nome, "Index");
    ASSERT_TRUE(d);
    EXPECT_EQ(LeArquivoTeste(nome), "");
    d->Fecha();
    std::remove(nome.c_str());
}

TEST(ArquivoSaida, PastaInexistenteFalha) {
    EXPECT_FALSE(AbreArquivoSaida("/nao/existe/pasta/x.brl", "Index"));
}

TEST(ArquivoSaida, DispositivoCheioFalhaNaEscrita) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "sem /dev/full";
    auto d = AbreArquivoSaida("/dev/full", "Index");
    ASSERT_TRUE(d);
    EXPECT_FALSE(d->Envia(std::string(100000, 'a')));
}

struct CasoSpooler {
    std::string texto;
    std::vector<std::string> eventos;  // after the opening "IP"
};

class SpoolerEventos : public ::testing::TestWithParam<CasoSpooler> {};

TEST_P(SpoolerEventos, FormFeedsIniciaisTerminamPaginas) {
    const CasoSpooler c = GetParam();
    std::vector<std::string> ev;
    auto d = CriaDispositivoSpooler(std::make_unique<ConexaoSpoolerFalsa>(&ev));
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->Envia(c.texto));
    std::vector<std::string> esperado{"IP"};
    esperado.insert(esperado.end(), c.eventos.begin(), c.eventos.end());
    EXPECT_EQ(ev, esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, SpoolerEventos,
    ::testing::Values(
        CasoSpooler{"\x0c\x0c" "abc", {"W:\x0c", "TP", "IP", "W:\x0c", "TP", "IP", "W:abc"}},
        CasoSpooler{"ab\x0c" "c", {"W:ab\x0c" "c"}},
        CasoSpooler{"", {}},
        CasoSpooler{"\x0c", {"W:\x0c", "TP", "IP"}}));

TEST(Spooler, FechaTerminaPaginaEJob) {
    std::vector<std::string> ev;
    auto d = CriaDispositivoSpooler(std::make_unique<ConexaoSpoolerFalsa>(&ev));
    d->Fecha();
    d->Fecha();
    EXPECT_EQ(ev, (std::vector<std::string>{"IP", "TP", "FIM"}));
}

TEST(Spooler, EscritaCurtaFalha) {
    std::vector<std::string> ev;
    auto c = std::make_unique<ConexaoSpoolerFalsa>(&ev);
    c->falhaEscrita = true;
    auto d = CriaDispositivoSpooler(std::move(c));
    EXPECT_FALSE(d->Envia("abc"));
    EXPECT_FALSE(d->Envia("\x0c"));
}

TEST(Spooler, SemConexaoNaoAbre) { EXPECT_FALSE(CriaDispositivoSpooler(nullptr)); }

// ---- Tiger -----------------------------------------------------------------

TEST(Tiger, LinhasAvancamPelaAlturaDoX) {
    std::vector<std::string> ev;
    auto d = AbreTiger(std::make_unique<SuperficieFalsa>(&ev), "doc.txt");
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->Envia("ab"));
    EXPECT_TRUE(d->Envia("c"));      // continues to the right
    EXPECT_TRUE(d->Envia("\r\n"));   // next line at the left edge
    EXPECT_TRUE(d->Envia("de\r"));
    EXPECT_TRUE(d->Envia("f"));
    EXPECT_TRUE(d->Envia("\x0c\x0c" "g"));
    d->Fecha();
    EXPECT_EQ(ev, (std::vector<std::string>{"INICIA doc.txt", "T 0,0 ab", "T 100,0 c",
                                            "T 0,80 de", "T 0,80 f", "PAGINA", "PAGINA",
                                            "T 0,0 g", "TERMINA"}));
}

TEST(Tiger, GraficoNaLinhaAtualSemMoverTexto) {
    std::vector<std::string> ev;
    auto d = AbreTiger(std::make_unique<SuperficieFalsa>(&ev), "d");
    ASSERT_TRUE(d);
    d->Envia("a\r\n");  // one line down: y = 80
    MatrizPontos m{};
    m[3 + 0 * LadoMatriz] = 1;
    m[4 + 1 * LadoMatriz] = 1;
    ev.clear();
    EXPECT_TRUE(d->EnviaGrafico(m, 3, 0, 2, 2));
    d->Envia("b");
    // Steps: 50/5 = 10 units per column, 80/8 = 10 per row, times 2.
    EXPECT_EQ(ev, (std::vector<std::string>{"P 40,80", "P 60,100", "T 0,80 b"}));
}

TEST(Tiger, AberturaQueFalha) {
    // No printer: the message, owned by no window. No font: silent.
    for (auto resultado : {SuperficieTiger::Abertura::SemImpressora, SuperficieTiger::Abertura::FalhaFonte}) {
        const bool semImpressora = resultado == SuperficieTiger::Abertura::SemImpressora;
        DialogosFalsosEscopo dlg;
        std::vector<std::string> ev;
        auto s = std::make_unique<SuperficieFalsa>(&ev);
        s->resultado = resultado;
        EXPECT_FALSE(AbreTiger(std::move(s), "d"));
        ASSERT_EQ(dlg.fake.registros.size(), semImpressora ? 1u : 0u);
        if (semImpressora) {
            EXPECT_EQ(dlg.fake.registros[0].texto, "N\xe3o consegui ativar a impressora Tiger");
            EXPECT_EQ(dlg.fake.registros[0].titulo, "Dotmara - Erro");
            EXPECT_TRUE(dlg.fake.registros[0].semDono);
        }
    }
}

TEST(Tiger, FalhaDoTextoFalhaOEnvio) {
    std::vector<std::string> ev;
    auto s = std::make_unique<SuperficieFalsa>(&ev);
    s->falhaTexto = true;
    auto d = AbreTiger(std::move(s), "d");
    ASSERT_TRUE(d);
    EXPECT_FALSE(d->Envia("abc\r\n"));
    EXPECT_TRUE(d->Envia("\r\n"));  // nothing to draw
}

}  // namespace

#include "core/dmvars.h"
#include "support/temporario.h"

namespace {

TEST(DispositivoDoPrograma, NomeAtualEArquivoOuNao) {
    RestauraPadroes();
    Rotas rotas;
    PastaTemporaria t;
    struct Caso {
        std::string nome, atual;
        bool arquivo;
    };
    for (const Caso& c : {Caso{"lpt1", "LPT1", false}, Caso{"Com2", "COM2", false},
                          Caso{"prn", "PRN", false}, Caso{t.caminho("Saida.brl"), t.caminho("Saida.brl"), true},
                          Caso{t.caminho("LPT4"), t.caminho("LPT4"), true}}) {
        ASSERT_TRUE(AbreDispositivo(c.nome)) << c.nome;
        EXPECT_EQ(DispositivoAtual, c.atual);
        EXPECT_EQ(DispositivoEhArquivo(), c.arquivo) << c.nome;
        FechaDispositivo();
    }
    ASSERT_TRUE(AbreDispositivo(t.caminho("x.brl")));
    EXPECT_TRUE(EnviaDispositivo("ab"));
    MatrizPontos m{};
    EXPECT_FALSE(EnviaGraficoDispositivo(m, 0, 0, 1, 1));
    FechaDispositivo();
    EXPECT_FALSE(EnviaDispositivo("cd"));  // nothing open
    EXPECT_EQ(t.le("x.brl"), "ab");
}

TEST(DispositivoDoPrograma, ModeloTigerLevaPrnAoTiger) {
    RestauraPadroes();
    Rotas rotas;
    ImprMarca = "tiger Cub";
    ASSERT_TRUE(AbreDispositivo("PRN"));
    EXPECT_TRUE(EhTiger.load());
    EXPECT_EQ(rotas.usadas, (std::vector<std::string>{"TIGER:PRN"}));
    auto d = TomaDispositivo();
    EXPECT_TRUE(d);
    EXPECT_FALSE(EnviaDispositivo("a"));  // the job owns it now
    ImprMarca = " Tiger";
    ASSERT_TRUE(AbreDispositivo("PRN"));
    EXPECT_FALSE(EhTiger.load());
    FechaDispositivo();
    RestauraPadroes();
}

}  // namespace

namespace {

// A network printer is a raw job on the queue it names, whatever printer the
// print dialog chose; a name that names no queue opens nothing.
TEST(DispositivoDoPrograma, ImpressoraDeRedeEhUmaFilaDeImpressao) {
    RestauraPadroes();
    struct Caso {
        std::string nome;
        bool abre;
        std::string servidor, fila;
    };
    const Caso casos[] = {
        {"\\\\127.0.0.1\\Index_Everest", true, "", "Index_Everest"},
        {"\\\\LocalHost\\braille", true, "", "braille"},
        {"\\\\servidor.escola\\Juliet", true, "servidor.escola", "Juliet"},
        {"\\\\127.0.0.1\\", false, "", ""},
        {"\\\\127.0.0.1", false, "", ""},
        {"\\\\127.0.0.1\\a\\b", false, "", ""},
    };
    for (const Caso& c : casos) {
        std::vector<std::pair<std::string, std::string>> pedidos;
        DefineFabricaSpooler([&](const PedidoDispositivo& p) -> std::unique_ptr<Dispositivo> {
            pedidos.emplace_back(p.servidor, p.impressora);
            return std::make_unique<DispositivoFalso>(std::make_shared<RegistroDispositivo>());
        });
        DispImpressora = "escolhida no dialogo";
        EXPECT_EQ(AbreDispositivo(c.nome), c.abre) << c.nome;
        if (c.abre) {
            ASSERT_EQ(pedidos.size(), 1u) << c.nome;
            EXPECT_EQ(pedidos[0].first, c.servidor) << c.nome;
            EXPECT_EQ(pedidos[0].second, c.fila) << c.nome;
            EXPECT_EQ(DispositivoAtual, c.nome);
            EXPECT_FALSE(DispositivoEhArquivo()) << c.nome;
        } else {
            EXPECT_TRUE(pedidos.empty()) << c.nome;
        }
        FechaDispositivo();
        DefineFabricaSpooler(nullptr);
    }
    RestauraPadroes();
}

}  // namespace
