// dmImprPagina: the four page renderers and the placing of tactile graphics.
#include "output/dmImprPagina.h"

#include "core/dmutil.h"
#include "core/dmvars.h"
#include "output/dmgrafpr.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

#include <algorithm>

namespace {

const std::string kEscGrafico = "\x1b" "1";
const std::string kEscTexto = "\x1b]";
const std::string kFF = "\x0c";
constexpr int kCelasFaixa = 450;

// The line followed by CR (the last line of a page or band) or CR LF.
std::string ComFimDeLinha(std::string s, bool ultima) {
    s.append(ultima ? "\r" : "\r\n");
    return s;
}

void ErroDispositivo() { dialogos().MensagemOK("Erro no dispositivo"); }

}  // namespace

MatrizPontos& PaginaImpressao::M() {
    if (!matriz_) matriz_ = std::make_unique<MatrizPontos>();
    return *matriz_;
}

void PaginaImpressao::AdicionaLinhaPagina(const std::string& linha) {
    if (LinhaGrafico(linha)) {
        if (cfg_.TipoTratGrafico == GraficoNenhum) return;
        std::string l = std::string(4, '\x0f') + " " + std::string(AparaBrancos(std::string_view(linha).substr(4)));
        if (cfg_.TipoTratGrafico == GraficoComoTexto)
            l = std::string(static_cast<std::size_t>(std::max(MargemAtual, 0)), ' ') + l;
        linhas_.push_back(std::move(l));
        if (cfg_.TipoTratGrafico != GraficoComoTexto) temGrafico_ = true;
        return;
    }
    linhas_.push_back(std::string(static_cast<std::size_t>(std::max(MargemAtual, 0)), ' ') + linha);
}

bool PaginaImpressao::PaginaTodaGrafica() const {
    return cfg_.TipoTratGrafico == GraficoTodasPaginas ||
           (cfg_.TipoTratGrafico == GraficoPaginasComGrafico && temGrafico_);
}

bool PaginaImpressao::ImprimePagina() {
    bool ok;
    if (cfg_.EhTiger)
        ok = ImprimePaginaTiger();
    else if (PaginaTodaGrafica())
        ok = ImprimePaginaGrafica();
    else if (temGrafico_ && cfg_.TipoTratGrafico == GraficoIntercalado)
        ok = ImprimePaginaIntercalada();
    else
        ok = ImprimePaginaTexto();
    temGrafico_ = false;
    linhas_.clear();
    return ok;
}

bool PaginaImpressao::SaltaPagina() {
    if (disp_.EhArquivo() && cfg_.ImprMarca == "Puma 7") return Envia(kFF);
    return true;
}

// The page's form feed, and a second one when only the front of an
// interpoint sheet is used.
bool PaginaImpressao::FormFeeds() {
    bool ok = Envia(kFF);
    if (ok && !cfg_.FrenteVerso && cfg_.SoFrenteInterp) ok = Envia(kFF);
    return ok;
}

bool PaginaImpressao::ImprimePaginaTexto() {
    for (std::size_t i = 0; i < linhas_.size(); ++i) {
        bool ultima = i + 1 == linhas_.size();
        if (!Envia(ComFimDeLinha(linhas_[i], ultima))) return false;
    }
    return FormFeeds();
}

void PaginaImpressao::DesenhaLinhaEmPontos(const std::string& linha, int& y) {
    const GeometriaDispositivo& g = cfg_.Geometria;
    if (!LinhaReservada(linha)) {
        const int bx = g.PassoPontoTexto.x, by = g.PassoPontoTexto.y, cx = g.PassoCelaTexto.x;
        for (std::size_t j = 0; j < linha.size(); ++j) {
            long long xl = static_cast<long long>(j) * cx;
            if (xl > LadoMatriz) break;
            int x = static_cast<int>(xl);
            unsigned char p = cfg_.PontosDoCaractere[static_cast<unsigned char>(linha[j])];
            if (p & 0x01) MarcaPonto(M(), x, y);
            if (p & 0x02) MarcaPonto(M(), x, y + by);
            if (p & 0x04) MarcaPonto(M(), x, y + 2 * by);
            if (p & 0x08) MarcaPonto(M(), x + bx, y);
            if (p & 0x10) MarcaPonto(M(), x + bx, y + by);
            if (p & 0x20) MarcaPonto(M(), x + bx, y + 2 * by);
        }
    }
    y += g.PassoCelaTexto.y;
}

void PaginaImpressao::DesenhaPaginaEmPontos() {
    LimpaMatriz(M());
    int y = 0;
    for (const auto& l : linhas_) {
        if (LinhaGrafico(l)) {
            int x0, w, h;
            PosicionaGrafico(y, l, x0, w, h);
        } else {
            DesenhaLinhaEmPontos(l, y);
        }
    }
}

// One row of the embosser's graphic mode: 450 cells of the dot rows
// y0..y0+2, each cell two dot columns wide.
std::string PaginaImpressao::LinhaDaFaixa(int y0) const {
    std::string s(kCelasFaixa, ' ');
    for (int c = 0; c < kCelasFaixa; ++c) {
        int m = 0;
        for (int k = 0; k < 3; ++k) {
            if (PontoMarcado(*matriz_, 2 * c, y0 + k)) m |= 1 << k;
            if (PontoMarcado(*matriz_, 2 * c + 1, y0 + k)) m |= 1 << (k + 3);
        }
        s[static_cast<std::size_t>(c)] = static_cast<char>(cfg_.TabelaImpressora[cfg_.Celas[static_cast<std::size_t>(m)]]);
    }
    return s;
}

bool PaginaImpressao::ImprimePaginaGrafica() {
    DesenhaPaginaEmPontos();
    bool ok = Envia(kEscGrafico);
    int ultima = 1;
    for (int y = 899; y >= 1 && ultima == 1; --y) {
        for (int x = 0; x <= 899; ++x)
            if (PontoMarcado(*matriz_, x, y)) {
                ultima = y;
                break;
            }
    }
    const int nFaixas = ultima / 3;
    for (int b = 0; b <= nFaixas && ok; ++b)
        ok = Envia(ComFimDeLinha(std::string(AparaBrancosFinais(LinhaDaFaixa(3 * b))), b == nFaixas));
    if (ok) ok = Envia(kFF);
    if (ok) ok = Envia(kEscTexto);
    if (!ok) ErroDispositivo();
    return ok;
}

bool PaginaImpressao::DescarregaFaixaGrafica(int& inicio, int& fim) {
    bool ok = Envia(kEscGrafico);
    while (ok && inicio <= fim) {
        std::string l(AparaBrancosFinais(LinhaDaFaixa(inicio)));
        inicio += 3;
        if (l.empty()) l.push_back(' ');
        ok = Envia(ComFimDeLinha(std::move(l), inicio > fim));
    }
    LimpaMatriz(M());
    inicio = fim = -1;
    if (ok) ok = Envia(kEscTexto);
    if (!ok) ErroDispositivo();
    return ok;
}

bool PaginaImpressao::ImprimePaginaIntercalada() {
    LimpaMatriz(M());
    int y = 0;
    int inicio = -1, fim = -1;
    bool aberta = false;
    bool ok = true;
    for (std::size_t i = 0; i < linhas_.size() && ok; ++i) {
        const std::string& l = linhas_[i];
        if (LinhaGrafico(l)) {
            // A band that got no rows (its graphic placed nothing) starts
            // over here, so no blank rows are sent for the text lines
            // that went out in between.
            if (!aberta || y > fim) {
                inicio = y;
                fim = y - 1;
                aberta = true;
            }
            int x0 = 0, w = 0, h = 0;
            PosicionaGrafico(y, l, x0, w, h);
            fim = std::max(fim, y + h - 1);
        } else if (aberta && y <= fim) {
            DesenhaLinhaEmPontos(l, y);
            if (y > fim) {
                ok = DescarregaFaixaGrafica(inicio, fim);
                aberta = false;
            }
        } else {
            std::string t(LinhaReservada(l) ? std::string_view() : AparaBrancosFinais(l));
            if (t.empty()) t.push_back(' ');
            ok = Envia(ComFimDeLinha(std::move(t), i + 1 == linhas_.size()));
            y += cfg_.Geometria.PassoCelaTexto.y;
        }
    }
    if (ok && aberta) ok = DescarregaFaixaGrafica(inicio, fim);
    if (ok) ok = FormFeeds();
    if (!ok) ErroDispositivo();
    return ok;
}

bool PaginaImpressao::ImprimePaginaTiger() {
    LimpaMatriz(M());
    bool ok = true;
    std::size_t i = 0;
    while (i < linhas_.size() && ok) {
        bool ultima = i + 1 == linhas_.size();
        const std::string l = linhas_[i];
        if (LinhaGrafico(l) && cfg_.TipoTratGrafico != GraficoComoTexto) {
            int x0 = 0, w = 0, h = 0;
            if (PosicionaGrafico(0, l, x0, w, h)) {
                ok = disp_.EnviaGrafico(M(), x0, 0, w, h);
                LimpaAreaMatriz(M(), x0, 0, w, h);
            }
            linhas_.erase(linhas_.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        ok = Envia(LinhaReservada(l) ? std::string(" ") : l);
        if (ok) ok = Envia(ultima ? "\r" : "\r\n");
        ++i;
    }
    if (ok) ok = FormFeeds();
    if (!ok) ErroDispositivo();
    return ok;
}

CapacidadeFolha PaginaImpressao::ExtensaoTiger() const {
    CapacidadeFolha e;
    int linha = 0;
    for (const std::string& l : linhas_) {
        // As ImprimePaginaTiger lays the page out.
        if (LinhaGrafico(l) && cfg_.TipoTratGrafico != GraficoComoTexto) continue;
        ++linha;
        if (LinhaReservada(l)) {
            e.linhas = linha;
            continue;
        }
        const std::size_t fim = l.find_last_not_of(' ');
        if (fim == std::string::npos) continue;
        e.celas = std::max(e.celas, static_cast<int>(fim + 1));
        e.linhas = linha;
    }
    return e;
}

bool PaginaImpressao::PosicionaGrafico(int linha, const std::string& grafico, int& x0, int& largura,
                                       int& altura) {
    x0 = largura = altura = 0;
    std::string resto(AparaBrancos(grafico.size() > 4 ? std::string_view(grafico).substr(4) : std::string_view()));
    std::size_t b = resto.find(' ');
    if (b == std::string::npos) return false;
    std::string pos = MaiusculasAnsi(resto.substr(0, b));
    std::string nome(AparaBrancos(std::string_view(resto).substr(b + 1)));
    if (nome.empty()) return false;
    nome = CaminhoGrafico(nome, cfg_.ArqAtual);
    const GeometriaDispositivo& g = cfg_.Geometria;
    ArquivoGRB grb;
    if (const LeituraGRB r = LeArquivoGRB(nome, cfg_.EhTiger, grb); r != LeituraGRB::Lido) {
        dialogos().MensagemOK(MensagemLeituraGRB(r, nome, "Arquivo " + nome + " não achado"_cp));
        return false;
    }
    largura = ColunaParaPontoX(g, grb.colunas);
    altura = LinhaParaPontoY(g, grb.linhasPontos);
    const int util = CelaParaPontoAbs(g, cfg_.LarguraUtil);
    if (pos == "E" || pos == "C" || pos == "D") {
        x0 = CelaParaPonto(g, cfg_.TamPrefixoMargem + MargemAtual + 1) - 1;
        // A graphic wider than the usable width stays at the margin: moving it
        // left would cut its left edge off the page.
        if (pos == "C" && util > largura) x0 += (util - largura) / 2;
        if (pos == "D" && util > largura) x0 += util - largura;
    } else {
        int n = 0;
        if (LeInteiroExato(pos, n)) {
            if (n < 1) n = 1;
            // Any column past the matrix ends up pulled back to the right
            // edge; bounding it keeps the dot arithmetic in range.
            n = std::min(n, LadoMatriz);
            x0 = CelaParaPonto(g, n + MargemAtual) - 1;
            if (x0 + largura > util) x0 = std::max(util - largura, 0);
        } else {
            x0 = 0;
        }
    }
    // Each line is a dot row from the given row down; every non-blank
    // character is a dot.
    long long y = linha;
    std::size_t ini = 0;
    const std::string& c = grb.conteudo;
    while (ini < c.size() && y <= LadoMatriz) {
        std::size_t fim = c.find('\n', ini);
        if (fim == std::string::npos) fim = c.size();
        for (std::size_t i = ini; i < fim; ++i) {
            if (c[i] == ' ' || c[i] == '\r') continue;
            long long x = static_cast<long long>(x0) + static_cast<long long>(i - ini);
            if (x > LadoMatriz) break;
            MarcaPonto(M(), static_cast<int>(x), static_cast<int>(y));
        }
        ++y;
        ini = fim + 1;
    }
    return true;
}
