// The device layer: routing by name, output file with the "Puma 7" rule,
// spooler page events, the Tiger device on a recording surface.
#include "core/dmvars.h"
#include "output/dmdevice.h"
#include "output/dmspooler.h"
#include "output/dmTigerSaida.h"
#include "platform/dialogos.h"
#include "support/dispositivo_falso.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <netinet/in.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <tuple>

namespace {

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

TEST(RoteamentoPorNome, NomeChegaAoBackEndCerto) {
    struct Caso {
        const char* nome;
        bool tiger;
        const char* rota; // "" = output file
    };
    const Caso casos[] = {{"COM1", false, "COM"}, {"Com2", false, "COM"}, {"lpt1", false, "LPT"},
                          {"LPT3", false, "LPT"}, {"prn", false, "SPOOL"}, {"PRN", true, "TIGER"},
                          {"LPT1:", false, ""},   {"LPT4", false, ""},     {"COM3", false, ""},
                          {" PRN", false, ""},    {"saida.brl", false, ""}};
    PastaTemporaria t;
    const std::string cwd = std::filesystem::current_path().string();
    std::filesystem::current_path(t.dir());
    for (const Caso& c : casos) {
        Rotas rotas;
        PedidoDispositivo p;
        p.nome = c.nome;
        p.tiger = c.tiger;
        auto d = AbreDispositivoPedido(p);
        EXPECT_TRUE(d) << c.nome;
        if (!d) continue;
        const bool arquivo = std::string(c.rota).empty();
        EXPECT_EQ(rotas.usadas, (arquivo ? std::vector<std::string>{} : std::vector<std::string>{std::string(c.rota) + ":" + c.nome}));
        EXPECT_EQ(d->EhArquivo(), arquivo) << c.nome;
        EXPECT_EQ(std::filesystem::exists(c.nome), arquivo) << c.nome;
        d->Fecha();
    }
    std::filesystem::current_path(cwd);
    EXPECT_EQ(MaiusculasAnsi("com1 \xe7\xe3o\xf7\xff"), "COM1 \xc7\xc3O\xf7\x9f");
}

TEST(ArquivoSaida, FormFeedSozinhoViraTracosNoPuma7) {
    const std::string tracos = std::string(50, '-') + "\r\n";
    struct Caso {
        const char* modelo;
        std::string enviado, gravado;
    };
    const Caso casos[] = {{"Puma 7", "\x0c", tracos},          {"Puma 7", "\x0c\x0c", "\x0c\x0c"},
                          {"Puma 7", "\x0c" "abc", "\x0c" "abc"}, {"PUMA 7", "\x0c", "\x0c"},
                          {"Index Basic", "\x0c", "\x0c"},     {"Puma 7", "ab\r\n", "ab\r\n"}};
    PastaTemporaria t;
    for (const Caso& c : casos) {
        // Each opening starts the file empty.
        t.grava("saida.brl", "antigo");
        auto d = AbreArquivoSaida(t.caminho("saida.brl"), c.modelo);
        ASSERT_TRUE(d);
        EXPECT_EQ(t.le("saida.brl"), "");
        EXPECT_TRUE(d->Envia(c.enviado));
        d->Fecha();
        EXPECT_EQ(t.le("saida.brl"), c.gravado) << c.modelo;
    }
    EXPECT_FALSE(AbreArquivoSaida("/nao/existe/pasta/x.brl", "Index"));
    if (std::filesystem::exists("/dev/full")) {
        auto d = AbreArquivoSaida("/dev/full", "Index");
        ASSERT_TRUE(d);
        EXPECT_FALSE(d->Envia(std::string(100000, 'a')));
    }
}

TEST(Spooler, FormFeedsIniciaisTerminamPaginas) {
    const std::pair<std::string, std::vector<std::string>> casos[] = {
        {"\x0c\x0c" "abc", {"IP", "W:\x0c", "TP", "IP", "W:\x0c", "TP", "IP", "W:abc"}},
        {"ab\x0c" "c", {"IP", "W:ab\x0c" "c"}},
        {"", {"IP"}},
        {"\x0c", {"IP", "W:\x0c", "TP", "IP"}}};
    for (const auto& [texto, eventos] : casos) {
        std::vector<std::string> ev;
        auto d = CriaDispositivoSpooler(std::make_unique<ConexaoSpoolerFalsa>(&ev));
        ASSERT_TRUE(d);
        EXPECT_TRUE(d->Envia(texto));
        EXPECT_EQ(ev, eventos);
    }
    // Closing twice ends the page and the job once.
    std::vector<std::string> ev;
    auto d = CriaDispositivoSpooler(std::make_unique<ConexaoSpoolerFalsa>(&ev));
    d->Fecha();
    d->Fecha();
    EXPECT_EQ(ev, (std::vector<std::string>{"IP", "TP", "FIM"}));
    // A job that went well is concluded, then ended; the print server's
    // answer is the job's (a job it did not take is no success).
    for (bool aceito : {true, false}) {
        ev.clear();
        auto c = std::make_unique<ConexaoSpoolerFalsa>(&ev);
        c->concluiOk = aceito;
        d = CriaDispositivoSpooler(std::move(c));
        EXPECT_EQ(d->Conclui(), aceito);
        d->Fecha();
        EXPECT_EQ(ev, (std::vector<std::string>{"IP", "TP", "CONCLUI", "FIM"}));
    }
    // A short write fails; no connection, no device.
    auto c = std::make_unique<ConexaoSpoolerFalsa>(&ev);
    c->falhaEscrita = true;
    d = CriaDispositivoSpooler(std::move(c));
    EXPECT_FALSE(d->Envia("abc"));
    EXPECT_FALSE(d->Envia("\x0c"));
    EXPECT_FALSE(CriaDispositivoSpooler(nullptr));
}

// Lines advance by the height of "x"; a page is started only when something
// is drawn on it, so the form feed that ends the last page adds no sheet,
// while a blank page between two drawn ones is kept. A job that is not
// concluded is dropped, and the surface's own result is the job's.
TEST(Tiger, LinhasEPaginasSoQuandoAlgoEhDesenhado) {
    struct Caso {
        const char* nome;
        std::vector<std::string> envios;
        bool conclui;
        std::vector<std::string> eventos;
    };
    const Caso casos[] = {
        {"linhas", {"ab", "c", "\r\n", "de\r", "f"}, true,
         {"PAGINA", "T 0,0 ab", "T 100,0 c", "T 0,80 de", "T 0,80 f", "TERMINA"}},
        {"ultima pagina", {"A\r", "\x0c", "B\r", "\x0c"}, true,
         {"PAGINA", "T 0,0 A", "PAGINA", "T 0,0 B", "TERMINA"}},
        {"frente so", {"A\r", "\x0c\x0c", "B\r", "\x0c\x0c"}, true,
         {"PAGINA", "T 0,0 A", "PAGINA", "PAGINA", "T 0,0 B", "TERMINA"}},
        {"brancos", {"  \r\n", "\x0c", "   \r"}, true, {"TERMINA"}},
        {"sem conclusao", {"A\r", "\x0c"}, false, {"PAGINA", "T 0,0 A", "DESCARTA"}},
    };
    for (const Caso& c : casos) {
        std::vector<std::string> ev;
        auto d = AbreTiger(std::make_unique<SuperficieFalsa>(&ev), "doc.txt", FolhaTiger{});
        ASSERT_TRUE(d);
        for (const std::string& t : c.envios) EXPECT_TRUE(d->Envia(t)) << c.nome;
        if (c.conclui) {
            EXPECT_TRUE(d->Conclui()) << c.nome;
        }
        d->Fecha();
        std::vector<std::string> esperados{"INICIA doc.txt"};
        esperados.insert(esperados.end(), c.eventos.begin(), c.eventos.end());
        EXPECT_EQ(ev, esperados) << c.nome;
    }
    std::vector<std::string> ev;
    auto s = std::make_unique<SuperficieFalsa>(&ev);
    s->terminaOk = false;
    s->capacidade = {30, 25};
    auto d = AbreTiger(std::move(s), "d", FolhaTiger{});
    ASSERT_TRUE(d && d->Capacidade());
    EXPECT_EQ(d->Capacidade()->celas, 30);
    EXPECT_EQ(d->Capacidade()->linhas, 25);
    EXPECT_FALSE(d->Conclui());
}

TEST(Tiger, GraficoNaLinhaAtualSemMoverTexto) {
    std::vector<std::string> ev;
    auto d = AbreTiger(std::make_unique<SuperficieFalsa>(&ev), "d", FolhaTiger{});
    ASSERT_TRUE(d);
    d->Envia("a\r\n"); // one line down: y = 80
    MatrizPontos m{};
    m[3 + 0 * LadoMatriz] = 1;
    m[4 + 1 * LadoMatriz] = 1;
    ev.clear();
    EXPECT_TRUE(d->EnviaGrafico(m, 3, 0, 2, 2));
    d->Envia("b");
    // Steps: 50/5 = 10 units per column, 80/8 = 10 per row, times 2.
    EXPECT_EQ(ev, (std::vector<std::string>{"P 40,80", "P 60,100", "T 0,80 b"}));
}

TEST(Tiger, FalhasDaAberturaEDoTexto) {
    // No printer: the message, owned by no window. No font: silent.
    for (auto resultado : {SuperficieTiger::Abertura::SemImpressora, SuperficieTiger::Abertura::FalhaFonte}) {
        DialogosFalsosEscopo dlg;
        std::vector<std::string> ev;
        auto s = std::make_unique<SuperficieFalsa>(&ev);
        s->resultado = resultado;
        EXPECT_FALSE(AbreTiger(std::move(s), "d", FolhaTiger{}));
        if (resultado == SuperficieTiger::Abertura::SemImpressora) {
            ASSERT_EQ(dlg.fake.registros.size(), 1u);
            EXPECT_EQ(dlg.fake.registros[0].texto, "N\xe3o consegui ativar a impressora Tiger");
            EXPECT_EQ(dlg.fake.registros[0].titulo, "Dotmara - Erro");
            EXPECT_TRUE(dlg.fake.registros[0].semDono);
        } else {
            EXPECT_TRUE(dlg.fake.registros.empty());
        }
    }
    std::vector<std::string> ev;
    auto s = std::make_unique<SuperficieFalsa>(&ev);
    s->falhaTexto = true;
    auto d = AbreTiger(std::move(s), "d", FolhaTiger{});
    ASSERT_TRUE(d);
    EXPECT_FALSE(d->Envia("abc\r\n"));
    EXPECT_TRUE(d->Envia("\r\n")); // nothing to draw
}

TEST(DispositivoDoPrograma, NomeAtualEArquivoOuNao) {
    RestauraPadroes();
    Rotas rotas;
    PastaTemporaria t;
    const std::tuple<std::string, std::string, bool> casos[] = {
        {"lpt1", "LPT1", false}, {"prn", "PRN", false}, {t.caminho("LPT4"), t.caminho("LPT4"), true}};
    for (const auto& [nome, atual, arquivo] : casos) {
        ASSERT_TRUE(AbreDispositivo(nome)) << nome;
        EXPECT_EQ(DispositivoAtual, atual);
        EXPECT_EQ(DispositivoEhArquivo(), arquivo) << nome;
        FechaDispositivo();
    }
    ASSERT_TRUE(AbreDispositivo(t.caminho("x.brl")));
    EXPECT_TRUE(EnviaDispositivo("ab"));
    MatrizPontos m{};
    EXPECT_FALSE(EnviaGraficoDispositivo(m, 0, 0, 1, 1));
    FechaDispositivo();
    EXPECT_FALSE(EnviaDispositivo("cd")); // nothing open
    EXPECT_EQ(t.le("x.brl"), "ab");
}

TEST(DispositivoDoPrograma, ModeloTigerLevaPrnAoTiger) {
    RestauraPadroes();
    Rotas rotas;
    ImprMarca = "tiger Cub";
    ASSERT_TRUE(AbreDispositivo("PRN"));
    EXPECT_TRUE(EhTiger.load());
    EXPECT_EQ(rotas.usadas, (std::vector<std::string>{"TIGER:PRN"}));
    EXPECT_TRUE(TomaDispositivo());
    EXPECT_FALSE(EnviaDispositivo("a")); // the job owns it now
    ImprMarca = " Tiger";
    ASSERT_TRUE(AbreDispositivo("PRN"));
    EXPECT_FALSE(EhTiger.load());
    FechaDispositivo();
    RestauraPadroes();
}

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
        using Pedidos = std::vector<std::pair<std::string, std::string>>;
        EXPECT_EQ(pedidos, (c.abre ? Pedidos{{c.servidor, c.fila}} : Pedidos{})) << c.nome;
        if (c.abre) {
            EXPECT_EQ(DispositivoAtual, c.nome);
            EXPECT_FALSE(DispositivoEhArquivo()) << c.nome;
        }
        FechaDispositivo();
        DefineFabricaSpooler(nullptr);
    }
    RestauraPadroes();
}

// A print server that is stopped (nothing listens) or hung (its socket takes
// connections and nothing answers): the queue count and a raw job each give
// up after the limit and say that the server does not answer; the count
// tells a hung server (which the system's print dialog would wait on without
// end) from one that is not there. A job never
// goes to a queue nobody named.
TEST(ServidorImpressao, QueNaoRespondeEhDeixadoNoLimite) {
    PastaTemporaria t;
    // Listening, never accepting, never answering.
    const int tcp = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t n = sizeof a;
    ASSERT_EQ(::bind(tcp, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(::listen(tcp, 16), 0);
    ASSERT_EQ(::getsockname(tcp, reinterpret_cast<sockaddr*>(&a), &n), 0);
    const std::string travado = "127.0.0.1:" + std::to_string(ntohs(a.sin_port));
    const int local = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un u{};
    u.sun_family = AF_UNIX;
    const std::string sock = t.caminho("cups.sock");
    ASSERT_LT(sock.size(), sizeof u.sun_path);
    std::memcpy(u.sun_path, sock.c_str(), sock.size());
    ASSERT_EQ(::bind(local, reinterpret_cast<sockaddr*>(&u), sizeof u), 0);
    ASSERT_EQ(::listen(local, 16), 0);
    // Nothing listens there any more.
    const int fechada = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in f = a;
    f.sin_port = 0;
    n = sizeof f;
    ASSERT_EQ(::bind(fechada, reinterpret_cast<sockaddr*>(&f), sizeof f), 0);
    ASSERT_EQ(::getsockname(fechada, reinterpret_cast<sockaddr*>(&f), &n), 0);
    ::close(fechada);
    const std::string parado = "127.0.0.1:" + std::to_string(ntohs(f.sin_port));

    struct Caso {
        std::string servidor;
        bool consulta, abre, calado;
    };
    const Caso casos[] = {{travado, true, false, true}, {sock, false, true, false}, {parado, true, true, false}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.servidor);
        DialogosFalsosEscopo dlg;
        const auto inicio = std::chrono::steady_clock::now();
        if (c.consulta) {
            const FilasImpressao r = ConsultaFilasImpressao(c.servidor, 300);
            EXPECT_FALSE(r.responde);
            EXPECT_EQ(r.calado, c.calado);
        }
        if (c.abre) {
            EXPECT_FALSE(AbreSpoolerRaw("braille", "doc", c.servidor, 300));
            EXPECT_EQ(dlg.fake.Textos(), (std::vector<std::string>{MensagemServidorNaoResponde(c.servidor)}));
        }
        EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(5));
        dlg.fake.Limpa();
        EXPECT_FALSE(AbreSpoolerRaw("", "doc", c.servidor, 300));
        EXPECT_TRUE(dlg.fake.Textos().empty());
    }
    ::close(tcp);
    ::close(local);
}

} // namespace
