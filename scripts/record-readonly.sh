#!/usr/bin/env bash
# The real program unzipped under Wine into a folder nobody may write (chattr +i; see README):
# armed, it shows no box but the confirmation and keeps Config.inf and Religar.inf in the
# prefix's AppData\Local\Acordina; killed and started as the Run value says, it arms again.
#   flock /tmp/acordina-pulse.lock scripts/record-readonly.sh [OUTPUT_FOLDER]
set -euo pipefail
[ -n "${RECORD_ALARM_SCREEN:-}" ] ||
  exec env RECORD_ALARM_SCREEN=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
cd "$(dirname "$0")/.."
chattr -i "${1:-build/record-readonly}/program" 2>/dev/null || true # left by an interrupted run
. scripts/record-alarm/setup.sh
log=$out/tooltips.log summary=$out/summary.txt
export WINEDEBUG=-all,+tooltips
: >"$log" && : >"$summary"
zip=$(scripts/package.sh) && rm -rf "$program" && mkdir "$program" && unzip -q "$zip" -d "$program"
cp "$exe" "$program/" # the shipped one, or the build this machine's Wine runs
chattr +i "$program" && on_exit="chattr -i $program"
! touch "$program/probe" 2>/dev/null || fail "the program's folder can be written"
own=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local)/Acordina && rm -rf "$own"
boxes() { wine "$out/locate.exe" 2>>"$log" | grep -c '^#32770' || true; } # message boxes open

target=$((($(date +%s) + 240 + 59) / 60 * 60)) # four minutes ahead: nothing rings meanwhile
start "$program" Acordina.exe && arm_at $target xdotool key a Return && sleep 2
say "armed from $program ($(cd "$program" && echo *)), boxes left open: $(boxes)"
say "in $own: $(cd "$own" && wc -c -- * | head -n -1 | tr -s ' \n' ' ')"
[ "$(boxes)" = 0 ] && [ -s "$own/Config.inf" ] && [ ! -e "$program/Config.inf" ] &&
  grep -q "despertar $(date -d "@$target" +%H:%M)" "$own/Religar.inf" || fail "see $summary"
command=$(run_value) && say "Run value: $command" && kill_program
armed=$(grep armado "$own/Religar.inf") && exe=${command#\"} && start "$out" "${exe%%\"*}" /religar
for _ in $(seq 60); do ! grep -q 'add text.*continua ligado' "$log" || break; sleep 0.5; done
again=$(grep armado "$own/Religar.inf") balloon=$(grep -a 'add text L"O alarme' "$log" || true)
say "after /religar: ${balloon#*add text }, boxes: $(boxes); record '$armed' became '$again'"
[ -n "$balloon" ] && [ "$(boxes)" = 0 ] && [ "$armed" != "$again" ] || fail "see $summary"
kill_program
echo "record-readonly: kept in $own and armed again from there; see $out"
