#!/usr/bin/env bash
# Start-up to the first page: the time from starting build/vireo until its first browser window's
# DownloadComplete on a local start page, and the peak memory (summed PSS) of the program's process
# tree up to then. Beside it, in the same run, the floor: a bare page view program
# (bench/first_page_bare) on the same page, started the same way. Runs alternate between the two,
# so a machine that gets busier weighs on both alike, under a virtual display of their own.
# Prints every run, both medians and Vireo's ratios to the floor.
# Two kinds of start, printed as such:
# - first start (the default): each run has fresh folders (program, settings, XDG data, cache and
#   config): whatever a program keeps there (the engine profile and its disk cache, GStreamer's
#   plugin registry, Qt's caches) is made anew;
# - WARM=1: every start of a program reuses the folders of the one before, after one start that
#   is not counted, as a user's every-day start does.
# TRACE=1 prints, under each run, its start-up milestones (the log category vireo.startup: the
# milliseconds since the process started).
#   bench/first_page.sh            # 5 runs of each, first starts
#   WARM=1 bench/first_page.sh     # 5 runs of each, warm starts
#   RUNS=9 BIN=build-rel/vireo BARE=build-rel/bench/first_page_bare bench/first_page.sh
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${RUNS:-5}
TRACE=${TRACE:-0}
WARM=${WARM:-0}
BIN=${BIN:-build/vireo}
BARE=${BARE:-$(dirname "$BIN")/bench/first_page_bare}
DATA=$(dirname "$BIN")
VERSION=$(sed -n 's/^project(Vireo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
[ "$TRACE" = 1 ] && export QT_LOGGING_RULES="vireo.startup.debug=true"

# A process and all its descendants.
tree_pids() {
  ps -eo pid=,ppid= | awk -v root="$1" '
    { parent[$1] = $2 }
    END {
      for (p in parent) {
        q = p
        while (q != "" && q != 0 && q != root) q = parent[q]
        if (q == root) print p
      }
    }'
}

# Summed PSS in kB of the tree: shared pages count once, split among their sharers (summed RSS
# would count the engine's shared libraries once per process).
tree_pss() {
  local total=0 pid pss
  for pid in $(tree_pids "$1"); do
    pss=$(awk '/^Pss:/ { print $2 }' "/proc/$pid/smaps_rollup" 2>/dev/null || true)
    total=$((total + ${pss:-0}))
  done
  echo "$total"
}

# One start of `kind` (vireo or bare); prints the milliseconds to the first page and the peak PSS.
run_one() { # kind run
  local kind=$1 run=$2
  local dir="$work/$kind$run"
  [ "$WARM" = 1 ] && dir="$work/$kind"
  local home="$dir/home" settings="$dir/settings" xdg="$dir/xdg"
  if [ ! -d "$dir" ]; then
    mkdir -p "$home" "$settings" "$xdg"
    cp -r "$DATA"/*.bmp "$DATA"/*.html "$DATA"/vireo-data.txt "$home"/ 2>/dev/null || true
    printf '[settings]\n1=0\n2=0\n3=0\n4=0\n5=1\n6=240\n7=1\n8=0\n9=0\n[startup]\nversion=%s\nstartpage=%s\n' \
      "$VERSION" "$home/start.html" >"$settings/vro.ini"
  fi
  local log="$work/$kind$run.stderr" start pid peak=0 done_ms="" pss
  start=$(date +%s%N)
  if [ "$kind" = vireo ]; then
    VIREO_REPORT_FIRST_PAGE=1 VIREO_HOME="$home" VIREO_SETTINGS="$settings" \
      XDG_DATA_HOME="$xdg/data" XDG_CACHE_HOME="$xdg/cache" XDG_CONFIG_HOME="$xdg/config" \
      "$BIN" 2>"$log" >/dev/null &
  else
    XDG_DATA_HOME="$xdg/data" XDG_CACHE_HOME="$xdg/cache" XDG_CONFIG_HOME="$xdg/config" \
      "$BARE" "$home/start.html" 2>"$log" >/dev/null &
  fi
  pid=$!
  for _ in $(seq 600); do
    pss=$(tree_pss "$pid"); [ "$pss" -gt "$peak" ] && peak=$pss
    if grep -q "first page complete" "$log"; then
      done_ms=$(( ($(date +%s%N) - start) / 1000000 ))
      break
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if [ -z "$done_ms" ]; then
    echo "$kind run $run: no first page (see $log)" >&2; cat "$log" >&2; return 1
  fi
  # The uncounted start (run 0) is not traced either.
  [ "$TRACE" = 1 ] && [ "$run" != 0 ] && sed -n 's/^vireo\.startup: /    /p' "$log" >&2
  echo "$done_ms $peak"
}

if [ "$WARM" = 1 ]; then
  echo "warm starts (folders kept from an uncounted first start)"
  for kind in vireo bare; do run_one "$kind" 0 >/dev/null || exit 1; done
else
  echo "first starts (fresh folders every run)"
fi
vireo_times=(); vireo_peaks=(); bare_times=(); bare_peaks=()
for run in $(seq "$RUNS"); do
  for kind in vireo bare; do
    read -r ms peak < <(run_one "$kind" "$run") || exit 1
    printf '%-5s run %d: %5d ms to the first page, peak %d MB PSS\n' "$kind" "$run" "$ms" $((peak / 1024))
    if [ "$kind" = vireo ]; then vireo_times+=("$ms"); vireo_peaks+=("$peak")
    else bare_times+=("$ms"); bare_peaks+=("$peak"); fi
  done
done

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
vt=$(median "${vireo_times[@]}"); vp=$(median "${vireo_peaks[@]}")
bt=$(median "${bare_times[@]}"); bp=$(median "${bare_peaks[@]}")
echo "median of $RUNS: vireo $vt ms, $(awk -v p="$vp" 'BEGIN { printf "%.0f", p / 1024 }') MB PSS;" \
  "bare page view $bt ms, $(awk -v p="$bp" 'BEGIN { printf "%.0f", p / 1024 }') MB PSS"
awk -v vt="$vt" -v bt="$bt" -v vp="$vp" -v bp="$bp" \
  'BEGIN { printf "vireo / bare: time %.2f x, PSS %.2f x\n", vt / bt, vp / bp }'
