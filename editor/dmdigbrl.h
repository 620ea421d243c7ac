// dmdigbrl: Perkins-style typing into the main editor. Six dot keys held
// together make one braille cell, typed into the text when the chord ends;
// the chord itself is the routine both programs share (core/celas/acorde.h).
// InsereCaractere is how every typing aid (this one, the character table and
// the symbols) puts text into the editor.
#pragma once

#include "core/celas/acorde.h"

#include <string>
#include <string_view>

class DocumentoEditavel;

// Puts texto on the clipboard as plain text (what the clipboard held is
// lost) and pastes it at the caret of doc, in place of the selection. False,
// with nothing inserted, when the clipboard could not be had or the paste
// brought nothing in (the document is full). The caller refreshes the
// braille strip.
bool InsereCaractere(DocumentoEditavel& doc, std::string_view texto);

// The dot keys, dot 1 to dot 6: F D S for the left hand, J K L for the right
// (on the numeric keypad each column is one right-hand dot as well).
inline constexpr std::string_view TeclasPadrao = "FDSJKL";

// The cell character of a dot mask (0 to 63) in the code in force
// (BrailleAntigo): the blank for 0 in both codes.
std::string CelaDaMascara(int mascara);

// What a key asks of the Perkins window.
struct AcaoPerkins {
    enum class Tipo {
        Nada,
        Insere,          // texto goes into the editor (InsereCaractere)
        Fecha,           // the window closes
        PassaAoEditor,   // the editor gets `tecla` (Backspace, Enter) pressed and released
    };
    Tipo tipo = Tipo::Nada;
    std::string texto;
    int tecla = 0;
    bool operator==(const AcaoPerkins&) const = default;
};

// The Perkins window's keys, without the window. Key codes are those of
// platform/teclas.h; `repetida` marks the keyboard's auto-repeat, which the
// chord ignores (holding a key never types stray cells).
class DigitacaoPerkins {
public:
    // A fresh chord (every activation of the window).
    void Ativa() { acorde_.Reinicia(); }
    // Esc and F11 close; Space is a blank cell at once and a fresh chord; a
    // dot key joins the chord; any other key cancels it.
    AcaoPerkins TeclaPressionada(int tecla, bool repetida = false);
    // Backspace and Enter go to the editor on their release; the release
    // that ends a chord types its cell (a cancelled chord types nothing).
    AcaoPerkins TeclaSolta(int tecla, bool repetida = false);

    int MascaraPontos() const { return acorde_.Acorde(); }

private:
    AcordeSeisTeclas acorde_;
};
