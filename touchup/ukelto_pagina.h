// ukelto: the touch-up program's page and everything done to it, as one
// object shared by its three windows: the 100-line page of braille text (one
// character per cell, the alphabet of TabelaCelas), the seven-line window
// over it, the cursor, six-key chords and ink typing, the keys of the page
// window, and the page's exchange with the main program as clipboard text.
// Plain C++: the windows only show it and pass keys and clicks on.
#pragma once

#include "core/celas/acorde.h"
#include "core/celas/tabela_codigos.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int kLinhasPagina = 100;
inline constexpr int kLinhasJanela = 7;      // lines shown at once
inline constexpr int kTopoMaximo = kLinhasPagina - kLinhasJanela;
inline constexpr int kColunaMaxima = 58;     // the cursor may stand one past a full line
inline constexpr int kTamanhoMaximo = 57;    // characters a line keeps while editing
inline constexpr int kTamanhoBranco = 56;    // a new or cleared line
inline constexpr int kLinhasTroca = 32;      // lines exchanged through the clipboard
inline constexpr int kColunasTroca = 42;     // columns looked at on copy, kept on paste

// What a key asks of the windows beyond the page itself.
enum class AcaoKelto {
    Nenhuma,
    Copiar,          // the options window's "Copiar"
    Colar,           // its "Colar"
    AbreDesenhador,  // "Gráfico (F9)"
    MostraOpcoes,    // show the options window
    ModoSeisTeclas,  // check the six-key radio button
    ModoTinta,       // check the ink radio button
};

class EstadoKelto {
public:
    EstadoKelto(); // a blank page, cursor at 1,1, six-key typing, identity map

    static const std::string& LinhaEmBranco(); // 56 blanks

    // ---- State -------------------------------------------------------------
    std::array<std::string, kLinhasPagina> Pagina;
    int Topo = 0;   // lines above the window, 0..93
    int Coluna = 1; // 1..58
    int Linha = 1;  // 1..100
    AcordeSeisTeclas acorde;
    bool ModoSeisTeclas = true;
    bool BrailleAntigo = false;
    // Internal character -> the character the braille screen font shows (the
    // code-table file of the code in force; identity where it says nothing).
    TabelaDeCodigos MapaFonte{};

    // ---- Cursor and editing ------------------------------------------------
    // Moves the cursor, clamped to the page, scrolling the window so the
    // cursor's line stays in it. True when the window scrolled.
    bool MoveCursor(int colunas, int linhas);
    // Types a character at the cursor and moves one column right. A line
    // shorter than the cursor is first filled with blanks up to it, so the
    // character lands where the cursor stands; a line keeps at most 57
    // characters (typing at column 58 changes nothing).
    void InsereCaractere(unsigned char c);
    // Deletes the character at the cursor, the line keeping its length.
    // Past the line's end there is nothing to delete and nothing changes.
    void ApagaCaractere();
    void InsereLinha(); // a blank line at the cursor, line 100 lost
    void RemoveLinha(); // the cursor's line removed, a blank line 100
    void VaiParaFim();  // End: just after the last non-blank of columns 1..57
    void Limpa();       // lines 1..32 blank, cursor and window at the top
    // The cell of a dot mask in the code in force.
    unsigned char Cela(int mascara) const;
    // The "Braille Mouse": types the cell of the mask and forgets the chord.
    void InsereCelaDoMouse(int mascara);

    // ---- Keys of the page window -------------------------------------------
    // A key went down (key codes of platform/teclas.h).
    AcaoKelto TeclaPressionada(int tecla, bool shift, bool ctrl, bool repetida = false);
    // A key went up: in six-key typing, the release that ends a chord types
    // its cell.
    void TeclaSolta(int tecla, bool repetida = false);
    // A character typed (after its key went down): ink typing inserts it;
    // Ctrl+C (3) copies and Ctrl+V (22) pastes in either mode.
    AcaoKelto CaractereDigitado(unsigned char c);

    // ---- Clipboard ---------------------------------------------------------
    // The copy of the page: lines 1..n, n the last of lines 1..32 with text
    // in columns 1..42, each without its trailing blanks and followed by
    // CR LF. Nothing (nullopt) when those 32 lines are blank there.
    std::optional<std::string> TextoParaCopiar() const;
    // Pastes clipboard text: lines 1..32 become its first 32 lines, each
    // padded or cut to 42 characters (the rest blank); lines 33..100 stay;
    // cursor and window to the top. Text without any character pastes
    // nothing and leaves the page as it was.
    void Cola(std::string_view texto);

    // ---- What the window shows ---------------------------------------------
    // Window line k (1..7): the page line's text, and its first 57
    // characters through MapaFonte (what the braille font draws).
    const std::string& TextoDaJanela(int k) const;
    std::string BrailleDaJanela(int k) const;
};
