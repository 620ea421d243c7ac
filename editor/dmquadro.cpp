// Frames around the selected lines.
#include "editor/dmquadro.h"

#include "core/celas/celas.h"
#include "core/dmtraduz.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "core/documento.h"
#include "editor/dmmarcacao.h"
#include "platform/texto.h"

#include <algorithm>
#include <vector>

namespace {

// A frame by its dots: one mask per cell (bit 0 = dot 1), -1 for no corner.
struct PontosQuadro {
    int supEsq, supA, supB, supDir, esq, dir, infEsq, infA, infB, infDir;
};
constexpr int P(std::string_view pontos) {
    int m = 0;
    for (char c : pontos) m |= 1 << (c - '1');
    return m;
}
constexpr std::array<PontosQuadro, 3> kPontosQuadro = {{
    // Standard: corners 2-3-5 / 2-5-6 above, 1-2-5 / 2-4-5 below, lines of 2-5.
    {P("235"), P("25"), P("25"), P("256"), P("123"), P("456"), P("125"), P("25"), P("25"), P("245")},
    // Asking for help: full cells above (2-3-5-6) and below (1-2-4-5).
    {P("2356"), P("2356"), P("2356"), P("2356"), P("12346"), P("13456"), P("1245"), P("1245"), P("1245"),
     P("1245")},
    // Figure caption: no corners.
    {-1, P("35"), P("26"), -1, P("246"), P("135"), -1, P("15"), P("24"), -1},
}};

std::string CelaDe(bool antigo, int mascara) {
    if (mascara < 0) return {};
    return std::string(1, static_cast<char>(CelasDoCodigo(antigo)[static_cast<size_t>(mascara)]));
}

std::array<MolduraQuadro, 7> MontaMolduras() {
    std::array<MolduraQuadro, 7> m{};
    for (int codigo = 0; codigo < 2; ++codigo) {
        const bool antigo = codigo == 0;
        for (size_t k = 0; k < kPontosQuadro.size(); ++k) {
            const PontosQuadro& p = kPontosQuadro[k];
            auto c = [antigo](int mascara) { return CelaDe(antigo, mascara); };
            m[1 + k + (antigo ? 0 : 3)] = {c(p.supEsq), c(p.supA) + c(p.supB), c(p.supDir),
                                           c(p.esq), c(p.dir),
                                           c(p.infEsq), c(p.infA) + c(p.infB), c(p.infDir)};
        }
    }
    return m;
}

// A line's text as it stands in a frame: its tabs as the compile lays them
// out (two blanks each) and no blanks at its end, so that the blanks that
// line the right-hand side up are the only ones after it.
std::string TextoNoQuadro(std::string texto) {
    ExpandeTabs(texto);
    TiraBrancosFinais(texto);
    return texto;
}

// The braille width of a text between the two blanks after the left side and
// the blanks before the right side: its frame line compiled with two blanks
// on each side, less the frame's six cells. Measured so, leading blanks
// count as the framed line keeps them (a line compiled alone may lose one),
// and an empty line has no width, whatever the compile writes for an empty
// line (a marker when empty lines are sent).
int LarguraNoQuadro(const MolduraQuadro& q, const std::string& texto, int linha) {
    if (texto.empty()) return 0;
    const std::string braille = CompilaTextoLinha(q.Esquerdo + "  " + texto + "  " + q.Direito, linha);
    return std::max(static_cast<int>(braille.size()) - 6, 0);
}

// A top or bottom line of a frame whose text is m cells wide: m + 6 cells.
std::string LinhaHorizontal(const std::string& esquerdo, const std::string& traco,
                            const std::string& direito, int m) {
    if (esquerdo.empty()) return RepeteTraco(traco, m + 6);
    return esquerdo + RepeteTraco(traco, m + 4) + direito;
}

} // namespace

const std::array<MolduraQuadro, 7>& MoldurasQuadro() {
    static const std::array<MolduraQuadro, 7> molduras = MontaMolduras();
    return molduras;
}

std::string RepeteTraco(std::string_view padrao, int quantos) {
    std::string s;
    if (padrao.empty() || quantos < 1) return s;
    for (int i = 0; i < quantos / 2; ++i) s += padrao;
    if (quantos % 2 != 0) s += padrao[0];
    return s;
}

std::string TextoPecaOrientacao() { return "Peça orientação"_cp; }

ResultadoQuadro InsereQuadro(DocumentoEditavel& doc, int tipo) {
    tipo = std::clamp(tipo, 1, 3);
    const MolduraQuadro& q = MoldurasQuadro()[static_cast<size_t>(BrailleAntigo ? tipo : tipo + 3)];
    if (!CarregaTabelaImpressora()) return ResultadoQuadro::SemTabela;

    int primeira = 0, ultima = 0;
    doc.LinhasSelecionadas(primeira, ultima);
    // The caret after the last line end stands on a line of its own.
    const bool linhaNova = primeira >= doc.NumLinhas();
    if (linhaNova) primeira = ultima = doc.NumLinhas();
    else ultima = std::clamp(ultima, primeira, doc.NumLinhas() - 1);
    // The texts are measured before anything is written: a frame refused
    // leaves the document as it was.
    std::vector<std::string> textos;
    for (int i = primeira; i <= ultima; ++i) textos.push_back(linhaNova ? std::string() : doc.Linha(i));
    if (tipo == QuadroPedirAjuda && textos.size() == 1 && textos[0].empty()) textos[0] = TextoPecaOrientacao();
    std::vector<int> larguras;
    for (int i = primeira; i <= ultima; ++i) {
        std::string& t = textos[static_cast<size_t>(i - primeira)];
        t = TextoNoQuadro(std::move(t));
        larguras.push_back(LarguraNoQuadro(q, t, i));
    }
    const int m = *std::max_element(larguras.begin(), larguras.end());
    if (m + 6 > MaxCarac) {
        MensagemOK("O quadrinho teria "_cp + std::to_string(m + 6) +
                   " celas de largura e não cabe na linha braille de "_cp + std::to_string(MaxCarac) +
                   " celas. Encurte as linhas selecionadas."_cp);
        return ResultadoQuadro::LargoDemais;
    }

    GrupoEdicao grupo(doc);
    if (linhaNova) doc.InsereLinha(primeira, "");
    for (int i = primeira; i <= ultima; ++i) {
        const size_t k = static_cast<size_t>(i - primeira);
        doc.SubstituiLinha(i, q.Esquerdo + "  " + textos[k] + std::string(static_cast<size_t>(m - larguras[k] + 2), ' ') +
                                  q.Direito);
    }
    doc.InsereLinha(ultima + 1, LinhaHorizontal(q.InferiorEsquerdo, q.TracoInferior, q.InferiorDireito, m));
    doc.InsereLinha(primeira, LinhaHorizontal(q.SuperiorEsquerdo, q.TracoSuperior, q.SuperiorDireito, m));
    if (AutoJunta) {
        // The closing command first: the opening one then moves it down with the rest.
        doc.InsereLinha(ultima + 3, kNaoFormatar.fecha);
        doc.InsereLinha(primeira, kNaoFormatar.abre);
    }
    return ResultadoQuadro::Inserido;
}
