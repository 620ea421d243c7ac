// The table builder: measuring the columns, the frame lines, rules and rows,
// and the insertion of the finished table.
#include "editor/dmtabela.h"

#include "core/dmtraduz.h"
#include "core/dmtraduz_comandos.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "core/documento.h"
#include "editor/dmedicao.h"
#include "editor/dmmarcacao.h"
#include "platform/texto.h"

#include <algorithm>
#include <numeric>

namespace {

// The cells the table is drawn with.
constexpr std::string_view kBranco = "000000";
constexpr std::string_view kTraco = "010010";            // 2-5: simple frame line, rules
constexpr std::string_view kJuncaoSimplesSup = "011010"; // 2-3-5
constexpr std::string_view kJuncaoSimplesInf = "110010"; // 1-2-5
constexpr std::string_view kTracoDuploSup = "011011";    // 2-3-5-6
constexpr std::string_view kTracoDuploInf = "110110";    // 1-2-4-5
constexpr std::string_view kVertical = "111000";         // 1-2-3: separator in rows
constexpr std::string_view kJuncaoRegra = "111010";      // 1-2-3-5: rule at a junction

std::string Celas(std::string_view padrao, int n) {
    return std::string(static_cast<size_t>(std::max(n, 0)), static_cast<char>(CelaDePontos(padrao)));
}

std::string Cela(std::string_view padrao) { return Celas(padrao, 1); }

bool ComVerticais(const OpcoesTabela& o) {
    return o.EstiloSeparadores == LinhasVerticais || o.EstiloSeparadores == LinhasVerticaisEHorizontais;
}

bool ComHorizontais(const OpcoesTabela& o) {
    return o.EstiloSeparadores == LinhasHorizontais || o.EstiloSeparadores == LinhasVerticaisEHorizontais;
}

// Cells between two columns: three with vertical separators, else two.
int LarguraJuncao(const OpcoesTabela& o) { return ComVerticais(o) ? 3 : 2; }

// A line across the table: each column's width in `traco`, and `juncao`
// between two columns.
std::string LinhaAtravessada(const EstadoTabela& t, std::string_view traco, const std::string& juncao) {
    std::string s;
    for (int i = 0; i < t.NumColunas; ++i) {
        if (i > 0) s += juncao;
        s += Celas(traco, t.LargurasColunas[static_cast<size_t>(i)]);
    }
    return s;
}

// A frame line: simple frames get their junction cell where the vertical
// separators meet it; double frames run straight.
void Moldura(EstadoTabela& t, const OpcoesTabela& o, bool superior) {
    if (o.EstiloMoldura != MolduraSimples && o.EstiloMoldura != MolduraDupla) return;
    const bool dupla = o.EstiloMoldura == MolduraDupla;
    const std::string_view h = dupla ? (superior ? kTracoDuploSup : kTracoDuploInf) : kTraco;
    std::string juncao;
    if (!ComVerticais(o))
        juncao = Celas(h, 2);
    else if (dupla)
        juncao = Celas(h, 3);
    else
        juncao = Cela(kTraco) + Cela(superior ? kJuncaoSimplesSup : kJuncaoSimplesInf) + Cela(kTraco);
    t.LinhasTabela.push_back(LinhaAtravessada(t, h, juncao));
}

// Length of a compiled line, trimmed or not.
int Largura(const std::string& braille, bool apara) {
    return static_cast<int>(apara ? AparaBrancos(braille).size() : braille.size());
}

// An editor line with its tabs laid out as the compile does (two blanks
// each): so it is measured, and so its text goes into a row.
std::string SemTabs(std::string linha) {
    ExpandeTabs(linha);
    return linha;
}

} // namespace

unsigned char CelaDePontos(std::string_view padrao) {
    int mascara = 0;
    for (size_t i = 0; i < padrao.size() && i < 6; ++i)
        if (padrao[i] == '1') mascara |= 1 << i;
    return CelasAtuais()[static_cast<size_t>(mascara)];
}

int LeNumeroColunas(std::string_view texto) {
    int n = 0;
    return LeInteiroExato(AparaTexto(texto), n) ? n : 0;
}

void MedeColunas(EstadoTabela& t, const DocumentoEditavel& doc, int n) {
    t.NumColunas = std::clamp(n, 0, MaxColunasTabela);
    if (t.NumColunas == 0) return;
    t.LargurasColunas.fill(1);
    doc.LinColInicioSel(t.LinhaInicial, t.ColunaInicial);
    doc.LinColFimSel(t.LinhaFinal, t.ColunaFinal);
    doc.LinhasSelecionadas(t.Primeira, t.Ultima);
    t.Ultima = std::min(t.Ultima, doc.NumLinhas() - 1);
    for (int linha = t.Primeira, coluna = 0; linha <= t.Ultima; ++linha, coluna = (coluna + 1) % t.NumColunas) {
        int& largura = t.LargurasColunas[static_cast<size_t>(coluna)];
        largura = std::max(largura, Largura(CompilaTextoLinha(SemTabs(doc.Linha(linha)), linha), AutoJunta));
    }
}

void MolduraSuperior(EstadoTabela& t, const OpcoesTabela& o) { Moldura(t, o, true); }

void MolduraInferior(EstadoTabela& t, const OpcoesTabela& o) { Moldura(t, o, false); }

void SeparadorLinhas(EstadoTabela& t, const OpcoesTabela& o) {
    const std::string juncao = o.EstiloSeparadores == LinhasVerticaisEHorizontais
                                   ? Cela(kTraco) + Cela(kJuncaoRegra) + Cela(kTraco)
                                   : Celas(kTraco, 2);
    t.LinhasTabela.push_back(LinhaAtravessada(t, kTraco, juncao));
}

void MontaLinhaTabela(EstadoTabela& t, const LinhasDocumento& doc, int primeira, const OpcoesTabela& o) {
    const std::string juncao =
        ComVerticais(o) ? Cela(kBranco) + Cela(kVertical) + Cela(kBranco) : Celas(kBranco, 2);
    std::string s;
    for (int i = 0; i < t.NumColunas; ++i) {
        if (i > 0) s += juncao;
        const int largura = t.LargurasColunas[static_cast<size_t>(i)];
        const int linha = primeira + i;
        int braille = 0;
        if (linha <= t.Ultima) {
            const std::string texto(AparaTexto(SemTabs(doc.Linha(linha))));
            s += texto;
            braille = Largura(CompilaTextoLinha(texto, linha), true);
        }
        s += Celas(kBranco, largura - braille);
    }
    t.LinhasTabela.push_back(std::move(s));
}

int LarguraTabela(const EstadoTabela& t, const OpcoesTabela& o) {
    if (t.NumColunas <= 0) return 0;
    const int colunas = std::accumulate(t.LargurasColunas.begin(), t.LargurasColunas.begin() + t.NumColunas, 0);
    return colunas + (t.NumColunas - 1) * LarguraJuncao(o);
}

namespace {

// Whether paragraph joining is on where line `linha` stands in the compile:
// the last F command above it that sets it, else the setting.
bool JuncaoLigadaEm(const LinhasDocumento& doc, int linha) {
    for (int i = linha - 1; i >= 0; --i) {
        std::string l = doc.Linha(i);
        if (!EhLinhaComando(l) || (l[1] != 'F' && l[1] != 'f')) continue;
        ExpandeTabs(l);
        TiraBrancosFinais(l);
        if (l.size() < 4 || l[3] != '>') continue;
        if (l[2] == '-' || l[2] == '*') return false;
        if (l[2] == '+') return true;
    }
    return AutoJunta;
}

} // namespace

ResultadoGeraTabela GeraTabela(DocumentoEditavel& doc, std::string_view numeroColunas, const OpcoesTabela& o) {
    const int n = LeNumeroColunas(numeroColunas);
    if (n == 0) return ResultadoGeraTabela::Nada;
    if (n < 1 || n > MaxColunasTabela) {
        MensagemOK("O número de colunas deve ser de 1 a "_cp + std::to_string(MaxColunasTabela) + ".");
        return ResultadoGeraTabela::ForaDaFaixa;
    }
    EstadoTabela t;
    MedeColunas(t, doc, n);
    if (t.Ultima < t.Primeira) return ResultadoGeraTabela::SemLinhas;
    MolduraSuperior(t, o);
    for (int inicio = t.Primeira; inicio <= t.Ultima;) {
        MontaLinhaTabela(t, doc, inicio, o);
        inicio += t.NumColunas;
        if (ComHorizontais(o) && inicio <= t.Ultima) SeparadorLinhas(t, o);
    }
    MolduraInferior(t, o);

    // With paragraph joining on, the table goes between "<F->" and "<F+>",
    // so that each of its lines is laid out as it stands: a row whose first
    // cell is empty begins with blanks, which joining would cut to two (or
    // take for a centred line). Without joining, every line gets one blank
    // in front, which then is a blank cell of its own. A line that would
    // begin with "<" (a first cell such as "<5%") is a command line to the
    // compile and its row would vanish from the braille: then every line
    // keeps its blank, so the columns still line up. Where the text above
    // has turned joining off, the table stands as it is, and no "<F+>" of
    // its own turns joining on for the text below.
    const bool entreComandos = JuncaoLigadaEm(doc, t.Primeira);
    const bool recuo = !entreComandos || std::any_of(t.LinhasTabela.begin(), t.LinhasTabela.end(),
                                                     [](const std::string& l) { return l.starts_with('<'); });
    const int largura = LarguraTabela(t, o) + (recuo ? 1 : 0);
    if (largura > MaxCarac) {
        MensagemOK("A tabela teria "_cp + std::to_string(largura) +
                   " celas de largura e não cabe na linha braille de "_cp + std::to_string(MaxCarac) +
                   " celas. Diminua o número de colunas ou o texto das células."_cp);
        return ResultadoGeraTabela::LargaDemais;
    }

    std::vector<std::string> inseridas;
    inseridas.reserve(t.LinhasTabela.size() + 4);
    inseridas.emplace_back();
    if (entreComandos) inseridas.emplace_back(kNaoFormatar.abre);
    for (const std::string& l : t.LinhasTabela) inseridas.push_back(recuo ? " " + l : l);
    if (entreComandos) inseridas.emplace_back(kNaoFormatar.fecha);
    inseridas.emplace_back();
    GrupoEdicao grupo(doc);
    doc.DefineSelecao(doc.InicioSelecao(), 0);
    doc.InsereLinhas(t.Primeira, inseridas);
    return ResultadoGeraTabela::Inserida;
}
