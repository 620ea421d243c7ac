// Helpers of the touch-up program's tests.
#include "apoio_kelto.h"

#include "platform/teclas.h"

#include <map>
#include <sstream>
#include <stdexcept>

namespace {

int Codigo(const std::string& nome) {
    static const std::map<std::string, int> nomes = {
        {"Esp", vk::Espaco}, {"Enter", vk::Enter}, {"Bksp", vk::Backspace}, {"Home", vk::Home},
        {"End", vk::End},    {"Esq", vk::Esquerda}, {"Dir", vk::Direita},   {"Cima", vk::Acima},
        {"Baixo", vk::Abaixo}, {"Ins", vk::Insert}, {"Del", vk::Delete},    {"F6", vk::F6},
        {"F7", vk::F7},      {"F9", vk::F9},        {"F10", vk::F10},       {"F11", vk::F11},
        {"F12", vk::F12},
    };
    if (auto i = nomes.find(nome); i != nomes.end())
        return i->second;
    if (nome.size() == 2 && nome[0] == 'n')
        return vk::Numerico(nome[1] - '0');
    if (nome.size() == 1)
        return static_cast<unsigned char>(nome[0]);
    throw std::invalid_argument("tecla desconhecida: " + nome);
}

} // namespace

AcaoKelto Digita(EstadoKelto& e, const std::string& eventos) {
    AcaoKelto ultima = AcaoKelto::Nenhuma;
    std::istringstream in(eventos);
    std::string ev;
    while (in >> ev) {
        char tipo = 0;
        if (ev.size() > 1 && (ev[0] == '+' || ev[0] == '-' || ev[0] == '*' || ev[0] == '~')) {
            tipo = ev[0];
            ev.erase(0, 1);
        }
        bool ctrl = false, shift = false;
        while (ev.size() > 1 && (ev[0] == '^' || ev[0] == '!')) {
            (ev[0] == '^' ? ctrl : shift) = true;
            ev.erase(0, 1);
        }
        const int tecla = Codigo(ev);
        const bool repetida = tipo == '*' || tipo == '~';
        if (tipo != '-' && tipo != '~') {
            AcaoKelto a = e.TeclaPressionada(tecla, shift, ctrl, repetida);
            if (a != AcaoKelto::Nenhuma)
                ultima = a;
        }
        if (tipo == 0 || tipo == '-' || tipo == '~')
            e.TeclaSolta(tecla, repetida);
    }
    return ultima;
}

std::string Inicio(const EstadoKelto& e, int linha, std::size_t n) {
    return e.Pagina[static_cast<std::size_t>(linha - 1)].substr(0, n);
}
