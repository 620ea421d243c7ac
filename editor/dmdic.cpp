// dmdic: loading the five dictionary files, the word check and the
// suggestions.
#include "editor/dmdic.h"

#include "core/celas/tabela_codigos.h"
#include "core/dmvars.h"
#include "editor/dmedicao.h"
#include "platform/arquivos.h"
#include "platform/codepage.h"
#include "platform/texto.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

TDicionario Dicionario;

namespace {

// ---- Reading ---------------------------------------------------------------

bool EhBranco(char c) { return c == ' ' || c == '\t'; }

// The largest dictionary file that ships is some 5 MB; a file many times
// that is no dictionary file (a setting that names a video or a disk image)
// and would hold the first check for seconds while it fills the memory.
constexpr std::size_t kMaxArquivo = std::size_t{16} << 20;
// No entry of any of the five files comes near this: a longer line is not a
// line of text.
constexpr std::size_t kMaxLinha = 4096;

// Text of the shape of the five files: lines of Windows-1252 text, with no
// control character but the tab and the line ends (a binary file, a file in
// UTF-16, random bytes) and no line longer than kMaxLinha.
bool EhTextoDeDicionario(std::string_view texto) {
    for (size_t inicio = 0; inicio < texto.size();) {
        size_t fim = texto.find('\n', inicio);
        if (fim == std::string_view::npos)
            fim = texto.size();
        if (fim - inicio > kMaxLinha)
            return false;
        // No early exit inside a line: the loop is then one the compiler
        // runs many bytes at a time.
        bool controle = false;
        for (size_t i = inicio; i < fim; ++i) {
            const auto c = static_cast<unsigned char>(texto[i]);
            controle |= (c < 0x20 && c != '\t' && c != '\r') || c == 0x7F;
        }
        if (controle)
            return false;
        inicio = fim + 1;
    }
    return true;
}

// The whole file, or false when it cannot be opened or read (a FIFO, a
// device, a file too large) or is not text of the dictionary's shape: such
// a file fails its step of the load as an unreadable one. The end-of-file
// mark (Ctrl+Z) that DOS programs put at the end of a text file ends the
// text. A bare name is looked for where the code tables are (the program
// folder, the data folder, the working folder).
bool LeTexto(const std::string& nome, std::string& conteudo) {
    if (LeArquivoAte(LocalizaTabelaCodigos(nome, DirPrograma), conteudo, kMaxArquivo) != LeituraArquivo::Lido)
        return false;
    while (!conteudo.empty() && conteudo.back() == '\x1a')
        conteudo.pop_back();
    return EhTextoDeDicionario(conteudo);
}

// Calls linha(view) for each line (LF ends a line, a CR before it goes).
// Stops and returns false when linha does.
template <class F>
bool CadaLinha(std::string_view texto, F&& linha) {
    size_t i = 0;
    while (i < texto.size()) {
        size_t fim = texto.find('\n', i);
        size_t prox = fim == std::string_view::npos ? texto.size() : fim + 1;
        if (fim == std::string_view::npos)
            fim = texto.size();
        else if (fim > i && texto[fim - 1] == '\r')
            --fim;
        if (!linha(texto.substr(i, fim - i)))
            return false;
        i = prox;
    }
    return true;
}

// A line of the stem, word and suffix files that carries nothing.
bool Ignorada(std::string_view t) { return t.empty() || t[0] == '*'; }

// ---- Suffix classes ----------------------------------------------------------

bool MenorNome(const TClasseSufixos& a, const TClasseSufixos& b) {
    return ComparaTextoAnsi(a.Nome, b.Nome) < 0;
}

bool CarregaSufixos(const std::string& nome, TDicionario& d) {
    std::string texto;
    if (!LeTexto(nome, texto))
        return false;
    // Suffixes before the first header, and those of a header whose name is
    // empty, belong to no class and are dropped.
    TClasseSufixos atual;
    bool aberta = false;
    auto fecha = [&] {
        if (aberta && !atual.Nome.empty())
            d.ClassesSufixos.push_back(std::move(atual));
        atual = TClasseSufixos();
    };
    CadaLinha(texto, [&](std::string_view l) {
        std::string_view t = AparaTexto(l);
        if (Ignorada(t))
            return true;
        if (t[0] == '[') {
            fecha();
            t.remove_prefix(1);
            if (!t.empty() && t.back() == ']')
                t.remove_suffix(1);
            atual.Nome = std::string(AparaTexto(t));
            aberta = true;
        } else if (aberta) {
            atual.Sufixos.emplace_back(t);
            d.MaiorSufixo = std::max(d.MaiorSufixo, t.size());
        }
        return true;
    });
    fecha();
    std::stable_sort(d.ClassesSufixos.begin(), d.ClassesSufixos.end(), MenorNome);
    // A class opened twice is one class with the suffixes of both.
    std::vector<TClasseSufixos> unidas;
    for (TClasseSufixos& c : d.ClassesSufixos) {
        if (!unidas.empty() && ComparaTextoAnsi(unidas.back().Nome, c.Nome) == 0) {
            auto& s = unidas.back().Sufixos;
            s.insert(s.end(), std::make_move_iterator(c.Sufixos.begin()),
                     std::make_move_iterator(c.Sufixos.end()));
        } else {
            unidas.push_back(std::move(c));
        }
    }
    for (TClasseSufixos& c : unidas) {
        c.Dobrados.reserve(c.Sufixos.size());
        for (const std::string& s : c.Sufixos)
            c.Dobrados.push_back(MinusculasWindows(s));
        std::sort(c.Dobrados.begin(), c.Dobrados.end());
    }
    d.ClassesSufixos = std::move(unidas);
    return true;
}

const TClasseSufixos* AchaClasse(const TDicionario& d, std::string_view nome) {
    auto it = std::lower_bound(d.ClassesSufixos.begin(), d.ClassesSufixos.end(), nome,
                               [](const TClasseSufixos& c, std::string_view n) {
                                   return ComparaTextoAnsi(c.Nome, n) < 0;
                               });
    if (it == d.ClassesSufixos.end() || ComparaTextoAnsi(it->Nome, nome) != 0)
        return nullptr;
    return &*it;
}

// ---- Stems and word lists ----------------------------------------------------

bool CarregaRadicais(const std::string& nome, TDicionario& d) {
    std::string texto;
    if (!LeTexto(nome, texto))
        return false;
    d.ListaRadicais.Itens.reserve(static_cast<size_t>(std::count(texto.begin(), texto.end(), '\n')) + 1);
    CadaLinha(texto, [&](std::string_view l) {
        std::string_view t = AparaTexto(l);
        if (Ignorada(t))
            return true;
        size_t b = 0;
        while (b < t.size() && !EhBranco(t[b]))
            ++b;
        std::string_view classes = b < t.size() ? AparaTexto(t.substr(b)) : std::string_view("=");
        d.ListaRadicais.Add(TDicio(std::string(t.substr(0, b)), std::string(classes)));
        d.MaiorRadical = std::max(d.MaiorRadical, b);
        return true;
    });
    d.ListaRadicais.Sort();
    return true;
}

using Comparacao = int (*)(std::string_view, std::string_view);

bool CarregaListaPalavras(const std::string& nome, Comparacao compara, std::vector<std::string>& lista) {
    std::string texto;
    if (!LeTexto(nome, texto))
        return false;
    CadaLinha(texto, [&](std::string_view l) {
        std::string_view t = AparaTexto(l);
        if (!Ignorada(t))
            lista.emplace_back(t);
        return true;
    });
    auto menor = [compara](const std::string& a, const std::string& b) { return compara(a, b) < 0; };
    if (!std::is_sorted(lista.begin(), lista.end(), menor))
        std::stable_sort(lista.begin(), lista.end(), menor);
    return true;
}

bool Contem(const std::vector<std::string>& lista, std::string_view palavra, Comparacao compara) {
    auto it = std::lower_bound(lista.begin(), lista.end(), palavra,
                               [compara](const std::string& a, std::string_view b) { return compara(a, b) < 0; });
    return it != lista.end() && compara(*it, palavra) == 0;
}

// ---- Suggestion rules --------------------------------------------------------

constexpr size_t kMaxPara = 99;

bool CarregaSugestoes(const std::string& nome, TDicionario& d) {
    std::string texto;
    if (!LeTexto(nome, texto))
        return false;
    return CadaLinha(texto, [&](std::string_view l) {
        if (l.empty())
            return true;
        size_t igual = l.find('=');
        if (igual == std::string_view::npos || igual == 0) {
            MensagemOK("Linha errada no arquivo " + nome + ": " + std::string(l));
            return false;
        }
        d.SugestaoDe.emplace_back(AparaTexto(l.substr(0, igual)));
        d.SugestaoPara.emplace_back(AparaTexto(l.substr(igual + 1, kMaxPara)));
        return true;
    });
}

// ---- Forms of an entry -------------------------------------------------------

// Calls forma(nullptr) for the token "=" and forma(&class) for every class
// the entry names, in order. A class the suffix file lacks is reported (once
// per load) and skipped. Stops when forma returns true; returns whether it
// did.
template <class F>
bool CadaClasse(const TDicio& e, F&& forma) {
    std::string_view resto = e.Classes;
    while (!resto.empty()) {
        size_t i = 0;
        while (i < resto.size() && EhBranco(resto[i]))
            ++i;
        size_t f = i;
        while (f < resto.size() && !EhBranco(resto[f]))
            ++f;
        std::string_view token = resto.substr(i, f - i);
        resto.remove_prefix(f);
        if (token.empty())
            break;
        if (token == "=") {
            if (forma(nullptr))
                return true;
            continue;
        }
        const TClasseSufixos* c = AchaClasse(Dicionario, token);
        if (c) {
            if (forma(c))
                return true;
            continue;
        }
        std::string chave = MinusculasWindows(token);
        auto& avisadas = Dicionario.ClassesAvisadas;
        auto pos = std::lower_bound(avisadas.begin(), avisadas.end(), chave);
        if (pos == avisadas.end() || *pos != chave) {
            avisadas.insert(pos, chave);
            MensagemOK("problemas no dicionário: sufixo "_cp + std::string(token));
        }
    }
    return false;
}

// Whether the entry has a form equal to its stem followed by resto (resto in
// lower case).
bool TemForma(const TDicio& e, std::string_view restoDobrado) {
    return CadaClasse(e, [&](const TClasseSufixos* c) {
        if (!c)
            return restoDobrado.empty();
        return std::binary_search(c->Dobrados.begin(), c->Dobrados.end(), restoDobrado,
                                  [](std::string_view a, std::string_view b) { return a < b; });
    });
}

// ---- Suggestions -------------------------------------------------------------

constexpr ConjuntoBytes Conjunto(std::string_view s) {
    ConjuntoBytes c;
    for (char x : s)
        c.set(static_cast<unsigned char>(x));
    return c;
}

constexpr ConjuntoBytes IniciaisSugestao =
    Conjunto("'-AEIOUaeiouÀÁÂÃÈÉÊÌÍÎÒÓÔÕÙÚÛÜàáâãèéêìíîòóôõùúûü"_cp);

// The caller's list, sorted (letter case aside), a word equal to one already
// there apart from case left out.
void AcrescentaOrdenada(std::vector<std::string>& lista, const std::string& palavra) {
    auto it = std::lower_bound(lista.begin(), lista.end(), palavra, [](const std::string& a, const std::string& b) {
        return ComparaTextoAnsi(a, b) < 0;
    });
    if (it != lista.end() && ComparaTextoAnsi(*it, palavra) == 0)
        return;
    lista.insert(it, palavra);
}

bool EhMaiuscula(char c) { return MinusculaWindows(static_cast<unsigned char>(c)) != static_cast<unsigned char>(c); }

// A candidate made from the word, in the word's letter case: all in capitals
// when the word is ("ONTEM", two letters or more); otherwise with a capital
// only where the word has one: at the same place when the candidate is as
// long as the word ("McDonlad": "McDonald"), else only at the start ("Ontem":
// "Contem", never "cOntem"). A word without capitals takes the candidate as
// the rules made it (a rule may give a name its capital).
std::string NaCaixaDaPalavra(std::string_view palavra, std::string candidata) {
    int maiusculas = 0, minusculas = 0;
    for (char c : palavra) {
        maiusculas += EhMaiuscula(c);
        minusculas += MaiusculaWindows(static_cast<unsigned char>(c)) != static_cast<unsigned char>(c);
    }
    if (maiusculas == 0)
        return candidata;
    const bool todas = minusculas == 0 && maiusculas > 1;
    const size_t alinhadas = candidata.size() == palavra.size() ? palavra.size() : 1;
    for (size_t i = 0; i < candidata.size(); ++i) {
        const auto c = static_cast<unsigned char>(candidata[i]);
        const bool maiuscula = todas || (i < alinhadas && EhMaiuscula(palavra[i]));
        candidata[i] = static_cast<char>(maiuscula ? MaiusculaWindows(c) : MinusculaWindows(c));
    }
    return candidata;
}

} // namespace

// ---- TDicList ----------------------------------------------------------------

int CompareRadicais(const TDicio& a, const TDicio& b) { return ComparaTextoAnsi(a.Radical, b.Radical); }

void TDicList::Sort() {
    auto menor = [](const TDicio& a, const TDicio& b) { return CompareRadicais(a, b) < 0; };
    // The generated file is already in order: checking is cheaper than sorting.
    if (!std::is_sorted(Itens.begin(), Itens.end(), menor))
        std::stable_sort(Itens.begin(), Itens.end(), menor);
}

bool TDicList::Find(std::string_view chave, int& Indice) const {
    int baixo = 0, alto = Count() - 1;
    bool achou = false;
    while (baixo <= alto) {
        const int meio = (baixo + alto) / 2;
        const int c = ComparaTextoAnsi(Itens[static_cast<size_t>(meio)].Radical, chave);
        if (c < 0) {
            baixo = meio + 1;
        } else {
            // An equal entry: look on to its left for the first one.
            alto = meio - 1;
            achou = achou || c == 0;
        }
    }
    Indice = baixo;
    return achou;
}

// ---- Loading -------------------------------------------------------------------

int CarregaDicionario(const std::string& arqDicionario, const std::string& arqSufixos,
                      const std::string& arqInexistentes, const std::string& arqNomes,
                      const std::string& arqSugestoes) {
    TDicionario novo;
    int codigo = DicCarregado;
    if (!CarregaSufixos(arqSufixos, novo))
        codigo = DicFalhaSufixos;
    else if (!CarregaRadicais(arqDicionario, novo))
        codigo = DicFalhaRadicais;
    else if (!CarregaListaPalavras(arqInexistentes, ComparaTextoAnsi, novo.PalavrasInexistentes))
        codigo = DicFalhaInexistentes;
    else if (!CarregaListaPalavras(arqNomes, ComparaStrAnsi, novo.NomesProprios))
        codigo = DicFalhaNomes;
    else if (!CarregaSugestoes(arqSugestoes, novo))
        codigo = DicFalhaSugestoes;
    if (codigo != DicCarregado) {
        // Nothing half-read stays in use.
        LiberaDicionario();
        DicionarioCarregado = false;
        return codigo;
    }
    for (const std::string& n : novo.NomesProprios)
        novo.MaiorNome = std::max(novo.MaiorNome, n.size());
    Dicionario = std::move(novo);
    return DicCarregado;
}

void LiberaDicionario() { Dicionario = TDicionario(); }

// ---- Word check ------------------------------------------------------------------

std::vector<std::string> ExpandeVerbete(const TDicio& entrada) {
    std::vector<std::string> formas;
    CadaClasse(entrada, [&](const TClasseSufixos* c) {
        if (!c)
            formas.push_back(entrada.Radical);
        else
            for (const std::string& s : c->Sufixos)
                formas.push_back(entrada.Radical + s);
        return false;
    });
    return formas;
}

bool PalavraCorreta(const std::string& palavra) {
    const TDicionario& d = Dicionario;
    if (Contem(d.NomesProprios, palavra, ComparaStrAnsi))
        return true;
    if (Contem(d.PalavrasInexistentes, palavra, ComparaTextoAnsi))
        return false;
    if (palavra.size() > d.MaiorRadical + d.MaiorSufixo)
        return false;
    // A form is its stem followed by a suffix, and the stem equals the
    // beginning of the word (letter case aside): the rest of the word must
    // be one of the suffixes.
    const std::string dobrada = MinusculasWindows(palavra);
    const std::string_view p = palavra;
    for (size_t n = palavra.size(); n >= 1; --n) {
        int i = 0;
        if (!d.ListaRadicais.Find(p.substr(0, n), i))
            continue;
        // Stems written on more than one line count together.
        for (; i < d.ListaRadicais.Count() && ComparaTextoAnsi(d.ListaRadicais[i].Radical, p.substr(0, n)) == 0; ++i)
            if (TemForma(d.ListaRadicais[i], std::string_view(dobrada).substr(n)))
                return true;
    }
    return false;
}

std::string ConverteMaiusculas(std::string_view texto) {
    std::string r(texto);
    for (char& c : r) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || u >= 224)
            c = static_cast<char>(u - 32);
    }
    return r;
}

void SugerePalavras(const std::string& palavra, std::vector<std::string>& lista) {
    lista.clear();
    std::unordered_set<std::string> tentadas;
    auto tenta = [&](std::string candidata) {
        if (!tentadas.insert(candidata).second)
            return;
        if (PalavraCorreta(candidata))
            AcrescentaOrdenada(lista, candidata);
    };
    tenta(palavra);
    if (lista.empty())
        tenta(ConverteMaiusculas(palavra));
    const std::string_view p = palavra;
    if (!p.empty() && IniciaisSugestao.test(static_cast<unsigned char>(p[0]))) {
        tenta(ConverteMaiusculas(p.substr(0, 1)) + std::string(p.substr(1, kMaxPara)));
        tenta(NaCaixaDaPalavra(p, "h" + palavra));
    }
    const TDicionario& d = Dicionario;
    // A candidate longer than any word the dictionary holds is wrong without
    // a look, and none made at a position past that length is shorter: a long
    // run of letters (a pasted code, a line of one letter) must not hold the
    // program for minutes.
    const size_t maior = std::max(d.MaiorRadical + d.MaiorSufixo, d.MaiorNome);
    for (size_t pos = 0; pos < p.size() && pos <= maior; ++pos) {
        const std::string_view prefixo = p.substr(0, pos), resto = p.substr(pos, kMaxPara);
        for (size_t i = 0; i < d.SugestaoDe.size(); ++i) {
            const std::string& de = d.SugestaoDe[i];
            const std::string& para = d.SugestaoPara[i];
            if (resto.starts_with(de) && pos + para.size() + resto.size() - de.size() <= maior)
                tenta(NaCaixaDaPalavra(p, std::string(prefixo) + para + std::string(resto.substr(de.size()))));
        }
    }
}
