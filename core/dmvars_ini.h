// dmvars_ini: the settings table. One row per persistent setting of
// "DOTMARA.INI" (section, key, kind, default, reading rule, the variable),
// and everything that walks it: the defaults (RestauraPadroes), the readers
// and the writers of each group of keys.
//
// A group is what one window loads or stores at once, in the order it does:
// the program settings dialog reads and writes its twenty keys, the embosser
// dialog its whole section, the main window its own keys, and so on. Rows of
// a group are contiguous in the table and in that order.
//
// Values are read whole: no buffer cuts a long path or title.
#pragma once

#include <climits>
#include <span>
#include <string>
#include <string_view>

#include "core/dmvars_valores.h"
#include "platform/ini.h"

enum class GrupoConfig : unsigned char {
    Programa,     // section "DOTMARA": the twenty keys of the program settings dialog
    Diretorios,   // "DOTMARA": files and external programs (the folders dialog)
    PastaAtual,   // "DOTMARA": "ultimoDir", the folder at the last close
    Recentes,     // "DOTMARA": "arq1" .. "arq5", the recent files
    Margem,       // "DOTMARA": "quebraLin", "maxCol" (main window reads, margin dialog writes)
    ArquivoMacro, // "DOTMARA": "ambMacro", the macro file
    Impressora,   // section "IMPBRAILLE": the embosser dialog, in the order it writes
    Dicionario,   // section "DICIONARIO": the five dictionary files
};

enum class TipoConfig : unsigned char { Flag, Inteiro, Texto, Caminho };

// How an empty or absent text reads.
enum class VazioConfig : unsigned char {
    Padrao,     // empty or absent: the default
    SoAusente,  // the default only when the key is absent; present and empty stays empty
    NoPrograma, // empty or absent: DirPrograma + the default
};

// How a flag is written.
enum class EscritaFlag : unsigned char { SN, SimNao };

struct ChaveConfig {
    GrupoConfig grupo;
    std::string_view chave; // as it is written (reading ignores its case)
    TipoConfig tipo;

    // Flags
    bool flagPadrao = false;
    LeituraFlag leitura = LeituraFlag::Exata;
    EscritaFlag escrita = EscritaFlag::SN;

    // Integers: a value outside minimo..maximo becomes foraDaFaixa, after
    // the message when the row has one.
    int inteiroPadrao = 0;
    int minimo = INT_MIN;
    int maximo = INT_MAX;
    int foraDaFaixa = 0;
    std::string_view mensagem{};

    // Texts and paths
    std::string_view textoPadrao{};
    VazioConfig vazio = VazioConfig::Padrao;

    // The variable the row loads and stores; null for keys that a window
    // reads and writes itself (the folder, the recent files, the macro file).
    bool* flag = nullptr;
    int* inteiro = nullptr;
    std::string* texto = nullptr;
};

// "DOTMARA", "IMPBRAILLE" or "DICIONARIO".
std::string_view SecaoDoGrupo(GrupoConfig g);
inline std::string_view SecaoDaChave(const ChaveConfig& c) { return SecaoDoGrupo(c.grupo); }

// Every row, group after group.
std::span<const ChaveConfig> TabelaConfiguracao();
// The rows of a group, in the order the group is read and written.
std::span<const ChaveConfig> ChavesDoGrupo(GrupoConfig g);
// The row of a group of one key ("ultimoDir", "ambMacro").
const ChaveConfig& ChaveDoGrupo(GrupoConfig g);
// The row that loads and stores a variable; null when none does.
const ChaveConfig* ChaveDe(const bool& variavel);
const ChaveConfig* ChaveDe(const int& variavel);
const ChaveConfig* ChaveDe(const std::string& variavel);

// Sets every variable of the table to its row's default.
void RestauraPadroesConfig();

// ---- Reading ----------------------------------------------------------------
// The value a text gives by the row's rules (for a text read from the file
// or typed into a window). ValorInteiro shows the row's range message, when
// it has one, for a number out of range.
bool ValorFlag(const ChaveConfig& c, std::string_view texto);
int ValorInteiro(const ChaveConfig& c, std::string_view texto);
// The range check alone (ValidaNumeracao, ValidaTratGrafico): a value out
// of range shows the row's message and becomes its fallback; false then.
bool ValidaFaixa(const ChaveConfig& c, int& valor);

// The text of a key by the row's rules for empty and absent texts.
std::string LeTextoChave(const ChaveConfig& c, const IniLido& lido);
std::string LeTextoChave(const ChaveConfig& c, const std::string& ini = CaminhoIni());
// Reads one key into its variable (nothing for a row without one).
void LeChave(const ChaveConfig& c, const IniLido& lido);
void LeChave(const ChaveConfig& c, const std::string& ini = CaminhoIni());
// Reads every key of a group, in order, from one reading of the file.
void LeGrupo(GrupoConfig g, const IniLido& lido);
void LeGrupo(GrupoConfig g, const std::string& ini = CaminhoIni());

// ---- Writing ----------------------------------------------------------------
// The text a variable is written as: decimal, "S"/"N" or "SIM"/"NÃO", or the
// text as it stands.
std::string TextoDaChave(const ChaveConfig& c);
// Writes a row's variable. False when the file could not be written.
bool GravaChave(const ChaveConfig& c, const std::string& ini = CaminhoIni());
// Writes a text under a row's key (rows without a variable).
bool GravaTextoChave(const ChaveConfig& c, const std::string& valor, const std::string& ini = CaminhoIni());
// Deletes a row's key.
bool ApagaChave(const ChaveConfig& c, const std::string& ini = CaminhoIni());
// Writes every key of a group that has a variable, in order, in one
// replacement of the file: all of them, or (false) none, the old file whole.
bool GravaGrupo(GrupoConfig g, const std::string& ini = CaminhoIni());
// GravaGrupo for a window's button that makes its values the default: a
// failed write is reported ("Erro ao gravar a configuração em ...").
bool GravaGrupoOuAvisa(GrupoConfig g, const std::string& ini = CaminhoIni());
// GravaTextoChave that reports a failed write the same way.
bool GravaTextoChaveOuAvisa(const ChaveConfig& c, const std::string& valor, const std::string& ini = CaminhoIni());
