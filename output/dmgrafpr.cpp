// dmgrafpr: .GRB measuring, the graphic dot matrix and the empty framed
// graphic.
#include "output/dmgrafpr.h"

#include <algorithm>
#include <cstring>

#include "core/dmutil.h"
#include "core/dmvars.h"
#include "output/dmTiger.h"
#include "output/dmdevice.h"
#include "platform/arquivos.h"
#include "platform/codepage.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

MatrizPontos MatrizGrafica{};

namespace {
bool DentroDaMatriz(int x, int y)
{
    return x >= 0 && x < LadoMatriz && y >= 0 && y < LadoMatriz;
}

size_t Indice(int x, int y)
{
    return static_cast<size_t>(x) + static_cast<size_t>(y) * LadoMatriz;
}

// Largest empty graphic asked for: the frame must fit in the dot matrix.
constexpr int MaxColunasVazio = LadoMatriz / 6;
constexpr int MaxLinhasVazio = LadoMatriz / 5;
} // namespace

void MarcaPonto(MatrizPontos& m, int x, int y)
{
    if (DentroDaMatriz(x, y)) m[Indice(x, y)] = 1;
}

bool PontoMarcado(const MatrizPontos& m, int x, int y)
{
    return DentroDaMatriz(x, y) && m[Indice(x, y)] != 0;
}

void LimpaMatriz(MatrizPontos& m) { m.fill(0); }

void LimpaAreaMatriz(MatrizPontos& m, int x, int y, int largura, int altura)
{
    if (largura < 1 || altura < 1) return;
    // Clip to the matrix (in 64 bits, so huge sizes cannot overflow).
    const long long x0 = std::max<long long>(x, 0);
    const long long y0 = std::max<long long>(y, 0);
    const long long x1 = std::min<long long>(static_cast<long long>(x) + largura, LadoMatriz);
    const long long y1 = std::min<long long>(static_cast<long long>(y) + altura, LadoMatriz);
    if (x0 >= x1 || y0 >= y1) return;
    for (long long yy = y0; yy < y1; ++yy)
        std::memset(&m[Indice(static_cast<int>(x0), static_cast<int>(yy))], 0,
                    static_cast<size_t>(x1 - x0));
}

void MarcaPonto(int x, int y) { MarcaPonto(MatrizGrafica, x, y); }
bool PontoMarcado(int x, int y) { return PontoMarcado(MatrizGrafica, x, y); }
void LimpaMatriz() { LimpaMatriz(MatrizGrafica); }
void LimpaAreaMatriz(int x, int y, int largura, int altura)
{
    LimpaAreaMatriz(MatrizGrafica, x, y, largura, altura);
}

void ObtemGeometriaGrafica(GeometriaDispositivo& g) { CopiaGeometria(g); }

void ObtemGeometriaGrafica(ParInteiro& origemTexto, ParInteiro& passoPontoTexto,
                           ParInteiro& passoCelaTexto, ParInteiro& tamanhoPonto,
                           ParInteiro& passoPontoGrafico, ParInteiro& passoCelaGrafico,
                           ParInteiro& inicioGrafico, ParInteiro& passoGrafico)
{
    CopiaGeometria(origemTexto, passoPontoTexto, passoCelaTexto, tamanhoPonto, passoPontoGrafico,
                   passoCelaGrafico, inicioGrafico, passoGrafico);
}

namespace {
// Columns and rows of a .GRB as they stand in the file, before rounding.
void MedeSemArredondar(const std::string& conteudo, int& colunas, int& linhas)
{
    colunas = 0;
    linhas = 0;
    // One pass: a line's width is its length without trailing blanks (and
    // without a CR left before its LF).
    size_t inicio = 0;
    int linha = 0;
    const size_t n = conteudo.size();
    while (inicio < n) {
        size_t fim = conteudo.find('\n', inicio);
        if (fim == std::string::npos) fim = n;
        size_t f = fim;
        while (f > inicio && (conteudo[f - 1] == ' ' || conteudo[f - 1] == '\r')) --f;
        ++linha;
        if (f > inicio) {
            linhas = linha;
            colunas = std::max(colunas, static_cast<int>(std::min<size_t>(f - inicio, 1u << 30)));
        }
        inicio = fim + 1;
    }
}

void Arredonda(bool tiger, int& colunas, int& linhas)
{
    if (!tiger) {
        colunas = (colunas + 1) / 2 * 2;
        linhas = (linhas + 2) / 3 * 3;
    }
}
} // namespace

void MedeGRB(const std::string& conteudo, bool tiger, int& colunas, int& linhas)
{
    MedeSemArredondar(conteudo, colunas, linhas);
    Arredonda(tiger, colunas, linhas);
}

std::string CaminhoGrafico(const std::string& nome, const std::string& arqAtual)
{
    if (nome.empty() || nome.front() == '/') return nome;
    const std::string pasta = ExtraiDiretorio(arqAtual);
    return pasta.empty() ? nome : pasta + nome;
}

LeituraGRB LeArquivoGRB(const std::string& caminho, bool tiger, ArquivoGRB& g)
{
    g = ArquivoGRB{};
    switch (LeArquivoAte(caminho, g.conteudo, MaxBytesGRB)) {
    case LeituraArquivo::Lido: break;
    case LeituraArquivo::NaoLido: return LeituraGRB::NaoAberto;
    case LeituraArquivo::GrandeDemais: return LeituraGRB::GrandeDemais;
    }
    int colunas = 0, linhas = 0;
    MedeSemArredondar(g.conteudo, colunas, linhas);
    if (colunas > LadoMatriz || linhas > LadoMatriz) {
        g = ArquivoGRB{};
        return LeituraGRB::GrandeDemais;
    }
    Arredonda(tiger, colunas, linhas);
    g.colunas = colunas;
    g.linhasPontos = linhas;
    return LeituraGRB::Lido;
}

std::string MensagemLeituraGRB(LeituraGRB r, const std::string& caminho,
                               const std::string& naoAberto)
{
    if (r != LeituraGRB::GrandeDemais) return naoAberto;
    return "Arquivo "_cp + caminho + " grande demais para um gráfico (no máximo 1 MB e "_cp +
           std::to_string(LadoMatriz) + " linhas e colunas de pontos)."_cp;
}

void LeTamanhoGRB(const std::string& nome, int& colunas, int& linhas)
{
    colunas = 0;
    linhas = 0;
    ArquivoGRB g;
    const bool tiger = EhTiger.load(); // refreshed with the geometry
    const LeituraGRB r = LeArquivoGRB(nome, tiger, g);
    if (r != LeituraGRB::Lido) {
        dialogos().Caixa(MensagemLeituraGRB(r, nome, "Não consegui abrir arquivo "_cp + nome + "!"),
                         "Erro", Icone::Erro, Botoes::OK);
        return;
    }
    colunas = g.colunas;
    linhas = g.linhasPontos;
}

void ExtensaoGRB(const std::string& nome, int& x, int& y)
{
    int colunas = 0, linhas = 0;
    LeTamanhoGRB(nome, colunas, linhas);
    x = ColunaParaPontoX(colunas);
    y = LinhaParaPontoY(linhas);
}

void TamanhoGRBEmCelas(const std::string& nome, int& linhas, int& colunas)
{
    int c = 0, l = 0;
    LeTamanhoGRB(nome, c, l);
    linhas = LinhaParaCelaY(l);
    colunas = ColunaParaCelaX(c);
}

int LinhasGRB(const std::string& nome)
{
    int linhas = 0, colunas = 0;
    TamanhoGRBEmCelas(nome, linhas, colunas);
    return linhas;
}

int ColunaEmPontos(int cela) { return CelaParaPonto(cela); }
int ColunaEmPontosComMargem(int cela) { return CelaParaPontoAbs(cela); }

bool LeTamanhoGraficoVazio(const std::string& resposta, int& yy, int& xx)
{
    const size_t branco = resposta.find(' ');
    if (branco == std::string::npos) return false;
    int y = 0, x = 0;
    if (!LeInteiroExato(std::string_view(resposta).substr(0, branco), y)) return false;
    if (!LeInteiroExato(AparaBrancos(std::string_view(resposta).substr(branco)), x)) return false;
    // A size of 0 or below, or a frame beyond the dot matrix, is asked again.
    if (y <= 0 || x <= 0 || y > MaxLinhasVazio || x > MaxColunasVazio) return false;
    yy = y;
    xx = x;
    return true;
}

std::string NomeGraficoVazio(const std::string& resposta, const std::string& arqAtual)
{
    std::string nome(AparaBrancos(resposta));
    if (nome.empty()) return nome;
    const std::string_view fim =
        std::string_view(nome).substr(nome.size() >= 4 ? nome.size() - 4 : 0);
    if (!IgualSemCaixa(fim, ".GRB")) nome += ".GRB";
    if (nome.find('/') == std::string::npos && nome.find('\\') == std::string::npos &&
        !arqAtual.empty())
        nome = ExtraiDiretorio(arqAtual) + nome;
    return nome;
}

std::string TextoGraficoVazio(int yy, int xx)
{
    const int w = xx * 6;
    const int h = yy * 5;
    if (w <= 0 || h <= 0) return std::string();
    const std::string cheia(static_cast<size_t>(w), '*');
    std::string meio = cheia;
    if (w > 2) std::fill(meio.begin() + 1, meio.end() - 1, ' ');
    std::string r = cheia + "\r\n";
    for (int i = 0; i < h - 3; ++i) r += meio + "\r\n";
    r += cheia + "\r\n";
    return r;
}

bool GravaGraficoVazio(const std::string& nome, int yy, int xx)
{
    return GravaArquivoAtomico(nome, TextoGraficoVazio(yy, xx));
}
