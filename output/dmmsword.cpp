// dmmsword: the Word export and the back-translation of braille ASCII.
#include "output/dmmsword.h"

#include <array>

#include "core/dmtraduz.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "core/dmtraduz_rascunho.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/servicos.h"

const SequenciaTinta SequenciasTinta[kQuantSequencias] = {
    {"--", "\x97"}, // em dash
    {"_0", "%"},
    {"<'", "("},
    {",>", ")"},
    {"_(", "["},
    {"('", "["},
    {"_)", "]"},
    {",)", "]"},
    {",1", "/"},
    {"[o", "\x95"}, // bullet
    {"\"'", "\\"},
    {"\"1", ""},    // "<" or ">", alternately
};

const char* const IniciaisSequencias = "-_<,(\"[";

namespace {

constexpr int kSequenciaParentese = 2;   // "<'"
constexpr int kSequenciaColchete = 5;    // "('"
constexpr int kSequenciaAngulo = 11;

// The ink of the draft characters that do not depend on their neighbours;
// every character not listed is kept.
constexpr std::array<unsigned char, 256> kTinta = [] {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) t[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
    const unsigned char pares[][2] = {
        {'!', 0xe8}, {'"', '~'},  {'$', 0xe0}, {'%', 0xee}, {'&', 0xe7}, {'\'', '.'},
        {'*', 0xe2}, {'+', 0xf3}, {',', '`'},  {'.', '{'},  {'/', 0xed}, {'1', ','},
        {'2', ';'},  {'3', ':'},  {'5', '?'},  {'6', '!'},  {'7', '='},  {'8', '"'},  {'9', '*'},
        {':', '@'},  {';', '$'},  {'=', 0xe9}, {'?', 0xf4}, {'O', '>'},  {'[', 0xf5},
        {'`', '^'},  {'}', 0xf1},
    };
    for (const auto& p : pares) t[p[0]] = p[1];
    return t;
}();

bool EhIniciais(unsigned char c) {
    for (const char* p = IniciaisSequencias; *p; ++p)
        if (static_cast<unsigned char>(*p) == c) return true;
    return false;
}

bool EhLetra(unsigned char c) { return EhMinuscula(c) || EhMaiuscula(c); }
bool EhLetraOuHifen(unsigned char c) { return EhLetra(c) || c == '-'; }

// The value of an upper-cell digit inside a number ("a".."j", the decimal
// point, the thousands comma, the plus sign); 0 for any other character.
char AlgarismoSuperior(unsigned char c) {
    if (c >= 'a' && c <= 'i') return static_cast<char>('1' + (c - 'a'));
    switch (c) {
    case 'j': return '0';
    case '\'': return '.';
    case '1': return ',';
    case '6': return '+';
    default: return 0;
    }
}

} // namespace

bool ExportacaoWord::AtivaWord(bool tinta) {
    if (tinta) {
        doc_.FontName("Verdana");
        doc_.FontSize(18);
        doc_.FontBold(false);
        doc_.LineSpacingRule(0);
        doc_.SpaceBefore(0);
        doc_.SpaceAfter(4);
    } else {
        doc_.FontName("BrailleTalvo");
        doc_.FontSize(14);
        doc_.FontBold(true);
        doc_.SpaceBefore(6);
    }
    EstiloNegrito = 0;
    EstiloItalico = 0;
    return true;
}

unsigned char ExportacaoWord::CaractereTinta(const std::string& linha, int pos) {
    if (pos < 1 || static_cast<std::size_t>(pos) > linha.size()) return 0;
    const auto c = static_cast<unsigned char>(linha[static_cast<std::size_t>(pos - 1)]);
    const bool seguinteNumero = static_cast<std::size_t>(pos) < linha.size() &&
                                linha[static_cast<std::size_t>(pos)] == '#';
    auto tomaContexto = [this] {
        const bool havia = ContextoNumero != 0;
        ContextoNumero = 0;
        return havia;
    };
    switch (c) {
    case '(': return seguinteNumero ? '[' : 0xe1;
    case '<': return seguinteNumero ? '(' : 0xea;
    case ')': return tomaContexto() ? ']' : 0xfa;
    case '0': return tomaContexto() ? 0xb0 : '}';
    case '>': return tomaContexto() ? ')' : 0xe3;
    default: return kTinta[c];
    }
}

unsigned char ExportacaoWord::OlhaTinta(const std::string& linha, int pos) {
    const unsigned char contexto = ContextoNumero;
    const unsigned char t = CaractereTinta(linha, pos);
    ContextoNumero = contexto;
    return t;
}

bool ExportacaoWord::FimDePalavra(const std::string& tinta, const std::string& s, std::size_t depois) {
    if (tinta.empty() || !EhLetra(static_cast<unsigned char>(tinta.back()))) return false;
    if (depois >= s.size() || s[depois] == ' ') return true;
    // A word goes on with a letter, a number or a capital.
    return !(s[depois] == '#' || s[depois] == '.' || EhLetra(OlhaTinta(s, static_cast<int>(depois + 1))));
}

std::string ExportacaoWord::TintaDaLinha(const std::string& s) {
    std::string tinta;
    if (s.empty() || LinhaReservada(s)) return tinta;
    ContextoNumero = 0;
    const std::size_t n = s.size();
    auto tintaEm = [&](std::size_t i) { return CaractereTinta(s, static_cast<int>(i + 1)); };
    std::size_t i = 0;
    while (i < n) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == '#') {
            ++i;
            if (i >= n) {
                tinta += '#';
            } else if (s[i] >= '0' && s[i] <= '9') {
                // Lower-cell digits: an ordinal.
                while (i < n && s[i] >= '0' && s[i] <= '9') tinta += s[i++];
                if (i < n && (s[i] == 'a' || s[i] == 'o')) {
                    tinta += static_cast<char>(s[i] == 'a' ? 0xaa : 0xba);
                    ++i;
                }
            } else if (s[i] >= 'a' && s[i] <= 'j') {
                while (i < n && AlgarismoSuperior(static_cast<unsigned char>(s[i])) != 0)
                    tinta += AlgarismoSuperior(static_cast<unsigned char>(s[i++]));
                if (i < n && (s[i] == '(' || s[i] == '0' || s[i] == '>' || s[i] == '[')) ContextoNumero = 1;
                // Dot 5 between a number and a letter "a".."j" only keeps the
                // letter from being read as a digit ("5cm"); it has no ink.
                if (i + 1 < n && s[i] == '"' && s[i + 1] >= 'a' && s[i + 1] <= 'j') ++i;
            } else {
                tinta += '#';
            }
        } else if (c == '.') {
            ++i;
            if (i >= n) {
                tinta += '.';
            } else if (s[i] == '.') {
                // A word in capitals.
                ++i;
                while (i < n) {
                    const unsigned char t = OlhaTinta(s, static_cast<int>(i + 1));
                    if (!EhLetraOuHifen(t)) break;
                    tinta += static_cast<char>(MaiusculaLatin(t));
                    ++i;
                }
                // Dot 5 between the capitals and small letters of one word
                // ("ONGs") only ends the capitals; it has no ink.
                if (i + 1 < n && s[i] == '"' && EhMinuscula(OlhaTinta(s, static_cast<int>(i + 2)))) ++i;
            } else {
                const unsigned char t = OlhaTinta(s, static_cast<int>(i + 1));
                if (EhLetraOuHifen(t)) {
                    tinta += static_cast<char>(MaiusculaLatin(t));
                    ++i;
                } else {
                    tinta += '.';
                }
            }
        } else if (EhIniciais(c)) {
            int achada = -1;
            if (i + 1 < n)
                for (int k = 0; k < kQuantSequencias && achada < 0; ++k)
                    if (s[i] == SequenciasTinta[k].rascunho[0] && s[i + 1] == SequenciasTinta[k].rascunho[1])
                        achada = k;
            // "<'" and "('" are also a word's last letter "ê" or "á" and its
            // full stop ("você.", "está."): so they are read after a letter
            // when no word follows them.
            if ((achada == kSequenciaParentese || achada == kSequenciaColchete) &&
                FimDePalavra(tinta, s, i + 2))
                achada = -1;
            if (achada == kSequenciaAngulo) {
                tinta += SinalAnguloAberto == 0 ? '<' : '>';
                SinalAnguloAberto = SinalAnguloAberto == 0 ? 1 : 0;
                i += 2;
            } else if (achada >= 0) {
                tinta += SequenciasTinta[achada].tinta;
                i += 2;
            } else {
                if (!(c == '"' && SinalAnguloAberto == 1)) tinta += static_cast<char>(tintaEm(i));
                ++i;
            }
        } else {
            tinta += static_cast<char>(tintaEm(i));
            ++i;
        }
    }
    return tinta;
}

void ExportacaoWord::TintaDeBraille(const std::string& linha) {
    DigitaComEstilos(TintaDaLinha(linha));
    doc_.TypeParagraph();
}

void ExportacaoWord::AlternaNegrito() {
    EstiloNegrito = EstiloNegrito ? 0 : 1;
    if (EstiloNegrito) {
        doc_.FontBold(true);
        doc_.FontItalic(false);
    } else {
        doc_.FontItalic(EstiloItalico != 0);
        doc_.FontBold(false);
    }
}

void ExportacaoWord::AlternaItalico() {
    EstiloItalico = EstiloItalico ? 0 : 1;
    if (EstiloItalico) {
        doc_.FontItalic(true);
        doc_.FontBold(false);
    } else {
        doc_.FontBold(EstiloNegrito != 0);
        doc_.FontItalic(false);
    }
}

void ExportacaoWord::DigitaComEstilos(std::string texto) {
    for (;;) {
        const std::size_t p = texto.find('*');
        if (p == std::string::npos) break;
        if (p > 0 && texto[p - 1] == '$') {
            if (p > 1) doc_.TypeText(texto.substr(0, p - 1));
            AlternaItalico();
        } else {
            if (p > 0) doc_.TypeText(texto.substr(0, p));
            AlternaNegrito();
        }
        texto.erase(0, p + 1);
    }
    if (!texto.empty()) doc_.TypeText(texto);
}

DocumentoRtf DocumentoDoRascunho(const std::vector<std::string>& linhas, bool tinta) {
    DocumentoRtf doc;
    ExportacaoWord e(doc);
    e.AtivaWord(tinta);
    if (tinta) e.SinalAnguloAberto = 0;
    for (const std::string& linha : linhas) {
        if (LinhaQuebraPagina(linha)) {
            doc.TypeText("\f");
        } else if (LinhaGrafico(linha)) {
            // The mark where a tactile graphic is drawn takes no row of the
            // page, and the document cannot draw the graphic: its room is the
            // reserved lines that follow. Typed, it would be a line of
            // marker cells and a file name that no embossed page has.
            continue;
        } else if (tinta) {
            e.TintaDeBraille(linha);
        } else if (LinhaReservada(linha)) {
            // Room kept for a graphic or to fill the page: a blank row, as
            // on the embossed page, not the cell of the reserve mark.
            doc.TypeParagraph();
        } else {
            doc.TypeText(linha);
            doc.TypeParagraph();
        }
    }
    return doc;
}

namespace {

// "livro.txt" -> "livro-braille-": the document's own name tells the
// exports apart in the word processor.
std::string PrefixoDocumento(bool tinta) {
    std::string base = ExtraiNomeArquivo(ArqAtual);
    base = base.substr(0, base.size() - ExtraiExtensao(base).size());
    if (base.empty()) base = "documento";
    // Cut so that a long document name still leaves a valid file name
    // (every byte may take three in the system's encoding).
    constexpr std::size_t kMaxBase = 64;
    if (base.size() > kMaxBase) base.resize(kMaxBase);
    return base + (tinta ? "-tinta-" : "-braille-");
}

} // namespace

std::string GeraDocWord(bool tinta) {
    dialogos().MostraEspere("Gerando documento. Aguarde...");
    std::vector<std::string> linhas;
    if (!LeRascunho(ArqRascunho, linhas)) {
        dialogos().EscondeEspere();
        MensagemOK("Erro de leitura no arquivo de rascunho!");
        return std::string();
    }
    const std::string rtf = DocumentoDoRascunho(linhas, tinta).Rtf();
    const std::string arquivo = ArquivoTemporario(PrefixoDocumento(tinta), ".rtf");
    if (arquivo.empty() || !GravaArquivoAtomico(arquivo, rtf)) {
        dialogos().EscondeEspere();
        if (arquivo.empty())
            dialogos().Caixa(MensagemSemPastaTemporaria(), "Erro", Icone::Erro, Botoes::OK);
        else
            dialogos().Caixa("Erro ao gravar o documento "_cp + arquivo + "!", "Dotmara", Icone::Erro,
                             Botoes::OK);
        return std::string();
    }
    dialogos().EscondeEspere();
    // One box: where the document is, and whether a program has it open.
    if (servicos().AbreComProgramaDoSistema(arquivo))
        dialogos().Caixa("Documento gerado!\r\n"_cp + arquivo, "Dotmara", Icone::Informacao, Botoes::OK);
    else
        dialogos().Caixa("Documento gerado!\r\n"_cp + arquivo + kNenhumProgramaAbriu, "Dotmara", Icone::Aviso,
                         Botoes::OK);
    return arquivo;
}

void ExportaWord(bool tinta) {
    if (!CarregaTabelaImpressora()) return;
    if (!CompilaRascunho(PedidoCompilacao::Impressao(1, 9999, 1))) return;
    GeraDocWord(tinta);
}
