// dmtraduz_rascunho: the draft file's writer and reader.
#include "core/dmtraduz_rascunho.h"

#include <cstdio>

#include "platform/arquivos.h"

// ---- Draft file -----------------------------------------------------------
EscritorRascunhoArquivo::~EscritorRascunhoArquivo() { Fecha(); }

bool EscritorRascunhoArquivo::Abre(const std::string& caminho)
{
    Fecha();
    erro_ = false;
    std::FILE* f = std::fopen(CaminhoNativo(caminho).c_str(), "wb");
    if (!f) return false;
    std::setvbuf(f, nullptr, _IOFBF, 1 << 16);
    arquivo_ = f;
    return true;
}

bool EscritorRascunhoArquivo::GravaLinha(const std::string& linha)
{
    auto* f = static_cast<std::FILE*>(arquivo_);
    if (!f || erro_) return false;
    if ((!linha.empty() && std::fwrite(linha.data(), 1, linha.size(), f) != linha.size()) ||
        std::fwrite("\r\n", 1, 2, f) != 2) {
        erro_ = true;
        return false;
    }
    return true;
}

bool EscritorRascunhoArquivo::Fecha()
{
    auto* f = static_cast<std::FILE*>(arquivo_);
    if (!f) return !erro_;
    arquivo_ = nullptr;
    if (std::fclose(f) != 0) erro_ = true;
    return !erro_;
}

// ---- Draft reader ---------------------------------------------------------
bool LeRascunho(const std::string& caminho, std::vector<std::string>& linhas)
{
    linhas.clear();
    std::string conteudo;
    if (!LeArquivo(caminho, conteudo)) return false;
    linhas = DivideLinhas(conteudo);
    return true;
}
