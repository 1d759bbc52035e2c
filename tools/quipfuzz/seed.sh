#!/usr/bin/env bash
# Makes the seed corpus of the fuzz target from the data tree: every script,
# and its compiled value file. Usage: seed.sh QUIPC OUTPUT_DIR
set -euo pipefail
quipc=$1
out=$2
mkdir -p "$out"
root="$(cd "$(dirname "$0")/../.." && pwd)"
n=0
while IFS= read -r -d '' script; do
  n=$((n + 1))
  cp "$script" "$out/script$n.!"
  if "$quipc" compile "$out/script$n.!" >/dev/null 2>&1; then
    mv "$out/script$n.!.bin" "$out/value$n.bin"
  fi
done < <(find "$root/data" -name '*.!' -print0)
echo "$n scripts in $out"
