// dmTigerSaida: the Tiger device: text lines and graphic dots on the surface.
#include "output/dmTigerSaida.h"

#include "output/dmTiger.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

namespace {

class DispositivoTiger : public Dispositivo {
public:
    explicit DispositivoTiger(std::unique_ptr<SuperficieTiger> s) : s_(std::move(s)) {}
    ~DispositivoTiger() override { Fecha(); }

    bool Abre(const std::string& documento, const FolhaTiger& folha) {
        switch (s_->Inicia(documento, folha)) {
        case SuperficieTiger::Abertura::SemImpressora:
            dialogos().Caixa("Não consegui ativar a impressora Tiger"_cp, "Dotmara - Erro",
                             Icone::Erro, Botoes::OK, true);
            s_.reset();
            return false;
        case SuperficieTiger::Abertura::FalhaFonte:
            s_->Descarta();
            s_.reset();
            return false;
        case SuperficieTiger::Abertura::Ok:
            break;
        }
        ExtensaoTexto x = s_->Mede("x");
        alturaLinha_ = x.altura;
        // The braille font cell is 5 graphic units wide and 8 high.
        passoX_ = x.largura / 5;
        passoY_ = x.altura / 8;
        posX_ = posY_ = 0;
        return true;
    }

    // EscreveTiger. A form feed only asks for the next page; the page is
    // started when something is drawn on it.
    bool Envia(std::string_view texto) override {
        if (!s_) return false;
        while (!texto.empty() && texto.front() == '\x0c') {
            ++paginasPedidas_;
            posX_ = posY_ = 0;
            texto.remove_prefix(1);
        }
        if (texto.empty()) return true;
        bool lf = false, cr = false;
        if (!texto.empty() && texto.back() == '\n') {
            lf = true;
            texto.remove_suffix(1);
        }
        if (!texto.empty() && texto.back() == '\r') {
            cr = true;
            texto.remove_suffix(1);
        }
        std::string t(texto);
        ExtensaoTexto e = s_->Mede(t);
        // Blanks draw nothing: they only move the pen.
        if (t.find_first_not_of(' ') != std::string::npos && (!IniciaPaginas() || !s_->Texto(posX_, posY_, t)))
            return false;
        if (lf) posY_ += alturaLinha_;
        if (cr)
            posX_ = 0;
        else
            posX_ += e.largura;
        return true;
    }

    // GraficoTiger: the block drawn from the current text line down; the text
    // position does not move.
    bool EnviaGrafico(const MatrizPontos& m, int c0, int r0, int nc, int nr) override {
        if (!s_) return false;
        int y = posY_;
        for (int r = r0; r < r0 + nr; ++r) {
            if (r < 0 || r >= LadoMatriz) {
                y += MultYTiger * passoY_;
                continue;
            }
            int x = (c0 + 1) * passoX_;
            for (int c = c0; c < c0 + nc; ++c) {
                bool dentro = c >= 0 && c < LadoMatriz;
                if (dentro && m[static_cast<std::size_t>(c) + static_cast<std::size_t>(r) * LadoMatriz] != 0 &&
                    (!IniciaPaginas() || !s_->Ponto(x, y)))
                    return false;
                x += MultXTiger * passoX_;
            }
            y += MultYTiger * passoY_;
        }
        return true;
    }

    bool Conclui() override {
        if (!s_) return false;
        const bool ok = s_->Termina();
        s_.reset();
        return ok;
    }

    void Fecha() override {
        if (s_) {
            s_->Descarta();
            s_.reset();
        }
    }

    std::optional<CapacidadeFolha> Capacidade() const override {
        if (!s_) return std::nullopt;
        return s_->Capacidade();
    }

private:
    // Starts the pages asked for since the last drawing (the first page, the
    // blank pages between, the page drawn on now).
    bool IniciaPaginas() {
        for (; paginasPedidas_ > 0; --paginasPedidas_)
            if (!s_->NovaPagina()) return false;
        return true;
    }

    std::unique_ptr<SuperficieTiger> s_;
    int paginasPedidas_ = 1;
    int posX_ = 0, posY_ = 0;
    int alturaLinha_ = 0;
    int passoX_ = 0, passoY_ = 0;
};

}  // namespace

std::unique_ptr<Dispositivo> AbreTiger(std::unique_ptr<SuperficieTiger> s, const std::string& documento,
                                       const FolhaTiger& folha) {
    if (!s) {
        dialogos().Caixa("Não consegui ativar a impressora Tiger"_cp, "Dotmara - Erro", Icone::Erro,
                         Botoes::OK, true);
        return nullptr;
    }
    auto d = std::make_unique<DispositivoTiger>(std::move(s));
    if (!d->Abre(documento, folha)) return nullptr;
    return d;
}
