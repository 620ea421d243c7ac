// The annotation list.
#include "editor/dmanotac.h"

#include "core/documento.h"
#include "editor/dmedicao.h"
#include "editor/dmmarcacao.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

#include <algorithm>

std::optional<std::string> TextoAnotacao(const std::string& linha) {
    if (linha.compare(0, AberturaAnotacao.size(), AberturaAnotacao) != 0) return std::nullopt;
    std::string_view resto = AparaTexto(std::string_view(linha).substr(AberturaAnotacao.size()));
    if (resto.ends_with(FechamentoAnotacao)) resto.remove_suffix(FechamentoAnotacao.size());
    return std::string(resto);
}

void ListaAnotacoes::Monta(const LinhasDocumento& doc, int linhaCursor) {
    itens_.clear();
    selecionado_ = -1;
    const int n = doc.NumLinhas();
    for (int i = 0; i < n; ++i) {
        if (std::optional<std::string> t = TextoAnotacao(doc.Linha(i))) {
            itens_.push_back({i + 1, std::move(*t)});
            if (i < linhaCursor) selecionado_ = static_cast<int>(itens_.size()) - 1;
        }
    }
    if (selecionado_ < 0 && !itens_.empty()) selecionado_ = 0;
}

std::string ListaAnotacoes::Legenda(int i) const {
    if (i < 0 || i >= static_cast<int>(itens_.size())) return {};
    const Item& it = itens_[static_cast<size_t>(i)];
    return std::to_string(it.numero) + " -> " + it.texto;
}

void ListaAnotacoes::Seleciona(int i) {
    selecionado_ = i >= 0 && i < static_cast<int>(itens_.size()) ? i : -1;
}

std::optional<int> ListaAnotacoes::LinhaValida(const DocumentoEditavel& doc, std::string_view rotina) const {
    if (!ComSelecao()) return std::nullopt;
    const int linha = itens_[static_cast<size_t>(selecionado_)].numero - 1;
    if (linha < 0 || linha >= doc.NumLinhas()) {
        if (!rotina.empty()) ErroContacte(std::string(rotina));
        return std::nullopt;
    }
    return linha;
}

std::optional<int> ListaAnotacoes::Busca(DocumentoEditavel& doc) const {
    const std::optional<int> linha = LinhaValida(doc, {});
    if (linha) doc.PosicionaCursor(*linha, 0);
    return linha;
}

bool ListaAnotacoes::Edita(DocumentoEditavel& doc) {
    const std::optional<int> linha = LinhaValida(doc, "dmAnotac.EditarAnotação"_cp);
    if (!linha) return false;
    Item& it = itens_[static_cast<size_t>(selecionado_)];
    std::string texto = it.texto;
    if (!EditaLinha("Anotação"_cp, "Editar comentário"_cp, texto) || texto.empty()) return false;
    it.texto = texto;
    doc.SubstituiLinha(*linha, LinhaAnotacao(texto));
    return true;
}

bool ListaAnotacoes::Deleta(DocumentoEditavel& doc) {
    const std::optional<int> linha = LinhaValida(doc, "dmAnotac.DeletarAnotação"_cp);
    if (!linha) return false;
    if (dialogos().Caixa("Confirma remoção?"_cp, "Dotmara", Icone::Pergunta, Botoes::OKCancel) != mrOk)
        return false;
    doc.RemoveLinhas(*linha);
    itens_.erase(itens_.begin() + selecionado_);
    // The lines below the removed one moved up by one.
    for (size_t i = static_cast<size_t>(selecionado_); i < itens_.size(); ++i) --itens_[i].numero;
    if (selecionado_ >= static_cast<int>(itens_.size())) selecionado_ = static_cast<int>(itens_.size()) - 1;
    return true;
}

std::optional<int> LinhaVisualDoEditor(int linhaEditor, const DynIntArray& mapaEditorRascunho,
                                       int quantEditorMapeadas, int linhasVisual) {
    if (linhasVisual <= 0 || linhaEditor < 0 || quantEditorMapeadas < 0) return std::nullopt;
    const int e = std::min(linhaEditor, quantEditorMapeadas);
    if (e >= static_cast<int>(mapaEditorRascunho.size())) return std::nullopt;
    const int d = mapaEditorRascunho[static_cast<size_t>(e)];
    if (d < 0) return std::nullopt;
    return std::min(d, linhasVisual - 1);
}
