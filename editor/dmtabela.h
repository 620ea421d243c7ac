// dmtabela: the table builder. Selected editor lines become the cells of a
// braille table: dealt into rows of N cells, each column padded with blank
// cells to the braille width of its widest cell, with optional frame lines,
// vertical separators and horizontal rules drawn with braille cells. Widths
// are braille widths: each line compiled alone (CompilaLinha).
//
// The document given is the one the compiler reads (DocumentoAtual), as the
// main window's editor is in the program.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

class DocumentoEditavel;
class LinhasDocumento;

// The widest table: the builder keeps one width per column.
inline constexpr int MaxColunasTabela = 30;

// Frame styles (top and bottom lines) and separator styles, as the window's
// radio groups number them.
enum EstiloMolduraTabela : int { SemMoldura = 0, MolduraSimples = 1, MolduraDupla = 2 };
enum EstiloSeparadorTabela : int {
    SemSeparadores = 0,
    LinhasHorizontais = 1,
    LinhasVerticais = 2,
    LinhasVerticaisEHorizontais = 3,
};

struct OpcoesTabela {
    int EstiloMoldura = MolduraDupla;
    int EstiloSeparadores = LinhasVerticaisEHorizontais;
};

// The builder's state while one table is made.
struct EstadoTabela {
    int NumColunas = 0;
    std::array<int, MaxColunasTabela> LargurasColunas{};
    std::vector<std::string> LinhasTabela;
    // Where the selection starts and ends (line, column).
    int LinhaInicial = 0, ColunaInicial = 0;
    int LinhaFinal = 0, ColunaFinal = 0;
    // The editor lines that form the table, first to last (both included):
    // from the selection's start line to its end line, without a last line
    // that the selection only touches at column 0, and never past the
    // document's last line. Empty when Ultima < Primeira.
    int Primeira = 0, Ultima = -1;
};

// The cell character of a six-dot pattern ("011011": character n is "1" when
// dot n is raised) in the code in force (BrailleAntigo).
unsigned char CelaDePontos(std::string_view padrao);

// The column count typed: the text trimmed, read as a whole integer; 0 for
// anything else.
int LeNumeroColunas(std::string_view texto);

// Takes the line range from the selection and measures the columns: every
// width starts at 1 and grows to the longest braille of its column (trimmed
// when AutoJunta is on). n must be 1 to MaxColunasTabela.
void MedeColunas(EstadoTabela& t, const DocumentoEditavel& doc, int n);

// The lines of the table, appended to LinhasTabela.
void MolduraSuperior(EstadoTabela& t, const OpcoesTabela& o);
void MolduraInferior(EstadoTabela& t, const OpcoesTabela& o);
void SeparadorLinhas(EstadoTabela& t, const OpcoesTabela& o);
// The row of the N lines from `primeira` on: each line's text trimmed (ink,
// translated later with the document) padded with blank cells to its
// column's width. Columns whose line lies past the table's last line are
// all blank cells, so the row keeps the table's width.
void MontaLinhaTabela(EstadoTabela& t, const LinhasDocumento& doc, int primeira, const OpcoesTabela& o);

// The width of the table in cells (frame lines and rules are this long).
int LarguraTabela(const EstadoTabela& t, const OpcoesTabela& o);

enum class ResultadoGeraTabela {
    Nada,          // the count is not a number, or 0: nothing happens, no message
    ForaDaFaixa,   // a count below 1 or above MaxColunasTabela: said, nothing changed
    LargaDemais,   // the table would not fit the braille line: said, nothing changed
    SemLinhas,     // no line to make a table of
    Inserida,
};

// "Gerar &Tabela": measures, builds and inserts the table before the first
// selected line as one undoable step: an empty line, the table's lines,
// another empty line. With AutoJunta on the table's lines stand between
// "<F->" and "<F+>", so that the compile lays each out as it is (a row
// beginning with an empty cell keeps its blanks); with it off each has one
// blank in front. The selected lines stay below it. The selection
// collapses to its start. Cell texts have their tabs laid out as blanks.
ResultadoGeraTabela GeraTabela(DocumentoEditavel& doc, std::string_view numeroColunas, const OpcoesTabela& o);
