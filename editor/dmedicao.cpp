// dmedicao: find and replace, letter case, the line break at the wrap column
// and the one edit that replaces a run of lines.
#include "editor/dmedicao.h"

#include "core/dmtraduz_comandos.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "platform/codepage.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

#include <algorithm>

namespace {

const std::string kCRLF = "\r\n";
const char* const kTitulo = "Dotmara";

void Informa(const std::string& texto) {
    dialogos().Caixa(texto, kTitulo, Icone::Informacao, Botoes::OK);
}

// The first occurrence of busca in dobrado (texto, or texto in lower case
// when case does not count) at or after inicio. `antes` is the character
// that stands before offset inicio (-1: none), since after a replacement it
// is not the one of texto.
long long Procura(std::string_view texto, std::string_view dobrado, std::string_view busca,
                  long long inicio, bool palavraInteira, int antes) {
    if (busca.empty() || inicio < 0 || static_cast<std::size_t>(inicio) > texto.size()) return -1;
    std::size_t p = static_cast<std::size_t>(inicio);
    while ((p = dobrado.find(busca, p)) != std::string_view::npos) {
        if (!palavraInteira) return static_cast<long long>(p);
        const int ca = p == static_cast<std::size_t>(inicio) ? antes
                                                              : static_cast<unsigned char>(texto[p - 1]);
        const std::size_t depois = p + busca.size();
        const int cd = depois < texto.size() ? static_cast<unsigned char>(texto[depois]) : -1;
        if ((ca < 0 || !CaractereDePalavra(static_cast<unsigned char>(ca))) &&
            (cd < 0 || !CaractereDePalavra(static_cast<unsigned char>(cd))))
            return static_cast<long long>(p);
        ++p;
    }
    return -1;
}

int Anterior(std::string_view texto, long long inicio) {
    return inicio > 0 && static_cast<std::size_t>(inicio) <= texto.size()
               ? static_cast<unsigned char>(texto[static_cast<std::size_t>(inicio - 1)])
               : -1;
}

std::string Junta(std::vector<std::string>::const_iterator a, std::vector<std::string>::const_iterator b) {
    std::string r;
    for (auto i = a; i != b; ++i) {
        if (i != a) r += kCRLF;
        r += *i;
    }
    return r;
}

} // namespace

// ============================================================================
// Text helpers
// ============================================================================

std::string_view AparaTexto(std::string_view texto) {
    while (!texto.empty() && static_cast<unsigned char>(texto.front()) <= ' ') texto.remove_prefix(1);
    while (!texto.empty() && static_cast<unsigned char>(texto.back()) <= ' ') texto.remove_suffix(1);
    return texto;
}

// ============================================================================
// Find and replace
// ============================================================================

bool CaractereDePalavra(unsigned char c) {
    if ((c >= '0' && c <= '9') || c == '_') return true;
    if (MaiusculaWindows(c) != c || MinusculaWindows(c) != c) return true;
    // Letters without a case partner: sharp s, the ordinals, micro, f hook.
    return c == 0xDF || c == 0xAA || c == 0xBA || c == 0xB5 || c == 0x83;
}

long long ProcuraTexto(std::string_view texto, std::string_view busca, long long inicio,
                       OpcoesProcura opcoes) {
    if (opcoes.diferenciaMaiusculas)
        return Procura(texto, texto, busca, inicio, opcoes.palavraInteira, Anterior(texto, inicio));
    const std::string dobrado = MinusculasWindows(texto);
    const std::string buscaDobrada = MinusculasWindows(busca);
    return Procura(texto, dobrado, buscaDobrada, inicio, opcoes.palavraInteira, Anterior(texto, inicio));
}

bool ProcuraNoDocumento(DocumentoEditavel& doc, const std::string& busca, OpcoesProcura opcoes) {
    const long long m =
        ProcuraTexto(doc.Texto(), busca, static_cast<long long>(doc.InicioSelecao()) + doc.TamanhoSelecao(),
                     opcoes);
    if (m < 0) return false;
    doc.DefineSelecao(static_cast<int>(m), static_cast<int>(busca.size()));
    return true;
}

bool CabeNoEditor(const DocumentoEditavel& doc, long long cresce) {
    if (cresce <= 0 || doc.TamanhoNoLimite() + cresce <= LimiteTextoDocumento) return true;
    MensagemOK("O texto passaria do limite do editor ("_cp + std::to_string(LimiteTextoDocumento) +
               " caracteres): nada foi alterado."_cp);
    return false;
}

bool SelecaoEhOcorrencia(const DocumentoEditavel& doc, const std::string& busca, OpcoesProcura opcoes) {
    if (busca.empty() || doc.TamanhoSelecao() != static_cast<int>(busca.size())) return false;
    // The selection with the character on each side, which whole words look at.
    const int antes = std::min(doc.InicioSelecao(), 1);
    const std::string trecho = doc.Trecho(doc.InicioSelecao() - antes, doc.TamanhoSelecao() + antes + 1);
    return ProcuraTexto(trecho, busca, antes, opcoes) == antes;
}

int SubstituiTodas(DocumentoEditavel& doc, const std::string& busca, const std::string& troca,
                   OpcoesProcura opcoes) {
    const int inicioSelecao = doc.InicioSelecao();
    int n = 0;
    if (!busca.empty()) {
        const std::string texto = doc.Texto();
        std::string dobrado, buscaDobrada;
        if (!opcoes.diferenciaMaiusculas) {
            dobrado = MinusculasWindows(texto);
            buscaDobrada = MinusculasWindows(busca);
        }
        const std::string_view d = opcoes.diferenciaMaiusculas ? std::string_view(texto) : dobrado;
        const std::string_view b = opcoes.diferenciaMaiusculas ? std::string_view(busca) : buscaDobrada;
        // The text from the first occurrence to the end of the last, as the
        // replacements leave it.
        std::string meio;
        long long primeira = -1, fim = -1;
        // The growth, counted as the editor's limit counts it (neither text
        // holds a line end), stops the walk once the text would not fit.
        const long long passo = static_cast<long long>(troca.size()) - static_cast<long long>(busca.size());
        const long long cabe = passo > 0 ? LimiteTextoDocumento - doc.TamanhoNoLimite() : 0;
        long long cresce = 0;
        long long pos = static_cast<long long>(inicioSelecao) +
                        (SelecaoEhOcorrencia(doc, busca, opcoes) ? 0 : doc.TamanhoSelecao());
        int antes = Anterior(texto, pos);
        for (;;) {
            const long long m = Procura(texto, d, b, pos, opcoes.palavraInteira, antes);
            if (m < 0) break;
            if (primeira < 0) primeira = m;
            else meio.append(texto, static_cast<std::size_t>(fim), static_cast<std::size_t>(m - fim));
            cresce += passo;
            if (passo > 0 && cresce > cabe) {
                CabeNoEditor(doc, cresce);
                doc.DefineSelecao(inicioSelecao, 0);
                return -1;
            }
            meio += troca;
            ++n;
            pos = fim = m + static_cast<long long>(busca.size());
            antes = !meio.empty() ? static_cast<unsigned char>(meio.back()) : Anterior(texto, primeira);
        }
        if (n > 0) {
            GrupoEdicao grupo(doc);
            doc.DefineSelecao(static_cast<int>(primeira), static_cast<int>(fim - primeira));
            doc.SubstituiSelecao(meio);
        }
    }
    doc.DefineSelecao(inicioSelecao, 0);
    return n;
}

bool BuscaProxima(DocumentoEditavel& doc, const std::string& textoBusca, OpcoesProcura opcoes) {
    if (ProcuraNoDocumento(doc, textoBusca, opcoes)) return true;
    Informa("Busca terminada");
    return false;
}

bool BuscaSubstituir(DocumentoEditavel& doc, const std::string& busca, OpcoesProcura opcoes) {
    if (ProcuraNoDocumento(doc, busca, opcoes)) return true;
    Informa("Terminou");
    doc.DefineSelecao(doc.InicioSelecao(), 0);
    return false;
}

bool SubstituiSelecaoBusca(DocumentoEditavel& doc, const std::string& troca) {
    if (doc.TamanhoSelecao() == 0) return false;
    const std::string novo = QuebrasCRLF(troca);
    const std::string velho = doc.TextoSelecionado();
    const auto linhas = [](const std::string& t) { return static_cast<long long>(std::count(t.begin(), t.end(), '\n')); };
    // A CR LF is one character of the limit.
    const long long cresce = static_cast<long long>(novo.size()) - linhas(novo) -
                             (static_cast<long long>(velho.size()) - linhas(velho));
    if (!CabeNoEditor(doc, cresce)) return false;
    const int inicio = doc.InicioSelecao();
    GrupoEdicao grupo(doc);
    doc.SubstituiSelecao(novo);
    doc.DefineSelecao(inicio, static_cast<int>(novo.size()));
    return true;
}

bool SubstituiProxima(DocumentoEditavel& doc, const std::string& busca, const std::string& troca,
                      OpcoesProcura opcoes) {
    if (SelecaoEhOcorrencia(doc, busca, opcoes) && !SubstituiSelecaoBusca(doc, troca)) return false;
    return BuscaSubstituir(doc, busca, opcoes);
}

int SubstituiTudo(DocumentoEditavel& doc, const std::string& busca, const std::string& troca,
                  OpcoesProcura opcoes) {
    const int n = SubstituiTodas(doc, busca, troca, opcoes);
    if (n >= 0) Informa("Terminou");
    return n;
}

// ============================================================================
// Letter case
// ============================================================================

std::string MaiusculasWindows(std::string_view texto) {
    std::string r(texto);
    for (char& c : r) c = static_cast<char>(MaiusculaWindows(static_cast<unsigned char>(c)));
    return r;
}

std::string MinusculasWindows(std::string_view texto) {
    std::string r(texto);
    for (char& c : r) c = static_cast<char>(MinusculaWindows(static_cast<unsigned char>(c)));
    return r;
}

void MudaCaixaSelecao(DocumentoEditavel& doc, bool maiusculas) {
    const std::string t = doc.TextoSelecionado();
    if (t.empty()) return;
    const std::string novo = maiusculas ? MaiusculasWindows(t) : MinusculasWindows(t);
    if (novo == t) return;
    const int inicio = doc.InicioSelecao();
    GrupoEdicao grupo(doc);
    doc.SubstituiSelecao(novo);
    doc.DefineSelecao(inicio, static_cast<int>(novo.size()));
}

// ============================================================================
// Long lines
// ============================================================================

std::optional<CorteLinha> CortaLinha(std::string_view linha, int maxCol, bool passouColuna) {
    // A command line is read whole by the compiler: cut, a graphic's path, a
    // title or an annotation would become text printed in the braille.
    if (EhLinhaComando(linha)) return std::nullopt;
    std::string s(linha);
    TiraBrancosFinais(s);
    const std::size_t branco = s.find(' ');
    if (branco == std::string::npos) return std::nullopt;
    // Positions from 1, as the column is counted.
    const long long b = static_cast<long long>(branco) + 1;
    const long long n = static_cast<long long>(s.size());
    long long corte = 0;
    if (b > maxCol) {
        corte = b;   // the first word alone passes the column
    } else if (passouColuna) {
        bool corta = false;
        for (long long j = 1; j <= n && !corta; ++j) {
            if (s[static_cast<std::size_t>(j - 1)] == ' ' && j <= static_cast<long long>(maxCol) + 1)
                corte = j;
            else if (j >= maxCol)
                corta = true;
        }
        if (!corta) return std::nullopt;
    } else {
        return std::nullopt;
    }
    // Only blanks before the cut: an indent is not a line of its own (an
    // empty line would end the paragraph), so the line keeps what it cannot
    // split.
    if (s.find_first_not_of(' ') >= static_cast<std::size_t>(corte)) return std::nullopt;
    CorteLinha r;
    r.linha = s.substr(0, static_cast<std::size_t>(corte));
    const std::string_view depois = std::string_view(s).substr(static_cast<std::size_t>(corte));
    const std::string_view resto = AparaTexto(depois);
    r.resto = std::string(resto);
    r.inicioResto = static_cast<int>(corte) +
                    static_cast<int>(resto.empty() ? depois.size() : resto.data() - depois.data());
    return r;
}

LinCol PosicaoAposCorte(const CorteLinha& corte, int coluna) {
    if (coluna < static_cast<int>(corte.linha.size())) return {0, std::max(coluna, 0)};
    return {1, std::clamp(coluna - corte.inicioResto, 0, static_cast<int>(corte.resto.size()))};
}

bool QuebraLinhaAuto(DocumentoEditavel& doc, int coluna, int linha, int maxCol) {
    const int i = linha - 1;
    if (i < 0 || i >= doc.NumLinhas()) return false;
    // Text just selected (Shift+End, a match found by F3) stays selected:
    // the line is broken at the next key released without a selection.
    if (doc.TamanhoSelecao() != 0) return false;
    const std::optional<CorteLinha> corte = CortaLinha(doc.Linha(i), maxCol, coluna > maxCol);
    if (!corte) return false;
    const LinCol cursor = PosicaoAposCorte(*corte, coluna - 1);
    GrupoEdicao grupo(doc);
    TrocaLinhas(doc, i, i, {corte->linha, corte->resto});
    doc.DefineSelecao(doc.InicioLinha(i + cursor.linha) + cursor.coluna, 0);
    return true;
}

std::vector<std::string> PartesDaLinha(const std::string& linha, int maxCol, LinCol* cursor) {
    std::vector<std::string> partes;
    std::string atual = linha;
    bool cursorNaAtual = cursor != nullptr;
    int coluna = cursor ? cursor->coluna : 0;
    for (;;) {
        const bool longa = AparaBrancosFinais(atual).size() > static_cast<std::size_t>(std::max(maxCol, 0));
        std::optional<CorteLinha> corte = CortaLinha(atual, maxCol, longa);
        if (!corte) break;
        if (cursorNaAtual) {
            const LinCol p = PosicaoAposCorte(*corte, coluna);
            if (p.linha == 0) {
                *cursor = {static_cast<int>(partes.size()), p.coluna};
                cursorNaAtual = false;
            } else {
                coluna = p.coluna;
            }
        }
        partes.push_back(std::move(corte->linha));
        atual = std::move(corte->resto);
    }
    if (cursorNaAtual) *cursor = {static_cast<int>(partes.size()), coluna};
    partes.push_back(std::move(atual));
    return partes;
}

std::vector<std::string> DivideLinhasGrandes(const std::vector<std::string>& linhas, int maxCol) {
    std::vector<std::string> r;
    r.reserve(linhas.size());
    for (const std::string& l : linhas)
        for (std::string& p : PartesDaLinha(l, maxCol)) r.push_back(std::move(p));
    return r;
}

bool DivideLinhasGrandes(DocumentoEditavel& doc, int maxCol) {
    const int n = doc.NumLinhas();
    LinCol selecao[2];
    doc.LinColInicioSel(selecao[0].linha, selecao[0].coluna);
    doc.LinColFimSel(selecao[1].linha, selecao[1].coluna);
    LinCol depois[2] = {{-1, 0}, {-1, 0}};

    std::vector<std::string> novas;
    std::vector<int> inicioNovas(static_cast<std::size_t>(n) + 1, 0);
    int primeira = -1, ultima = -1;
    for (int i = 0; i < n; ++i) {
        inicioNovas[static_cast<std::size_t>(i)] = static_cast<int>(novas.size());
        const std::string linha = doc.Linha(i);
        LinCol cursor[2];
        for (int k = 0; k < 2; ++k) cursor[k] = {0, selecao[k].coluna};
        std::vector<std::string> partes = PartesDaLinha(linha, maxCol, &cursor[0]);
        if (selecao[1].linha == i) PartesDaLinha(linha, maxCol, &cursor[1]);
        for (int k = 0; k < 2; ++k)
            if (selecao[k].linha == i)
                depois[k] = {static_cast<int>(novas.size()) + cursor[k].linha, cursor[k].coluna};
        if (partes.size() > 1) {
            if (primeira < 0) primeira = i;
            ultima = i;
        }
        for (std::string& p : partes) novas.push_back(std::move(p));
    }
    inicioNovas[static_cast<std::size_t>(n)] = static_cast<int>(novas.size());
    if (primeira < 0) return false;
    // Past the last line (after its line end): the lines added come before.
    for (int k = 0; k < 2; ++k)
        if (depois[k].linha < 0)
            depois[k] = {static_cast<int>(novas.size()) + selecao[k].linha - n, selecao[k].coluna};

    GrupoEdicao grupo(doc);
    TrocaLinhas(doc, primeira, ultima,
                std::vector<std::string>(novas.begin() + inicioNovas[static_cast<std::size_t>(primeira)],
                                         novas.begin() + inicioNovas[static_cast<std::size_t>(ultima) + 1]));
    const int a = doc.InicioLinha(depois[0].linha) + depois[0].coluna;
    const int b = doc.InicioLinha(depois[1].linha) + depois[1].coluna;
    doc.DefineSelecao(a, std::max(b - a, 0));
    return true;
}

// ============================================================================
// Lines in place
// ============================================================================

void TrocaLinhas(DocumentoEditavel& doc, int primeira, int ultima, const std::vector<std::string>& novas) {
    if (primeira < 0 || ultima < primeira || ultima >= doc.NumLinhas()) return;
    int a = primeira, b = ultima;
    auto ni = novas.begin(), nf = novas.end();
    while (a <= b && ni != nf && doc.Linha(a) == *ni) {
        ++a;
        ++ni;
    }
    while (b >= a && nf != ni && doc.Linha(b) == *(nf - 1)) {
        --b;
        --nf;
    }
    if (a > b && ni == nf) return;
    GrupoEdicao grupo(doc);
    if (a > b) {
        doc.InsereLinhas(a, std::vector<std::string>(ni, nf));
    } else if (ni == nf) {
        doc.RemoveLinhas(a, b - a + 1);
    } else {
        if (b > a) doc.RemoveLinhas(a + 1, b - a);
        doc.SubstituiLinha(a, Junta(ni, nf));
    }
}
