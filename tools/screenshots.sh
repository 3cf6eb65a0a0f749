#!/bin/sh
# Pictures of the desktop program's windows as an X server shows them: the
# main window at rest and during a run, the splash screen, the preferences,
# the intelligent barcode setup and both field identification dialogs on a
# sample list, one PNG file each.
#
#   tools/screenshots.sh [BUILD_DIR] [OUT_DIR]     (defaults: build, BUILD_DIR/screenshots)
set -eu
build=${1:-build}
out=${2:-$build/screenshots}
command -v xvfb-run >/dev/null 2>&1 || { echo "xvfb-run is needed (Debian package xvfb)" >&2; exit 2; }
cmake --build "$build" --target zolvane_screenshots
mkdir -p "$out"
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" "$build/bin/zolvane_screenshots" "$out"
