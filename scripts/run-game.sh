#!/usr/bin/env bash
# Sets up the machine, builds the game and starts it in its game folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=OFF -DVELMORA_BENCHMARKS=OFF
cmake --build "$root/build" --parallel
cd "$root/build/game/data"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${SDL_VIDEODRIVER:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$root/build/velmora"
fi
exec "$root/build/velmora"
