// The platform services in force, their silent default, the single-instance
// lock and the recording fake.
#include "platform/servicos.h"

#include "platform/arquivos.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Plain text up to its first zero byte, as the clipboard carries it.
std::string AteOZero(const std::string& s) { return s.substr(0, s.find('\0')); }

// Without a window system: the clipboard lives in the process, nothing is
// started or opened, no lock is taken and the beep is silent.
class ServicosSilenciosos : public ServicosPlataforma {
public:
    std::string LeAreaTransferencia() override {
        std::lock_guard<std::mutex> l(mtx_);
        return area_;
    }
    bool GravaAreaTransferencia(const std::string& texto) override {
        std::lock_guard<std::mutex> l(mtx_);
        area_ = AteOZero(texto);
        return true;
    }
    bool IniciaPrograma(const std::string&, const std::vector<std::string>&,
                        const std::string&) override {
        return false;
    }
    bool AbreComProgramaDoSistema(const std::string&) override { return false; }
    bool TravaInstancia(const std::string&) override { return true; }
    bool InstanciaAtiva(const std::string&) override { return false; }
    void Bipe() override {}

private:
    std::mutex mtx_;
    std::string area_;
};

ServicosSilenciosos silenciosos;
std::atomic<ServicosPlataforma*> atual{nullptr};

// Locks this process keeps, by name: their open files.
std::mutex mtxTravas;
std::map<std::string, int> travasMantidas;

std::string PastaDeExecucao() {
    const char* x = std::getenv("XDG_RUNTIME_DIR");
    if (x && x[0] == '/') {
        std::string d = CaminhoDoSistema(x);
        if (DiretorioExiste(d)) return d.back() == '/' ? d : d + '/';
    }
    return DirTemporario();
}

} // namespace

ServicosPlataforma& servicos() {
    ServicosPlataforma* s = atual.load();
    return s ? *s : silenciosos;
}

void DefineServicos(ServicosPlataforma* s) { atual.store(s); }

// ---- Single instance ------------------------------------------------------------

std::string ArquivoTravaInstancia(const std::string& nome) {
    const std::string pasta = PastaDeExecucao();
    return pasta.empty() ? std::string() : pasta + nome + ".lock";
}

bool TentaTravaInstancia(const std::string& nome, bool manter) {
    std::lock_guard<std::mutex> l(mtxTravas);
    if (manter && travasMantidas.count(nome)) return true;
    // Close-on-exec: a program started from here must not hold the lock on.
    const std::string arquivo = ArquivoTravaInstancia(nome);
    if (arquivo.empty()) return true;
    const int fd = ::open(CaminhoNativo(arquivo).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return true;
    const bool livre = ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
    if (livre && manter) {
        travasMantidas[nome] = fd;
        return true;
    }
    ::close(fd);   // lets go of the lock, if this call took it
    return livre;
}

void LiberaTravaInstancia(const std::string& nome) {
    std::lock_guard<std::mutex> l(mtxTravas);
    auto it = travasMantidas.find(nome);
    if (it == travasMantidas.end()) return;
    ::close(it->second);
    travasMantidas.erase(it);
}

// ---- Recording fake --------------------------------------------------------------

bool ServicosFalsos::GravaAreaTransferencia(const std::string& texto) {
    if (areaOcupada) return false;
    areaTransferencia = AteOZero(texto);
    gravacoes.push_back(areaTransferencia);
    return true;
}

bool ServicosFalsos::IniciaPrograma(const std::string& programa,
                                    const std::vector<std::string>& argumentos,
                                    const std::string& pasta) {
    programas.push_back({programa, argumentos, pasta});
    return iniciaResultado;
}

bool ServicosFalsos::AbreComProgramaDoSistema(const std::string& arquivo) {
    abertos.push_back(arquivo);
    return abreResultado;
}

bool ServicosFalsos::TravaInstancia(const std::string& nome) {
    if (instanciasAtivas.count(nome)) return false;
    travadas.insert(nome);
    return true;
}

bool ServicosFalsos::InstanciaAtiva(const std::string& nome) {
    return instanciasAtivas.count(nome) > 0 || travadas.count(nome) > 0;
}
