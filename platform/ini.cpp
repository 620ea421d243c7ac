// INI profile functions with the rules of the Windows profile API (see ini.h).
// The file is Windows-1252 bytes; section and key names compare without
// regard to letter case; values are taken exactly as they stand.
#include "platform/ini.h"

#include "platform/arquivos.h"
#include "platform/codepage.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <deque>
#include <mutex>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

std::mutex mtxIni;

bool EhBranco(char c) { return c == ' ' || c == '\t'; }

std::string_view Apara(std::string_view s) {
    while (!s.empty() && EhBranco(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && EhBranco(s.back()))
        s.remove_suffix(1);
    return s;
}

// One physical line: its text without the line end, and the line end itself
// ("\r\n", "\n" or nothing on a last line), so a rewrite keeps it.
struct Linha {
    std::string texto;
    std::string fim;
};

std::vector<Linha> Divide(std::string_view c) {
    std::vector<Linha> ls;
    size_t i = 0;
    while (i < c.size()) {
        size_t lf = c.find('\n', i);
        Linha l;
        if (lf == std::string_view::npos) {
            l.texto = c.substr(i);
            i = c.size();
        } else {
            size_t fim = lf;
            if (fim > i && c[fim - 1] == '\r') {
                --fim;
                l.fim = "\r\n";
            } else {
                l.fim = "\n";
            }
            l.texto = c.substr(i, fim - i);
            i = lf + 1;
        }
        // A CR at the very end of the file is a line end, not text.
        if (l.fim.empty() && !l.texto.empty() && l.texto.back() == '\r') {
            l.texto.pop_back();
            l.fim.assign(1, '\r');
        }
        ls.push_back(std::move(l));
    }
    return ls;
}

enum class Tipo { Outra, Secao, Chave };

struct Analise {
    Tipo tipo = Tipo::Outra;
    std::string_view nome;  // section or key name, trimmed
    size_t inicioValor = 0; // for a key: offset of the text after "="
};

Analise Analisa(std::string_view texto) {
    Analise a;
    std::string_view t = texto;
    size_t p = 0;
    while (p < t.size() && EhBranco(t[p]))
        ++p;
    if (p == t.size() || t[p] == ';')
        return a;
    if (t[p] == '[') {
        size_t f = t.find(']', p + 1);
        std::string_view nome = f == std::string_view::npos ? t.substr(p + 1) : t.substr(p + 1, f - p - 1);
        a.tipo = Tipo::Secao;
        a.nome = Apara(nome);
        return a;
    }
    size_t igual = t.find('=', p);
    if (igual == std::string_view::npos)
        return a;
    std::string_view nome = Apara(t.substr(p, igual - p));
    if (nome.empty())
        return a;
    a.tipo = Tipo::Chave;
    a.nome = nome;
    a.inicioValor = igual + 1;
    return a;
}

// The UTF-8 byte order mark a text editor may put at the start of a file.
constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";

bool ComMarcaUtf8(std::string_view conteudo) { return conteudo.substr(0, kMarcaUtf8.size()) == kMarcaUtf8; }

// Names compared and hashed without regard to letter case.
struct HashSemCaixa {
    std::size_t operator()(std::string_view s) const {
        std::size_t h = 1469598103934665603ull;
        for (unsigned char c : s) {
            h ^= MinusculaWindows(c);
            h *= 1099511628211ull;
        }
        return h;
    }
};
struct IgualSemCaixaF {
    bool operator()(std::string_view a, std::string_view b) const { return IgualSemCaixa(a, b); }
};
template <class V>
using MapaSemCaixa = std::unordered_map<std::string_view, V, HashSemCaixa, IgualSemCaixaF>;

std::string Limita(std::string s, std::size_t tamanho) {
    if (tamanho > 0 && s.size() > tamanho - 1)
        s.resize(tamanho - 1);
    return s;
}

// A line break inside a name or value would split the line and change the
// file's structure: it is written as a blank.
std::string SemQuebras(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n')
            c = ' ';
    return s;
}

// The file the writes replace: the target of a link, so that every name of
// one file shares one lock.
std::string ArquivoReal(const std::string& nativo) {
    struct stat st {};
    char real[PATH_MAX];
    if (::lstat(nativo.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(nativo.c_str(), real))
        return real;
    return nativo;
}

} // namespace

TravaIni::TravaIni(const std::string& arquivo) {
    if (arquivo.empty())
        return;
    const std::string nome = ArquivoReal(CaminhoNativo(arquivo)) + ".lock";
    fd_ = ::open(nome.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd_ < 0)
        return;
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
    }
}

TravaIni::~TravaIni() { Libera(); }

void TravaIni::Libera() {
    if (fd_ < 0)
        return;
    // The lock file stays: removing it would let a program lock a file that
    // the next one no longer sees.
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

std::string CaminhoIni() {
    if (const char* e = std::getenv("DOTMARA_INI"); e && *e)
        return CaminhoDoSistema(e);
    std::string base;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x && x[0] == '/') {
        base = CaminhoDoSistema(x);
    } else {
        // Without HOME, the user's own home folder from the password file;
        // never a folder that other users may have made first.
        base = PastaPessoal();
        if (base.empty())
            base = "/";
        base += ".config";
    }
    if (base.back() != '/')
        base += '/';
    return base + "dotmara/DOTMARA.INI";
}

// ---- Reading ------------------------------------------------------------------

// The file's sections, the first of each name; each one's keys (its first of
// each name, the value as it stands) are looked up in an index made at the
// first question to that section, so a long section that nobody asks about
// costs one pass over its lines.
struct IniLido::Dados {
    struct Secao {
        std::string_view corpo; // its lines, up to the next section
        mutable std::once_flag indexada;
        mutable MapaSemCaixa<std::string_view> chaves;
        const MapaSemCaixa<std::string_view>& Chaves() const;
    };
    std::string texto;
    bool utf8 = false;
    std::deque<Secao> secoes;
    MapaSemCaixa<const Secao*> porNome;
};

namespace {

// The next line of t (without its line end), t moved past it.
std::string_view ProximaLinha(std::string_view& t) {
    const std::size_t lf = t.find('\n');
    std::string_view linha = t.substr(0, lf);
    t.remove_prefix(lf == std::string_view::npos ? t.size() : lf + 1);
    if (!linha.empty() && linha.back() == '\r')
        linha.remove_suffix(1);
    return linha;
}

} // namespace

const MapaSemCaixa<std::string_view>& IniLido::Dados::Secao::Chaves() const {
    std::call_once(indexada, [this] {
        for (std::string_view t = corpo; !t.empty();) {
            const std::string_view linha = ProximaLinha(t);
            const Analise a = Analisa(linha);
            if (a.tipo == Tipo::Chave)
                chaves.try_emplace(a.nome, linha.substr(a.inicioValor));
        }
    });
    return chaves;
}

namespace {

std::shared_ptr<const IniLido::Dados> Indexa(std::string conteudo) {
    auto d = std::make_shared<IniLido::Dados>();
    d->texto = std::move(conteudo);
    std::string_view t = d->texto;
    d->utf8 = ComMarcaUtf8(t);
    if (d->utf8)
        t.remove_prefix(kMarcaUtf8.size());
    IniLido::Dados::Secao* aberta = nullptr;
    while (!t.empty()) {
        const char* inicio = t.data();
        const std::string_view linha = ProximaLinha(t);
        const std::size_t p = linha.find_first_not_of(" \t");
        if (p == std::string_view::npos || linha[p] != '[')
            continue;
        if (aberta)
            aberta->corpo = std::string_view(aberta->corpo.data(), static_cast<std::size_t>(inicio - aberta->corpo.data()));
        aberta = &d->secoes.emplace_back();
        aberta->corpo = t;
        // Only the first section of a name counts, as on Windows.
        d->porNome.try_emplace(Analisa(linha).nome, aberta);
    }
    return d;
}

std::shared_ptr<const IniLido::Dados> LeEIndexa(const std::string& arquivo) {
    std::string conteudo;
    {
        std::lock_guard<std::mutex> l(mtxIni);
        if (!LeArquivo(arquivo, conteudo))
            conteudo.clear();
    }
    return Indexa(std::move(conteudo));
}

// The reading an EscopoIniLido holds.
struct LeituraDoEscopo {
    std::mutex mtx;
    std::string arquivo;
    std::shared_ptr<const IniLido::Dados> dados;
    bool ativo = false;
};

LeituraDoEscopo& Escopo() {
    static LeituraDoEscopo e;
    return e;
}

// A write of arquivo drops the scope's reading of it.
void EsqueceLeitura(const std::string& arquivo) {
    LeituraDoEscopo& e = Escopo();
    std::lock_guard<std::mutex> l(e.mtx);
    if (e.ativo && e.arquivo == arquivo)
        e.dados.reset();
}

} // namespace

IniLido::IniLido(const std::string& arquivo) {
    LeituraDoEscopo& e = Escopo();
    {
        std::lock_guard<std::mutex> l(e.mtx);
        if (e.ativo && e.arquivo == arquivo && e.dados) {
            dados_ = e.dados;
            return;
        }
    }
    dados_ = LeEIndexa(arquivo);
    std::lock_guard<std::mutex> l(e.mtx);
    if (e.ativo && e.arquivo == arquivo && !e.dados)
        e.dados = dados_;
}

IniLido IniLido::DoTexto(std::string conteudo) {
    IniLido r;
    r.dados_ = Indexa(std::move(conteudo));
    return r;
}

namespace {

// A section or key name trimmed and written as the file writes it (UTF-8 in
// a file with a byte order mark); `buffer` holds a converted name.
std::string_view NomeComoNoArquivo(const IniLido::Dados* d, std::string_view nome, std::string& buffer) {
    nome = Apara(nome);
    if (!d->utf8)
        return nome;
    buffer = Cp1252ParaUtf8(nome);
    return buffer;
}

const MapaSemCaixa<std::string_view>* Secao(const IniLido::Dados* d, std::string_view secao, std::string& nome) {
    if (!d)
        return nullptr;
    secao = NomeComoNoArquivo(d, secao, nome);
    const auto it = d->porNome.find(secao);
    return it == d->porNome.end() ? nullptr : &it->second->Chaves();
}

const std::string_view* Valor(const IniLido::Dados* d, std::string_view secao, std::string_view chave) {
    std::string nomeSecao, nomeChave;
    const MapaSemCaixa<std::string_view>* s = Secao(d, secao, nomeSecao);
    if (!s)
        return nullptr;
    chave = NomeComoNoArquivo(d, chave, nomeChave);
    const auto it = s->find(chave);
    return it == s->end() ? nullptr : &it->second;
}

} // namespace

std::string IniLido::Le(const std::string& secao, const std::string& chave, const std::string& padrao,
                        std::size_t tamanho) const {
    const std::string_view* v = Valor(dados_.get(), secao, chave);
    if (!v)
        return Limita(padrao, tamanho);
    return Limita(dados_->utf8 ? Utf8ParaCp1252(*v) : std::string(*v), tamanho);
}

bool IniLido::TemChave(std::string_view secao, std::string_view chave) const {
    return Valor(dados_.get(), secao, chave) != nullptr;
}

EscopoIniLido::EscopoIniLido(const std::string& arquivo) {
    LeituraDoEscopo& e = Escopo();
    std::lock_guard<std::mutex> l(e.mtx);
    if (e.ativo)
        return; // an outer scope holds it
    e.ativo = ativo_ = true;
    e.arquivo = arquivo;
    e.dados.reset();
}

EscopoIniLido::~EscopoIniLido() {
    if (!ativo_)
        return;
    LeituraDoEscopo& e = Escopo();
    std::lock_guard<std::mutex> l(e.mtx);
    e.ativo = false;
    e.arquivo.clear();
    e.dados.reset();
}

std::string LePerfil(const std::string& secao, const std::string& chave,
                     const std::string& padrao, std::size_t tamanho,
                     const std::string& arquivo) {
    return IniLido(arquivo).Le(secao, chave, padrao, tamanho);
}

namespace {

// Line end for new lines: the file's own, CR LF for a new file. A lone CR
// ends a line only at the very end of the file, so it is never used for a
// line that others follow.
bool SemFimUtil(const Linha& l) { return l.fim.empty() || l.fim == "\r"; }

std::string FimNovo(const std::vector<Linha>& ls) {
    for (const Linha& l : ls)
        if (!SemFimUtil(l))
            return l.fim;
    return "\r\n";
}

// Puts one key into the lines: its value replaced where the key stands in
// the (first) section, else a new line after the section's last line, else a
// new section at the end.
void PoeChave(std::vector<Linha>& ls, std::string_view secaoAlvo, std::string_view chaveAlvo,
              const std::string& valor, const std::string& fimNovo) {
    size_t inicioSecao = ls.size(); // index of the section header
    size_t ultimoConteudo = 0;      // last non-blank line of the section
    for (size_t i = 0; i < ls.size(); ++i) {
        Analise a = Analisa(ls[i].texto);
        if (a.tipo == Tipo::Secao) {
            if (inicioSecao < ls.size())
                break; // end of our section
            if (IgualSemCaixa(a.nome, secaoAlvo)) {
                inicioSecao = i;
                ultimoConteudo = i;
            }
            continue;
        }
        if (inicioSecao == ls.size())
            continue;
        if (!Apara(ls[i].texto).empty())
            ultimoConteudo = i;
        if (a.tipo == Tipo::Chave && IgualSemCaixa(a.nome, chaveAlvo)) {
            ls[i].texto = ls[i].texto.substr(0, a.inicioValor) + valor;
            return;
        }
    }

    std::string linhaNova = std::string(chaveAlvo) + "=" + valor;
    if (inicioSecao < ls.size()) {
        if (SemFimUtil(ls[ultimoConteudo]))
            ls[ultimoConteudo].fim = fimNovo;
        ls.insert(ls.begin() + static_cast<std::ptrdiff_t>(ultimoConteudo + 1), Linha{linhaNova, fimNovo});
    } else {
        if (!ls.empty() && SemFimUtil(ls.back()))
            ls.back().fim = fimNovo;
        std::string cabecalho(1, '[');
        cabecalho.append(secaoAlvo);
        cabecalho.push_back(']');
        ls.push_back({std::move(cabecalho), fimNovo});
        ls.push_back({std::move(linhaNova), fimNovo});
    }
}

} // namespace

bool GravaPerfil(const std::string& secao, const std::string& chave,
                 const std::string& valor, const std::string& arquivo) {
    return GravaPerfis(secao, {{chave, valor}}, arquivo);
}

bool GravaPerfis(const std::string& secao, const std::vector<std::pair<std::string, std::string>>& chaves,
                 const std::string& arquivo) {
    std::string secaoAlvo(Apara(SemQuebras(secao)));
    if (secaoAlvo.empty() || arquivo.empty())
        return false;
    std::vector<std::pair<std::string, std::string>> limpas;
    limpas.reserve(chaves.size());
    for (const auto& [chave, valor] : chaves) {
        std::string c = SemQuebras(chave);
        if (Apara(c).empty())
            return false;
        limpas.emplace_back(std::string(Apara(c)), SemQuebras(valor));
    }

    std::lock_guard<std::mutex> trava(mtxIni);
    if (!CriaPastasDe(arquivo))
        return false;
    TravaIni travaArquivo(arquivo);
    if (!travaArquivo.Obtida())
        return false;
    std::string conteudo;
    bool existe = LeArquivo(arquivo, conteudo);
    if (!existe && ArquivoExiste(arquivo))
        return false; // present but unreadable: never overwrite it blindly
    const bool utf8 = ComMarcaUtf8(conteudo);
    if (utf8) {
        secaoAlvo = Cp1252ParaUtf8(secaoAlvo);
        for (auto& [chave, valor] : limpas) {
            chave = Cp1252ParaUtf8(chave);
            valor = Cp1252ParaUtf8(valor);
        }
    }
    std::vector<Linha> ls = Divide(std::string_view(conteudo).substr(utf8 ? kMarcaUtf8.size() : 0));
    const std::string fimNovo = FimNovo(ls);
    for (const auto& [chave, valor] : limpas)
        PoeChave(ls, secaoAlvo, chave, valor, fimNovo);

    std::string saida(utf8 ? kMarcaUtf8 : std::string_view());
    saida.reserve(conteudo.size() + 64 * limpas.size() + secaoAlvo.size() + 8);
    for (const Linha& l : ls) {
        saida += l.texto;
        saida += l.fim;
    }
    const bool gravado = GravaArquivoAtomico(arquivo, saida);
    EsqueceLeitura(arquivo);
    return gravado;
}

bool ApagaPerfil(const std::string& secao, const std::string& chave, const std::string& arquivo) {
    std::string secaoAlvo(Apara(secao)), chaveAlvo(Apara(chave));
    if (secaoAlvo.empty() || chaveAlvo.empty() || arquivo.empty())
        return false;
    std::lock_guard<std::mutex> trava(mtxIni);
    if (::access(CaminhoNativo(arquivo).c_str(), F_OK) != 0 && errno == ENOENT)
        return true; // no file: nothing to delete (and no lock file made)
    TravaIni travaArquivo(arquivo);
    if (!travaArquivo.Obtida())
        return false;
    std::string conteudo;
    if (!LeArquivo(arquivo, conteudo))
        return !ArquivoExiste(arquivo); // no file: nothing to delete
    const bool utf8 = ComMarcaUtf8(conteudo);
    if (utf8) {
        secaoAlvo = Cp1252ParaUtf8(secaoAlvo);
        chaveAlvo = Cp1252ParaUtf8(chaveAlvo);
    }
    std::vector<Linha> ls = Divide(std::string_view(conteudo).substr(utf8 ? kMarcaUtf8.size() : 0));
    bool dentro = false, achou = false;
    for (size_t i = 0; i < ls.size(); ++i) {
        Analise a = Analisa(ls[i].texto);
        if (a.tipo == Tipo::Secao) {
            if (dentro)
                break;
            dentro = IgualSemCaixa(a.nome, secaoAlvo);
        } else if (dentro && a.tipo == Tipo::Chave && IgualSemCaixa(a.nome, chaveAlvo)) {
            ls.erase(ls.begin() + static_cast<std::ptrdiff_t>(i));
            achou = true;
            break;
        }
    }
    if (!achou)
        return true;
    std::string saida(utf8 ? kMarcaUtf8 : std::string_view());
    saida.reserve(conteudo.size());
    for (const Linha& l : ls) {
        saida += l.texto;
        saida += l.fim;
    }
    const bool gravado = GravaArquivoAtomico(arquivo, saida);
    EsqueceLeitura(arquivo);
    return gravado;
}
