// dmexternos: starting the external programs, the word-list editor and the
// manual.
#include "editor/dmexternos.h"

#include "core/celas/tabela_codigos.h"
#include "core/dmvars.h"
#include "editor/documentos.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/servicos.h"

namespace {

constexpr const char* kTitulo = "Dotmara";
constexpr const char* kManual = "dotmara.html";

void ErroInicio(const std::string& programa) {
    dialogos().Caixa("Erro: não foi possível iniciar o programa \""_cp + programa + "\".", kTitulo,
                     Icone::Erro, Botoes::OK);
}

void ErroAbertura(const std::string& arquivo) {
    dialogos().Caixa("Erro: não foi possível abrir \""_cp + arquivo + "\".", kTitulo, Icone::Erro,
                     Botoes::OK);
}

// Starts programa (a full path) in pasta with the arguments; the two folder
// boxes when the folder cannot be entered.
bool Inicia(const std::string& programa, const std::vector<std::string>& argumentos,
            const std::string& pasta) {
    if (!ConfereDir(pasta)) {
        MensagemOK("Erro: diretório "_cp + pasta + " inacessível!"_cp);
        return false;
    }
    if (!servicos().IniciaPrograma(programa, argumentos, pasta)) {
        ErroInicio(programa);
        return false;
    }
    return true;
}

} // namespace

void ChamaKelto() {
    if (servicos().InstanciaAtiva(kInstanciaKelto)) {
        dialogos().Caixa("Programa já ativo, use a barra de seleção do Windows"_cp, kTitulo,
                         Icone::Informacao, Botoes::OK);
        return;
    }
    std::string pasta = ExtraiDiretorio(ProgKelto);
    if (pasta.empty()) pasta = DirPrograma;
    Inicia(CaminhoAbsoluto(pasta + ExtraiNomeArquivo(ProgKelto)), {}, pasta);
}

bool ChamaPrograma(const std::string& caminho, const std::string& nomePrograma) {
    if (!ChecaPrograma(caminho, nomePrograma)) return false;
    const std::string programa = CaminhoAbsoluto(caminho);
    return Inicia(programa, {}, ExtraiDiretorio(programa));
}

void ChamaGrafemor() { ChamaPrograma(ProgGrafemor, "editor gráfico"_cp); }
void ChamaVelun() { ChamaPrograma(ProgVelun, "Velun"); }

void EditaListaDicionario(const std::string& lista) {
    // The file the dictionary loader reads.
    const std::string arquivo = LocalizaTabelaCodigos(lista, DirPrograma);
    if (!ArquivoExiste(arquivo)) {
        dialogos().Caixa("Arquivo não encontrado: "_cp + arquivo, kTitulo, Icone::Erro, Botoes::OK);
        return;
    }
    if (!servicos().AbreComProgramaDoSistema(CaminhoAbsoluto(arquivo))) ErroAbertura(arquivo);
}

void AbreManual() {
    std::string manual = AchaArquivoDados(DirPrograma, kManual);
    if (!ArquivoExiste(manual)) manual = AchaArquivoDados(DirDados(), kManual);
    if (!ArquivoExiste(manual)) {
        dialogos().Caixa("Arquivo de ajuda não encontrado"_cp, kTitulo, Icone::Erro, Botoes::OK);
        return;
    }
    if (!servicos().AbreComProgramaDoSistema(CaminhoAbsoluto(manual))) ErroAbertura(manual);
}

std::string PreparaPuma() {
    if (!ChecaPrograma(ProgPuma, "puma2")) return std::string();
    // A file of this user's own, made new for this job: the plate program
    // can only ever get what this job writes into it.
    const std::string placa = ArquivoTemporario("BRL", ".TMP");
    if (placa.empty()) dialogos().Caixa(MensagemSemPastaTemporaria(), "Erro", Icone::Erro, Botoes::OK);
    return placa;
}

void ChamaPuma(const std::string& arquivoPlaca, bool impressaoOk) {
    if (!impressaoOk || arquivoPlaca.empty()) return;
    const std::string programa = CaminhoAbsoluto(ProgPuma);
    std::string pasta = ExtraiDiretorio(programa);
    if (pasta.size() > 1) pasta.pop_back();   // this command names it without the "/"
    Inicia(programa, {arquivoPlaca}, pasta);
}
