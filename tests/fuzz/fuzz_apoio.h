// Helpers shared by the fuzz targets: a private temporary folder removed at
// exit, file writing, and a property check that aborts (libFuzzer then keeps
// the input as a crash).
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#define EXIGE(cond)                                                                      \
    do {                                                                                 \
        if (!(cond)) {                                                                   \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
            std::abort();                                                                \
        }                                                                                \
    } while (0)

// The process's own folder under the temporary folder, ending in "/".
inline const std::string& PastaFuzz()
{
    static const std::string pasta = [] {
        const char* t = std::getenv("TMPDIR");
        std::string modelo = std::string(t && *t ? t : "/tmp") + "/dotmara_fuzz_XXXXXX";
        if (!mkdtemp(modelo.data())) std::abort();
        static std::string apagar = modelo;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(apagar, ec);
        });
        return modelo + "/";
    }();
    return pasta;
}

// Writes bytes to a file of the private folder and returns its path.
inline std::string GravaFuzz(const std::string& nome, std::string_view bytes)
{
    const std::string c = PastaFuzz() + nome;
    std::ofstream f(c, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return c;
}

inline std::string LeFuzz(const std::string& caminho)
{
    std::ifstream f(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}
