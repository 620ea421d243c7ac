// dmvars: the program-wide settings and job state with their defaults, the
// fixed braille tables, Roman numerals, the message and folder routines and
// the draft-line tests.
#include "core/dmvars.h"

#include "core/dmutil.h"

#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

#include <fstream>
#include <ostream>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

// ---- Paths and identity -------------------------------------------------
std::string ArqExecutavel;
std::string DirPrograma;
std::string DirDocumento;
std::string ArqAtual;
std::string ProgAtualiza;
std::string ArqInfoAtualiza;
std::string VersaoPrograma;
CorRGB CorModoRevisor;

// ---- Program settings ----------------------------------------------------
// Every setting and job variable gets its value in RestauraPadroes, the one
// place where the defaults are written.
bool BrailleAntigo;
int EstiloNumPag;
int MaxCarac;
int MaxLin;
int TipoCabec;
bool AutoJunta;
bool FrenteVerso;
bool SoFrenteInterp;
bool InicModoRevisor;
bool AfastaCabPar;
bool TiraBrancasInicioPag;
bool SeparaSilabas;
std::string Titulo;
bool ComTitulo;
bool NumeraOrig;
int MargemImpar, MargemPar;
bool CfgTextoIngles;
bool CfgCabecIngles;
int TipoTratGrafico;

// ---- Files and programs --------------------------------------------------
std::string ArqRascunho;
std::string ArqAmbCode;
std::string ArqAmbCode2;
std::string ArqGrafBraille;
std::string ProgKelto, ProgGrafemor, ProgVelun, ProgPuma;
std::string ArqDicionario, ArqSufixos, ArqInexistentes, ArqNomes, ArqSugestoes;
bool DicionarioCarregado;
bool QuebraLin;
int MaxCol;

// ---- Embosser settings ---------------------------------------------------
std::string ImprMarca;
bool ImprInterponto;
int ImprPolegsForm;
int ImprLinhas;
int ImprColunas;
std::string ImprNomeArq;
bool ImprForcaExtBRL;
bool ImprEnviaVazias;
std::string DispImpressora, DriverImpressora, PortaImpressora;

// ---- State of one compile or print job -----------------------------------
int NumPagInic;
int PagInicial, PagFinal;
std::atomic<int> NumCopias{1}, CopiaAtual{0}, PaginaAtual{0};
std::atomic<bool> CancelaImpressao{false};
bool ModoVisualizacao;
std::string PrefixoMargem;
bool LinhaCentrada;
int NumPagTinta;
std::array<unsigned char, 256> TabelaImpressora;
std::vector<std::string> FilaGraficosArq, FilaGraficosCol;

// The translators' state (dmunif::AspasAbertas, dmunif::ParentesesAbertos,
// dmantigo::AspasAbertas) is defined in their own units.

// ---- Fixed tables --------------------------------------------------------
namespace {

// Cells by six-dot mask. Old code first, unified code second; they differ
// only at masks 24, 32, 38, 40, 41, 48, 49, 50 and 54.
constexpr std::array<std::array<unsigned char, 64>, 2> kTabelaCelas = {{
    {{
        ' ',  'a',  ',',  'b',  '\'', 'k',  ';',  'l',   // 0-7
        '^',  'c',  'i',  'f',  0xED, 'm',  's',  'p',   // 8-15   (0xED i acute)
        '~',  'e',  ':',  'h',  '*',  'o',  '!',  'r',   // 16-23
        '@',  'd',  'j',  'g',  0xE3, 'n',  't',  'q',   // 24-31  (0xE3 a tilde)
        '`',  0xE2, '?',  0xEA, '-',  'u',  '{',  'v',   // 32-39  (a circ, e circ)
        ']',  0xEC, 0xF5, 0xE0, 0xF3, 'x',  0xE8, 0xE7,  // 40-47  (i grave, o tilde, a grave, o acute, e grave, c cedilla)
        '\\', 0xF9, '.',  0xFC, '}',  'z',  '(',  0xE1,  // 48-55  (u grave, u diaeresis, a acute)
        '_',  0xF4, 'w',  0xEF, '#',  'y',  0xFA, 0xE9,  // 56-63  (o circ, i diaeresis, u acute, e acute)
    }},
    {{
        ' ',  'a',  ',',  'b',  '\'', 'k',  ';',  'l',   // 0-7
        '^',  'c',  'i',  'f',  0xED, 'm',  's',  'p',   // 8-15
        '~',  'e',  ':',  'h',  '*',  'o',  '!',  'r',   // 16-23
        0xAC, 'd',  'j',  'g',  0xE3, 'n',  't',  'q',   // 24-31  (0xAC not sign)
        0xFD, 0xE2, '?',  0xEA, '-',  'u',  '"',  'v',   // 32-39  (0xFD y acute)
        '{',  0xEE, 0xF5, 0xE0, 0xF3, 'x',  0xE8, 0xE7,  // 40-47  (0xEE i circ)
        '$',  0xFB, 0xFF, 0xFC, '}',  'z',  '=',  0xE1,  // 48-55  (u circ, y diaeresis)
        '_',  0xF4, 'w',  0xEF, '#',  'y',  0xFA, 0xE9,  // 56-63
    }},
}};

// Six-dot cells of North American Braille ASCII, characters 32 to 95
// (space ... underscore), as the published table gives them in dot numbers.
constexpr int kNorteAmericano[64] = {
    0,      2346, 5,      3456,  1246,   146,   12346, 3,      // space ! " # $ % & '
    12356,  23456, 16,    346,   6,      36,    46,    34,     // ( ) * + , - . /
    356,    2,    23,     25,    256,    26,    235,   2356,   // 0 1 2 3 4 5 6 7
    236,    35,   156,    56,    126,    123456, 345,  1456,   // 8 9 : ; < = > ?
    4,      1,    12,     14,    145,    15,    124,   1245,   // @ A B C D E F G
    125,    24,   245,    13,    123,    134,   1345,  135,    // H I J K L M N O
    1234,   12345, 1235,  234,   2345,   136,   1236,  2456,   // P Q R S T U V W
    1346,   13456, 1356,  246,   1256,   12456, 45,    456,    // X Y Z [ \ ] ^ _
};

// Dot numbers written as decimal digits ("1234" = dots 1, 2, 3, 4) to a mask.
constexpr unsigned char Pontos(int digitos) {
    unsigned char m = 0;
    while (digitos > 0) {
        int d = digitos % 10;
        if (d >= 1 && d <= 8)
            m = static_cast<unsigned char>(m | (1u << (d - 1)));
        digitos /= 10;
    }
    return m;
}

constexpr unsigned char kPonto7 = 0x40;
constexpr unsigned char kPonto8 = 0x80;

constexpr unsigned char NA(int c) { return Pontos(kNorteAmericano[c - 32]); }

// Codes 160 to 223, listed.
constexpr int kAltos[64] = {
    78,      23467,   12467,    34567,   1467,    123467,  1567,    357,      // 160-167
    57,      23567,   8,        1267,    2567,    367,     2367,    267,      // 168-175
    3567,    3467,    237,      257,     37,      567,     2357,    467,      // 176-183
    67,      27,      7,        3457,    123567,  1234567, 234567, 14567,    // 184-191
    23578,   1678,    278,      578,     1234678, 34578,   378,     34678,    // 192-199
    235678,  12678,   2378,     12345678, 23678,  14678,   2578,    1235678,  // 200-207
    678,     4678,    3578,     145678,  25678,   5678,    234678,  167,      // 208-215
    3478,    35678,   15678,    2678,    2345678, 124678,  3678,    345678,   // 216-223
};

constexpr std::array<unsigned char, 256> MontaPontos() {
    std::array<unsigned char, 256> p{};
    for (int c = 32; c <= 63; ++c)
        p[c] = NA(c);
    for (int c = 64; c <= 95; ++c)
        p[c] = (c == 91 || c == 92 || c == 95) ? NA(c) : static_cast<unsigned char>(NA(c) | kPonto7);
    for (int c = 96; c <= 126; ++c)
        p[c] = NA(c - 32); // a lower-case letter has the cell of its capital
    p[127] = Pontos(4567);
    for (int c = 0; c <= 31; ++c)
        p[c] = static_cast<unsigned char>(NA(c + 64) | kPonto7 | kPonto8);
    for (int c = 128; c <= 159; ++c)
        p[c] = static_cast<unsigned char>(NA(c - 64) | kPonto8);
    for (int c = 160; c <= 223; ++c)
        p[c] = Pontos(kAltos[c - 160]);
    for (int c = 224; c <= 255; ++c)
        p[c] = static_cast<unsigned char>(p[c - 32] & ~kPonto7);
    p[247] = Pontos(347);
    return p;
}

constexpr ConjuntoBytes Letras(unsigned char deA, unsigned char ateZ, unsigned char de, unsigned char ate) {
    ConjuntoBytes s;
    for (unsigned c = deA; c <= ateZ; ++c)
        s.set(c);
    for (unsigned c = de; c <= ate; ++c)
        s.set(c);
    return s;
}

} // namespace

// Built at compile time (constinit), so another unit's initialisation that
// reads them never finds them empty, whatever the order of initialisation.
constinit const std::array<std::array<unsigned char, 64>, 2> TabelaCelas = kTabelaCelas;
constinit const std::array<unsigned char, 256> PontosDoCaractere = MontaPontos();
constinit const ConjuntoBytes Maiusculas = Letras('A', 'Z', 192, 223);
constinit const ConjuntoBytes Minusculas = Letras('a', 'z', 224, 255);
constinit const std::array<int, 8> ValoresRomanos = {1, 5, 10, 50, 100, 500, 1000, 5000};


const std::array<unsigned char, 64>& CelasAtuais() { return TabelaCelas[BrailleAntigo ? 0 : 1]; }

void IntParaRomano(int n, std::string& s) {
    if (n > 3999)
        return;
    s.clear();
    const auto& v = ValoresRomanos;
    while (n > 0) {
        int i = 0;
        while (i < 6 && !(v[i] <= n && n < v[i + 1]))
            ++i;
        int e = i - i % 2; // the power of ten at or below v[i]
        if (n < v[i + 1] - v[e]) {
            s += LetrasRomanas[i];
            n -= v[i];
        } else {
            s += LetrasRomanas[e];
            s += LetrasRomanas[i + 1];
            n -= v[i + 1] - v[e];
        }
    }
}

void RestauraPadroes() {
    BrailleAntigo = false;
    EstiloNumPag = 0;
    MaxCarac = 34;
    MaxLin = 28;
    TipoCabec = 1;
    AutoJunta = true;
    FrenteVerso = true;
    SoFrenteInterp = false;
    InicModoRevisor = false;
    AfastaCabPar = true;
    TiraBrancasInicioPag = true;
    SeparaSilabas = true;
    Titulo.clear();
    ComTitulo = true;
    NumeraOrig = true;
    MargemImpar = 0;
    MargemPar = 0;
    CfgTextoIngles = false;
    CfgCabecIngles = false;
    TipoTratGrafico = 1;

    ArqRascunho.clear();
    ArqAmbCode = "ambcode.cfg";
    ArqAmbCode2 = "ambcode2.cfg";
    ArqGrafBraille = "zizerov.amb";
    ProgKelto = "kelto";
    ProgGrafemor = "grafemor.exe";
    ProgVelun = "velun.bat";
    ProgPuma = "puma2.exe";
    ArqDicionario = "diciona.dic";
    ArqSufixos = "diciona.suf";
    ArqInexistentes = "diciona.exc";
    ArqNomes = "diciona.nom";
    ArqSugestoes = "diciona.sug";
    DicionarioCarregado = false;
    QuebraLin = true;
    MaxCol = 70;

    ImprMarca.clear();
    ImprInterponto = false;
    ImprPolegsForm = 11;
    ImprLinhas = 28;
    ImprColunas = 36;
    ImprNomeArq = "PRN";
    ImprForcaExtBRL = true;
    ImprEnviaVazias = false;
    DispImpressora.clear();
    DriverImpressora.clear();
    PortaImpressora.clear();

    NumPagInic = 1;
    PagInicial = 1;
    PagFinal = 9999;
    NumCopias = 1;
    CopiaAtual = 0;
    PaginaAtual = 0;
    CancelaImpressao = false;
    ModoVisualizacao = false;
    PrefixoMargem.clear();
    LinhaCentrada = false;
    NumPagTinta = 0;
    for (int i = 0; i < 256; ++i)
        TabelaImpressora[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
    FilaGraficosArq.clear();
    FilaGraficosCol.clear();
    dmunif::AspasAbertas = 1;
    dmunif::ParentesesAbertos = 0;
    dmantigo::AspasAbertas = 1;
}

void InicializaDmvars(const std::string& caminhoExecutavel) {
    CorModoRevisor = {255, 160, 160};
    ArqExecutavel = caminhoExecutavel;
    DirPrograma = ExtraiDiretorio(caminhoExecutavel);
    if (DirPrograma.empty())
        DirPrograma = DiretorioAtual();
    if (DirPrograma.empty() || DirPrograma.back() != '/')
        DirPrograma += '/';
    DirDocumento = DirPrograma;
    ProgAtualiza = DirPrograma + "dtmAtualiza.exe";
    ArqInfoAtualiza = MudaExtensao(ArqExecutavel, ".atu");

    // 2025120901 -> 2025.12.09.01: a "." before the 5th, 8th and 11th
    // character of the growing text.
    std::string v = std::to_string(NumVersao);
    for (size_t pos : {4u, 7u, 10u})
        if (pos < v.size())
            v.insert(pos, 1, '.');
    VersaoPrograma = v;
}

namespace {
// The unit initialisation: defaults first, then the program's own paths.
const bool kIniciado = [] {
    RestauraPadroes();
    InicializaDmvars(CaminhoPrograma());
    return true;
}();
} // namespace

// ---- Messages, input line, working folder --------------------------------

int MensagemOK(const std::string& msg) { return dialogos().MensagemOK(msg); }

void ErroContacte(const std::string& detalhe) {
    MensagemOK(detalhe + "\r\nContacte os desenvolvedores.");
}

bool EditaLinha(const std::string& titulo, const std::string& prompt, std::string& s) {
    std::string editado = s;
    if (!dialogos().EditaLinha(titulo, prompt, editado))
        return false;
    s = editado;
    return true;
}

namespace {
void AvisaDiretorio(const std::string& dir) {
    dialogos().Caixa("Atenção: diretório "_cp + dir + " inacessível!"_cp, "Dotmara",
                     Icone::Aviso, Botoes::OK);
}

bool MesmoDiretorio(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    if (::stat(CaminhoNativo(a).c_str(), &sa) != 0 || ::stat(CaminhoNativo(b).c_str(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
} // namespace

bool MudaDir(const std::string& dir, bool lembra) {
    if (MudaDiretorioAtual(dir)) {
        // A relative folder is remembered as the folder it named, so that a
        // later VoltaDir does not look for it again inside itself.
        if (lembra)
            DirDocumento = dir.front() == '/' ? dir : DiretorioAtual();
        return true;
    }
    AvisaDiretorio(dir);
    VoltaDir();
    return false;
}

void VoltaDir() {
    if (MesmoDiretorio(DiretorioAtual(), DirDocumento))
        return;
    if (MudaDiretorioAtual(DirDocumento))
        return;
    AvisaDiretorio(DirDocumento);
    DirDocumento = DiretorioAtual();
}

bool AbreArqTexto(const std::string& nome, std::ifstream& f) {
    if (f.is_open())
        f.close();
    f.clear();
    // Regular files only: opening a FIFO would block.
    if (!ArquivoExiste(nome))
        return false;
    f.open(CaminhoNativo(nome), std::ios::in | std::ios::binary);
    return f.is_open();
}

bool ChecaPrograma(const std::string& caminho, const std::string& nomePrograma) {
    static const std::string kMenu = "\"Configurar|Diretórios\"."_cp;
    if (caminho.empty()) {
        MensagemOK("Erro: programa " + nomePrograma + " inexistente.\r\nEntre com nome no menu " + kMenu);
        return false;
    }
    std::string segunda = "\r\nEntre com nome correto no menu " + kMenu;
    struct stat st {};
    std::string nativo = CaminhoNativo(caminho);
    if (::stat(nativo.c_str(), &st) != 0) {
        MensagemOK("Erro: arquivo \"" + caminho + "\" não encontrado."_cp + segunda);
        return false;
    }
    // What Windows required of the name (".EXE") is asked here of the file:
    // a regular file that may be run.
    if (!S_ISREG(st.st_mode) || ::access(nativo.c_str(), X_OK) != 0) {
        MensagemOK("Erro: programa \"" + ExtraiNomeArquivo(caminho) + "\" com extensão inválida."_cp +
                   segunda);
        return false;
    }
    return true;
}

// ---- Draft-line tests ----------------------------------------------------
namespace {

bool Repete(std::string_view s, char c, size_t n) {
    return s.size() == n && s.find_first_not_of(c) == std::string_view::npos;
}

} // namespace

bool LinhaQuebraPagina(const std::string& linha) {
    // Blanks only: codes below 32 are real cells of the draft.
    std::string_view t = AparaBrancos(linha);
    return Repete(t, '-', 50) || Repete(t, '=', 50);
}

bool LinhaQuebraDupla(const std::string& linha) { return Repete(AparaBrancos(linha), '=', 50); }

bool LinhaGrafico(const std::string& linha) { return linha.compare(0, 4, "\x0f\x0f\x0f\x0f") == 0; }

bool LinhaReservada(const std::string& linha) { return linha.find('\x0b') != std::string::npos; }

bool LinhaEspecial(const std::string& linha) {
    return LinhaQuebraPagina(linha) || LinhaReservada(linha) || LinhaGrafico(linha);
}

bool GraficoAdiante(const std::vector<std::string>& linhas, int inicio) {
    size_t i = inicio < 0 ? 0 : static_cast<size_t>(inicio);
    for (; i < linhas.size(); ++i) {
        if (LinhaGrafico(linhas[i]))
            return true;
        if (LinhaQuebraPagina(linhas[i]))
            return false;
    }
    return false;
}
