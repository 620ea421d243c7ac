// dmmacro: the macro file's reader, the macro table and its application to
// the selected lines.
#include "editor/dmmacro.h"

#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "editor/dmedicao.h"
#include "core/celas/tabela_codigos.h"
#include "editor/documentos.h"
#include "platform/arquivos.h"
#include "platform/texto.h"

#include <algorithm>

TabelaMacros Macros;

// ============================================================================
// The table
// ============================================================================

void TabelaMacros::Limpa() {
    macros_.clear();
    primeira_.clear();
    comprimentos_.clear();
}

void TabelaMacros::Acrescenta(std::string chave, std::string valor) {
    const int indice = Quantidade();
    if (primeira_.try_emplace(chave, indice).second) {
        const auto p = std::lower_bound(comprimentos_.begin(), comprimentos_.end(), chave.size());
        if (p == comprimentos_.end() || *p != chave.size()) comprimentos_.insert(p, chave.size());
    }
    macros_.push_back({std::move(chave), std::move(valor)});
}

std::string_view TabelaMacros::BuscaMacro(std::string_view linha, std::size_t i,
                                          std::size_t& comprimento) const {
    if (i >= linha.size()) {
        comprimento = 1;
        return {};
    }
    // Of the codes that stand at i, the one defined first.
    int achada = -1;
    for (const std::size_t n : comprimentos_) {
        if (n > linha.size() - i) break;
        const auto p = primeira_.find(linha.substr(i, n));
        if (p != primeira_.end() && (achada < 0 || p->second < achada)) achada = p->second;
    }
    if (achada < 0) {
        comprimento = 1;
        return linha.substr(i, 1);
    }
    const Macro& m = macros_[static_cast<std::size_t>(achada)];
    comprimento = m.chave.size();
    return m.valor;
}

// ============================================================================
// The file
// ============================================================================

LeituraMacros LeMacros(std::string_view conteudo, TabelaMacros& tabela) {
    tabela.Limpa();
    int numero = 0;
    for (const std::string& linha : TextoEmLinhas(conteudo)) {
        ++numero;
        if (linha.empty() || linha.front() == ';') continue;
        if (linha.front() != kInicioMacro) return {false, numero};
        const std::size_t fimChave = std::min(linha.find(' '), linha.size());
        const std::size_t inicioValor = std::min(linha.find_first_not_of(' ', fimChave), linha.size());
        const std::size_t fimValor = std::min(linha.find(' ', inicioValor), linha.size());
        tabela.Acrescenta(linha.substr(0, fimChave), linha.substr(inicioValor, fimValor - inicioValor));
    }
    return {};
}

bool CarregaMacros(std::string_view conteudo) {
    const LeituraMacros r = LeMacros(conteudo, Macros);
    if (!r.ok) MensagemOK("Codigo inválido na linha "_cp + std::to_string(r.linhaErro));
    return r.ok;
}

// ============================================================================
// Applying the macros
// ============================================================================

std::string AplicaMacrosLinha(const std::string& linha, const TabelaMacros& tabela, std::size_t maximo) {
    if (linha.find(kInicioMacro) == std::string::npos) return linha;
    std::string r;
    r.reserve(std::min(linha.size(), maximo));
    std::size_t i = 0;
    while (i < linha.size() && r.size() <= maximo) {
        if (linha[i] == kInicioMacro) {
            std::size_t n = 1;
            r += tabela.BuscaMacro(linha, i, n);
            i += n;
        } else {
            const std::size_t proxima = std::min(linha.find(kInicioMacro, i), linha.size());
            r.append(linha, i, proxima - i);
            i = proxima;
        }
    }
    return r;
}

void AplicaMacros(DocumentoEditavel& doc, const TabelaMacros& tabela) {
    int primeira = 0, ultima = 0;
    doc.LinhasSelecionadas(primeira, ultima);
    ultima = std::min(ultima, doc.NumLinhas() - 1);
    if (ultima < primeira) return;
    std::vector<std::string> novas;
    novas.reserve(static_cast<std::size_t>(ultima - primeira + 1));
    // What the text may still grow by, as the editor's limit counts it (no
    // replacement holds a line end).
    const long long cabe = std::max<long long>(LimiteTextoDocumento - doc.TamanhoNoLimite(), 0);
    long long cresce = 0;
    for (int i = primeira; i <= ultima; ++i) {
        const std::string linha = doc.Linha(i);
        const long long resta = cabe - cresce + static_cast<long long>(linha.size());
        novas.push_back(AplicaMacrosLinha(linha, tabela, static_cast<std::size_t>(std::max<long long>(resta, 0))));
        cresce += static_cast<long long>(novas.back().size()) - static_cast<long long>(linha.size());
        if (cresce > cabe && !CabeNoEditor(doc, cresce)) return;
    }
    TrocaLinhas(doc, primeira, ultima, novas);
}

// ============================================================================
// The command
// ============================================================================

std::string ArquivoMacrosConfigurado() {
    const ChaveConfig& chave = ChaveDoGrupo(GrupoConfig::ArquivoMacro);
    const std::string valor = LeTextoChave(chave);
    const std::string padrao(chave.textoPadrao);
    // Not configured: the file the program ships.
    if (valor == DirPrograma + padrao && !ArquivoExiste(valor)) return LocalizaTabelaCodigos(padrao, DirPrograma);
    return valor;
}

bool ProcessaMacros(const std::string& arquivo, DocumentoEditavel& doc) {
    if (arquivo.empty() || arquivo.front() == ' ') {
        MensagemOK("Arquivo inválido"_cp);
        return false;
    }
    std::string conteudo;
    const std::string caminho = AchaArquivoDados("", arquivo);
    switch (LeArquivoAte(caminho, conteudo, MaxBytesArquivo)) {
    case LeituraArquivo::Lido: break;
    case LeituraArquivo::NaoLido:
        MensagemOK("Arquivo de macros não existe"_cp);
        return false;
    case LeituraArquivo::GrandeDemais:
        MensagemOK("Arquivo de macros grande demais (no máximo "_cp + TextoMaxBytesArquivo() + "):\r\n" + caminho);
        return false;
    }
    // The macros still run when the file's name cannot be kept.
    GravaTextoChaveOuAvisa(ChaveDoGrupo(GrupoConfig::ArquivoMacro), arquivo);
    if (CarregaMacros(conteudo)) AplicaMacros(doc);
    return true;
}
