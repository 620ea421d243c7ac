// dmtraduz_estado: the state of one draft compile, shared by every stage of
// the compiler (commands, line breaking, page composition, driver).
//
// All changeable compile state lives in one EstadoCompilacao. The stages work
// on the state that `Compilacao` points at: normally the principal compile
// (EstadoPrincipal), whose maps and counters the braille view, the annotation
// list and the print job read after a compile. A private compile (one line in
// memory, tests) points `Compilacao` at its own state with EscopoCompilacao
// and so leaves the principal draft, maps and job variables untouched.
//
// What a caller wants of a compile (page range, view draft, caret line, the
// number of the first page, the translators' start state) travels in one
// PedidoCompilacao, which the state takes over as the compile starts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dmtraduz_rascunho.h"
#include "core/dmvars.h"

// ---- Translators' state ---------------------------------------------------
// What the two translators carry from one text to the next: each one's quote
// flag (1: the next neutral quote opens), the unified one's parentheses flag
// and the foreign-text flag. The translators read it from their globals
// (dmunif::AspasAbertas, dmunif::ParentesesAbertos, dmantigo::AspasAbertas,
// TextoIngles); EscopoCompilacao fills those from the state it enters and
// gives them back when it ends.
struct EstadoTradutores {
    unsigned char AspasUnif = 1;
    unsigned char ParentesesUnif = 0;
    unsigned char AspasAntigo = 1;
    bool TextoIngles = false;
    bool operator==(const EstadoTradutores&) const = default;
};

// The state every compile starts from: quotes to open, no parenthesis open,
// foreign text as the setting CfgTextoIngles says.
EstadoTradutores InicioDosTradutores();

// ---- Compile request ------------------------------------------------------
// What one compile of the whole document is asked to make. The default is
// the whole document as the export wants it: pages 1 to 9999 numbered from
// 1, not for the view, the caret on line 0, the translators' start state.
struct PedidoCompilacao {
    int LinhaCursor = 0;            // editor line (0-based) of the caret
    bool ParaVisualizacao = false;  // a view draft (six trailing blanks, "-->")
    int PagInicial = 1;             // first and last physical page written
    int PagFinal = 9999;
    int NumPagInic = 1;             // number printed on the first page
    EstadoTradutores Tradutores = InicioDosTradutores();

    // The braille view's draft (F9, F12, its page mode): every page, the
    // view's selection at the caret's line.
    static PedidoCompilacao Visualizacao(int linhaCursor);
    // The print job's draft: the dialog's page range and first number.
    static PedidoCompilacao Impressao(int pagInicial, int pagFinal, int numPagInic);
};

// ---- Compile state --------------------------------------------------------
struct EstadoCompilacao {
    // Where the draft lines go (never owned). Null: lines are dropped.
    EscritorRascunho* Escritor = nullptr;
    // Set when the writer failed; the driver stops the compile.
    bool ErroEscrita = false;

    // Translation of one text without layout (the driver's TraduzTexto).
    // Null: the text is copied as it is.
    std::function<std::string(const std::string&)> Tradutor;

    // What the compile was asked for (PreparaEstado takes them from the
    // request).
    int PagInicial = 1;
    int PagFinal = 9999;
    int NumPagInic = 1;
    bool ModoVisualizacao = false;
    // The translators' state while this compile runs, and where it ended.
    EstadoTradutores Tradutores;

    // Page state
    int PaginaFisica = 1;        // physical page being composed, from 1
    int NumPagina = 1;           // page number of the current page
    int LinhaNaPagina = 1;       // number the next line will have on the page
    int LinhaRascunho = 1;       // number the next draft line will have
    bool InicioPagina = true;    // nothing written yet on the current page
    bool PaginaComGrafico = false;
    bool NumeracaoRomana = false;
    // Headers with title and page number: starts from the setting ComTitulo;
    // the document's T commands switch this copy, never the setting.
    bool ComTitulo = true;
    std::string TituloCabec;
    int NumPagTinta = 0;
    int LinhaEditorCursor = 0;
    int LinhaRascunhoCursor = -1;
    int LinhaInicioParagrafo = 0;
    int LinhaEditorAtual = 0;

    // Command state
    bool AutoFormata = true;
    bool ModoBruto = false;
    bool Hifenizar = true;
    bool Recuo = false;
    bool LinhaCentrada = false;
    std::string PrefixoMargem;
    int LarguraLinha = 34;
    std::vector<std::string> FilaGraficosArq, FilaGraficosCol;

    // Paragraph text not yet written; when not empty it ends with one blank.
    std::string BufferParagrafo;
    // Translated text that the current editor line gave to FormataParagrafo
    // (decides which editor line a written paragraph line is mapped to).
    std::string TextoLinhaAtual;

    // Characters left out of the braille for want of a cell or a sign, in
    // the order first met: each character of the text with the editor line
    // (from 0) it was first met on and how many times, and apart from them
    // each one of the page headers (linha -1). Gathered only while
    // AnotaOmitidos is set: a compile of the whole document tells the
    // transcriber of them once, when it ends.
    struct Omitido {
        unsigned char caractere;
        int linha;
        int vezes;
    };
    bool AnotaOmitidos = false;
    std::vector<Omitido> Omitidos;
    bool NoCabecalho = false; // a page header is being translated

    // Maps (unset entries hold -1)
    DynIntArray MapaEditorRascunho;  // editor line -> its first draft line
    DynIntArray MapaRascunhoEditor;  // draft line -> editor line
    DynIntArray MapaPagArabica;      // arabic page number -> physical page
    DynIntArray MapaPagRomana;       // roman page number -> physical page
    DynIntArray MapaPagFisica;       // physical page -> page number (<0 roman)
    int QuantEditorMapeadas = 0;
    int QuantRascunhoMapeadas = 0;
    // Capacity of the page maps: 1000 at the start of every compile, grown
    // in steps of 1000 by the page numbers and physical pages composed.
    int TamanhoMapaPaginas = 1000;
};

// The highest page number a document may ask for ("<T+n>"): a page map
// entry per number is kept, so a number beyond any book is refused.
inline constexpr int MaiorNumeroPagina = 9999;

// The principal compile's state (the one readers of the maps look at).
EstadoCompilacao& EstadoPrincipal();
// The state the stages work on. Never null.
extern EstadoCompilacao* Compilacao;

// Points `Compilacao` at another state for the life of the object, and the
// translators at that state's EstadoTradutores: on entry the translators'
// globals take the state's values, on exit the state keeps where they ended
// and the globals get back what they held before.
class EscopoCompilacao {
public:
    explicit EscopoCompilacao(EstadoCompilacao& e);
    ~EscopoCompilacao();
    EscopoCompilacao(const EscopoCompilacao&) = delete;
    EscopoCompilacao& operator=(const EscopoCompilacao&) = delete;

private:
    EstadoCompilacao* anterior_;
    EstadoTradutores tradutoresAnteriores_;
};

// Names of the principal compile's maps and counters for their readers
// (braille view, annotation list, print job).
extern DynIntArray& MapaEditorRascunho;
extern DynIntArray& MapaRascunhoEditor;
extern DynIntArray& MapaPagArabica;
extern DynIntArray& MapaPagRomana;
extern DynIntArray& MapaPagFisica;
extern int& QuantEditorMapeadas;
extern int& QuantRascunhoMapeadas;
extern int& TamanhoMapaPaginas;
extern int& PaginaFisica;
extern int& LinhaRascunhoCursor;

// Resets the state for a new compile: what the request asks (page range,
// first number, view draft, caret line, translators' start state), counters,
// command state from the settings (AutoJunta, SeparaSilabas, Titulo,
// ComTitulo, MaxCarac), empty paragraph and graphic queue, page maps back to
// their first capacity. The maps themselves are left to
// InicializaMapas/PrimeiraPagina. Touches no global.
void PreparaEstado(EstadoCompilacao& e, const PedidoCompilacao& pedido);

// Copies what other units read after the principal compile into their
// globals (PrefixoMargem, LinhaCentrada, NumPagTinta, graphic queue).
void PublicaEstado(const EstadoCompilacao& e);

// Translates one text with the state's translator (a copy without one).
// Raw text is output code already: it is copied, less the bytes that are no
// cell of braille (each noted as left out).
std::string TraduzEstado(const std::string& texto);

// Notes characters left out of the braille at the current editor line (or
// header) of the compile in force, when it gathers them.
void NotaOmitidos(std::string_view caracteres);

// True when the output code c is a cell of braille: braille ASCII (codes 32
// to 126), or the output code the table in force gives a cell of the code.
// The bytes a raw line may hold.
bool CelaDeSaida(unsigned char c);

// ---- Braille view's page mode -----------------------------------------
// True while the braille view's page mode is "Gerar tamanho real de
// página". The view installs the answer; without one it is false.
bool GeraTamanhoRealPagina();
void DefineConsultaTamanhoReal(std::function<bool()> consulta);
