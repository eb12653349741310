#!/usr/bin/env bash
# What the program costs while the user does nothing: the CPU time (utime + stime from
# /proc/<pid>/stat) of the program's main process over a quiet stretch of the real program under
# a virtual display, and the wake-ups of its main thread (context switches). Three stretches:
#   master   the master window and its first browser window on a local start page;
#   player   the MP3 player opened from the launcher bar, nothing playing;
#   playing  the player playing a song.
# The engine's own processes (renderer, GPU, zygote) are shown apart.
# A virtual display has no sound device, so the song goes to a silent clock-keeping output. With
# SOUND=pulse the song plays to a sound server of the run's own instead (pulseaudio with a null
# sink: a real device sink in the program, nothing heard), as on a desktop with a sound card; the
# server's own CPU is shown apart, and a bare playbin then plays the same song to the same server
# for the floor.
#   bench/idle_cpu.sh                   # 30 s stretches
#   SECONDS_PER=10 BIN=build-rel/vireo bench/idle_cpu.sh
#   SOUND=pulse bench/idle_cpu.sh
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_PER=${SECONDS_PER:-30}
BIN=${BIN:-build/vireo}
DATA=$(dirname "$BIN")
VERSION=$(sed -n 's/^project(Vireo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
TICK=$(getconf CLK_TCK)

SOUND=${SOUND:-none}

work=$(mktemp -d)
xvfb_pid=""
pid=""
pulse_pid=""
cleanup() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

case "$SOUND" in
none) ;;
pulse)
  command -v pulseaudio >/dev/null || { echo "SOUND=pulse needs pulseaudio"; exit 1; }
  export PULSE_RUNTIME_PATH="$work/pulse" PULSE_STATE_PATH="$work/pulse"
  mkdir -p "$PULSE_RUNTIME_PATH"
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    -L "module-null-sink sink_name=silent" -L module-native-protocol-unix \
    >"$work/pulse.log" 2>&1 &
  pulse_pid=$!
  for _ in $(seq 100); do [ -S "$PULSE_RUNTIME_PATH/native" ] && break; sleep 0.05; done
  [ -S "$PULSE_RUNTIME_PATH/native" ] || { echo "the sound server did not start"; cat "$work/pulse.log"; exit 1; }
  ;;
*) echo "SOUND is none or pulse"; exit 1 ;;
esac

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"

home="$work/home"; settings="$work/settings"; xdg="$work/xdg"
mkdir -p "$home" "$settings" "$xdg"
cp -r "$DATA"/*.bmp "$DATA"/*.html "$DATA"/vireo-data.txt "$home"/ 2>/dev/null || true
printf '[settings]\n1=0\n2=0\n3=0\n4=0\n5=1\n6=240\n7=1\n8=0\n9=0\n[startup]\nversion=%s\nstartpage=%s\n' \
  "$VERSION" "$home/start.html" >"$settings/vro.ini"
# A song long enough to play through the measurement, in the carry-over playlist.
gst-launch-1.0 -q audiotestsrc wave=sine num-buffers=$(((SECONDS_PER + 30) * 10)) \
  samplesperbuffer=4410 ! audio/x-raw,rate=44100,channels=2 ! lamemp3enc ! xingmux ! \
  filesink location="$work/song.mp3"
printf 'TAG%-30.30s%-30.30s%-30.30s%-4.4s%-30.30s\021' "Sine" "Tone" "" "2004" "" >>"$work/song.mp3"
printf '"Tone - Sine"\r\n"%s"\r\n' "$work/song.mp3" >"$home/blank.vr3"

log="$work/stderr"
VIREO_REPORT_FIRST_PAGE=1 VIREO_HOME="$home" VIREO_SETTINGS="$settings" \
  XDG_DATA_HOME="$xdg/data" XDG_CACHE_HOME="$xdg/cache" XDG_CONFIG_HOME="$xdg/config" \
  "$BIN" 2>"$log" >/dev/null &
pid=$!
for _ in $(seq 600); do
  grep -q "first page complete" "$log" && break
  kill -0 "$pid" 2>/dev/null || { cat "$log"; exit 1; }
  sleep 0.05
done
grep -q "first page complete" "$log" || { echo "no first page"; cat "$log"; exit 1; }

# utime + stime of one process, in clock ticks (the fields after the parenthesised name).
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
switches() {
  awk '/^(voluntary|nonvoluntary)_ctxt_switches/ { n += $2 } END { print n }' "/proc/$1/task/$1/status"
}
descendants() { # every process below $1
  ps -eo pid=,ppid= | awk -v root="$1" '
    { parent[$1] = $2 }
    END { for (p in parent) { q = parent[p]; while (q != "" && q != 0 && q != root) q = parent[q]; if (q == root) print p } }'
}
others_ticks() {
  local total=0 p t
  for p in $(descendants "$pid"); do
    t=$(cpu_ticks "$p" 2>/dev/null || echo 0)
    total=$((total + t))
  done
  echo "$total"
}

# Per thread of the main process: "nanoseconds-on-cpu tid name timeslices" (schedstat: exact,
# where the clock ticks of /proc/<pid>/stat only sample; its third field counts the times the
# thread was put on a core, about its wake-ups).
thread_ns() {
  local t name
  for t in /proc/"$pid"/task/*; do
    name=$(tr ' ' _ <"$t/comm" 2>/dev/null) || continue
    read -r ns _ slices <"$t/schedstat" 2>/dev/null || { ns=0; slices=0; }
    echo "$ns ${t##*/} $name $slices"
  done
}

# The process's CPU from schedstat between threads0 and threads1, and the threads that used the
# most with the times each was put on a core per second: wake-ups are steadier than the CPU time
# on a virtual machine, where the cost of one wake-up varies several times between runs.
thread_report() { # label
  awk -v s="$SECONDS_PER" -v label="$1" 'NR == FNR { before[$2] = $1; slices[$2] = $4; next }
    { d = $1 - ($2 in before ? before[$2] : 0); total += d
      if (d > 0) { by[$3] += d; woke[$3] += $4 - ($2 in slices ? slices[$2] : 0) } }
    END { printf "         %s %.2f %% of a core (schedstat); busiest threads (%% of a core, runs/s):", label, 100 * total / 1e9 / s
          n = 0; for (t in by) order[++n] = t
          for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (by[order[j]] > by[order[i]]) { x = order[i]; order[i] = order[j]; order[j] = x }
          for (i = 1; i <= n && i <= 5; i++) printf " %s %.2f %% %.0f/s", order[i], 100 * by[order[i]] / 1e9 / s, woke[order[i]] / s
          printf "\n" }' "$work/threads0" "$work/threads1"
}

measure() { # name
  sleep 3 # let what the last step started settle
  local t0 s0 o0 t1 s1 o1
  thread_ns >"$work/threads0"
  t0=$(cpu_ticks "$pid"); s0=$(switches "$pid"); o0=$(others_ticks)
  p0=0; [ -n "$pulse_pid" ] && p0=$(cpu_ticks "$pulse_pid")
  sleep "$SECONDS_PER"
  t1=$(cpu_ticks "$pid"); s1=$(switches "$pid"); o1=$(others_ticks)
  p1=0; [ -n "$pulse_pid" ] && p1=$(cpu_ticks "$pulse_pid")
  thread_ns >"$work/threads1"
  awk -v n="$1" -v dt=$((t1 - t0)) -v ds=$((s1 - s0)) -v eng=$((o1 - o0)) -v s="$SECONDS_PER" -v hz="$TICK" \
    'BEGIN { printf "%-8s main process %.2f %% of a core (stat), main thread %.0f wake-ups/s; engine processes %.2f %%\n",
             n, 100 * dt / hz / s, ds / s, 100 * eng / hz / s }'
  if [ -n "$pulse_pid" ]; then
    awk -v dt=$((p1 - p0)) -v s="$SECONDS_PER" -v hz="$TICK" \
      'BEGIN { printf "         sound server %.2f %% of a core (stat)\n", 100 * dt / hz / s }'
  fi
  thread_report "main process"
}

measure master

master=$(xdotool search --onlyvisible --name '^Vireo$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$master")"
xdotool mousemove $((X + 349)) $((Y + 52)) click 1
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^MP3 Player' >/dev/null 2>&1 && break
  sleep 0.1
done
player=$(xdotool search --onlyvisible --name '^MP3 Player' | head -1)
[ -n "$player" ] || { echo "the MP3 launcher opened no player"; exit 1; }
# Away from the buttons, so no hover look is being drawn.
xdotool mousemove 1200 700
measure player

eval "$(xdotool getwindowgeometry --shell "$player")"
xdotool mousemove $((X + 57)) $((Y + 92)) click 1 mousemove 1200 700
for _ in $(seq 50); do
  [ "$(xdotool getwindowname "$player")" != "MP3 Player" ] && break
  sleep 0.1
done
echo "playing ($SOUND output): $(xdotool getwindowname "$player")"
if [ -n "$pulse_pid" ]; then
  sleep 1
  [ -n "$(pactl list short sink-inputs 2>/dev/null)" ] || { echo "the song is not playing to the sound server"; exit 1; }
fi
measure playing

# The floor of playing to a sound server: a bare playbin on the same song and server, with the
# sink's own settings, for the same stretch after the program has gone. What the program costs
# beyond it is its own.
if [ -n "$pulse_pid" ]; then
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
  gst-launch-1.0 -q playbin uri="file://$work/song.mp3" >/dev/null 2>&1 &
  pid=$!
  sleep 3
  thread_ns >"$work/threads0"
  t0=$(cpu_ticks "$pid"); p0=$(cpu_ticks "$pulse_pid")
  sleep "$SECONDS_PER"
  t1=$(cpu_ticks "$pid"); p1=$(cpu_ticks "$pulse_pid")
  thread_ns >"$work/threads1"
  awk -v dt=$((t1 - t0)) -v dp=$((p1 - p0)) -v s="$SECONDS_PER" -v hz="$TICK" \
    'BEGIN { printf "floor    bare playbin %.2f %% of a core (stat); sound server %.2f %%\n",
             100 * dt / hz / s, 100 * dp / hz / s }'
  thread_report "bare playbin"
fi
