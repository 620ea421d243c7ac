// dmvars_valores: integer and flag texts of the settings file.
#include "core/dmvars_valores.h"

#include "platform/texto.h"

#include <cstdint>

int TextoParaInteiro(std::string_view texto, int padrao) {
    std::size_t i = 0;
    while (i < texto.size() && texto[i] == ' ') ++i;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) negativo = texto[i++] == '-';
    int base = 10;
    if (i < texto.size() && (texto[i] == '$' || texto[i] == 'x' || texto[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < texto.size() && texto[i] == '0' && (texto[i + 1] == 'x' || texto[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == texto.size()) return padrao;
    std::int64_t v = 0;
    for (; i < texto.size(); ++i) {
        const auto c = static_cast<unsigned char>(texto[i]);
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return padrao;
        v = v * base + d;
        // Past the magnitude of INT32_MIN nothing can come back in range.
        if (v > INT64_C(2147483648)) return padrao;
    }
    if (negativo) return static_cast<int>(-v);
    return v > INT64_C(2147483647) ? padrao : static_cast<int>(v);
}

std::string InteiroParaTexto(int valor) { return std::to_string(valor); }

std::string LogicoParaSN(bool valor) { return valor ? "S" : "N"; }

std::string LogicoParaSimNao(bool valor) { return valor ? std::string("SIM") : std::string("NÃO"_cp); }

bool TextoParaLogico(std::string_view texto, bool padrao, LeituraFlag leitura) {
    if (texto.empty()) return padrao;
    char c = texto[0];
    if (leitura == LeituraFlag::Maiuscula && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return padrao ? c != 'N' : c == 'S';
}
