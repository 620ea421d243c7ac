// kelto: the program body. Takes the single-instance lock (a second copy is
// refused with the main program's message), creates the page window, the
// options window and the dot drawer in this order, and runs the event loop
// until the page window closes. Returns the program's exit code: 1 when the
// configuration could not be read (its message shown).
#pragma once

#include <string>

int ExecutaKelto();

// Installs the program's dialog service: the standard message boxes.
void InstalaDialogosKelto();

// A command that fails (TAplicacao catches it) is told in the program's own
// box: what failed and why, and that the page stays as it was.
void InstalaRelatoKelto();
std::string MensagemFalhaKelto(const std::string& comando, const std::string& causa);
