#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

tools/setup/deps.sh

# No include may reach from a layer into a higher one.
python3 tools/layercheck/layercheck.py
# The tree keeps the one format of .clang-format.
find source game tests bench tools \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format-14 --dry-run --Werror

jobs=$(nproc)
cmake --preset sanitize -DCORVANE_WERROR=ON >/dev/null
cmake --build --preset sanitize -j "$jobs"
# The texture file, the loading picture, the font, the sound bank, the
# compiled skeletons and the level files are generated, never committed. The
# font maker packs its atlas with the textures, so it writes the texture file again after
# texpack; the skeleton compiler reads the billboards of that file.
build/sanitize/tools/texpack data/textures.! data >/dev/null
build/sanitize/tools/fontmake /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf data/textures.! data >/dev/null
build/sanitize/tools/soundpack data >/dev/null
build/sanitize/tools/skeletonc data >/dev/null
build/sanitize/tools/levelwriter data >/dev/null

# Window tests need an X server; start a private one (with -noreset, or SDL's
# probe connection makes the next connect fail) unless one is given.
if [ -z "${DISPLAY:-}" ] && command -v Xvfb >/dev/null; then
  dfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$dfile" 2>/dev/null &
  xpid=$!
  trap 'kill "$xpid" 2>/dev/null; rm -f "$dfile"' EXIT
  for _ in $(seq 200); do [ -s "$dfile" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$dfile")"
fi

ctest --preset sanitize -j "$jobs"
