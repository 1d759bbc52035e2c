#!/usr/bin/env bash
# Makes the seed corpora of the fuzz targets from the data tree: for quip_fuzz
# every script and its compiled value file, in OUTPUT_DIR; for quip_run_fuzz
# every script behind a first byte that picks the run budget (16 steps), in
# OUTPUT_DIR/run. Usage: seed.sh QUIPC OUTPUT_DIR
set -euo pipefail
quipc=$1
out=$2
mkdir -p "$out/run"
root="$(cd "$(dirname "$0")/../.." && pwd)"
n=0
while IFS= read -r -d '' script; do
  n=$((n + 1))
  cp "$script" "$out/script$n.!"
  { printf 'T' && cat "$script"; } >"$out/run/script$n"
  if "$quipc" compile "$out/script$n.!" >/dev/null 2>&1; then
    mv "$out/script$n.!.bin" "$out/value$n.bin"
  fi
done < <(find "$root/data" -name '*.!' -print0)
# Structure-aware inputs of quip_fuzz (first byte 0xA5): a deep chain, a wide
# array, shared parts, nested dictionaries.
printf '\xa5\xfc\xfd\x02\x06\x06\x06\x19\x03\xf8\x05\x02\x02\x06\x06' >"$out/structure1"
printf '\xa5\x28\x03\x28\x03\x28\x03\x02\x02\x02\x19\x03\x07\x02' >"$out/structure2"
echo "$n scripts in $out"
