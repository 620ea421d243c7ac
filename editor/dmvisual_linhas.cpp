// The braille view's line building, positions and page stepping.
#include "editor/dmvisual_linhas.h"

#include <algorithm>
#include <charconv>

#include "core/dmtraduz.h"
#include "core/dmutil.h"
#include "platform/arquivos.h"
#include "platform/texto.h"

namespace {

const std::string kSeparadorSimples(50, '-');
const std::string kSeparadorDuplo(50, '=');

int Tamanho(const std::vector<std::string>& v) { return static_cast<int>(v.size()); }

std::string Maiusculo(std::string s) {
    for (char& ch : s) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z') ch = static_cast<char>(c - 32);
        else if (EhMinuscula(c) && c != 0xF7 && c != 0xFF) ch = static_cast<char>(c - 32);
    }
    return s;
}

// Whole text as one decimal integer (optional sign); false otherwise.
bool LeInteiro(const std::string& s, int& v) {
    if (s.empty()) return false;
    const char* a = s.data();
    const char* b = s.data() + s.size();
    if (*a == '+') {
        ++a;
        if (a == b || *a == '-') return false;
    }
    const auto r = std::from_chars(a, b, v);
    return r.ec == std::errc() && r.ptr == b;
}

int Passo(const std::string& linha) { return LinhaQuebraDupla(linha) ? 2 : 1; }

} // namespace

bool CompilaParaVisualizacao(int linhaCursor) {
    if (!CarregaTabelaImpressora()) return false;
    return CompilaRascunho(PedidoCompilacao::Visualizacao(linhaCursor));
}

std::vector<std::string> MontaRotulosLinha(const TradutorTexto& traduz) {
    std::vector<std::string> r(kQuantRotulos);
    for (int n = 1; n <= kQuantRotulos; ++n) {
        std::string t = traduz ? traduz(std::to_string(n)) : std::to_string(n);
        t += "    ";
        t.resize(4);
        for (char& ch : t) ch = static_cast<char>(TabelaImpressora[static_cast<unsigned char>(ch)]);
        r[static_cast<size_t>(n % kQuantRotulos)] = t;
    }
    return r;
}

std::vector<std::string> MontaLinhasVisual(const std::vector<std::string>& lidas, int modo,
                                           int maxCarac,
                                           const std::vector<std::string>& rotulos) {
    std::vector<std::string> saida;
    saida.reserve(lidas.size());
    const size_t largura = static_cast<size_t>(std::max(maxCarac, 0));
    int n = 1;
    for (const std::string& linha : lidas) {
        if (LinhaQuebraPagina(linha)) {
            saida.push_back(LinhaQuebraDupla(linha) ? kSeparadorDuplo : kSeparadorSimples);
            n = 1;
            continue;
        }
        if (modo < mlNumeracaoEsquerda || modo > mlLimiteLinha) {
            // Reserved room (a graphic's, or a real-size page's fill) is a
            // blank line, not the cell or glyph of its vertical tab.
            saida.push_back(LinhaReservada(linha) ? std::string() : linha);
            continue;
        }
        std::string t = LinhaReservada(linha) ? std::string() : linha.substr(0, largura);
        t.resize(largura, ' ');
        const std::string& rotulo = rotulos.size() == static_cast<size_t>(kQuantRotulos)
                                        ? rotulos[static_cast<size_t>(n % kQuantRotulos)]
                                        : std::string();
        ++n;
        if (modo == mlNumeracaoEsquerda)
            saida.push_back(rotulo + kMarcaLimite + t + kMarcaLimite);
        else if (modo == mlNumeracaoDireita)
            saida.push_back(t + kMarcaLimite + rotulo);
        else
            saida.push_back(t + kMarcaLimite);
    }
    return saida;
}

PosicaoVisual CalculaPosicao(const std::vector<std::string>& linhas, int sel) {
    PosicaoVisual p;
    if (sel < 0 || sel >= Tamanho(linhas)) return p;
    for (int i = sel; i >= 0; --i) {
        const std::string& l = linhas[static_cast<size_t>(i)];
        if (LinhaQuebraPagina(l)) break;
        if (!LinhaGrafico(l)) ++p.linha;
    }
    for (int i = 0; i <= sel; ++i) {
        const std::string& l = linhas[static_cast<size_t>(i)];
        if (LinhaQuebraPagina(l)) p.paginaFisica += Passo(l);
    }
    return p;
}

int UltimaPaginaDoRascunho(const std::vector<std::string>& linhas) {
    int n = Tamanho(linhas);
    if (n > 0 && LinhaQuebraPagina(linhas[static_cast<size_t>(n - 1)])) --n;
    return n > 0 ? CalculaPosicao(linhas, n - 1).paginaFisica : 1;
}

int IndiceDaPagina(const std::vector<std::string>& linhas, int k) {
    int i = 0, pagina = 1;
    while (pagina < k && i < Tamanho(linhas) - 1) {
        const std::string& l = linhas[static_cast<size_t>(i)];
        if (LinhaQuebraPagina(l)) pagina += Passo(l);
        ++i;
    }
    return i;
}

int PaginaAnteriorDe(const std::vector<std::string>& linhas, int s) {
    if (s <= 2 || s >= Tamanho(linhas)) return 1;
    auto quebra = [&](int i) { return LinhaQuebraPagina(linhas[static_cast<size_t>(i)]); };
    int alvo = s;
    if (quebra(s - 1))
        alvo = s - 2;
    else if (quebra(s))
        alvo = s - 1;
    return CalculaPosicao(linhas, alvo).paginaFisica;
}

std::string TituloIrParaPagina() { return "Informe a página desejada"_cp; }

std::string PromptIrParaPagina() {
    return "Digite a página no seguinte formato:\r\n"
           "\r\n"
           "    99      para  números  ARÁBICOS\r\n"
           "    99R    para  números  ROMANOS\r\n"
           "    99F    para  páginas  FÍSICAS\r\n"_cp;
}

bool InterpretaPaginaPedida(const std::string& resposta, const DynIntArray& mapaArabica,
                            const DynIntArray& mapaRomana, int tamanhoMapa,
                            int paginaFisica, int& destino, std::string& mensagem) {
    mensagem.clear();
    const std::string a = Maiusculo(std::string(AparaBrancos(resposta)));
    if (a.empty()) return false;
    enum { Arabica, Romana, Fisica } tipo = Arabica;
    std::string resto = a;
    if (a.back() == 'F') {
        tipo = Fisica;
        resto.pop_back();
    } else if (a.back() == 'R') {
        tipo = Romana;
        resto.pop_back();
    }
    int v = 0;
    if (!LeInteiro(std::string(AparaBrancos(resto)), v)) {
        mensagem = "Número de página \""_cp + a + "\" inválido."_cp;
        return false;
    }
    if (v < 1 || v > tamanhoMapa) {
        mensagem = "Número de página \""_cp + a + "\" fora do intervalo.";
        return false;
    }
    auto entrada = [v](const DynIntArray& m) {
        return static_cast<size_t>(v) < m.size() ? m[static_cast<size_t>(v)] : -1;
    };
    const int f = tipo == Arabica ? entrada(mapaArabica)
                  : tipo == Romana ? entrada(mapaRomana)
                                   : v;
    if (f >= 1 && f <= paginaFisica) {
        destino = f;
        return true;
    }
    const std::string nv = std::to_string(v);
    if (tipo == Fisica)
        mensagem = "Página FÍSICA \""_cp + std::to_string(f) + "F\" inexistente!";
    else if (tipo == Arabica)
        mensagem = "Página \""_cp + nv + "\" não encontrada!"_cp;
    else
        mensagem = "Página \""_cp + nv + "R\" não encontrada!"_cp;
    return false;
}

int LinhaEditorDoRascunho(int sel, const DynIntArray& mapa, int quantMapeadas,
                          int ultimaLinhaEditor) {
    const int s = std::max(sel, 0);
    if (s <= quantMapeadas && static_cast<size_t>(s) < mapa.size())
        return mapa[static_cast<size_t>(s)];
    return ultimaLinhaEditor;
}

std::string TextoPagina(const DynIntArray& mapaPagFisica, int paginaFisica) {
    if (paginaFisica < 0 || static_cast<size_t>(paginaFisica) >= mapaPagFisica.size())
        return "Página: -"_cp;
    const int m = mapaPagFisica[static_cast<size_t>(paginaFisica)];
    if (m < 0) {
        std::string r;
        IntParaRomano(-m, r);
        return "Página: "_cp + r;
    }
    return "Página: "_cp + std::to_string(m);
}

std::string TextoPainelPagina(int paginaFisica, int ultimaPagina) {
    if (paginaFisica == 1) return " Primeira página "_cp;
    if (paginaFisica == ultimaPagina) return " Última página "_cp;
    return std::string();
}
