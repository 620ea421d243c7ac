// ukelto: the page, its cursor and its keys.
#include "touchup/ukelto_pagina.h"

#include "core/celas/celas.h"
#include "platform/teclas.h"

#include <algorithm>

namespace {

// Clipboard text split at its line breaks (CR LF, LF or CR); a break at the
// very end starts no further line.
std::vector<std::string_view> DivideEmLinhas(std::string_view t) {
    std::vector<std::string_view> linhas;
    while (!t.empty()) {
        const std::size_t fim = t.find_first_of("\r\n");
        linhas.push_back(t.substr(0, fim));
        if (fim == std::string_view::npos)
            break;
        const std::size_t salto = t[fim] == '\r' && fim + 1 < t.size() && t[fim + 1] == '\n' ? 2 : 1;
        t.remove_prefix(fim + salto);
    }
    return linhas;
}

bool TemTextoAte(const std::string& linha, std::size_t colunas) {
    const std::size_t n = std::min(linha.size(), colunas);
    return std::any_of(linha.begin(), linha.begin() + static_cast<std::ptrdiff_t>(n),
                       [](char c) { return c != ' '; });
}

} // namespace

const std::string& EstadoKelto::LinhaEmBranco() {
    static const std::string branco(kTamanhoBranco, ' ');
    return branco;
}

EstadoKelto::EstadoKelto() : MapaFonte(TabelaIdentidade()) { Pagina.fill(LinhaEmBranco()); }

bool EstadoKelto::MoveCursor(int colunas, int linhas) {
    Coluna = std::clamp(Coluna + colunas, 1, kColunaMaxima);
    Linha = std::clamp(Linha + linhas, 1, kLinhasPagina);
    const int antes = Topo;
    if (Linha - 1 < Topo)
        Topo = Linha - 1;
    if (Topo < Linha - kLinhasJanela)
        Topo = Linha - kLinhasJanela;
    return Topo != antes;
}

void EstadoKelto::InsereCaractere(unsigned char c) {
    std::string& l = Pagina[static_cast<std::size_t>(Linha - 1)];
    const std::size_t pos = static_cast<std::size_t>(Coluna - 1);
    if (l.size() < pos)
        l.resize(pos, ' ');
    l.insert(pos, 1, static_cast<char>(c));
    if (l.size() > static_cast<std::size_t>(kTamanhoMaximo))
        l.resize(kTamanhoMaximo);
    MoveCursor(1, 0);
}

void EstadoKelto::ApagaCaractere() {
    std::string& l = Pagina[static_cast<std::size_t>(Linha - 1)];
    const std::size_t pos = static_cast<std::size_t>(Coluna - 1);
    if (pos >= l.size())
        return;
    l.erase(pos, 1);
    l.push_back(' ');
}

void EstadoKelto::InsereLinha() {
    std::move_backward(Pagina.begin() + (Linha - 1), Pagina.end() - 1, Pagina.end());
    Pagina[static_cast<std::size_t>(Linha - 1)] = LinhaEmBranco();
}

void EstadoKelto::RemoveLinha() {
    std::move(Pagina.begin() + Linha, Pagina.end(), Pagina.begin() + (Linha - 1));
    Pagina.back() = LinhaEmBranco();
}

void EstadoKelto::VaiParaFim() {
    MoveCursor(-kColunaMaxima, 0);
    const std::string& l = Pagina[static_cast<std::size_t>(Linha - 1)];
    const std::size_t n = std::min(l.size(), static_cast<std::size_t>(kTamanhoMaximo));
    int ultimo = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (l[i] != ' ')
            ultimo = static_cast<int>(i) + 1;
    Coluna = 1 + ultimo;
    MoveCursor(0, 0);
}

void EstadoKelto::Limpa() {
    std::fill(Pagina.begin(), Pagina.begin() + kLinhasTroca, LinhaEmBranco());
    Coluna = 1;
    Linha = 1;
    Topo = 0;
}

unsigned char EstadoKelto::Cela(int mascara) const {
    return CelasDoCodigo(BrailleAntigo)[static_cast<std::size_t>(mascara & 63)];
}

void EstadoKelto::InsereCelaDoMouse(int mascara) {
    InsereCaractere(Cela(mascara));
    acorde.Reinicia();
}

AcaoKelto EstadoKelto::TeclaPressionada(int tecla, bool shift, bool ctrl, bool repetida) {
    AcaoKelto acao = AcaoKelto::Nenhuma;
    bool comando = true;
    switch (tecla) {
    case vk::Backspace:
        if (Coluna > 1) {
            MoveCursor(-1, 0);
            ApagaCaractere();
        }
        break;
    case vk::Enter:
        if (ctrl)
            InsereLinha();
        else
            MoveCursor(-kColunaMaxima, 1);
        break;
    case vk::Espaco: InsereCaractere(' '); break;
    case vk::Home: MoveCursor(-kColunaMaxima, 0); break;
    case vk::End: VaiParaFim(); break;
    case vk::Esquerda: MoveCursor(-1, 0); break;
    case vk::Direita: MoveCursor(1, 0); break;
    case vk::Acima: MoveCursor(0, -1); break;
    case vk::Abaixo: MoveCursor(0, 1); break;
    case vk::Insert:
        if (shift)
            acao = AcaoKelto::Colar;
        else if (ctrl)
            acao = AcaoKelto::Copiar;
        break;
    case vk::Delete: ApagaCaractere(); break;
    case vk::F6: InsereLinha(); break;
    case vk::F7: RemoveLinha(); break;
    case vk::F9: acao = AcaoKelto::AbreDesenhador; break;
    case vk::F10: acao = AcaoKelto::MostraOpcoes; break;
    case vk::F11: acao = AcaoKelto::ModoSeisTeclas; break;
    case vk::F12: acao = AcaoKelto::ModoTinta; break;
    default: comando = false; break;
    }
    // A dot key goes into the chord; any other key ends it.
    if (!comando && ModoSeisTeclas && acorde.Pressiona(tecla, repetida))
        return acao;
    acorde.Reinicia();
    return acao;
}

void EstadoKelto::TeclaSolta(int tecla, bool repetida) {
    if (!ModoSeisTeclas)
        return;
    if (const std::optional<int> mascara = acorde.Solta(tecla, repetida))
        InsereCaractere(Cela(*mascara));
}

AcaoKelto EstadoKelto::CaractereDigitado(unsigned char c) {
    if (c == 22)
        return AcaoKelto::Colar;
    if (c == 3)
        return AcaoKelto::Copiar;
    if (!ModoSeisTeclas && c > 32 && c != 127)
        InsereCaractere(c);
    return AcaoKelto::Nenhuma;
}

std::optional<std::string> EstadoKelto::TextoParaCopiar() const {
    int n = 0;
    for (int i = 1; i <= kLinhasTroca; ++i)
        if (TemTextoAte(Pagina[static_cast<std::size_t>(i - 1)], kColunasTroca))
            n = i;
    if (n == 0)
        return std::nullopt;
    std::string texto;
    for (int i = 0; i < n; ++i) {
        const std::string& l = Pagina[static_cast<std::size_t>(i)];
        texto.append(l, 0, l.find_last_not_of(' ') + 1); // npos + 1 = 0: a blank line
        texto += "\r\n";
    }
    return texto;
}

void EstadoKelto::Cola(std::string_view texto) {
    if (texto.empty())
        return;
    std::fill(Pagina.begin(), Pagina.begin() + kLinhasTroca, LinhaEmBranco());
    const std::vector<std::string_view> linhas = DivideEmLinhas(texto);
    for (std::size_t i = 0; i < linhas.size() && i < static_cast<std::size_t>(kLinhasTroca); ++i) {
        std::string l(linhas[i].substr(0, kColunasTroca));
        l.resize(kColunasTroca, ' ');
        Pagina[i] = std::move(l);
    }
    Topo = 0;
    Linha = 1;
    Coluna = 1;
}

const std::string& EstadoKelto::TextoDaJanela(int k) const {
    return Pagina[static_cast<std::size_t>(Topo + k - 1)];
}

std::string EstadoKelto::BrailleDaJanela(int k) const {
    std::string s = TextoDaJanela(k).substr(0, kTamanhoMaximo);
    for (char& c : s)
        c = static_cast<char>(MapaFonte[static_cast<unsigned char>(c)]);
    return s;
}
