// dmvars_ini: the settings table and the readers and writers it drives.
#include "core/dmvars_ini.h"

#include "core/celas/chaves_ini.h"
#include "core/dmvars.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

using G = GrupoConfig;

constexpr ChaveConfig Flag(G g, std::string_view chave, bool& v, bool padrao,
                           LeituraFlag leitura = LeituraFlag::Exata,
                           EscritaFlag escrita = EscritaFlag::SN) {
    ChaveConfig c{.grupo = g, .chave = chave, .tipo = TipoConfig::Flag};
    c.flagPadrao = padrao;
    c.leitura = leitura;
    c.escrita = escrita;
    c.flag = &v;
    return c;
}

constexpr ChaveConfig Inteiro(G g, std::string_view chave, int& v, int padrao) {
    ChaveConfig c{.grupo = g, .chave = chave, .tipo = TipoConfig::Inteiro};
    c.inteiroPadrao = padrao;
    c.inteiro = &v;
    return c;
}

// An integer whose value outside minimo..maximo becomes foraDaFaixa, with the
// message when there is one.
constexpr ChaveConfig Faixa(G g, std::string_view chave, int& v, int padrao, int minimo, int maximo,
                            int foraDaFaixa, std::string_view mensagem = {}) {
    ChaveConfig c = Inteiro(g, chave, v, padrao);
    c.minimo = minimo;
    c.maximo = maximo;
    c.foraDaFaixa = foraDaFaixa;
    c.mensagem = mensagem;
    return c;
}

constexpr ChaveConfig Texto(G g, std::string_view chave, std::string* v, std::string_view padrao,
                            VazioConfig vazio = VazioConfig::Padrao, TipoConfig tipo = TipoConfig::Texto) {
    ChaveConfig c{.grupo = g, .chave = chave, .tipo = tipo};
    c.textoPadrao = padrao;
    c.vazio = vazio;
    c.texto = v;
    return c;
}

constexpr ChaveConfig Caminho(G g, std::string_view chave, std::string* v, std::string_view padrao,
                              VazioConfig vazio = VazioConfig::Padrao) {
    return Texto(g, chave, v, padrao, vazio, TipoConfig::Caminho);
}

constexpr auto Maiuscula = LeituraFlag::Maiuscula;
constexpr auto SimNao = EscritaFlag::SimNao;

// Every persistent setting. Within a group, rows stand in the order the
// group is read and written; the defaults are written here and nowhere else.
constexpr std::array kTabela = {
    // The program settings dialog, in the order it reads and writes them.
    Faixa(G::Programa, "estiloNumPag", EstiloNumPag, 0, 0, 3, 0,
          "Numeração de páginas inválida. O padrão será adotado."_cp),
    Flag(G::Programa, chaves_ini::kBrailleAntigo, BrailleAntigo, false, Maiuscula),
    // Widths and page lengths a book can have: a value outside them (0, a
    // negative one, a slip of the keyboard such as 340) would compose pages
    // no embosser takes, so it is reported and the default stands instead.
    Faixa(G::Programa, "maxCarac", MaxCarac, 34, 10, 100, 34,
          "Número de colunas inválido (de 10 a 100). O padrão será adotado."_cp),
    Faixa(G::Programa, "maxLin", MaxLin, 28, 2, 100, 28,
          "Número de linhas inválido (de 2 a 100). O padrão será adotado."_cp),
    Inteiro(G::Programa, "tipoCabec", TipoCabec, 1),
    Flag(G::Programa, "afastaCabPar", AfastaCabPar, true),
    Flag(G::Programa, "autoJunta", AutoJunta, true),
    Flag(G::Programa, "frenteVerso", FrenteVerso, true),
    Flag(G::Programa, "soFrenteInterp", SoFrenteInterp, false),
    Flag(G::Programa, "inicModoRevisor", InicModoRevisor, false),
    Flag(G::Programa, "separaSilabas", SeparaSilabas, true),
    Texto(G::Programa, "titulo", &Titulo, ""),
    Flag(G::Programa, "comTitulo", ComTitulo, true),
    Flag(G::Programa, "numeraOrig", NumeraOrig, true),
    Flag(G::Programa, "tiraBrancasInicioPag", TiraBrancasInicioPag, true),
    Faixa(G::Programa, "margemImpar", MargemImpar, 0, 0, 40, 0,
          "Margem ímpar inválida (de 0 a 40). O padrão será adotado."_cp),
    Faixa(G::Programa, "margemPar", MargemPar, 0, 0, 40, 0,
          "Margem par inválida (de 0 a 40). O padrão será adotado."_cp),
    Flag(G::Programa, "textoIngles", CfgTextoIngles, false),
    Flag(G::Programa, "cabecIngles", CfgCabecIngles, false),
    Faixa(G::Programa, "tipoTratGrafico", TipoTratGrafico, 1, 0, 4, 0,
          "Tratamento gráfico inválido!\r\n\r\n    Será adotada intercação de modos texto e gráfico."_cp),

    // Files and programs. An empty draft path means the temporary folder +
    // "rascunho.txt"; the other names are looked for in the program's folders.
    Caminho(G::Diretorios, "arqTrab", &ArqRascunho, ""),
    Caminho(G::Diretorios, chaves_ini::kTabelaAntiga, &ArqAmbCode, chaves_ini::kPadraoTabelaAntiga),
    Caminho(G::Diretorios, chaves_ini::kTabelaUnificada, &ArqAmbCode2, chaves_ini::kPadraoTabelaUnificada),
    Caminho(G::Diretorios, "grafBraille", &ArqGrafBraille, "zizerov.amb"),
    Caminho(G::Diretorios, "kelto", &ProgKelto, "kelto"),
    Caminho(G::Diretorios, "grafemor", &ProgGrafemor, "grafemor.exe"),
    Caminho(G::Diretorios, "velun", &ProgVelun, "velun.bat"),
    Caminho(G::Diretorios, "puma2", &ProgPuma, "puma2.exe"),

    // The main window's own keys.
    Caminho(G::PastaAtual, "ultimoDir", nullptr, ""),
    Caminho(G::Recentes, "arq1", nullptr, ""),
    Caminho(G::Recentes, "arq2", nullptr, ""),
    Caminho(G::Recentes, "arq3", nullptr, ""),
    Caminho(G::Recentes, "arq4", nullptr, ""),
    Caminho(G::Recentes, "arq5", nullptr, ""),
    // The automatic line break is off only for "N" in either case.
    Flag(G::Margem, "quebraLin", QuebraLin, true, Maiuscula),
    Faixa(G::Margem, "maxCol", MaxCol, 70, 1, INT_MAX, 70),

    // Read again at every activation of the macro window.
    Caminho(G::ArquivoMacro, "ambMacro", nullptr, "CODMAT.AMB", VazioConfig::NoPrograma),

    // The embosser section, in the order the embosser dialog writes it.
    Texto(G::Impressora, "Marca", &ImprMarca, ""),
    Flag(G::Impressora, "Interponto", ImprInterponto, false),
    Inteiro(G::Impressora, "PolegsForm", ImprPolegsForm, 11),
    Inteiro(G::Impressora, "Linhas", ImprLinhas, 28),
    Inteiro(G::Impressora, "Colunas", ImprColunas, 36),
    Caminho(G::Impressora, "NomeArq", &ImprNomeArq, "PRN"),
    Flag(G::Impressora, "EnviaVazias", ImprEnviaVazias, false, Maiuscula, SimNao),
    Flag(G::Impressora, "ForcaExtBRL", ImprForcaExtBRL, true, LeituraFlag::Exata, SimNao),

    // The dictionary files: the default only for a missing key.
    Caminho(G::Dicionario, "ARQDIC", &ArqDicionario, "diciona.dic", VazioConfig::SoAusente),
    Caminho(G::Dicionario, "ARQSUFIXOS", &ArqSufixos, "diciona.suf", VazioConfig::SoAusente),
    Caminho(G::Dicionario, "ARQINEXIST", &ArqInexistentes, "diciona.exc", VazioConfig::SoAusente),
    Caminho(G::Dicionario, "ARQNOMES", &ArqNomes, "diciona.nom", VazioConfig::SoAusente),
    Caminho(G::Dicionario, "ARQSUGERE", &ArqSugestoes, "diciona.sug", VazioConfig::SoAusente),
};

template <class T, class Membro>
const ChaveConfig* Procura(const T& variavel, Membro membro) {
    for (const ChaveConfig& c : kTabela)
        if (c.*membro == &variavel) return &c;
    return nullptr;
}

std::string Secao(const ChaveConfig& c) { return std::string(SecaoDoGrupo(c.grupo)); }
std::string Chave(const ChaveConfig& c) { return std::string(c.chave); }

} // namespace

std::string_view SecaoDoGrupo(GrupoConfig g) {
    switch (g) {
    case G::Impressora: return "IMPBRAILLE";
    case G::Dicionario: return "DICIONARIO";
    default: return chaves_ini::kSecaoPrograma;
    }
}

std::span<const ChaveConfig> TabelaConfiguracao() { return kTabela; }

std::span<const ChaveConfig> ChavesDoGrupo(GrupoConfig g) {
    const auto mesmo = [g](const ChaveConfig& c) { return c.grupo == g; };
    const auto ini = std::find_if(kTabela.begin(), kTabela.end(), mesmo);
    const auto fim = std::find_if_not(ini, kTabela.end(), mesmo);
    return {ini, fim};
}

const ChaveConfig& ChaveDoGrupo(GrupoConfig g) { return ChavesDoGrupo(g).front(); }

const ChaveConfig* ChaveDe(const bool& variavel) { return Procura(variavel, &ChaveConfig::flag); }
const ChaveConfig* ChaveDe(const int& variavel) { return Procura(variavel, &ChaveConfig::inteiro); }
const ChaveConfig* ChaveDe(const std::string& variavel) { return Procura(variavel, &ChaveConfig::texto); }

void RestauraPadroesConfig() {
    for (const ChaveConfig& c : kTabela) {
        if (c.flag) *c.flag = c.flagPadrao;
        if (c.inteiro) *c.inteiro = c.inteiroPadrao;
        if (c.texto) c.texto->assign(c.textoPadrao);
    }
}

// ---- Reading ------------------------------------------------------------------

bool ValorFlag(const ChaveConfig& c, std::string_view texto) {
    return TextoParaLogico(texto, c.flagPadrao, c.leitura);
}

bool ValidaFaixa(const ChaveConfig& c, int& valor) {
    if (valor >= c.minimo && valor <= c.maximo) return true;
    if (!c.mensagem.empty()) MensagemOK(std::string(c.mensagem));
    valor = c.foraDaFaixa;
    return false;
}

int ValorInteiro(const ChaveConfig& c, std::string_view texto) {
    int v = TextoParaInteiro(texto, c.inteiroPadrao);
    ValidaFaixa(c, v);
    return v;
}

std::string LeTextoChave(const ChaveConfig& c, const IniLido& lido) {
    if (c.vazio == VazioConfig::SoAusente) return lido.Le(Secao(c), Chave(c), std::string(c.textoPadrao));
    std::string v = lido.Le(Secao(c), Chave(c), "");
    if (!v.empty()) return v;
    if (c.vazio == VazioConfig::NoPrograma) return DirPrograma + std::string(c.textoPadrao);
    return std::string(c.textoPadrao);
}

std::string LeTextoChave(const ChaveConfig& c, const std::string& ini) { return LeTextoChave(c, IniLido(ini)); }

void LeChave(const ChaveConfig& c, const IniLido& lido) {
    if (c.flag) *c.flag = ValorFlag(c, lido.Le(Secao(c), Chave(c), ""));
    if (c.inteiro) *c.inteiro = ValorInteiro(c, lido.Le(Secao(c), Chave(c), ""));
    if (c.texto) *c.texto = LeTextoChave(c, lido);
}

void LeChave(const ChaveConfig& c, const std::string& ini) { LeChave(c, IniLido(ini)); }

void LeGrupo(GrupoConfig g, const IniLido& lido) {
    for (const ChaveConfig& c : ChavesDoGrupo(g)) LeChave(c, lido);
}

void LeGrupo(GrupoConfig g, const std::string& ini) { LeGrupo(g, IniLido(ini)); }

// ---- Writing ------------------------------------------------------------------

std::string TextoDaChave(const ChaveConfig& c) {
    if (c.flag) return c.escrita == EscritaFlag::SimNao ? LogicoParaSimNao(*c.flag) : LogicoParaSN(*c.flag);
    if (c.inteiro) return InteiroParaTexto(*c.inteiro);
    if (c.texto) return *c.texto;
    return {};
}

bool GravaTextoChave(const ChaveConfig& c, const std::string& valor, const std::string& ini) {
    return GravaPerfil(Secao(c), Chave(c), valor, ini);
}

bool GravaChave(const ChaveConfig& c, const std::string& ini) {
    if (!c.flag && !c.inteiro && !c.texto) return true;
    return GravaTextoChave(c, TextoDaChave(c), ini);
}

bool ApagaChave(const ChaveConfig& c, const std::string& ini) { return ApagaPerfil(Secao(c), Chave(c), ini); }

bool GravaGrupo(GrupoConfig g, const std::string& ini) {
    std::vector<std::pair<std::string, std::string>> chaves;
    for (const ChaveConfig& c : ChavesDoGrupo(g))
        if (c.flag || c.inteiro || c.texto) chaves.emplace_back(Chave(c), TextoDaChave(c));
    if (chaves.empty()) return true;
    return GravaPerfis(std::string(SecaoDoGrupo(g)), chaves, ini);
}

namespace {
bool AvisaFalhaGravacao(const std::string& ini) {
    dialogos().Caixa("Erro ao gravar a configuração em "_cp + ini + "!\r\nO arquivo anterior foi mantido.",
                     "Dotmara", Icone::Erro, Botoes::OK);
    return false;
}
} // namespace

bool GravaGrupoOuAvisa(GrupoConfig g, const std::string& ini) {
    return GravaGrupo(g, ini) || AvisaFalhaGravacao(ini);
}

bool GravaTextoChaveOuAvisa(const ChaveConfig& c, const std::string& valor, const std::string& ini) {
    return GravaTextoChave(c, valor, ini) || AvisaFalhaGravacao(ini);
}
