// Helpers of the touch-up program's tests: key sequences typed into the page.
#pragma once

#include "touchup/ukelto_pagina.h"

#include <string>

// Types a sequence of key events into the page: "+F" press, "-F" release,
// "*F" auto-repeated press, "~F" auto-repeated release, "F" press and
// release; a key is a letter, "n4" keypad 4, or one of "Esp", "Enter",
// "Bksp", "Home", "End", "Esq", "Dir", "Cima", "Baixo", "Ins", "Del", "F6",
// "F7", "F9".."F12". "^" before a key holds Ctrl with it, "!" Shift.
// Returns the last action any key asked for.
AcaoKelto Digita(EstadoKelto& e, const std::string& eventos);

// The first n characters of page line l (1-based).
std::string Inicio(const EstadoKelto& e, int linha, std::size_t n);
