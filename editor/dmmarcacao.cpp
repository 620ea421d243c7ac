// dmmarcacao: block pairs, markers, page lines, separators, annotations and
// centring written into the document.
#include "editor/dmmarcacao.h"

#include "core/dmtraduz.h"
#include "core/dmvars.h"
#include "editor/dmedicao.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

#include <algorithm>

namespace {

const std::string kCRLF = "\r\n";
// A centred line is never pushed right by more blanks than this.
constexpr int kMaxBrancosCentragem = 52;
constexpr int kBrancosCentragemLogica = 12;

// A selection that ends with line ends (a whole line taken with its line
// end, as Shift+Down takes it) leaves them out: markers put around them
// would stand at the start of the next line, where a closing marker reads
// as an opening one.
void SelecaoSemQuebrasNoFim(DocumentoEditavel& doc) {
    const std::string t = doc.TextoSelecionado();
    std::size_t fim = t.size();
    while (fim >= 2 && t.compare(fim - 2, 2, kCRLF) == 0) fim -= 2;
    if (fim < t.size()) doc.DefineSelecao(doc.InicioSelecao(), static_cast<int>(fim));
}

std::string Parte(const std::string& s, int de, int ate) {
    de = std::clamp(de, 0, static_cast<int>(s.size()));
    ate = std::clamp(ate, de, static_cast<int>(s.size()));
    return s.substr(static_cast<std::size_t>(de), static_cast<std::size_t>(ate - de));
}

} // namespace

// ============================================================================
// Codes
// ============================================================================

std::string AberturaVarianteTipografica(std::string_view legenda) {
    if (legenda == "&1") return "<M_ >";
    if (legenda == "&2") return "<Mé >"_cp;
    if (legenda == "&3") return "<M|l >";
    return {};
}

std::string MarcadorGrifo(int indiceCombo) { return indiceCombo == 0 ? "*" : "$*"; }

std::string LinhaSeparador(Separador tipo) {
    const std::string margem(15, ' ');
    switch (tipo) {
    case Separador::Grande:
        return margem + "õ"_cp + std::string(22, 'x') + "o";
    case Separador::Media: {
        std::string s = margem;
        for (int i = 0; i < 12; ++i) s += "õo"_cp;
        return s;
    }
    case Separador::Pequena:
        return margem + std::string(24, ':');
    }
    return margem;
}

std::string LinhaAnotacao(const std::string& texto) { return "<*** " + texto + " ***>"; }

// ============================================================================
// Insertions
// ============================================================================

void InsereParBloco(DocumentoEditavel& doc, std::string_view abre, std::string_view fecha) {
    int primeira = 0, ultima = 0;
    doc.LinhasSelecionadas(primeira, ultima);
    GrupoEdicao grupo(doc);
    doc.InsereLinha(primeira, std::string(abre));
    // The last selected line moved down by one; past the end: appended.
    doc.InsereLinha(ultima + 2, std::string(fecha));
}

void EnvolveSelecao(DocumentoEditavel& doc, const std::string& p, const std::string& s) {
    const bool vazia = doc.TamanhoSelecao() == 0;
    SelecaoSemQuebrasNoFim(doc);
    GrupoEdicao grupo(doc);
    doc.SubstituiSelecao(p + doc.TextoSelecionado() + s);
    if (vazia) doc.DefineSelecao(doc.InicioSelecao() - static_cast<int>(QuebrasCRLF(s).size()), 0);
}

void InsereNotaTranscricao(DocumentoEditavel& doc) {
    SelecaoSemQuebrasNoFim(doc);
    int l1 = 0, c1 = 0, l2 = 0, c2 = 0;
    doc.LinColInicioSel(l1, c1);
    doc.LinColFimSel(l2, c2);
    std::string p = "_`[";
    std::string s = "_`]";
    const std::string antes = Parte(doc.Linha(l1), 0, c1);
    const std::string linhaFim = doc.Linha(l2);
    const std::string depois = Parte(linhaFim, c2, static_cast<int>(linhaFim.size()));
    if (!AparaTexto(antes).empty()) p = kCRLF + p;
    if (!AparaTexto(depois).empty()) s += kCRLF;
    EnvolveSelecao(doc, p, s);
}

void InsereQuebraPagina(DocumentoEditavel& doc) {
    int l1 = 0, c1 = 0;
    doc.LinColInicioSel(l1, c1);
    doc.InsereLinha(c1 == 0 ? l1 : l1 + 1, "<p>");
}

bool InserePagTinta(DocumentoEditavel& doc, bool transpaginacao) {
    std::string resposta;
    if (!dialogos().EditaLinha("Página em tinta"_cp,
                               transpaginacao ? "Número da página (COM sinal de transpaginação):"_cp
                                              : "Número da página:"_cp,
                               resposta))
        return false;
    const std::string_view numero = AparaTexto(resposta);
    if (numero.empty()) return false;
    GrupoEdicao grupo(doc);
    doc.DefineSelecao(doc.InicioSelecao(), 0);
    doc.SubstituiSelecao((transpaginacao ? " ~:" : "") + kCRLF + "<" + std::string(numero) + ">" + kCRLF);
    return true;
}

void InsereSeparador(DocumentoEditavel& doc, Separador tipo) {
    int l1 = 0, c1 = 0;
    doc.LinColInicioSel(l1, c1);
    doc.InsereLinha(l1, LinhaSeparador(tipo));
}

void InsereLinhaAnotacao(DocumentoEditavel& doc, int k, const std::string& texto) {
    doc.InsereLinha(k, LinhaAnotacao(texto));
}

bool PedeAnotacao(std::string& texto) {
    texto.clear();
    return dialogos().EditaLinha("Anotar", "Incluir comentário"_cp, texto) && !texto.empty();
}

// ============================================================================
// Centring
// ============================================================================

std::string CentraLogica(std::string_view linha) {
    const std::string_view t = AparaTexto(linha);
    if (t.empty()) return {};
    return std::string(kBrancosCentragemLogica, ' ') + std::string(t);
}

std::string CentraFisica(std::string_view linha, int maxCarac,
                         const std::function<int(const std::string&)>& celas) {
    if (linha.empty()) return {};
    const int n = celas(std::string(AparaTexto(linha)));
    if (n > maxCarac) return std::string(linha);
    const int brancos = std::clamp((maxCarac - n) / 2, 0, kMaxBrancosCentragem);
    return std::string(static_cast<std::size_t>(brancos), ' ') + std::string(linha);
}

int CelasDoTexto(const std::string& texto) { return static_cast<int>(TraduzTexto(texto).size()); }

void CentraLinhas(DocumentoEditavel& doc, bool logica) {
    int primeira = 0, ultima = 0;
    doc.LinhasSelecionadas(primeira, ultima);
    const int n = doc.NumLinhas();
    if (primeira >= n) return;   // no line (the caret after the last line end)
    ultima = std::min(ultima, n - 1);
    std::vector<std::string> novas;
    novas.reserve(static_cast<std::size_t>(ultima - primeira + 1));
    for (int i = primeira; i <= ultima; ++i)
        novas.push_back(logica ? CentraLogica(doc.Linha(i)) : CentraFisica(doc.Linha(i), MaxCarac, CelasDoTexto));
    GrupoEdicao grupo(doc);
    TrocaLinhas(doc, primeira, ultima, novas);
    doc.DefineSelecao(doc.InicioLinha(ultima + 1), 0);
}

bool ConfirmaCentragemFisica() {
    return dialogos().Caixa("   Confirma centragem FÍSICA?\r\n\r\n   Só confirme se NÃO for autoformatar!   "_cp,
                            "Dotmara", Icone::Aviso, Botoes::YesNo) == mrYes;
}
