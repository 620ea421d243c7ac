// dmedicao: the editing commands over the editable document: find and
// replace, the letter case of the selection, the automatic line break at
// the wrap column and the splitting of long lines; and the one edit that
// puts new lines in place of a run of lines, which the markup and macro
// commands share.
//
// Offsets, lines and columns are those of DocumentoEditavel (two characters
// per line end, from 0). Every command that changes the text is one step of
// the editor's undo.
#pragma once

#include "core/documento.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// ---- Text helpers -------------------------------------------------------------

// (TiraBrancosFinais, the blanks at the end of a text: core/dmutil.h.)
// The text without blanks and control characters at its two ends.
std::string_view AparaTexto(std::string_view texto);

// ---- Find and replace -----------------------------------------------------------

struct OpcoesProcura {
    bool palavraInteira = false;     // the match stands between non-word characters
    bool diferenciaMaiusculas = false;
};

// A letter, a digit or "_" of Windows-1252: what a whole word is made of.
bool CaractereDePalavra(unsigned char c);

// Offset of the first occurrence of busca in texto at or after inicio; -1
// when there is none or busca is empty. Without match case the letters are
// compared one to one in Windows-1252 (a = A, ç = Ç).
long long ProcuraTexto(std::string_view texto, std::string_view busca, long long inicio,
                       OpcoesProcura opcoes);

// Searches busca from the end of the selection to the end of the text (the
// whole rest of it, however long) and selects the match. False, with the
// selection as it was, when there is none.
bool ProcuraNoDocumento(DocumentoEditavel& doc, const std::string& busca, OpcoesProcura opcoes);

// Would an edit that makes the text grow by `cresce` characters (as the
// editor's limit counts them) leave it within the limit of the editor,
// which opens no larger file? When it would not: a message, and false (the
// command then changes nothing). An edit that does not grow always fits.
bool CabeNoEditor(const DocumentoEditavel& doc, long long cresce);

// Is the selection itself an occurrence of busca (as a search from its
// start would find it)? So a match that a search has just selected, and the
// user has seen, is the one the replace buttons replace.
bool SelecaoEhOcorrencia(const DocumentoEditavel& doc, const std::string& busca, OpcoesProcura opcoes);

// Replace all: every occurrence from the selection on (the selection itself
// when it is an occurrence, else what follows it), each search going on
// after the previous replacement (so a replacement that holds the find text
// is not replaced again), in one edit; the caret then stands at the
// selection's start. Returns the number of replacements; -1, and nothing
// replaced, when the text would no longer fit the editor (CabeNoEditor).
int SubstituiTodas(DocumentoEditavel& doc, const std::string& busca, const std::string& troca,
                   OpcoesProcura opcoes);

// The commands of the two dialogs, with their messages (information boxes).
// BuscaProxima: the find dialog's search and F3; "Busca terminada" when
// nothing more is found.
bool BuscaProxima(DocumentoEditavel& doc, const std::string& textoBusca, OpcoesProcura opcoes);
// BuscaSubstituir: the replace dialog's search; when nothing more is found,
// "Terminou" and the selection collapses to its start.
bool BuscaSubstituir(DocumentoEditavel& doc, const std::string& busca, OpcoesProcura opcoes);
// SubstituiSelecao of the replace dialog: a selection becomes troca, which
// is then selected; nothing without a selection or when the text would no
// longer fit the editor. True when it replaced.
bool SubstituiSelecaoBusca(DocumentoEditavel& doc, const std::string& troca);
// The replace button: a selection that is an occurrence is replaced and the
// next occurrence is selected; otherwise the next occurrence is only
// selected, so nothing is replaced that the user has not seen. False, with
// "Terminou", when no further occurrence follows (or when the replacement
// would not fit the editor).
bool SubstituiProxima(DocumentoEditavel& doc, const std::string& busca, const std::string& troca,
                      OpcoesProcura opcoes);
// The replace-all button: SubstituiTodas, then "Terminou" once (unless
// the text would not fit the editor).
int SubstituiTudo(DocumentoEditavel& doc, const std::string& busca, const std::string& troca,
                  OpcoesProcura opcoes);

// ---- Letter case ------------------------------------------------------------------

// Windows-1252 letters one to one (the text keeps its length: "ß" and "µ"
// stay as they are).
std::string MaiusculasWindows(std::string_view texto);
std::string MinusculasWindows(std::string_view texto);
// The selection in upper (or lower) case, selected again; nothing with an
// empty selection.
void MudaCaixaSelecao(DocumentoEditavel& doc, bool maiusculas);

// ---- Long lines ---------------------------------------------------------------------

// A line cut at the wrap column: `linha` stays (its trailing blank kept),
// `resto` (trimmed) becomes the next line. The rest began at column
// inicioResto of the line before the cut.
struct CorteLinha {
    std::string linha;
    std::string resto;
    int inicioResto = 0;
};

// Where a line is cut at the wrap column maxCol, or nothing. A first word
// longer than the column is cut after it and its blank; otherwise, when
// passouColuna (the caret stands beyond the column, or the line is longer
// than it), after the last blank within maxCol + 1 characters. A line
// without a blank, or whose blanks before the cut are only its indent, is
// never cut; nor is a command line (the compiler reads it whole).
std::optional<CorteLinha> CortaLinha(std::string_view linha, int maxCol, bool passouColuna);

// Where a character at `coluna` of the line before the cut stands after it:
// line 0 (what stays) or 1 (the rest) and its column there. A column in
// blanks that the cut removed goes to the nearest place that remains.
LinCol PosicaoAposCorte(const CorteLinha& corte, int coluna);

// The automatic break after a key (coluna and linha of the caret, from 1):
// the caret's line is cut when the caret stands at or beyond maxCol and the
// line allows it; the caret stays on its character. Nothing is cut while
// text is selected. True when the line was cut.
bool QuebraLinhaAuto(DocumentoEditavel& doc, int coluna, int linha, int maxCol);

// The pieces of one line under "&Dividir linhas grandes": cut as long as a
// piece is longer than maxCol and can be cut (the line itself when it
// cannot). cursor, when given: in, column 0-based of a position on the line
// (its linha is ignored); out, the piece and column where that position
// went.
std::vector<std::string> PartesDaLinha(const std::string& linha, int maxCol, LinCol* cursor = nullptr);
// The same over every line.
std::vector<std::string> DivideLinhasGrandes(const std::vector<std::string>& linhas, int maxCol);
// Splits the long lines of the whole document in one edit; the selection
// stays on the characters it stood on. True when something changed.
bool DivideLinhasGrandes(DocumentoEditavel& doc, int maxCol);

// ---- Lines in place -------------------------------------------------------------------

// Lines primeira..ultima of doc become novas, in one edit (one undo step);
// the lines that stay the same at either end are left alone. The selection
// follows its text by DocumentoEditavel's rules.
void TrocaLinhas(DocumentoEditavel& doc, int primeira, int ultima, const std::vector<std::string>& novas);
