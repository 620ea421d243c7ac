// The shipped manual (data/dotmara.html): a well-formed page naming every
// setting, every markup command and the messages a user meets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "core/dmvars_ini.h"
#include "platform/arquivos.h"
#include "platform/codepage.h"
#include "support/temporario.h"

namespace {

std::string Manual() { return LeArquivoTeste(std::string(DOTMARA_DATA_DIR) + "/dotmara.html"); }

std::string Minusculas(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return s;
}

TEST(Manual, PaginaBemFormada) {
    const std::string m = Manual();
    ASSERT_FALSE(m.empty()) << "data/dotmara.html is missing";
    EXPECT_EQ(m.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(m.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(m.find("lang=\"pt-BR\""), std::string::npos);
    EXPECT_EQ(Cp1252ParaUtf8(Utf8ParaCp1252(m)), m);   // UTF-8 as declared
    std::vector<std::string> abertos;   // every element that must close does, in order
    const std::vector<std::string> vazios = {"meta", "br", "hr", "img"};
    for (std::size_t p = m.find('<'); p != std::string::npos; p = m.find('<', p + 1)) {
        if (m.compare(p, 2, "<!") == 0) continue;
        const bool fecha = m[p + 1] == '/';
        std::size_t ini = p + (fecha ? 2 : 1), fim = ini;
        while (fim < m.size() && std::isalnum(static_cast<unsigned char>(m[fim]))) ++fim;
        const std::string nome = m.substr(ini, fim - ini);
        ASSERT_FALSE(nome.empty()) << "a bare '<' at byte " << p << " (write &lt;)";
        if (std::find(vazios.begin(), vazios.end(), nome) != vazios.end()) continue;
        if (!fecha) {
            abertos.push_back(nome);
        } else {
            ASSERT_FALSE(abertos.empty()) << "</" << nome << "> at byte " << p << " closes nothing";
            ASSERT_EQ(abertos.back(), nome) << "at byte " << p;
            abertos.pop_back();
        }
    }
    EXPECT_TRUE(abertos.empty());
    for (std::size_t p = m.find("href=\"#"); p != std::string::npos; p = m.find("href=\"#", p + 1)) {
        const std::size_t f = m.find('"', p + 7);
        const std::string alvo = m.substr(p + 7, f - p - 7);
        EXPECT_NE(m.find("id=\"" + alvo + "\""), std::string::npos) << "a link without its target: #" << alvo;
    }
}

TEST(Manual, NomeiaCadaConfiguracaoDasJanelas) {
    const std::string m = Minusculas(Manual());
    for (GrupoConfig g : {GrupoConfig::Programa, GrupoConfig::Diretorios, GrupoConfig::Margem,
                          GrupoConfig::Impressora, GrupoConfig::Dicionario}) {
        EXPECT_NE(m.find(Minusculas(std::string(SecaoDoGrupo(g)))), std::string::npos);
        for (const ChaveConfig& c : ChavesDoGrupo(g))
            EXPECT_NE(m.find(Minusculas(std::string(c.chave))), std::string::npos) << c.chave;
    }
}

TEST(Manual, NomeiaCadaComandoDaMarcacaoEAsMensagens) {
    const std::string m = Manual();
    const char* const comandos[] = {
        "&lt;P&gt;",   "&lt;T-&gt;",  "&lt;T+&gt;",  "&lt;T+5&gt;", "&lt;T*3&gt;", "&lt;T&gt;",
        "&lt;F-&gt;",  "&lt;F+&gt;",  "&lt;F*&gt;",  "&lt;S-&gt;",  "&lt;S+&gt;",  "&lt;R+&gt;",
        "&lt;R-&gt;",  "&lt;I+&gt;",  "&lt;I-&gt;",  "&lt;G+ ",     "&lt;G* ",     "&lt;M&gt;",
        "&lt;12&gt;",  "&lt;*** ",    "$*",          "_`[",         "~,",
    };
    for (const char* c : comandos) EXPECT_NE(m.find(c), std::string::npos) << c;
    for (const char* t : {"Programa já ativo, use a barra de seleção do Windows", "Nenhum programa conseguiu abri-lo",
                          "Documento gerado!", "Gerando documento. Aguarde...", "Erro ao salvar a configuração.",
                          "Erro ao carregar a configuração.", "Em breve!!!"})
        EXPECT_NE(m.find(t), std::string::npos) << t;
}

} // namespace
