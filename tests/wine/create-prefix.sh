#!/usr/bin/env bash
# Creates the test run's Wine prefix from scratch and starts a server that
# stays until the run's end (stop-prefix.sh). Without it the server exits a
# few seconds after its last program, and a program that starts just then
# fails with "recvmsg: Connection reset by peer".
set -eu
: "${WINEPREFIX:?}"
export WINESERVER=/usr/lib/wine/wineserver64 WINELOADER=/usr/lib/wine/wine64
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$WINESERVER" -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
# Wine's own background programs live as long as the server and keep the
# output they were started with: give them none, so that they hold no test
# runner's pipe open.
"$WINELOADER" wineboot -u </dev/null >/dev/null 2>&1
"$WINESERVER" -w
"$WINESERVER" -p </dev/null >/dev/null 2>&1
"$WINELOADER" cmd /c exit </dev/null >/dev/null 2>&1
echo "prefix ready"
