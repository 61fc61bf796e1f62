#!/usr/bin/env bash
# Hears the real program ring under Wine, driven like a user (see README), on a virtual screen.
#   scripts/record-alarm.sh [--freeze | --device-gone | --cyrillic | --text-wav] [OUTPUT_FOLDER]
# (default: build/record-alarm); leaves recording.wav, summary.txt and the program folder there.
set -euo pipefail
[ -n "${RECORD_ALARM_SCREEN:-}" ] ||
  exec env RECORD_ALARM_SCREEN=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
cd "$(dirname "$0")/.."
freeze=0 gone=0 run=plain
case "${1:-}" in
--freeze) freeze=1 && shift ;;
--device-gone) gone=1 && shift ;;
--cyrillic | --text-wav) run=${1#--} && shift ;;
esac
. scripts/record-alarm/setup.sh

# The chosen file of this run, the sound that must be heard, and Wine's locale.
reference=$program/$sound wine_locale=()
if [ $run = cyrillic ]; then # without the host locale Wine reads the name as 7-bit text
  locale -a | grep -qix 'pt_BR.utf8' || $([ "$(id -u)" = 0 ] || echo sudo) bash -c \
    "sed -i 's/^# *\\(pt_BR.UTF-8 UTF-8\\)/\\1/' /etc/locale.gen && locale-gen >/dev/null"
  wine_locale=(LC_ALL=pt_BR.UTF-8)
  mv "$program/$sound" "$program/Будильник.wav" && reference=$program/Будильник.wav
elif [ $run = text-wav ]; then
  rm "$program/$sound" && echo "Acordar cedo: levar o guarda-chuva." >"$program/texto.wav"
  reference=resources/reserva.wav
fi

(cd "$program" && exec env "${wine_locale[@]}" wine Acordina.exe >/dev/null 2>&1) &
await ^acordinamain$ '' >/dev/null
for p in $(pgrep -x Acordina.exe); do [ "$(readlink "/proc/$p/cwd")" != "$program" ] || pid=$p; done
[ -n "${pid:-}" ] || fail "the program's process was not found"
# The first full minute after the first clicks and the start of the recording.
target=$((($(date +%s) + 45 + 59) / 60 * 60))
arm_at $target click ^combolbox$ '' 1 '' '(b - t) - 5' # the last entry, the one WAV file
! find_window ^acordinamain$ '' >/dev/null || fail "the window did not hide"
[ -f "$program/Config.inf" ] || fail "Config.inf was not written"
[ $run != cyrillic ] || tail -c 30 "$program/Config.inf" | grep -q 'Будильник.wav' ||
  fail "Config.inf does not name the sound"

# --device-gone: the sound card goes 3 s after the arming and comes back 10 s after the wake-up
# time, when the recording starts: the sound is due then.
due=$target before=5
if [ $gone = 1 ]; then
  until_time "$(now) + 3"
  pactl unload-module "$(pactl list short modules | awk '$2 == "module-null-sink" { print $1 }')"
  until_time $((target + 10))
  pactl load-module module-null-sink sink_name=acordina >/dev/null
  pactl set-default-sink acordina
  due=$(now) before=0
else
  until_time $((target - 15))
fi
parecord --device=acordina.monitor --file-format=wav --rate=44100 --channels=1 "$out/recording.wav" &
recorder=$!
started=$(now)
if [ $freeze = 1 ]; then
  until_time $((target - 3)) && kill -STOP "$pid"
  until_time $((target + 2)) && kill -CONT "$pid"
  due=$(now)
fi
until_time "$due + 10"
click '' '^Wine System Tray$' 1 10 '' 2 # a double-click on the icon
await ^acordinamain$ '' >/dev/null
off=$(now)
click ^static$ 'Clique aqui'
sleep 4
stopped=$(now)
kill $recorder
wait $recorder || true

# Loudness of each hundredth of a second of the file and of the recording, which began a little
# after the recorder was started: it is that much shorter.
envelope() {
  sox "$1" -r 44100 -c 1 -t dat - |
    awk '!/^;/ { s += $2 * $2; if (++n == 441) { print sqrt(s / n); s = n = 0 } }'
}
envelope "$reference" >"$work/file"
envelope "$out/recording.wav" >"$work/recording"
skew=$(awk "BEGIN { print $stopped - $started - $(soxi -D "$out/recording.wav") }")
awk -v start="$started" -v skew="$skew" -v target=$target -v due="$due" -v off="$off" \
  -v late=$((freeze || gone ? 3 : 5)) -v before="$before" '
  NR == FNR { f[nf++] = $1; next }
  { r[n++] = $1 }
  function at(t) { return int((t - start - skew) * 100) }
  function rms(a, b, i, s) { for (i = a; i < b; i++) s += r[i] ^ 2; return b > a ? sqrt(s / (b - a)) : 0 }
  END {
    for (on = at(target - 3); on < n && r[on] <= 0.01; on++);
    for (end = at(off - 3); end < n && rms(end, end + 50) >= 0.001; end++);
    for (i = on; i + 50 <= end; i += 50) quiet += rms(i, i + 50) < 0.01
    # The first two loops against the file looping from the best place in it, in sums of 30 ms:
    # near 1 for one clean start (a loaded machine may lose its first moments), low for restarts.
    for (phase = 0; phase < nf; phase++) {
      sx = sy = sxx = syy = sxy = 0
      for (i = 0; i < 2 * nf; i++) {
        x = f[(i + phase) % nf] + f[(i + phase + 1) % nf] + f[(i + phase + 2) % nf]
        y = r[on + i] + r[on + i + 1] + r[on + i + 2]
        sx += x; sy += y; sxx += x * x; syy += y * y; sxy += x * y
      }
      c = (2 * nf * sxy - sx * sy) / sqrt((2 * nf * sxx - sx * sx) * (2 * nf * syy - sy * sy) + 1e-12)
      if (c > best) { best = c; lost = phase / 100 }
    }
    printf "sound from %.2f s after it was due to %.2f s after the disarming click (%.1f times the file)\n",
      (on - at(due)) / 100, (end - at(off)) / 100, (end - on) / nf
    printf "RMS before %.4f, ringing %.4f (%d quiet half-seconds), after %.4f\n", rms(0, on),
      rms(on, end), quiet, rms(end + 10, n)
    printf "first two loops against the file: correlation %.3f, from %.2f s into it\n", best, lost
    if (rms(0, on) >= 0.001 || on < before * 100) print "FAIL: no silence before the sound"
    if (on < at(due) - 50 || on > at(due) + late * 100) print "FAIL: the sound did not start when due"
    if (best < 0.9) print "FAIL: the sound did not start cleanly"
    if (rms(on, end) <= 0.05 || end - on <= 2 * nf || quiet) print "FAIL: the sound did not keep looping"
    if (end > at(off) + 200 || rms(end + 10, n) >= 0.001) print "FAIL: the sound did not stop"
  }' "$work/file" "$work/recording" | tee "$out/summary.txt"
! grep -q FAIL "$out/summary.txt" || fail "see $out/summary.txt"
echo "record-alarm: it rang, looped and stopped; files in $out"
