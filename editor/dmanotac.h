// dmanotac: the annotation list. Annotations are editor lines that begin
// with "<*** " (and normally end with " ***>"); the list names each with its
// line number, and lets the user go to one, edit its text or delete it.
// The list window shows ListaAnotacoes and asks it what each button does.
#pragma once

#include "core/dmvars.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class DocumentoEditavel;
class LinhasDocumento;

// The opening and closing marks of an annotation line.
inline constexpr std::string_view AberturaAnotacao = "<*** ";
inline constexpr std::string_view FechamentoAnotacao = " ***>";

// The text of an annotation line, or nothing when the line is no
// annotation: its first five characters must be exactly "<*** "; the rest
// is trimmed and loses a closing " ***>".
std::optional<std::string> TextoAnotacao(const std::string& linha);

class ListaAnotacoes {
public:
    struct Item {
        int numero = 0;      // editor line counted from 1
        std::string texto;
        bool operator==(const Item&) const = default;
    };

    // The list of the document's annotations, and the entry selected: the
    // last one whose line lies before linhaCursor, else the first.
    void Monta(const LinhasDocumento& doc, int linhaCursor);

    const std::vector<Item>& Itens() const { return itens_; }
    // As the list shows an entry: "12 -> text".
    std::string Legenda(int i) const;
    bool Vazia() const { return itens_.empty(); }

    int Selecionado() const { return selecionado_; }
    // Selects entry i (-1 or a bad index: none).
    void Seleciona(int i);
    bool ComSelecao() const { return selecionado_ >= 0; }

    // "&Buscar": the caret to the start of the selected entry's line; the
    // line (from 0), or nothing when no entry is selected or its line is no
    // longer in the document.
    std::optional<int> Busca(DocumentoEditavel& doc) const;
    // "&Editar (F8)": the entry's text offered for editing; a confirmed text
    // that is not empty becomes the annotation of its line. True when it
    // changed.
    bool Edita(DocumentoEditavel& doc);
    // "&Deletar": asks "Confirma remoção?" and on OK removes the entry's
    // line; the entries after it move up a line. True when it was removed.
    bool Deleta(DocumentoEditavel& doc);

private:
    // The selected entry's line when it is still in the document; otherwise
    // the developer's message with the routine's name.
    std::optional<int> LinhaValida(const DocumentoEditavel& doc, std::string_view rotina) const;

    std::vector<Item> itens_;
    int selecionado_ = -1;
};

// The line of the braille view for an editor line, by the editor-to-draft
// map of the last compile: the editor line limited to the last line the map
// covers, the draft line it maps to, limited to the view's last line.
// Nothing when the map or the view has nothing to go to (no compile yet, an
// empty view, an unset entry).
std::optional<int> LinhaVisualDoEditor(int linhaEditor, const DynIntArray& mapaEditorRascunho,
                                       int quantEditorMapeadas, int linhasVisual);
