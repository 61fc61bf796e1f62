#!/usr/bin/env bash
# The armed alarm outlives the real program under Wine (see README): killed and started as the Run
# value says, it rings when due, one copy running; started by hand after the wake-up, it tells.
#   scripts/record-restart.sh [OUTPUT_FOLDER]        (default: build/record-restart)
set -euo pipefail
[ -n "${RECORD_ALARM_SCREEN:-}" ] ||
  exec env RECORD_ALARM_SCREEN=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
cd "$(dirname "$0")/.."
. scripts/record-alarm/setup.sh
log=$out/tooltips.log summary=$out/summary.txt
export WINEDEBUG=-all,+tooltips
: >"$log" && : >"$summary"
arm() { # with the sound, from a fresh Config.inf, for the full minute $1
  rm -f "$program/Config.inf" && start "$program" Acordina.exe
  arm_at "$1" xdotool key a Return
  awk "BEGIN { exit !($(now) < $1) }" &&
    grep -q "despertar $(date -d "@$1" +%H:%M)" "$program/Religar.inf" || fail "not armed in time"
}
# Records the sink for $2 s into $1; prints when it first got louder than 0.01 (-1: never).
loud_from() {
  timeout "$2" parecord --device=acordina.monitor --file-format=wav --channels=1 "$1" || true
  local began && began=$(awk "BEGIN { printf \"%.3f\", $(now) - $(soxi -D "$1") }")
  sox "$1" -r 44100 -c 1 -t dat - | awk -v began="$began" 'BEGIN { on = -1 } !/^;/ {
    s += $2 * $2; if (++n == 441) { if (on < 0 && sqrt(s / n) > 0.01) on = began + k / 100
    s = n = 0; k++ } } END { printf "%.2f\n", on }'
}

target=$((($(date +%s) + 120 + 59) / 60 * 60)) # two minutes ahead
arm $target
command=$(run_value) && say "Run value: $command"
[[ $command == \"*\"\ /religar ]] || fail "no Run value"
kill_program
exe=${command#\"} && start "$out" "${exe%%\"*}" /religar
await '' '^Wine System Tray$' >/dev/null && sleep 2
! find_window ^acordinamain$ '' >/dev/null || fail "the window showed after /religar"
start "$program" Acordina.exe # a second copy
await ^acordinamain$ '' >/dev/null && sleep 3
copies=$(ours | wc -l) && until_time $((target - 15))
late=$(awk "BEGIN { printf \"%.2f\", $(loud_from "$out/restart.wav" 25) - $target }")
say "copies after /religar and a second start: $copies; sound from $late s after the wake-up"
[ "$copies" = 1 ] && awk "BEGIN { exit !($late >= -0.5 && $late <= 5) }" || fail "see $summary"
click ^static$ 'Clique aqui' && sleep 1
say "disarmed: Religar.inf $([ -f "$program/Religar.inf" ] && echo kept || echo gone), Run value '$(run_value)'"
! find_window '^#32770$' '' >/dev/null || fail "a message box after disarming"
kill_program

target=$((($(date +%s) + 90 + 59) / 60 * 60)) # the coming minute
arm $target
kill_program && until_time $((target + 5))
start "$program" Acordina.exe
await ^static$ 'Ligado. Clique' >/dev/null
quiet=$(loud_from "$out/missed.wav" 8)
# Wine shows one balloon at a time, each for a while: the killed program's may come first.
for _ in $(seq 60); do ! grep -q 'computador estava desligado' "$log" || break; sleep 0.5; done
missed=$(grep -ac 'add text.*computador estava desligado' "$log" || true)
say "started after the wake-up: armed, sound from $quiet (-1: none), warnings $missed"
grep -a 'add text L"O alarme\|title = L"Aviso"' "$log" | sed 's/.*\(text\|title =\) //' | tee -a "$summary"
[ "$quiet" = -1.00 ] && [ "$missed" = 1 ] || fail "see $summary"
echo "record-restart: it came back, rang when due, and told of the missed wake-up; see $out"
