// Fuzz target: every group of the settings table read from an arbitrary
// DOTMARA.INI. Properties: the ranged settings end in their ranges, the
// device name is never empty, and what is read, written to a new file and
// read again gives the same settings (line breaks in a text become blanks).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "platform/dialogos.h"
#include "tests/fuzz/fuzz_apoio.h"

namespace {

constexpr GrupoConfig kGrupos[] = {GrupoConfig::Programa,  GrupoConfig::Diretorios,  GrupoConfig::PastaAtual,
                                   GrupoConfig::Recentes,  GrupoConfig::Margem,      GrupoConfig::ArquivoMacro,
                                   GrupoConfig::Impressora, GrupoConfig::Dicionario};

std::vector<std::string> Valores() {
    std::vector<std::string> v;
    for (const ChaveConfig& c : TabelaConfiguracao()) {
        std::string t = TextoDaChave(c);
        for (char& ch : t)
            if (ch == '\r' || ch == '\n') ch = ' ';
        v.push_back(t);
    }
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    DialogosFalsosEscopo dlg;
    const std::string arq =
        GravaFuzz("DOTMARA.INI", std::string(reinterpret_cast<const char*>(dados), tamanho));
    RestauraPadroes();
    for (GrupoConfig g : kGrupos) LeGrupo(g, arq);
    EXIGE(EstiloNumPag >= 0 && EstiloNumPag <= 3);
    EXIGE(TipoTratGrafico >= 0 && TipoTratGrafico <= 4);
    EXIGE(MaxCol >= 1);
    EXIGE(!ImprNomeArq.empty());
    EXIGE(dlg.fake.registros.size() <= 2);

    const std::vector<std::string> lidos = Valores();
    const std::string novo = GravaFuzz("NOVO.INI", "");
    for (GrupoConfig g : kGrupos) EXIGE(GravaGrupo(g, novo));
    RestauraPadroes();
    for (GrupoConfig g : kGrupos) LeGrupo(g, novo);
    EXIGE(Valores() == lidos);
    return 0;
}
