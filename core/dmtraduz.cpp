// dmtraduz: the draft compiler driver. Reads the document line by line,
// hands each line to the command parser or to the text layout, and writes
// the paginated draft through the page stage.
#include "core/dmtraduz.h"

#include <utility>

#include "core/dmantigo.h"
#include "core/dmtraduz_comandos.h"
#include "core/dmtraduz_estado.h"
#include "core/dmtraduz_paginas.h"
#include "core/dmtraduz_quebra.h"
#include "core/dmunif.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "core/documento.h"
#include "output/dmdevice_geometria.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/texto.h"


namespace {

const char* const MsgErroDisco = "Erro em disco ao gerar arquivo de rascunho";

// At most this many characters are named in the box; the rest are counted.
constexpr std::size_t kOmitidosNaCaixa = 10;

void MostraErroDisco()
{
    dialogos().Caixa(MsgErroDisco, "Erro", Icone::Erro, Botoes::OK);
}

std::string TraduzCompilacao(const std::string& texto) { return TraduzTexto(texto); }

bool ComecaCom10Brancos(const std::string& s)
{
    if (s.size() <= 10) return false;
    for (size_t i = 0; i < 10; ++i)
        if (s[i] != ' ') return false;
    return true;
}

// Keeps only the first line written (CompilaLinha's result).
class EscritorPrimeiraLinha : public EscritorRascunho {
public:
    bool GravaLinha(const std::string& linha) override
    {
        if (!temLinha) {
            primeira = linha;
            temLinha = true;
        }
        return true;
    }
    std::string primeira;
    bool temLinha = false;
};

// Lays out the document into the state Compilacao points at.
void CompilaDocumento(const LinhasDocumento& doc)
{
    EstadoCompilacao& e = *Compilacao;
    const int n = doc.NumLinhas();
    std::string linha;
    for (int i = 0; i < n; ++i) {
        if (e.PaginaFisica > e.PagFinal || e.ErroEscrita) break;
        linha = doc.Linha(i);
        ExpandeTabs(linha);
        e.LinhaEditorAtual = i;
        e.LinhaCentrada = e.AutoFormata && ComecaCom10Brancos(linha);
        AjustaRecuo(linha);
        if (!ProcessaComando(linha)) ProcessaLinhaTexto(linha);
    }
    if (e.ErroEscrita) return;
    TerminaDocumento();
}

} // namespace

std::string MensagemOmitidos(const std::vector<EstadoCompilacao::Omitido>& omitidos)
{
    std::string m = "Caracteres sem sinal em braille, deixados fora do braille:"_cp;
    for (std::size_t i = 0; i < omitidos.size() && i < kOmitidosNaCaixa; ++i) {
        const EstadoCompilacao::Omitido& o = omitidos[i];
        const unsigned char c = o.caractere;
        // Codes that show nothing are named by their number.
        const bool invisivel = c < 32 || c == 127 || c == 129 || c == 141 || c == 143 ||
                               c == 144 || c == 157;
        m += "\r\n";
        m += invisivel ? "código "_cp + std::to_string(c) : "\"" + std::string(1, static_cast<char>(c)) + "\"";
        if (o.linha < 0) {
            m += " no cabeçalho"_cp;
            continue;
        }
        m += " na linha " + std::to_string(o.linha + 1);
        if (o.vezes > 1) m += " (" + std::to_string(o.vezes) + " vezes no texto)";
    }
    if (omitidos.size() > kOmitidosNaCaixa)
        m += "\r\ne mais " + std::to_string(omitidos.size() - kOmitidosNaCaixa) + " caracteres.";
    return m;
}

void TerminaDocumento()
{
    EstadoCompilacao& e = *Compilacao;
    // A paragraph still open is laid out unless the page range ended the
    // reading first.
    if (e.PaginaFisica <= e.PagFinal && !e.BufferParagrafo.empty())
        FormataParagrafo(true, true, std::string());
    if (!e.InicioPagina) FimDePagina(false);
    EmiteGraficosPendentes();
    // In interpoint the last sheet is always closed on its back side.
    if (FrenteVerso && e.PaginaFisica % 2 == 0) {
        if (e.InicioPagina && ImprEnviaVazias) EscreveLinha(std::string(), true, false);
        FimDePagina(false);
    }
}

std::string TraduzTexto(const std::string& texto)
{
    if (Compilacao->ModoBruto) return texto;
    std::string braille, omitidos;
    if (BrailleAntigo)
        TraduzAntigo(texto, braille, &omitidos);
    else
        TraduzUnificado(texto, braille, &omitidos);
    if (!omitidos.empty()) NotaOmitidos(omitidos);
    return braille;
}

void ExpandeTabs(std::string& s)
{
    size_t tabs = 0;
    for (char c : s)
        if (c == '\t') ++tabs;
    if (tabs == 0) return;
    std::string r;
    r.reserve(s.size() + tabs);
    for (char c : s) {
        if (c == '\t')
            r.append(2, ' ');
        else
            r.push_back(c);
    }
    s = std::move(r);
}

int LarguraUtil() { return Compilacao->LarguraLinha; }

bool CompilaRascunho(const PedidoCompilacao& pedido)
{
    // The default draft is this program's own, in its private folder.
    if (ArqRascunho.empty()) ArqRascunho = RascunhoPrivado();
    if (ArqRascunho.empty()) {
        dialogos().Caixa(MensagemSemPastaTemporaria(), "Erro", Icone::Erro, Botoes::OK);
        return false;
    }

    EscritorRascunhoArquivo arquivo;
    if (!arquivo.Abre(ArqRascunho)) {
        MostraErroDisco();
        return false;
    }

    // The compile runs in a state of its own and replaces the principal
    // state only when the whole draft was written, so a failed compile
    // leaves the maps of the last good draft to their readers. The maps of
    // the draft before are released then, whatever their size.
    EstadoCompilacao e;
    PreparaEstado(e, pedido);
    e.Escritor = &arquivo;
    e.Tradutor = TraduzCompilacao;
    e.AnotaOmitidos = true;
    // The job variables under their own names, for what reads them while
    // and after the draft is made (the geometry set, the print job).
    PagInicial = e.PagInicial;
    PagFinal = e.PagFinal;
    NumPagInic = e.NumPagInic;
    ModoVisualizacao = e.ModoVisualizacao;
    {
        // Raw mode and foreign-text mode live only within the document: the
        // scope gives the translators back the state they had before.
        EscopoCompilacao escopo(e);
        InicializaMapas();
        PrimeiraPagina();
        CarregaGeometria();
        CompilaDocumento(DocumentoAtual());
    }
    const bool ok = !e.ErroEscrita && arquivo.Fecha();
    if (!ok) {
        MostraErroDisco();
        return false;
    }
    e.Escritor = nullptr;
    e.ModoBruto = false;
    e.AnotaOmitidos = false;
    const std::vector<EstadoCompilacao::Omitido> omitidos = std::move(e.Omitidos);
    e.Omitidos.clear();
    EstadoPrincipal() = std::move(e);
    PublicaEstado(EstadoPrincipal());
    // Nothing is embossed wrong in silence: what the braille lacks is told
    // once for the whole compile.
    if (!omitidos.empty()) dialogos().MensagemOK(MensagemOmitidos(omitidos));
    return true;
}

std::string CompilaLinha(int linhaEditor)
{
    return CompilaTextoLinha(DocumentoAtual().Linha(linhaEditor), linhaEditor);
}

std::string CompilaTextoLinha(const std::string& linha, int linhaEditor)
{
    EscritorPrimeiraLinha saida;
    EstadoCompilacao e;
    PreparaEstado(e, PedidoCompilacao{});
    e.Escritor = &saida;
    e.Tradutor = TraduzCompilacao;
    e.LinhaRascunho = 1;
    e.LinhaNaPagina = 2;
    e.InicioPagina = false; // no header
    e.LarguraLinha = 254;
    e.LinhaEditorAtual = linhaEditor;
    EscopoCompilacao escopo(e);
    InicializaMapas();
    PrimeiraPagina();

    // The line goes to the layout as it stands: no tab expansion, no indent
    // adjustment, no command parsing.
    ProcessaLinhaTexto(linha);
    if (!e.BufferParagrafo.empty()) ProcessaLinhaTexto(nullptr);
    return saida.primeira;
}
