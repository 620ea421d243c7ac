// Fuzz target: an arbitrary file loaded as a configuration profile.
// Properties: a file that is no profile of the program changes neither the
// settings file, nor its former copy, nor the settings; one that is becomes
// the settings file byte for byte, the file it replaced is kept beside it,
// and the ranged settings read from it end in their ranges.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "editor/dmperfil.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "tests/fuzz/fuzz_apoio.h"

namespace {

std::vector<std::string> Valores() {
    std::vector<std::string> v;
    for (const ChaveConfig& c : TabelaConfiguracao()) v.push_back(TextoDaChave(c));
    return v;
}

const char kIni[] = "[DOTMARA]\r\nmaxCarac=36\r\nbrailleAntigo=S\r\n[IMPBRAILLE]\r\nMarca=Index Basic\r\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    DialogosFalsosEscopo dlg;
    const std::string conteudo(reinterpret_cast<const char*>(dados), tamanho);
    const std::string perfil = GravaFuzz("perfil.ini", conteudo);
    const std::string ini = GravaFuzz("DOTMARA.INI", kIni);
    const std::string anterior = GravaFuzz("DOTMARA.INI.bak", "anterior");
    RestauraPadroes();
    LeGrupo(GrupoConfig::Programa, ini);
    LeGrupo(GrupoConfig::Impressora, ini);
    const std::vector<std::string> antes = Valores();

    const bool carregado = CarregaConfiguracao(perfil, ini);
    EXIGE(carregado == PareceConfiguracao(conteudo));
    std::string agora;
    EXIGE(LeArquivo(ini, agora));
    EXIGE(ArquivoAnteriorAoPerfil(ini) == anterior);
    EXIGE(LeFuzz(anterior) == (carregado ? std::string(kIni) : std::string("anterior")));
    if (carregado) {
        EXIGE(agora == conteudo);
        EXIGE(EstiloNumPag >= 0 && EstiloNumPag <= 3);
        EXIGE(TipoTratGrafico >= 0 && TipoTratGrafico <= 4);
        EXIGE(MaxCol >= 1);
    } else {
        EXIGE(agora == kIni);
        EXIGE(Valores() == antes);
    }
    return 0;
}
