// Recording fakes of the output device layer: a device that keeps every
// string it is sent (and can fail or cancel on a chosen write), a spooler
// connection that records its page events, a Tiger drawing surface, and the
// print job's notices.
#pragma once

#include "output/dmdevice.h"
#include "output/dmprint.h"
#include "output/dmspooler.h"
#include "output/dmTigerSaida.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct RegistroDispositivo {
    std::mutex mtx;
    std::vector<std::string> envios;
    std::vector<std::string> graficos;  // "c0,r0,nc,nr"
    bool fechado = false;
    int fechamentos = 0;
    int conclusoes = 0;

    std::string Tudo() {
        std::lock_guard<std::mutex> g(mtx);
        std::string s;
        for (const auto& e : envios) s += e;
        return s;
    }
};

class DispositivoFalso : public Dispositivo {
public:
    explicit DispositivoFalso(std::shared_ptr<RegistroDispositivo> r, bool arquivo = false)
        : r_(std::move(r)), arquivo_(arquivo) {}
    // Write number n (from 1) fails; 0: none.
    int falhaNoEnvio = 0;
    // Called before each write with its number (from 1).
    std::function<void(int)> antesDoEnvio;

    bool Envia(std::string_view texto) override {
        ++n_;
        if (antesDoEnvio) antesDoEnvio(n_);
        if (falhaNoEnvio != 0 && n_ >= falhaNoEnvio) return false;
        std::lock_guard<std::mutex> g(r_->mtx);
        r_->envios.emplace_back(texto);
        return true;
    }
    bool EnviaGrafico(const MatrizPontos& m, int c0, int r0, int nc, int nr) override {
        std::lock_guard<std::mutex> g(r_->mtx);
        r_->graficos.push_back(std::to_string(c0) + "," + std::to_string(r0) + "," +
                               std::to_string(nc) + "," + std::to_string(nr));
        return aceitaGrafico;
    }
    bool Conclui() override {
        std::lock_guard<std::mutex> g(r_->mtx);
        ++r_->conclusoes;
        return concluiOk;
    }
    void Fecha() override {
        std::lock_guard<std::mutex> g(r_->mtx);
        r_->fechado = true;
        ++r_->fechamentos;
    }
    bool EhArquivo() const override { return arquivo_; }
    std::optional<CapacidadeFolha> Capacidade() const override { return capacidade; }
    bool aceitaGrafico = false;
    bool concluiOk = true;
    // The paper of a drawing device; none: a byte stream.
    std::optional<CapacidadeFolha> capacidade;

private:
    std::shared_ptr<RegistroDispositivo> r_;
    bool arquivo_;
    int n_ = 0;
};

// Spooler connection that records "W:<bytes>", "IP" (page start), "TP" (page
// end) and "FIM".
class ConexaoSpoolerFalsa : public ConexaoSpooler {
public:
    explicit ConexaoSpoolerFalsa(std::vector<std::string>* ev) : ev_(ev) {}
    bool falhaEscrita = false;
    bool concluiOk = true;
    bool Escreve(std::string_view b) override {
        if (falhaEscrita) return false;
        ev_->push_back("W:" + std::string(b));
        return true;
    }
    void IniciaPagina() override { ev_->push_back("IP"); }
    void TerminaPagina() override { ev_->push_back("TP"); }
    void Termina() override { ev_->push_back("FIM"); }
    bool Conclui() override {
        ev_->push_back("CONCLUI");
        return concluiOk;
    }

private:
    std::vector<std::string>* ev_;
};

// Drawing surface that records each call. The "x" of the braille font is
// 50 x 80 units; every other text is 50 units per character.
class SuperficieFalsa : public SuperficieTiger {
public:
    explicit SuperficieFalsa(std::vector<std::string>* ev) : ev_(ev) {}
    Abertura resultado = Abertura::Ok;
    bool falhaTexto = false;
    bool terminaOk = true;
    CapacidadeFolha capacidade{34, 28};

    Abertura Inicia(const std::string& doc, const FolhaTiger&) override {
        ev_->push_back("INICIA " + doc);
        return resultado;
    }
    CapacidadeFolha Capacidade() const override { return capacidade; }
    ExtensaoTexto Mede(const std::string& t) override {
        return {static_cast<int>(t.size()) * 50, 80};
    }
    bool Texto(int x, int y, const std::string& t) override {
        if (falhaTexto) return false;
        ev_->push_back("T " + std::to_string(x) + "," + std::to_string(y) + " " + t);
        return true;
    }
    bool Ponto(int x, int y) override {
        ev_->push_back("P " + std::to_string(x) + "," + std::to_string(y));
        return true;
    }
    bool NovaPagina() override {
        ev_->push_back("PAGINA");
        return true;
    }
    bool Termina() override {
        ev_->push_back("TERMINA");
        return terminaOk;
    }
    void Descarta() override { ev_->push_back("DESCARTA"); }

private:
    std::vector<std::string>* ev_;
};

// The job's notices: counts the hidings of the progress window.
class AvisosFalsos : public AvisosImpressao {
public:
    std::atomic<int> escondidas{0};
    void EscondeProgresso() override { ++escondidas; }
    void MostraBloqueio(const std::string&) override {}
};
