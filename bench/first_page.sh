#!/usr/bin/env bash
# Start-up to the first page: the time from starting build/vireo until its first browser window's
# DownloadComplete on a local start page, and the peak memory (summed PSS) of the program's process
# tree up to then. Each run uses a fresh program folder, settings folder and engine profile, under
# a virtual display of its own. Prints every run and the medians.
#   bench/first_page.sh            # 5 runs
#   RUNS=9 BIN=build-rel/vireo bench/first_page.sh
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${RUNS:-5}
BIN=${BIN:-build/vireo}
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

times=()
peaks=()
for run in $(seq "$RUNS"); do
  home="$work/run$run/home"; settings="$work/run$run/settings"; xdg="$work/run$run/xdg"
  mkdir -p "$home" "$settings" "$xdg"
  cp -r "$DATA"/*.bmp "$DATA"/*.html "$DATA"/vireo-data.txt "$home"/ 2>/dev/null || true
  printf '[settings]\n1=0\n2=0\n3=0\n4=0\n5=1\n6=240\n7=1\n8=0\n9=0\n[startup]\nversion=%s\nstartpage=%s\n' \
    "$VERSION" "$home/start.html" >"$settings/vro.ini"
  log="$work/run$run/stderr"
  start=$(date +%s%N)
  VIREO_REPORT_FIRST_PAGE=1 VIREO_HOME="$home" VIREO_SETTINGS="$settings" \
    XDG_DATA_HOME="$xdg/data" XDG_CACHE_HOME="$xdg/cache" XDG_CONFIG_HOME="$xdg/config" \
    "$BIN" 2>"$log" >/dev/null &
  pid=$!
  peak=0; done_ms=""
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
    echo "run $run: no first page (see $log)"; cat "$log"; exit 1
  fi
  echo "run $run: ${done_ms} ms to the first page's DownloadComplete, peak $((peak / 1024)) MB PSS"
  times+=("$done_ms"); peaks+=("$peak")
done

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "median of $RUNS: $(median "${times[@]}") ms, peak memory $(( $(median "${peaks[@]}" | cut -d. -f1) / 1024 )) MB PSS of the process tree"
