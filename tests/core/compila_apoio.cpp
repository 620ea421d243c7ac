#include "compila_apoio.h"

#include <algorithm>
#include <cctype>
#include <charconv>
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
    int n = 0;
    const auto [fim, erro] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (erro != std::errc() || fim != v.data() + v.size() || v.empty()) return false;
    alvo = n;
    return true;
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
    if (nome == "Titulo" || nome == "ImprMarca") {
        (nome == "Titulo" ? Titulo : ImprMarca) = valor;
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

bool AmbienteCompila::Define(std::initializer_list<std::string> nomesValores)
{
    bool ok = true;
    for (const std::string& nv : nomesValores) {
        const size_t igual = nv.find('=');
        ok = igual != std::string::npos && Define(nv.substr(0, igual), nv.substr(igual + 1)) && ok;
    }
    return ok;
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
    for (size_t i = 0, f = 0; i < s.size(); i = f + 2) {
        f = std::min(s.find("\r\n", i), s.size()); // a line without CR LF shows up as a difference
        r.push_back(s.substr(i, f - i));
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
    std::string r;
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 32 || c == 127) r += std::string("\\x") + "0123456789abcdef"[c >> 4] + "0123456789abcdef"[c & 15];
        else r += c == '\\' ? std::string("\\\\") : std::string(1, ch);
    }
    return r;
}

std::string DesescapaBytes(const std::string& s)
{
    std::string r;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == '\\') {
            r += '\\';
            ++i;
        } else if (s.compare(i, 2, "\\x") == 0 && i + 3 < s.size() && std::isxdigit(static_cast<unsigned char>(s[i + 2])) &&
                   std::isxdigit(static_cast<unsigned char>(s[i + 3]))) {
            r += static_cast<char>(std::stoi(s.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            r += s[i];
        }
    }
    return r;
}
