#!/usr/bin/env bash
# Measures the release program against a reference program built the same way, side by side in
# one Wine session on a virtual screen, and prints a table:
#   size        the stripped executables
#   idle CPU    60 s armed and hidden, against a hidden window whose two 100 ms timers run
#   start-up    launch to the first drawn window, against one plain window with the same
#               manifest; launches alternated, median of 7 each
# A benchmark, not a test: it reports, and never fails because a machine is slow.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

export WINEPREFIX=$PWD/build/bench/wineprefix
# shellcheck source=scripts/wine-env.sh
. scripts/wine-env.sh
# Sizes are the shipped 32-bit build's; times are taken from the build this Wine runs.
for preset in windows "$ACORDINA_PRESET"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j 2 --target Acordina bench_reference bench_driver >/dev/null
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/program"
cp "build/$ACORDINA_PRESET/Acordina.exe" "$work/program/"
cp "build/$ACORDINA_PRESET/bench/bench_reference.exe" \
  "build/$ACORDINA_PRESET/bench/bench_driver.exe" "$work/"
timeout 900 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  . scripts/wine-env.sh
  prepare_wine_prefix
  cd "$1"
  # CPU time of all its threads, in ns: finer than the clock ticks of /proc/<pid>/stat.
  cpu() { cat /proc/$1/task/*/schedstat | awk "{ t += \$1 } END { print t }"; }
  # The idle reference first: it keeps the session up from here on.
  wine bench_reference.exe idle >/dev/null 2>&1 &
  reference=$!
  sleep 3
  wine bench_driver.exe startup 7 "program\\Acordina.exe" "bench_reference.exe window" \
    2>/dev/null | tr -d "\r" >startup
  (cd program && exec wine Acordina.exe >/dev/null 2>&1) &
  product=$!
  wine bench_driver.exe arm 2>/dev/null || echo "bench: the program could not be armed" >&2
  sleep 5
  p0=$(cpu $product) r0=$(cpu $reference) t0=$(date +%s%N)
  sleep 60
  p1=$(cpu $product) r1=$(cpu $reference) t1=$(date +%s%N)
  awk -v p=$((p1 - p0)) -v r=$((r1 - r0)) -v t=$((t1 - t0)) \
    "BEGIN { printf \"%.3f %.3f\n\", 100 * p / t, 100 * r / t }" >idle
  wineserver -k' _ "$work"

read -r idle_product idle_reference <"$work/idle"
read -r start_product start_reference <"$work/startup"
size_product=$(stat -c %s build/windows/Acordina.exe)
size_reference=$(stat -c %s build/windows/bench/bench_reference.exe)

row() { printf '%-22s %10s %10s %7s  %-24s %s\n' "$@"; } # name product reference ratio target met
verdict() { awk "BEGIN { print ($1) ? \"yes\" : \"no\" }"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
row measure product reference ratio target met
row "size (KB)" "$((size_product / 1024))" "$((size_reference / 1024))" \
  "$(ratio "$size_product" "$size_reference")" "<= 450 KB" "$(verdict "$size_product <= 450 * 1024")"
row "idle CPU (% of a core)" "$idle_product" "$idle_reference" \
  "$(ratio "$idle_product" "$idle_reference")" "<= reference + 0.05" \
  "$(verdict "$idle_product <= $idle_reference + 0.05")"
row "start-up (ms, median)" "$start_product" "$start_reference" \
  "$(ratio "$start_product" "$start_reference")" "<= 1.5 x reference" \
  "$(verdict "$start_product <= 1.5 * $start_reference")"
