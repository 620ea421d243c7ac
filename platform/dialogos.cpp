// The dialog service in force, its silent default and the recording fake.
#include "platform/dialogos.h"

#include "platform/codepage.h"

#include <atomic>
#include <cstdio>

namespace {

class DialogosSilenciosos : public Dialogos {
public:
    int MensagemOK(const std::string& texto) override {
        std::fprintf(stderr, "dotmara: %s\n", Cp1252ParaUtf8(texto).c_str());
        return mrOk;
    }
    int Caixa(const std::string& texto, const std::string& titulo, Icone, Botoes b, bool) override {
        std::fprintf(stderr, "dotmara: %s: %s\n", Cp1252ParaUtf8(titulo).c_str(),
                     Cp1252ParaUtf8(texto).c_str());
        return b == Botoes::YesNo || b == Botoes::YesNoCancel ? mrYes : mrOk;
    }
    bool EditaLinha(const std::string&, const std::string&, std::string&) override { return false; }
    void MostraEspere(const std::string&) override {}
    void EscondeEspere() override {}
    void MensagemRapida(const std::string& texto) override {
        std::fprintf(stderr, "dotmara: %s\n", Cp1252ParaUtf8(texto).c_str());
    }
};

DialogosSilenciosos silenciosos;
std::atomic<Dialogos*> atual{nullptr};

} // namespace

Dialogos& dialogos() {
    Dialogos* d = atual.load();
    return d ? *d : silenciosos;
}

void DefineDialogos(Dialogos* d) { atual.store(d); }

int DialogosFalsos::ProximaResposta() {
    if (respostas.empty())
        return respostaPadrao;
    int r = respostas.front();
    respostas.pop_front();
    return r;
}

int DialogosFalsos::MensagemOK(const std::string& texto) {
    std::lock_guard<std::mutex> l(mtx_);
    registros.push_back({Tipo::MensagemOK, texto, "Dotmara", Icone::Nenhum, Botoes::OK, false, esperaVisivel});
    return ProximaResposta();
}

int DialogosFalsos::Caixa(const std::string& texto, const std::string& titulo, Icone icone,
                          Botoes botoes, bool semDono) {
    std::lock_guard<std::mutex> l(mtx_);
    registros.push_back({Tipo::Caixa, texto, titulo, icone, botoes, semDono, esperaVisivel});
    return ProximaResposta();
}

bool DialogosFalsos::EditaLinha(const std::string& titulo, const std::string& prompt,
                                std::string& s) {
    std::lock_guard<std::mutex> l(mtx_);
    registros.push_back({Tipo::EditaLinha, prompt, titulo, Icone::Nenhum, Botoes::OKCancel, false});
    if (linhas.empty())
        return false;
    auto r = linhas.front();
    linhas.pop_front();
    if (!r)
        return false;
    s = *r;
    return true;
}

void DialogosFalsos::MostraEspere(const std::string& texto) {
    std::lock_guard<std::mutex> l(mtx_);
    registros.push_back({Tipo::Espere, texto, "Dotmara", Icone::Nenhum, Botoes::OK, false});
    esperaVisivel = true;
}

void DialogosFalsos::EscondeEspere() {
    std::lock_guard<std::mutex> l(mtx_);
    esperaVisivel = false;
}

void DialogosFalsos::MensagemRapida(const std::string& texto) {
    std::lock_guard<std::mutex> l(mtx_);
    registros.push_back({Tipo::MensagemRapida, texto, "Dotmara", Icone::Nenhum, Botoes::OK, false, esperaVisivel});
}

std::vector<std::string> DialogosFalsos::Textos() const {
    std::lock_guard<std::mutex> l(mtx_);
    std::vector<std::string> t;
    for (const auto& r : registros)
        t.push_back(r.texto);
    return t;
}

void DialogosFalsos::Limpa() {
    std::lock_guard<std::mutex> l(mtx_);
    registros.clear();
    respostas.clear();
    linhas.clear();
}
