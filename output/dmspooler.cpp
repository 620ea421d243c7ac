// dmspooler: the spooler device and its CUPS raw-job connection.
#include "output/dmspooler.h"

#include "platform/codepage.h"
#include "platform/texto.h"

#ifdef DOTMARA_CUPS
#include <cups/cups.h>
#endif

namespace {

class DispositivoSpooler : public Dispositivo {
public:
    explicit DispositivoSpooler(std::unique_ptr<ConexaoSpooler> c) : c_(std::move(c)) {
        c_->IniciaPagina();
    }
    ~DispositivoSpooler() override { Fecha(); }

    bool Envia(std::string_view texto) override {
        if (!c_) return false;
        while (!texto.empty() && texto.front() == '\x0c') {
            if (!c_->Escreve(texto.substr(0, 1))) return false;
            c_->TerminaPagina();
            texto.remove_prefix(1);
            c_->IniciaPagina();
        }
        if (texto.empty()) return true;
        return c_->Escreve(texto);
    }

    void Fecha() override {
        if (!c_) return;
        c_->TerminaPagina();
        c_->Termina();
        c_.reset();
    }

private:
    std::unique_ptr<ConexaoSpooler> c_;
};

#ifdef DOTMARA_CUPS
// CUPS has no pages in a raw job: the page events carry no data.
//
// The job is opened on the user-interface thread and written by the print
// worker. libcups keeps its default connection per thread, so the job holds
// a connection of its own and makes every request on it.
class ConexaoCups : public ConexaoSpooler {
public:
    ConexaoCups(cups_dest_t* dests, int ndests, cups_dest_t* dest, http_t* http, cups_dinfo_t* info,
                int job)
        : dests_(dests), ndests_(ndests), dest_(dest), http_(http), info_(info), job_(job) {}
    ~ConexaoCups() override { Termina(); }

    bool Escreve(std::string_view b) override {
        if (!aberto_) return false;
        return cupsWriteRequestData(http_, b.data(), b.size()) == HTTP_STATUS_CONTINUE;
    }
    void IniciaPagina() override {}
    void TerminaPagina() override {}
    void Termina() override {
        if (aberto_) {
            cupsFinishDestDocument(http_, dest_, info_);
            aberto_ = false;
        }
        if (info_) cupsFreeDestInfo(info_);
        info_ = nullptr;
        if (http_) httpClose(http_);
        http_ = nullptr;
        if (dests_) cupsFreeDests(ndests_, dests_);
        dests_ = nullptr;
    }
    bool Inicia(const std::string& titulo) {
        aberto_ = cupsStartDestDocument(http_, dest_, info_, job_, titulo.c_str(), CUPS_FORMAT_RAW, 0,
                                        nullptr, 1) == HTTP_STATUS_CONTINUE;
        return aberto_;
    }
    void Cancela() { cupsCancelDestJob(http_, dest_, job_); }

private:
    cups_dest_t* dests_;
    int ndests_;
    cups_dest_t* dest_;
    http_t* http_;
    cups_dinfo_t* info_;
    int job_;
    bool aberto_ = false;
};
#endif

}  // namespace

std::unique_ptr<Dispositivo> CriaDispositivoSpooler(std::unique_ptr<ConexaoSpooler> c) {
    if (!c) return nullptr;
    return std::make_unique<DispositivoSpooler>(std::move(c));
}

std::unique_ptr<ConexaoSpooler> AbreSpoolerRaw(const std::string& impressora,
                                               const std::string& documento,
                                               const std::string& servidor) {
#ifdef DOTMARA_CUPS
    const std::string host = Cp1252ParaUtf8(servidor);
    // Another computer's queues are listed on a connection to it.
    http_t* lista = CUPS_HTTP_DEFAULT;
    if (!host.empty()) {
        lista = httpConnect2(host.c_str(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30000, nullptr);
        if (!lista) return nullptr;
    }
    cups_dest_t* dests = nullptr;
    int n = cupsGetDests2(lista, &dests);
    if (lista != CUPS_HTTP_DEFAULT) httpClose(lista);
    std::string nome = Cp1252ParaUtf8(impressora);
    cups_dest_t* dest = cupsGetDest(nome.empty() ? nullptr : nome.c_str(), nullptr, n, dests);
    // The server the default connection would reach (or the one named), on
    // a connection of the job's own.
    http_t* http = dest ? httpConnect2(host.empty() ? cupsServer() : host.c_str(), ippPort(), nullptr,
                                       AF_UNSPEC, cupsEncryption(), 1, 30000, nullptr)
                        : nullptr;
    cups_dinfo_t* info = http ? cupsCopyDestInfo(http, dest) : nullptr;
    int job = 0;
    std::string titulo = Cp1252ParaUtf8(documento.empty() ? std::string("Dotmara") : documento);
    if (!info || cupsCreateDestJob(http, dest, info, &job, titulo.c_str(), 0, nullptr) != IPP_STATUS_OK) {
        if (info) cupsFreeDestInfo(info);
        if (http) httpClose(http);
        cupsFreeDests(n, dests);
        return nullptr;
    }
    auto c = std::make_unique<ConexaoCups>(dests, n, dest, http, info, job);
    if (!c->Inicia(titulo)) {
        c->Cancela();
        return nullptr;
    }
    return c;
#else
    (void)impressora;
    (void)documento;
    (void)servidor;
    return nullptr;
#endif
}

int QuantasFilasImpressao() {
#ifdef DOTMARA_CUPS
    cups_dest_t* dests = nullptr;
    const int n = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    cupsFreeDests(n, dests);
    return n < 0 ? 0 : n;
#else
    return 0;
#endif
}

std::string MensagemSemFilaImpressao() {
    return "Nenhuma impressora está instalada no sistema: o CUPS não tem nenhuma fila de impressão."_cp
           "\r\nPara gravar o braille num arquivo, escreva o nome do arquivo em \"Dispositivo de "_cp
           "impressão:\" no lugar de PRN."_cp;
}
