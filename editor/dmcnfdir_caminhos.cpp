// dmcnfdir_caminhos: the start-up resolution of the file and program paths.
#include "editor/dmcnfdir_caminhos.h"

#include "core/dmvars.h"
#include "core/dmvars_ini.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/texto.h"


namespace {

// The path of nome in pasta when it lies there (letter case aside), else "".
std::string Achado(const std::string& pasta, const std::string& nome) {
    const std::string c = AchaArquivoDados(pasta, nome);
    return ArquivoExiste(c) ? c : std::string();
}

std::string ComBarra(std::string pasta) {
    if (!pasta.empty() && pasta.back() != '/') pasta += '/';
    return pasta;
}

} // namespace

bool LocalizaArqConfig(std::string& caminho, std::string& pasta, const std::string& nomePadrao, bool avisa) {
    if (caminho.empty()) caminho = nomePadrao;
    std::string nome = ExtraiNomeArquivo(caminho);
    std::string propria = ExtraiDiretorio(caminho);
    if (propria.empty()) propria = pasta;

    std::string achado;
    for (const std::string& dir : {propria, pasta, ComBarra(DirDocumento)}) {
        if (dir.empty()) continue;
        achado = Achado(dir, nome);
        if (!achado.empty()) break;
    }
    if (achado.empty()) {
        if (avisa)
            dialogos().Caixa("Não encontrei o arquivo de configuração: "_cp + nome, "Aviso", Icone::Aviso,
                             Botoes::OK);
    } else {
        pasta = ExtraiDiretorio(achado);
        nome = ExtraiNomeArquivo(achado);
    }
    caminho = pasta + nome;
    return !achado.empty();
}

void IniciaPastas(PastasConfig& p) {
    if (p.DirRascunho.empty()) p.DirRascunho = ComBarra(DirDocumento);
    if (p.DirConfig.empty()) p.DirConfig = DirDados();
    if (p.DirVelun.empty()) p.DirVelun = DirPrograma;
    if (p.DirPuma.empty()) p.DirPuma = DirPrograma;
}

void LeDiretorios(PastasConfig& p, const std::string& ini) {
    IniciaPastas(p);
    const IniLido lido(ini);

    const ChaveConfig& rascunho = *ChaveDe(ArqRascunho);
    const std::string arqTrab = LeTextoChave(rascunho, lido);
    if (!arqTrab.empty()) {
        p.DirRascunho = ExtraiDiretorio(arqTrab);
        if (p.DirRascunho.empty()) {
            p.DirRascunho = ComBarra(DirDocumento);
            ArqRascunho = p.DirRascunho + arqTrab;
        } else {
            ArqRascunho = arqTrab;
        }
    } else {
        // The compile writes this program's own draft there.
        p.DirRascunho = DirTemporario();
        ArqRascunho.clear();
    }

    struct Arquivo {
        std::string* variavel;
        std::string PastasConfig::*pasta;
        bool avisa;
    };
    // ProgGrafemor, ProgVelun and ProgPuma name programs of other makers,
    // seldom installed: their absence is told when they are started.
    const Arquivo arquivos[] = {
        {&ArqAmbCode, &PastasConfig::DirConfig, true},    {&ArqAmbCode2, &PastasConfig::DirConfig, true},
        {&ArqGrafBraille, &PastasConfig::DirConfig, true}, {&ProgKelto, &PastasConfig::DirConfig, true},
        {&ProgGrafemor, &PastasConfig::DirConfig, false}, {&ProgVelun, &PastasConfig::DirVelun, false},
        {&ProgPuma, &PastasConfig::DirPuma, false},
    };
    for (const Arquivo& a : arquivos) {
        const ChaveConfig& c = *ChaveDe(*a.variavel);
        std::string caminho = LeTextoChave(c, lido);
        // The companion program is built and installed beside this one: a
        // bare name is looked for there first.
        if (a.variavel == &ProgKelto && ExtraiDiretorio(caminho).empty()) caminho = DirPrograma + caminho;
        LocalizaArqConfig(caminho, p.*a.pasta, std::string(c.textoPadrao), a.avisa);
        *a.variavel = caminho;
    }
}

std::string RascunhoConfigurado(const std::string& arqRascunho) {
    if (arqRascunho.empty() || arqRascunho == RascunhoPrivado()) return std::string();
    return arqRascunho;
}
