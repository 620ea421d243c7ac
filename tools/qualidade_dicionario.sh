#!/usr/bin/env bash
# Measures the shipped spelling dictionary: the share of the word tokens of
# real Brazilian prose it accepts (by default the Portuguese file of Debian's
# fortunes-br, installed when missing), with the words it stops at most often,
# and how it does on the real misspellings of tests/data.
# Usage: tools/qualidade_dicionario.sh [prose file (UTF-8) ...]
set -euo pipefail
cd "$(dirname "$0")/.."
arquivos=("$@")
if [ ${#arquivos[@]} -eq 0 ]; then
  arquivos=(/usr/share/games/fortunes/brasil)
  if [ ! -f "${arquivos[0]}" ]; then
    sudo_=""
    if [ "$(id -u)" -ne 0 ]; then sudo_=sudo; fi
    $sudo_ apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends fortunes-br
  fi
fi
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "${DOTMARA_JOBS:-3}" --target dm_tests_core
prosa=$(IFS=:; echo "${arquivos[*]}")
DOTMARA_PROSA="$prosa" ./build/tests/dm_tests_core --gtest_also_run_disabled_tests \
  --gtest_filter='DicionarioEntregue.DISABLED_ProsaReal:DicionarioEntregue.ErrosReaisApontadosECorrigidos' |
  grep -v '^\['
