// Perkins typing: chords to the cells of each code, the keys the window
// closes on or hands to the editor, and the insertion through the clipboard.
#include "editor/dmdigbrl.h"
#include "platform/teclas.h"
#include "support/ferramentas_teste.h"

#include <sstream>
#include <tuple>

namespace {

using Tipo = AcaoPerkins::Tipo;

class Perkins : public FerramentasTeste {
protected:
    // Key events: "+F" press, "-F" release, "*F" auto-repeated press, "~F"
    // auto-repeated release; "n4" keypad 4, "_" Space, "BS" Backspace,
    // "CR" Enter, "ESC", "F11", "A" any other key. Returns what the window
    // was asked to do, written as text: the characters typed, "<BS>" or
    // "<CR>" for keys handed to the editor, "<FIM>" for a close.
    std::string Digita(const std::string& eventos) {
        std::string r;
        std::istringstream in(eventos);
        std::string e;
        while (in >> e) {
            const std::string nome = e.substr(1);
            int tecla = 0;
            if (nome == "_") tecla = vk::Espaco;
            else if (nome == "BS") tecla = vk::Backspace;
            else if (nome == "CR") tecla = vk::Enter;
            else if (nome == "ESC") tecla = vk::Escape;
            else if (nome == "F11") tecla = vk::F11;
            else if (nome[0] == 'n') tecla = vk::Numerico(nome[1] - '0');
            else tecla = static_cast<unsigned char>(nome[0]);
            const bool repetida = e[0] == '*' || e[0] == '~';
            const AcaoPerkins a = e[0] == '+' || e[0] == '*' ? perkins.TeclaPressionada(tecla, repetida)
                                                             : perkins.TeclaSolta(tecla, repetida);
            switch (a.tipo) {
            case Tipo::Insere: r += a.texto; break;
            case Tipo::Fecha: r += "<FIM>"; break;
            case Tipo::PassaAoEditor: r += a.tecla == vk::Backspace ? "<BS>" : "<CR>"; break;
            case Tipo::Nada: break;
            }
        }
        return r;
    }
    DigitacaoPerkins perkins;
};

// The chord itself is tested with the cells; here, the cell of the code in force.
TEST_F(Perkins, ChordsTypeTheCellsOfTheCodeInForce) {
    const std::tuple<const char*, std::string, std::string> casos[] = {   // keys, old code, unified code
        {"+F +D +S +J +K +L -L -F -K -D -J -S", "\xE9", "\xE9"}, // all six dots: é
        {"+J +K -K -J", "@", "\xAC"},                        // dots 4-5 differ
        {"+L -L", "`", "\xFD"},                              // dot 6
        {"+D +S +K +L -D -S -K -L", "(", "="},               // 2-3-5-6
        {"+n3 +n8 -n8 -n3", "\\", "$"},                     // 5-6, from the keypad
        {"+F -F +D -D", "a,", "a,"},                          // two chords
    };
    for (bool antigo : {true, false}) {
        Codigo(antigo);
        for (const auto& [eventos, velho, unificado] : casos) {
            perkins.Ativa();
            EXPECT_EQ(Digita(eventos), antigo ? velho : unificado) << eventos << (antigo ? " (old code)" : "");
        }
    }
}

TEST_F(Perkins, SpaceAndTheKeysHandedOn) {
    const std::pair<const char*, std::string> casos[] = {
        {"+_ -_", " "},
        {"+F +_ -_ -F", " "},            // Space at once; the later release types nothing
        {"+BS -BS", "<BS>"},             // Backspace and Enter act on release
        {"+CR", ""},
        {"-CR", "<CR>"},
        {"+BS *BS ~BS -BS", "<BS>"},     // one per real release
        {"+ESC", "<FIM>"},
        {"+F11", "<FIM>"},
        {"+F +D +ESC", "<FIM>"},
    };
    for (const auto& [eventos, esperado] : casos) {
        perkins.Ativa();
        EXPECT_EQ(Digita(eventos), esperado) << eventos;
    }
    Digita("+F +D");   // opening the window again starts a fresh chord
    perkins.Ativa();
    EXPECT_EQ(perkins.MascaraPontos(), 0);
    EXPECT_EQ(Digita("+K -K"), "~");
}

TEST_F(Perkins, InsertionGoesThroughTheClipboardAndReplacesTheSelection) {
    Texto({"abc", "def"});
    servicos.fake.areaTransferencia = "o que havia";
    Seleciona(0, 1, 0, 2);
    ASSERT_TRUE(InsereCaractere(doc, "\xE7"));
    EXPECT_EQ(Linhas(), (std::vector<std::string>{"a\xE7" "c", "def"}));
    EXPECT_EQ(servicos.fake.areaTransferencia, "\xE7");   // what it held is lost
    EXPECT_EQ(doc.InicioSelecao(), 2);                    // the caret after the cell
    EXPECT_EQ(doc.TamanhoSelecao(), 0);
    servicos.fake.areaOcupada = true;   // a busy clipboard inserts nothing
    EXPECT_FALSE(InsereCaractere(doc, "x"));
    EXPECT_EQ(Linhas(), (std::vector<std::string>{"a\xE7" "c", "def"}));
}

} // namespace
