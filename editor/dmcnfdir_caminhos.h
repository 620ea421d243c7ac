// dmcnfdir_caminhos: where the folders window finds the files and programs
// it names. At start-up each name read from "DOTMARA.INI" becomes a full
// path: a bare name is looked for in a remembered folder, then in the
// document folder, and a file found moves the remembered folder to where it
// lay, so the next name is looked for there first.
#pragma once

#include <string>

#include "platform/ini.h"

// The folders the window remembers, each ending in "/" (a name is appended
// to them directly).
struct PastasConfig {
    std::string DirRascunho; // the draft file's
    std::string DirConfig;   // shared by the code tables, kelto and the graphic editor
    std::string DirVelun;    // the drawing program's
    std::string DirPuma;     // the plate program's
};

// Resolves caminho (in-out) against pasta (in-out, a remembered folder):
// an empty path is the default name; a name without a folder is taken in
// pasta. The file is looked for in its own folder, then in pasta, then in
// DirDocumento (each time exactly, then without regard to letter case); the
// folder where it lies becomes pasta. The path becomes pasta + the name, also
// when nothing was found; then, with avisa, a warning box names the file.
// True when the file was found.
bool LocalizaArqConfig(std::string& caminho, std::string& pasta, const std::string& nomePadrao, bool avisa);

// The folders before the first resolution: the draft's the document folder;
// the shared one the data folder (where the code tables are shipped); the
// drawing and plate programs' the program folder. Only empty ones are set.
void IniciaPastas(PastasConfig& p);

// Reads the eight file and program keys into their settings, resolving them
// in this order: the draft file (a bare name lies in the document folder; no
// name leaves ArqRascunho empty, the private draft of this program in the
// temporary folder), the two code tables, the graphic code table, kelto and
// the graphic editor in DirConfig (kelto's bare name beside the program
// first; warning for the tables and kelto), the
// drawing program in DirVelun and the plate program in DirPuma (no warning:
// a missing program is reported when it is started).
void LeDiretorios(PastasConfig& p, const std::string& ini = CaminhoIni());

// The draft path as the window shows and stores it: empty for this
// program's private draft (it changes from run to run, so it is never
// stored), the path otherwise.
std::string RascunhoConfigurado(const std::string& arqRascunho);
