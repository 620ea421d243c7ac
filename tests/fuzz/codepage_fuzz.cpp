// Fuzz target: the Windows-1252 <-> UTF-8 conversion and the code page 850
// conversion. Properties: every Windows-1252 text survives a trip through
// UTF-8, whose output is well-formed; any bytes read as UTF-8 give at most
// one byte each and come back to the same UTF-8 after a second trip; the
// code page 850 conversions keep the length and give back every character
// that both code pages have.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editor/documentos.h"
#include "platform/codepage.h"
#include "tests/fuzz/fuzz_apoio.h"

namespace {

bool Utf8Valido(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        const unsigned char c1 = n > 1 ? static_cast<unsigned char>(s[i + 1]) : 0;
        if (n == 2 && c < 0xC2) return false;                       // overlong
        if (n == 3 && c == 0xE0 && c1 < 0xA0) return false;         // overlong
        if (n == 3 && c == 0xED && c1 >= 0xA0) return false;        // surrogate
        if (n == 4 && (c > 0xF4 || (c == 0xF0 && c1 < 0x90) || (c == 0xF4 && c1 >= 0x90)))
            return false;                                            // overlong, past U+10FFFF
        i += n;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string_view s(reinterpret_cast<const char*>(dados), tamanho);

    const std::string utf8 = Cp1252ParaUtf8(s);
    EXIGE(Utf8Valido(utf8));
    EXIGE(utf8.size() <= 3 * s.size());
    EXIGE(Utf8ParaCp1252(utf8) == s);

    const std::string w = Utf8ParaCp1252(s);
    EXIGE(w.size() <= s.size());
    const std::string u2 = Cp1252ParaUtf8(w);
    EXIGE(Cp1252ParaUtf8(Utf8ParaCp1252(u2)) == u2);
    if (Utf8Valido(s) && w.find('?') == std::string::npos) EXIGE(Cp1252ParaUtf8(w) == s);

    const std::string dos = ConverteParaDOS(s);
    EXIGE(dos.size() == s.size());
    const std::string volta = ConverteParaWindows(dos);
    EXIGE(volta.size() == s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        EXIGE(static_cast<unsigned char>(dos[i]) == WindowsParaDOS(c));
        if (WindowsParaDOS(c) != '?' || c == '?') EXIGE(volta[i] == s[i]);
    }
    const std::string win = ConverteParaWindows(s);
    EXIGE(win.size() == s.size());
    const std::string dosDeNovo = ConverteParaDOS(win);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (DOSParaWindows(c) != '?' || c == '?') EXIGE(static_cast<unsigned char>(dosDeNovo[i]) == c);
    }
    return 0;
}
