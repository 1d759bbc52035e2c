#!/usr/bin/env bash
# Times the interpreter against Lua 5.4 on the suite of programs written in
# both languages (bench/quip/NAME.! and bench/lua/NAME.lua). Each pair runs
# RUNS times, alternating; the table gives per program the median CPU time
# (user plus system) of each in milliseconds, their ratio quip/Lua, the
# largest peak resident size of each in KiB and the ratio of those. Both
# programs must print the same standard output, or the script fails.
#
# Usage: bench/compare-lua.sh [-r runs] [name...]
#   names      programs to run (default: every pair)
#   BUILD_DIR  release build directory holding tools/quipc (default build/release;
#              configured when missing, quipc built when out of date)
#   QUIPC      a quipc binary to time as it is, instead of the build's
#   CLOCK      cpu (default): user plus system time of the process, steadier
#              on a busy machine; or wall
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs=5
if [ "${1:-}" = "-r" ]; then
  runs="$2"
  shift 2
fi
build="${BUILD_DIR:-$root/build/release}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac
quipc="${QUIPC:-$build/tools/quipc}"
clock="${CLOCK:-cpu}"
case "$clock" in wall | cpu) ;; *) echo "CLOCK must be wall or cpu" >&2 && exit 2 ;; esac

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if ! command -v lua5.4 >/dev/null 2>&1; then
  echo "lua5.4 is missing; installing it" >&2
  $sudo apt-get update -qq && $sudo apt-get install -y -qq lua5.4 >/dev/null
fi
# GNU time reports the peak resident size.
if [ ! -x /usr/bin/time ]; then
  echo "GNU time is missing; installing it" >&2
  $sudo apt-get update -qq && $sudo apt-get install -y -qq time >/dev/null
fi

# Configured when missing, and always brought up to date: timing a stale
# quipc would compare old code.
if [ -z "${QUIPC:-}" ]; then
  if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "configuring a release build in $build" >&2
    cmake --preset release -B "$build" >/dev/null
  fi
  cmake --build "$build" --target quipc >/dev/null
fi

# One run of a command: prints "milliseconds KiB" on the chosen clock; the
# command's standard output goes to the named file.
measure() {
  local out="$1"
  shift
  /usr/bin/time -o "$tmp/time" -f '%e %U %S %M' "$@" >"$out" 2>/dev/null || true
  if [ "$clock" = cpu ]; then
    awk '{ printf "%.0f %d\n", ($2 + $3) * 1000, $4 }' "$tmp/time"
  else
    awk '{ printf "%.0f %d\n", $1 * 1000, $4 }' "$tmp/time"
  fi
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.0f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
largest() { sort -n | tail -n 1; }
ratio() { awk -v q="$1" -v l="$2" 'BEGIN { if (l > 0) printf "%.2f", q / l; else print "-" }'; }

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

if [ $# -gt 0 ]; then
  names=("$@")
else
  names=()
  for script in "$root"/bench/quip/*.!; do
    name="$(basename "$script" .!)"
    [ -f "$root/bench/lua/$name.lua" ] && names+=("$name")
  done
fi

echo "median of $runs runs, $clock clock; peak resident size is the largest of the runs"
printf '%-12s %9s %9s %7s %10s %10s %7s\n' program "quip ms" "lua ms" ratio "quip KiB" "lua KiB" ratio
status=0
for name in "${names[@]}"; do
  script="$root/bench/quip/$name.!"
  peer="$root/bench/lua/$name.lua"
  if [ ! -f "$script" ] || [ ! -f "$peer" ]; then
    echo "$name: no such pair" >&2
    status=1
    continue
  fi
  : >"$tmp/q" && : >"$tmp/l"
  for ((i = 0; i < runs; i++)); do
    measure "$tmp/qout" "$quipc" run "$script" >>"$tmp/q"
    measure "$tmp/lout" lua5.4 "$peer" >>"$tmp/l"
  done
  # Both programs print their result; a mismatch means they did different work.
  if ! cmp -s "$tmp/qout" "$tmp/lout"; then
    echo "$name: results differ: quip '$(tr '\n' ' ' <"$tmp/qout")', lua '$(tr '\n' ' ' <"$tmp/lout")'" >&2
    status=1
  fi
  qt="$(cut -d' ' -f1 "$tmp/q" | median)"
  lt="$(cut -d' ' -f1 "$tmp/l" | median)"
  qm="$(cut -d' ' -f2 "$tmp/q" | largest)"
  lm="$(cut -d' ' -f2 "$tmp/l" | largest)"
  printf '%-12s %9s %9s %7s %10s %10s %7s\n' "$name" "$qt" "$lt" "$(ratio "$qt" "$lt")" "$qm" "$lm" "$(ratio "$qm" "$lm")"
done
exit $status
