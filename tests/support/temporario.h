// Test helpers: a private temporary folder removed at the end of the test,
// and an environment variable set for the duration of a scope.
#pragma once

#include <string>

// The bytes of a file ("" when missing), and a file written with the bytes
// given.
std::string LeArquivoTeste(const std::string& caminho);
void GravaArquivoTeste(const std::string& caminho, const std::string& conteudo);

class PastaTemporaria {
public:
    PastaTemporaria();
    ~PastaTemporaria();
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;
    // The folder, ending in "/".
    const std::string& dir() const { return dir_; }
    // dir() + nome.
    std::string caminho(const std::string& nome) const { return dir_ + nome; }
    // Writes a file (bytes as given) and returns its path.
    std::string grava(const std::string& nome, const std::string& conteudo) const;
    // The bytes of a file ("" when missing).
    std::string le(const std::string& nome) const;
    // How many entries the folder holds (a write must leave no temporary).
    int entradas() const;

private:
    std::string dir_;
};

class VariavelAmbiente {
public:
    VariavelAmbiente(const char* nome, const std::string& valor);
    ~VariavelAmbiente();
    VariavelAmbiente(const VariavelAmbiente&) = delete;
    VariavelAmbiente& operator=(const VariavelAmbiente&) = delete;

private:
    std::string nome_;
    std::string antigo_;
    bool tinha_ = false;
};
