// dmgrafpr_vazio: CriaGraficoVazio, the interactive command.
#include "output/dmgrafpr_vazio.h"

#include "core/dmutil.h"
#include "core/dmvars.h"
#include "output/dmgrafpr.h"
#include "platform/arquivos.h"
#include "platform/codepage.h"

namespace {
constexpr TextoFixo kTitulo = "Criando gráfico vazio"_cp;
}

void CriaGraficoVazio(const std::string& arqAtual) {
    std::string tamanho;
    int yy = 0, xx = 0;
    for (;;) {
        if (!EditaLinha(kTitulo,
                        "Quantas linhas e colunas alfanuméricas vai ocupar (no formato yy xx)?"_cp,
                        tamanho) ||
            tamanho.empty())
            return;
        if (LeTamanhoGraficoVazio(tamanho, yy, xx)) break;
    }
    std::string resposta;
    if (!EditaLinha(kTitulo, "Nome do arquivo .GRB a criar: ", resposta)) return;
    const std::string nome = NomeGraficoVazio(resposta, arqAtual);
    if (nome.empty()) return;

    if (ArquivoExiste(nome)) {
        std::string destroi = "n";
        if (!EditaLinha(kTitulo,
                        "Não foi possível criar: gráfico já existia."_cp + "\r\nQuer destruir o anterior?",
                        destroi))
            return;
        // Only an answer that says something other than no destroys the
        // old graphic: an emptied answer keeps it.
        const std::string_view d = AparaBrancos(destroi);
        if (d.empty() || MaiusculaWindows(static_cast<unsigned char>(d.front())) == 'N') return;
    }
    if (!GravaGraficoVazio(nome, yy, xx)) {
        MensagemOK("Não consegui criar este gráfico"_cp);
        return;
    }
    MensagemOK("Gráfico vazio "_cp + nome + " foi criado.\r\nUse o menu \"" + "Gráficos"_cp +
               "\" para escolher como incluí-lo no texto."_cp);
}
