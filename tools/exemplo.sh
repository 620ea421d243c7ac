#!/usr/bin/env bash
# Prints the path of the user's own copy of the sample document,
# ~/dotmara/exemplo.txt, copying data/exemplo.txt there on the first run. A
# copy already there is left as it is: the user may have changed it, and the
# source tree's file is never the one edited and saved.
set -euo pipefail
cd "$(dirname "$0")/.."
home=${HOME:?}
copia="${home%/}/dotmara/exemplo.txt"
if [ ! -e "$copia" ] && [ -f data/exemplo.txt ]; then
  mkdir -p "$(dirname "$copia")"
  cp data/exemplo.txt "$copia"
fi
if [ -f "$copia" ]; then printf '%s\n' "$copia"; fi
