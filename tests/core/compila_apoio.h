// Helpers of the compiler tests: a document in memory installed as the
// current document, settings by name, the draft file read back.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "core/documento.h"
#include "core/dmtraduz_estado.h"
#include "platform/dialogos.h"

// Everything a compiler test touches, restored when it ends: settings,
// the current document, the dialog service, the draft path.
class AmbienteCompila {
public:
    AmbienteCompila();
    ~AmbienteCompila();
    AmbienteCompila(const AmbienteCompila&) = delete;
    AmbienteCompila& operator=(const AmbienteCompila&) = delete;

    void Documento(std::vector<std::string> linhas);
    // Sets one setting by its name ("MaxCarac", "FrenteVerso", ...), or a
    // value of the compile request ("PagInicial", "PagFinal", "NumPagInic").
    // Flags take "S"/"N". False for an unknown name or a bad value.
    bool Define(const std::string& nome, const std::string& valor);
    // Several at once, "Nome=Valor" each.
    bool Define(std::initializer_list<std::string> nomesValores);
    // Compiles the document as the request says, with this caret line and
    // view flag.
    bool Compila(int linhaCursor = 0, bool paraVisualizacao = false);
    // The draft file as written (bytes), and split into lines without CR LF.
    std::string Rascunho() const;
    std::vector<std::string> LinhasRascunho() const;
    // The draft's braille lines as dots, joined by "|": each cell its dot
    // numbers, a blank cell "0", the cells "a" (1) and "b" (12) as those
    // letters; blank lines, page ends and blanks at either end left out.
    std::string PontosRascunho() const;

    PedidoCompilacao pedido;
    LinhasEmMemoria doc;
    DialogosFalsosEscopo dlg;
    std::string arquivo; // the draft file of this test
    bool tamanhoReal = false;
};

// Escapes for test data files: "\xHH" for bytes below 32, 127 and "\\" for a
// backslash; everything else as it is.
std::string EscapaBytes(const std::string& s);
std::string DesescapaBytes(const std::string& s);
