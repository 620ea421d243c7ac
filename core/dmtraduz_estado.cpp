// dmtraduz_estado: compile state, its principal instance, the request and the
// translators' state.
#include "core/dmtraduz_estado.h"

#include <algorithm>
#include <utility>

#include "core/celas/celas.h"
#include "core/dmutil.h"
#include "platform/arquivos.h"

namespace {
EstadoCompilacao estadoPrincipal;
std::function<bool()> consultaTamanhoReal;
} // namespace

EstadoCompilacao& EstadoPrincipal() { return estadoPrincipal; }
EstadoCompilacao* Compilacao = &estadoPrincipal;

DynIntArray& MapaEditorRascunho = estadoPrincipal.MapaEditorRascunho;
DynIntArray& MapaRascunhoEditor = estadoPrincipal.MapaRascunhoEditor;
DynIntArray& MapaPagArabica = estadoPrincipal.MapaPagArabica;
DynIntArray& MapaPagRomana = estadoPrincipal.MapaPagRomana;
DynIntArray& MapaPagFisica = estadoPrincipal.MapaPagFisica;
int& QuantEditorMapeadas = estadoPrincipal.QuantEditorMapeadas;
int& QuantRascunhoMapeadas = estadoPrincipal.QuantRascunhoMapeadas;
int& TamanhoMapaPaginas = estadoPrincipal.TamanhoMapaPaginas;
int& PaginaFisica = estadoPrincipal.PaginaFisica;
int& LinhaRascunhoCursor = estadoPrincipal.LinhaRascunhoCursor;

// ---- Translators' state and the request ----------------------------------
EstadoTradutores InicioDosTradutores()
{
    EstadoTradutores t;
    t.TextoIngles = CfgTextoIngles;
    return t;
}

PedidoCompilacao PedidoCompilacao::Visualizacao(int linhaCursor)
{
    PedidoCompilacao p;
    p.LinhaCursor = linhaCursor < 0 ? 0 : linhaCursor;
    p.ParaVisualizacao = true;
    return p;
}

PedidoCompilacao PedidoCompilacao::Impressao(int pagInicial, int pagFinal, int numPagInic)
{
    PedidoCompilacao p;
    p.PagInicial = pagInicial;
    p.PagFinal = pagFinal;
    p.NumPagInic = numPagInic;
    return p;
}

namespace {
EstadoTradutores LeTradutores()
{
    return {dmunif::AspasAbertas, dmunif::ParentesesAbertos, dmantigo::AspasAbertas, TextoIngles};
}

void PoeTradutores(const EstadoTradutores& t)
{
    dmunif::AspasAbertas = t.AspasUnif;
    dmunif::ParentesesAbertos = t.ParentesesUnif;
    dmantigo::AspasAbertas = t.AspasAntigo;
    TextoIngles = t.TextoIngles;
}
} // namespace

EscopoCompilacao::EscopoCompilacao(EstadoCompilacao& e)
    : anterior_(Compilacao), tradutoresAnteriores_(LeTradutores())
{
    Compilacao = &e;
    PoeTradutores(e.Tradutores);
}

EscopoCompilacao::~EscopoCompilacao()
{
    Compilacao->Tradutores = LeTradutores();
    PoeTradutores(tradutoresAnteriores_);
    Compilacao = anterior_;
}

// ---- State ----------------------------------------------------------------
void PreparaEstado(EstadoCompilacao& e, const PedidoCompilacao& pedido)
{
    e.ErroEscrita = false;
    e.PagInicial = pedido.PagInicial;
    e.PagFinal = pedido.PagFinal;
    e.NumPagInic = pedido.NumPagInic;
    e.ModoVisualizacao = pedido.ParaVisualizacao;
    e.Tradutores = pedido.Tradutores;
    e.TamanhoMapaPaginas = 1000;
    e.LinhaEditorCursor = pedido.LinhaCursor;
    e.LinhaRascunhoCursor = -1;
    e.LinhaNaPagina = 1;
    e.NumPagina = 1;
    e.PaginaFisica = 1;
    e.LinhaInicioParagrafo = 0;
    e.LinhaEditorAtual = 0;
    e.LinhaRascunho = 1;
    e.InicioPagina = true;
    e.NumPagTinta = 0;
    e.BufferParagrafo.clear();
    e.Recuo = false;
    e.Hifenizar = SeparaSilabas;
    e.TituloCabec = Titulo;
    e.ComTitulo = ComTitulo;
    e.AutoFormata = AutoJunta;
    e.NumeracaoRomana = false;
    e.PaginaComGrafico = false;
    e.ModoBruto = false;
    e.LinhaCentrada = false;
    e.LarguraLinha = MaxCarac;
    e.PrefixoMargem.clear();
    e.FilaGraficosArq.clear();
    e.FilaGraficosCol.clear();
    e.AnotaOmitidos = false;
    e.Omitidos.clear();
    e.NoCabecalho = false;
}

void PublicaEstado(const EstadoCompilacao& e)
{
    PrefixoMargem = e.PrefixoMargem;
    LinhaCentrada = e.LinhaCentrada;
    NumPagTinta = e.NumPagTinta;
    FilaGraficosArq = e.FilaGraficosArq;
    FilaGraficosCol = e.FilaGraficosCol;
}

std::string TraduzEstado(const std::string& texto)
{
    if (Compilacao->ModoBruto) {
        std::string r, omitidos;
        r.reserve(texto.size());
        for (char ch : texto)
            (CelaDeSaida(static_cast<unsigned char>(ch)) ? r : omitidos) += ch;
        NotaOmitidos(omitidos);
        return r;
    }
    if (Compilacao->Tradutor) return Compilacao->Tradutor(texto);
    return texto;
}

void NotaOmitidos(std::string_view caracteres)
{
    EstadoCompilacao& e = *Compilacao;
    if (!e.AnotaOmitidos) return;
    const int linha = e.NoCabecalho ? -1 : e.LinhaEditorAtual;
    for (char ch : caracteres) {
        const auto c = static_cast<unsigned char>(ch);
        // A header is built on every page: it is one place, apart from the
        // text's lines.
        auto o = std::find_if(e.Omitidos.begin(), e.Omitidos.end(), [&](const EstadoCompilacao::Omitido& x) {
            return x.caractere == c && (x.linha < 0) == (linha < 0);
        });
        if (o == e.Omitidos.end())
            e.Omitidos.push_back({c, linha, 1});
        else
            ++o->vezes;
    }
}

bool CelaDeSaida(unsigned char c)
{
    if (c >= 0x20 && c <= 0x7E) return true;
    for (unsigned char cela : CelasDoCodigo(BrailleAntigo))
        if (TabelaImpressora[cela] == c) return true;
    return false;
}

bool GeraTamanhoRealPagina()
{
    return consultaTamanhoReal ? consultaTamanhoReal() : false;
}

void DefineConsultaTamanhoReal(std::function<bool()> consulta)
{
    consultaTamanhoReal = std::move(consulta);
}
