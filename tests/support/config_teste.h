// Test set-up for anything that reads or writes settings: every setting at
// its default and "DOTMARA.INI" in a temporary folder of its own
// (DOTMARA_INI names it), both undone when the object goes.
//
//     ConfiguracaoDeTeste cfg;
//     cfg.Grava("DOTMARA", "maxCarac", "40");
//     LeGrupo(GrupoConfig::Programa);
//
// Header only: the test programs that link no settings do not need it.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "core/dmvars.h"
#include "platform/ini.h"
#include "support/temporario.h"

class ConfiguracaoDeTeste {
public:
    ConfiguracaoDeTeste() : ini_(pasta_.caminho("DOTMARA.INI")), variavel_("DOTMARA_INI", ini_) {
        RestauraPadroes();
    }
    ~ConfiguracaoDeTeste() { RestauraPadroes(); }
    ConfiguracaoDeTeste(const ConfiguracaoDeTeste&) = delete;
    ConfiguracaoDeTeste& operator=(const ConfiguracaoDeTeste&) = delete;

    // The INI file of the test (not there until something writes it).
    const std::string& ini() const { return ini_; }
    // Writes one key; the test fails when the file cannot be written.
    void Grava(const std::string& secao, const std::string& chave, const std::string& valor) const {
        EXPECT_TRUE(GravaPerfil(secao, chave, valor, ini_)) << secao << "/" << chave;
    }
    // The whole file as bytes ("" when missing), and the file replaced by
    // the bytes given.
    std::string Conteudo() const { return LeArquivoTeste(ini_); }
    void DefineConteudo(const std::string& bytes) const { GravaArquivoTeste(ini_, bytes); }

private:
    PastaTemporaria pasta_;
    std::string ini_;
    VariavelAmbiente variavel_;
};
