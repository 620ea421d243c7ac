// The document as the core sees it: the lines of the main window's editor,
// Windows-1252 bytes, without line ends. The main window implements it;
// tests give a vector of lines.
#pragma once

#include <string>
#include <vector>

class LinhasDocumento {
public:
    virtual ~LinhasDocumento() = default;
    virtual int NumLinhas() const = 0;
    virtual std::string Linha(int indice) const = 0;
};

// A document held in memory.
class LinhasEmMemoria : public LinhasDocumento {
public:
    LinhasEmMemoria() = default;
    explicit LinhasEmMemoria(std::vector<std::string> l) : linhas(std::move(l)) {}
    int NumLinhas() const override { return static_cast<int>(linhas.size()); }
    std::string Linha(int i) const override {
        return i >= 0 && i < NumLinhas() ? linhas[static_cast<size_t>(i)] : std::string();
    }
    std::vector<std::string> linhas;
};

// The document that the compiler and the tools read (the main window's
// editor in the program). Never null: an empty document by default.
LinhasDocumento& DocumentoAtual();
void DefineDocumentoAtual(LinhasDocumento* d);
