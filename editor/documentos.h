// Document files of the main window, without Qt: text <-> lines as the editor
// keeps them, saving with a ".bak" copy, the recent-file list and its INI keys,
// the DOS (code page 850) <-> Windows-1252 conversions and the main window's
// own INI values. The caret services' line/column arithmetic is in
// core/documento.h.
//
// All text is Windows-1252 bytes (paths included).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/documento.h"       // the line/column arithmetic (LinCol, CalcLinColPor)
#include "platform/codepage.h"  // IgualSemCaixa, for the recent-list names

// ---- Code pages ------------------------------------------------------------
// Windows-1252 -> code page 850 (what the DOS programs read). Characters that
// code page 850 lacks become "?". Works on text of any length.
std::string ConverteParaDOS(std::string_view s);
// Code page 850 -> Windows-1252. The box-drawing characters, which
// Windows-1252 lacks, become "?".
std::string ConverteParaWindows(std::string_view s);
// Byte tables behind the two conversions ('?' where there is no character).
unsigned char WindowsParaDOS(unsigned char c);
unsigned char DOSParaWindows(unsigned char c);

// ---- Text and lines --------------------------------------------------------
// Splits a file's text into lines as a text editor loads it: CR LF, LF and a
// lone CR each end a line; a line end at the very end opens no further line.
std::vector<std::string> TextoEmLinhas(std::string_view texto);
// The file text of a list of lines: every line followed by CR LF, but for
// the last when quebraFinal is false (a text that does not end with a line
// end is saved as it is).
std::string LinhasEmTexto(const std::vector<std::string>& linhas, bool quebraFinal = true);

// ---- Opening ---------------------------------------------------------------
// Reads a document into the lines the editor will hold. The editor holds at
// most LimiteTextoDocumento characters, counted as it counts them: each line
// end once, and none after a last line that has none. A file with more, or
// one that never ends (as those under /proc), is GrandeDemais and is read no
// further than twice the limit in bytes; a missing or unreadable file is
// NaoLido; a folder, a FIFO, a device or a socket is NaoRegular (a FIFO is
// never waited on). The lines are filled only when Lido, and quebraFinal,
// when given, tells whether the text ends with a line end.
enum class LeituraDocumento { Lido, NaoLido, NaoRegular, GrandeDemais };
LeituraDocumento LeDocumento(const std::string& nome, std::vector<std::string>& linhas,
                             bool* quebraFinal = nullptr);
// What the editor says of a document it could not open.
std::string MensagemLeituraDocumento(LeituraDocumento r, const std::string& nome);

// ---- Names ----------------------------------------------------------------
// The ".bak" name of a document: its extension replaced by ".bak".
std::string NomeBackup(const std::string& nome);
// An absolute path for a name given relative to the current folder.
std::string CaminhoAbsoluto(const std::string& nome);

// ---- Saving ----------------------------------------------------------------
enum class ResultadoGravacao { Gravado, FalhaBackup, FalhaEscrita, SomenteLeitura };
// Writes conteudo to nome, keeping the previous version as NomeBackup(nome).
// However the save is stopped (a crash, a kill, a full disk), the document's
// name holds the old text or the new one, whole, and the ".bak" name what it
// held before or the old text; the new text takes the document's name only
// once the ".bak" holds the old. Beside the target the new text is written
// to "<name>.gravando-XXXXXX" and synced, and named "<name>.salvo-XXXXXX"
// once whole; the old text gets a second name "<name>.anterior-XXXXXX" (a
// hard link, or a synced copy on a file system without them) that is renamed
// over the ".bak"; then the new text is renamed over the document and the
// folder is synced. The save holds a lock on the new text's file while it
// runs. A ".bak" beside a document that is not there yet is left alone.
// A name that is a link is saved through it: the file it points at (after
// every link in a chain) is the target, keeps its mode, and gets the ".bak"
// beside it; the link stays. A read-only target (no write permission for
// anyone, or none for this user) is not touched: SomenteLeitura.
ResultadoGravacao GravaComBackup(const std::string& nome, const std::string& conteudo);
// The same with the backup name made by nomeBackup (from the path of the
// file that is replaced, after its links); backupUsado, when given, receives
// that name.
ResultadoGravacao GravaComBackup(const std::string& nome, const std::string& conteudo,
                                 std::string (*nomeBackup)(const std::string&),
                                 std::string* backupUsado = nullptr);

// ---- What a stopped save left ----------------------------------------------
struct SobraDeGravacao {
    enum class Tipo {
        Parcial,    // "gravando": the new text, not whole
        Completa,   // "salvo": the new text, whole, not yet under the document's name
        Anterior,   // "anterior": a second name of the old text
    };
    Tipo tipo;
    std::string caminho;
};
// The files that stopped saves of nome left beside it (beside the file its
// links name): this user's regular files of those names, in name order,
// leaving out those of a save still running.
std::vector<SobraDeGravacao> SobrasDeGravacao(const std::string& nome);
// What opening nome does with them first: a text not whole, and a second
// name of a text that the document or its ".bak" still holds, are removed;
// a saved text that the document does not hold is offered (the newest when
// there are several), with the buttons Yes (it takes the document's name,
// the document becomes the ".bak", as the save would have done), No (it is
// removed) and Cancel (it stays for the next open). The older saved texts go
// with the newest on Yes and No.
void TrataSobrasDeGravacao(const std::string& nome);

// ---- Recent files -----------------------------------------------------------
// The five most recent documents, most recent first, compared without regard
// to letter case; mirrored by the recent-file keys of the settings table
// ("arq1" .. "arq5"), one key per entry.
class ListaRecentes {
public:
    static constexpr int MaxItens = 5;

    const std::vector<std::string>& Itens() const { return itens_; }
    int Tamanho() const { return static_cast<int>(itens_.size()); }
    const std::string& Item(int i) const { return itens_.at(static_cast<std::size_t>(i)); }
    int Indice(const std::string& nome) const;   // -1 when absent

    // Reads "arq1" .. "arq5": empty values and repeats are skipped, so
    // every entry is a distinct, non-empty path.
    void LeIni(const std::string& arquivoIni);
    // Writes entry k as "arq" + (k+1) and deletes the keys past the end.
    // False when the INI file could not be written.
    bool GravaIni(const std::string& arquivoIni) const;

    // nome becomes the first entry (moved there, or inserted with the oldest
    // entry dropped when the list is full). True when the order changed.
    bool PoeNaFrente(const std::string& nome);
    // False for an index outside the list.
    bool Remove(int indice);
    void Troca(int indice, const std::string& nome);   // bounded; ignored outside
    void Limpa() { itens_.clear(); }

private:
    std::vector<std::string> itens_;
};

// Writes the recent-file key of entry numero (from 1); an empty value deletes
// the key. False for a number without a key or a failed write.
bool GravaRecenteNoIni(int numero, const std::string& valor, const std::string& arquivoIni);

