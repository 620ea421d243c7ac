#!/usr/bin/env bash
# Makes the spelling dictionary again (tools/gera_dicionario.py) into a
# temporary folder and compares it with data/: the files that ship are the
# generator's output. Exits 77 (skipped) when python3 or the word lists of
# hunspell-pt-br, wbrazilian and wamerican are not installed.
set -euo pipefail
cd "$(dirname "$0")/.."
for f in /usr/share/hunspell/pt_BR.aff /usr/share/hunspell/pt_BR.dic /usr/share/dict/brazilian \
         /usr/share/dict/american-english; do
  [ -f "$f" ] || { echo "missing $f: skipped"; exit 77; }
done
command -v python3 >/dev/null || { echo "no python3: skipped"; exit 77; }
saida=$(mktemp -d)
trap 'rm -rf "$saida"' EXIT
python3 tools/gera_dicionario.py --saida "$saida"
falhou=0
for f in diciona.dic diciona.suf diciona.nom; do
  if ! cmp -s "$saida/$f" "data/$f"; then
    echo "data/$f differs from what tools/gera_dicionario.py makes"
    falhou=1
  fi
done
exit $falhou
