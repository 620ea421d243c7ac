#!/usr/bin/env bash
# Renders the windows to PNG files: the main window with the five-line
# braille strip, the braille view (plain, numbered, ink and reviewer mode),
# the "Braille gerado" window and the five settings windows; then times F9 on
# a document at the editor's limit through the windows. Under Xvfb with the
# X11 platform when xvfb-run is installed (Debian package xvfb), otherwise
# offscreen.
# Usage: tools/capturas.sh [folder]   (default: build/capturas)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/capturas}
mkdir -p "$out"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "${DOTMARA_JOBS:-3}" --target dm_tests_gui
pasta="$(cd "$out" && pwd)"
if command -v xvfb-run >/dev/null; then
  DOTMARA_CAPTURAS="$pasta" xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
    ./build/tests/dm_tests_gui --gtest_also_run_disabled_tests --gtest_filter='Capturas.*'
else
  echo "xvfb-run not found: rendering offscreen" >&2
  DOTMARA_CAPTURAS="$pasta" QT_QPA_PLATFORM=offscreen \
    ./build/tests/dm_tests_gui --gtest_also_run_disabled_tests --gtest_filter='Capturas.*'
fi
