// Fuzz target: the dictionary loader on five arbitrary files, then the word
// check and the suggestions on arbitrary words. The input is the suffix
// file, the stem file, the always-wrong words, the names, the suggestion
// rules and the words, separated by NUL bytes.
// Properties: the load returns 0, or the code of the first file (in the
// order of the load) that is not text, or that of the suggestion file, and
// after a failure nothing is left in memory; the only messages are the loader's own; every
// form of an entry begins with its stem; every suggestion is accepted, the
// suggestions are in order without two equal apart from letter case.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/dmdic.h"
#include "platform/codepage.h"
#include "platform/dialogos.h"
#include "tests/fuzz/fuzz_apoio.h"

namespace {

std::vector<std::string> Partes(std::string_view s, char sep, std::size_t max)
{
    std::vector<std::string> r;
    std::size_t i = 0;
    while (r.size() + 1 < max) {
        const std::size_t f = s.find(sep, i);
        if (f == std::string_view::npos) break;
        r.emplace_back(s.substr(i, f - i));
        i = f + 1;
    }
    r.emplace_back(s.substr(i));
    return r;
}

bool MensagemDoCarregador(const std::string& t)
{
    return t.starts_with("Linha errada no arquivo ") || t.starts_with("problemas no dicion\xe1rio: sufixo ");
}

// Text of the dictionary's shape (the inputs are too short for the size and
// line limits): no control character but the tab and the line ends, and
// Ctrl+Z at its end.
bool EhTexto(std::string s)
{
    while (!s.empty() && s.back() == '\x1a') s.pop_back();
    for (char x : s) {
        const auto c = static_cast<unsigned char>(x);
        if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    static DialogosFalsos silencio;
    DefineDialogos(&silencio);
    silencio.Limpa();
    std::vector<std::string> p =
        Partes(std::string_view(reinterpret_cast<const char*>(dados), tamanho), '\0', 6);
    p.resize(6);
    const char* nomes[] = {"d.suf", "d.dic", "d.exc", "d.nom", "d.sug"};
    std::string arq[5];
    for (int i = 0; i < 5; ++i) arq[i] = GravaFuzz(nomes[i], p[static_cast<std::size_t>(i)]);

    const int r = CarregaDicionario(arq[1], arq[0], arq[2], arq[3], arq[4]);
    const int codigos[] = {DicFalhaSufixos, DicFalhaRadicais, DicFalhaInexistentes, DicFalhaNomes, DicFalhaSugestoes};
    int primeiroRuim = DicCarregado;
    for (int i = 0; i < 5 && primeiroRuim == DicCarregado; ++i)
        if (!EhTexto(p[static_cast<std::size_t>(i)])) primeiroRuim = codigos[i];
    if (primeiroRuim != DicCarregado) EXIGE(r == primeiroRuim);
    else EXIGE(r == DicCarregado || r == DicFalhaSugestoes);  // only a rule line fails a file of text
    if (r != DicCarregado) {
        EXIGE(Dicionario.ListaRadicais.Count() == 0 && Dicionario.ClassesSufixos.empty());
        EXIGE(Dicionario.SugestaoDe.empty() && Dicionario.NomesProprios.empty());
        EXIGE(!PalavraCorreta("a"));
    } else {
        const TDicList& l = Dicionario.ListaRadicais;
        for (int i = 1; i < l.Count(); ++i) EXIGE(CompareRadicais(l[i - 1], l[i]) <= 0);
        for (int i = 0; i < l.Count() && i < 50; ++i) {
            int achado = -1;
            EXIGE(l.Find(l[i].Radical, achado) && achado <= i);
            EXIGE(ComparaTextoAnsi(l[achado].Radical, l[i].Radical) == 0);
            for (const std::string& f : ExpandeVerbete(l[i])) EXIGE(f.starts_with(l[i].Radical));
        }
        std::vector<std::string> sug;
        for (const std::string& w : Partes(p[5], '\n', 8)) {
            const std::string palavra = w.substr(0, 24);
            PalavraCorreta(palavra);
            SugerePalavras(palavra, sug);
            for (std::size_t i = 0; i < sug.size(); ++i) {
                EXIGE(PalavraCorreta(sug[i]));
                if (i > 0) EXIGE(ComparaTextoAnsi(sug[i - 1], sug[i]) < 0);
            }
        }
    }
    for (const std::string& t : silencio.Textos()) EXIGE(MensagemDoCarregador(t));
    LiberaDicionario();
    return 0;
}
