// Every test program works on its own DOTMARA.INI and its own temporary
// folder, never on the user's: a fresh folder holds the settings file (unless
// DOTMARA_INI is set) and the files the program would leave in the private
// temporary folder (drafts, exports, printer files), and is removed when the
// program ends.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

struct AmbienteDeTeste {
    std::string pasta;
    pid_t dono = ::getpid();
    AmbienteDeTeste() {
        std::string modelo = (std::filesystem::temp_directory_path() / "dmteste-XXXXXX").string();
        std::vector<char> nome(modelo.begin(), modelo.end());
        nome.push_back('\0');
        if (!::mkdtemp(nome.data()))
            return;
        pasta = nome.data();
        if (const char* e = std::getenv("DOTMARA_INI"); !e || !*e)
            ::setenv("DOTMARA_INI", (pasta + "/DOTMARA.INI").c_str(), 1);
        const std::string tmp = pasta + "/tmp";
        std::error_code ec;
        if (std::filesystem::create_directory(tmp, ec))
            ::setenv("TMPDIR", tmp.c_str(), 1);
    }
    ~AmbienteDeTeste() {
        // A test's forked child that ends through exit() removes nothing of
        // its parent's.
        if (pasta.empty() || dono != ::getpid())
            return;
        std::error_code ec;
        std::filesystem::remove_all(pasta, ec);
    }
};

AmbienteDeTeste ambienteDeTeste;

} // namespace
