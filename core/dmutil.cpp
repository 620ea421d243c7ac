// dmutil: the output code table loaded from the code-table file of the code
// in force, the hexadecimal pair reader and the Latin-1 case helpers.
#include "core/dmutil.h"

#include "core/dmvars.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"

bool TextoIngles = false;

namespace {

unsigned char ValorDigito(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        c = static_cast<unsigned char>(c - 32);
    return static_cast<unsigned char>(c <= '@' ? c - 48 : c - 55);
}

bool EhHex(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// A rule line: two hexadecimal digits, "=", two hexadecimal digits; anything
// after the fifth character is a comment.
bool EhRegra(const std::string& l) {
    return l.size() >= 5 && EhHex(static_cast<unsigned char>(l[0])) &&
           EhHex(static_cast<unsigned char>(l[1])) && l[2] == '=' &&
           EhHex(static_cast<unsigned char>(l[3])) && EhHex(static_cast<unsigned char>(l[4]));
}

void ErroTabela(const std::string& texto) {
    dialogos().Caixa(texto, "Dotmara", Icone::Erro, Botoes::OK);
}

} // namespace

// A path with a folder is taken as configured; a bare name (the defaults
// before the folder settings are resolved) is looked for in the program
// folder, the data folder and last the working folder, so that a stray file
// of the same name in a document folder does not replace the shipped file.
// Names match without regard to letter case, as on Windows.
std::string LocalizaArquivoDados(const std::string& nome) {
    if (nome.empty())
        return nome;
    if (nome.find('/') != std::string::npos)
        return AchaArquivoDados(ExtraiDiretorio(nome), ExtraiNomeArquivo(nome));
    for (const std::string& dir : {DirPrograma, DirDados(), std::string()}) {
        std::string c = AchaArquivoDados(dir, nome);
        if (ArquivoExiste(c))
            return c;
    }
    return nome;
}

unsigned char HexParaByte(char a, char b) {
    unsigned v = ValorDigito(static_cast<unsigned char>(a)) * 16u + ValorDigito(static_cast<unsigned char>(b));
    return static_cast<unsigned char>(v & 0xFF);
}

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
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

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
    for (int i = 0; i < 256; ++i)
        TabelaImpressora[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
    const std::string& nome = BrailleAntigo ? ArqAmbCode : ArqAmbCode2;
    std::string conteudo;
    if (!LeArquivo(LocalizaArquivoDados(nome), conteudo)) {
        ErroTabela("Configura\xe7\xe3o da impressora n\xe3o achada " + nome);
        return false;
    }
    std::vector<std::string> linhas = DivideLinhas(conteudo);
    for (size_t i = 0; i < linhas.size(); ++i) {
        const std::string& l = linhas[i];
        if (l.empty() || l[0] == '*')
            continue;
        if (!EhRegra(l)) {
            ErroTabela("Configura\xe7\xe3o da impressora: erro na linha " + std::to_string(i + 1));
            return false;
        }
        TabelaImpressora[HexParaByte(l[0], l[1])] = HexParaByte(l[3], l[4]);
    }
    return true;
}
