// dmcom, dmlpt: the serial and parallel port back-ends of the device layer.
// A serial embosser runs at 9600 baud, 8 data bits, no parity, one stop bit,
// with output post-processing off so the renderer's CR LF go out unchanged;
// it is written only while it raises CTS and DSR.
#pragma once

#include "output/dmdevice.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// Writes every byte of s to fd, retrying short writes and interruptions and
// waiting while the descriptor is not ready. False on any error, and when the
// cancel request is set while the device does not take the bytes.
bool EscreveTudoFd(int fd, std::string_view s, const std::atomic<bool>* cancela = nullptr);

// "COM1" -> "/dev/ttyS0", "COM2" -> "/dev/ttyS1"; "LPT1".."LPT3" -> /dev/lp0..2.
std::string CaminhoSerial(const std::string& nomeMaiusculo);
std::string CaminhoParalela(const std::string& nomeMaiusculo);

// Puts an open tty in the embosser's mode. False when the port cannot be set
// up (then the open fails).
bool ConfiguraSerial(int fd);

// Modem status of a tty: true unless both CTS and DSR are on. When the status
// cannot be read (no modem lines, e.g. a pseudo-terminal) the port counts as
// ready.
bool ComBloqueada(int fd);

struct OpcoesSerial {
    // Replaces the modem status (tests); empty: ComBloqueada on the port.
    std::function<bool()> bloqueada;
    // Poll interval of the blocked wait.
    int intervaloMs = 500;
    // The job's cancel request: ends the blocked wait, the write then fails.
    const std::atomic<bool>* cancela = nullptr;
    // "Impressora bloqueada" while blocked, "" when writing resumes.
    std::function<void(const std::string&)> aviso;
    // Bytes still queued for the port (tests); empty: the port's output
    // queue.
    std::function<int()> pendentes;
};

// Bytes written to a tty that have not yet gone out; 0 when unknown.
int SaidaPendente(int fd);

// Opens and sets up the serial port at path (a tty); nullptr on failure.
std::unique_ptr<Dispositivo> AbreCom(const std::string& caminho, OpcoesSerial op);
// Opens the parallel port at path for writing; nullptr on failure. A printer
// that takes nothing keeps the write waiting until the cancel request.
std::unique_ptr<Dispositivo> AbreLpt(const std::string& caminho,
                                     const std::atomic<bool>* cancela = nullptr);
