// dmdevice: routing by device name, the output file, and the open device of
// the program.
#include "output/dmdevice.h"

#include "output/dmcom.h"
#include "output/dmspooler.h"
#include "output/dmTigerSaida.h"
#include "platform/codepage.h"

#include <cstdio>

std::string MaiusculasAnsi(const std::string& s) {
    std::string r = s;
    for (char& ch : r)
        ch = static_cast<char>(MaiusculaWindows(static_cast<unsigned char>(ch)));
    return r;
}

bool NomeEhSerial(const std::string& m) { return m == "COM1" || m == "COM2"; }
bool NomeEhParalela(const std::string& m) { return m == "LPT1" || m == "LPT2" || m == "LPT3"; }
bool NomeEhSpooler(const std::string& m) { return m == "PRN"; }
bool NomeEhRede(const std::string& nome) { return nome.rfind("\\\\", 0) == 0; }

bool FilaDeRede(const std::string& nome, std::string& servidor, std::string& fila) {
    if (!NomeEhRede(nome)) return false;
    const std::size_t barra = nome.find('\\', 2);
    if (barra == std::string::npos) return false;
    servidor = nome.substr(2, barra - 2);
    fila = nome.substr(barra + 1);
    if (fila.empty() || fila.find_first_of("\\/") != std::string::npos) return false;
    const std::string m = MaiusculasAnsi(servidor);
    if (m.empty() || m == "127.0.0.1" || m == "LOCALHOST" || m == "::1") servidor.clear();
    return true;
}

namespace {

class DispositivoArquivo : public Dispositivo {
public:
    DispositivoArquivo(std::FILE* f, bool puma) : f_(f), puma_(puma) {}
    ~DispositivoArquivo() override { Fecha(); }

    bool Envia(std::string_view texto) override {
        if (!f_) return false;
        static const std::string_view traco =
            "--------------------------------------------------\r\n";
        if (puma_ && texto == "\x0c") texto = traco;
        if (!texto.empty() && std::fwrite(texto.data(), 1, texto.size(), f_) != texto.size())
            return false;
        return std::fflush(f_) == 0;
    }
    void Fecha() override {
        if (f_) {
            std::fclose(f_);
            f_ = nullptr;
        }
    }
    bool EhArquivo() const override { return true; }

private:
    std::FILE* f_;
    bool puma_;
};

FabricaDispositivo fabricaSerial, fabricaParalela, fabricaSpooler, fabricaTiger;

std::unique_ptr<Dispositivo> SerialReal(const PedidoDispositivo& p) {
    OpcoesSerial op;
    op.cancela = p.cancela;
    op.aviso = p.avisoBloqueio;
    return AbreCom(CaminhoSerial(MaiusculasAnsi(p.nome)), std::move(op));
}

std::unique_ptr<Dispositivo> ParalelaReal(const PedidoDispositivo& p) {
    return AbreLpt(CaminhoParalela(MaiusculasAnsi(p.nome)), p.cancela);
}

std::unique_ptr<Dispositivo> SpoolerReal(const PedidoDispositivo& p) {
    return CriaDispositivoSpooler(AbreSpoolerRaw(p.impressora, p.documento, p.servidor));
}

}  // namespace

std::unique_ptr<Dispositivo> AbreArquivoSaida(const std::string& nome, const std::string& modelo) {
    std::FILE* f = std::fopen(Cp1252ParaUtf8(nome).c_str(), "wb");
    if (!f) return nullptr;
    return std::make_unique<DispositivoArquivo>(f, modelo == "Puma 7");
}

void DefineFabricaSerial(FabricaDispositivo f) { fabricaSerial = std::move(f); }
void DefineFabricaParalela(FabricaDispositivo f) { fabricaParalela = std::move(f); }
void DefineFabricaSpooler(FabricaDispositivo f) { fabricaSpooler = std::move(f); }
void DefineFabricaTiger(FabricaDispositivo f) { fabricaTiger = std::move(f); }

std::unique_ptr<Dispositivo> AbreDispositivoPedido(const PedidoDispositivo& p) {
    std::string m = MaiusculasAnsi(p.nome);
    if (NomeEhSerial(m)) return fabricaSerial ? fabricaSerial(p) : SerialReal(p);
    if (NomeEhParalela(m)) return fabricaParalela ? fabricaParalela(p) : ParalelaReal(p);
    if (NomeEhSpooler(m)) {
        if (p.tiger) {
            if (fabricaTiger) return fabricaTiger(p);
            return AbreTiger(nullptr, p.documento, p.folha);
        }
        return fabricaSpooler ? fabricaSpooler(p) : SpoolerReal(p);
    }
    if (NomeEhRede(p.nome)) {
        // The queue named, whatever printer the print dialog chose.
        PedidoDispositivo rede = p;
        if (!FilaDeRede(p.nome, rede.servidor, rede.impressora)) return nullptr;
        return fabricaSpooler ? fabricaSpooler(rede) : SpoolerReal(rede);
    }
    return AbreArquivoSaida(p.nome, p.modelo);
}

// ---- The program's open device ------------------------------------------------

#include "core/dmvars.h"
#include "output/dmTiger.h"

std::string DispositivoAtual;
std::atomic<bool> EhTiger{false};

namespace {
std::unique_ptr<Dispositivo> dispositivoAberto;
const std::atomic<bool>* cancelaAbertura = &CancelaImpressao;
std::function<void(const std::string&)> avisoAbertura;
}  // namespace

void AtualizaEhTiger() { EhTiger = ModeloEhTiger(ImprMarca); }

void DefineContextoAbertura(const std::atomic<bool>* cancela,
                            std::function<void(const std::string&)> avisoBloqueio) {
    cancelaAbertura = cancela ? cancela : &CancelaImpressao;
    avisoAbertura = std::move(avisoBloqueio);
}

bool AbreDispositivo(const std::string& nome) {
    std::string m = MaiusculasAnsi(nome);
    DispositivoAtual = (NomeEhSerial(m) || NomeEhParalela(m) || NomeEhSpooler(m)) ? m : nome;
    AtualizaEhTiger();
    PedidoDispositivo p;
    p.nome = nome;
    p.modelo = ImprMarca;
    p.tiger = EhTiger;
    p.documento = ArqAtual;
    p.impressora = DispImpressora;
    p.porta = PortaImpressora;
    p.driver = DriverImpressora;
    p.folha = FolhaTiger{ImprColunas, ImprPolegsForm};
    p.cancela = cancelaAbertura;
    p.avisoBloqueio = avisoAbertura;
    dispositivoAberto = AbreDispositivoPedido(p);
    return dispositivoAberto != nullptr;
}

bool EnviaDispositivo(const std::string& texto) {
    return dispositivoAberto && dispositivoAberto->Envia(texto);
}

bool EnviaGraficoDispositivo(const MatrizPontos& m, int c0, int r0, int nc, int nr) {
    return dispositivoAberto && dispositivoAberto->EnviaGrafico(m, c0, r0, nc, nr);
}

void FechaDispositivo() {
    if (dispositivoAberto) dispositivoAberto->Fecha();
    dispositivoAberto.reset();
}

bool DispositivoEhArquivo() {
    return !(NomeEhSerial(DispositivoAtual) || NomeEhParalela(DispositivoAtual) ||
             NomeEhSpooler(DispositivoAtual) || NomeEhRede(DispositivoAtual));
}

std::unique_ptr<Dispositivo> TomaDispositivo() { return std::move(dispositivoAberto); }
