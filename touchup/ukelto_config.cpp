// ukelto: the start-up configuration.
#include "touchup/ukelto_config.h"

#include "core/celas/chaves_ini.h"
#include "platform/arquivos.h"
#include "platform/codepage.h"
#include "platform/dialogos.h"
#include "platform/ini.h"
#include "platform/texto.h"

namespace {

// The flag is read with the Windows buffer of 255 characters (only its
// first one counts).
constexpr std::size_t kBufferIni = 255;

void Erro(const std::string& texto) { dialogos().Caixa(texto, kTituloKelto, Icone::Erro, Botoes::OK); }

} // namespace

bool LeConfiguracaoKelto(EstadoKelto& e, const std::string& dirPrograma) {
    e.MapaFonte = TabelaIdentidade();
    using namespace chaves_ini;
    const std::string secao(kSecaoPrograma);
    const IniLido ini(CaminhoIni());
    const std::string antigo = ini.Le(secao, std::string(kBrailleAntigo), "", kBufferIni);
    e.BrailleAntigo = !antigo.empty() && MaiusculaWindows(static_cast<unsigned char>(antigo[0])) == 'S';
    // The table's name is read whole, as the main program stores it: a deep
    // path cut at the flag's buffer would name another file.
    std::string nome = ini.Le(secao, std::string(e.BrailleAntigo ? kTabelaAntiga : kTabelaUnificada), "");
    if (nome.empty())
        nome = e.BrailleAntigo ? kPadraoTabelaAntiga : kPadraoTabelaUnificada;

    const std::string caminho = LocalizaTabelaCodigos(nome, dirPrograma);
    if (!ArquivoExiste(caminho)) {
        Erro("Arquivo "_cp + nome + " não achado"_cp);
        return false;
    }
    std::string conteudo;
    switch (LeArquivoAte(caminho, conteudo, MaxBytesArquivo)) {
    case LeituraArquivo::Lido: break;
    case LeituraArquivo::NaoLido:
        Erro("Erro em "_cp + nome);
        return false;
    case LeituraArquivo::GrandeDemais:
        Erro("Arquivo "_cp + caminho + " grande demais (no máximo "_cp + TextoMaxBytesArquivo() + ")");
        return false;
    }
    AplicaTabelaCodigos(conteudo, e.MapaFonte, LeituraTabela::PulaLinhasRuins);
    return true;
}
