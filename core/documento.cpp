// The document in force for the compiler and the tools, the editing
// operations every editable document shares, and the document in memory.
#include "core/documento.h"

#include "platform/servicos.h"

#include <algorithm>

namespace {
DocumentoEmMemoria editavelPadrao;
LinhasDocumento* atual = nullptr;
DocumentoEditavel* emEdicao = nullptr;

const std::string kCRLF = "\r\n";

// Characters as the text limit counts them: a line end is one.
long long ContaNoLimite(std::string_view crlf) {
    long long n = 0;
    for (std::size_t i = 0; i < crlf.size(); ++i, ++n)
        if (crlf[i] == '\r' && i + 1 < crlf.size() && crlf[i + 1] == '\n') ++i;
    return n;
}

// The first `quantos` characters of a CR LF text as the limit counts them.
std::string CortaNoLimite(const std::string& crlf, long long quantos) {
    std::size_t i = 0;
    for (long long n = 0; n < quantos && i < crlf.size(); ++n)
        i += crlf[i] == '\r' && i + 1 < crlf.size() && crlf[i + 1] == '\n' ? 2 : 1;
    return crlf.substr(0, i);
}
} // namespace

LinhasDocumento& DocumentoAtual() { return atual ? *atual : DocumentoEmEdicao(); }
void DefineDocumentoAtual(LinhasDocumento* d) { atual = d; }

DocumentoEditavel& DocumentoEmEdicao() { return emEdicao ? *emEdicao : editavelPadrao; }
void DefineDocumentoEmEdicao(DocumentoEditavel* d) {
    emEdicao = d;
    atual = nullptr;
}

int CaracteresQueCabem(long long tamanho, long long selecionados) {
    const long long resta = LimiteTextoDocumento - (tamanho - selecionados);
    return static_cast<int>(std::clamp<long long>(resta, 0, LimiteTextoDocumento));
}

LinCol CalcLinCol(const std::vector<std::string>& linhas, long long posicao) {
    return CalcLinColPor(static_cast<int>(linhas.size()),
                         [&](int i) { return linhas[static_cast<std::size_t>(i)].size(); }, posicao);
}

long long InicioLinha(const std::vector<std::string>& linhas, int linha) {
    return InicioLinhaPor(static_cast<int>(linhas.size()),
                          [&](int i) { return linhas[static_cast<std::size_t>(i)].size(); }, linha);
}

std::string QuebrasCRLF(std::string_view texto) {
    std::string r;
    r.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c == '\r' || c == '\n') {
            r += kCRLF;
            if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
        } else {
            r += c;
        }
    }
    return r;
}

// ============================================================================
// The editable document
// ============================================================================

void DocumentoEditavel::CalcLinCol(int posicao, int& linha, int& coluna) const {
    const LinCol r =
        CalcLinColPor(NumLinhas(), [this](int i) { return ComprimentoLinha(i); }, posicao);
    linha = r.linha;
    coluna = r.coluna;
}

void DocumentoEditavel::LinColInicioSel(int& linha, int& coluna) const {
    CalcLinCol(InicioSelecao(), linha, coluna);
}

void DocumentoEditavel::LinColFimSel(int& linha, int& coluna) const {
    CalcLinCol(InicioSelecao() + TamanhoSelecao(), linha, coluna);
}

int DocumentoEditavel::InicioLinha(int linha) const {
    return static_cast<int>(
        InicioLinhaPor(NumLinhas(), [this](int i) { return ComprimentoLinha(i); }, linha));
}

void DocumentoEditavel::PosicionaCursor(int linha, int coluna) {
    const int p = OffsetValido(static_cast<long long>(InicioLinha(linha)) + coluna);
    MarcaSelecao(p, p);
}

int DocumentoEditavel::OffsetValido(long long p) const {
    int q = static_cast<int>(std::clamp<long long>(p, 0, TamanhoTexto()));
    int linha = 0, coluna = 0;
    CalcLinCol(q, linha, coluna);
    if (linha < NumLinhas()) {
        const int comprimento = ComprimentoLinha(linha);
        if (coluna > comprimento) q -= coluna - comprimento;
    }
    return q;
}

void DocumentoEditavel::DefineSelecao(int inicio, int tamanho) {
    const int a = OffsetValido(inicio);
    const int b = OffsetValido(static_cast<long long>(inicio) + std::max(tamanho, 0));
    MarcaSelecao(a, std::max(a, b));
}

void DocumentoEditavel::LinhasSelecionadas(int& primeira, int& ultima) const {
    int c1 = 0, c2 = 0;
    LinColInicioSel(primeira, c1);
    LinColFimSel(ultima, c2);
    if (c2 == 0 && ultima > primeira) --ultima;
}

bool DocumentoEditavel::TerminaEmQuebra() const {
    const int n = NumLinhas();
    return n > 0 && InicioLinha(n) == TamanhoTexto();
}

std::string DocumentoEditavel::Trecho(int inicio, int tamanho) const {
    const long long total = TamanhoTexto();
    const long long a = std::clamp<long long>(inicio, 0, total);
    const long long b = std::clamp<long long>(a + std::max(tamanho, 0), a, total);
    std::string r;
    if (a == b) return r;
    int linha = 0, coluna = 0;
    CalcLinCol(static_cast<int>(a), linha, coluna);
    long long pos = a - coluna;
    for (int i = linha; pos < b && i < NumLinhas(); ++i) {
        std::string s = Linha(i);
        if (pos + static_cast<long long>(s.size()) + 2 <= total) s += kCRLF;
        const long long de = std::max(a, pos) - pos;
        const long long ate = std::min(b, pos + static_cast<long long>(s.size())) - pos;
        if (ate > de) r.append(s, static_cast<std::size_t>(de), static_cast<std::size_t>(ate - de));
        pos += static_cast<long long>(s.size());
    }
    return r;
}

std::string DocumentoEditavel::Texto() const { return Trecho(0, TamanhoTexto()); }

std::string DocumentoEditavel::TextoSelecionado() const {
    return Trecho(InicioSelecao(), TamanhoSelecao());
}

void DocumentoEditavel::Edita(int a, int b, const std::string& texto, bool cursorNoFim) {
    const std::string t = QuebrasCRLF(texto);
    if (a == b && t.empty()) return;
    const int n = static_cast<int>(t.size());
    const int delta = n - (b - a);
    const int si = InicioSelecao();
    const int sf = si + TamanhoSelecao();
    auto inicioDepois = [&](int p) { return p < a ? p : p < b ? a : p + delta; };
    auto fimDepois = [&](int p) { return p <= a ? p : p <= b ? a + n : p + delta; };
    int ni = 0, nf = 0;
    if (cursorNoFim) {
        ni = nf = a + n;
    } else if (si == sf) {
        ni = nf = inicioDepois(si);
    } else {
        ni = inicioDepois(si);
        nf = fimDepois(sf);
    }
    IniciaGrupo();
    TrocaTrecho(a, b, t);
    MarcaSelecao(ni, std::max(ni, nf));
    TerminaGrupo();
}

void DocumentoEditavel::SubstituiSelecao(const std::string& texto) {
    const int a = InicioSelecao();
    Edita(a, a + TamanhoSelecao(), texto, true);
}

void DocumentoEditavel::SubstituiLinha(int indice, const std::string& texto) {
    if (indice < 0 || indice >= NumLinhas()) return;
    const int a = InicioLinha(indice);
    Edita(a, a + ComprimentoLinha(indice), texto, false);
}

void DocumentoEditavel::InsereLinha(int indice, const std::string& texto) {
    InsereLinhas(indice, {texto});
}

void DocumentoEditavel::InsereLinhas(int indice, const std::vector<std::string>& linhas) {
    if (linhas.empty()) return;
    std::string junto;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        if (i > 0) junto += kCRLF;
        junto += linhas[i];
    }
    const int n = NumLinhas();
    indice = std::max(indice, 0);
    if (indice < n) {
        const int a = InicioLinha(indice);
        Edita(a, a, junto + kCRLF, false);
    } else {
        const int fim = TamanhoTexto();
        Edita(fim, fim, n > 0 && !TerminaEmQuebra() ? kCRLF + junto : junto + kCRLF, false);
    }
}

void DocumentoEditavel::RemoveLinhas(int indice, int quantas) {
    const int n = NumLinhas();
    if (indice < 0 || indice >= n || quantas <= 0) return;
    quantas = std::min(quantas, n - indice);
    const int a = InicioLinha(indice);
    const int b = std::min(InicioLinha(indice + quantas), TamanhoTexto());
    Edita(a, b, std::string(), false);
}

long long DocumentoEditavel::TamanhoNoLimite() const {
    long long soma = 0;
    for (int i = 0; i < NumLinhas(); ++i) soma += ComprimentoLinha(i);
    // Every line end is two offsets but one character of the limit.
    return (TamanhoTexto() + soma) / 2;
}

bool DocumentoEditavel::Cola() {
    std::string t = QuebrasCRLF(servicos().LeAreaTransferencia());
    if (t.empty()) return false;
    const int cabe = CaracteresQueCabem(TamanhoNoLimite(), ContaNoLimite(TextoSelecionado()));
    if (ContaNoLimite(t) > cabe) {
        t = CortaNoLimite(t, cabe);
        servicos().Bipe();
    }
    if (t.empty()) return false;
    SubstituiSelecao(t);
    return true;
}

void DocumentoEditavel::IniciaGrupo() {
    if (grupos_++ == 0) AbreGrupo();
}

void DocumentoEditavel::TerminaGrupo() {
    if (grupos_ > 0 && --grupos_ == 0) FechaGrupo();
}

// ============================================================================
// The document in memory
// ============================================================================

DocumentoEmMemoria::DocumentoEmMemoria(const std::vector<std::string>& linhas) {
    std::string t;
    for (const auto& l : linhas) {
        t += l;
        t += kCRLF;
    }
    DefineTexto(t);
}

void DocumentoEmMemoria::DefineTexto(std::string_view texto) {
    texto_ = QuebrasCRLF(texto);
    Indexa();
    inicio_ = fim_ = 0;
    desfazer_.clear();
}

void DocumentoEmMemoria::Indexa() {
    inicios_.clear();
    std::size_t p = 0;
    while (p < texto_.size()) {
        inicios_.push_back(static_cast<int>(p));
        const std::size_t q = texto_.find(kCRLF, p);
        if (q == std::string::npos) break;
        p = q + 2;
    }
}

int DocumentoEmMemoria::NumLinhas() const { return static_cast<int>(inicios_.size()); }

int DocumentoEmMemoria::ComprimentoLinha(int indice) const {
    if (indice < 0 || indice >= NumLinhas()) return 0;
    const std::size_t a = static_cast<std::size_t>(inicios_[static_cast<std::size_t>(indice)]);
    const std::size_t q = texto_.find(kCRLF, a);
    return static_cast<int>((q == std::string::npos ? texto_.size() : q) - a);
}

std::string DocumentoEmMemoria::Linha(int indice) const {
    if (indice < 0 || indice >= NumLinhas()) return {};
    return texto_.substr(static_cast<std::size_t>(inicios_[static_cast<std::size_t>(indice)]),
                         static_cast<std::size_t>(ComprimentoLinha(indice)));
}

void DocumentoEmMemoria::MarcaSelecao(int inicio, int fim) {
    inicio_ = inicio;
    fim_ = fim;
}

void DocumentoEmMemoria::TrocaTrecho(int inicio, int fim, const std::string& texto) {
    if (!grupoEditou_) {
        desfazer_.push_back({texto_, inicio_, fim_});
        grupoEditou_ = true;
    }
    texto_.replace(static_cast<std::size_t>(inicio), static_cast<std::size_t>(fim - inicio), texto);
    Indexa();
}

void DocumentoEmMemoria::AbreGrupo() { grupoEditou_ = false; }

void DocumentoEmMemoria::FechaGrupo() { grupoEditou_ = false; }

void DocumentoEmMemoria::Desfaz() {
    if (desfazer_.empty()) return;
    Estado e = std::move(desfazer_.back());
    desfazer_.pop_back();
    texto_ = std::move(e.texto);
    Indexa();
    inicio_ = e.inicio;
    fim_ = e.fim;
}
