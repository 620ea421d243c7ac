// dmspooler: raw jobs on the system's print spooler ("PRN" with a model that
// is not a Tiger). The connection (a spooler job with pages) is kept apart
// from the byte rules: a form feed that leads a string is written and then
// ends the spooler page; form feeds inside a string are ordinary bytes.
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
};

// The device over a connection: starts the first page on opening, ends the
// last page and the job on closing.
std::unique_ptr<Dispositivo> CriaDispositivoSpooler(std::unique_ptr<ConexaoSpooler> c);

// A raw job on the printer (empty: the default destination) of the print
// server (empty: this computer's) with the document name; nullptr when the
// server, the printer or the job cannot be had.
std::unique_ptr<ConexaoSpooler> AbreSpoolerRaw(const std::string& impressora,
                                               const std::string& documento,
                                               const std::string& servidor = std::string());

// How many print queues the spooler offers (0 without one, or when it
// cannot be reached): "PRN" needs at least one.
int QuantasFilasImpressao();
// What to tell the user when "PRN" is asked for and there is no queue.
std::string MensagemSemFilaImpressao();
