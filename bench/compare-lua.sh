#!/usr/bin/env bash
# Times the interpreter against Lua 5.4 on the same programs written in both
# languages (bench/quip/NAME.! and bench/lua/NAME.lua). Each pair runs RUNS
# times, alternating, and the table gives per program the median time
# of each in milliseconds and the ratio quip/Lua.
#
# Usage: bench/compare-lua.sh [runs]
#   BUILD_DIR  release build directory holding tools/quipc (default build/release;
#              configured when missing, quipc built when out of date)
#   CLOCK      wall (default) or cpu: user plus system time of the process, which
#              is steadier than wall time on a busy machine
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-7}"
build="${BUILD_DIR:-$root/build/release}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac
quipc="$build/tools/quipc"
clock="${CLOCK:-wall}"
case "$clock" in wall | cpu) ;; *) echo "CLOCK must be wall or cpu" >&2 && exit 2 ;; esac

if ! command -v lua5.4 >/dev/null 2>&1; then
  echo "lua5.4 is missing; installing it" >&2
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq && $sudo apt-get install -y -qq lua5.4 >/dev/null
fi

# Configured when missing, and always brought up to date: timing a stale
# quipc would compare old code.
if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "configuring a release build in $build" >&2
  cmake --preset release -B "$build" >/dev/null
fi
cmake --build "$build" --target quipc >/dev/null

# Milliseconds of one run of a command on the chosen clock; the command's
# output goes to the named file.
elapsed() {
  local out="$1"
  shift
  local TIMEFORMAT='%3R %3U %3S' times
  times="$({ time "$@" >"$out" 2>&1; } 2>&1)"
  if [ "$clock" = cpu ]; then
    echo "$times" | awk '{ printf "%.3f\n", ($2 + $3) * 1000 }'
  else
    echo "$times" | awk '{ printf "%.3f\n", $1 * 1000 }'
  fi
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

echo "median of $runs runs, $clock clock"
printf '%-12s %12s %12s %8s\n' program "quip ms" "lua ms" ratio
status=0
for script in "$root"/bench/quip/*.!; do
  name="$(basename "$script" .!)"
  peer="$root/bench/lua/$name.lua"
  [ -f "$peer" ] || continue
  : >"$tmp/q" && : >"$tmp/l"
  for ((i = 0; i < runs; i++)); do
    elapsed "$tmp/qout" "$quipc" run "$script" >>"$tmp/q"
    elapsed "$tmp/lout" lua5.4 "$peer" >>"$tmp/l"
  done
  # Both programs print their result; a mismatch means they did different work.
  if [ "$(tail -n 1 "$tmp/qout")" != "$(tail -n 1 "$tmp/lout")" ]; then
    echo "$name: results differ: quip '$(tail -n 1 "$tmp/qout")', lua '$(tail -n 1 "$tmp/lout")'" >&2
    status=1
  fi
  q="$(median <"$tmp/q")"
  l="$(median <"$tmp/l")"
  printf '%-12s %12s %12s %8s\n' "$name" "$q" "$l" "$(awk -v q="$q" -v l="$l" 'BEGIN { printf "%.2f", q / l }')"
done
exit $status
