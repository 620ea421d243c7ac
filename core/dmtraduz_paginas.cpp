// dmtraduz_paginas: page composition and maps.
#include "core/dmtraduz_paginas.h"

const std::string SeparadorPagina(50, '-');
const std::string SeparadorPaginaDupla(50, '=');

void EscreveLinha(const std::string&, bool, bool, int) {}
void EscreveCabecalho() {}
bool MontaCabecalho(std::string&) { return false; }
void FimDePagina(bool) {}
void EmiteGraficosPendentes() {}
void InicializaMapas() {}
void PrimeiraPagina() {}
void ProximaPagina() {}
void MapeiaPagina() {}
void MapeiaLinhaRascunho(int) {}
void MapeiaLinhas(int) {}
