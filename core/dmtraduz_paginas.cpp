// dmtraduz_paginas: page composition: draft lines, headers, page ends,
// graphic pages and the line and page maps.
#include "core/dmtraduz_paginas.h"

#include <algorithm>
#include <new>

#include "core/dmutil.h"
#include "output/dmTiger.h"
#include "platform/texto.h"

const std::string SeparadorPagina(50, '-');
const std::string SeparadorPaginaDupla(50, '=');

namespace {
constexpr int PassoMapa = 1000;
const std::string LinhaReservadaTexto(1, '\x0b');
const std::string MarcaGrafico(4, '\x0f');

// A run of at most 43 blanks (no pad for a negative count).
std::string Espacos(int n)
{
    return std::string(static_cast<size_t>(std::clamp(n, 0, 43)), ' ');
}

// The number sign of the braille code in force (dots 3456).
unsigned char SinalNumero() { return CelasAtuais()[0x3C]; }

// Removes the leading number sign of a translated number, only when it is
// there (a roman number starts with a capital sign instead).
void TiraSinalNumero(std::string& s)
{
    if (!s.empty() && static_cast<unsigned char>(s[0]) == SinalNumero()) s.erase(0, 1);
}

// Cuts a translated title to at most cabe cells, at the end of a word when
// one ends in time (a word cut in the middle only when the first one is too
// long by itself).
void CortaTitulo(std::string& titulo, int cabe)
{
    if (cabe <= 0) {
        titulo.clear();
        return;
    }
    const size_t limite = static_cast<size_t>(cabe);
    if (titulo.size() <= limite) return;
    size_t corte = limite;
    if (titulo[corte] != ' ') {
        const size_t branco = titulo.rfind(' ', corte);
        if (branco != std::string::npos && titulo.find_first_not_of(' ') < branco) corte = branco;
    }
    titulo.resize(corte);
    TiraBrancosFinais(titulo);
}

void Cresce(DynIntArray& m, size_t tamanho)
{
    if (m.size() < tamanho) m.resize(tamanho, -1);
}

void MapeiaPelaTabela(std::string& t)
{
    for (char& c : t) c = static_cast<char>(TabelaImpressora[static_cast<unsigned char>(c)]);
}
} // namespace

void EscreveLinha(const std::string& texto, bool traduz, bool mapeia, int linhaEditor)
{
    EstadoCompilacao& e = *Compilacao;
    if (e.PaginaFisica < e.PagInicial || e.PaginaFisica > e.PagFinal) {
        ++e.LinhaNaPagina;
        e.InicioPagina = false;
        return;
    }
    std::string t = texto;
    bool tabela = traduz && !e.ModoBruto;
    if (traduz && !LinhaEspecial(t)) {
        // The prefix is internal cells: before a raw line too it goes
        // through the code table, while the raw text is output code already.
        if (tabela || e.PrefixoMargem.empty()) {
            t = e.PrefixoMargem + t;
        } else {
            std::string prefixo = e.PrefixoMargem;
            MapeiaPelaTabela(prefixo);
            t = prefixo + t;
        }
        if (t.empty() && ImprEnviaVazias) {
            t = e.ModoVisualizacao ? "-->" : " ";
            tabela = true;
        }
    }
    if (e.ModoVisualizacao) t += "      ";
    if (tabela) MapeiaPelaTabela(t);
    if (e.Escritor && !e.Escritor->GravaLinha(t)) e.ErroEscrita = true;
    if (mapeia) MapeiaLinhaRascunho(linhaEditor == -1 ? e.LinhaInicioParagrafo : linhaEditor);
    ++e.LinhaNaPagina;
    ++e.LinhaRascunho;
    e.InicioPagina = false;
}

void EscreveLinhaGrafica(const std::string& coluna, const std::string& arquivo, int linhaEditor)
{
    EstadoCompilacao& e = *Compilacao;
    EscreveLinha(MarcaGrafico + " " + coluna + " " + arquivo, false, true, linhaEditor);
    --e.LinhaNaPagina;
}

bool MontaCabecalho(std::string& cabecalho)
{
    EstadoCompilacao& e = *Compilacao;
    cabecalho.clear();
    const bool impar = (e.PaginaFisica % 2) != 0;
    if (!(TipoCabec == 2 || impar || !FrenteVerso)) return false;

    const bool inglesAntes = TextoIngles;
    TextoIngles = CfgCabecIngles;
    const int posicao = (EstiloNumPag >= 0 && EstiloNumPag <= 3) ? EstiloNumPag : 0;

    std::string titulo = posicao == 2 ? std::string() : TraduzEstado(e.TituloCabec);

    const int numero = e.NumPagInic + e.NumPagina - 1;
    std::string textoNumero;
    if (e.NumeracaoRomana)
        IntParaRomano(numero, textoNumero);
    else
        textoNumero = std::to_string(numero);
    std::string num = TraduzEstado(textoNumero);
    if (posicao == 2) TiraSinalNumero(num);

    std::string tinta;
    if (NumeraOrig && e.NumPagTinta != 0 &&
        (posicao == 1 || posicao == 2 || posicao == 3 || impar || !FrenteVerso)) {
        std::string t = TraduzEstado(std::to_string(e.NumPagTinta));
        if (posicao == 2) TiraSinalNumero(t);
        tinta = "  " + t;
    }

    const bool parComNumeroAEsquerda = FrenteVerso && posicao == 0 && !impar;
    if (parComNumeroAEsquerda && AfastaCabPar) num = "  " + num;

    const auto livreAgora = [&] {
        return MaxCarac - static_cast<int>(tinta.size()) - static_cast<int>(titulo.size()) -
               static_cast<int>(num.size());
    };
    // The blanks the layout below needs so that no two parts touch: a title
    // between two parts takes one on each side of it (its pads are half the
    // free space each), a title after the number at the left one before it,
    // and the ink page beside the number with no title between them one.
    const auto separacao = [&] {
        if (posicao == 2) return 0;
        if (posicao == 3) return titulo.empty() ? 0 : 1;
        if (titulo.empty()) return parComNumeroAEsquerda || tinta.empty() ? 0 : 1;
        return parComNumeroAEsquerda || !tinta.empty() ? 2 : 1;
    };
    // A header never runs past the line: a title too long for it is cut;
    // when the ink page does not fit even without a title, it gives way and
    // the title gets the room. The page number always stays whole.
    const auto cortaTitulo = [&] {
        if (!titulo.empty() && livreAgora() < separacao())
            CortaTitulo(titulo, static_cast<int>(titulo.size()) - (separacao() - livreAgora()));
    };
    const std::string tituloInteiro = titulo;
    cortaTitulo();
    if (livreAgora() < separacao() && !tinta.empty()) {
        tinta.clear();
        titulo = tituloInteiro;
        cortaTitulo();
    }
    int livre = livreAgora();
    switch (posicao) {
    case 2:
        livre += static_cast<int>(titulo.size());
        cabecalho = Espacos(livre / 2) + num + Espacos(livre / 2) + tinta;
        break;
    case 3:
        cabecalho = num + tinta + Espacos(livre) + titulo;
        break;
    default:
        titulo = Espacos(livre / 2) + titulo + Espacos(livre - livre / 2);
        cabecalho = parComNumeroAEsquerda ? num + titulo : tinta + titulo + num;
        break;
    }
    TiraBrancosFinais(cabecalho);
    TextoIngles = inglesAntes;
    return true;
}

void EscreveCabecalho()
{
    EstadoCompilacao& e = *Compilacao;
    if (!e.ComTitulo) return;
    // Raw mode and the margin prefix never apply to the header, also not to
    // the translation of its title and numbers.
    const bool brutoAntes = e.ModoBruto;
    std::string prefixoAntes;
    prefixoAntes.swap(e.PrefixoMargem);
    e.ModoBruto = false;
    e.NoCabecalho = true;
    std::string cab;
    const bool monta = MontaCabecalho(cab);
    e.NoCabecalho = false;
    if (monta) EscreveLinha(cab, true, false);
    e.ModoBruto = brutoAntes;
    e.PrefixoMargem.swap(prefixoAntes);
}

void FimDePagina(bool mapeia)
{
    EstadoCompilacao& e = *Compilacao;
    if (e.PaginaFisica > e.PagFinal) return;
    if (ImprEnviaVazias && e.InicioPagina) EscreveLinha("", true, false);

    const std::string* separador = &SeparadorPagina;
    bool versoEmBranco = false;
    if (e.PaginaComGrafico) {
        if (FrenteVerso && (e.PaginaFisica % 2) != 0 && !ModeloEhTiger(ImprMarca)) {
            separador = &SeparadorPaginaDupla;
            versoEmBranco = true;
        }
        e.PaginaComGrafico = false;
    }
    // The fill of a page outside the range writes nothing, and a draft that
    // can no longer be written is not filled on (a huge page length would
    // otherwise go on for ever).
    if (GeraTamanhoRealPagina() && e.PaginaFisica >= e.PagInicial) {
        for (long long n = static_cast<long long>(MaxLin) - e.LinhaNaPagina + 1;
             n > 0 && !e.ErroEscrita; --n)
            EscreveLinha(LinhaReservadaTexto, false, false);
    }
    // The separator belongs to the page it closes, so it is written before
    // the blank back side is counted.
    EscreveLinha(*separador, false, mapeia);
    if (versoEmBranco) {
        ++e.NumPagina;
        ProximaPagina();
    }
    ++e.NumPagina;
    ProximaPagina();
    e.InicioPagina = true;
    e.LinhaNaPagina = 1;
}

void EmiteGraficosPendentes()
{
    EstadoCompilacao& e = *Compilacao;
    if (e.PaginaFisica <= e.PagFinal && !e.FilaGraficosArq.empty()) {
        if (FrenteVerso && (e.PaginaFisica % 2) == 0) FimDePagina(false);
        const size_t n = e.FilaGraficosArq.size();
        for (size_t i = 0; i < n && e.PaginaFisica <= e.PagFinal; ++i) {
            EscreveCabecalho();
            EscreveLinhaGrafica(i < e.FilaGraficosCol.size() ? e.FilaGraficosCol[i] : std::string(),
                                e.FilaGraficosArq[i]);
            e.PaginaComGrafico = true;
            FimDePagina(false);
        }
    }
    e.FilaGraficosArq.clear();
    e.FilaGraficosCol.clear();
}

// ---- Maps -----------------------------------------------------------------
void InicializaMapas()
{
    EstadoCompilacao& e = *Compilacao;
    try {
        // New arrays, not refilled old ones: what a long draft before grew
        // them to is released.
        e.MapaEditorRascunho = DynIntArray(PassoMapa, -1);
        e.MapaRascunhoEditor = DynIntArray(PassoMapa, -1);
        const size_t paginas = static_cast<size_t>(e.TamanhoMapaPaginas) + 1;
        e.MapaPagArabica = DynIntArray(paginas, -1);
        e.MapaPagRomana = DynIntArray(paginas, -1);
        e.MapaPagFisica = DynIntArray(paginas, -1);
    } catch (const std::bad_alloc&) {
        ErroContacte("Erro da alocação de memória em CompilaRascunho!"_cp);
    }
    e.QuantEditorMapeadas = 0;
    e.QuantRascunhoMapeadas = 0;
}

void MapeiaPagina()
{
    EstadoCompilacao& e = *Compilacao;
    const int b = std::max(e.NumPagina, e.PaginaFisica);
    try {
        if (b > e.TamanhoMapaPaginas) {
            e.TamanhoMapaPaginas = (b / PassoMapa + 1) * PassoMapa;
        }
        const size_t paginas = static_cast<size_t>(e.TamanhoMapaPaginas) + 1;
        Cresce(e.MapaPagArabica, paginas);
        Cresce(e.MapaPagRomana, paginas);
        Cresce(e.MapaPagFisica, paginas);
    } catch (const std::bad_alloc&) {
        ErroContacte("Erro da alocação de memória em CompilaRascunho!"_cp);
        return;
    }
    if (e.NumPagina < 0 || e.PaginaFisica < 0) return;
    const auto num = static_cast<size_t>(e.NumPagina);
    const auto fis = static_cast<size_t>(e.PaginaFisica);
    if (e.NumeracaoRomana) {
        e.MapaPagRomana[num] = e.PaginaFisica;
        e.MapaPagFisica[fis] = -e.NumPagina;
    } else {
        e.MapaPagArabica[num] = e.PaginaFisica;
        e.MapaPagFisica[fis] = e.NumPagina;
    }
}

void PrimeiraPagina()
{
    Compilacao->PaginaFisica = 1;
    MapeiaPagina();
}

void ProximaPagina()
{
    ++Compilacao->PaginaFisica;
    MapeiaPagina();
}

void MapeiaLinhaRascunho(int linhaEditor)
{
    EstadoCompilacao& e = *Compilacao;
    if (e.LinhaRascunhoCursor == -1 && linhaEditor >= e.LinhaEditorCursor)
        e.LinhaRascunhoCursor = e.LinhaRascunho - 1;
    MapeiaLinhas(linhaEditor);
}

void MapeiaLinhas(int linhaEditor)
{
    EstadoCompilacao& e = *Compilacao;
    const int rascunho = e.LinhaRascunho - 1;
    try {
        if (linhaEditor >= 0) {
            const auto idx = static_cast<size_t>(linhaEditor);
            if (e.MapaEditorRascunho.size() <= idx)
                e.MapaEditorRascunho.resize((idx / PassoMapa + 1) * PassoMapa, -1);
            for (int i = std::max(e.QuantEditorMapeadas, 0); i <= linhaEditor; ++i)
                if (e.MapaEditorRascunho[static_cast<size_t>(i)] == -1)
                    e.MapaEditorRascunho[static_cast<size_t>(i)] = rascunho;
            e.QuantEditorMapeadas = linhaEditor;
        }
        if (rascunho >= 0) {
            const auto idx = static_cast<size_t>(rascunho);
            if (e.MapaRascunhoEditor.size() <= idx)
                e.MapaRascunhoEditor.resize(
                    static_cast<size_t>(e.LinhaRascunho / PassoMapa) * PassoMapa + PassoMapa, -1);
            for (int i = std::max(e.QuantRascunhoMapeadas, 0); i <= rascunho; ++i)
                if (e.MapaRascunhoEditor[static_cast<size_t>(i)] == -1)
                    e.MapaRascunhoEditor[static_cast<size_t>(i)] = e.LinhaInicioParagrafo;
            e.QuantRascunhoMapeadas = rascunho;
        }
    } catch (const std::bad_alloc&) {
        ErroContacte("Erro da alocação de memória em CompilaRascunho!"_cp);
    }
}
