// A small dictionary written for a test: stems "cas" (casa, caso, casos),
// "um", "e", "fim", two suggestion rules (x=a, x=o), and the five settings
// pointing at its files. The files live as long as the object.
#pragma once

#include "core/dmvars.h"
#include "support/temporario.h"

class DicionarioDeTeste {
public:
    DicionarioDeTeste() {
        ArqDicionario = pasta.grava("d.dic", "cas n\r\num =\r\ne =\r\nfim =\r\n");
        ArqSufixos = pasta.grava("d.suf", "[n]\r\na\r\no\r\nos\r\n");
        ArqInexistentes = pasta.grava("d.exc", "");
        ArqNomes = pasta.grava("d.nom", "");
        ArqSugestoes = pasta.grava("d.sug", "x=a\r\nx=o\r\n");
    }
    PastaTemporaria pasta;
};
