// Regressions found by the fuzz targets in tests/fuzz: each test holds the
// smallest input that showed the fault.
#include "platform/ini.h"
#include "support/temporario.h"

#include <gtest/gtest.h>

namespace {

// A file whose last line ended in a lone CR: the key written after it was
// joined to that line (a lone CR is no line end to the reader) and was lost.
TEST(RegressaoFuzz, IniCrSolitarioNoFimPerdiaChaveGravada) {
    const struct { const char *arquivo, *esperado; } casos[] = {
        {"[s]\r", "[s]\r\nk=v\r\n"},            // key added to the last section
        {"x\r", "x\r\n[s]\r\nk=v\r\n"},         // section added after the last line
        {"[s]\nk=1\n[t]\r", "[s]\nk=v\n[t]\r"}, // an existing key: nothing appended
        {"[t]\n[s]\r", "[t]\n[s]\nk=v\n"},      // the file's own line end is used
    };
    for (const auto& c : casos) {
        PastaTemporaria pasta;
        const std::string ini = pasta.grava("DOTMARA.INI", c.arquivo);
        ASSERT_TRUE(GravaPerfil("s", "k", "v", ini)) << c.arquivo;
        EXPECT_EQ(LePerfil("s", "k", "<ausente>", 0, ini), "v") << c.arquivo;
        EXPECT_EQ(pasta.le("DOTMARA.INI"), c.esperado) << c.arquivo;
    }
}

} // namespace
