// dmcnfprt_modelos: what the embosser settings window decides without a
// window: the list of embosser models, the output choices and the names
// that are devices rather than files.
#pragma once

#include <string>
#include <vector>

#include "platform/texto.h"

inline constexpr TextoFixo kModeloPuma{"Puma 7"};
// The plate printer: it needs every empty braille line sent.
inline constexpr TextoFixo kModeloCliche = "Impressora de clichê"_cp;
// The model box's text before a model is chosen.
inline constexpr TextoFixo kSelecioneModelo{"(Selecione uma)"};

// The models the window lists, in order, "Outra..." last.
std::vector<std::string> ModelosImpressora();
// The index of a model in a list, the whole text compared without regard to
// letter case; -1 when it is not there.
int IndiceDoModelo(const std::vector<std::string>& lista, const std::string& modelo);

// True for "PRN", "LPT1".."LPT3", "COM1", "COM2" in any letter case and for
// a network printer (two backslashes first); false for a file name.
bool EhDispositivo(const std::string& nome);
// The name with its extension replaced by ".BRL" (appended when it has none).
std::string ComExtensaoBRL(const std::string& nome);

// Where the braille goes, as the window's radios show it.
enum class SaidaImpressora { LPT1, LPT2, LPT3, COM1, COM2, PRN, Rede, Arquivo };
// The radio of an output name: a device name in any letter case its own
// radio, a network printer "Rede", anything else "Arquivo".
SaidaImpressora SaidaDoNome(const std::string& nome);
// The caption of a port or printer radio ("LPT1" .. "PRN"); "" for the others.
std::string NomeDaSaida(SaidaImpressora s);

// True for the models whose text decides the main window's "Chamar &Puma 7"
// entry (enabled exactly for "Puma 7"); for the other texts the entry is left
// as it is.
bool ModeloDecideEntradaPuma(const std::string& modelo);
