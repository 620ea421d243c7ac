// The keys of "DOTMARA.INI" that both programs read: kelto reads these three
// of the main program's section (it never writes the file), and the main
// program's settings table (core/dmvars_ini.cpp) has their rows. One
// spelling, with the code-table names taken when a key is empty, for both.
#pragma once

#include <string_view>

namespace chaves_ini {
inline constexpr std::string_view kSecaoPrograma = "DOTMARA";
inline constexpr std::string_view kBrailleAntigo = "brailleAntigo";
inline constexpr std::string_view kTabelaAntiga = "amBCode";      // old-code table
inline constexpr std::string_view kTabelaUnificada = "amBCode2";  // unified-code table
inline constexpr std::string_view kPadraoTabelaAntiga = "ambcode.cfg";
inline constexpr std::string_view kPadraoTabelaUnificada = "ambcode2.cfg";
} // namespace chaves_ini
