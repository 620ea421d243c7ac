// dmvars: the program-wide settings and job state with their defaults, the
// fixed braille tables, Roman numerals, the message and folder routines and
// the draft-line tests.
#include "core/dmvars.h"

#include "core/dmutil.h"
#include "core/dmvars_ini.h"

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
// Every setting and job variable gets its value in RestauraPadroes: the
// persistent settings from the settings table (dmvars_ini), the rest there.
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
constinit const ConjuntoBytes Maiusculas = Letras('A', 'Z', 192, 223);
constinit const ConjuntoBytes Minusculas = Letras('a', 'z', 224, 255);
constinit const std::array<int, 8> ValoresRomanos = {1, 5, 10, 50, 100, 500, 1000, 5000};

const std::array<unsigned char, 64>& CelasAtuais() { return CelasDoCodigo(BrailleAntigo); }

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
    // The persistent settings take their defaults from the settings table.
    RestauraPadroesConfig();

    DicionarioCarregado = false;
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
    // Documents start in the user's own folder, not among the program's
    // files (the build folder, or /usr/bin once installed).
    DirDocumento = PastaPessoal();
    if (!DiretorioExiste(DirDocumento))
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

bool ConfereDir(const std::string& dir) {
    struct stat st {};
    const std::string nativo = CaminhoNativo(dir);
    if (!dir.empty() && ::stat(nativo.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
        ::access(nativo.c_str(), X_OK) == 0)
        return true;
    AvisaDiretorio(dir);
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
        MensagemOK("Erro: arquivo \"" + caminho + "\" não é um programa executável."_cp + segunda);
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
