// dmtraduz_paginas: page composition of the draft compiler: draft lines,
// headers, page numbers, page ends, graphic pages and the line and page
// maps. Works on the state `Compilacao` points at.
#pragma once

#include <string>

#include "core/dmtraduz_estado.h"

// Writes one draft line. traduz: margin prefix, empty-line marker and the
// output table apply; mapeia: record it for editor line linhaEditor
// (-1: the paragraph's line).
void EscreveLinha(const std::string& texto, bool traduz, bool mapeia, int linhaEditor = -1);

// Writes a graphic line (four characters 15, blank, column, blank, file),
// untranslated and mapped to linhaEditor (-1: the paragraph's line). It takes
// no room on the page: the page's line count does not advance.
void EscreveLinhaGrafica(const std::string& coluna, const std::string& arquivo,
                         int linhaEditor = -1);

// Writes the header when one is due on this page.
void EscreveCabecalho();
// Builds the header; false when no header is due on this physical page.
bool MontaCabecalho(std::string& cabecalho);

// Closes the current page (separator line mapped when mapeia).
void FimDePagina(bool mapeia);

// Writes the queued graphic pages.
void EmiteGraficosPendentes();

// Map keeping.
void InicializaMapas();
void PrimeiraPagina();
void ProximaPagina();
void MapeiaPagina();
void MapeiaLinhaRascunho(int linhaEditor);
void MapeiaLinhas(int linhaEditor);

// The separator lines.
extern const std::string SeparadorPagina;      // 50 "-"
extern const std::string SeparadorPaginaDupla; // 50 "="
