#!/bin/sh
# The installed program finds its installed files: installed under a fresh
# prefix, it seeds a new data folder from <prefix>/share/zolvane, and the
# help pages, the menu entry and the icon are where the desktop looks.
#
#   installed_program_test.sh BUILD_DIR LSAN_SUPPRESSIONS
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/zolvane bin/zolvane-cli share/zolvane/prefs.dat share/zolvane/fonts.dat \
         share/zolvane/sample.txt share/zolvane/Help/contents.html share/zolvane/Help/fields.html \
         share/applications/zolvane.desktop share/icons/hicolor/scalable/apps/zolvane.svg; do
  [ -f "$prefix/$f" ] || fail "$f was not installed"
done
grep -q '^Exec=zolvane' "$prefix/share/applications/zolvane.desktop" || fail "desktop entry"

out=$(ZOLVANE_DATA_DIR="$prefix/data" QT_QPA_PLATFORM=offscreen ZOLVANE_STARTUP_PROBE=now \
      LSAN_OPTIONS="suppressions=$2" "$prefix/bin/zolvane" 2>/dev/null) || fail "the program did not start"
case "$out" in startup-ms*) ;; *) fail "no start-up report: $out" ;; esac
for f in prefs.dat fonts.dat sample.txt; do
  [ -s "$prefix/data/$f" ] || fail "the data folder was not seeded with $f"
done
