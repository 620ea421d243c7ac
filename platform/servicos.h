// The platform services of both programs, next to the dialog service and on
// its pattern: the clipboard's text, starting a program, opening a file with
// the desktop's program, the single-instance lock and the beep. The Qt build
// installs ServicosQt (platform/qt/servicosqt.h) at start; the default is
// silent and starts nothing; tests install ServicosFalsos and read what went
// out.
//
// Text and paths are Windows-1252 bytes, as everywhere inside the program;
// the implementations convert at the system's boundary.
#pragma once

#include <set>
#include <string>
#include <vector>

class ServicosPlataforma {
public:
    virtual ~ServicosPlataforma() = default;

    // ---- Clipboard (plain text) ----------------------------------------------
    // The clipboard's text, lines separated by CR LF, up to its first zero
    // byte; empty when it holds no text. Characters that Windows-1252 lacks
    // come as "?".
    virtual std::string LeAreaTransferencia() = 0;
    // Puts texto on the clipboard as plain text (up to its first zero byte),
    // replacing what it held. False when the clipboard could not be had.
    virtual bool GravaAreaTransferencia(const std::string& texto) = 0;

    // ---- Other programs --------------------------------------------------------
    // Starts programa with the arguments as they stand, one each (no shell
    // reads them), in the folder pasta (empty: the current one), and does not
    // wait for it. False when it could not be started.
    virtual bool IniciaPrograma(const std::string& programa,
                                const std::vector<std::string>& argumentos,
                                const std::string& pasta) = 0;
    // Opens a file with the program the desktop has for it.
    virtual bool AbreComProgramaDoSistema(const std::string& arquivo) = 0;

    // ---- Single instance ---------------------------------------------------------
    // A program that must run once takes its lock at start and holds it while
    // it runs; the lock goes with the process, however it ends.
    // TravaInstancia: takes the lock of nome for the rest of this process;
    // false when another process holds it (that copy is running).
    virtual bool TravaInstancia(const std::string& nome) = 0;
    // InstanciaAtiva: does a running process hold the lock of nome?
    virtual bool InstanciaAtiva(const std::string& nome) = 0;

    // ---- Sound -------------------------------------------------------------------
    virtual void Bipe() = 0;
};

// The services in force; silent by default. Install from the GUI thread.
ServicosPlataforma& servicos();
// Installs s (not owned; nullptr restores the default).
void DefineServicos(ServicosPlataforma* s);

// The name under which the companion program holds its single-instance lock.
inline constexpr const char* kInstanciaKelto = "kelto";

// The lock behind TravaInstancia and InstanciaAtiva, one routine for the
// program that holds it and the one that checks it: an exclusive lock
// (flock) on "<nome>.lock" in the user's runtime folder ($XDG_RUNTIME_DIR,
// else the private temporary folder), which the system drops when the
// holding process ends. manter: keep the lock for the rest of the process
// (a name this process holds already counts as taken); otherwise it is let
// go at once, and the call only tells whether it was free. True when it was
// free. A lock file that cannot be made counts as free: nothing can be known,
// and the program must still start.
bool TentaTravaInstancia(const std::string& nome, bool manter);
// Lets go of a lock that TentaTravaInstancia kept.
void LiberaTravaInstancia(const std::string& nome);
// The lock file of nome ("" when there is no folder for it).
std::string ArquivoTravaInstancia(const std::string& nome);

// Recording fake for tests.
class ServicosFalsos : public ServicosPlataforma {
public:
    struct Programa {
        std::string programa;
        std::vector<std::string> argumentos;
        std::string pasta;
        bool operator==(const Programa&) const = default;
    };

    std::string areaTransferencia;        // what the clipboard holds
    std::vector<std::string> gravacoes;   // every text put on it, in order
    bool areaOcupada = false;             // the clipboard cannot be had
    std::vector<Programa> programas;      // every program started
    bool iniciaResultado = true;
    std::vector<std::string> abertos;     // every file opened
    bool abreResultado = true;
    std::set<std::string> instanciasAtivas;   // locks held by other processes
    std::set<std::string> travadas;           // locks this process took
    int bipes = 0;

    std::string LeAreaTransferencia() override { return areaTransferencia; }
    bool GravaAreaTransferencia(const std::string& texto) override;
    bool IniciaPrograma(const std::string& programa, const std::vector<std::string>& argumentos,
                        const std::string& pasta) override;
    bool AbreComProgramaDoSistema(const std::string& arquivo) override;
    bool TravaInstancia(const std::string& nome) override;
    bool InstanciaAtiva(const std::string& nome) override;
    void Bipe() override { ++bipes; }
};

// Installs a fake for the lifetime of the object (tests).
class ServicosFalsosEscopo {
public:
    ServicosFalsosEscopo() { DefineServicos(&fake); }
    ~ServicosFalsosEscopo() { DefineServicos(nullptr); }
    ServicosFalsosEscopo(const ServicosFalsosEscopo&) = delete;
    ServicosFalsosEscopo& operator=(const ServicosFalsosEscopo&) = delete;
    ServicosFalsos fake;
};
