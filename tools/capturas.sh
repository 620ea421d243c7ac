#!/usr/bin/env bash
# Renders the braille on screen offscreen to PNG files: the main window with
# the five-line braille strip, the braille view (plain, numbered, ink and
# reviewer mode) and the "Braille gerado" window; then times F9 on a document
# at the editor's limit through the windows.
# Usage: tools/capturas.sh [folder]   (default: build/capturas)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/capturas}
mkdir -p "$out"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "${DOTMARA_JOBS:-3}" --target dm_tests_gui
DOTMARA_CAPTURAS="$(cd "$out" && pwd)" QT_QPA_PLATFORM=offscreen \
  ./build/tests/dm_tests_gui --gtest_also_run_disabled_tests --gtest_filter='Capturas.*'
