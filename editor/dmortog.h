// dmortog: spell checking of the editor's text, word by word: the walk over
// the document's lines, the check from the caret with the replacement
// dialog, and loading and unloading the dictionary on demand. Plain C++ over
// the editable document and the dialog service; the main window's commands
// (editor/gui/dmmain_ortografia.cpp) hand it the editor and the replacement
// dialog TformSubst (editor/gui/dmsubst.h).
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

// ---- The commands ------------------------------------------------------------------

// The word handed to the replacement dialog, and the word it hands back
// (equal to PalavraOriginal when the word is to stay).
extern std::string PalavraOriginal;
extern std::string PalavraEscolhida;

// The replacement dialog as the check sees it.
class DialogoSubstituicao {
public:
    virtual ~DialogoSubstituicao() = default;
    // Shown modally for PalavraOriginal with the context label; sets
    // PalavraEscolhida (to PalavraOriginal when the word stays).
    virtual void MostraSubstituicao(const std::string& contexto) = 0;
};

// True when the dictionary is (now) in memory: loaded from the five files
// of the settings under the wait notice, or "Erro ao carregar o Dicionário".
bool GaranteDicionario();
// "&Carregar dicionário": loads the dictionary again from its files.
void RecarregaDicionario();
// "&Liberar dicionário": takes the dictionary out of memory.
void DescarregaDicionario();
// F7: from the caret, the first wrong word in the replacement dialog, then
// the replacement; "Fim do Texto" when there is none. The next F7 goes on
// after the word.
void VerificaOrtografia(DocumentoEditavel& doc, DialogoSubstituicao& dialogo);
// Ctrl+F7: the same for the first word at or after the caret, correct or not.
void VerificaPalavra(DocumentoEditavel& doc, DialogoSubstituicao& dialogo);
