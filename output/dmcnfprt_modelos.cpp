// dmcnfprt_modelos: the embosser models and output names of the embosser
// settings window.
#include "output/dmcnfprt_modelos.h"

#include "output/dmdevice.h"
#include "platform/arquivos.h"
#include "platform/codepage.h"

#include <array>

std::vector<std::string> ModelosImpressora() {
    return {"Bax 10",      "Beta X3",     "Braille Blazie", "Braillo",    kModeloCliche,     "Index Basic",
            "Index Basic V3", "Index Basic V4", "Everest",   "Everest V4", "Juliet",          "Mountbatten",
            "Porta Thiel", kModeloPuma,   "Romeo",          "Tiger",      "Versapoint",      "Outra..."};
}

int IndiceDoModelo(const std::vector<std::string>& lista, const std::string& modelo) {
    for (std::size_t i = 0; i < lista.size(); ++i)
        if (IgualSemCaixa(lista[i], modelo)) return static_cast<int>(i);
    return -1;
}

namespace {
constexpr std::array<const char*, 6> kPortas = {"LPT1", "LPT2", "LPT3", "COM1", "COM2", "PRN"};
} // namespace

SaidaImpressora SaidaDoNome(const std::string& nome) {
    const std::string m = MaiusculasAnsi(nome);
    for (std::size_t i = 0; i < kPortas.size(); ++i)
        if (m == kPortas[i]) return static_cast<SaidaImpressora>(i);
    return NomeEhRede(nome) ? SaidaImpressora::Rede : SaidaImpressora::Arquivo;
}

std::string NomeDaSaida(SaidaImpressora s) {
    const auto i = static_cast<std::size_t>(s);
    return i < kPortas.size() ? kPortas[i] : "";
}

bool EhDispositivo(const std::string& nome) { return SaidaDoNome(nome) != SaidaImpressora::Arquivo; }

std::string ComExtensaoBRL(const std::string& nome) { return MudaExtensao(nome, ".BRL"); }

bool ModeloDecideEntradaPuma(const std::string& modelo) {
    for (std::string_view m : {std::string_view("Bax 10"), std::string_view("Braillo"), std::string_view("Juliet"),
                               std::string_view("Versapoint"), kModeloCliche.vista(), kModeloPuma.vista(),
                               std::string_view("Outra...")})
        if (modelo == m) return true;
    return modelo.rfind("Index Basic", 0) == 0 || modelo.rfind("Everest", 0) == 0;
}
