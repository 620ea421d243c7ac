// dmortog: spell checking of the editor's text, word by word. The walk over
// the document's lines is here (plain C++, over the document interface); the
// commands that move the caret and open the replacement dialog are in
// editor/gui/dmmain_ortografia.cpp.
#pragma once

#include "core/documento.h"
#include "core/dmvars.h"

#include <string>

// The characters that make up a word: the apostrophe, the hyphen, the
// letters A-Z and a-z and the accented letters of Portuguese (and of a few
// names). Everything else (digits, blanks, punctuation) separates words. The
// hyphen and the apostrophe join the letters on their two sides
// ("guarda-chuva", "d'água"); at a word's edge ("-Você", "'texto'") or
// standing alone (a dialogue dash) they separate words too.
extern const ConjuntoBytes CaracteresPalavra;

// The next word at or after (Linha, Coluna), Coluna counted from 1 (0 is read
// as 1). A column inside a word goes back to the word's first character.
// True when a word was found: Palavra holds it and Coluna is the first
// column after it. False at the end of the text, with Linha one past the
// last line and Coluna 0.
bool ProximaPalavra(const LinhasDocumento& doc, int& Linha, int& Coluna, std::string& Palavra);

// The walk of the check from (Linha, Coluna): the first word found, or with
// soErradas the first one PalavraCorreta rejects (the dictionary must be in
// memory). Same results as ProximaPalavra.
bool ProcuraPalavra(const LinhasDocumento& doc, bool soErradas, int& Linha, int& Coluna,
                    std::string& Palavra);

// What the replacement dialog shows around a word whose first character is
// at inicio (counted from 1): "..." + the line from 15 characters before it to
// 15 after it (clipped to the line) + "...".
std::string ContextoPalavra(const std::string& linha, int inicio);

// The line with the tamanho characters from inicio (counted from 1) replaced
// by nova.
std::string TrocaPalavra(const std::string& linha, int inicio, size_t tamanho, const std::string& nova);
