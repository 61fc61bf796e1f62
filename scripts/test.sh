#!/usr/bin/env bash
# Builds every preset and runs every test: the portable core natively (plain and under the
# sanitizers), the check of the download for Windows users, then the Windows program's tests
# under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
for preset in native sanitize; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset"
done

export WINEPREFIX="$PWD/build/windows/wineprefix"
. scripts/wine-env.sh

# The shipped 32-bit program, and the download for Windows users, made as the README says and
# checked. Where only the 64-bit Wine runs, the tests run from the 64-bit build.
cmake --preset windows >/dev/null
if [ "$ACORDINA_PRESET" = windows ]; then
  cmake --build --preset windows -j "$jobs"
else
  cmake --build --preset windows -j "$jobs" --target Acordina
  ctest --preset windows -R executable_is_self_contained
  export WINEPREFIX="$PWD/build/windows64/wineprefix"
  cmake --preset windows64 >/dev/null
  cmake --build --preset windows64 -j "$jobs"
fi
zip=$(scripts/package.sh)
cmake -DZIP="$zip" -DEXE=build/windows/Acordina.exe -DREADME=docs/LEIA-ME.txt \
  -DOBJDUMP=i686-w64-mingw32-objdump -P tests/program/CheckPackage.cmake

# One Xvfb for the prefix set-up and all the tests; Wine is stopped whatever happens.
timeout 2400 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  . scripts/wine-env.sh
  prepare_wine_prefix
  ctest --preset "$ACORDINA_PRESET"
  rc=$?
  wineserver -k 2>/dev/null
  exit $rc'
