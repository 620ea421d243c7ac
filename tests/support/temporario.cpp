// Test helpers: temporary folders and scoped environment variables.
#include "support/temporario.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

PastaTemporaria::PastaTemporaria() {
    std::string modelo = (std::filesystem::temp_directory_path() / "dmteste-XXXXXX").string();
    std::vector<char> nome(modelo.begin(), modelo.end());
    nome.push_back('\0');
    if (!::mkdtemp(nome.data()))
        throw std::runtime_error("mkdtemp failed");
    dir_ = std::string(nome.data()) + "/";
}

PastaTemporaria::~PastaTemporaria() {
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir_, ec);
}

std::string LeArquivoTeste(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void GravaArquivoTeste(const std::string& caminho, const std::string& conteudo) {
    std::ofstream f(caminho, std::ios::binary | std::ios::trunc);
    f << conteudo;
}

std::string PastaTemporaria::grava(const std::string& nome, const std::string& conteudo) const {
    std::string c = caminho(nome);
    GravaArquivoTeste(c, conteudo);
    return c;
}

std::string PastaTemporaria::le(const std::string& nome) const { return LeArquivoTeste(caminho(nome)); }

VariavelAmbiente::VariavelAmbiente(const char* nome, const std::string& valor) : nome_(nome) {
    if (const char* v = std::getenv(nome)) {
        tinha_ = true;
        antigo_ = v;
    }
    ::setenv(nome, valor.c_str(), 1);
}

VariavelAmbiente::~VariavelAmbiente() {
    if (tinha_)
        ::setenv(nome_.c_str(), antigo_.c_str(), 1);
    else
        ::unsetenv(nome_.c_str());
}

int PastaTemporaria::entradas() const {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) {
        (void)e;
        ++n;
    }
    return n;
}
