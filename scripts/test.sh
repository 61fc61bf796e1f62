#!/usr/bin/env bash
# Builds both presets and runs every test: the portable core natively (plain
# and under the sanitizers), then the Windows program's tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
for preset in native sanitize; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset"
done

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

export WINEPREFIX="$PWD/build/windows/wineprefix"
. scripts/wine-env.sh
# One Xvfb for the prefix set-up and all the tests; Wine is stopped whatever happens.
timeout 2400 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  . scripts/wine-env.sh
  prepare_wine_prefix
  ctest --preset windows
  rc=$?
  wineserver -k 2>/dev/null
  exit $rc'
