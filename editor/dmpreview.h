// The braille strip under the editor, without the window: which editor line
// each of the five labels shows and its braille in output codes.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/documento.h"

inline constexpr int kQuantLabLinhas = 5;

struct EstadoPreview {
    int NumLinhasPreview = 1;    // 1 or 5 labels shown
    int LabLinhaAtual = 1;       // 1..5, the label of the caret's line
    int UltimaLinhaPreview = -1; // caret line (1-based) at the last refresh; -1 forces all
    int UltimaQuantLinhas = -1;  // document lines at the last refresh
    // Captions of labLinha1..labLinha5 (index 0 unused), in output codes.
    std::array<std::string, kQuantLabLinhas + 1> Legendas;
};

// One text translated alone (TraduzTexto) from the state every compile
// starts with: quotes and parentheses not open, English mode as configured,
// raw mode off. Whatever state the last compile or translation left is kept
// for it, untouched.
std::string TraduzLinhaIsolada(const std::string& texto);

// The braille of one editor line as the strip shows it: translated alone,
// then every byte through TabelaImpressora.
std::string LinhaBraillePreview(const std::string& linha,
                                const std::function<std::string(const std::string&)>& traduz);

// Refreshes the captions for caret line y (0-based). While the caret stays on
// its line and the document keeps its number of lines, only the highlighted
// label is retranslated (a line joined or removed below or above the caret
// shifts the others, so they are all rewritten). Returns the labels whose
// caption was rewritten (bit i for label i).
unsigned AtualizaLegendasPreview(EstadoPreview& e, const LinhasDocumento& doc, int y,
                                 const std::function<std::string(const std::string&)>& traduz);
