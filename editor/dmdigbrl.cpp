// Perkins typing: the keys of the window and the insertion at the caret.
#include "editor/dmdigbrl.h"

#include "core/dmvars.h"
#include "core/documento.h"
#include "platform/servicos.h"
#include "platform/teclas.h"

bool InsereCaractere(DocumentoEditavel& doc, std::string_view texto) {
    if (texto.empty() || !servicos().GravaAreaTransferencia(std::string(texto))) return false;
    return doc.Cola();
}

std::string CelaDaMascara(int mascara) {
    return std::string(1, static_cast<char>(CelasAtuais()[static_cast<size_t>(mascara & 63)]));
}

AcaoPerkins DigitacaoPerkins::TeclaPressionada(int tecla, bool repetida) {
    if (tecla == vk::Escape || tecla == vk::F11) return {AcaoPerkins::Tipo::Fecha, {}, 0};
    if (tecla == vk::Espaco) {
        acorde_.Reinicia();
        return {AcaoPerkins::Tipo::Insere, " "};
    }
    // A dot key joins the chord; anything else (or a second key for a dot
    // already held) starts it afresh.
    acorde_.Pressiona(tecla, repetida);
    return {};
}

AcaoPerkins DigitacaoPerkins::TeclaSolta(int tecla, bool repetida) {
    if (repetida) return {};
    if (tecla == vk::Backspace || tecla == vk::Enter)
        return {AcaoPerkins::Tipo::PassaAoEditor, {}, tecla};
    if (const std::optional<int> mascara = acorde_.Solta(tecla))
        return {AcaoPerkins::Tipo::Insere, CelaDaMascara(*mascara)};
    return {};
}
