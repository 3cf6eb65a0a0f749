#!/bin/sh
# Start-up time of the desktop program: from launch to the main window's
# first appearance on screen (the splash screen's three seconds are not
# waited for). The program is told the launch time through
# ZOLVANE_STARTUP_PROBE, prints "startup-ms N" once its main window is
# exposed, and ends. Runs under a fresh X server when xvfb-run is there,
# else on Qt's offscreen platform.
#
#   bench/startup/startup.sh [BUILD_DIR] [RUNS]
set -eu
build=${1:-build}
runs=${2:-15}
program="$build/bin/zolvane"
[ -x "$program" ] || { echo "no $program: build the zolvane target first" >&2; exit 2; }

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export ZOLVANE_DATA_DIR="$data/Zolvane"

measure='i=0; while [ $i -lt "$1" ]; do
  ZOLVANE_STARTUP_PROBE=$(date +%s%N) "$2" | sed -n "s/^startup-ms //p"; i=$((i + 1)); done'
if command -v xvfb-run >/dev/null 2>&1; then
  platform="X server (xvfb-run)"
  times=$(env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" sh -c "$measure" sh "$runs" "$program" 2>/dev/null)
else
  platform="offscreen"
  times=$(QT_QPA_PLATFORM=offscreen sh -c "$measure" sh "$runs" "$program" 2>/dev/null)
fi

# The first run also seeds the data folder; the median covers all runs.
echo "$times" | sort -n | awk -v p="$platform" -v n="$runs" '
  { t[NR] = $1 }
  END {
    if (NR == 0) { print "no measurement" > "/dev/stderr"; exit 1 }
    m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
    printf "zolvane start-up to main window, %s, %d runs: median %.1f ms, min %.1f ms, max %.1f ms\n", p, NR, m, t[1], t[NR]
  }'
