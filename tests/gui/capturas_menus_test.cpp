// Screenshots of the main window's command surface (run by
// tools/capturas.sh, not by ctest): the window with its two toolbar rows, and
// each menu of the menu bar opened under its title as the user opens it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>

#include <memory>

#include "core/dmvars.h"
#include "editor/gui/dmmain.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"
#include "gui/capturas_apoio.h"

namespace {

class CapturasMenus : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("DOTMARA_INI", (DirTemporario() + "capturas_menus.ini").c_str(), 1);
        RestauraPadroes();
        janela = std::make_unique<TformPrincipal>();
        formPrincipal = janela.get();
    }
    void TearDown() override {
        janela.reset();
        formPrincipal = nullptr;
        ::unsetenv("DOTMARA_INI");
    }
    DialogosFalsosEscopo caixas;
    std::unique_ptr<TformPrincipal> janela;
};

// The screen around the window and the open menu (the menu alone where the
// platform cannot grab the screen).
bool GravaTela(QWidget* janela, QMenu* menu, const std::string& nome) {
    for (int i = 0; i < 10; ++i) QApplication::processEvents();
    QRect area = janela->frameGeometry().united(menu->geometry()).adjusted(-4, -4, 4, 4);
    QPixmap px;
    if (QScreen* tela = janela->screen()) px = tela->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (px.isNull() || QGuiApplication::platformName() == "offscreen") return GravaCaptura(menu, nome);
    const std::string caminho = PastaCapturas() + nome;
    std::printf("%s %dx%d\n", caminho.c_str(), px.width(), px.height());
    return px.save(QString::fromStdString(caminho));
}

TEST_F(CapturasMenus, DISABLED_JanelaEMenus) {
    janela->resize(873, 605);
    janela->move(40, 40);
    janela->show();
    janela->activateWindow();
    EXPECT_TRUE(GravaCaptura(janela.get(), "comandos_janela.png"));
    QMenuBar* barra = janela->menuBar();
    int n = 0;
    for (QAction* a : barra->actions()) {
        QMenu* m = a->menu();
        if (!m) continue;
        const QRect titulo = barra->actionGeometry(a);
        m->popup(barra->mapToGlobal(titulo.bottomLeft()));
        char nome[40];
        std::snprintf(nome, sizeof nome, "comandos_menu%d.png", ++n);
        EXPECT_TRUE(GravaTela(janela.get(), m, nome)) << DeQString(m->title());
        // The sub-menus, opened beside their entries.
        for (QAction* s : m->actions()) {
            QMenu* sub = s->menu();
            if (!sub) continue;
            m->setActiveAction(s);
            sub->popup(m->mapToGlobal(m->actionGeometry(s).topRight()));
            char nomeSub[48];
            std::snprintf(nomeSub, sizeof nomeSub, "comandos_menu%d_%s.png", n,
                          sub->objectName().toLatin1().constData());
            EXPECT_TRUE(GravaTela(janela.get(), sub, nomeSub));
            sub->hide();
        }
        m->hide();
    }
    EXPECT_EQ(n, 8);
}

} // namespace
