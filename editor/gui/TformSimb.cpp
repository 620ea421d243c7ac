// TformSimb: the special symbols.
#include "editor/gui/TformSimb.h"

#include "editor/gui/TformDigitaBraille.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QGridLayout>
#include <QPushButton>

TformSimb* formSimb = nullptr;

namespace {
// The trema stays for the letter that follows it.
constexpr std::string_view kTrema = "\xA8";
} // namespace

const std::array<SimboloEspecial, 13>& SimbolosEspeciais() {
    static const std::array<SimboloEspecial, 13> s = {{
        {"÷"_cp, "÷"_cp},
        {"×"_cp, "×"_cp},
        {"Seta Esquerda", "<:"},
        {"Seta Direita", ":>"},
        {"Seta Horizontal 2 Sentidos", "<:>"},
        {"•    Marcador Circular"_cp, "•"_cp},
        {"—   Travessão"_cp, "—"_cp},
        {"«   Abre Aspas Angulares"_cp, "«"_cp},
        {"»    Fecha Aspas Angulares"_cp, "»"_cp},
        {"‘    Abre Aspas Simples"_cp, "‘"_cp},
        {"’    Fecha Aspas Simples"_cp, "’"_cp},
        {"¨    Trema"_cp, "¨"_cp},
        {"RaizQuadrada", "àû"_cp},
    }};
    return s;
}

TformSimb::TformSimb(QWidget* pai) : QDialog(pai) {
    setObjectName("formSimb");
    setWindowTitle(ParaQString("Símbolos"_cp));
    setAttribute(Qt::WA_QuitOnClose, false);

    // The two operators side by side, the rest one per row.
    auto* g = new QGridLayout(this);
    for (size_t i = 0; i < btnSimbolo.size(); ++i) {
        const SimboloEspecial& s = SimbolosEspeciais()[i];
        auto* b = new QPushButton(ParaQString(s.legenda), this);
        b->setObjectName(QString("btnSimbolo%1").arg(i + 1));
        b->setAutoDefault(false);
        b->setStyleSheet("text-align: left; padding: 4px 10px;");
        if (i < 2) g->addWidget(b, 0, static_cast<int>(i));
        else g->addWidget(b, static_cast<int>(i) - 1, 0, 1, 2);
        const std::string texto(s.texto);
        ConectaProtegido(b, &QPushButton::clicked, this, [this, texto] { InsereSimbolo(texto); });
        btnSimbolo[i] = b;
    }
    g->setSizeConstraint(QLayout::SetFixedSize);

    Insere = InsereNoEditorPrincipal;
}

void TformSimb::InsereSimbolo(const std::string& texto) {
    if (Insere) Insere(texto);
    if (texto != kTrema) accept();
}
