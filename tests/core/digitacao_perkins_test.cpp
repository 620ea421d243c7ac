// Perkins typing: key sequences to the cells typed in both codes, the keys
// the window closes on or hands to the editor, and the insertion through the
// clipboard.
#include "editor/dmdigbrl.h"
#include "platform/teclas.h"
#include "support/ferramentas_teste.h"

#include <sstream>

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

TEST_F(Perkins, ChordsTypeTheCellsOfTheCodeInForce) {
    struct Caso {
        const char* eventos;
        std::string antigo, unificado;
    } casos[] = {
        {"+F -F", "a", "a"},
        {"+F +D -D -F", "b", "b"},
        {"+F +D -F -D", "b", "b"},                          // released in any order
        {"+F +D +S +J +K +L -L -F -K -D -J -S", "\xE9", "\xE9"}, // all six dots: é
        {"+J +K -K -J", "@", "\xAC"},                        // dots 4-5 differ
        {"+L -L", "`", "\xFD"},                              // dot 6
        {"+D +S +K +L -D -S -K -L", "(", "="},              // 2-3-5-6
        {"+D +K +L -D -K -L", ".", "\xFF"},                  // 2-5-6
        {"+F +n4 -n4 -F", "c", "c"},                         // keypad 4 is dot 4
        {"+J +n4 -n4 -J", "", ""},                           // dot 4 twice: cancelled, no stray blanks
        {"+n1 +n2 +n3 -n1 -n2 -n3", "_", "_"},               // 4-5-6 from the keypad's columns
        {"+n3 +n8 -n8 -n3", "\\", "$"},                     // 5-6 differs
        {"+F -F +D -D", "a,", "a,"},                         // two chords
        {"+F +K -F +S -K -S", "o", "o"},                     // a dot released early still counts
    };
    for (bool antigo : {true, false}) {
        Codigo(antigo);
        for (const Caso& c : casos) {
            perkins.Ativa();
            EXPECT_EQ(Digita(c.eventos), antigo ? c.antigo : c.unificado)
                << c.eventos << (antigo ? " (old code)" : " (unified code)");
        }
    }
}

TEST_F(Perkins, SpaceOtherKeysAndTheKeysHandedOn) {
    const std::pair<const char*, std::string> casos[] = {
        {"+_ -_", " "},
        {"+F +_ -_ -F", " "},            // Space at once; the later release types nothing
        {"+F +A -A -F", ""},             // another key cancels: the release types nothing
        {"+F *F ~F *F -F", "a"},         // auto-repeat neither adds nor cancels
        {"+BS -BS", "<BS>"},             // Backspace and Enter act on release
        {"+CR", ""},
        {"-CR", "<CR>"},
        {"+BS *BS ~BS -BS", "<BS>"},      // one per real release
        {"+ESC", "<FIM>"},
        {"+F11", "<FIM>"},
        {"-A -_ -n0", ""},               // releases of other keys do nothing
    };
    for (const auto& [eventos, esperado] : casos) {
        perkins.Ativa();
        EXPECT_EQ(Digita(eventos), esperado) << eventos;
        EXPECT_EQ(perkins.MascaraPontos(), 0) << eventos;
    }
}

TEST_F(Perkins, ActivationStartsAFreshChord) {
    Digita("+F +D");
    EXPECT_EQ(perkins.MascaraPontos(), 3);
    EXPECT_EQ(perkins.ContaTeclas(), 2);
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

    // A busy clipboard inserts nothing.
    servicos.fake.areaOcupada = true;
    EXPECT_FALSE(InsereCaractere(doc, "x"));
    EXPECT_EQ(Linhas(), (std::vector<std::string>{"a\xE7" "c", "def"}));
}

} // namespace
