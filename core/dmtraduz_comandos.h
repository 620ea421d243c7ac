// dmtraduz_comandos: the markup command lines of the draft compiler.
// Works on the compile state Compilacao points at.
#pragma once

#include <string>
#include <string_view>

// A line the compiler reads as a command: at least two characters, "<"
// first and anything but ">" second ("<" alone and "<>..." are text).
inline bool EhLinhaComando(std::string_view linha)
{
    return linha.size() >= 2 && linha[0] == '<' && linha[1] != '>';
}

// One editor line as the driver prepared it (tabs expanded, trailing blanks
// removed, indent adjusted). True when the line was consumed as a command;
// false when it must be laid out as text (also after a malformed G or M
// line, whose message has been shown).
bool ProcessaComando(const std::string& linha);

// Reads a non-negative decimal number made only of digits. False when the
// text is empty, holds anything else or does not fit an int; lido then
// holds the value of the digits before the first bad character (saturated).
bool LeNumeroComando(const std::string& texto, int& lido);
