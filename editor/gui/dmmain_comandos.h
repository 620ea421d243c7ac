// dmmain_comandos: the main window's command surface as data: every entry of
// the main menu and every control of the two toolbar rows, in the order they
// are shown, each with its caption, shortcut, hint, object name and the name
// of the handler that runs it. TformPrincipal builds both from these tables
// (MontaComandos) and dispatches every entry through one place.
//
// How a unit hooks its commands in:
//   1. Its entry is already in the tables below (add it here, in its place,
//      if it is missing), named by its handler, e.g. "imLocalizarClick".
//   2. From its own file (editor/gui/dmmain_<area>.cpp) it connects the
//      handler, in a function that CriaMenus calls once:
//          LigaComando("imLocalizarClick", [this] { imLocalizarClick(); });
//      Every menu entry and toolbar control with that handler runs it; the
//      handler may read OrigemComando (the entry or control that was used,
//      as a sender). Acao("imLocalizar") / Controle("bbtnRecuo") give the
//      built QAction or widget by object name, for state (check marks).
//   3. Until its handler is connected an entry is shown but disabled.
// Toolbar controls give the focus back to the editor after their command
// and on Esc; menu entries leave the focus where it was. A window launcher
// is one line: LigaJanela("imParametrosClick", [] { return formConfig; },
// ModoJanela::Mostrada).
#pragma once

#include <span>
#include <string_view>

enum class TipoItemMenu : unsigned char {
    Menu,       // a menu or sub-menu: the entries whose path ends in its caption
    Comando,    // an entry that runs its handler (on the menu bar itself when the path is empty)
    Separador,
};

struct ItemMenu {
    std::string_view caminho;     // captions of the menus above it, joined by "|"; empty: the menu bar
    TipoItemMenu tipo;
    std::string_view legenda;     // Windows-1252, "&" before the access key
    std::string_view nome;        // object name of the built QAction or QMenu
    std::string_view manipulador; // handler; empty for menus, separators and the entry never enabled
    std::string_view atalho = {}; // as QKeySequence's portable text: "F2", "Ctrl+Alt+P"
    std::string_view dica = {};   // status-bar hint
    bool marcavel = false;        // carries a check mark
    bool oculto = false;          // hidden until filled (the recent files)
};

enum class TipoControle : unsigned char {
    Botao,
    Caixa,    // a check box
    Combo,    // a drop-down list, items in `itens` separated by "|"
    Espaco,   // what pushes the rest of the row to the right end
};

struct ControleToolBar {
    int linha;                    // 1 upper row, 2 lower row
    TipoControle tipo;
    std::string_view legenda;
    std::string_view nome;
    std::string_view manipulador;
    std::string_view dica = {};   // the caption when empty
    std::string_view itens = {};  // combo items
};

// The main menu, menu after menu, entry after entry, as shown.
std::span<const ItemMenu> ItensMenuPrincipal();
// The two toolbar rows, upper row first, left to right.
std::span<const ControleToolBar> ControlesToolBar();
