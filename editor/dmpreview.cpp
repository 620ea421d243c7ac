// The braille strip's captions.
#include "editor/dmpreview.h"

#include "core/dmtraduz.h"
#include "core/dmtraduz_estado.h"
#include "core/dmutil.h"
#include "core/dmvars.h"

std::string TraduzLinhaIsolada(const std::string& texto) {
    static EstadoCompilacao isolado; // raw mode off
    isolado.Tradutores = InicioDosTradutores();
    EscopoCompilacao escopo(isolado);
    return TraduzTexto(texto);
}

std::string LinhaBraillePreview(const std::string& linha,
                                const std::function<std::string(const std::string&)>& traduz) {
    std::string r = traduz ? traduz(linha) : linha;
    for (char& ch : r) ch = static_cast<char>(TabelaImpressora[static_cast<unsigned char>(ch)]);
    return r;
}

unsigned AtualizaLegendasPreview(EstadoPreview& e, const LinhasDocumento& doc, int y,
                                 const std::function<std::string(const std::string&)>& traduz) {
    if (e.LabLinhaAtual < 1 || e.LabLinhaAtual > kQuantLabLinhas) e.LabLinhaAtual = 1;
    const int n = doc.NumLinhas();
    unsigned mudadas = 0;
    const bool mesmaLinha = e.UltimaLinhaPreview == y + 1 && e.UltimaQuantLinhas == n;
    for (int i = 1; i <= kQuantLabLinhas; ++i) {
        if (i != e.LabLinhaAtual && mesmaLinha) continue;
        const int k = y + e.LabLinhaAtual - i;
        e.Legendas[static_cast<size_t>(i)] =
            k >= 0 && k < n ? LinhaBraillePreview(doc.Linha(k), traduz) : std::string();
        mudadas |= 1u << i;
    }
    e.UltimaLinhaPreview = y + 1;
    e.UltimaQuantLinhas = n;
    return mudadas;
}
