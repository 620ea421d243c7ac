// Reader of the translator case files (format in traducao_linhas.h).
#include "core/traducao_linhas.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/codepage.h"

namespace {

const std::string kVazio = "\xe2\x88\x85";        // ∅
const std::string kAbreByte = "\xe2\x9f\xa8";     // ⟨
const std::string kFechaByte = "\xe2\x9f\xa9";    // ⟩
const std::string kSeparaChamada = "\xe2\x90\x9e"; // ␞

std::vector<std::string> Divide(const std::string& s, const std::string& sep) {
    std::vector<std::string> r;
    for (std::size_t ini = 0, k = 0; k != std::string::npos; ini = k + sep.size()) {
        k = s.find(sep, ini);
        r.push_back(s.substr(ini, k == std::string::npos ? std::string::npos : k - ini));
    }
    return r;
}

// UTF-8 field with escapes to Windows-1252 bytes; false on a bad escape.
bool Decodifica(const std::string& campo, std::string& out) {
    out.clear();
    if (campo == kVazio) return true;
    std::size_t ini = 0;
    while (ini < campo.size()) {
        std::size_t k = campo.find(kAbreByte, ini);
        out += Utf8ParaCp1252(campo.substr(ini, k == std::string::npos ? std::string::npos : k - ini));
        if (k == std::string::npos) break;
        std::size_t f = campo.find(kFechaByte, k);
        if (f == std::string::npos) return false;
        std::string hex = campo.substr(k + kAbreByte.size(), f - k - kAbreByte.size());
        if (hex.size() != 2 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return false;
        out += static_cast<char>(std::stoi(hex, nullptr, 16));
        ini = f + kFechaByte.size();
    }
    return true;
}

bool LeEstado(const std::string& campo, LinhaTraducao& l, bool inicio) {
    if (campo == "-") return true;
    std::istringstream in(campo);
    std::string w;
    while (in >> w) {
        if (w == "ingles" && inicio) l.ingles = true;
        else if (w == "aspas=0" || w == "aspas=1") (inicio ? l.aspas : l.aspasFim) = w.back() - '0';
        else if (w == "par=0" || w == "par=1") (inicio ? l.parenteses : l.parentesesFim) = w.back() - '0';
        else if (w == "angulo=0" || w == "angulo=1") (inicio ? l.angulo : l.anguloFim) = w.back() - '0';
        else return false;
    }
    return true;
}

} // namespace

std::vector<LinhaTraducao> LeLinhasTraducao(const std::string& nomeArquivo) {
    std::vector<LinhaTraducao> r;
    const std::string caminho = std::string(DOTMARA_TEST_DATA_DIR) + "/" + nomeArquivo;
    std::ifstream f(caminho, std::ios::binary);
    if (!f) {
        LinhaTraducao e;
        e.arquivo = nomeArquivo;
        e.descricao = "ERRO: arquivo ausente " + caminho;
        r.push_back(e);
        return r;
    }
    std::string texto;
    int num = 0;
    while (std::getline(f, texto)) {
        ++num;
        if (!texto.empty() && texto.back() == '\r') texto.pop_back();
        if (texto.empty() || texto[0] == '#') continue;
        LinhaTraducao l;
        l.arquivo = nomeArquivo;
        l.linha = num;
        std::vector<std::string> campos = Divide(texto, "\t");
        bool ok = campos.size() == 5;
        if (ok) {
            l.descricao = campos[4];
            std::vector<std::string> ent = Divide(campos[0], kSeparaChamada);
            std::vector<std::string> esp = Divide(campos[1], kSeparaChamada);
            ok = ent.size() == esp.size();
            for (std::size_t i = 0; ok && i < ent.size(); ++i) {
                std::string a, b;
                ok = Decodifica(ent[i], a) && Decodifica(esp[i], b);
                l.entradas.push_back(a);
                l.esperados.push_back(b);
            }
            ok = ok && LeEstado(campos[2], l, true) && LeEstado(campos[3], l, false);
        }
        if (!ok) l.descricao = "ERRO: linha mal formada: " + texto;
        r.push_back(l);
    }
    return r;
}

std::string MostraBytes(const std::string& s) {
    std::string r;
    for (unsigned char c : s) {
        if (c < 32 || c == 127) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "%02X", c);
            r += kAbreByte + buf + kFechaByte;
        } else {
            r += Cp1252ParaUtf8(std::string(1, static_cast<char>(c)));
        }
    }
    return r;
}
