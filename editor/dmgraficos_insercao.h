// dmgraficos_insercao: the text of the graphic reference lines the main
// window inserts ("<G  1 " + name + ">" and its kinds) and where they go.
#pragma once

#include <string>

// The line a reference is inserted before, for a selection starting at
// (l1, c1) on the line texto: before the caret's line when the caret is at
// its start or the line is blank, after it otherwise.
int LinhaAlvoGrafico(int l1, int c1, const std::string& texto);

// A graphic in the open document's folder, or below it, is referenced by
// its name relative to that folder; any other (or any with no document
// open) by the name as chosen.
std::string NomeRelativoGrafico(const std::string& arquivo, const std::string& arqAtual);

// The reference line of a graphic kind: 0 graphic page "<G  1 name>",
// 1 embedded "<G+ 1 name>", 2 interleaved "<G* 1 name>"; empty for any other
// kind.
std::string LinhaReferenciaGrafico(int tipo, const std::string& nome);

// Inserts the reference line of the graphic arquivo, of kind tipo, at its
// place for the selection of doc (one undoable step). False, and nothing
// inserted, for a kind other than 0, 1 or 2.
class DocumentoEditavel;
bool InsereReferenciaGrafico(DocumentoEditavel& doc, int tipo, const std::string& arquivo,
                             const std::string& arqAtual);
