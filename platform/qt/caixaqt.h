// The standard message box (MessageBoxA) on Qt: icon, caption, the buttons
// with Portuguese captions, and the Windows result of the button pressed.
// Call from the GUI thread.
#pragma once

#include "platform/dialogos.h"

#include <string>

class QWidget;

int CaixaQt(const std::string& texto, const std::string& titulo, Icone icone, Botoes botoes,
            QWidget* dono);
