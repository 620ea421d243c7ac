// dmprograma: the program's windows as the program makes them: every single
// instance, each held in its global, created in the fixed order of the
// start-up (the settings read at each window's place), and destroyed in the
// reverse order. The program body and the tests of the whole program use it.
#pragma once

// Creates the 28 windows' instances, from the main window on.
void CriaJanelasDoPrograma();
// Destroys them, the main window last, and clears their globals.
void DestroiJanelasDoPrograma();
