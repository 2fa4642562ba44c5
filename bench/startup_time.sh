#!/usr/bin/env bash
# Start-up of the main window as a whole process: from exec to the window's first paint on an
# X server (Xvfb), with default settings. Prints each run and the median in milliseconds.
# Usage: bench/startup_time.sh PATH_TO_PELMIRA [RUNS]
set -euo pipefail
program=$1
runs=${2:-20}
display=:97
config=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$config"' EXIT
Xvfb $display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do xdpyinfo -display $display >/dev/null 2>&1 && break; sleep 0.1; done

times=()
for i in $(seq "$runs"); do
  rm -rf "${config:?}"/*
  start=$(date +%s%N)
  DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$config PELMIRA_EXIT_AFTER_PAINT=1 \
    "$program" >/dev/null 2>&1
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to first paint (ms), $runs runs: ${times[*]}"
echo "median ${sorted[$(( runs / 2 ))]} ms, best ${sorted[0]} ms"
