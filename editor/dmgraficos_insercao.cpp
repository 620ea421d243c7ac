// dmgraficos_insercao: graphic reference lines.
#include "editor/dmgraficos_insercao.h"

#include "core/documento.h"

namespace {
// A line of blanks and control characters only counts as blank.
bool LinhaEmBranco(const std::string& texto) {
    for (char c : texto)
        if (static_cast<unsigned char>(c) > ' ') return false;
    return true;
}
} // namespace

int LinhaAlvoGrafico(int l1, int c1, const std::string& texto) {
    if (l1 < 0) return 0;
    return c1 > 0 && !LinhaEmBranco(texto) ? l1 + 1 : l1;
}

std::string NomeRelativoGrafico(const std::string& arquivo, const std::string& arqAtual) {
    const size_t barra = arqAtual.rfind('/');
    if (arqAtual.empty() || barra == std::string::npos) return arquivo;
    // The folder with its "/", compared exactly.
    const std::string pasta = arqAtual.substr(0, barra + 1);
    if (arquivo.size() > pasta.size() && arquivo.compare(0, pasta.size(), pasta) == 0)
        return arquivo.substr(pasta.size());
    return arquivo;
}

std::string LinhaReferenciaGrafico(int tipo, const std::string& nome) {
    static const char* const kinds[] = {"<G  1 ", "<G+ 1 ", "<G* 1 "};
    if (tipo < 0 || tipo > 2) return std::string();
    return kinds[tipo] + nome + ">";
}

bool InsereReferenciaGrafico(DocumentoEditavel& doc, int tipo, const std::string& arquivo,
                             const std::string& arqAtual) {
    const std::string linha = LinhaReferenciaGrafico(tipo, NomeRelativoGrafico(arquivo, arqAtual));
    if (linha.empty()) return false;
    int l1 = 0, c1 = 0;
    doc.LinColInicioSel(l1, c1);
    doc.InsereLinha(LinhaAlvoGrafico(l1, c1, doc.Linha(l1)), linha);
    return true;
}
