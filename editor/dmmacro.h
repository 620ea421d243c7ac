// dmmacro: the macro processor. A macro file defines codes that begin with
// the backquote and the texts that replace them; the command loads the file
// and replaces the codes in the selected lines of the document.
//
// Macro file, read line by line (lines counted from 1, every line counted):
//   - an empty line, or one whose first character is ";", is a comment;
//   - any other line must begin with the backquote: the code runs up to the
//     first blank (or the line's end), then blanks are skipped and the
//     replacement runs up to the next blank (or the line's end); whatever
//     follows is ignored, so a replacement holds no blank, and a line with
//     a code only removes the code from the text. Only the blank (32)
//     separates: a tab belongs to the code or the replacement;
//   - codes are compared exactly; the first definition of a code wins.
// A file may define any number of macros (the table has no limit).
#pragma once

#include "core/documento.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

inline constexpr char kInicioMacro = '`';

struct Macro {
    std::string chave;   // with its backquote
    std::string valor;
};

// The macros of a file, in file order (MacroChaves, MacroValores,
// MacroQuant).
class TabelaMacros {
public:
    void Limpa();
    void Acrescenta(std::string chave, std::string valor);
    int Quantidade() const { return static_cast<int>(macros_.size()); }
    const Macro& operator[](int i) const { return macros_[static_cast<std::size_t>(i)]; }

    // BuscaMacro: at position i of linha (a backquote), the replacement of
    // the first macro in file order whose code stands there, and the code's
    // length in `comprimento`; when no code stands there, the character at i
    // itself (length 1).
    std::string_view BuscaMacro(std::string_view linha, std::size_t i, std::size_t& comprimento) const;

private:
    std::vector<Macro> macros_;
    // Code -> index of its first definition; the lengths of the codes,
    // shortest first.
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, int, Hash, std::equal_to<>> primeira_;
    std::vector<std::size_t> comprimentos_;
};

// The table of the last load (kept until the next one).
extern TabelaMacros Macros;

// What a reading of a macro file gave: true when the whole file was read;
// otherwise the number of its first line that defines nothing (the macros
// before it are in the table).
struct LeituraMacros {
    bool ok = true;
    int linhaErro = 0;
};
// The parser: conteudo is the file's bytes (CR LF, LF or a lone CR end a line).
LeituraMacros LeMacros(std::string_view conteudo, TabelaMacros& tabela);

// CarregaMacros: loads a macro file's bytes into Macros; a bad line shows
// "Codigo inválido na linha " + its number and gives false.
bool CarregaMacros(std::string_view conteudo);

// The line with every code replaced (replacements are not scanned again; a
// backquote that begins no code stays). The work stops once the result is
// longer than maximo: a result longer than maximo is only its beginning.
std::string AplicaMacrosLinha(const std::string& linha, const TabelaMacros& tabela,
                              std::size_t maximo = std::string::npos);
// AplicaMacros: every selected line, whole (a selection ending at the start
// of a line leaves it out; without a selection, the caret's line), in one
// edit; nothing when the text would then pass the editor's limit (with
// CabeNoEditor's message).
void AplicaMacros(DocumentoEditavel& doc, const TabelaMacros& tabela = Macros);

// The macro file the window shows: the INI's "ambMacro", else the shipped
// "CODMAT.AMB" of the program's (or the data) folder.
std::string ArquivoMacrosConfigurado();

// The button "Processe o texto selecionado" on the file named in the
// window: "Arquivo inválido" for an empty name or one that begins with a
// blank, "Arquivo de macros não existe" when it cannot be read, the file's
// size cap when it is larger (the window stays in these cases: false);
// otherwise the name goes to the INI, the file
// is loaded and, when it loads whole, applied to doc (true: the window
// hides).
bool ProcessaMacros(const std::string& arquivo, DocumentoEditavel& doc);
