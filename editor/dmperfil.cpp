// dmperfil: configuration profiles, copies of the settings file.
#include "editor/dmperfil.h"

#include "core/dmutil.h"
#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "output/dmdevice_geometria.h"
#include "platform/arquivos.h"
#include "platform/codepage.h"
#include "platform/texto.h"

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
    const IniLido perfil = IniLido::DoTexto(conteudo);
    const std::string_view secao = SecaoDoGrupo(GrupoConfig::Programa);
    for (const ChaveConfig& c : TabelaConfiguracao())
        if (SecaoDaChave(c) == secao && perfil.TemChave(secao, c.chave)) return true;
    return false;
}

std::string ArquivoAnteriorAoPerfil(const std::string& ini) { return ini + ".bak"; }

bool SalvaConfiguracao(const std::string& destino, const std::string& ini) {
    std::string conteudo;
    if (destino.empty() || !LeArquivo(ini, conteudo)) return ErroAoSalvar();
    if (!GravaArquivoAtomico(destino, conteudo)) return ErroAoSalvar();
    return true;
}

bool CarregaConfiguracao(const std::string& origem, const std::string& ini, const std::function<void()>& rele) {
    std::string conteudo;
    if (!LeArquivo(origem, conteudo) || !PareceConfiguracao(conteudo)) return ErroAoCarregar();
    const std::string anterior = ArquivoAnteriorAoPerfil(ini);
    bool guardado = false;
    {
        // No other write of the settings file runs between the copy, the
        // replacement and the reading below.
        CriaPastasDe(ini);
        TravaIni trava(ini);
        // The settings replaced are kept whole first; a file that cannot be
        // kept is not replaced.
        std::string antes;
        if (ArquivoExiste(ini)) {
            if (!LeArquivo(ini, antes) || !GravaArquivoAtomico(anterior, antes)) return ErroAoCarregar();
            guardado = true;
        }
        if (!GravaArquivoAtomico(ini, conteudo)) return ErroAoCarregar();
    }
    if (rele) rele();
    else LeConfiguracoesDoPerfil(ini);
    if (guardado) MensagemOK("Configuração carregada.\r\nA configuração anterior foi guardada em "_cp + anterior + ".");
    return true;
}
