// Fuzz target: the table builder, frames, the annotation list and the
// meta-braille copy over arbitrary documents and selections, with the column
// count, styles, frame type, code and line width from the first bytes.
// Nothing may crash, hang or trip a sanitizer; a table stands on its own lines,
// the text stays around it, and the copy leaves the output
// table as it found it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/documento.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "editor/dmanotac.h"
#include "editor/dmmetabraille.h"
#include "editor/dmquadro.h"
#include "editor/dmtabela.h"
#include "platform/dialogos.h"
#include "platform/servicos.h"
#include "tests/fuzz/fuzz_apoio.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, size_t tamanho) {
    static DialogosFalsos silencio;
    static ServicosFalsos area;
    DefineDialogos(&silencio);
    DefineServicos(&area);
    silencio.Limpa();
    RestauraPadroes();
    if (tamanho < 6) return 0;
    const std::uint8_t a = dados[0], b = dados[1], c = dados[2], d = dados[3], e = dados[4], f = dados[5];
    BrailleAntigo = a & 1;
    AutoJunta = a & 2;
    ImprEnviaVazias = a & 4;
    MaxCarac = 8 + b % 120;
    const std::string texto(reinterpret_cast<const char*>(dados + 6), tamanho - 6);

    DocumentoEmMemoria doc;
    DefineDocumentoEmEdicao(&doc);
    doc.DefineTexto(texto);
    const int total = doc.TamanhoTexto() + 1;
    doc.DefineSelecao((e * 131) % total, (f * 257) % total - total / 4);
    const std::vector<std::string> antes = [&] {
        std::vector<std::string> l;
        for (int i = 0; i < doc.NumLinhas(); ++i) l.push_back(doc.Linha(i));
        return l;
    }();

    switch (c % 4) {
    case 0: {
        const int colunas = static_cast<int>(d % 36) - 2;
        const OpcoesTabela o{(d >> 2) % 3, (d >> 4) % 4};
        const int n0 = doc.NumLinhas();
        int primeira = 0, ultima = 0;
        doc.LinhasSelecionadas(primeira, ultima);
        if (GeraTabela(doc, std::to_string(colunas), o) == ResultadoGeraTabela::Inserida) {
            // An empty line, the rows (and frame lines, between "<F->" and
            // "<F+>" with AutoJunta), an empty line; the text itself
            // unchanged around them.
            const int inseridas = doc.NumLinhas() - n0;
            EXIGE(inseridas >= 3);
            EXIGE(doc.Linha(primeira).empty() && doc.Linha(primeira + inseridas - 1).empty());
            for (int i = 0; i < n0; ++i)
                EXIGE(doc.Linha(i < primeira ? i : i + inseridas) == antes[static_cast<size_t>(i)]);
        }
        break;
    }
    case 1:
        InsereQuadro(doc, 1 + d % 3);
        break;
    case 2: {
        ListaAnotacoes lista;
        lista.Monta(doc, d);
        lista.Seleciona(e % 8);
        lista.Busca(doc);
        silencio.respostaPadrao = mrOk;
        lista.Deleta(doc);
        break;
    }
    default: {
        const auto tabela = TabelaImpressora;
        CopiaEmMetaBraille(doc);
        EXIGE(TabelaImpressora == tabela);
        EXIGE(area.areaTransferencia.size() <= LimiteMetaBraille + 256);
        break;
    }
    }
    DefineDocumentoEmEdicao(nullptr);
    return 0;
}
