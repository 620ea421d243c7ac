// Fuzz target: every group of the settings table read from an arbitrary
// DOTMARA.INI. Properties: the ranged settings end in their ranges, the
// device name is never empty, the output name gives one radio of the
// embosser window, the folders window resolves every file path, and what is
// read, written to a new file and read again gives the same settings (line
// breaks in a text become blanks).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "editor/dmcnfdir_caminhos.h"
#include "output/dmcnfprt_modelos.h"
#include "output/dmdevice.h"
#include "platform/dialogos.h"
#include "tests/fuzz/fuzz_apoio.h"

namespace {

constexpr GrupoConfig kGrupos[] = {GrupoConfig::Programa,  GrupoConfig::Diretorios,  GrupoConfig::PastaAtual,
                                   GrupoConfig::Recentes,  GrupoConfig::Margem,      GrupoConfig::ArquivoMacro,
                                   GrupoConfig::Impressora, GrupoConfig::Dicionario};

bool ExtraiExtensaoBRL(const std::string& nome) {
    return nome.size() >= 4 && nome.compare(nome.size() - 4, 4, ".BRL") == 0;
}

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
    EXIGE(MaxCarac >= 10 && MaxCarac <= 100);
    EXIGE(MaxLin >= 2 && MaxLin <= 100);
    EXIGE(MargemImpar >= 0 && MargemImpar <= 40 && MargemPar >= 0 && MargemPar <= 40);
    EXIGE(!ImprNomeArq.empty());
    // One message at most for each ranged key.
    EXIGE(dlg.fake.registros.size() <= 6);

    // The embosser window's view of the output name.
    const SaidaImpressora saida = SaidaDoNome(ImprNomeArq);
    EXIGE(EhDispositivo(ImprNomeArq) == (saida != SaidaImpressora::Arquivo));
    std::string servidor, fila;
    if (FilaDeRede(ImprNomeArq, servidor, fila)) EXIGE(saida == SaidaImpressora::Rede && !fila.empty());
    EXIGE(ExtraiExtensaoBRL(ComExtensaoBRL(ImprNomeArq)));

    // The folders window's resolution of the paths read.
    PastasConfig pastas;
    LeDiretorios(pastas, arq);
    for (const std::string* c : {&ArqAmbCode, &ArqAmbCode2, &ArqGrafBraille, &ProgKelto, &ProgGrafemor, &ProgVelun,
                                 &ProgPuma})
        EXIGE(!c->empty());

    const std::vector<std::string> lidos = Valores();
    const std::string novo = GravaFuzz("NOVO.INI", "");
    for (GrupoConfig g : kGrupos) EXIGE(GravaGrupo(g, novo));
    RestauraPadroes();
    for (GrupoConfig g : kGrupos) LeGrupo(g, novo);
    EXIGE(Valores() == lidos);
    return 0;
}
