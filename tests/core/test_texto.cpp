// The _cp literal: UTF-8 source text becomes Windows-1252 bytes at compile time.
#include "platform/codepage.h"
#include "platform/texto.h"

#include <gtest/gtest.h>

#include <string>

static_assert("não"_cp.size() == 3 && "não"_cp[1] == '\xe3');
static_assert("€"_cp.size() == 1 && "€"_cp[0] == '\x80');
static_assert(""_cp.empty());

TEST(LiteralCp, IgualAConversaoEmTempoDeExecucao) {
    EXPECT_EQ(std::string("Atenção: diretório! “aspas” – travessão — … € ÿ"_cp),
              Utf8ParaCp1252("Atenção: diretório! “aspas” – travessão — … € ÿ"));
    EXPECT_EQ(std::string("ação"_cp.c_str()), "a\xe7\xe3o");   // NUL-terminated
    EXPECT_EQ("Fim de "_cp + "impressão"_cp, "Fim de impress\xe3o");
    EXPECT_EQ(std::string("a") + "ção"_cp + "!", "a\xe7\xe3o!");
}
