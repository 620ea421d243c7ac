// Fuzz target: the print job on an arbitrary draft file, with one arbitrary
// tactile graphic beside the document, rendered to a recording device in
// every graphics mode, Index or Tiger. Properties: the draft reads into
// lines with no line ends and no lost or added bytes; the job closes the
// device exactly once, hands it over at most once and clears its flags;
// what is sent stays bounded; the check of a drawn page's paper reads any
// draft.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/dmvars.h"
#include "output/dmImprPagina.h"
#include "output/dmprint.h"
#include "platform/dialogos.h"
#include "tests/fuzz/fuzz_apoio.h"
#include "tests/support/config_pagina_teste.h"
#include "tests/support/dispositivo_falso.h"

namespace {

constexpr int kMaxPaginas = 8;
// A whole page of dot graphics is at most the matrix, sent row by row.
constexpr std::size_t kMaxPorPagina = 4u << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    static DialogosFalsos silencio;
    DefineDialogos(&silencio);
    silencio.Limpa();
    FuzzedDataProvider d(dados, tamanho);
    const std::uint8_t modo = d.ConsumeIntegral<std::uint8_t>();
    const std::uint8_t margens = d.ConsumeIntegral<std::uint8_t>();
    const std::string grb = d.ConsumeRandomLengthString(256);
    const std::string rascunho = d.ConsumeRemainingBytesAsString();
    GravaFuzz("g.grb", grb);
    const std::string arq = GravaFuzz("rascunho.txt", rascunho);

    InstantaneoImpressao inst;
    inst.rascunhoLido = LeRascunho(arq, inst.rascunho);
    EXIGE(inst.rascunhoLido);
    // LF ends a line, with the one CR before it (a last line without LF
    // loses a final CR too); any other CR stays.
    std::size_t bytes = 0;
    for (const std::string& l : inst.rascunho) {
        EXIGE(l.find('\n') == std::string::npos);
        bytes += l.size();
    }
    std::size_t fins = 0;
    for (char c : rascunho) fins += c == '\n';
    EXIGE(bytes + fins <= rascunho.size() && rascunho.size() <= bytes + 2 * fins + 1);
    EXIGE(inst.rascunho.size() <= fins + 1);

    // Bound the work: at most kMaxPaginas page ends.
    int paginas = 0;
    for (std::size_t i = 0; i < inst.rascunho.size(); ++i)
        if (LinhaQuebraPagina(inst.rascunho[i]) && ++paginas >= kMaxPaginas) {
            inst.rascunho.resize(i + 1);
            break;
        }

    inst.pagina = ConfigPaginaTeste();
    inst.pagina.TipoTratGrafico = modo % 5;
    inst.pagina.FrenteVerso = modo & 8;
    inst.pagina.SoFrenteInterp = modo & 16;
    if (modo & 32) {
        inst.pagina.ImprMarca = "Tiger";
        inst.pagina.EhTiger = true;
        inst.pagina.Geometria = GeometriaDoModelo("Tiger", false);
    }
    inst.pagina.ArqAtual = PastaFuzz() + "documento.txt";
    inst.pagina.TamPrefixoMargem = (modo >> 6) * 3;
    // Margins across the whole range the settings accept (0 to 40).
    inst.MargemImpar = (margens % 16) * 40 / 15;
    inst.MargemPar = ((margens >> 4) % 16) * 40 / 15;
    inst.ImprEnviaVazias = modo & 64;
    inst.NumCopias = 1 + (modo >> 7);

    // The check of a drawn page's paper reads the same draft.
    (void)FolhaNaoComporta(inst, CapacidadeFolha{static_cast<int>(margens % 48), static_cast<int>(modo % 32)});

    auto registro = std::make_shared<RegistroDispositivo>();
    auto disp = std::make_unique<DispositivoFalso>(registro, (margens & 1) != 0);
    disp->aceitaGrafico = true;
    Imprimindo = true;
    ImpressaoAtiva = true;
    ExecutaImpressao(inst, std::move(disp), nullptr);
    EXIGE(registro->fechamentos == 1);
    EXIGE(registro->conclusoes <= 1);
    EXIGE(!Imprimindo && !ImpressaoAtiva);
    const std::size_t paginasEnviadas = static_cast<std::size_t>(inst.NumCopias) * (paginas + 2) * 2;
    EXIGE(registro->Tudo().size() <= 16 * rascunho.size() + paginasEnviadas * kMaxPorPagina);
    EXIGE(registro->graficos.size() <= paginasEnviadas * (inst.rascunho.size() + 1));
    return 0;
}
