// Files and folders. Paths are Windows-1252 bytes inside the program and are
// converted to UTF-8 only here, at the operating-system boundary.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

std::string CaminhoNativo(const std::string& caminho);   // cp1252 -> UTF-8
std::string CaminhoDoSistema(const std::string& nativo); // UTF-8 -> cp1252

bool ArquivoExiste(const std::string& caminho);      // a regular file
bool DiretorioExiste(const std::string& caminho);
// Reads a whole regular file (anything else, a FIFO or a device, is refused).
// No file this program reads whole comes near MaxBytesArquivo: a larger one,
// or one that never ends, is refused too, before it takes the memory.
inline constexpr std::size_t MaxBytesArquivo = std::size_t{64} << 20;
// That size as messages give it: "64 MB".
std::string TextoMaxBytesArquivo();
bool LeArquivo(const std::string& caminho, std::string& conteudo);
// The same for a file that may hold at most limite bytes: a longer one (or
// one that never ends, as files under /proc) is GrandeDemais and leaves
// conteudo empty.
enum class LeituraArquivo { Lido, NaoLido, GrandeDemais };
LeituraArquivo LeArquivoAte(const std::string& caminho, std::string& conteudo, std::size_t limite);
// Writes a temporary file beside the target, then renames it over the target.
bool GravaArquivoAtomico(const std::string& caminho, const std::string& conteudo);
// For a writer that replaces a file in one rename: a new, exclusively
// created file beside the one caminho names (beside a link's target), with
// that file's mode, open for writing. alvo: the file to rename it over, and
// temporario: its own name, both as the system names them. -1 when caminho
// names something that is not a regular file, or no file can be made there.
int CriaSubstituto(const std::string& caminho, std::string& alvo, std::string& temporario);
// Splits on LF, dropping one CR before each LF (a CR elsewhere stays).
std::vector<std::string> DivideLinhas(const std::string& conteudo);

std::string DiretorioAtual();                         // ends in "/"
bool MudaDiretorioAtual(const std::string& caminho);

// Folder of a path with its trailing "/", file name, extension (with ".").
std::string ExtraiDiretorio(const std::string& caminho);
std::string ExtraiNomeArquivo(const std::string& caminho);
std::string ExtraiExtensao(const std::string& caminho);
std::string MudaExtensao(const std::string& caminho, const std::string& ext);

// Makes the missing folders of a file's path (new folders get mode 0700).
bool CriaPastasDe(const std::string& caminho);

// Full path of the running program.
std::string CaminhoPrograma();
// The user's home folder, ending in "/": $HOME, else the password file's;
// "" when neither names one.
std::string PastaPessoal();

// Private temporary folder of this user (mode 0700), ending in "/"; ""
// when no private folder can be made (never a folder others may write).
std::string DirTemporario();
// A new, exclusively created, empty file in DirTemporario (GetTempFileName):
// the prefix, six characters that make it unique, the extension; "" when
// there is no private folder or the file cannot be made.
std::string ArquivoTemporario(const std::string& prefixo, const std::string& extensao = ".tmp");
// The draft file of this running program: "rascunho-<pid>.txt" in the
// private temporary folder, so two running programs never share one; it is
// removed when the program ends. "" when there is no private folder.
std::string RascunhoPrivado();
// Removes from the private temporary folder the drafts that no running
// program will remove: "rascunho-<pid>.txt" and the unfinished new drafts
// beside it ("rascunho-<pid>.txt.<pid>-<n>.tmp") of a program that was
// killed. A draft stays while its pid runs a program of this one's file name
// (another copy of it), or when that cannot be told; only regular files of
// this user are removed. Returns how many were.
int RemoveRascunhosAbandonados();
// From now on SIGTERM, SIGHUP and SIGINT remove this program's private
// drafts and then end it as they would have (a signal that was ignored, as
// SIGHUP under nohup, stays ignored).
void RemoveRascunhosNosSinais();
// What to tell the user when DirTemporario() is "".
std::string MensagemSemPastaTemporaria();

// Looks for a data file of the system: dir + nome exactly, then a name in dir
// that matches nome ignoring letter case. Returns the path found, or dir + nome.
std::string AchaArquivoDados(const std::string& dir, const std::string& nome);
// Folder of the system's data files, ending in "/": $DOTMARA_DATA_DIR when
// set, else DirDadosAcimaDe the program's folder.
std::string DirDados();
// The first of pasta's data/, its parent's data/ ... (four levels) that holds
// "ambcode.cfg": the data beside an installed program, or the source tree's
// when the program runs from a build folder inside it. pasta + "data/" when
// none does. Both give the folder without "." and ".." steps (as users read
// it) where that is the same folder.
std::string DirDadosAcimaDe(const std::string& pasta);
