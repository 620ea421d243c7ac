// ukelto: the touch-up program's start-up configuration. It reads, and never
// writes, three keys of the main program's INI file ("brailleAntigo",
// "amBCode", "amBCode2" of section "DOTMARA") and the code-table file of the
// code they choose, which fills MapaFonte. Lines of the file that are not
// rules are skipped.
#pragma once

#include "touchup/ukelto_pagina.h"

#include <string>

// Caption of the program's boxes.
inline constexpr const char* kTituloKelto = "Kelto";

// Reads the configuration into e. A code-table file that is missing, or that
// cannot be read, is reported by its message box and the result is false:
// the program cannot go on.
bool LeConfiguracaoKelto(EstadoKelto& e, const std::string& dirPrograma);
