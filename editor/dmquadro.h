// dmquadro: braille frames around the selected editor lines. Each line gets
// a side cell at both ends and blanks so that the right-hand sides line up
// in braille; a top and a bottom line of frame cells close it. Widths are
// braille widths, each line compiled alone (CompilaLinha).
//
// The document given is the one the compiler reads (DocumentoAtual), as the
// main window's editor is in the program.
#pragma once

#include <array>
#include <string>
#include <string_view>

class DocumentoEditavel;

// The three kinds of frame.
enum TipoQuadro : int {
    QuadroPadrao = 1,      // "&Padrão"
    QuadroPedirAjuda = 2,  // "&Pedir Ajuda" (the toolbar's "Peça Orient.")
    QuadroLegenda = 3,     // "&Legenda de figura": no corners
};

// The cells of one frame, as characters of the cell table: types 1 to 3 in
// the old code, 4 to 6 the same frames in the unified code. A corner of ""
// is no corner; the top and bottom patterns are two cells repeated along
// the line.
struct MolduraQuadro {
    std::string SuperiorEsquerdo, TracoSuperior, SuperiorDireito;
    std::string Esquerdo, Direito;
    std::string InferiorEsquerdo, TracoInferior, InferiorDireito;
};
// Index 1 to 6 (0 is unused).
const std::array<MolduraQuadro, 7>& MoldurasQuadro();

// `quantos` cells of a two-cell pattern: the pattern repeated, and its first
// cell once more when the count is odd. Nothing for a count below 1.
std::string RepeteTraco(std::string_view padrao, int quantos);

// The text the empty line becomes before a "Pedir Ajuda" frame.
std::string TextoPecaOrientacao();

enum class ResultadoQuadro {
    SemTabela,    // the output code table could not be loaded (it said why)
    LargoDemais,  // the frame would not fit the braille line: said, nothing framed
    Inserido,
};

// Frames the selected lines (without a last line the selection only touches
// at column 0; the caret's line when nothing is selected) with a frame of
// `tipo` 1 to 3, drawn in the code in force. Every frame line is as wide in
// braille as the others: each text is measured as it stands in its frame
// line, and loses its blanks at the end and has its tabs laid out as
// blanks, which would otherwise stand between it and the right-hand side. A single empty line becomes
// "Peça orientação" first for a "Pedir Ajuda" frame. With AutoJunta on, the
// frame goes between "<F->" and "<F+>" so that the compile leaves its lines
// as they are. One undoable step.
ResultadoQuadro InsereQuadro(DocumentoEditavel& doc, int tipo);
