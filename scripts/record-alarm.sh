#!/usr/bin/env bash
# Hears the real program ring. Runs Acordina under Wine on a virtual screen in a program folder
# with one sample WAV file, and drives it like a user with xdotool: opens the settings, ticks
# "Despertar com som", picks the sound, sets the coming minute with the spinners and clicks the
# status label. While the alarm waits armed and hidden, the program's CPU use is measured over
# 60 s. The sound card is a PulseAudio null sink; its monitor is recorded from some seconds
# before the wake-up time on. After the wake-up time the window is brought back with a
# double-click on the tray icon and the status label is clicked again, which must silence the
# sound. The recording must be silent before the wake-up time, loud and never quiet for long
# while ringing (the file loops) and silent again after the click. Its first loop must match the
# file: one clean start, not a sound restarted again and again.
#
# With --freeze the program's process is stopped (SIGSTOP) from 3 s before the wake-up second to
# 2 s after it, as a busy or briefly frozen machine would hold it; the sound must then start
# within 3 s after the release.
#
#   scripts/record-alarm.sh [--freeze] [OUTPUT_FOLDER]        (default: build/record-alarm)
#
# Leaves recording.wav, summary.txt, the screenshots and the program folder (with the
# Config.inf that arming wrote) in OUTPUT_FOLDER. Takes three to four minutes of real time.
# ACORDINA_BUILD_DIR=<folder> uses an already configured Windows build instead of the
# "windows" preset. Not part of the test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
freeze=0
if [ "${1:-}" = --freeze ]; then
  freeze=1
  shift
fi
scripts/setup.sh

# What this script needs besides the build and Wine.
extra=(pulseaudio pulseaudio-utils sox libpulse0:i386 xdotool)
missing=()
for p in "${extra[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "record-alarm: installing ${missing[*]}"
  run_as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
  run_as_root apt-get update -q
  run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
fi

if [ -n "${ACORDINA_BUILD_DIR:-}" ]; then
  build=$ACORDINA_BUILD_DIR
  cmake --build "$build" -j 2 --target Acordina
else
  build=$root/build/windows
  cmake --preset windows >/dev/null
  cmake --build --preset windows -j 2 --target Acordina
fi

out=${1:-$root/build/record-alarm}
mkdir -p "$out"
out=$(cd "$out" && pwd)
program=$out/program
rm -rf "$program"
mkdir -p "$program"
cp "$build/Acordina.exe" "$program/"
sound=alarme_classico.wav
cp "resources/sounds/$sound" "$program/"
i686-w64-mingw32-g++-posix -std=c++20 -O2 -static -municode -o "$out/locate.exe" \
  scripts/record-alarm/locate.cpp
rm -f "$out/recording.wav" "$out"/*.png

work=$(mktemp -d)
pids=()
cleanup() {
  set +e
  [ -n "${WINEPREFIX:-}" ] && timeout 30 wineserver -k 2>/dev/null
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A virtual screen on a free display number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY

# A sound server of our own whose default output is a null sink.
export PULSE_RUNTIME_PATH=$work/pulse PULSE_SERVER=unix:$work/pulse/native
mkdir -p "$PULSE_RUNTIME_PATH"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-level=error \
  -L "module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" \
  -L "module-null-sink sink_name=acordina sink_properties=device.description=Acordina" \
  >"$work/pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink acordina

export WINEPREFIX=${WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/acordina/wine}
# shellcheck source=scripts/wine-env.sh
. scripts/wine-env.sh
prepare_wine_prefix

locate() { wine "$out/locate.exe" "$@" 2>/dev/null | tr -d '\r'; }
# Waits until the locator finds the thing, and prints where it is.
await() {
  local answer
  for _ in $(seq 1 60); do
    answer=$(locate "$@")
    if [ -n "$answer" ] && [ "$answer" != none ]; then echo "$answer"; return 0; fi
    sleep 0.5
  done
  echo "record-alarm: '$*' never appeared" >&2
  return 1
}
click_at() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
click() {
  local x y
  read -r x y <<<"$(await "$@")"
  click_at "$x" "$y"
}
shot() { import -window root "$out/$1.png"; }
now() { date +%s.%N; }
log() { echo "record-alarm: $*"; }
calc() { awk "BEGIN { printf \"%.6f\", $1 }"; }
is() { awk "BEGIN { exit !($1) }"; }

cd "$program"
wine Acordina.exe >"$work/acordina.log" 2>&1 &
pids+=($!)
cd "$root"
until [ "$(locate main | cut -d' ' -f1)" = 1 ]; do sleep 0.5; done

# The program's own process: the one named Acordina.exe that runs in our program folder.
acordina_pid=""
for _ in $(seq 1 20); do
  for p in /proc/[0-9]*; do
    if [ "$(cat "$p/comm" 2>/dev/null)" = Acordina.exe ] &&
       [ "$(readlink "$p/cwd" 2>/dev/null)" = "$program" ]; then
      acordina_pid=${p#/proc/}
    fi
  done
  [ -n "$acordina_pid" ] && break
  sleep 0.5
done
[ -n "$acordina_pid" ] || { echo "record-alarm: the program's process was not found" >&2; exit 1; }

# The settings: sound on, the one WAV file (entry 1, after "...Ajuda").
click point lblConfig
click point chkDespSom
click point cboSom
click item 1
[ "$(locate text cboSom)" = "$sound" ] || { echo "record-alarm: the sound was not chosen" >&2; exit 1; }

# The wake-up time: the first full minute that leaves room for the clicks, the arming and the
# 60 s CPU measurement.
target=$(( ( $(date +%s) + 25 + 75 + 59 ) / 60 * 60 ))
hour=$(date -d "@$target" +%-H)
minute=$(date -d "@$target" +%-M)
spin_to() { # box spinner value
  local have x y
  for _ in $(seq 1 200); do
    have=$(locate text "$1")
    [ "$have" = "$3" ] && return 0
    if [ "$have" -lt "$3" ]; then
      read -r x y <<<"$(locate point "$2.up")"
      xdotool mousemove "$x" "$y" click --repeat $(( $3 - have )) --delay 150 1
    else
      read -r x y <<<"$(locate point "$2.down")"
      xdotool mousemove "$x" "$y" click --repeat $(( have - $3 )) --delay 150 1
    fi
    sleep 0.3
  done
  echo "record-alarm: $1 did not reach $3" >&2
  return 1
}
spin_to txtHH vsHH "$hour"
spin_to txtMM vsMM "$minute"
log "wake-up time set with the spinners: $hour:$minute ($(date -d "@$target" +%T))"
shot 1-set

click point lblStatus
shot 2-confirmation
click ok "Aviso!"
sleep 1
[ "$(locate main | cut -d' ' -f1)" = 0 ] || { echo "record-alarm: the window did not hide" >&2; exit 1; }
[ -f "$program/Config.inf" ] || { echo "record-alarm: Config.inf was not written" >&2; exit 1; }
log "armed and hidden; Config.inf written ($(wc -l <"$program/Config.inf") lines)"
shot 3-armed

# CPU time (user + system, in clock ticks) of a process.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Wine's server for this prefix (wineserver32 on Debian) works in a folder named after the
# prefix's device and inode.
server_dir=$(stat -c '%d %i' "$WINEPREFIX" | awk '{ printf "server-%x-%x", $1, $2 }')
server_pid=""
for p in /proc/[0-9]*; do
  case "$(cat "$p/comm" 2>/dev/null)" in wineserver*) ;; *) continue ;; esac
  if [ "$(basename "$(readlink "$p/cwd" 2>/dev/null)")" = "$server_dir" ]; then
    server_pid=${p#/proc/}
  fi
done
[ -n "$server_pid" ] || { echo "record-alarm: Wine's server was not found" >&2; exit 1; }
hz=$(getconf CLK_TCK)
a0=$(cpu_ticks "$acordina_pid"); s0=$(cpu_ticks "$server_pid"); t0=$(now)
sleep 60
a1=$(cpu_ticks "$acordina_pid"); s1=$(cpu_ticks "$server_pid"); t1=$(now)
cpu_idle=$(calc "($a1 - $a0) / $hz / ($t1 - $t0) * 100")
server_idle=$(calc "($s1 - $s0) / $hz / ($t1 - $t0) * 100")
log "$(printf 'CPU while armed and hidden, %.0f s: Acordina.exe (pid %s) %.2f %% of one core, wineserver %.2f %%' \
  "$(calc "$t1 - $t0")" "$acordina_pid" "$cpu_idle" "$server_idle")"

# Everything the sound card plays from some seconds before the wake-up time on.
while [ "$(date +%s)" -lt $((target - 15)) ]; do sleep 0.2; done
parecord --device=acordina.monitor --file-format=wav --rate=44100 --channels=2 \
  "$out/recording.wav" &
recorder=$!
pids+=("$recorder")
recording_started=$(now)

if [ "$freeze" = 1 ]; then
  while is "$(now) < $target - 3"; do sleep 0.05; done
  kill -STOP "$acordina_pid"
  log "program frozen at $(date +%T.%N | cut -c1-12)"
  while is "$(now) < $target + 2"; do sleep 0.05; done
  kill -CONT "$acordina_pid"
  released_at=$(now)
  log "program released at $(date +%T.%N | cut -c1-12)"
else
  while [ "$(date +%s)" -lt "$target" ]; do sleep 0.1; done
  log "wake-up time reached: $(date +%T)"
fi
b0=$(cpu_ticks "$acordina_pid"); t2=$(now)
sleep 10
b1=$(cpu_ticks "$acordina_pid"); t3=$(now)
cpu_ringing=$(calc "($b1 - $b0) / $hz / ($t3 - $t2) * 100")
shot 4-ringing

# Back from the tray with a double-click, then the status label switches the alarm off.
read -r x y <<<"$(await tray)"
xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
for _ in $(seq 1 20); do [ "$(locate main | cut -d' ' -f1)" = 1 ] && break; sleep 0.5; done
[ "$(locate main | cut -d' ' -f1)" = 1 ] || { echo "record-alarm: the window did not come back" >&2; exit 1; }
shot 5-restored
read -r x y <<<"$(await point lblStatus)"
disarmed_at=$(now)
click_at "$x" "$y"
sleep 4
stopped_at=$(now)
kill "$recorder"
wait "$recorder" 2>/dev/null || true
shot 6-disarmed

# Places in the recording. Its first sample came a little after the recorder was started: the
# file is that much shorter than the time it ran.
total=$(soxi -D "$out/recording.wav")
skew=$(calc "($stopped_at - $recording_started) - $total")
wake=$(calc "$target - $recording_started - $skew")
# When the sound may start: at the wake-up time, or after the release of a frozen program.
due=$wake
[ "$freeze" = 1 ] && due=$(calc "$released_at - $recording_started - $skew")
off=$(calc "$disarmed_at - $recording_started - $skew")
rms() { sox "$out/recording.wav" -n trim "$1" "$2" stat 2>&1 | awk '/RMS +amplitude/ { print $3 }'; }
level() { # from to -> "rms peak"
  sox "$out/recording.wav" -n trim "$1" "=$2" stat 2>&1 |
    awk '/RMS +amplitude/ { r = $3 } /Maximum amplitude/ { m = $3 } END { print r, m }'
}
# Searching in steps of a tenth of a second from $1 up to $2: the first tenth that is loud, or
# the first half-second that is quiet (the file's own short fade at each loop is no end).
first() { # loud|quiet from to
  local t=$2
  while is "$t < $3"; do
    case $1 in
      loud) is "$(rms "$t" 0.1) > 0.01" && { echo "$t"; return; } ;;
      quiet) is "$(rms "$t" 0.5) < 0.001" && { echo "$t"; return; } ;;
    esac
    t=$(calc "$t + 0.1")
  done
  echo "$3"
}
onset=$(first loud "$(calc "$wake - 3")" "$(calc "$due + 10")")
ending=$(first quiet "$(calc "$off - 3")" "$total")
read -r rms_before peak_before <<<"$(level 0 "$(calc "$onset - 0.1")")"
read -r rms_ringing peak_ringing <<<"$(level "$onset" "$ending")"
read -r rms_after peak_after <<<"$(level "$(calc "$ending + 0.1")" "$total")"
ringing=$(calc "$ending - $onset")
wav_length=$(soxi -D "$program/$sound")
# A looping sound leaves no quiet half-second while it rings.
quiet=0
windows=0
t=$onset
while is "$t + 0.5 <= $ending"; do
  windows=$((windows + 1))
  if is "$(rms "$t" 0.5) < 0.01"; then quiet=$((quiet + 1)); fi
  t=$(calc "$t + 0.5")
done

# The loudness of each hundredth of a second of a stretch of a sound file.
envelope() { # file from length
  sox "$1" -r 44100 -c 1 -t dat - trim "$2" "$3" 2>/dev/null |
    awk '!/^;/ { s += $2 * $2; if (++n == 441) { print sqrt(s / n); s = n = 0 } }'
}
# How closely the first loop of the recording follows the file (correlation of the two
# envelopes at the best shift within 0.3 s of the onset): near 1 for one clean start, low when
# the sound was restarted during its first loop.
envelope "$program/$sound" 0 "$wav_length" >"$work/file.env"
envelope "$out/recording.wav" "$(calc "$onset - 0.3")" "$(calc "$wav_length + 0.6")" >"$work/rec.env"
read -r similarity shift <<<"$(awk 'NR == FNR { f[n++] = $1; next } { r[m++] = $1 }
  END {
    best = -2
    for (lag = 0; lag + n <= m; lag++) {
      sx = sy = sxx = syy = sxy = 0
      for (i = 0; i < n; i++) {
        x = f[i]; y = r[i + lag]; sx += x; sy += y; sxx += x * x; syy += y * y; sxy += x * y
      }
      c = (n * sxy - sx * sy) / sqrt((n * sxx - sx * sx) * (n * syy - sy * sy) + 1e-12)
      if (c > best) { best = c; at = lag }
    }
    printf "%.3f %.2f\n", best, at / 100 - 0.3
  }' "$work/file.env" "$work/rec.env")"

{
  printf 'Acordina under Wine, %s\n' "$(date '+%F %T')"
  printf 'sound: %s (%.2f s); wake-up time %02d:%02d:00 set with the spinners; Config.inf %d lines\n' \
    "$sound" "$wav_length" "$hour" "$minute" "$(wc -l <"$program/Config.inf")"
  printf 'recording: %.1f s; wake-up time at %.1f s, disarming click at %.1f s\n' "$total" "$wake" "$off"
  [ "$freeze" = 1 ] && printf 'program frozen from %.1f s to %.1f s\n' "$(calc "$wake - 3")" "$due"
  printf 'sound from %.1f s (%.1f s after the wake-up time began, %.1f s after it was due) to %.1f s (%.1f s after the click):' \
    "$onset" "$(calc "$onset - $wake")" "$(calc "$onset - $due")" "$ending" "$(calc "$ending - $off")"
  printf ' %.1f s, %.1f times the file\n' "$ringing" "$(calc "$ringing / $wav_length")"
  printf '%-24s %10s %10s\n' stretch RMS peak
  printf '%-24s %10s %10s\n' "before the sound" "$rms_before" "$peak_before"
  printf '%-24s %10s %10s\n' "ringing" "$rms_ringing" "$peak_ringing"
  printf '%-24s %10s %10s\n' "after disarming" "$rms_after" "$peak_after"
  printf 'half-second windows while ringing: %d, quiet among them: %d\n' "$windows" "$quiet"
  printf 'first loop against the file: correlation %.3f at a shift of %.2f s\n' "$similarity" "$shift"
  printf 'CPU of Acordina.exe: %.2f %% of one core armed and hidden (60 s), %.2f %% ringing (10 s);' \
    "$cpu_idle" "$cpu_ringing"
  printf ' wineserver %.2f %% armed and hidden\n' "$server_idle"
} | tee "$out/summary.txt"

# It rang at the wake-up time, looped past the file's own length until disarmed, and stopped.
ok=1
is "$rms_before < 0.001 && $onset > 5" || { echo "record-alarm: no silence before the sound"; ok=0; }
late=5
[ "$freeze" = 1 ] && late=3
is "$onset >= $due - 0.5 && $onset <= $due + $late" ||
  { echo "record-alarm: the sound did not start when it was due"; ok=0; }
is "$similarity >= 0.9" || { echo "record-alarm: the sound did not start cleanly"; ok=0; }
if ! is "$rms_ringing > 0.05 && $ringing > 2 * $wav_length" || [ "$quiet" -ne 0 ]; then
  echo "record-alarm: the sound did not keep looping"; ok=0
fi
is "$ending <= $off + 2 && $rms_after < 0.001" || { echo "record-alarm: the sound did not stop"; ok=0; }
[ "$ok" = 1 ] && echo "record-alarm: it rang, looped and stopped; files in $out"
[ "$ok" = 1 ]
