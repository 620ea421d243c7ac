// dmvigraf: the graphic page preview's page, computed without the window.
#include "output/dmvigraf.h"

#include <algorithm>

#include "core/dmtraduz.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "output/dmImprPagina.h"
#include "output/dmTiger.h"
#include "output/dmdevice.h"
#include "output/dmgrafpr.h"
#include "platform/arquivos.h"

namespace {

class Desenho {
public:
    explicit Desenho(const EntradaPreviewGraf& e) : e_(e), g_(e.Geometria) {
        // A page is kept to a picture a screen can hold, whatever the cells
        // and lines the settings give.
        const long long celas = std::clamp(e.MaxCarac, 0, 1000) + 1;
        const long long linhas = std::clamp(e.MaxLin, 0, 1000) + 1;
        const long long w = std::max(g_.PassoCelaGrafico.x, g_.PassoCelaTexto.x) * celas + 4;
        const long long h = std::max(g_.PassoCelaGrafico.y, g_.PassoCelaTexto.y) * linhas + 4;
        p_.LarguraPaginaGraf = static_cast<int>(std::clamp<long long>(w, 4, MaxLadoPaginaGraf));
        p_.AlturaPaginaGraf = static_cast<int>(std::clamp<long long>(h, 4, MaxLadoPaginaGraf));
        limiteX_ = p_.LarguraPaginaGraf + MargemImagemGraf - DeslocamentoPixel;
        limiteY_ = p_.AlturaPaginaGraf + MargemImagemGraf - DeslocamentoPixel;
    }

    PaginaPreviewGraf Pagina() {
        const auto& l = e_.linhas;
        const int n = static_cast<int>(l.size());
        int s = e_.selecionada < 0 ? 1 : e_.selecionada;
        if (s >= n) return std::move(p_);
        if (LinhaQuebraPagina(l[static_cast<size_t>(s)]) && ++s >= n) return std::move(p_);
        int inicio = s;
        while (inicio > 0 && !LinhaQuebraPagina(l[static_cast<size_t>(inicio - 1)])) --inicio;

        p_.PaginaPreviewTemGrafico = GraficoAdiante(l, inicio);
        LinhasGraficoRestantes = 0;
        y_ = 0;
        for (int i = inicio; i < n; ++i) {
            const std::string& linha = l[static_cast<size_t>(i)];
            if (LinhaQuebraPagina(linha)) break;
            if (LinhaReservada(linha))
                Texto(std::string_view());
            else if (LinhaGrafico(linha))
                Grafico(linha);
            else
                Texto(linha);
        }
        return std::move(p_);
    }

private:
    void Bloco(long long x, long long y, int w, int h) {
        if (x >= limiteX_ || y >= limiteY_ || x + w <= -DeslocamentoPixel ||
            y + h <= -DeslocamentoPixel)
            return;
        p_.pontos.push_back({static_cast<int>(x), static_cast<int>(y), w, h});
    }

    // Graphic spacing on pages the embosser takes in graphic mode, and for
    // text standing beside an interleaved graphic.
    ParInteiro EspacamentoPontos() const {
        const int t = e_.TipoTratGrafico;
        if (t == GraficoTodasPaginas || (t == GraficoPaginasComGrafico && p_.PaginaPreviewTemGrafico) ||
            (t == GraficoIntercalado && LinhasGraficoRestantes > 0))
            return g_.PassoPontoGrafico;
        return g_.PassoPontoTexto;
    }

    void DesenhaCela(unsigned char mascara, long long x, const ParInteiro& d) {
        for (int n = 1; n <= 6; ++n) {
            if (!(mascara & (1u << (n - 1)))) continue;
            const int c = n <= 3 ? 0 : 1;
            const int r = (n - 1) % 3;
            Bloco(x + 1 + c * d.x, static_cast<long long>(y_) + 1 + r * d.y, g_.TamanhoPonto.x,
                  g_.TamanhoPonto.y);
        }
    }

    void Texto(std::string_view linha) {
        if (!linha.empty() && linha.front() == '\x0c') linha.remove_prefix(1);
        const ParInteiro d = EspacamentoPontos();
        for (size_t k = 0; k < linha.size(); ++k) {
            const long long x = static_cast<long long>(k) * g_.PassoCelaTexto.x;
            if (x >= limiteX_) break;
            DesenhaCela(e_.PontosDoCaractere[static_cast<unsigned char>(linha[k])], x, d);
        }
        y_ += g_.PassoCelaTexto.y;
        if (LinhasGraficoRestantes > 0) --LinhasGraficoRestantes;
    }

    // A graphic line: the .GRB at its place; the text does not move down,
    // the reserved lines that follow stand beside it.
    void Grafico(const std::string& linha) {
        // Graphics are dropped from the embossed page when they are off;
        // the page says so once, rather than leaving its graphic unexplained.
        if (e_.TipoTratGrafico == GraficoNenhum) {
            const std::string aviso =
                "Os gráficos desta página não serão impressos: o tipo de tratamento gráfico é "
                "\"Não imprime os gráficos\" (Configurar, Parâmetros do Programa)."_cp;
            if (std::find(p_.mensagens.begin(), p_.mensagens.end(), aviso) == p_.mensagens.end())
                p_.mensagens.push_back(aviso);
            return;
        }
        const std::string resto(AparaBrancos(std::string_view(linha).substr(4)));
        const size_t b = resto.find(' ');
        if (b == std::string::npos) return;
        const std::string coluna = MaiusculasAnsi(resto.substr(0, b));
        const std::string nome(AparaBrancos(std::string_view(resto).substr(b + 1)));
        if (nome.empty()) return;
        const std::string caminho = CaminhoGrafico(nome, e_.ArqAtual);
        ArquivoGRB grb;
        if (const LeituraGRB r = LeArquivoGRB(caminho, e_.EhTiger, grb); r != LeituraGRB::Lido) {
            p_.mensagens.push_back(MensagemLeituraGRB(r, caminho, "Arquivo "_cp + caminho + " não achado"_cp));
            return;
        }
        const int gw = ColunaParaPontoX(g_, grb.colunas);
        const int gh = LinhaParaPontoY(g_, grb.linhasPontos);
        const int util = CelaParaPontoAbs(g_, e_.LarguraUtil);
        int x0 = 0;
        if (coluna == "E" || coluna == "C" || coluna == "D") {
            x0 = CelaParaPonto(g_, e_.TamPrefixoMargem + 1) - 1;
            // Wider than the usable width: left at the margin.
            if (coluna == "C" && util > gw) x0 += (util - gw) / 2;
            if (coluna == "D" && util > gw) x0 += util - gw;
        } else if (int c = 0; LeInteiroExato(coluna, c)) {
            // The draft's column already counts the margin prefix.
            c = std::clamp(c, 1, LadoMatriz);
            x0 = CelaParaPonto(g_, c) - 1;
            if (x0 + gw > util) x0 = std::max(util - gw, 0);
        }
        DesenhaGRB(y_, x0, grb.conteudo);
        LinhasGraficoRestantes = std::max(LinhasGraficoRestantes, PontoParaCelaY(g_, gh));
    }

    void DesenhaGRB(int y, int x, const std::string& conteudo) {
        const ParInteiro passo = g_.PassoPontoGrafico;
        const ParInteiro ponto = g_.InicioGrafico;
        long long maisLonga = 0, base = 0;
        long long yr = y;
        size_t ini = 0;
        while (ini < conteudo.size()) {
            size_t fim = conteudo.find('\n', ini);
            if (fim == std::string::npos) fim = conteudo.size();
            size_t f = fim;
            while (f > ini && (conteudo[f - 1] == ' ' || conteudo[f - 1] == '\r')) --f;
            maisLonga = std::max<long long>(maisLonga, static_cast<long long>(f - ini));
            if (f > ini) base = yr + g_.TamanhoPonto.y;
            if (yr + 1 < limiteY_) {
                for (size_t i = ini; i < f; ++i) {
                    const long long px = x + static_cast<long long>(i - ini) * passo.x + 1;
                    if (px >= limiteX_) break;
                    if (conteudo[i] != ' ' && conteudo[i] != '\r') Bloco(px, yr + 1, ponto.x, ponto.y);
                }
            }
            yr += passo.y;
            ini = fim + 1;
        }
        const bool linha = x + (maisLonga - 1) * passo.x + g_.TamanhoPonto.x + 4 > p_.LarguraPaginaGraf;
        const bool pagina = base + 4 > p_.AlturaPaginaGraf;
        if (pagina && linha)
            p_.mensagens.push_back("Gráfico fora dos limites da página\r\nGráfico fora dos limites da linha"_cp);
        else if (pagina)
            p_.mensagens.push_back("Gráfico fora dos limites da página"_cp);
        else if (linha)
            p_.mensagens.push_back("Gráfico fora dos limites da linha"_cp);
    }

    const EntradaPreviewGraf& e_;
    const GeometriaDispositivo& g_;
    PaginaPreviewGraf p_;
    long long limiteX_ = 0, limiteY_ = 0;
    int LinhasGraficoRestantes = 0;
    int y_ = 0;
};

} // namespace

EntradaPreviewGraf EntradaPreviewAtual(const std::vector<std::string>& linhas, int selecionada) {
    EntradaPreviewGraf e;
    e.linhas = linhas;
    e.selecionada = selecionada;
    e.MaxCarac = MaxCarac;
    e.MaxLin = MaxLin;
    e.TipoTratGrafico = TipoTratGrafico;
    e.TamPrefixoMargem = static_cast<int>(PrefixoMargem.size());
    e.LarguraUtil = LarguraUtil();
    e.EhTiger = ModeloEhTiger(ImprMarca);
    e.ArqAtual = ArqAtual;
    e.PontosDoCaractere = PontosDoCaractere;
    // The screen set of the model, without loading it: a compile or a print
    // job relies on the geometry in force.
    e.Geometria = GeometriaDoModelo(ImprMarca.c_str(), true);
    return e;
}

PaginaPreviewGraf DesenhaPaginaGraf(const EntradaPreviewGraf& e) { return Desenho(e).Pagina(); }

std::vector<Pixel> PixelsGRB(const std::string& conteudo) {
    std::vector<Pixel> r;
    int linha = 0;
    size_t ini = 0;
    while (ini < conteudo.size() && 2 * linha + 1 < AlturaImagemExibe) {
        size_t fim = conteudo.find('\n', ini);
        if (fim == std::string::npos) fim = conteudo.size();
        for (size_t i = ini; i < fim; ++i) {
            const long long x = 2 * static_cast<long long>(i - ini + 1) - 1;
            if (x >= LarguraImagemExibe) break;
            if (conteudo[i] != ' ' && conteudo[i] != '\r') r.push_back({static_cast<int>(x), 2 * linha + 1});
        }
        ++linha;
        ini = fim + 1;
    }
    return r;
}
