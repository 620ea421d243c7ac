// Test set-up: default settings and a private INI file.
#include "support/config_teste.h"

#include "core/dmvars.h"
#include "platform/ini.h"

#include <gtest/gtest.h>

ConfiguracaoDeTeste::ConfiguracaoDeTeste()
    : ini_(pasta_.caminho("DOTMARA.INI")), variavel_("DOTMARA_INI", ini_) {
    RestauraPadroes();
}

ConfiguracaoDeTeste::~ConfiguracaoDeTeste() { RestauraPadroes(); }

void ConfiguracaoDeTeste::Grava(const std::string& secao, const std::string& chave,
                                const std::string& valor) const {
    EXPECT_TRUE(GravaPerfil(secao, chave, valor, ini_)) << secao << "/" << chave;
}

std::string ConfiguracaoDeTeste::Conteudo() const { return LeArquivoTeste(ini_); }

void ConfiguracaoDeTeste::DefineConteudo(const std::string& bytes) const { GravaArquivoTeste(ini_, bytes); }
