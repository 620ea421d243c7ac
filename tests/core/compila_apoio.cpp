#include "compila_apoio.h"

#include <cstdio>
#include <functional>
#include <map>
#include <unistd.h>

#include "core/celas/celas.h"
#include "core/dmtraduz.h"
#include "core/dmtraduz_estado.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "platform/arquivos.h"

namespace {

int contador = 0;

bool Flag(const std::string& v, bool& alvo)
{
    if (v == "S") alvo = true;
    else if (v == "N") alvo = false;
    else return false;
    return true;
}

bool Inteiro(const std::string& v, int& alvo)
{
    try {
        size_t pos = 0;
        const int n = std::stoi(v, &pos);
        if (pos != v.size()) return false;
        alvo = n;
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace

AmbienteCompila::AmbienteCompila()
{
    RestauraPadroes();
    TextoIngles = false;
    arquivo = DirTemporario() + "rascunho_teste_" + std::to_string(getpid()) + "_" +
              std::to_string(++contador) + ".txt";
    ArqRascunho = arquivo;
    DefineDocumentoAtual(&doc);
    DefineConsultaTamanhoReal([this] { return tamanhoReal; });
}

AmbienteCompila::~AmbienteCompila()
{
    DefineDocumentoAtual(nullptr);
    DefineConsultaTamanhoReal(nullptr);
    std::remove(CaminhoNativo(arquivo).c_str());
    RestauraPadroes();
    TextoIngles = false;
}

void AmbienteCompila::Documento(std::vector<std::string> linhas) { doc.linhas = std::move(linhas); }

bool AmbienteCompila::Define(const std::string& nome, const std::string& valor)
{
    static const std::map<std::string, bool*> flags = {
        {"BrailleAntigo", &BrailleAntigo}, {"AutoJunta", &AutoJunta},
        {"FrenteVerso", &FrenteVerso}, {"AfastaCabPar", &AfastaCabPar},
        {"TiraBrancasInicioPag", &TiraBrancasInicioPag}, {"SeparaSilabas", &SeparaSilabas},
        {"ComTitulo", &ComTitulo}, {"NumeraOrig", &NumeraOrig},
        {"CfgTextoIngles", &CfgTextoIngles}, {"CfgCabecIngles", &CfgCabecIngles},
        {"ImprEnviaVazias", &ImprEnviaVazias},
    };
    const std::map<std::string, int*> inteiros = {
        {"EstiloNumPag", &EstiloNumPag}, {"MaxCarac", &MaxCarac}, {"MaxLin", &MaxLin},
        {"TipoCabec", &TipoCabec}, {"TipoTratGrafico", &TipoTratGrafico},
        {"NumPagInic", &pedido.NumPagInic}, {"PagInicial", &pedido.PagInicial},
        {"PagFinal", &pedido.PagFinal},
    };
    if (auto f = flags.find(nome); f != flags.end()) return Flag(valor, *f->second);
    if (nome == "TamanhoReal") return Flag(valor, tamanhoReal);
    if (auto i = inteiros.find(nome); i != inteiros.end()) return Inteiro(valor, *i->second);
    if (nome == "Titulo") {
        Titulo = valor;
        return true;
    }
    if (nome == "ImprMarca") {
        ImprMarca = valor;
        return true;
    }
    if (nome == "Tabela") {
        // "identidade", or the code table of the selected code from data/.
        if (valor == "identidade") {
            for (int c = 0; c < 256; ++c) TabelaImpressora[static_cast<size_t>(c)] = static_cast<unsigned char>(c);
            return true;
        }
        if (valor != "codigo") return false;
        ArqAmbCode = std::string(DOTMARA_DATA_DIR) + "/ambcode.cfg";
        ArqAmbCode2 = std::string(DOTMARA_DATA_DIR) + "/ambcode2.cfg";
        return CarregaTabelaImpressora();
    }
    return false;
}

bool AmbienteCompila::Compila(int linhaCursor, bool paraVisualizacao)
{
    PedidoCompilacao p = pedido;
    p.LinhaCursor = linhaCursor;
    p.ParaVisualizacao = paraVisualizacao;
    p.Tradutores = InicioDosTradutores();
    return CompilaRascunho(p);
}

std::string AmbienteCompila::Rascunho() const
{
    std::string s;
    LeArquivo(arquivo, s);
    return s;
}

std::vector<std::string> AmbienteCompila::LinhasRascunho() const
{
    std::vector<std::string> r;
    const std::string s = Rascunho();
    size_t i = 0;
    while (i < s.size()) {
        const size_t f = s.find("\r\n", i);
        if (f == std::string::npos) {
            r.push_back(s.substr(i)); // a line without CR LF: shows up as a difference
            break;
        }
        r.push_back(s.substr(i, f - i));
        i = f + 2;
    }
    return r;
}

std::string AmbienteCompila::PontosRascunho() const
{
    std::string r;
    for (const std::string& l : LinhasRascunho()) {
        const std::string_view t = AparaBrancos(l);
        if (t.empty() || l == std::string(50, '-') || l == std::string(50, '=')) continue;
        std::string celas;
        for (unsigned char ch : t) {
            std::string d;
            for (int b = 0; b < 8; ++b)
                if (PontosDoCaractere[ch] & (1 << b)) d += static_cast<char>('1' + b);
            if (!celas.empty()) celas += ' ';
            celas += d.empty() ? "0" : d;
        }
        if (!r.empty()) r += '|';
        r += celas == "1" ? "a" : celas == "12" ? "b" : celas;
    }
    return r;
}

std::string EscapaBytes(const std::string& s)
{
    static const char* hex = "0123456789abcdef";
    std::string r;
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 32 || c == 127) {
            r += "\\x";
            r += hex[c >> 4];
            r += hex[c & 15];
        } else if (c == '\\') {
            r += "\\\\";
        } else {
            r += ch;
        }
    }
    return r;
}

std::string DesescapaBytes(const std::string& s)
{
    auto valor = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string r;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == '\\') {
            r += '\\';
            ++i;
        } else if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] == 'x' && valor(s[i + 2]) >= 0 &&
                   valor(s[i + 3]) >= 0) {
            r += static_cast<char>(valor(s[i + 2]) * 16 + valor(s[i + 3]));
            i += 3;
        } else {
            r += s[i];
        }
    }
    return r;
}
