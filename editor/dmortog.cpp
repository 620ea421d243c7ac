// dmortog: the word walk of the spell check.
#include "editor/dmortog.h"

#include "editor/dmdic.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr ConjuntoBytes Conjunto(std::string_view s) {
    ConjuntoBytes c;
    for (char x : s)
        c.set(static_cast<unsigned char>(x));
    return c;
}

bool EhLetra(const std::string& s, int coluna) {
    if (coluna < 1 || coluna > static_cast<int>(s.size()))
        return false;
    const auto c = static_cast<unsigned char>(s[static_cast<size_t>(coluna - 1)]);
    return CaracteresPalavra.test(c) && c != '-' && c != '\'';
}

// Whether the character at coluna (from 1) is part of a word: a letter, or a
// hyphen or apostrophe between two letters ("guarda-chuva", "d'água"). A
// dash or quote mark beside a word, or standing alone, separates words.
bool DaPalavra(const std::string& s, int coluna) {
    if (EhLetra(s, coluna))
        return true;
    if (coluna < 1 || coluna > static_cast<int>(s.size()) ||
        !CaracteresPalavra.test(static_cast<unsigned char>(s[static_cast<size_t>(coluna - 1)])))
        return false;
    return EhLetra(s, coluna - 1) && EhLetra(s, coluna + 1);
}

} // namespace

constinit const ConjuntoBytes CaracteresPalavra = Conjunto(
    "'-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
    "ÀÁÂÃÇÈÉÊÍÎÑÓÔÕÖÚÜàáâãçèéêíîñóôõöúü"_cp);

bool ProximaPalavra(const LinhasDocumento& doc, int& Linha, int& Coluna, std::string& Palavra) {
    Palavra.clear();
    if (Linha < 0) {
        Linha = 0;
        Coluna = 0;
    }
    // Through the end of the last line: a text's last line is checked too.
    const int n = doc.NumLinhas();
    while (Linha < n) {
        const std::string s = doc.Linha(Linha);
        const int tamanho = static_cast<int>(s.size());
        if (Coluna < 1)
            Coluna = 1;
        if (DaPalavra(s, Coluna)) {
            while (DaPalavra(s, Coluna - 1))
                --Coluna;
        } else {
            while (Coluna <= tamanho && !DaPalavra(s, Coluna))
                ++Coluna;
        }
        if (Coluna > tamanho) {
            ++Linha;
            Coluna = 0;
            continue;
        }
        while (DaPalavra(s, Coluna))
            Palavra += s[static_cast<size_t>(Coluna++ - 1)];
        return true;
    }
    Linha = n;
    Coluna = 0;
    return false;
}

bool ProcuraPalavra(const LinhasDocumento& doc, bool soErradas, int& Linha, int& Coluna,
                    std::string& Palavra) {
    while (ProximaPalavra(doc, Linha, Coluna, Palavra)) {
        if (!soErradas || !PalavraCorreta(Palavra))
            return true;
        ++Coluna;
    }
    return false;
}

std::string ContextoPalavra(const std::string& linha, int inicio) {
    const int tamanho = static_cast<int>(linha.size());
    const int de = std::clamp(inicio - 1 - 15, 0, tamanho);
    const int ate = std::clamp(inicio - 1 + 16, de, tamanho);
    return "..." + linha.substr(static_cast<size_t>(de), static_cast<size_t>(ate - de)) + "...";
}

std::string TrocaPalavra(const std::string& linha, int inicio, size_t tamanho, const std::string& nova) {
    const size_t i = std::min(static_cast<size_t>(std::max(inicio, 1) - 1), linha.size());
    std::string r = linha.substr(0, i) + nova;
    if (i + tamanho < linha.size())
        r += linha.substr(i + tamanho);
    return r;
}

// ---- The commands ------------------------------------------------------------------

std::string PalavraOriginal;
std::string PalavraEscolhida;

namespace {

int CarregaDasConfiguracoes() {
    const int r = CarregaDicionario(ArqDicionario, ArqSufixos, ArqInexistentes, ArqNomes, ArqSugestoes);
    DicionarioCarregado = r == DicCarregado;
    return r;
}

// The check from the caret: with soErradas the first wrong word, otherwise
// the first word.
void Verifica(DocumentoEditavel& doc, DialogoSubstituicao& dialogo, bool soErradas) {
    if (!GaranteDicionario())
        return;
    // The caret's column is taken as the column from 1 of the character
    // before it: the word that holds that character, or else the next one.
    int linha = 0, coluna = 0;
    doc.LinColInicioSel(linha, coluna);
    std::string palavra;
    if (!ProcuraPalavra(doc, soErradas, linha, coluna, palavra)) {
        doc.PosicionaCursor(doc.NumLinhas(), 0);
        MensagemOK("Fim do Texto");
        return;
    }
    const int inicio = coluna - static_cast<int>(palavra.size());
    const std::string texto = doc.Linha(linha);
    // The word stands selected behind the dialog, so the user sees it in
    // the text.
    doc.DefineSelecao(doc.InicioLinha(linha) + inicio - 1, static_cast<int>(palavra.size()));
    PalavraOriginal = palavra;
    PalavraEscolhida = palavra;
    dialogo.MostraSubstituicao(ContextoPalavra(texto, inicio));
    if (PalavraEscolhida != PalavraOriginal)
        doc.SubstituiLinha(linha, TrocaPalavra(texto, inicio, palavra.size(), PalavraEscolhida));
    // One column after the end of the word now in the text, so the next
    // check starts on the character that follows it. Past the end of the
    // line that is the next line: the caret cannot stand inside a line end,
    // and at the line's end the next check would find the same word again.
    const int depois = inicio + static_cast<int>(PalavraEscolhida.size());
    if (depois > doc.ComprimentoLinha(linha))
        doc.PosicionaCursor(linha + 1, 0);
    else
        doc.PosicionaCursor(linha, depois);
}

} // namespace

bool GaranteDicionario() {
    if (DicionarioCarregado)
        return true;
    dialogos().MostraEspere("O dicionário está sendo carregado."_cp);
    CarregaDasConfiguracoes();
    dialogos().EscondeEspere();
    if (!DicionarioCarregado)
        MensagemOK("Erro ao carregar o Dicionário"_cp);
    return DicionarioCarregado;
}

void RecarregaDicionario() {
    if (DicionarioCarregado)
        LiberaDicionario();
    if (CarregaDasConfiguracoes() == DicCarregado)
        dialogos().MensagemRapida("Dicionário carregado."_cp);
    else
        MensagemOK("Erro ao carregar o Dicionário."_cp);
}

void DescarregaDicionario() {
    if (DicionarioCarregado) {
        LiberaDicionario();
        dialogos().MensagemRapida("Dicionário removido da memória."_cp);
    } else {
        MensagemOK("Dicionário não estava carregado."_cp);
    }
    DicionarioCarregado = false;
}

void VerificaOrtografia(DocumentoEditavel& doc, DialogoSubstituicao& dialogo) { Verifica(doc, dialogo, true); }

void VerificaPalavra(DocumentoEditavel& doc, DialogoSubstituicao& dialogo) { Verifica(doc, dialogo, false); }
