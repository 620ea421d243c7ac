#!/usr/bin/env bash
# Renders the braille on screen offscreen to PNG files: the main window with
# the five-line braille strip, the braille view (plain, numbered, ink and
# reviewer mode) and the "Braille gerado" window; then times F9 on a document
# at the editor's limit through the windows. Last, the three windows of
# kelto (page, options, dot drawer) on the real X platform under Xvfb when
# xvfb-run is installed, offscreen otherwise.
# Usage: tools/capturas.sh [folder]   (default: build/capturas)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/capturas}
mkdir -p "$out"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "${DOTMARA_JOBS:-3}" --target dm_tests_gui
DOTMARA_CAPTURAS="$(cd "$out" && pwd)" QT_QPA_PLATFORM=offscreen \
  ./build/tests/dm_tests_gui --gtest_also_run_disabled_tests --gtest_filter='Capturas.*'
if command -v xvfb-run >/dev/null 2>&1; then
  DOTMARA_CAPTURAS="$(cd "$out" && pwd)" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24" \
    ./build/tests/dm_tests_gui --gtest_also_run_disabled_tests --gtest_filter='CapturasKelto.*'
else
  DOTMARA_CAPTURAS="$(cd "$out" && pwd)" QT_QPA_PLATFORM=offscreen \
    ./build/tests/dm_tests_gui --gtest_also_run_disabled_tests --gtest_filter='CapturasKelto.*'
fi
