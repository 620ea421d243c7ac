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


namespace {

const char* const MsgErroDisco = "Erro em disco ao gerar arquivo de rascunho";

void MostraErroDisco()
{
    dialogos().Caixa(MsgErroDisco, "Erro", Icone::Erro, Botoes::OK);
}

std::string TraduzCompilacao(const std::string& texto) { return TraduzTexto(texto); }

// Translator state as the start of every compile wants it.
void IniciaTradutores()
{
    dmunif::AspasAbertas = 1;
    dmunif::ParentesesAbertos = 0;
    dmantigo::AspasAbertas = 1;
    TextoIngles = CfgTextoIngles;
}

// The translator state of whoever compiled last, kept aside while a
// private compile runs.
struct GuardaTradutores {
    unsigned char aspasUnif = dmunif::AspasAbertas;
    unsigned char parenteses = dmunif::ParentesesAbertos;
    unsigned char aspasAntigo = dmantigo::AspasAbertas;
    bool ingles = TextoIngles;
    ~GuardaTradutores()
    {
        dmunif::AspasAbertas = aspasUnif;
        dmunif::ParentesesAbertos = parenteses;
        dmantigo::AspasAbertas = aspasAntigo;
        TextoIngles = ingles;
    }
};

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
    std::string braille;
    if (BrailleAntigo)
        TraduzAntigo(texto, braille);
    else
        TraduzUnificado(texto, braille);
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

bool CompilaRascunho(int linhaCursor, bool paraVisualizacao)
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
    // leaves the maps of the last good draft to their readers.
    EstadoCompilacao& principal = EstadoPrincipal();
    EstadoCompilacao e;
    e.TamanhoMapaPaginas = principal.TamanhoMapaPaginas;
    {
        EscopoCompilacao escopo(e);
        PreparaEstado(e, linhaCursor, paraVisualizacao);
        e.Escritor = &arquivo;
        e.Tradutor = TraduzCompilacao;
        e.PagInicial = PagInicial;
        e.PagFinal = PagFinal;
        ModoVisualizacao = paraVisualizacao;

        InicializaMapas();
        PrimeiraPagina();
        IniciaTradutores();
        CarregaGeometria();

        CompilaDocumento(DocumentoAtual());
    }
    const bool ok = !e.ErroEscrita && arquivo.Fecha();
    // Raw mode and foreign-text mode live only within the document: the
    // editing tools that translate single texts afterwards must get the
    // braille of the settings, not of the document's last block, also when
    // the compile broke off.
    TextoIngles = CfgTextoIngles;
    if (!ok) {
        MostraErroDisco();
        return false;
    }
    e.Escritor = nullptr;
    e.ModoBruto = false;
    principal = std::move(e);
    PublicaEstado(principal);
    return true;
}

std::string CompilaLinha(int linhaEditor)
{
    GuardaTradutores guarda;
    EscritorPrimeiraLinha saida;
    EstadoCompilacao e;
    EscopoCompilacao escopo(e);

    PreparaEstado(e, 0, false);
    e.Escritor = &saida;
    e.Tradutor = TraduzCompilacao;
    e.LinhaRascunho = 1;
    e.LinhaNaPagina = 2;
    e.InicioPagina = false; // no header
    InicializaMapas();
    PrimeiraPagina();
    e.PagInicial = 1;
    e.PagFinal = 9999;
    e.LarguraLinha = 254;
    e.LinhaEditorAtual = linhaEditor;
    IniciaTradutores();

    // The line goes to the layout as it stands: no tab expansion, no indent
    // adjustment, no command parsing.
    const std::string linha = DocumentoAtual().Linha(linhaEditor);
    ProcessaLinhaTexto(linha);
    if (!e.BufferParagrafo.empty()) ProcessaLinhaTexto(nullptr);
    return saida.primeira;
}
