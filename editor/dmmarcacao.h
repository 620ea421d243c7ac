// dmmarcacao: the markup the editor writes for the transcriber, each command
// at the place where the draft compiler expects it: block commands on lines
// of their own around the selected lines, markers around the selected text,
// page breaks, ink page numbers, separator lines, annotations and centred
// lines.
//
// Every command works on the editable document's selection (lines and
// columns from 0) and is one step of the editor's undo; none of them saves,
// compiles or checks what it writes.
#pragma once

#include "core/documento.h"

#include <functional>
#include <string>
#include <string_view>

// ---- Codes ------------------------------------------------------------------------

// Block pairs: the opening and the closing command line.
struct ParBloco {
    const char* abre;
    const char* fecha;
};
inline constexpr ParBloco kNaoFormatar{"<F->", "<F+>"};
inline constexpr ParBloco kRecuo2{"<R+>", "<R->"};
inline constexpr ParBloco kNaoSepararSilaba{"<S->", "<S+>"};
inline constexpr ParBloco kGrafiaInglesa{"<I+>", "<I->"};
// The closing line of every typographic variant.
inline constexpr const char* kFechaVariante = "<M>";
// The opening line of the typographic variant of a menu item's caption
// ("&1", "&2", "&3"); empty for any other caption.
std::string AberturaVarianteTipografica(std::string_view legenda);

// Emphasis marker of the emphasis combo's item (0 simple, else compound).
std::string MarcadorGrifo(int indiceCombo);

enum class Separador { Grande, Media, Pequena };
// A separator line: 15 blanks (the compiler centres it) and 24 signs.
std::string LinhaSeparador(Separador tipo);

// The annotation line of a text.
std::string LinhaAnotacao(const std::string& texto);

// ---- Insertions ----------------------------------------------------------------------

// The block pair's lines before and after the selected lines (a selection
// ending at the start of a line leaves that line out; without a selection,
// the caret's line).
void InsereParBloco(DocumentoEditavel& doc, std::string_view abre, std::string_view fecha);
inline void InsereParBloco(DocumentoEditavel& doc, ParBloco par) { InsereParBloco(doc, par.abre, par.fecha); }

// The selection becomes p + selection + s. With nothing selected the caret
// then stands between p and s, otherwise after s. Line ends that end the
// selection stay outside the markers, after s.
void EnvolveSelecao(DocumentoEditavel& doc, const std::string& p, const std::string& s);

// The transcription-note markers around the selection, each on a line of
// its own when text stands beside the selection on its line.
void InsereNotaTranscricao(DocumentoEditavel& doc);

// "<p>" before the caret's line when the caret is at its start, else after it.
void InsereQuebraPagina(DocumentoEditavel& doc);

// Asks for an ink page number ("Página em tinta") and writes it on a line of
// its own at the caret, splitting the line there; with transpagination the
// sign " ~:" ends the text before the caret. False, and nothing written,
// on Cancel or an empty answer.
bool InserePagTinta(DocumentoEditavel& doc, bool transpaginacao);

// A separator line before the line of the selection's start.
void InsereSeparador(DocumentoEditavel& doc, Separador tipo);

// The annotation line inserted before line k.
void InsereLinhaAnotacao(DocumentoEditavel& doc, int k, const std::string& texto);
// Asks for an annotation ("Anotar"); true with a non-empty answer.
bool PedeAnotacao(std::string& texto);

// ---- Centring -----------------------------------------------------------------------------

// Logical centring: 12 blanks and the trimmed line, which the compiler
// centres under automatic formatting; a line of blanks becomes empty.
std::string CentraLogica(std::string_view linha);
// Physical centring: the line behind (maxCarac - cells) / 2 blanks, at most
// 52, cells being the length of the trimmed line's braille (celas); an empty
// line, or one whose braille passes maxCarac, stays as it is.
std::string CentraFisica(std::string_view linha, int maxCarac,
                         const std::function<int(const std::string&)>& celas);
// Cells of a text's braille under the code in force.
int CelasDoTexto(const std::string& texto);
// The selected lines, whole, replaced in place by their centred forms (also
// when the selection begins or ends inside a line, or is empty: then the
// caret's line); the caret then stands at the start of the line after them.
void CentraLinhas(DocumentoEditavel& doc, bool logica);
// The question before physical centring; true on Yes.
bool ConfirmaCentragemFisica();
