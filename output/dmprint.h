// dmprint: the print job. The user-interface thread starts it (page range,
// copies, device, compile of the draft for the range) and one worker thread
// reads the draft, collects each page with the margin of its parity, has it
// rendered and sent, and at the end closes the device and reports.
//
// The job takes, when it starts, a copy of everything it reads (settings,
// tables, printing geometry, the draft's lines), so editing, compiling or
// changing settings while it runs cannot change what is embossed. What the
// worker shares with the user interface is atomic.
#pragma once

#include "core/dmtraduz_estado.h" // the request; the draft reader LeRascunho
#include "output/dmImprPagina.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A job is in progress: set on the user-interface thread before the worker
// starts, cleared by the worker once the device is closed.
extern std::atomic<bool> Imprimindo;
// Set when the print dialog has started a job; cleared with Imprimindo. The
// Puma 7 command waits for it before it starts the plate program.
extern std::atomic<bool> ImpressaoAtiva;
// Every page sent so far went out.
extern std::atomic<bool> ImpressaoOk;

// Everything the worker reads, fixed at the start of the job.
struct InstantaneoImpressao {
    ConfigPagina pagina;
    int MargemImpar = 0;
    int MargemPar = 0;
    bool ImprEnviaVazias = false;
    int NumCopias = 1;
    // The draft, read into memory; false when it could not be read.
    bool rascunhoLido = false;
    std::vector<std::string> rascunho;
    // What the job's starter asked to run once it has ended, on the worker
    // thread, right after the device is closed and the flags are cleared:
    // true when the job ended well (every page went out, not cancelled).
    std::function<void(bool)> AoTerminar;
};

// What the worker asks of the windows. Called on the worker thread: the
// implementation passes the request on to the user-interface thread.
class AvisosImpressao {
public:
    virtual ~AvisosImpressao() = default;
    virtual void EscondeProgresso() = 0;
    // "Impressora bloqueada", or "" to clear.
    virtual void MostraBloqueio(const std::string& texto) = 0;
};

// The job's copy of the settings, tables, printing geometry and draft, taken
// on the user-interface thread right after the job's compile.
InstantaneoImpressao TiraInstantaneo();

// The worker's body: copies, pages, end sequence. Runs on the calling thread;
// the device is closed and the flags cleared whatever happens.
void ExecutaImpressao(const InstantaneoImpressao& inst, std::unique_ptr<Dispositivo> disp,
                      AvisosImpressao* avisos);

// The worker thread of one job.
class TThreadImpressao {
public:
    // Starts the worker on the job (Imprimindo must already be set). The
    // thread ends by itself; Termina joins it.
    static void Inicia(std::unique_ptr<InstantaneoImpressao> inst, std::unique_ptr<Dispositivo> disp,
                       AvisosImpressao* avisos);
    // Every worker started has finished its work (boxes included).
    static bool Terminaram();
    // Cancels a running job and, from now on, skips the worker's boxes (the
    // program is closing); then waits for every worker. A caller on the
    // user-interface thread first lets pending boxes through (Terminaram).
    static void CancelaParaSair();
    static void Termina();
};

// The progress window's first label: "Imprimindo", then " cópia c/n"
// once a copy has started, then " pag." and the pages done once past page 1.
std::string TextoProgresso(int copiaAtual, int numCopias, int paginaAtual);

// The first page of the job that the paper of a device drawing its pages
// (a Tiger's) cannot hold whole, said for the user; "" when every page fits.
std::string FolhaNaoComporta(const InstantaneoImpressao& inst, const CapacidadeFolha& folha);

// ---- Starting a job (print dialog) -------------------------------------------
// The texts of the print dialog's fields.
struct CamposImpressao {
    std::string pagInicial, pagFinal, copias, numPagInic, dispositivo;
};

// The steps of a start that reach beyond the job: the program points them at
// the real routines, tests at fakes.
class ServicosInicio {
public:
    virtual ~ServicosInicio() = default;
    virtual bool CarregaTabela() = 0;                   // CarregaTabelaImpressora
    virtual bool EscolheImpressora() = 0;               // print dialog for "PRN"; false: cancelled
    virtual std::unique_ptr<Dispositivo> Abre(const std::string& nome) = 0;
    virtual void MostraProgresso() = 0;
    virtual void EscondeProgresso() = 0;
    virtual bool Compila(const PedidoCompilacao& pedido) = 0; // CompilaRascunho
    virtual InstantaneoImpressao Instantaneo() = 0;     // after the compile
    virtual AvisosImpressao* Avisos() = 0;
};

// btnImprimeClick from the dialog's hide on: the whole start of a job. True
// when the worker was started. A job whose lines would fall off the paper
// of a drawing device is refused before anything is sent.
// aoTerminar becomes the job's AoTerminar; a job that does not start never
// calls it.
bool IniciaImpressao(const CamposImpressao& campos, ServicosInicio& s, std::string& nomeDispositivo,
                     std::function<void(bool)> aoTerminar = {});
