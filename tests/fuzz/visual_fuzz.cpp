// Fuzz target: the braille view on an arbitrary draft file, and the
// back-check of its lines. Properties: one display line per draft line, each
// of the width its mode gives; positions, pages and line indices stay within
// the draft; the go-to-page answer lands on an existing page; the reversed
// text is never longer than the braille line and its visible part holds no
// character 0.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/dmchkbrl.h"
#include "core/dmtraduz_rascunho.h"
#include "core/dmvars.h"
#include "editor/dmvisual_linhas.h"
#include "tests/fuzz/fuzz_apoio.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    FuzzedDataProvider d(dados, tamanho);
    const int modo = d.ConsumeIntegralInRange<int>(-1, kQuantModosLinhas);
    const int maxCarac = d.ConsumeIntegralInRange<int>(-1, 48);
    const int sel = d.ConsumeIntegralInRange<int>(-2, 300);
    const int k = d.ConsumeIntegralInRange<int>(-2, 300);
    BrailleAntigo = d.ConsumeBool();
    for (int i = 0; i < 256; ++i) TabelaImpressora[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
    for (int i = d.ConsumeIntegralInRange<int>(0, 8); i > 0; --i) {
        const std::uint8_t de = d.ConsumeIntegral<std::uint8_t>();
        TabelaImpressora[de] = d.ConsumeIntegral<std::uint8_t>();
    }
    DynIntArray mapaA, mapaR;
    for (int i = d.ConsumeIntegralInRange<int>(0, 12); i > 0; --i) {
        mapaA.push_back(d.ConsumeIntegralInRange<int>(-1, 40));
        mapaR.push_back(d.ConsumeIntegralInRange<int>(-1, 40));
    }
    const std::string resposta = d.ConsumeRandomLengthString(16);
    const std::string rascunho = d.ConsumeRemainingBytesAsString();
    const std::string arq = GravaFuzz("rascunho.txt", rascunho);

    std::vector<std::string> lidas;
    EXIGE(LeRascunho(arq, lidas));
    EXIGE(lidas.size() <= rascunho.size() + 1);
    const int n = static_cast<int>(lidas.size());

    const std::vector<std::string> rotulos = MontaRotulosLinha(nullptr);
    EXIGE(rotulos.size() == static_cast<std::size_t>(kQuantRotulos));
    const std::vector<std::string> vista = MontaLinhasVisual(lidas, modo, maxCarac, rotulos);
    EXIGE(vista.size() == lidas.size());
    const std::size_t largura = static_cast<std::size_t>(std::max(maxCarac, 0));
    int quebras = 0;
    for (std::size_t i = 0; i < vista.size(); ++i) {
        if (LinhaQuebraPagina(lidas[i])) {
            EXIGE(vista[i].size() == 50);
            quebras += LinhaQuebraDupla(lidas[i]) ? 2 : 1;
            continue;
        }
        switch (modo) {
        case mlNumeracaoEsquerda: EXIGE(vista[i].size() == 4 + 1 + largura + 1); break;
        case mlNumeracaoDireita: EXIGE(vista[i].size() == largura + 1 + 4); break;
        case mlLimiteLinha: EXIGE(vista[i].size() == largura + 1); break;
        default: EXIGE(vista[i] == (LinhaReservada(lidas[i]) ? std::string() : lidas[i]));
        }
    }

    const PosicaoVisual p = CalculaPosicao(lidas, sel);
    EXIGE(p.paginaFisica >= 1 && p.paginaFisica <= 1 + quebras);
    EXIGE(p.linha >= 0 && p.linha <= std::max(sel + 1, 0));
    const int ultima = UltimaPaginaDoRascunho(lidas);
    EXIGE(ultima >= 1 && ultima <= 1 + quebras);
    const int indice = IndiceDaPagina(lidas, k);
    EXIGE(indice >= 0 && indice <= std::max(n - 1, 0));
    const int anterior = PaginaAnteriorDe(lidas, sel);
    EXIGE(anterior >= 1 && anterior <= 1 + quebras);

    int destino = -1;
    std::string mensagem;
    const int tamanhoMapa = static_cast<int>(mapaA.size());
    if (InterpretaPaginaPedida(resposta, mapaA, mapaR, tamanhoMapa, ultima, destino, mensagem))
        EXIGE(destino >= 1 && destino <= ultima && mensagem.empty());
    const int linhaEditor = LinhaEditorDoRascunho(sel, mapaA, tamanhoMapa, 999);
    EXIGE(linhaEditor == 999 || (linhaEditor >= -1 && linhaEditor <= 40));
    (void)TextoPagina(mapaA, sel);

    for (const std::string& l : lidas) {
        const std::string r = ReverteBraille(l);
        EXIGE(r.size() <= l.size());
        const std::string visivel = TextoVisivelReversao(r);
        EXIGE(visivel.find('\0') == std::string::npos);
        EXIGE(r.compare(0, visivel.size(), visivel) == 0);
    }
    return 0;
}
