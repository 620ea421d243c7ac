// The meta-braille copy.
#include "editor/dmmetabraille.h"

#include "core/celas/tabela_codigos.h"
#include "core/dmtraduz.h"
#include "core/dmvars.h"
#include "core/documento.h"
#include "platform/servicos.h"

#include <algorithm>

TabelaIdentidadeEscopo::TabelaIdentidadeEscopo() : anterior_(TabelaImpressora) {
    TabelaImpressora = TabelaIdentidade();
}

TabelaIdentidadeEscopo::~TabelaIdentidadeEscopo() { TabelaImpressora = anterior_; }

void TrocaDigitos(std::string& linha) {
    for (char& c : linha)
        if (c == '0')
            c = 'j';
        else if (c >= '1' && c <= '9')
            c = static_cast<char>(c + 48);
}

std::string TextoMetaBraille(int primeira, int ultima) {
    TabelaIdentidadeEscopo identidade;
    std::string texto;
    for (int i = primeira; i <= ultima && texto.size() <= LimiteMetaBraille; ++i) {
        std::string linha = CompilaLinha(i);
        TrocaDigitos(linha);
        texto += linha;
        texto += "\r\n";
    }
    return texto;
}

void LinhasMetaBraille(const DocumentoEditavel& doc, int& primeira, int& ultima) {
    int coluna = 0;
    doc.LinColInicioSel(primeira, coluna);
    doc.LinColFimSel(ultima, coluna);
    // A line end at the very end of the text opens no line: the copy stops
    // at the last line.
    const int ultimaDoTexto = std::max(doc.NumLinhas() - 1, 0);
    primeira = std::min(primeira, ultimaDoTexto);
    ultima = std::clamp(ultima, primeira, ultimaDoTexto);
}

bool CopiaEmMetaBraille(const DocumentoEditavel& doc) {
    int primeira = 0, ultima = 0;
    LinhasMetaBraille(doc, primeira, ultima);
    return servicos().GravaAreaTransferencia(TextoMetaBraille(primeira, ultima));
}
