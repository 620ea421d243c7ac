// dmimpressao_texto: the ink text on an ordinary printer, one printed line
// per document line in the editor's font, a new page when one is full.
#pragma once

#include <QFont>

#include <string>
#include <vector>

class QPrinter;

// The editor's font for paper: a size set in screen pixels becomes the same
// size in points (at the screen's dpiTela), so the print keeps the size the
// user sees.
QFont FonteParaImpressao(const QFont& fonteEditor, int dpiTela);

// Lines on paper: each line one printed line (tabs to the next multiple of
// eight columns, what passes the page's width cut off), as many lines a page
// as fit its printable height. The pages printed (at least one, an empty
// page for no lines), or -1 when the printer could not start or take a page.
int ImprimeTextoTinta(QPrinter& impressora, const QFont& fonte, const std::vector<std::string>& linhas);

// A line with its tabs made blanks up to the next multiple of eight columns.
std::string ExpandeTabsImpressao(const std::string& linha);
