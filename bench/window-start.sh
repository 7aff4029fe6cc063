#!/usr/bin/env bash
# Measures how long the game takes from launch to its window being shown
# under Xvfb (median of five starts), and its resident memory after start.
# Usage: bench/window-start.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$build/data/." "$work/"
rm -f "$work/Data/"*.tkg "$work/Data/"*.tkp "$work/Data/"*.tkt
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -u 3 display
export DISPLAY=:$display
times=()
for run in 1 2 3 4 5; do
  t0=$(date +%s%N)
  (cd "$work" && exec "$build/bin/tarnik" >>"$work/log" 2>&1) &
  pid=$!
  for _ in $(seq 2000); do
    kill -0 "$pid" 2>/dev/null || { cat "$work/log"; exit 1; }
    xdotool search --onlyvisible --name '^Tarnik Solitaire 2000$' >/dev/null 2>&1 && break
    sleep 0.005
  done
  t1=$(date +%s%N)
  times+=($(((t1 - t0) / 1000000)))
  sleep 0.5
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  kill -TERM "$pid"
  wait "$pid" || true
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "window shown after (ms): ${times[*]}; median $(sed -n 3p <<<"$sorted")"
echo "resident memory after start: $((rss / 1024)) MiB"
