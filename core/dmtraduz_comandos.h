// dmtraduz_comandos: the markup command lines of the draft compiler.
// Works on the compile state Compilacao points at.
#pragma once

#include <string>

// One editor line as the driver prepared it (tabs expanded, trailing blanks
// removed, indent adjusted). True when the line was consumed as a command;
// false when it must be laid out as text (also after a malformed G or M
// line, whose message has been shown).
bool ProcessaComando(const std::string& linha);

// Reads a non-negative decimal number made only of digits. False when the
// text is empty, holds anything else or does not fit an int; lido then
// holds the value of the digits before the first bad character (saturated).
bool LeNumeroComando(const std::string& texto, int& lido);
