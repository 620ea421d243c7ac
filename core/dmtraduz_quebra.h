// dmtraduz_quebra: line breaking with Portuguese syllable hyphenation and
// paragraph formatting of the draft compiler. Text here is internal braille
// text (one byte per cell). Works on the state `Compilacao` points at.
#pragma once

#include <string>

#include "core/dmtraduz_estado.h"

// One editor line that is not a command (nullptr: the end of the text):
// translates and formats it.
void ProcessaLinhaTexto(const std::string* linha);
inline void ProcessaLinhaTexto(const std::string& linha) { ProcessaLinhaTexto(&linha); }

// Appends the translated text to the paragraph and writes every complete
// line. final: the paragraph ends here. linhaAtual: a final piece belongs to
// the current editor line (else to the previous one).
void FormataParagrafo(bool final, bool linhaAtual, const std::string& texto);

// Writes one formatted line of the paragraph, mapped to the current or the
// previous editor line.
void EscreveLinhaParagrafo(const std::string& linha);

// Cuts from s one line of at most LarguraLinha cells into out and leaves the
// rest in s. Always consumes at least one character of s.
void QuebraLinha(std::string& s, std::string& out);
// The same with explicit width and hyphenation (used by the above).
void QuebraLinha(std::string& s, std::string& out, int largura, bool hifenizar);

// Removes trailing blanks; under autoFormata a line beginning with two
// blanks gets exactly two leading blanks.
void AjustaRecuo(std::string& linha, bool autoFormata);
void AjustaRecuo(std::string& linha); // uses Compilacao->AutoFormata

// Letter sets of the syllable rules.
bool EhVogalSilaba(unsigned char c);
bool EhConsoanteSilaba(unsigned char c);
