#!/usr/bin/env bash
# Installs what the project needs on Debian, then either builds the two
# programs and starts dotmara on the user's own copy of the sample document
# ("run"), or builds everything and runs every test ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

what=${1:-test}
# hunspell-pt-br, wbrazilian, wamerican: the word lists tools/gera_dicionario.py
# makes the spelling dictionary from (a test makes it again and compares).
pkgs=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev python3
      qt6-base-dev qt6-translations-l10n libcups2-dev fonts-dejavu-core clang libclang-rt-14-dev
      hunspell-pt-br wbrazilian wamerican)

sudo_=""
if [ "$(id -u)" -ne 0 ]; then sudo_=sudo; fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# DOTMARA_JOBS limits the parallel build and test jobs (default: all cores).
jobs=${DOTMARA_JOBS:-$(nproc)}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

case "$what" in
  run)
    # Only what runs: dotmara and kelto, which it starts.
    cmake --build build -j "$jobs" --target dotmara kelto
    exemplo=$(bash tools/exemplo.sh)
    if [ -n "$exemplo" ]; then
      exec ./build/dotmara "$exemplo"
    fi
    exec ./build/dotmara ;;
  test)
    cmake --build build -j "$jobs"
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs" ;;
  *)
    echo "usage: $0 run|test" >&2; exit 2 ;;
esac
