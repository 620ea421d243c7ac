// Fuzz target: the INI reader and writer on an arbitrary DOTMARA.INI.
// Section and key names are made of letters and digits (as the program's own
// names are); values and the file are arbitrary bytes. Properties: a read
// respects its buffer size; a file of ASCII reads the same behind a UTF-8
// byte order mark; a write succeeds, reads back exactly (line breaks become
// blanks), leaves the other keys as they were and grows the file by no more
// than the new line and header; a delete leaves the other keys too; both keep
// a byte order mark the file began with.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/codepage.h"
#include "platform/ini.h"
#include "tests/fuzz/fuzz_apoio.h"

namespace {

std::string Nome(FuzzedDataProvider& d)
{
    static const char alfabeto[] = "abAB01_sSkK";
    std::string s;
    const std::size_t n = d.ConsumeIntegralInRange<std::size_t>(0, 4);
    for (std::size_t i = 0; i < n; ++i) s += alfabeto[d.ConsumeIntegralInRange<std::size_t>(0, sizeof alfabeto - 2)];
    return s;
}

bool MesmoNome(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

const std::string kAusente = "\x01" "ausente";
const std::string kMarca = "\xEF\xBB\xBF";

bool ComMarca(const std::string& s) { return s.compare(0, kMarca.size(), kMarca) == 0; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    FuzzedDataProvider d(dados, tamanho);
    const std::string secao = Nome(d), chave = Nome(d), outraSecao = Nome(d), outraChave = Nome(d);
    const std::string valor = d.ConsumeRandomLengthString(64);
    const std::size_t buffer = d.ConsumeIntegralInRange<std::size_t>(0, 16);
    const std::string conteudo = d.ConsumeRemainingBytesAsString();
    const std::string arq = GravaFuzz("DOTMARA.INI", conteudo);

    const std::string lido = LePerfil(secao, chave, kAusente, buffer, arq);
    if (buffer > 0) EXIGE(lido.size() < buffer);
    EXIGE(lido.size() <= conteudo.size() + kAusente.size());
    bool ascii = true;
    for (unsigned char c : conteudo) ascii = ascii && c < 0x80;
    if (ascii) EXIGE(IniLido::DoTexto(kMarca + conteudo).Le(secao, chave, kAusente, buffer) == lido);

    // Keys that the write must not touch.
    const bool mesmaChave = MesmoNome(secao, outraSecao) && MesmoNome(chave, outraChave);
    const std::string antesA = LePerfil(secao, outraChave, kAusente, 0, arq);
    const std::string antesB = LePerfil(outraSecao, outraChave, kAusente, 0, arq);

    const bool gravou = GravaPerfil(secao, chave, valor, arq);
    const std::string depois = LeFuzz(arq);
    if (secao.empty() || chave.empty()) {
        EXIGE(!gravou);
        EXIGE(depois == conteudo);
        return 0;
    }
    EXIGE(gravou);
    // Behind the mark the value is written as UTF-8.
    const std::string escrito = ComMarca(conteudo) ? Cp1252ParaUtf8(valor) : valor;
    EXIGE(depois.size() <= conteudo.size() + secao.size() + chave.size() + escrito.size() + 12);
    EXIGE(ComMarca(depois) == ComMarca(conteudo));
    std::string esperado = valor;
    for (char& c : esperado)
        if (c == '\r' || c == '\n') c = ' ';
    EXIGE(LePerfil(secao, chave, kAusente, 0, arq) == esperado);
    if (!MesmoNome(chave, outraChave)) EXIGE(LePerfil(secao, outraChave, kAusente, 0, arq) == antesA);
    if (!mesmaChave) EXIGE(LePerfil(outraSecao, outraChave, kAusente, 0, arq) == antesB);

    EXIGE(ApagaPerfil(secao, chave, arq));
    EXIGE(LeFuzz(arq).size() <= depois.size());
    EXIGE(ComMarca(LeFuzz(arq)) == ComMarca(conteudo));
    if (!MesmoNome(chave, outraChave)) EXIGE(LePerfil(secao, outraChave, kAusente, 0, arq) == antesA);
    if (!mesmaChave) EXIGE(LePerfil(outraSecao, outraChave, kAusente, 0, arq) == antesB);
    return 0;
}
