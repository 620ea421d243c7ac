// From an ink document to the embosser's bytes through what the program
// ships and the settings in force: the real translators, the code tables
// data/ambcode.cfg and data/ambcode2.cfg (North American Braille ASCII, in
// lower case), the page set-up of the settings and the default embosser's
// dot geometry, in text mode and in graphic mode. The expected bytes are
// worked out by hand from the cells' dots (see the comments).
#include "compila_apoio.h"

#include "core/dmutil.h"
#include "core/dmvars.h"
#include "output/dmprint.h"
#include "platform/texto.h"
#include "support/dispositivo_falso.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const std::string ESC1 = "\x1b" "1";
const std::string ESCF = "\x1b]";
const std::string FF = "\x0c";

// The ink text, as a transcriber types it: a capital, a cedilla and a
// tilde, numbers in parentheses (a sign the two codes write differently),
// and a second paragraph.
const std::vector<std::string> kDocumento = {"Ação (12)"_cp, "ab"};

// Line 1 in cells. Unified code: capital 46 ".", a 1 "a", ç 12346 "&",
// ã 345 ">", o 135 "o", blank, opening parenthesis 126 "<", number sign
// 3456 "#", 1 and 2 as a 1 "a" and b 12 "b", closing parenthesis 345 ">".
// Old code: both parentheses are 2356 "7".
const char* const kLinhaUnificado = " .a&>o <#ab>";
const char* const kLinhaAntigo = " .a&>o 7#ab7";

struct Caso {
    const char* nome;
    bool antigo;
    int tratGrafico;
    std::vector<std::string> envios;
};

// Graphic mode, default embosser (Index): text cell j of a line sits at dot
// columns 3j and 3j + 1 (dots 1-3, 4-6), its rows at 5 per line; each byte
// sent is a cell of two dot columns by three dot rows. With the odd margin
// of one cell, line 2 (" ab", rows 5-7) gives:
// - band 1 (rows 3-5), row 5 as the cells' lowest dots: "a" dot 1 at column
//   3 -> cell 1 dot 6 ","; "b" dot 1 at column 6 -> cell 3 dot 3 "'";
// - band 2 (rows 6-8), row 6: "b" dot 2 at column 6 -> cell 3 dot 1 "a".
// Line 1 (rows 0-2) is band 0 alone: cells 0 and 1 blank (the margin);
// "." 46 at column 4 -> cell 2 dots 13 "k"; "a" at column 6 -> cell 3 "a";
// "&" dots 123 at column 9 -> cell 4 dots 456 "_", its dots 4 and 6 at
// column 10 -> cell 5 dots 13 "k"; ">" dot 3 at 12 and dots 45 at 13 ->
// cell 6 ">"; "o" dots 13 at 15 -> cell 7 dots 46 "."; its dot 5 at 16 ->
// cell 8 dot 2 "1";
// "<" dots 12 at 21 -> cell 10 dots 45 "~"; its dot 6 at 22 -> cell 11 "'";
// "#" dot 3 at 24 and dots 456 at 25 -> cell 12 "#"; "a" at 27 -> cell 13
// dot 4 "`"; "b" at 30 -> cell 15 "b"; ">" -> cells 16 "," and 17 "b".
// The old code's "7" (2356) at columns 21, 22 gives ";" and "2".
const Caso kCasos[] = {
    {"unified code, text", false, 1, {std::string(kLinhaUnificado) + "\r\n", " ab\r", FF}},
    {"old code, text", true, 1, {std::string(kLinhaAntigo) + "\r\n", " ab\r", FF}},
    {"unified code, graphic", false, 3,
     {ESC1, "  ka_k>.1 ~'#` b,b\r\n", " , '\r\n", "   a\r", FF, ESCF}},
    {"old code, graphic", true, 3,
     {ESC1, "  ka_k>.1 ;2#` b;2\r\n", " , '\r\n", "   a\r", FF, ESCF}},
};

TEST(PaginaPelasTabelasDistribuidas, DoTextoAosBytes) {
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.nome);
        AmbienteCompila amb;
        // The shipped tables, found as the program finds them.
        BrailleAntigo = c.antigo;
        ASSERT_TRUE(CarregaTabelaImpressora());
        TipoTratGrafico = c.tratGrafico;
        // One page, one side, no header, no paragraph joining, a margin.
        ComTitulo = false;
        FrenteVerso = false;
        AutoJunta = false;
        MargemImpar = 1;
        amb.Documento(kDocumento);
        ASSERT_TRUE(amb.Compila(0, false));

        auto registro = std::make_shared<RegistroDispositivo>();
        ExecutaImpressao(TiraInstantaneo(), std::make_unique<DispositivoFalso>(registro), nullptr);
        EXPECT_EQ(registro->envios, c.envios);
        EXPECT_EQ(amb.dlg.fake.Textos(), std::vector<std::string>{"Arquivo enviado"});
    }
}

} // namespace
