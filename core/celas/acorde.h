// Six-key typing, as on a braille writer: the dot keys held together make one
// cell, which is typed when the last of them is released. The routine is the
// same wherever cells are typed by chords (the touch-up program's page and
// the main program's Perkins window).
//
// Dot keys: F D S for dots 1 2 3 and J K L for dots 4 5 6 (their key codes,
// the same whatever the case typed), and on the numeric keypad each column
// stands for one right-hand dot: 1 4 7 dot 4, 2 5 8 dot 5, 3 6 9 dot 6.
//
// A chord ends when as many dot-key releases as distinct dots pressed have
// been seen, in any order; the released key need not be one of the chord.
// A key that is not a dot key, or a second key for a dot already in the
// chord (keypad 4 while J is down), cancels the chord, and a cancelled chord
// types nothing: the releases of the keys still down find no chord and are
// ignored, so a cancel never leaves blank cells in the text. The keyboard's
// auto-repeat changes nothing: a repeated press adds no dot and cancels
// nothing, a repeated release is ignored, so holding a key down never types
// stray cells.
#pragma once

#include <optional>

// The dot bit (1, 2, 4, 8, 16, 32) of a key code (platform/teclas.h), or 0
// when the key is not a dot key.
int PontoDaTecla(int tecla);

class AcordeSeisTeclas {
public:
    // A key went down. True when the key is taken by the chord (a dot key,
    // or the auto-repeat of one); false when it cancelled the chord, and the
    // caller treats the key as its own.
    bool Pressiona(int tecla, bool repetida = false);
    // A key went up. When this release ends a chord, the dot mask of the
    // chord (never 0: a release with no chord pending types nothing) and a
    // fresh chord.
    std::optional<int> Solta(int tecla, bool repetida = false);
    // Forgets the chord (another key took over).
    void Reinicia() { acorde_ = 0; teclas_ = 0; }

    // The dots pressed so far, and how many dot keys are still to come up.
    int Acorde() const { return acorde_; }
    int TeclasAcorde() const { return teclas_; }

private:
    int acorde_ = 0;
    int teclas_ = 0;
};
