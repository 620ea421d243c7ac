// Fuzz target: the dictionary loader on five arbitrary files, then the word
// check and the suggestions on arbitrary words. The input is the suffix
// file, the stem file, the always-wrong words, the names, the suggestion
// rules and the words, separated by NUL bytes.
// Properties: the load returns 0 or one file's code and after a failure
// nothing is left in memory; the only messages are the loader's own; every
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
    EXIGE(r == DicCarregado || r == DicFalhaSugestoes);  // the other files always open
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
