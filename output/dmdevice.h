// dmdevice: the output device layer. One device is open at a time, chosen by
// name ("COM1", "COM2", "LPT1".."LPT3", "PRN", anything else an output file);
// the page renderer writes byte strings to it and the layer only gives form
// feeds their device-specific meaning.
//
// Each output path is one implementation of the small interface Dispositivo.
// The print job owns the device it opened and hands it to the renderer, so
// nothing below ever opens /dev behind the caller's back.
#pragma once

#include "output/dmgrafpr.h"

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A page that is drawn rather than fed as bytes (a Tiger's): the cells
// across and the lines down whose dots all fall on the paper.
struct CapacidadeFolha {
    int celas = 0;
    int linhas = 0;
};

// The paper of a drawn page, from the embosser settings: "Colunas" cells
// across and "PolegsForm" inches long.
struct FolhaTiger {
    int colunas = 36;
    int polegadas = 11;
};

// One open output device.
class Dispositivo {
public:
    virtual ~Dispositivo() = default;
    // Writes the bytes; false when they did not all go out.
    virtual bool Envia(std::string_view texto) = 0;
    // Draws a block of the page matrix (only the Tiger driver can).
    virtual bool EnviaGrafico(const MatrizPontos& m, int c0, int r0, int nc, int nr) {
        return false;
    }
    // Hands over what was sent, at the end of a job that went well (a drawn
    // job goes to its printer or file here); false when that failed.
    virtual bool Conclui() { return true; }
    // Closes the device; errors are ignored. A drawn job that was not
    // concluded is dropped.
    virtual void Fecha() = 0;
    // The paper of a device that draws its pages; none for a byte stream.
    virtual std::optional<CapacidadeFolha> Capacidade() const { return std::nullopt; }
    // The output goes to a file (not a port, the spooler or the Tiger).
    virtual bool EhArquivo() const { return false; }
};

// ---- Names -----------------------------------------------------------------
// Windows upper-casing of ANSI text (Latin-1 letters included).
std::string MaiusculasAnsi(const std::string& s);
// The device names, compared as whole upper-cased strings.
bool NomeEhSerial(const std::string& maiusculo);
bool NomeEhParalela(const std::string& maiusculo);
bool NomeEhSpooler(const std::string& maiusculo);
// A network printer: a name that begins with two backslashes,
// "\\servidor\fila". Here a raw job on the print queue fila of the CUPS
// server servidor ("127.0.0.1" or "localhost": this computer's own).
bool NomeEhRede(const std::string& nome);
// The server (empty for this computer) and the queue of a network name;
// false when the name is not one or names no queue.
bool FilaDeRede(const std::string& nome, std::string& servidor, std::string& fila);

// ---- Output file -----------------------------------------------------------
// Output file: created empty; each string written as it is and flushed. With
// the model "Puma 7" (exactly) a string that is one form feed becomes a line
// of 50 "-" followed by CR LF.
std::unique_ptr<Dispositivo> AbreArquivoSaida(const std::string& nome, const std::string& modelo);

// ---- Back-ends the program installs (tests install fakes) -------------------
// Context for opening a device: what the print job knows at its start.
struct PedidoDispositivo {
    std::string nome;            // as the user typed it
    std::string modelo;          // ImprMarca
    bool tiger = false;          // ModeloEhTiger(modelo)
    std::string documento;       // ArqAtual: the spooler's document name
    std::string impressora;      // DispImpressora (empty: default destination)
    std::string servidor;        // the print server (empty: this computer's)
    std::string porta;           // PortaImpressora
    std::string driver;          // DriverImpressora
    FolhaTiger folha;            // ImprColunas, ImprPolegsForm
    // Cancel request of the job: ends the wait of a blocked serial port.
    const std::atomic<bool>* cancela = nullptr;
    // Shows or clears "Impressora bloqueada" on the progress window.
    std::function<void(const std::string&)> avisoBloqueio;
};

using FabricaDispositivo = std::function<std::unique_ptr<Dispositivo>(const PedidoDispositivo&)>;

// Each back-end can be replaced (nullptr restores the real one). The Tiger
// back-end needs the Qt printer, so the window layer installs it; without it a
// Tiger "PRN" cannot be opened.
void DefineFabricaSerial(FabricaDispositivo f);
void DefineFabricaParalela(FabricaDispositivo f);
void DefineFabricaSpooler(FabricaDispositivo f);
void DefineFabricaTiger(FabricaDispositivo f);

// Opens the device named in the request by the routing rules. nullptr on
// failure (the caller reports it).
std::unique_ptr<Dispositivo> AbreDispositivoPedido(const PedidoDispositivo& p);

// ---- Program-wide state and the procedural interface ------------------------
// Name of the device opened last: upper-cased for ports and "PRN", as given
// for an output file.
extern std::string DispositivoAtual;
// The configured embosser model is a Tiger (ModeloEhTiger(ImprMarca)).
extern std::atomic<bool> EhTiger;
void AtualizaEhTiger();

// Opens the device of that name for a job, from the settings in force.
// The device is kept until the print job takes it (TomaDispositivo) or
// FechaDispositivo closes it.
bool AbreDispositivo(const std::string& nome);
bool EnviaDispositivo(const std::string& texto);
bool EnviaGraficoDispositivo(const MatrizPontos& m, int c0, int r0, int nc, int nr);
void FechaDispositivo();
// True when DispositivoAtual is none of the six device names nor a network
// printer.
bool DispositivoEhArquivo();
// Hands the open device over (the print job becomes its owner).
std::unique_ptr<Dispositivo> TomaDispositivo();
// Cancel flag and blocked-port notice used by the next AbreDispositivo.
void DefineContextoAbertura(const std::atomic<bool>* cancela,
                            std::function<void(const std::string&)> avisoBloqueio);
