// Every test program works on its own DOTMARA.INI, never on the user's: when
// DOTMARA_INI is not set, it points at a file in a fresh temporary folder,
// removed when the program ends.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct IniDeTeste {
    std::string pasta;
    IniDeTeste() {
        if (const char* e = std::getenv("DOTMARA_INI"); e && *e)
            return;
        std::string modelo = (std::filesystem::temp_directory_path() / "dmteste-ini-XXXXXX").string();
        std::vector<char> nome(modelo.begin(), modelo.end());
        nome.push_back('\0');
        if (!::mkdtemp(nome.data()))
            return;
        pasta = nome.data();
        ::setenv("DOTMARA_INI", (pasta + "/DOTMARA.INI").c_str(), 1);
    }
    ~IniDeTeste() {
        if (pasta.empty())
            return;
        std::error_code ec;
        std::filesystem::remove_all(pasta, ec);
    }
};

IniDeTeste iniDeTeste;

} // namespace
