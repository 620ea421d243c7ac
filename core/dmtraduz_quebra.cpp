// dmtraduz_quebra: line breaking, hyphenation, paragraph formatting.
#include "core/dmtraduz_quebra.h"

#include "core/dmtraduz_paginas.h"

void ProcessaLinhaTexto(const std::string*) {}
void FormataParagrafo(bool, bool, const std::string&) {}
void EscreveLinhaParagrafo(const std::string&) {}
void QuebraLinha(std::string& s, std::string& out) { QuebraLinha(s, out, Compilacao->LarguraLinha, Compilacao->Hifenizar); }
void QuebraLinha(std::string& s, std::string& out, int, bool) { out = s; s.clear(); }
void AjustaRecuo(std::string&, bool) {}
void AjustaRecuo(std::string& linha) { AjustaRecuo(linha, Compilacao->AutoFormata); }
bool EhVogalSilaba(unsigned char) { return false; }
bool EhConsoanteSilaba(unsigned char) { return false; }
