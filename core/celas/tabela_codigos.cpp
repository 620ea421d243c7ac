// The code-table file parser and its search path.
#include "core/celas/tabela_codigos.h"

#include "platform/arquivos.h"

namespace {

bool EhHex(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

unsigned ValorDigito(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        c = static_cast<unsigned char>(c - 32);
    return c <= '@' ? c - 48u : c - 55u;
}

// A rule in the strict reading: two hexadecimal digits, "=", two more.
bool EhRegraEstrita(std::string_view l) {
    return l.size() >= 5 && EhHex(static_cast<unsigned char>(l[0])) &&
           EhHex(static_cast<unsigned char>(l[1])) && l[2] == '=' &&
           EhHex(static_cast<unsigned char>(l[3])) && EhHex(static_cast<unsigned char>(l[4]));
}

// A rule in the lenient reading: "=" third, and five characters at least (a
// shorter line has no second number to read).
bool EhRegraTolerante(std::string_view l) { return l.size() >= 5 && l[2] == '='; }

} // namespace

unsigned char HexParaByte(char a, char b) {
    unsigned v = ValorDigito(static_cast<unsigned char>(a)) * 16u +
                 ValorDigito(static_cast<unsigned char>(b));
    return static_cast<unsigned char>(v & 0xFF);
}

TabelaDeCodigos TabelaIdentidade() {
    TabelaDeCodigos t{};
    for (unsigned i = 0; i < 256; ++i)
        t[i] = static_cast<unsigned char>(i);
    return t;
}

ResultadoTabela AplicaTabelaCodigos(std::string_view conteudo, TabelaDeCodigos& tabela,
                                    LeituraTabela modo) {
    int numero = 0;
    while (!conteudo.empty()) {
        ++numero;
        const std::size_t fim = conteudo.find('\n');
        std::string_view l = conteudo.substr(0, fim);
        conteudo = fim == std::string_view::npos ? std::string_view() : conteudo.substr(fim + 1);
        if (!l.empty() && l.back() == '\r')
            l.remove_suffix(1);
        if (l.empty() || l[0] == '*')
            continue;
        const bool regra = modo == LeituraTabela::ParaNoErro ? EhRegraEstrita(l) : EhRegraTolerante(l);
        if (!regra) {
            if (modo == LeituraTabela::ParaNoErro)
                return {false, numero};
            continue;
        }
        tabela[HexParaByte(l[0], l[1])] = HexParaByte(l[3], l[4]);
    }
    return {};
}

std::string LocalizaTabelaCodigos(const std::string& nome, const std::string& dirPrograma) {
    if (nome.empty())
        return nome;
    if (nome.find('/') != std::string::npos)
        return AchaArquivoDados(ExtraiDiretorio(nome), ExtraiNomeArquivo(nome));
    for (const std::string& dir : {dirPrograma, DirDados(), std::string()}) {
        std::string c = AchaArquivoDados(dir, nome);
        if (ArquivoExiste(c))
            return c;
    }
    return nome;
}
