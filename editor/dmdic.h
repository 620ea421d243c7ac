// dmdic: the spelling dictionary. Five plain-text files (stems, suffix
// classes, words always wrong, proper names, suggestion rules) are held in
// memory, and two questions are answered: is this word correct, and which
// correct words could have been meant. No word form is stored: the forms of
// a stem are its suffixes appended, tried only for the stems a word begins
// with.
//
// Stem file ("diciona.dic"): "stem classes", the classes separated by blanks;
// "=" stands for the bare stem, and a line without a blank is the bare stem
// only. Suffix file ("diciona.suf"): "[name]" opens a class, every other line
// is one suffix of it. Words always wrong ("diciona.exc") and proper names
// ("diciona.nom"): one word a line. Lines are trimmed; blank lines and lines
// beginning with "*" are skipped. Suggestion rules ("diciona.sug"): "from=to"
// lines, taken as they stand (no comments).
#pragma once

#include <string>
#include <string_view>
#include <vector>

// One line of the stem file: the stem as written (case kept) and its class
// list.
class TDicio {
public:
    TDicio(std::string radical, std::string classes)
        : Radical(std::move(radical)), Classes(std::move(classes)) {}
    std::string Radical;
    std::string Classes;
};

// Stem entries, sorted by CompareRadicais.
class TDicList {
public:
    virtual ~TDicList() = default;
    int Count() const { return static_cast<int>(Itens.size()); }
    const TDicio& operator[](int i) const { return Itens[static_cast<size_t>(i)]; }
    void Add(TDicio d) { Itens.push_back(std::move(d)); }
    // Sorts by stem; stems equal apart from letter case keep the order in
    // which they were added.
    void Sort();
    // Binary search for a stem, letter case aside. True when found; Indice is
    // then the leftmost equal entry, otherwise the place where the key would
    // be inserted.
    virtual bool Find(std::string_view chave, int& Indice) const;

    std::vector<TDicio> Itens;
};

int CompareRadicais(const TDicio& a, const TDicio& b);

// One suffix class.
struct TClasseSufixos {
    std::string Nome;
    std::vector<std::string> Sufixos;  // in file order
    std::vector<std::string> Dobrados; // the same in lower case, sorted (the word check's lookup)
};

// Everything one load has read.
struct TDicionario {
    std::vector<TClasseSufixos> ClassesSufixos;    // by name, letter case aside
    TDicList ListaRadicais;
    std::vector<std::string> PalavrasInexistentes; // sorted, letter case aside
    std::vector<std::string> NomesProprios;        // sorted, case-sensitive
    std::vector<std::string> SugestaoDe, SugestaoPara; // file order, same index
    // No word form is longer than the longest stem with the longest suffix,
    // nor a name longer than the longest name: longer words are wrong at
    // once, and suggestions longer than that are not tried.
    size_t MaiorRadical = 0, MaiorSufixo = 0, MaiorNome = 0;
    // Missing classes already reported since the load (in lower case): each
    // is reported once, not at every word that names it.
    std::vector<std::string> ClassesAvisadas;
};

// The dictionary in memory (empty until a load succeeds).
extern TDicionario Dicionario;

// Result codes of CarregaDicionario: 0, or the file that failed first.
enum : int {
    DicCarregado = 0,
    DicFalhaRadicais = 1,
    DicFalhaSufixos = 2,
    DicFalhaInexistentes = 3,
    DicFalhaNomes = 4,
    DicFalhaSugestoes = 5,
};

// Reads the five files (a bare name is looked for where the system's data
// files are) in the order suffix classes, stems, words always wrong, proper
// names, suggestion rules, stopping at the first that fails: a file fails
// when it cannot be read, when it is larger than 16 MB or when it is not
// text of the dictionary's shape (a control character other than the tab,
// a line of more than 4096 bytes; a Ctrl+Z that ends the file is the end of
// its text), and the suggestion file also at a line
// without its "=" (with its message). On success the new lists replace the
// old ones; on failure nothing read is kept, the dictionary is empty and
// DicionarioCarregado is cleared.
int CarregaDicionario(const std::string& arqDicionario, const std::string& arqSufixos,
                      const std::string& arqInexistentes, const std::string& arqNomes,
                      const std::string& arqSugestoes);
void LiberaDicionario();

// Every word form of one entry, class by class.
std::vector<std::string> ExpandeVerbete(const TDicio& entrada);
bool PalavraCorreta(const std::string& palavra);
// a-z to A-Z, and 224..255 less 32; every other byte as it is.
std::string ConverteMaiusculas(std::string_view texto);
// Correct words that may have been meant, sorted (letter case aside) and
// without two that differ only in case; those made by the rules take the
// word's letter case.
void SugerePalavras(const std::string& palavra, std::vector<std::string>& lista);
