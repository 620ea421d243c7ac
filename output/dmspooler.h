// dmspooler: raw jobs on the system's print spooler ("PRN" with a model that
// is not a Tiger). The connection (a spooler job with pages) is kept apart
// from the byte rules: a form feed that leads a string is written and then
// ends the spooler page; form feeds inside a string are ordinary bytes.
//
// Every wait on the print server is bounded: a server that is stopped, or
// hung with its socket still accepting, is given up on after a few seconds
// and the user is told that it does not answer.
#pragma once

#include "output/dmdevice.h"

#include <memory>
#include <string>
#include <string_view>

// One raw job on the spooler.
class ConexaoSpooler {
public:
    virtual ~ConexaoSpooler() = default;
    virtual bool Escreve(std::string_view bytes) = 0;
    virtual void IniciaPagina() = 0;
    virtual void TerminaPagina() = 0;
    // Ends the job (errors ignored).
    virtual void Termina() = 0;
    // Ends the job of a print that went well (Termina follows); true when
    // the print server took it whole.
    virtual bool Conclui() { return true; }
};

// The device over a connection: starts the first page on opening, ends the
// last page and the job on closing. A job that went well is concluded first,
// and is no success when the print server did not take it.
std::unique_ptr<Dispositivo> CriaDispositivoSpooler(std::unique_ptr<ConexaoSpooler> c);

// How long any one wait on the print server may last.
inline constexpr int LimiteServidorMs = 3000;

// A raw job on the printer (never empty: there is no default destination)
// of the print server (empty: this computer's; "host:porta" names a port)
// with the document name; nullptr when the server, the printer or the job
// cannot be had. A server that does not answer within limiteMs is said so
// (MensagemServidorNaoResponde) before nullptr is returned; each later write
// of the job is bounded the same way.
std::unique_ptr<ConexaoSpooler> AbreSpoolerRaw(const std::string& impressora,
                                               const std::string& documento,
                                               const std::string& servidor = std::string(),
                                               int limiteMs = LimiteServidorMs);

// Sends a PDF file as one job to the printer of this computer's print server,
// with the same bounds and message; true when the server took the whole job.
bool EnviaPdfParaFila(const std::string& impressora, const std::string& arquivoPdf,
                      const std::string& documento, int limiteMs = LimiteServidorMs);

// What the print server says of its queues.
struct FilasImpressao {
    bool responde = false;  // it answered within the limit
    int quantas = 0;        // queues it offers
    bool calado = false;    // it was reached but let the limit pass (a hung server)
};
// Asks the print server (empty: this computer's; "host:porta" names a port),
// giving up after limiteMs in all.
FilasImpressao ConsultaFilasImpressao(const std::string& servidor = std::string(),
                                      int limiteMs = LimiteServidorMs);

// What to tell the user when "PRN" is asked for and there is no queue.
std::string MensagemSemFilaImpressao();
// What to tell the user when the print server (empty: this computer's) did
// not answer.
std::string MensagemServidorNaoResponde(const std::string& servidor = std::string());
// The same for the ink text ("Imprimir Texto"), which goes to the system's
// printers only.
std::string MensagemServidorNaoRespondeTexto();
