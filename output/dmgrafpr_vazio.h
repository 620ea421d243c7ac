// dmgrafpr_vazio: the command that creates an empty framed graphic, asking
// its size and name through the dialog service (the file side lives in
// dmgrafpr).
#pragma once

#include <string>

// Asks the size ("yy xx", asked again while it is not two whole numbers
// above 0 that fit the dot matrix) and the file name, confirms overwriting
// an existing file, writes the frame and says so. The name goes beside the
// open document arqAtual when it names no folder.
void CriaGraficoVazio(const std::string& arqAtual);
