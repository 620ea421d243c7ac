// dmexternos: the programs the main window starts for the transcriber: the
// touch-up program kelto, the configured graphic editor and drawing program,
// the Puma 7 plate program after its print job, the text editor on two of
// the dictionary's word lists, and the browser on the manual.
//
// Every program goes through the platform's launcher (servicos()): the
// program by its full path and an argument list, never a shell, started in
// its own folder and not waited for. The working folder of the program never
// changes. Failures are reported in a box; nothing here blocks.
#pragma once

#include <string>

// "Retoques em &Braille": kelto, once. While a kelto runs (its single-instance
// lock is held) only the box "Programa já ativo, use a barra de seleção do
// Windows". kelto is taken from the folder of ProgKelto, else from the
// program folder.
void ChamaKelto();

// The common start of a configured program: ChecaPrograma with the name the
// messages give it, its folder checked (the two folder boxes when it cannot
// be entered), then started there without arguments. True when it started.
bool ChamaPrograma(const std::string& caminho, const std::string& nomePrograma);
// "&Grafemor Braille" (ProgGrafemor) and "&Velun" (ProgVelun).
void ChamaGrafemor();
void ChamaVelun();

// "&Acrescentar palavra" (ArqNomes) and "&Inibir palavra" (ArqInexistentes):
// the list opened in the desktop's text editor, found where the dictionary
// loader finds it. The dictionary in memory is not reloaded.
void EditaListaDicionario(const std::string& lista);

// "&Manual do Dotmara": the manual "dotmara.html" of the program folder, else
// of the data folder, in the browser; "Arquivo de ajuda não encontrado" when
// neither has it.
void AbreManual();

// "Chamar &Puma 7", before its print job: ChecaPrograma of ProgPuma and a
// new private temporary file for the plate; the file's path, or "" when the
// command ends here (after its message).
std::string PreparaPuma();
// The end of the Puma 7 print job that wrote arquivoPlaca: the plate program
// starts on the file only when that job ended well; otherwise nothing starts.
void ChamaPuma(const std::string& arquivoPlaca, bool impressaoOk);
