#!/usr/bin/env bash
# Creates the test run's Wine prefix from scratch and waits until Wine has
# finished setting it up.
set -eu
: "${WINEPREFIX:?}"
export WINESERVER=/usr/lib/wine/wineserver64 WINELOADER=/usr/lib/wine/wine64
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$WINESERVER" -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
"$WINELOADER" wineboot -u
"$WINESERVER" -w
