#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and starts it.
# Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"

tools/setup/deps.sh

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
# The texture file, the loading picture, the font, the sound bank, the
# compiled skeletons and the level files are generated, never committed. The
# font maker packs its atlas with the textures, so it writes the texture file again after
# texpack; the skeleton compiler reads the billboards of that file.
build/release/tools/texpack data/textures.! data >/dev/null
build/release/tools/fontmake /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf data/textures.! data >/dev/null
build/release/tools/soundpack data >/dev/null
build/release/tools/skeletonc data >/dev/null
build/release/tools/levelwriter data >/dev/null

program=(build/release/game/source/app/tumblix)

if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null && [ "${CORVANE_NO_X:-0}" != 1 ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "${program[@]}" "$@"
fi
exec "${program[@]}" "$@"
