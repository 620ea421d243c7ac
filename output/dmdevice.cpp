// dmdevice: routing by device name, the output file, and the open device of
// the program.
#include "output/dmdevice.h"

#include "output/dmcom.h"
#include "output/dmspooler.h"
#include "output/dmTigerSaida.h"
#include "platform/codepage.h"

#include <cstdio>

void MatrizPontos::LimpaAreaMatriz(int x, int y, int w, int h) {
    if (w < 1 || h < 1) return;
    int x1 = std::min(x + w, Lado), y1 = std::min(y + h, Lado);
    for (int yy = std::max(y, 0); yy < y1; ++yy)
        for (int xx = std::max(x, 0); xx < x1; ++xx) pontos_[Indice(xx, yy)] = 0;
}

std::string MaiusculasAnsi(const std::string& s) {
    std::string r = s;
    for (char& ch : r) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z')
            c = static_cast<unsigned char>(c - 32);
        else if (c >= 0xE0 && c != 0xF7 && c != 0xFF)
            c = static_cast<unsigned char>(c - 32);
        else if (c == 0x9A || c == 0x9C || c == 0x9E)  // s caron, oe, z caron
            c = static_cast<unsigned char>(c - 16);
        else if (c == 0xFF)
            c = 0x9F;  // y diaeresis
        ch = static_cast<char>(c);
    }
    return r;
}

bool NomeEhSerial(const std::string& m) { return m == "COM1" || m == "COM2"; }
bool NomeEhParalela(const std::string& m) { return m == "LPT1" || m == "LPT2" || m == "LPT3"; }
bool NomeEhSpooler(const std::string& m) { return m == "PRN"; }

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
    return AbreLpt(CaminhoParalela(MaiusculasAnsi(p.nome)));
}

std::unique_ptr<Dispositivo> SpoolerReal(const PedidoDispositivo& p) {
    return CriaDispositivoSpooler(AbreSpoolerRaw(p.impressora, p.documento));
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
            return AbreTiger(nullptr, p.documento);
        }
        return fabricaSpooler ? fabricaSpooler(p) : SpoolerReal(p);
    }
    return AbreArquivoSaida(p.nome, p.modelo);
}
