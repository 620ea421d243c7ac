// The document as the core sees it: the lines of the main window's editor,
// Windows-1252 bytes, without line ends.
//
// LinhasDocumento is what the compiler and the readers need (the lines).
// DocumentoEditavel adds what the editing commands need, in the caret
// services' terms: a character offset counts every line end as two
// characters (CR LF), also the one after the last line when the text ends
// with one; lines and columns count from 0. The main window implements it
// over its editor; DocumentoEmMemoria is the same document in memory, so the
// editing logic runs and is tested without a window.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the user may bring into the editor by typing, pasting or dropping, in
// characters, each line end counted once. A loaded file and the text that the
// program's own commands write are not cut by it: a document slightly over
// the limit loses nothing.
inline constexpr int LimiteTextoDocumento = 300000;

// Characters that may still come in when `selecionados` of the text's
// `tamanho` (both counted as for the limit) are about to be replaced.
int CaracteresQueCabem(long long tamanho, long long selecionados);

class LinhasDocumento {
public:
    virtual ~LinhasDocumento() = default;
    virtual int NumLinhas() const = 0;
    virtual std::string Linha(int indice) const = 0;
    // Length of a line in characters (0 outside the document).
    virtual int ComprimentoLinha(int indice) const { return static_cast<int>(Linha(indice).size()); }
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

// ---- Line and column with two characters per line end ----------------------

struct LinCol {
    int linha = 0;
    int coluna = 0;
    bool operator==(const LinCol&) const = default;
};

// Line and column of a character offset. comprimento(i) gives the length of
// line i (0 <= i < numLinhas). An offset at or past the end of the text gives
// the line numLinhas and the rest as column.
template <class Comprimento>
LinCol CalcLinColPor(int numLinhas, Comprimento comprimento, long long posicao) {
    long long soma = 0;
    LinCol r;
    for (int i = 0; i < numLinhas; ++i) {
        const long long l = static_cast<long long>(comprimento(i)) + 2;
        if (soma + l > posicao) break;
        soma += l;
        ++r.linha;
    }
    r.coluna = static_cast<int>(posicao - soma);
    return r;
}

// Offset of the start of a line: the lengths of the lines before it, each plus
// 2. A negative line counts as line 0; a line past the last one gives the
// total of all lines.
template <class Comprimento>
long long InicioLinhaPor(int numLinhas, Comprimento comprimento, int linha) {
    long long soma = 0;
    for (int i = 0; i < linha && i < numLinhas; ++i)
        soma += static_cast<long long>(comprimento(i)) + 2;
    return soma;
}

// The same for lines held in a vector.
LinCol CalcLinCol(const std::vector<std::string>& linhas, long long posicao);
long long InicioLinha(const std::vector<std::string>& linhas, int linha);

// Text with every line end (CR LF, a lone LF or a lone CR) written CR LF.
std::string QuebrasCRLF(std::string_view texto);

// ---- The editable document ----------------------------------------------------

// Every edit is one undoable step; the edits made between IniciaGrupo and
// TerminaGrupo (or in the life of a GrupoEdicao) are one step together, so a
// command that changes the text in several places is undone at once. Groups
// nest: the outermost one counts. A group holds the edits of one command and
// no box: the main window shows the text, the strip and the status bar as
// they end up once the group closes.
//
// The selection follows the text it covers: an edit replaces the offsets
// [a, b) by new text of n characters; a selection start (or the caret) before
// a stays, within [a, b) goes to a, at or after b moves with the text; a
// selection end at or before a stays, within (a, b] goes to a + n, after b
// moves with the text. So text inserted at the caret goes before it, and a
// selection keeps the lines it held when lines are inserted at its edges.
// SubstituiSelecao leaves the caret after the new text instead.
//
// Indices outside the document are not errors: a line edit outside it does
// nothing, an insertion past the last line appends, offsets are kept within
// the text.
class DocumentoEditavel : public LinhasDocumento {
public:
    // ---- What an implementation gives ----------------------------------------
    // Offsets in the whole text.
    virtual int TamanhoTexto() const = 0;
    // The selection as offsets (SelStart, SelLength).
    virtual int InicioSelecao() const = 0;
    virtual int TamanhoSelecao() const = 0;
    // Undoes the last step (an edit, or a group of them).
    virtual void Desfaz() = 0;

    // ---- Caret services ----------------------------------------------------------
    // Line and column of an offset; past the last line: the number of lines
    // and the rest as column. (Virtual, like InicioLinha, so an editor may
    // walk its lines faster than one ComprimentoLinha at a time.)
    virtual void CalcLinCol(int posicao, int& linha, int& coluna) const;
    void LinColInicioSel(int& linha, int& coluna) const;
    // The offset just after the selection.
    void LinColFimSel(int& linha, int& coluna) const;
    // The caret at offset InicioLinha(linha) + coluna, nothing selected; a
    // column past its line's end runs on into the following lines, a line
    // past the last one gives the end of the text. The main window's editor
    // also takes the focus.
    virtual void PosicionaCursor(int linha, int coluna);
    // Offset of the start of a line (see InicioLinhaPor).
    virtual int InicioLinha(int linha) const;
    // Selects tamanho characters from inicio. Both ends are kept within the
    // text, and an end between the CR and the LF of a line end stands before
    // that line end.
    void DefineSelecao(int inicio, int tamanho);
    // The selected lines: from the selection start's line to its end's line,
    // except that a selection ending at column 0 of a later line leaves that
    // line out. With nothing selected, the caret's line.
    void LinhasSelecionadas(int& primeira, int& ultima) const;

    // ---- Text ------------------------------------------------------------------------
    // The whole text with CR LF line ends; its length is TamanhoTexto().
    std::string Texto() const;
    // The text of the offsets [inicio, inicio + tamanho).
    std::string Trecho(int inicio, int tamanho) const;
    std::string TextoSelecionado() const;
    // Does the text end with a line end (after its last line)?
    bool TerminaEmQuebra() const;
    // The text's size as the editor's limit counts it (a line end is one
    // character). Virtual, so an editor may answer without a walk.
    virtual long long TamanhoNoLimite() const;

    // ---- Edits -----------------------------------------------------------------------
    // The selection (or nothing, at the caret) becomes texto; any line end in
    // it breaks the line. The caret stands after the new text.
    void SubstituiSelecao(const std::string& texto);
    // Line indice becomes texto (its line end stays).
    void SubstituiLinha(int indice, const std::string& texto);
    // New lines before line indice, each with its line end; at or past the
    // number of lines they are appended (after a last line that has no line
    // end, the line end goes before them).
    void InsereLinha(int indice, const std::string& texto);
    void InsereLinhas(int indice, const std::vector<std::string>& linhas);
    // Removes quantas lines from indice, with their line ends.
    void RemoveLinhas(int indice, int quantas = 1);
    // Pastes the clipboard's text (platform services) at the caret, in place
    // of the selection, as the user's paste does: what passes the text limit
    // is cut, with a beep. False when nothing came in.
    bool Cola();

    // ---- Edit groups ---------------------------------------------------------------
    void IniciaGrupo();
    void TerminaGrupo();

protected:
    // Shows the selection of the valid offsets inicio <= fim.
    virtual void MarcaSelecao(int inicio, int fim) = 0;
    // Replaces the valid offsets [inicio, fim) by texto (CR LF line ends
    // only). The selection is set afterwards by the caller.
    virtual void TrocaTrecho(int inicio, int fim, const std::string& texto) = 0;
    // The outermost group opens and closes (edits in between are one step).
    virtual void AbreGrupo() = 0;
    virtual void FechaGrupo() = 0;

private:
    // The offset kept within the text and off the LF of a line end.
    int OffsetValido(long long p) const;
    void Edita(int inicio, int fim, const std::string& texto, bool cursorNoFim);
    int grupos_ = 0;
};

// An edit group for a scope.
class GrupoEdicao {
public:
    explicit GrupoEdicao(DocumentoEditavel& d) : doc_(d) { doc_.IniciaGrupo(); }
    ~GrupoEdicao() { doc_.TerminaGrupo(); }
    GrupoEdicao(const GrupoEdicao&) = delete;
    GrupoEdicao& operator=(const GrupoEdicao&) = delete;

private:
    DocumentoEditavel& doc_;
};

// The editable document in memory. Undo keeps every earlier state.
class DocumentoEmMemoria : public DocumentoEditavel {
public:
    DocumentoEmMemoria() = default;
    // Lines as a file loads them: each followed by its line end.
    explicit DocumentoEmMemoria(const std::vector<std::string>& linhas);
    // The whole text (any line ends); the caret goes to its start and the
    // undo steps are dropped.
    void DefineTexto(std::string_view texto);

    int NumLinhas() const override;
    std::string Linha(int indice) const override;
    int ComprimentoLinha(int indice) const override;
    int TamanhoTexto() const override { return static_cast<int>(texto_.size()); }
    int InicioSelecao() const override { return inicio_; }
    int TamanhoSelecao() const override { return fim_ - inicio_; }
    void Desfaz() override;
    // Undo steps recorded so far.
    int PassosDesfazer() const { return static_cast<int>(desfazer_.size()); }

protected:
    void MarcaSelecao(int inicio, int fim) override;
    void TrocaTrecho(int inicio, int fim, const std::string& texto) override;
    void AbreGrupo() override;
    void FechaGrupo() override;

private:
    struct Estado {
        std::string texto;
        int inicio = 0;
        int fim = 0;
    };
    void Indexa();
    std::string texto_;          // CR LF line ends
    std::vector<int> inicios_;   // offset of every line's start
    int inicio_ = 0;
    int fim_ = 0;
    std::vector<Estado> desfazer_;
    bool grupoEditou_ = false;   // the open group has its undo step
};

// The document that the compiler and the tools read (the main window's
// editor in the program). Never null: an empty document by default.
LinhasDocumento& DocumentoAtual();
void DefineDocumentoAtual(LinhasDocumento* d);
// The document the editing commands change (the main window's editor in the
// program; an empty DocumentoEmMemoria by default). Installing one also makes
// it the document read by the compiler; nullptr restores both defaults.
DocumentoEditavel& DocumentoEmEdicao();
void DefineDocumentoEmEdicao(DocumentoEditavel* d);
