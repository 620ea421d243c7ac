// dmAltoRelevo: .MDL dot fonts, the relief grid and the saving of relief
// text as a .GRB graphic.
#include "output/dmAltoRelevo.h"

#include <algorithm>
#include <cstring>

#include "core/dmutil.h"
#include "core/dmvars.h"
#include "editor/documentos.h"
#include "output/dmgrafpr.h"
#include "platform/arquivos.h"
#include "platform/codepage.h"
#include "platform/dialogos.h"

int ResolucaoX = ResolucaoXMin;
int ResolucaoY = ResolucaoYMin;

namespace {

// Past these, x and y only say "beyond the grid": keeping them there keeps
// the arithmetic of a very long text in range.
constexpr int LimiteAvanco = GradeRelevo::Colunas + 1;

// Row value of an upper-cased glyph character for the line advance: digits
// 0..9, "A".."F" 10..15, anything else 0 (other characters raise dots too,
// but do not make the line taller).
int ValorGlifo(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

} // namespace

// ---- The grid ---------------------------------------------------------------

void GradeRelevo::Marca(int coluna, int linha) {
    if (coluna < 0 || coluna > UltimaColuna || linha < 0 || linha > UltimaLinha) return;
    pontos_[Indice(coluna, linha)] = 1;
}

bool GradeRelevo::Ponto(int coluna, int linha) const {
    if (coluna < 0 || coluna > UltimaColuna || linha < 0 || linha > UltimaLinha) return false;
    return pontos_[Indice(coluna, linha)] != 0;
}

void GradeRelevo::Limpa() { std::fill(pontos_.begin(), pontos_.end(), 0); }

// ---- The font ---------------------------------------------------------------

void LeFonteMDL(const std::string& conteudo, FonteMDL& f) {
    f.GlifosMDL.fill(FonteMDL::GlifoVazio);
    int maximo = 0;
    for (std::string linha : DivideLinhas(conteudo)) {
        if (linha.empty()) continue;
        // From the second character on: upper case, and "A".."F" moved seven
        // codes down (to ":".."?") so that code minus "0" gives 10..15.
        for (size_t i = 1; i < linha.size(); ++i) {
            auto c = MaiusculaWindows(static_cast<unsigned char>(linha[i]));
            maximo = std::max(maximo, ValorGlifo(c));
            if (c >= 'A' && c <= 'F') c = static_cast<unsigned char>(c - 7);
            linha[i] = static_cast<char>(c);
        }
        f.GlifosMDL[static_cast<unsigned char>(linha[0])] = std::move(linha);
    }
    f.AlturaGlifo = maximo + 1;
    f.Carregada = true;
}

LeituraMDL LeArquivoMDL(const std::string& arquivo, FonteMDL& f) {
    std::string conteudo;
    switch (LeArquivoAte(arquivo, conteudo, MaxBytesMDL)) {
    case LeituraArquivo::Lido: break;
    case LeituraArquivo::NaoLido: return LeituraMDL::NaoEncontrada;
    case LeituraArquivo::GrandeDemais: return LeituraMDL::GrandeDemais;
    }
    LeFonteMDL(conteudo, f);
    return LeituraMDL::Lida;
}

bool CarregaFonteMDL(const std::string& arquivo, FonteMDL& f) {
    return LeArquivoMDL(arquivo, f) == LeituraMDL::Lida;
}

std::string MensagemLeituraMDL(LeituraMDL r, const std::string& arquivo) {
    if (r == LeituraMDL::GrandeDemais)
        return "Erro: arquivo "_cp + arquivo + " grande demais para uma fonte de pontos (no máximo 1 MB)!"_cp;
    return "Erro: arquivo "_cp + arquivo + " " + "não encontrado!"_cp;
}

void DesenhaCaractereRelevo(const FonteMDL& f, GradeRelevo& g, unsigned char c, int& x, int& y) {
    const std::string& glifo = f.GlifosMDL[c];
    const std::string_view s = glifo.size() > 2 ? std::string_view(glifo).substr(2) : std::string_view();
    if (s == " 0") {
        x += 4;
    } else {
        for (char k : s) {
            if (x >= LimiteAvanco) break; // the rest of the glyph is off the grid
            if (k == '|') {
                ++x;
            } else if (k != ' ' && k != '0') {
                g.Marca(x + 1, y + (static_cast<unsigned char>(k) - '0'));
            }
        }
        if (x < LimiteAvanco) ++x; // the "|" that closes the glyph
    }
    x = std::min(x + 1, LimiteAvanco);
}

void DesenhaTextoRelevo(const FonteMDL& f, GradeRelevo& g, const std::vector<std::string>& linhas) {
    if (!f.Carregada) return;
    g.Limpa();
    int y = 0;
    for (const std::string& linha : linhas) {
        // Glyph characters reach at most 48 rows above the line's top (a
        // control character), so a line whose top lies further below the
        // grid, and every line after it, draws nothing.
        if (y > GradeRelevo::UltimaLinha + '0') break;
        int x = 0;
        for (char c : linha) {
            if (x >= LimiteAvanco) break;
            DesenhaCaractereRelevo(f, g, static_cast<unsigned char>(c), x, y);
        }
        y += f.AlturaGlifo;
    }
}

void ExtensaoRelevo(const GradeRelevo& g, int& ultimaColuna, int& ultimaLinha) {
    ultimaColuna = -1;
    ultimaLinha = -1;
    for (int l = GradeRelevo::UltimaLinha; l >= 0 && ultimaLinha < 0; --l)
        if (std::memchr(g.Linha(l), 1, GradeRelevo::Colunas)) ultimaLinha = l;
    for (int l = 0; l <= ultimaLinha; ++l) {
        const unsigned char* p = g.Linha(l);
        for (int c = GradeRelevo::UltimaColuna; c > ultimaColuna; --c)
            if (p[c]) {
                ultimaColuna = c;
                break;
            }
    }
}

std::string TextoGRB(const GradeRelevo& g, int ultimaLinha) {
    std::string r;
    ultimaLinha = std::min(ultimaLinha, GradeRelevo::UltimaLinha);
    for (int l = 0; l <= ultimaLinha; ++l) {
        const unsigned char* p = g.Linha(l);
        int fim = GradeRelevo::Colunas;
        while (fim > 0 && !p[fim - 1]) --fim;
        for (int c = 0; c < fim; ++c) r += p[c] ? '*' : ' ';
        r += "\r\n";
    }
    return r;
}

bool SalvaGRB(const std::string& arquivo, const GradeRelevo& g, int ultimaLinha) {
    if (GravaArquivoAtomico(arquivo, TextoGRB(g, ultimaLinha))) return true;
    MensagemOK("Erro ao salvar gráfico no arquivo "_cp + arquivo + ".");
    return false;
}

std::string NomeBackupGRB(const std::string& arquivo) {
    const std::string ext = ExtraiExtensao(arquivo);
    const std::string base = arquivo.substr(0, arquivo.size() - ext.size());
    return base + ".~" + (ext.empty() ? std::string() : ext.substr(1));
}

bool GeraGraficoRelevo(const std::string& arquivo, const GradeRelevo& g) {
    int ultimaColuna = -1, ultimaLinha = -1;
    ExtensaoRelevo(g, ultimaColuna, ultimaLinha);
    // The grid is taller than a page: a graphic the compile and the preview
    // would refuse is not written as if it could be embossed.
    if (ultimaLinha >= LadoMatriz) {
        MensagemOK("O gráfico tem "_cp + std::to_string(ultimaLinha + 1) +
                   " linhas de pontos; uma página comporta no máximo "_cp + std::to_string(LadoMatriz) +
                   ". Diminua o texto.");
        return false;
    }
    if (!ArquivoExiste(arquivo)) return SalvaGRB(arquivo, g, ultimaLinha);

    if (dialogos().Caixa("Arquivo "_cp + arquivo + " já existe. "_cp + "\r\nSobrescreve?",
                         "Dotmara", Icone::Pergunta, Botoes::YesNo) != mrYes)
        return false;
    // The new graphic is written in full before the old file is moved to
    // its backup name, and takes its name only then: whatever fails, the
    // old graphic is still there under one of the two names. A name that is
    // a link is saved through it, and the backup stands beside the file it
    // points at.
    std::string backup = NomeBackupGRB(arquivo);
    switch (GravaComBackup(arquivo, TextoGRB(g, ultimaLinha), NomeBackupGRB, &backup)) {
    case ResultadoGravacao::Gravado:
        MensagemOK("Arquivo antigo salvo em "_cp + backup + ".");
        return true;
    case ResultadoGravacao::FalhaBackup:
        MensagemOK("Não consegui salvar arquivo: "_cp + backup + ".");
        return false;
    case ResultadoGravacao::SomenteLeitura:
        MensagemOK("O arquivo "_cp + arquivo + " é somente leitura e não foi salvo."_cp);
        return false;
    case ResultadoGravacao::FalhaEscrita:
        break;
    }
    if (!ArquivoExiste(arquivo) && ArquivoExiste(backup))
        MensagemOK("Arquivo antigo salvo em "_cp + backup + ".");
    MensagemOK("Erro ao salvar gráfico no arquivo "_cp + arquivo + ".");
    return false;
}

bool LeResolucao(const std::string& textoX, const std::string& textoY, int& x, int& y) {
    int vx = 0, vy = 0;
    if (!LeInteiroExato(AparaBrancos(textoX), vx) || !LeInteiroExato(AparaBrancos(textoY), vy))
        return false;
    if (vx < ResolucaoXMin || vx > ResolucaoXMax || vy < ResolucaoYMin || vy > ResolucaoYMax)
        return false;
    x = vx;
    y = vy;
    return true;
}
