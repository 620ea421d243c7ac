// dmtraduz: the draft compiler driver. Turns the marked-up document
// (DocumentoAtual) into the paginated draft file, compiles single lines for
// the editing tools, and translates one text without layout.
//
// The layout stages live beside it: dmtraduz_comandos (command lines),
// dmtraduz_quebra (line breaking and paragraphs), dmtraduz_paginas (pages,
// headers and maps), all sharing the state of dmtraduz_estado.
#pragma once

#include <string>
#include <vector>

#include "core/dmtraduz_estado.h"

// Compiles the whole document into the draft file (ArqRascunho; the
// temporary folder's "rascunho.txt" when empty) with its line and page maps,
// as the request asks: its page range, first page number, view draft and
// caret line (from which LinhaRascunhoCursor is found), the translators
// starting from its state. The job variables PagInicial, PagFinal,
// NumPagInic and ModoVisualizacao are set from the request for their
// readers. Callers load the output code table first. Returns true when the
// whole draft was written; on a disk error the message "Erro em disco ao
// gerar arquivo de rascunho" has been shown and the caller must not use the
// draft. Characters the braille had to leave out (no cell, no sign) are
// named in one box when the draft has been written.
bool CompilaRascunho(const PedidoCompilacao& pedido);

// The text of that box: each character (or its code, when it shows
// nothing) with the editor line it was first met on and how often in the
// whole text, or "no cabeçalho"; the first ten of them, and how many more.
std::string MensagemOmitidos(const std::vector<EstadoCompilacao::Omitido>& omitidos);

// The braille line (output codes) of one editor line taken alone: the first
// line the layout makes of it, at most 254 cells, the translators from their
// start state. Compiled in a private context in memory: the draft file, the
// maps, the page range and the translators' state are left untouched. An editor line
// outside the document gives the line of an empty text.
std::string CompilaLinha(int linhaEditor);
// The same for a text that is not (yet) an editor line: the braille line it
// would have as editor line linhaEditor.
std::string CompilaTextoLinha(const std::string& linha, int linhaEditor = 0);

// One text translated without layout: a copy in raw mode, else the
// translator of the code in force (BrailleAntigo). Internal braille cells,
// not passed through the output table. Characters left out for want of a
// cell or a sign are noted in the compile in force (NotaOmitidos).
std::string TraduzTexto(const std::string& texto);

// Closes the document laid out into the state Compilacao points at: the
// paragraph still open, the last page, the graphics still waiting and, in
// interpoint, the back side of the last sheet.
void TerminaDocumento();

// Every tab becomes two blanks.
void ExpandeTabs(std::string& s);

// Cells left for text beside the margin prefix (LarguraLinha of the compile
// in force).
int LarguraUtil();
