// dmtraduz_rascunho: the draft file, written by the compiler and read by
// every reader of the draft (the braille view, the print job, the Word
// export), so that all of them split it into the same lines.
//
// The compiler writes every line followed by CR LF; a line holds output
// codes, and any byte but LF may stand in it. Read back, CR LF ends a line;
// a lone LF also does (a draft kept by a tool that writes LF ends); a lone
// CR is a byte of its line, as the compiler wrote it, so a code table that
// gives 13 to a cell moves no line.
#pragma once

#include <string>
#include <vector>

// ---- Draft writer ---------------------------------------------------------
// Every draft line goes out through one writer. The compiler points it at
// the draft file; tests and private compiles point it at memory.
class EscritorRascunho {
public:
    virtual ~EscritorRascunho() = default;
    // Writes one line (without line end); the writer adds CR LF.
    // False on a write error.
    virtual bool GravaLinha(const std::string& linha) = 0;
};

// Draft lines kept in memory, without their CR LF.
class EscritorRascunhoMemoria : public EscritorRascunho {
public:
    bool GravaLinha(const std::string& linha) override {
        linhas.push_back(linha);
        return true;
    }
    std::vector<std::string> linhas;
};

// The draft file "rascunho.txt": lines written with CR LF into a new file
// beside it, which takes the draft's name only when every line was written.
// Until then, and for good when a write fails (a full disk), the draft holds
// the last one made whole, and its readers never see a part of a new one.
class EscritorRascunhoArquivo : public EscritorRascunho {
public:
    EscritorRascunhoArquivo() = default;
    // A draft not finished with Fecha is dropped: the old one stays.
    ~EscritorRascunhoArquivo() override;
    EscritorRascunhoArquivo(const EscritorRascunhoArquivo&) = delete;
    EscritorRascunhoArquivo& operator=(const EscritorRascunhoArquivo&) = delete;

    // Starts a new draft for caminho (through a link, for the file it
    // names); false when it cannot be made there, or when caminho names
    // something that is not a regular file (a pipe, a device, a folder).
    bool Abre(const std::string& caminho);
    bool GravaLinha(const std::string& linha) override;
    // Writes what is left and puts the new draft in the old one's place;
    // false, the old draft as it was, when any write failed.
    bool Fecha();

private:
    bool Descarrega();
    void Descarta();

    int fd_ = -1;
    std::string alvo_;       // the draft, as the system names it
    std::string temporario_; // the new draft until it is whole
    std::string buffer_;
    bool erro_ = false;
};

// ---- Draft reader ---------------------------------------------------------
// The draft's lines without their line ends; a last line without one is a
// line too. False, with no lines, when the file is missing or is not a
// regular file (a pipe or a device in the draft's place is never waited on).
bool LeRascunho(const std::string& caminho, std::vector<std::string>& linhas);
