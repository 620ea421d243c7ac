#!/usr/bin/env bash
# Renders the program's windows to PNG files: the main window with the
# five-line braille strip, the braille view (plain, numbered, ink and
# reviewer mode), the "Braille gerado" window, the graphic page preview of a
# page with a graphic, the graphic file viewer and the relief-text window,
# the five settings windows, kelto's page window, options window and dot
# drawer, the spell check's replacement dialog (on the sample document, and
# on a misspelt word with its list of suggestions open), the quick message,
# the main window with its toolbar rows and each menu of the menu bar
# opened, the status bar on line 28546 and at column 100001, the view filling
# pages to their real size (in braille and in ink), the editing tools (the
# Perkins window, the character table, the symbols, the table builder, the
# frame window, the annotation list full and empty, and a text after a table
# and a frame were made), the find and replace dialogs, the macro
# processor's window, the input lines of the annotation and of the ink page
# numbers, the questions of long-line splitting and physical centring, the
# Word export's notice and end boxes, the message of a profile loaded and the
# external programs' refusals, the box of the characters a compile left out
# of the braille, the status bar under a hint, the view's
# embosser box after F11 and after a rebuild, kelto's two windows on the
# screen before and after a button, and the print dialog with what it says
# when the print server does not answer, when its PDF entry is chosen for a
# byte-stream embosser and when a line would not fit a Tiger's paper; then
# times F9 and F7
# on a document at the editor's limit through the windows.
# Under Xvfb with the real X11 platform when xvfb-run is installed
# (apt-get install xvfb xauth; openbox for a window manager), else offscreen.
# Usage: tools/capturas.sh [folder]   (default: build/capturas)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/capturas}
mkdir -p "$out"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "${DOTMARA_JOBS:-3}" --target dm_tests_gui
run=(env QT_QPA_PLATFORM=offscreen)
if command -v xvfb-run >/dev/null 2>&1; then
  # With a window manager when there is one (apt-get install openbox), so the
  # windows are framed, placed and stacked as on a desktop.
  run=(xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
       'if command -v openbox >/dev/null; then openbox & sleep 1; fi; exec env QT_QPA_PLATFORM=xcb "$@"' capturas)
fi
DOTMARA_CAPTURAS="$(cd "$out" && pwd)" "${run[@]}" \
  ./build/tests/dm_tests_gui --gtest_also_run_disabled_tests --gtest_filter='Capturas*.*'
