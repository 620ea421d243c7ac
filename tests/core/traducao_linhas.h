// Rows of translator cases read from tests/data. The files are UTF-8 (read
// like the ink text of the editor, converted to Windows-1252). One row per
// line, five fields separated by tabs:
//
//   input  expected  start state  end state  what the row exercises
//
// "∅" is an empty field; "⟨NN⟩" is the byte with hexadecimal code NN (for
// control characters and bytes without a printable form); "␞" splits input
// and expected into successive calls (state carried from one call to the
// next). States are "-" (start: English off, quote flag 1, parentheses
// flag 0, angle-bracket flag 0; end: not checked) or blank-separated words
// "ingles", "aspas=N", "par=N", "angulo=N" (the back-translation's
// alternation of "<" and ">"). Lines starting with "#" and empty lines are
// skipped.
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct LinhaTraducao {
    std::string arquivo;
    int linha = 0;
    std::vector<std::string> entradas;   // one per call
    std::vector<std::string> esperados;  // one per call
    bool ingles = false;
    int aspas = 1;
    int parenteses = 0;
    int aspasFim = -1;       // -1: not checked
    int parentesesFim = -1;  // -1: not checked
    int angulo = 0;
    int anguloFim = -1;      // -1: not checked
    std::string descricao;   // UTF-8, for messages
};

// Reads the rows of a file of tests/data; a malformed row makes the loader
// record an error row (linha > 0, descricao starting with "ERRO") so that
// the suite fails naming it.
std::vector<LinhaTraducao> LeLinhasTraducao(const std::string& nomeArquivo);

// Windows-1252 bytes shown readably (UTF-8, control bytes as ⟨NN⟩).
std::string MostraBytes(const std::string& s);

// How a failing row names itself: its file, line and what it exercises.
inline void PrintTo(const LinhaTraducao& l, std::ostream* os) {
    *os << l.arquivo << ":" << l.linha << " (" << l.descricao << ")";
}
