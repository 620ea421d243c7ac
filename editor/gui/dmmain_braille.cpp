// dmmain_braille: the main window's braille strip and braille view commands.
// Until the braille view is part of the program these keep the window usable:
// the strip stays empty, the view commands do nothing and reviewer mode only
// turns its menu check mark over.
#include "editor/gui/dmmain.h"

#include <QAction>

void TformPrincipal::AtualizaLinhasBraille() {}

void TformPrincipal::VisualizaBraille(bool, bool) {}

void TformPrincipal::imModoRevisorClick() { imModoRevisor->setChecked(!imModoRevisor->isChecked()); }

void TformPrincipal::EscondeVisual() {}

bool TformPrincipal::ModoRevisor() const { return imModoRevisor && imModoRevisor->isChecked(); }
