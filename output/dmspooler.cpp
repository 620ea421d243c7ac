// dmspooler: the spooler device and its CUPS raw-job connection.
#include "output/dmspooler.h"

#include "platform/codepage.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

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

    bool Conclui() override {
        if (!c_) return false;
        c_->TerminaPagina();
        const bool ok = c_->Conclui();
        c_->Termina();
        c_.reset();
        return ok;
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
using Relogio = std::chrono::steady_clock;

// The deadline of the waits on one connection: libcups asks Desiste at each
// pause of a wait and gives the wait up once it answers 0.
struct Prazo {
    explicit Prazo(int ms) : ms(std::max(ms, 1)) { Renova(); }
    void Renova() {
        fim = Relogio::now() + std::chrono::milliseconds(ms);
        esgotou = false;
    }
    int Restante() const {
        const auto r = std::chrono::duration_cast<std::chrono::milliseconds>(fim - Relogio::now()).count();
        return static_cast<int>(std::max<long long>(r, 1));
    }
    int ms;
    Relogio::time_point fim;
    bool esgotou = false;
};

int Desiste(http_t*, void* dados) {
    auto* p = static_cast<Prazo*>(dados);
    if (Relogio::now() < p->fim) return 1;
    p->esgotou = true;
    return 0;
}

// Seconds between two looks at the deadline.
double Pausa(int ms) { return std::clamp(ms / 8, 20, 250) / 1000.0; }

void VigiaConexao(http_t* http, Prazo& prazo) { httpSetTimeout(http, Pausa(prazo.ms), Desiste, &prazo); }

// A connection to the server (empty: the default one, a local socket or
// CUPS_SERVER's) whose every wait ends with the deadline.
http_t* Conecta(const std::string& servidor, Prazo& prazo) {
    std::string host = servidor.empty() ? std::string(cupsServer()) : Cp1252ParaUtf8(servidor);
    int porta = ippPort();
    const std::size_t dois = host.rfind(':');
    if (!servidor.empty() && dois != std::string::npos && dois + 1 < host.size() &&
        host.find(':') == dois &&
        host.find_first_not_of("0123456789", dois + 1) == std::string::npos) {
        porta = std::atoi(host.c_str() + dois + 1);
        host.resize(dois);
    }
    http_t* http = httpConnect2(host.c_str(), porta, nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                prazo.Restante(), nullptr);
    if (http) VigiaConexao(http, prazo);
    return http;
}

// The last request on a connection got no answer: the deadline passed, or
// the server could not be reached.
bool NaoRespondeu(const Prazo& prazo) {
    const ipp_status_t e = cupsLastError();
    return prazo.esgotou || e == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || e == IPP_STATUS_ERROR_INTERNAL;
}

// One short request first: libcups waits at least a second for each request
// a silent server gets, and a listing makes several.
bool Responde(http_t* http, const Prazo& prazo) {
    ipp_t* r = cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    const bool respondeu = r != nullptr && !prazo.esgotou;
    ippDelete(r);
    return respondeu;
}

void AvisaNaoResponde(const std::string& servidor) {
    dialogos().MensagemOK(MensagemServidorNaoResponde(servidor));
}

// CUPS has no pages in a raw job: the page events carry no data.
//
// The job is opened on the user-interface thread and written by the print
// worker. libcups keeps its default connection per thread, so the job holds
// a connection of its own and makes every request on it.
class ConexaoCups : public ConexaoSpooler {
public:
    ConexaoCups(cups_dest_t* dests, int ndests, cups_dest_t* dest, http_t* http, cups_dinfo_t* info,
                int job, int limiteMs, std::string servidor)
        : dests_(dests), ndests_(ndests), dest_(dest), http_(http), info_(info), job_(job), prazo_(limiteMs),
          servidor_(std::move(servidor)) {
        VigiaConexao(http_, prazo_);
    }
    ~ConexaoCups() override { Termina(); }

    bool Escreve(std::string_view b) override {
        if (!aberto_) return false;
        prazo_.Renova();
        return cupsWriteRequestData(http_, b.data(), b.size()) == HTTP_STATUS_CONTINUE;
    }
    void IniciaPagina() override {}
    void TerminaPagina() override {}
    void Termina() override {
        Finaliza();
        if (info_) cupsFreeDestInfo(info_);
        info_ = nullptr;
        if (http_) httpClose(http_);
        http_ = nullptr;
        if (dests_) cupsFreeDests(ndests_, dests_);
        dests_ = nullptr;
    }
    // Ends the document; true when the server took the job, and when it did
    // not answer the user is told.
    bool Conclui() override {
        if (Finaliza()) return true;
        if (NaoRespondeu(prazo_)) AvisaNaoResponde(servidor_);
        return false;
    }
    // The same, silent.
    bool Finaliza() {
        if (!aberto_) return false;
        aberto_ = false;
        prazo_.Renova();
        // A wait given up at the deadline leaves the last request's status:
        // only an answer in time is the server taking the job.
        return cupsFinishDestDocument(http_, dest_, info_) == IPP_STATUS_OK && !prazo_.esgotou;
    }
    bool Inicia(const std::string& titulo, const char* formato) {
        prazo_.Renova();
        aberto_ = cupsStartDestDocument(http_, dest_, info_, job_, titulo.c_str(), formato, 0, nullptr, 1) ==
                  HTTP_STATUS_CONTINUE;
        return aberto_;
    }
    void Cancela() {
        aberto_ = false;
        prazo_.Renova();
        cupsCancelDestJob(http_, dest_, job_);
    }
    const Prazo& prazo() const { return prazo_; }

private:
    cups_dest_t* dests_;
    int ndests_;
    cups_dest_t* dest_;
    http_t* http_;
    cups_dinfo_t* info_;
    int job_;
    Prazo prazo_;
    std::string servidor_;
    bool aberto_ = false;
};

// A job of the given format on the printer of the server, started and ready
// for its data.
std::unique_ptr<ConexaoCups> AbreTrabalho(const std::string& impressora, const std::string& documento,
                                          const std::string& servidor, const char* formato, int limiteMs) {
    if (impressora.empty()) return nullptr;
    Prazo prazo(limiteMs);
    http_t* http = Conecta(servidor, prazo);
    if (!http || !Responde(http, prazo)) {
        if (http) httpClose(http);
        AvisaNaoResponde(servidor);
        return nullptr;
    }
    cups_dest_t* dests = nullptr;
    const int n = cupsGetDests2(http, &dests);
    const std::string nome = Cp1252ParaUtf8(impressora);
    cups_dest_t* dest = cupsGetDest(nome.c_str(), nullptr, n, dests);
    cups_dinfo_t* info = dest ? cupsCopyDestInfo(http, dest) : nullptr;
    int job = 0;
    const std::string titulo = Cp1252ParaUtf8(documento.empty() ? std::string("Dotmara") : documento);
    if (!info || cupsCreateDestJob(http, dest, info, &job, titulo.c_str(), 0, nullptr) != IPP_STATUS_OK) {
        const bool calado = NaoRespondeu(prazo);
        if (info) cupsFreeDestInfo(info);
        httpClose(http);
        cupsFreeDests(n, dests);
        if (calado) AvisaNaoResponde(servidor);
        return nullptr;
    }
    auto c = std::make_unique<ConexaoCups>(dests, n, dest, http, info, job, limiteMs, servidor);
    if (!c->Inicia(titulo, formato)) {
        const bool calado = NaoRespondeu(c->prazo());
        c->Cancela();
        if (calado) AvisaNaoResponde(servidor);
        return nullptr;
    }
    return c;
}
#endif

}  // namespace

std::unique_ptr<Dispositivo> CriaDispositivoSpooler(std::unique_ptr<ConexaoSpooler> c) {
    if (!c) return nullptr;
    return std::make_unique<DispositivoSpooler>(std::move(c));
}

std::unique_ptr<ConexaoSpooler> AbreSpoolerRaw(const std::string& impressora,
                                               const std::string& documento,
                                               const std::string& servidor, int limiteMs) {
#ifdef DOTMARA_CUPS
    return AbreTrabalho(impressora, documento, servidor, CUPS_FORMAT_RAW, limiteMs);
#else
    (void)impressora;
    (void)documento;
    (void)servidor;
    (void)limiteMs;
    return nullptr;
#endif
}

bool EnviaPdfParaFila(const std::string& impressora, const std::string& arquivoPdf,
                      const std::string& documento, int limiteMs) {
#ifdef DOTMARA_CUPS
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(Cp1252ParaUtf8(arquivoPdf).c_str(), "rb"),
                                                       &std::fclose);
    if (!f) return false;
    auto c = AbreTrabalho(impressora, documento, std::string(), CUPS_FORMAT_PDF, limiteMs);
    if (!c) return false;
    std::vector<char> bloco(64 * 1024);
    std::size_t lidos;
    while ((lidos = std::fread(bloco.data(), 1, bloco.size(), f.get())) > 0) {
        if (!c->Escreve(std::string_view(bloco.data(), lidos))) {
            const bool calado = NaoRespondeu(c->prazo());
            c->Cancela();
            if (calado) AvisaNaoResponde(std::string());
            return false;
        }
    }
    if (std::ferror(f.get())) {
        c->Cancela();
        return false;
    }
    return c->Conclui();
#else
    (void)impressora;
    (void)arquivoPdf;
    (void)documento;
    (void)limiteMs;
    return false;
#endif
}

FilasImpressao ConsultaFilasImpressao(const std::string& servidor, int limiteMs) {
    FilasImpressao r;
#ifdef DOTMARA_CUPS
    Prazo prazo(limiteMs);
    http_t* http = Conecta(servidor, prazo);
    if (!http || !Responde(http, prazo)) {
        r.calado = prazo.esgotou;
        if (http) httpClose(http);
        return r;
    }
    cups_dest_t* dests = nullptr;
    const int n = cupsGetDests2(http, &dests);
    r.quantas = std::max(n, 0);
    r.responde = n > 0 || !NaoRespondeu(prazo);
    r.calado = !r.responde && prazo.esgotou;
    cupsFreeDests(n, dests);
    httpClose(http);
#else
    (void)servidor;
    (void)limiteMs;
#endif
    return r;
}

std::string MensagemSemFilaImpressao() {
    return "Nenhuma impressora está instalada no sistema: o CUPS não tem nenhuma fila de impressão."_cp
           "\r\nPara gravar o braille num arquivo, escreva o nome do arquivo em \"Dispositivo de "_cp
           "impressão:\" no lugar de PRN."_cp;
}

std::string MensagemServidorNaoRespondeTexto() {
    return "O servidor de impressão (CUPS) não responde: o texto não foi impresso."_cp
           "\r\nVerifique se o serviço de impressão está funcionando."_cp;
}

std::string MensagemServidorNaoResponde(const std::string& servidor) {
    if (!servidor.empty())
        return "O servidor de impressão "_cp + servidor +
               " não responde: nada foi enviado à impressora.\r\nVerifique se ele está ligado e se o "_cp
               "serviço de impressão (CUPS) está funcionando nele."_cp;
    return "O servidor de impressão (CUPS) não responde: nada foi enviado à impressora."_cp
           "\r\nVerifique se o serviço de impressão está funcionando.\r\nPara gravar o braille num "_cp
           "arquivo, escreva o nome do arquivo em \"Dispositivo de impressão:\" no lugar de PRN."_cp;
}
