# Sourced by the record scripts, their output folder in $1: sets out, program, sound, fail, now,
# until_time, exe; builds the program, starts a sound server with a null sink, readies Wine, defines
# find_window, await, click, arm_at and the program's start, processes and Run value. Wine's
# messages go to $log if set; $on_exit runs first at the end.
name=$(basename "$0" .sh)
out=$(mkdir -p "${1:-build/$name}" && cd "${1:-build/$name}" && pwd)
program=$out/program sound=alarme_classico.wav
fail() { echo "$name: $*" >&2 && exit 1; }
now() { date +%s.%N; }
until_time() { while awk "BEGIN { exit !($(now) < $1) }"; do sleep 0.05; done; }
scripts/setup.sh
# A prefix of their own: the Run value and the user's folder the program writes stay in $out.
case $name in record-restart | record-readonly) export WINEPREFIX=${WINEPREFIX:-$out/wine} ;; esac
export WINEPREFIX=${WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/acordina/wine}
. scripts/wine-env.sh
# The 32-bit program, or where only the 64-bit Wine runs, the same program built for it.
arch=i686 pulse=libpulse0:i386
[ "$ACORDINA_PRESET" = windows ] || arch=x86_64 pulse=libpulse0
extra=(pulseaudio pulseaudio-utils sox $pulse xdotool unzip)
dpkg-query -W -f='${Status}\n' "${extra[@]}" 2>/dev/null | grep -c ' installed$' | grep -qx 6 ||
  $([ "$(id -u)" = 0 ] || echo sudo) env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${extra[@]}"
cmake --preset "$ACORDINA_PRESET" >/dev/null
cmake --build --preset "$ACORDINA_PRESET" -j 2 --target Acordina
exe=$PWD/build/$ACORDINA_PRESET/Acordina.exe
rm -rf "$program" "$out/recording.wav" && mkdir -p "$program"
cp "$exe" "resources/sounds/$sound" "$program/"
$arch-w64-mingw32-g++-posix -std=c++20 -O2 -static -o "$out/locate.exe" scripts/record-alarm/locate.cpp

# A sound server of its own whose default output is a null sink.
work=$(mktemp -d)
export PULSE_RUNTIME_PATH=$work/pulse PULSE_SERVER=unix:$work/pulse/native
trap 'set +e; ${on_exit:-}; timeout 30 wineserver -k; pulseaudio --kill; rm -rf "$work"' EXIT
mkdir -p "$PULSE_RUNTIME_PATH"
env -u PULSE_SERVER pulseaudio --start -n --exit-idle-time=-1 --log-level=error \
  -L "module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" \
  -L "module-null-sink sink_name=acordina"
pactl set-default-sink acordina
prepare_wine_prefix

# "left top right bottom<TAB>text" of the n-th window from the left whose class and text match.
find_window() { # class text [n]
  wine "$out/locate.exe" 2>>"${log:-/dev/null}" | tr -d '\r' | awk -F'\t' -v c="$1" -v t="$2" \
    'tolower($1) ~ tolower(c) && $3 ~ t { print $2 "\t" $3 }' | sort -n | sed -n "${3:-1}p" | grep .
}
await() { for _ in $(seq 60); do find_window "$@" && return; sleep 0.5; done; fail "no $1 '$2'"; }
# Clicks count times at x, y from the window's top left corner (its middle if not given).
click() { # class text [n [x [y [count]]]]
  local at l t r b
  at=$(await "$1" "$2" "${3:-1}") || exit 1
  # shellcheck disable=SC2034 # r and b are used in the defaults
  read -r l t r b _ <<<"$at"
  xdotool mousemove $((l + ${4:-(r - l) / 2})) $((t + ${5:-(b - t) / 2})) \
    click --repeat "${6:-1}" --delay 150 1
  sleep 0.5
}
# Arms the shown program with the sound for the full minute of the instant (spinners from 0:00).
arm_at() { # instant, then the command that picks the sound in the opened list
  click ^static$ '^Configura'
  click ^button$ '^Despertar com som$' 1 6
  click ^combobox$ '' && "${@:2}"
  read -r hour minute <<<"$(date -d "@$1" '+%-H %-M')"
  [ "$hour" = 0 ] || click ^scrollbar$ '' 1 '' 4 "$hour"
  [ "$minute" = 0 ] || click ^scrollbar$ '' 2 '' 4 "$minute"
  click ^static$ 'Clique aqui' && click ^button$ '^OK$'
}
say() { echo "$*" | tee -a "$summary"; }
start() { (cd "$1" && shift && exec wine "$@" >/dev/null 2>>"$log" &); } # folder command...
ours() { for p in $(pgrep -x Acordina.exe); do # the program's processes in this prefix
  grep -qz "^WINEPREFIX=$WINEPREFIX$" "/proc/$p/environ" 2>/dev/null && echo "$p"; done || true; }
kill_program() { kill -9 $(ours); for _ in $(seq 20); do [ -z "$(ours)" ] && return; sleep 0.5
  done; fail "the program did not die"; }
run_value() { wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Acordina \
  2>>"$log" | tr -d '\r' | sed -n 's/.*REG_SZ[[:space:]]*//p'; }
