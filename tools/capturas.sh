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
# Word export's notice and end boxes, the
# external programs' refusals and the box of the characters a compile left
# out of the braille; then times F9 and F7
# on a document at the editor's limit through the windows.
# Under Xvfb with the real X11 platform when xvfb-run is installed
# (apt-get install xvfb xauth), else offscreen.
# Usage: tools/capturas.sh [folder]   (default: build/capturas)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/capturas}
mkdir -p "$out"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "${DOTMARA_JOBS:-3}" --target dm_tests_gui
run=(env QT_QPA_PLATFORM=offscreen)
if command -v xvfb-run >/dev/null 2>&1; then
  run=(xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb)
fi
DOTMARA_CAPTURAS="$(cd "$out" && pwd)" "${run[@]}" \
  ./build/tests/dm_tests_gui --gtest_also_run_disabled_tests --gtest_filter='Capturas*.*'
