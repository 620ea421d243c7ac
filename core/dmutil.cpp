// dmutil: the output code table loaded from the code-table file of the code
// in force, the hexadecimal pair reader and the Latin-1 case helpers.
#include "core/dmutil.h"

#include "core/dmvars.h"
#include "core/celas/tabela_codigos.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

bool TextoIngles = false;

namespace {

void ErroTabela(const std::string& texto) {
    dialogos().Caixa(texto, "Dotmara", Icone::Erro, Botoes::OK);
}

} // namespace

unsigned char MinusculaLatin(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 192 && c <= 223))
        return static_cast<unsigned char>(c + 32);
    return c;
}

unsigned char MaiusculaLatin(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || c >= 224)
        return static_cast<unsigned char>(c - 32);
    return c;
}

std::string_view AparaBrancos(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return AparaBrancosFinais(s);
}

std::string_view AparaBrancosFinais(std::string_view s) {
    const std::size_t fim = s.find_last_not_of(' ');
    return s.substr(0, fim == std::string_view::npos ? 0 : fim + 1);
}

void TiraBrancosFinais(std::string& s) { s.resize(AparaBrancosFinais(s).size()); }

bool LeInteiroExato(std::string_view s, int& v) {
    std::size_t i = !s.empty() && (s[0] == '-' || s[0] == '+') ? 1 : 0;
    if (i >= s.size())
        return false;
    long long r = 0;
    for (; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < '0' || c > '9')
            return false;
        r = r * 10 + (c - '0');
        if (r > 1000000000LL)
            return false;
    }
    v = static_cast<int>(s[0] == '-' ? -r : r);
    return true;
}

bool CarregaTabelaImpressora() {
    TabelaImpressora = TabelaIdentidade();
    const std::string& nome = BrailleAntigo ? ArqAmbCode : ArqAmbCode2;
    std::string conteudo;
    const std::string caminho = LocalizaTabelaCodigos(nome, DirPrograma);
    switch (LeArquivoAte(caminho, conteudo, MaxBytesArquivo)) {
    case LeituraArquivo::Lido: break;
    case LeituraArquivo::NaoLido:
        ErroTabela("Configuração da impressora não achada "_cp + nome);
        return false;
    case LeituraArquivo::GrandeDemais:
        ErroTabela("Configuração da impressora grande demais (no máximo "_cp + TextoMaxBytesArquivo() + "):\r\n" +
                   caminho);
        return false;
    }
    const ResultadoTabela r = AplicaTabelaCodigos(conteudo, TabelaImpressora, LeituraTabela::ParaNoErro);
    if (!r.ok) {
        ErroTabela("Configuração da impressora: erro na linha "_cp + std::to_string(r.linhaErro));
        return false;
    }
    return true;
}
