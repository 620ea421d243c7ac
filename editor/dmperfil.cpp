// dmperfil: configuration profiles, copies of the settings file.
#include "editor/dmperfil.h"

#include "core/dmutil.h"
#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "output/dmdevice_geometria.h"
#include "platform/arquivos.h"
#include "platform/codepage.h"
#include "platform/texto.h"

#include <array>
#include <string_view>

namespace {

bool ErroAoSalvar() {
    MensagemOK("Erro ao salvar a configuração."_cp);
    return false;
}

bool ErroAoCarregar() {
    MensagemOK("Erro ao carregar a configuração."_cp);
    return false;
}

} // namespace

void LeConfiguracoesDoPerfil(const std::string& ini) {
    LeGrupo(GrupoConfig::Programa, ini);
    LeGrupo(GrupoConfig::Impressora, ini);
    CarregaGeometria();
    // The code in force may have changed; a bad table says so itself.
    CarregaTabelaImpressora();
}

bool PareceConfiguracao(const std::string& conteudo) {
    if (conteudo.find('\0') != std::string::npos) return false;
    static constexpr std::array<GrupoConfig, 3> grupos = {GrupoConfig::Programa, GrupoConfig::Impressora,
                                                          GrupoConfig::Dicionario};
    for (const std::string& linha : DivideLinhas(conteudo)) {
        std::string_view l(linha);
        while (!l.empty() && (l.front() == ' ' || l.front() == '\t')) l.remove_prefix(1);
        if (l.empty() || l.front() != '[') continue;
        const auto fim = l.find(']');
        if (fim == std::string_view::npos) continue;
        const std::string_view nome = AparaBrancos(l.substr(1, fim - 1));
        for (GrupoConfig g : grupos)
            if (IgualSemCaixa(nome, SecaoDoGrupo(g))) return true;
    }
    return false;
}

bool SalvaConfiguracao(const std::string& destino, const std::string& ini) {
    std::string conteudo;
    if (destino.empty() || !LeArquivo(ini, conteudo)) return ErroAoSalvar();
    if (!GravaArquivoAtomico(destino, conteudo)) return ErroAoSalvar();
    return true;
}

bool CarregaConfiguracao(const std::string& origem, const std::string& ini,
                         const std::function<bool(const std::string&, const std::string&)>& grava,
                         const std::function<void()>& rele) {
    std::string conteudo;
    if (!LeArquivo(origem, conteudo) || !PareceConfiguracao(conteudo)) return ErroAoCarregar();
    {
        // No other write of the settings file runs between this one and the
        // reading below.
        CriaPastasDe(ini);
        TravaIni trava(ini);
        const bool gravado = grava ? grava(ini, conteudo) : GravaArquivoAtomico(ini, conteudo);
        if (!gravado) return ErroAoCarregar();
    }
    if (rele) rele();
    else LeConfiguracoesDoPerfil(ini);
    return true;
}
