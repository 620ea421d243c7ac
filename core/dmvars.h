// dmvars: program-wide settings, paths, shared state of one compile or print
// job, and the fixed braille tables shared by every part of the program.
//
// Text is Windows-1252 bytes in std::string throughout.
#pragma once

#include <array>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/celas/celas.h"
#include "platform/texto.h"

// Dynamic array of 32-bit integers: the line and page maps of the compiler.
using DynIntArray = std::vector<std::int32_t>;

// 256-bit set of byte values, with the members of std::bitset that byte sets
// need. Every operation is constexpr, so a fixed set is built at compile time
// and is ready before any other unit's initialisation reads it. A position
// past 255 is never a member and is ignored by set and reset.
class ConjuntoBytes {
public:
    constexpr ConjuntoBytes() = default;

    static constexpr std::size_t size() { return 256; }
    constexpr bool test(std::size_t c) const { return c < 256 && ((p_[c >> 6] >> (c & 63)) & 1u) != 0; }
    constexpr bool operator[](std::size_t c) const { return test(c); }

    constexpr ConjuntoBytes& set() {
        for (auto& p : p_)
            p = ~std::uint64_t{0};
        return *this;
    }
    constexpr ConjuntoBytes& set(std::size_t c, bool valor = true) {
        if (c < 256) {
            const std::uint64_t bit = std::uint64_t{1} << (c & 63);
            p_[c >> 6] = valor ? (p_[c >> 6] | bit) : (p_[c >> 6] & ~bit);
        }
        return *this;
    }
    constexpr ConjuntoBytes& reset() { return *this = ConjuntoBytes(); }
    constexpr ConjuntoBytes& reset(std::size_t c) { return set(c, false); }

    constexpr std::size_t count() const {
        std::size_t n = 0;
        for (auto p : p_)
            n += static_cast<std::size_t>(std::popcount(p));
        return n;
    }
    constexpr bool any() const { return count() != 0; }
    constexpr bool none() const { return count() == 0; }
    constexpr bool all() const { return count() == 256; }

    constexpr ConjuntoBytes& operator|=(const ConjuntoBytes& o) {
        for (std::size_t i = 0; i < 4; ++i)
            p_[i] |= o.p_[i];
        return *this;
    }
    constexpr ConjuntoBytes& operator&=(const ConjuntoBytes& o) {
        for (std::size_t i = 0; i < 4; ++i)
            p_[i] &= o.p_[i];
        return *this;
    }
    friend constexpr ConjuntoBytes operator|(ConjuntoBytes a, const ConjuntoBytes& b) { return a |= b; }
    friend constexpr ConjuntoBytes operator&(ConjuntoBytes a, const ConjuntoBytes& b) { return a &= b; }
    friend constexpr bool operator==(const ConjuntoBytes&, const ConjuntoBytes&) = default;

private:
    std::array<std::uint64_t, 4> p_{};
};

struct CorRGB {
    int r = 0, g = 0, b = 0;
};

// ---- Paths and identity -------------------------------------------------
extern std::string ArqExecutavel;
extern std::string DirPrograma;   // always ends in "/"
extern std::string DirDocumento;  // ends in "/"; the user's home folder until "ultimoDir" says otherwise
extern std::string ArqAtual;
extern std::string ProgAtualiza;
extern std::string ArqInfoAtualiza;
extern std::string VersaoPrograma;
inline constexpr std::int64_t NumVersao = 2025120901;
extern CorRGB CorModoRevisor;
inline constexpr const char* NomeArqIni = "DOTMARA.INI";

// ---- Program settings (section "DOTMARA") --------------------------------
// The persistent settings below are loaded, stored and given their defaults
// by the settings table (core/dmvars_ini.h), one row per INI key.
extern bool BrailleAntigo;      // old braille code (else the unified code)
extern int EstiloNumPag;        // page number place: 0 standard, 1 right, 2 centre, 3 left
extern int MaxCarac;            // cells per braille line
extern int MaxLin;              // lines per braille page
extern int TipoCabec;           // header: 0 none (composed as 1), 1 front pages, 2 front and back
extern bool AutoJunta;          // automatic paragraph formatting
extern bool FrenteVerso;        // interpoint
extern bool SoFrenteInterp;     // single-sided while interpoint is set
extern bool InicModoRevisor;    // start in reviewer mode
extern bool AfastaCabPar;       // two extra blanks before the number of even pages
extern bool TiraBrancasInicioPag; // drop blank lines at the top of a page
extern bool SeparaSilabas;      // syllable hyphenation
extern std::string Titulo;      // header title
extern bool ComTitulo;          // headers with title and page number
extern bool NumeraOrig;         // ink page numbers in the header
extern int MargemImpar, MargemPar; // left margins in cells of odd and even pages
extern bool CfgTextoIngles;     // foreign-text signs in the body
extern bool CfgCabecIngles;     // foreign-text signs in the header
extern int TipoTratGrafico;     // graphic handling 0..4 (1: no embedded graphics)

// ---- Files and programs --------------------------------------------------
extern std::string ArqRascunho;   // draft file; empty: temporary folder + "rascunho.txt"
extern std::string ArqAmbCode;    // old-code table
extern std::string ArqAmbCode2;   // unified-code table
extern std::string ArqGrafBraille; // graphic code table
extern std::string ProgKelto, ProgGrafemor, ProgVelun, ProgPuma;
extern std::string ArqDicionario, ArqSufixos, ArqInexistentes, ArqNomes, ArqSugestoes;
extern bool DicionarioCarregado;
extern bool QuebraLin;            // automatic line break while typing
extern int MaxCol;                // wrap column

// ---- Embosser settings (section "IMPBRAILLE") -----------------------------
extern std::string ImprMarca;     // model text
extern bool ImprInterponto;
extern int ImprPolegsForm;        // form length in inches
extern int ImprLinhas;
extern int ImprColunas;
extern std::string ImprNomeArq;   // output device or file
extern bool ImprForcaExtBRL;      // force ".BRL" on output files
extern bool ImprEnviaVazias;      // an empty braille line is sent as a marker
extern std::string DispImpressora, DriverImpressora, PortaImpressora;

// ---- State of one compile or print job -----------------------------------
extern int NumPagInic;
extern int PagInicial, PagFinal;
// Shared with the print worker: atomics so the progress window and the
// worker never race.
extern std::atomic<int> NumCopias, CopiaAtual, PaginaAtual;
extern std::atomic<bool> CancelaImpressao;
extern bool ModoVisualizacao;
extern std::string PrefixoMargem;
extern bool LinhaCentrada;
extern int NumPagTinta;
extern std::array<unsigned char, 256> TabelaImpressora;
extern std::vector<std::string> FilaGraficosArq, FilaGraficosCol;

// Translator state: each translator has its own quote flag; the unified one
// also keeps the parentheses flag. Reset by every compile, never by the
// translators themselves.
namespace dmunif {
extern unsigned char AspasAbertas;
extern unsigned char ParentesesAbertos;
}
namespace dmantigo {
extern unsigned char AspasAbertas;
}

// ---- Fixed tables --------------------------------------------------------
// TabelaCelas and PontosDoCaractere: core/celas/celas.h.
// The cell table of the code in force (BrailleAntigo chooses).
const std::array<unsigned char, 64>& CelasAtuais();
// The Latin-1 letter sets: A-Z and 192-223; a-z and 224-255.
extern const ConjuntoBytes Maiusculas;
extern const ConjuntoBytes Minusculas;
extern const std::array<int, 8> ValoresRomanos;
inline constexpr const char* LetrasRomanas = "IVXLCDM";
// The tables above are constant-initialised; so are these texts.
inline constexpr TextoFixo MarcaReservada{"\x0b"}; // one character, code 11
inline constexpr std::array<TextoFixo, 3> NomesTipoGrafico = {
    "Página gráfica"_cp,
    TextoFixo("Embutido"),
    TextoFixo("Intercalado"),
};

inline bool EhMaiuscula(unsigned char c) { return Maiusculas.test(c); }
inline bool EhMinuscula(unsigned char c) { return Minusculas.test(c); }

void IntParaRomano(int n, std::string& s);

// Works out the program paths and the version text (the unit initialisation).
// Called once at start-up; tests may call it again.
void InicializaDmvars(const std::string& caminhoExecutavel);
// Resets every setting and job variable to its default (the settings from
// the settings table); used at start-up and by tests.
void RestauraPadroes();

// ---- Messages, input line, working folder --------------------------------
int MensagemOK(const std::string& msg);
void ErroContacte(const std::string& detalhe);
bool EditaLinha(const std::string& titulo, const std::string& prompt, std::string& s);
bool MudaDir(const std::string& dir, bool lembra);
void VoltaDir();
// MudaDir for a program started in its own folder: true when dir can be
// entered, otherwise MudaDir's warning. The working folder never changes
// (the print worker may be reading relative names meanwhile).
bool ConfereDir(const std::string& dir);
// Opens a text file for reading (binary: line ends are the reader's); true
// when the open succeeded. Reports nothing.
bool AbreArqTexto(const std::string& nome, std::ifstream& f);
// True when the configured program may be started: the path is named, names
// an existing regular file with the execute bit. Each failure has its message.
bool ChecaPrograma(const std::string& caminho, const std::string& nomePrograma);

// ---- Draft-line tests ----------------------------------------------------
bool LinhaQuebraPagina(const std::string& linha);
bool LinhaQuebraDupla(const std::string& linha);
bool LinhaGrafico(const std::string& linha);
bool LinhaReservada(const std::string& linha);
bool LinhaEspecial(const std::string& linha);
bool GraficoAdiante(const std::vector<std::string>& linhas, int inicio);
