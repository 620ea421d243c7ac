// From an ink document to the embosser's bytes through the shipped
// translators and code tables (North American Braille ASCII, lower case),
// the settings' page set-up and the default embosser's dot geometry.
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

// A capital, a cedilla, a tilde, a number in parentheses (the two codes
// write parentheses differently), a second paragraph.
const std::vector<std::string> kDocumento = {"Ação (12)"_cp, "ab"};

const struct {
    const char* nome;
    bool antigo;
    int tratGrafico;
    std::vector<std::string> envios;
} kCasos[] = {
    // Capital 46, a, ç 12346, ã 345, o, blank, ( 126 (old: 2356 "7"), number
    // sign 3456, a, b, ) 345 (old: "7").
    {"unified code, text", false, 1, {" .a&>o <#ab>\r\n", " ab\r", FF}},
    {"old code, text", true, 1, {" .a&>o 7#ab7\r\n", " ab\r", FF}},
    // The same cells redrawn as dots, text cell j at dot columns 3j, 3j + 1,
    // five dot rows a line, each byte two dot columns by three rows.
    {"unified code, graphic", false, 3, {ESC1, "  ka_k>.1 ~'#` b,b\r\n", " , '\r\n", "   a\r", FF, ESCF}},
    {"old code, graphic", true, 3, {ESC1, "  ka_k>.1 ;2#` b;2\r\n", " , '\r\n", "   a\r", FF, ESCF}},
};

TEST(PaginaPelasTabelasDistribuidas, DoTextoAosBytes) {
    for (const auto& c : kCasos) {
        SCOPED_TRACE(c.nome);
        AmbienteCompila amb;
        BrailleAntigo = c.antigo;
        ASSERT_TRUE(CarregaTabelaImpressora()); // the shipped tables, found as the program finds them
        TipoTratGrafico = c.tratGrafico;
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
