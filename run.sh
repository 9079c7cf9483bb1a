#!/bin/sh
# Installs what is needed, builds, creates the delivered database when there is none, and
# starts talver: the window when a display is available, otherwise the headless server.
set -eu
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc 2>/dev/null || echo 2)"
data="${TALVER_DATA_DIR:-$(pwd)/run}"
mkdir -p "$data"
if [ ! -f "$data/dbPrognoz.sqlite" ]; then
  ./build/talver --create-database "$data/dbPrognoz.sqlite"
fi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/talver --data-dir "$data" "$@"
fi
echo "run.sh: no display found, starting the headless server (stop it with Ctrl+C)" >&2
exec ./build/talver --headless --data-dir "$data" "$@"
