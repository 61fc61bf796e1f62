#!/usr/bin/env bash
# The armed alarm outlives the program, on the real program under Wine (see README):
#   1. armed for two minutes ahead, killed (kill -9) and started as the Run value says, it rings
#      at the wake-up time through the null sink, and a second start leaves one copy running;
#   2. armed for the coming minute, killed and started by hand after that minute, it says that
#      the alarm did not ring, and nothing sounds.
#   scripts/record-restart.sh [OUTPUT_FOLDER]        (default: build/record-restart)
# Leaves the recordings, the balloons Wine was given (tooltips.log) and summary.txt there.
set -euo pipefail
[ -n "${RECORD_ALARM_SCREEN:-}" ] ||
  exec env RECORD_ALARM_SCREEN=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
cd "$(dirname "$0")/.."
out=$(mkdir -p "${1:-build/record-restart}" && cd "${1:-build/record-restart}" && pwd)
program=$out/program
sound=alarme_classico.wav
fail() { echo "record-restart: $*" >&2 && exit 1; }
now() { date +%s.%N; }
until_time() { while awk "BEGIN { exit !($(now) < $1) }"; do sleep 0.05; done; }
# A prefix of its own: the Run value the program writes stays inside the output folder.
export WINEPREFIX=${WINEPREFIX:-$out/wine}
. scripts/record-alarm/setup.sh
export WINEDEBUG=-all,+tooltips
log=$out/tooltips.log summary=$out/summary.txt
: >"$log" && : >"$summary"
say() { echo "$*" | tee -a "$summary"; }

# The program's processes in this prefix (other prefixes may run one too).
ours() {
  for p in $(pgrep -x Acordina.exe); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$p"
  done
  true
}
start() { # folder command...
  (cd "$1" && shift && exec wine "$@" >/dev/null 2>>"$log") &
}
# Started by hand with a fresh Config.inf, armed with the sound for the full minute $1.
arm() {
  rm -f "$program/Config.inf"
  start "$program" Acordina.exe
  await ^acordinamain$ '' >/dev/null
  click ^static$ '^Configura'
  click ^button$ '^Despertar com som$' 1 6
  click ^combobox$ ''
  xdotool key a Return
  read -r hour minute <<<"$(date -d "@$1" '+%-H %-M')"
  [ "$hour" = 0 ] || click ^scrollbar$ '' 1 '' 4 "$hour"
  [ "$minute" = 0 ] || click ^scrollbar$ '' 2 '' 4 "$minute"
  click ^static$ 'Clique aqui'
  click ^button$ '^OK$'
  [ -f "$program/Religar.inf" ] || fail "no record after arming"
}
run_value() {
  wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Acordina 2>/dev/null |
    tr -d '\r' | sed -n 's/.*REG_SZ[[:space:]]*//p'
}
kill_program() {
  kill -9 $(ours)
  for _ in $(seq 20); do [ -z "$(ours)" ] && return; sleep 0.5; done
  fail "the program did not die"
}
# Records the sink for about $2 seconds into $1; prints when the recording began, which is a
# little after the recorder was started: the recording is that much shorter.
record() { # file seconds
  timeout "$2" parecord --device=acordina.monitor --file-format=wav --rate=44100 --channels=1 \
    "$1" || true
  awk "BEGIN { printf \"%.2f\", $(now) - $(soxi -D "$1") }"
}
# Seconds from the start of a recording to its first hundredth louder than 0.01 (-1: none).
onset() {
  sox "$1" -r 44100 -c 1 -t dat - | awk 'BEGIN { on = -1 } !/^;/ { s += $2 * $2
    if (++n == 441) { if (on < 0 && sqrt(s / n) > 0.01) on = k / 100; s = n = 0; k++ } }
    END { print on }'
}

# 1. Killed, and brought back by what Windows runs at log-on.
target=$((($(date +%s) + 120 + 59) / 60 * 60))
arm $target
command=$(run_value)
say "Run value after arming: $command"
[[ $command == \"*\"\ /religar ]] || fail "no Run value"
kill_program
exe=${command#\"} && exe=${exe%%\"*}
start "$out" "$exe" /religar
await '' '^Wine System Tray$' >/dev/null
sleep 2
! find_window ^acordinamain$ '' >/dev/null || fail "the window showed after /religar"
start "$program" Acordina.exe # a second start by hand
await ^acordinamain$ '' >/dev/null
sleep 3
say "copies running after a start by /religar and a second start by hand: $(ours | wc -l)"
until_time $((target - 15))
began=$(record "$out/restart.wav" 25)
late=$(awk "BEGIN { printf \"%.2f\", $began + $(onset "$out/restart.wav") - $target }")
say "sound started $late s after the wake-up time (-15 or less: silent)"
awk "BEGIN { exit !($late >= -0.5 && $late <= 5) }" || fail "it did not ring at the wake-up time"
[ "$(ours | wc -l)" = 1 ] || fail "not one copy"
click ^static$ 'Clique aqui'
sleep 1
say "after disarming: record $([ -f "$program/Religar.inf" ] && echo kept || echo removed), Run value '$(run_value)'"
kill_program

# 2. Killed, and started after the wake-up time passed.
target=$((($(date +%s) + 40 + 59) / 60 * 60))
arm $target
kill_program
until_time $((target + 5))
start "$program" Acordina.exe
await ^acordinamain$ '' >/dev/null
record "$out/missed.wav" 8 >/dev/null
quiet=$(onset "$out/missed.wav")
say "sound after the missed wake-up: $quiet (-1: none)"
restarted=$(grep -c 'o Acordina foi reiniciado' "$log") || true
missed=$(grep -c 'computador estava desligado' "$log") || true
say "balloons: restarted $restarted, did not ring $missed; copies running: $(ours | wc -l)"
[ "$quiet" = -1 ] && [ "$restarted" -ge 1 ] && [ "$missed" -ge 1 ] || fail "see $summary"
echo "record-restart: it came back, rang, and told of the missed wake-up; files in $out"
