// The braille view's work that needs no window: display lines made from the
// draft by line mode, line-number labels, the position of a draft line
// (line in page, physical page), page stepping and the go-to-page answer.
// The window (editor/gui/dmVisual) shows what these compute.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/dmvars.h"

// Compiles the whole document into the draft for the braille view, prepared
// as every view compile is: the output code table of the code in force
// loaded, pages 1 to 9999, first page number 1, the view's selection at the
// draft line of editor line linhaCursor. False when the code table could not
// be loaded or the draft could not be written (the message was shown).
bool CompilaParaVisualizacao(int linhaCursor);

// Translation of one text without layout (TraduzTexto in the program).
using TradutorTexto = std::function<std::string(const std::string&)>;

// Line modes of the view ("Visualizar linhas:").
enum ModoLinhasVisual {
    mlSomenteTexto = 0,
    mlNumeracaoEsquerda = 1,
    mlNumeracaoDireita = 2,
    mlLimiteLinha = 3
};
inline constexpr int kQuantModosLinhas = 4;
inline constexpr int kQuantModosPaginas = 2;
inline constexpr int kQuantRotulos = 200;
inline constexpr char kMarcaLimite = 'l';

// The 200 line-number labels: entry 0 is the label of 200, entry k that of k.
// Each label is the first 4 characters of the translated number plus blanks,
// mapped through TabelaImpressora, so it is in the draft's output code.
std::vector<std::string> MontaRotulosLinha(const TradutorTexto& traduz);

// One display line per draft line, by line mode (page ends normalised to
// exactly 50 "-" or "="; reserved lines blank).
std::vector<std::string> MontaLinhasVisual(const std::vector<std::string>& lidas, int modo,
                                           int maxCarac,
                                           const std::vector<std::string>& rotulos);

// Position of a draft line: the count of non-graphic lines from the line up
// to the page end above it (0 on a page end) and its physical page (a page
// end belongs to the page after it). sel < 0: line 0, page 1.
struct PosicaoVisual {
    int linha = 0;
    int paginaFisica = 1;
};
PosicaoVisual CalculaPosicao(const std::vector<std::string>& linhas, int sel);

// The last physical page that holds lines of the draft (a page end that
// closes the draft opens no page).
int UltimaPaginaDoRascunho(const std::vector<std::string>& linhas);

// Draft line where physical page k starts; the last line when k lies beyond
// the end; 0 for an empty draft. A blank back side is never the answer.
int IndiceDaPagina(const std::vector<std::string>& linhas, int k);

// Physical page that "previous page" goes to from selection s.
int PaginaAnteriorDe(const std::vector<std::string>& linhas, int s);

// Texts of the go-to-page question.
std::string TituloIrParaPagina();
std::string PromptIrParaPagina();

// Answer to the go-to-page question. True with the physical page in destino;
// false with the message to show (empty message: nothing to do).
bool InterpretaPaginaPedida(const std::string& resposta, const DynIntArray& mapaArabica,
                            const DynIntArray& mapaRomana, int tamanhoMapa,
                            int paginaFisica, int& destino, std::string& mensagem);

// Editor line of a draft line through the draft-to-editor map; beyond the
// mapped lines, the editor's last line.
int LinhaEditorDoRascunho(int sel, const DynIntArray& mapa, int quantMapeadas,
                          int ultimaLinhaEditor);

// Page texts of the position display.
std::string TextoPagina(const DynIntArray& mapaPagFisica, int paginaFisica);
std::string TextoPainelPagina(int paginaFisica, int ultimaPagina);
