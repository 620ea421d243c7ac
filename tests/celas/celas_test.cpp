// The cell tables both programs share: every cell of the two codes by its
// dots, the dots of every output code, and the inverse table and screen
// pattern built from them.
#include "core/celas/celas.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// "1246" -> mask of dots 1, 2, 4, 6 (7 and 8 too); "" -> 0.
unsigned Mascara(const std::string& pontos) {
    unsigned m = 0;
    for (char d : pontos)
        m |= 1u << (d - '1');
    return m;
}

struct Cela {
    const char* pontos;
    unsigned char antigo;
    unsigned char unificado;
};

// The cell table as the code books give it, by dots.
const Cela kCelas[] = {
    {"", ' ', ' '},        {"1", 'a', 'a'},       {"2", ',', ','},       {"12", 'b', 'b'},
    {"3", '\'', '\''},     {"13", 'k', 'k'},      {"23", ';', ';'},      {"123", 'l', 'l'},
    {"4", '^', '^'},       {"14", 'c', 'c'},      {"24", 'i', 'i'},      {"124", 'f', 'f'},
    {"34", 0xED, 0xED},    {"134", 'm', 'm'},     {"234", 's', 's'},     {"1234", 'p', 'p'},
    {"5", '~', '~'},       {"15", 'e', 'e'},      {"25", ':', ':'},      {"125", 'h', 'h'},
    {"35", '*', '*'},      {"135", 'o', 'o'},     {"235", '!', '!'},     {"1235", 'r', 'r'},
    {"45", '@', 0xAC},     {"145", 'd', 'd'},     {"245", 'j', 'j'},     {"1245", 'g', 'g'},
    {"345", 0xE3, 0xE3},   {"1345", 'n', 'n'},    {"2345", 't', 't'},    {"12345", 'q', 'q'},
    {"6", '`', 0xFD},      {"16", 0xE2, 0xE2},    {"26", '?', '?'},      {"126", 0xEA, 0xEA},
    {"36", '-', '-'},      {"136", 'u', 'u'},     {"236", '{', '"'},     {"1236", 'v', 'v'},
    {"46", ']', '{'},      {"146", 0xEC, 0xEE},   {"246", 0xF5, 0xF5},   {"1246", 0xE0, 0xE0},
    {"346", 0xF3, 0xF3},   {"1346", 'x', 'x'},    {"2346", 0xE8, 0xE8},  {"12346", 0xE7, 0xE7},
    {"56", '\\', '$'},     {"156", 0xF9, 0xFB},   {"256", '.', 0xFF},    {"1256", 0xFC, 0xFC},
    {"356", '}', '}'},     {"1356", 'z', 'z'},    {"2356", '(', '='},    {"12356", 0xE1, 0xE1},
    {"456", '_', '_'},     {"1456", 0xF4, 0xF4},  {"2456", 'w', 'w'},    {"12456", 0xEF, 0xEF},
    {"3456", '#', '#'},    {"13456", 'y', 'y'},   {"23456", 0xFA, 0xFA}, {"123456", 0xE9, 0xE9},
};

TEST(TabelaCelas, CadaCelaPorPontos) {
    std::set<unsigned> vistas;
    for (const Cela& c : kCelas) {
        unsigned m = Mascara(c.pontos);
        vistas.insert(m);
        EXPECT_EQ(TabelaCelas[0][m], c.antigo) << "pontos " << c.pontos;
        EXPECT_EQ(TabelaCelas[1][m], c.unificado) << "pontos " << c.pontos;
    }
    EXPECT_EQ(vistas.size(), 64u);
}

TEST(PontosDoCaractere, ValoresPorRegra) {
    const std::pair<int, const char*> casos[] = {
        {' ', ""},      {'!', "2346"},  {'"', "5"},      {'#', "3456"},    {'0', "356"},    {'1', "2"},
        {'9', "35"},    {'=', "123456"}, {'?', "1456"},  {'@', "47"},      {'A', "17"},     {'Z', "13567"},
        {'[', "246"},   {'\\', "1256"}, {']', "124567"}, {'^', "457"},    {'_', "456"},    {127, "4567"},
        {0, "478"},     {1, "178"},     {26, "135678"},  {31, "45678"},    {128, "48"},     {129, "18"},
        {155, "2468"},  {159, "4568"},  {247, "347"},
    };
    for (auto [codigo, pontos] : casos)
        EXPECT_EQ(PontosDoCaractere[static_cast<size_t>(codigo)], Mascara(pontos)) << "codigo " << codigo;
    // A lower-case letter has its capital's cell without dot 7.
    for (int c = 'a'; c <= '~'; ++c) {
        EXPECT_EQ(PontosDoCaractere[static_cast<size_t>(c)], PontosDoCaractere[static_cast<size_t>(c - 32)] & 0xBF) << c;
        EXPECT_EQ(PontosDoCaractere[static_cast<size_t>(c)] & 0xC0, 0) << c;
    }
}

TEST(PontosDoCaractere, ValoresListados160a223) {
    const char* lista[64] = {
        "78",      "23467",   "12467",    "34567",   "1467",    "123467",  "1567",    "357",
        "57",      "23567",   "8",        "1267",    "2567",    "367",     "2367",    "267",
        "3567",    "3467",    "237",      "257",     "37",      "567",     "2357",    "467",
        "67",      "27",      "7",        "3457",    "123567",  "1234567", "234567",  "14567",
        "23578",   "1678",    "278",      "578",     "1234678", "34578",   "378",     "34678",
        "235678",  "12678",   "2378",     "12345678", "23678",  "14678",   "2578",    "1235678",
        "678",     "4678",    "3578",     "145678",  "25678",   "5678",    "234678",  "167",
        "3478",    "35678",   "15678",    "2678",    "2345678", "124678",  "3678",    "345678",
    };
    for (int c = 160; c <= 223; ++c) {
        EXPECT_EQ(PontosDoCaractere[static_cast<size_t>(c)], Mascara(lista[c - 160])) << "codigo " << c;
        // 224..255 repeat 192..223 without dot 7 (247 aside).
        if (c >= 192 && c + 32 != 247) {
            EXPECT_EQ(PontosDoCaractere[static_cast<size_t>(c + 32)], Mascara(lista[c - 160]) & 0xBF) << c + 32;
        }
    }
}

TEST(MascarasDoCodigo, InversaDeCadaCodigo) {
    for (bool antigo : {true, false}) {
        const auto m = MascarasDoCodigo(antigo);
        const auto& celas = CelasDoCodigo(antigo);
        std::set<unsigned char> celasDoCodigo(celas.begin(), celas.end());
        for (unsigned mascara = 0; mascara < 64; ++mascara)
            EXPECT_EQ(m[celas[mascara]], mascara) << antigo << " " << mascara;
        // Characters that are no cell of the code read as the blank cell.
        for (unsigned c = 0; c < 256; ++c)
            if (!celasDoCodigo.count(static_cast<unsigned char>(c))) {
                EXPECT_EQ(m[c], 0) << antigo << " " << c;
            }
    }
    // A cell of one code only: "@" (dots 45 of the old code) is nothing in
    // the unified code, "=" the other way round.
    EXPECT_EQ(MascarasDoCodigo(true)['@'], Mascara("45"));
    EXPECT_EQ(MascarasDoCodigo(false)['@'], 0);
    EXPECT_EQ(MascarasDoCodigo(false)['='], Mascara("2356"));
    EXPECT_EQ(MascarasDoCodigo(true)['='], 0);
}

TEST(CelaUnicode, PadraoBrailleDosPontos) {
    // The capital's dot 7; dots 4, 7, 8 of code 0; dots 3, 4, 5, 6, 8 of 255.
    const std::pair<int, int> casos[] = {{' ', 0x2800}, {'a', 0x2801}, {'A', 0x2841}, {'=', 0x283F}, {0, 0x28C8}, {255, 0x28BC}};
    for (auto [c, u] : casos)
        EXPECT_EQ(CelaUnicode(static_cast<unsigned char>(c)), u) << c;
}

} // namespace
